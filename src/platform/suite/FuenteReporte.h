#pragma once

#include "platform/runtime/Currency.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <vector>

// What a report asks of the data: the report printer knows layouts, not the database, so the
// part of the program that holds the connection installs a source (Reporteador::EstablecerFuente)
// that answers the report's selection with rows.

struct PedidoReporte {
    QString Reporte;
    // The selection formula as the caller wrote it: "{MV_ASIENTOS.PERIODO} = '2024' AND ...".
    QString Seleccion;
    // The connection text handed to ImprimirReporte.
    QString Conexion;
    // Formula values by upper-case name, quotes removed: "EMPRESA" -> the company name.
    QMap<QString, QString> Formulas;
};

// One line of a journal entry as the report prints it.
struct FilaAsiento {
    QDate Fecha;
    QString Cuenta;
    QString Descripcion;
    QString DebeHaber; // "D" debit, "H" credit
    Currency Importe;
};

class FuenteReporte {
public:
    virtual ~FuenteReporte() = default;
    // The lines of the journal entries the selection picks, in printing order. A failure is
    // raised as a run-time error and reaches the caller of ImprimirReporte.
    virtual std::vector<FilaAsiento> FilasAsiento(const PedidoReporte& pedido) = 0;
};
