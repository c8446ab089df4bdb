#pragma once

#include <Qt>

class QKeyEvent;

// Key codes as the windows' key handlers read them (the Windows virtual-key numbers):
// letters and digits are their capital character codes, the rest below.
constexpr int vbKeyCancel = 3; // Ctrl+Break
constexpr int vbKeyBack = 8;
constexpr int vbKeyTab = 9;
constexpr int vbKeyReturn = 13;
constexpr int vbKeyShift = 16;
constexpr int vbKeyControl = 17;
constexpr int vbKeyMenu = 18;
constexpr int vbKeyPause = 19;
constexpr int vbKeyEscape = 27;
constexpr int vbKeySpace = 32;
constexpr int vbKeyPageUp = 33;
constexpr int vbKeyPageDown = 34;
constexpr int vbKeyEnd = 35;
constexpr int vbKeyHome = 36;
constexpr int vbKeyLeft = 37;
constexpr int vbKeyUp = 38;
constexpr int vbKeyRight = 39;
constexpr int vbKeyDown = 40;
constexpr int vbKeyInsert = 45;
constexpr int vbKeyDelete = 46;
constexpr int vbKeyNumpad0 = 96;
constexpr int vbKeyF1 = 112;
constexpr int vbKeyF2 = 113;
constexpr int vbKeyF5 = 116;
constexpr int vbKeyF9 = 120;
constexpr int vbKeyF12 = 123;

// Shift state: the keys held, added together.
constexpr int vbShiftMask = 1;
constexpr int vbCtrlMask = 2;
constexpr int vbAltMask = 4;

// The key code of a Qt key; 0 for a key the windows have no code for.
int CodigoTecla(int teclaQt, Qt::KeyboardModifiers modificadores);
int EstadoShift(Qt::KeyboardModifiers modificadores);
// The character a key press types, as the key-press handlers see it: 13 Enter, 27 Esc,
// 8 Backspace, 1 to 26 for Ctrl with a letter, else the character's code; 0 when the key
// types nothing (arrows, function keys, Tab, Delete, anything with Alt).
int CodigoAscii(const QKeyEvent& tecla);
