#pragma once

#include "platform/runtime/Currency.h"

#include <vector>

// The shares of an amount by percentages, each rounded to `decimales` (0 to 4), the precision
// the amounts are kept at. Every share has the amount's sign or is 0 and lies within one unit
// of that precision of its exact part; the shares add up exactly to the amount when the
// percentages make 100 (a line split over cost centres never gains or loses a cent), and to
// the amount times their sum, at that precision, otherwise.
std::vector<Currency> RepartirImporte(const Currency& importe,
                                      const std::vector<Currency>& porcentajes, int decimales);

// A stored split's row: its share and the amount it was written with.
struct FilaRepartida {
    Currency Porcentaje, Importe;
};

// A new amount for a line already split over `filas`, in the stored rows' proportion: the rows
// with a share by their shares relative to the shares' own sum, a row with no share (0 or
// less) by its amount against the others' amounts. Each part, but one taking what the amount
// holds below the precision, is at `decimales` (0 to 4) and has the amount's sign or is 0; the
// parts add up exactly to the amount. A part lies within a unit of that precision of its exact
// share (two, where rows with and without a share meet). Rows with no proportion at all share
// the amount equally.
std::vector<Currency> RepartirComoFilas(const Currency& importe,
                                        const std::vector<FilaRepartida>& filas, int decimales);
