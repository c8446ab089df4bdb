#pragma once

#include <QLocale>
#include <QString>

// The one decision about how the program reads and writes dates and numbers. Every format and
// parse of the runtime asks here, never the C locale: the SQL the program builds assumes
// day-first dates.
class Locale {
public:
    // Installs the program's locale as the process default; called once at start-up.
    static void Iniciar();
    // The user's locale when its language is Spanish, otherwise Spanish (Argentina).
    static QLocale Elegir(const QLocale& sistema);
    // The installed locale, set to write numbers without grouping.
    static QLocale Actual();
    static QChar SeparadorDecimal();
    static QChar SeparadorMiles();
    // Decimals of the locale's currency (2 for Spanish (Argentina)); 0 when it has none.
    static int DecimalesMoneda();
    // Pattern (Qt syntax) of the regional short date.
    static QString FormatoFechaCorta();
};
