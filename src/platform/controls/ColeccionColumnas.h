#pragma once

#include "platform/controls/ColumnHeader.h"

#include <memory>
#include <vector>

namespace controles {

// The ColumnHeaders of a list view, counted from 1.
class ColeccionColumnas {
public:
    explicit ColeccionColumnas(ListView& lista) : lista_(lista) {}

    // Width in twips; a negative width leaves the platform's default of 1440.
    ColumnHeader* Add(const QString& Key = {}, const QString& Text = {}, int Width = -1,
                      int Alignment = lvwColumnLeft);
    // Removes every column; the rows stay.
    void Clear();
    int Count() const { return int(columnas_.size()); }
    ColumnHeader* Item(int indice) const;
    ColumnHeader* operator()(int indice) const { return Item(indice); }

private:
    ListView& lista_;
    std::vector<std::unique_ptr<ColumnHeader>> columnas_;
};

} // namespace controles
