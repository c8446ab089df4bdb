#include "cost_centres/ClsCCosto.h"
#include "cost_centres/FrmConfirmaCCosto.h"
#include "entries/FrmAsientoNDPRoNCPE.h"
#include "platform/forms/CajaTexto.h"
#include "session/DemoModGlobal.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class LoteConCentros : public DemoConectada {
protected:
    void TearDown() override {
        ClsCCosto::CrearConfirmacion = nullptr;
        Liberar<FrmAsientoNDPRoNCPE>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DemoConectada::TearDown();
    }
};

// The entry form's own batch goes to the split: the lines of split accounts are found whole
// (a concept with a comma and an apostrophe before the currency), and the confirmed rows,
// run on the database, carry each line's own SECUENCIA, entry number and amount.
TEST_F(LoteConCentros, ElLoteDelFormularioLlegaALasFilasDeCentros) {
    ModGlobal::Valores.UNegocio = QStringLiteral("   1");
    FrmAsientoNDPRoNCPE& f = Instancia<FrmAsientoNDPRoNCPE>();
    f.CargarParaModificar("NCPE", "000100000004X");
    ASSERT_EQ(f.Campo("3").Text(), "5210101");
    f.Campo("2").SetText("5210102");
    f.Campo("CONCEPTO").SetText("Fletes, D'Angelo");
    f.ActualizarDatos();
    ASSERT_TRUE(guion.Mensajes.empty());

    ClsCCosto c;
    ASSERT_TRUE(c.HayCuentasCC(f.SQLTemp.split('\r', Qt::SkipEmptyParts)));
    const auto& p = c.PendientesCC();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[1].Cuenta + "|" + p[1].Secuencia + "|" + p[1].Importe.ATexto() + "|" + p[1].DH,
              "5210102|2|20727,66|H");
    EXPECT_EQ(p[2].Cuenta + "|" + p[2].Secuencia + "|" + p[2].Importe.ATexto() + "|" + p[2].Moneda,
              "5210101|3|8883,29|   1");
    EXPECT_EQ(p[1].NumeroAsiento, f.AstNumero.trimmed());

    InstalarConfirmacionCCosto();
    guion.AccionesModales.push_back([](QWidget& w) {
        QTest::mouseClick(static_cast<FrmConfirmaCCosto&>(w).CmdAceptar, Qt::LeftButton);
    });
    QString script = c.SCriptCCosto(true, {});
    EXPECT_EQ(guion.VentanasModales.size(), 1u)
        << "5210101 is stored complete and needs no confirmation";
    Ejecutar("DELETE FROM MV_ASIENTOSCCOSTO");
    DB_Dll::Instancia().EjecutaConsultaSQL(script);
    ASSERT_EQ(DB_Dll::Instancia().gCnn.Errors().Count(), 0) << script.toStdString();
    EXPECT_EQ(Filas("SELECT CUENTA, SECUENCIA, [NUMERO ASIENTO], SUM(IMPORTE) FROM "
                    "MV_ASIENTOSCCOSTO GROUP BY CUENTA, SECUENCIA, [NUMERO ASIENTO] ORDER BY "
                    "SECUENCIA"),
              QStringList({"5210102|2|" + f.AstNumero.trimmed() + "|20727.66",
                           "5210101|3|" + f.AstNumero.trimmed() + "|8883.29"}));
}

} // namespace
