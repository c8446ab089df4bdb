#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

// Every test program runs offscreen with the locale the program uses for Spanish users, so
// dates and numbers read and print the same on any machine.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
