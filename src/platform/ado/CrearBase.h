#pragma once

#include <QString>
#include <QStringList>

namespace ado {

// Builds a fresh embedded database in `archivo` from SQLite scripts (schema, then data).
// The file is written aside and put in place only when every script ran, so a failure never
// leaves a half-built database behind. Returns false with the reason in *error.
bool CrearBaseSqlite(const QString& archivo, const QStringList& scripts, QString* error);

} // namespace ado
