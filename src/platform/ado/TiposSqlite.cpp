#include "platform/ado/TiposSqlite.h"

#include "platform/ado/AdoTipos.h"
#include "platform/ado/FechaIso.h"
#include "platform/ado/Resultado.h"
#include "platform/ado/TextosDeFilas.h"
#include "platform/runtime/Currency.h"

#include <QDateTime>
#include <QHash>
#include <QRegularExpression>
#include <sqlite3.h>

namespace ado {
namespace {

struct TipoConocido {
    int tipo;
    long tamano;
};

const QHash<QString, TipoConocido>& Tipos() {
    static const QHash<QString, TipoConocido> tipos = {
        {"CHAR", {adChar, 1}},
        {"NCHAR", {adWChar, 1}},
        {"VARCHAR", {adVarChar, 1}},
        {"NVARCHAR", {adVarWChar, 1}},
        {"TEXT", {adLongVarChar, 2147483647}},
        {"NTEXT", {adLongVarWChar, 1073741823}},
        {"INT", {adInteger, 4}},
        {"INTEGER", {adInteger, 4}},
        {"SMALLINT", {adSmallInt, 2}},
        {"TINYINT", {adUnsignedTinyInt, 1}},
        {"BIGINT", {adBigInt, 8}},
        {"BIT", {adBoolean, 2}},
        {"FLOAT", {adDouble, 8}},
        {"REAL", {adSingle, 4}},
        {"DOUBLE", {adDouble, 8}},
        {"MONEY", {adCurrency, 8}},
        {"SMALLMONEY", {adCurrency, 8}},
        {"DECIMAL", {adNumeric, 19}},
        {"NUMERIC", {adNumeric, 19}},
        {"DATETIME", {adDBTimeStamp, 16}},
        {"SMALLDATETIME", {adDBTimeStamp, 16}},
        {"DATE", {adDBDate, 3}},
    };
    return tipos;
}

QVariant Texto(sqlite3_stmt* stmt, int columna) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, columna)),
                             sqlite3_column_bytes(stmt, columna));
}

QVariant Fecha(const QString& texto, int tipo) {
    if (tipo == adDBDate) {
        const QDate d = QDate::fromString(texto.left(10), Qt::ISODate);
        return d.isValid() ? QVariant(d) : QVariant(texto);
    }
    // With the milliseconds another program may have written: a row is found again by all
    // its values.
    QDateTime dt = texto.size() > 19 ? FechaIso(texto) : QDateTime();
    if (!dt.isValid())
        dt = QDateTime::fromString(texto, Qt::ISODate);
    if (!dt.isValid())
        dt = QDateTime::fromString(texto, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid())
        dt = QDateTime(QDate::fromString(texto.left(10), Qt::ISODate), QTime(0, 0));
    return dt.isValid() ? QVariant(dt) : QVariant(texto);
}

QVariant Entero(sqlite3_stmt* stmt, int columna) {
    const qint64 n = sqlite3_column_int64(stmt, columna);
    if (n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max())
        return int(n);
    return n;
}

// The engine keeps an amount as an integer, as a double (exact up to 2^39 with four
// decimals) or, when it was written as text no number reads, as that text: each is taken
// without a detour through a double where it has none. What Currency cannot hold is given as
// the engine's text, every digit kept, when it is a plain number: a double would lose digits.
QVariant Importe(sqlite3_stmt* stmt, int columna) {
    std::optional<Currency> importe;
    switch (sqlite3_column_type(stmt, columna)) {
    case SQLITE_INTEGER: {
        constexpr qint64 kMaximo = std::numeric_limits<qint64>::max() / Currency::Escala;
        const qint64 n = sqlite3_column_int64(stmt, columna);
        if (n >= -kMaximo && n <= kMaximo)
            importe = Currency::DesdeEscalado(n * Currency::Escala);
        break;
    }
    case SQLITE_FLOAT:
        importe = Currency::DesdeDoubleGuardado(sqlite3_column_double(stmt, columna));
        break;
    default:
        importe = Currency::DesdeTextoSql(Texto(stmt, columna).toString().trimmed());
        break;
    }
    if (importe)
        return importe->AVariant();
    if (const auto exacto = Currency::TextoFueraDeRango(Texto(stmt, columna).toString()))
        return *exacto;
    return sqlite3_column_double(stmt, columna);
}

