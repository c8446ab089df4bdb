#pragma once

#include <QString>

// The program writes SQL Server text; on an Oracle connection it is rewritten on the way as
// plain text, here. Every search ignores case, as the rest of the database-access object does.
namespace DialectoOracle {

// The rewriting rules of a statement of more than one word, applied in order: row limit,
// LEN, brackets, day-first date literals, CHARINDEX, CONVERT, empty-text comparisons, date
// style 103, SUBSTRING and ISNULL. An apostrophe that is never closed raises error 5.
QString AplicarReglas(const QString& valor);

// The empty text for a statement Oracle cannot take ("SET NOCOUNT", "IF NOT EXIST"), the
// statement itself otherwise.
QString FiltrarSentencia(const QString& sentencia);

// A SQL Server script made ready for cutting: SET NOCOUNT and GO lines dropped, carriage
// returns turned into blanks, transaction statements in their Oracle words.
QString NormalizarScript(const QString& script);

// Cuts the next statement off the front of a normalised script: from the first statement
// keyword up to the next one, trimmed. `script` keeps what follows. False when no keyword is
// left (whatever text remains is never run).
bool SiguienteSentencia(QString& script, QString& sentencia);

} // namespace DialectoOracle
