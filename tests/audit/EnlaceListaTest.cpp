#include "audit/EnlaceLista.h"

#include "audit/EnlacePagina.h"
#include "support/Apoyo.h"

#include <QUrl>
#include <gtest/gtest.h>

using namespace EnlaceLista;

namespace {

// A link of the list page as the handler reads it: resolved against the page, as the browser
// reports it, and cut out of that address.
QString Leida(const QString& enlace) {
    return EnlacePagina::Propio(QUrl(QStringLiteral("file:///tmp/a_TC_b/Auditoria.htm"))
                                    .resolved(QUrl(enlace))
                                    .toString(QUrl::FullyEncoded));
}

QString Origen(const QString& tc, const QString& cpte, const QString& cuenta) {
    QByteArray enlace;
    AgregarOrigen(enlace, tc, cpte, cuenta);
    return QString::fromLatin1(enlace);
}

QString Asiento(const QString& tc, const QString& s, const QString& n, const QString& l,
                const QString& cuenta) {
    QByteArray enlace;
    AgregarAsiento(enlace, {tc, s, n, l}, cuenta);
    return QString::fromLatin1(enlace);
}

QString EnlaceDiferencia(Comando comando, const Diferencia& d) {
    QByteArray datos, enlace;
    AgregarDatosDiferencia(datos, d);
    AgregarDiferencia(enlace, comando, datos);
    return QString::fromLatin1(enlace);
}

QStringList Valores(const Diferencia& d) {
    return {d.Estado,    d.TC,          d.Suc,       d.Numero,   d.Letra,
            d.Tc_Origen, d.Cpte_Origen, d.CabCuenta, d.CabNombre};
}

QStringList Valores(const Comprobante& c) {
    return {c.TC, c.Sucursal, c.Numero, c.Letra, c.Cuenta};
}

// The texts of the links, as the list page has always written them.
TEST(EnlaceLista, EscrituraDeLosEnlaces) {
    const Diferencia d{"0",   "NCPE",          "0001",      "00000002",        "X",
                       "FCC", "000200004526A", "211010102", "Muñoz & Peña 50%"};
    const QString datos = "0_TC_NCPE_SUCURSAL_0001_NUMERO_00000002_LETRA_X_TIPOORIGEN_FCC_CPTE-"
                          "ORIGEN_000200004526A_Cabcuenta_211010102_CabNombre_Mu%C3%B1oz%20%26%"
                          "20Pe%C3%B1a%2050%2525";
    EXPECT_EQ(EnlaceDiferencia(Comando::CambioEstado, d), "_CambioEstado_" + datos);
    EXPECT_EQ(EnlaceDiferencia(Comando::Modificar, d), "_Modificar_" + datos);
    EXPECT_EQ(Origen("FCC ", "000200004526A", "2110_1"),
              "_TCorigen_FCC%20_CpteOrigen_000200004526A_Cuenta_2110%255F1");
    EXPECT_EQ(Asiento("NCPE", "0001", "00000002", "X", "211010102"),
              "_VER_ASIENTOTC_NCPE_SUCURSAL_0001_NUMERO_00000002_LETRA_X_Cuenta_211010102");
}

// Each link is read back by the handler exactly as written, whatever its values hold.
TEST(EnlaceLista, CadaValorVuelveExacto) {
    const QString hostiles[] = {"_TC_",  "_Modificar_", "_CabNombre_", "%41",       "%5F%20",
                                "#?/\\", "O'Brien Ñ",   "_LETRA_",     "_TCorigen_"};
    for (const QString& h : hostiles) {
        const Diferencia d{h, h, h, h, h, h, h, h, h};
        for (const Comando c : {Comando::CambioEstado, Comando::Modificar}) {
            const QString enlace = Leida(EnlaceDiferencia(c, d));
            EXPECT_EQ(int(ComandoDe(enlace)), int(c)) << h;
            ASSERT_TRUE(LeerDiferencia(enlace)) << h;
            EXPECT_EQ(Valores(*LeerDiferencia(enlace)), Valores(d)) << h;
        }
        const QString clave = (h + "0000000000000").left(13);
        const QString origen = Leida(Origen(" " + h + " ", clave, h));
        EXPECT_EQ(int(ComandoDe(origen)), int(Comando::Origen)) << h;
        EXPECT_EQ(Valores(LeerOrigen(origen).value()),
                  QStringList({h, clave.left(4), clave.mid(4, 8), clave.right(1), h}));
        const QString asiento = Leida(Asiento(h, h, h, "Y", h));
        EXPECT_EQ(int(ComandoDe(asiento)), int(Comando::VerAsiento)) << h;
        EXPECT_EQ(Valores(LeerAsiento(asiento).value()), QStringList({h, h, h, "Y", ""})) << h;
    }
}

// What the handler makes of a link: its command, and whether its values can be read.
TEST(EnlaceLista, LecturaDeEnlaces) {
    const std::tuple<const char*, Comando, bool, bool> casos[] = {
        // link, command, holds a marker, readable
        {"_cambioestado_3_tc_NCPE_sucursal_1_numero_2_letra_X_tipoorigen__cpte-origen__"
         "CABCUENTA__cabnombre_",
         Comando::CambioEstado, true, true},
        {"_Modificar_0_TC_NCPE_SUCURSAL_0001_NUMERO_00000002_LETRA_X", Comando::Modificar, true,
         false},
        {"_CambioEstado_0_TC_NCPE_SUCURSAL__NUMERO_2_LETRA_X_TIPOORIGEN__CPTE-ORIGEN__"
         "Cabcuenta__CabNombre_",
         Comando::CambioEstado, true, false},
        {"_TCorigen_FCC_CpteOrigen_000200004526A_Cuenta_", Comando::Origen, true, true},
        {"_TCorigen_FCC_CpteOrigen_000200004526_Cuenta_1", Comando::Origen, true, false},
        {"_TCorigen_%20_CpteOrigen_000200004526A_Cuenta_1", Comando::Origen, true, false},
        {"_ver_asientotc_NCPE_sucursal_1_numero_2_letra_XYZ", Comando::VerAsiento, true, true},
        {"_VER_ASIENTOTC_NCPE_SUCURSAL_1_NUMERO_2_LETRA_", Comando::VerAsiento, true, false},
        {"x_Modificar_0_TC_NCPE", Comando::Ninguno, true, false},
        {"_pagina_12", Comando::Pagina, true, true},
        {"_Pagina_0", Comando::Pagina, true, false},
        {"_Pagina_", Comando::Pagina, true, false},
        {"_Pagina_2x", Comando::Pagina, true, false},
        {"_Pagina_%2B2", Comando::Pagina, true, false},
        {"Auditoria2.htm_Pagina_2", Comando::Ninguno, true, false},
        {"Auditoria.htm", Comando::Ninguno, false, false},
        {"_TC_FC_SUCURSAL_1_NUMERO_2_LETRA_A", Comando::Ninguno, false, false},
    };
    for (const auto& [enlace, comando, marcador, legible] : casos) {
        const QString e = QString::fromUtf8(enlace);
        EXPECT_EQ(int(ComandoDe(e)), int(comando)) << enlace;
        EXPECT_EQ(TieneMarcador(e), marcador) << enlace;
        const bool leido = LeerDiferencia(e).has_value() || LeerOrigen(e).has_value() ||
                           LeerAsiento(e).has_value() || LeerPagina(e).has_value();
        EXPECT_EQ(leido, legible) << enlace;
    }
    EXPECT_EQ(LeerAsiento("_VER_ASIENTOTC_NCPE_SUCURSAL_1_NUMERO_2_LETRA_XYZ")->Letra, "X");
    for (const int pagina : {1, 2, 10, 2000})
        EXPECT_EQ(LeerPagina(Leida(Pagina(pagina))), pagina);
}

TEST(EnlaceLista, GruposDeComprobantes) {
    const std::pair<const char*, Grupo> grupos[] = {
        {"FC", Grupo::Ventas},     {"np", Grupo::Ventas},   {"TKFC", Grupo::Ventas},
        {"FCC", Grupo::Compras},   {"rmc", Grupo::Compras}, {"OC", Grupo::Compras},
        {"CBCT", Grupo::Recibos},  {"cb", Grupo::Recibos},  {"PGFP", Grupo::Pagos},
        {"opg", Grupo::Pagos},     {"NCPE", Grupo::NCPE},   {"ir", Grupo::IngresoStock},
        {"VJ", Grupo::SinDetalle}, {"FC ", Grupo::Otro},    {"", Grupo::Otro},
        {"NDPR", Grupo::Otro},
    };
    for (const auto& [tc, grupo] : grupos)
        EXPECT_EQ(int(GrupoDe(QString::fromUtf8(tc))), int(grupo)) << tc;
}

// The entry is looked for by its origin (a delivery note by its own column) or by the
// difference itself; the batch removes the entry and its applications before the form's
// statements. Apostrophes in the values are doubled.
TEST(EnlaceLista, BusquedaYLoteDeLaModificacion) {
    const Diferencia origen{"0",   "NCPE",          "0001",   "00000002", "X",
                            "FCC", "0002000045'6A", "2110'1", ""};
    const Diferencia remito{"0",    "NCPE",          "0001", "00000002", "X",
                            " rm ", "000200004756A", "2110", ""};
    const Diferencia sinOrigen{"0", "NCPE", "0001", "0000'031", "X", "", "", "2110", ""};
    const std::tuple<Diferencia, QString, QString, QString> casos[] = {
        {origen, "TC",
         "TC='FCC' AND SUCURSAL ='0002' AND NUMERO = '000045''6' AND LETRA ='A' and CABCUENTA = "
         "'2110''1'",
         "DELETE MV_APLICACION WHERE TC ='NCPE' AND SUCURSAL = '0001' AND NUMERO ='00000002' AND "
         "LETRA ='X' AND TCO_ORIGEN = 'FCC' AND SUCURSAL_ORIGEN='0002' AND "
         "NUMERO_ORIGEN='000045''6' AND LETRA_ORIGEN='A'"},
        {remito, "TC_ORIGEN",
         "TC_ORIGEN=' rm ' AND CPTE_ORIGEN ='000200004756A' and CABCUENTA = '2110'",
         "DELETE MV_APLICACION WHERE TC ='NCPE' AND SUCURSAL = '0001' AND NUMERO ='00000002' AND "
         "LETRA ='X' AND TCO_ORIGEN = ' rm ' AND SUCURSAL_ORIGEN='0002' AND "
         "NUMERO_ORIGEN='00004756' AND LETRA_ORIGEN='A'"},
        {sinOrigen, "TC",
         "TC='NCPE' AND SUCURSAL ='0001' AND NUMERO = '0000''031' AND LETRA ='X' and (CABCUENTA "
         "= '2110' or Cuenta = '2110')",
         "DELETE MV_APLICACION WHERE TC ='NCPE' AND IDCOMPROBANTE = '00010000''031X' AND "
         "(TCO_ORIGEN = '' OR TCO_ORIGEN IS NULL) AND (IDCOMPROBANTE_ORIGEN='' OR "
         "IDCOMPROBANTE_ORIGEN IS NULL)"},
    };
    for (const auto& [d, campo, condicion, aplicaciones] : casos) {
        const BusquedaAsiento b = BuscarAsiento(d);
        EXPECT_EQ(b.ValorBuscado, d.Tc_Origen.isEmpty() ? d.TC : d.Tc_Origen);
        EXPECT_EQ(b.Campo, campo);
        EXPECT_EQ(b.Condicion, condicion);
        EXPECT_EQ(LoteModificacion(d, "INSERT 1\r\nINSERT 2"),
                  "BEGIN TRANSACTION\r\nDELETE MV_ASIENTOS WHERE TC ='NCPE' AND SUCURSAL = '0001' "
                  "AND NUMERO ='" +
                      QString(d.Numero).replace("'", "''") + "' AND LETRA ='X'\r\n" + aplicaciones +
                      "\r\nINSERT 1\r\nINSERT 2\r\n");
    }
}

// A cell written straight into a page's bytes: escaped as the text is, each character once in
// Windows-1252, "?" for what it cannot hold.
TEST(EnlacePagina, CeldaEnLosBytesDeLaPagina) {
    QByteArray linea = "<TD>";
    EnlacePagina::AgregarHtml(linea, u"&Peña <\u20AC 5> \"\u65E5\" &");
    EnlacePagina::AgregarHtml(linea, u"");
    EnlacePagina::AgregarHtml(linea, u"Cía 0123456789012345678901234567890");
    EXPECT_EQ(linea, "<TD>&amp;Pe\xF1"
                     "a &lt;\x80 5&gt; &quot;?&quot; &amp;"
                     "C\xED"
                     "a 0123456789012345678901234567890");
}

} // namespace
