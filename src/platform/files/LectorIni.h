#pragma once

#include <QString>

namespace archivos {

// One key of an INI file read as the Windows profile functions do: section and key names
// without regard to case or surrounding blanks, the first occurrence wins, lines starting with
// ";" are comments, the value is trimmed and loses one pair of enclosing quotes. A missing
// file, section or key gives the default.
QString LeerValorIni(const QString& ruta, const QString& seccion, const QString& clave,
                     const QString& porDefecto = {});

} // namespace archivos
