#include "platform/runtime/Variantes.h"

namespace vb {

bool IsNull(const QVariant& valor) {
    return !valor.isValid() || valor.isNull();
}

bool EsEntero(const QVariant& valor) {
    switch (valor.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool EsReal(const QVariant& valor) {
    const int tipo = valor.metaType().id();
    return tipo == QMetaType::Double || tipo == QMetaType::Float;
}

} // namespace vb
