#include "platform/runtime/Numeros.h"

#include "platform/runtime/Currency.h"
#include "support/Apoyo.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace vb;

TEST(Numeros, ValLeeElNumeroDelPrincipio) {
    struct Caso {
        QString texto;
        double esperado;
    };
    const Caso casos[] = {
        {"12abc", 12},      {" 3.5", 3.5},      {"1,5", 1},    {"1 2 3", 123}, {" - 7", -7},
        {"+8", 8},          {"-4.5e2", -450},   {"1d2", 100},  {"1e", 1},      {"1e+", 1},
        {".5", 0.5},        {"5.", 5},          {"abc", 0},    {"", 0},        {" ", 0},
        {"-", 0},           {"2.5.1", 2.5},     {"&HFF", 255}, {"&hff", 255},  {"&HFFFF", -1},
        {"&H10000", 65536}, {"&HFFFFFFFF", -1}, {"&H", 0},     {"1e-400", 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_DOUBLE_EQ(Val(c.texto), c.esperado);
    }
    EXPECT_EQ(NumeroDeError([] { Val("1e400"); }), 6);
    EXPECT_EQ(NumeroDeError([] { Val("&H123456789"); }), 6);
}

TEST(Numeros, CIntYCLngRedondeanAlPar) {
    struct Caso {
        double valor;
        int esperado;
    };
    const Caso casos[] = {
        {2.5, 2}, {3.5, 4},    {-2.5, -2},  {-3.5, -4},       {0.5, 0},
        {1.5, 2}, {1.4999, 1}, {2.5001, 3}, {32767.4, 32767}, {-32768.5, -32768},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor);
        EXPECT_EQ(CInt(c.valor), c.esperado);
        EXPECT_EQ(CLng(c.valor), c.esperado);
    }
    EXPECT_EQ(CLng(2147483646.5), 2147483646);
    EXPECT_EQ(CLng(70000.0), 70000);
}

TEST(Numeros, FueraDeRangoEsError6) {
    for (const double valor : {32767.5, -32768.6, 1e10, std::nan("")}) {
        SCOPED_TRACE(valor);
        EXPECT_EQ(NumeroDeError([&] { CInt(valor); }), 6);
    }
    for (const double valor : {2147483647.5, -2147483649.0, 1e20}) {
        SCOPED_TRACE(valor);
        EXPECT_EQ(NumeroDeError([&] { CLng(valor); }), 6);
    }
    EXPECT_EQ(NumeroDeError([] { CInt(QVariant("40000")); }), 6);
    EXPECT_EQ(NumeroDeError([] { CInt(Currency::DesdeTexto("32767,5")); }), 6);
}

TEST(Numeros, ConversionDeValoresYTextosDelLocale) {
    EXPECT_EQ(CInt(QVariant("2,5")), 2);
    EXPECT_EQ(CInt(QVariant(" 3,5 ")), 4);
    EXPECT_EQ(CInt(QVariant(true)), -1);
    EXPECT_EQ(CInt(Currency::DesdeTexto("2,5")), 2);
    EXPECT_EQ(CInt(Currency::DesdeTexto("2,5").AVariant()), 2);
    EXPECT_EQ(CLng(Currency::DesdeTexto("16776960")), 16776960);
    EXPECT_EQ(NumeroDeError([] { CInt(QVariant("abc")); }), 13);
    EXPECT_EQ(NumeroDeError([] { CLng(QVariant()); }), 94);
}

TEST(Numeros, CDblLeeElTextoConComaDecimal) {
    struct Caso {
        QString texto;
        double esperado;
    };
    const Caso casos[] = {
        {"1,5", 1.5},  {"1.234,5", 1234.5}, {" -3 ", -3}, {"- 3", -3},   {",25", 0.25},
        {"21,00", 21}, {"1,5E3", 1500},     {"1.5", 15},  {"1e-400", 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_DOUBLE_EQ(CDbl(c.texto), c.esperado);
    }
    for (const QString texto : {"abc", "", " ", "1,5x", "1,2,3", ",", "1E", "--1"}) {
        SCOPED_TRACE(texto);
        EXPECT_EQ(NumeroDeError([&] { CDbl(texto); }), 13);
    }
    EXPECT_EQ(NumeroDeError([] { CDbl("1E400"); }), 6);
    EXPECT_EQ(NumeroDeError([] { CDbl(QVariant()); }), 94);
    EXPECT_EQ(NumeroDeError([] { CDbl(QDate(2024, 1, 1)); }), 13);
    EXPECT_DOUBLE_EQ(CDbl(Currency::DesdeTexto("-12,3456").AVariant()), -12.3456);
    EXPECT_DOUBLE_EQ(CDbl(qlonglong(7)), 7);
}

TEST(Numeros, IsNumeric) {
    struct Caso {
        QVariant valor;
        bool esperado;
    };
    const Caso casos[] = {
        {"1,5", true},
        {" -2 ", true},
        {"abc", false},
        {"", false},
        {"12abc", false},
        {QVariant(), false},
        {3, true},
        {2.5, true},
        {true, true},
        {QDate(2024, 1, 1), false},
        {Currency().AVariant(), true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor.toString().toStdString());
        EXPECT_EQ(IsNumeric(c.valor), c.esperado);
    }
}
