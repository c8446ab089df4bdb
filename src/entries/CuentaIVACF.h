#pragma once

#include <QString>

namespace ModNumeracion {

// The accounts a purchase posts its taxes and discounts to.
struct CuentasIVA {
    QString CuentaIVA;        // VAT credit
    QString CuentaIVARNI;     // second VAT account, VAT condition 2 only
    QString CuentaImpInterno; // internal taxes
    QString CuentaDescuento;  // discounts received
    QString CuentaPercIVA;    // VAT perception
    QString CuentaPercIB;     // gross-income perception
    QString CuentaPercGan;    // income-tax perception
    QString CuentaImpITC;     // column C_CFI_IMPITC, else the internal-tax account
};

// The accounts for VAT condition `CondIVA` and purchase motive `Motivo` (empty: none): the
// motive's row of V_TA_INPUT_COMPRAS first, then the first row of TA_CUENTASIVA for what is
// still empty, then the configuration keys "CuentaImpuestoInterno" and
// "CuentaDesCuentosRecibidos". Without a TA_CUENTASIVA row the keys are not read.
CuentasIVA CuentaIVACF(short CondIVA, const QString& Motivo);

} // namespace ModNumeracion
