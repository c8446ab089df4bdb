#include "dobles/NavegadorGrabador.h"

#include <QUrl>

NavegadorGrabador::NavegadorGrabador(QWidget* padre) : QWidget(padre) {}

void NavegadorGrabador::Navigate(const QString& url) {
    Ofrecer(QUrl(url, QUrl::TolerantMode), false);
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

bool NavegadorGrabador::Ofrecer(const QUrl& url, bool clic) {
    const bool cancelada = Cancelada(url);
    historial_.append({url.toString(QUrl::FullyEncoded), cancelada, clic, TomarDesdeArriba()});
    if (!cancelada) {
        direccion_ = url;
        Completado();
    }
    return cancelada;
}

QUrl NavegadorGrabador::Resolver(const QString& enlace) const {
    if (QUrl(enlace).scheme().size() > 1 || !direccion_.isLocalFile())
        return QUrl(enlace, QUrl::TolerantMode);
    QString relativo = enlace;
    relativo.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return direccion_.resolved(QUrl(relativo, QUrl::TolerantMode));
}
