#include "session/ClaveCentros.h"

#include "session/DB_Dll.h"

QString ClaveCentros::Condicion() const {
    const DB_Dll& db = DB_Dll::Instancia();
    const QString numero = QStringLiteral("@");
    return "PERIODO = " + db.SQLValue(Periodo, numero) +
           " AND MES_OPERATIVO = " + db.SQLValue(Mes, numero) +
           " AND [NUMERO ASIENTO] = " + db.SQLValue(NumeroAsiento, numero) +
           " AND TIPO_REG = " + db.SQLValue(TipoReg);
}
