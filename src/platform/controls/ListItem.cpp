#include "platform/controls/ListItem.h"

#include "platform/controls/ErroresControles.h"
#include "platform/controls/ImageList.h"
#include "platform/controls/ListView.h"
#include "platform/forms/Colores.h"

#include <QCollator>

namespace controles {

namespace {

const QCollator& Cotejador() {
    static const QCollator cotejador = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return cotejador;
}

} // namespace

ListItem::ListItem(const QString& clave) : QTreeWidgetItem(UserType), clave_(clave) {
    setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled); // a check box only where the list asks
}

QString ListItem::SubItems(int indice) const {
    ValidarColumna(indice);
    return text(indice);
}

void ListItem::SetSubItems(int indice, const QString& texto) {
    ValidarColumna(indice);
    setText(indice, texto);
    if (ListView* lista = Lista())
        lista->MarcarDesorden(indice);
}

bool ListItem::Checked() const {
    return flags() & Qt::ItemIsUserCheckable ? checkState(0) == Qt::Checked : marcado_;
}

void ListItem::SetChecked(bool marcado) {
    marcado_ = marcado;
    if (flags() & Qt::ItemIsUserCheckable)
        setCheckState(0, marcado ? Qt::Checked : Qt::Unchecked);
}

// In a list without MultiSelect a row selected by code takes the selection from the others.
void ListItem::SetSelected(bool seleccionado) {
    ListView* lista = Lista();
    if (seleccionado && lista && !lista->MultiSelect())
        lista->setCurrentItem(this);
    else
        setSelected(seleccionado);
}

int ListItem::Index() const {
    ListView* lista = Lista();
    if (!lista)
        return 0;
    lista->AsegurarOrden();
    return lista->indexOfTopLevelItem(const_cast<ListItem*>(this)) + 1;
}

void ListItem::EnsureVisible() {
    if (ListView* lista = Lista()) {
        lista->AsegurarOrden();
        lista->scrollToItem(this);
    }
}

long ListItem::ForeColor() const {
    const QBrush color = foreground(0);
    return color.style() == Qt::NoBrush ? 0 : BGRDesdeColor(color.color());
}

void ListItem::SetSubItemBold(int indice, bool negrita) {
    ValidarColumna(indice);
    QFont letra =
        data(indice, Qt::FontRole).isValid() || !treeWidget() ? font(indice) : treeWidget()->font();
    letra.setBold(negrita);
    setFont(indice, letra);
}

void ListItem::SetSubItemForeColor(int indice, long bgr) {
    ValidarColumna(indice);
    setForeground(indice, ColorDesdeBGR(bgr));
}

void ListItem::SetSmallIcon(int indice) {
    icono_ = indice;
    ListView* lista = Lista();
    setIcon(0, lista && lista->SmallIcons() ? lista->SmallIcons()->Imagen(indice) : QIcon());
}

bool ListItem::operator<(const QTreeWidgetItem& otro) const {
    const ListView* lista = Lista();
    const int columna = lista ? lista->SortKey() : 0;
    return Cotejador().compare(text(columna), otro.text(columna)) < 0;
}

void ListItem::MostrarCasilla(bool mostrar) {
    if (mostrar) {
        setFlags(flags() | Qt::ItemIsUserCheckable);
        setCheckState(0, marcado_ ? Qt::Checked : Qt::Unchecked);
    } else {
        marcado_ = Checked();
        setFlags(flags() & ~Qt::ItemIsUserCheckable);
        setData(0, Qt::CheckStateRole, QVariant());
    }
}

ListView* ListItem::Lista() const {
    return dynamic_cast<ListView*>(treeWidget());
}

// A sub-item exists for every column the list has; the row's text always exists.
void ListItem::ValidarColumna(int indice) const {
    const ListView* lista = Lista();
    if (indice < 0 || (lista && indice > 0 && indice >= lista->columnCount()))
        LanzarErrorControl(errValorPropiedad);
}

} // namespace controles
