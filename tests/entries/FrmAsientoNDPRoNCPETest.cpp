#include "entries/FrmAsientoNDPRoNCPE.h"

#include "DemoNumeracion.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/Lib_FrmCons3.h"
#include "platform/controls/Asistel.h"
#include "platform/forms/ArregloCajasTexto.h"
#include "platform/forms/CajaTexto.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The entry form on the demo company; each test uses a fresh window, as the modify link does.
class FormularioAsiento : public DemoNumeracion {
protected:
    void TearDown() override {
        Lib_ClsCons3::Instancia() = Lib_ClsCons3();
        Liberar<FrmAsientoNDPRoNCPE>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DemoNumeracion::TearDown();
    }
    FrmAsientoNDPRoNCPE& Cargar(const QString& idCpte) {
        FrmAsientoNDPRoNCPE& frm = Instancia<FrmAsientoNDPRoNCPE>();
        frm.CargarParaModificar(QStringLiteral("NCPE"), idCpte);
        return frm;
    }
    // A fresh window with a new entry, on screen so that the focus moves as the user moves it.
    FrmAsientoNDPRoNCPE& Nuevo() {
        FrmAsientoNDPRoNCPE& frm = Instancia<FrmAsientoNDPRoNCPE>();
        frm.Load();
        frm.show();
        QApplication::setActiveWindow(&frm);
        return frm;
    }
    // A loaded entry on screen, for the focus to move as the user moves it.
    FrmAsientoNDPRoNCPE& Mostrar(const QString& idCpte) {
        FrmAsientoNDPRoNCPE& frm = Cargar(idCpte);
        frm.show();
        QApplication::setActiveWindow(&frm);
        return frm;
    }
    // NCPE 0001-00000004 X grown to twelve rows.
    void RenglonesHasta12() {
        for (int secuencia = 5; secuencia <= 12; ++secuencia)
            Ejecutar(
                QStringLiteral("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, "
                               "FECHA, PERIODO, MES_OPERATIVO, CUENTA, [DEBE-HABER], IMPORTE) "
                               "VALUES ('NCPE', '0001', '00000004', 'X', %1, '2026-01-23', "
                               "2026, 1, '5210101', 'H', 1)")
                    .arg(secuencia));
    }
    static void Enfocar(CajaTexto& caja) {
        caja.setFocus();
        QCoreApplication::processEvents();
    }
    // The message CampoValida showed for the box holding `texto`; empty when it accepted it.
    QString Validar(FrmAsientoNDPRoNCPE& frm, const char* campo, const QString& texto) {
        guion.Mensajes.clear();
        CajaTexto& caja = frm.Campo(QLatin1String(campo));
        caja.SetText(texto);
        frm.CampoValida(caja);
        EXPECT_EQ(frm.HayError(), !guion.Mensajes.empty());
        return guion.Mensajes.empty() ? QString() : guion.Mensajes.back().Texto;
    }
    static QString Texto(FrmAsientoNDPRoNCPE& frm, const char* campo) {
        return frm.Campo(QLatin1String(campo)).Text();
    }
};

// A four-row entry: the supplier on the debit side, goods and a second account on credit, and
// the VAT row, which goes to line 12 whatever its place.
TEST_F(FormularioAsiento, CargaLasLineasDelAsientoGuardado) {
    FrmAsientoNDPRoNCPE& frm = Cargar(QStringLiteral("000100000004X"));
    ASSERT_TRUE(frm.CargaCompleta());
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_EQ(Texto(frm, "1"), "211010106");
    EXPECT_EQ(Texto(frm, "1D"), "35829,25");
    EXPECT_EQ(Texto(frm, "2"), "5110102");
    EXPECT_EQ(Texto(frm, "2H"), "20727,66");
    EXPECT_EQ(Texto(frm, "3"), "5210101");
    EXPECT_EQ(Texto(frm, "3H"), "8883,29");
    EXPECT_EQ(Texto(frm, "12"), "1120201");
    EXPECT_EQ(Texto(frm, "12H"), "6218,30");
    EXPECT_NE(frm.lblFields[1]->text(), "...");
    EXPECT_EQ(frm.LblTotalDebe->text(), frm.LblTotalHaber->text());
    EXPECT_TRUE(frm.Asistel1->BotonActivo(3));
    EXPECT_EQ(frm.dpdEstadoNuevo->currentIndex(), 4);
    EXPECT_EQ(frm.TasaIVA, "21");
    EXPECT_EQ(frm.AstNumero, "4");
    EXPECT_EQ(Texto(frm, "SUCURSAL") + Texto(frm, "NUMERO") + Texto(frm, "LETRA"), "000100000004X");
    EXPECT_FALSE(frm.Campo("NUMERO").Enabled());
    // The header is on the debit side: its credit box is closed.
    EXPECT_TRUE(frm.Campo("1D").Enabled());
    EXPECT_FALSE(frm.Campo("1H").Enabled());
    EXPECT_EQ(frm.Campo("1H").BackColor(), 0xE0E0E0L);
}

