#include "platform/controls/FlexGrid.h"

#include "platform/controls/ErroresControles.h"
#include "platform/controls/TeclaTomada.h"
#include "platform/forms/CodigosTecla.h"
#include "platform/forms/Colores.h"
#include "platform/forms/Twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>

namespace controles {

namespace {

void Lanzar(const std::function<void()>& evento) {
    if (evento)
        evento();
}

// Structural changes move Qt's current cell on their own; the windows hear nothing of it.
class Silencio {
public:
    explicit Silencio(bool& bandera) : bandera_(bandera), antes_(bandera) { bandera_ = true; }
    ~Silencio() { bandera_ = antes_; }

private:
    bool& bandera_;
    bool antes_;
};

} // namespace

FlexGrid::FlexGrid(QWidget* padre) : QTableWidget(padre), fijas_(new QTableView(this)) {
    for (QTableView* vista : {static_cast<QTableView*>(this), fijas_}) {
        vista->horizontalHeader()->hide();
        vista->verticalHeader()->hide();
        vista->horizontalHeader()->setMinimumSectionSize(0); // a width of 0 hides a column
        vista->verticalHeader()->setMinimumSectionSize(0);
        vista->setEditTriggers(NoEditTriggers);
    }
    fijas_->setModel(model());
    fijas_->setFrameShape(QFrame::NoFrame);
    fijas_->setFocusPolicy(Qt::NoFocus);
    fijas_->setSelectionMode(NoSelection);
    fijas_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fijas_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fijas_->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, fijas_->horizontalScrollBar(),
            &QScrollBar::setValue);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setTabKeyNavigation(false); // Tab leaves the grid, as in the windows' other controls
    SetCols(2);
    SetRows(2);
}

void FlexGrid::SetRows(int filas) {
    if (filas < filasFijas_)
        LanzarErrorControl(errValorPropiedad);
    Silencio silencio(silencio_);
    const int antes = rowCount();
    setRowCount(filas);
    PrepararCeldas(antes, columnCount());
    AjustarFilasFijas();
    AjustarCeldaActual();
}

void FlexGrid::SetCols(int columnas) {
    if (columnas < columnasFijas_)
        LanzarErrorControl(errValorPropiedad);
    Silencio silencio(silencio_);
    const int antes = columnCount();
    setColumnCount(columnas);
    PrepararCeldas(rowCount(), antes);
    AjustarCeldaActual();
}

void FlexGrid::SetFixedRows(int filas) {
    if (filas < 0 || filas > rowCount())
        LanzarErrorControl(errValorPropiedad);
    Silencio silencio(silencio_);
    filasFijas_ = filas;
    PrepararCeldas(0, 0);
    AjustarFilasFijas();
    AjustarCeldaActual();
}

void FlexGrid::SetFixedCols(int columnas) {
    if (columnas < 0 || columnas > columnCount())
        LanzarErrorControl(errValorPropiedad);
    Silencio silencio(silencio_);
    columnasFijas_ = columnas;
    PrepararCeldas(0, 0);
    AjustarCeldaActual();
}

QString FlexGrid::TextMatrix(int fila, int columna) const {
    ValidarFila(fila);
    ValidarColumna(columna);
    return item(fila, columna)->text();
}

void FlexGrid::SetTextMatrix(int fila, int columna, const QString& texto) {
    ValidarFila(fila);
    ValidarColumna(columna);
    item(fila, columna)->setText(texto);
}

void FlexGrid::SetRow(int fila) {
    ValidarFila(fila);
    setCurrentCell(fila, columna_);
}

void FlexGrid::SetCol(int columna) {
    ValidarColumna(columna);
    setCurrentCell(fila_, columna);
}

int FlexGrid::TopRow() const {
    return qMax(rowAt(0), filasFijas_);
}

void FlexGrid::SetTopRow(int fila) {
    ValidarFila(fila);
    scrollTo(model()->index(fila, qMax(columna_, 0)), PositionAtTop);
}

int FlexGrid::ColWidth(int columna) const {
    ValidarColumna(columna);
    return ATwips(columnWidth(columna));
}

void FlexGrid::SetColWidth(int columna, int twips) {
    ValidarColumna(columna);
    setColumnWidth(columna, APixeles(twips));
    fijas_->setColumnWidth(columna, APixeles(twips));
}

int FlexGrid::RowHeight(int fila) const {
    ValidarFila(fila);
    return ATwips(fijas_->rowHeight(fila));
}

void FlexGrid::SetRowHeight(int fila, int twips) {
    ValidarFila(fila);
    setRowHeight(fila, APixeles(twips));
    fijas_->setRowHeight(fila, APixeles(twips));
    AjustarFilasFijas();
}

int FlexGrid::CellLeft() const {
    return ATwips(RectanguloActual().left());
}
int FlexGrid::CellTop() const {
    return ATwips(RectanguloActual().top());
}
int FlexGrid::CellWidth() const {
    return ATwips(RectanguloActual().width());
}
int FlexGrid::CellHeight() const {
    return ATwips(RectanguloActual().height());
}

long FlexGrid::CellBackColor() const {
    ValidarFila(fila_);
    ValidarColumna(columna_);
    const QBrush fondo = item(fila_, columna_)->background();
    return fondo.style() == Qt::NoBrush ? 0 : BGRDesdeColor(fondo.color());
}

void FlexGrid::SetCellBackColor(long bgr) {
    ValidarFila(fila_);
    ValidarColumna(columna_);
    item(fila_, columna_)->setBackground(ColorDesdeBGR(bgr));
}

void FlexGrid::RemoveItem(int fila) {
    ValidarFila(fila);
    Silencio silencio(silencio_);
    removeRow(fila);
    AjustarCeldaActual();
}

