#include "platform/forms/CajaTexto.h"

#include "platform/errors/GuardiaEventos.h"
#include "platform/forms/Colores.h"
#include "platform/forms/FiltroTeclas.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>

namespace {

// QLineEdit's own "no limit".
constexpr int SinLimite = 32767;

} // namespace

CajaTexto::CajaTexto(QWidget* parent)
    : QLineEdit(parent), fondo_(ColorFondoVentana), letra_(ColorTextoVentana) {
    FiltroTeclas::Instalar();
    connect(this, &QLineEdit::textChanged, this, [this] { Disparar("Change", Change); });
}

int CajaTexto::MaxLength() const {
    return maxLength() == SinLimite ? 0 : maxLength();
}

void CajaTexto::SetMaxLength(int largo) {
    setMaxLength(largo > 0 ? largo : SinLimite);
}

int CajaTexto::SelStart() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void CajaTexto::SetSelStart(int inicio) {
    setCursorPosition(inicio);
}

int CajaTexto::SelLength() const {
    return selectedText().size();
}

void CajaTexto::SetSelLength(int largo) {
    setSelection(SelStart(), largo);
}

void CajaTexto::SetBackColor(long bgr) {
    fondo_ = bgr;
    QPalette paleta = palette();
    paleta.setColor(QPalette::Base, ColorDesdeBGR(bgr));
    setPalette(paleta);
}

void CajaTexto::SetForeColor(long bgr) {
    letra_ = bgr;
    QPalette paleta = palette();
    paleta.setColor(QPalette::Text, ColorDesdeBGR(bgr));
    setPalette(paleta);
}

void CajaTexto::focusInEvent(QFocusEvent* evento) {
    QLineEdit::focusInEvent(evento);
    Disparar("GotFocus", GotFocus);
}

void CajaTexto::focusOutEvent(QFocusEvent* evento) {
    QLineEdit::focusOutEvent(evento);
    if (Validar(evento->reason()))
        Disparar("LostFocus", LostFocus);
}

namespace {

// The standard menu's Paste, known by its text ("&Paste", then a tab and its key, in the
// language Qt speaks).
QAction* AccionPegar(const QMenu& menu) {
    for (QAction* accion : menu.actions())
        if (accion->text().section(u'\t', 0, 0) == QLineEdit::tr("&Paste"))
            return accion;
    return nullptr;
}

} // namespace

void CajaTexto::contextMenuEvent(QContextMenuEvent* evento) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* pegar = AccionPegar(*menu)) {
        disconnect(pegar, &QAction::triggered, nullptr, nullptr);
        connect(pegar, &QAction::triggered, this,
                [this] { FiltroTeclas::Pegar(*this, QGuiApplication::clipboard()->text()); });
    }
    menu->popup(evento->globalPos());
}

// Leaving for another window or a menu is not leaving the box, so it is not validated.
bool CajaTexto::Validar(Qt::FocusReason razon) {
    if (!Validate || razon == Qt::ActiveWindowFocusReason || razon == Qt::PopupFocusReason)
        return true;
    bool cancel = false;
    Disparar("Validate", [this, &cancel] { Validate(cancel); });
    if (cancel)
        QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
    return !cancel;
}

void CajaTexto::QuitarManejadores() {
    GotFocus = LostFocus = Change = nullptr;
    KeyDown = nullptr;
    KeyPress = nullptr;
    Validate = nullptr;
}

void CajaTexto::DispararKeyDown(int& keyCode, int shift) {
    if (KeyDown)
        Disparar("KeyDown", [&] { KeyDown(keyCode, shift); });
}

void CajaTexto::DispararKeyPress(int& keyAscii) {
    if (KeyPress)
        Disparar("KeyPress", [&] { KeyPress(keyAscii); });
}

void CajaTexto::Disparar(const char* evento, const std::function<void()>& manejador) {
    if (!manejador)
        return;
    QString nombre = objectName().isEmpty() ? QStringLiteral("CajaTexto") : objectName();
    ProtegerEvento(QStringLiteral("%1_%2").arg(nombre, QString::fromLatin1(evento)), manejador);
}