// Neither opening the form nor proposing the number of a branch releases anybody's
// reservation of a voucher key: this window books no new number.
TEST_F(FormularioAsiento, AbrirNoBorraFilasDeControl) {
    const QVariant antes = Leer("SELECT COUNT(*) FROM V_MV_CTROL_CPTE");
    Cargar(QStringLiteral("000100000004X"));
    EXPECT_EQ(Leer("SELECT COUNT(*) FROM V_MV_CTROL_CPTE"), antes);
    Liberar<FrmAsientoNDPRoNCPE>();
    FrmAsientoNDPRoNCPE& frm = Nuevo();
    EXPECT_EQ(Validar(frm, "SUCURSAL", "1"), "");
    EXPECT_FALSE(Texto(frm, "NUMERO").isEmpty());
    EXPECT_EQ(Leer("SELECT COUNT(*) FROM V_MV_CTROL_CPTE"), antes);
}

// Rows with no box of their own would be lost on saving: such an entry is refused before
// anything is shown, saying why. Here the VAT row is the fourth of twelve, so the twelfth row,
// an ordinary one, would fall on the VAT line.
TEST_F(FormularioAsiento, RechazaElAsientoQueNoCabe) {
    RenglonesHasta12();
    FrmAsientoNDPRoNCPE& frm = Cargar(QStringLiteral("000100000004X"));
    EXPECT_FALSE(frm.CargaCompleta());
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_EQ(guion.Mensajes[0].Texto,
              "El asiento NCPE 0001-00000004 X no se puede modificar desde aquí: el renglón de IVA "
              "es el 4.º y no el último; como cada renglón va a la línea de su orden, el 12.º "
              "(cuenta 5210101) caería en la línea 12, que es solo para el IVA.");
    EXPECT_TRUE(Texto(frm, "1D").isEmpty());
}

// Line 12 is the VAT line: twelve ordinary rows are one too many, and so are twelve besides the
// VAT row; two VAT rows cannot share its one line.
TEST_F(FormularioAsiento, LaLinea12SoloEsDelIva) {
    const auto motivo = [&](const char* idCpte) {
        guion.Mensajes.clear();
        FrmAsientoNDPRoNCPE& frm = Cargar(QLatin1String(idCpte));
        EXPECT_FALSE(frm.CargaCompleta());
        Liberar<FrmAsientoNDPRoNCPE>();
        EXPECT_EQ(guion.Mensajes.size(), 1u);
        return guion.Mensajes.empty() ? QString() : guion.Mensajes[0].Texto.section(": ", 1);
    };
    Ejecutar("UPDATE MV_ASIENTOS SET NROCAI = NULL WHERE TC = 'NCPE' AND NUMERO = '00000004'");
    RenglonesHasta12();
    EXPECT_EQ(motivo("000100000004X"), "tiene 12 renglones y esta ventana admite hasta 11, en las "
                                       "líneas 1 a 11; la línea 12 es solo para el IVA.");
    Ejecutar("UPDATE MV_ASIENTOS SET NROCAI = 'esIva' WHERE TC = 'NCPE' AND NUMERO = '00000004' "
             "AND SECUENCIA = 4");
    Ejecutar("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, FECHA, PERIODO, "
             "MES_OPERATIVO, CUENTA, [DEBE-HABER], IMPORTE) VALUES ('NCPE', '0001', '00000004', "
             "'X', 13, '2026-01-23', 2026, 1, '5210101', 'H', 1)");
    EXPECT_EQ(motivo("000100000004X"), "tiene 12 renglones además del de IVA y esta ventana admite "
                                       "hasta 11, en las líneas 1 a 11; la línea 12 es solo para "
                                       "el IVA.");
    Ejecutar("UPDATE MV_ASIENTOS SET NROCAI = 'ESIVA' WHERE TC = 'NCPE' AND NUMERO = '00000002' "
             "AND SECUENCIA = 2");
    EXPECT_EQ(motivo("000100000002X"),
              "tiene 2 renglones de IVA y esta ventana tiene una sola línea para el IVA, la 12.");
}