void FlexGrid::Clear() {
    for (int fila = 0; fila < rowCount(); ++fila)
        for (int columna = 0; columna < columnCount(); ++columna)
            item(fila, columna)->setText(QString());
}

void FlexGrid::currentChanged(const QModelIndex& actual, const QModelIndex& anterior) {
    QTableWidget::currentChanged(actual, anterior);
    if (!actual.isValid() || (actual.row() == fila_ && actual.column() == columna_))
        return;
    if (!silencio_)
        Lanzar(LeaveCell);
    fila_ = actual.row();
    columna_ = actual.column();
    if (!silencio_)
        Lanzar(EnterCell);
}

QModelIndex FlexGrid::moveCursor(CursorAction accion, Qt::KeyboardModifiers modificadores) {
    const QModelIndex destino = QTableWidget::moveCursor(accion, modificadores);
    if (destino.isValid() && EsFija(destino.row(), destino.column()))
        return currentIndex();
    return destino;
}

void FlexGrid::mousePressEvent(QMouseEvent* evento) {
    const QModelIndex celda = indexAt(evento->position().toPoint());
    if (celda.isValid() && EsFija(celda.row(), celda.column())) {
        evento->accept();
        return;
    }
    QTableWidget::mousePressEvent(evento);
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* evento) {
    QTableWidget::mouseReleaseEvent(evento);
    Lanzar(Click);
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* evento) {
    QTableWidget::mouseDoubleClickEvent(evento);
    Lanzar(DblClick);
}

void FlexGrid::keyPressEvent(QKeyEvent* evento) {
    if (TeclaTomada(*evento, KeyDown)) {
        evento->accept();
        return;
    }
    int caracter = CodigoAscii(*evento);
    if (caracter != 0) {
        // A typed key belongs to the window (it opens the edit box); the grid neither
        // searches nor edits with it.
        if (KeyPress)
            KeyPress(caracter);
        evento->accept();
        return;
    }
    QTableWidget::keyPressEvent(evento);
}

void FlexGrid::focusInEvent(QFocusEvent* evento) {
    QTableWidget::focusInEvent(evento);
    Lanzar(GotFocus);
}

bool FlexGrid::EsFija(int fila, int columna) const {
    return fila < filasFijas_ || columna < columnasFijas_;
}

void FlexGrid::ValidarFila(int fila) const {
    if (fila < 0 || fila >= rowCount())
        LanzarErrorControl(errIndicePropiedad);
}

void FlexGrid::ValidarColumna(int columna) const {
    if (columna < 0 || columna >= columnCount())
        LanzarErrorControl(errIndicePropiedad);
}

// Gives every cell from the given row (all columns) or column (earlier rows) an item, with
// the look and flags its fixity asks for.
void FlexGrid::PrepararCeldas(int filaDesde, int columnaDesde) {
    for (int fila = 0; fila < rowCount(); ++fila)
        for (int columna = fila >= filaDesde ? 0 : columnaDesde; columna < columnCount(); ++columna)
            PrepararCelda(fila, columna);
}

void FlexGrid::PrepararCelda(int fila, int columna) {
    QTableWidgetItem* celda = item(fila, columna);
    if (!celda) {
        celda = new QTableWidgetItem;
        setItem(fila, columna, celda);
    }
    const QColor colorFijo = palette().color(QPalette::Button);
    const bool fija = EsFija(fila, columna);
    celda->setFlags(fija ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    const QBrush fondo = celda->background();
    if (fija && fondo.style() == Qt::NoBrush)
        celda->setBackground(colorFijo);
    else if (!fija && fondo.style() != Qt::NoBrush && fondo.color() == colorFijo)
        celda->setBackground(QBrush());
}

// After rows or columns change, the current cell stays inside the grid and, while there
// are scrollable cells, out of the fixed ones.
void FlexGrid::AjustarCeldaActual() {
    if (rowCount() == 0 || columnCount() == 0) {
        fila_ = columna_ = 0;
        return;
    }
    int fila = qBound(0, currentRow() >= 0 ? currentRow() : fila_, rowCount() - 1);
    int columna = qBound(0, currentColumn() >= 0 ? currentColumn() : columna_, columnCount() - 1);
    if (EsFija(fila, columna) && rowCount() > filasFijas_ && columnCount() > columnasFijas_) {
        fila = qMax(fila, filasFijas_);
        columna = qMax(columna, columnasFijas_);
    }
    setCurrentCell(fila, columna);
    fila_ = fila;
    columna_ = columna;
}

QRect FlexGrid::RectanguloActual() const {
    const QModelIndex indice = model()->index(fila_, columna_);
    if (fila_ < filasFijas_)
        return fijas_->visualRect(indice).translated(fijas_->pos());
    return visualRect(indice).translated(viewport()->pos());
}

// The scrolling view starts below the fixed rows, which it hides; the fixed view shows them
// in the margin left above it.
void FlexGrid::AjustarFilasFijas() {
    for (int fila = 0; fila < rowCount(); ++fila)
        setRowHidden(fila, fila < filasFijas_);
    ColocarFilasFijas();
}

// Heights are read again at every layout: new rows take theirs once the views are laid out.
void FlexGrid::ColocarFilasFijas() {
    int alto = 0;
    for (int fila = 0; fila < qMin(filasFijas_, rowCount()); ++fila)
        alto += fijas_->rowHeight(fila);
    if (viewportMargins().top() != alto)
        setViewportMargins(0, alto, 0, 0);
    const QRect marco = contentsRect();
    fijas_->setGeometry(marco.left(), marco.top(), viewport()->width(), alto);
    fijas_->setVisible(alto > 0);
}

void FlexGrid::updateGeometries() {
    QTableWidget::updateGeometries();
    ColocarFilasFijas();
}

} // namespace controles
