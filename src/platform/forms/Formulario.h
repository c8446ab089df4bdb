#pragma once

#include "platform/errors/GuardiaEventos.h"

#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <type_traits>

// Base of every window. A window class overrides the Form_ events it handles; they run
// inside the event guard, so nothing they throw reaches Qt.
//
// Life of a window: created (by Instancia<T>() for the shared default instance, or with
// new for a further one), loaded once on first Load or Show (Form_Load), shown modeless
// or modally, hidden, and unloaded (Form_Unload, which may refuse). A further instance
// deletes itself once unloaded; the default instance stays, and its variables with it,
// until Liberar<T>() lets it go. Code that must see Form_Load done before it fills a
// control (the implicit load of the original windows) calls Load() first.
class Formulario : public QWidget {
    Q_OBJECT
public:
    explicit Formulario(QWidget* parent = nullptr);
    // The text boxes forget the handlers of the window, whose derived part is gone by now.
    ~Formulario() override;

    void Load();
    bool Cargado() const { return cargado_; }
    // Loads if needed; modal shows go through the dialog service and return once the
    // window is hidden or unloaded.
    void Show(bool modal = false);
    void Hide();
    // Runs Form_Unload; false when it cancelled, and the window stays as it was.
    bool Unload();

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }

    // Outer position and size in twips.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int twips);
    void SetTop(int twips);
    void SetWidth(int twips);
    void SetHeight(int twips);
    // The inner area, in twips, as the design tables give it.
    int ScaleWidth() const;
    int ScaleHeight() const;
    void SetAreaCliente(int anchoTwips, int altoTwips);

    // With KeyPreview the window's key events run before those of the focused control.
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool previa) { keyPreview_ = previa; }

    // Enter presses the default button (or the button that has the focus) and Esc the
    // cancel button, before any key event sees the key.
    void SetBotonPredeterminado(QPushButton* boton) { predeterminado_ = boton; }
    void SetBotonCancelar(QPushButton* boton) { cancelar_ = boton; }

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(bool& /*cancel*/) {}
    virtual void Form_Resize() {}
    // Setting keyCode or keyAscii to 0 swallows the key: neither the control's events nor
    // the control itself see it.
    virtual void Form_KeyDown(int& /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyPress(int& /*keyAscii*/) {}

    // Connects a control's signal to a handler of the window, run inside the event guard
    // under the name `evento` ("cmdClose_Click"). The handler takes the signal's
    // arguments or none.
    template <class Emisor, class Senal, class Manejador>
    QMetaObject::Connection Conectar(Emisor* emisor, Senal senal, const char* evento,
                                     Manejador manejador) {
        return connect(
            emisor, senal, this, [nombre = NombreEvento(evento), manejador](auto&&... argumentos) {
                ProtegerEvento(nombre, [&] {
                    if constexpr (std::is_invocable_v<Manejador, decltype(argumentos)...>)
                        manejador(argumentos...);
                    else
                        manejador();
                });
            });
    }

    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    friend class FiltroTeclas;
    template <class T> friend T& Instancia();
    template <class T> friend void Liberar();

    void DispararKeyDown(int& keyCode, int shift);
    void DispararKeyPress(int& keyAscii);
    bool PulsarBoton(QWidget& destino, int keyCode);
    QString NombreEvento(const char* evento) const;
    void SoltarInstanciaPredeterminada();

    bool cargado_ = false;
    bool keyPreview_ = false;
    bool predeterminada_ = false;
    QPointer<QPushButton> predeterminado_;
    QPointer<QPushButton> cancelar_;
};

namespace detalle {
template <class T> QPointer<T>& InstanciaPredeterminada() {
    static QPointer<T> instancia;
    return instancia;
}
} // namespace detalle

// The shared default instance of a window class, created on first use.
template <class T> T& Instancia() {
    QPointer<T>& instancia = detalle::InstanciaPredeterminada<T>();
    if (!instancia) {
        instancia = new T();
        instancia->predeterminada_ = true;
    }
    return *instancia;
}

// Drops the default instance: the next Instancia<T>() makes a fresh one. A hidden window
// goes at once (when control returns to the event loop); one still on screen lives on
// until it is unloaded, like any further instance.
template <class T> void Liberar() {
    QPointer<T>& instancia = detalle::InstanciaPredeterminada<T>();
    if (T* ventana = instancia.data()) {
        instancia = nullptr;
        ventana->SoltarInstanciaPredeterminada();
    }
}
