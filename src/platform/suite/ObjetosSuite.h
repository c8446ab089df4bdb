#pragma once

#include <memory>

// The utility objects are shared by the whole program: each one is created the first time it
// is asked for and kept until the session ends and lets them all go at once. A released
// object is created afresh if anything asks for it again.
namespace suite {

namespace detalle {
void AnotarLiberacion(void (*liberar)());

template <class T> std::unique_ptr<T>& Ranura() {
    static std::unique_ptr<T> objeto;
    return objeto;
}
} // namespace detalle

template <class T> T& ObjetoCompartido() {
    std::unique_ptr<T>& objeto = detalle::Ranura<T>();
    if (!objeto) {
        objeto = std::make_unique<T>();
        detalle::AnotarLiberacion([] { detalle::Ranura<T>().reset(); });
    }
    return *objeto;
}

// Releases every shared object created so far; called once at shutdown.
void LiberarObjetos();

} // namespace suite
