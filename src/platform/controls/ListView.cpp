#include "platform/controls/ListView.h"

#include "platform/controls/ListItem.h"
#include "platform/controls/TeclaTomada.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>

namespace controles {

namespace {

Qt::Alignment AlineacionQt(int alineacion) {
    switch (alineacion) {
    case lvwColumnRight:
        return Qt::AlignRight | Qt::AlignVCenter;
    case lvwColumnCenter:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

ListView::ListView(QWidget* padre) : QTreeWidget(padre) {
    setColumnCount(0);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int seccion) {
        if (ColumnClick && seccion < columnas_.Count())
            ColumnClick(columnas_.Item(seccion + 1));
    });
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* elemento) {
        if (ItemClick)
            ItemClick(static_cast<ListItem*>(elemento));
    });
}

ListItem* ListView::SelectedItem() const {
    const QList<QTreeWidgetItem*> seleccion = selectedItems();
    return seleccion.isEmpty() ? nullptr : static_cast<ListItem*>(seleccion.first());
}

void ListView::SetSelectedItem(ListItem* elemento) {
    if (elemento) {
        setCurrentItem(elemento);
        return;
    }
    clearSelection();
    setCurrentItem(nullptr);
}

void ListView::SetCheckboxes(bool casillas) {
    casillas_ = casillas;
    for (int i = 0; i < topLevelItemCount(); ++i)
        static_cast<ListItem*>(topLevelItem(i))->MostrarCasilla(casillas);
}

void ListView::SetMultiSelect(bool varias) {
    setSelectionMode(varias ? ExtendedSelection : SingleSelection);
}

void ListView::SetSorted(bool ordenada) {
    ordenada_ = ordenada;
    if (ordenada_)
        Ordenar();
}

void ListView::SetSortKey(int columna) {
    claveOrden_ = columna;
    if (ordenada_)
        Ordenar();
}

void ListView::SetSortOrder(int orden) {
    orden_ = orden;
    if (ordenada_)
        Ordenar();
}

// Rows change one cell at a time while a window fills the list; sorting waits until the
// order is read or the event loop runs again.
void ListView::MarcarDesorden(int columna) {
    if (!ordenada_ || columna != claveOrden_ || desordenada_)
        return;
    desordenada_ = true;
    QTimer::singleShot(0, this, [this] { AsegurarOrden(); });
}

void ListView::AsegurarOrden() {
    if (desordenada_)
        Ordenar();
}

void ListView::AlinearColumna(int posicion) {
    const Qt::Alignment alineacion = AlineacionQt(columnas_.Item(posicion + 1)->Alignment());
    headerItem()->setTextAlignment(posicion, alineacion);
    for (int i = 0; i < topLevelItemCount(); ++i)
        topLevelItem(i)->setTextAlignment(posicion, alineacion);
}

void ListView::AlinearElemento(ListItem& elemento) const {
    for (int posicion = 0; posicion < columnas_.Count(); ++posicion)
        elemento.setTextAlignment(posicion,
                                  AlineacionQt(columnas_.Item(posicion + 1)->Alignment()));
}

void ListView::keyPressEvent(QKeyEvent* evento) {
    if (TeclaTomada(*evento, KeyDown)) {
        evento->accept();
        return;
    }
    QTreeWidget::keyPressEvent(evento);
}

void ListView::mouseDoubleClickEvent(QMouseEvent* evento) {
    QTreeWidget::mouseDoubleClickEvent(evento);
    if (DblClick)
        DblClick();
}

void ListView::Ordenar() {
    desordenada_ = false;
    sortItems(claveOrden_, orden_ == lvwDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

} // namespace controles
