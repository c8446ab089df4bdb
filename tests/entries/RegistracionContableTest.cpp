#include "entries/RegistracionContable.h"

#include "entries/DemoNumeracion.h"

using namespace ModNumeracion;

namespace {

TEST_F(DemoNumeracion, TipoRegistracionDelComprobante) {
    EXPECT_EQ(ObtieneTipoRegCont(" NCPE "), "CPRA");
    // No assignment, an assignment to a subdiary that does not exist, and a blank one.
    EXPECT_EQ(ObtieneTipoRegCont("VJ"), "    ");
    Ejecutar("INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, SUBDIARIO) VALUES ('IR', 'XXXX')");
    EXPECT_EQ(ObtieneTipoRegCont("IR"), "    ");
    Ejecutar("INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, SUBDIARIO) VALUES ('VS', NULL)");
    EXPECT_EQ(ObtieneTipoRegCont("VS"), "    ");
    EXPECT_EQ(ObtieneTipoRegCont("N'C"), "    ");
    EXPECT_TRUE(guion.Mensajes.empty());
}

TEST_F(DemoNumeracion, ProximoNumeroDeAsientoPorMesPeriodoYTipo) {
    Ejecutar("DELETE FROM MV_ASIENTOS");
    EXPECT_EQ(ValidaTCRegistraciones(3, "2026", "CPRA"), 1);
    const QString linea =
        "INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, FECHA, PERIODO, "
        "MES_OPERATIVO, [NUMERO ASIENTO], TIPO_REG, CUENTA, [DEBE-HABER], IMPORTE) VALUES "
        "('AS', '0001', '%1', 'X', 1, '2026-03-10 00:00:00', 2026, 3, %2, '%3', '1110101', 'D', "
        "1)";
    Ejecutar(linea.arg("00000001").arg(41).arg("CPRA"));
    Ejecutar(linea.arg("00000002").arg(7).arg(""));
    Ejecutar(linea.arg("00000003").arg(9).arg(QChar(0xFF) + QString("RS")));
    Ejecutar(linea.arg("00000004").arg(99).arg("VTAS"));
    EXPECT_EQ(ValidaTCRegistraciones(3, "2026/A", " CPRA "), 42);
    EXPECT_EQ(ValidaTCRegistraciones(3, 2026, "    "), 10);
    EXPECT_EQ(ValidaTCRegistraciones(3, 2026), 10);
    EXPECT_EQ(ValidaTCRegistraciones(4, 2026, "CPRA"), 1);
    EXPECT_EQ(ValidaTCRegistraciones(3, 2026, "CP'R"), 1);
    EXPECT_TRUE(guion.Mensajes.empty());
}

TEST_F(DemoNumeracion, AsientoDelComprobante) {
    QString asiento = "sin tocar";
    EXPECT_FALSE(ObtieneAsientoComprobante("oc", "0001", "00000136", "X", asiento));
    EXPECT_FALSE(ObtieneAsientoComprobante("NCPE", "0001", "99999999", "X", asiento));
    EXPECT_EQ(asiento, "sin tocar");
    EXPECT_TRUE(ObtieneAsientoComprobante("NCPE", "0001", "00000001", "X", asiento));
    EXPECT_EQ(asiento, "11 - 000002");
    // Only lines on the account count.
    EXPECT_FALSE(ObtieneAsientoComprobante("NCPE", "0001", "00000001", "X", asiento, "9999"));
    EXPECT_TRUE(ObtieneAsientoComprobante("NCPE", "0001", "00000001", "X", asiento, "1120201"));
    EXPECT_FALSE(ObtieneAsientoComprobante("NCPE", "0001", "00000001", "X", asiento, "D'A"));
    Ejecutar("UPDATE MV_ASIENTOS SET [NUMERO ASIENTO] = NULL WHERE TC = 'NCPE' AND "
             "NUMERO = '00000002'");
    EXPECT_TRUE(ObtieneAsientoComprobante("NCPE", "0001", "00000002", "X", asiento));
    EXPECT_EQ(asiento, "12 - ");
}

} // namespace
