#include "Apoyo.h"
#include "platform/controls/ColorVb.h"
#include "platform/controls/ImageList.h"
#include "platform/controls/Panel.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TeclasVb.h"

#include <QKeyEvent>
#include <QPixmap>

using namespace controles;

namespace {

struct CasoTecla {
    Qt::Key tecla;
    Qt::KeyboardModifiers modificadores;
    const char* texto;
    int codigo;
    int caracter;
};

TEST(TeclasVb, LasTeclasDeQtLleganConLosCodigosDeLasVentanas) {
    const CasoTecla casos[] = {
        {Qt::Key_F1, Qt::NoModifier, "", 112, 0},
        {Qt::Key_F12, Qt::NoModifier, "", 123, 0},
        {Qt::Key_Return, Qt::NoModifier, "\r", 13, 13},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", 13, 13},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", 27, 27},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", 8, 8},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", 46, 0},
        {Qt::Key_Tab, Qt::NoModifier, "\t", 9, 0},
        {Qt::Key_A, Qt::NoModifier, "a", 65, 97},
        {Qt::Key_A, Qt::ShiftModifier, "A", 65, 65},
        {Qt::Key_5, Qt::NoModifier, "5", 53, 53},
        {Qt::Key_5, Qt::KeypadModifier, "5", 101, 53},
        {Qt::Key_Comma, Qt::NoModifier, ",", 188, 44},
        {Qt::Key_Period, Qt::KeypadModifier, ".", 110, 46},
        {Qt::Key_Pause, Qt::ControlModifier, "", 3, 0},
        {Qt::Key_Down, Qt::NoModifier, "", 40, 0},
    };
    for (const CasoTecla& caso : casos) {
        const QKeyEvent evento(QEvent::KeyPress, caso.tecla, caso.modificadores,
                               QString::fromLatin1(caso.texto));
        EXPECT_EQ(CodigoTecla(evento), caso.codigo) << caso.tecla;
        EXPECT_EQ(CodigoCaracter(evento), caso.caracter) << caso.tecla;
    }
    EXPECT_EQ(EstadoShiftDe(Qt::ShiftModifier | Qt::AltModifier), 5);
}

TEST(ColorVb, ElRojoVaEnElByteBajo) {
    const std::pair<long, QColor> casos[] = {{0x0000FF, QColor(255, 0, 0)},
                                             {0xFF0000, QColor(0, 0, 255)},
                                             {0xFFFF00, QColor(0, 255, 255)},
                                             {0x123456, QColor(0x56, 0x34, 0x12)}};
    for (const auto& [bgr, color] : casos) {
        EXPECT_EQ(ColorDesdeVb(bgr), color) << bgr;
        EXPECT_EQ(ColorAVb(color), bgr) << bgr;
    }
}

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
