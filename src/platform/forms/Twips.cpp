#include "platform/forms/Twips.h"

#include <QWidget>

void Colocar(QWidget& control, int left, int top, int width, int height) {
    control.setGeometry(APixeles(left), APixeles(top), APixeles(width), APixeles(height));
}
