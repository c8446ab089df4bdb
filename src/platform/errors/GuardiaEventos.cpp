#include "platform/errors/GuardiaEventos.h"

#include "platform/errors/ErrorEnCurso.h"
#include "platform/errors/Procedimiento.h"

#include <QtGlobal>

namespace {

void InformePorDefecto(const ErrorEjecucion& error, const QString& evento) {
    qWarning("%s: error %ld: %s", qUtf8Printable(evento), error.Number(),
             qUtf8Printable(error.Description()));
}

InformeError& InformeInstalado() {
    static InformeError informe = InformePorDefecto;
    return informe;
}

void Informar(const ErrorEjecucion& error, const QString& evento) noexcept {
    try {
        InformeInstalado()(error, evento);
    } catch (...) {
        // The report itself failed (a broken dialog, say): the warning is all that is left.
        InformePorDefecto(error, evento);
    }
}

} // namespace

void InstalarInformeErrores(InformeError informe) {
    InformeInstalado() = informe ? std::move(informe) : InformeError(InformePorDefecto);
}

void ProtegerEvento(const QString& evento, const std::function<void()>& manejador) noexcept {
    try {
        manejador();
    } catch (const SalidaProcedimiento&) {
    } catch (...) {
        Informar(ErrorEnCurso(), evento);
    }
}
