#pragma once

#include <QString>
#include <QStringList>

namespace archivos {

// Program and the rest of a Windows-style command line, the rest as one argument exactly as
// written (its quotes, backslashes and blanks kept; none when the line has no more). An
// unquoted program path may hold blanks: the shortest leading run of words that names an
// existing file is the program, as Windows resolves "C:\Archivos de programa\x.exe arg". A
// program written "x.exe" also matches a file "x", since executables here carry no extension.
QStringList PartirLineaComando(const QString& lineaComando);

// Starts the command line without waiting for it; returns the new process id, 0 when the
// program could not be started.
qint64 LanzarPrograma(const QString& lineaComando);

// The sibling program "<nombre>.exe" or "<nombre>" in the program folder; empty when neither
// exists.
QString UbicarPrograma(const QString& nombre);

} // namespace archivos
