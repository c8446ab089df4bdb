#pragma once

#include "platform/errors/AccionError.h"
#include "platform/errors/ErrorEjecucion.h"

#include <QString>

namespace ModNumeracion {

// The error routine of the numbering services: the session's error dialog, titled with the
// procedure's name; its answer retries the failing step, skips it or leaves.
AccionError TratarErrorNumeracion(const ErrorEjecucion& error, const QString& procedimiento);

} // namespace ModNumeracion
