#pragma once

#include "platform/errors/AccionError.h"
#include "platform/errors/ErrorEjecucion.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

// A procedure that traps its own errors runs as a sequence of steps. A step that throws
// goes to the procedure's error routine, whose answer reruns the step, goes on with the
// next one or leaves the procedure:
//
//   EjecutarPasos("AsignarDatos", TratarError, {[&] { ... }, [&] { ... }});  // On Error GoTo
//   IgnorarErrores({[&] { ... }, [&] { ... }});                              // Resume Next
//
// Steps share state through what the lambdas capture. A routine that throws itself lets
// the error reach the caller, as an error inside an error handler does.

using Paso = std::function<void()>;
using RutinaError =
    std::function<AccionError(const ErrorEjecucion& error, const QString& procedimiento)>;

struct ResultadoPasos {
    // True when the procedure did not run to its end: an error answered with anything but
    // retry or ignore, or a step that called SalirDelProcedimiento.
    bool SalioAntes = false;
    // The last error trapped, whatever was answered; empty when no step failed.
    std::optional<ErrorEjecucion> Error;
};

ResultadoPasos EjecutarPasos(const QString& procedimiento, const RutinaError& rutina,
                             std::initializer_list<Paso> pasos);
ResultadoPasos EjecutarPasos(const QString& procedimiento, const RutinaError& rutina,
                             const std::vector<Paso>& pasos);

// On Error Resume Next: every failing step is skipped without a word.
ResultadoPasos IgnorarErrores(std::initializer_list<Paso> pasos);

// The routine behind IgnorarErrores, for callers that pick a routine at run time.
AccionError ContinuarSiempre(const ErrorEjecucion& error, const QString& procedimiento);

// Leaves the running procedure at once without an error (Exit Sub). Outside any procedure
// the event guard takes it as the end of the handler.
[[noreturn]] void SalirDelProcedimiento();

// What SalirDelProcedimiento throws; not an error, so no routine ever sees it.
struct SalidaProcedimiento {};
