#pragma once

#include <Qt>
#include <functional>

class QKeyEvent;

// Keys reach the windows' handlers as the platform's key codes (F1 = 112 ... F12 = 123,
// Enter 13, Esc 27, Delete 46), the shift state as its bit set and typed characters as
// character codes.
namespace controles {

// The key code of a key press; 0 for a key the windows have no code for.
int CodigoTecla(const QKeyEvent& evento);
// Shift 1, Ctrl 2, Alt 4, added together.
int EstadoShiftDe(Qt::KeyboardModifiers modificadores);
// The character code a key press types (13 for Enter, 27 for Esc, 8 for Backspace); 0 when
// it types nothing.
int CodigoCaracter(const QKeyEvent& evento);

using EventoKeyDown = std::function<void(int& KeyCode, int Shift)>;
// Offers a key press to a control's KeyDown handler; true when the handler took the key,
// by setting KeyCode to 0 or by moving the focus elsewhere (the key goes with the focus,
// not back to the control).
bool TeclaTomada(const QKeyEvent& evento, const EventoKeyDown& keyDown);

} // namespace controles
