#pragma once

#include "platform/errors/ErrorEjecucion.h"

// Number given to failures that did not come as ErrorEjecucion (the "internal error" of
// the run-time), and to memory exhaustion.
constexpr long ErrorInterno = 51;
constexpr long ErrorMemoriaInsuficiente = 7;

// The exception being handled, as the one run-time error type. Call only inside a catch
// block: library exceptions keep their message as the description.
ErrorEjecucion ErrorEnCurso();
