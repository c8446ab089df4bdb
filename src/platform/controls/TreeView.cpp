#include "platform/controls/TreeView.h"

#include "platform/controls/Node.h"
#include "platform/controls/TeclaTomada.h"

#include <QKeyEvent>

namespace controles {

TreeView::TreeView(QWidget* padre) : QTreeWidget(padre) {
    setColumnCount(1);
    setHeaderHidden(true);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* elemento, int) {
        auto* nodo = static_cast<Node*>(elemento);
        if (nodo->TomarMarcaDelUsuario() && NodeCheck)
            NodeCheck(nodo);
    });
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* elemento) {
        if (NodeClick)
            NodeClick(static_cast<Node*>(elemento));
    });
}

Node* TreeView::SelectedItem() const {
    const QList<QTreeWidgetItem*> seleccion = selectedItems();
    return seleccion.isEmpty() ? nullptr : static_cast<Node*>(seleccion.first());
}

void TreeView::SetSelectedItem(Node* nodo) {
    if (nodo) {
        setCurrentItem(nodo);
        return;
    }
    clearSelection();
    setCurrentItem(nullptr);
}

void TreeView::SetCheckboxes(bool casillas) {
    casillas_ = casillas;
    for (int i = 1; i <= nodos_.Count(); ++i)
        nodos_.Item(i)->MostrarCasilla(casillas);
}

void TreeView::keyPressEvent(QKeyEvent* evento) {
    if (TeclaTomada(*evento, KeyDown)) {
        evento->accept();
        return;
    }
    QTreeWidget::keyPressEvent(evento);
}

void TreeView::mouseDoubleClickEvent(QMouseEvent* evento) {
    QTreeWidget::mouseDoubleClickEvent(evento);
    if (DblClick)
        DblClick();
}

} // namespace controles
