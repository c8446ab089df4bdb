#pragma once

#include "platform/ado/Resultado.h"

#include <QHash>
#include <sql.h>
#include <sqlext.h>

namespace ado {

// The data-type code callers see for a column the driver describes; money (scale 4 at the
// server's money precisions) reads as Currency.
int TipoAdoDeOdbc(SQLSMALLINT tipoSql, SQLULEN tamano, SQLSMALLINT escala);

// A value the driver gave as text, as its column's type reads it: amounts and decimals of up
// to four places exactly as Currency (a double only where Currency cannot hold them),
// datetimes with their milliseconds.
QVariant ValorDeTextoOdbc(const QString& texto, const Columna& columna);

// The datetimes of one read. Entries of a day share their date, and turning a text into a
// local date and time costs a time-zone lookup, so each distinct text is converted once and
// its value reused.
class FechasOdbc {
public:
    QVariant Leer(const QString& texto);

private:
    QHash<QString, QVariant> vistas_;
};

// One column of the current row, fetched as text so that exact numbers (money, decimals)
// reach the program as the server wrote them; null for SQL NULL. False when the driver
// failed.
bool LeerValorOdbc(SQLHSTMT stmt, SQLUSMALLINT columna, const Columna& descripcion, QVariant& valor,
                   FechasOdbc& fechas);

} // namespace ado
