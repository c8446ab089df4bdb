#include "platform/controls/FlexGrid.h"

#include "support/Apoyo.h"

#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

using controles::FlexGrid;

namespace {

// The cost-centre grid's shape: a heading row over five columns, none of them fixed.
class FlexGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        grilla.SetFixedCols(0);
        grilla.SetCols(5);
        grilla.SetRows(1);
        for (int columna = 0; columna < 5; ++columna)
            grilla.SetTextMatrix(0, columna, QStringLiteral("T%1").arg(columna));
    }

    void AgregarFila(const QString& texto) {
        grilla.SetRows(grilla.Rows() + 1);
        grilla.SetTextMatrix(grilla.Rows() - 1, 1, texto);
    }

    FlexGrid grilla;
};

TEST_F(FlexGridTest, LasCeldasFijasYLasDemasGuardanSuTextoAlCrecer) {
    AgregarFila(QStringLiteral("01"));
    AgregarFila(QStringLiteral("02"));
    grilla.SetCols(6);

    EXPECT_EQ(grilla.Rows(), 3);
    EXPECT_EQ(grilla.Cols(), 6);
    EXPECT_EQ(grilla.TextMatrix(0, 4), QStringLiteral("T4"));
    EXPECT_EQ(grilla.TextMatrix(2, 1), QStringLiteral("02"));
    EXPECT_EQ(grilla.TextMatrix(2, 5), QString());
}

TEST_F(FlexGridTest, UnaCeldaFueraDeLaGrillaEsElError381) {
    AgregarFila(QStringLiteral("01"));
    const std::vector<std::pair<const char*, std::function<void()>>> casos{
        {"fila negativa", [&] { grilla.TextMatrix(-1, 0); }},
        {"fila igual a Rows", [&] { grilla.TextMatrix(2, 0); }},
        {"columna igual a Cols", [&] { grilla.SetTextMatrix(1, 5, QStringLiteral("x")); }},
        {"ancho de columna", [&] { grilla.SetColWidth(5, 100); }},
        {"alto de fila", [&] { grilla.RowHeight(2); }},
        {"fila actual", [&] { grilla.SetRow(2); }},
        {"columna actual", [&] { grilla.SetCol(-1); }},
        {"fila a quitar", [&] { grilla.RemoveItem(2); }},
    };
    for (const auto& [caso, accion] : casos)
        EXPECT_EQ(NumeroDeError(accion), 381) << caso;
}

TEST_F(FlexGridTest, MenosFilasQueLasFijasEsUnValorNoValido) {
    EXPECT_EQ(NumeroDeError([&] { grilla.SetRows(0); }), 380);
    EXPECT_EQ(NumeroDeError([&] { grilla.SetFixedRows(2); }), 380);
}

TEST_F(FlexGridTest, LosAnchosSeDanYSeLeenEnTwipsRedondeadosAlPixel) {
    const std::vector<std::pair<int, int>> casos{{1440, 1440}, {900, 900}, {100, 105},
                                                 {97, 90},     {7, 0},     {8, 15}};
    for (const auto& [dado, leido] : casos) {
        grilla.SetColWidth(2, dado);
        EXPECT_EQ(grilla.ColWidth(2), leido) << dado;
    }
    grilla.SetRowHeight(0, 300);
    EXPECT_EQ(grilla.RowHeight(0), 300);
}

TEST_F(FlexGridTest, AlAparecerLaPrimeraFilaDeDatosEsaEsLaCeldaActual) {
    EXPECT_EQ(grilla.Row(), 0);
    AgregarFila(QStringLiteral("01"));
    AgregarFila(QStringLiteral("02"));
    EXPECT_EQ(grilla.Row(), 1);
}

TEST_F(FlexGridTest, CambiarLaCeldaPorCodigoSaleDeLaViejaAntesDeEntrarALaNueva) {
    AgregarFila(QStringLiteral("01"));
    AgregarFila(QStringLiteral("02"));
    grilla.SetCol(0);
    QStringList eventos;
    grilla.LeaveCell = [&] {
        eventos << QStringLiteral("Leave %1,%2").arg(grilla.Row()).arg(grilla.Col());
    };
    grilla.EnterCell = [&] {
        eventos << QStringLiteral("Enter %1,%2").arg(grilla.Row()).arg(grilla.Col());
    };

    grilla.SetRow(2);
    grilla.SetCol(3);
    grilla.SetCol(3);

    EXPECT_EQ(eventos, QStringList({"Leave 1,0", "Enter 2,0", "Leave 2,0", "Enter 2,3"}));
}

