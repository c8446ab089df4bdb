#include "platform/suite/UtilControles.h"

#include "platform/forms/ArregloCajasTexto.h"
#include "platform/forms/CodigosTecla.h"

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

class UtilControlesTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* disposicion = new QVBoxLayout(&ventana);
        const char* campos[] = {"Fecha_DESDE", "Fecha_HASTA", "IDMOTIVO", "Nombre"};
        for (int i = 0; i < 4; ++i) {
            CajaTexto& caja = txtFields.Agregar(i, ventana);
            caja.SetDataField(QString::fromLatin1(campos[i]));
            caja.SetText(QStringLiteral("texto %1").arg(i));
            disposicion->addWidget(&caja);
        }
        otra = new CajaTexto(&ventana);
        otra->setObjectName(QStringLiteral("txtOtro"));
        otra->SetText(QStringLiteral("queda"));
        disposicion->addWidget(otra);
    }

    const UtilControles& util = UtilControles::Instancia();
    QWidget ventana;
    ArregloCajasTexto txtFields;
    CajaTexto* otra = nullptr;
};

TEST_F(UtilControlesTest, IndiceCampoNoDistingueMayusculas) {
    EXPECT_EQ(util.IndiceCampo(QStringLiteral("Fecha_desde"), txtFields), 0);
    EXPECT_EQ(util.IndiceCampo(QStringLiteral("FECHA_HASTA"), txtFields), 1);
    EXPECT_EQ(util.IndiceCampo(QStringLiteral("Idmotivo"), txtFields), 2);
    EXPECT_EQ(util.IndiceCampo(QStringLiteral("13D"), txtFields), -1);
}

TEST_F(UtilControlesTest, LimpiarControlesVaciaSoloElArregloNombrado) {
    util.LimpiarControles(ventana, QStringLiteral("txtfields"));
    for (int i = 0; i < txtFields.Count(); ++i)
        EXPECT_TRUE(txtFields[i].Text().isEmpty()) << i;
    EXPECT_EQ(otra->Text(), QStringLiteral("queda"));
}

TEST_F(UtilControlesTest, PasarFocoSaltaLoQueNoPuedeTenerlo) {
    ventana.show();
    ventana.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    txtFields[1].SetEnabled(false);
    txtFields[0].setFocus();
    int tecla = vbKeyReturn;
    ASSERT_TRUE(util.TipoTecla(tecla));
    util.PasarFoco(tecla);
    EXPECT_EQ(QApplication::focusWidget(), &txtFields[2]);
    EXPECT_EQ(tecla, 0);
}

TEST_F(UtilControlesTest, TeclasQueConfirmanYTeclasQuePasanElFiltro) {
    EXPECT_FALSE(util.TipoTecla(vbKeyTab));
    EXPECT_FALSE(util.TipoTecla(vbKeyDown));
    const std::pair<int, int> casos[] = {{'a', 'a'}, {'7', '7'}, {',', ','}, {0xF1, 0xF1}, {8, 8},
                                         {13, 13},   {27, 27},   {1, 0},     {22, 0},      {9, 0}};
    for (auto [tecla, esperada] : casos) {
        int keyAscii = tecla;
        util.FiltrarTecla(txtFields[0], keyAscii);
        EXPECT_EQ(keyAscii, esperada) << tecla;
    }
}

} // namespace
