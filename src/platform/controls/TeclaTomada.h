#pragma once

#include <functional>

class QKeyEvent;

namespace controles {

using EventoKeyDown = std::function<void(int& KeyCode, int Shift)>;
// Offers a key press to a control's KeyDown handler; true when the handler took the key,
// by setting KeyCode to 0 or by moving the focus elsewhere (the key goes with the focus,
// not back to the control).
bool TeclaTomada(const QKeyEvent& evento, const EventoKeyDown& keyDown);

} // namespace controles
