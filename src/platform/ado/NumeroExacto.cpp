#include "platform/ado/NumeroExacto.h"

#include <QRegularExpression>
#include <array>
#include <charconv>
#include <cmath>

namespace ado {
namespace {

using Unidades = NumeroExacto::Unidades;

const std::array<Unidades, NumeroExacto::kDigitosMaximos + 1>& Potencias() {
    static const auto potencias = [] {
        std::array<Unidades, NumeroExacto::kDigitosMaximos + 1> p{};
        p[0] = 1;
        for (size_t i = 1; i < p.size(); ++i)
            p[i] = p[i - 1] * 10;
        return p;
    }();
    return potencias;
}

Unidades Absoluto(Unidades v) {
    return v < 0 ? -v : v;
}

bool Cabe(Unidades v) {
    return Absoluto(v) < Potencias()[NumeroExacto::kDigitosMaximos];
}

// The server rounds halves away from zero.
Unidades Dividir(Unidades valor, Unidades divisor, bool truncar) {
    Unidades cociente = valor / divisor;
    if (!truncar && 2 * Absoluto(valor % divisor) >= divisor)
        cociente += valor < 0 ? -1 : 1;
    return cociente;
}

} // namespace

std::optional<NumeroExacto> NumeroExacto::DesdeTexto(QStringView texto) {
    qsizetype i = 0;
    const auto blancos = [&] {
        while (i < texto.size() && texto[i] == u' ')
            ++i;
    };
    blancos();
    const bool negativo = i < texto.size() && texto[i] == u'-';
    if (i < texto.size() && (texto[i] == u'-' || texto[i] == u'+'))
        ++i;
    Unidades valor = 0;
    int vistos = 0, significativos = 0, escala = -1;
    for (; i < texto.size(); ++i) {
        if (texto[i] == u'.' && escala < 0) {
            escala = 0;
            continue;
        }
        if (texto[i] < u'0' || texto[i] > u'9')
            break;
        const int digito = texto[i].unicode() - u'0';
        ++vistos;
        if ((valor != 0 || digito != 0) && ++significativos > kDigitosMaximos)
            return std::nullopt;
        valor = valor * 10 + digito;
        if (escala >= 0)
            ++escala;
    }
    blancos();
    if (i < texto.size() || vistos == 0 || escala > kDigitosMaximos)
        return std::nullopt;
    return NumeroExacto(negativo ? -valor : valor, std::max(escala, 0));
}

std::optional<NumeroExacto> NumeroExacto::DesdeTextoDelServidor(QStringView texto, bool entero) {
    static const QRegularExpression forma(QStringLiteral("^ *[+-]?([0-9]*) *$"));
    if (!entero)
        return DesdeTexto(texto);
    const auto m = forma.match(texto);
    if (!m.hasMatch())
        return std::nullopt;
    return m.capturedView(1).isEmpty() ? NumeroExacto() : DesdeTexto(texto);
}

std::optional<NumeroExacto> NumeroExacto::DesdeDouble(double valor, int escala) {
    if (!std::isfinite(valor) || std::fabs(valor) >= 1e38)
        return std::nullopt;
    char texto[400];
    const auto fin = std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::fixed);
    const auto numero = DesdeTexto(QString::fromLatin1(texto, fin.ptr - texto));
    return numero && escala >= 0 ? numero->AEscala(escala) : numero;
}

int NumeroExacto::DigitosEnteros() const {
    const Unidades entero = Absoluto(unidades_) / Potencias()[size_t(escala_)];
    int digitos = 0;
    while (digitos < kDigitosMaximos && entero >= Potencias()[size_t(digitos)])
        ++digitos;
    return digitos;
}

std::optional<NumeroExacto> NumeroExacto::AEscala(int escala, bool truncar) const {
    if (escala < 0 || escala > kDigitosMaximos)
        return std::nullopt;
    if (escala >= escala_) {
        Unidades valor = 0;
        if (__builtin_mul_overflow(unidades_, Potencias()[size_t(escala - escala_)], &valor) ||
            !Cabe(valor))
            return std::nullopt;
        return NumeroExacto(valor, escala);
    }
    return NumeroExacto(Dividir(unidades_, Potencias()[size_t(escala_ - escala)], truncar), escala);
}

std::optional<NumeroExacto> NumeroExacto::Redondeado(int decimales, bool truncar) const {
    const int cifras = escala_ - decimales;
    if (cifras <= 0)
        return *this;
    if (cifras > kDigitosMaximos)
        return NumeroExacto(0, escala_);
    const Unidades divisor = Potencias()[size_t(cifras)];
    Unidades valor = 0;
    if (__builtin_mul_overflow(Dividir(unidades_, divisor, truncar), divisor, &valor) ||
        !Cabe(valor))
        return std::nullopt;
    return NumeroExacto(valor, escala_);
}

QString NumeroExacto::ATexto() const {
    const Unidades absoluto = Absoluto(unidades_);
    const Unidades base = Potencias()[size_t(escala_)];
    QString texto;
    for (Unidades entero = absoluto / base; texto.isEmpty() || entero > 0; entero /= 10)
        texto.prepend(QChar(u'0' + int(entero % 10)));
    if (unidades_ < 0)
        texto.prepend(u'-');
    if (escala_ == 0)
        return texto;
    QString fraccion;
    Unidades resto = absoluto % base;
    for (int i = 0; i < escala_; ++i, resto /= 10)
        fraccion.prepend(QChar(u'0' + int(resto % 10)));
    return texto + u'.' + fraccion;
}

double NumeroExacto::ADouble() const {
    const QByteArray texto = ATexto().toLatin1();
    double valor = 0;
    std::from_chars(texto.constData(), texto.constData() + texto.size(), valor);
    return valor;
}

std::optional<NumeroExacto> NumeroExacto::Operar(char op, const NumeroExacto& a,
                                                 const NumeroExacto& b) {
    Unidades valor = 0;
    if (op == '*') {
        if (__builtin_mul_overflow(a.unidades_, b.unidades_, &valor) || !Cabe(valor))
            return std::nullopt;
        const int escala = a.escala_ + b.escala_;
        if (escala <= kDigitosMaximos)
            return NumeroExacto(valor, escala);
        return NumeroExacto(valor / Potencias()[size_t(escala - kDigitosMaximos)], kDigitosMaximos);
    }
    const int escala = std::max(a.escala_, b.escala_);
    const auto x = a.AEscala(escala), y = b.AEscala(escala);
    if (!x || !y)
        return std::nullopt;
    valor = op == '+' ? x->unidades_ + y->unidades_ : x->unidades_ - y->unidades_;
    if (!Cabe(valor))
        return std::nullopt;
    return NumeroExacto(valor, escala);
}

bool operator==(const NumeroExacto& a, const NumeroExacto& b) {
    const int escala = std::max(a.escala_, b.escala_);
    const auto x = a.AEscala(escala), y = b.AEscala(escala);
    return x && y && x->unidades_ == y->unidades_;
}

} // namespace ado
