#pragma once

#include <QStringList>

class QWidget;

// The captions and texts of a window that do not fit their controls as the style lays them
// out: labels, buttons, check boxes, option buttons, frame captions, the items of drop-down
// lists and the column captions of lists. Hidden controls, and labels that wrap their text, are
// left out. Each entry names the control's class, its text, the room it needs and the room it
// has, in pixels.
QStringList TextosCortados(const QWidget& ventana);
