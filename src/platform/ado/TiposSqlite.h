#pragma once

#include <QString>
#include <QVariant>

struct sqlite3_stmt;

namespace ado {

// The data-type code and size that a column declared as `declarado` reports.
int TipoAdo(const QString& declarado, long* tamano);

// The value of a result column, as the callers expect it of that type: dates as
// QDateTime/QDate, bits as bool, fixed-width texts padded with blanks to their width.
QVariant LeerValor(sqlite3_stmt* stmt, int columna, int tipo, long tamano);

// The type of an expression column, from the first value read.
int TipoDeValor(const QVariant& valor);

// Binds a value to a "?" mark (1-based) in the storage form of the embedded database.
int Vincular(sqlite3_stmt* stmt, int indice, const QVariant& valor);

} // namespace ado
