#pragma once

#include "session/ClaveComprobante.h"

#include <QString>
#include <optional>

// The follow-up state of a difference as stored, against the state the list showed when the
// user clicked. A list drawn before another user's change must not act on the state it no
// longer shows: the state 3 in particular has deleted the difference's application, which a
// change made from a stale list would not bring back.
namespace EstadoDiferencia {

// The state of the difference's entry as the list reads it (its first line, a Null as 0);
// nothing when it could not be read (the failure was reported) or the entry is gone.
std::optional<int> Guardado(const ClaveComprobante& diferencia);

// The origin voucher the list showed with the difference: its type and 13-character key, both
// empty when it had none.
struct Origen {
    QString TC, Cpte;
};

// Why the difference may not be acted on as the list showed it, in the user's words: its stored
// state is not the one the list showed ("0" to "4", an empty or other text as 0), or is 3 when
// `tresFijo`, or its first line was reconciled or now names another origin voucher (whose
// state a change would then write); nothing when it may.
std::optional<QString> Cambiado(const ClaveComprobante& diferencia, const QString& estadoLista,
                                const Origen& origenLista, bool tresFijo = false);

} // namespace EstadoDiferencia
