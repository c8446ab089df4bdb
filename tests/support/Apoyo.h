#pragma once

#include "platform/errors/ErrorEjecucion.h"

#include <QString>
#include <ostream>

// The run-time error number that `accion` raises, 0 when it raises none.
template <class Accion> long NumeroDeError(Accion&& accion) {
    try {
        accion();
    } catch (const ErrorEjecucion& error) {
        return error.Number();
    }
    return 0;
}

// Lets failed expectations and traces show texts as texts.
inline void PrintTo(const QString& texto, std::ostream* salida) {
    *salida << '"' << texto.toStdString() << '"';
}
inline std::ostream& operator<<(std::ostream& salida, const QString& texto) {
    PrintTo(texto, &salida);
    return salida;
}
