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

// The units still missing go one each to the largest fractions; what the total holds below
// the unit goes to the next part in line.
void Completar(std::vector<Ancho>& partes, const std::vector<Ancho>& fracciones, Ancho faltan,
               Ancho sobra, Ancho unidad) {
    for (const size_t fila : PorFraccion(fracciones)) {
        if (faltan-- > 0) {
            partes[fila] += unidad;
        } else {
            partes[fila] += sobra;
            break;
        }
    }
}

Ancho Unidad(int decimales) {
    Ancho unidad = 1;
    for (int i = std::clamp(decimales, 0, 4); i < 4; ++i)
        unidad *= 10;
    return unidad;
}

// `total` (not below 0) in parts proportional to `pesos` (not below 0, some above): each its
// exact part rounded down to the unit, then completed. Every product stays below 2^127 while
// the total and each weight fit in 63 bits.
std::vector<Ancho> PorPesos(Ancho total, const std::vector<Ancho>& pesos, Ancho unidad) {
    const Ancho suma = std::accumulate(pesos.begin(), pesos.end(), Ancho(0));
    std::vector<Ancho> partes, fracciones;
    Ancho asignado = 0;
    for (const Ancho peso : pesos) {
        const Ancho exacto = total * peso;
        partes.push_back(Piso(exacto, suma * unidad) * unidad);
        fracciones.push_back(exacto - partes.back() * suma);
        asignado += partes.back();
    }
    const Ancho enUnidades = Piso(total, unidad) * unidad;
    Completar(partes, fracciones, (enUnidades - asignado) / unidad, total - enUnidades, unidad);
    return partes;
}

// Weights whose sum would leave 63 bits (only rows stored beyond any line) are halved
// together: the proportion stays as near as it can.
void Acotar(std::vector<Ancho>& pesos) {
    const Ancho tope = std::numeric_limits<qint64>::max();
    while (std::accumulate(pesos.begin(), pesos.end(), Ancho(0)) > tope)
        for (Ancho& peso : pesos)
            peso /= 2;
}

Ancho Tamano(const Currency& importe) {
    return importe < Currency() ? -Ancho(importe.Escalado()) : Ancho(importe.Escalado());
}

} // namespace

// Largest remainder, on the size of the amount in units of the precision and in 128 bits:
// each share starts at its exact part rounded down and the units still missing go one each to
// the largest fractions. So no share strays a unit from its exact part nor crosses zero, and
// no running total leaves the range on the largest amounts.
std::vector<Currency> RepartirImporte(const Currency& importe,
                                      const std::vector<Currency>& porcentajes, int decimales) {
    const Ancho unidad = Unidad(decimales);
    const bool negativo = importe < Currency();
    const Ancho tamano = Tamano(importe);
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
    Completar(partes, fracciones, Piso(total - asignado, unidad),
              total - Piso(total, unidad) * unidad, unidad);
    std::vector<Currency> resultado;
    for (const Ancho parte : partes)
        resultado.push_back(Importe(negativo ? -parte : parte));
    return resultado;
}

// The rows with a share keep, as one, what their stored amounts took of the line against the
// rows without one; within that, each takes its share of the shares' sum. So a row written on
// its amount alone (too small for a share of its own) keeps one, and shares that do not make
// 100 still make the line.
std::vector<Currency> RepartirComoFilas(const Currency& importe,
                                        const std::vector<FilaRepartida>& filas, int decimales) {
    const Ancho unidad = Unidad(decimales), tamano = Tamano(importe);
    std::vector<Ancho> porPorcentaje, porImporte;
    Ancho conPorcentaje = 0;
    for (const FilaRepartida& f : filas) {
        const bool tiene = f.Porcentaje > Currency();
        porPorcentaje.push_back(tiene ? Ancho(f.Porcentaje.Escalado()) : 0);
        porImporte.push_back(tiene ? 0 : Tamano(f.Importe));
        conPorcentaje += tiene ? Tamano(f.Importe) : 0;
    }
    const auto hay = [](const std::vector<Ancho>& pesos) {
        return std::any_of(pesos.begin(), pesos.end(), [](Ancho p) { return p > 0; });
    };
    std::vector<Ancho> partes(filas.size(), 0);
    if (!hay(porPorcentaje) && !hay(porImporte)) {
        if (!filas.empty())
            partes = PorPesos(tamano, std::vector<Ancho>(filas.size(), 1), unidad);
    } else if (!hay(porImporte)) {
        partes = PorPesos(tamano, porPorcentaje, unidad);
    } else if (!hay(porPorcentaje) || conPorcentaje == 0) {
        Acotar(porImporte);
        partes = PorPesos(tamano, porImporte, unidad);
    } else {
        std::vector<Ancho> grupos = porImporte;
        grupos.push_back(conPorcentaje);
        Acotar(grupos);
        const std::vector<Ancho> primera = PorPesos(tamano, grupos, unidad);
        const std::vector<Ancho> dentro = PorPesos(primera.back(), porPorcentaje, unidad);
        for (size_t i = 0; i < filas.size(); ++i)
            partes[i] = primera[i] + dentro[i];
    }
    std::vector<Currency> resultado;
    for (const Ancho parte : partes)
        resultado.push_back(Importe(importe < Currency() ? -parte : parte));
    return resultado;
}
