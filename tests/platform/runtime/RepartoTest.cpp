#include "platform/runtime/Reparto.h"

#include <gtest/gtest.h>

namespace {

Currency C(const char* texto) {
    return Currency::DesdeTexto(QString::fromLatin1(texto));
}

std::vector<Currency> Lista(std::initializer_list<const char*> textos) {
    std::vector<Currency> lista;
    for (const char* t : textos)
        lista.push_back(C(t));
    return lista;
}

Currency Suma(const std::vector<Currency>& partes) {
    Currency s;
    for (const Currency& p : partes)
        s += p;
    return s;
}

} // namespace

TEST(Reparto, ThirdsAddUpToTheLineWithTheRemainderOnTheLast) {
    const auto tercios = Lista({"33,33", "33,33", "33,34"});
    for (const char* linea : {"10", "0,05", "1000,01", "8883,29", "0,01"}) {
        const auto partes = RepartirImporte(C(linea), tercios);
        EXPECT_EQ(Suma(partes), C(linea)) << linea;
        for (const Currency& p : partes)
            EXPECT_EQ(p, p.Redondear(2)) << linea;
    }
    EXPECT_EQ(RepartirImporte(C("10"), tercios), Lista({"3,33", "3,33", "3,34"}));
    EXPECT_EQ(RepartirImporte(C("1000,01"), tercios), Lista({"333,3", "333,3", "333,41"}));
}

TEST(Reparto, PercentagesShortOfAHundredSplitThatShareAndNegativeAmountsKeepTheirSign) {
    EXPECT_EQ(RepartirImporte(C("1000"), Lista({"60"})), Lista({"600"}));
    EXPECT_EQ(RepartirImporte(C("-10"), Lista({"33,33", "33,33", "33,34"})),
              Lista({"-3,33", "-3,33", "-3,34"}));
    EXPECT_TRUE(RepartirImporte(C("10"), {}).empty());
}
