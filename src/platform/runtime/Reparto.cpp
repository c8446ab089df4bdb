#include "platform/runtime/Reparto.h"

#include <algorithm>

std::vector<Currency> RepartirImporte(const Currency& importe,
                                      const std::vector<Currency>& porcentajes, int decimales) {
    decimales = std::clamp(decimales, 0, 4);
    const Currency cien = Currency::DesdeEntero(100);
    std::vector<Currency> partes;
    partes.reserve(porcentajes.size());
    Currency suma, asignado;
    for (const Currency& porcentaje : porcentajes) {
        suma += porcentaje;
        partes.push_back(Currency::Proporcion(importe, porcentaje, cien).Redondear(decimales));
        asignado += partes.back();
    }
    if (partes.empty())
        return partes;
    // A whole split is the amount itself, not the amount rounded again.
    const Currency total =
        suma == cien ? importe : Currency::Proporcion(importe, suma, cien).Redondear(decimales);
    partes.back() += total - asignado;
    return partes;
}
