#pragma once

#include <QString>

// A journal entry's key in the cost-centre table (MV_ASIENTOSCCOSTO), as stored with it.
struct ClaveCentros {
    QString Periodo, Mes, NumeroAsiento, TipoReg;

    // "PERIODO = 2026 AND MES_OPERATIVO = 1 AND [NUMERO ASIENTO] = 4 AND TIPO_REG = 'CPRA'":
    // the numbers bare, the type quoted.
    QString Condicion() const;
};
