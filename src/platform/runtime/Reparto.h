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
