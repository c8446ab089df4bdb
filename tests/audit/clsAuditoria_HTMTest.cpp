#include "audit/clsAuditoria_HTM.h"

#include "DemoAuditoria.h"
#include "audit/ConsultaDiferencias.h"
#include "platform/browser/CodificacionUrl.h"

#include <QDir>
#include <QRegularExpression>

namespace {

QByteArray Golden(const char* nombre) {
    return Bytes(QStringLiteral(AUDITORIA_TESTS_DIR "/audit/golden/") + QLatin1String(nombre));
}

// The head carries the day it was written; the golden pages hold a placeholder there.
QByteArray SinFecha(const QByteArray& pagina) {
    static const QRegularExpression fecha(
        QStringLiteral("Generado por Auditoria - \\d\\d-\\d\\d-\\d{4}-->"));
    return QString::fromLatin1(pagina)
        .replace(fecha, QStringLiteral("Generado por Auditoria - dd-mm-aaaa-->"))
        .toLatin1();
}

const QStringList kTodosLosEstados = {"0", "1", "2", "3", "4"};

class PaginaDiferencias : public DemoAuditoria {
protected:
    QString Ruta() const { return dir.filePath("Auditoria.htm"); }
    QByteArray Escribir(const FiltrosDiferencias& f, const QString& ruta = {}) {
        const QString destino = ruta.isEmpty() ? Ruta() : ruta;
        clsAuditoria_HTM().writeHTML(destino, "Auditoria", " encabezado generico ", f);
        return Bytes(destino);
    }
    // The differences listed, by voucher number, in page order.
    QList<int> Listadas(const FiltrosDiferencias& f) {
        static const QRegularExpression asiento(
            QStringLiteral("_VER_ASIENTOTC_NCPE_SUCURSAL_0001_NUMERO_(\\d{8})_"));
        QList<int> numeros;
        for (const auto& m : asiento.globalMatch(QString::fromLatin1(Escribir(f))))
            numeros.append(m.captured(1).toInt());
        return numeros;
    }
};

TEST_F(PaginaDiferencias, HojaDeEstiloExactaYSusFallosLleganAlLlamador) {
    clsAuditoria_HTM html;
    html.writeStyleCSS(dir.path() + "\\");
    html.writeStyleCSS(dir.path());
    EXPECT_EQ(Bytes(dir.filePath("Style_Auditoria.css")), Golden("Style_Auditoria.css"));
    EXPECT_NE(NumeroDeError([&] { html.writeStyleCSS(dir.filePath("no/hay")); }), 0);
    EXPECT_TRUE(guion.Mensajes.empty());
}

// The golden pages hold the head's exact text; here its date, frames and title.
TEST(CabeceraHTML, FechaMarcosYTitulo) {
    const std::tuple<QString, bool, QDate, QString> casos[] = {
        {"a<b & c", false, {2027, 3, 1}, "Auditoria - 01-03-2027--><TITLE> a<b & c</TITLE>"},
        {"", true, {2026, 12, 7}, "- 07-12-2026--><TITLE> </TITLE>"},
    };
    for (const auto& [titulo, marcos, dia, contiene] : casos) {
        const QString cabecera = clsAuditoria_HTM::CabeceraHTML(titulo, marcos, dia);
        EXPECT_TRUE(cabecera.contains(contiene)) << cabecera;
        EXPECT_TRUE(cabecera.endsWith(marcos ? "</HEAD>" : "</HEAD><BODY>")) << cabecera;
        EXPECT_FALSE(cabecera.contains('\r') || cabecera.contains('\n'));
    }
    const QString hoy = QDate::currentDate().toString("dd-MM-yyyy");
    EXPECT_TRUE(clsAuditoria_HTM().getCabeceraHTML("x", false).contains(hoy + "-->"));
}

// Every clause at once: what the list reads on a real server.
TEST(ConsultaDiferencias, Sentencia) {
    const FiltrosDiferencias filtros{"01/12/2026", "31/12/2026", "2110",     "2119", "O'Hig*",
                                     "F'C",        "0001",       "00000002", "A",    {"0", "3"}};
    EXPECT_EQ(SentenciaDiferencias(filtros),
              "Select fecha,tc_origen,Cpte_Origen,cabcuenta,cabnombre, importe, "
              "tc,sucursal,numero,letra, ISNULL(Estado,0)AS ESTADO from mv_Asientos  where "
              "mv_asientos.tc='NCPE' AND mv_asientos.SECUENCIA=1 and (conciliado = 0) AND "
              "mv_asientos.FECHA>='01/12/2026' AND mv_asientos.FECHA<='31/12/2026' AND "
              "((mv_asientos.cabCUENTA>='2110' AND mv_asientos.cabCUENTA<='2119') OR "
              "(mv_asientos.CUENTA>='2110' AND mv_asientos.CUENTA<='2119')) AND "
              "mv_asientos.cabnombre like 'O''Hig%' AND  mv_asientos.tc_origen='F''C' AND  "
              "substring(mv_asientos.cpte_origen,1,4)='0001' AND  "
              "substring(mv_asientos.cpte_origen,5,8)='00000002' AND  "
              "substring(mv_asientos.cpte_origen,13,1)='A' AND ( ISNULL(mv_asientos.estado,0)=0 "
              "OR  ISNULL(mv_asientos.estado,0)=3) order by FECHA desc");
}

// The difference 36 has no state (Null): it counts as pending, state 0.
TEST_F(PaginaDiferencias, FiltrosDeCadaClase) {
    Ejecutar("UPDATE MV_ASIENTOS SET ESTADO = NULL WHERE TC = 'NCPE' AND NUMERO = '00000036'");
    const QList<int> pendientes = {38, 36, 35, 34, 33, 32, 31, 30, 29, 28, 27,
                                   26, 25, 24, 23, 22, 21, 20, 19, 18, 17, 16,
                                   15, 14, 13, 12, 11, 10, 8,  7,  5,  2,  1};
    const QList<int> dangelo = {36, 33, 26, 16, 8, 1};
    const std::tuple<const char*, FiltrosDiferencias, QList<int>> casos[] = {
        {"todos los estados", {.Estados = kTodosLosEstados}, pendientes},
        {"ningun estado", {}, pendientes},
        {"desde", {.Fecha_Desde = "01/12/2026"}, {38, 36, 35, 34, 33}},
        {"hasta", {.Fecha_Hasta = "31/12/2025"}, {2, 1}},
        {"mes",
         {.Fecha_Desde = "01/11/2026", .Fecha_Hasta = "30/11/2026"},
         {32, 31, 30, 29, 28, 27}},
        {"cuenta desde", {.Cuenta_Desde = "211010111"}, {35, 30, 23, 22, 13, 7}},
        {"solo cuenta hasta", {.Cuenta_Hasta = "211010101"}, pendientes},
        {"rango de cuentas",
         {.Cuenta_Desde = "211010101", .Cuenta_Hasta = "211010102"},
         {36, 33, 32, 29, 26, 18, 16, 10, 8, 2, 1}},
        {"patron con apostrofo", {.NombreLike = "D'Angelo*"}, dangelo},
        {"nombre con apostrofo", {.NombreLike = "d'angelo hnos. s.a."}, dangelo},
        {"nombre incompleto", {.NombreLike = "D'Angelo"}, {}},
        {"patron con %", {.NombreLike = "%Higgins%"}, {30, 22, 13}},
        {"tipo de origen", {.Tc_Origen = "OC"}, {33, 23, 11}},
        {"tipo con apostrofo", {.Tc_Origen = "F'C"}, {}},
        {"sucursal de origen", {.Suc_Origen = "0003"}, {36, 35, 26, 16, 8, 1}},
        {"numero de origen", {.Numero_Origen = "00005308"}, {36}},
        {"letra de origen", {.Letra_Origen = "C"}, {28, 20, 15}},
        {"un estado", {.Estados = {"3"}}, {21, 17, 13, 10, 8}},
        {"varios estados",
         {.Estados = {"1", "2"}},
         {29, 27, 25, 24, 23, 22, 20, 19, 18, 16, 14, 12, 1}},
        {"sin estado es 0", {.NombreLike = "D'Angelo*", .Estados = {"0"}}, {36, 33, 26}},
    };
    for (const auto& [nombre, filtros, esperadas] : casos)
        EXPECT_EQ(Listadas(filtros), esperadas) << nombre;
    EXPECT_TRUE(guion.Mensajes.empty());
}

// Null columns, a Null state, text the page must escape, blanks and accents in the links.
TEST_F(PaginaDiferencias, PaginaExactaConNulosYTextoHostil) {
    Ejecutar("UPDATE MV_ASIENTOS SET ESTADO = NULL, CABNOMBRE = 'Aceros \"Z\" <Zárate> & Cía' "
             "WHERE TC = 'NCPE' AND NUMERO = '00000031' AND SECUENCIA = 1");
    const QByteArray pagina = Escribir(
        {.Cuenta_Desde = "211010106", .Cuenta_Hasta = "211010106", .Estados = kTodosLosEstados});
    EXPECT_EQ(SinFecha(pagina), Golden("Auditoria_cuenta.htm"));
}

// What the dispatcher reads back from the links as the page wrote them.
TEST_F(PaginaDiferencias, LosEnlacesLleganEnterosAlDespachador) {
    const QString nombre = "O'Brien & Hijos \"Los <Ñandúes>\" 50% _x_";
    Ejecutar("UPDATE MV_ASIENTOS SET CABNOMBRE = 'O''Brien & Hijos \"Los <Ñandúes>\" 50% _x_' "
             "WHERE TC = 'NCPE' AND NUMERO = '00000030' AND SECUENCIA = 1");
    static const QRegularExpression destino(QStringLiteral("<A HREF=\"([^\"]*)\">"));
    QStringList enlaces;
    for (const auto& m :
         destino.globalMatch(QString::fromLatin1(Escribir({.Numero_Origen = "00005170"}))))
        enlaces.append(LeerValorUrl(m.captured(1)));
    const QString datos = "0_TC_NCPE_SUCURSAL_0001_NUMERO_00000030_LETRA_X_TIPOORIGEN_FCC "
                          "_CPTE-ORIGEN_000900005170A_Cabcuenta_211010111_CabNombre_" +
                          nombre;
    EXPECT_EQ(enlaces, QStringList({"_TCorigen_FCC _CpteOrigen_000900005170A_Cuenta_211010111",
                                    "_VER_ASIENTOTC_NCPE_SUCURSAL_0001_NUMERO_00000030_LETRA_X_"
                                    "Cuenta_211010111",
                                    "_CambioEstado_" + datos, "_Modificar_" + datos}));
}

// An empty result, a query that fails (one message) and a file retried after its failure
// all leave the same complete, empty page.
TEST_F(PaginaDiferencias, PaginaVaciaBienFormada) {
    EXPECT_EQ(SinFecha(Escribir({.NombreLike = "Nadie", .Estados = kTodosLosEstados})),
              Golden("Auditoria_vacia.htm"));
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_EQ(QFile::permissions(Ruta()) & 0x00FF, QFile::Permissions()); // its owner's alone

    const QString luego = dir.filePath("luego");
    guion.AlVerMensaje = [&] { QDir().mkpath(luego); };
    guion.RespuestasMsgBox = {4};
    EXPECT_EQ(SinFecha(Escribir({.NombreLike = "Nadie"}, luego + "/Auditoria.htm")),
              Golden("Auditoria_vacia.htm"));
    EXPECT_EQ(guion.Mensajes.size(), 1u);
    guion.AlVerMensaje = nullptr;

    // A list that cannot be read is said so: an empty one would read as no differences.
    DB_Dll::Instancia().gCnn.Close();
    guion.RespuestasMsgBox = {3};
    EXPECT_EQ(SinFecha(Escribir({.Estados = kTodosLosEstados})),
              Golden("Auditoria_sin_lectura.htm"));
    EXPECT_EQ(guion.Mensajes.size(), 2u);
}

// A file that cannot be written: one message, whatever the answer, and no page left.
TEST_F(PaginaDiferencias, ArchivoImposibleUnSoloAvisoYNingunaPagina) {
    for (int respuesta : {3, 5}) {
        guion.Mensajes.clear();
        guion.RespuestasMsgBox = {respuesta};
        const QString ruta = dir.filePath("falta/Auditoria.htm");
        EXPECT_TRUE(Escribir({.Estados = kTodosLosEstados}, ruta).isEmpty());
        EXPECT_FALSE(archivos::ExisteArchivo(ruta));
        ASSERT_EQ(guion.Mensajes.size(), 1u) << respuesta;
        EXPECT_TRUE(guion.Mensajes[0].Texto.contains("Generar"));
    }
}

// An older page that cannot be rewritten does not stay in sight.
TEST_F(PaginaDiferencias, PaginaAnteriorNoQuedaALaVistaSiNoSePuedeReescribir) {
    Escribir({.Estados = kTodosLosEstados});
    ASSERT_TRUE(archivos::ExisteArchivo(Ruta()));
    QFile(Ruta()).setPermissions(QFileDevice::ReadOwner);
    if (QFile(Ruta()).open(QIODevice::WriteOnly))
        GTEST_SKIP() << "running with rights that ignore file permissions";
    guion.RespuestasMsgBox = {5};
    Escribir({.Estados = kTodosLosEstados});
    EXPECT_FALSE(archivos::ExisteArchivo(Ruta()));
    EXPECT_EQ(guion.Mensajes.size(), 1u);
}

// ---- Pages of a long list ------------------------------------------------------------------

constexpr int N = clsAuditoria_HTM::FilasPorPagina;

class PaginasDeLaLista : public PaginaDiferencias {
protected:
    // The list of the "Paginas" supplier, its first page only (the writer kept to go on).
    void EscribirPrimera(clsAuditoria_HTM& escritor) {
        escritor.writeHTML(Ruta(), "Auditoria", " encabezado generico ", {.NombreLike = "Paginas"});
    }
    QByteArray Pagina(int numero) { return Bytes(clsAuditoria_HTM::RutaPagina(Ruta(), numero)); }
    int CantidadDePaginas() {
        int n = 0;
        while (archivos::ExisteArchivo(clsAuditoria_HTM::RutaPagina(Ruta(), n + 1)))
            ++n;
        return n;
    }
    // The differences a page lists, by number, in page order.
    static QList<int> Numeros(const QByteArray& pagina) {
        static const QRegularExpression asiento(
            QStringLiteral("_VER_ASIENTOTC_NCPE_SUCURSAL_0009_NUMERO_(\\d{8})_"));
        QList<int> numeros;
        for (const auto& m : asiento.globalMatch(QString::fromLatin1(pagina)))
            numeros.append(m.captured(1).toInt());
        return numeros;
    }
    static QList<int> DelAl(int desde, int hasta) {
        QList<int> numeros;
        for (int i = desde; i <= hasta; ++i)
            numeros.append(i);
        return numeros;
    }
};

// At most FilasPorPagina rows a page, every row once and in the list's order. A list that fits
// on one page ends as it always did; a longer one's pages end with their navigation line, the
// last without a next page. Pages a longer list left behind go.
TEST_F(PaginasDeLaLista, CadaDiferenciaEnUnaPaginaYEnOrden) {
    DiferenciasDePaginas(2 * N + 3);
    clsAuditoria_HTM escritor;
    EscribirPrimera(escritor);
    escritor.CompletarPaginas();
    ASSERT_EQ(CantidadDePaginas(), 3);
    for (const int cuantas : {0, 1, N, N + 1, 2 * N + 1}) {
        DiferenciasDePaginas(cuantas);
        EscribirPrimera(escritor);
        escritor.CompletarPaginas();
        const int paginas = std::max(1, (cuantas + N - 1) / N);
        ASSERT_EQ(CantidadDePaginas(), paginas) << cuantas;
        EXPECT_EQ(escritor.PaginasEscritas(), paginas) << cuantas;
        for (int p = 1; p <= paginas; ++p) {
            const QByteArray pagina = Pagina(p);
            const int hasta = std::min(cuantas, p * N);
            EXPECT_EQ(Numeros(pagina), DelAl((p - 1) * N + 1, hasta)) << cuantas << " " << p;
            EXPECT_EQ(pagina.contains("Diferencias "), paginas > 1) << cuantas << " " << p;
            EXPECT_EQ(pagina.contains("HREF=\"_Pagina_" + QByteArray::number(p + 1) + "\""),
                      p < paginas)
                << cuantas << " " << p;
            EXPECT_TRUE(pagina.endsWith(cuantas > 0 && paginas == 1
                                            ? "</TR>\r\n</TABLE>\r\n</body></html>\r\n"
                                            : "</body></html>\r\n"));
        }
    }
    EXPECT_TRUE(guion.Mensajes.empty());
}

// The first page is written and the writer returns; until the list ends its total is not
// known. Once the last page is written, every page says it, and so does the text that the
// page on screen takes in its place.
TEST_F(PaginasDeLaLista, LaPrimeraPaginaAntesQueLasDemas) {
    DiferenciasDePaginas(N + 1);
    clsAuditoria_HTM escritor;
    EscribirPrimera(escritor);
    EXPECT_TRUE(escritor.PaginasPendientes());
    EXPECT_EQ(escritor.PaginasEscritas(), 1);
    EXPECT_FALSE(archivos::ExisteArchivo(clsAuditoria_HTM::RutaPagina(Ruta(), 2)));
    const QByteArray navegacion1 =
        "<TABLE Border=0 CellPadding=3 CellSpacing=0 WIDTH=100% STYLE=\"font-size: 10px\"><TR><TD "
        "CLASS=BotonDisabled "
        "WIDTH=20% ALIGN=left>&lt;&lt; Anterior</TD><TD CLASS=TableCaption "
        "ALIGN=center ID=Diferencias>Diferencias 1 a 500%1</TD><TD CLASS=BotonEnabled WIDTH=20% "
        "ALIGN=right><A "
        "HREF=\"_Pagina_2\">Siguiente &gt;&gt;</A></TD></TR><TR><TD CLASS=BotonEnabled COLSPAN=3 "
        "ALIGN=center ID=Paginas><B>[1]</B> <A HREF=\"_Pagina_2\">2</A>%2</TD></TR></TABLE>\r\n"
        "</body></html>\r\n";
    EXPECT_TRUE(Pagina(1).endsWith(QString(navegacion1).arg("", " &hellip;").toLatin1()));
    EXPECT_EQ(escritor.NavegacionCompleta(1), QString());

    escritor.CompletarPaginas();
    EXPECT_FALSE(escritor.PaginasPendientes());
    EXPECT_EQ(escritor.NavegacionCompleta(1), "Diferencias 1 a 500 de 501");
    EXPECT_EQ(escritor.NavegacionCompleta(2), "Diferencias 501 a 501 de 501");
    EXPECT_EQ(escritor.NavegacionCompleta(3), QString());
    EXPECT_TRUE(Pagina(1).endsWith(
        QString(navegacion1).arg(" de 501", " <A HREF=\"_Pagina_2\">&raquo;</A>").toLatin1()));
    EXPECT_EQ(escritor.PaginasCompletas(1), "<B>[1]</B> <A HREF=\"_Pagina_2\">2</A> <A "
                                            "HREF=\"_Pagina_2\">&raquo;</A>");
    EXPECT_TRUE(Pagina(2).endsWith(
        "<TABLE Border=0 CellPadding=3 CellSpacing=0 WIDTH=100% STYLE=\"font-size: 10px\"><TR><TD "
        "CLASS=BotonEnabled "
        "WIDTH=20% ALIGN=left><A HREF=\"_Pagina_1\">&lt;&lt; Anterior</A></TD><TD "
        "CLASS=TableCaption ALIGN=center ID=Diferencias>Diferencias 501 a 501 de 501</TD><TD "
        "CLASS=BotonDisabled WIDTH=20% ALIGN=right>Siguiente &gt;&gt;</TD></TR><TR><TD "
        "CLASS=BotonEnabled COLSPAN=3 ALIGN=center ID=Paginas><A HREF=\"_Pagina_1\">&laquo;</A> <A "
        "HREF=\"_Pagina_1\">1</A> <B>[2]</B></TD></TR></TABLE>\r\n</body></html>\r\n"));
    EXPECT_TRUE(Pagina(2).startsWith(Pagina(1).left(Pagina(1).indexOf("<TR>\r\n<TD"))));
}

// Any page is one click away: the first, the last, and the two on each side of the one shown;
// while the total is not known, the line reaches the next page and says more follow.
TEST(EnlacesPaginas, LaPrimeraLaUltimaYLasVecinas) {
    const auto enlaces = [](int pagina, int total, bool ultima) {
        return clsAuditoria_HTM::EnlacesPaginas(pagina, total, ultima)
            .replace(QRegularExpression("<A HREF=\"_Pagina_(\\d+)\">([^<]*)</A>"), "\\2>\\1")
            .replace("<B>", "")
            .replace("</B>", "");
    };
    EXPECT_EQ(enlaces(6, 200 * N, false), "&laquo;>1 1>1 &hellip; 4>4 5>5 [6] 7>7 8>8 &hellip; "
                                          "200>200 &raquo;>200");
    EXPECT_EQ(enlaces(200, 200 * N - 3, true), "&laquo;>1 1>1 &hellip; 198>198 199>199 [200]");
    EXPECT_EQ(enlaces(3, 0, false), "&laquo;>1 1>1 2>2 [3] 4>4 &hellip;");
    EXPECT_EQ(enlaces(1, 1, true), "[1]");
}

// A later page whose file cannot be written leaves no page of the list, whatever the answer
// but retry; a retry writes the list again from its first page.
TEST_F(PaginasDeLaLista, UnaPaginaQueNoSePuedeEscribirNoDejaLista) {
    DiferenciasDePaginas(N + 1);
    const QString segunda = clsAuditoria_HTM::RutaPagina(Ruta(), 2);
    ASSERT_TRUE(QDir().mkpath(segunda)); // a folder where the page's file should go
    clsAuditoria_HTM escritor;
    guion.RespuestasMsgBox = {3};
    EscribirPrimera(escritor);
    escritor.CompletarPaginas();
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_FALSE(archivos::ExisteArchivo(Ruta()));
    EXPECT_EQ(escritor.PaginasEscritas(), 0);

    guion.RespuestasMsgBox = {4};
    guion.AlVerMensaje = [&] { QDir().rmdir(segunda); };
    EscribirPrimera(escritor);
    escritor.CompletarPaginas();
    EXPECT_EQ(guion.Mensajes.size(), 2u);
    EXPECT_EQ(CantidadDePaginas(), 2);
    EXPECT_EQ(Numeros(Pagina(2)), QList<int>{N + 1});
    EXPECT_TRUE(Pagina(1).contains("Diferencias 1 a 500 de 501"));
}

TEST(RutaPagina, ElNumeroVaAntesDeLaExtension) {
    EXPECT_EQ(clsAuditoria_HTM::RutaPagina("/t/a.b/Auditoria.htm", 1), "/t/a.b/Auditoria.htm");
    EXPECT_EQ(clsAuditoria_HTM::RutaPagina("/t/a.b/Auditoria.htm", 12), "/t/a.b/Auditoria12.htm");
    EXPECT_EQ(clsAuditoria_HTM::RutaPagina("/t/a.b/Auditoria", 3), "/t/a.b/Auditoria3");
    const std::pair<const char*, int> rutas[] = {
        {"/t/Auditoria.htm", 1},   {"/t/Auditoria12.htm", 12},
        {"/t/Auditoria1.htm", 0},  {"/t/Auditoria0.htm", 0},
        {"/t/Auditoria02.htm", 0}, {"/t/Auditoria2x.htm", 0},
        {"/t/Otra2.htm", 0},       {"", 0},
    };
    for (const auto& [ruta, numero] : rutas)
        EXPECT_EQ(clsAuditoria_HTM::NumeroPagina("/t/Auditoria.htm", ruta), numero) << ruta;
}

// Color, next and previous level of a code, from the account plan as configured at each call.
TEST_F(PaginaDiferencias, NivelesDelPlanDeCuentas) {
    clsAuditoria_HTM html;
    const auto comprobar = [&](std::initializer_list<std::pair<QString, QString>> casos) {
        for (const auto& [cuenta, nivel] : casos)
            EXPECT_EQ(QString("%1 %2 %3")
                          .arg(html.ObtenerColorNivel(cuenta))
                          .arg(html.ObtenerProximaCuenta(cuenta))
                          .arg(html.ObtenerAnteriorCuenta(cuenta)),
                      nivel)
                << cuenta;
    };
    // The demo plan: levels end at 1, 2, 3, 5, 7 and 9.
    comprobar({{"", "#f9aba9 1 0"},
               {"2", "#f9aba9 2 0"},
               {"21", "#f0aaa8 3 1"},
               {"211", "#f0bab7 5 2"},
               {"2110", "#f0cac6 7 3"},
               {"21101", "#f0cac6 7 3"},
               {"211010", "#ffcac4 9 5"},
               {"2110101", "#ffcac4 9 5"},
               {"211010101", "#ffcac3 9 7"},
               {"2110101011", "#f0cac0 9 9"}});
    // Levels ending at 1, 2, 3, 5, 8 and 12.
    Ejecutar("UPDATE TA_CONFIGURACION SET VALOR = '3' WHERE CLAVE = 'DIGITOS_CUENTA'");
    Ejecutar("UPDATE TA_CONFIGURACION SET VALOR = '4' WHERE CLAVE = 'DIGITOS_SUBCUENTA'");
    comprobar({{"1234", "#f0cac6 8 3"},
               {"123456789012", "#ffcac3 12 8"},
               {"1234567890123", "#f0cac0 12 12"}});
    // A level without digits: the code meets the first row first.
    Ejecutar("UPDATE TA_CONFIGURACION SET VALOR = '0' WHERE CLAVE = 'DIGITOS_SUBCAPITULO'");
    comprobar({{"1", "#f9aba9 1 0"}});
}

} // namespace
