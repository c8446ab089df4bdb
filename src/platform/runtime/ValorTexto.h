#pragma once

#include <QString>
#include <QVariant>

namespace vb {

// The text of a field value as the classic runtime writes it in the locale: Null is empty,
// dates are the regional short date (with " hh:mm:ss" only when the time is not midnight),
// booleans "Verdadero"/"Falso", numbers and amounts without grouping or trailing zeros.
QString ValorTexto(const QVariant& valor);

} // namespace vb
