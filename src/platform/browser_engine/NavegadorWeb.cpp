#include "platform/browser_engine/NavegadorWeb.h"

#include "platform/browser_engine/PaginaNavegador.h"

#include <QContextMenuEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEngineScript>

namespace {

// The page made ahead for whichever browser navigates next, once its blank document is in:
// its page process is then up and takes the next page in.
struct Repuesto {
    QPointer<PaginaNavegador> pagina;
    bool listo = false;
};

Repuesto& ElRepuesto() {
    static Repuesto repuesto;
    return repuesto;
}

} // namespace

NavegadorWeb::NavegadorWeb(QWidget* padre) : QWebEngineView(padre) {
    setPage(TomarPagina());
    connect(this, &QWebEngineView::loadFinished, this, [this] {
        TomarDesdeArriba();
        // Every page is shown by the program: there is nothing to go back or forward to,
        // whatever button or key asks for it.
        history()->clear();
        Completado();
    });
}

// The engine offers this navigation to the new page, which raises BeforeNavigate2 for it and
// takes the place of the page shown once it goes ahead.
void NavegadorWeb::Navigate(const QString& url) {
    const QUrl destino(url, QUrl::TolerantMode);
    PaginaNavegador* pagina = TomarPagina();
    // The page shown loaded again stays where the user has it, as the engine keeps it in one
    // page object, unless it is asked from its top.
    if (!DesdeArribaPedido() && destino == page()->url()) {
        const QPointF lugar = page()->scrollPosition();
        connect(
            pagina, &QWebEnginePage::loadFinished, pagina,
            [pagina, lugar] {
                pagina->runJavaScript(
                    QStringLiteral("window.scrollTo(%1, %2);").arg(lugar.x()).arg(lugar.y()),
                    QWebEngineScript::ApplicationWorld);
            },
            Qt::SingleShotConnection);
    }
    // A navigation of the program's still waiting for the engine gives way to this one.
    Descartar(std::exchange(entrante_, pagina));
    pagina->load(destino);
}

PaginaNavegador* NavegadorWeb::TomarPagina() {
    Repuesto& repuesto = ElRepuesto();
    PaginaNavegador* pagina = nullptr;
    if (repuesto.listo && repuesto.pagina) {
        pagina = std::exchange(repuesto, {}).pagina;
        pagina->setParent(this);
    } else {
        pagina = new PaginaNavegador(this);
    }
    pagina->Asignar([this, pagina](const QUrl& url) { return Aceptar(pagina, url); });
    // Told from the event loop, not from inside the engine's own notice; only of the page in
    // sight, which is all the operator knows of.
    connect(
        pagina, &QWebEnginePage::renderProcessTerminated, this,
        // A notice may still be queued when its page is gone, and another page made where it was.
        [this, pagina = QPointer<PaginaNavegador>(pagina)](
            QWebEnginePage::RenderProcessTerminationStatus estado) {
            if (estado != QWebEnginePage::NormalTerminationStatus && pagina && pagina == page())
                ProcesoTerminado();
        },
        Qt::QueuedConnection);
    return pagina;
}

bool NavegadorWeb::Aceptar(PaginaNavegador* pagina, const QUrl& url) {
    const bool nueva = pagina == entrante_;
    if (Cancelada(url)) {
        if (nueva)
            Descartar(std::exchange(entrante_, nullptr));
        return false;
    }
    if (nueva)
        Mostrar(std::exchange(entrante_, nullptr));
    return true;
}

void NavegadorWeb::Mostrar(PaginaNavegador* pagina) {
    // The widget of the page shown goes with it: the focus it had passes to the new one, not to
    // the window's next control.
    const bool conFoco = hasFocus();
    if (conFoco) {
        setFocusProxy(nullptr);
        setFocus();
    }
    QWebEnginePage* anterior = page();
    setPage(pagina);
    if (conFoco)
        setFocus();
    Descartar(anterior);
    PrepararRepuesto();
}

void NavegadorWeb::Descartar(QWebEnginePage* pagina) {
    auto* nuestra = static_cast<PaginaNavegador*>(pagina);
    if (!nuestra)
        return;
    // Whatever the engine still asks of it is refused; it goes once the engine's call that may
    // be under way for it has returned.
    nuestra->Asignar([](const QUrl&) { return false; });
    QTimer::singleShot(0, this,
                       [nuestra = QPointer<PaginaNavegador>(nuestra)] { delete nuestra.data(); });
}

void NavegadorWeb::PrepararRepuesto() {
    Repuesto& repuesto = ElRepuesto();
    if (repuesto.pagina)
        return;
    auto* pagina = new PaginaNavegador(this);
    repuesto = {pagina, false};
    connect(
        pagina, &QWebEnginePage::loadFinished, pagina,
        [pagina] {
            if (ElRepuesto().pagina == pagina)
                ElRepuesto().listo = true;
        },
        Qt::SingleShotConnection);
    pagina->load(QUrl(QStringLiteral("about:blank")));
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
