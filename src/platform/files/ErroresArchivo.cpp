#include "platform/files/ErroresArchivo.h"

#include "platform/errors/ErrorEjecucion.h"

#include <QDir>
#include <QFileInfo>

namespace archivos {
namespace {

QString DescripcionClasica(long numero) {
    switch (numero) {
    case ArgumentoNoValido:
        return QStringLiteral("Llamada a procedimiento o argumento no válido");
    case NombreArchivoIncorrecto:
        return QStringLiteral("Nombre o número de archivo incorrecto");
    case ArchivoNoEncontrado:
        return QStringLiteral("No se encontró el archivo");
    case ArchivoYaAbierto:
        return QStringLiteral("El archivo ya está abierto");
    case ErrorDispositivo:
        return QStringLiteral("Error de E/S de dispositivo");
    case ArchivoYaExiste:
        return QStringLiteral("El archivo ya existe");
    case NumeroRegistroIncorrecto:
        return QStringLiteral("Número de registro incorrecto");
    case PermisoDenegado:
        return QStringLiteral("Permiso denegado");
    case ErrorAccesoRuta:
        return QStringLiteral("Error de acceso a la ruta o el archivo");
    case RutaNoEncontrada:
        return QStringLiteral("No se encontró la ruta de acceso");
    default:
        return QStringLiteral("Error de archivo");
    }
}

} // namespace

void LanzarErrorArchivo(long numero, const QString& ruta) {
    throw ErrorEjecucion(numero, QStringLiteral("%1: %2").arg(DescripcionClasica(numero),
                                                              QDir::toNativeSeparators(ruta)));
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
