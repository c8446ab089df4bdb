#pragma once

#include <QString>

// Reads settings kept in INI files.
class ArchivoIni {
public:
    static ArchivoIni& Instancia();

    // The key's value, or `porDefecto` when the file, the section or the key is missing. A
    // file named without a folder, or with a relative one, is looked for in the program
    // folder.
    QString LeerIni(const QString& archivo, const QString& seccion, const QString& clave,
                    const QString& porDefecto) const;
};
