#include "platform/runtime/Currency.h"

#include "support/Apoyo.h"

#include <QDate>
#include <cmath>
#include <gtest/gtest.h>

namespace {

Currency C(const char* texto) {
    return Currency::DesdeTexto(texto);
}

} // namespace

TEST(Currency, DesdeTextoRedondeaAlParEnLaCuartaCifra) {
    struct Caso {
        QString texto;
        qint64 escalado;
    };
    const Caso casos[] = {
        {"1234,5", 12345000},
        {" 7 ", 70000},
        {"-2,71828", -27183},
        {"0,00005", 0},
        {"0,00015", 2},
        {"0,000050001", 1},
        {"-0,00005", 0},
        {"-0,00015", -2},
        {"0,000049999", 0},
        {"1.234,56", 12345600},
        {",5", 5000},
        {"1,5E2", 1500000},
        {"922337203685477,5807", std::numeric_limits<qint64>::max()},
        {"-922337203685477,5808", std::numeric_limits<qint64>::min()},
        {"0000000000000000000000001", 10000},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(Currency::DesdeTexto(c.texto).Escalado(), c.escalado);
    }
}

TEST(Currency, TextoInvalidoOFueraDeRango) {
    for (const QString texto : {"abc", "", "1,2,3", "12abc", "$ 5"}) {
        SCOPED_TRACE(texto);
        EXPECT_EQ(NumeroDeError([&] { Currency::DesdeTexto(texto); }), 13);
    }
    for (const QString texto : {"922337203685477,5808", "-922337203685477,58086", "1E20"}) {
        SCOPED_TRACE(texto);
        EXPECT_EQ(NumeroDeError([&] { Currency::DesdeTexto(texto); }), 6);
    }
}

TEST(Currency, DesdeDoubleRedondeaElDecimalQueMuestra) {
    struct Caso {
        double valor;
        qint64 escalado;
    };
    const Caso casos[] = {
        {0.125, 1250},
        {1.00005, 10000},
        {1.00015, 10002},
        {0.1 + 0.2, 3000},
        {-1.00005, -10000},
        {1e-9, 0},
        {123456789.12345, 1234567891234},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor);
        EXPECT_EQ(Currency::DesdeDouble(c.valor).Escalado(), c.escalado);
    }
    for (const double valor : {1e20, -1e15, std::nan(""), double(INFINITY)}) {
        SCOPED_TRACE(valor);
        EXPECT_EQ(NumeroDeError([&] { Currency::DesdeDouble(valor); }), 6);
    }
}

TEST(Currency, AritmeticaRedondeaAlPar) {
    struct Caso {
        Currency resultado;
        const char* esperado;
    };
    const Caso casos[] = {
        {C("0,1") + C("0,2"), "0,3"},
        {C("121") - C("100"), "21"},
        {C("100") - C("121"), "-21"},
        {C("1,5") * C("1,5"), "2,25"},
        {C("0,0001") * C("0,5"), "0"},
        {C("0,0003") * C("0,5"), "0,0002"},
        {C("-0,0003") * C("0,5"), "-0,0002"},
        {C("10") / C("3"), "3,3333"},
        {C("2") / C("3"), "0,6667"},
        {C("-1") / C("3"), "-0,3333"},
        {C("0,0001") / C("2"), "0"},
        {C("0,0003") / C("2"), "0,0002"},
        {-C("5"), "-5"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.esperado);
        EXPECT_EQ(c.resultado.ATexto(), c.esperado);
    }
    Currency total;
    total += C("10,25");
    total -= C("0,5");
    EXPECT_EQ(total, C("9,75"));
}

