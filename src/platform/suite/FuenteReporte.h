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

// One line of a journal entry as the report prints it, with the entry it belongs to.
struct FilaAsiento {
    QDate Fecha;
    QString Cuenta;
    QString Descripcion; // the account's
    QString DebeHaber;   // "D" debit, "H" credit
    Currency Importe;
    QString Concepto; // the line's own text
    QString NumeroAsiento, Periodo, MesOperativo;
    QString TC, Sucursal, Numero, Letra;
    QString TcOrigen, CpteOrigen; // the voucher the entry comes from; its key as stored
};

class FuenteReporte {
public:
    virtual ~FuenteReporte() = default;
    // The lines of the journal entries the selection picks, in printing order. A failure is
    // raised as a run-time error and reaches the caller of ImprimirReporte.
    virtual std::vector<FilaAsiento> FilasAsiento(const PedidoReporte& pedido) = 0;
    // The name of the currency of that code; the code itself when it names none.
    virtual QString NombreMoneda(const QString& codigo) { return codigo; }
    // How many decimals the amounts are printed with: those the company keeps its books in.
    virtual int Decimales() { return 2; }
};
