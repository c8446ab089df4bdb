#include "entries/NumeroComprobante.h"

#include "entries/DemoNumeracion.h"

using namespace ModNumeracion;

namespace {

struct Propuesta {
    QString suc, nro, letra;
    bool modifica = false;
    QString Pedir(const QString& tc, const QString& unegocio = "1") {
        Obtener_Nro_Comprobante(tc, suc, nro, letra, modifica, true, unegocio);
        return Unidos(suc, nro, letra);
    }
};

TEST_F(DemoNumeracion, NumeroComprobanteSuperaLoYaAsentado) {
    // Range 1 last issued 37, reserved but not booked yet: it stands. Once booked, the
    // number after the highest one booked.
    EXPECT_EQ(Propuesta().Pedir("NCPE"), "0001|00000037|X");
    Ejecutar("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, FECHA, PERIODO, "
             "MES_OPERATIVO, CUENTA, [DEBE-HABER]) VALUES ('NCPE', '0001', '00000037', 'X', 1, "
             "'2026-12-07 00:00:00', 2026, 12, '5110102', 'H'), ('NCPE', '0001', '00000057', "
             "'X', 1, '2026-12-07 00:00:00', 2026, 12, '5110102', 'H')");
    EXPECT_EQ(Propuesta().Pedir("NCPE"), "0001|00000058|X");
    // Branch 2 has issued none, and 00000001 is free there.
    EXPECT_EQ(Propuesta().Pedir("NCPE", "2"), "0002|00000001|X");
    // Trips: 14 is stored, and 15 too (typed by hand): the next one is 16.
    EXPECT_EQ(Propuesta().Pedir("VJ"), "0001|00000016|X");
    // 14 alone: stored and the highest, the proposal equal to it moves past it.
    Ejecutar("DELETE FROM MV_VIAJES WHERE NUMERO = '00000015'");
    EXPECT_EQ(Propuesta().Pedir("VJ"), "0001|00000015|X");
    Ejecutar("DELETE FROM MV_VIAJES WHERE NUMERO = '00000014'");
    EXPECT_EQ(Propuesta().Pedir("VJ"), "0001|00000014|X");
    // Orders: 136 was last issued but 137 is the highest stored.
    Ejecutar("INSERT INTO MV_CPTE (TC, SUCURSAL, NUMERO, LETRA, FECHA, CUENTA) VALUES "
             "('OC', '0001', '00000137', 'X', '2026-12-01 00:00:00', '211010101')");
    EXPECT_EQ(Leer("SELECT COUNT(*) FROM C_MV_CPTE WHERE TC = 'OC' AND NUMERO = '00000136'"), 1);
    EXPECT_EQ(Propuesta().Pedir("OC"), "0001|00000138|X");
    EXPECT_TRUE(guion.Mensajes.empty());
}

TEST_F(DemoNumeracion, NumeroComprobanteUsaLosTalonariosDelAlias) {
    // NDPR is numbered from the NCPE ranges, but checked against its own entries.
    EXPECT_EQ(ObtieneTCNumeracion("NDPR"), "NCPE");
    EXPECT_EQ(ObtieneTCNumeracion("NCPE "), "NCPE ");
    EXPECT_EQ(Propuesta().Pedir("NDPR"), "0001|00000037|X");
    Propuesta vacia;
    vacia.nro = "sin tocar";
    vacia.Pedir("");
    EXPECT_EQ(vacia.nro, "sin tocar");
}

TEST_F(DemoNumeracion, NumeroComprobanteBorraElControlDeLaClavePropuesta) {
    // A proposal not yet booked clears the control row of exactly its own key.
    const QString reservas = "SELECT COUNT(*) FROM V_MV_CTROL_CPTE";
    const QString propia = reservas + " WHERE TC = 'NCPE' AND NUMERO = '00000037'";
    const int antes = Leer(reservas).toInt();
    ASSERT_EQ(Leer(propia).toInt(), 1);
    EXPECT_EQ(Propuesta().Pedir("NCPE"), "0001|00000037|X");
    EXPECT_EQ(Leer(propia).toInt(), 0);
    EXPECT_EQ(Leer(reservas).toInt(), antes - 1);
    LiberarControlComprobante("NC'PE", "0001", "00000037", "X");
    EXPECT_EQ(DB_Dll::Instancia().gCnn.Errors().Count(), 0);
    // A control row that could not be cleared is an error of the caller's, not a success.
    Ejecutar("DROP TABLE V_MV_CTROL_CPTE");
    EXPECT_EQ(NumeroDeError([] { LiberarControlComprobante("NCPE", "0001", "00000037", "X"); }),
              ado::DB_E_NOTABLE_);
}

} // namespace
