#pragma once

#include "platform/runtime/Currency.h"

#include <vector>

// The shares of an amount by percentages, each rounded to the cent. What rounding leaves over
// goes to the last share, so the shares add up exactly to the amount times the sum of the
// percentages (to the amount itself when they make 100): a line split over cost centres never
// gains or loses a cent.
std::vector<Currency> RepartirImporte(const Currency& importe,
                                      const std::vector<Currency>& porcentajes);
