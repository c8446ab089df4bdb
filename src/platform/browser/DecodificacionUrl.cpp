#include "platform/browser/DecodificacionUrl.h"

#include <QByteArray>
#include <QStringDecoder>

namespace {

int ValorHex(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Reads the run of escapes that starts at `i`, leaving `i` after it.
QByteArray LeerEscapes(const QString& url, qsizetype& i) {
    QByteArray bytes;
    while (i + 2 < url.size() && url.at(i) == QLatin1Char('%')) {
        const int alto = ValorHex(url.at(i + 1));
        const int bajo = ValorHex(url.at(i + 2));
        if (alto < 0 || bajo < 0)
            break;
        bytes.append(char(alto * 16 + bajo));
        i += 3;
    }
    return bytes;
}

QString TextoDeBytes(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texto = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : texto;
}

} // namespace

QString DecodificarUrl(const QString& url) {
    QString resultado;
    resultado.reserve(url.size());
    qsizetype i = 0;
    while (i < url.size()) {
        const QByteArray bytes = LeerEscapes(url, i);
        if (!bytes.isEmpty())
            resultado += TextoDeBytes(bytes);
        else
            resultado += url.at(i++);
    }
    return resultado;
}
