#pragma once

#include <QByteArray>
#include <QString>

namespace archivos {

// The program's files (pages, style sheet, log, INI, query masks) are single-byte Windows-1252
// text, whatever the machine's own locale says. Our own table keeps the result identical with
// or without ICU behind Qt's converters, and makes unmappable characters "?" as the classic
// runtime did.
QByteArray CodificarWindows1252(const QString& texto);
// The same bytes, appended to `destino`.
void AgregarWindows1252(QByteArray& destino, QStringView texto);
QString DecodificarWindows1252(const QByteArray& bytes);

} // namespace archivos
