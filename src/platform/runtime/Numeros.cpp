#include "platform/runtime/Numeros.h"

#include "platform/runtime/Currency.h"
#include "platform/runtime/Decimal.h"
#include "platform/runtime/ErrorVb.h"
#include "platform/runtime/Locale.h"
#include "platform/runtime/Variantes.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace vb {

namespace {

// Parses ASCII in the C form; a result too small to hold is 0, one too large is error 6.
double Convertir(const QByteArray& ascii, bool exponenteNegativo) {
    double valor = 0;
    const auto [fin, error] = std::from_chars(ascii.constData(), ascii.constEnd(), valor);
    (void)fin;
    if (error == std::errc::result_out_of_range) {
        if (!exponenteNegativo)
            Raise(6);
        return 0;
    }
    return valor;
}

bool EsDigito(QChar c) {
    return c >= u'0' && c <= u'9';
}

double ValHex(const QString& texto) {
    qsizetype fin = 0;
    while (fin < texto.size() && std::isxdigit(texto.at(fin).toLatin1()))
        ++fin;
    if (fin > 8)
        Raise(6);
    if (fin == 0)
        return 0;
    const uint valor = texto.left(fin).toUInt(nullptr, 16);
    // As in the classic runtime, up to four digits make a 16-bit value and up to eight a
    // 32-bit one, so "&HFFFF" is -1.
    return fin <= 4 ? double(qint16(quint16(valor))) : double(qint32(valor));
}

// Copies the digits starting at `i` into `destino`; returns how many.
int CopiarDigitos(const QString& texto, qsizetype& i, QByteArray& destino) {
    int cantidad = 0;
    for (; i < texto.size() && EsDigito(texto.at(i)); ++i, ++cantidad)
        destino.append(char(texto.at(i).unicode()));
    return cantidad;
}

// Appends "e[-]digits" when the text at `i` is a complete exponent.
bool CopiarExponente(const QString& texto, qsizetype i, QByteArray& destino) {
    if (i >= texto.size() || !QStringLiteral("EeDd").contains(texto.at(i)))
        return false;
    QByteArray exponente("e");
    ++i;
    if (i < texto.size() && (texto.at(i) == u'-' || texto.at(i) == u'+'))
        exponente.append(char(texto.at(i++).unicode()));
    if (CopiarDigitos(texto, i, exponente) == 0)
        return false;
    destino.append(exponente);
    return exponente.at(1) == '-';
}

double ValDecimal(const QString& texto) {
    QByteArray ascii;
    qsizetype i = 0;
    if (i < texto.size() && (texto.at(i) == u'-' || texto.at(i) == u'+'))
        ascii.append(char(texto.at(i++).unicode()));
    int digitos = CopiarDigitos(texto, i, ascii);
    if (i < texto.size() && texto.at(i) == u'.') {
        ascii.append('.');
        ++i;
        digitos += CopiarDigitos(texto, i, ascii);
    }
    if (digitos == 0)
        return 0;
    if (ascii.startsWith('+'))
        ascii.remove(0, 1);
    const bool exponenteNegativo = CopiarExponente(texto, i, ascii);
    return Convertir(ascii, exponenteNegativo);
}

int Redondear(double valor, double minimo, double maximo) {
    const double entero = std::nearbyint(valor); // the default mode rounds halves to even
    if (!(entero >= minimo && entero <= maximo))
        Raise(6);
    return int(entero);
}

int Redondear(const Currency& valor, qint64 minimo, qint64 maximo) {
    const qint64 entero = valor.Redondear(0).Escalado() / Currency::Escala;
    if (entero < minimo || entero > maximo)
        Raise(6);
    return int(entero);
}

std::optional<double> LeerLocal(const QString& texto) {
    const auto numero = LeerDecimal(texto, Locale::SeparadorDecimal(), Locale::SeparadorMiles());
    if (!numero)
        return std::nullopt;
    QByteArray ascii(numero->negativo ? "-0." : "0.");
    ascii.append(numero->digitos).append('e').append(QByteArray::number(numero->punto));
    return Convertir(ascii, numero->punto < 0);
}

} // namespace

double Val(const QString& texto) {
    QString limpio;
    for (const QChar c : texto)
        if (c != u' ' && c != u'\t' && c != u'\n')
            limpio.append(c);
    if (limpio.startsWith(QStringLiteral("&H"), Qt::CaseInsensitive))
        return ValHex(limpio.mid(2));
    return ValDecimal(limpio);
}

int CInt(double valor) {
    return Redondear(valor, -32768, 32767);
}

int CInt(const Currency& valor) {
    return Redondear(valor, -32768, 32767);
}

int CInt(const QVariant& valor) {
    if (valor.metaType() == QMetaType::fromType<Currency>())
        return CInt(valor.value<Currency>());
    return CInt(CDbl(valor));
}

int CLng(double valor) {
    using Limite = std::numeric_limits<qint32>;
    return Redondear(valor, Limite::min(), Limite::max());
}

int CLng(const Currency& valor) {
    using Limite = std::numeric_limits<qint32>;
    return Redondear(valor, Limite::min(), Limite::max());
}

int CLng(const QVariant& valor) {
    if (valor.metaType() == QMetaType::fromType<Currency>())
        return CLng(valor.value<Currency>());
    return CLng(CDbl(valor));
}

double CDbl(const QVariant& valor) {
    if (IsNull(valor))
        Raise(94);
    if (valor.metaType() == QMetaType::fromType<Currency>())
        return valor.value<Currency>().ADouble();
    if (valor.metaType().id() == QMetaType::Bool)
        return valor.toBool() ? -1 : 0;
    if (EsEntero(valor) || EsReal(valor))
        return valor.toDouble();
    if (valor.metaType().id() == QMetaType::QString) {
        if (const auto numero = LeerLocal(valor.toString()))
            return *numero;
    }
    Raise(13);
}

bool IsNumeric(const QVariant& valor) {
    if (IsNull(valor))
        return false;
    if (valor.metaType().id() == QMetaType::QString)
        return LeerDecimal(valor.toString(), Locale::SeparadorDecimal(), Locale::SeparadorMiles())
            .has_value();
    return valor.metaType() == QMetaType::fromType<Currency>() ||
           valor.metaType().id() == QMetaType::Bool || EsEntero(valor) || EsReal(valor);
}

} // namespace vb
