#pragma once

#include <QString>

// How one statement spells a voucher's condition: the text before each quoted value (column,
// blanks, equals sign and opening apostrophe) and the word between the parts. Each statement
// keeps the spelling its text was given, down to the blanks; only the values are put in
// through one quoting.
struct FormaClave {
    const char *TC, *Sucursal, *Numero, *Letra;
    const char* Y = " and ";
};

// A voucher as the program names it: its type code TC, SUCURSAL (4 digits), NUMERO (8 digits)
// and LETRA (one letter). The values stay as given: nothing is trimmed or filled unless asked.
struct ClaveComprobante {
    QString TC, Sucursal, Numero, Letra;

    // IDCOMPROBANTE cut back: characters 1-4, 5-12 and 13. A shorter identifier gives shorter
    // or empty parts, without error.
    static ClaveComprobante DesdeId(const QString& tc, const QString& IdComprobante);

    // Sucursal, number and letter joined as they stand (13 characters for a well-formed key).
    QString IdComprobante() const;

    // Every part filled to the width the tables compare it at: the type and the branch to 4,
    // the number to 8 and the letter to 4 (the database ignores the trailing blanks).
    ClaveComprobante Rellena() const;
    // Only the type filled to 4, as the statements that find a voucher by IDCOMPROBANTE use it.
    ClaveComprobante ConTcRelleno() const;

    // "TC='FC' and SUCURSAL='0001' and NUMERO='00001234' and LETRA='A'" in the statement's
    // spelling; `prefijo` (a table name and its dot) goes before each column.
    QString Condicion(const FormaClave& forma, const QString& prefijo = {}) const;
    // The condition on type and IDCOMPROBANTE: antesTc + TC + "'" + antesId + IDCOMPROBANTE + "'".
    QString CondicionId(const char* antesTc, const char* antesId) const;

    bool operator==(const ClaveComprobante&) const = default;
};
