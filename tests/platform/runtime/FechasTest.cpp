#include "platform/runtime/Fechas.h"

#include "support/Apoyo.h"

#include <gtest/gtest.h>

using namespace vb;

TEST(Fechas, IsDateLeeElDiaPrimero) {
    struct Caso {
        QString texto;
        bool esFecha;
    };
    const Caso casos[] = {
        {"29/02/2024", true},
        {"29/02/2023", false},
        {"29/02/00", true},
        {"31/04/2024", false},
        {"1/2/03", true},
        {"07-12-2026", true},
        {"13/01/2024", true},
        {"12/25/2020", false},
        {"07/12-2026", false},
        {"00/01/2024", false},
        {"1/1/202", false},
        {"1/1/20245", false},
        {" 5/6/2024 ", true},
        {"01/01/2024 10:30", true},
        {"01/01/2024 10:30:15", true},
        {"01/01/2024 24:00", false},
        {"01/01/2024 10:60", false},
        {"01/01/2024 10", false},
        {"01/01/2024T10:30", false},
        {"abc", false},
        {"", false},
        {"2024-01-01", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(IsDate(c.texto), c.esFecha);
    }
    EXPECT_TRUE(IsDate(QDate(2024, 1, 1)));
    EXPECT_TRUE(IsDate(QDateTime(QDate(2024, 1, 1), QTime(10, 0))));
    EXPECT_FALSE(IsDate(QVariant()));
    EXPECT_FALSE(IsDate(20240101));
}

TEST(Fechas, CDateCompletaSigloYHora) {
    struct Caso {
        QString texto;
        QDateTime esperado;
    };
    const Caso casos[] = {
        {"1/2/03", {QDate(2003, 2, 1), QTime(0, 0)}},
        {"5/6/29", {QDate(2029, 6, 5), QTime(0, 0)}},
        {"5/6/30", {QDate(1930, 6, 5), QTime(0, 0)}},
        {"31/12/99 23:59:58", {QDate(1999, 12, 31), QTime(23, 59, 58)}},
        {"10-11-2024 7:05", {QDate(2024, 11, 10), QTime(7, 5)}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(CDate(c.texto), c.esperado);
    }
    const QDate dia(2026, 12, 7);
    EXPECT_EQ(CDate(dia), QDateTime(dia, QTime(0, 0)));
    EXPECT_EQ(NumeroDeError([] { CDate("30/02/2024"); }), 13);
    EXPECT_EQ(NumeroDeError([] { CDate(5); }), 13);
    EXPECT_EQ(NumeroDeError([] { CDate(QVariant()); }), 94);
}

TEST(Fechas, FormatosDelPrograma) {
    const QDateTime momento(QDate(2026, 12, 7), QTime(9, 5, 3));
    struct Caso {
        QString patron, esperado;
    };
    const Caso casos[] = {
        {"dd/mm/yy", "07/12/26"},
        {"dd/mm/yyyy", "07/12/2026"},
        {"hh:mm", "09:05"},
        {"hh:mm:ss", "09:05:03"},
        {"mm-dd-yyyy", "12-07-2026"},
        {"dd-mm-yyyy", "07-12-2026"},
        {"Short Date", "07/12/2026"},
        {"d/m/yyyy", "7/12/2026"},
        {"h:nn", "9:05"},
        {"DD/MM/YYYY hh:mm", "07/12/2026 09:05"},
        {"yyyymmdd", "20261207"},
        {"dd.mm", "07.12"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.patron);
        EXPECT_EQ(Format(momento, c.patron), c.esperado);
    }
    EXPECT_EQ(Format(QDate(2027, 3, 1), "dd-mm-yyyy"), "01-03-2027");
    EXPECT_EQ(FechaCorta(QDate(2005, 1, 9)), "09/01/2005");
}

TEST(Fechas, NowSinFraccionesDeSegundo) {
    const QDateTime ahora = Now();
    EXPECT_EQ(ahora.time().msec(), 0);
    EXPECT_LE(qAbs(ahora.secsTo(QDateTime::currentDateTime())), 1);
}
