#pragma once

#include <QHash>
#include <QList>
#include <QString>

namespace controles {

class Node;
class TreeView;

enum RelacionNodo { tvwFirst = 0, tvwLast = 1, tvwNext = 2, tvwPrevious = 3, tvwChild = 4 };

// The Nodes of a tree view, counted from 1 in the order they were added and reachable by
// key. Keys are unique; an empty key names nothing.
class ColeccionNodos {
public:
    explicit ColeccionNodos(TreeView& arbol) : arbol_(arbol) {}

    // Without a relative the node goes to the top level; with tvwChild it goes last under
    // the relative, with any other relationship right after it.
    Node* Add(Node* Relative, int Relationship, const QString& Key, const QString& Text,
              int Image = 0);
    Node* Add(const QString& Relative, int Relationship, const QString& Key, const QString& Text,
              int Image = 0);
    void Clear();
    int Count() const { return nodos_.size(); }
    Node* Item(int indice) const;
    Node* Item(const QString& clave) const;
    Node* operator()(int indice) const { return Item(indice); }
    Node* operator()(const QString& clave) const { return Item(clave); }
    bool Existe(const QString& clave) const { return porClave_.contains(clave); }
    int Posicion(const Node* nodo) const;

private:
    void Ubicar(Node* nodo, Node* relativo, int relacion);

    TreeView& arbol_;
    QList<Node*> nodos_;
    QHash<QString, Node*> porClave_;
};

} // namespace controles
