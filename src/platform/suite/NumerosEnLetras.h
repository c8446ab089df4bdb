#pragma once

#include <QString>

class Currency;

// Amounts in words as invoices and receipts print them: capitals without accents, the whole
// part in words, then " CON " and the cents as a fraction of 100, always two digits:
//   1234.56 -> "UN MIL DOSCIENTOS TREINTA Y CUATRO CON 56/100"
//   0 -> "CERO CON 00/100", 21 -> "VEINTIUNO CON 00/100", 21000 -> "VEINTIUN MIL CON 00/100",
//   100 -> "CIEN CON 00/100", 101 -> "CIENTO UNO CON 00/100", 1000000 -> "UN MILLON CON 00/100",
//   -5 -> "MENOS CINCO CON 00/100".
// "UNO" and "VEINTIUNO" shorten to "UN" and "VEINTIUN" before MIL, MILLON and BILLON, and a
// thousand is "UN MIL". The amount is rounded to cents first, halves to even.
namespace suite {

QString EnLetras(const Currency& importe);

} // namespace suite
