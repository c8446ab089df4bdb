#pragma once

#include "platform/ado/Errors.h"

namespace ado {

// What the embedded database raises for a text longer than its column, followed by
// ": TABLE.COLUMN"; it reaches callers as the server's error 8152.
inline constexpr char kTextoTruncado[] = "String or binary data would be truncated";

// The provider message for an SQLite failure: the server's error number, state and a Spanish
// description that names what went wrong, so callers and users read it as they would the
// server's own.
Error ErrorDeSqlite(int codigo, const QString& mensaje);

// A provider message of our own (translation, opening, transactions).
Error ErrorDelProveedor(long numero, long nativo, const QString& estado,
                        const QString& descripcion);

// The message for an operation on a connection that is no longer open.
Error ErrorConexionCerrada();

} // namespace ado
