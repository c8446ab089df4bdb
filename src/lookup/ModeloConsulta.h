#pragma once

#include "platform/ado/TextosDeFilas.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// The rows of a lookup list, read once from the recordset and kept as the texts the list
// shows. The cells' texts live in one block in the order they were read; the order the user
// sees is a permutation over them, so sorting a large list moves indices, never texts. Rows
// are addressed in the order shown.
class ModeloConsulta : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // One row being added: its cells, and the colour of its text (invalid for none).
    struct Fila {
        QStringList Celdas;
        QColor Color;
    };

    // New captions; the rows go with the old ones.
    void FijarColumnas(const QStringList& titulos);
    // Replaces every row at once; each row holds one cell per column.
    void FijarFilas(std::vector<QString> celdas, std::vector<QColor> colores,
                    std::vector<char> marcas);
    void FijarFilas(ado::TextosDeFilas celdas, std::vector<QColor> colores,
                    std::vector<char> marcas);
    void Vaciar();

    // With check boxes the first column carries a tick the user can toggle.
    bool Casillas() const { return casillas_; }
    void SetCasillas(bool casillas);

    int Filas() const { return int(orden_.size()); }
    int Columnas() const { return int(titulos_.size()); }
    QString Titulo(int columna) const { return titulos_.value(columna); }
    QString Celda(int fila, int columna) const { return Vista(fila, columna).toString(); }
    void SetCelda(int fila, int columna, const QString& texto);
    bool Marcada(int fila) const;
    void SetMarcada(int fila, bool marcada);

    // The first row, in the order shown, whose cell in the column begins with `texto`
    // (blanks around the text and before the cell ignored, letter case ignored); -1 when none
    // does.
    int Buscar(int columna, QStringView texto) const;

    // Text order without regard to case; equal texts keep their order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int rol) override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;

private:
    int Origen(int fila) const { return orden_[size_t(fila)]; }
    size_t IndiceCelda(int fila, int columna) const {
        return size_t(Origen(fila)) * size_t(titulos_.size()) + size_t(columna);
    }
    QStringView Vista(int fila, int columna) const {
        return celdas_.Celda(IndiceCelda(fila, columna));
    }

    QStringList titulos_;
    ado::TextosDeFilas celdas_;   // row after row, in the order read
    std::vector<QColor> colores_; // per row read; empty when no row is coloured
    std::vector<char> marcas_;    // per row read
    std::vector<int> orden_;      // rows read, in the order shown
    bool casillas_ = false;
};
