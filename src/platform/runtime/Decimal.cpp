#include "platform/runtime/Decimal.h"

namespace vb {

namespace {

// Walks the text once; each reader consumes what it recognises and reports whether the
// number is still well formed.
class Lector {
public:
    explicit Lector(QStringView texto) : texto_(texto) {}

    void SaltarBlancos() {
        while (pos_ < texto_.size() && texto_.at(pos_) == u' ')
            ++pos_;
    }
    bool Fin() const { return pos_ >= texto_.size(); }
    bool Tomar(QChar c) {
        if (c.isNull() || Fin() || texto_.at(pos_) != c)
            return false;
        ++pos_;
        return true;
    }
    bool TomarSigno() {
        if (Tomar(u'-'))
            return true;
        Tomar(u'+');
        return false;
    }
    // Appends the digits found (skipping `miles` once a digit has been seen); returns how many.
    int Digitos(QByteArray& destino, QChar miles = {}) {
        int cantidad = 0;
        while (!Fin()) {
            const QChar c = texto_.at(pos_);
            if (c >= u'0' && c <= u'9') {
                destino.append(char(c.unicode()));
                ++cantidad;
            } else if (cantidad == 0 || miles.isNull() || c != miles) {
                break;
            }
            ++pos_;
        }
        return cantidad;
    }

private:
    QStringView texto_;
    qsizetype pos_ = 0;
};

// Reads the exponent after "E"; false when the letter is not followed by digits.
bool LeerExponente(Lector& lector, int& exponente) {
    const bool negativo = lector.TomarSigno();
    QByteArray digitos;
    if (lector.Digitos(digitos) == 0)
        return false;
    // Beyond a few thousand every amount and double has overflowed or vanished anyway.
    const int valor = digitos.size() > 5 ? 99999 : digitos.toInt();
    exponente = negativo ? -valor : valor;
    return true;
}

} // namespace

std::optional<Decimal> LeerDecimal(QStringView texto, QChar separador, QChar miles) {
    Lector lector(texto);
    Decimal numero;
    lector.SaltarBlancos();
    numero.negativo = lector.TomarSigno();
    lector.SaltarBlancos();
    numero.punto = lector.Digitos(numero.digitos, miles);
    int fraccion = 0;
    if (lector.Tomar(separador))
        fraccion = lector.Digitos(numero.digitos);
    if (numero.punto + fraccion == 0)
        return std::nullopt;
    int exponente = 0;
    if ((lector.Tomar(u'E') || lector.Tomar(u'e')) && !LeerExponente(lector, exponente))
        return std::nullopt;
    numero.punto += exponente;
    lector.SaltarBlancos();
    if (!lector.Fin())
        return std::nullopt;
    return numero;
}

} // namespace vb