// An amount beyond what the currency holds never stays in a box, however it comes: typed,
// pasted or set by code, it is refused with one message, the box keeps what it had and the
// totals count what the boxes show.
TEST_F(FormularioAsiento, UnImporteFueraDeRangoNoQuedaEnLaCaja) {
    const QString fuera = QStringLiteral("El importe está fuera del rango admitido (de "
                                         "-922.337.203.685.477,5808 a 922.337.203.685.477,5807).");
    FrmAsientoNDPRoNCPE& frm = Mostrar(QStringLiteral("000100000002X"));
    guion.Mensajes.clear();
    Enfocar(frm.Campo("2H"));
    QTest::keyClicks(&frm.Campo("2H"), "99999999999999999999");
    EXPECT_EQ(Texto(frm, "2H"), "99999999999999");
    EXPECT_EQ(frm.LblTotalHaber->text(), "100000000003471,90");
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_EQ(guion.Mensajes[0].Texto, fuera);
    EXPECT_EQ(guion.Mensajes[0].Titulo, "Aviso al operador...");
    // A further digit is refused without a second message, the caret where the key found it;
    // what fits goes in.
    QTest::keyClick(&frm.Campo("2H"), Qt::Key_Home);
    QTest::keyClick(&frm.Campo("2H"), Qt::Key_9);
    EXPECT_EQ(frm.Campo("2H").cursorPosition(), 0);
    QTest::keyClick(&frm.Campo("2H"), Qt::Key_End);
    QTest::keyClicks(&frm.Campo("2H"), ",5");
    EXPECT_EQ(Texto(frm, "2H"), "99999999999999,5");
    EXPECT_EQ(guion.Mensajes.size(), 1u);

    // A paste stops at the digit that does not fit: nothing after it makes another amount.
    guion.Mensajes.clear();
    QTest::keyClick(&frm.Campo("2H"), Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("123456789012345678,5"));
    QTest::keyClick(&frm.Campo("2H"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Texto(frm, "2H"), "123456789012345");
    EXPECT_EQ(guion.Mensajes.size(), 1u);

    // By code: an amount, or one that takes a total or the difference beyond the range.
    guion.Mensajes.clear();
    frm.Campo("2H").SetText("900000000000000");
    frm.Campo("2H").SetText("-9223372036854775808");
    EXPECT_EQ(Texto(frm, "2H"), "900000000000000");
    frm.Campo("12H").SetText("30000000000000");
    EXPECT_EQ(Texto(frm, "12H"), "3472,90");
    frm.Campo("2H").SetText("-900000000000000");
    frm.Campo("1D").SetText("900000000000000");
    EXPECT_EQ(Texto(frm, "1D"), "20010,52");
    EXPECT_EQ(frm.lblDif->text(), "900000000016537,62");
    ASSERT_EQ(guion.Mensajes.size(), 3u);
    EXPECT_EQ(guion.Mensajes[0].Texto, fuera);
    for (int i : {1, 2})
        EXPECT_TRUE(guion.Mensajes[size_t(i)].Texto.startsWith(
            "Con este dato los totales del asiento quedarían fuera del rango admitido"));
}

// The key of the entry reaches the query as text, whatever it holds.
TEST_F(FormularioAsiento, ClaveConApostrofeNoRompeLaConsulta) {
    FrmAsientoNDPRoNCPE& frm = Cargar(QStringLiteral("0001'0000004X"));
    EXPECT_TRUE(frm.CargaCompleta());
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_TRUE(Texto(frm, "1D").isEmpty());
}

// While the debit side exceeds the credit side, leaving a box balances the entry on line 12,
// adding to what line 12 already holds.
TEST_F(FormularioAsiento, LaLinea12EquilibraElAsientoSumandoLaDiferencia) {
    FrmAsientoNDPRoNCPE& frm = Nuevo();
    frm.Campo("1").SetText("211010101");
    frm.Campo("1D").SetText("121");
    frm.Campo("2H").SetText("100");
    frm.Campo("12H").SetText("10");
    EXPECT_EQ(frm.lblDif->text(), "11,00");
    EXPECT_FALSE(frm.Asistel1->BotonActivo(3));
    Enfocar(frm.Campo("CONCEPTO"));
    Enfocar(frm.Campo("3"));
    EXPECT_EQ(Texto(frm, "12H"), "21,00");
    EXPECT_EQ(frm.LblTotalHaber->text(), "121,00");
    EXPECT_EQ(frm.lblDif->text(), "0,00");
    EXPECT_TRUE(frm.Asistel1->BotonActivo(3));
}

// Only a debit side above the credit side is balanced on line 12: a balanced entry, or one whose
// credit side is the larger, leaves line 12 as it is, without even its VAT account.
TEST_F(FormularioAsiento, SoloUnDebeMayorLlenaLaLinea12) {
    for (const auto& [haber, cuenta12, importe12] :
         {std::tuple{"121", "", ""}, std::tuple{"121,01", "", ""},
          std::tuple{"120,99", "1120201", "0,01"}}) {
        FrmAsientoNDPRoNCPE& frm = Nuevo();
        frm.Campo("12").SetText(""); // not the account the form proposes
        frm.Campo("1").SetText("211010101");
        frm.Campo("1D").SetText("121");
        frm.Campo("2").SetText("5110102");
        frm.Campo("2H").SetText(haber);
        Enfocar(frm.Campo("CONCEPTO"));
        Enfocar(frm.Campo("3"));
        EXPECT_EQ(Texto(frm, "12"), cuenta12) << haber;
        EXPECT_EQ(Texto(frm, "12H"), importe12) << haber;
        frm.hide(); // a window on screen outlives its release
        Liberar<FrmAsientoNDPRoNCPE>();
    }
}

// The origin's amount caps each side's total, itself included; an amount of 0 is no negative.
TEST_F(FormularioAsiento, ElTopeYElCeroSeAdmiten) {
    FrmAsientoNDPRoNCPE& frm = Nuevo();
    frm.Tope = Currency::DesdeEntero(100);
    frm.Campo("1").SetText("211010101");
    frm.Campo("2").SetText("5110102");
    const QString tope = "El importe no puede superar el valor del comprobante origen: 100,00";
    const std::tuple<const char*, const char*, QString> casos[] = {
        {"1D", "100", ""},
        {"1D", "99,99", ""},
        {"1D", "100,01", tope},
        {"2H", "100", ""},
        {"2H", "100,01", tope},
        {"2H", "0", ""},
        {"2H", "-0,01", "El importe no puede estar en negativo "}};
    for (const auto& [campo, valor, aviso] : casos) {
        EXPECT_EQ(Validar(frm, campo, valor), aviso) << campo << " " << valor;
        frm.Campo(campo).SetText("");
    }
}

// An amount goes only on a line with an account, and on one side of the line.
TEST_F(FormularioAsiento, ImportesSoloEnLineasConCuentaYDeUnLado) {
    FrmAsientoNDPRoNCPE& frm = Nuevo();
    QTest::keyClicks(&frm.Campo("5D"), "12");
    EXPECT_EQ(Texto(frm, "5D"), "");
    frm.Campo("2H").SetText("7");
    QTest::keyClicks(&frm.Campo("2D"), "12");
    EXPECT_EQ(Texto(frm, "2D"), "");
    frm.Campo("2H").SetText("");
    QTest::keyClicks(&frm.Campo("2D"), "12");
    EXPECT_EQ(Texto(frm, "2D"), "12");
    // An amount on a line without an account counts in no total.
    frm.Campo("5H").SetText("40");
    EXPECT_EQ(frm.LblTotalHaber->text(), "0,00");
}

TEST_F(FormularioAsiento, CadaCampoSeJuzgaPorSuDataField) {
    FrmAsientoNDPRoNCPE& frm = Nuevo();
    EXPECT_EQ(Validar(frm, "NUMERO", "123"), "");
    EXPECT_EQ(Texto(frm, "NUMERO"), "00000123");
    EXPECT_EQ(Validar(frm, "SUCURSAL", "1"), "");
    EXPECT_EQ(Texto(frm, "SUCURSAL"), "0001");
    EXPECT_NE(Texto(frm, "NUMERO"), "00000123"); // the branch's next number is proposed
    EXPECT_EQ(Validar(frm, "3", "IVACF"), "");
    EXPECT_EQ(Texto(frm, "3"), "1120201");
    EXPECT_EQ(frm.lblFields[2]->text(), "IVA Crédito Fiscal");
    frm.Campo("1").SetText("211010101");
    EXPECT_EQ(Validar(frm, "4", "211010101"),
              "La Cuenta: 211010101 ya esta informada en la linea 1.");
    EXPECT_EQ(Validar(frm, "4", "11"), "La cuenta ingresada no es imputable.");
    EXPECT_EQ(Validar(frm, "4", "1110101"), "La cuenta ingresada no puede ser un Medio de Pago.");
    EXPECT_EQ(Validar(frm, "4", "9999"), "Cuenta Inexistente...");
    // Typed apostrophes reach the queries as text, never as part of the statement.
    EXPECT_EQ(Validar(frm, "4", "1120201' OR ''='"), "Cuenta Inexistente...");
    EXPECT_EQ(Validar(frm, "Motivo", "B'NI"), "El motivo ingresado es inexistente");
    EXPECT_EQ(Validar(frm, "Motivo", "CALI"), "");
    EXPECT_EQ(Validar(frm, "Motivo", "DEVO"), "El motivo ingresado es inexistente");
    EXPECT_EQ(frm.lblMot->text(), "...");
    EXPECT_EQ(Validar(frm, "4D", "-5"), "El importe no puede estar en negativo ");
    EXPECT_EQ(Texto(frm, "4D"), "-5,00");
    frm.Campo("4D").SetText("");
    frm.Tope = Currency::DesdeEntero(100);
    frm.Campo("1D").SetText("150");
    EXPECT_EQ(Validar(frm, "1D", "150"),
              "El importe no puede superar el valor del comprobante origen: 100,00");
}

// A date is proposed when missing, and must fall in a fiscal period: a date outside every
// period would save rows of period 0.
TEST_F(FormularioAsiento, LaFechaDebeCaerEnUnEjercicio) {
    FrmAsientoNDPRoNCPE& frm = Nuevo();
    frm.FechaFac = "15/03/2026";
    EXPECT_EQ(Validar(frm, "FECHA", ""), "Debe informar la fecha del Asiento Contable!!!");
    EXPECT_EQ(Texto(frm, "FECHA"), "15/03/2026");
    EXPECT_EQ(Validar(frm, "FECHA", "15/03/2026"), "");
    EXPECT_EQ(Validar(frm, "FECHA", "31/02/2026"), "La Fecha Ingresada no es válida!!!");
    EXPECT_EQ(Validar(frm, "FECHA", "15/03/2031"),
              "La Fecha Ingresada no pertenece a ningún ejercicio contable!!!");
    // The first and last days of the periods are theirs; the days beyond them are nobody's.
    const QString fuera = "La Fecha Ingresada no pertenece a ningún ejercicio contable!!!";
    for (const auto& [fecha, aviso] :
         {std::pair{"01/01/2025", QString()}, std::pair{"31/12/2024", fuera},
          std::pair{"31/12/2027", QString()}, std::pair{"01/01/2028", fuera}})
        EXPECT_EQ(Validar(frm, "FECHA", fecha), aviso) << fecha;
}

// A stored entry, as loaded, passes every check; its number is its own, not one taken anew.
TEST_F(FormularioAsiento, ElAsientoCargadoEsValido) {
    FrmAsientoNDPRoNCPE& frm = Cargar(QStringLiteral("000100000008X"));
    guion.Mensajes.clear();
    EXPECT_TRUE(frm.DatosValidos());
    for (const auto& m : guion.Mensajes)
        ADD_FAILURE() << m.Texto.toStdString();
    EXPECT_EQ(Texto(frm, "NUMERO"), "00000008");
}

// F5 looks up the focused box's table; the chosen code is judged as if typed, and a lookup
// closed without a choice leaves the box as it was.
TEST_F(FormularioAsiento, F5BuscaEnLaTablaDelCampo) {
    FrmAsientoNDPRoNCPE& frm = Nuevo();
    Enfocar(frm.Campo("3"));
    guion.AccionesModales.push_back([&](QWidget& ventana) {
        auto& lista = dynamic_cast<Lib_FrmCons3&>(ventana);
        const int codigo = lista.IndiceColumna("CODIGO");
        lista.CmbSearch[size_t(codigo - 1)]->setEditText("1120201");
        lista.CmdAceptar_Click();
    });
    QTest::keyClick(&frm.Campo("3"), Qt::Key_F5);
    EXPECT_TRUE(guion.AccionesModales.empty());
    EXPECT_EQ(Texto(frm, "3"), "1120201");
    EXPECT_EQ(frm.lblFields[2]->text(), "IVA Crédito Fiscal");

    frm.Campo("Motivo").SetText("BONI");
    Enfocar(frm.Campo("Motivo"));
    guion.AccionesModales.push_back(
        [](QWidget& ventana) { dynamic_cast<Lib_FrmCons3&>(ventana).CmdCancelar_Click(); });
    frm.Asistel1_click("CONSULTAR");
    EXPECT_EQ(Texto(frm, "Motivo"), "BONI");
    EXPECT_EQ(frm.lblMot->text(), "Bonificación no aplicada");
}

// While modifying, CANCELAR brings the stored entry back instead of emptying the key boxes
// that can no longer be typed into.
TEST_F(FormularioAsiento, CancelarVuelveAlAsientoGuardado) {
    FrmAsientoNDPRoNCPE& frm = Cargar(QStringLiteral("000100000004X"));
    frm.Campo("2H").SetText("1");
    frm.Asistel1_click("CANCELAR");
    EXPECT_EQ(Texto(frm, "SUCURSAL") + Texto(frm, "NUMERO") + Texto(frm, "LETRA"), "000100000004X");
    EXPECT_EQ(Texto(frm, "2H"), "20727,66");
    EXPECT_EQ(frm.CmbTC->count(), 1);
    EXPECT_TRUE(guion.Mensajes.empty());
    // The button is there for it whenever an entry is being modified, also after the checks.
    EXPECT_TRUE(frm.DatosValidos());
    frm.Campo("2H").SetText("2");
    QAction* cancelar = frm.Asistel1->Boton("CANCELAR");
    ASSERT_TRUE(cancelar->isEnabled());
    cancelar->trigger();
    EXPECT_EQ(Texto(frm, "2H"), "20727,66");
    EXPECT_TRUE(cancelar->isEnabled());
}

// A new entry from an invoice of 1210 on an order of 1000: a pending credit note grossed up
// by the VAT rate, or a debit note to the supplier for the plain difference.
TEST_F(FormularioAsiento, NuevoAsientoDeLaDiferencia) {
    FrmAsientoNDPRoNCPE& nc = Instancia<FrmAsientoNDPRoNCPE>();
    nc.TasaIVA = "21";
    nc.FechaFac = "15/03/2026";
    nc.GenerarNDPRoNCPE(false, Currency::DesdeEntero(1210), Currency::DesdeEntero(1000),
                        "211010101", "Diferencia O'Brien");
    EXPECT_EQ(Texto(nc, "1"), "211010101");
    EXPECT_EQ(nc.lblFields[0]->text(), "D'Angelo Hnos. S.A.");
    EXPECT_EQ(Texto(nc, "1D"), "254,10");
    EXPECT_EQ(Texto(nc, "2"), "5110102");
    EXPECT_EQ(Texto(nc, "2H"), "210,00");
    EXPECT_EQ(Texto(nc, "12"), "1120201");
    EXPECT_EQ(nc.lblDif->text(), "44,10");
    EXPECT_EQ(Texto(nc, "FECHA"), "15/03/2026");
    EXPECT_EQ(Texto(nc, "CONCEPTO"), "Diferencia O'Brien");
    EXPECT_FALSE(Texto(nc, "NUMERO").isEmpty());
    Liberar<FrmAsientoNDPRoNCPE>();

    FrmAsientoNDPRoNCPE& nd = Instancia<FrmAsientoNDPRoNCPE>();
    nd.GenerarNDPRoNCPE(true, Currency::DesdeEntero(1210), Currency::DesdeEntero(1000), "211010101",
                        "x");
    EXPECT_EQ(Texto(nd, "1"), "");
    EXPECT_TRUE(nd.Campo("1").Enabled());
    EXPECT_EQ(Texto(nd, "1H"), "210,00");
    EXPECT_EQ(Texto(nd, "2D"), "210,00");
    EXPECT_TRUE(guion.Mensajes.empty());
}

} // namespace

