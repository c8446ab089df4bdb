#pragma once

class QWidget;

// Windows are designed in twips; the screen is taken at 96 dpi, 15 twips to the pixel.
constexpr int TwipsPorPixel = 15;

int APixeles(int twips);
int ATwips(int pixeles);

// Places a control within its container as the design table gives it.
void Colocar(QWidget& control, int left, int top, int width, int height);
