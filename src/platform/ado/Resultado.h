#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

namespace ado {

// Description of one column of a result, as the provider reports it.
struct Columna {
    QString nombre;
    int tipo = 0;        // data-type code (AdoTipos.h)
    long tamano = 0;     // declared size of text columns, else the type's size
    QString tabla;       // base table of the column, empty for expressions
    QString columnaBase; // name of the column in that table
    int escala = -1;     // decimals of an exact number (money 4); -1 when not known
};

// A whole result read into memory, as client cursors hold it: moving around such a recordset
// never goes back to the database.
struct Resultado {
    QVector<Columna> columnas;
    QVector<QVector<QVariant>> filas;
};

} // namespace ado
