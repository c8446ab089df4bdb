#include "platform/runtime/Reparto.h"

#include <gtest/gtest.h>
#include <limits>

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
        const auto partes = RepartirImporte(C(linea), tercios, 2);
        EXPECT_EQ(Suma(partes), C(linea)) << linea;
        for (const Currency& p : partes)
            EXPECT_EQ(p, p.Redondear(2)) << linea;
    }
    EXPECT_EQ(RepartirImporte(C("10"), tercios, 2), Lista({"3,33", "3,33", "3,34"}));
    EXPECT_EQ(RepartirImporte(C("1000,01"), tercios, 2), Lista({"333,3", "333,3", "333,41"}));
}

TEST(Reparto, PercentagesShortOfAHundredSplitThatShareAndNegativeAmountsKeepTheirSign) {
    EXPECT_EQ(RepartirImporte(C("1000"), Lista({"60"}), 2), Lista({"600"}));
    // Half a unit rounds to even, as every amount does.
    EXPECT_EQ(RepartirImporte(C("0,05"), Lista({"50"}), 2), Lista({"0,02"}));
    EXPECT_EQ(RepartirImporte(C("-0,07"), Lista({"50"}), 2), Lista({"-0,04"}));
    EXPECT_EQ(RepartirImporte(C("-10"), Lista({"33,33", "33,33", "33,34"}), 2),
              Lista({"-3,33", "-3,33", "-3,34"}));
    EXPECT_TRUE(RepartirImporte(C("10"), {}, 2).empty());
}

// Every precision from none to four decimals: the rows are rounded to it and make the line
// exactly, also for the largest legal amounts, whose product by a hundred is out of range.
TEST(Reparto, CadaPrecisionYLosImportesExtremos) {
    const auto tercios = Lista({"33,33", "33,33", "33,34"});
    const std::pair<const char*, int> casos[] = {{"10,005", 3},
                                                 {"1000,001", 3},
                                                 {"0,0001", 4},
                                                 {"7", 0},
                                                 {"-0,0007", 4},
                                                 {"10000000000000", 2},
                                                 {"50000000000000", 2},
                                                 {"922337203685477,5807", 4},
                                                 {"-922337203685477,5808", 4}};
    for (const auto& [linea, decimales] : casos) {
        const auto partes = RepartirImporte(C(linea), tercios, decimales);
        EXPECT_EQ(Suma(partes), C(linea)) << linea;
        for (size_t i = 0; i + 1 < partes.size(); ++i)
            EXPECT_EQ(partes[i], partes[i].Redondear(decimales)) << linea;
    }
    EXPECT_EQ(RepartirImporte(C("10,005"), tercios, 3), Lista({"3,334", "3,335", "3,336"}));
    EXPECT_EQ(RepartirImporte(C("50000000000000"), Lista({"60"}), 2), Lista({"30000000000000"}));
}

namespace {

using Ancho = __int128;

// Each share has the amount's sign or is 0, lies within one unit of the precision of its exact
// part (amount times percentage over 100, worked out here in whole numbers), and the shares
// make the amount.
void Comprobar(const char* linea, std::initializer_list<const char*> porcentajes, int decimales) {
    const std::vector<Currency> p = Lista(porcentajes);
    const Currency importe = C(linea);
    const std::vector<Currency> partes = RepartirImporte(importe, p, decimales);
    Ancho unidad = 1000000, suma = 0;
    for (int i = decimales; i < 4; ++i)
        unidad *= 10;
    for (size_t i = 0; i < partes.size(); ++i) {
        const Ancho desvio =
            Ancho(partes[i].Escalado()) * 1000000 - Ancho(importe.Escalado()) * p[i].Escalado();
        EXPECT_LT(desvio < 0 ? -desvio : desvio, unidad) << linea << " fila " << i;
        EXPECT_FALSE(importe < Currency() ? partes[i] > Currency() : partes[i] < Currency())
            << linea << " fila " << i << ": " << partes[i].ATexto().toStdString();
        EXPECT_EQ(partes[i], partes[i].Redondear(decimales)) << linea;
        suma += partes[i].Escalado();
    }
    EXPECT_EQ(suma, Ancho(importe.Escalado())) << linea;
}

} // namespace

// What rounding leaves over never turns a share against the line, however small that share.
TEST(Reparto, NingunaParteCambiaDeSignoNiSeAlejaDeSuParte) {
    const auto octavos = {"12,5", "12,5", "12,5", "12,5", "12,5", "12,5", "12,5", "12,4", "0,1"};
    for (const char* linea : {"10,04", "0,05", "-10,04", "1"})
        Comprobar(linea, octavos, 2);
    for (const char* linea : {"5", "-5"})
        Comprobar(linea, {"30", "30", "30", "10"}, 0);
    Comprobar("0,005", {"30", "30", "30", "10"}, 3);
    Comprobar("65236,17", {"33,3333", "33,3333", "33,3333", "0,0001"}, 2);
    Comprobar("65236,17", {"99,9999", "0,0001"}, 2);
    Comprobar("-922337203685477,58", {"33,33", "33,33", "33,34"}, 2);
    // A line finer than the precision: one share carries what lies below it.
    EXPECT_EQ(Suma(RepartirImporte(C("10,005"), Lista({"50", "50"}), 2)), C("10,005"));
}

// At the top of the range no sum on the way passes it.
TEST(Reparto, ElTopeDelRangoSinDesbordar) {
    Comprobar("922337203685477,58", {"33,33", "33,33", "33,34"}, 2);
    Comprobar("922337203685477,58", {"10", "10", "10", "10", "10", "10", "10", "10", "10", "10"},
              2);
    Comprobar("922337203685477,5", {"25", "25", "25", "25"}, 1);
}

// A line split again in its stored rows' proportion: shares that miss 100 still make the line,
// a row standing on its amount keeps one, the sign is the line's, and rows with nothing to go
// by share it equally. The largest line and rows stored beyond it split without overflowing.
TEST(Reparto, ComoLasFilasGuardadas) {
    struct Caso {
        const char* linea;
        std::vector<FilaRepartida> filas;
        int decimales;
        std::vector<Currency> partes;
    };
    const Currency max = Currency::DesdeEscalado(std::numeric_limits<qint64>::max());
    const Caso casos[] = {
        {"3000000",
         {{C("33,3333"), {}}, {C("33,3333"), {}}, {C("33,3333"), {}}},
         2,
         Lista({"1000000", "1000000", "1000000"})},
        {"2000000000",
         {{C("100"), C("999999999,99")}, {{}, C("0,01")}},
         2,
         Lista({"1999999999,98", "0,02"})},
        {"-10", {{C("60"), C("3")}, {C("40"), C("2")}}, 2, Lista({"-6", "-4"})},
        {"0,03", {{{}, {}}, {{}, {}}}, 2, Lista({"0,01", "0,02"})},
        {"922337203685477,5807",
         {{{}, max}, {{}, max}},
         4,
         Lista({"461168601842738,7903", "461168601842738,7904"})},
        {"1", {{C("50"), max}, {{}, C("1")}}, 4, Lista({"1", "0"})},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(RepartirComoFilas(C(caso.linea), caso.filas, caso.decimales), caso.partes)
            << caso.linea;
}
