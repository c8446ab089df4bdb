#include "platform/ado/FuncionesDelServidor.h"

#include "platform/ado/ErroresSqlite.h"
#include "platform/ado/NumeroExacto.h"
#include "platform/runtime/Currency.h"

#include <QRegularExpression>
#include <cstring>
#include <limits>
#include <sqlite3.h>

namespace ado {
namespace {

using Unidades = NumeroExacto::Unidades;

// A server type a value is turned into: its name as the server's messages write it, its digits
// and its decimals.
struct Destino {
    char nombre[16];
    int precision;
    int escala;
};

QString Texto(sqlite3_value* v) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)),
                             sqlite3_value_bytes(v));
}

Destino LeerDestino(sqlite3_value** argv) {
    Destino d{};
    const QByteArray nombre = Texto(argv[0]).toLatin1().left(sizeof d.nombre - 1);
    std::memcpy(d.nombre, nombre.constData(), size_t(nombre.size()));
    d.precision = sqlite3_value_int(argv[1]);
    d.escala = sqlite3_value_int(argv[2]);
    return d;
}

bool Nulo(sqlite3_value* v) {
    return sqlite3_value_type(v) == SQLITE_NULL;
}

void Fallar(sqlite3_context* ctx, const QString& mensaje) {
    const QByteArray u = mensaje.toUtf8();
    sqlite3_result_error(ctx, u.constData(), int(u.size()));
}

void Desborde(sqlite3_context* ctx, const char* tipo) {
    Fallar(ctx, QString::fromLatin1(kDesbordamiento).arg(QLatin1String(tipo)));
}

bool Cabe(const NumeroExacto& n, const Destino& d) {
    struct Limite {
        const char* nombre;
        Unidades minimo, maximo;
        int escala;
    };
    constexpr qint64 min64 = std::numeric_limits<qint64>::min();
    constexpr qint64 max64 = std::numeric_limits<qint64>::max();
    constexpr qint32 min32 = std::numeric_limits<qint32>::min();
    constexpr qint32 max32 = std::numeric_limits<qint32>::max();
    static const Limite limites[] = {
        {"money", min64, max64, 4}, {"smallmoney", min32, max32, 4}, {"bigint", min64, max64, 0},
        {"int", min32, max32, 0},   {"smallint", -32768, 32767, 0},  {"tinyint", 0, 255, 0}};
    for (const Limite& l : limites)
        if (std::strcmp(d.nombre, l.nombre) == 0) {
            const auto v = n.AEscala(l.escala);
            return v && v->Valor() >= l.minimo && v->Valor() <= l.maximo;
        }
    return n.DigitosEnteros() <= d.precision - d.escala;
}

// The decimal a stored double stands for at `escala` decimals: up to four, as the recordset
// reads an amount (the ends of its range included), beyond that its shortest text.
std::optional<NumeroExacto> DeDouble(double d, int escala) {
    if (escala >= 0 && escala <= 4)
        if (const auto importe = Currency::DesdeDoubleGuardado(d))
            return NumeroExacto(importe->Escalado(), 4).AEscala(escala);
    return NumeroExacto::DesdeDouble(d, escala);
}

// An operand at `escala` decimals (its own when negative): integers exactly, doubles as the
// decimal they stand for, texts as the literals the translator writes them.
std::optional<NumeroExacto> Operando(sqlite3_value* v, int escala) {
    std::optional<NumeroExacto> n;
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
        n = NumeroExacto(sqlite3_value_int64(v), 0);
        break;
    case SQLITE_FLOAT:
        return DeDouble(sqlite3_value_double(v), escala);
    case SQLITE_TEXT:
        n = NumeroExacto::DesdeTexto(Texto(v));
        break;
    default:
        return std::nullopt;
    }
    return n && escala >= 0 ? n->AEscala(escala) : n;
}

// The engine keeps a whole number as an integer and any other as a double: one that would not
// read back as the same decimal is refused rather than kept rounded.
void Devolver(sqlite3_context* ctx, const NumeroExacto& n) {
    const auto entero = n.AEscala(0, true);
    if (entero && *entero == n && entero->Valor() >= std::numeric_limits<qint64>::min() &&
        entero->Valor() <= std::numeric_limits<qint64>::max())
        return sqlite3_result_int64(ctx, qint64(entero->Valor()));
    const double d = n.ADouble();
    const auto leido = DeDouble(d, n.Escala());
    if (leido && *leido == n)
        return sqlite3_result_double(ctx, d);
    Fallar(ctx, QString::fromLatin1(kValorInexacto).arg(n.ATexto()));
}

// The value as the type `d` holds it, or the server's overflow.
void DevolverComo(sqlite3_context* ctx, std::optional<NumeroExacto> n, const Destino& d,
                  bool truncar = false) {
    if (n)
        n = n->AEscala(d.escala, truncar);
    if (!n || !Cabe(*n, d))
        return Desborde(ctx, d.nombre);
    Devolver(ctx, *n);
}

