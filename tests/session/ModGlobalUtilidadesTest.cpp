#include "DemoModGlobal.h"
#include "platform/controls/Asistel.h"
#include "platform/controls/FlexGrid.h"
#include "platform/runtime/Locale.h"

#include <QListWidget>

namespace {

using namespace ModGlobal;

class Utilidades : public EnSesion {};

// ---- Formats and words ---------------------------------------------------------------------

TEST(ValorLogico, SoloLasPalabrasDeFalsoSonFalsas) {
    for (const char* falso : {"FALSE", "false", "Falso", "fAlSo", "0", "NO", "no", "N", "n"})
        EXPECT_FALSE(ValorLogico(falso)) << falso;
    for (const char* verdadero : {"", "Si", "1", " NO", "NO ", "NOT", "-1", "Verdadero"})
        EXPECT_TRUE(ValorLogico(verdadero)) << verdadero;
}

TEST(ObtenerCampo, CortaPorElSeparador) {
    const std::tuple<QString, long, QString, QString> casos[] = {
        {"a|b|", 3, "|", ""},
        {"a|b|", 2, "|", "b"},
        {" x | y ", 2, "|", "y"},
        {" x | y ", 1, "|", "x"},
        {"", 1, "|", ""},
        {"", 0, "|", ""},
        {"a||c", 2, "|", ""},
        {"a||c", 3, "|", "c"},
        {"a|b", 0, "|", ""},
        {"a|b", -1, "|", ""},
        {"a|b", 3, "|", ""},
        {"uno Y dos y tres", 3, "y", "tres"},
        {"sin separador", 1, ";", "sin separador"},
        {"a;b", 2, "", ""},
    };
    for (const auto& [texto, n, separador, esperado] : casos)
        EXPECT_EQ(ObtenerCampo(texto, n, separador), esperado) << texto << " N=" << n;
}

TEST_F(Utilidades, FmtMonedaRedondeaYEscribeConLosDecimalesPedidos) {
    Valores.CantidadDecimales = QStringLiteral("3");
    const std::tuple<QString, QVariant, QString> casos[] = {
        {"1234,567", -2, "1235"},
        {"1234,5", 2, "1234,50"},
        {"1234,5", -2, "1234"},
        {"1235,5", -2, "1236"},
        {"0,125", 2, "0,12"},
        {"0,135", 2, "0,14"},
        {"-7,5", 1, "-7,5"},
        {"1234567,891", 2, "1234567,89"},
        {"12,3456", 4, "12,3456"},
        {"1,5", 6, "1,500000"},
        {"9,8766", -1, "9,877"},
        {"9,8765", -1, "9,876"},
        {"no es importe", -3, "no es importe"},
        {"", 2, "0,00"},
        {"3", "2", "3,00"},
        // At the ends of the range the rounded figure is shown, though no amount holds it.
        {"922337203685477,5807", -2, "922337203685478"},
        {"922337203685477,5807", 1, "922337203685477,6"},
        {"922337203685477,5807", 3, "922337203685477,581"},
        {"-922337203685477,5808", 1, "-922337203685477,6"},
    };
    for (const auto& [importe, decimales, esperado] : casos)
        EXPECT_EQ(FmtMoneda(importe, decimales), esperado)
            << importe << " / " << decimales.toString();
    EXPECT_TRUE(guion.Mensajes.empty());
    // Without configured decimals, the currency's.
    Valores.CantidadDecimales = QStringLiteral(" ");
    const int moneda = Locale::DecimalesMoneda();
    EXPECT_EQ(FmtMoneda("10", -1), moneda == 0 ? "10" : "10," + QString(moneda, u'0'));
    EXPECT_EQ(FmtMoneda("10", 0), FmtMoneda("10", -1));
    // An error is reported and, aborted, leaves the result empty.
    guion.RespuestasMsgBox = {vbAbort};
    EXPECT_EQ(FmtMoneda("10", -5), "");
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(guion.Mensajes[0].Texto.contains("FmtMoneda"));
}

// ---- Lists and grids -----------------------------------------------------------------------

TEST(ListaSeleccionados, DevuelveLosElegidosEnElOrdenDeLaLista) {
    QListWidget lista;
    lista.setSelectionMode(QAbstractItemView::MultiSelection);
    lista.addItems({"0 - Pendientes de Revision   0", "1 - En Espera   1", "2 - Generar   2",
                    "3 - Liberar   3", "4 - Regularizado   4"});
    QStringList elementos{"x"};
    EXPECT_EQ(ListaSeleccionados(lista, elementos, 4, true), 0);
    EXPECT_EQ(elementos, QStringList({"x"})) << "sin elegidos no se tocan";
    lista.item(2)->setSelected(true);
    lista.item(0)->setSelected(true);
    EXPECT_EQ(ListaSeleccionados(lista, elementos, 4, true), 2);
    EXPECT_EQ(elementos, QStringList({"0", "2"}));
    EXPECT_EQ(ListaSeleccionados(lista, elementos, 4, false), 2);
    EXPECT_EQ(elementos, QStringList({"   0", "   2"}));
    EXPECT_EQ(ListaSeleccionados(lista, elementos, -1, false), 2);
    EXPECT_EQ(elementos.at(1), "2 - Generar   2");
    // MarcarLista elects everything and keeps the current row, or moves it.
    lista.setCurrentRow(3, QItemSelectionModel::NoUpdate);
    MarcarLista(lista, true, -1);
    EXPECT_EQ(ListaSeleccionados(lista, elementos, 4, true), 5);
    EXPECT_EQ(lista.currentRow(), 3);
    MarcarLista(lista, false, 1);
    EXPECT_EQ(ListaSeleccionados(lista, elementos, 4, true), 0);
    EXPECT_EQ(lista.currentRow(), 1);
}

TEST(LimpiarFilaGrilla, VaciaDesdeLaColumnaInicial) {
    controles::FlexGrid grilla;
    grilla.SetRows(3);
    grilla.SetCols(4);
    for (int f = 0; f < 3; ++f)
        for (int c = 0; c < 4; ++c)
            grilla.SetTextMatrix(f, c, QString::number(f * 10 + c));
    LimpiarFilaGrilla(grilla, 1, 2);
    LimpiarFilaGrilla(grilla, 2, 9);
    EXPECT_EQ(grilla.TextMatrix(1, 1) + "|" + grilla.TextMatrix(1, 2) + "|" +
                  grilla.TextMatrix(1, 3) + "|" + grilla.TextMatrix(2, 3),
              "11|||23");
}

TEST(PrepararFormulario, DaALasBarrasElEstiloConfigurado) {
    QWidget ventana;
    auto* barra = new controles::Asistel(&ventana);
    barra->setObjectName("Asistel1");
    auto* otra = new controles::Asistel(&ventana);
    otra->setObjectName("Asistel2");
    Valores.EstiloBarras = 1.0;
    PrepararFormulario(ventana);
    EXPECT_EQ(barra->StyleBar(), 1);
    EXPECT_EQ(otra->StyleBar(), 0);
    Valores.EstiloBarras = QVariant();
}

// ---- Conditions and the field/value list ---------------------------------------------------

TEST_F(Utilidades, ArmarCondicionUneLosTerminosOFallaSinDejarPasarNada) {
    EXPECT_EQ(ArmarCondicion(" mv_asientos.estado", "=", {"0", "2"}, " OR ", "", false, false),
              " mv_asientos.estado=0 OR  mv_asientos.estado=2");
    EXPECT_EQ(ArmarCondicion("TC", "=", {"FC", "  ", "NC"}, " OR ", "'", false, true),
              "TC='FC' OR TC='NC'");
    EXPECT_EQ(ArmarCondicion("TC", "=", {"FC", "  ", "NC"}, " OR ", "'", false, false),
              "TC='FC' OR TC='  ' OR TC='NC'");
    EXPECT_EQ(ArmarCondicion("TC", "<>", {"  "}, " AND ", "'", true, true),
              "TC<>'  ' AND TC is null ");
    EXPECT_EQ(ArmarCondicion("NOMBRE", "=", {"O'Neil"}, " OR ", "'", false, false),
              "NOMBRE='O''Neil'");
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_EQ(ArmarCondicion("ESTADO", "=", {}, " OR ", "", false, false), "1=0");
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(guion.Mensajes[0].Titulo.contains("ArmarCondicion"));
}

TEST_F(Utilidades, AgregarCampoValorArmaLosLiterales) {
    EXPECT_EQ(NumeroDeError([] { AgregarCampoValor("A", "1", "", false); }), 9)
        << "una lista se empieza con Nuevo";
    const QString nombre = QStringLiteral("O'Neil");
    AgregarCampoValor("NOMBRE", nombre, "'", true);
    AgregarCampoValor("IMPORTE", "1234,5", "@", false);
    AgregarCampoValor("SECUENCIA", "7", "", false);
    AgregarCampoValor("EGRESO", "null", "'", false);
    AgregarCampoValor("CANTIDAD", "1'0", "", false);
    QStringList hechos;
    for (const CampoValor& cv : CamposValores)
        hechos << cv.Campo + "=" + cv.Valor;
    EXPECT_EQ(hechos, QStringList({"NOMBRE='O''Neil'", "IMPORTE=1234.5", "SECUENCIA=7",
                                   "EGRESO=Null", "CANTIDAD=10"}));
    EXPECT_EQ(nombre, "O'Neil");
    AgregarCampoValor("OTRO", "x", "'", true);
    ASSERT_EQ(CamposValores.size(), 1u);
    EXPECT_EQ(CamposValores[0].Valor, "'x'");
}

// ---- Against the demo company --------------------------------------------------------------

class Cuentas : public DemoConectada {};

TEST_F(Cuentas, ElValorDeCamposValoresVuelveIgualDeLaBase) {
    AgregarCampoValor("CLAVE", "DE O'NEIL", "'", true);
    AgregarCampoValor("VALOR", "l'été", "'", false);
    QString sql = "INSERT INTO TA_CONFIGURACION (" + CamposValores[0].Campo + ", " +
                  CamposValores[1].Campo + ") VALUES (" + CamposValores[0].Valor + ", " +
                  CamposValores[1].Valor + ")";
    DB_Dll::Instancia().EjecutaConsultaSQL(sql);
    EXPECT_EQ(Leer("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = 'DE O''NEIL'").toString(),
              "l'été");

    // The period of a date.
    const std::pair<QString, int> fechas[] = {{"15/03/2026", 2026},
                                              {"01/01/2026", 2026},
                                              {"31/12/2026", 2026},
                                              {"31/12/2025", 2025},
                                              {"01/01/2030", 0}};
    for (const auto& [fecha, periodo] : fechas)
        EXPECT_EQ(ObtenerPeriodo(fecha), periodo) << fecha;
}

TEST_F(Cuentas, CuentaHabilitadaSegunElGrupoDelUsuario) {
    EXPECT_TRUE(CuentaHabilitada("auditor", "1110102")) << "sin bloqueo todo vale";
    Valores.BloqueoActivo = true;
    Ejecutar("INSERT INTO TA_USUARIOS (NOMBRE, GRUPO) VALUES ('singrupo', NULL)");
    Ejecutar("INSERT INTO TA_USUARIOS (NOMBRE, GRUPO) VALUES ('O''Neil', 'ADMIN')");
    const std::tuple<QString, QString, bool> casos[] = {
        {"auditor", "1110102", false}, {"auditor", "1110101", true}, {"demo", "1110102", true},
        {"singrupo", "1110102", true}, {"nadie", "1110102", true},   {"O'Neil", "1110104", true},
        {"auditor", "11'01", true},
    };
    for (const auto& [usuario, cuenta, habilitada] : casos)
        EXPECT_EQ(CuentaHabilitada(usuario, cuenta), habilitada) << usuario << " " << cuenta;
    EXPECT_TRUE(guion.Mensajes.empty());
}

TEST_F(Cuentas, BuscarCuentaPorCodigoOCodigoOpcional) {
    // Code given and whether read-only; what it gives, the code and the optional flag after.
    const std::tuple<QString, bool, QString> casos[] = {{"1110102", true, "true|1110102|false"},
                                                        {"BNA", true, "true|1110102|true"},
                                                        {"1110101", false, "true|1110101|false"},
                                                        {"O'NO", true, "false|O'NO|false"}};
    ado::Recordset rs;
    for (const auto& [dado, soloLectura, esperado] : casos) {
        QString codigo = dado;
        bool opcional = false;
        const bool hallada = BuscarCuenta(codigo, rs, soloLectura, opcional);
        EXPECT_EQ(Unidos(hallada, codigo, opcional), esperado) << dado;
        if (opcional) {
            EXPECT_EQ(rs.Fields("DESCRIPCION").Value().toString(),
                      "Banco de la Nación Argentina Cta. Cte.");
        }
    }
    EXPECT_TRUE(guion.Mensajes.empty());
}

} // namespace