TEST(Currency, DesbordamientoYDivisionPorCero) {
    const Currency maximo = Currency::DesdeEscalado(std::numeric_limits<qint64>::max());
    const Currency minimo = Currency::DesdeEscalado(std::numeric_limits<qint64>::min());
    EXPECT_EQ(NumeroDeError([&] { maximo + C("0,0001"); }), 6);
    EXPECT_EQ(NumeroDeError([&] { minimo - C("0,0001"); }), 6);
    EXPECT_EQ(NumeroDeError([&] { -minimo; }), 6);
    EXPECT_EQ(NumeroDeError([&] { maximo* C("2"); }), 6);
    EXPECT_EQ(NumeroDeError([&] { maximo / C("0,5"); }), 6);
    EXPECT_EQ(NumeroDeError([&] { maximo.Redondear(0); }), 6);
    EXPECT_EQ(NumeroDeError([] { C("1") / Currency(); }), 11);
    EXPECT_EQ(NumeroDeError([] { Currency::DesdeEntero(1000000000000000); }), 6);
    EXPECT_EQ((maximo * C("1")), maximo);
}

// Products and quotients at the ends of the range: exact whenever the result fits, whatever the
// product in between; only a result beyond the range is error 6.
TEST(Currency, ExactoEnLosExtremosDelRango) {
    const Currency maximo = Currency::DesdeEscalado(std::numeric_limits<qint64>::max());
    const Currency minimo = Currency::DesdeEscalado(std::numeric_limits<qint64>::min());
    struct Caso {
        Currency resultado, esperado;
    };
    const Caso casos[] = {
        {maximo * C("1"), maximo},
        {minimo * C("1"), minimo},
        {maximo * C("-1"), -maximo},
        {maximo / C("1"), maximo},
        {minimo / C("2"), C("-461168601842738,7904")},
        {C("30744573456182,5") * C("30"), C("922337203685475")},
        {C("0,0001") * C("0,0001"), Currency()},
        {C("-0,0001") / C("10000"), Currency()},
        {Currency::Proporcion(C("50000000000000"), C("100"), C("50000000000000")), C("100")},
        {Currency::Proporcion(C("50000000000000"), C("33,3333"), C("100")), C("16666650000000")},
        {Currency::Proporcion(maximo, C("100"), C("100")), maximo},
        {Currency::Proporcion(minimo, C("-50"), C("-100")), C("-461168601842738,7904")},
        {Currency::Proporcion(maximo, maximo, maximo), maximo},
        {Currency::Proporcion(C("0,0003"), C("1"), C("2")), C("0,0002")},
    };
    for (const auto& c : casos)
        EXPECT_EQ(c.resultado, c.esperado) << c.esperado.ATexto().toStdString();
    EXPECT_EQ(NumeroDeError([&] { minimo / C("-1"); }), 6);
    EXPECT_EQ(NumeroDeError([&] { minimo* C("-1"); }), 6);
    EXPECT_EQ(NumeroDeError([&] { Currency::Proporcion(maximo, C("2"), C("1")); }), 6);
    EXPECT_EQ(NumeroDeError([&] { Currency::Proporcion(C("1"), C("1"), Currency()); }), 11);
}

TEST(Currency, Comparaciones) {
    EXPECT_LT(C("-0,0001"), Currency());
    EXPECT_GT(C("150"), C("100"));
    EXPECT_EQ(C("1,50"), Currency::DesdeEntero(3) / Currency::DesdeEntero(2));
    EXPECT_NE(C("1,5"), C("1,5001"));
}

TEST(Currency, TextoConDecimalesFijos) {
    struct Caso {
        const char* importe;
        int decimales;
        QString esperado;
    };
    const Caso casos[] = {
        {"1234,5", 2, "1234,50"}, {"1234,567", 0, "1235"},
        {"2,5", 0, "2"},          {"3,5", 0, "4"},
        {"0,125", 2, "0,12"},     {"0,135", 2, "0,14"},
        {"-0,001", 2, "0,00"},    {"-1,005", 2, "-1,00"},
        {"1,5", 6, "1,500000"},   {"1234567,8", 1, "1234567,8"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.importe);
        EXPECT_EQ(C(c.importe).ATexto(c.decimales), c.esperado);
    }
    EXPECT_EQ(NumeroDeError([] { C("1").ATexto(-1); }), 5);
}

