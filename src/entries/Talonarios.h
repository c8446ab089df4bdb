#pragma once

#include <QString>

// The number ranges (talonarios) of V_TA_CPTE: checking a typed voucher number against them
// and choosing the range the next voucher of a type is taken from.
namespace ModNumeracion {

// The TALONARIO of the range taken or matched last, kept for the whole run.
inline short TalonarioActual = 0;

// The letters a voucher may carry.
inline const QString LetrasComprobante = QStringLiteral("A,B,C,E,R,X,M");

// Whether `Numero` may be used for a voucher of `TC`, branch `Sucursal` and letter `Letra`
// (an empty letter becomes "X" in the caller's variable). The number must lie inside a range
// of that branch and letter, unexpired on `Fecha` (empty: not tested), unless the type is
// numbered outside the system or the branch has a free-numbered range. `Mensaje` gets the
// reason of a refusal and is emptied on acceptance. A range read that fails (the operator
// has been told) leaves the calling procedure; other failures reach the caller.
bool ValidaNumeracionComprobante(const QString& TC, const QString& Sucursal, const QString& Numero,
                                 QString& Letra, QString& Mensaje, const QString& Fecha);

// The range the next voucher of `TC` is taken from: the first one, in TALONARIO order, with a
// number left, of the business unit `UNegocio` (all ranges when it has none) and, when
// `Sucursal` reads "*" followed by a branch, of that branch if it has any. Gives back that
// range's branch ("0000"), its last issued number ("00000000"; "00000001" when none was
// issued), the letter used and whether the number may be changed. A type without ranges
// gives "1", "1", "X"; when every range is used up the operator is told and `Sucursal` and
// `Numero` stay as they came.
void Obtener_Nro_Comprobante_Contable(const QString& TC, QString& Sucursal, QString& Numero,
                                      QString& Letra, bool& ModificaNumeracion,
                                      const QString& UNegocio);

} // namespace ModNumeracion
