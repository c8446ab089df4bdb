#pragma once

#include "platform/suite/FuenteReporte.h"

#include <QString>
#include <vector>

// The layout of the report "Asientos", a journal entry as accountants read it: the company;
// the entry's number, period, month, date, voucher and origin; its currency; one row per line
// with account, description, concept and the amount under Debe or Haber; the totals of both.
class ReporteAsientos {
public:
    // Lines and totals with `decimales` decimals.
    static QString Html(const QString& empresa, const QString& moneda,
                        const std::vector<FilaAsiento>& filas, int decimales);
    // "NCPE 0001-00000032 X".
    static QString Comprobante(const QString& tc, const QString& sucursal, const QString& numero,
                               const QString& letra);
    // The origin voucher from its stored key (branch, number and letter run together).
    static QString Origen(const QString& tc, const QString& clave);

private:
    static QString Cabecera(const QString& empresa, const QString& moneda,
                            const FilaAsiento& asiento);
    static QString Fila(const FilaAsiento& fila, int decimales);
    static QString Totales(const Currency& debe, const Currency& haber, int decimales);
};
