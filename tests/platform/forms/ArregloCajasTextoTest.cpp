#include "platform/forms/ArregloCajasTexto.h"

#include "platform/errors/ErrorEjecucion.h"
#include "platform/forms/Colores.h"
#include "platform/forms/Twips.h"

#include <QApplication>
#include <QPalette>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The filter fields of the main window, with the irregular letter case of their bindings.
class ArregloCajasTextoTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* campos[] = {"Fecha_DESDE", "Fecha_HASTA", "CUENTA_Desde", "CUENTA_hasta",
                                "Nombre"};
        for (int i = 0; i < 5; ++i)
            txtFields.Agregar(i, contenedor).SetDataField(QString::fromLatin1(campos[i]));
    }
    QStringList eventos;
    QWidget contenedor;
    ArregloCajasTexto txtFields;
};

TEST_F(ArregloCajasTextoTest, ElDataFieldSeBuscaSinDistinguirMayusculas) {
    EXPECT_EQ(txtFields.Indice(QStringLiteral("Fecha_desde")), 0);
    EXPECT_EQ(txtFields.Indice(QStringLiteral("fecha_hasta")), 1);
    EXPECT_EQ(txtFields.Indice(QStringLiteral("CUENTA_DESDE")), 2);
    EXPECT_EQ(&txtFields.Campo(QStringLiteral("cuenta_HASTA")), &txtFields[3]);
    EXPECT_EQ(txtFields.Indice(QStringLiteral("Nombre ")), -1);
    EXPECT_EQ(txtFields.Indice(QStringLiteral("tc_origen")), -1);
}

TEST_F(ArregloCajasTextoTest, UnElementoQueNoExisteEsElError340) {
    for (auto acceso : {std::function<void()>([&] { txtFields[7]; }), std::function<void()>([&] {
                            txtFields.Campo(QStringLiteral("letra_origen"));
                        })}) {
        try {
            acceso();
            ADD_FAILURE() << "sin error";
        } catch (const ErrorEjecucion& error) {
            EXPECT_EQ(error.Number(), 340);
        }
    }
}

TEST_F(ArregloCajasTextoTest, LosEventosLlevanElIndiceDelElemento) {
    txtFields.Change = [&](int index) { eventos << QStringLiteral("Change %1").arg(index); };
    txtFields[2].SetText(QStringLiteral("1.1.01"));
    txtFields.Campo(QStringLiteral("nombre")).SetText(QStringLiteral("Proveedor"));
    EXPECT_EQ(eventos, QStringList({QStringLiteral("Change 2"), QStringLiteral("Change 4")}));
    EXPECT_EQ(txtFields[4].Index(), 4);
    EXPECT_EQ(txtFields.Count(), 5);
    EXPECT_EQ(txtFields.LBound(), 0);
    EXPECT_EQ(txtFields.UBound(), 4);
}

TEST_F(ArregloCajasTextoTest, ValidateCanceladoDejaElFocoEnElCampo) {
    contenedor.show();
    contenedor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&contenedor));
    txtFields.Validate = [&](int index, bool& cancel) {
        eventos << QStringLiteral("Validate %1").arg(index);
        cancel = index == 0;
    };
    txtFields.LostFocus = [&](int index) { eventos << QStringLiteral("LostFocus %1").arg(index); };
    txtFields.GotFocus = [&](int index) { eventos << QStringLiteral("GotFocus %1").arg(index); };
    txtFields[0].setFocus(Qt::OtherFocusReason);
    txtFields[1].setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), &txtFields[0]);
    EXPECT_FALSE(eventos.contains(QStringLiteral("LostFocus 0")));
    EXPECT_TRUE(eventos.contains(QStringLiteral("Validate 0")));
}

TEST_F(ArregloCajasTextoTest, PropiedadesComoLasEscribenLasVentanas) {
    CajaTexto& caja = txtFields[0];
    caja.SetMaxLength(10);
    EXPECT_EQ(caja.MaxLength(), 10);
    caja.SetMaxLength(0);
    EXPECT_EQ(caja.MaxLength(), 0);
    caja.SetText(QString(40, QLatin1Char('9')));
    EXPECT_EQ(caja.Text().size(), 40);

    caja.SetText(QStringLiteral("  01/03/2024 "));
    caja.SetSelStart(0);
    caja.SetSelLength(caja.Text().trimmed().size());
    EXPECT_EQ(caja.SelStart(), 0);
    EXPECT_EQ(caja.SelLength(), 10);
    EXPECT_EQ(caja.selectedText(), QStringLiteral("  01/03/20"));

    caja.SetBackColor(0xFFFF00);
    caja.SetForeColor(0);
    EXPECT_EQ(caja.BackColor(), 0xFFFF00);
    EXPECT_EQ(caja.palette().color(QPalette::Base), QColor(0, 255, 255));
    EXPECT_EQ(caja.palette().color(QPalette::Text), QColor(0, 0, 0));
    caja.SetLocked(true);
    EXPECT_TRUE(caja.isReadOnly());
}

struct CasoColor {
    long bgr;
    QColor color;
};

class ColoresBGR : public ::testing::TestWithParam<CasoColor> {};

TEST_P(ColoresBGR, AzulVerdeRojoDeAltoABajo) {
    EXPECT_EQ(ColorDesdeBGR(GetParam().bgr), GetParam().color);
    EXPECT_EQ(BGRDesdeColor(GetParam().color), GetParam().bgr);
}

INSTANTIATE_TEST_SUITE_P(
    Colores, ColoresBGR,
    ::testing::Values(CasoColor{0xFF, QColor(255, 0, 0)}, CasoColor{0xFF0000, QColor(0, 0, 255)},
                      CasoColor{0x8000, QColor(0, 128, 0)}, CasoColor{0x800000, QColor(0, 0, 128)},
                      CasoColor{0x80, QColor(128, 0, 0)}, CasoColor{0xFFFF00, QColor(0, 255, 255)},
                      CasoColor{0xE0E0E0, QColor(224, 224, 224)}, CasoColor{0, QColor(0, 0, 0)},
                      CasoColor{0x123456, QColor(0x56, 0x34, 0x12)}));

TEST(Colores, LosColoresDeSistemaSalenDeLaPaleta) {
    QPalette paleta = QGuiApplication::palette();
    EXPECT_EQ(ColorDesdeBGR(0x80000005L), paleta.color(QPalette::Active, QPalette::Base));
    EXPECT_EQ(ColorDesdeBGR(0x80000004L), paleta.color(QPalette::Active, QPalette::Window));
    // The same system colour written as a negative 32-bit value.
    EXPECT_EQ(ColorDesdeBGR(-2147483640L), paleta.color(QPalette::Active, QPalette::Text));
}

TEST(Twips, QuincePorPixelRedondeando) {
    EXPECT_EQ(APixeles(1035), 69);
    EXPECT_EQ(APixeles(1452), 97);
    EXPECT_EQ(APixeles(-15), -1);
    // Half a pixel is 7.5 twips: 7 falls to the pixel below, 8 to the one above.
    EXPECT_EQ(APixeles(7), 0);
    EXPECT_EQ(APixeles(8), 1);
    EXPECT_EQ(APixeles(-7), 0);
    EXPECT_EQ(APixeles(-8), -1);
    EXPECT_EQ(ATwips(96), 1440);
    static_assert(APixeles(1440) == 96, "usable where a constant is needed");
    QWidget control;
    Colocar(control, 1920, 240, 3735, 345);
    EXPECT_EQ(control.geometry(), QRect(128, 16, 249, 23));
}

} // namespace
