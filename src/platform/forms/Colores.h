#pragma once

#include <QColor>

// Colours travel as the windows write them: a long holding blue, green and red bytes from
// high to low (&HFF0000 is blue), or, with the top bit set, the number of a system colour
// (&H80000005 the window background, &H80000004 the menu background...).

constexpr long ColorFondoVentana = 0x80000005L;
constexpr long ColorTextoVentana = 0x80000008L;

// System colours are taken from the application's palette.
QColor ColorDesdeBGR(long bgr);
long BGRDesdeColor(const QColor& color);
