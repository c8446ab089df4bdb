#pragma once

#include <QString>

namespace archivos {

// The folder of the executable, where the log, the query masks and the sibling programs live.
QString CarpetaPrograma();
// Points the program folder elsewhere (tests, a data folder beside a build); empty restores
// the executable's folder.
void FijarCarpetaPrograma(const QString& carpeta);

// The TEMP environment variable as the user set it; without it, a folder of this process's
// own (CarpetaTemporalPropia in the system's temporary folder) removed when it ends, so the
// pages holding the books are neither read by another user nor overwritten by another
// instance.
QString CarpetaTemporal();
// A new folder, for one process and readable by this user only, inside `sistema`/auditoria-
// <user id> when that is a folder only this user can enter, else straight inside `sistema`;
// empty when neither can be made.
QString CarpetaTemporalPropia(const QString& sistema);

// Paths written for Windows keep working: "\" and "/" both separate, and the result uses the
// platform's own separator.
QString RutaPlataforma(const QString& ruta);
// Folder and file name with exactly one separator between them, whether or not the folder
// already ends in one.
QString UnirRuta(const QString& carpeta, const QString& nombre);

// True for an existing file (not a folder), as the classic existence test by Dir().
bool ExisteArchivo(const QString& ruta);
// Deletes a file; a missing one is error 53.
void BorrarArchivo(const QString& ruta);
// Gives a file a new name; a missing source is error 53, an existing target error 58.
void RenombrarArchivo(const QString& anterior, const QString& nuevo);

} // namespace archivos
