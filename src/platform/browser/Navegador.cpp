#include "platform/browser/Navegador.h"

#include "platform/browser/NavegadorGrabador.h"
#include "platform/dialogs/Dialogos.h"

#include <QScopeGuard>
#include <QUrl>

namespace {

Navegador::Fabrica& FabricaInstalada() {
    static Navegador::Fabrica fabrica;
    return fabrica;
}

} // namespace

Navegador* Navegador::Crear(QWidget* padre) {
    if (FabricaInstalada())
        return FabricaInstalada()(padre);
    return new NavegadorGrabador(padre);
}

void Navegador::EstablecerFabrica(Fabrica fabrica) {
    FabricaInstalada() = std::move(fabrica);
}

bool Navegador::Cancelada(const QUrl& url) {
    bool cancelar = false;
    if (BeforeNavigate2)
        BeforeNavigate2(url.toString(QUrl::FullyEncoded), cancelar);
    return cancelar;
}

void Navegador::Completado() {
    if (DocumentComplete)
        DocumentComplete(LocationURL());
}

void Navegador::ProcesoTerminado() {
    // Views that shared the process hear of its end one after the other, while the message
    // is still on screen.
    static bool avisando = false;
    if (avisando)
        return;
    avisando = true;
    const auto fin = qScopeGuard([] { avisando = false; });
    MsgBox(QStringLiteral("La página dejó de mostrarse: el proceso del navegador que la mostraba "
                          "terminó de forma inesperada. La ventana sigue disponible; vuelva a "
                          "cargar la página ([F9] Cargar, o el enlace que la abrió)."),
           vbExclamation);
}
