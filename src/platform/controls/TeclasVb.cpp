#include "platform/controls/TeclasVb.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>

namespace controles {

namespace {

const QHash<int, int>& CodigosFijos() {
    static const QHash<int, int> codigos{
        {Qt::Key_Cancel, 3},      {Qt::Key_Backspace, 8},      {Qt::Key_Tab, 9},
        {Qt::Key_Backtab, 9},     {Qt::Key_Return, 13},        {Qt::Key_Enter, 13},
        {Qt::Key_Shift, 16},      {Qt::Key_Control, 17},       {Qt::Key_Alt, 18},
        {Qt::Key_Pause, 19},      {Qt::Key_CapsLock, 20},      {Qt::Key_Escape, 27},
        {Qt::Key_Space, 32},      {Qt::Key_PageUp, 33},        {Qt::Key_PageDown, 34},
        {Qt::Key_End, 35},        {Qt::Key_Home, 36},          {Qt::Key_Left, 37},
        {Qt::Key_Up, 38},         {Qt::Key_Right, 39},         {Qt::Key_Down, 40},
        {Qt::Key_Insert, 45},     {Qt::Key_Delete, 46},        {Qt::Key_Semicolon, 186},
        {Qt::Key_Equal, 187},     {Qt::Key_Comma, 188},        {Qt::Key_Minus, 189},
        {Qt::Key_Period, 190},    {Qt::Key_Slash, 191},        {Qt::Key_BracketLeft, 219},
        {Qt::Key_Backslash, 220}, {Qt::Key_BracketRight, 221}, {Qt::Key_Apostrophe, 222},
    };
    return codigos;
}

// The numeric keypad has codes of its own: digits 96 to 105, then * + - . /.
int CodigoTeclado(int tecla) {
    if (tecla >= Qt::Key_0 && tecla <= Qt::Key_9)
        return 96 + (tecla - Qt::Key_0);
    static const QHash<int, int> signos{{Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},
                                        {Qt::Key_Minus, 109},    {Qt::Key_Period, 110},
                                        {Qt::Key_Comma, 110},    {Qt::Key_Slash, 111}};
    return signos.value(tecla, 0);
}

} // namespace

int CodigoTecla(const QKeyEvent& evento) {
    const int tecla = evento.key();
    if (evento.modifiers() & Qt::KeypadModifier) {
        if (const int codigo = CodigoTeclado(tecla))
            return codigo;
    }
    if (tecla == Qt::Key_Pause && (evento.modifiers() & Qt::ControlModifier))
        return 3; // Ctrl+Break
    if ((tecla >= Qt::Key_A && tecla <= Qt::Key_Z) || (tecla >= Qt::Key_0 && tecla <= Qt::Key_9))
        return tecla; // the same codes as their capital letters and digits
    if (tecla >= Qt::Key_F1 && tecla <= Qt::Key_F24)
        return 112 + (tecla - Qt::Key_F1);
    return CodigosFijos().value(tecla, 0);
}

int EstadoShiftDe(Qt::KeyboardModifiers modificadores) {
    int estado = 0;
    if (modificadores & Qt::ShiftModifier)
        estado |= 1;
    if (modificadores & Qt::ControlModifier)
        estado |= 2;
    if (modificadores & Qt::AltModifier)
        estado |= 4;
    return estado;
}

int CodigoCaracter(const QKeyEvent& evento) {
    switch (evento.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0; // moves the focus; types nothing
    default:
        break;
    }
    const QString texto = evento.text();
    if (texto.isEmpty() || texto.at(0).unicode() == 127) // Delete types nothing either
        return 0;
    return texto.at(0).unicode();
}

bool TeclaTomada(const QKeyEvent& evento, const EventoKeyDown& keyDown) {
    int codigo = CodigoTecla(evento);
    if (codigo == 0 || !keyDown)
        return false;
    const QWidget* foco = QApplication::focusWidget();
    keyDown(codigo, EstadoShiftDe(evento.modifiers()));
    return codigo == 0 || QApplication::focusWidget() != foco;
}

} // namespace controles
