#pragma once

#include "platform/errors/ErrorEjecucion.h"

#include <QString>
#include <functional>

// Nothing may escape into Qt's event loop: every event handler runs through
// ProtegerEvento, and an error that no procedure trapped is reported through the one
// routine installed for the run (the application shows it in a message box).

using InformeError = std::function<void(const ErrorEjecucion& error, const QString& evento)>;

// Replaces the routine; an empty one restores the default, which only writes a warning.
void InstalarInformeErrores(InformeError informe);

// Runs the handler; any exception is reported and swallowed. A handler that calls
// SalirDelProcedimiento just ends. `evento` names the handler in the report.
void ProtegerEvento(const QString& evento, const std::function<void()>& manejador) noexcept;
