#pragma once

#include <QObject>

class CajaTexto;
class Formulario;
class QKeyEvent;
class QWidget;

// Hands every key press bound for a window or a text box to the key events first, in the
// order the windows expect: Enter and Esc to the default and cancel buttons when the
// window has them; otherwise the window's KeyDown (with KeyPreview), the text box's
// KeyDown, the window's KeyPress, the text box's KeyPress; and only what is left of the
// key to the control itself. Each press runs them once, however it travels afterwards, and
// none runs while a question of the dialog service waits for its answer.
class FiltroTeclas : public QObject {
public:
    // Once per application; later calls do nothing.
    static void Instalar();

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
    void Entregar(QWidget& destino, QKeyEvent& tecla, int keyAscii);

    // The key event being passed on to its control, which must not go round again.
    const QEvent* entregando_ = nullptr;
};
