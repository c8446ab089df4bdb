#pragma once

#include <QTreeWidgetItem>

namespace controles {

class TreeView;

// One node of a tree view. Index counts from 1 in the order the nodes were added.
class Node : public QTreeWidgetItem {
public:
    explicit Node(const QString& clave);

    const QString& Key() const { return clave_; }
    QString Text() const { return text(0); }
    void SetText(const QString& texto) { setText(0, texto); }
    Node* Parent() const { return static_cast<Node*>(parent()); }
    int Children() const { return childCount(); }
    // The first child; null without children.
    Node* Child() const { return static_cast<Node*>(child(0)); }
    // The next node under the same parent; null for the last one.
    Node* Next() const;
    bool Expanded() const { return isExpanded(); }
    void SetExpanded(bool expandido) { setExpanded(expandido); }
    bool Checked() const { return marcado_; }
    void SetChecked(bool marcado);
    bool Selected() const { return isSelected(); }
    void SetSelected(bool seleccionado);
    int Index() const;
    // Opens every ancestor and scrolls the node into view.
    void EnsureVisible();
    int Image() const { return imagen_; }
    void SetImage(int indice);

    // Shows or hides the check box, keeping the tick.
    void MostrarCasilla(bool mostrar);
    // Reads a tick the user changed; true when it did change.
    bool TomarMarcaDelUsuario();

private:
    TreeView* Arbol() const;

    QString clave_;
    int imagen_ = 0;
    bool marcado_ = false;
};

} // namespace controles
