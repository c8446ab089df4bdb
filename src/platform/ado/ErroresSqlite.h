#pragma once

#include "platform/ado/Errors.h"

namespace ado {

// What the embedded database raises for a text longer than its column, followed by
// ": TABLE.COLUMN"; it reaches callers as the server's error 8152.
inline constexpr char kTextoTruncado[] = "String or binary data would be truncated";

// What the functions that compute as the server raise; each reaches callers as the server's own
// error. Overflow and conversion messages go on with the type, as the server words them.
inline constexpr char kDivisionPorCero[] = "Divide by zero error encountered.";
inline constexpr char kDesbordamiento[] = "Arithmetic overflow error converting expression to "
                                          "data type %1.";
inline constexpr char kConversionFallida[] = "Conversion failed when converting the varchar value "
                                             "'%1' to data type %2.";
inline constexpr char kConversionNumerica[] = "Error converting data type varchar to %1.";
// A number the engine would keep rounded: refused rather than changed.
inline constexpr char kValorInexacto[] = "Inexact value: %1";

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
