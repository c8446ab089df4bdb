#include "platform/ado/TokenSql.h"

#include "platform/errors/ErrorEjecucion.h"

#include <QSet>

namespace ado {
namespace {

bool EsLetraDePalabra(QChar c) {
    return c.isLetterOrNumber() || c == '_' || c == '@' || c == '#' || c == '$';
}

[[noreturn]] void SinCerrar(const QString& que, const QString& sql, int desde) {
    throw ErrorEjecucion(-2147217900,
                         QStringLiteral("Falta cerrar %1 en la sentencia SQL, cerca de: %2")
                             .arg(que, sql.mid(desde, 40)),
                         QStringLiteral("Proveedor de datos"));
}

// End (exclusive) of a run closed by `cierre`, where a doubled `cierre` stands for itself.
int FinDelimitado(const QString& sql, int inicio, QChar cierre, const QString& que) {
    int i = inicio + 1;
    while (i < sql.size()) {
        if (sql[i] == cierre) {
            if (i + 1 < sql.size() && sql[i + 1] == cierre) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    SinCerrar(que, sql, inicio);
}

int FinEspacio(const QString& sql, int i) {
    while (i < sql.size() && sql[i].isSpace())
        ++i;
    return i;
}

int FinComentario(const QString& sql, int i) {
    if (sql[i] == '-') {
        int fin = sql.indexOf('\n', i);
        int finCr = sql.indexOf('\r', i);
        if (finCr >= 0 && (fin < 0 || finCr < fin))
            fin = finCr;
        return fin < 0 ? sql.size() : fin;
    }
    int fin = sql.indexOf(QLatin1String("*/"), i + 2);
    if (fin < 0)
        SinCerrar(QStringLiteral("un comentario"), sql, i);
    return fin + 2;
}

int FinNumero(const QString& sql, int i) {
    while (i < sql.size() && (sql[i].isDigit() || sql[i] == '.'))
        ++i;
    return i;
}

int FinPalabra(const QString& sql, int i) {
    while (i < sql.size() && EsLetraDePalabra(sql[i]))
        ++i;
    return i;
}

int FinSimbolo(const QString& sql, int i) {
    static const QStringList dobles = {"<=", ">=", "<>", "!=", "!<", "!>", "||"};
    for (const QString& d : dobles)
        if (sql.mid(i, 2) == d)
            return i + 2;
    return i + 1;
}

TokenSql Leer(const QString& sql, int i, int& fin) {
    const QChar c = sql[i];
    const QChar s = i + 1 < sql.size() ? sql[i + 1] : QChar();
    if (c.isSpace())
        return {TokenSql::Espacio, sql.mid(i, (fin = FinEspacio(sql, i)) - i)};
    if ((c == '-' && s == '-') || (c == '/' && s == '*'))
        return {TokenSql::Comentario, sql.mid(i, (fin = FinComentario(sql, i)) - i)};
    if (c == '\'')
        return {TokenSql::Cadena,
                sql.mid(i, (fin = FinDelimitado(sql, i, '\'', QStringLiteral("una comilla"))) - i)};
    if (c == '[')
        return {TokenSql::Corchete,
                sql.mid(i, (fin = FinDelimitado(sql, i, ']', QStringLiteral("un corchete"))) - i)};
    if (c == '"')
        return {
            TokenSql::Identificador,
            sql.mid(i, (fin = FinDelimitado(sql, i, '"', QStringLiteral("unas comillas"))) - i)};
    if (c.isDigit() || (c == '.' && s.isDigit()))
        return {TokenSql::Numero, sql.mid(i, (fin = FinNumero(sql, i)) - i)};
    if (EsLetraDePalabra(c))
        return {TokenSql::Palabra, sql.mid(i, (fin = FinPalabra(sql, i)) - i)};
    return {TokenSql::Simbolo, sql.mid(i, (fin = FinSimbolo(sql, i)) - i)};
}

} // namespace

QString TokenSql::ValorCadena() const {
    QString valor = texto.mid(1, texto.size() - 2);
    valor.replace(QLatin1String("''"), QLatin1String("'"));
    return valor;
}

QString DoblarApostrofos(const QString& valor) {
    QString cuerpo = valor;
    return cuerpo.replace(QLatin1Char('\''), QLatin1String("''"));
}

QString TokenSql::Nombre() const {
    if (tipo == Corchete)
        return texto.mid(1, texto.size() - 2).replace(QLatin1String("]]"), QLatin1String("]"));
    if (tipo == Identificador)
        return texto.mid(1, texto.size() - 2).replace(QLatin1String("\"\""), QLatin1String("\""));
    return texto;
}

namespace {

// Appends the text's tokens to `tokens`; throws at a run left unclosed, those before it kept.
void LeerTodo(const QString& sql, TokensSql& tokens) {
    int i = 0;
    while (i < sql.size()) {
        int fin = i;
        tokens.append(Leer(sql, i, fin));
        i = fin;
    }
}

} // namespace

TokensSql Tokenizar(const QString& sql) {
    TokensSql tokens;
    LeerTodo(sql, tokens);
    return tokens;
}

TokensSql TokenizarHastaLoSinCerrar(const QString& sql) {
    TokensSql tokens;
    try {
        LeerTodo(sql, tokens);
    } catch (const ErrorEjecucion&) {
        // Nothing after an unclosed run can be told apart from it.
    }
    return tokens;
}

QString Unir(const TokensSql& tokens) {
    QString texto;
    for (const TokenSql& t : tokens)
        texto += t.texto;
    return texto;
}

int Siguiente(const TokensSql& tokens, int i) {
    for (int j = i + 1; j < tokens.size(); ++j)
        if (tokens[j].Significativo())
            return j;
    return -1;
}

int Anterior(const TokensSql& tokens, int i) {
    for (int j = i - 1; j >= 0; --j)
        if (tokens[j].Significativo())
            return j;
    return -1;
}

int ParentesisQueAbre(const TokensSql& t, int cierre) {
    for (int k = cierre - 1, profundidad = 1; k >= 0; --k) {
        profundidad += t[k].EsSimbolo(")") ? 1 : t[k].EsSimbolo("(") ? -1 : 0;
        if (profundidad == 0)
            return k;
    }
    return -1;
}

int ParentesisQueCierra(const TokensSql& t, int abre) {
    for (int k = abre + 1, profundidad = 1; k < t.size(); ++k) {
        profundidad += t[k].EsSimbolo("(") ? 1 : t[k].EsSimbolo(")") ? -1 : 0;
        if (profundidad == 0)
            return k;
    }
    return -1;
}

bool TokenSql::EsUnaDe(std::initializer_list<const char*> palabras) const {
    for (const char* p : palabras)
        if (EsPalabra(p))
            return true;
    return false;
}

bool TokenSql::EsComparacion() const {
    static const QSet<QString> ops = {"=", "<>", "!=", "<", ">", "<=", ">=", "!<", "!>"};
    return tipo == Simbolo && ops.contains(texto);
}

bool TokenSql::EsNombre() const {
    static const QSet<QString> reservadas = {
        "select",   "from",    "where", "and",   "or",     "not",    "on",    "set",
        "case",     "when",    "then",  "else",  "end",    "is",     "null",  "in",
        "like",     "between", "as",    "by",    "values", "exists", "union", "all",
        "distinct", "top",     "join",  "inner", "left",   "right",  "outer", "having"};
    if (tipo == Corchete || tipo == Identificador)
        return true;
    return tipo == Palabra && !reservadas.contains(texto.toLower());
}

} // namespace ado
