#pragma once

#include "platform/browser/Navegador.h"

#include <QList>
#include <QPair>
#include <QUrl>
#include <QWidget>

// A browser without an engine, for tests: it shows nothing, records every navigation offered
// to BeforeNavigate2 (a page that goes ahead is complete at once) and lets a test follow a
// link of the page shown, as a user's click would.
// Addresses go through QUrl as in the engine, so a handler sees them in the same form
// (escapes of unreserved characters unescaped, blanks escaped).
class NavegadorGrabador : public QWidget, public Navegador {
public:
    struct Navegacion {
        QString URL; // as BeforeNavigate2 received it
        bool Cancelada;
        bool Clic;        // followed from a link rather than asked by the program
        bool DesdeArriba; // shown from its top rather than where the user had it
    };

    explicit NavegadorGrabador(QWidget* padre = nullptr);

    void Navigate(const QString& url) override;
    QString LocationURL() const override { return direccion_.toString(QUrl::FullyEncoded); }
    QWidget* Control() override { return this; }
    void CambiarTexto(const QString& id, const QString& texto) override {
        TextosCambiados.append({id, texto});
    }
    void CambiarHtml(const QString& id, const QString& html) override {
        HtmlCambiados.append({id, html});
    }

    // Follows the link `enlace` (an HREF as a page writes it) of the page shown and returns
    // whether the handler cancelled. A relative link is resolved against the page shown,
    // backslashes read as slashes, as the engine does for file pages.
    bool Clic(const QString& enlace);

    // What the engine-backed browser does when its page process ends abnormally.
    void TerminarProceso() { ProcesoTerminado(); }

    const QList<Navegacion>& Historial() const { return historial_; }
    // The addresses that went ahead, in order.
    QStringList PaginasMostradas() const;
    // Every CambiarTexto, as id and text, in order.
    QList<QPair<QString, QString>> TextosCambiados;
    // Every CambiarHtml, likewise.
    QList<QPair<QString, QString>> HtmlCambiados;

private:
    bool Ofrecer(const QUrl& url, bool clic);
    QUrl Resolver(const QString& enlace) const;

    QUrl direccion_; // the address shown
    QList<Navegacion> historial_;
};
