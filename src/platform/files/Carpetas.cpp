#include "platform/files/Carpetas.h"

#include "platform/files/ErroresArchivo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace archivos {
namespace {

QString& CarpetaFijada() {
    static QString carpeta;
    return carpeta;
}

// A folder only this user can enter: one made now, or an existing one of the user's that
// is no symbolic link and open to nobody else (another user may have planted it first).
bool CarpetaDelUsuario(const QByteArray& ruta) {
    if (::mkdir(ruta.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat datos {};
    return ::lstat(ruta.constData(), &datos) == 0 && S_ISDIR(datos.st_mode) &&
           datos.st_uid == ::geteuid() && (datos.st_mode & 077) == 0;
}

QString NuevaCarpetaEn(const QString& plantilla) {
    QByteArray ruta = QFile::encodeName(plantilla) + "XXXXXX";
    return ::mkdtemp(ruta.data()) ? QFile::decodeName(ruta) : QString();
}

QString* carpetaDelProceso = nullptr;

void BorrarCarpetaDelProceso() {
    QDir(*carpetaDelProceso).removeRecursively();
}

// Made on first use and removed when the program ends.
const QString& CarpetaDelProceso() {
    static const bool creada = [] {
        carpetaDelProceso = new QString(CarpetaTemporalPropia(QDir::tempPath()));
        if (carpetaDelProceso->isEmpty())
            return false;
        std::atexit(BorrarCarpetaDelProceso);
        return true;
    }();
    static const QString sistema = QDir::tempPath();
    return creada ? *carpetaDelProceso : sistema;
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
    return QDir::toNativeSeparators(CarpetaDelProceso());
}

QString CarpetaTemporalPropia(const QString& sistema) {
    const QString usuario = sistema + QStringLiteral("/auditoria-") + QString::number(::geteuid());
    if (CarpetaDelUsuario(QFile::encodeName(usuario))) {
        const QString propia = NuevaCarpetaEn(usuario + u'/');
        if (!propia.isEmpty())
            return propia;
    }
    return NuevaCarpetaEn(sistema + QStringLiteral("/auditoria-"));
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
