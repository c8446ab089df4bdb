#pragma once

#include <QTreeWidgetItem>

namespace controles {

class ListView;

// One row of a list view: its text is the first column, SubItems(i) the column i + 1.
// Colours are BGR longs; Index counts from 1 in the list's current order.
class ListItem : public QTreeWidgetItem {
public:
    explicit ListItem(const QString& clave);

    const QString& Key() const { return clave_; }
    QString Text() const { return text(0); }
    void SetText(const QString& texto) { SetSubItems(0, texto); }
    QString SubItems(int indice) const;
    void SetSubItems(int indice, const QString& texto);
    const QString& Tag() const { return tag_; }
    void SetTag(const QString& tag) { tag_ = tag; }
    bool Checked() const;
    void SetChecked(bool marcado);
    bool Selected() const { return isSelected(); }
    void SetSelected(bool seleccionado);
    int Index() const;
    void EnsureVisible();

    // The row's text; ListSubItems(i) of the platform are SetSubItemBold / SetSubItemForeColor.
    bool Bold() const { return font(0).bold(); }
    void SetBold(bool negrita) { SetSubItemBold(0, negrita); }
    long ForeColor() const;
    void SetForeColor(long bgr) { SetSubItemForeColor(0, bgr); }
    void SetSubItemBold(int indice, bool negrita);
    void SetSubItemForeColor(int indice, long bgr);

    int SmallIcon() const { return icono_; }
    void SetSmallIcon(int indice);

    // Text order without regard to case, on the list's sort column.
    bool operator<(const QTreeWidgetItem& otro) const override;

    // Shows or hides the check box, keeping the tick for when it shows again.
    void MostrarCasilla(bool mostrar);

private:
    ListView* Lista() const;
    void ValidarColumna(int indice) const;

    QString clave_;
    QString tag_;
    int icono_ = 0;
    bool marcado_ = false;
};

} // namespace controles
