#pragma once

// Sizes the windows give in twips, at 96 dots per inch: 15 twips to the pixel.
namespace controles {

constexpr int PixelesATwips(int pixeles) {
    return pixeles * 15;
}

// Rounds to the nearest pixel, so a width read back differs from the one set by less than
// one pixel.
constexpr int TwipsAPixeles(int twips) {
    return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
}

} // namespace controles
