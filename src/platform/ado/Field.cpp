#include "platform/ado/Field.h"

#include "platform/ado/Recordset.h"

namespace ado {

QString Field::Name() const {
    return rs_->ColumnaEn(indice_).nombre;
}

int Field::Type() const {
    return rs_->ColumnaEn(indice_).tipo;
}

long Field::DefinedSize() const {
    return rs_->ColumnaEn(indice_).tamano;
}

QVariant Field::Value() const {
    return rs_->ValorEn(indice_);
}

void Field::SetValue(const QVariant& valor) {
    rs_->CambiarValor(indice_, valor);
}

} // namespace ado
