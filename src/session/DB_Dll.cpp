#include "session/DB_Dll.h"

#include "platform/ado/AdoTipos.h"
#include "platform/ado/TokenSql.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/ErrorEnCurso.h"
#include "platform/errors/Procedimiento.h"
#include "platform/runtime/Currency.h"
#include "platform/runtime/ErrorVb.h"
#include "platform/runtime/Numeros.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/runtime/Variantes.h"
#include "platform/suite/RegistroErrores.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DialectoOracle.h"

#include <QSet>
#include <algorithm>
#include <optional>
#include <vector>

using vb::InStr;
using vb::Trim;

namespace {

std::unique_ptr<DB_Dll>& Ranura() {
    static std::unique_ptr<DB_Dll> instancia;
    return instancia;
}

bool Contiene(const QString& texto, const QString& buscado) {
    return InStr(texto, buscado) > 0;
}

// Whether the batch begins or ends a transaction: BEGIN TRAN[SACTION], COMMIT, ROLLBACK or SAVE
// TRAN[SACTION] as words of the SQL itself. The same letters in a value, a name or a comment
// ('TRANSPORTE', TRANSITO, "-- ROLLBACK") are none. A batch with a literal left unclosed is
// judged by what comes before it.
bool AbreOCierraTransaccion(const QString& sql) {
    const ado::TokensSql t = ado::TokenizarHastaLoSinCerrar(sql);
    for (int i = ado::Siguiente(t, -1); i >= 0; i = ado::Siguiente(t, i)) {
        const int sig = ado::Siguiente(t, i);
        const bool tran = sig >= 0 && (t[sig].EsPalabra("TRAN") || t[sig].EsPalabra("TRANSACTION"));
        if (t[i].EsPalabra("COMMIT") || t[i].EsPalabra("ROLLBACK") ||
            ((t[i].EsPalabra("BEGIN") || t[i].EsPalabra("SAVE")) && tran))
            return true;
    }
    return false;
}

// The provider's own failures the operator never needs to see from EjecutaConsultaSQL: the
// caller reads them in Errors and reports them in its own words.
bool ErrorHabitualDelProveedor(long numero) {
    return numero == ado::E_FAIL_ || numero == ado::DB_E_ERRORSINCOMMAND_ ||
           numero == ado::DB_E_NOTABLE_ || numero == ado::DB_E_INTEGRITYVIOLATION_;
}

constexpr long kSinResultado = 265929; // DB_S_NORESULT
constexpr int kAbortarReintentarIgnorarCritico = vbAbortRetryIgnore + vbCritical;

// The lookups show the bare description and let the operator choose.
AccionError AvisoAlOperador(const ErrorEjecucion& error, const QString&) {
    return ComoAccionError(
        MsgBox(error.Description(), kAbortarReintentarIgnorarCritico, "Aviso al Operador"));
}

} // namespace

// ---- Lifetime ---------------------------------------------------------------------------

DB_Dll& DB_Dll::Instancia() {
    std::unique_ptr<DB_Dll>& instancia = Ranura();
    if (!instancia)
        instancia.reset(new DB_Dll);
    return *instancia;
}

void DB_Dll::Liberar() {
    Ranura().reset();
}

bool DB_Dll::Existe() {
    return Ranura() != nullptr;
}

// ---- Per-user synonyms and value quoting ------------------------------------------------

