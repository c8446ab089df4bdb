#include "dobles/DialogosGuionados.h"

#include "platform/dialogs/DialogosQt.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class DialogosGuionadosTest : public ::testing::Test {
protected:
    DialogosGuionados guion;
    DialogosEnUso enUso{guion};
};

TEST_F(DialogosGuionadosTest, MensajesContestadosEnOrdenYRegistrados) {
    guion.RespuestasMsgBox = {vbRetry, vbNo};
    EXPECT_EQ(MsgBox(QStringLiteral("Ha ocurrido el Siguiente Error (3704) "), 18,
                     QStringLiteral("Auditoria - errAddField Aviso al operador!!! ")),
              vbRetry);
    EXPECT_EQ(MsgBox(QStringLiteral("¿Desea salir?"), vbYesNo), vbNo);
    ASSERT_EQ(guion.Mensajes.size(), 2u);
    EXPECT_EQ(guion.Mensajes[0].Texto, QStringLiteral("Ha ocurrido el Siguiente Error (3704) "));
    EXPECT_EQ(guion.Mensajes[0].Titulo,
              QStringLiteral("Auditoria - errAddField Aviso al operador!!! "));
    EXPECT_EQ(guion.Mensajes[0].Botones, 18);
    EXPECT_EQ(guion.Mensajes[1].Titulo, QStringLiteral("Auditoria"));
    EXPECT_EQ(guion.Mensajes[1].Respuesta, vbNo);
    EXPECT_TRUE(guion.PorDefecto.isEmpty());
}

TEST_F(DialogosGuionadosTest, SinRespuestaEnColaContestaElBotonPredeterminadoYLoAnota) {
    EXPECT_EQ(MsgBox(QStringLiteral("Error"), 18), vbAbort);
    EXPECT_EQ(MsgBox(QStringLiteral("¿Seguro?"), vbYesNo | vbDefaultButton2), vbNo);
    EXPECT_EQ(guion.PorDefecto,
              QStringList({QStringLiteral("MsgBox: Error"), QStringLiteral("MsgBox: ¿Seguro?")}));
}

TEST_F(DialogosGuionadosTest, InputBoxDaLoEncoladoYLuegoVacio) {
    guion.TextosInputBox = {QStringLiteral("clave")};
    EXPECT_EQ(InputBox(QStringLiteral("ingrese el password:"), QStringLiteral("Password Access")),
              QStringLiteral("clave"));
    EXPECT_EQ(InputBox(QStringLiteral("Ingrese la Cantidad del Articulo..."),
                       QStringLiteral("Carga de Datos"), QStringLiteral("1,00")),
              QString());
    ASSERT_EQ(guion.Entradas.size(), 2u);
    EXPECT_EQ(guion.Entradas[0].Titulo, QStringLiteral("Password Access"));
    EXPECT_EQ(guion.Entradas[1].Predeterminado, QStringLiteral("1,00"));
    EXPECT_EQ(guion.PorDefecto.size(), 1);
}

TEST_F(DialogosGuionadosTest, ArchivosFechasEImpresoras) {
    Dialogos& dialogos = Dialogos::Actual();
    guion.Archivos = {QStringLiteral("/datos/base.mdb")};
    guion.Fechas = {QDate(2024, 3, 31)};
    guion.ImpresoraAceptada = {true};
    EXPECT_EQ(
        dialogos.AbrirArchivo(QStringLiteral("Buscar Base de Datos"), QStringLiteral("x|*.MDB")),
        QStringLiteral("/datos/base.mdb"));
    EXPECT_EQ(dialogos.ElegirFecha(), QDate(2024, 3, 31));
    EXPECT_TRUE(dialogos.ElegirImpresora().has_value());
    // Queues empty: every kind answers as a cancelled dialog.
    EXPECT_FALSE(dialogos.AbrirArchivo(QStringLiteral("Buscar Base de Datos"), QString()));
    EXPECT_FALSE(dialogos.ElegirFecha());
    EXPECT_FALSE(dialogos.ElegirImpresora());
    EXPECT_EQ(guion.PorDefecto.size(), 3);
    ASSERT_EQ(guion.ArchivosPedidos.size(), 2u);
    EXPECT_EQ(guion.ArchivosPedidos[0].Filtro, QStringLiteral("x|*.MDB"));
}

TEST_F(DialogosGuionadosTest, LaPruebaActuaSobreLaVentanaModalAntesDeQueVuelva) {
    QWidget ventana;
    ventana.setWindowTitle(QStringLiteral("Control de Acceso"));
    auto* usuario = new QLineEdit(&ventana);
    auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), &ventana);
    bool aceptada = false;
    QObject::connect(aceptar, &QPushButton::clicked, [&] {
        aceptada = true;
        ventana.hide();
    });
    bool visibleDuranteLaAccion = false;
    guion.AccionesModales.push_back([&](QWidget& mostrada) {
        visibleDuranteLaAccion = mostrada.isVisible();
        mostrada.findChild<QLineEdit*>()->setText(QStringLiteral("sa"));
        mostrada.findChild<QPushButton*>()->click();
    });
    Dialogos::Actual().MostrarModal(ventana);
    EXPECT_TRUE(visibleDuranteLaAccion);
    EXPECT_TRUE(aceptada);
    EXPECT_EQ(usuario->text(), QStringLiteral("sa"));
    ASSERT_EQ(guion.VentanasModales.size(), 1u);
    EXPECT_EQ(guion.VentanasModales[0].Titulo, QStringLiteral("Control de Acceso"));
    EXPECT_EQ(guion.VentanasModales[0].Ventana, &ventana);
}

TEST_F(DialogosGuionadosTest, UnaVentanaModalSinAccionSeCierraSola) {
    QWidget ventana;
    Dialogos::Actual().MostrarModal(ventana);
    EXPECT_FALSE(ventana.isVisible());
    EXPECT_EQ(guion.VentanasModales[0].Clase, QStringLiteral("QWidget"));
    EXPECT_EQ(guion.PorDefecto, QStringList(QStringLiteral("MostrarModal: QWidget")));
}

TEST(Dialogos, SinServicioInstaladoSeUsanLosDeQtYElAnteriorVuelve) {
    EXPECT_NE(dynamic_cast<DialogosQt*>(&Dialogos::Actual()), nullptr);
    DialogosGuionados externo;
    {
        DialogosEnUso usoExterno(externo);
        DialogosGuionados interno;
        {
            DialogosEnUso usoInterno(interno);
            EXPECT_EQ(&Dialogos::Actual(), &interno);
        }
        EXPECT_EQ(&Dialogos::Actual(), &externo);
    }
    EXPECT_NE(dynamic_cast<DialogosQt*>(&Dialogos::Actual()), nullptr);
}

} // namespace
