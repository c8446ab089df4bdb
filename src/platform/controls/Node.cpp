#include "platform/controls/Node.h"

#include "platform/controls/ImageList.h"
#include "platform/controls/TreeView.h"

namespace controles {

Node::Node(const QString& clave) : QTreeWidgetItem(UserType), clave_(clave) {
    setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled); // a check box only where the tree asks
}

Node* Node::Next() const {
    const QTreeWidgetItem* padre = parent();
    if (padre)
        return static_cast<Node*>(padre->child(padre->indexOfChild(const_cast<Node*>(this)) + 1));
    const QTreeWidget* arbol = treeWidget();
    if (!arbol)
        return nullptr;
    const int posicion = arbol->indexOfTopLevelItem(const_cast<Node*>(this));
    return static_cast<Node*>(arbol->topLevelItem(posicion + 1));
}

void Node::SetChecked(bool marcado) {
    marcado_ = marcado;
    if (flags() & Qt::ItemIsUserCheckable)
        setCheckState(0, marcado ? Qt::Checked : Qt::Unchecked);
}

void Node::SetSelected(bool seleccionado) {
    if (seleccionado && treeWidget())
        treeWidget()->setCurrentItem(this);
    else
        setSelected(seleccionado);
}

int Node::Index() const {
    const TreeView* arbol = Arbol();
    return arbol ? arbol->Nodes().Posicion(this) : 0;
}

void Node::EnsureVisible() {
    for (QTreeWidgetItem* ancestro = parent(); ancestro; ancestro = ancestro->parent())
        ancestro->setExpanded(true);
    if (treeWidget())
        treeWidget()->scrollToItem(this);
}

void Node::SetImage(int indice) {
    imagen_ = indice;
    const TreeView* arbol = Arbol();
    setIcon(0, arbol && arbol->ImageList() ? arbol->ImageList()->Imagen(indice) : QIcon());
}

void Node::MostrarCasilla(bool mostrar) {
    // The tick goes in before the box shows, so the change is not read as the user's.
    if (mostrar) {
        setCheckState(0, marcado_ ? Qt::Checked : Qt::Unchecked);
        setFlags(flags() | Qt::ItemIsUserCheckable);
    } else {
        setFlags(flags() & ~Qt::ItemIsUserCheckable);
        setData(0, Qt::CheckStateRole, QVariant());
    }
}

bool Node::TomarMarcaDelUsuario() {
    if (!(flags() & Qt::ItemIsUserCheckable))
        return false;
    const bool marcado = checkState(0) == Qt::Checked;
    if (marcado == marcado_)
        return false;
    marcado_ = marcado;
    return true;
}

TreeView* Node::Arbol() const {
    return dynamic_cast<TreeView*>(treeWidget());
}

} // namespace controles
