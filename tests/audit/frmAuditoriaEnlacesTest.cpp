#include "DemoAuditoria.h"
#include "audit/clsAuditoria_HTM.h"
#include "platform/browser/CodificacionUrl.h"
#include "support/EnlacesDePagina.h"

#include <QDir>
#include <QUrl>

namespace {

struct Diferencia {
    QString estado, tc, suc, numero, letra, tcOrigen, cpteOrigen, cabCuenta, cabNombre;
};

// A state-change or modify link as the list page writes it: values percent-encoded.
QString EnlaceDiferencia(const QString& comando, const Diferencia& d) {
    const QStringList marcas = QStringLiteral("_TC_ _SUCURSAL_ _NUMERO_ _LETRA_ _TIPOORIGEN_ "
                                              "_CPTE-ORIGEN_ _Cabcuenta_ _CabNombre_")
                                   .split(' ');
    const QStringList valores = {d.tc,       d.suc,        d.numero,    d.letra,
                                 d.tcOrigen, d.cpteOrigen, d.cabCuenta, d.cabNombre};
    QString enlace = comando + d.estado;
    for (int i = 0; i < marcas.size(); ++i) {
        enlace += marcas[i];
        AgregarValorUrl(enlace, valores[i]);
    }
    return enlace;
}

// NCPE 0001-00000002 X of the demo company, state 0, on its invoice FCC 0002-00004526A.
const Diferencia kMunoz{"0",   "NCPE",          "0001",      "00000002",           "X",
                        "FCC", "000200004526A", "211010102", "Muñoz y Peña S.R.L."};
// NCPE 0001-00000031 X: a difference without origin voucher, entry number 10.
const Diferencia kSinOrigen{"0", "NCPE", "0001",      "00000031",          "X",
                            "",  "",     "211010106", "Aceros Zárate S.A."};

// The statements the entry form leaves for a difference: two entry lines and an application.
QString Lote(const QString& numero) {
    const QString linea = "INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, FECHA, "
                          "PERIODO, MES_OPERATIVO, [NUMERO ASIENTO], CUENTA, [DEBE-HABER], "
                          "IMPORTE) VALUES ('NCPE', '0001', '%1', 'X', %2, '22/12/2025', 2025, 12, "
                          "2, '%3', '%4', 100)\r\n";
    return linea.arg(numero, "1", "211010102", "D") + linea.arg(numero, "2", "5110102", "H") +
           "INSERT INTO MV_APLICACION (CUENTA, TC, SUCURSAL, NUMERO, LETRA, TCO_ORIGEN, IMPORTE) "
           "VALUES ('211010102', 'NCPE', '0001', '" +
           numero + "', 'X', 'FCC', 100)";
}

// The main window with its list shown once.
class frmAuditoriaEnlacesTest : public DemoAuditoria {
protected:
    void SetUp() override {
        DemoAuditoria::SetUp();
        if (!subcarpetaTemporal.isEmpty()) {
            ASSERT_TRUE(QDir(dir.path()).mkpath(subcarpetaTemporal));
            qputenv("TEMP", dir.filePath(subcarpetaTemporal).toLocal8Bit());
        }
        AbrirVentana();
        frm->CmdActualizar_Click();
        ASSERT_TRUE(guion.Mensajes.empty()) << guion.Mensajes.front().Texto;
        ASSERT_EQ(Refrescos(), 1);
    }

    QString subcarpetaTemporal; // TEMP, within the test's folder, when not that folder itself

