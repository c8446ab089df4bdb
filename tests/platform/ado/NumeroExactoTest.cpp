#include "platform/ado/NumeroExacto.h"

#include <gtest/gtest.h>

using namespace ado;

namespace {

QString Texto(const std::optional<NumeroExacto>& n) {
    return n ? n->ATexto() : QStringLiteral("-");
}

const QString kTreintaYOcho(38, u'9');

TEST(NumeroExacto, LeeLosTextosQueElServidorLee) {
    const std::pair<QString, QString> casos[] = {
        {" -0.50 ", "-0.50"},
        {"5.", "5"},
        {".5", "0.5"},
        {"+007", "7"},
        {".", "-"},
        {"", "-"},
        {"1e3", "-"},
        {"1.2.3", "-"},
        {"- 5", "-"},
        {"5 5", "-"},
        {"0000" + kTreintaYOcho, kTreintaYOcho},
        {"1" + kTreintaYOcho, "-"},
        {"0." + QString(38, u'0'), "0." + QString(38, u'0')},
        {"0." + QString(39, u'0'), "-"}};
    for (const auto& [texto, leido] : casos)
        EXPECT_EQ(Texto(NumeroExacto::DesdeTexto(texto)), leido) << texto.toStdString();
}

TEST(NumeroExacto, UnTextoEnUnEnteroSoloLlevaSignoYCifras) {
    const std::pair<const char*, const char*> casos[] = {
        {"", "0"},    {" - ", "0"}, {"+", "0"}, {" -05 ", "-5"},
        {"5.0", "-"}, {"5 5", "-"}, {"x", "-"}};
    for (const auto& [texto, leido] : casos)
        EXPECT_EQ(Texto(NumeroExacto::DesdeTextoDelServidor(QString::fromLatin1(texto), true)),
                  QString::fromLatin1(leido))
            << texto;
    EXPECT_EQ(Texto(NumeroExacto::DesdeTextoDelServidor(QStringLiteral("5.0"), false)), "5.0");
}

// Halves go away from zero; cutting drops the digits; negative places round tens and hundreds.
TEST(NumeroExacto, RedondeaLasMitadesLejosDelCero) {
    const NumeroExacto n015(15, 2), n0149(149, 3), n1250(12500, 1);
    EXPECT_EQ(Texto(n015.AEscala(1)), "0.2");
    EXPECT_EQ(Texto(NumeroExacto(-15, 2).AEscala(1)), "-0.2");
    EXPECT_EQ(Texto(n0149.AEscala(1)), "0.1");
    EXPECT_EQ(Texto(n015.AEscala(1, true)), "0.1");
    EXPECT_EQ(Texto(n015.AEscala(4)), "0.1500");
    EXPECT_EQ(Texto(NumeroExacto(12345678, 4).Redondeado(-2, false)), "1200.0000");
    EXPECT_EQ(Texto(n1250.Redondeado(-2, false)), "1300.0");
    EXPECT_EQ(Texto(NumeroExacto(-12500, 1).Redondeado(-2, false)), "-1300.0");
    EXPECT_EQ(Texto(NumeroExacto(-12499, 1).Redondeado(-2, false)), "-1200.0");
    EXPECT_EQ(Texto(n1250.Redondeado(-2, true)), "1200.0");
    EXPECT_EQ(Texto(n1250.Redondeado(-40, false)), "0.0");
    // Rounding up past 38 digits no longer fits.
    const auto nueves = NumeroExacto::DesdeTexto(kTreintaYOcho);
    EXPECT_EQ(Texto(nueves->Redondeado(-1, false)), "-");
    EXPECT_EQ(Texto(nueves->Redondeado(-1, true)), kTreintaYOcho.left(37) + "0");
    EXPECT_EQ(Texto(nueves->AEscala(1)), "-");
}

TEST(NumeroExacto, OperaSinPerderCifras) {
    const auto a = NumeroExacto::DesdeTexto(QStringLiteral("0.1"));
    const auto b = NumeroExacto::DesdeTexto(QStringLiteral("-0.25"));
    EXPECT_EQ(Texto(NumeroExacto::Operar('+', *a, *b)), "-0.15");
    EXPECT_EQ(Texto(NumeroExacto::Operar('-', *a, *b)), "0.35");
    EXPECT_EQ(Texto(NumeroExacto::Operar('*', *a, *b)), "-0.025");
    const auto nueves = NumeroExacto::DesdeTexto(kTreintaYOcho);
    EXPECT_EQ(Texto(NumeroExacto::Operar('+', *nueves, NumeroExacto(1, 0))), "-");
    EXPECT_EQ(Texto(NumeroExacto::Operar('-', *nueves, NumeroExacto(1, 0))),
              kTreintaYOcho.left(37) + "8");
    EXPECT_EQ(Texto(NumeroExacto::Operar('*', *nueves, NumeroExacto(10, 0))), "-");
    EXPECT_EQ(nueves->DigitosEnteros(), 38);
    EXPECT_EQ(NumeroExacto(99999, 4).DigitosEnteros(), 1);
    EXPECT_EQ(NumeroExacto(9999, 4).DigitosEnteros(), 0);
}

// A double stands for the decimal of its shortest text.
TEST(NumeroExacto, UnDoubleEsElDecimalQueMuestra) {
    EXPECT_EQ(Texto(NumeroExacto::DesdeDouble(0.1, 4)), "0.1000");
    EXPECT_EQ(Texto(NumeroExacto::DesdeDouble(2.675, 2)), "2.68");
    EXPECT_EQ(Texto(NumeroExacto::DesdeDouble(-2.5, 0)), "-3");
    EXPECT_EQ(Texto(NumeroExacto::DesdeDouble(0.1 * 3, -1)), "0.30000000000000004");
    EXPECT_EQ(NumeroExacto(3, 1).ADouble(), 0.3);
    EXPECT_EQ(Texto(NumeroExacto::DesdeDouble(1e38, 0)), "-");
}

} // namespace
