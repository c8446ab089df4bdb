#pragma once

#include "platform/ado/EsquemaSqlite.h"
#include "platform/ado/TokenSql.h"

namespace ado {

// Where the engine would compute otherwise than the server, the statement is rewritten to call
// the functions that compute as it does (FuncionesDelServidor), innermost first, or refused by
// name: arithmetic of exact numbers and its overflow, division by zero, SUM, AVG and ROUND of
// them, CAST, the replacement ISNULL takes the type of its first argument for, and a text
// compared with a number, which the server reads as a number.
void ReescribirComoElServidor(TokensSql& t, const EsquemaSqlite& esquema);

} // namespace ado
