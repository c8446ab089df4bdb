#pragma once

struct sqlite3;

namespace ado {

// Registers the functions through which the translator has the engine compute as the server
// does where its own arithmetic would not: exact numbers (sums, products, rounding, totals,
// conversions between the server's numeric types, with their overflow), division that refuses a
// zero divisor, the server's reading of a text as a number, and its text of a date. Each takes the
// server's types as written by the translator (a name such as 'money' or 'numeric', a precision
// and a scale). Returns false when SQLite refused a registration.
//
//   SQLSRV_OPERAR(a, escalaA, op, b, escalaB, tipo, precision, escala)      op: '+', '-', '*'
//   SQLSRV_CONVERTIR(x, escalaX, tipo, precision, escala, truncar)   escalaX: see below
//   SQLSRV_REDONDEAR(x, escalaX, decimales, truncar, tipo, precision, escala)  escalaX < 0: float
//   SQLSRV_SUMA(x, escalaX, tipo, precision, escala)                 aggregate
//   SQLSRV_PROMEDIO_ENTERO(x)                                         aggregate
//   SQLSRV_DIVISOR(x)                                                 x, or error 8134 for zero
//   SQLSRV_NUMERO_TEXTO(x, escalaX, decimales, largo)                 a number as varchar(largo)
//   SQLSRV_FECHA_TEXTO(x, clase)                    'datetime': "Mar 10 2025 12:00AM"
//   SQLSRV_TEXTO(x, largo, fijo)                    cut to largo characters, padded when fijo
//
// A scale of -1 reads a double as the decimal it shows (a float); kEscalaDeTexto reads a text as
// the server reads a text into a number. Any other text is a number the translator wrote.
inline constexpr int kEscalaDeTexto = -2;
bool RegistrarFuncionesDelServidor(sqlite3* db);

} // namespace ado
