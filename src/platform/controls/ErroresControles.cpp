#include "platform/controls/ErroresControles.h"

#include "platform/errors/ErrorEjecucion.h"

namespace controles {

namespace {

QString Descripcion(NumeroErrorControl numero) {
    switch (numero) {
    case errValorPropiedad:
        return QStringLiteral("Valor de propiedad no válido");
    case errIndicePropiedad:
        return QStringLiteral("Índice de matriz de propiedades no válido");
    case errIndiceFueraDeLimites:
        return QStringLiteral("Índice fuera de los límites");
    case errElementoNoEncontrado:
        return QStringLiteral("No se encontró el elemento");
    case errClaveRepetida:
        return QStringLiteral("La clave no es única en la colección");
    }
    return {};
}

} // namespace

void LanzarErrorControl(NumeroErrorControl numero) {
    throw ErrorEjecucion(numero, Descripcion(numero));
}

} // namespace controles
