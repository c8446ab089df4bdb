#pragma once

#include "platform/suite/FuenteReporte.h"

#include <QList>
#include <QPair>
#include <QString>

// The rows of the report "Asientos": the lines of the journal entry that the selection formula
// names, read through the session's connection, each with its account's description.
class FuenteAsientos : public FuenteReporte {
public:
    // The one source the main window installs for the run.
    static FuenteAsientos& Instancia();

    std::vector<FilaAsiento> FilasAsiento(const PedidoReporte& pedido) override;
    // From the currency table, when the company has one.
    QString NombreMoneda(const QString& codigo) override;
    // The configured CantidadDecimales.
    int Decimales() override;

    // The terms of a selection formula ("{MV_ASIENTOS.TC} = 'NCPE' AND ...") as column and
    // value, the value without its quotes. Only the columns that identify a journal entry are
    // accepted; anything else is error 5.
    static QList<QPair<QString, QString>> LeerSeleccion(const QString& seleccion);
    // The statement that reads the lines the selection picks, in their order.
    static QString Sentencia(const QList<QPair<QString, QString>>& terminos);
};