TEST(Currency, TextoMasCorto) {
    EXPECT_EQ(C("1234,5000").ATexto(), "1234,5");
    EXPECT_EQ(C("7").ATexto(), "7");
    EXPECT_EQ(C("-0,25").ATexto(), "-0,25");
    EXPECT_EQ(Currency().ATexto(), "0");
    EXPECT_EQ(Currency::DesdeEscalado(std::numeric_limits<qint64>::min()).ATexto(),
              "-922337203685477,5808");
}

TEST(Currency, DesdeVariant) {
    struct Caso {
        QVariant valor;
        qint64 escalado;
    };
    const Caso casos[] = {
        {3, 30000},
        {qlonglong(-2), -20000},
        {2.5, 25000},
        {"1,5", 15000},
        {true, -10000},
        {false, 0},
        {qulonglong(5), 50000},
        {C("0,0001").AVariant(), 1},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor.toString().toStdString());
        EXPECT_EQ(Currency::DesdeVariant(c.valor).Escalado(), c.escalado);
    }
    EXPECT_EQ(NumeroDeError([] { Currency::DesdeVariant(QVariant()); }), 94);
    EXPECT_EQ(
        NumeroDeError([] { Currency::DesdeVariant(QVariant(QMetaType::fromType<double>())); }), 94);
    EXPECT_EQ(NumeroDeError([] { Currency::DesdeVariant(QDate(2024, 1, 1)); }), 13);
    EXPECT_EQ(NumeroDeError([] { Currency::DesdeVariant(qulonglong(1) << 63); }), 6);
    EXPECT_DOUBLE_EQ(C("-12,3456").ADouble(), -12.3456);
}

// What engines and drivers write and read: a point, no grouping, whatever the locale.
TEST(Currency, TextoDeLosMotores) {
    const qint64 maximo = std::numeric_limits<qint64>::max();
    EXPECT_EQ(Currency::DesdeTextoSql(u"922337203685477.5807")->Escalado(), maximo);
    EXPECT_EQ(Currency::DesdeTextoSql(u" -.0001 ")->Escalado(), -1);
    EXPECT_EQ(Currency::DesdeTextoSql(u"1E+3")->Escalado(), 10000000);
    EXPECT_FALSE(Currency::DesdeTextoSql(u"922337203685477.5808"));
    EXPECT_FALSE(Currency::DesdeTextoSql(u"3847,59"));
    EXPECT_FALSE(Currency::DesdeTextoSql(u"1.234,5"));
    EXPECT_EQ(Currency::DesdeEscalado(38475900).ATextoSql(), "3847.5900");
    EXPECT_EQ(Currency::DesdeEscalado(-1).ATextoSql(), "-0.0001");
    EXPECT_EQ(Currency::DesdeEscalado(std::numeric_limits<qint64>::min()).ATextoSql(),
              "-922337203685477.5808");
    // A stored double at the ends of the range is the end; further out there is none.
    EXPECT_EQ(Currency::DesdeDoubleGuardado(922337203685477.5807)->Escalado(), maximo);
    EXPECT_FALSE(Currency::DesdeDoubleGuardado(922337203685478.0));
    EXPECT_EQ(Currency::DesdeDoubleGuardado(0.1 + 0.2)->Escalado(), 3000);
    EXPECT_EQ(Currency::DesdeDoubleGuardado(2.00005)->Escalado(), 20000); // halves to even
    EXPECT_EQ(Currency::DesdeDoubleGuardado(1234.56785)->Escalado(), 12345678);
    // Callers that took amounts read as doubles still can.
    const QVariant v = Currency::DesdeEscalado(-12500).AVariant();
    EXPECT_EQ(v.toDouble(), -1.25);
    EXPECT_EQ(v.toString(), "-1.25");
}
