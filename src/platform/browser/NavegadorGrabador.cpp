#include "platform/browser/NavegadorGrabador.h"

#include "platform/browser/DecodificacionUrl.h"

#include <QUrl>

NavegadorGrabador::NavegadorGrabador(QWidget* padre) : QWidget(padre) {}

void NavegadorGrabador::Navigate(const QString& url) {
    Ofrecer(url, false);
}

bool NavegadorGrabador::Clic(const QString& enlace) {
    return Ofrecer(Resolver(enlace), true);
}

QStringList NavegadorGrabador::PaginasMostradas() const {
    QStringList paginas;
    for (const Navegacion& navegacion : historial_)
        if (!navegacion.Cancelada)
            paginas << navegacion.URL;
    return paginas;
}

bool NavegadorGrabador::Ofrecer(const QString& url, bool clic) {
    const bool cancelada = Cancelada(url);
    historial_.append({DecodificarUrl(url), cancelada, clic});
    if (!cancelada) {
        direccion_ = url;
        ubicacion_ = DecodificarUrl(url);
    }
    return cancelada;
}

QString NavegadorGrabador::Resolver(const QString& enlace) const {
    if (QUrl(enlace).scheme().size() > 1)
        return enlace;
    const QUrl base(direccion_, QUrl::TolerantMode);
    if (!base.isLocalFile())
        return enlace;
    QString relativo = enlace;
    relativo.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return base.resolved(QUrl(relativo, QUrl::TolerantMode)).toString(QUrl::FullyEncoded);
}
