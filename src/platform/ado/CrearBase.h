#pragma once

#include <QString>
#include <QStringList>

namespace ado {

// Builds a fresh embedded database in `archivo` from SQLite scripts (schema, then data).
// The file is written aside and put in place only when every script ran, so a failure never
// leaves a half-built database behind. Returns false with the reason in *error.
bool CrearBaseSqlite(const QString& archivo, const QStringList& scripts, QString* error);

// Gives an existing embedded database the indexes of `esquema` it lacks, in one transaction,
// leaving its tables and rows as they are. Building an index reads the whole table under the
// write lock, which is why the program never does it on its own when it opens a database.
bool AgregarIndicesSqlite(const QString& archivo, const QString& esquema, QString* error);

} // namespace ado
