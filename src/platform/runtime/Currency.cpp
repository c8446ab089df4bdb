#include "platform/runtime/Currency.h"

#include "platform/runtime/Decimal.h"
#include "platform/runtime/ErrorVb.h"
#include "platform/runtime/Locale.h"
#include "platform/runtime/Variantes.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// Products and quotients of two amounts need more than 64 bits before they are scaled back.
using Ancho = __int128;
constexpr Ancho Maximo = std::numeric_limits<qint64>::max();
constexpr Ancho Minimo = std::numeric_limits<qint64>::min();

Currency Ajustar(Ancho escalado) {
    if (escalado > Maximo || escalado < Minimo)
        vb::Raise(6);
    return Currency::DesdeEscalado(qint64(escalado));
}

Ancho Absoluto(Ancho valor) {
    return valor < 0 ? -valor : valor;
}

Ancho DividirRedondeando(Ancho dividendo, Ancho divisor) {
    Ancho cociente = dividendo / divisor;
    const Ancho dobleResto = 2 * Absoluto(dividendo % divisor);
    const Ancho absDivisor = Absoluto(divisor);
    if (dobleResto > absDivisor || (dobleResto == absDivisor && cociente % 2 != 0))
        cociente += (dividendo < 0) != (divisor < 0) ? -1 : 1;
    return cociente;
}

// Whether the digits dropped from `corte` on carry the kept value up (halves go to even).
bool RedondeaArriba(const QByteArray& digitos, qsizetype corte, Ancho conservado) {
    const char primero = digitos.at(corte);
    if (primero != '5')
        return primero > '5';
    for (qsizetype i = corte + 1; i < digitos.size(); ++i)
        if (digitos.at(i) != '0')
            return true;
    return conservado % 2 != 0;
}

std::optional<Ancho> Escalar(const vb::Decimal& numero) {
    const qsizetype corte = qsizetype(numero.punto) + 4;
    Ancho valor = 0;
    for (qsizetype i = 0; i < corte; ++i) {
        valor = valor * 10 + (i < numero.digitos.size() ? numero.digitos.at(i) - '0' : 0);
        if (valor > Maximo + 1)
            return std::nullopt;
    }
    if (corte >= 0 && corte < numero.digitos.size() && RedondeaArriba(numero.digitos, corte, valor))
        ++valor;
    return numero.negativo ? -valor : valor;
}

Currency DesdeDecimal(const std::optional<vb::Decimal>& numero) {
    if (!numero)
        vb::Raise(13);
    const auto escalado = Escalar(*numero);
    if (!escalado)
        vb::Raise(6);
    return Ajustar(*escalado);
}

// Amounts read from a database travel in variants that callers may still take as numbers or
// text, as they took the doubles amounts were read as before.
const bool kConversiones = [] {
    QMetaType::registerConverter<Currency, double>(&Currency::ADouble);
    QMetaType::registerConverter<Currency, qlonglong>(
        [](const Currency& c) { return qlonglong(c.Redondear(0).Escalado() / Currency::Escala); });
    QMetaType::registerConverter<Currency, int>(
        [](const Currency& c) { return int(c.Redondear(0).Escalado() / Currency::Escala); });
    QMetaType::registerConverter<Currency, QString>([](const Currency& c) {
        QString texto = c.ATextoSql();
        while (texto.endsWith(u'0'))
            texto.chop(1);
        if (texto.endsWith(u'.'))
            texto.chop(1);
        return texto;
    });
    return true;
}();

} // namespace

Currency Currency::DesdeEntero(qint64 entero) {
    return Ajustar(Ancho(entero) * Escala);
}

Currency Currency::DesdeDouble(double valor) {
    if (!std::isfinite(valor))
        vb::Raise(6);
    // The shortest text that reads back as the same double is the value the user meant, so
    // 0.125 rounds as the decimal it shows and not as its binary neighbour.
    char texto[64];
    const auto fin = std::to_chars(texto, texto + sizeof texto, valor).ptr;
    const QString decimal = QString::fromLatin1(texto, fin - texto);
    return DesdeDecimal(vb::LeerDecimal(decimal, QChar(u'.'), QChar()));
}

Currency Currency::DesdeTexto(const QString& texto) {
    return DesdeDecimal(
        vb::LeerDecimal(texto, Locale::SeparadorDecimal(), Locale::SeparadorMiles()));
}

std::optional<Currency> Currency::DesdeTextoSql(QStringView texto) {
    const auto numero = vb::LeerDecimal(texto, QChar(u'.'), QChar());
    const auto escalado = numero ? Escalar(*numero) : std::nullopt;
    if (!escalado || *escalado > Maximo || *escalado < Minimo)
        return std::nullopt;
    return DesdeEscalado(qint64(*escalado));
}

