#include "platform/browser/PaginaNavegador.h"

#include <QWebEngineSettings>

PaginaNavegador::PaginaNavegador(Consulta consulta, QObject* padre)
    : QWebEnginePage(padre), consulta_(std::move(consulta)) {
    // The pages are the program's own, written in Windows-1252 and without scripts.
    settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings()->setDefaultTextEncoding(QStringLiteral("windows-1252"));
}

bool PaginaNavegador::acceptNavigationRequest(const QUrl& url, NavigationType, bool) {
    return consulta_(url);
}
