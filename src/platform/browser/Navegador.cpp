#include "platform/browser/Navegador.h"

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
    // The program installs the engine's browser at start-up, the tests their recording one: a
    // window asking for a browser before either is a fault of the start-up.
    if (!FabricaInstalada())
        qFatal("Navegador::Crear: no browser is installed");
    return FabricaInstalada()(padre);
}

void Navegador::EstablecerFabrica(Fabrica fabrica) {
    FabricaInstalada() = std::move(fabrica);
}

void Navegador::NavigateDesdeArriba(const QString& url) {
    desdeArriba_ = true;
    Navigate(url);
}

void Navegador::NavegarArchivo(const QString& ruta, bool desdeArriba) {
    const QString url = QUrl::fromLocalFile(ruta).toString(QUrl::FullyEncoded);
    if (desdeArriba)
        NavigateDesdeArriba(url);
    else
        Navigate(url);
}

bool Navegador::Cancelada(const QUrl& url) {
    bool cancelar = false;
    if (BeforeNavigate2)
        BeforeNavigate2(url.toString(QUrl::FullyEncoded), cancelar);
    // A navigation kept from loading leaves the page shown where the user has it.
    if (cancelar)
        desdeArriba_ = false;
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
