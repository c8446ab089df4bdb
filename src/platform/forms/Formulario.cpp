#include "platform/forms/Formulario.h"

#include "platform/dialogs/Dialogos.h"
#include "platform/errors/GuardiaEventos.h"
#include "platform/forms/CajaTexto.h"
#include "platform/forms/FiltroTeclas.h"
#include "platform/forms/FuenteVentanas.h"
#include "platform/forms/Twips.h"

#include <QCloseEvent>

Formulario::Formulario(QWidget* parent) : QWidget(parent, Qt::Window) {
    FiltroTeclas::Instalar();
    setFont(FuenteVentanas());
}

Formulario::~Formulario() {
    for (CajaTexto* caja : findChildren<CajaTexto*>())
        caja->QuitarManejadores();
}

void Formulario::Load() {
    if (cargado_)
        return;
    cargado_ = true;
    ProtegerEvento(NombreEvento("Form_Load"), [this] { Form_Load(); });
}

void Formulario::Show(bool modal) {
    Load();
    if (modal) {
        Dialogos::Actual().MostrarModal(*this);
        return;
    }
    show();
    raise();
    activateWindow();
}

void Formulario::Hide() {
    hide();
}

bool Formulario::Unload() {
    if (!cargado_)
        return true;
    bool cancel = false;
    ProtegerEvento(NombreEvento("Form_Unload"), [this, &cancel] { Form_Unload(cancel); });
    if (cancel)
        return false;
    cargado_ = false;
    hide();
    if (!predeterminada_)
        deleteLater();
    return true;
}

void Formulario::closeEvent(QCloseEvent* evento) {
    if (Unload())
        evento->accept();
    else
        evento->ignore();
}

void Formulario::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    if (cargado_)
        ProtegerEvento(NombreEvento("Form_Resize"), [this] { Form_Resize(); });
}

int Formulario::Left() const {
    return ATwips(frameGeometry().x());
}

int Formulario::Top() const {
    return ATwips(frameGeometry().y());
}

int Formulario::Width() const {
    return ATwips(frameGeometry().width());
}

int Formulario::Height() const {
    return ATwips(frameGeometry().height());
}

void Formulario::SetLeft(int twips) {
    move(APixeles(twips), frameGeometry().y());
}

void Formulario::SetTop(int twips) {
    move(frameGeometry().x(), APixeles(twips));
}

void Formulario::SetWidth(int twips) {
    int marco = frameGeometry().width() - width();
    resize(APixeles(twips) - marco, height());
}

void Formulario::SetHeight(int twips) {
    int marco = frameGeometry().height() - height();
    resize(width(), APixeles(twips) - marco);
}

int Formulario::ScaleWidth() const {
    return ATwips(width());
}

int Formulario::ScaleHeight() const {
    return ATwips(height());
}

void Formulario::SetAreaCliente(int anchoTwips, int altoTwips) {
    resize(APixeles(anchoTwips), APixeles(altoTwips));
}

void Formulario::DispararKeyDown(int& keyCode, int shift) {
    ProtegerEvento(NombreEvento("Form_KeyDown"), [&] { Form_KeyDown(keyCode, shift); });
}

void Formulario::DispararKeyPress(int& keyAscii) {
    ProtegerEvento(NombreEvento("Form_KeyPress"), [&] { Form_KeyPress(keyAscii); });
}

bool Formulario::PulsarBoton(QWidget& destino, int keyCode) {
    QPushButton* boton = nullptr;
    if (keyCode == 13)
        boton = qobject_cast<QPushButton*>(&destino) ? qobject_cast<QPushButton*>(&destino)
                                                     : predeterminado_.data();
    else if (keyCode == 27)
        boton = cancelar_.data();
    if (!boton || !boton->isEnabled() || !boton->isVisible())
        return false;
    boton->click();
    return true;
}

QString Formulario::NombreEvento(const char* evento) const {
    return QStringLiteral("%1.%2").arg(QString::fromLatin1(metaObject()->className()),
                                       QString::fromLatin1(evento));
}

void Formulario::SoltarInstanciaPredeterminada() {
    predeterminada_ = false;
    if (!isVisible())
        deleteLater();
}
