#include "platform/browser_engine/PaginaNavegador.h"

#include <QWebEngineSettings>

PaginaNavegador::PaginaNavegador(QObject* padre, Consulta consulta)
    : QWebEnginePage(padre), consulta_(std::move(consulta)) {
    // The pages are the program's own, written in Windows-1252 and without scripts.
    settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings()->setDefaultTextEncoding(QStringLiteral("windows-1252"));
    // The style sheet asks for Verdana, which a free system seldom has: the engine then falls
    // back on its standard face, a serif. DejaVu Sans is as wide as Verdana and always there.
    const QString sinSerifa = QStringLiteral("DejaVu Sans");
    settings()->setFontFamily(QWebEngineSettings::StandardFont, sinSerifa);
    settings()->setFontFamily(QWebEngineSettings::SansSerifFont, sinSerifa);
}

bool PaginaNavegador::acceptNavigationRequest(const QUrl& url, NavigationType, bool) {
    return !consulta_ || consulta_(url);
}
