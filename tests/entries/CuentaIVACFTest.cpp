#include "entries/CuentaIVACF.h"

#include "entries/DemoNumeracion.h"

using namespace ModNumeracion;

namespace {

QString Todas(const CuentasIVA& c) {
    return Unidos(c.CuentaIVA, c.CuentaIVARNI, c.CuentaImpInterno, c.CuentaDescuento,
                  c.CuentaPercIVA, c.CuentaPercIB, c.CuentaPercGan, c.CuentaImpITC);
}

// Demo TA_CUENTASIVA: CFI_IVARI 1120201, CFI_IVARI1 1120202, CFI_IVARI2 and 3 empty,
// perceptions 1120204/5/6, no internal-tax account, discounts 4120101.
TEST_F(DemoNumeracion, CuentasIVASegunCondicion) {
    const QString comun = "|5220102|4120101|1120204|1120205|1120206|5220102";
    EXPECT_EQ(Todas(CuentaIVACF(1, "")), "1120201|" + comun);
    EXPECT_EQ(Todas(CuentaIVACF(2, "")), "1120201|1120202" + comun);
    // Condition 3 reads CFI_IVARI2, empty here: CFI_IVARI.
    EXPECT_EQ(Todas(CuentaIVACF(3, "")), "1120201|" + comun);
    Ejecutar("UPDATE TA_CUENTASIVA SET CFI_IVARI2 = '1120203'");
    EXPECT_EQ(CuentaIVACF(3, "").CuentaIVA, "1120203");
    EXPECT_EQ(CuentaIVACF(6, "").CuentaIVA, "1120203");
    EXPECT_EQ(CuentaIVACF(0, "").CuentaIVA, "1120201");
    EXPECT_TRUE(guion.Mensajes.empty());
}

TEST_F(DemoNumeracion, CuentasIVADelMotivoPrimero) {
    Ejecutar("INSERT INTO TA_INPUT_COMPRAS (IDMOTIVOCPRA, CONDIVA, CFI_IVARI, CFI_IVARNI, "
             "C_CFI_IMPINT, C_CFI_IMPITC) VALUES ('BONI', '   2', '', '1120299', '5220199', "
             "'5220198')");
    EXPECT_EQ(Todas(CuentaIVACF(2, "BONI")),
              "1120201|1120299|5220199|4120101|1120204|1120205|1120206|5220198");
    EXPECT_EQ(CuentaIVACF(1, "DPRE").CuentaPercGan, "1120206");
    EXPECT_EQ(CuentaIVACF(1, "O'X").CuentaIVA, "1120201");
    EXPECT_TRUE(guion.Mensajes.empty());
}

TEST_F(DemoNumeracion, CuentasIVASinTablaNiClaves) {
    Ejecutar("UPDATE TA_CUENTASIVA SET C_CFI_DESCUENTO = NULL");
    Ejecutar("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'CUENTADESCUENTOSRECIBIDOS'");
    EXPECT_EQ(CuentaIVACF(1, "").CuentaDescuento, " ");
    Ejecutar("DELETE FROM TA_CUENTASIVA");
    EXPECT_EQ(Todas(CuentaIVACF(1, "")), "|||||||");
}

} // namespace