namespace {

struct Sinonimo {
    QString tabla;
    QString reemplazo;
    bool tambienTrasLlave; // report formulas write "{MA_CUENTAS.CAMPO}"
};

bool CaracterDeNombre(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

bool LimiteAntes(const QString& sql, qsizetype i, bool tambienTrasLlave) {
    if (i == 0)
        return true;
    const QChar c = sql.at(i - 1);
    if (c == u'{')
        return tambienTrasLlave;
    return !CaracterDeNombre(c) && c != u'.';
}

bool LimiteDespues(const QString& sql, qsizetype fin) {
    return fin >= sql.size() || !CaracterDeNombre(sql.at(fin));
}

// Which characters of the text lie inside string literals, as the tokenizer reads them: an
// apostrophe in a comment or a bracketed name opens none. A text it cannot read (an unclosed
// literal) fails at the provider anyway; it is taken as holding no literal, so every name in
// it is restricted.
std::vector<bool> EnLiterales(const QString& sql) {
    std::vector<bool> enLiteral(size_t(sql.size()), false);
    ado::TokensSql tokens;
    if (IgnorarErrores({[&] { tokens = ado::Tokenizar(sql); }}).Error)
        return enLiteral;
    qsizetype inicio = 0;
    for (const ado::TokenSql& token : tokens) {
        if (token.tipo == ado::TokenSql::Cadena)
            std::fill_n(enLiteral.begin() + inicio, token.texto.size(), true);
        inicio += token.texto.size();
    }
    return enLiteral;
}

// Every whole-word occurrence of the table outside quoted literals takes the synonym's
// name, wherever it stands: after a blank, a tab, a line break or "(", at the very end...
// A name glued to a longer one (SS_MA_CUENTAS, @Admin_MA_CUENTAS, MA_CUENTASADIC) stays.
QString SustituirTabla(const QString& sql, const Sinonimo& s) {
    QString resultado;
    resultado.reserve(sql.size() + 16);
    const std::vector<bool> enLiteral = EnLiterales(sql);
    for (qsizetype i = 0; i < sql.size();) {
        const qsizetype fin = i + s.tabla.size();
        if (!enLiteral[size_t(i)] &&
            QStringView(sql).mid(i).startsWith(s.tabla, Qt::CaseInsensitive) &&
            LimiteAntes(sql, i, s.tambienTrasLlave) && LimiteDespues(sql, fin)) {
            resultado += s.reemplazo;
            i = fin;
            continue;
        }
        resultado += sql.at(i);
        ++i;
    }
    return resultado;
}

const QString kPrefijoAdmin = QStringLiteral("@Admin_");

// The administrator's prefix goes from names only: inside a literal it is part of a value
// ('@Admin_x' must still match itself). A text the tokenizer cannot read (an unclosed
// literal) fails at the provider anyway; it loses the prefix everywhere, as it always did.
QString QuitarPrefijoAdmin(const QString& sql) {
    ado::TokensSql tokens;
    if (IgnorarErrores({[&] { tokens = ado::Tokenizar(sql); }}).Error)
        return vb::Replace(sql, kPrefijoAdmin, QString());
    for (ado::TokenSql& token : tokens)
        if (token.tipo != ado::TokenSql::Cadena)
            token.texto = vb::Replace(token.texto, kPrefijoAdmin, QString());
    return ado::Unir(tokens);
}

} // namespace

QString DB_Dll::SS_TSinonimos(const QString& SQL) const {
    if (gEsAdmin)
        return QuitarPrefijoAdmin(SQL);
    static const Sinonimo maCuentas{"MA_CUENTAS", "SS_MA_CUENTAS", true};
    static const Sinonimo resto[] = {
        {"V_TA_DEPOSITO", "SS_V_TA_DEPOSITO", false},
        {"MV_ASIENTOS", "SS_MV_ASIENTOS", false},
        {"V_TA_FAMILIAS", "SS_V_TA_FAMILIAS", false},
        {"V_TA_CAJAS", "SS_V_TA_CAJAS", false},
        {"AC_CUENTASDIARIO", "SS_AC_CUENTASDIARIO", false},
        // The database object is spelt with an underscore the table name lacks.
        {"AC_CUENTASDIARIO_CCOSTO", "SS_AC_CUENTAS_DIARIO_CCOSTO", false},
    };
    QString sql = SustituirTabla(SQL, maCuentas);
    for (const Sinonimo& s : resto)
        sql = SustituirTabla(sql, s);
    return QuitarPrefijoAdmin(sql);
}

QString DB_Dll::SQLValue(const QVariant& Valor, const QString& Tipo) const {
    const bool nulo = vb::IsNull(Valor);
    const bool importe = Tipo == QLatin1String("@");
    if (nulo)
        return importe ? QStringLiteral("0") : QStringLiteral("NULL");
    if (importe) {
        const UtilGeneral& util = UtilGeneral::Instancia();
        const Currency monto = util.ValorMoneda(vb::ValorTexto(Valor));
        return util.Reemplazar(monto.ATexto(), QStringLiteral(","), QStringLiteral("."));
    }
    const QString cuerpo = vb::ValorTexto(Valor);
    if (Tipo == QLatin1String("'"))
        return u'\'' + ado::DoblarApostrofos(cuerpo) + u'\'';
    return cuerpo;
}

// ---- Statement execution and the Oracle dialect -----------------------------------------

void DB_Dll::EjecutaConsultaSQL(QString& SentenciaSQL) {
    long afectados = 0;
    EjecutaConsultaSQL(SentenciaSQL, afectados);
}

void DB_Dll::EjecutaConsultaSQL(QString& SentenciaSQL, long& RecordsAffected) {
    if (Contiene(SentenciaSQL, "DROP") && Contiene(SentenciaSQL, "CREATE") &&
        !Contiene(SentenciaSQL, "DELETE") && !Contiene(SentenciaSQL, "@ADMIN_"))
        SentenciaSQL = SS_TSinonimos(SentenciaSQL);
    else
        SentenciaSQL = QuitarPrefijoAdmin(SentenciaSQL);

    // A batch the caller wraps in a transaction is the caller's to report. The text is read
    // before the run: on Oracle the run leaves only the part of the script that did not run.
    const bool conTransaccion = AbreOCierraTransaccion(SentenciaSQL);
    std::optional<ErrorEjecucion> error;
    if (Contiene(gCnn.ConnectionString(), "ORACLE")) {
        try {
            EjecutaScriptSQL(SentenciaSQL, RecordsAffected);
        } catch (const std::exception&) {
            error = ErrorEnCurso();
        }
        // Callers judge by Errors alone: a failure raised before the provider spoke (a literal
        // never closed, a closed connection) must be there too, or a half-run batch commits.
        if (error && gCnn.Errors().Count() == 0)
            gCnn.Errors().Add(
                ado::ErrorDe(error->Source(), error->Number(), 0, QString(), error->Description()));
    } else {
        gCnn.Execute(SentenciaSQL, &RecordsAffected, -1);
        if (gCnn.Errors().Count() > 0) {
            const ado::Error& primero = gCnn.Errors().Item(0);
            error = ErrorEjecucion(primero.Number, primero.Description, primero.Source);
        }
    }
    if (error && !conTransaccion && !LoInformaElLlamador(gCnn.Errors().Item(0)))
        MsgBox(error->Description(), vbOKOnly + vbCritical, "Aviso al operador!!!");
}

// A text too long for its column aborts the statement (the server with ANSI_WARNINGS on, the
// embedded engine): nothing was stored, so it stays in Errors like any other refusal.
bool DB_Dll::LoInformaElLlamador(const ado::Error& error) {
    return ErrorHabitualDelProveedor(error.Number) || ado::EsTruncamiento(error.NativeError);
}

bool DB_Dll::AbrirRecordset(QString& SentenciaSQL, ado::Recordset& Lrcs,
                            ado::Connection* ConexionActiva, ado::TipoCursor CursorType,
                            ado::TipoBloqueo LockType, long Options, bool ConvOracle) {
    ado::Connection* conexion = &gCnn;
    const ResultadoPasos resultado = EjecutarPasos(
        "AbrirRecordset", suite::TratarError,
        {[&] { CierraRecordset(Lrcs); }, [&] { SentenciaSQL = SS_TSinonimos(SentenciaSQL); },
         [&] { conexion = ConexionActiva ? ConexionActiva : &gCnn; },
         [&] {
             const bool oracle = InStr(gCnn.ConnectionString(), "ORACLE") > 1 && ConvOracle;
             Lrcs.Open(oracle ? ORACLE_Dicc(SentenciaSQL) : SentenciaSQL, *conexion,
                       int(CursorType), int(LockType), int(Options));
         }});
    if (resultado.SalioAntes)
        CierraRecordset(Lrcs);
    // Ignoring the error goes on with a recordset that never opened.
    const bool abierto = Lrcs.State() != ado::adStateClosed;
    lecturasFallidas_ += abierto ? 0 : 1;
    return abierto;
}

void DB_Dll::CierraRecordset(ado::Recordset& LrcsTemp) {
    EjecutarPasos("CierraRecordset", suite::TratarError, {[&] {
                      if (LrcsTemp.State() != ado::adStateClosed)
                          LrcsTemp.Close();
                  }});
}

QString DB_Dll::ORACLE_Dicc(const QString& Valor) const {
    if (!Contiene(gConnString, "ORACLE"))
        return Valor;
    if (UtilGeneral::Instancia().ContarPalabras(Valor) < 2)
        return vb::Iguales(Valor, "LEN") ? QStringLiteral("LENGTH") : Valor;
    return DialectoOracle::AplicarReglas(Valor);
}

QString DB_Dll::FiltraSentenciaOracle(QString& Sentencia) const {
    Sentencia = DialectoOracle::FiltrarSentencia(Sentencia);
    return Sentencia;
}

// Oracle takes one statement per call: the script is cut at its statement keywords and
// run piece by piece, and `Script` keeps what has not run yet. The first failure ends it.
void DB_Dll::EjecutaScriptSQL(QString& Script, long& RecordsAffected) {
    Script = DialectoOracle::NormalizarScript(Script);
    QString sentencia;
    while (DialectoOracle::SiguienteSentencia(Script, sentencia)) {
        if (vb::Iguales(sentencia, "SET TRANSACTION")) {
            gCnn.BeginTrans();
        } else if (vb::Iguales(sentencia, "COMMIT")) {
            gCnn.CommitTrans();
        } else if (vb::Iguales(sentencia, "ROLLBACK")) {
            gCnn.RollbackTrans();
        } else {
            QString oracle = ORACLE_Dicc(sentencia);
            if (FiltraSentenciaOracle(oracle).trimmed().isEmpty())
                continue;
            long afectados = 0;
            gCnn.Execute(oracle, &afectados, -1);
            if (gCnn.Errors().Count() > 0) {
                const ado::Error& primero = gCnn.Errors().Item(0);
                throw ErrorEjecucion(primero.Number, primero.Description, primero.Source);
            }
            RecordsAffected += afectados;
        }
    }
    if (gCnn.Errors().Count() == 1 && gCnn.Errors().Item(0).Number == kSinResultado)
        gCnn.Errors().Clear();
}

// ---- Table lookups ----------------------------------------------------------------------

namespace {

QString ComoTexto(const QVariant& tipo) {
    return Trim(vb::ValorTexto(tipo));
}

bool EsNumero(const QVariant& tipo) {
    static const QSet<QString> numeros = {"3", "5", "4"};
    return numeros.contains(ComoTexto(tipo));
}

// The value read as a number and written back with a decimal point, as SQL wants it; what
// is no number reads 0, so no text reaches the statement.
QString Numero(const QString& valor) {
    return QString::number(vb::Val(valor), 'g', 15);
}

struct Busqueda {
    QString tabla;
    QString valor;
    QString campo;
    QVariant tipo;
    QString condicion;
};

// The query of ExisteEnTabla (`todas` false) and of ExisteEnTablaST (`todas` true).
QString ConsultaExistencia(const Busqueda& b, bool todas) {
    const QString inicio =
        todas ? QStringLiteral("SELECT * FROM ") : QStringLiteral("SELECT TOP 1 * FROM ");
    if (!b.condicion.isEmpty())
        return inicio + b.tabla +
               (Contiene(b.condicion, " WHERE ") ? QStringLiteral(" ")
                                                 : QStringLiteral(" WHERE ")) +
               b.condicion;
    const QString tipo = ComoTexto(b.tipo);
    if (tipo == u"8")
        return todas ? inicio + b.tabla + " WHERE " + b.campo + " ='" +
                           ado::DoblarApostrofos(b.valor) + "'"
                     : "SELECT TOP 1  * FROM " + b.tabla + " WHERE LTRIM(RTRIM(" + b.campo +
                           ")) ='" + ado::DoblarApostrofos(Trim(b.valor)) + "'";
    if (tipo == u"7")
        return inicio + b.tabla + " WHERE " + b.campo + " = " + Trim(b.valor) + " ";
    if (EsNumero(b.tipo))
        return inicio + b.tabla + " WHERE " + b.campo + " = " + Numero(b.valor);
    return inicio + b.tabla + " WHERE " + b.campo + " = " + b.valor;
}

QString ConsultaDatos(const Busqueda& b, bool usaTrim) {
    const QString cola =
        Trim(b.condicion).isEmpty() ? QString() : QStringLiteral(" AND ") + b.condicion;
    const QString inicio = "SELECT TOP 1 * FROM " + b.tabla + " WHERE ";
    const QString tipo = ComoTexto(b.tipo);
    if (tipo == u"8" && usaTrim)
        return inicio + "LTRIM(RTRIM(" + b.campo + ")) ='" + ado::DoblarApostrofos(Trim(b.valor)) +
               "' " + cola;
    if (tipo == u"8")
        return inicio + b.campo + " ='" + ado::DoblarApostrofos(b.valor) + "' " + cola;
    if (tipo == u"7")
        return inicio + b.campo + " = #" + Trim(b.valor) + "# " + cola;
    if (EsNumero(b.tipo))
        return inicio + b.campo + " = " + Numero(b.valor) + cola;
    return inicio + b.campo + " = " + b.valor + cola;
}

// A query whose error the operator chose to ignore left the recordset closed: no row, and no
// second message for reading it.
bool HayFilas(const ado::Recordset& rs) {
    return rs.State() != ado::adStateClosed && !rs.Bof();
}

// Shared by ExisteEnTabla and ExisteEnTablaST; the latter reads the tables as named.
bool Existencia(DB_Dll& db, const Busqueda& b, ado::Recordset* Lrcs, bool soloLectura, bool todas) {
    const QString procedimiento =
        todas ? QStringLiteral("ExisteEnTablaST") : QStringLiteral("ExisteEnTabla");
    bool resultado = false;
    QString sql;
    ado::Recordset propio;
    auto construir = [&] {
        sql = todas ? ConsultaExistencia(b, true) : db.SS_TSinonimos(ConsultaExistencia(b, false));
    };
    if (!Lrcs) {
        EjecutarPasos(procedimiento, AvisoAlOperador,
                      {construir,
                       [&] {
                           propio.Open(todas ? sql : db.ORACLE_Dicc(sql), db.gCnn,
                                       ado::adOpenForwardOnly, ado::adLockReadOnly, -1);
                       },
                       [&] { resultado = HayFilas(propio); }, [&] { db.CierraRecordset(propio); }});
        return resultado;
    }
    EjecutarPasos(procedimiento, AvisoAlOperador,
                  {construir,
                   [&] {
                       if (Lrcs->State() != ado::adStateClosed)
                           Lrcs->Close();
                   },
                   [&] {
                       if (soloLectura)
                           Lrcs->Open(sql, db.gCnn, ado::adOpenForwardOnly, ado::adLockReadOnly,
                                      -1);
                       else
                           Lrcs->Open(sql, db.gCnn, Lrcs->CursorType(), Lrcs->LockType(), -1);
                   },
                   [&] { resultado = HayFilas(*Lrcs); }});
    return resultado;
}

enum class Agregado { Maximo, Minimo, UltimoCodigo };

QVariant Agregar(DB_Dll& db, Agregado cual, const QString& tabla, const QString& campo,
                 const QVariant& condicion) {
    const bool minimo = cual == Agregado::Minimo;
    const QString alias = minimo ? QStringLiteral("MENOR") : QStringLiteral("MAYOR");
    QString sql = (minimo ? QStringLiteral("SELECT MIN(") : QStringLiteral("SELECT MAX(")) + campo +
                  QStringLiteral(") AS ") + alias + QStringLiteral(" FROM ") + tabla;
    const QString textoCondicion = vb::ValorTexto(condicion);
    if (cual == Agregado::UltimoCodigo) {
        if (!Trim(textoCondicion).isEmpty())
            sql += QStringLiteral(" WHERE ") + textoCondicion;
    } else if (condicion.isValid()) {
        sql += QStringLiteral(" WHERE ") + Trim(textoCondicion);
    }
    ado::Recordset rs;
    rs.Open(sql, db.gCnn, ado::adOpenForwardOnly, ado::adLockReadOnly, -1);
    QVariant resultado;
    if (!rs.Bof()) {
        rs.MoveFirst();
        const QString texto = UtilGeneral::Instancia().ValorCampo(rs.Fields(alias).Value());
        resultado = texto.isEmpty() ? 0.0 : vb::IsNumeric(texto) ? vb::CDbl(texto) : vb::Val(texto);
    }
    rs.Close();
    return resultado;
}

} // namespace

bool DB_Dll::ExisteEnTablaST(const QString& Tabla, const QString& ValorBuscado,
                             const QString& Campo, ado::Recordset* Lrcs, const QVariant& Tipodato,
                             const QString& Condicion, bool SoloLectura) {
    return Existencia(*this, {Tabla, ValorBuscado, Campo, Tipodato, Condicion}, Lrcs, SoloLectura,
                      true);
}

bool DB_Dll::ExisteEnTabla(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                           ado::Recordset* Lrcs, const QVariant& Tipodato, const QString& Condicion,
                           bool SoloLectura) {
    return Existencia(*this, {Tabla, ValorBuscado, Campo, Tipodato, Condicion}, Lrcs, SoloLectura,
                      false);
}

QVariant DB_Dll::DatosTabla(const QString& Tabla, const QString& ValorBuscado,
                            const QString& CampoDevuelto, const QString& Campo,
                            const QVariant& Tipodato, const QString& Condicion, bool UsaTrim) {
    QVariant resultado;
    QString sql;
    ado::Recordset rs;
    EjecutarPasos(
        "DatosTabla", AvisoAlOperador,
        {[&] {
             sql = ConsultaDatos({Tabla, ValorBuscado, Campo, Tipodato, Condicion}, UsaTrim);
         },
         [&] {
             if (!AbrirRecordset(sql, rs, &gCnn, ado::adOpenForwardOnly, ado::adLockReadOnly, -1,
                                 true))
                 SalirDelProcedimiento();
         },
         [&] {
             resultado =
                 rs.Bof() ? QString()
                          : UtilGeneral::Instancia().ValorCampo(rs.Fields(CampoDevuelto).Value());
         },
         [&] { CierraRecordset(rs); }});
    return resultado;
}

QVariant DB_Dll::BuscaMaximo(const QString& QueTabla, const QString& QueCampo, const QVariant&,
                             const QVariant& Condicion) {
    return Agregar(*this, Agregado::Maximo, QueTabla, QueCampo, Condicion);
}

QVariant DB_Dll::BuscaMinimo(const QString& QueTabla, const QString& QueCampo, const QVariant&,
                             const QVariant& Condicion) {
    return Agregar(*this, Agregado::Minimo, QueTabla, QueCampo, Condicion);
}

QVariant DB_Dll::BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo,
                                   const QVariant&, const QString& Condicion) {
    return Agregar(*this, Agregado::UltimoCodigo, QueTabla, QueCampo, Condicion);
}

