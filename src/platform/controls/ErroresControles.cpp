#include "platform/controls/ErroresControles.h"

#include "platform/errors/DescripcionesError.h"

namespace controles {

void LanzarErrorControl(NumeroErrorControl numero) {
    LanzarError(numero);
}

} // namespace controles
