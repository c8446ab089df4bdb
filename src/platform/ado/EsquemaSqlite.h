#pragma once

#include <QHash>
#include <QString>
#include <QVector>

namespace ado {

// Column types of the embedded database's tables and views, as far as the translator
// needs them: which columns hold dates, and the order of a table's columns.
class EsquemaSqlite {
public:
    enum ClaseColumna { Otra, Fecha, FechaHora };
    struct ColumnaEsquema {
        QString nombre;
        QString tipoDeclarado;
        bool generada = false; // computed from others; an INSERT never names it
    };

    void AgregarTabla(const QString& tabla, QVector<ColumnaEsquema> columnas);
    bool Existe(const QString& tabla) const { return tablas_.contains(tabla.toLower()); }
    // Columns of a table or view in their declared order; empty for an unknown name.
    QVector<ColumnaEsquema> Columnas(const QString& tabla) const;
    // The columns an INSERT without a column list fills, in order.
    QStringList ColumnasInsertables(const QString& tabla) const;
    ClaseColumna ClaseDe(const QString& tabla, const QString& columna) const;
    // The type a column was declared with; empty for an unknown one.
    QString TipoDe(const QString& tabla, const QString& columna) const;

    static ClaseColumna ClaseDeTipo(const QString& tipoDeclarado);

private:
    QHash<QString, QVector<ColumnaEsquema>> tablas_;
};

} // namespace ado