// ---- Type predicates and name helpers ---------------------------------------------------

namespace {

bool CodigoEn(const QVariant& tipo, std::initializer_list<int> codigos) {
    const QString texto = ComoTexto(tipo);
    for (int codigo : codigos)
        if (texto == QString::number(codigo))
            return true;
    return false;
}

} // namespace

bool DB_Dll::adodate(const QVariant& Qtype) {
    return CodigoEn(Qtype, {7, 133, 134, 135, 137, 64});
}

bool DB_Dll::ADOText(const QVariant& Qtype) {
    return CodigoEn(Qtype, {8, 129, 130, 200, 201, 202, 203});
}

bool DB_Dll::ADONumeric(const QVariant& Qtype) {
    return CodigoEn(Qtype, {2, 3, 4, 5, 14, 16, 17, 18, 19, 20, 21, 131});
}

bool DB_Dll::ADOCurrency(const QVariant& Qtype) {
    return CodigoEn(Qtype, {6});
}

bool DB_Dll::ADOBoolean(const QVariant& Qtype) {
    return CodigoEn(Qtype, {11});
}

QString DB_Dll::ADOComilla(const QVariant& Qtype) {
    return adodate(Qtype) || ADOText(Qtype) ? QStringLiteral("'") : QString();
}

void DB_Dll::QConsulta(const QVariant&, const QVariant&, const QVariant&, const QVariant&,
                       const QVariant&, const QVariant&) {}

