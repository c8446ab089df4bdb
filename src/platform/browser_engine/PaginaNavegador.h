#pragma once

#include <QWebEnginePage>
#include <functional>

// The page of the engine-backed browser: it asks its owner about every navigation before the
// engine starts it, so that a link handler can turn a click into a command. A page made ahead
// of its use asks nobody until it is given an owner.
class PaginaNavegador : public QWebEnginePage {
public:
    using Consulta = std::function<bool(const QUrl& url)>; // true: go ahead

    explicit PaginaNavegador(QObject* padre, Consulta consulta = {});

    void Asignar(Consulta consulta) { consulta_ = std::move(consulta); }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType tipo,
                                 bool marcoPrincipal) override;

private:
    Consulta consulta_;
};
