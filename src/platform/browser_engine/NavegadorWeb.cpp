#include "platform/browser_engine/NavegadorWeb.h"

#include "platform/browser_engine/PaginaNavegador.h"

#include <QContextMenuEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenu>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEngineScript>

NavegadorWeb::NavegadorWeb(QWidget* padre) : QWebEngineView(padre) {
    auto* pagina = new PaginaNavegador([this](const QUrl& url) { return !Cancelada(url); }, this);
    setPage(pagina);
    connect(this, &QWebEngineView::loadFinished, this, [this] {
        TomarDesdeArriba();
        // Every page is shown by the program: there is nothing to go back or forward to,
        // whatever button or key asks for it.
        history()->clear();
        Completado();
    });
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
    // The engine puts a page loaded again where the one shown is: a page asked from its top
    // takes the one shown there first.
    if (DesdeArribaPedido())
        page()->runJavaScript(QStringLiteral("window.scrollTo(0, 0);"),
                              QWebEngineScript::ApplicationWorld);
    load(QUrl(url, QUrl::TolerantMode));
}

QString NavegadorWeb::LocationURL() const {
    return url().toString(QUrl::FullyEncoded);
}

void NavegadorWeb::CambiarTexto(const QString& id, const QString& texto) {
    Cambiar(id, texto, "textContent");
}

void NavegadorWeb::CambiarHtml(const QString& id, const QString& html) {
    Cambiar(id, html, "innerHTML");
}

void NavegadorWeb::Cambiar(const QString& id, const QString& valor, const char* propiedad) {
    // The values go in as JSON strings, whatever quotes or backslashes they hold.
    const QString valores =
        QString::fromUtf8(QJsonDocument(QJsonArray{id, valor}).toJson(QJsonDocument::Compact));
    page()->runJavaScript(QStringLiteral("(function(v) { var e = document.getElementById(v[0]); "
                                         "if (e) e.%1 = v[1]; })(%2)")
                              .arg(QLatin1String(propiedad), valores),
                          QWebEngineScript::ApplicationWorld);
}

void NavegadorWeb::contextMenuEvent(QContextMenuEvent* evento) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("Copiar"), this,
                   [this] { triggerPageAction(QWebEnginePage::Copy); })
        ->setEnabled(hasSelection());
    menu.addAction(QStringLiteral("Seleccionar todo"), this,
                   [this] { triggerPageAction(QWebEnginePage::SelectAll); });
    menu.exec(evento->globalPos());
}

void NavegadorWeb::Instalar() {
    EstablecerFabrica([](QWidget* padre) { return new NavegadorWeb(padre); });
}
