#include "platform/files/ErroresArchivo.h"

#include "platform/errors/DescripcionesError.h"

#include <QDir>
#include <QFileInfo>

namespace archivos {

void LanzarErrorArchivo(long numero, const QString& ruta) {
    LanzarError(numero, QDir::toNativeSeparators(ruta));
}

long CausaFalloApertura(const QString& ruta, bool paraEscribir) {
    if (ruta.trimmed().isEmpty()) {
        return NombreArchivoIncorrecto;
    }
    const QFileInfo archivo(ruta);
    if (!QFileInfo(archivo.absolutePath()).isDir()) {
        return RutaNoEncontrada;
    }
    if (archivo.isDir()) {
        return ErrorAccesoRuta;
    }
    if (!archivo.exists()) {
        return paraEscribir ? PermisoDenegado : ArchivoNoEncontrado;
    }
    if (paraEscribir && !archivo.isWritable()) {
        return ErrorAccesoRuta;
    }
    return PermisoDenegado;
}

} // namespace archivos
