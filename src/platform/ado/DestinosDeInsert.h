#pragma once

#include "platform/ado/EsquemaSqlite.h"
#include "platform/ado/ExpresionesSql.h"
#include "platform/ado/TokenSql.h"

#include <QHash>

namespace ado {

// Which column each value of an INSERT's value list or select list goes into.
class DestinosDeInsert {
public:
    struct Destino {
        Tramo valor;
        QString columna;
    };

    DestinosDeInsert(const TokensSql& t, const EsquemaSqlite& esquema);
    QString Tabla() const { return tabla_; }
    // The column a value written as one literal alone goes into; empty for any other token.
    QString ColumnaDe(int literal) const { return literales_.value(literal); }
    const QVector<Destino>& Valores() const { return valores_; }

private:
    int LeerColumnas(int i, const EsquemaSqlite& esquema);
    void LeerValores(int i);
    void LeerSelect(int i);
    void Asignar(int desde, int hasta, int posicion);

    const TokensSql& t_;
    QString tabla_;
    QStringList columnas_;
    QHash<int, QString> literales_;
    QVector<Destino> valores_;
};

} // namespace ado
