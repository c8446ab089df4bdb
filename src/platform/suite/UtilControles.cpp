#include "platform/suite/UtilControles.h"

#include "platform/forms/ArregloCajasTexto.h"
#include "platform/forms/CajaTexto.h"
#include "platform/forms/CodigosTecla.h"
#include "platform/runtime/Locale.h"
#include "platform/suite/ObjetosSuite.h"

#include <QApplication>
#include <QWidget>

namespace {

bool AceptaFoco(const QWidget& control) {
    return control.isVisible() && control.isEnabled() &&
           (control.focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

// The next control of the same window in tab order, or nullptr when there is none.
QWidget* Siguiente(QWidget& actual) {
    for (QWidget* candidato = actual.nextInFocusChain(); candidato && candidato != &actual;
         candidato = candidato->nextInFocusChain())
        if (candidato->window() == actual.window() && AceptaFoco(*candidato))
            return candidato;
    return nullptr;
}

} // namespace

UtilControles& UtilControles::Instancia() {
    return suite::ObjetoCompartido<UtilControles>();
}

int UtilControles::IndiceCampo(const QString& dataField, const ArregloCajasTexto& arreglo) const {
    return arreglo.Indice(dataField);
}

bool UtilControles::TipoTecla(int keyCode) const {
    return keyCode == vbKeyReturn;
}

void UtilControles::PasarFoco(int& keyCode, QWidget* desde) const {
    QWidget* actual = desde ? desde : QApplication::focusWidget();
    QWidget* siguiente = actual ? Siguiente(*actual) : nullptr;
    if (!siguiente)
        return;
    siguiente->setFocus(Qt::TabFocusReason);
    keyCode = 0;
}

void UtilControles::FiltrarTecla(const QWidget&, int& keyAscii) const {
    constexpr int Backspace = 8, Enter = 13, Esc = 27, Suprimir = 127;
    const bool control = keyAscii < 32 || keyAscii == Suprimir;
    if (control && keyAscii != Backspace && keyAscii != Enter && keyAscii != Esc)
        keyAscii = 0;
}

void UtilControles::LimpiarControles(QWidget& ventana, const QString& arreglo) const {
    for (CajaTexto* caja : ventana.findChildren<CajaTexto*>())
        if (caja->objectName().compare(arreglo, Qt::CaseInsensitive) == 0)
            caja->SetText(QString());
}

QString UtilControles::SeparadorDecimal() const {
    return QString(Locale::SeparadorDecimal());
}
