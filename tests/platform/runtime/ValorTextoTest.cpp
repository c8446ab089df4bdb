#include "platform/runtime/ValorTexto.h"

#include "platform/runtime/Currency.h"
#include "support/Apoyo.h"

#include <QDateTime>
#include <gtest/gtest.h>

using vb::ValorTexto;

TEST(ValorTexto, TextoDeCadaClaseDeValor) {
    struct Caso {
        QVariant valor;
        QString esperado;
    };
    const QDate dia(2026, 12, 7);
    const Caso casos[] = {
        {QVariant(), ""},
        {QVariant(QMetaType::fromType<QString>()), ""},
        {QVariant(QMetaType::fromType<QDateTime>()), ""},
        {dia, "07/12/2026"},
        {QDateTime(dia, QTime(0, 0)), "07/12/2026"},
        {QDateTime(dia, QTime(13, 45, 9)), "07/12/2026 13:45:09"},
        {QDateTime(dia, QTime(0, 0, 1)), "07/12/2026 00:00:01"},
        {true, "Verdadero"},
        {false, "Falso"},
        {1234.5, "1234,5"},
        {2.0, "2"},
        {0.1 + 0.2, "0,3"},
        {-0.25, "-0,25"},
        {-0.0, "0"},
        {1e20, "1E+20"},
        {123456789012.5, "123456789012,5"},
        {1234567, "1234567"},
        {qlonglong(-5), "-5"},
        {Currency::DesdeTexto("1234,50").AVariant(), "1234,5"},
        {"O'Brien ", "O'Brien "},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.esperado);
        EXPECT_EQ(ValorTexto(c.valor), c.esperado);
    }
}
