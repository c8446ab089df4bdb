#include "DemoModGlobal.h"
#include "platform/forms/CajaTexto.h"
#include "platform/forms/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

class frmAccesoTest : public EnSesion {
protected:
    frmAcceso& frm = Instancia<frmAcceso>();
};

TEST_F(frmAccesoTest, ElDisenoEsencial) {
    frm.Load(); // centred on the screen
    const QRect pantalla = QGuiApplication::primaryScreen()->geometry();
    EXPECT_NEAR(frm.Left(), ATwips(pantalla.width()) / 2 - frm.Width() / 2, TwipsPorPixel);
    EXPECT_NEAR(frm.Top(), ATwips(pantalla.height()) / 2 - frm.Height() / 2, TwipsPorPixel);
    EXPECT_EQ(frm.Caption(), "Control de Acceso");
    EXPECT_EQ(frm.ScaleWidth(), 5850);
    EXPECT_EQ(frm.ScaleHeight(), 2820);
    // A few controls where the design puts them, the fields inside the frame.
    const std::tuple<QWidget*, QWidget*, QRect> lugares[] = {
        {frm.TxtUserId, frm.framAcceso, {1920, 240, 3735, 345}},
        {frm.CboPlataformaDB, frm.framAcceso, {1905, 1890, 3765, 315}},
        {frm.bcCancelar, &frm, {3000, 2415, 1332, 372}},
    };
    for (const auto& [control, padre, twips] : lugares) {
        EXPECT_EQ(control->geometry(), QRect(APixeles(twips.left()), APixeles(twips.top()),
                                             APixeles(twips.width()), APixeles(twips.height())))
            << control->metaObject()->className();
        EXPECT_EQ(control->parentWidget(), padre);
    }
    EXPECT_EQ(frm.lbcontrasena->text(), "&Contraseña");
    EXPECT_EQ(frm.lbcontrasena->font().family(), "Courier");
    EXPECT_EQ(Unidos(frm.CboPlataformaDB->count(), frm.CboPlataformaDB->itemText(0),
                     frm.CboPlataformaDB->itemText(1), frm.bcAceptar->text(),
                     frm.bcCancelar->text()),
              "2|SQL Server|ORACLE|Aceptar|Cancelar");
    frm.Show();
    frm.TxtUserPassword->SetText(QStringLiteral("secreta"));
    EXPECT_EQ(frm.TxtUserPassword->displayText(), "*******");
    EXPECT_EQ(frm.TxtUserPassword->Text(), "secreta");
}

TEST_F(frmAccesoTest, ElTabuladorRecorreLosControlesEnOrden) {
    const QList<QWidget*> orden = {frm.TxtUserId,   frm.TxtUserPassword, frm.TxtDbName,
                                   frm.TxtServidor, frm.CboPlataformaDB, frm.bcAceptar,
                                   frm.bcCancelar};
    for (qsizetype i = 1; i < orden.size(); ++i) {
        QWidget* siguiente = orden[i - 1]->nextInFocusChain();
        while (!(siguiente->focusPolicy() & Qt::TabFocus))
            siguiente = siguiente->nextInFocusChain();
        EXPECT_EQ(siguiente, orden[i]) << i;
    }
    EXPECT_EQ(frm.lbUsuario->buddy(), frm.TxtUserId);
    EXPECT_EQ(frm.Label2->buddy(), frm.TxtServidor);
}

// Enter accepts and Esc cancels; closing the window is no acceptance.
TEST_F(frmAccesoTest, EnterAceptaEscYCerrarCancelan) {
    for (const auto& [tecla, aceptado] :
         {std::pair{Qt::Key_Return, true}, std::pair{Qt::Key_Escape, false}}) {
        frm.Aceptar = !aceptado;
        frm.Show();
        frm.activateWindow();
        frm.TxtServidor->setFocus();
        QTest::keyClick(frm.TxtServidor, tecla);
        EXPECT_EQ(frm.Aceptar, aceptado) << tecla;
        EXPECT_FALSE(frm.isVisible());
    }
    frm.Unload();
    guion.AccionesModales.push_back(
        [](QWidget& v) { static_cast<frmAcceso&>(v).bcAceptar->click(); });
    guion.AccionesModales.push_back([](QWidget& v) { v.close(); });
    frm.Show(true);
    EXPECT_TRUE(frm.Aceptar);
    frm.Unload();
    frm.Show(true);
    EXPECT_FALSE(frm.Aceptar);
}

} // namespace