TEST_F(FlexGridTest, QuitarUnaFilaDejaLasDemasYLaCeldaActualDentro) {
    AgregarFila(QStringLiteral("01"));
    AgregarFila(QStringLiteral("02"));
    AgregarFila(QStringLiteral("03"));
    grilla.SetRow(3);
    grilla.RemoveItem(3);
    grilla.RemoveItem(1);

    EXPECT_EQ(grilla.Rows(), 2);
    EXPECT_EQ(grilla.TextMatrix(1, 1), QStringLiteral("02"));
    EXPECT_LT(grilla.Row(), grilla.Rows());
}

TEST_F(FlexGridTest, ClearVaciaTodasLasCeldasYConservaLaForma) {
    AgregarFila(QStringLiteral("01"));
    grilla.SetColWidth(1, 1200);
    grilla.Clear();

    EXPECT_EQ(grilla.Rows(), 2);
    EXPECT_EQ(grilla.TextMatrix(0, 0), QString());
    EXPECT_EQ(grilla.TextMatrix(1, 1), QString());
    EXPECT_EQ(grilla.ColWidth(1), 1200);
}

TEST_F(FlexGridTest, ElColorDeFondoDeLaCeldaActualEsBgr) {
    AgregarFila(QStringLiteral("01"));
    EXPECT_EQ(grilla.CellBackColor(), 0);
    grilla.SetCellBackColor(0x0000FF);
    EXPECT_EQ(grilla.item(grilla.Row(), grilla.Col())->background().color(), QColor(Qt::red));
    EXPECT_EQ(grilla.CellBackColor(), 0x0000FF);
}

TEST_F(FlexGridTest, LasCeldasFijasNoSeSeleccionanYLasFlechasNoLlevanAEllas) {
    AgregarFila(QStringLiteral("01"));
    AgregarFila(QStringLiteral("02"));
    grilla.show();
    EXPECT_FALSE(grilla.item(0, 2)->flags() & Qt::ItemIsSelectable);
    EXPECT_TRUE(grilla.item(1, 2)->flags() & Qt::ItemIsSelectable);

    QTest::keyClick(&grilla, Qt::Key_Up);
    EXPECT_EQ(grilla.Row(), 1);
    QTest::keyClick(&grilla, Qt::Key_Down);
    EXPECT_EQ(grilla.Row(), 2);
}

// The rows scroll beneath the heading row, which keeps its place; the heading made current
// by code scrolls nothing.
TEST_F(FlexGridTest, LaFilaFijaQuedaALaVistaAlDesplazarse) {
    for (int fila = 1; fila <= 20; ++fila)
        AgregarFila(QString::number(fila));
    grilla.resize(300, 150);
    grilla.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grilla));
    grilla.SetRow(0);
    const int arriba = grilla.CellTop();
    grilla.SetRow(20);
    const int primera = grilla.TopRow();
    EXPECT_GT(primera, 10);
    grilla.SetRow(primera);
    EXPECT_EQ(grilla.CellTop(), arriba + grilla.RowHeight(0));
    grilla.SetRow(0);
    EXPECT_EQ(grilla.CellTop(), arriba);
    EXPECT_EQ(grilla.TopRow(), primera);
}

TEST_F(FlexGridTest, LasTeclasLleganComoCodigosYUnaTeclaAnuladaNoSigue) {
    AgregarFila(QStringLiteral("01"));
    AgregarFila(QStringLiteral("02"));
    grilla.show();
    QStringList vistas;
    grilla.KeyDown = [&](int& codigo, int shift) {
        vistas << QStringLiteral("Down %1/%2").arg(codigo).arg(shift);
        if (codigo == 46)
            codigo = 0;
    };
    grilla.KeyPress = [&](int& caracter) { vistas << QStringLiteral("Press %1").arg(caracter); };

    QTest::keyClick(&grilla, Qt::Key_Delete);
    QTest::keyClick(&grilla, Qt::Key_Period, Qt::NoModifier);
    QTest::keyClick(&grilla, Qt::Key_Return);
    QTest::keyClick(&grilla, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(&grilla, Qt::Key_Down);

    EXPECT_EQ(vistas, QStringList({"Down 46/0", "Down 190/0", "Press 46", "Down 13/0", "Press 13",
                                   "Down 16/1", "Down 45/1", "Down 40/0"}));
    EXPECT_EQ(grilla.Row(), 2);
}

TEST_F(FlexGridTest, UnaTeclaTecleadaNoMueveLaCeldaActual) {
    AgregarFila(QStringLiteral("AA"));
    AgregarFila(QStringLiteral("BB"));
    grilla.show();
    QTest::keyClicks(&grilla, QStringLiteral("BB"));
    EXPECT_EQ(grilla.Row(), 1);
}

} // namespace
