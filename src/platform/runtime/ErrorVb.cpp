#include "platform/runtime/ErrorVb.h"

#include "platform/errors/DescripcionesError.h"

namespace vb {

void Raise(long numero) {
    LanzarError(numero);
}

} // namespace vb
