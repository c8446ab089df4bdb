#include "platform/runtime/ErrorVb.h"

#include "platform/errors/ErrorEjecucion.h"

namespace vb {

namespace {

QString Descripcion(long numero) {
    switch (numero) {
    case 5:
        return QStringLiteral("Llamada a procedimiento o argumento no válidos");
    case 6:
        return QStringLiteral("Desbordamiento");
    case 11:
        return QStringLiteral("División por cero");
    case 13:
        return QStringLiteral("No coinciden los tipos");
    case 94:
        return QStringLiteral("Uso no válido de Null");
    default:
        return QStringLiteral("Error definido por la aplicación o el objeto");
    }
}

} // namespace

void Raise(long numero) {
    throw ErrorEjecucion(numero, Descripcion(numero));
}

} // namespace vb
