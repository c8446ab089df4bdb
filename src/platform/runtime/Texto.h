#pragma once

#include <QChar>
#include <QString>

// Text functions of the classic runtime. The program's modules compare text without regard to
// case, so searching, replacing and comparing here ignore case too. Positions are 1-based and
// 0 means "not found".
namespace vb {

int InStr(const QString& texto, const QString& buscado);
int InStr(int inicio, const QString& texto, const QString& buscado);
// Last occurrence lying wholly within the first `inicio` characters (-1: the whole text).
int InStrRev(const QString& texto, const QString& buscado, int inicio = -1);
QString Replace(const QString& texto, const QString& buscado, const QString& reemplazo);

bool Iguales(const QString& a, const QString& b);
// -1, 0 or 1 as `a` sorts before, equal to or after `b`.
int StrComp(const QString& a, const QString& b);

// Only blanks are removed, never tabs or line breaks.
QString Trim(const QString& texto);
QString LTrim(const QString& texto);
QString RTrim(const QString& texto);

QString Left(const QString& texto, int largo);
QString Right(const QString& texto, int largo);
QString Mid(const QString& texto, int inicio);
QString Mid(const QString& texto, int inicio, int largo);

QString UCase(const QString& texto);
QString LCase(const QString& texto);
QString Space(int cantidad);
QString String(int cantidad, QChar caracter);
// Repeats the first character of `caracter`.
QString String(int cantidad, const QString& caracter);
int Len(const QString& texto);

} // namespace vb