namespace {

// Line 12 takes the shortfall once, in every order of events: its account cleared and left,
// cleared and typed again, an amount typed elsewhere, a VAT account that cannot be found.
TEST_F(FormularioAsiento, LaLinea12TomaLaDiferenciaUnaSolaVez) {
    FrmAsientoNDPRoNCPE& frm = Mostrar(QStringLiteral("000100000002X"));
    Enfocar(frm.Campo("12"));
    frm.Campo("12").SetText("");
    Enfocar(frm.Campo("CONCEPTO"));
    EXPECT_EQ(Texto(frm, "12"), "1120201");
    EXPECT_EQ(Texto(frm, "12H"), "3472,90");
    Enfocar(frm.Campo("12"));
    frm.Campo("12").SetText("");
    QTest::keyClicks(&frm.Campo("12"), "1120201");
    Enfocar(frm.Campo("CONCEPTO"));
    EXPECT_EQ(Texto(frm, "12H"), "3472,90");
    Enfocar(frm.Campo("2H"));
    QTest::keyClicks(&frm.Campo("2H"), "16000");
    EXPECT_EQ(Texto(frm, "2H"), "16000");
    Enfocar(frm.Campo("3"));
    Enfocar(frm.Campo("4"));
    EXPECT_EQ(Texto(frm, "12H"), "4010,52");
    EXPECT_EQ(frm.lblDif->text(), "0,00");
    // No VAT account configured: line 12 stays without one and its amount untouched.
    Ejecutar("DELETE FROM TA_CUENTASIVA");
    Enfocar(frm.Campo("12"));
    frm.Campo("12").SetText("");
    Enfocar(frm.Campo("3"));
    Enfocar(frm.Campo("4"));
    EXPECT_EQ(Texto(frm, "12"), "");
    EXPECT_EQ(Texto(frm, "12H"), "4010,52");
    EXPECT_TRUE(guion.Mensajes.empty());
}

// The header on the credit side and its VAT on the debit side: lowering the header lowers line
// 12's debit, so what the totals show is what the save writes. F2 on an entry whose credits
// exceed its debits says so instead of doing nothing.
TEST_F(FormularioAsiento, ElAsientoAlHaberSeEquilibraEnElDebeDeLaLinea12) {
    FrmAsientoNDPRoNCPE& frm = Mostrar(QStringLiteral("000100000038X"));
    ASSERT_TRUE(frm.Campo("1H").Enabled());
    EXPECT_EQ(Texto(frm, "12D"), "299,97");
    Enfocar(frm.Campo("1H"));
    QTest::keyClicks(&frm.Campo("1H"), "1700");
    Enfocar(frm.Campo("CONCEPTO"));
    EXPECT_EQ(Texto(frm, "12D"), "271,57");
    EXPECT_EQ(Texto(frm, "12H"), "");
    EXPECT_EQ(frm.LblTotalDebe->text(), "1700,00");
    EXPECT_EQ(frm.LblTotalHaber->text(), "1700,00");
    EXPECT_TRUE(frm.Asistel1->BotonActivo(3));

    frm.Campo("1H").SetText("1800");
    EXPECT_FALSE(frm.Asistel1->BotonActivo(3));
    QTest::keyClick(&frm.Campo("CONCEPTO"), Qt::Key_F2);
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_EQ(guion.Mensajes[0].Texto, "El asiento no balancea: Debe 1700,00 Haber 1800,00. "
                                       "Corrija los importes antes de grabar.");
    EXPECT_TRUE(frm.isVisible());
    EXPECT_TRUE(frm.SQLTemp.isEmpty());
}

// A check whose data the locked database did not give has failed, told once by the failed read;
// the save that needed it writes nothing, whatever the user answered.
TEST_F(FormularioAsiento, UnaLecturaFallidaNoPasaLaComprobacion) {
    DB_Dll& db = DB_Dll::Instancia();
    db.gCnn.Close();
    db.gCnn.SetConnectionTimeout(1); // gives up on a lock after a second
    Conectar();
    FrmAsientoNDPRoNCPE& frm = Cargar(QStringLiteral("000100000002X"));
    frm.Tc_O = "FCC";
    frm.Cpte_O = "000200004526A";
    cnn.EjecutarNativo("BEGIN EXCLUSIVE", {}, nullptr);
    const QString mensaje = Validar(frm, "FECHA", "22/12/2025");
    EXPECT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(mensaje.contains("bloqueada")) << mensaje.toStdString();
    guion.Mensajes.clear();
    frm.Asistel1_click("GRABAR");
    EXPECT_FALSE(guion.Mensajes.empty());
    EXPECT_TRUE(frm.SQLTemp.isEmpty());
    EXPECT_TRUE(frm.HayError());
    cnn.EjecutarNativo("ROLLBACK", {}, nullptr);
    guion.Mensajes.clear();
    frm.Asistel1_click("GRABAR");
    EXPECT_FALSE(frm.SQLTemp.isEmpty()) << Textos().front().toStdString();
}

// A state outside the list is kept as stored, never saved as -1, and the origin is treated by
// it; a state the user picks replaces it.
TEST_F(FormularioAsiento, UnEstadoFueraDeLaListaSeConserva) {
    Ejecutar("UPDATE MV_ASIENTOS SET ESTADO = 7 WHERE TC = 'NCPE' AND NUMERO = '00000002'");
    FrmAsientoNDPRoNCPE& frm = Cargar(QStringLiteral("000100000002X"));
    EXPECT_EQ(frm.dpdEstadoNuevo->currentIndex(), -1);
    EXPECT_EQ(frm.dpdEstadoNuevo->placeholderText(), "7");
    frm.Tc_O = "FCC";
    frm.Cpte_O = "000200004526A";
    const auto grabar = [&] {
        frm.ActualizarDatos();
        QString lote = "DELETE FROM MV_ASIENTOS WHERE TC = 'NCPE' AND NUMERO = '00000002'\r"
                       "DELETE FROM MV_APLICACION WHERE TC = 'NCPE' AND NUMERO = '00000002'" +
                       frm.SQLTemp;
        DB_Dll::Instancia().EjecutaConsultaSQL(lote);
        EXPECT_EQ(DB_Dll::Instancia().gCnn.Errors().Count(), 0);
        return Filas("SELECT DISTINCT ESTADO FROM MV_ASIENTOS WHERE TC = 'NCPE' AND NUMERO = "
                     "'00000002'") +
               Filas("SELECT DISTINCT ESTADO FROM MV_ASIENTOS WHERE TC = 'FCC' AND NUMERO = "
                     "'00004526' AND CABCUENTA = '211010102'");
    };
    EXPECT_EQ(grabar(), QStringList({"7", "0"}));
    frm.dpdEstadoNuevo->setCurrentIndex(0);
    EXPECT_EQ(grabar(), QStringList({"0", "1"}));
    EXPECT_TRUE(guion.Mensajes.empty());
}

// The VAT gross-up multiplies by the rate and rounds once: a rate of three or four decimals is
// not cut to four decimals of a fraction first.
TEST_F(FormularioAsiento, ElIvaDeLaDiferenciaSeRedondeaUnaSolaVez) {
    const std::tuple<QString, qint64, QString> casos[] = {{"10,555", 10000, "11055,50"},
                                                          {"10,125", 100000, "110125,00"},
                                                          {"3,1415", 100000, "103141,50"}};
    for (const auto& [tasa, diferencia, esperado] : casos) {
        FrmAsientoNDPRoNCPE& nc = Instancia<FrmAsientoNDPRoNCPE>();
        nc.TasaIVA = tasa;
        nc.FechaFac = "15/03/2026";
        nc.GenerarNDPRoNCPE(false, Currency::DesdeEntero(diferencia), Currency(), "211010101", "x");
        EXPECT_EQ(Texto(nc, "1D"), esperado) << tasa;
        Liberar<FrmAsientoNDPRoNCPE>();
    }
}

} // namespace

