#pragma once

#include "platform/errors/ErrorEjecucion.h"

#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& texto, std::ostream* salida) {
    *salida << texto.toStdString();
}

// The number of the run-time error an action raises; 0 when it raises none.
inline long NumeroDeError(const std::function<void()>& accion) {
    try {
        accion();
    } catch (const ErrorEjecucion& error) {
        return error.Number();
    }
    return 0;
}
