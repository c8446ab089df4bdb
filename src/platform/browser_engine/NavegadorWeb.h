#pragma once

#include "platform/browser/Navegador.h"

#include <QWebEngineView>

class PaginaNavegador;

// The browser the application shows: a web engine view whose page raises BeforeNavigate2
// before every navigation. Only the application creates it; tests use NavegadorGrabador.
//
// Each page the program shows is loaded in a page object of its own, in a page process of its
// own, and the one it replaces is dropped whole, process and all, once the new one is under
// way. Kept in one page object, the documents shown before are collected by the page process
// while it draws the next one, and giving their memory back to the system costs it seconds
// on a long list. A page made ahead, its process started, waits for the next navigation.
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
    PaginaNavegador* TomarPagina();
    bool Aceptar(PaginaNavegador* pagina, const QUrl& url);
    void Mostrar(PaginaNavegador* pagina);
    void Descartar(QWebEnginePage* pagina);
    void PrepararRepuesto();
    void Cambiar(const QString& id, const QString& valor, const char* propiedad);

    PaginaNavegador* entrante_ = nullptr; // loading the program's last navigation, not yet shown
};
