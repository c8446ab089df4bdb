#include "audit/EnlacePagina.h"

#include <QByteArray>
#include <QStringDecoder>
#include <algorithm>

namespace EnlacePagina {

namespace {

bool NoReservado(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'-' || c == u'.' || c == u'_' || c == u'~';
}

// Writes one byte of the value's UTF-8 form at `salida`, escaped when it is not unreserved.
QChar* EscribirByteUrl(QChar* salida, unsigned char b) {
    static constexpr char hex[] = "0123456789ABCDEF";
    if (NoReservado(b)) {
        *salida++ = QLatin1Char(char(b));
        return salida;
    }
    *salida++ = u'%';
    *salida++ = QLatin1Char(hex[b >> 4]);
    *salida++ = QLatin1Char(hex[b & 15]);
    return salida;
}

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

} // namespace

void AgregarHtml(QString& linea, const QString& texto) {
    for (const QChar c : texto) {
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

QString TextoHtml(const QString& texto) {
    QString linea;
    AgregarHtml(linea, texto);
    return linea;
}

void AgregarUrl(QString& linea, const QString& texto) {
    const bool ascii =
        std::all_of(texto.cbegin(), texto.cend(), [](QChar c) { return c.unicode() < 0x80; });
    const QByteArray utf8 = ascii ? QByteArray() : texto.toUtf8();
    const qsizetype largo = ascii ? texto.size() : utf8.size();
    const qsizetype inicio = linea.size();
    linea.resize(inicio + 3 * largo); // room for every byte escaped
    QChar* salida = linea.data() + inicio;
    for (qsizetype i = 0; i < largo; ++i)
        salida = EscribirByteUrl(salida, ascii ? static_cast<unsigned char>(texto[i].unicode())
                                               : static_cast<unsigned char>(utf8[i]));
    linea.truncate(salida - linea.constData());
}

QString ValorUrl(const QString& texto) {
    QString linea;
    AgregarUrl(linea, texto);
    return linea;
}

QString DecodificarRestos(const QString& valor) {
    QString resultado;
    qsizetype i = 0;
    while (i < valor.size()) {
        const qsizetype inicio = i;
        QByteArray bytes;
        while (i + 2 < valor.size() && valor.at(i) == u'%' && ValorHex(valor.at(i + 1)) >= 0 &&
               ValorHex(valor.at(i + 2)) >= 0) {
            bytes.append(char(ValorHex(valor.at(i + 1)) * 16 + ValorHex(valor.at(i + 2))));
            i += 3;
        }
        if (bytes.isEmpty()) {
            resultado += valor.at(i++);
            continue;
        }
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString texto = utf8.decode(bytes);
        resultado += utf8.hasError() ? valor.mid(inicio, i - inicio) : texto;
    }
    return resultado;
}

} // namespace EnlacePagina
