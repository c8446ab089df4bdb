#include "platform/suite/DialogoComun.h"

#include "platform/suite/ObjetosSuite.h"

namespace {

std::optional<AjustesImpresora>& EnUso() {
    static std::optional<AjustesImpresora> ajustes;
    return ajustes;
}

} // namespace

DialogoComun& DialogoComun::Instancia() {
    return suite::ObjetoCompartido<DialogoComun>();
}

void DialogoComun::MostrarAbrir() {
    const std::optional<QString> elegido = Dialogos::Actual().AbrirArchivo(titulo_, filtro_);
    cancelado_ = !elegido;
    archivo_ = elegido.value_or(QString());
}

void DialogoComun::MostrarImpresora() {
    impresora_ = Dialogos::Actual().ElegirImpresora();
    if (impresora_)
        EnUso() = impresora_;
}

const std::optional<AjustesImpresora>& DialogoComun::ImpresoraEnUso() {
    return EnUso();
}