// A value read from an expression: dates come back as ISO text and are recognised here.
QVariant SinTipo(sqlite3_stmt* stmt, int columna) {
    static const QRegularExpression iso(R"(^\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}$)");
    switch (sqlite3_column_type(stmt, columna)) {
    case SQLITE_INTEGER:
        return Entero(stmt, columna);
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt, columna);
    default: {
        const QVariant v = Texto(stmt, columna);
        return iso.match(v.toString()).hasMatch() ? Fecha(v.toString(), adDBTimeStamp) : v;
    }
    }
}

} // namespace

int TipoAdo(const QString& declarado, long* tamano, int* escala) {
    static const QRegularExpression forma(
        R"(^\s*([A-Za-z ]+?)\s*(?:\(\s*(\d+)\s*(?:,\s*(\d+)\s*)?\))?\s*$)");
    const auto m = forma.match(declarado);
    const QString base = m.captured(1).toUpper();
    const auto it = Tipos().constFind(base);
    if (!m.hasMatch() || it == Tipos().constEnd()) {
        *tamano = 0;
        return adEmpty;
    }
    const bool texto = it->tipo == adChar || it->tipo == adWChar || it->tipo == adVarChar ||
                       it->tipo == adVarWChar;
    *tamano = texto && !m.captured(2).isEmpty() ? m.captured(2).toLong() : it->tamano;
    if (escala && it->tipo == adCurrency)
        *escala = 4;
    else if (escala && it->tipo == adNumeric)
        *escala =
            m.captured(3).isEmpty() ? (m.captured(2).isEmpty() ? -1 : 0) : m.captured(3).toInt();
    return it->tipo;
}

// Every spelling the server takes for its text types: CHAR(n), NVARCHAR(n), CHARACTER VARYING(n),
// NATIONAL CHAR(n)... A fixed-length one without its length holds one character.
long LargoDeTexto(const QString& declarado) {
    static const QRegularExpression texto(
        R"(^\s*(?:NATIONAL\s+|N)?(VAR)?CHAR(?:ACTER)?(\s+VARYING)?\s*(?:\(\s*(\d+)\s*\))?\s*$)",
        QRegularExpression::CaseInsensitiveOption);
    const auto m = texto.match(declarado);
    if (!m.hasMatch())
        return 0;
    const bool variable = m.hasCaptured(1) || m.hasCaptured(2);
    return m.hasCaptured(3) ? m.captured(3).toLong() : variable ? 0 : 1;
}

QVariant LeerValor(sqlite3_stmt* stmt, int columna, const Columna& descripcion) {
    if (sqlite3_column_type(stmt, columna) == SQLITE_NULL)
        return {};
    const int tipo = descripcion.tipo;
    const long tamano = descripcion.tamano;
    switch (tipo) {
    case adEmpty:
        return SinTipo(stmt, columna);
    case adChar:
    case adWChar:
        return Texto(stmt, columna).toString().leftJustified(int(tamano), ' ');
    case adVarChar:
    case adVarWChar:
    case adLongVarChar:
    case adLongVarWChar:
        return Texto(stmt, columna);
    case adBoolean:
        return sqlite3_column_int64(stmt, columna) != 0;
    case adDBTimeStamp:
    case adDBDate:
        return Fecha(Texto(stmt, columna).toString(), tipo);
    case adCurrency:
    case adNumeric:
        if (descripcion.escala >= 0 && descripcion.escala <= 4)
            return Importe(stmt, columna);
        return sqlite3_column_double(stmt, columna);
    case adDouble:
    case adSingle:
        return sqlite3_column_double(stmt, columna);
    default:
        return Entero(stmt, columna);
    }
}

namespace {

// The digits of "yyyy-MM-dd" or "yyyy-MM-dd HH:mm:ss" as one number, with the length
// last so that the two forms never meet; false for any other text.
bool ClaveIso(const unsigned char* s, int n, qint64& clave) {
    static constexpr char kForma[] = "dddd-dd-dd dd:dd:dd";
    if (n != 10 && n != 19)
        return false;
    clave = 0;
    for (int i = 0; i < n; ++i) {
        if (kForma[i] != 'd') {
            if (s[i] != kForma[i])
                return false;
            continue;
        }
        if (s[i] < '0' || s[i] > '9')
            return false;
        clave = clave * 10 + (s[i] - '0');
    }
    clave = clave * 100 + n;
    return true;
}

} // namespace

