#pragma once

#include "platform/controls/ColeccionColumnas.h"
#include "platform/controls/ColeccionElementos.h"

#include <QTreeWidget>
#include <functional>

namespace controles {

class ImageList;
class ListItem;

enum OrdenLista { lvwAscending = 0, lvwDescending = 1 };

// A list view in report mode: ColumnHeaders over rows of ListItems. While Sorted, the rows
// are kept in text order (without regard to case) on the SortKey column (0 is the rows'
// text, i the sub-item i), new and changed rows included. Rows are never edited in place.
class ListView : public QTreeWidget {
public:
    explicit ListView(QWidget* padre = nullptr);

    ColeccionColumnas& ColumnHeaders() { return columnas_; }
    ColeccionElementos& ListItems() { return elementos_; }

    // The selected row (the first of them with MultiSelect); null when none is.
    ListItem* SelectedItem() const;
    void SetSelectedItem(ListItem* elemento);

    bool Checkboxes() const { return casillas_; }
    void SetCheckboxes(bool casillas);
    bool FullRowSelect() const { return allColumnsShowFocus(); }
    void SetFullRowSelect(bool filaEntera) { setAllColumnsShowFocus(filaEntera); }
    bool MultiSelect() const { return selectionMode() == ExtendedSelection; }
    void SetMultiSelect(bool varias);

    bool Sorted() const { return ordenada_; }
    void SetSorted(bool ordenada);
    int SortKey() const { return claveOrden_; }
    void SetSortKey(int columna);
    int SortOrder() const { return orden_; }
    void SetSortOrder(int orden);

    ImageList* SmallIcons() const { return iconos_; }
    void SetSmallIcons(ImageList* iconos) { iconos_ = iconos; }

    std::function<void(ColumnHeader* columna)> ColumnClick;
    std::function<void(ListItem* elemento)> ItemClick;
    std::function<void()> DblClick;
    // A handler that sets KeyCode to 0 swallows the key.
    std::function<void(int& KeyCode, int Shift)> KeyDown;

    // For the rows and columns of this list.
    void MarcarDesorden(int columna);
    void AsegurarOrden();
    void AlinearColumna(int posicion);
    void AlinearElemento(ListItem& elemento) const;

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;

private:
    void Ordenar();

    ColeccionColumnas columnas_{*this};
    ColeccionElementos elementos_{*this};
    ImageList* iconos_ = nullptr;
    bool casillas_ = false;
    bool ordenada_ = false;
    bool desordenada_ = false;
    int claveOrden_ = 0;
    int orden_ = lvwAscending;
};

} // namespace controles
