#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <compare>
#include <optional>
#include <vector>

// Amounts: a 64-bit integer of ten-thousandths, as the classic runtime's Currency. Every
// conversion into it rounds halves to even, arithmetic stays exact or rounds the same way, and
// leaving the range is error 6. Doubles appear only at the edges (`DesdeDouble`, `ADouble`).
class Currency {
public:
    static constexpr qint64 Escala = 10000;

    constexpr Currency() = default;
    static constexpr Currency DesdeEscalado(qint64 escalado) { return Currency(escalado); }
    static Currency DesdeEntero(qint64 entero);
    static Currency DesdeDouble(double valor);
    // Text in the locale (decimal comma); error 13 when it is no number.
    static Currency DesdeTexto(const QString& texto);
    // Text as engines and drivers write numbers: a decimal point, no grouping ("-0.0001",
    // "922337203685477.5807"); none when it is no number or out of range.
    static std::optional<Currency> DesdeTextoSql(QStringView texto);
    // A number written as engines write it that no amount can hold ("999999999999999.9999"), in
    // the locale with every digit kept: a column holding it is shown as stored, and reading it
    // as an amount is still error 6. None when the text is no plain number.
    static std::optional<QString> TextoFueraDeRango(QStringView texto);
    // A double an engine stored for an amount. At the ends of the range the stored double
    // lies just beyond them (922337203685477.5807 is kept as ...477.625): that one reads as
    // the end. None further out.
    static std::optional<Currency> DesdeDoubleGuardado(double valor);
    // Whole numbers, doubles, text, booleans (True is -1) and amounts; Null is error 94.
    static Currency DesdeVariant(const QVariant& valor);

    constexpr qint64 Escalado() const { return escalado_; }
    double ADouble() const;
    // Shortest form in the locale: "1234,5", "-0,25", "7".
    QString ATexto() const;
    // Exactly `decimales` decimals (rounded when fewer than four), no grouping.
    QString ATexto(int decimales) const;
    // Four decimals, a decimal point and no grouping, whatever the locale: what engines and
    // drivers read as a number ("3847.5900", "-0.0001").
    QString ATextoSql() const;
    QVariant AVariant() const;
    // Rounded to `decimales` (0 to 4) decimals, halves to even.
    Currency Redondear(int decimales) const;

    Currency operator-() const;
    Currency& operator+=(const Currency& otro);
    Currency& operator-=(const Currency& otro);
    friend Currency operator+(Currency a, const Currency& b) { return a += b; }
    friend Currency operator-(Currency a, const Currency& b) { return a -= b; }
    friend Currency operator*(const Currency& a, const Currency& b);
    // Error 11 when `b` is zero.
    friend Currency operator/(const Currency& a, const Currency& b);
    // `importe` times `parte` divided by `todo`, rounded once: only a result beyond the range is
    // error 6, whatever the product in between (a share of the largest amounts). Error 11 when
    // `todo` is zero.
    static Currency Proporcion(const Currency& importe, const Currency& parte,
                               const Currency& todo);
    // The amounts added up exactly, whatever the running total on the way; nothing when the sum
    // itself is beyond the range.
    static std::optional<Currency> Suma(const std::vector<Currency>& importes);
    friend constexpr auto operator<=>(const Currency&, const Currency&) = default;

private:
    constexpr explicit Currency(qint64 escalado) : escalado_(escalado) {}

    qint64 escalado_ = 0;
};

Q_DECLARE_METATYPE(Currency)
