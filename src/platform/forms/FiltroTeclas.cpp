#include "platform/forms/FiltroTeclas.h"

#include "platform/dialogs/Dialogos.h"
#include "platform/forms/CajaTexto.h"
#include "platform/forms/CodigosTecla.h"
#include "platform/forms/Formulario.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

void FiltroTeclas::Instalar() {
    static QPointer<FiltroTeclas> instalado;
    if (instalado || !qApp)
        return;
    instalado = new FiltroTeclas(qApp);
    qApp->installEventFilter(instalado);
}

// A key the focused control ignores travels up to its parents; only its first stop counts.
// Text boxes are always first stops (they get their keys back through Entregar, so the
// trip upwards happens out of sight); otherwise the focused widget is, or the window
// itself when nothing in it has the focus. While no window has the focus (a message box
// has just closed and the focus has not come back yet), each window's own focused control
// stands for it: a key a control hands its window then (the browser gives back the keys its
// page had no use for) is not taken for a press on the window.
bool FiltroTeclas::EsDestinoOriginal(QWidget& destino) {
    QWidget* foco = QApplication::focusWidget();
    if (!foco)
        foco = destino.window()->focusWidget();
    if (&destino == foco || qobject_cast<CajaTexto*>(&destino))
        return true;
    return destino.isWindow() && (!foco || foco->window() != &destino);
}

namespace {

bool EsTeclaDeEdicion(const QKeyEvent& tecla) {
    for (QKeySequence::StandardKey clave :
         {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
          QKeySequence::Undo, QKeySequence::Redo})
        if (tecla.matches(clave))
            return true;
    return false;
}

} // namespace

bool FiltroTeclas::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress || evento == entregando_ || !objeto->isWidgetType())
        return false;
    auto& destino = *static_cast<QWidget*>(objeto);
    auto* ventana = qobject_cast<Formulario*>(destino.window());
    auto* caja = qobject_cast<CajaTexto*>(&destino);
    if ((!ventana && !caja) || !EsDestinoOriginal(destino))
        return false;
    auto& tecla = *static_cast<QKeyEvent*>(evento);
    // The question on screen is modal: a key that reaches a window all the same (handed on
    // by code) must not run the handler that is waiting for the answer a second time.
    if (Dialogos::PreguntaAbierta()) {
        tecla.accept();
        return true;
    }
    Pulsacion pulsacion{CodigoTecla(tecla.key(), tecla.modifiers()), EstadoShift(tecla.modifiers()),
                        CodigoAscii(tecla)};
    int asciiOriginal = pulsacion.keyAscii;
    bool previa = ventana && (ventana->KeyPreview() || &destino == ventana);
    if (caja && EsTeclaDeEdicion(tecla))
        return Editar(*caja, previa ? ventana : nullptr, tecla, pulsacion);
    bool tomada = ventana && ventana->PulsarBoton(destino, pulsacion.keyCode);
    bool sigue = !tomada && (pulsacion.keyCode == vbKeyTab ||
                             Disparar(previa ? ventana : nullptr, caja, pulsacion));
    if (!sigue) {
        tecla.accept();
        return true;
    }
    if (!caja && pulsacion.keyAscii == asciiOriginal)
        return false;
    Entregar(destino, tecla, pulsacion.keyAscii == asciiOriginal ? 0 : pulsacion.keyAscii);
    return true;
}

// An editing key goes to the KeyDown handlers only; what they leave of it the box does.
bool FiltroTeclas::Editar(CajaTexto& caja, Formulario* ventana, QKeyEvent& tecla,
                          Pulsacion pulsacion) {
    pulsacion.keyAscii = 0;
    tecla.accept();
    if (!Disparar(ventana, &caja, pulsacion))
        return true;
    if (tecla.matches(QKeySequence::Paste)) {
        if (!caja.isReadOnly())
            Pegar(caja, QGuiApplication::clipboard()->text());
        return true;
    }
    Entregar(caja, tecla, 0);
    return true;
}

void FiltroTeclas::Pegar(CajaTexto& caja, const QString& texto) {
    auto* ventana = qobject_cast<Formulario*>(caja.window());
    if (ventana && !ventana->KeyPreview())
        ventana = nullptr;
    const QPointer<CajaTexto> sigue(&caja);
    for (const QChar caracter : texto) {
        if (caracter.unicode() < 32 || caracter.unicode() == 127)
            continue;
        Pulsacion pulsacion{0, 0, caracter.unicode()};
        if (Disparar(ventana, &caja, pulsacion) && sigue)
            caja.insert(QString(QChar(pulsacion.keyAscii)));
        if (!sigue)
            return;
    }
}

// False when a handler swallowed the key.
bool FiltroTeclas::Disparar(Formulario* ventana, CajaTexto* caja, Pulsacion& pulsacion) {
    if (pulsacion.keyCode) {
        if (ventana)
            ventana->DispararKeyDown(pulsacion.keyCode, pulsacion.shift);
        if (caja && pulsacion.keyCode)
            caja->DispararKeyDown(pulsacion.keyCode, pulsacion.shift);
        if (!pulsacion.keyCode)
            return false;
    }
    if (pulsacion.keyAscii) {
        if (ventana)
            ventana->DispararKeyPress(pulsacion.keyAscii);
        if (caja && pulsacion.keyAscii)
            caja->DispararKeyPress(pulsacion.keyAscii);
        if (!pulsacion.keyAscii)
            return false;
    }
    return true;
}

namespace {

// The Qt key that types this character, for a key a handler changed.
int TeclaDeAscii(int keyAscii) {
    switch (keyAscii) {
    case vbKeyReturn:
        return Qt::Key_Return;
    case vbKeyEscape:
        return Qt::Key_Escape;
    case vbKeyBack:
        return Qt::Key_Backspace;
    default:
        return QChar(keyAscii).toUpper().unicode();
    }
}

} // namespace

// Passes the key on to its control: as it came, or, when a key-press handler changed the
// character (`otroAscii`), as that character.
void FiltroTeclas::Entregar(QWidget& destino, QKeyEvent& tecla, int otroAscii) {
    QKeyEvent cambiada(QEvent::KeyPress, TeclaDeAscii(otroAscii), Qt::NoModifier,
                       QString(QChar(otroAscii)));
    QKeyEvent& entregada = otroAscii ? cambiada : tecla;
    const QEvent* anterior = entregando_;
    entregando_ = &entregada;
    QCoreApplication::sendEvent(&destino, &entregada);
    entregando_ = anterior;
    tecla.setAccepted(true);
}
