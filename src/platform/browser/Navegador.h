#pragma once

#include <QString>
#include <functional>
#include <utility>

class QUrl;
class QWidget;

// The embedded browser as the windows use it. Every navigation, the program's own included,
// is first offered to BeforeNavigate2 with the address as the engine holds it: absolute and
// percent-encoded, the escapes a page wrote standing (but for those of unreserved characters,
// which the engine unescapes). Reading the values out of a link is the handler's business
// (CodificacionUrl.h), so that each is decoded exactly once. A handler that sets Cancel keeps
// the browser where it is.
class Navegador {
public:
    using EventoBeforeNavigate2 = std::function<void(const QString& URL, bool& Cancel)>;
    using EventoDocumentComplete = std::function<void(const QString& URL)>;
    using Fabrica = std::function<Navegador*(QWidget* padre)>;

    virtual ~Navegador() = default;

    // `url` is an address (a file as QUrl::fromLocalFile gives it), percent-encoded.
    virtual void Navigate(const QString& url) = 0;
    void Navigate2(const QString& url) { Navigate(url); }
    // Shows `url` from its top. Navigate keeps the place when the page shown is loaded again,
    // as the engine does; another list or voucher under the same file asks for this instead.
    void NavigateDesdeArriba(const QString& url);
    // Shows the page file at `ruta`, from its top when asked.
    void NavegarArchivo(const QString& ruta, bool desdeArriba);
    // The address of the page shown, in the form handed to BeforeNavigate2.
    virtual QString LocationURL() const = 0;
    // The widget the window places and sizes.
    virtual QWidget* Control() = 0;
    // Puts `texto` in place of what the element with that id holds on the page shown, without
    // loading the page again (the user stays where they are on it). A page without that
    // element is left as it is.
    virtual void CambiarTexto(const QString& id, const QString& texto) = 0;
    // The same with markup the program wrote itself (links, never the user's text).
    virtual void CambiarHtml(const QString& id, const QString& html) = 0;

    // Accepted for the windows' sake; an embedded view has no full-screen or theatre mode.
    bool FullScreen() const { return pantallaCompleta_; }
    void SetFullScreen(bool valor) { pantallaCompleta_ = valor; }
    bool TheaterMode() const { return modoTeatro_; }
    void SetTheaterMode(bool valor) { modoTeatro_ = valor; }

    EventoBeforeNavigate2 BeforeNavigate2;
    // A page finished loading (or failed to), with the address as LocationURL gives it.
    EventoDocumentComplete DocumentComplete;

    // Windows get their browser here: the application installs the one over the web engine,
    // the tests and benchmarks a recording one, before any window is made.
    static Navegador* Crear(QWidget* padre);
    static void EstablecerFabrica(Fabrica fabrica);

protected:
    // Raises BeforeNavigate2 for `url`; true when the handler cancelled.
    bool Cancelada(const QUrl& url);
    // Raises DocumentComplete for the page shown.
    void Completado();
    // Whether the page being loaded was asked for from its top; taking it clears it.
    bool DesdeArribaPedido() const { return desdeArriba_; }
    bool TomarDesdeArriba() { return std::exchange(desdeArriba_, false); }
    // The engine's page process ended abnormally (it crashed, was killed or ran out of
    // memory) and took the page with it. The operator is told, once however many views it
    // served; the view stays usable and its next navigation loads the page afresh.
    void ProcesoTerminado();

private:
    bool pantallaCompleta_ = false;
    bool modoTeatro_ = false;
    bool desdeArriba_ = false;
};
