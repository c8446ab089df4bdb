#include "platform/controls/ColorVb.h"

namespace controles {

QColor ColorDesdeVb(long bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

long ColorAVb(const QColor& color) {
    return long(color.red()) | (long(color.green()) << 8) | (long(color.blue()) << 16);
}

} // namespace controles