QVariant FechasLeidas::Leer(sqlite3_stmt* stmt, int columna, const Columna& descripcion) {
    if (sqlite3_column_type(stmt, columna) == SQLITE_NULL)
        return {};
    const unsigned char* texto = sqlite3_column_text(stmt, columna);
    qint64 clave = 0;
    if (!texto || !ClaveIso(texto, sqlite3_column_bytes(stmt, columna), clave))
        return LeerValor(stmt, columna, descripcion);
    const auto vista = vistas_.constFind(clave);
    if (vista != vistas_.constEnd())
        return *vista;
    if (vistas_.size() >= 4096) // time stamps rarely repeat: keep the memory bounded
        vistas_.clear();
    return *vistas_.insert(clave, LeerValor(stmt, columna, descripcion));
}

namespace {

// The width a text column's values are padded to as LeerValor reads them; -1 for a column
// whose values are not read as texts.
long AnchoDeTexto(const Columna& columna) {
    switch (columna.tipo) {
    case adChar:
    case adWChar:
        return columna.tamano;
    case adVarChar:
    case adVarWChar:
    case adLongVarChar:
    case adLongVarWChar:
        return 0;
    default:
        return -1;
    }
}

} // namespace

void LeerTextosDeFila(sqlite3_stmt* stmt, const QVector<Columna>& columnas,
                      std::vector<FechasLeidas>& fechas, EscritorDeTextos& escritor,
                      TextosDeFilas& textos) {
    for (int c = 0; c < columnas.size(); ++c) {
        const Columna& columna = columnas[c];
        const long ancho = AnchoDeTexto(columna);
        const auto leer = [&] {
            const bool fecha = columna.tipo == adDBTimeStamp || columna.tipo == adDBDate;
            return fecha ? fechas[size_t(c)].Leer(stmt, c, columna) : LeerValor(stmt, c, columna);
        };
        // Each call into the engine takes its lock: a text cell costs two, as its bytes do
        // for any reader; only a null gives no text.
        const char* texto =
            ancho >= 0 ? reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)) : nullptr;
        const int tipo = texto ? SQLITE_TEXT : sqlite3_column_type(stmt, c);
        if (texto)
            textos.AgregarUtf8(texto, sqlite3_column_bytes(stmt, c), ancho);
        else if (tipo == SQLITE_NULL)
            escritor.AgregarEntero(c, 0, 0, leer);
        else if (tipo == SQLITE_INTEGER)
            escritor.AgregarEntero(c, -1, sqlite3_column_int64(stmt, c), leer);
        else
            escritor.AgregarValor(c, leer());
    }
}

int TipoDeValor(const QVariant& valor) {
    switch (valor.typeId()) {
    case QMetaType::Int:
        return adInteger;
    case QMetaType::LongLong:
        return adBigInt;
    case QMetaType::Double:
        return adDouble;
    case QMetaType::QDateTime:
        return adDBTimeStamp;
    case QMetaType::QDate:
        return adDBDate;
    case QMetaType::Bool:
        return adBoolean;
    default:
        return adVarChar;
    }
}

int Vincular(sqlite3_stmt* stmt, int indice, const QVariant& valor) {
    if (valor.isNull() || !valor.isValid())
        return sqlite3_bind_null(stmt, indice);
    // As text the engine turns it into the same number a literal of the amount becomes.
    if (valor.metaType() == QMetaType::fromType<Currency>())
        return Vincular(stmt, indice, valor.value<Currency>().ATextoSql());
    switch (valor.typeId()) {
    case QMetaType::Bool:
        return sqlite3_bind_int(stmt, indice, valor.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(stmt, indice, valor.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(stmt, indice, valor.toDouble());
    case QMetaType::QDate:
        return Vincular(stmt, indice, valor.toDate().toString(QStringLiteral("yyyy-MM-dd")));
    case QMetaType::QDateTime: {
        const QDateTime fecha = valor.toDateTime();
        return Vincular(stmt, indice,
                        fecha.toString(fecha.time().msec()
                                           ? QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")
                                           : QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    }
    default: {
        const QByteArray u = valor.toString().toUtf8();
        return sqlite3_bind_text(stmt, indice, u.constData(), u.size(), SQLITE_TRANSIENT);
    }
    }
}

} // namespace ado
