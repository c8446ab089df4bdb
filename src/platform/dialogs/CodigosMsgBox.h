#pragma once

#include <QString>
#include <vector>

// The message box codes the windows pass and read back: the buttons in the low digit, the
// icon in steps of 16 and the default button in steps of 256, added together.

constexpr int vbOKOnly = 0;
constexpr int vbOKCancel = 1;
constexpr int vbAbortRetryIgnore = 2;
constexpr int vbYesNoCancel = 3;
constexpr int vbYesNo = 4;
constexpr int vbRetryCancel = 5;

constexpr int vbCritical = 16;
constexpr int vbQuestion = 32;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;

constexpr int vbDefaultButton1 = 0;
constexpr int vbDefaultButton2 = 256;
constexpr int vbDefaultButton3 = 512;

constexpr int vbOK = 1;
constexpr int vbCancel = 2;
constexpr int vbAbort = 3;
constexpr int vbRetry = 4;
constexpr int vbIgnore = 5;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

// The answers of the buttons a code shows, left to right; an unknown button set is OK.
std::vector<int> RespuestasDeBotones(int botones);

// The answer of the button that Enter presses: the one the default-button flag names,
// the first when the flag names a button the set does not have.
int RespuestaPredeterminada(int botones);

// The answer Esc gives: Cancel where there is one, OK when it is the only button, 0 (Esc
// does nothing) otherwise.
int RespuestaEscape(int botones);

// The icon part of a code (0, vbCritical, vbQuestion, vbExclamation or vbInformation).
int IconoDe(int botones);

// The caption of the button that gives this answer, with its access key.
QString TextoBoton(int respuesta);
