#include "platform/forms/Twips.h"

#include <QWidget>
#include <cmath>

int APixeles(int twips) {
    return static_cast<int>(std::lround(twips / static_cast<double>(TwipsPorPixel)));
}

int ATwips(int pixeles) {
    return pixeles * TwipsPorPixel;
}

void Colocar(QWidget& control, int left, int top, int width, int height) {
    control.setGeometry(APixeles(left), APixeles(top), APixeles(width), APixeles(height));
}
