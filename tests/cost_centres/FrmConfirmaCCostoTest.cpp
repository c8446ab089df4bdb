#include "cost_centres/FrmConfirmaCCosto.h"

#include "lookup/Lib_ClsCons3.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/Node.h"
#include "platform/controls/TreeView.h"
#include "platform/forms/CajaTexto.h"
#include "platform/forms/Twips.h"
#include "session/DemoModGlobal.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>
#include <vector>

namespace {

class Confirmacion : public DemoConectada {
protected:
    void SetUp() override {
        DemoConectada::SetUp();
        ModGlobal::Valores.CantidadDecimales = QStringLiteral("2");
        ModGlobal::Valores.UNegocio = QStringLiteral("   1");
    }
    void TearDown() override {
        ClsCCosto::CrearConfirmacion = nullptr;
        DemoConectada::TearDown();
    }
    // Each data row as its five cells.
    QStringList Grilla() const {
        QStringList filas;
        for (int r = 1; r < dlg.FgCCosto->Rows(); ++r) {
            QStringList celdas;
            for (int c = 0; c < 5; ++c)
                celdas << dlg.FgCCosto->TextMatrix(r, c);
            filas << celdas.join(u'|');
        }
        return filas;
    }
    void Correr(QString script) {
        DB_Dll::Instancia().EjecutaConsultaSQL(script);
        ASSERT_EQ(DB_Dll::Instancia().gCnn.Errors().Count(), 0)
            << DB_Dll::Instancia().gCnn.Errors().Item(0).Description.toStdString();
    }
    // 5210101 split in thirds, complete: no confirmation asked.
    void Tercios() {
        Ejecutar("DELETE FROM MA_CUENTASCCOSTO WHERE CODIGO = '5210101'");
        Ejecutar("INSERT INTO MA_CUENTASCCOSTO (CODIGO, CCOSTO, PORCENTAJE, VARIABLEPORUD, "
                 "PIDECONFIRMACION) VALUES ('5210101','0001',33.33,0,1),"
                 "('5210101','0002',33.33,0,1),('5210101','0003',33.34,0,1)");
    }
    // The script of one journal line of 5210101 through the class and the dialog.
    QString ScriptDeLinea(const QString& importe, const QString& guionActual = {}) {
        InstalarConfirmacionCCosto();
        ClsCCosto c;
        QString linea = "5210101|" + importe + "|D||01/02/2026|NCPE|0001|00000007|X|";
        EXPECT_TRUE(c.HayCuentasCC2(linea, {}));
        return c.SCriptCCosto(false, guionActual);
    }
    QString Script(const QString& secuencia = "3") {
        return dlg.SCriptCCosto("2026", "77", "D", "CPRA", "   1", "21/08/2026", secuencia);
    }
    // The amounts of a script's rows added up, and the script run on the database.
    QString SumaDelGuion(QString script) {
        Currency suma;
        for (const QString& linea : script.split(QStringLiteral("\r\n")))
            if (const std::optional<FilaCCosto> fila = LeerFilaCCosto(linea))
                suma += Currency::DesdeTextoSql(fila->Importe).value_or(Currency());
        Correr(script.replace("@@@@9999", QString::number(++asiento)).replace("@@@@8888", "1"));
        return suma.ATexto();
    }
    int asiento = 200;
    FrmConfirmaCCosto dlg;
};

// The account's own split, by the user's business unit when it has one, or the distribution
// table the account names, with that table chosen in the combo box.
TEST_F(Confirmacion, CargaLaDistribucionDeLaCuenta) {
    dlg.CargarCcostos("5210101", Currency::DesdeEntero(1000), {}, {});
    EXPECT_TRUE(dlg.gHayCCostos());
    EXPECT_EQ(Grilla(), QStringList({"1|0003|Depósito Central|60,00|600,00",
                                     "2|0004|Logística y Distribución|40,00|400,00"}));
    EXPECT_EQ(dlg.lblCuenta->text(), "5210101 Fletes y Acarreos");
    EXPECT_EQ(dlg.lblImporte->text(), "1000");

    dlg.CargarCcostos("5220101", Currency::DesdeEntero(200), {}, {});
    EXPECT_EQ(Grilla(),
              QStringList({"1|0001|Administración|70,00|140,00", "2|0002|Comercial|30,00|60,00"}));
    ModGlobal::Valores.UNegocio = QStringLiteral("9");
    dlg.CargarCcostos("5220101", Currency::DesdeEntero(200), {}, {});
    EXPECT_EQ(Grilla(), QStringList({"1|0001|Administración|100,00|200,00"}));

    dlg.CargarCcostos("5210102", Currency::DesdeEntero(50), {}, {});
    EXPECT_EQ(dlg.cboTablasDist->currentText(),
              "D001    - Distribución comercial - Publicidad y promociones");
    EXPECT_EQ(Grilla(),
              QStringList({"1|0001|Administración|20,00|10,00", "2|0002|Comercial|80,00|40,00"}));
    EXPECT_EQ(dlg.cboTablasDist->count(), 2);
    dlg.cboTablasDist->setCurrentIndex(0);
    emit dlg.cboTablasDist->activated(0);
    EXPECT_TRUE(Grilla().isEmpty());
}

// An account that uses cost centres but has no split shows itself with an empty grid; one
// that uses none leaves everything alone.
TEST_F(Confirmacion, CuentaSinDistribucion) {
    Ejecutar("UPDATE MA_CUENTAS SET USACCOSTOS = 1 WHERE CODIGO = '1110101'");
    dlg.CargarCcostos("1110101", Currency::DesdeEntero(10), {}, {});
    EXPECT_FALSE(dlg.gHayCCostos());
    EXPECT_TRUE(dlg.lblCuenta->text().startsWith("1110101 "));
    dlg.CargarCcostos("1120201", Currency::DesdeEntero(10), {}, {});
    EXPECT_TRUE(dlg.lblCuenta->text().startsWith("1110101 "));
    EXPECT_FALSE(dlg.gHayCCostos());
    EXPECT_EQ(Script(), "");
}

// A script the caller holds gives back only this account's rows, whatever line breaks it
// uses, and no blank rows.
TEST_F(Confirmacion, CargaDelScriptSoloLaCuenta) {
    const auto fila = [](const char* cuenta, const char* cc, const char* porc) {
        return SentenciaCCosto(
            {"2026", "5", "D", "CPRA", "   1", "01/02/2026", cuenta, "1", cc, porc, "0"});
    };
    const QString guion = "\r\n" + fila("5210101", "0003", "33.33") + "\r\n" +
                          fila("5220101", "0001", "100") + "\n" + fila("5210101", "0004", "66.67") +
                          "\r";
    dlg.CargarCcostos("5210101", Currency::DesdeEntero(300), {}, guion);
    EXPECT_EQ(Grilla(), QStringList({"1|0003|Depósito Central|33,33|99,99",
                                     "2|0004|Logística y Distribución|66,67|200,01"}));
}

// Each usable row becomes one statement, the last row first; rows without a cost centre or a
// positive share write nothing. The script runs on the database.
TEST_F(Confirmacion, ScriptDeLasFilas) {
    dlg.CargarCcostos("5210101", Currency::DesdeEntero(1000), {}, {});
    dlg.FgCCosto->SetRows(5);
    dlg.FgCCosto->SetTextMatrix(3, 4, "10");
    dlg.FgCCosto->SetTextMatrix(4, 1, "0001");
    dlg.FgCCosto->SetTextMatrix(4, 3, "0");
    ContadorSecuencia = 0;
    const QString s = Script();
    EXPECT_EQ(ContadorSecuencia, 2);
    ContadorSecuencia = 0;
    EXPECT_EQ(s, "INSERT INTO MV_ASIENTOSCCOSTO (PERIODO,[NUMERO ASIENTO],[DEBE-HABER],Tipo_Reg,"
                 "Moneda,Fecha,MES_OPERATIVO,CUENTA,SECUENCIA,CCosto,Porcentaje,Importe) VALUES "
                 "('2026',77,'D','CPRA','   1','21/08/2026',8,'5210101',3,'0004',40,400)\r\n"
                 "INSERT INTO MV_ASIENTOSCCOSTO (PERIODO,[NUMERO ASIENTO],[DEBE-HABER],Tipo_Reg,"
                 "Moneda,Fecha,MES_OPERATIVO,CUENTA,SECUENCIA,CCosto,Porcentaje,Importe) VALUES "
                 "('2026',77,'D','CPRA','   1','21/08/2026',8,'5210101',3,'0003',60,600)\r\n");
    Correr(s);
    EXPECT_EQ(
        Leer("SELECT SUM(IMPORTE) FROM MV_ASIENTOSCCOSTO WHERE [NUMERO ASIENTO] = 77").toDouble(),
        1000);
}

// A complete split whose flag is set needs no confirmation, its shares summed exactly; an
// incomplete one, or a flag not set, does.
TEST_F(Confirmacion, PideConfirmacion) {
    Ejecutar("DELETE FROM MA_CUENTASCCOSTO WHERE CODIGO = '5210101'");
    Ejecutar("INSERT INTO MA_CUENTASCCOSTO (CODIGO, CCOSTO, PORCENTAJE, VARIABLEPORUD, "
             "PIDECONFIRMACION) VALUES ('5210101','0001',33.33,0,1),('5210101','0002',33.33,0,1),"
             "('5210101','0003',33.34,0,1)");
    dlg.CargarCcostos("5210101", Currency::DesdeEntero(1000), {}, {});
    EXPECT_FALSE(dlg.Pideconfirmacion());
    dlg.FgCCosto->SetTextMatrix(3, 3, "33,33");
    EXPECT_TRUE(dlg.Pideconfirmacion());
    Ejecutar("UPDATE MA_CUENTASCCOSTO SET PIDECONFIRMACION = NULL WHERE CODIGO = '5210101'");
    dlg.CargarCcostos("5210101", Currency::DesdeEntero(1000), {}, {});
    EXPECT_TRUE(dlg.Pideconfirmacion());
    dlg.CargarCcostos("5210102", Currency::DesdeEntero(1000), {}, {});
    EXPECT_TRUE(dlg.Pideconfirmacion());
    Ejecutar("UPDATE MA_CUENTAS_CCDIST SET PIDECONFIRMACION = 1");
    EXPECT_FALSE(dlg.Pideconfirmacion());
    EXPECT_TRUE(guion.Mensajes.empty());
}

// The cost-centre script confirms through the dialog: the user accepts one line, cancels the
// next, and the rows accepted run on the database.
TEST_F(Confirmacion, ElScriptConfirmaConElDialogo) {
    InstalarConfirmacionCCosto();
    const QString parametro = ModGlobal::Valores.ParametroAdicional = QStringLiteral("abc");
    ClsCCosto c;
    QString linea = "5210102|1000|D||01/02/2026|NCPE|0001|00000007|X|";
    ASSERT_TRUE(c.HayCuentasCC2(linea, {}));
    guion.AccionesModales.push_back([](QWidget& w) {
        auto& d = static_cast<FrmConfirmaCCosto&>(w);
        EXPECT_EQ(d.LblTitulo->text(), "NCPE 0001-00000007 X");
        QTest::mouseClick(d.CmdAceptar, Qt::LeftButton);
    });
    QString s = c.SCriptCCosto(true, {});
    EXPECT_EQ(guion.VentanasModales.size(), 1u);
    EXPECT_EQ(s.count("INSERT INTO MV_ASIENTOSCCOSTO"), 2);
    Correr(c.ActualizaHayCuentasCC2(s, "88", "4"));
    EXPECT_EQ(Leer("SELECT COUNT(*) FROM MV_ASIENTOSCCOSTO WHERE [NUMERO ASIENTO] = 88").toInt(),
              2);
    guion.AccionesModales.push_back([](QWidget& w) {
        QTest::mouseClick(static_cast<FrmConfirmaCCosto&>(w).CmdCancelar, Qt::LeftButton);
    });
    EXPECT_EQ(c.SCriptCCosto(true, {}), "CANCELADO");
    // Closing the window cancels too, and leaves the window to the script that owns it.
    guion.AccionesModales.push_back([](QWidget& w) {
        w.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    EXPECT_EQ(c.SCriptCCosto(true, {}), "CANCELADO");
    EXPECT_EQ(ModGlobal::Valores.ParametroAdicional, parametro);
}

// Acceptance needs every cost centre valid and the amounts making the total exactly;
// a refused one explains the sums and keeps the dialog open.
TEST_F(Confirmacion, Aceptacion) {
    dlg.CargarCcostos("5210101", Currency::DesdeEntero(1000), {}, {});
    dlg.FgCCosto->SetRows(4);
    dlg.FgCCosto->SetTextMatrix(2, 4, "399,50");
    dlg.CmdAceptar_Click();
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_EQ(guion.Mensajes[0].Titulo, "ATENCIÓN");
    EXPECT_TRUE(guion.Mensajes[0].Texto.contains("    Importe = 999,50\r\n"));
    dlg.FgCCosto->SetTextMatrix(2, 4, "399,99");
    dlg.CmdAceptar_Click();
    EXPECT_TRUE(guion.Mensajes.back().Texto.contains("    Importe = 999,99\r\n"));
    dlg.FgCCosto->SetTextMatrix(2, 4, "400");
    dlg.FijarCancelar(true);
    dlg.CmdAceptar_Click();
    EXPECT_FALSE(dlg.gCancelar());
    dlg.FgCCosto->SetTextMatrix(2, 1, "0003");
    EXPECT_FALSE(dlg.ValidaGrilla());
    EXPECT_EQ(guion.Mensajes.back().Texto, "El Centro de Costo se repite en la línea 2");
    dlg.FgCCosto->SetTextMatrix(2, 1, "0009");
    EXPECT_FALSE(dlg.ValidaGrilla());
    EXPECT_EQ(guion.Mensajes.back().Texto, "El Centro de Costo ingresado es inexistente.");
    dlg.FgCCosto->SetTextMatrix(2, 1, "1");
    EXPECT_FALSE(dlg.ValidaGrilla());
    EXPECT_EQ(guion.Mensajes.back().Texto, "El centro de Costos es Titulo, seleccione otro!");

    dlg.CargarCcostos("1120201", Currency(), {}, {});
    Currency p, i;
    EXPECT_TRUE(dlg.Validato(p, i));
    dlg.lblImporte->setText("0,4");
    EXPECT_FALSE(dlg.Validato(p, i));
}

// A script the caller holds with no rows for the account leaves the account its own split.
TEST_F(Confirmacion, GuionDeOtraCuentaUsaLaDistribucionPropia) {
    const QString otra = "\r\n" + SentenciaCCosto({"2026", "41", "D", "CPRA", "   1", "01/02/2026",
                                                   "5220101", "1", "0001", "100", "50"});
    const QString s = ScriptDeLinea("1000", otra);
    EXPECT_TRUE(guion.VentanasModales.empty());
    EXPECT_EQ(s.count("INSERT INTO MV_ASIENTOSCCOSTO"), 2);
    EXPECT_TRUE(s.contains("'5210101',@@@@8888,'0003',60,600)")) << s.toStdString();
    EXPECT_TRUE(s.contains("'5210101',@@@@8888,'0004',40,400)")) << s.toStdString();
}

// Shares of thirds give amounts to the cent that make the line, the units left over on the
// largest fractions, from the account's split and from a script alike; the stored rows make
// the line too.
TEST_F(Confirmacion, LasFilasSumanLaLinea) {
    Tercios();
    dlg.CargarCcostos("5210101", Currency::DesdeTexto("1000,01"), {}, {});
    EXPECT_EQ(Grilla(),
              QStringList({"1|0001|Administración|33,33|333,30", "2|0002|Comercial|33,33|333,30",
                           "3|0003|Depósito Central|33,34|333,41"}));
    dlg.CargarCcostos("5210101", Currency::DesdeTexto("0,05"), {}, "\r\n" + Script() + "\r\n");
    EXPECT_EQ(Unidos(dlg.FgCCosto->TextMatrix(1, 4), dlg.FgCCosto->TextMatrix(2, 4),
                     dlg.FgCCosto->TextMatrix(3, 4)),
              "0,02|0,01|0,02");
    int asiento = 90;
    for (const char* importe : {"10", "0,05", "1000,01"}) {
        QString s = ScriptDeLinea(importe);
        Correr(s.replace("@@@@9999", QString::number(++asiento)).replace("@@@@8888", "1"));
        EXPECT_EQ(Leer("SELECT SUM(IMPORTE) FROM MV_ASIENTOSCCOSTO WHERE [NUMERO ASIENTO] = " +
                       QString::number(asiento))
                      .toString(),
                  QString(importe).replace(',', '.'));
    }
    EXPECT_TRUE(guion.VentanasModales.empty());
}

// At 3 or 4 decimals the rows are worked out and written at that precision and make their
// line; the largest lines load, through the dialog, and split without overflow.
TEST_F(Confirmacion, PrecisionYLineasGrandes) {
    Tercios();
    ModGlobal::Valores.CantidadDecimales = QStringLiteral("3");
    dlg.CargarCcostos("5210101", Currency::DesdeTexto("10,005"), {}, {});
    EXPECT_EQ(Unidos(dlg.FgCCosto->TextMatrix(1, 4), dlg.FgCCosto->TextMatrix(2, 4),
                     dlg.FgCCosto->TextMatrix(3, 4)),
              "3,334|3,335|3,336");
    EXPECT_EQ(SumaDelGuion(ScriptDeLinea("10,005")), "10,005");
    ModGlobal::Valores.CantidadDecimales = QStringLiteral("4");
    EXPECT_EQ(SumaDelGuion(ScriptDeLinea("0,0001")), "0,0001");

    ModGlobal::Valores.CantidadDecimales = QStringLiteral("2");
    for (const char* linea : {"10000000000000", "50000000000000"})
        EXPECT_EQ(SumaDelGuion(ScriptDeLinea(linea)), linea);
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_TRUE(guion.VentanasModales.empty());
}

// Shares below 0 or above 100 brought by the account's split are refused at the acceptance
// on their cell, as a 0 share on a row with a cost centre is.
TEST_F(Confirmacion, PorcentajesQueNoCaben) {
    Ejecutar("UPDATE MA_CUENTASCCOSTO SET PORCENTAJE = -10 WHERE CCOSTO = '0003'");
    Ejecutar("UPDATE MA_CUENTASCCOSTO SET PORCENTAJE = 110 WHERE CCOSTO = '0004'");
    dlg.CargarCcostos("5210101", Currency::DesdeEntero(1000), {}, {});
    EXPECT_TRUE(dlg.Pideconfirmacion());
    dlg.FijarCancelar(true);
    dlg.CmdAceptar_Click();
    EXPECT_TRUE(dlg.gCancelar());
    EXPECT_EQ(guion.Mensajes.back().Texto, "El porcentaje debe ser un valor entre 0 y 100!!!");
    EXPECT_EQ(Unidos(dlg.FgCCosto->Row(), dlg.FgCCosto->Col()), "1|3");
    dlg.FgCCosto->SetTextMatrix(1, 3, "0");
    dlg.FgCCosto->SetTextMatrix(2, 3, "100");
    dlg.CmdAceptar_Click();
    EXPECT_TRUE(dlg.gCancelar());
    EXPECT_EQ(guion.Mensajes.back().Texto, "Debe ingresar un porcentaje!!!");
}

// Shares worked out from amounts that make the line may each round half a ten-thousandth the
// same way: such a split is accepted.
TEST_F(Confirmacion, PorcentajesRedondeadosDeImportesExactos) {
    dlg.CargarCcostos("5210101", Currency::DesdeEntero(2000000), {}, {});
    dlg.FgCCosto->SetRows(5);
    const QStringList filas[] = {{"0003", "0,0002", "3"},
                                 {"0004", "0,0004", "7"},
                                 {"0001", "0,0006", "11"},
                                 {"0002", "99,999", "1999979"}};
    for (int r = 1; r <= 4; ++r)
        for (int c : {1, 3, 4})
            dlg.FgCCosto->SetTextMatrix(r, c, filas[r - 1][c == 1 ? 0 : c - 2]);
    Currency porcentajes, importes;
    EXPECT_TRUE(dlg.Validato(porcentajes, importes));
    EXPECT_EQ(porcentajes, Currency::DesdeTexto("100,0002"));
    dlg.FgCCosto->SetTextMatrix(4, 3, "99,9991");
    porcentajes = importes = Currency();
    EXPECT_FALSE(dlg.Validato(porcentajes, importes));
}

// A share completing 100 never takes an amount against the line, even when the others'
// amounts, each rounded up, pass it.
TEST_F(Confirmacion, ElRestoNoCambiaDeSigno) {
    dlg.CargarCcostos("5210101", Currency::DesdeTexto("0,1"), {}, {});
    dlg.FgCCosto->SetRows(8);
    for (int r = 1; r <= 6; ++r) {
        dlg.FgCCosto->SetTextMatrix(r, 3, "15");
        dlg.FgCCosto->SetTextMatrix(r, 4, "0,02");
    }
    dlg.FgCCosto->SetRow(7);
    dlg.txtEdit2->SetText("10");
    dlg.TextPropiedades(*dlg.txtEdit2, 3);
    dlg.CampoValida(*dlg.txtEdit2);
    EXPECT_EQ(dlg.FgCCosto->TextMatrix(7, 4), "0,01");
}

// The rows a script wrote come back with the amounts it wrote, however far their shares were
// rounded, and accepted unchanged they are written again as they were.
TEST_F(Confirmacion, ElGuionVuelveConSusImportes) {
    using Fila = std::pair<const char*, const char*>;
    const std::pair<const char*, std::vector<Fila>> casos[] = {
        {"1000000", {{"100", "999999.99"}, {"0", "0.01"}}},
        {"1000000000", {{"12.3457", "123456789.12"}, {"87.6543", "876543210.88"}}}};
    for (const auto& [linea, filas] : casos) {
        QString escrito;
        QStringList importes;
        for (size_t i = 0; i < filas.size(); ++i) {
            escrito += "\r\n" +
                       SentenciaCCosto({"2026", "5", "D", "CPRA", "   1", "01/02/2026", "5210101",
                                        "1", i ? "0004" : "0003", filas[i].first, filas[i].second});
            importes << filas[i].second;
        }
        dlg.CargarCcostos("5210101", Currency::DesdeTexto(linea), {}, escrito);
        dlg.FijarCancelar(true);
        dlg.CmdAceptar_Click();
        EXPECT_FALSE(dlg.gCancelar()) << linea;
        QStringList vuelta;
        for (const QString& sentencia : Script().split(QStringLiteral("\r\n")))
            if (const std::optional<FilaCCosto> fila = LeerFilaCCosto(sentencia))
                vuelta.prepend(fila->Importe);
        EXPECT_EQ(vuelta, importes) << linea;
    }
    EXPECT_TRUE(guion.Mensajes.empty());
}

// Splits of the largest lines at every precision load and make their line, without an error.
// A line finer than the precision is made rounded to it, halves to even, or toward zero at the
// end of the range.
TEST_F(Confirmacion, LineasAlTopeDelRango) {
    Ejecutar("INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION, TITULO) VALUES ('0005', 'E', 0), "
             "('0006', 'F', 0), ('0007', 'G', 0)");
    const QStringList centros{"0001", "0002", "0003", "0004", "0005",
                              "0006", "0007", "1001", "1002", "1003"};
    const auto distribucion = [&](const QStringList& porcentajes) {
        Ejecutar("DELETE FROM MA_CUENTASCCOSTO WHERE CODIGO = '5210101'");
        for (int i = 0; i < porcentajes.size(); ++i)
            Ejecutar("INSERT INTO MA_CUENTASCCOSTO (CODIGO, CCOSTO, PORCENTAJE, VARIABLEPORUD) "
                     "VALUES ('5210101', '" +
                     centros[i] + "', " + porcentajes[i] + ", 0)");
    };
    const QStringList tercios{"33.33", "33.33", "33.34"};
    const std::tuple<const char*, const char*, QStringList, const char*> casos[] = {
        {"922337203685477,58", "2", tercios, "922337203685477,58"},
        {"922337203685477,58", "2", QStringList(10, "10"), "922337203685477,58"},
        {"922337203685477,5", "1", QStringList(4, "25"), "922337203685477,5"},
        {"-922337203685477,5808", "4", tercios, "-922337203685477,5808"},
        {"922337203685477,5807", "-2", tercios, "922337203685477"},
        {"-922337203685477,5808", "1", tercios, "-922337203685477,5"},
        {"0,125", "2", tercios, "0,12"},
        {"-0,135", "2", tercios, "-0,14"}};
    for (const auto& [linea, decimales, porcentajes, suma] : casos) {
        ModGlobal::Valores.CantidadDecimales = decimales;
        distribucion(porcentajes);
        dlg.CargarCcostos("5210101", Currency::DesdeTexto(linea), {}, {});
        EXPECT_EQ(dlg.FgCCosto->Rows(), porcentajes.size() + 1);
        dlg.FijarCancelar(true);
        dlg.CmdAceptar_Click();
        EXPECT_FALSE(dlg.gCancelar()) << linea;
        EXPECT_EQ(SumaDelGuion(Script()), suma);
    }
    EXPECT_TRUE(guion.Mensajes.empty());
}

// With a line of 0 the amounts tell nothing: the shares must make 100.
TEST_F(Confirmacion, LineaEnCeroPideCienPorCiento) {
    dlg.CargarCcostos("5210101", Currency(), {}, {});
    dlg.FgCCosto->SetTextMatrix(2, 3, "20");
    dlg.FijarCancelar(true);
    dlg.CmdAceptar_Click();
    EXPECT_TRUE(dlg.gCancelar());
    EXPECT_EQ(guion.Mensajes.back().Titulo, "ATENCIÓN");
    dlg.FgCCosto->SetTextMatrix(2, 3, "40");
    dlg.CmdAceptar_Click();
    EXPECT_FALSE(dlg.gCancelar());
}

// Two lines of one account in one script: each line's dialog loads that line's rows alone.
TEST_F(Confirmacion, CadaLineaCargaSusPropiasFilas) {
    const auto fila = [](const char* secuencia, const char* cc, const char* porc, const char* imp) {
        return "\r\n" + SentenciaCCosto({"2026", "5", "H", "CPRA", "   1", "01/02/2026", "5210101",
                                         secuencia, cc, porc, imp});
    };
    const QString guion = fila("3", "0003", "60", "600") + fila("5", "0001", "100", "250") +
                          fila("3", "0004", "40", "400");
    dlg.FijarSecuencia("5");
    dlg.CargarCcostos("5210101", Currency::DesdeEntero(250), {}, guion);
    EXPECT_EQ(Grilla(), QStringList({"1|0001|Administración|100,00|250,00"}));
    dlg.FijarSecuencia("3");
    dlg.CargarCcostos("5210101", Currency::DesdeEntero(1000), {}, guion);
    EXPECT_EQ(Grilla(), QStringList({"1|0003|Depósito Central|60,00|600,00",
                                     "2|0004|Logística y Distribución|40,00|400,00"}));
}

// Stored shares fill the grid, the line split in their proportion so that the rows make it
// even when the shares do not make 100; an empty recordset leaves the grid as it was.
TEST_F(Confirmacion, CargarCcostosEdit) {
    Ejecutar("INSERT INTO MA_CUENTASCCOSTO (CODIGO, CCOSTO, PORCENTAJE) VALUES ('1', '0001', "
             "100), ('3', '0001', 33.33), ('3', '0002', 33.33), ('3', '0003', 33.33), "
             "('N', '0001', 50), ('N', '0002', 0)");
    const auto cargar = [&](const char* cuenta) {
        ado::Recordset rs;
        QString sql = QString("SELECT CCOSTO, CASE WHEN PORCENTAJE = 0 THEN NULL ELSE "
                              "PORCENTAJE END AS PORCENTAJE FROM MA_CUENTASCCOSTO WHERE CODIGO "
                              "= '") +
                      cuenta + "' ORDER BY CCOSTO";
        ASSERT_TRUE(DB_Dll::Instancia().AbrirRecordset(sql, rs));
        dlg.CargarCcostosEdit(rs);
    };
    dlg.CargarCcostos("5210101", Currency::DesdeEntero(1000), {}, {});
    const QStringList antes = Grilla();
    cargar("ninguna");
    EXPECT_EQ(Grilla(), antes);
    cargar("1");
    EXPECT_EQ(Grilla(), QStringList({"1|0001|Administración|100,00|1000,00"}));
    cargar("3");
    EXPECT_EQ(Grilla(),
              QStringList({"1|0001|Administración|33,33|333,33", "2|0002|Comercial|33,33|333,33",
                           "3|0003|Depósito Central|33,33|333,34"}));
    cargar("N");
    EXPECT_EQ(Grilla(),
              QStringList({"1|0001|Administración|50,00|1000,00", "2|0002|Comercial|0,00|0,00"}));
    EXPECT_TRUE(dlg.gHayCCostos());
}

} // namespace

namespace {

// The dialog on the screen, typed into as the user does: each key goes to whatever control
// holds the focus.
class Edicion : public Confirmacion {
protected:
    void SetUp() override {
        Confirmacion::SetUp();
        dlg.CargarCcostos("5210101", Currency::DesdeEntero(1000), {}, {});
        Mostrar();
    }
    void Mostrar() {
        dlg.show();
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    }
    void Ir(int fila, int columna) {
        dlg.FgCCosto->setFocus();
        dlg.FgCCosto->SetRow(fila);
        dlg.FgCCosto->SetCol(columna);
    }
    void Teclas(const QString& texto) {
        for (QChar c : texto)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    void Tecla(Qt::Key tecla) { QTest::keyClick(QApplication::focusWidget(), tecla); }
    QString Celda(int fila, int columna) { return dlg.FgCCosto->TextMatrix(fila, columna); }
};

// A share typed and entered recomputes the amount and moves on; a refused value keeps the box
// open and the row as it was; Esc discards the edit without touching the row.
TEST_F(Edicion, EditaUnaCelda) {
    Ir(1, 3);
    Teclas("25");
    EXPECT_TRUE(dlg.txtEdit2->isVisible());
    Tecla(Qt::Key_Return);
    EXPECT_EQ(Unidos(Celda(1, 3), Celda(1, 4), dlg.FgCCosto->Col()), "25,00|250,00|4");
    EXPECT_FALSE(dlg.txtEdit2->isVisible());

    Teclas("2000");
    Tecla(Qt::Key_Return);
    EXPECT_TRUE(dlg.txtEdit2->isVisible());
    EXPECT_EQ(guion.Mensajes.back().Texto, "El importe no puede ser mayor al importe total!!!");
    Tecla(Qt::Key_Escape);
    EXPECT_FALSE(dlg.txtEdit2->isVisible());
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(Unidos(Celda(1, 3), Celda(1, 4)), "25,00|250,00");

    Ir(2, 4);
    Teclas("100");
    Tecla(Qt::Key_Escape);
    EXPECT_EQ(Unidos(Celda(2, 3), Celda(2, 4)), "40,00|400,00");
    Teclas("1.5.");
    EXPECT_EQ(dlg.txtEdit2->Text(), "1,5");
    Tecla(Qt::Key_Up);
    EXPECT_EQ(Unidos(Celda(2, 3), Celda(2, 4), dlg.FgCCosto->Row()), "0,15|1,50|1");
}

// Each limit of a typed amount and share, at the limit and one unit each side, on a debit line
// and on a credit line: the line's whole amount and 100 % fit, a unit more or a unit of the
// wrong sign does not.
TEST_F(Edicion, LimitesDeImporteYPorcentaje) {
    const auto escrito = [&](int columna, const QString& valor) {
        guion.Mensajes.clear();
        Ir(1, columna);
        Teclas(valor);
        Tecla(Qt::Key_Return);
        const bool abierta = dlg.txtEdit2->isVisible();
        if (abierta)
            Tecla(Qt::Key_Escape);
        return abierta ? guion.Mensajes.back().Texto : QString();
    };
    const QString mayor = "El importe no puede ser mayor al importe total!!!";
    const QString rango = "El porcentaje debe ser un valor entre 0 y 100!!!";
    for (const int signo : {1, -1}) {
        dlg.CargarCcostos("5210101", Currency::DesdeEntero(1000 * signo), {}, {});
        const QString menos = signo < 0 ? "-" : "";
        const QString contrario =
            signo < 0 ? "Debe ingresar un valor negativo!!!" : "Debe ingresar un valor positivo!!!";
        const std::pair<QString, QString> importes[] = {{menos + "1000", ""},
                                                        {menos + "999.99", ""},
                                                        {menos + "1000.01", mayor},
                                                        {menos + "0.01", ""},
                                                        {signo < 0 ? "0.01" : "-0.01", contrario}};
        for (const auto& [valor, motivo] : importes)
            EXPECT_EQ(escrito(4, valor), motivo) << valor.toStdString();
        const std::pair<QString, QString> porcentajes[] = {
            {"100", ""}, {"99.9999", ""}, {"100.0001", rango}, {"0.0001", ""}, {"-0.0001", rango}};
        for (const auto& [valor, motivo] : porcentajes)
            EXPECT_EQ(escrito(3, valor), motivo) << valor.toStdString();
    }
}

// A refused value left behind by moving to another cell never reaches its cell.
TEST_F(Edicion, ValorRechazadoNoLlegaALaCelda) {
    Ir(1, 1);
    Teclas("0004");
    dlg.FgCCosto->SetRow(2);
    EXPECT_EQ(guion.Mensajes.back().Texto, "El Centro de Costo se repite en la línea 2");
    EXPECT_EQ(Unidos(Celda(1, 1), Celda(1, 2)), "0003|Depósito Central");
    EXPECT_FALSE(dlg.txtEdit2->isVisible());
}

// Insert appends a numbered row, Enter on the last amount too; Delete removes a row or
// blanks the first; blank rows do not stop the acceptance by F2.
TEST_F(Edicion, FilasYAceptacion) {
    Ir(2, 4);
    Tecla(Qt::Key_Return);
    Tecla(Qt::Key_Return);
    EXPECT_EQ(Unidos(dlg.FgCCosto->Rows(), dlg.FgCCosto->Row(), dlg.FgCCosto->Col(), Celda(3, 0)),
              "4|3|1|3");
    Tecla(Qt::Key_Insert);
    EXPECT_EQ(Unidos(dlg.FgCCosto->Rows(), Celda(4, 0)), "5|4");
    Tecla(Qt::Key_Delete);
    EXPECT_EQ(dlg.FgCCosto->Rows(), 4);
    dlg.FijarCancelar(true);
    Tecla(Qt::Key_F2);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_FALSE(dlg.gCancelar());
    EXPECT_TRUE(guion.Mensajes.empty());
}

// F5 on the cost-centre column picks a code from the tree: it is checked, described and the
// cursor moves on to the share; a cancelled lookup changes nothing.
TEST_F(Edicion, ConsultaDeCentrosDeCosto) {
    Ir(2, 1);
    guion.AccionesModales.push_back(
        [](QWidget& w) { static_cast<Lib_FrmCons3Tree&>(w).CmdCancelar_Click(); });
    Tecla(Qt::Key_F5);
    EXPECT_EQ(Unidos(Celda(2, 1), dlg.FgCCosto->Col()), "0004|1");
    guion.AccionesModales.push_back([](QWidget& w) {
        auto& arbol = static_cast<Lib_FrmCons3Tree&>(w);
        arbol.TreeV->SetSelectedItem(arbol.TreeV->Nodes().Item("A0001"));
        arbol.CmdAceptar_Click();
    });
    Tecla(Qt::Key_F5);
    EXPECT_EQ(Unidos(Celda(2, 1), Celda(2, 2), dlg.FgCCosto->Col()), "0001|Administración|3");
    EXPECT_TRUE(guion.Mensajes.empty());
    // The tree offers the headings too; one picked is refused like one typed.
    Ir(2, 1);
    guion.AccionesModales.push_back([](QWidget& w) {
        auto& arbol = static_cast<Lib_FrmCons3Tree&>(w);
        arbol.TreeV->SetSelectedItem(arbol.TreeV->Nodes().Item("A1001")->Parent());
        arbol.CmdAceptar_Click();
    });
    Tecla(Qt::Key_F5);
    EXPECT_EQ(guion.Mensajes.back().Texto, "El centro de Costos es Titulo, seleccione otro!");
    EXPECT_EQ(Unidos(Celda(2, 1), dlg.txtEdit2->Text()), "0001|1");
    Lib_ClsCons3::Instancia() = Lib_ClsCons3();
}

// A heading is refused once its description is shown; the row keeps its former cells. Delete
// on the first row blanks it, and the blank row is no repeat for the acceptance.
TEST_F(Edicion, TituloYFilaEnBlanco) {
    Ejecutar("INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION, TITULO) VALUES ('0100', 'Ventas', 1)");
    Ir(2, 1);
    Teclas("0100");
    Tecla(Qt::Key_Return);
    EXPECT_EQ(guion.Mensajes.back().Texto, "El centro de Costos es Titulo, seleccione otro!");
    EXPECT_EQ(Unidos(Celda(2, 1), Celda(2, 2)), "0004|Logística y Distribución");
    Tecla(Qt::Key_Escape);
    Ir(1, 1);
    Tecla(Qt::Key_Delete);
    EXPECT_EQ(Unidos(dlg.FgCCosto->Rows(), Celda(1, 0), Celda(1, 1), Celda(1, 4)), "3|1||");
    dlg.FgCCosto->SetRows(4);
    dlg.FgCCosto->SetTextMatrix(2, 3, "100");
    dlg.FgCCosto->SetTextMatrix(2, 4, "1000");
    guion.Mensajes.clear();
    Tecla(Qt::Key_F2);
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_FALSE(dlg.isVisible());
}

// End leaves the grid for the next control; a double click edits the cell under the mouse
// with its text; walking down past the rows in view scrolls the grid, and the box opens over
// its cell every time.
TEST_F(Edicion, TeclasYRatonEnLaGrilla) {
    controles::FlexGrid& g = *dlg.FgCCosto;
    // Where the box must stand: on the current cell, whole inside the grid's view.
    const auto sobreSuCelda = [&] {
        const QRect celda = g.visualRect(g.model()->index(g.Row(), g.Col()));
        return dlg.txtEdit2->isVisible() && g.viewport()->rect().contains(celda) &&
               dlg.txtEdit2->geometry() == celda.translated(g.viewport()->pos());
    };
    Ir(1, 3);
    Tecla(Qt::Key_End);
    EXPECT_EQ(QApplication::focusWidget(), dlg.cmdConsultar);
    EXPECT_EQ(Unidos(g.Row(), g.Col()), "1|3");

    const QRect celda = g.visualRect(g.model()->index(2, 4));
    QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, celda.center());
    EXPECT_EQ(Unidos(g.Row(), g.Col(), dlg.txtEdit2->Text(), dlg.txtEdit2->cursorPosition()),
              "2|4|400,00|6");
    EXPECT_TRUE(sobreSuCelda());
    Tecla(Qt::Key_Escape);

    for (int i = 0; i < 12; ++i)
        Tecla(Qt::Key_Insert);
    Ir(1, 1);
    const int arriba = g.TopRow();
    for (int fila = 1; fila < g.Rows(); ++fila) {
        Tecla(Qt::Key_Return);
        ASSERT_TRUE(sobreSuCelda()) << fila;
        Tecla(Qt::Key_Down);
        if (fila < g.Rows() - 1)
            Tecla(Qt::Key_Return); // from the line number on to the cost centre
    }
    EXPECT_GT(g.TopRow(), arriba);

    // A cell the user scrolled half out of view comes up whole under the box.
    Ir(8, 3);
    g.SetTopRow(3);
    ASSERT_GT(g.CellTop() + g.CellHeight(), ATwips(g.height()));
    Teclas("5");
    EXPECT_TRUE(sobreSuCelda());
}

// An edit still open when F2 is pressed is finished first: a code typed over row 1's is the
// one accepted and written.
TEST_F(Edicion, F2TerminaLaEdicionAbierta) {
    controles::FlexGrid& g = *dlg.FgCCosto;
    g.setFocus();
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {},
                      g.visualRect(g.model()->index(1, 1)).center());
    ASSERT_EQ(Unidos(g.Row(), g.Col()), "1|1");
    Teclas("0001");
    Tecla(Qt::Key_F2);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_FALSE(dlg.gCancelar());
    EXPECT_EQ(Unidos(Celda(1, 1), Celda(1, 2)), "0001|Administración");
    EXPECT_TRUE(Script().contains("'0001',60,600)"));
}

// A refused open edit stops the acceptance, by F2 or by the button, and stays open; once it
// is set right, the button accepts it.
TEST_F(Edicion, RechazoAbiertoDetieneLaAceptacion) {
    Ir(2, 3);
    Teclas("150");
    dlg.FijarCancelar(true);
    Tecla(Qt::Key_F2);
    QTest::mouseClick(dlg.CmdAceptar, Qt::LeftButton);
    ASSERT_EQ(guion.Mensajes.size(), 2u);
    EXPECT_EQ(guion.Mensajes[1].Texto, "El porcentaje debe ser un valor entre 0 y 100!!!");
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(dlg.gCancelar());
    EXPECT_EQ(Unidos(dlg.txtEdit2->isVisible(), dlg.txtEdit2->Text(), Celda(2, 3)),
              "true|150|40,00");
    Tecla(Qt::Key_Backspace);
    Tecla(Qt::Key_Backspace);
    QTest::mouseClick(dlg.CmdAceptar, Qt::LeftButton);
    EXPECT_EQ(Unidos(guion.Mensajes.back().Titulo, Celda(2, 3), Celda(2, 4)),
              "ATENCIÓN|1,00|10,00");
    Ir(2, 3);
    Teclas("40");
    QTest::mouseClick(dlg.CmdAceptar, Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_FALSE(dlg.gCancelar());
}

// Shares typed one by one split the line to the cent, the last row taking the remainder; a
// share or an amount of 0 on a row with a cost centre is refused.
TEST_F(Edicion, RepartoAlEscribir) {
    dlg.CargarCcostos("5210101", Currency::DesdeEntero(10), {}, {});
    for (int fila : {1, 2}) {
        Ir(fila, 3);
        Teclas("33,33");
        Tecla(Qt::Key_Return);
    }
    Tecla(Qt::Key_Insert);
    Ir(3, 1);
    Teclas("0001");
    Tecla(Qt::Key_Return);
    Teclas("33.34");
    Tecla(Qt::Key_Return);
    EXPECT_EQ(Unidos(Celda(1, 4), Celda(2, 4), Celda(3, 4)), "3,33|3,33|3,34");
    for (int columna : {3, 4}) {
        Ir(3, columna);
        Teclas("0");
        Tecla(Qt::Key_Return);
        EXPECT_EQ(guion.Mensajes.back().Texto,
                  columna == 3 ? "Debe ingresar un porcentaje!!!" : "Debe ingresar un importe!!!");
        Tecla(Qt::Key_Escape);
    }
    EXPECT_EQ(guion.Mensajes.size(), 2u);
    Tecla(Qt::Key_F2);
    EXPECT_FALSE(dlg.isVisible());
    Correr(Script());
    EXPECT_EQ(
        Leer("SELECT SUM(IMPORTE) FROM MV_ASIENTOSCCOSTO WHERE [NUMERO ASIENTO] = 77").toString(),
        "10");
}

// F5 fills the cost centre of the current row from the line number or the description as well.
TEST_F(Edicion, ConsultaDesdeOtraColumna) {
    const auto elegir = [&](const char* clave) {
        guion.AccionesModales.push_back([clave](QWidget& w) {
            auto& arbol = static_cast<Lib_FrmCons3Tree&>(w);
            arbol.TreeV->SetSelectedItem(arbol.TreeV->Nodes().Item(clave));
            arbol.CmdAceptar_Click();
        });
        Tecla(Qt::Key_F5);
    };
    Ir(2, 0);
    elegir("A0001");
    EXPECT_EQ(Unidos(Celda(2, 0), Celda(2, 1), Celda(2, 2), dlg.FgCCosto->Col()),
              "2|0001|Administración|3");
    Ir(1, 2);
    elegir("A0002");
    EXPECT_EQ(Unidos(Celda(1, 0), Celda(1, 1), Celda(1, 2)), "1|0002|Comercial");
    EXPECT_TRUE(guion.Mensajes.empty());
    Lib_ClsCons3::Instancia() = Lib_ClsCons3();
}

// A distribution table chosen while a share is being typed replaces the rows and drops the
// edit: the typed text reaches no cell of the table's rows.
TEST_F(Edicion, TablaElegidaDescartaLaEdicionAbierta) {
    Ir(2, 3);
    Teclas("10");
    QTest::mouseClick(dlg.cboTablasDist, Qt::LeftButton);
    Tecla(Qt::Key_Escape); // the list that opened
    ASSERT_EQ(QApplication::focusWidget(), dlg.cboTablasDist);
    Tecla(Qt::Key_Down);
    EXPECT_FALSE(dlg.txtEdit2->isVisible());
    controles::FlexGrid& g = *dlg.FgCCosto;
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {},
                      g.visualRect(g.model()->index(1, 3)).center());
    EXPECT_EQ(Unidos(g.Row(), g.Col()), "1|3");
    EXPECT_EQ(Grilla(),
              QStringList({"1|0001|Administración|20|200,00", "2|0002|Comercial|80|800,00"}));
    EXPECT_TRUE(guion.Mensajes.empty());
    Tecla(Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
}

// Amounts typed that make a large line exactly are accepted and written in full, however
// small a share one of them has: kept to the four decimals of its column, or below them.
TEST_F(Edicion, ImportePequenoDeUnaLineaGrande) {
    const QStringList casos[] = {{"999990", "10", "99,999|0,001"},
                                 {"999999,5", "0,5", "100,00|0,00"}};
    for (const QStringList& caso : casos) {
        dlg.CargarCcostos("5210101", Currency::DesdeEntero(1000000), {}, {});
        Mostrar();
        for (int fila : {1, 2}) {
            Ir(fila, 4);
            Teclas(caso[fila - 1]);
            Tecla(Qt::Key_Return);
        }
        EXPECT_EQ(Unidos(Celda(1, 3), Celda(2, 3)), caso[2]);
        Tecla(Qt::Key_F2);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_TRUE(guion.Mensajes.empty());
        const QString s = Script();
        EXPECT_EQ(s.count("INSERT INTO"), 2);
        EXPECT_EQ(SumaDelGuion(s), "1000000");
    }
}

// A share typed on one row changes that row's amount only; a split that then misses the line,
// by a cent or more, is refused.
TEST_F(Edicion, PorcentajeNoCambiaOtrasFilas) {
    const auto escribir = [&](int fila, int columna, const char* texto) {
        Ir(fila, columna);
        Teclas(texto);
        Tecla(Qt::Key_Return);
    };
    escribir(2, 4, "100");
    escribir(1, 3, "60");
    EXPECT_EQ(Unidos(Celda(1, 4), Celda(2, 4)), "600,00|100,00");
    Tecla(Qt::Key_F2);
    EXPECT_EQ(guion.Mensajes.back().Titulo, "ATENCIÓN");
    escribir(2, 4, "399,99");
    escribir(1, 3, "60");
    EXPECT_EQ(Grilla().mid(0, 2), QStringList({"1|0003|Depósito Central|60,00|600,00",
                                               "2|0004|Logística y Distribución|39,999|399,99"}));
    Tecla(Qt::Key_F2);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(guion.Mensajes.back().Texto.contains("    Importe = 999,99\r\n"));
    escribir(2, 4, "400");
    Tecla(Qt::Key_F2);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(SumaDelGuion(Script()), "1000");
}

// Rows that miss their line by any amount are refused, at every precision; a share that
// completes 100 takes what the typed amounts leave of the line.
TEST_F(Edicion, SoloFilasQueHacenLaLinea) {
    const auto escribir = [&](int fila, int columna, const char* texto) {
        Ir(fila, columna);
        Teclas(texto);
        Tecla(Qt::Key_Return);
    };
    const auto aceptada = [&] {
        Tecla(Qt::Key_F2);
        return !dlg.isVisible();
    };
    Tercios();
    for (const auto& [linea, fila, importe] :
         {std::tuple{"1000", 3, "333,39"}, {"100", 1, "33,34"}}) {
        dlg.CargarCcostos("5210101", Currency::DesdeTexto(linea), {}, {});
        escribir(fila, 4, importe);
        EXPECT_FALSE(aceptada()) << linea;
    }
    Ejecutar("UPDATE MA_CUENTASCCOSTO SET PORCENTAJE = 33.3333 WHERE CODIGO = '5210101'");
    for (const auto& [linea, decimales] : {std::pair{"10000", "2"}, {"1000", "4"}}) {
        ModGlobal::Valores.CantidadDecimales = decimales;
        dlg.CargarCcostos("5210101", Currency::DesdeTexto(linea), {}, {});
        EXPECT_FALSE(aceptada()) << linea;
    }
    EXPECT_EQ(guion.Mensajes.size(), 4u);

    ModGlobal::Valores.CantidadDecimales = QStringLiteral("2");
    Ejecutar("DELETE FROM MA_CUENTASCCOSTO WHERE CODIGO = '5210101' AND CCOSTO = '0003'");
    dlg.CargarCcostos("5210101", Currency::DesdeEntero(100000), {}, {});
    escribir(1, 4, "33333,37");
    escribir(2, 3, "66,6666");
    EXPECT_EQ(Unidos(Celda(1, 3), Celda(2, 4)), "33,3334|66666,63");
    EXPECT_TRUE(aceptada());
    EXPECT_EQ(SumaDelGuion(Script()), "100000");
}

// A credit line takes amounts below 0 up to its size, as it takes shares; its rows carry its
// sign and make it.
TEST_F(Edicion, LineaAcreedora) {
    dlg.CargarCcostos("5210101", Currency::DesdeEntero(-1000), {}, {});
    for (const char* refusado : {"300", "-1000,01"}) {
        Ir(1, 4);
        Teclas(refusado);
        Tecla(Qt::Key_Return);
        Tecla(Qt::Key_Escape);
    }
    ASSERT_EQ(guion.Mensajes.size(), 2u);
    EXPECT_EQ(guion.Mensajes[0].Texto, "Debe ingresar un valor negativo!!!");
    EXPECT_EQ(guion.Mensajes[1].Texto, "El importe no puede ser mayor al importe total!!!");
    Ir(1, 4);
    Teclas("-300");
    Tecla(Qt::Key_Return);
    Ir(2, 3);
    Teclas("70");
    Tecla(Qt::Key_Return);
    EXPECT_EQ(Grilla(), QStringList({"1|0003|Depósito Central|30,00|-300,00",
                                     "2|0004|Logística y Distribución|70,00|-700,00"}));
    Tecla(Qt::Key_F2);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(SumaDelGuion(Script()), "-1000");
}

// Enter or Aceptar in the lookup tree with nothing picked, even on an empty table, chooses
// nothing: no error, and the grid stays as it was.
TEST_F(Edicion, ConsultaAceptadaSinElegir) {
    Ir(2, 1);
    const QStringList antes = Grilla();
    const auto aceptar = [&](bool conRaton) {
        guion.AccionesModales.push_back([conRaton](QWidget& w) {
            auto& arbol = static_cast<Lib_FrmCons3Tree&>(w);
            ASSERT_TRUE(QTest::qWaitForWindowActive(&arbol));
            if (conRaton)
                QTest::mouseClick(arbol.CmdAceptar, Qt::LeftButton);
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        Tecla(Qt::Key_F5);
        Mostrar(); // the offscreen platform leaves no window active once the tree closes
    };
    aceptar(false);
    aceptar(true);
    Ejecutar("DELETE FROM TA_CCOSTO");
    aceptar(false);
    EXPECT_EQ(guion.VentanasModales.size(), 3u);
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_EQ(Grilla(), antes);
    EXPECT_EQ(Unidos(dlg.FgCCosto->Row(), dlg.FgCCosto->Col(), dlg.txtEdit2->isVisible()),
              "2|1|false");
    Lib_ClsCons3::Instancia() = Lib_ClsCons3();
}

// Line numbers follow the rows after every row deleted or added.
TEST_F(Edicion, FilasRenumeradas) {
    Ir(2, 1);
    Tecla(Qt::Key_Insert);
    Tecla(Qt::Key_Insert);
    Ir(3, 1);
    Tecla(Qt::Key_Delete);
    Tecla(Qt::Key_Insert);
    EXPECT_EQ(Unidos(Celda(1, 0), Celda(2, 0), Celda(3, 0), Celda(4, 0)), "1|2|3|4");
}

// A split loaded from stored rows is held to what typing allows: rows that make the line but
// contradict their shares, or exceed it on one row and cross zero on another, are refused at F2
// with the message typing gives, on that row's amount, and are corrected from the keyboard.
TEST_F(Edicion, LoCargadoSeJuzgaComoLoEscrito) {
    const auto cargar = [&](const char* primero, const char* segundo) {
        QString script;
        for (const auto& [cc, imp] : {std::pair{"0003", primero}, std::pair{"0004", segundo}})
            script += "\r\n" + SentenciaCCosto({"2026", "5", "H", "CPRA", "   1", "01/02/2026",
                                                "5210101", "3", cc, "50", imp});
        dlg.CargarCcostos("5210101", Currency::DesdeEntero(100), {}, script);
        guion.Mensajes.clear();
        EXPECT_TRUE(dlg.Pideconfirmacion()) << primero;
        dlg.FijarCancelar(true);
        Mostrar();
        Tecla(Qt::Key_F2);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(Unidos(dlg.FgCCosto->Row(), dlg.FgCCosto->Col()), "1|4");
        return guion.Mensajes.empty() ? QString() : guion.Mensajes.back().Texto;
    };
    EXPECT_EQ(cargar("90", "10"),
              "El importe de la línea 1 no corresponde a su porcentaje: el 50,00 % del total es "
              "50,00.");
    EXPECT_EQ(cargar("200", "-100"), "El importe no puede ser mayor al importe total!!!");
    for (int fila : {1, 2}) {
        Ir(fila, 4);
        Teclas("50");
        Tecla(Qt::Key_Return);
    }
    guion.Mensajes.clear();
    Tecla(Qt::Key_F2);
    EXPECT_TRUE(guion.Mensajes.empty()) << guion.Mensajes.front().Texto.toStdString();
    EXPECT_FALSE(dlg.gCancelar());
    EXPECT_EQ(Celda(2, 4), "50,00");
}

} // namespace
