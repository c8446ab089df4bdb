#include "platform/dialogs/CodigosMsgBox.h"

#include "platform/dialogs/DialogosQt.h"

#include <gtest/gtest.h>

namespace {

struct CasoBotones {
    int codigo;
    std::vector<int> respuestas;
    int predeterminada;
    int escape;
};

class BotonesMsgBox : public ::testing::TestWithParam<CasoBotones> {};

TEST_P(BotonesMsgBox, BotonesPredeterminadoYEscape) {
    const CasoBotones& caso = GetParam();
    EXPECT_EQ(RespuestasDeBotones(caso.codigo), caso.respuestas);
    EXPECT_EQ(RespuestaPredeterminada(caso.codigo), caso.predeterminada);
    EXPECT_EQ(RespuestaEscape(caso.codigo), caso.escape);
}

INSTANTIATE_TEST_SUITE_P(
    Codigos, BotonesMsgBox,
    ::testing::Values(
        CasoBotones{vbOKOnly, {vbOK}, vbOK, vbOK}, CasoBotones{vbInformation, {vbOK}, vbOK, vbOK},
        CasoBotones{vbOKCancel | vbDefaultButton2, {vbOK, vbCancel}, vbCancel, vbCancel},
        CasoBotones{18, {vbAbort, vbRetry, vbIgnore}, vbAbort, 0},
        CasoBotones{
            vbAbortRetryIgnore | vbDefaultButton3, {vbAbort, vbRetry, vbIgnore}, vbIgnore, 0},
        CasoBotones{vbYesNoCancel | vbQuestion, {vbYes, vbNo, vbCancel}, vbYes, vbCancel},
        CasoBotones{20, {vbYes, vbNo}, vbYes, 0},
        CasoBotones{vbYesNo | vbDefaultButton2, {vbYes, vbNo}, vbNo, 0},
        // A default button the set does not have falls back on the first.
        CasoBotones{vbYesNo | vbDefaultButton3, {vbYes, vbNo}, vbYes, 0},
        CasoBotones{vbRetryCancel | vbExclamation, {vbRetry, vbCancel}, vbRetry, vbCancel}));

TEST(CodigosMsgBox, ElIconoSeSeparaDeLosBotones) {
    EXPECT_EQ(IconoDe(18), vbCritical);
    EXPECT_EQ(IconoDe(vbYesNo | vbQuestion | vbDefaultButton2), vbQuestion);
    EXPECT_EQ(IconoDe(vbOKOnly), 0);
}

TEST(DialogosQt, FiltroDeArchivos) {
    EXPECT_EQ(DialogosQt::FiltroQt(QStringLiteral("Base de Datos de Microsoft Access |*.MDB")),
              QStringLiteral("Base de Datos de Microsoft Access (*.MDB)"));
    EXPECT_EQ(DialogosQt::FiltroQt(QStringLiteral("Textos|*.txt;*.log|Todos|*.*")),
              QStringLiteral("Textos (*.txt *.log);;Todos (*.*)"));
    EXPECT_EQ(DialogosQt::FiltroQt(QString()), QString());
}

} // namespace
