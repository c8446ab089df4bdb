#pragma once

#include <QTableWidget>
#include <functional>

class QTableView;

namespace controles {

// The windows' grid: a matrix of text cells addressed by (row, col) from 0. The first
// FixedRows rows and FixedCols columns are fixed: they hold headings, look apart and never
// become the current cell by the user's hand (code may still put it there). Sizes are in
// twips and colours BGR longs. The fixed rows stay in view while the others scroll. Cells
// are never edited in place: a window floats its own edit box over the current cell. Events
// raised by code (Row, Col) follow the same order as the user's: LeaveCell while the old
// cell is still current, then EnterCell.
class FlexGrid : public QTableWidget {
public:
    explicit FlexGrid(QWidget* padre = nullptr);

    int Rows() const { return rowCount(); }
    void SetRows(int filas);
    int Cols() const { return columnCount(); }
    void SetCols(int columnas);
    int FixedRows() const { return filasFijas_; }
    void SetFixedRows(int filas);
    int FixedCols() const { return columnasFijas_; }
    void SetFixedCols(int columnas);

    QString TextMatrix(int fila, int columna) const;
    void SetTextMatrix(int fila, int columna, const QString& texto);
    // The current cell's text.
    QString Text() const { return TextMatrix(fila_, columna_); }
    void SetText(const QString& texto) { SetTextMatrix(fila_, columna_, texto); }

    int Row() const { return fila_; }
    void SetRow(int fila);
    int Col() const { return columna_; }
    void SetCol(int columna);
    // The first scrollable row shown.
    int TopRow() const;
    void SetTopRow(int fila);

    int ColWidth(int columna) const;
    void SetColWidth(int columna, int twips);
    int RowHeight(int fila) const;
    void SetRowHeight(int fila, int twips);
    // Where the current cell lies within the grid.
    int CellLeft() const;
    int CellTop() const;
    int CellWidth() const;
    int CellHeight() const;
    // 0 while the current cell keeps the grid's colour.
    long CellBackColor() const;
    void SetCellBackColor(long bgr);

    void RemoveItem(int fila);
    // Empties every cell, fixed ones included; rows, columns and widths stay.
    void Clear();

    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void()> EnterCell;
    std::function<void()> LeaveCell;
    std::function<void()> GotFocus;
    // A handler that sets KeyCode or KeyAscii to 0 swallows the key.
    std::function<void(int& KeyCode, int Shift)> KeyDown;
    std::function<void(int& KeyAscii)> KeyPress;

protected:
    void currentChanged(const QModelIndex& actual, const QModelIndex& anterior) override;
    QModelIndex moveCursor(CursorAction accion, Qt::KeyboardModifiers modificadores) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void updateGeometries() override;

private:
    bool EsFija(int fila, int columna) const;
    void ValidarFila(int fila) const;
    void ValidarColumna(int columna) const;
    void PrepararCeldas(int filaDesde, int columnaDesde);
    void PrepararCelda(int fila, int columna);
    void AjustarCeldaActual();
    QRect RectanguloActual() const;
    void AjustarFilasFijas();
    void ColocarFilasFijas();

    // The fixed rows as shown: a second view of the same cells, in a margin above the
    // scrolling view, which hides them.
    QTableView* fijas_;

    int filasFijas_ = 1;
    int columnasFijas_ = 1;
    int fila_ = 0;
    int columna_ = 0;
    bool silencio_ = false;
};

} // namespace controles
