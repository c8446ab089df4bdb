#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace archivos {

// A random-access file of fixed-length records, numbered from 1; record n starts at byte
// (n - 1) x length. There is no header: the record count is the file length divided by the
// record length, so an incomplete tail is not a record and the next Put overwrites it.
class ArchivoRegistros {
public:
    ArchivoRegistros() = default;
    ~ArchivoRegistros();
    ArchivoRegistros(const ArchivoRegistros&) = delete;
    ArchivoRegistros& operator=(const ArchivoRegistros&) = delete;

    // Opens for reading and writing, creating a missing file; a file that may only be read
    // is opened for reading, and writing to it fails then.
    void Abrir(const QString& ruta, int longitudRegistro);
    void Cerrar();
    bool Abierto() const { return archivo_.isOpen(); }

    int LongitudRegistro() const { return longitud_; }
    qint64 CantidadRegistros() const;
    // Exactly one record's bytes; what lies past the end of the file reads as zero bytes.
    QByteArray Get(qint64 numero);
    // Writes one record: shorter data is padded with blanks, longer data is cut.
    void Put(qint64 numero, const QByteArray& datos);

private:
    void ValidarAcceso(qint64 numero) const;

    QFile archivo_;
    int longitud_ = 0;
};

// A fixed-length text field: the text in Windows-1252, padded with blanks or cut to the width.
QByteArray CampoFijo(const QString& texto, int ancho);

} // namespace archivos
