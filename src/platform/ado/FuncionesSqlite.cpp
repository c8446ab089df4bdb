#include "platform/ado/FuncionesSqlite.h"

#include "platform/ado/FuncionesDelServidor.h"
#include "platform/ado/TSqlToSqlite.h"

#include <QString>
#include <array>
#include <sqlite3.h>

namespace ado {
namespace {

int SinBlancosFinales(const char* s, int n) {
    while (n > 0 && s[n - 1] == ' ')
        --n;
    return n;
}

// The next code point of a UTF-8 text, from `i` on; a byte that starts no valid sequence stands
// for itself (apart from every character) so that distinct texts stay distinct.
char32_t SiguienteLetra(const unsigned char* s, int n, int& i) {
    const unsigned char b = s[i];
    const int largo = b < 0x80         ? 1
                      : (b >> 5) == 6  ? 2
                      : (b >> 4) == 14 ? 3
                      : (b >> 3) == 30 ? 4
                                       : 0;
    bool valida = largo > 0 && i + largo <= n;
    char32_t letra = largo == 1 ? b : b & (0x7F >> largo);
    for (int k = 1; valida && k < largo; ++k) {
        valida = (s[i + k] & 0xC0) == 0x80;
        letra = (letra << 6) | (s[i + k] & 0x3F);
    }
    i += valida ? largo : 1;
    return valida ? letra : 0x110000 + b;
}

// The weight of a case-folded letter in the Spanish order: an accented letter weighs as its
// base letter and Ñ is a letter of its own between N and O. Weights are doubled to make room
// for Ñ.
long Peso(char32_t letra) {
    static const std::array<long, 0x250> latinas = [] {
        std::array<long, 0x250> pesos{};
        for (char32_t u = 0; u < pesos.size(); ++u) {
            char32_t base = u;
            while (QChar::decompositionTag(base) == QChar::Canonical)
                base = QChar::decomposition(base).at(0).unicode();
            pesos[u] = long(QChar::toCaseFolded(base)) * 2;
        }
        pesos[0xF1] = long('n') * 2 + 1;
        return pesos;
    }();
    return letra < latinas.size() ? latinas[letra] : long(letra) * 2;
}

// Letters by their weights first; texts that weigh the same are told apart by their first
// differing letter, so that only texts equal but for case compare equal.
int CompararLento(const unsigned char* a, int na, const unsigned char* b, int nb) {
    int i = 0, j = 0, desempate = 0;
    while (i < na && j < nb) {
        const char32_t x = QChar::toCaseFolded(SiguienteLetra(a, na, i));
        const char32_t y = QChar::toCaseFolded(SiguienteLetra(b, nb, j));
        const long px = Peso(x), py = Peso(y);
        if (px != py)
            return px < py ? -1 : 1;
        if (desempate == 0 && x != y)
            desempate = x < y ? -1 : 1;
    }
    if (i < na || j < nb)
        return i < na ? 1 : -1;
    return desempate;
}

int Colacion(void*, int na, const void* a, int nb, const void* b) {
    return CompararTexto(static_cast<const char*>(a), na, static_cast<const char*>(b), nb);
}

// The order files were indexed in before the Spanish one: case folded, then code points.
int ColacionAnterior(void*, int na, const void* a, int nb, const void* b) {
    const QString x = QString::fromUtf8(static_cast<const char*>(a),
                                        SinBlancosFinales(static_cast<const char*>(a), na));
    const QString y = QString::fromUtf8(static_cast<const char*>(b),
                                        SinBlancosFinales(static_cast<const char*>(b), nb));
    const int r = x.compare(y, Qt::CaseInsensitive);
    return r < 0 ? -1 : r > 0 ? 1 : 0;
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

// The server's REPLACE finds the text to replace as its collation compares: without regard
// to case.
void Reemplazar(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (AlgunoNulo(argc, argv))
        return sqlite3_result_null(ctx);
    QString texto = Texto(argv[0]);
    const QString buscado = Texto(argv[1]);
    if (!buscado.isEmpty())
        texto.replace(buscado, Texto(argv[2]), Qt::CaseInsensitive);
    const QByteArray r = texto.toUtf8();
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
            // A range spans the collation's order: [a-z] holds "á" and "ñ", [a-m] neither "ñ".
            const long peso = Peso(x.unicode());
            dentro |= peso >= Peso(p[j].toCaseFolded().unicode()) &&
                      peso <= Peso(p[j + 2].toCaseFolded().unicode());
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
        if (x >= 0x80 || y >= 0x80) // what came before is ASCII and the same in both
            return CompararLento(reinterpret_cast<const unsigned char*>(a) + i, na - i,
                                 reinterpret_cast<const unsigned char*>(b) + i, nb - i);
        const int dx = (x >= 'A' && x <= 'Z') ? x + 32 : x;
        const int dy = (y >= 'A' && y <= 'Z') ? y + 32 : y;
        if (dx != dy)
            return dx < dy ? -1 : 1;
    }
    return na == nb ? 0 : na < nb ? -1 : 1;
}

bool IndicesAlDiaConLaColacion(sqlite3* db) {
    sqlite3_stmt* st = nullptr;
    int version = 0;
    if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        version = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    if (version >= kVersionColacion)
        return true;
    const QByteArray sql = "BEGIN IMMEDIATE; REINDEX " + QByteArray(kColacion) +
                           "; PRAGMA user_version = " + QByteArray::number(kVersionColacion) +
                           "; COMMIT;";
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK)
        return true;
    if (!sqlite3_get_autocommit(db))
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    // Comparing in one order against indexes built in another misses rows that are there, and
    // writing would misplace entries: until the file is reindexed it keeps its own order.
    sqlite3_create_collation(db, kColacion, SQLITE_UTF8, nullptr, ColacionAnterior);
    return false;
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
               SQLITE_OK &&
           sqlite3_create_function(db, "replace", 3, utf8, nullptr, Reemplazar, nullptr, nullptr) ==
               SQLITE_OK &&
           RegistrarFuncionesDelServidor(db);
}

} // namespace ado
