#pragma once

#include "platform/controls/ColeccionNodos.h"

#include <QTreeWidget>
#include <functional>

namespace controles {

class ImageList;
class Node;

// A tree of nodes with optional check boxes and pictures from an image list. NodeCheck is
// raised when the user ticks or unticks a node, never for a tick set by code.
class TreeView : public QTreeWidget {
public:
    explicit TreeView(QWidget* padre = nullptr);

    ColeccionNodos& Nodes() { return nodos_; }
    const ColeccionNodos& Nodes() const { return nodos_; }

    Node* SelectedItem() const;
    void SetSelectedItem(Node* nodo);

    bool Checkboxes() const { return casillas_; }
    void SetCheckboxes(bool casillas);
    // Kept for the windows; the tree always draws its lines and signs.
    int LineStyle() const { return estiloLineas_; }
    void SetLineStyle(int estilo) { estiloLineas_ = estilo; }
    int Style() const { return estilo_; }
    void SetStyle(int estilo) { estilo_ = estilo; }

    controles::ImageList* ImageList() const { return imagenes_; }
    void SetImageList(controles::ImageList* imagenes) { imagenes_ = imagenes; }

    std::function<void(Node* nodo)> NodeCheck;
    std::function<void(Node* nodo)> NodeClick;
    std::function<void()> DblClick;
    // A handler that sets KeyCode to 0 swallows the key.
    std::function<void(int& KeyCode, int Shift)> KeyDown;

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;

private:
    ColeccionNodos nodos_{*this};
    controles::ImageList* imagenes_ = nullptr;
    bool casillas_ = false;
    int estiloLineas_ = 0;
    int estilo_ = 0;
};

} // namespace controles
