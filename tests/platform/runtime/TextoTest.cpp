#include "platform/runtime/Texto.h"

#include "support/Apoyo.h"

#include <gtest/gtest.h>

using namespace vb;

TEST(Texto, InStrBuscaSinDistinguirMayusculas) {
    struct Caso {
        int inicio;
        QString texto, buscado;
        int esperado;
    };
    const Caso casos[] = {
        {1, "Hola Mundo", "mundo", 6},
        {7, "Hola Mundo", "O", 10},
        {11, "Hola Mundo", "o", 0},
        {1, "ÑANDÚ", "ñandú", 1},
        {1, "abc", "", 1},
        {3, "abc", "", 3},
        {4, "abc", "", 0},
        {1, "", "", 0},
        {1, "", "a", 0},
        {1, "abc", "abcd", 0},
        {2, "_TC_NCPE_TC_", "_tc_", 9},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto + " / " + c.buscado);
        EXPECT_EQ(InStr(c.inicio, c.texto, c.buscado), c.esperado);
    }
    EXPECT_EQ(InStr("SELECT TOP 10", "top"), 8);
    EXPECT_EQ(NumeroDeError([] { InStr(0, "abc", "a"); }), 5);
}

TEST(Texto, InStrRevBuscaDentroDeLosPrimerosCaracteres) {
    struct Caso {
        QString texto, buscado;
        int inicio, esperado;
    };
    const Caso casos[] = {
        {"abcabc", "bc", -1, 5}, {"abcabc", "BC", 6, 5},
        {"abcabc", "bc", 5, 2},  {"abcabc", "bc", 2, 0},
        {"abc", "", 2, 2},       {"abc", "", -1, 3},
        {"abc", "x", -1, 0},     {"abc", "a", 4, 0},
        {"", "a", -1, 0},        {"C:\\tmp\\a.htm", "\\", -1, 7},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto + " / " + c.buscado);
        EXPECT_EQ(InStrRev(c.texto, c.buscado, c.inicio), c.esperado);
    }
    EXPECT_EQ(NumeroDeError([] { InStrRev("abc", "a", 0); }), 5);
    EXPECT_EQ(NumeroDeError([] { InStrRev("abc", "a", -2); }), 5);
}

TEST(Texto, ReplaceCambiaTodasLasApariciones) {
    struct Caso {
        QString texto, buscado, reemplazo, esperado;
    };
    const Caso casos[] = {
        {"Select x from @Admin_T, @ADMIN_U", "@admin_", "", "Select x from T, U"},
        {"aAa", "a", "bb", "bbbbbb"},
        {"1234,56", ",", ".", "1234.56"},
        {"O'Brien", "'", "", "OBrien"},
        {"abc", "", "x", "abc"},
        {"", "a", "b", ""},
        {"*ab*", "*", "%", "%ab%"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(Replace(c.texto, c.buscado, c.reemplazo), c.esperado);
    }
}

TEST(Texto, ComparaSinDistinguirMayusculas) {
    EXPECT_TRUE(Iguales("Ñandú", "ñANDÚ"));
    EXPECT_TRUE(Iguales("frmAuditoria", "FRMAUDITORIA"));
    EXPECT_FALSE(Iguales("a ", "a"));
    EXPECT_FALSE(Iguales("á", "a"));
    EXPECT_EQ(StrComp("abc", "ABD"), -1);
    EXPECT_EQ(StrComp("B", "a"), 1);
    EXPECT_EQ(StrComp("SI", "si"), 0);
}

TEST(Texto, TrimQuitaSoloBlancos) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(LTrim("  a "), "a ");
    EXPECT_EQ(RTrim("  a "), "  a");
    EXPECT_EQ(Trim("\ta\r\n"), "\ta\r\n");
    EXPECT_EQ(Trim("   "), "");
}

TEST(Texto, LeftMidRightToleranLargosFueraDeRango) {
    EXPECT_EQ(Left("abc", 5), "abc");
    EXPECT_EQ(Left("abc", 0), "");
    EXPECT_EQ(Right("abc", 5), "abc");
    EXPECT_EQ(Right("0000000012345", 1), "5");
    EXPECT_EQ(Mid("0001000001234A", 5, 8), "00000123");
    EXPECT_EQ(Mid("abcdef", 3), "cdef");
    EXPECT_EQ(Mid("abc", 5), "");
    EXPECT_EQ(Mid("abc", 2, 10), "bc");
    EXPECT_EQ(Mid("abc", 4, 1), "");
    EXPECT_EQ(Mid("abc", 1, 0), "");
}

TEST(Texto, ArgumentosInvalidosSonError5) {
    EXPECT_EQ(NumeroDeError([] { Mid("abc", 0); }), 5);
    EXPECT_EQ(NumeroDeError([] { Mid("abc", 0, 1); }), 5);
    EXPECT_EQ(NumeroDeError([] { Mid("abc", 1, -1); }), 5);
    EXPECT_EQ(NumeroDeError([] { Left("abc", -1); }), 5);
    EXPECT_EQ(NumeroDeError([] { Right("abc", -1); }), 5);
    EXPECT_EQ(NumeroDeError([] { Space(-1); }), 5);
    EXPECT_EQ(NumeroDeError([] { String(2, QString()); }), 5);
}

TEST(Texto, StringRepiteElPrimerCaracter) {
    EXPECT_EQ(String(3, "xy"), "xxx");
    EXPECT_EQ(Space(2) + String(2, QChar(u'0')), "  00");
}
