#pragma once

class QWidget;

// Windows are designed in twips; the screen is taken at 96 dpi, 15 twips to the pixel.
constexpr int TwipsPorPixel = 15;

// Rounds to the nearest pixel, so a size read back differs from the one set by less than
// one pixel.
constexpr int APixeles(int twips) {
    constexpr int mitad = TwipsPorPixel / 2;
    return twips >= 0 ? (twips + mitad) / TwipsPorPixel : -((mitad - twips) / TwipsPorPixel);
}

constexpr int ATwips(int pixeles) {
    return pixeles * TwipsPorPixel;
}

// Places a control within its container as the design table gives it.
void Colocar(QWidget& control, int left, int top, int width, int height);
