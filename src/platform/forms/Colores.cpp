#include "platform/forms/Colores.h"

#include <QGuiApplication>
#include <QPalette>
#include <cstdint>

namespace {

constexpr std::uint32_t MarcaSistema = 0x80000000u;

struct ColorSistema {
    int numero;
    QPalette::ColorGroup grupo;
    QPalette::ColorRole rol;
};

// The system colours the windows can name, by their number, and the palette entry that
// plays the same part here.
constexpr ColorSistema ColoresSistema[] = {
    {4, QPalette::Active, QPalette::Window},     // menu background
    {5, QPalette::Active, QPalette::Base},       // window background
    {7, QPalette::Active, QPalette::WindowText}, // menu text
    {8, QPalette::Active, QPalette::Text},       // window text
    {13, QPalette::Active, QPalette::Highlight}, // selected item
    {14, QPalette::Active, QPalette::HighlightedText},
    {15, QPalette::Active, QPalette::Button}, // button face
    {16, QPalette::Active, QPalette::Dark},   // button shadow
    {17, QPalette::Disabled, QPalette::Text}, // grey text
    {18, QPalette::Active, QPalette::ButtonText},
    {20, QPalette::Active, QPalette::Light}, // button highlight
    {21, QPalette::Active, QPalette::Shadow},
    {22, QPalette::Active, QPalette::Midlight},
    {23, QPalette::Active, QPalette::ToolTipText},
    {24, QPalette::Active, QPalette::ToolTipBase},
};

QColor ColorDeSistema(int numero) {
    QPalette paleta = QGuiApplication::palette();
    for (const ColorSistema& sistema : ColoresSistema)
        if (sistema.numero == numero)
            return paleta.color(sistema.grupo, sistema.rol);
    return paleta.color(QPalette::Active, QPalette::Window);
}

} // namespace

QColor ColorDesdeBGR(long bgr) {
    auto valor = static_cast<std::uint32_t>(bgr);
    if (valor & MarcaSistema)
        return ColorDeSistema(static_cast<int>(valor & 0xFF));
    return QColor(valor & 0xFF, (valor >> 8) & 0xFF, (valor >> 16) & 0xFF);
}

long BGRDesdeColor(const QColor& color) {
    QColor rgb = color.toRgb();
    return static_cast<long>(rgb.red()) | (static_cast<long>(rgb.green()) << 8) |
           (static_cast<long>(rgb.blue()) << 16);
}
