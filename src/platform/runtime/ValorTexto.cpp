#include "platform/runtime/ValorTexto.h"

#include "platform/runtime/Currency.h"
#include "platform/runtime/Fechas.h"
#include "platform/runtime/Locale.h"
#include "platform/runtime/Variantes.h"

namespace vb {

namespace {

QString TextoFecha(const QDateTime& fecha) {
    if (!fecha.isValid())
        return {};
    QString texto = FechaCorta(fecha.date());
    if (fecha.time() != QTime(0, 0))
        texto += u' ' + Format(fecha, QStringLiteral("hh:mm:ss"));
    return texto;
}

// Fifteen significant digits, as the classic runtime shows a double.
QString TextoReal(double valor) {
    if (valor == 0)
        return QStringLiteral("0");
    return Locale::Actual().toString(valor, 'g', 15).replace(u'e', u'E');
}

} // namespace

QString ValorTexto(const QVariant& valor) {
    // Most values of a list are texts already: they go first, as they are.
    if (valor.metaType() == QMetaType::fromType<QString>())
        return *static_cast<const QString*>(valor.constData());
    if (IsNull(valor))
        return {};
    if (valor.metaType() == QMetaType::fromType<Currency>())
        return valor.value<Currency>().ATexto();
    switch (valor.metaType().id()) {
    case QMetaType::QDate:
        return TextoFecha(QDateTime(valor.toDate(), QTime(0, 0)));
    case QMetaType::QDateTime:
        return TextoFecha(valor.toDateTime());
    case QMetaType::Bool:
        return valor.toBool() ? QStringLiteral("Verdadero") : QStringLiteral("Falso");
    default:
        break;
    }
    if (EsReal(valor))
        return TextoReal(valor.toDouble());
    return valor.toString();
}

} // namespace vb
