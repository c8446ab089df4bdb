#include "session/DialectoOracle.h"

#include "platform/ado/TokenSql.h"
#include "platform/errors/Procedimiento.h"
#include "platform/runtime/ErrorVb.h"
#include "platform/runtime/Fechas.h"
#include "platform/runtime/Texto.h"

#include <QStringList>

using ado::TokenSql;
using ado::TokensSql;

namespace DialectoOracle {

namespace {

const QString kFormatoFecha = QStringLiteral("'DD/MM/YYYY'");

// Every rule works on tokens, so a value or a bracketed name is never taken for SQL. A text
// the tokenizer cannot read (a literal never closed) is an invalid argument.
TokensSql Tokens(const QString& sql) {
    TokensSql tokens;
    if (IgnorarErrores({[&] { tokens = ado::Tokenizar(sql); }}).Error)
        vb::Raise(5);
    return tokens;
}

bool EsLiteral(const TokenSql& t) {
    return t.tipo == TokenSql::Cadena || t.tipo == TokenSql::Corchete ||
           t.tipo == TokenSql::Identificador;
}

TokenSql Palabra(const QString& texto) {
    return {TokenSql::Palabra, texto};
}

TokenSql Simbolo(const QString& texto) {
    return {TokenSql::Simbolo, texto};
}

// Whether token i is a call of `funcion`: the word, then an opening parenthesis.
bool EsLlamada(const TokensSql& t, int i, const char* funcion) {
    const int j = ado::Siguiente(t, i);
    return t[i].EsPalabra(funcion) && j >= 0 && t[j].EsSimbolo("(");
}

// The parenthesis that closes the one at `abre`; -1 when none does.
int Cierre(const TokensSql& t, int abre) {
    int nivel = 0;
    for (int i = abre; i < t.size(); ++i) {
        if (t[i].EsSimbolo("("))
            ++nivel;
        else if (t[i].EsSimbolo(")") && --nivel == 0)
            return i;
    }
    return -1;
}

// The first occurrence of the word outside any parenthesis; -1 when there is none.
int PalabraDelNivel(const TokensSql& t, const char* palabra) {
    int nivel = 0;
    for (int i = 0; i < t.size(); ++i) {
        if (t[i].EsSimbolo("("))
            ++nivel;
        else if (t[i].EsSimbolo(")"))
            --nivel;
        else if (nivel == 0 && t[i].EsPalabra(palabra))
            return i;
    }
    return -1;
}

TokensSql SinBlancosAlBorde(const TokensSql& t) {
    qsizetype desde = 0, hasta = t.size();
    while (desde < hasta && !t[desde].Significativo())
        ++desde;
    while (hasta > desde && !t[hasta - 1].Significativo())
        --hasta;
    return t.mid(desde, hasta - desde);
}

// "SELECT [DISTINCT] TOP n ..." of the query `t` itself, not of one in its parentheses:
// Oracle numbers the rows before it groups, removes duplicates or sorts them, so such a query
// is wrapped and limited outside. Otherwise the limit joins the conditions, all of them: also
// those joined by OR.
QString LimiteDeFilas(TokensSql t) {
    const int select = ado::Siguiente(t, -1);
    if (select < 0 || !t[select].EsPalabra("SELECT"))
        return ado::Unir(t);
    int top = ado::Siguiente(t, select);
    const bool distinct = top >= 0 && t[top].EsPalabra("DISTINCT");
    if (distinct)
        top = ado::Siguiente(t, top);
    const int n = top >= 0 ? ado::Siguiente(t, top) : -1;
    if (n < 0 || !t[top].EsPalabra("TOP") || t[n].tipo != TokenSql::Numero)
        return ado::Unir(t);
    const QString filas = t[n].texto;
    const int fin = n + 1 < t.size() && t[n + 1].tipo == TokenSql::Espacio ? n + 2 : n + 1;
    t.erase(t.begin() + top, t.begin() + fin);
    const QString limite = QStringLiteral("ROWNUM <= ") + filas;
    if (distinct || PalabraDelNivel(t, "ORDER") >= 0 || PalabraDelNivel(t, "GROUP") >= 0)
        return QStringLiteral("SELECT * FROM (") + ado::Unir(t).trimmed() +
               QStringLiteral(") WHERE ") + limite;
    const int where = PalabraDelNivel(t, "WHERE");
    if (where < 0)
        return ado::Unir(t).trimmed() + QStringLiteral(" WHERE ") + limite;
    return ado::Unir(t.mid(0, where + 1)) + QStringLiteral(" (") +
           ado::Unir(t.mid(where + 1)).trimmed() + QStringLiteral(") AND ") + limite;
}

// Every query takes its own TOP, however deep in parentheses it stands: the inner ones are
// limited first, so that a subquery's limit stays inside its parentheses and never limits the
// query around it.
QString LimitesDeFilas(const TokensSql& t) {
    TokensSql limitados;
    for (int i = 0; i < t.size(); ++i) {
        const int cierra = t[i].EsSimbolo("(") ? Cierre(t, i) : -1;
        if (cierra < 0) {
            limitados << t[i];
            continue;
        }
        limitados << t[i] << Tokens(LimitesDeFilas(t.mid(i + 1, cierra - i - 1))) << t[cierra];
        i = cierra;
    }
    return LimiteDeFilas(limitados);
}

// A quoted day-first date as an Oracle date, with its time of day when it has one.
std::optional<QString> FechaOracle(const TokenSql& t) {
    if (t.tipo != TokenSql::Cadena || !vb::IsDate(t.ValorCadena()))
        return std::nullopt;
    const QDateTime fecha = vb::CDate(t.ValorCadena());
    if (t.texto.contains(u':'))
        return QStringLiteral("TO_DATE('") + fecha.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) +
               QStringLiteral("','DD/MM/YYYY HH24:MI:SS')");
    return QStringLiteral("TO_DATE('") + fecha.toString(QStringLiteral("dd/MM/yyyy")) +
           QStringLiteral("',") + kFormatoFecha + u')';
}

TokenSql SinCorchetes(const TokenSql& t) {
    return {TokenSql::Identificador,
            u'"' + t.Nombre().replace(u'"', QStringLiteral("\"\"")) + u'"'};
}

TokensSql Reescribir(const TokensSql& t);

// The arguments of the call whose parenthesis opens at `abre` and closes at `cierra`.
QVector<TokensSql> Argumentos(const TokensSql& t, int abre, int cierra) {
    QVector<TokensSql> argumentos(1);
    int nivel = 0;
    for (int i = abre + 1; i < cierra; ++i) {
        if (t[i].EsSimbolo("("))
            ++nivel;
        else if (t[i].EsSimbolo(")"))
            --nivel;
        if (nivel == 0 && t[i].EsSimbolo(","))
            argumentos.append(TokensSql());
        else
            argumentos.last().append(t[i]);
    }
    return argumentos;
}

// CHARINDEX(buscado, texto[, desde]) is INSTR(texto, buscado[, desde]): Oracle takes the text
// first. Gives the index of the last token used, or -1 when the call is no CHARINDEX to swap.
int Instr(const TokensSql& t, int i, TokensSql& salida) {
    if (!EsLlamada(t, i, "CHARINDEX"))
        return -1;
    const int abre = ado::Siguiente(t, i);
    const int cierra = Cierre(t, abre);
    if (cierra < 0)
        return -1;
    QVector<TokensSql> argumentos = Argumentos(t, abre, cierra);
    if (argumentos.size() < 2)
        return -1;
    std::swap(argumentos[0], argumentos[1]);
    salida << Palabra(QStringLiteral("INSTR")) << Simbolo(QStringLiteral("("));
    for (qsizetype k = 0; k < argumentos.size(); ++k) {
        if (k > 0)
            salida << Simbolo(QStringLiteral(", "));
        salida << Reescribir(SinBlancosAlBorde(argumentos[k]));
    }
    salida << Simbolo(QStringLiteral(")"));
    return cierra;
}

// CONVERT(NVARCHAR, ...) and CONVERT(INT, ...) as TO_CHAR( ... and TO_NUMBER( ... Gives the
// index of the comma after the type, or -1.
int Convert(const TokensSql& t, int i, TokensSql& salida) {
    if (!EsLlamada(t, i, "CONVERT"))
        return -1;
    const int tipo = ado::Siguiente(t, ado::Siguiente(t, i));
    const int coma = tipo >= 0 ? ado::Siguiente(t, tipo) : -1;
    if (coma < 0 || !t[coma].EsSimbolo(","))
        return -1;
    const char* funcion = t[tipo].EsPalabra("NVARCHAR") ? "TO_CHAR"
                          : t[tipo].EsPalabra("INT")    ? "TO_NUMBER"
                                                        : nullptr;
    if (!funcion)
        return -1;
    salida << Palabra(QLatin1String(funcion)) << Simbolo(QStringLiteral("("));
    return coma;
}

// LEN, SUBSTRING and ISNULL under their Oracle names. Gives the index of the token before the
// parenthesis, or -1.
int Renombrar(const TokensSql& t, int i, TokensSql& salida) {
    static const std::pair<const char*, const char*> nombres[] = {
        {"LEN", "LENGTH"}, {"SUBSTRING", "SUBSTR"}, {"ISNULL", "NVL"}};
    for (const auto& [sqlServer, oracle] : nombres)
        if (EsLlamada(t, i, sqlServer)) {
            salida << Palabra(QLatin1String(oracle));
            return ado::Siguiente(t, i) - 1;
        }
    return -1;
}

TokensSql Reescribir(const TokensSql& t) {
    TokensSql salida;
    for (int i = 0; i < t.size(); ++i) {
        if (t[i].tipo == TokenSql::Corchete) {
            salida << SinCorchetes(t[i]);
        } else if (const std::optional<QString> fecha = FechaOracle(t[i])) {
            salida << Palabra(*fecha);
        } else if (t[i].tipo != TokenSql::Palabra) {
            salida << t[i];
        } else if (int hasta = Instr(t, i, salida); hasta >= 0) {
            i = hasta;
        } else if (hasta = Convert(t, i, salida); hasta >= 0) {
            i = hasta;
        } else if (hasta = Renombrar(t, i, salida); hasta >= 0) {
            i = hasta;
        } else {
            salida << t[i];
        }
    }
    return salida;
}

// Empty-text comparisons after the first WHERE read as IS NULL, as Oracle stores '' as NULL.
TokensSql ComparacionesVacias(const TokensSql& t) {
    TokensSql salida;
    bool trasWhere = false;
    for (int i = 0; i < t.size(); ++i) {
        trasWhere = trasWhere || t[i].EsPalabra("WHERE");
        const int j = ado::Siguiente(t, i);
        if (trasWhere && t[i].EsSimbolo("=") && j >= 0 && t[j].tipo == TokenSql::Cadena &&
            t[j].texto == QLatin1String("''")) {
            salida << Palabra(QStringLiteral(" IS NULL "));
            i = j;
        } else {
            salida << t[i];
        }
    }
    return salida;
}

// Style 103 of CONVERT is the day-first date; only as an argument of TO_CHAR it is a format.
TokensSql Estilo103(TokensSql t) {
    QVector<bool> enToChar; // one per parenthesis open
    for (int i = 0; i < t.size(); ++i) {
        if (t[i].EsSimbolo("(")) {
            const int antes = ado::Anterior(t, i);
            enToChar.append(antes >= 0 && t[antes].EsPalabra("TO_CHAR"));
        } else if (t[i].EsSimbolo(")") && !enToChar.isEmpty()) {
            enToChar.removeLast();
        } else if (t[i].tipo == TokenSql::Numero && t[i].texto == QLatin1String("103") &&
                   !enToChar.isEmpty() && enToChar.last()) {
            t[i] = Palabra(kFormatoFecha);
        }
    }
    return t;
}

struct PalabraClave {
    QStringList palabras;
    bool blancoDetras; // "INSERT " is a statement, "INSERT(" is not
};

const QVector<PalabraClave>& PalabrasClave() {
    static const QVector<PalabraClave> claves = {{{"INSERT"}, true},
                                                 {{"DELETE"}, true},
                                                 {{"UPDATE"}, true},
                                                 {{"CREATE"}, true},
                                                 {{"DROP"}, true},
                                                 {{"ALTER"}, true},
                                                 {{"SET", "TRANSACTION"}, false},
                                                 {{"COMMIT"}, false},
                                                 {{"ROLLBACK"}, false},
                                                 {{"IF", "NOT", "EXIST"}, false},
                                                 {{"IF", "EXIST"}, false},
                                                 {{"GRANT"}, true}};
    return claves;
}

bool MismaPalabra(const TokenSql& t, const QString& palabra) {
    if (t.tipo != TokenSql::Palabra)
        return false;
    if (palabra == QLatin1String("EXIST"))
        return t.EsPalabra("EXIST") || t.EsPalabra("EXISTS");
    return t.texto.compare(palabra, Qt::CaseInsensitive) == 0;
}

// Whether the words of `clave` stand from token i on, blanks between them.
bool Coincide(const TokensSql& t, int i, const PalabraClave& clave) {
    int k = i;
    for (qsizetype n = 0; n < clave.palabras.size(); ++n, k += 2) {
        if (k >= t.size() || !MismaPalabra(t[k], clave.palabras[n]))
            return false;
        if ((n + 1 < clave.palabras.size() || clave.blancoDetras) &&
            (k + 1 >= t.size() || t[k + 1].tipo != TokenSql::Espacio))
            return false;
    }
    return true;
}

bool EmpiezaSentencia(const TokensSql& t, int i) {
    for (const PalabraClave& clave : PalabrasClave())
        if (Coincide(t, i, clave))
            return true;
    return false;
}

QString Normalizar(const QString& texto) {
    static const QString crlf = QStringLiteral("\r\n");
    static const std::pair<QString, QString> cambios[] = {
        {QStringLiteral("SET NOCOUNT ON"), QString()},
        {QStringLiteral("SET NOCOUNT OFF"), QString()},
        {QStringLiteral(" GO "), QStringLiteral(" ")},
        {crlf + QStringLiteral("GO "), QStringLiteral(" ")},
        {crlf + QStringLiteral("GO "), QStringLiteral(" ")},
        {crlf + QStringLiteral("GO") + crlf, QStringLiteral(" ")},
        {QStringLiteral("\r"), QStringLiteral(" ")},
        {QStringLiteral("BEGIN TRANSACTION"), QStringLiteral("SET TRANSACTION")},
        {QStringLiteral("BEGIN TRANS"), QStringLiteral("SET TRANSACTION")},
        {QStringLiteral("COMMIT TRANSACTION"), QStringLiteral("COMMIT")},
        {QStringLiteral("COMMIT TRANS"), QStringLiteral("COMMIT")},
        {QStringLiteral("ROLLBACK TRANSACTION"), QStringLiteral("ROLLBACK")},
        {QStringLiteral("ROLLBACK TRANS"), QStringLiteral("ROLLBACK")},
    };
    QString s = texto;
    for (const auto& [buscado, reemplazo] : cambios)
        s = vb::Replace(s, buscado, reemplazo);
    return s;
}

} // namespace

