#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

// Dates as the program reads and writes them: always day first ("d/m/yy", "dd/mm/yyyy", also
// with "-"), optionally followed by " hh:mm" or " hh:mm:ss". Two-digit years 00-29 are 20xx,
// 30-99 are 19xx.
namespace vb {

// True for a QDate, a QDateTime, or text that reads as a day-first date.
bool IsDate(const QVariant& valor);
// The date (midnight when no time is given); error 13 when it is not a date, 94 for Null.
QDateTime CDate(const QVariant& valor);

// The current date and time, to the second.
QDateTime Now();
QDate Date();

// Formats with a pattern of the classic runtime: d, dd, m, mm (minutes right after an hour),
// yy, yyyy, h, hh, n, nn, s, ss; anything else is copied. "Short Date" is the regional short
// date.
QString Format(const QDateTime& fecha, const QString& patron);
QString Format(const QDate& fecha, const QString& patron);
QString FechaCorta(const QDate& fecha);

} // namespace vb
