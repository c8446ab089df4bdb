#include "platform/files/ArchivoRegistros.h"

#include "platform/files/Carpetas.h"
#include "platform/files/ErroresArchivo.h"
#include "platform/files/Windows1252.h"

namespace archivos {

ArchivoRegistros::~ArchivoRegistros() {
    archivo_.close();
}

void ArchivoRegistros::Abrir(const QString& ruta, int longitudRegistro) {
    if (archivo_.isOpen()) {
        LanzarErrorArchivo(ArchivoYaAbierto, archivo_.fileName());
    }
    const QString local = RutaPlataforma(ruta);
    if (longitudRegistro <= 0) {
        LanzarErrorArchivo(ArgumentoNoValido, local);
    }
    if (local.trimmed().isEmpty()) {
        LanzarErrorArchivo(NombreArchivoIncorrecto, local);
    }
    archivo_.setFileName(local);
    if (!archivo_.open(QIODevice::ReadWrite) && !archivo_.open(QIODevice::ReadOnly)) {
        LanzarErrorArchivo(CausaFalloApertura(local, true), local);
    }
    longitud_ = longitudRegistro;
}

void ArchivoRegistros::Cerrar() {
    archivo_.close();
}

qint64 ArchivoRegistros::CantidadRegistros() const {
    return archivo_.isOpen() ? archivo_.size() / longitud_ : 0;
}

void ArchivoRegistros::ValidarAcceso(qint64 numero) const {
    if (!archivo_.isOpen()) {
        LanzarErrorArchivo(NombreArchivoIncorrecto, archivo_.fileName());
    }
    if (numero < 1) {
        LanzarErrorArchivo(NumeroRegistroIncorrecto, archivo_.fileName());
    }
}

QByteArray ArchivoRegistros::Get(qint64 numero) {
    ValidarAcceso(numero);
    QByteArray registro(longitud_, '\0');
    if (!archivo_.seek((numero - 1) * longitud_)) {
        return registro;
    }
    const qint64 leidos = archivo_.read(registro.data(), longitud_);
    if (leidos < 0) {
        LanzarErrorArchivo(ErrorDispositivo, archivo_.fileName());
    }
    return registro;
}

void ArchivoRegistros::Put(qint64 numero, const QByteArray& datos) {
    ValidarAcceso(numero);
    if (!archivo_.isWritable()) {
        LanzarErrorArchivo(ErrorAccesoRuta, archivo_.fileName());
    }
    const QByteArray registro = datos.left(longitud_).leftJustified(longitud_, ' ');
    if (!archivo_.seek((numero - 1) * longitud_) || archivo_.write(registro) != longitud_ ||
        !archivo_.flush()) {
        LanzarErrorArchivo(ErrorDispositivo, archivo_.fileName());
    }
}

QByteArray CampoFijo(const QString& texto, int ancho) {
    return CodificarWindows1252(texto).left(ancho).leftJustified(ancho, ' ');
}

} // namespace archivos
