#pragma once

#include "platform/browser/Navegador.h"

#include <QWebEngineView>

// The browser the application shows: a web engine view whose page raises BeforeNavigate2
// before every navigation. Only the application creates it; tests use NavegadorGrabador.
class NavegadorWeb : public QWebEngineView, public Navegador {
public:
    explicit NavegadorWeb(QWidget* padre = nullptr);

    void Navigate(const QString& url) override;
    QString LocationURL() const override;
    QWidget* Control() override { return this; }
    // The program's own script, which runs apart from the page's (those stay off).
    void CambiarTexto(const QString& id, const QString& texto) override;
    void CambiarHtml(const QString& id, const QString& html) override;

    // Makes Navegador::Crear give windows this browser.
    static void Instalar();

protected:
    // Only copying: going back or forward, reloading or saving could show a blank page, or
    // another window's page written meanwhile under the same file.
    void contextMenuEvent(QContextMenuEvent* evento) override;

private:
    void Cambiar(const QString& id, const QString& valor, const char* propiedad);
};
