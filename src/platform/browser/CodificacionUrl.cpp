#include "platform/browser/CodificacionUrl.h"

#include <QByteArray>
#include <QStringDecoder>
#include <algorithm>
#include <type_traits>

namespace {

bool NoReservado(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'-' || c == u'.' || c == u'_' || c == u'~';
}

// A written value is plain ASCII: the same characters go into a text or a file's bytes.
template <class Unidad> Unidad* EscribirEscape(Unidad* salida, unsigned char b) {
    static constexpr char hex[] = "0123456789ABCDEF";
    *salida++ = Unidad(u'%');
    *salida++ = Unidad(char16_t(hex[b >> 4]));
    *salida++ = Unidad(char16_t(hex[b & 15]));
    return salida;
}

// Writes one byte of a value's UTF-8 form at `salida`.
template <class Unidad> Unidad* EscribirByteValor(Unidad* salida, unsigned char b) {
    if (b == '_' || b == '%') {
        // Escaped twice: the browser would turn a plain "%5F" back into "_".
        salida = EscribirEscape(salida, '%');
        *salida++ = Unidad(b == '_' ? u'5' : u'2');
        *salida++ = Unidad(b == '_' ? u'F' : u'5');
        return salida;
    }
    if (NoReservado(b)) {
        *salida++ = Unidad(char16_t(b));
        return salida;
    }
    return EscribirEscape(salida, b);
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

// Most values are codes of letters and digits: what runs up to the first character to escape
// is copied as it stands.
template <class Destino> void EscribirValorUrl(Destino& destino, QStringView valor) {
    using Unidad = std::remove_reference_t<decltype(*destino.data())>;
    const auto escapar = [](QChar c) { return c == u'_' || !NoReservado(c.unicode()); };
    const qsizetype llano = std::find_if(valor.cbegin(), valor.cend(), escapar) - valor.cbegin();
    qsizetype inicio = destino.size();
    destino.resize(inicio + llano);
    std::transform(valor.utf16(), valor.utf16() + llano, destino.data() + inicio,
                   [](char16_t c) { return Unidad(c); });
    if (llano == valor.size())
        return;
    const QStringView resto = valor.mid(llano);
    const bool ascii =
        std::all_of(resto.cbegin(), resto.cend(), [](QChar c) { return c.unicode() < 0x80; });
    const QByteArray utf8 = ascii ? QByteArray() : resto.toUtf8();
    const qsizetype largo = ascii ? resto.size() : utf8.size();
    inicio = destino.size();
    destino.resize(inicio + 5 * largo); // room for every byte escaped twice
    Unidad* salida = destino.data() + inicio;
    for (qsizetype i = 0; i < largo; ++i)
        salida = EscribirByteValor(salida, ascii ? static_cast<unsigned char>(resto[i].unicode())
                                                 : static_cast<unsigned char>(utf8[i]));
    destino.truncate(salida - destino.constData());
}

} // namespace

void AgregarValorUrl(QString& destino, const QString& valor) {
    EscribirValorUrl(destino, valor);
}

void AgregarValorUrl(QByteArray& destino, QStringView valor) {
    EscribirValorUrl(destino, valor);
}

QString LeerValorUrl(const QString& escrito) {
    // Once read, a written value holds a "%" only where "_" or "%" was escaped twice, and
    // reading that once more gives the value back.
    return DecodificarUrl(DecodificarUrl(escrito));
}

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
