#include "platform/ado/ErroresSqlite.h"

#include "platform/ado/AdoTipos.h"

#include <QRegularExpression>
#include <sqlite3.h>

namespace ado {
namespace {

const QString kOrigen = QStringLiteral("Proveedor SQLite");

struct Regla {
    QRegularExpression patron;
    long numero;
    long nativo;
    const char* estado;
    QString descripcion; // %1 and %2 are the captures
};

// The engine's own message as a pattern: its "%1" and "%2" capture what they stand for.
QRegularExpression Patron(const char* mensaje) {
    const QStringList partes = QString::fromLatin1(mensaje).split(QRegularExpression("%[12]"));
    QString patron = QRegularExpression::escape(partes[0]);
    for (qsizetype i = 1; i < partes.size(); ++i)
        patron += QStringLiteral("(.*)") + QRegularExpression::escape(partes[i]);
    return QRegularExpression(u'^' + patron + u'$');
}

const QVector<Regla>& Reglas() {
    static const QVector<Regla> reglas = {
        {QRegularExpression("^no such table: (?:main\\.)?(.+)$"), DB_E_NOTABLE_, 208, "42S02",
         QStringLiteral("El nombre de objeto '%1' no es válido.")},
        {QRegularExpression("^no such column: (.+)$"), DB_E_ERRORSINCOMMAND_, 207, "42S22",
         QStringLiteral("El nombre de columna '%1' no es válido.")},
        {QRegularExpression("^(?:UNIQUE|PRIMARY KEY) constraint failed: (.+)$"),
         DB_E_INTEGRITYVIOLATION_, 2627, "23000",
         QStringLiteral("Infracción de la restricción de clave única (%1). No se puede insertar "
                        "una clave duplicada.")},
        {QRegularExpression("^NOT NULL constraint failed: (.+)$"), DB_E_INTEGRITYVIOLATION_, 515,
         "23000",
         QStringLiteral("No se puede insertar el valor NULL en la columna %1: la columna no "
                        "admite valores NULL.")},
        {QRegularExpression("^near \"(.*)\": syntax error$"), DB_E_ERRORSINCOMMAND_, 102, "42000",
         QStringLiteral("Sintaxis incorrecta cerca de '%1'.")},
        {QRegularExpression("^(?:incomplete input|unrecognized token: (.*))$"),
         DB_E_ERRORSINCOMMAND_, 102, "42000",
         QStringLiteral("Sintaxis incorrecta en la sentencia SQL %1.")},
        {QRegularExpression("^no such function: (.+)$"), DB_E_ERRORSINCOMMAND_, 195, "42000",
         QStringLiteral("'%1' no es un nombre de función reconocido.")},
        {QRegularExpression(QStringLiteral("^") + QLatin1String(kTextoTruncado) + ": (.+)$"),
         DB_E_DATAOVERFLOW_, 8152, "22001",
         QStringLiteral("Los datos de cadena o binarios se truncarían (columna %1). La "
                        "instrucción se ha terminado.")},
        {QRegularExpression("^table (.+) has no column named (.+)$"), DB_E_ERRORSINCOMMAND_, 207,
         "42S22", QStringLiteral("La tabla %1 no tiene la columna indicada en la sentencia.")},
        {Patron(kDivisionPorCero), DB_E_ERRORSINCOMMAND_, 8134, "22012",
         QStringLiteral("Se encontró un error de división entre cero.")},
        {Patron(kDesbordamiento), DB_E_DATAOVERFLOW_, 8115, "22003",
         QStringLiteral("Error de desbordamiento aritmético al convertir expression al tipo de "
                        "datos %1.")},
        {Patron(kConversionFallida), DB_E_CANTCONVERTVALUE_, 245, "22018",
         QStringLiteral("Error de conversión al convertir el valor varchar '%1' al tipo de datos "
                        "%2.")},
        {Patron(kConversionNumerica), DB_E_CANTCONVERTVALUE_, 8114, "22018",
         QStringLiteral("Error al convertir el tipo de datos varchar a %1.")},
        {Patron(kValorInexacto), DB_E_ERRORSINCOMMAND_, 0, "42000",
         QStringLiteral("La base de datos incorporada no admite el número %1 con todas sus "
                        "cifras: lo guardaría redondeado.")},
    };
    return reglas;
}

Error PorCodigo(int codigo, const QString& mensaje) {
    switch (codigo & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return ErrorDelProveedor(E_FAIL_, 1222, "HYT00",
                                 QStringLiteral("La base de datos está bloqueada por otro "
                                                "proceso; se agotó el tiempo de espera."));
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return ErrorDelProveedor(E_FAIL_, 17, "08001",
                                 QStringLiteral("El archivo no es una base de datos válida o "
                                                "está dañado."));
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        return ErrorDelProveedor(E_FAIL_, 5120, "42000",
                                 QStringLiteral("No se puede escribir en la base de datos: el "
                                                "archivo es de solo lectura o no se puede abrir."));
    case SQLITE_FULL:
        return ErrorDelProveedor(E_FAIL_, 1105, "HY000",
                                 QStringLiteral("No queda espacio en el disco para la base de "
                                                "datos."));
    default:
        return ErrorDelProveedor(E_FAIL_, codigo, "HY000",
                                 QStringLiteral("Error de la base de datos: %1").arg(mensaje));
    }
}

} // namespace

Error ErrorDelProveedor(long numero, long nativo, const QString& estado,
                        const QString& descripcion) {
    return ErrorDe(kOrigen, numero, nativo, estado, descripcion);
}

Error ErrorConexionCerrada() {
    return ErrorDelProveedor(errObjetoCerrado, 0, QStringLiteral("08003"),
                             QStringLiteral("La conexión con la base de datos está cerrada."));
}

Error ErrorDeSqlite(int codigo, const QString& mensaje) {
    if ((codigo & 0xff) == SQLITE_ERROR || (codigo & 0xff) == SQLITE_CONSTRAINT) {
        for (const Regla& r : Reglas()) {
            const auto m = r.patron.match(mensaje);
            if (!m.hasMatch())
                continue;
            const QString descripcion = r.descripcion.contains(QLatin1String("%2"))
                                            ? r.descripcion.arg(m.captured(1), m.captured(2))
                                            : r.descripcion.arg(m.captured(1)).replace("  ", " ");
            return ErrorDelProveedor(r.numero, r.nativo, QString::fromLatin1(r.estado),
                                     descripcion);
        }
    }
    return PorCodigo(codigo, mensaje);
}

} // namespace ado
