#pragma once

#include <QString>

// How the utility library reads a number that either a user or the program wrote. Both "," and
// "." are accepted, because amounts reach it in the user's notation (decimal comma, as the
// locale writes them) and in program notation (decimal point, as SQL and stored rates hold
// them):
//   - when both kinds of separator occur, the last separator is the decimal one and every other
//     separator is grouping: "1.234,56" and "1,234.56" both read 1234.56;
//   - when only one kind occurs, a single occurrence is the decimal separator ("1234,56",
//     "1234.56", "1.5" is one and a half) and repeated ones are grouping ("1.234.567").
// Blanks around the text and between the sign and the digits are ignored.
namespace suite {

struct NumeroLeido {
    // Sign, digits and a "." before the decimals: "-1234.56"; empty when the text starts with
    // no number.
    QString Cifra;
    // True when nothing but the number was written.
    bool Completo = false;
};

// Reads the number at the start of the text; whatever follows it is left out.
NumeroLeido LeerNumero(const QString& texto);

} // namespace suite
