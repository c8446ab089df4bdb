#include "platform/ado/FuncionesSqlite.h"

#include "platform/ado/TSqlToSqlite.h"

#include <QString>
#include <sqlite3.h>

namespace ado {
namespace {

int SinBlancosFinales(const char* s, int n) {
    while (n > 0 && s[n - 1] == ' ')
        --n;
    return n;
}

int CompararLento(const char* a, int na, const char* b, int nb) {
    const QString x = QString::fromUtf8(a, na);
    const QString y = QString::fromUtf8(b, nb);
    const int r = x.compare(y, Qt::CaseInsensitive);
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

int Colacion(void*, int na, const void* a, int nb, const void* b) {
    return CompararTexto(static_cast<const char*>(a), na, static_cast<const char*>(b), nb);
}

QString Texto(sqlite3_value* v) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)),
                             sqlite3_value_bytes(v));
}

bool AlgunoNulo(int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return true;
    return false;
}

// like(pattern, value [, escape]), as SQLite calls it for "value LIKE pattern".
void Like(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (AlgunoNulo(argc, argv))
        return sqlite3_result_null(ctx);
    QChar escape;
    if (argc == 3) {
        const QString e = Texto(argv[2]);
        if (e.size() != 1)
            return sqlite3_result_error(ctx, "ESCAPE debe ser un solo carácter", -1);
        escape = e[0];
    }
    sqlite3_result_int(ctx, CumpleLike(Texto(argv[1]), Texto(argv[0]), escape));
}

void Charindex(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (AlgunoNulo(argc, argv))
        return sqlite3_result_null(ctx);
    const QString buscado = Texto(argv[0]);
    const QString texto = Texto(argv[1]);
    const qint64 inicio = argc == 3 ? std::max<qint64>(sqlite3_value_int64(argv[2]), 1) : 1;
    if (buscado.isEmpty() || inicio > texto.size())
        return sqlite3_result_int(ctx, 0);
    sqlite3_result_int64(ctx, texto.indexOf(buscado, inicio - 1, Qt::CaseInsensitive) + 1);
}

// The server's LEN leaves trailing blanks out.
void Len(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    QString s = Texto(argv[0]);
    int n = s.size();
    while (n > 0 && s[n - 1] == ' ')
        --n;
    sqlite3_result_int(ctx, n);
}

// The engine's own UPPER and LOWER change only ASCII letters: "Ñandú" must become "ÑANDÚ".
void Mayusculas(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    const QByteArray r = Texto(argv[0]).toUpper().toUtf8();
    sqlite3_result_text(ctx, r.constData(), int(r.size()), SQLITE_TRANSIENT);
}

void Minusculas(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    const QByteArray r = Texto(argv[0]).toLower().toUtf8();
    sqlite3_result_text(ctx, r.constData(), int(r.size()), SQLITE_TRANSIENT);
}

// Matches one pattern element at p[i] against c; *longitud receives the element's length.
bool CoincideUno(const QString& p, int i, QChar c, QChar escape, int* longitud) {
    *longitud = 1;
    if (!escape.isNull() && p[i] == escape && i + 1 < p.size()) {
        *longitud = 2;
        return p[i + 1].toCaseFolded() == c.toCaseFolded();
    }
    if (p[i] == '_')
        return true;
    const int cierre = p[i] == '[' ? p.indexOf(']', i + 2) : -1;
    if (cierre < 0)
        return p[i].toCaseFolded() == c.toCaseFolded();
    *longitud = cierre - i + 1;
    const bool negada = p[i + 1] == '^';
    const QChar x = c.toCaseFolded();
    bool dentro = false;
    for (int j = i + (negada ? 2 : 1); j < cierre; ++j) {
        if (j + 2 < cierre && p[j + 1] == '-') {
            dentro |= x >= p[j].toCaseFolded() && x <= p[j + 2].toCaseFolded();
            j += 2;
        } else {
            dentro |= x == p[j].toCaseFolded();
        }
    }
    return dentro != negada;
}

} // namespace

bool CumpleLike(const QString& valorOriginal, const QString& p, QChar escape) {
    QString valor = valorOriginal;
    while (!valor.isEmpty() && valor.back() == ' ')
        valor.chop(1);
    int v = 0, i = 0, comodin = -1, desde = 0;
    while (v < valor.size()) {
        if (i < p.size() && p[i] == '%') {
            comodin = ++i;
            desde = v;
            continue;
        }
        int longitud = 0;
        if (i < p.size() && CoincideUno(p, i, valor[v], escape, &longitud)) {
            i += longitud;
            ++v;
            continue;
        }
        if (comodin < 0)
            return false;
        i = comodin;
        v = ++desde;
    }
    while (i < p.size() && p[i] == '%')
        ++i;
    return i == p.size();
}

int CompararTexto(const char* a, int na, const char* b, int nb) {
    na = SinBlancosFinales(a, na);
    nb = SinBlancosFinales(b, nb);
    const int n = std::min(na, nb);
    for (int i = 0; i < n; ++i) {
        const unsigned char x = a[i], y = b[i];
        if (x >= 0x80 || y >= 0x80)
            return CompararLento(a, na, b, nb);
        const int dx = (x >= 'A' && x <= 'Z') ? x + 32 : x;
        const int dy = (y >= 'A' && y <= 'Z') ? y + 32 : y;
        if (dx != dy)
            return dx < dy ? -1 : 1;
    }
    return na == nb ? 0 : na < nb ? -1 : 1;
}

bool RegistrarFunciones(sqlite3* db) {
    const int utf8 = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    return sqlite3_create_collation(db, kColacion, SQLITE_UTF8, nullptr, Colacion) == SQLITE_OK &&
           sqlite3_create_function(db, "like", 2, utf8, nullptr, Like, nullptr, nullptr) ==
               SQLITE_OK &&
           sqlite3_create_function(db, "like", 3, utf8, nullptr, Like, nullptr, nullptr) ==
               SQLITE_OK &&
           sqlite3_create_function(db, "charindex", 2, utf8, nullptr, Charindex, nullptr,
                                   nullptr) == SQLITE_OK &&
           sqlite3_create_function(db, "charindex", 3, utf8, nullptr, Charindex, nullptr,
                                   nullptr) == SQLITE_OK &&
           sqlite3_create_function(db, "len", 1, utf8, nullptr, Len, nullptr, nullptr) ==
               SQLITE_OK &&
           sqlite3_create_function(db, "upper", 1, utf8, nullptr, Mayusculas, nullptr, nullptr) ==
               SQLITE_OK &&
           sqlite3_create_function(db, "lower", 1, utf8, nullptr, Minusculas, nullptr, nullptr) ==
               SQLITE_OK;
}

} // namespace ado