void DB_Dll::QGridConsulta(const QVariant&, const QVariant&, const QVariant&, const QVariant&,
                           const QVariant&) {}

QString DB_Dll::stSTF(QString& rsName, int rnPart) {
    if (rsName.count(u'.') >= 2)
        return rsName = StripOwner(rsName);
    const int punto = InStr(rsName, ".");
    if (rnPart != 0)
        return punto > 0 ? vb::Mid(rsName, punto + 1) : rsName;
    return vb::Left(rsName, punto - 1);
}

QString DB_Dll::AddBrackets(const QString& rObjName) {
    if (Contiene(rObjName, " ") && !rObjName.startsWith(u'['))
        return u'[' + rObjName + u']';
    return rObjName;
}

QString DB_Dll::StripConnect(const QString& rsTblName) {
    const int flecha = InStr(rsTblName, "->");
    return flecha > 0 ? vb::Left(rsTblName, flecha - 2) : rsTblName;
}

QString DB_Dll::StripBrackets(const QString& rsObjName) {
    if (rsObjName.startsWith(u'['))
        return vb::Mid(rsObjName, 2, vb::Len(rsObjName) - 2);
    return rsObjName;
}

QString DB_Dll::StripOwner(QString& rsTblName) {
    if (const int punto = InStr(rsTblName, "."); punto > 0)
        rsTblName = vb::Mid(rsTblName, punto + 1);
    return rsTblName;
}