    // Follows a link of the list page; true when the window kept the browser where it was.
    bool Clic(const QString& enlace) { return Navegador().Clic(enlace); }
    int Refrescos() { return int(Navegador().PaginasMostradas().filter("Auditoria.htm").size()); }
    // The links of the list page shown, as the page wrote them, that hold `parte`.
    QStringList EnlacesConParte(const QString& parte) {
        return EnlacesDePagina(frm->RutaInforme()).filter(parte);
    }
    // Follows the link and tells what came of it: the windows opened, the values the
    // state-change dialog got, the messages' titles.
    QString Efecto(const QString& enlace) {
        registro.clear();
        guion.Mensajes.clear();
        if (enlace.startsWith("_CambioEstado_"))
            guion.AccionesModales.push_back([this](QWidget& v) {
                auto& f = dynamic_cast<frmCambioEstado&>(v);
                registro << "Estado " + QStringList{f.TC,        f.Suc,       f.Numero,
                                                    f.Letra,     f.Tc_Origen, f.Cpte_Origen,
                                                    f.CabCuenta, f.CabNombre}
                                            .join('|');
                f.CmdCancelar->click();
            });
        EXPECT_TRUE(Clic(enlace)) << enlace;
        for (const auto& m : guion.Mensajes)
            registro << "Aviso " + m.Titulo;
        return registro.join(';');
    }
    QStringList Base() {
        return Filas("SELECT * FROM MV_ASIENTOS ORDER BY TC, SUCURSAL, NUMERO, LETRA, SECUENCIA") +
               Filas("SELECT * FROM MV_APLICACION ORDER BY TC, NUMERO, TCO_ORIGEN, CUENTA");
    }
};

// Origin and entry links open their window, markers in any case; other addresses go ahead.
TEST_F(frmAuditoriaEnlacesTest, CadaEnlaceAbreSuVentana) {
    const QString cpte = "_CpteOrigen_000200004526A_Cuenta_211%20O%27Brien";
    const QString r = "|0002|00004526|A|", asiento = "Asiento NCPE|0001|00000002|X|;Show";
    const std::tuple<QString, bool, QString> casos[] = {
        {"_TCorigen_tkfc" + cpte, true, "Detalle tkfc" + r + "venta|211 O'Brien;Show"},
        {"_TCorigen_FCC%20" + cpte, true, "Detalle FCC" + r + "compra|211 O'Brien;Show"},
        {"_tcorigen_fcc_cpteorigen_000200004526A_cuenta_x", true,
         "Detalle fcc" + r + "compra|x;Show"},
        {"_TCorigen_CB" + cpte, true, "Recibo CB" + r + "venta;Show"},
        {"_TCorigen_vj" + cpte, true, ""},
        {"_TCorigen_NCPE" + cpte, true, "Asiento NCPE" + r + ";Show"},
        {"_VER_ASIENTOTC_NCPE_SUCURSAL_0001_NUMERO_00000002_LETRA_X_Cuenta_211010102", true,
         asiento},
        {"_ver_asientoTC_NCPE_sucursal_0001_Numero_00000002_letra_X", true, asiento},
        {"about:blank", false, ""},
        {QUrl::fromLocalFile(frm->RutaInforme()).toString(), false, ""},
        {"otra pagina.htm", false, ""},
    };
    for (const auto& [enlace, cancelado, llamadas] : casos) {
        registro.clear();
        EXPECT_EQ(Clic(enlace), cancelado) << enlace;
        EXPECT_EQ(registro.join(';'), llamadas) << enlace;
    }
    EXPECT_TRUE(guion.Mensajes.empty());

    // Until the other windows exist, their links do nothing.
    VentanasVecinas::Actuales() = VentanasVecinas();
    const QStringList antes = Base();
    const int refrescos = Refrescos();
    EXPECT_TRUE(Clic("_TCorigen_FC" + cpte));
    EXPECT_TRUE(Clic(std::get<0>(casos[6])));
    EXPECT_TRUE(Clic(EnlaceDiferencia("_Modificar_", kMunoz)));
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_EQ(Base(), antes);
    EXPECT_EQ(Refrescos(), refrescos);
}

// The state-change link: state 3 refused; names come back whole (blanks, apostrophes,
// accents, a "%" of their own, escapes of their own); Aceptar saves and refreshes the list,
// and each use starts with a fresh dialog.
TEST_F(frmAuditoriaEnlacesTest, CambioDeEstado) {
    Diferencia d = kMunoz;
    d.estado = "3";
    EXPECT_TRUE(Clic(EnlaceDiferencia("_cambioestado_", d)));
    EsperarAviso("No se puede cambiar el estado 3", "Atención", vbInformation);
    EXPECT_TRUE(guion.VentanasModales.empty());
    guion.Mensajes.clear();

    // Each name is read as written.
    const QString nombres[] = {
        "Muñoz y Peña S.R.L.", "D'Angelo Hnos. S.A.",   "50% Descuento & Cía", "100%", "Año %ZZ",
        "Oferta %AB",          "Mu%C3%B1oz y Pe%C3%B1a"};
    d.estado = "4";
    d.cabCuenta = "2110'10102";
    for (const QString& nombre : nombres) {
        d.cabNombre = nombre;
        QString valores;
        guion.AccionesModales.push_back([&](QWidget& v) {
            auto& f = dynamic_cast<frmCambioEstado&>(v);
            valores = (QStringList() << f.TC << f.Suc << f.Numero << f.Letra << f.Tc_Origen
                                     << f.Cpte_Origen << f.CabCuenta << f.CabNombre
                                     << f.EstadoAnterior.toString() << f.lblCpte->text())
                          .join('|');
            f.CmdCancelar->click();
        });
        EXPECT_TRUE(Clic(EnlaceDiferencia("_CambioEstado_", d)));
        EXPECT_EQ(valores, "NCPE|0001|00000002|X|FCC|000200004526A|2110'10102|" + nombre +
                               "|4|NCPE 0001-00000002 X");
    }
    EXPECT_EQ(Refrescos(), 1);

    guion.AccionesModales.push_back([](QWidget& v) {
        auto& dialogo = dynamic_cast<frmCambioEstado&>(v);
        EXPECT_EQ(dialogo.dpdEstadoNuevo->currentIndex(), 1);
        dialogo.CmdAceptar->click();
    });
    EXPECT_TRUE(Clic(EnlaceDiferencia("_CambioEstado_", kMunoz)));
    EXPECT_EQ(
        Filas("SELECT DISTINCT ESTADO FROM MV_ASIENTOS WHERE TC='NCPE' AND NUMERO='00000002'"),
        QStringList{"1"});
    EXPECT_EQ(Refrescos(), 2);
    guion.AccionesModales.push_back(
        [](QWidget& v) { EXPECT_FALSE(dynamic_cast<frmCambioEstado&>(v).OK); });
    EXPECT_TRUE(Clic(EnlaceDiferencia("_CambioEstado_", kMunoz)));
    EXPECT_EQ(Refrescos(), 2);
    EXPECT_TRUE(guion.Mensajes.empty());
}

// The entry is found by its origin (voucher, or delivery note "RM" by its own column) or,
// without one, by the difference itself; the form gets the entry's values. An entry not found
// came from direct postings.
TEST_F(frmAuditoriaEnlacesTest, ModificarBuscaElAsientoSegunSuOrigen) {
    Ejecutar("UPDATE MV_ASIENTOS SET TC_ORIGEN='RM' WHERE TC='NCPE' AND NUMERO='00000012'");
    const Diferencia remito{"2",   "NCPE",          "0001",      "00000012",    "X",
                            "rm ", "000200004756A", "211010109", "Lácteos S.A."};
    Diferencia otraCuenta = kMunoz, otroNumero = kSinOrigen, otroRemito = kMunoz;
    otraCuenta.cabCuenta = "2110'10102";
    otroNumero.numero = "00000099";
    otroRemito.tcOrigen = "RM";
    const std::pair<Diferencia, QString> casos[] = {
        {kMunoz, "CargarParaModificar NCPE|000100000002X;Tope 4646886500;Tc_O FCC;Cpte_O "
                 "000200004526A"},
        {kSinOrigen, "CargarParaModificar NCPE|000100000031X;Tope 17284000;Tc_O ;Cpte_O ;"
                     "AstNumero 10"},
        {remito, "CargarParaModificar NCPE|000100000012X;Tope 37257300;Tc_O rm ;Cpte_O "
                 "000200004756A"},
        {otraCuenta, ""},
        {otroNumero, ""},
        {otroRemito, ""},
    };
    for (const auto& [d, llamadas] : casos) {
        registro.clear();
        guion.Mensajes.clear();
        EXPECT_TRUE(Clic(EnlaceDiferencia("_modificar_", d)));
        const QString fin = ";Height 6340;frmMotivo True;ShowModal;Liberar";
        EXPECT_EQ(registro.join(';'), llamadas.isEmpty() ? "" : llamadas + fin) << d.numero;
        if (llamadas.isEmpty())
            EsperarAviso("Este comprobante fue cargado originariamente desde Registraciones "
                         "Directas, por lo tanto para su modificación debe dirigirse al menú: "
                         "\r\nGestión Contable - Registraciones Directas",
                         "Aviso al Usuario", vbInformation);
        else
            EXPECT_TRUE(guion.Mensajes.empty()) << d.numero;
    }
    EXPECT_EQ(Refrescos(), 1);
}

// After the user's own change the list is written again as it was asked for: a date half
// typed since in a filter box is no request yet. The list shows the change, and the next click
// on that difference is not taken for another user's change.
TEST_F(frmAuditoriaEnlacesTest, ElCambioPropioReescribeLaListaConSusFiltros) {
    const QString numero = "_TC_NCPE_SUCURSAL_0001_NUMERO_00000031_";
    frm->txtFields().Campo("Fecha_desde").SetText("01/13/2026");
    guion.AccionesModales.push_back(
        [](QWidget& v) { dynamic_cast<frmCambioEstado&>(v).CmdAceptar->click(); });
    EXPECT_TRUE(Clic(EnlacesConParte("_CambioEstado_0" + numero).value(0)));
    EXPECT_TRUE(guion.Mensajes.empty()) << guion.Mensajes.front().Texto;
    EXPECT_EQ(Refrescos(), 2);
    EXPECT_TRUE(EnlacesConParte("_Modificar_0" + numero).isEmpty());
    const QStringList modificar = EnlacesConParte("_Modificar_1" + numero);
    ASSERT_EQ(modificar.size(), 1);

    form.sqlTemp = Lote("00000031");
    EXPECT_TRUE(Clic(modificar[0]));
    EXPECT_TRUE(guion.Mensajes.empty()) << guion.Mensajes.front().Texto;
    EXPECT_EQ(Refrescos(), 3);
}

// A second click on a link while the first one's action waits on the user (a double click) is
// that same request: one notice, not two.
TEST_F(frmAuditoriaEnlacesTest, UnDobleClicEsUnSoloPedido) {
    Diferencia sinAsiento = kSinOrigen;
    sinAsiento.numero = "00000099";
    const QString enlace = EnlaceDiferencia("_Modificar_", sinAsiento);
    guion.AlVerMensaje = [&] {
        guion.AlVerMensaje = nullptr;
        EXPECT_TRUE(Clic(enlace));
    };
    EXPECT_TRUE(Clic(enlace));
    EXPECT_EQ(guion.Mensajes.size(), 1u);
}

// What the form leaves: nothing to save does nothing; a failing batch leaves the database
// as it was, prints nothing and says why; a good one replaces the entry, prints, refreshes.
TEST_F(frmAuditoriaEnlacesTest, ElLoteDelFormulario) {
    form.imprimir = true;
    form.sqlTemp = " ";
    guion.ImpresoraAceptada = {false};
    QStringList antes = Base();
    EXPECT_TRUE(Clic(EnlaceDiferencia("_Modificar_", kMunoz)));
    EXPECT_EQ(Base(), antes);
    EXPECT_EQ(Refrescos(), 1);
    EXPECT_EQ(guion.ImpresoraAceptada.size(), 1u);
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_EQ(registro.last(), QStringLiteral("Liberar"));

    int refrescos = 1;
    for (const Diferencia& d : {kMunoz, kSinOrigen}) {
        antes = Base();
        guion.Mensajes.clear();
        form.sqlTemp = Lote(d.numero) + "\r\nINSERT INTO MV_APLICACION (TC) VALUES (NULL)";
        // The rollback comes before the message: no lock is held while the user reads it.
        int lineasAlAvisar = -1;
        guion.AlVerMensaje = [&] {
            ado::Recordset rs;
            rs.Open("SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC='NCPE' AND NUMERO='" + d.numero +
                        "'",
                    DB_Dll::Instancia().gCnn);
            lineasAlAvisar = rs.Fields(0).Value().toInt();
        };
        EXPECT_TRUE(Clic(EnlaceDiferencia("_Modificar_", d)));
        guion.AlVerMensaje = nullptr;
        EXPECT_EQ(lineasAlAvisar, 3) << d.numero;
        EXPECT_EQ(Base(), antes) << d.numero;
        ASSERT_EQ(guion.Mensajes.size(), 1u);
        const auto& aviso = guion.Mensajes[0];
        EXPECT_TRUE(aviso.Texto.endsWith("\r\nNo se pudo realizar la modificacion")) << aviso.Texto;
        EXPECT_FALSE(aviso.Texto.startsWith("\r\n")) << aviso.Texto;
        EXPECT_EQ(aviso.Titulo, QStringLiteral("SV - Aviso al Usuario"));
        EXPECT_EQ(aviso.Botones, vbCritical + vbOKOnly);
        EXPECT_EQ(guion.ImpresoraAceptada.size(), 1u);
        EXPECT_EQ(Refrescos(), ++refrescos);
    }
    // No transaction was left open.
    DB_Dll::Instancia().gCnn.BeginTrans();
    DB_Dll::Instancia().gCnn.RollbackTrans();

    guion.Mensajes.clear();
    form.sqlTemp = Lote("00000002");
    EXPECT_TRUE(Clic(EnlaceDiferencia("_Modificar_", kMunoz)));
    EXPECT_EQ(Filas("SELECT SECUENCIA, CUENTA, IMPORTE FROM MV_ASIENTOS WHERE TC='NCPE' AND "
                    "NUMERO='00000002' ORDER BY SECUENCIA"),
              QStringList({"1|211010102|100", "2|5110102|100"}));
    EXPECT_EQ(Filas("SELECT RTRIM(TCO_ORIGEN), IMPORTE FROM MV_APLICACION WHERE TC='NCPE' AND "
                    "NUMERO='00000002'"),
              QStringList({"FCC|100"}));
    EXPECT_TRUE(guion.ImpresoraAceptada.empty()); // the printer was asked for
    EXPECT_EQ(Refrescos(), refrescos + 1);
    EXPECT_TRUE(guion.Mensajes.empty());
}

// Another user reading the database keeps the commit from taking it: the change is undone and
// reported, and the session goes on, its next change saved for everybody to see.
TEST_F(frmAuditoriaEnlacesTest, UnCommitRechazadoNoSeDaPorGrabado) {
    // The program's connection gives up on a lock after one second.
    ado::Connection& programa = DB_Dll::Instancia().gCnn;
    programa.Close();
    programa.SetConnectionTimeout(1);
    programa.SetCommandTimeout(1);
    programa.Open();
    const QStringList antes = Base();
    const QStringList nuevo = {"1|211010102|100", "2|5110102|100"};
    const QString lineas = "SELECT SECUENCIA, CUENTA, IMPORTE FROM MV_ASIENTOS WHERE TC='NCPE' "
                           "AND NUMERO='00000002' ORDER BY SECUENCIA";
    form.sqlTemp = Lote("00000002");
    // A transaction of the other user's that only reads: its read lock lasts until it ends.
    cnn.EjecutarNativo("BEGIN", {}, nullptr);
    Filas(lineas);
    EXPECT_TRUE(Clic(EnlaceDiferencia("_Modificar_", kMunoz)));
    cnn.EjecutarNativo("ROLLBACK", {}, nullptr);
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(guion.Mensajes[0].Texto.contains("bloqueada")) << guion.Mensajes[0].Texto;
    EXPECT_TRUE(guion.Mensajes[0].Texto.endsWith("\r\nNo se pudo realizar la modificacion"));
    EXPECT_EQ(Base(), antes);
    EXPECT_EQ(Refrescos(), 2);

    guion.Mensajes.clear();
    EXPECT_TRUE(Clic(EnlaceDiferencia("_Modificar_", kMunoz)));
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_EQ(Filas(lineas), nuevo);
}

// A link whose action fails, or that cannot be read: one message each, nothing finished.
TEST_F(frmAuditoriaEnlacesTest, UnErrorEnUnEnlaceSeInformaYNoTerminaNada) {
    const QStringList antes = Base();
    form.fallarAlMostrar = true;
    EXPECT_TRUE(Clic(EnlaceDiferencia("_Modificar_", kMunoz)));
    EXPECT_TRUE(Clic("_CambioEstado_0_SUCURSAL_0001")); // no "_TC_": the link cannot be read
    ASSERT_EQ(guion.Mensajes.size(), 2u);
    for (const auto& aviso : guion.Mensajes) {
        EXPECT_EQ(aviso.Titulo, QStringLiteral("SV - Aviso al Usuario"));
        EXPECT_EQ(aviso.Botones, vbCritical + vbOKOnly);
    }
    EXPECT_TRUE(guion.Mensajes[0].Texto.contains("No coinciden los tipos"));
    EXPECT_EQ(registro.last(), QStringLiteral("Liberar"));
    EXPECT_TRUE(guion.VentanasModales.empty());
    EXPECT_EQ(Base(), antes);
    EXPECT_EQ(Refrescos(), 1);
}

// Rows holding marker words, escapes and separators: the list page writes their links, a
// click reads each value back exactly, and no value turns a link into another.
TEST_F(frmAuditoriaEnlacesTest, LosValoresDeLaPaginaVuelvenExactos) {
    const QString nombre =
        "O'Brien _CambioEstado_ _TCorigen_ _TC_ ARTICULO_ /ARTICULO_9 #? %41%20 Ñ";
    Ejecutar("UPDATE MV_ASIENTOS SET NUMERO = '0%41_#?Ñ', LETRA = '%', CPTE_ORIGEN = "
             "'0002%4109904A', CABCUENTA = '21%2010102', CABNOMBRE = '" +
             QString(nombre).replace("'", "''") +
             "' WHERE TC = 'NCPE' AND NUMERO = '00000030' AND SECUENCIA = 1");
    // Without an origin the entry is found by the row itself, its account spelling a marker.
    Ejecutar("UPDATE MV_ASIENTOS SET SUCURSAL = '_TC_', NUMERO = '1%5F%41/', LETRA = '_', "
             "CABCUENTA = 'CambioEstado', CABNOMBRE = 'ARTICULO_1 \\ARTICULO_2 ?#' "
             "WHERE TC = 'NCPE' AND NUMERO = '00000031' AND SECUENCIA = 1");
    frm->CmdActualizar_Click();
    const QString aviso = "Aviso SV - Aviso al Usuario";

    QStringList efectos;
    for (const QString& enlace : EnlacesConParte("21%25252010102")) // the account as written
        efectos << Efecto(enlace);
    EXPECT_EQ(efectos,
              QStringList({"Detalle FCC|0002|%4109904|A|compra|21%2010102;Show",
                           "Asiento NCPE|0001|0%41_#?Ñ|%|;Show",
                           "Estado NCPE|0001|0%41_#?Ñ|%|FCC |0002%4109904A|21%2010102|" + nombre,
                           "Aviso Aviso al Usuario"}));

    efectos.clear();
    for (const QString& enlace : EnlacesConParte("uenta_CambioEstado"))
        efectos << Efecto(enlace);
    EXPECT_EQ(efectos, QStringList({aviso, "Asiento NCPE|_TC_|1%5F%41/|_|;Show",
                                    "Estado NCPE|_TC_|1%5F%41/|_|||CambioEstado|ARTICULO_1 "
                                    "\\ARTICULO_2 ?#",
                                    "CargarParaModificar NCPE|_TC_1%5F%41/_;Tope 17284000;Tc_O ;"
                                    "Cpte_O ;AstNumero 10;Height 6340;frmMotivo True;ShowModal;"
                                    "Liberar"}));
}

// A link that lacks a marker its action needs, or names no voucher, opens nothing: it is told
// once. The folder the page lies in is never read.
TEST_F(frmAuditoriaEnlacesTest, UnEnlaceIncompletoNoAbreNada) {
    const QString aviso = "Aviso SV - Aviso al Usuario";
    const std::pair<QString, QString> casos[] = {
        {"_TCorigen_FCC_CpteOrigen_0002", aviso},
        {"_TCorigen_FCC_CpteOrigen_000200004526A", aviso},
        {"_TCorigen__CpteOrigen_000200004526A_Cuenta_1", aviso},
        {"_VER_ASIENTOTC_NCPE_SUCURSAL_0001_NUMERO__LETRA_X", aviso},
        {"_CambioEstado_0_TC_NCPE_SUCURSAL_0001_NUMERO_00000002_LETRA_X", aviso},
        {"x_Modificar_0_TC_NCPE", aviso},
        {"_TCorigen_FCC/Auditoria.htm", ""},
        {"_CambioEstado_x/_VER_ASIENTOTC_/otra.htm", ""},
    };
    for (const auto& [enlace, efecto] : casos) {
        registro.clear();
        guion.Mensajes.clear();
        EXPECT_EQ(Clic(enlace), !efecto.isEmpty()) << enlace;
        for (const auto& m : guion.Mensajes)
            registro << "Aviso " + m.Titulo;
        EXPECT_EQ(registro.join(';'), efecto) << enlace;
    }
    EXPECT_TRUE(guion.VentanasModales.empty());
}

// ---- Pages of a long list ------------------------------------------------------------------

constexpr int N = clsAuditoria_HTM::FilasPorPagina;

// The list of the "Paginas" supplier, 2N + 1 differences: three pages.
class PaginasEnLaVentana : public frmAuditoriaEnlacesTest {
protected:
    void SetUp() override {
        frmAuditoriaEnlacesTest::SetUp();
        DiferenciasDePaginas(2 * N + 1);
        frm->txtFields().Campo("Nombre").SetText("Paginas");
    }
    QString Pagina(int numero) const {
        return clsAuditoria_HTM::RutaPagina(frm->RutaInforme(), numero);
    }
    // The page the browser shows, by number (0: no page of the list).
    int Mostrada() {
        return clsAuditoria_HTM::NumeroPagina(frm->RutaInforme(),
                                              QUrl(Navegador().LocationURL()).toLocalFile());
    }
    // The page links of the page shown, as it wrote them.
    // The pages the page shown links to, each once, in order.
    QStringList EnlacesDePaginas() {
        QStringList enlaces =
            EnlacesDePagina(QUrl(Navegador().LocationURL()).toLocalFile()).filter("_Pagina_");
        enlaces.removeDuplicates();
        enlaces.sort();
        return enlaces;
    }
    // Follows the page's link to page `numero`.
    void IrA(int numero) {
        const QStringList enlace = EnlacesDePaginas().filter(
            QRegularExpression("^_Pagina_" + QString::number(numero) + "$"));
        ASSERT_EQ(enlace.size(), 1) << EnlacesDePaginas().join(' ');
        EXPECT_TRUE(Clic(enlace[0]));
        EXPECT_EQ(Mostrada(), numero);
    }
};

// The first page is shown at once, the others written while the window waits; a link to a
// page not yet written writes the list up to it and shows it, every page links to its neighbours,
// the first and the last page, and a page link that names no page of the list opens nothing and is
// told.
TEST_F(PaginasEnLaVentana, LasPaginasSeRecorrenPorSusEnlaces) {
    frm->CmdActualizar_Click();
    EXPECT_EQ(Mostrada(), 1);
    EXPECT_TRUE(frm->PaginasPorEscribir());
    EXPECT_EQ(EnlacesDePaginas(), QStringList{"_Pagina_2"});
    IrA(2);
    // Only the pages up to the one asked for were written before it was shown.
    EXPECT_TRUE(frm->PaginasPorEscribir());
    EXPECT_FALSE(QFile::exists(Pagina(3)));
    EXPECT_EQ(EnlacesDePaginas(), QStringList({"_Pagina_1", "_Pagina_3"}));
    IrA(3);
    EXPECT_EQ(EnlacesDePaginas(), QStringList({"_Pagina_1", "_Pagina_2"}));
    IrA(2);
    IrA(1);
    EXPECT_TRUE(guion.Mensajes.empty());

    for (const QString roto : {"_Pagina_4", "_Pagina_0", "_pagina_x", "_Pagina_"}) {
        guion.Mensajes.clear();
        EXPECT_TRUE(Clic(roto)) << roto;
        EXPECT_EQ(guion.Mensajes.size(), 1u) << roto;
        EXPECT_EQ(Mostrada(), 1);
    }
}

// The first page is shown before the total is known; once the other pages are written it
// says the total in place, and the browser does not load it again.
TEST_F(PaginasEnLaVentana, LaPaginaMostradaRecibeElTotalSinRecargarse) {
    frm->CmdActualizar_Click();
    const QStringList mostradas = Navegador().PaginasMostradas();
    EXPECT_TRUE(Navegador().TextosCambiados.isEmpty());
    QTRY_VERIFY(!frm->PaginasPorEscribir());
    using Cambio = QPair<QString, QString>;
    EXPECT_EQ(Navegador().TextosCambiados,
              QList<Cambio>{Cambio("Diferencias", "Diferencias 1 a 500 de 1001")});
    // Its links now reach the last page in one click.
    ASSERT_EQ(Navegador().HtmlCambiados.size(), 1);
    EXPECT_EQ(Navegador().HtmlCambiados[0].first, "Paginas");
    EXPECT_TRUE(Navegador().HtmlCambiados[0].second.endsWith("\"_Pagina_3\">&raquo;</A>"));
    EXPECT_EQ(Navegador().PaginasMostradas(), mostradas);
    EXPECT_TRUE(Bytes(Pagina(1)).contains("Diferencias 1 a 500 de 1001"));
}

// A link that writes the rest of the list before acting leaves the page in sight with its
// total and its links to every page, as the pages written while the window waits do.
TEST_F(PaginasEnLaVentana, UnEnlaceQueTerminaLaListaDaElTotalALaPaginaMostrada) {
    frm->CmdActualizar_Click();
    const QString origen = EnlacesConParte("_TCorigen_").value(0);
    ASSERT_FALSE(origen.isEmpty());
    EXPECT_TRUE(Clic(origen));
    EXPECT_FALSE(frm->PaginasPorEscribir());
    using Cambio = QPair<QString, QString>;
    EXPECT_EQ(Navegador().TextosCambiados,
              QList<Cambio>{Cambio("Diferencias", "Diferencias 1 a 500 de 1001")});
    ASSERT_EQ(Navegador().HtmlCambiados.size(), 1);
    EXPECT_TRUE(Navegador().HtmlCambiados[0].second.endsWith("\"_Pagina_3\">&raquo;</A>"));
    QTest::qWait(50);
    EXPECT_EQ(Navegador().TextosCambiados.size(), 1);
}

// A state change, F9, and the browser's own going back keep the page the user is on; a list
// that got shorter shows its last page.
TEST_F(PaginasEnLaVentana, LosCambiosYF9ConservanLaPagina) {
    frm->CmdActualizar_Click();
    IrA(2);
    guion.AccionesModales.push_back(
        [](QWidget& v) { dynamic_cast<frmCambioEstado&>(v).CmdAceptar->click(); });
    const QString cambio = EnlacesConParte("_CambioEstado_0_TC_NCPE_SUCURSAL_0009_").value(0);
    EXPECT_TRUE(Clic(cambio));
    EXPECT_EQ(guion.VentanasModales.size(), 1u);
    EXPECT_EQ(Mostrada(), 2);
    frm->CmdActualizar_Click();
    EXPECT_EQ(Mostrada(), 2);

    Navegador().Navigate(QUrl::fromLocalFile(Pagina(3)).toString());
    frm->CmdActualizar_Click();
    EXPECT_EQ(Mostrada(), 3);

    DiferenciasDePaginas(N + 1);
    frm->CmdActualizar_Click();
    EXPECT_EQ(Mostrada(), 2);
    DiferenciasDePaginas(1);
    frm->CmdActualizar_Click();
    EXPECT_EQ(Mostrada(), 1);
    EXPECT_FALSE(QFile::exists(Pagina(2)));
    EXPECT_TRUE(guion.Mensajes.empty());
}

// Other filters make another list: it starts at its first page's top, where the same filters
// keep the user's page and place.
TEST_F(PaginasEnLaVentana, OtroFiltroEmpiezaEnLaPrimeraPaginaDesdeArriba) {
    frm->CmdActualizar_Click();
    EXPECT_TRUE(Navegador().Historial().last().DesdeArriba);
    IrA(2);
    IrA(3);
    frm->CmdActualizar_Click();
    EXPECT_EQ(Mostrada(), 3);
    EXPECT_FALSE(Navegador().Historial().last().DesdeArriba);
    frm->txtFields().Campo("Nombre").SetText("Pagina*");
    frm->CmdActualizar_Click();
    EXPECT_EQ(Mostrada(), 1);
    EXPECT_TRUE(Navegador().Historial().last().DesdeArriba);
    EXPECT_TRUE(guion.Mensajes.empty());
}

// F9 while the pages of the last list are still being written starts the list afresh: its
// pages go, and the new list's are all written in their turn.
TEST_F(PaginasEnLaVentana, F9MientrasSeEscribenLasPaginas) {
    frm->CmdActualizar_Click();
    ASSERT_TRUE(frm->PaginasPorEscribir());
    frm->txtFields().Campo("Nombre").SetText("D'Angelo*");
    frm->CmdActualizar_Click();
    QTRY_VERIFY(!frm->PaginasPorEscribir());
    EXPECT_EQ(Mostrada(), 1);
    EXPECT_FALSE(QFile::exists(Pagina(2)));
    EXPECT_FALSE(EnlacesConParte("_CambioEstado_").isEmpty());
    EXPECT_FALSE(Bytes(Pagina(1)).contains("Paginas"));
    EXPECT_TRUE(guion.Mensajes.empty());
}

class CarpetaTemporalHostil : public frmAuditoriaEnlacesTest {
protected:
    CarpetaTemporalHostil() { subcarpetaTemporal = "a#b?c%41 d_CambioEstado_ _tc_ articulo_"; }
};

// The page is opened by its file's address, whatever the temporary folder is called, and only
// its links are read.
TEST_F(CarpetaTemporalHostil, LaPaginaSeAbreYSusEnlacesSeLeen) {
    ASSERT_EQ(frm->RutaInforme(), dir.filePath(subcarpetaTemporal + "/Auditoria.htm"));
    EXPECT_EQ(QUrl(Navegador().LocationURL()).toLocalFile(), frm->RutaInforme());
    EXPECT_EQ(Refrescos(), 1);
    const QStringList enlaces =
        EnlacesConParte("_VER_ASIENTOTC_NCPE_SUCURSAL_0001_NUMERO_00000036_");
    ASSERT_EQ(enlaces.size(), 1);
    EXPECT_EQ(Efecto(enlaces[0]), "Asiento NCPE|0001|00000036|X|;Show");
}

} // namespace
