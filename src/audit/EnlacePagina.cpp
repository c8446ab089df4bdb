#include "audit/EnlacePagina.h"

#include "platform/browser/CodificacionUrl.h"
#include "platform/files/Windows1252.h"

#include <algorithm>

namespace EnlacePagina {

void AgregarHtml(QString& linea, const QString& texto) {
    // Most texts hold nothing to escape: what runs up to the first such character is copied.
    const auto especial = [](QChar c) { return c == u'&' || c == u'<' || c == u'>' || c == u'"'; };
    const qsizetype llano = std::find_if(texto.cbegin(), texto.cend(), especial) - texto.cbegin();
    linea.append(texto.constData(), llano);
    for (const QChar c : QStringView(texto).mid(llano)) {
        switch (c.unicode()) {
        case u'&':
            linea += QLatin1String("&amp;");
            break;
        case u'<':
            linea += QLatin1String("&lt;");
            break;
        case u'>':
            linea += QLatin1String("&gt;");
            break;
        case u'"':
            linea += QLatin1String("&quot;");
            break;
        default:
            linea += c;
        }
    }
}

void AgregarHtml(QByteArray& linea, QStringView texto) {
    const auto especial = [](QChar c) { return c == u'&' || c == u'<' || c == u'>' || c == u'"'; };
    for (auto llano = texto.cbegin();;) {
        const auto hasta = std::find_if(llano, texto.cend(), especial);
        archivos::AgregarWindows1252(linea, QStringView(llano, hasta));
        if (hasta == texto.cend())
            return;
        switch (hasta->unicode()) {
        case u'&':
            linea.append("&amp;", 5);
            break;
        case u'<':
            linea.append("&lt;", 4);
            break;
        case u'>':
            linea.append("&gt;", 4);
            break;
        default:
            linea.append("&quot;", 6);
        }
        llano = hasta + 1;
    }
}

QString TextoHtml(const QString& texto) {
    QString linea;
    AgregarHtml(linea, texto);
    return linea;
}

QString Propio(const QString& URL) {
    qsizetype fin = URL.size();
    for (const QChar corte : {u'?', u'#'}) {
        const qsizetype p = URL.indexOf(corte);
        if (p >= 0 && p < fin)
            fin = p;
    }
    const QString ruta = URL.left(fin);
    const qsizetype separador = qMax(ruta.lastIndexOf(u'/'), ruta.lastIndexOf(u'\\'));
    return ruta.mid(separador + 1);
}

bool EmpiezaCon(const QString& propio, QLatin1StringView marcador) {
    return propio.startsWith(marcador, Qt::CaseInsensitive);
}

bool Contiene(const QString& propio, QLatin1StringView marcador) {
    return propio.contains(marcador, Qt::CaseInsensitive);
}

std::optional<QStringList> Cortar(const QString& propio,
                                  std::initializer_list<QLatin1StringView> marcadores) {
    if (marcadores.size() == 0 || !EmpiezaCon(propio, *marcadores.begin()))
        return std::nullopt;
    QStringList valores;
    qsizetype inicio = marcadores.begin()->size();
    for (auto siguiente = marcadores.begin() + 1; siguiente != marcadores.end(); ++siguiente) {
        const qsizetype p = propio.indexOf(*siguiente, inicio, Qt::CaseInsensitive);
        if (p < 0)
            return std::nullopt;
        valores << LeerValorUrl(propio.mid(inicio, p - inicio));
        inicio = p + siguiente->size();
    }
    valores << LeerValorUrl(propio.mid(inicio));
    return valores;
}

} // namespace EnlacePagina
