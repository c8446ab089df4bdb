#include "platform/browser/NavegadorWeb.h"

#include "platform/browser/PaginaNavegador.h"

#include <QUrl>

NavegadorWeb::NavegadorWeb(QWidget* padre) : QWebEngineView(padre) {
    setPage(new PaginaNavegador([this](const QUrl& url) { return !Cancelada(url); }, this));
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
