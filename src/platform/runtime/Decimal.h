#pragma once

#include <QByteArray>
#include <QChar>
#include <QStringView>
#include <optional>

namespace vb {

// A decimal number read from text, kept as its digits so that amounts can be scaled and
// rounded exactly, without passing through binary floating point.
struct Decimal {
    bool negativo = false;
    QByteArray digitos; // ASCII digits, integer and fraction together
    int punto = 0;      // how many of `digitos` stand before the decimal point (may be < 0)
};

// Reads "[-|+][blanks]digits[sep digits][E[-|+]digits]" surrounded by blanks. Group separators
// are accepted and ignored anywhere among the integer digits; pass a null `miles` for none.
std::optional<Decimal> LeerDecimal(QStringView texto, QChar separador, QChar miles);

} // namespace vb