std::optional<QString> Currency::TextoFueraDeRango(QStringView texto) {
    static const QRegularExpression numero(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    const QString limpio = texto.trimmed().toString();
    if (!numero.match(limpio).hasMatch())
        return std::nullopt;
    return QString(limpio).replace(u'.', Locale::SeparadorDecimal());
}

std::optional<Currency> Currency::DesdeDoubleGuardado(double valor) {
    constexpr double maximo = 922337203685477.5807;
    constexpr double minimo = -922337203685477.5808;
    if (!std::isfinite(valor) || valor > maximo || valor < minimo)
        return std::nullopt;
    if (valor == maximo || valor == minimo)
        return DesdeEscalado(valor > 0 ? qint64(Maximo) : qint64(Minimo));
    // Most amounts are small: their ten-thousandths are a whole number but for the double's
    // own error, and the shortest text would give that same number.
    const double escalado = valor * Escala;
    const double entero = std::nearbyint(escalado);
    if (std::fabs(valor) < 8e9 && std::fabs(escalado - entero) < 0.01)
        return DesdeEscalado(qint64(entero));
    return DesdeDouble(valor);
}

Currency Currency::DesdeVariant(const QVariant& valor) {
    if (vb::IsNull(valor))
        vb::Raise(94);
    if (valor.metaType() == QMetaType::fromType<Currency>())
        return valor.value<Currency>();
    if (valor.metaType().id() == QMetaType::Bool)
        return DesdeEntero(valor.toBool() ? -1 : 0);
    if (valor.metaType().id() == QMetaType::ULongLong)
        return Ajustar(Ancho(valor.toULongLong()) * Escala);
    if (vb::EsEntero(valor))
        return DesdeEntero(valor.toLongLong());
    if (vb::EsReal(valor))
        return DesdeDouble(valor.toDouble());
    if (valor.metaType().id() == QMetaType::QString)
        return DesdeTexto(valor.toString());
    vb::Raise(13);
}

double Currency::ADouble() const {
    return double(escalado_ / Escala) + double(escalado_ % Escala) / Escala;
}

QString Currency::ATexto() const {
    QString texto = ATexto(4);
    while (texto.endsWith(u'0'))
        texto.chop(1);
    if (texto.endsWith(Locale::SeparadorDecimal()))
        texto.chop(1);
    return texto;
}

QString Currency::ATexto(int decimales) const {
    if (decimales < 0)
        vb::Raise(5);
    // Rounded in a wider integer: at the ends of the range the rounded figure lies beyond what an
    // amount holds, and it is still the figure to show.
    Ancho factor = 1;
    for (int i = decimales; i < 4; ++i)
        factor *= 10;
    const Ancho redondeado = DividirRedondeando(escalado_, factor) * factor;
    const Ancho absoluto = Absoluto(redondeado);
    QString texto = QString::number(quint64(absoluto / Escala));
    if (redondeado < 0)
        texto.prepend(u'-');
    if (decimales == 0)
        return texto;
    QString fraccion = QString::number(qint64(absoluto % Escala)).rightJustified(4, u'0');
    fraccion = decimales <= 4 ? fraccion.left(decimales) : fraccion + QString(decimales - 4, u'0');
    return texto + Locale::SeparadorDecimal() + fraccion;
}

QString Currency::ATextoSql() const {
    const quint64 absoluto = escalado_ < 0 ? 0 - quint64(escalado_) : quint64(escalado_);
    return (escalado_ < 0 ? QStringLiteral("-") : QString()) + QString::number(absoluto / Escala) +
           u'.' + QString::number(absoluto % Escala).rightJustified(4, u'0');
}

QVariant Currency::AVariant() const {
    return QVariant::fromValue(*this);
}

Currency Currency::Redondear(int decimales) const {
    if (decimales < 0)
        vb::Raise(5);
    if (decimales >= 4)
        return *this;
    qint64 factor = 1;
    for (int i = decimales; i < 4; ++i)
        factor *= 10;
    return Ajustar(DividirRedondeando(escalado_, factor) * factor);
}

Currency Currency::operator-() const {
    return Ajustar(-Ancho(escalado_));
}

Currency& Currency::operator+=(const Currency& otro) {
    return *this = Ajustar(Ancho(escalado_) + otro.escalado_);
}

std::optional<Currency> Currency::Suma(const std::vector<Currency>& importes) {
    Ancho suma = 0;
    for (const Currency& importe : importes)
        suma += importe.escalado_;
    if (suma > Maximo || suma < Minimo)
        return std::nullopt;
    return Currency(qint64(suma));
}

Currency& Currency::operator-=(const Currency& otro) {
    return *this = Ajustar(Ancho(escalado_) - otro.escalado_);
}

Currency operator*(const Currency& a, const Currency& b) {
    return Ajustar(DividirRedondeando(Ancho(a.escalado_) * b.escalado_, Currency::Escala));
}

Currency operator/(const Currency& a, const Currency& b) {
    if (b.escalado_ == 0)
        vb::Raise(11);
    return Ajustar(DividirRedondeando(Ancho(a.escalado_) * Currency::Escala, b.escalado_));
}

Currency Currency::Proporcion(const Currency& importe, const Currency& parte,
                              const Currency& todo) {
    if (todo.escalado_ == 0)
        vb::Raise(11);
    return Ajustar(DividirRedondeando(Ancho(importe.escalado_) * parte.escalado_, todo.escalado_));
}