QString DB_Dll::StripFileName(const QString& rsFileName) {
    // Paths may come written for Windows or for this platform.
    const qsizetype barra = qMax(rsFileName.lastIndexOf(u'\\'), rsFileName.lastIndexOf(u'/'));
    return barra < 0 ? QString() : rsFileName.left(barra);
}

// ---- Schema checks ----------------------------------------------------------------------

namespace {

bool NombreIgual(const QVariant& valor, const QString& nombre) {
    return vb::Iguales(Trim(vb::ValorTexto(valor)), Trim(nombre));
}

bool BuscarEnEsquema(ado::Recordset& rs, const QString& columna, const QString& nombre) {
    for (; !rs.Eof(); rs.MoveNext())
        if (NombreIgual(rs.Fields(columna).Value(), nombre))
            return true;
    return false;
}

} // namespace

bool DB_Dll::ExisteTablaDB(const QString& Tabla) {
    bool resultado = false;
    ado::Recordset rs;
    auto rutina = [this](const ErrorEjecucion& e, const QString& p) {
        return ComoAccionError(TratamientoErrores(e, {}, p));
    };
    EjecutarPasos("VerificaCampos", rutina,
                  {[&] { gCnn.OpenSchema(ado::adSchemaTables, rs); },
                   [&] { resultado = BuscarEnEsquema(rs, "TABLE_NAME", Tabla); }});
    return resultado;
}

