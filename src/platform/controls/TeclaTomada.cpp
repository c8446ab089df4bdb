#include "platform/controls/TeclaTomada.h"

#include "platform/forms/CodigosTecla.h"

#include <QApplication>
#include <QKeyEvent>

namespace controles {

bool TeclaTomada(const QKeyEvent& evento, const EventoKeyDown& keyDown) {
    int codigo = CodigoTecla(evento.key(), evento.modifiers());
    if (codigo == 0 || !keyDown)
        return false;
    const QWidget* foco = QApplication::focusWidget();
    keyDown(codigo, EstadoShift(evento.modifiers()));
    return codigo == 0 || QApplication::focusWidget() != foco;
}

} // namespace controles
