#include "platform/runtime/Fechas.h"

#include "platform/runtime/ErrorVb.h"
#include "platform/runtime/Locale.h"
#include "platform/runtime/Variantes.h"

#include <QRegularExpression>
#include <optional>

namespace vb {

namespace {

std::optional<QDateTime> Leer(const QString& texto) {
    static const QRegularExpression patron(
        QStringLiteral("^ *([0-9]{1,2})([/-])([0-9]{1,2})\\2([0-9]{2}|[0-9]{4})"
                       "(?: +([0-9]{1,2}):([0-9]{1,2})(?::([0-9]{1,2}))?)? *$"));
    const QRegularExpressionMatch partes = patron.match(texto);
    if (!partes.hasMatch())
        return std::nullopt;
    int anio = partes.captured(4).toInt();
    if (partes.captured(4).size() == 2)
        anio += anio < 30 ? 2000 : 1900;
    const QDate fecha(anio, partes.captured(3).toInt(), partes.captured(1).toInt());
    QTime hora(0, 0);
    if (!partes.captured(5).isEmpty())
        hora = QTime(partes.captured(5).toInt(), partes.captured(6).toInt(),
                     partes.captured(7).toInt());
    if (!fecha.isValid() || !hora.isValid())
        return std::nullopt;
    return QDateTime(fecha, hora);
}

QString Numero(int valor, qsizetype cifras) {
    return QString::number(valor).rightJustified(int(cifras), u'0');
}

// One run of the same letter of a pattern; a null text when the run is no field and is copied
// as it stands. "m" right after an hour is minutes, elsewhere the month.
QString Valor(const QDateTime& fecha, char16_t letra, qsizetype largo, bool trasHora) {
    if (letra == u'y') {
        if (largo == 2)
            return Numero(fecha.date().year() % 100, 2);
        return largo == 4 ? Numero(fecha.date().year(), 4) : QString();
    }
    if (largo > 2)
        return {};
    switch (letra) {
    case u'd':
        return Numero(fecha.date().day(), largo);
    case u'm':
        return Numero(trasHora ? fecha.time().minute() : fecha.date().month(), largo);
    case u'h':
        return Numero(fecha.time().hour(), largo);
    case u'n':
        return Numero(fecha.time().minute(), largo);
    case u's':
        return Numero(fecha.time().second(), largo);
    default:
        return {};
    }
}

QString Campo(const QDateTime& fecha, char16_t letra, qsizetype largo, bool& trasHora) {
    const QString texto = Valor(fecha, letra, largo, trasHora);
    if (!texto.isNull())
        trasHora = letra == u'h';
    return texto;
}

} // namespace

bool IsDate(const QVariant& valor) {
    switch (valor.metaType().id()) {
    case QMetaType::QDate:
        return valor.toDate().isValid();
    case QMetaType::QDateTime:
        return valor.toDateTime().isValid();
    case QMetaType::QString:
        return Leer(valor.toString()).has_value();
    default:
        return false;
    }
}

QDateTime CDate(const QVariant& valor) {
    if (IsNull(valor))
        Raise(94);
    if (valor.metaType().id() == QMetaType::QDateTime)
        return valor.toDateTime();
    if (valor.metaType().id() == QMetaType::QDate)
        return QDateTime(valor.toDate(), QTime(0, 0));
    if (valor.metaType().id() == QMetaType::QString) {
        if (const auto fecha = Leer(valor.toString()))
            return *fecha;
    }
    Raise(13);
}

QDateTime Now() {
    const QDateTime ahora = QDateTime::currentDateTime();
    return ahora.addMSecs(-ahora.time().msec());
}

QDate Date() {
    return QDate::currentDate();
}

QString Format(const QDateTime& fecha, const QString& patron) {
    if (patron.compare(QStringLiteral("Short Date"), Qt::CaseInsensitive) == 0)
        return FechaCorta(fecha.date());
    QString texto;
    bool trasHora = false;
    for (qsizetype i = 0; i < patron.size();) {
        const char16_t letra = patron.at(i).toLower().unicode();
        qsizetype largo = 1;
        while (i + largo < patron.size() && patron.at(i + largo).toLower() == letra)
            ++largo;
        const QString campo = Campo(fecha, letra, largo, trasHora);
        texto += campo.isNull() ? patron.mid(i, largo) : campo;
        i += largo;
    }
    return texto;
}

QString Format(const QDate& fecha, const QString& patron) {
    return Format(QDateTime(fecha, QTime(0, 0)), patron);
}

QString FechaCorta(const QDate& fecha) {
    return Locale::Actual().toString(fecha, Locale::FormatoFechaCorta());
}

} // namespace vb
