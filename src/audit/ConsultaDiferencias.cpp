#include "audit/ConsultaDiferencias.h"

#include "platform/ado/TokenSql.h"
#include "session/ModGlobalUtilidades.h"

namespace {

void AgregarFiltro(QString& condicion, QLatin1StringView comparacion, const QString& valor) {
    if (!valor.isEmpty())
        condicion += comparacion + ado::DoblarApostrofos(valor) + QLatin1Char('\'');
}

// Either the header account or the line account in the range; an upper bound alone sets
// nothing, a lower bound alone runs to the highest possible code.
QString CondicionCuentas(const QString& desde, const QString& hasta) {
    if (desde.isEmpty())
        return {};
    const QString d = ado::DoblarApostrofos(desde);
    const QString h =
        hasta.isEmpty() ? QStringLiteral("999999999999999") : ado::DoblarApostrofos(hasta);
    return QLatin1String(" AND ((mv_asientos.cabCUENTA>='") + d +
           QLatin1String("' AND mv_asientos.cabCUENTA<='") + h +
           QLatin1String("') OR (mv_asientos.CUENTA>='") + d +
           QLatin1String("' AND mv_asientos.CUENTA<='") + h + QLatin1String("'))");
}

// The operator's "*" stands for SQL's "%".
QString CondicionNombre(const QString& nombre) {
    if (nombre.isEmpty())
        return {};
    if (!nombre.contains(QLatin1Char('*')) && !nombre.contains(QLatin1Char('%')))
        return QLatin1String(" AND mv_asientos.cabnombre = '") + ado::DoblarApostrofos(nombre) +
               QLatin1Char('\'');
    QString patron = nombre;
    patron.replace(QLatin1Char('*'), QLatin1Char('%'));
    return QLatin1String(" AND mv_asientos.cabnombre like '") + ado::DoblarApostrofos(patron) +
           QLatin1Char('\'');
}

QString CondicionEstados(const QStringList& estados) {
    if (estados.isEmpty())
        return {};
    return QLatin1String(" AND (") +
           ModGlobal::ArmarCondicion(QStringLiteral(" ISNULL(mv_asientos.estado,0)"),
                                     QStringLiteral("="), estados, QStringLiteral(" OR "),
                                     QString(), false, false) +
           QLatin1Char(')');
}

} // namespace

QString CondicionDiferencias(const FiltrosDiferencias& f) {
    QString c = QStringLiteral(
        " where mv_asientos.tc='NCPE' AND mv_asientos.SECUENCIA=1 and (conciliado = 0)");
    AgregarFiltro(c, QLatin1String(" AND mv_asientos.FECHA>='"), f.Fecha_Desde);
    AgregarFiltro(c, QLatin1String(" AND mv_asientos.FECHA<='"), f.Fecha_Hasta);
    c += CondicionCuentas(f.Cuenta_Desde, f.Cuenta_Hasta);
    c += CondicionNombre(f.NombreLike);
    AgregarFiltro(c, QLatin1String(" AND  mv_asientos.tc_origen='"), f.Tc_Origen);
    AgregarFiltro(c, QLatin1String(" AND  substring(mv_asientos.cpte_origen,1,4)='"), f.Suc_Origen);
    AgregarFiltro(c, QLatin1String(" AND  substring(mv_asientos.cpte_origen,5,8)='"),
                  f.Numero_Origen);
    AgregarFiltro(c, QLatin1String(" AND  substring(mv_asientos.cpte_origen,13,1)='"),
                  f.Letra_Origen);
    return c + CondicionEstados(f.Estados);
}

QString SentenciaDiferencias(const FiltrosDiferencias& filtros) {
    return QStringLiteral("Select fecha,tc_origen,Cpte_Origen,cabcuenta,cabnombre, importe, "
                          "tc,sucursal,numero,letra, ISNULL(Estado,0)AS ESTADO from mv_Asientos ") +
           CondicionDiferencias(filtros) + QStringLiteral(" order by FECHA desc");
}
