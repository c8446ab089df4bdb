#pragma once

#include <QColor>

// Colours travel through the windows as the platform's longs: blue in the high byte, red in
// the low one (&HFF0000 is blue). They become QColor only at the widget.
namespace controles {

QColor ColorDesdeVb(long bgr);
long ColorAVb(const QColor& color);

} // namespace controles
