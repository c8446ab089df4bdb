#include "entries/CuentaIVACF.h"

#include "platform/ado/Recordset.h"
#include "platform/errors/Procedimiento.h"
#include "platform/runtime/Texto.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"
#include "session/DialogoErrores.h"
#include "session/ModGlobal.h"

namespace ModNumeracion {
namespace {

QString Columna(ado::Recordset& rs, const char* nombre) {
    return vb::Trim(UtilGeneral::Instancia().ValorCampo(rs.Fields(QLatin1String(nombre)).Value()));
}

void SiVacia(QString& cuenta, const QString& valor) {
    if (cuenta.isEmpty())
        cuenta = valor;
}

void DesdeMotivo(ado::Recordset& rs, short CondIVA, CuentasIVA& c) {
    c.CuentaIVA = Columna(rs, "CFI_IVARI");
    c.CuentaIVARNI = CondIVA == 2 ? Columna(rs, "CFI_IVARNI") : QString();
    c.CuentaPercIVA = Columna(rs, "C_CFI_PERCIVA");
    c.CuentaPercIB = Columna(rs, "C_CFI_PERCIB");
    c.CuentaPercGan = Columna(rs, "C_CFI_PERCGAN");
    c.CuentaImpInterno = Columna(rs, "C_CFI_IMPINT");
    c.CuentaImpITC = Columna(rs, "C_CFI_IMPITC");
    c.CuentaDescuento = Columna(rs, "C_CFI_DESCUENTO");
}

// The column of TA_CUENTASIVA that holds the VAT credit account of each condition.
const char* ColumnaIVA(short CondIVA) {
    switch (CondIVA) {
    case 3:
    case 6:
        return "CFI_IVARI2";
    case 5:
        return "CFI_IVARI3";
    default:
        return "CFI_IVARI";
    }
}

void DesdeTabla(ado::Recordset& rs, short CondIVA, CuentasIVA& c) {
    if (CondIVA >= 1 && CondIVA <= 7) {
        SiVacia(c.CuentaIVA, Columna(rs, ColumnaIVA(CondIVA)));
        if (CondIVA == 2)
            SiVacia(c.CuentaIVARNI, Columna(rs, "CFI_IVARI1"));
        else
            c.CuentaIVARNI.clear();
    }
    if (vb::Trim(c.CuentaIVA).isEmpty())
        c.CuentaIVA = Columna(rs, "CFI_IVARI");
    SiVacia(c.CuentaPercIVA, Columna(rs, "C_CFI_PERCIVA"));
    SiVacia(c.CuentaPercIB, Columna(rs, "C_CFI_PERCIB"));
    SiVacia(c.CuentaPercGan, Columna(rs, "C_CFI_PERCGAN"));
    SiVacia(c.CuentaImpInterno, Columna(rs, "C_CFI_IMPINT"));
    SiVacia(c.CuentaImpITC, c.CuentaImpInterno);
    SiVacia(c.CuentaDescuento, Columna(rs, "C_CFI_DESCUENTO"));
}

void DesdeConfiguracion(CuentasIVA& c) {
    if (vb::Trim(c.CuentaImpInterno).isEmpty())
        c.CuentaImpInterno = ModGlobal::Cfg(QStringLiteral("CuentaImpuestoInterno"));
    if (vb::Trim(c.CuentaImpITC).isEmpty())
        c.CuentaImpITC = c.CuentaImpInterno;
    if (vb::Trim(c.CuentaDescuento).isEmpty())
        c.CuentaDescuento = ModGlobal::Cfg(QStringLiteral("CuentaDesCuentosRecibidos"));
}

} // namespace

CuentasIVA CuentaIVACF(short CondIVA, const QString& Motivo) {
    DB_Dll& db = DB_Dll::Instancia();
    const UtilGeneral& util = UtilGeneral::Instancia();
    CuentasIVA cuentas;
    ado::Recordset rs;
    EjecutarPasos(QStringLiteral("CuentaIVACF"), TratarConDialogo,
                  {[&] {
                       if (Motivo.isEmpty())
                           return;
                       QString sql = "SELECT * FROM V_TA_INPUT_COMPRAS WHERE IDMOTIVOCPRA = " +
                                     db.SQLValue(util.Rellenar(vb::Trim(Motivo), 4)) +
                                     " AND CONDIVA = " +
                                     db.SQLValue(util.Rellenar(QString::number(CondIVA), 4));
                       if (!db.AbrirRecordset(sql, rs))
                           SalirDelProcedimiento();
                       if (!rs.Bof())
                           DesdeMotivo(rs, CondIVA, cuentas);
                   },
                   [&] {
                       QString sql = QStringLiteral("SELECT * FROM TA_CUENTASIVA");
                       if (!db.AbrirRecordset(sql, rs) || rs.Bof())
                           SalirDelProcedimiento();
                       DesdeTabla(rs, CondIVA, cuentas);
                   },
                   [&] { DesdeConfiguracion(cuentas); }});
    return cuentas;
}

} // namespace ModNumeracion
