#include "platform/forms/CodigosTecla.h"

#include <QKeyEvent>

namespace {

struct Equivalencia {
    int qt;
    int codigo;
};

constexpr Equivalencia Teclas[] = {
    {Qt::Key_Cancel, vbKeyCancel}, {Qt::Key_Backspace, vbKeyBack},
    {Qt::Key_Tab, vbKeyTab},       {Qt::Key_Backtab, vbKeyTab},
    {Qt::Key_Return, vbKeyReturn}, {Qt::Key_Enter, vbKeyReturn},
    {Qt::Key_Shift, vbKeyShift},   {Qt::Key_Control, vbKeyControl},
    {Qt::Key_Alt, vbKeyMenu},      {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, vbKeyEscape}, {Qt::Key_Space, vbKeySpace},
    {Qt::Key_PageUp, vbKeyPageUp}, {Qt::Key_PageDown, vbKeyPageDown},
    {Qt::Key_End, vbKeyEnd},       {Qt::Key_Home, vbKeyHome},
    {Qt::Key_Left, vbKeyLeft},     {Qt::Key_Up, vbKeyUp},
    {Qt::Key_Right, vbKeyRight},   {Qt::Key_Down, vbKeyDown},
    {Qt::Key_Print, 44},           {Qt::Key_Insert, vbKeyInsert},
    {Qt::Key_Delete, vbKeyDelete}, {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},     {Qt::Key_Semicolon, 186},
    {Qt::Key_Equal, 187},          {Qt::Key_Comma, 188},
    {Qt::Key_Minus, 189},          {Qt::Key_Period, 190},
    {Qt::Key_Slash, 191},          {Qt::Key_QuoteLeft, 192},
    {Qt::Key_BracketLeft, 219},    {Qt::Key_Backslash, 220},
    {Qt::Key_BracketRight, 221},   {Qt::Key_Apostrophe, 222},
};

// Keys of the numeric pad that have codes of their own.
constexpr Equivalencia TeclasNumericas[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
};

int Buscar(const Equivalencia* primera, const Equivalencia* fin, int teclaQt) {
    for (const Equivalencia* e = primera; e != fin; ++e)
        if (e->qt == teclaQt)
            return e->codigo;
    return 0;
}

// Control characters and Delete (127) come with keys that type nothing.
int CaracterTecleado(const QString& texto) {
    if (texto.isEmpty())
        return 0;
    const int caracter = texto.at(0).unicode();
    return (caracter < 32 || caracter == 127) ? 0 : caracter;
}

} // namespace

int CodigoTecla(int teclaQt, Qt::KeyboardModifiers modificadores) {
    bool numerico = modificadores & Qt::KeypadModifier;
    if (teclaQt >= Qt::Key_A && teclaQt <= Qt::Key_Z)
        return teclaQt;
    if (teclaQt >= Qt::Key_0 && teclaQt <= Qt::Key_9)
        return numerico ? vbKeyNumpad0 + (teclaQt - Qt::Key_0) : teclaQt;
    if (teclaQt >= Qt::Key_F1 && teclaQt <= Qt::Key_F24)
        return vbKeyF1 + (teclaQt - Qt::Key_F1);
    if (teclaQt == Qt::Key_Pause)
        return (modificadores & Qt::ControlModifier) ? vbKeyCancel : vbKeyPause;
    if (numerico) {
        int codigo = Buscar(std::begin(TeclasNumericas), std::end(TeclasNumericas), teclaQt);
        if (codigo)
            return codigo;
    }
    return Buscar(std::begin(Teclas), std::end(Teclas), teclaQt);
}

int EstadoShift(Qt::KeyboardModifiers modificadores) {
    return ((modificadores & Qt::ShiftModifier) ? vbShiftMask : 0) |
           ((modificadores & Qt::ControlModifier) ? vbCtrlMask : 0) |
           ((modificadores & Qt::AltModifier) ? vbAltMask : 0);
}

int CodigoAscii(const QKeyEvent& tecla) {
    Qt::KeyboardModifiers modificadores = tecla.modifiers();
    if (modificadores & Qt::AltModifier)
        return 0;
    switch (tecla.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vbKeyReturn;
    case Qt::Key_Escape:
        return vbKeyEscape;
    case Qt::Key_Backspace:
        return vbKeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;
    }
    if (modificadores & Qt::ControlModifier)
        return (tecla.key() >= Qt::Key_A && tecla.key() <= Qt::Key_Z) ? tecla.key() - Qt::Key_A + 1
                                                                      : 0;
    return CaracterTecleado(tecla.text());
}
