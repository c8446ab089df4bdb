#include "platform/dialogs/TraduccionQt.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString Traducido(const char* contexto, const char* texto) {
    return QCoreApplication::translate(contexto, texto);
}

// The printer dialog's own texts and the standard buttons come in Spanish once installed; a
// folder without the file leaves Qt's English as it was, without a word.
TEST(TraduccionQt, LosDialogosDeQtHablanEspanol) {
    QTemporaryDir vacia;
    EXPECT_FALSE(TraduccionQt::Instalar(vacia.path()));
    EXPECT_EQ(Traducido("QPrintDialog", "Print"), QStringLiteral("Print"));

    ASSERT_TRUE(TraduccionQt::Instalar())
        << "qtbase_es.qm missing in " << TraduccionQt::CarpetaQt().toStdString()
        << " (package qt6-translations-l10n)";
    EXPECT_EQ(Traducido("QPrintDialog", "Print"), QStringLiteral("Imprimir"));
    EXPECT_EQ(Traducido("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
}

} // namespace
