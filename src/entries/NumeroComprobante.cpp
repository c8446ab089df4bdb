#include "entries/NumeroComprobante.h"

#include "entries/RegistracionContable.h"
#include "entries/Talonarios.h"
#include "platform/ado/Recordset.h"
#include "platform/errors/Procedimiento.h"
#include "platform/runtime/Currency.h"
#include "platform/runtime/Numeros.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/runtime/Variantes.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"
#include "session/DialogoErrores.h"
#include "session/ModGlobal.h"

#include <QStringList>

namespace ModNumeracion {
namespace {

QString Sql(const QString& valor) {
    return DB_Dll::Instancia().SQLValue(valor);
}

QString OchoDigitos(const Currency& numero) {
    return QStringLiteral("%1").arg(qlonglong(vb::CLng(numero)), 8, 10, QChar(u'0'));
}

// The largest value of the query's ULTIMO column; Null when there is none.
QVariant Ultimo(QString sql) {
    DB_Dll& db = DB_Dll::Instancia();
    ado::Recordset rs;
    if (!db.AbrirRecordset(sql, rs))
        SalirDelProcedimiento();
    const QVariant ultimo = rs.Bof() ? QVariant() : rs.Fields(QStringLiteral("Ultimo")).Value();
    db.CierraRecordset(rs);
    return ultimo;
}

bool Existe(QString sql) {
    DB_Dll& db = DB_Dll::Instancia();
    ado::Recordset rs;
    if (!db.AbrirRecordset(sql, rs))
        SalirDelProcedimiento();
    const bool existe = !rs.Bof();
    db.CierraRecordset(rs);
    return existe;
}

// The number after the highest stored key of the branch and letter, when the proposal is not
// above it.
void SuperarClaves(const QString& tabla, const QString& TC, const QString& Sucursal,
                   QString& Numero, const QString& Letra) {
    const QVariant ultimo =
        Ultimo("SELECT MAX(idcomprobante) AS ULTIMO From " + tabla + " WHERE TC = " + Sql(TC) +
               " AND SUBSTRING(IDCOMPROBANTE,1,4)= " + Sql(Sucursal) +
               " AND SUBSTRING(IDCOMPROBANTE,13,1) = " + Sql(Letra));
    if (vb::IsNull(ultimo))
        return;
    const UtilGeneral& util = UtilGeneral::Instancia();
    const Currency mayor = util.ValorMoneda(vb::Mid(vb::ValorTexto(ultimo), 5, 8));
    if (mayor >= util.ValorMoneda(Numero))
        Numero = OchoDigitos(mayor + Currency::DesdeEntero(1));
}

void RutaClaves(const QString& tabla, const QString& TC, const QString& Sucursal, QString& Numero,
                const QString& Letra) {
    if (Existe("SELECT * From " + tabla + " WHERE TC = " + Sql(TC) +
               " AND IDCOMPROBANTE = " + Sql(Sucursal + Numero + Letra)))
        SuperarClaves(tabla, TC, Sucursal, Numero, Letra);
}

// A number already booked moves past the highest number booked for the branch and letter.
void RutaAsientos(const QString& TC, const QString& Sucursal, QString& Numero,
                  const QString& Letra) {
    const QVariant ultimo =
        Ultimo("SELECT MAX(NUMERO) AS ULTIMO From MV_ASIENTOS WHERE TC = " + Sql(TC) +
               " AND SUCURSAL= " + Sql(Sucursal) + " AND LETRA = " + Sql(Letra));
    if (vb::IsNull(ultimo)) {
        Numero = QStringLiteral("00000001");
        return;
    }
    Numero = OchoDigitos(UtilGeneral::Instancia().ValorMoneda(vb::ValorTexto(ultimo)) +
                         Currency::DesdeEntero(1));
    if (vb::UCase(vb::Trim(TC)) == QStringLiteral("CBFP"))
        SuperarClaves(QStringLiteral("V_MV_CPTE"), TC, Sucursal, Numero, Letra);
}

void RutaOrdenes(const QString& TC, const QString& Sucursal, QString& Numero,
                 const QString& Letra) {
    if (!Existe("SELECT * From C_MV_CPTE WHERE TC = " + Sql(TC) +
                " AND IDCOMPROBANTE = " + Sql(Sucursal + Numero + Letra)))
        return;
    const QVariant ultimo =
        Ultimo("SELECT MAX(NUMERO) AS ULTIMO From C_MV_CPTE WHERE TC = " + Sql(TC) +
               " AND SUCURSAL = " + Sql(Sucursal) +
               " AND NUMERO < '99999999' AND LETRA = " + Sql(Letra) + ' ');
    Numero = vb::IsNull(ultimo)
                 ? QStringLiteral("00000001")
                 : OchoDigitos(UtilGeneral::Instancia().ValorMoneda(vb::ValorTexto(ultimo)) +
                               Currency::DesdeEntero(1));
}

void Verificar(const QString& TC, const QString& Sucursal, QString& Numero, const QString& Letra,
               bool LiberarControl) {
    const QString tipo = vb::UCase(vb::Trim(TC));
    if (tipo == QStringLiteral("VJ"))
        return RutaClaves(QStringLiteral("MV_VIAJES"), TC, Sucursal, Numero, Letra);
    if (UtilGeneral::Instancia().EstaEnLista(tipo, {"AJP", "AJN", "VS", "IR"}))
        return RutaClaves(QStringLiteral("V_MV_STOCK"), TC, Sucursal, Numero, Letra);
    QString asiento;
    if (ObtieneAsientoComprobante(TC, Sucursal, Numero, Letra, asiento))
        return RutaAsientos(TC, Sucursal, Numero, Letra);
    if (tipo == QStringLiteral("OC"))
        return RutaOrdenes(TC, Sucursal, Numero, Letra);
    if (LiberarControl &&
        !UtilGeneral::Instancia().EstaEnLista(tipo, {"OPG", "PG", "FC", "NC", "ND", "NP", "GF",
                                                     "PR", "RM", "TK", "TKFC", "FP", "SI", "TRP"}))
        LiberarControlComprobante(TC, Sucursal, Numero, Letra);
}

} // namespace

QString ObtieneTCNumeracion(const QString& TC) {
    const QString alias = vb::Trim(ModGlobal::Cfg("NUM_" + vb::Trim(TC)));
    return alias.isEmpty() ? TC : alias;
}

void Obtener_Nro_Comprobante(const QString& TC, QString& Sucursal, QString& Numero, QString& Letra,
                             bool& ModificaNumeracion, bool Validar, const QString& UNegocio,
                             bool LiberarControl) {
    if (TC.isEmpty())
        return;
    EjecutarPasos(QStringLiteral("Obtener_Nro_Comprobante"), TratarConDialogo,
                  {[&] {
                       Obtener_Nro_Comprobante_Contable(ObtieneTCNumeracion(TC), Sucursal, Numero,
                                                        Letra, ModificaNumeracion, UNegocio);
                   },
                   [&] {
                       if (Validar)
                           Verificar(TC, Sucursal, Numero, Letra, LiberarControl);
                   }});
}

void LiberarControlComprobante(const QString& TC, const QString& Sucursal, const QString& Numero,
                               const QString& Letra) {
    QString sql = "DELETE V_MV_CTROL_CPTE WHERE TC = " + Sql(TC) +
                  " AND SUCURSAL = " + Sql(Sucursal) + " AND NUMERO = " + Sql(Numero) +
                  " AND LETRA = " + Sql(Letra);
    DB_Dll& db = DB_Dll::Instancia();
    db.EjecutaConsultaSQL(sql);
    // A control row left in place holds the number: the caller's trap tells the user, once.
    if (db.gCnn.Errors().Count() > 0 && DB_Dll::LoInformaElLlamador(db.gCnn.Errors().Item(0)))
        throw ErrorEjecucion(db.gCnn.Errors().Item(0).Number, db.gCnn.Errors().Item(0).Description);
}

} // namespace ModNumeracion
