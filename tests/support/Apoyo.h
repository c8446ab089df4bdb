#pragma once

#include "platform/errors/ErrorEjecucion.h"

#include <QByteArray>
#include <QFile>
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

// A count the environment sets (a seed, a number of steps), or the default when it sets none.
inline quint64 Entorno(const char* nombre, quint64 porDefecto) {
    bool ok = false;
    const quint64 valor = qEnvironmentVariable(nombre).toULongLong(&ok);
    return ok ? valor : porDefecto;
}

// The whole content of a file; nothing when it cannot be read.
inline QByteArray Bytes(const QString& ruta) {
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

// Lets failed expectations and traces show texts as texts.
inline void PrintTo(const QString& texto, std::ostream* salida) {
    *salida << '"' << texto.toStdString() << '"';
}
inline std::ostream& operator<<(std::ostream& salida, const QString& texto) {
    PrintTo(texto, &salida);
    return salida;
}
