#include "platform/browser/NavegadorWeb.h"

#include "platform/browser/PaginaNavegador.h"

#include <QUrl>

NavegadorWeb::NavegadorWeb(QWidget* padre) : QWebEngineView(padre) {
    auto* pagina = new PaginaNavegador([this](const QUrl& url) { return !Cancelada(url); }, this);
    setPage(pagina);
    connect(this, &QWebEngineView::loadFinished, this, [this] { Completado(); });
    // Told from the event loop, not from inside the engine's own notice.
    connect(
        pagina, &QWebEnginePage::renderProcessTerminated, this,
        [this](QWebEnginePage::RenderProcessTerminationStatus estado) {
            if (estado != QWebEnginePage::NormalTerminationStatus)
                ProcesoTerminado();
        },
        Qt::QueuedConnection);
}

// The engine offers this navigation to the page, which raises BeforeNavigate2 for it.
void NavegadorWeb::Navigate(const QString& url) {
    load(QUrl(url, QUrl::TolerantMode));
}

QString NavegadorWeb::LocationURL() const {
    return url().toString(QUrl::FullyEncoded);
}

void NavegadorWeb::Instalar() {
    EstablecerFabrica([](QWidget* padre) { return new NavegadorWeb(padre); });
}
