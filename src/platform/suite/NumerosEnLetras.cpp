#include "platform/suite/NumerosEnLetras.h"

#include "platform/runtime/Currency.h"

#include <QStringList>

namespace suite {
namespace {

const char* const Unidades[] = {
    "CERO",         "UNO",         "DOS",        "TRES",        "CUATRO",     "CINCO",
    "SEIS",         "SIETE",       "OCHO",       "NUEVE",       "DIEZ",       "ONCE",
    "DOCE",         "TRECE",       "CATORCE",    "QUINCE",      "DIECISEIS",  "DIECISIETE",
    "DIECIOCHO",    "DIECINUEVE",  "VEINTE",     "VEINTIUNO",   "VEINTIDOS",  "VEINTITRES",
    "VEINTICUATRO", "VEINTICINCO", "VEINTISEIS", "VEINTISIETE", "VEINTIOCHO", "VEINTINUEVE"};
const char* const Decenas[] = {"",          "",        "",        "TREINTA", "CUARENTA",
                               "CINCUENTA", "SESENTA", "SETENTA", "OCHENTA", "NOVENTA"};
const char* const Centenas[] = {
    "",           "CIENTO",      "DOSCIENTOS",  "TRESCIENTOS", "CUATROCIENTOS",
    "QUINIENTOS", "SEISCIENTOS", "SETECIENTOS", "OCHOCIENTOS", "NOVECIENTOS"};

constexpr quint64 Mil = 1000;
constexpr quint64 Millon = 1000000;
constexpr quint64 Billon = Millon * Millon;

// Below one hundred; `apocope` for a count that a MIL, MILLON or BILLON follows.
QString Menor100(quint64 n, bool apocope) {
    if (apocope && n == 1)
        return QStringLiteral("UN");
    if (apocope && n == 21)
        return QStringLiteral("VEINTIUN");
    if (n < 30)
        return QString::fromLatin1(Unidades[n]);
    QString texto = QString::fromLatin1(Decenas[n / 10]);
    if (n % 10 != 0)
        texto += QStringLiteral(" Y ") + Menor100(n % 10, apocope);
    return texto;
}

QString Menor1000(quint64 n, bool apocope) {
    if (n == 100)
        return QStringLiteral("CIEN");
    if (n < 100)
        return Menor100(n, apocope);
    QString texto = QString::fromLatin1(Centenas[n / 100]);
    if (n % 100 != 0)
        texto += u' ' + Menor100(n % 100, apocope);
    return texto;
}

// Below a million, never zero.
QString Menor1000000(quint64 n, bool apocope) {
    QStringList partes;
    if (n >= Mil)
        partes << Menor1000(n / Mil, true) + QStringLiteral(" MIL");
    if (n % Mil != 0)
        partes << Menor1000(n % Mil, apocope);
    return partes.join(u' ');
}

QString Cantidad(quint64 n, const char* singular, const char* plural) {
    return Menor1000000(n, true) + u' ' + QString::fromLatin1(n == 1 ? singular : plural);
}

QString Entero(quint64 n) {
    if (n == 0)
        return QString::fromLatin1(Unidades[0]);
    QStringList partes;
    if (n >= Billon)
        partes << Cantidad(n / Billon, "BILLON", "BILLONES");
    if ((n / Millon) % Millon != 0)
        partes << Cantidad((n / Millon) % Millon, "MILLON", "MILLONES");
    if (n % Millon != 0)
        partes << Menor1000000(n % Millon, false);
    return partes.join(u' ');
}

} // namespace

QString EnLetras(const Currency& importe) {
    const qint64 escalado = importe.Redondear(2).Escalado();
    const quint64 absoluto = escalado < 0 ? 0 - quint64(escalado) : quint64(escalado);
    const quint64 centavos = absoluto / 100;
    QString texto = Entero(centavos / 100) + QStringLiteral(" CON ") +
                    QString::number(centavos % 100).rightJustified(2, u'0') +
                    QStringLiteral("/100");
    return escalado < 0 ? QStringLiteral("MENOS ") + texto : texto;
}

} // namespace suite
