#include "platform/suite/ObjetosSuite.h"

#include <vector>

namespace suite {
namespace {

std::vector<void (*)()>& Liberaciones() {
    static std::vector<void (*)()> liberaciones;
    return liberaciones;
}

} // namespace

namespace detalle {
void AnotarLiberacion(void (*liberar)()) {
    Liberaciones().push_back(liberar);
}
} // namespace detalle

// Latest first, so an object made while another was in use goes before it.
void LiberarObjetos() {
    std::vector<void (*)()> pendientes;
    pendientes.swap(Liberaciones());
    for (auto liberar = pendientes.rbegin(); liberar != pendientes.rend(); ++liberar)
        (*liberar)();
}

} // namespace suite
