#pragma once

#include <QVariant>

// How the runtime classifies a field value. Null is the invalid variant or a typed variant
// holding no value, which is how the data layer hands over a database NULL.
namespace vb {

bool IsNull(const QVariant& valor);
bool EsEntero(const QVariant& valor);
bool EsReal(const QVariant& valor);

} // namespace vb
