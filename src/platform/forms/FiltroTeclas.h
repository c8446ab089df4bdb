#pragma once

#include <QObject>

class CajaTexto;
class Formulario;
class QKeyEvent;
class QString;
class QWidget;

// Hands every key press bound for a window or a text box to the key events first, in the
// order the windows expect: Enter and Esc to the default and cancel buttons when the
// window has them; otherwise the window's KeyDown (with KeyPreview), the text box's
// KeyDown, the window's KeyPress, the text box's KeyPress; and only what is left of the
// key to the control itself. Each press runs them once, however it travels afterwards, and
// none runs while a question of the dialog service waits for its answer.
//
// The standard editing keys of a text box (select all, copy, cut, paste, undo, redo) are
// commands, not characters: a KeyDown handler may still take them, but no KeyPress handler
// sees them, and the box then does what a Qt line edit does. Pasted text is typed into the box
// character by character through the same KeyPress handlers a typed character goes through.
class FiltroTeclas : public QObject {
public:
    // Once per application; later calls do nothing.
    static void Instalar();
    // Types `texto` into the box as the window's and the box's KeyPress handlers let it through;
    // line breaks and other control characters are left out.
    static void Pegar(CajaTexto& caja, const QString& texto);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    using QObject::QObject;

    struct Pulsacion {
        int keyCode;
        int shift;
        int keyAscii;
    };

    static bool EsDestinoOriginal(QWidget& destino);
    static bool Disparar(Formulario* ventana, CajaTexto* caja, Pulsacion& pulsacion);
    bool Editar(CajaTexto& caja, Formulario* ventana, QKeyEvent& tecla, Pulsacion pulsacion);
    void Entregar(QWidget& destino, QKeyEvent& tecla, int keyAscii);

    // The key event being passed on to its control, which must not go round again.
    const QEvent* entregando_ = nullptr;
};
