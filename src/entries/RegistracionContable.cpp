#include "entries/RegistracionContable.h"

#include "platform/ado/Recordset.h"
#include "platform/errors/Procedimiento.h"
#include "platform/runtime/Numeros.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/runtime/Variantes.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"
#include "session/DialogoErrores.h"

namespace ModNumeracion {
namespace {

QString Campo(ado::Recordset& rs, const QString& nombre) {
    return UtilGeneral::Instancia().ValorCampo(rs.Fields(nombre).Value());
}

// A number written with `ancho` digits; an empty value stays empty.
QString ConCeros(const QString& valor, int ancho) {
    if (valor.isEmpty())
        return {};
    return QStringLiteral("%1").arg(qlonglong(vb::Val(valor)), ancho, 10, QChar(u'0'));
}

} // namespace

QString ObtieneTipoRegCont(const QString& TC) {
    DB_Dll& db = DB_Dll::Instancia();
    const QString sinTipo = QStringLiteral("    ");
    QString resultado;
    QString subdiario;
    ado::Recordset rs;
    EjecutarPasos(QStringLiteral("ObtieneTipoRegCont$"), TratarConDialogo,
                  {[&] {
                       QString sql =
                           "SELECT * FROM MA_SUBDIARIOSCOMPROBANTES WHERE TC = " +
                           db.SQLValue(UtilGeneral::Instancia().Rellenar(vb::Trim(TC), 4));
                       if (!db.AbrirRecordset(sql, rs))
                           SalirDelProcedimiento();
                       resultado = sinTipo;
                       if (rs.Bof())
                           SalirDelProcedimiento();
                       // A type whose subdiary is left blank (or Null) is booked under none.
                       subdiario = Campo(rs, QStringLiteral("Subdiario"));
                       if (vb::Trim(subdiario).isEmpty())
                           SalirDelProcedimiento();
                   },
                   [&] {
                       QString sql =
                           "SELECT * FROM MA_SUBDIARIOS WHERE CODIGO = " + db.SQLValue(subdiario);
                       if (!db.AbrirRecordset(sql, rs))
                           SalirDelProcedimiento();
                       if (!rs.Bof())
                           resultado = subdiario;
                   }});
    return resultado;
}

long ValidaTCRegistraciones(const QVariant& Mes, const QVariant& Periodo, const QVariant& TipoReg) {
    DB_Dll& db = DB_Dll::Instancia();
    long resultado = 0;
    ado::Recordset rs;
    EjecutarPasos(QStringLiteral("ValidaTCRegistraciones"), TratarConDialogo,
                  {[&] {
                       const QString mes = QString::number(vb::CLng(Mes));
                       const QString periodo =
                           QString::number(vb::Val(vb::ValorTexto(Periodo)), 'g', 15);
                       const QString tipo = vb::Trim(vb::ValorTexto(TipoReg));
                       const QString condicionTipo =
                           tipo.isEmpty()
                               ? " AND (TIPO_REG = " + db.SQLValue(QChar(0xFF) + QString("RS")) +
                                     " OR TIPO_REG = '')"
                               : " AND TIPO_REG = " + db.SQLValue(tipo);
                       QString sql = "SELECT MAX([NUMERO ASIENTO]) AS [NRO_ASIENTO] FROM "
                                     "@ADMIN_MV_ASIENTOS WHERE MES_OPERATIVO = " +
                                     mes + condicionTipo + " AND PERIODO = " + periodo;
                       if (!db.AbrirRecordset(sql, rs, &db.gCnn))
                           SalirDelProcedimiento();
                   },
                   [&] {
                       const QVariant ultimo =
                           rs.Bof() ? QVariant() : rs.Fields(QStringLiteral("Nro_Asiento")).Value();
                       resultado = vb::IsNull(ultimo) ? 1 : vb::CLng(ultimo) + 1;
                   },
                   [&] { db.CierraRecordset(rs); }});
    return resultado;
}

bool ObtieneAsientoComprobante(const QString& TC, const QString& Sucursal, const QString& Numero,
                               const QString& Letra, QString& Asiento, const QString& Cuenta) {
    if (vb::UCase(TC) == QStringLiteral("OC"))
        return false;
    DB_Dll& db = DB_Dll::Instancia();
    const QString porCuenta = Cuenta.isEmpty() ? QString() : " AND CUENTA = " + db.SQLValue(Cuenta);
    QString sql = "SELECT * FROM MV_ASIENTOS WHERE TC = " +
                  db.SQLValue(UtilGeneral::Instancia().Rellenar(TC, 4)) +
                  " AND SUCURSAL = " + db.SQLValue(Sucursal) +
                  " AND NUMERO = " + db.SQLValue(Numero) + " AND LETRA = " + db.SQLValue(Letra) +
                  porCuenta;
    ado::Recordset rs;
    if (!db.AbrirRecordset(sql, rs))
        SalirDelProcedimiento();
    if (rs.Bof())
        return false;
    Asiento = ConCeros(Campo(rs, QStringLiteral("Mes_Operativo")), 2) + " - " +
              ConCeros(Campo(rs, QStringLiteral("numero asiento")), 6);
    return true;
}

} // namespace ModNumeracion
