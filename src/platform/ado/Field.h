#pragma once

#include <QString>
#include <QVariant>

namespace ado {

class Recordset;

// A handle on one column of a recordset: its value is that of the current row (or of the
// row being edited after AddNew).
class Field {
public:
    Field(Recordset* recordset, int indice) : rs_(recordset), indice_(indice) {}

    QString Name() const;
    int Type() const;
    long DefinedSize() const;
    QVariant Value() const;
    void SetValue(const QVariant& valor);
    Field& operator=(const QVariant& valor) {
        SetValue(valor);
        return *this;
    }
    bool IsNull() const { return Value().isNull(); }

private:
    Recordset* rs_;
    int indice_;
};

} // namespace ado
