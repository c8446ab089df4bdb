#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <QStringList>

namespace archivos {

// A sequential text file in Windows-1252 with CR LF line ends. Writers that emit a page line
// by line keep one open so that, when a step fails, what was written so far stays in the file.
class ArchivoTexto {
public:
    // Privada is Salida for a file only its owner may read (a page showing the books).
    enum class Modo { Salida, Agregar, Privada };

    ArchivoTexto() = default;
    ~ArchivoTexto();
    ArchivoTexto(const ArchivoTexto&) = delete;
    ArchivoTexto& operator=(const ArchivoTexto&) = delete;

    // Salida creates the file or empties it; Agregar creates it or writes after its end.
    void Abrir(const QString& ruta, Modo modo);
    void EscribirLinea(const QString& texto);
    // A line already in Windows-1252, without its line end.
    void EscribirLineaCodificada(QByteArrayView windows1252);
    void Cerrar();
    bool Abierto() const { return archivo_.isOpen(); }
    // The bytes written so far.
    qint64 Posicion() const { return archivo_.pos(); }

    static void EscribirLineas(const QString& ruta, const QStringList& lineas);
    static void AgregarLineas(const QString& ruta, const QStringList& lineas);
    // Replaces everything after the first `desde` bytes of an existing file with the lines.
    static void ReemplazarFinal(const QString& ruta, qint64 desde, const QStringList& lineas);
    // Lines ended by CR LF, LF or CR; a last line without its end counts too.
    static QStringList LeerLineas(const QString& ruta);
    static QStringList PartirLineas(const QByteArray& contenido);

private:
    void EscribirBytes(QByteArrayView bytes);

    QFile archivo_;
    QByteArray linea_;
};

} // namespace archivos
