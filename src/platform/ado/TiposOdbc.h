#pragma once

#include "platform/ado/Resultado.h"

#include <sql.h>
#include <sqlext.h>

namespace ado {

// The data-type code callers see for a column the driver describes; money (scale 4 at the
// server's money precisions) reads as Currency.
int TipoAdoDeOdbc(SQLSMALLINT tipoSql, SQLULEN tamano, SQLSMALLINT escala);

// One column of the current row, fetched as text so that exact numbers (money, decimals)
// reach the program as the server wrote them; null for SQL NULL. False when the driver
// failed.
bool LeerValorOdbc(SQLHSTMT stmt, SQLUSMALLINT columna, const Columna& descripcion,
                   QVariant& valor);

} // namespace ado