bool EsEntero(const Destino& d) {
    return d.escala == 0 && std::strcmp(d.nombre, "numeric") != 0;
}

void ConvertirTexto(sqlite3_context* ctx, const QString& texto, const Destino& d) {
    const auto n = NumeroExacto::DesdeTextoDelServidor(texto, EsEntero(d));
    if (n)
        return DevolverComo(ctx, n, d);
    Fallar(ctx, EsEntero(d)
                    ? QString::fromLatin1(kConversionFallida).arg(texto, QLatin1String(d.nombre))
                    : QString::fromLatin1(kConversionNumerica).arg(QLatin1String(d.nombre)));
}

void Operar(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (Nulo(argv[0]) || Nulo(argv[3]))
        return sqlite3_result_null(ctx);
    const Destino d = LeerDestino(argv + 5);
    const auto a = Operando(argv[0], sqlite3_value_int(argv[1]));
    const auto b = Operando(argv[3], sqlite3_value_int(argv[4]));
    if (!a || !b)
        return Fallar(ctx, QString::fromLatin1(kConversionNumerica).arg(QLatin1String(d.nombre)));
    const char op = char(sqlite3_value_text(argv[2])[0]);
    DevolverComo(ctx, NumeroExacto::Operar(op, *a, *b), d);
}

void Convertir(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (Nulo(argv[0]))
        return sqlite3_result_null(ctx);
    const Destino d = LeerDestino(argv + 2);
    const int escala = sqlite3_value_int(argv[1]);
    if (escala == kEscalaDeTexto && sqlite3_value_type(argv[0]) == SQLITE_TEXT)
        return ConvertirTexto(ctx, Texto(argv[0]), d);
    DevolverComo(ctx, Operando(argv[0], std::max(escala, -1)), d, sqlite3_value_int(argv[5]) != 0);
}

void Redondear(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (Nulo(argv[0]) || Nulo(argv[2]))
        return sqlite3_result_null(ctx);
    const int escala = sqlite3_value_int(argv[1]);
    const int decimales = sqlite3_value_int(argv[2]);
    const bool truncar = sqlite3_value_int(argv[3]) != 0;
    const auto n = Operando(argv[0], escala);
    const auto redondeado = n ? n->Redondeado(decimales, truncar) : std::nullopt;
    if (escala >= 0)
        return DevolverComo(ctx, redondeado, LeerDestino(argv + 4));
    if (!redondeado)
        return Desborde(ctx, "float");
    sqlite3_result_double(ctx, redondeado->ADouble());
}

void Divisor(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (!Nulo(argv[0]) && sqlite3_value_double(argv[0]) == 0.0)
        return Fallar(ctx, QString::fromLatin1(kDivisionPorCero));
    sqlite3_result_value(ctx, argv[0]);
}

// A running total of exact values, and the type its result takes.
// The engine aligns an aggregate's memory for 8 bytes only: a 128-bit total is kept in halves.
struct Total {
    quint64 bajo, alto;
    Unidades Valor() const { return Unidades((static_cast<unsigned __int128>(alto) << 64) | bajo); }
    void Fijar(Unidades v) {
        bajo = quint64(v);
        alto = quint64(static_cast<unsigned __int128>(v) >> 64);
    }
};

struct Suma {
    Total total;
    qint64 filas;
    int escala;
    bool desbordada;
    Destino destino;
};

void PasoSuma(sqlite3_context* ctx, int, sqlite3_value** argv) {
    auto* s = static_cast<Suma*>(sqlite3_aggregate_context(ctx, sizeof(Suma)));
    if (!s)
        return sqlite3_result_error_nomem(ctx);
    if (s->filas == 0) {
        s->escala = sqlite3_value_int(argv[1]);
        s->destino = LeerDestino(argv + 2);
    }
    if (Nulo(argv[0]))
        return;
    const auto v = Operando(argv[0], s->escala);
    Unidades total = 0;
    // AEscala to its own scale answers whether the digits still fit.
    s->desbordada |= !v || __builtin_add_overflow(s->total.Valor(), v->Valor(), &total) ||
                     !NumeroExacto(total, 0).AEscala(0);
    s->total.Fijar(total);
    ++s->filas;
}

void FinSuma(sqlite3_context* ctx) {
    const auto* s = static_cast<Suma*>(sqlite3_aggregate_context(ctx, 0));
    if (!s || s->filas == 0)
        return sqlite3_result_null(ctx);
    if (s->desbordada)
        return Desborde(ctx, s->destino.nombre);
    DevolverComo(ctx, NumeroExacto(s->total.Valor(), s->escala), s->destino);
}

struct Promedio {
    Total total;
    qint64 filas;
};

