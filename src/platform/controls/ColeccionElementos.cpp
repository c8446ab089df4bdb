#include "platform/controls/ColeccionElementos.h"

#include "platform/controls/ErroresControles.h"
#include "platform/controls/ListItem.h"
#include "platform/controls/ListView.h"

namespace controles {

ListItem* ColeccionElementos::Add(const QString& Key, const QString& Text) {
    auto* elemento = new ListItem(Key);
    const bool primero = Count() == 0;
    lista_.addTopLevelItem(elemento);
    elemento->MostrarCasilla(lista_.Checkboxes());
    lista_.AlinearElemento(*elemento);
    elemento->SetText(Text);
    if (primero)
        lista_.setCurrentItem(elemento);
    return elemento;
}

void ColeccionElementos::Clear() {
    lista_.clear();
}

int ColeccionElementos::Count() const {
    return lista_.topLevelItemCount();
}

ListItem* ColeccionElementos::Item(int indice) const {
    if (indice < 1 || indice > Count())
        LanzarErrorControl(errIndiceFueraDeLimites);
    lista_.AsegurarOrden();
    return static_cast<ListItem*>(lista_.topLevelItem(indice - 1));
}

} // namespace controles