namespace {

// Amounts are typed one key at a time, as people type them: whatever may still become an amount
// is taken without a word, a key that cannot is refused and leaves the box exactly as it was, and
// the amount is judged whole when the box is confirmed.
TEST_F(FormularioAsiento, LosImportesSeTecleanUnaTeclaPorVez) {
    struct Caso {
        const char* teclas;
        const char* tecleado;   // the box once every key was typed
        const char* confirmado; // the box after Enter
        const char* aviso;      // what Enter tells, its beginning; empty: nothing
    };
    const Caso casos[] = {
        {"1.500,25", "1.500,25", "1500,25", ""},
        {"12.345", "12.345", "12345,00", ""},
        {"1.000.000", "1.000.000", "1000000,00", ""},
        {"x20", "20", "20,00", ""},
        {"1..5", "1.5", "1.5", "«1.5» no es un importe"},
        {"12,345", "12,34", "12,34", ""},
        {"1,2,3", "1,23", "1,23", ""},
        {"-5", "-5", "-5,00", "El importe no puede estar en negativo "},
        {"1.", "1.", "1.", "«1.» no es un importe"},
    };
    FrmAsientoNDPRoNCPE& frm = Mostrar(QStringLiteral("000100000002X"));
    CajaTexto& caja = frm.Campo("2H");
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.teclas);
        Enfocar(frm.Campo("3"));
        Enfocar(caja);
        guion.Mensajes.clear();
        QTest::keyClicks(&caja, c.teclas);
        EXPECT_EQ(caja.Text(), c.tecleado);
        EXPECT_TRUE(guion.Mensajes.empty());
        QTest::keyClick(&caja, Qt::Key_Return);
        EXPECT_EQ(caja.Text(), c.confirmado);
        ASSERT_EQ(guion.Mensajes.size(), *c.aviso ? 1u : 0u);
        if (*c.aviso) {
            EXPECT_TRUE(guion.Mensajes[0].Texto.startsWith(QString::fromUtf8(c.aviso)));
        }
        caja.SetText(QStringLiteral("16537,62"));
    }
}

