#include "platform/files/Carpetas.h"

#include "platform/files/ErroresArchivo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace archivos {
namespace {

QString& CarpetaFijada() {
    static QString carpeta;
    return carpeta;
}

} // namespace

QString CarpetaPrograma() {
    if (!CarpetaFijada().isEmpty()) {
        return CarpetaFijada();
    }
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

void FijarCarpetaPrograma(const QString& carpeta) {
    CarpetaFijada() = RutaPlataforma(carpeta);
}

QString CarpetaTemporal() {
    const QString temp = qEnvironmentVariable("TEMP");
    if (!temp.trimmed().isEmpty()) {
        return RutaPlataforma(temp);
    }
    return QDir::toNativeSeparators(QDir::tempPath());
}

QString RutaPlataforma(const QString& ruta) {
    QString unificada = ruta;
    unificada.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::toNativeSeparators(unificada);
}

QString UnirRuta(const QString& carpeta, const QString& nombre) {
    const QChar separador = QDir::separator();
    QString izquierda = RutaPlataforma(carpeta);
    QString derecha = RutaPlataforma(nombre);
    if (izquierda.isEmpty()) {
        return derecha;
    }
    while (izquierda.size() > 1 && izquierda.endsWith(separador)) {
        izquierda.chop(1);
    }
    while (derecha.startsWith(separador)) {
        derecha.remove(0, 1);
    }
    if (izquierda.endsWith(separador)) {
        return izquierda + derecha;
    }
    return izquierda + separador + derecha;
}

bool ExisteArchivo(const QString& ruta) {
    return !ruta.isEmpty() && QFileInfo(RutaPlataforma(ruta)).isFile();
}

void BorrarArchivo(const QString& ruta) {
    const QString local = RutaPlataforma(ruta);
    if (!ExisteArchivo(local)) {
        LanzarErrorArchivo(ArchivoNoEncontrado, local);
    }
    if (!QFile::remove(local)) {
        LanzarErrorArchivo(PermisoDenegado, local);
    }
}

void RenombrarArchivo(const QString& anterior, const QString& nuevo) {
    const QString origen = RutaPlataforma(anterior);
    const QString destino = RutaPlataforma(nuevo);
    if (!ExisteArchivo(origen)) {
        LanzarErrorArchivo(ArchivoNoEncontrado, origen);
    }
    if (QFileInfo::exists(destino)) {
        LanzarErrorArchivo(ArchivoYaExiste, destino);
    }
    if (!QFile::rename(origen, destino)) {
        LanzarErrorArchivo(CausaFalloApertura(destino, true), destino);
    }
}

} // namespace archivos