bool DB_Dll::ExisteCampoDB(const QString& Tabla, const QString& Campo) {
    if (Contiene(gProveedor, "ORACLE"))
        return true;
    bool resultado = false;
    ado::Recordset rs;
    auto rutina = [this](const ErrorEjecucion& e, const QString& p) {
        return ComoAccionError(TratamientoErrores(e, {}, p));
    };
    EjecutarPasos(
        "VerificaCampos", rutina,
        {[&] {
             gCnn.OpenSchema(ado::adSchemaColumns, rs, {gDBName, QString(), Tabla, QString()});
         },
         [&] { resultado = BuscarEnEsquema(rs, "COLUMN_NAME", Campo); }});
    return resultado;
}

QString DB_Dll::SentenciaAddField(const QString& Tabla, const QString& Campo, const QString& Tipo,
                                  bool PermiteNulos, const QVariant& ValorDefault) {
    const QString nulos = PermiteNulos ? QStringLiteral(" Null ") : QStringLiteral(" Not Null ");
    QString predeterminado;
    if (ValorDefault.isValid())
        predeterminado = QStringLiteral(" CONSTRAINT DF_") + Trim(Tabla) + u'_' + Trim(Campo) +
                         QStringLiteral(" DEFAULT (") + vb::ValorTexto(ValorDefault) + u')';
    return QStringLiteral("ALTER TABLE dbo.") + Tabla + QStringLiteral(" ADD ") + Campo + u' ' +
           Tipo + nulos + predeterminado;
}

