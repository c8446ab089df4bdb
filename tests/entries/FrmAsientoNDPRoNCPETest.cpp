#include "entries/FrmAsientoNDPRoNCPE.h"

#include "DemoNumeracion.h"
#include "platform/controls/Asistel.h"
#include "platform/forms/ArregloCajasTexto.h"
#include "platform/forms/CajaTexto.h"

#include <QComboBox>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

// The entry form on the demo company; each test uses a fresh window, as the modify link does.
class FormularioAsiento : public DemoNumeracion {
protected:
    void TearDown() override {
        Liberar<FrmAsientoNDPRoNCPE>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DemoNumeracion::TearDown();
    }
    FrmAsientoNDPRoNCPE& Cargar(const QString& idCpte) {
        FrmAsientoNDPRoNCPE& frm = Instancia<FrmAsientoNDPRoNCPE>();
        frm.CargarParaModificar(QStringLiteral("NCPE"), idCpte);
        return frm;
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
    EXPECT_EQ(Texto(frm, "12H"), "6218,3");
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

// Opening the form takes no voucher number, so nobody's reservation of one is released.
TEST_F(FormularioAsiento, AbrirNoBorraFilasDeControl) {
    const QVariant antes = Leer("SELECT COUNT(*) FROM V_MV_CTROL_CPTE");
    Cargar(QStringLiteral("000100000004X"));
    EXPECT_EQ(Leer("SELECT COUNT(*) FROM V_MV_CTROL_CPTE"), antes);
}

// Rows with no box of their own (a thirteenth row, or an ordinary twelfth row beside the VAT
// row) would be lost on saving: such an entry is refused before anything is shown.
TEST_F(FormularioAsiento, RechazaElAsientoQueNoCabe) {
    for (int secuencia = 5; secuencia <= 12; ++secuencia)
        Ejecutar(QStringLiteral("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, "
                                "FECHA, PERIODO, MES_OPERATIVO, CUENTA, [DEBE-HABER], IMPORTE) "
                                "VALUES ('NCPE', '0001', '00000004', 'X', %1, '2026-01-23', "
                                "2026, 1, '5210101', 'H', 1)")
                     .arg(secuencia));
    FrmAsientoNDPRoNCPE& frm = Cargar(QStringLiteral("000100000004X"));
    EXPECT_FALSE(frm.CargaCompleta());
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(guion.Mensajes[0].Texto.contains("no cabe en esta ventana"));
    EXPECT_TRUE(Texto(frm, "1D").isEmpty());
}

// The key of the entry reaches the query as text, whatever it holds.
TEST_F(FormularioAsiento, ClaveConApostrofeNoRompeLaConsulta) {
    FrmAsientoNDPRoNCPE& frm = Cargar(QStringLiteral("0001'0000004X"));
    EXPECT_TRUE(frm.CargaCompleta());
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_TRUE(Texto(frm, "1D").isEmpty());
}

} // namespace
