#pragma once

#include <QString>

struct sqlite3;

namespace ado {

// Registers on a connection what the program's SQL expects of its server: the text
// collation that ignores case and trailing blanks, a LIKE that folds case beyond ASCII and
// knows [ ] character classes, and the functions CHARINDEX and LEN with the server's
// meaning. Returns false when SQLite refused a registration.
bool RegistrarFunciones(sqlite3* db);

// The collation's comparison, exposed for tests.
int CompararTexto(const char* a, int longitudA, const char* b, int longitudB);

// The server's LIKE on two texts (pattern with % _ [abc] [a-z] [^a]), ignoring case.
bool CumpleLike(const QString& valor, const QString& patron, QChar escape = QChar());

} // namespace ado
