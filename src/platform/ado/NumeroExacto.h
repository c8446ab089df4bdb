#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace ado {

// A value of the server's exact types (DECIMAL, NUMERIC, MONEY, the integers): a whole number of
// units of 10^-escala, of at most 38 digits. The embedded engine keeps such values as integers or
// doubles; this is the decimal they stand for, so that sums and products come out as the
// server's, to the last digit.
class NumeroExacto {
public:
    using Unidades = __int128;
    static constexpr int kDigitosMaximos = 38;

    NumeroExacto() = default;
    NumeroExacto(Unidades unidades, int escala) : unidades_(unidades), escala_(escala) {}

    // "[blanks][sign]digits[.digits][blanks]", or the point with digits on one side only; none
    // for anything else or for more than 38 digits.
    static std::optional<NumeroExacto> DesdeTexto(QStringView texto);
    // A text as the server reads it into a number: into a whole type blanks, a sign and digits
    // ("", "-" and "+" read as 0); into the others a decimal point too. None when it does not.
    static std::optional<NumeroExacto> DesdeTextoDelServidor(QStringView texto, bool entero);
    // The decimal a stored double stands for: its shortest text, at `escala` decimals (at its own
    // when `escala` is negative).
    static std::optional<NumeroExacto> DesdeDouble(double valor, int escala);

    Unidades Valor() const { return unidades_; }
    int Escala() const { return escala_; }
    // Digits of the whole part (0 for a value below one).
    int DigitosEnteros() const;
    // At another scale: added decimals are zeros, dropped ones round halves away from zero (or are
    // cut); none when the digits no longer fit.
    std::optional<NumeroExacto> AEscala(int escala, bool truncar = false) const;
    // At the same scale, with the digits after `decimales` (negative: before the point) rounded
    // halves away from zero, or cut; none when the digits no longer fit.
    std::optional<NumeroExacto> Redondeado(int decimales, bool truncar) const;
    // "-12.50": every decimal of its scale.
    QString ATexto() const;
    // The nearest double.
    double ADouble() const;

    // '+', '-' or '*' done exactly; none when the result has more than 38 digits.
    static std::optional<NumeroExacto> Operar(char op, const NumeroExacto& a,
                                              const NumeroExacto& b);
    friend bool operator==(const NumeroExacto& a, const NumeroExacto& b);

private:
    Unidades unidades_ = 0;
    int escala_ = 0;
};

} // namespace ado
