#include "platform/forms/FuenteVentanas.h"

namespace {

const QString Familia = QStringLiteral("Liberation Sans Narrow");
constexpr int PixelesLetra = 11;

} // namespace

QFont FuenteVentanas() {
    static const bool sustituida = [] {
        QFont::insertSubstitution(QStringLiteral("Tahoma"), Familia);
        return true;
    }();
    Q_UNUSED(sustituida);
    QFont fuente(Familia);
    fuente.setPixelSize(PixelesLetra);
    return fuente;
}
