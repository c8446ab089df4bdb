#pragma once

#include <QString>

namespace archivos {

// Run-time error numbers of file operations, as the error traps and the log expect them.
enum ErrorArchivo : long {
    ArgumentoNoValido = 5,
    NombreArchivoIncorrecto = 52,
    ArchivoNoEncontrado = 53,
    ArchivoYaAbierto = 55,
    ErrorDispositivo = 57,
    ArchivoYaExiste = 58,
    NumeroRegistroIncorrecto = 63,
    PermisoDenegado = 70,
    ErrorAccesoRuta = 75,
    RutaNoEncontrada = 76,
};

// Raises the run-time error with its classic description followed by the file it concerns.
[[noreturn]] void LanzarErrorArchivo(long numero, const QString& ruta);

// Why an open just failed, told from the file system itself: the reason text of the failed
// call is localised and platform-dependent, the file system is not.
long CausaFalloApertura(const QString& ruta, bool paraEscribir);

} // namespace archivos
