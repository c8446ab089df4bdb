#include "platform/runtime/Reparto.h"

#include "platform/runtime/ErrorVb.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

using Ancho = __int128;

// Division rounding down, also below zero.
Ancho Piso(Ancho a, Ancho b) {
    const Ancho q = a / b;
    return q * b != a && a < 0 ? q - 1 : q;
}

Ancho RedondearPar(Ancho a, Ancho b) {
    const Ancho q = Piso(a, b), resto = a - q * b;
    return 2 * resto > b || (2 * resto == b && q % 2 != 0) ? q + 1 : q;
}

Currency Importe(Ancho escalado) {
    if (escalado > std::numeric_limits<qint64>::max() ||
        escalado < std::numeric_limits<qint64>::min())
        vb::Raise(6);
    return Currency::DesdeEscalado(qint64(escalado));
}

// The rows by how much of a unit their exact share holds beyond its rounded-down part, most
// first; of two alike, the later row first, as the last row took the remainder before.
std::vector<size_t> PorFraccion(const std::vector<Ancho>& fracciones) {
    std::vector<size_t> orden(fracciones.size());
    std::iota(orden.begin(), orden.end(), size_t(0));
    std::sort(orden.begin(), orden.end(), [&](size_t a, size_t b) {
        return fracciones[a] != fracciones[b] ? fracciones[a] > fracciones[b] : a > b;
    });
    return orden;
}

} // namespace

// Largest remainder, on the size of the amount in units of the precision and in 128 bits:
// each share starts at its exact part rounded down and the units still missing go one each to
// the largest fractions. So no share strays a unit from its exact part nor crosses zero, and
// no running total leaves the range on the largest amounts.
std::vector<Currency> RepartirImporte(const Currency& importe,
                                      const std::vector<Currency>& porcentajes, int decimales) {
    decimales = std::clamp(decimales, 0, 4);
    Ancho unidad = 1;
    for (int i = decimales; i < 4; ++i)
        unidad *= 10;
    const bool negativo = importe < Currency();
    const Ancho tamano = negativo ? -Ancho(importe.Escalado()) : Ancho(importe.Escalado());
    const Ancho cien = 100 * Currency::Escala, divisor = cien * unidad;
    Ancho suma = 0, asignado = 0;
    std::vector<Ancho> partes, fracciones;
    for (const Currency& porcentaje : porcentajes) {
        const Ancho exacto = tamano * porcentaje.Escalado();
        suma += porcentaje.Escalado();
        partes.push_back(Piso(exacto, divisor) * unidad);
        fracciones.push_back(exacto - partes.back() * cien);
        asignado += partes.back();
    }
    // A whole split is the amount itself, not the amount rounded again: what it holds below
    // the precision goes to the share next in line for a unit.
    const Ancho total = suma == cien ? tamano : RedondearPar(tamano * suma, divisor) * unidad;
    const Ancho sobra = total - Piso(total, unidad) * unidad;
    Ancho faltan = Piso(total - asignado, unidad);
    for (const size_t fila : PorFraccion(fracciones)) {
        if (faltan-- > 0) {
            partes[fila] += unidad;
        } else {
            partes[fila] += sobra;
            break;
        }
    }
    std::vector<Currency> resultado;
    for (const Ancho parte : partes)
        resultado.push_back(Importe(negativo ? -parte : parte));
    return resultado;
}