void PasoPromedio(sqlite3_context* ctx, int, sqlite3_value** argv) {
    auto* p = static_cast<Promedio*>(sqlite3_aggregate_context(ctx, sizeof(Promedio)));
    if (!p)
        return sqlite3_result_error_nomem(ctx);
    if (Nulo(argv[0]))
        return;
    p->total.Fijar(p->total.Valor() + sqlite3_value_int64(argv[0]));
    ++p->filas;
}

// The server's average of whole numbers is a whole number: the quotient cut toward zero.
void FinPromedio(sqlite3_context* ctx) {
    const auto* p = static_cast<Promedio*>(sqlite3_aggregate_context(ctx, 0));
    if (!p || p->filas == 0)
        return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, qint64(p->total.Valor() / p->filas));
}

void ResultadoTexto(sqlite3_context* ctx, const QString& texto) {
    const QByteArray u = texto.toUtf8();
    sqlite3_result_text(ctx, u.constData(), int(u.size()), SQLITE_TRANSIENT);
}

// A whole number too long for its text is "*" on the server; any other number overflows.
void NumeroTexto(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (Nulo(argv[0]))
        return sqlite3_result_null(ctx);
    const int escala = sqlite3_value_int(argv[1]);
    const auto n = Operando(argv[0], escala);
    const auto redondeado = n ? n->AEscala(sqlite3_value_int(argv[2])) : std::nullopt;
    const int largo = sqlite3_value_int(argv[3]);
    const QString texto = redondeado ? redondeado->ATexto() : QString();
    if (!redondeado || (largo > 0 && texto.size() > largo && escala != 0))
        return Desborde(ctx, "varchar");
    ResultadoTexto(ctx, largo > 0 && texto.size() > largo ? QStringLiteral("*") : texto);
}

// The server's default text of a date and time (style 0, "mon dd yyyy hh:miAM"); a DATE is
// written "yyyy-mm-dd".
void FechaTexto(sqlite3_context* ctx, int, sqlite3_value** argv) {
    static const QRegularExpression iso(
        QStringLiteral(R"(^(\d{4})-(\d{2})-(\d{2})(?:[ T](\d{2}):(\d{2}))?)"));
    static const char* const meses[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (Nulo(argv[0]))
        return sqlite3_result_null(ctx);
    const QString texto = Texto(argv[0]);
    const auto m = iso.match(texto);
    const int mes = m.captured(2).toInt();
    if (!m.hasMatch() || mes < 1 || mes > 12)
        return ResultadoTexto(ctx, texto);
    if (Texto(argv[1]) == QLatin1String("date"))
        return ResultadoTexto(ctx, texto.left(10));
    const int hora = m.captured(4).toInt();
    ResultadoTexto(ctx,
                   QString::asprintf(
                       "%s %2d %s %2d:%s%s", meses[mes - 1], m.captured(3).toInt(),
                       qPrintable(m.captured(1)), hora % 12 == 0 ? 12 : hora % 12,
                       qPrintable(m.captured(5).isEmpty() ? QStringLiteral("00") : m.captured(5)),
                       hora < 12 ? "AM" : "PM"));
}

void TextoDeLargo(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (Nulo(argv[0]))
        return sqlite3_result_null(ctx);
    const int largo = sqlite3_value_int(argv[1]);
    QString texto = Texto(argv[0]);
    if (largo > 0)
        texto =
            sqlite3_value_int(argv[2]) ? texto.leftJustified(largo, u' ', true) : texto.left(largo);
    ResultadoTexto(ctx, texto);
}

} // namespace

bool RegistrarFuncionesDelServidor(sqlite3* db) {
    struct Escalar {
        const char* nombre;
        int argumentos;
        void (*funcion)(sqlite3_context*, int, sqlite3_value**);
    };
    static const Escalar escalares[] = {{"sqlsrv_operar", 8, Operar},
                                        {"sqlsrv_convertir", 6, Convertir},
                                        {"sqlsrv_redondear", 7, Redondear},
                                        {"sqlsrv_divisor", 1, Divisor},
                                        {"sqlsrv_numero_texto", 4, NumeroTexto},
                                        {"sqlsrv_fecha_texto", 2, FechaTexto},
                                        {"sqlsrv_texto", 3, TextoDeLargo}};
    const int opciones = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    for (const Escalar& e : escalares)
        if (sqlite3_create_function(db, e.nombre, e.argumentos, opciones, nullptr, e.funcion,
                                    nullptr, nullptr) != SQLITE_OK)
            return false;
    return sqlite3_create_function(db, "sqlsrv_suma", 5, opciones, nullptr, nullptr, PasoSuma,
                                   FinSuma) == SQLITE_OK &&
           sqlite3_create_function(db, "sqlsrv_promedio_entero", 1, opciones, nullptr, nullptr,
                                   PasoPromedio, FinPromedio) == SQLITE_OK;
}

} // namespace ado
