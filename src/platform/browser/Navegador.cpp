#include "platform/browser/Navegador.h"

#include "platform/browser/NavegadorGrabador.h"

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
