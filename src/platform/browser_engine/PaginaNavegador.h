#pragma once

#include <QWebEnginePage>
#include <functional>

// The page of the engine-backed browser: it asks its owner about every navigation before the
// engine starts it, so that a link handler can turn a click into a command.
class PaginaNavegador : public QWebEnginePage {
public:
    using Consulta = std::function<bool(const QUrl& url)>; // true: go ahead

    PaginaNavegador(Consulta consulta, QObject* padre);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType tipo,
                                 bool marcoPrincipal) override;

private:
    Consulta consulta_;
};
