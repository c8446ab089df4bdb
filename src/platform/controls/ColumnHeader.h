#pragma once

#include <QString>

namespace controles {

class ListView;

enum AlineacionColumna { lvwColumnLeft = 0, lvwColumnRight = 1, lvwColumnCenter = 2 };

// One column of a list view. Widths and the left edge are in twips; Index counts from 1.
class ColumnHeader {
public:
    ColumnHeader(ListView& lista, int posicion, const QString& clave);

    int Index() const { return posicion_ + 1; }
    const QString& Key() const { return clave_; }
    QString Text() const;
    void SetText(const QString& texto);
    int Width() const;
    void SetWidth(int twips);
    // Where the column starts, from the list's left edge.
    int Left() const;
    int Alignment() const { return alineacion_; }
    void SetAlignment(int alineacion);

private:
    ListView& lista_;
    int posicion_;
    QString clave_;
    int alineacion_ = lvwColumnLeft;
};

} // namespace controles
