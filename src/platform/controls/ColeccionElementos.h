#pragma once

#include <QString>

namespace controles {

class ListItem;
class ListView;

// The ListItems of a list view, counted from 1 in the list's current order.
class ColeccionElementos {
public:
    explicit ColeccionElementos(ListView& lista) : lista_(lista) {}

    // The first row of an empty list becomes its selected row, as the platform's list does.
    ListItem* Add(const QString& Key = {}, const QString& Text = {});
    void Clear();
    int Count() const;
    ListItem* Item(int indice) const;
    ListItem* operator()(int indice) const { return Item(indice); }

private:
    ListView& lista_;
};

} // namespace controles
