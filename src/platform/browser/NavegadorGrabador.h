#pragma once

#include "platform/browser/Navegador.h"

#include <QList>
#include <QWidget>

// A browser without an engine, for tests: it shows nothing, records every navigation offered
// to BeforeNavigate2 and lets a test follow a link of the page shown, as a user's click would.
class NavegadorGrabador : public QWidget, public Navegador {
public:
    struct Navegacion {
        QString URL; // as BeforeNavigate2 received it
        bool Cancelada;
        bool Clic; // followed from a link rather than asked by the program
    };

    explicit NavegadorGrabador(QWidget* padre = nullptr);

    void Navigate(const QString& url) override;
    QString LocationURL() const override { return ubicacion_; }
    QWidget* Control() override { return this; }

    // Follows the link `enlace` of the page shown and returns whether the handler cancelled.
    // An address with a scheme is taken as the engine would report it (percent-encoded or
    // not); a relative one is resolved against the page shown, backslashes read as slashes,
    // as the engine does for file pages.
    bool Clic(const QString& enlace);

    const QList<Navegacion>& Historial() const { return historial_; }
    // The addresses that went ahead, in order.
    QStringList PaginasMostradas() const;

private:
    bool Ofrecer(const QString& url, bool clic);
    QString Resolver(const QString& enlace) const;

    QString direccion_; // the address shown, as given or resolved
    QString ubicacion_; // the same, decoded
    QList<Navegacion> historial_;
};
