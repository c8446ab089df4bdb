#pragma once

#include "platform/errors/AccionError.h"
#include "platform/errors/ErrorEjecucion.h"
#include "platform/errors/Procedimiento.h"

#include <QString>

// The program's error routine: the session's error dialog and log, titled with the procedure's
// name (no name when it is empty); the answer retries the failing step, skips it or leaves.
AccionError TratarConDialogo(const ErrorEjecucion& error, const QString& procedimiento);

// The same routine titled with a fixed name, whichever procedure the error came from.
RutinaError DialogoErrores(const QString& rutina);
