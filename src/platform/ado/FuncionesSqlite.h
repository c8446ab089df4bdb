#pragma once

#include <QString>

struct sqlite3;

namespace ado {

// Registers on a connection what the program's SQL expects of its server: the text
// collation that ignores case and trailing blanks and sorts as the server's Spanish one
// (accented letters beside their base letter, Ñ between N and O, yet 'Á' <> 'A'), a LIKE that folds
// case beyond ASCII and knows [ ] character classes, the functions CHARINDEX, LEN and REPLACE
// with the server's meaning, and those through which the translator computes as the server
// (FuncionesDelServidor). Returns false when SQLite refused a registration.
bool RegistrarFunciones(sqlite3* db);

// Indexes over the text collation hold their rows in its order, so a file last written while
// the order was another one needs them rebuilt. The file's header remembers the order its
// indexes follow (SQLite's user version); an older one has them rebuilt at once. Answers false
// when the file could not be written now (read only, in use): the file is unchanged and this
// connection compares text in the order its indexes were built in, until a later open.
inline constexpr int kVersionColacion = 1;
bool IndicesAlDiaConLaColacion(sqlite3* db);

// The collation's comparison, exposed for tests.
int CompararTexto(const char* a, int longitudA, const char* b, int longitudB);

// The server's LIKE on two texts (pattern with % _ [abc] [a-z] [^a]), ignoring case.
bool CumpleLike(const QString& valor, const QString& patron, QChar escape = QChar());

} // namespace ado
