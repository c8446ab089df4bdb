#include "platform/runtime/Locale.h"

void Locale::Iniciar() {
    QLocale::setDefault(Elegir(QLocale::system()));
}

QLocale Locale::Elegir(const QLocale& sistema) {
    if (sistema.language() == QLocale::Spanish)
        return sistema;
    return QLocale(QLocale::Spanish, QLocale::Argentina);
}

QLocale Locale::Actual() {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

QChar Locale::SeparadorDecimal() {
    return QLocale().decimalPoint().at(0);
}

QChar Locale::SeparadorMiles() {
    const QString separador = QLocale().groupSeparator();
    return separador.isEmpty() ? QChar() : separador.at(0);
}

int Locale::DecimalesMoneda() {
    // Qt keeps the currency's digits private; a formatted unit amount shows them.
    const QString importe = QLocale().toCurrencyString(1.0, QStringLiteral("X"));
    const qsizetype punto = importe.indexOf(QLocale().decimalPoint());
    if (punto < 0)
        return 0;
    int decimales = 0;
    for (qsizetype i = punto + 1; i < importe.size() && importe.at(i).isDigit(); ++i)
        ++decimales;
    return decimales;
}

// Every Spanish locale the program meets is day-first, but their short formats differ in
// separator and year width; the SQL written from these dates needs one fixed day-first form.
QString Locale::FormatoFechaCorta() {
    return QStringLiteral("dd/MM/yyyy");
}