QString AplicarReglas(const QString& valor) {
    const TokensSql tokens = Reescribir(Tokens(LimitesDeFilas(Tokens(valor))));
    return ado::Unir(Estilo103(ComparacionesVacias(tokens)));
}

QString FiltrarSentencia(const QString& sentencia) {
    if (vb::InStr(sentencia, QStringLiteral("SET NOCOUNT")) > 0 ||
        vb::InStr(sentencia, QStringLiteral("IF NOT EXIST")) > 0)
        return QString();
    return sentencia;
}

// Only the text between literals is normalised: a value keeps its line breaks and its words.
QString NormalizarScript(const QString& script) {
    QString normalizado, tramo;
    for (const TokenSql& token : Tokens(script)) {
        if (!EsLiteral(token)) {
            tramo += token.texto;
            continue;
        }
        normalizado += Normalizar(tramo) + token.texto;
        tramo.clear();
    }
    return normalizado + Normalizar(tramo);
}

bool SiguienteSentencia(QString& script, QString& sentencia) {
    const TokensSql t = Tokens(script);
    int p = -1, q = -1;
    for (int i = 0; i < t.size() && q < 0; ++i)
        if (EmpiezaSentencia(t, i))
            (p < 0 ? p : q) = i;
    if (p < 0)
        return false;
    // Line feeds stay in a normalised script; a statement that ends a line still counts as
    // the bare COMMIT or ROLLBACK it is.
    sentencia = ado::Unir(t.mid(p, q < 0 ? -1 : q - p)).trimmed();
    script = q < 0 ? QString() : ado::Unir(t.mid(q));
    return true;
}

} // namespace DialectoOracle
