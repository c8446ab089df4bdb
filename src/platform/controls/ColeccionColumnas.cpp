#include "platform/controls/ColeccionColumnas.h"

#include "platform/controls/ErroresControles.h"
#include "platform/controls/ListView.h"

namespace controles {

namespace {
constexpr int AnchoPredeterminado = 1440;
}

ColumnHeader* ColeccionColumnas::Add(const QString& Key, const QString& Text, int Width,
                                     int Alignment) {
    const int posicion = Count();
    lista_.setColumnCount(posicion + 1);
    columnas_.push_back(std::make_unique<ColumnHeader>(lista_, posicion, Key));
    ColumnHeader* columna = columnas_.back().get();
    columna->SetText(Text);
    columna->SetWidth(Width < 0 ? AnchoPredeterminado : Width);
    columna->SetAlignment(Alignment);
    return columna;
}

void ColeccionColumnas::Clear() {
    columnas_.clear();
    lista_.setColumnCount(0);
}

ColumnHeader* ColeccionColumnas::Item(int indice) const {
    if (indice < 1 || indice > Count())
        LanzarErrorControl(errIndiceFueraDeLimites);
    return columnas_.at(indice - 1).get();
}

} // namespace controles
