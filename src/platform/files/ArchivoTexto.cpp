#include "platform/files/ArchivoTexto.h"

#include "platform/files/Carpetas.h"
#include "platform/files/ErroresArchivo.h"
#include "platform/files/Windows1252.h"

namespace archivos {

ArchivoTexto::~ArchivoTexto() {
    archivo_.close();
}

void ArchivoTexto::Abrir(const QString& ruta, Modo modo) {
    if (archivo_.isOpen()) {
        LanzarErrorArchivo(ArchivoYaAbierto, archivo_.fileName());
    }
    const QString local = RutaPlataforma(ruta);
    if (local.trimmed().isEmpty()) {
        LanzarErrorArchivo(NombreArchivoIncorrecto, local);
    }
    archivo_.setFileName(local);
    const auto apertura = modo == Modo::Agregar ? QIODevice::WriteOnly | QIODevice::Append
                                                : QIODevice::WriteOnly | QIODevice::Truncate;
    const QFile::Permissions dueno = QFile::ReadOwner | QFile::WriteOwner;
    // A file made private is so from its creation, before a line is in it; one already
    // there is narrowed as well.
    const bool abierto = modo == Modo::Privada
                             ? archivo_.open(apertura, dueno) && archivo_.setPermissions(dueno)
                             : archivo_.open(apertura);
    if (!abierto) {
        archivo_.close();
        LanzarErrorArchivo(CausaFalloApertura(local, true), local);
    }
}

void ArchivoTexto::EscribirLinea(const QString& texto) {
    if (!archivo_.isOpen()) {
        LanzarErrorArchivo(NombreArchivoIncorrecto, archivo_.fileName());
    }
    // One buffer for every line: a page is written a line at a time.
    linea_.resize(0);
    AgregarWindows1252(linea_, texto);
    linea_.append("\r\n", 2);
    EscribirBytes(linea_);
}

// A line built as the file's bytes (a long page's rows) needs no second pass to encode it.
void ArchivoTexto::EscribirLineaCodificada(QByteArrayView windows1252) {
    if (!archivo_.isOpen()) {
        LanzarErrorArchivo(NombreArchivoIncorrecto, archivo_.fileName());
    }
    EscribirBytes(windows1252);
    EscribirBytes("\r\n");
}

void ArchivoTexto::EscribirBytes(QByteArrayView bytes) {
    if (archivo_.write(bytes.data(), bytes.size()) != bytes.size()) {
        const QString ruta = archivo_.fileName();
        archivo_.close();
        LanzarErrorArchivo(ErrorDispositivo, ruta);
    }
}

void ArchivoTexto::Cerrar() {
    if (!archivo_.isOpen()) {
        return;
    }
    const bool escrito = archivo_.flush();
    archivo_.close();
    if (!escrito) {
        LanzarErrorArchivo(ErrorDispositivo, archivo_.fileName());
    }
}

void ArchivoTexto::EscribirLineas(const QString& ruta, const QStringList& lineas) {
    ArchivoTexto archivo;
    archivo.Abrir(ruta, Modo::Salida);
    for (const QString& linea : lineas) {
        archivo.EscribirLinea(linea);
    }
    archivo.Cerrar();
}

void ArchivoTexto::AgregarLineas(const QString& ruta, const QStringList& lineas) {
    ArchivoTexto archivo;
    archivo.Abrir(ruta, Modo::Agregar);
    for (const QString& linea : lineas) {
        archivo.EscribirLinea(linea);
    }
    archivo.Cerrar();
}

void ArchivoTexto::ReemplazarFinal(const QString& ruta, qint64 desde, const QStringList& lineas) {
    const QString local = RutaPlataforma(ruta);
    QFile archivo(local);
    if (!archivo.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        LanzarErrorArchivo(CausaFalloApertura(local, true), local);
    }
    QByteArray bytes;
    for (const QString& linea : lineas) {
        AgregarWindows1252(bytes, linea);
        bytes.append("\r\n", 2);
    }
    if (!archivo.seek(desde) || archivo.write(bytes) != bytes.size() ||
        !archivo.resize(desde + bytes.size()) || !archivo.flush()) {
        LanzarErrorArchivo(ErrorDispositivo, local);
    }
}

QStringList ArchivoTexto::LeerLineas(const QString& ruta) {
    const QString local = RutaPlataforma(ruta);
    QFile archivo(local);
    if (local.trimmed().isEmpty() || !archivo.open(QIODevice::ReadOnly)) {
        LanzarErrorArchivo(CausaFalloApertura(local, false), local);
    }
    const QByteArray contenido = archivo.readAll();
    if (archivo.error() != QFileDevice::NoError) {
        LanzarErrorArchivo(ErrorDispositivo, local);
    }
    return PartirLineas(contenido);
}

QStringList ArchivoTexto::PartirLineas(const QByteArray& contenido) {
    QStringList lineas;
    qsizetype inicio = 0;
    for (qsizetype i = 0; i < contenido.size(); ++i) {
        const char c = contenido[i];
        if (c != '\r' && c != '\n') {
            continue;
        }
        lineas.append(DecodificarWindows1252(contenido.mid(inicio, i - inicio)));
        if (c == '\r' && i + 1 < contenido.size() && contenido[i + 1] == '\n') {
            ++i;
        }
        inicio = i + 1;
    }
    if (inicio < contenido.size()) {
        lineas.append(DecodificarWindows1252(contenido.mid(inicio)));
    }
    return lineas;
}

} // namespace archivos
