#pragma once

#include <QString>

// The program writes SQL Server text; on an Oracle connection it is rewritten on the way, here.
// Only tokens outside literals and bracketed names are rewritten, whole words only, without
// regard to case.
namespace DialectoOracle {

// The rewriting rules of a statement of more than one word: row limit, LEN, brackets, day-first
// date literals (with their time of day), CHARINDEX, CONVERT, empty-text comparisons after the
// WHERE, date style 103, SUBSTRING and ISNULL. A literal that is never closed raises error 5.
QString AplicarReglas(const QString& valor);

// The empty text for a statement Oracle cannot take ("SET NOCOUNT", "IF NOT EXIST"), the
// statement itself otherwise.
QString FiltrarSentencia(const QString& sentencia);

// A SQL Server script made ready for cutting: SET NOCOUNT and GO lines dropped, carriage
// returns turned into blanks, transaction statements in their Oracle words; quoted values and
// bracketed names are left as they are. A literal that is never closed raises error 5.
QString NormalizarScript(const QString& script);

// Cuts the next statement off the front of a normalised script: from the first statement
// keyword up to the next one, trimmed. Keywords are whole words outside literals. `script` keeps
// what follows. False when no keyword is left (whatever text remains is never run).
bool SiguienteSentencia(QString& script, QString& sentencia);

} // namespace DialectoOracle
