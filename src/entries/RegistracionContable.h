#pragma once

#include <QString>
#include <QVariant>

// Journal-entry numbering and the registration type (subdiary) entries are booked under.
namespace ModNumeracion {

// The subdiary of the voucher type, as stored; four blanks when the type has none (a missing
// or blank assignment, or a subdiary that does not exist). Empty only when the operator
// abandoned an error.
QString ObtieneTipoRegCont(const QString& TC);

// The next free entry number of the month, period and registration type (1 for the first).
// A blank type counts the entries stored with an empty type and with the special type
// "\u00FFRS" together; an omitted one is blank. 0 when the operator abandoned an error.
long ValidaTCRegistraciones(const QVariant& Mes, const QVariant& Periodo,
                            const QVariant& TipoReg = {});

// Whether the voucher already has a journal entry (on `Cuenta` only, when given); `Asiento`
// then gets its month and number, "MM - NNNNNN". Orders (OC) are never booked. Failures reach
// the caller.
bool ObtieneAsientoComprobante(const QString& TC, const QString& Sucursal, const QString& Numero,
                               const QString& Letra, QString& Asiento, const QString& Cuenta = {});

} // namespace ModNumeracion
