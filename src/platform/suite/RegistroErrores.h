#pragma once

#include <QDateTime>
#include <QString>

// The program's error log: one line per error reported to the operator, with what the operator
// answered. Every error dialog of the program writes the same line, so one log reads alike
// whichever dialog wrote it.
namespace suite {

// "SVERR.LOG" in the program folder, where the log goes unless the session names another file.
QString RegistroErroresPrograma();

// The text the error dialogs show: "Ha ocurrido el Siguiente Error (<numero>) <descripcion>".
QString MensajeError(long numero, const QString& descripcion);

// The word the log writes for a message-box answer ("Reintentar" for vbRetry); empty for an
// answer without one (OK, or no answer at all).
QString PalabraRespuesta(int respuesta);

// "MM-dd-yyyy HH:mm:ss Rutina: <rutina> Mensaje <mensaje> Respondió : <palabra>", the texts as
// given.
QString LineaRegistroErrores(const QDateTime& momento, const QString& rutina,
                             const QString& mensaje, int respuesta);

// Appends the line for now to the log file; a log that cannot be written loses the line, and
// the caller hears nothing of it.
void AnotarError(const QString& registro, const QString& rutina, const QString& mensaje,
                 int respuesta);

} // namespace suite
