#pragma once

#include <QString>
#include <QVariant>

class Currency;

// Numeric conversions of the classic runtime. `Val` reads program text (decimal point);
// `CDbl`, `CInt`, `CLng` and `IsNumeric` read text as the user writes it, in the locale.
namespace vb {

// The number at the start of the text: blanks are ignored, reading stops at the first
// character that cannot continue the number, and only "." is a decimal point. "&H" reads hex.
double Val(const QString& texto);

// Rounded to the nearest whole number, halves to the even one; error 6 outside the range of a
// 16-bit (`CInt`) or 32-bit (`CLng`) integer, 13 for text that is no number, 94 for Null.
int CInt(double valor);
int CInt(const QVariant& valor);
int CInt(const Currency& valor);
int CLng(double valor);
int CLng(const QVariant& valor);
int CLng(const Currency& valor);

// Error 13 for text that is no number in the locale, 94 for Null; True is -1.
double CDbl(const QVariant& valor);
bool IsNumeric(const QVariant& valor);

} // namespace vb
