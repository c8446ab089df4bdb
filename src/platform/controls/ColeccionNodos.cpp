#include "platform/controls/ColeccionNodos.h"

#include "platform/controls/ErroresControles.h"
#include "platform/controls/Node.h"
#include "platform/controls/TreeView.h"

namespace controles {

Node* ColeccionNodos::Add(Node* Relative, int Relationship, const QString& Key, const QString& Text,
                          int Image) {
    if (!Key.isEmpty() && porClave_.contains(Key))
        LanzarErrorControl(errClaveRepetida);
    auto* nodo = new Node(Key);
    Ubicar(nodo, Relative, Relationship);
    nodos_.append(nodo);
    if (!Key.isEmpty())
        porClave_.insert(Key, nodo);
    nodo->SetText(Text);
    nodo->MostrarCasilla(arbol_.Checkboxes());
    nodo->SetImage(Image);
    return nodo;
}

Node* ColeccionNodos::Add(const QString& Relative, int Relationship, const QString& Key,
                          const QString& Text, int Image) {
    return Add(Item(Relative), Relationship, Key, Text, Image);
}

void ColeccionNodos::Clear() {
    nodos_.clear();
    porClave_.clear();
    arbol_.clear();
}

Node* ColeccionNodos::Item(int indice) const {
    if (indice < 1 || indice > nodos_.size())
        LanzarErrorControl(errIndiceFueraDeLimites);
    return nodos_.at(indice - 1);
}

Node* ColeccionNodos::Item(const QString& clave) const {
    Node* nodo = porClave_.value(clave);
    if (!nodo)
        LanzarErrorControl(errElementoNoEncontrado);
    return nodo;
}

int ColeccionNodos::Posicion(const Node* nodo) const {
    return nodos_.indexOf(const_cast<Node*>(nodo)) + 1;
}

void ColeccionNodos::Ubicar(Node* nodo, Node* relativo, int relacion) {
    if (!relativo) {
        arbol_.addTopLevelItem(nodo);
    } else if (relacion == tvwChild) {
        relativo->addChild(nodo);
    } else if (QTreeWidgetItem* padre = relativo->parent()) {
        padre->insertChild(padre->indexOfChild(relativo) + 1, nodo);
    } else {
        arbol_.insertTopLevelItem(arbol_.indexOfTopLevelItem(relativo) + 1, nodo);
    }
}

} // namespace controles