// A refused key keeps the text, the caret and the selection: what is typed next replaces the
// selected amount instead of joining it.
TEST_F(FormularioAsiento, UnaTeclaRechazadaNoTocaLaSeleccion) {
    FrmAsientoNDPRoNCPE& frm = Mostrar(QStringLiteral("000100000002X"));
    CajaTexto& caja = frm.Campo("2H");
    Enfocar(caja);
    caja.setSelection(2, 3);
    QTest::keyClick(&caja, Qt::Key_X);
    EXPECT_EQ(caja.Text(), "16537,62");
    EXPECT_EQ(caja.selectedText(), "537");
    EXPECT_EQ(caja.cursorPosition(), 5);
    caja.selectAll();
    QTest::keyClicks(&caja, "x20");
    EXPECT_EQ(caja.Text(), "20");
    EXPECT_TRUE(guion.Mensajes.empty());
}

// A box left halfway through an amount goes back to the amount it held, with one message, and
// line 12 is balanced from amounts only; F2 with such a box says so and saves nothing.
TEST_F(FormularioAsiento, LoQueNoLlegaAImporteNoSeBalancea) {
    FrmAsientoNDPRoNCPE& frm = Mostrar(QStringLiteral("000100000002X"));
    Enfocar(frm.Campo("2H"));
    QTest::keyClicks(&frm.Campo("2H"), "1.");
    Enfocar(frm.Campo("3"));
    EXPECT_EQ(Texto(frm, "2H"), "16537,62");
    EXPECT_EQ(Texto(frm, "12H"), "3472,90");
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(guion.Mensajes[0].Texto.startsWith("«1.» no es un importe"));

    guion.Mensajes.clear();
    Enfocar(frm.Campo("2H"));
    QTest::keyClicks(&frm.Campo("2H"), "16.");
    QTest::keyClick(&frm.Campo("2H"), Qt::Key_F2);
    EXPECT_TRUE(frm.isVisible());
    EXPECT_TRUE(frm.SQLTemp.isEmpty());
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(guion.Mensajes[0].Texto.startsWith("«16.» no es un importe"));
    // Told once: leaving the box with that text only brings the amount back.
    Enfocar(frm.Campo("3"));
    EXPECT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_EQ(Texto(frm, "2H"), "16537,62");
    EXPECT_EQ(Texto(frm, "12H"), "3472,90");
}

} // namespace
