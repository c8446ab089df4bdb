#include "platform/controls/ImageList.h"
#include "platform/controls/Panel.h"
#include "platform/controls/StatusBar.h"
#include "support/Apoyo.h"

#include <QPixmap>
#include <gtest/gtest.h>

using namespace controles;

namespace {

TEST(ImageList, LasImagenesSeBuscanPorIndiceYPorClave) {
    ImageList imagenes;
    QPixmap dibujo(16, 16);
    dibujo.fill(Qt::red);
    EXPECT_EQ(imagenes.Add(QIcon(dibujo), QStringLiteral("PR"), QStringLiteral("PR")), 1);
    EXPECT_EQ(imagenes.Add(QIcon(dibujo), QStringLiteral("Generico"), QStringLiteral("Generico")),
              2);

    EXPECT_EQ(imagenes.ListImages(2).Tag, QStringLiteral("Generico"));
    EXPECT_EQ(imagenes.ListImages(QStringLiteral("PR")).Key, QStringLiteral("PR"));
    EXPECT_TRUE(imagenes.Imagen(0).isNull());
    EXPECT_FALSE(imagenes.Imagen(1).isNull());
    EXPECT_EQ(NumeroDeError([&] { imagenes.ListImages(3); }), 35600);
    EXPECT_EQ(NumeroDeError([&] { imagenes.ListImages(QStringLiteral("OC")); }), 35601);
    EXPECT_EQ(NumeroDeError([&] { imagenes.Add(QIcon(), QStringLiteral("PR")); }), 35602);
}

TEST(StatusBar, EmpiezaConUnPanelDeAnchoEnTwips) {
    StatusBar barra;
    EXPECT_EQ(barra.PanelCount(), 1);
    barra.Panels(1)->SetWidth(9000);
    barra.Panels(1)->SetText(QStringLiteral("Listo"));
    EXPECT_EQ(barra.Panels(1)->Width(), 9000);
    barra.Panels(1)->SetWidth(-150);
    EXPECT_EQ(barra.Panels(1)->Width(), 0);
    EXPECT_EQ(NumeroDeError([&] { barra.Panels(2); }), 35600);
}

} // namespace