void DB_Dll::AddField(const QString& Tabla, const QString& Campo, const QString& Tipo,
                      bool PermiteNulos, const QVariant& ValorDefault) {
    QString sql;
    auto rutina = [this](const ErrorEjecucion& e, const QString& p) {
        return ComoAccionError(TratamientoErrores(e, {}, p));
    };
    EjecutarPasos("errAddField", rutina,
                  {[&] { sql = SentenciaAddField(Tabla, Campo, Tipo, PermiteNulos, ValorDefault); },
                   [&] { EjecutaConsultaSQL(sql); }});
}

bool DB_Dll::VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar,
                        const QString& Tipo, bool PermiteNulos, const QVariant& ValorDefault) {
    if (ExisteTablaDB(Tabla) && !ExisteCampoDB(Tabla, Campo) && Agregar)
        AddField(Tabla, Campo, Tipo, PermiteNulos, ValorDefault);
    return true;
}

// ---- Error dialog and error log ---------------------------------------------------------

int DB_Dll::TratamientoErrores(const ErrorEjecucion& CodErr, const QVariant& Botones,
                               const QVariant& Rutina) {
    QString registro, mensaje, rutina, titulo;
    int botones = kAbortarReintentarIgnorarCritico;
    int respuesta = 0;
    IgnorarErrores({
        [&] { registro = gLogErr.isEmpty() ? suite::RegistroErroresPrograma() : gLogErr; },
        [&] { mensaje = suite::MensajeError(CodErr.Number(), Trim(CodErr.Description())); },
        [&] {
            if (Rutina.isValid())
                rutina = QStringLiteral(" - ") + vb::ValorTexto(Rutina);
        },
        [&] { titulo = CodErr.Source() + rutina + QStringLiteral(" Aviso al operador!!! "); },
        [&] {
            if (Botones.isValid())
                botones = vb::CInt(Botones);
        },
    });
    if (CodErr.Number() == 0)
        return 0;
    IgnorarErrores({
        [&] { respuesta = MsgBox(mensaje, botones, titulo); },
        [&] { suite::AnotarError(registro, Trim(rutina), Trim(mensaje), respuesta); },
    });
    return respuesta;
}
