#include "dobles/NavegadorGrabador.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

// Every test program runs offscreen, its windows with the recording browser, with the locale the
// program uses for Spanish users, so dates and numbers read and print the same on any machine.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    // Windows get the recording browser: no test needs the engine but its own.
    Navegador::EstablecerFabrica([](QWidget* padre) { return new NavegadorGrabador(padre); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
