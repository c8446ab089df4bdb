#pragma once

#include "platform/suite/FuenteReporte.h"

#include <QString>
#include <vector>

// The layout of the report "Asientos": the title, the company, the selection in readable form,
// one row per journal line with its amount under Debe or Haber, and the totals of both sides.
class ReporteAsientos {
public:
    static QString Html(const QString& empresa, const QString& seleccion,
                        const std::vector<FilaAsiento>& filas);
    // "{MV_ASIENTOS.NUMERO ASIENTO} = 12" reads "NUMERO ASIENTO = 12".
    static QString SeleccionLegible(const QString& seleccion);

private:
    static QString Fila(const FilaAsiento& fila);
    static QString Totales(const Currency& debe, const Currency& haber);
};
