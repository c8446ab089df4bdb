#include "platform/runtime/Reparto.h"

std::vector<Currency> RepartirImporte(const Currency& importe,
                                      const std::vector<Currency>& porcentajes) {
    const Currency cien = Currency::DesdeEntero(100);
    std::vector<Currency> partes;
    partes.reserve(porcentajes.size());
    Currency suma, asignado;
    for (const Currency& porcentaje : porcentajes) {
        suma += porcentaje;
        partes.push_back((importe * porcentaje / cien).Redondear(2));
        asignado += partes.back();
    }
    if (!partes.empty())
        partes.back() += (importe * suma / cien).Redondear(2) - asignado;
    return partes;
}
