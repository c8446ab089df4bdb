#pragma once

#include <QString>

// The next voucher number of a type: the range's proposal, moved past the vouchers already
// stored when it is taken.
namespace ModNumeracion {

// The voucher type whose ranges number `TC`: the configuration key "NUM_" + type, or `TC`.
QString ObtieneTCNumeracion(const QString& TC);

// Branch, number and letter for the next voucher of `TC` (nothing happens for an empty type).
// The proposal comes from the ranges of the type's numbering alias; with `Validar` it is
// checked against the vouchers stored for the type itself and, when already taken, moved past
// the highest one stored. A proposal not yet booked clears the control row of its key (for the
// types whose keys are reserved that way), so the key can be taken. A caller that only shows
// the proposal, and may never book it, passes LiberarControl false: someone else's
// reservation of that key then stays.
void Obtener_Nro_Comprobante(const QString& TC, QString& Sucursal, QString& Numero, QString& Letra,
                             bool& ModificaNumeracion, bool Validar, const QString& UNegocio,
                             bool LiberarControl = true);

// Deletes the control row that reserves the voucher key. A key with no control row is no error.
// Whether it failed is read from gCnn.Errors.
void LiberarControlComprobante(const QString& TC, const QString& Sucursal, const QString& Numero,
                               const QString& Letra);

} // namespace ModNumeracion
