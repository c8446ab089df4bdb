#include "platform/controls/ColumnHeader.h"

#include "platform/controls/ListView.h"
#include "platform/forms/Twips.h"

#include <QHeaderView>

namespace controles {

ColumnHeader::ColumnHeader(ListView& lista, int posicion, const QString& clave)
    : lista_(lista), posicion_(posicion), clave_(clave) {}

QString ColumnHeader::Text() const {
    return lista_.headerItem()->text(posicion_);
}

void ColumnHeader::SetText(const QString& texto) {
    lista_.headerItem()->setText(posicion_, texto);
}

int ColumnHeader::Width() const {
    return ATwips(lista_.header()->sectionSize(posicion_));
}

void ColumnHeader::SetWidth(int twips) {
    lista_.header()->resizeSection(posicion_, APixeles(twips));
}

int ColumnHeader::Left() const {
    return ATwips(lista_.header()->sectionPosition(posicion_));
}

void ColumnHeader::SetAlignment(int alineacion) {
    alineacion_ = alineacion;
    lista_.AlinearColumna(posicion_);
}

} // namespace controles
