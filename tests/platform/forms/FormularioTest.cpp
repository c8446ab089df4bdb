#include "platform/forms/Formulario.h"

#include "dobles/DialogosGuionados.h"
#include "platform/errors/GuardiaEventos.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class FrmCiclo : public Formulario {
    Q_OBJECT
public:
    static inline int creadas = 0;
    FrmCiclo() {
        ++creadas;
        cmdAceptar = new QPushButton(QStringLiteral("Aceptar"), this);
        Conectar(cmdAceptar, &QPushButton::clicked, "cmdAceptar_Click", [this] {
            if (fallarAlAceptar)
                throw ErrorEjecucion(91, QStringLiteral("Variable de objeto no establecida"));
            Aceptar = true;
            Hide();
        });
    }

    QPushButton* cmdAceptar;
    bool Aceptar = false;
    bool fallarAlAceptar = false;
    bool cancelarUnload = false;
    int cargas = 0;
    int descargas = 0;

protected:
    void Form_Load() override { ++cargas; }
    void Form_Unload(bool& cancel) override {
        ++descargas;
        cancel = cancelarUnload;
    }
};

void BorrarPendientes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class FormularioTest : public ::testing::Test {
protected:
    void TearDown() override {
        Liberar<FrmCiclo>();
        BorrarPendientes();
        InstalarInformeErrores({});
    }
    DialogosGuionados guion;
    DialogosEnUso enUso{guion};
};

TEST_F(FormularioTest, LaInstanciaPredeterminadaSeCreaUnaVezHastaLiberarla) {
    int antes = FrmCiclo::creadas;
    FrmCiclo& primera = Instancia<FrmCiclo>();
    QPointer<FrmCiclo> vigilada(&primera);
    EXPECT_EQ(&Instancia<FrmCiclo>(), &primera);
    EXPECT_EQ(FrmCiclo::creadas, antes + 1);

    Liberar<FrmCiclo>();
    BorrarPendientes();
    EXPECT_TRUE(vigilada.isNull());
    Instancia<FrmCiclo>();
    EXPECT_EQ(FrmCiclo::creadas, antes + 2);
}

TEST_F(FormularioTest, LiberarUnaVentanaVisibleLaDejaHastaQueSeDescargue) {
    FrmCiclo& ventana = Instancia<FrmCiclo>();
    QPointer<FrmCiclo> vigilada(&ventana);
    ventana.Show();
    Liberar<FrmCiclo>();
    BorrarPendientes();
    ASSERT_FALSE(vigilada.isNull());
    EXPECT_TRUE(vigilada->isVisible());
    EXPECT_NE(&Instancia<FrmCiclo>(), vigilada.data());
    vigilada->Unload();
    BorrarPendientes();
    EXPECT_TRUE(vigilada.isNull());
}

TEST_F(FormularioTest, LoadCorreUnaSolaVezAunqueSeMuestreVariasVeces) {
    FrmCiclo& ventana = Instancia<FrmCiclo>();
    ventana.Load();
    ventana.Show();
    ventana.Hide();
    ventana.Show();
    EXPECT_EQ(ventana.cargas, 1);
    EXPECT_TRUE(ventana.Cargado());
}

TEST_F(FormularioTest, UnloadCanceladoDejaLaVentanaAbierta) {
    FrmCiclo& ventana = Instancia<FrmCiclo>();
    ventana.Show();
    ventana.cancelarUnload = true;
    EXPECT_FALSE(ventana.Unload());
    EXPECT_FALSE(ventana.close());
    EXPECT_TRUE(ventana.isVisible());
    EXPECT_TRUE(ventana.Cargado());
    EXPECT_EQ(ventana.descargas, 2);

    ventana.cancelarUnload = false;
    EXPECT_TRUE(ventana.Unload());
    EXPECT_FALSE(ventana.isVisible());
    EXPECT_FALSE(ventana.Cargado());
    // The default instance outlives its unload; showing it again loads it again.
    ventana.Show();
    EXPECT_EQ(ventana.cargas, 2);
}

TEST_F(FormularioTest, OtraInstanciaSeBorraAlDescargarse) {
    QPointer<FrmCiclo> otra(new FrmCiclo);
    otra->Show();
    ASSERT_TRUE(otra->Unload());
    BorrarPendientes();
    EXPECT_TRUE(otra.isNull());
}

TEST_F(FormularioTest, ElModalPasaPorElServicioDeDialogos) {
    FrmCiclo& ventana = Instancia<FrmCiclo>();
    ventana.SetCaption(QStringLiteral("Cambio de Estado"));
    int cargasDuranteElModal = -1;
    guion.AccionesModales.push_back([&](QWidget& mostrada) {
        auto& frm = static_cast<FrmCiclo&>(mostrada);
        cargasDuranteElModal = frm.cargas;
        frm.cmdAceptar->click();
    });
    ventana.Show(true);
    EXPECT_EQ(cargasDuranteElModal, 1);
    EXPECT_TRUE(ventana.Aceptar);
    EXPECT_FALSE(ventana.isVisible());
    ASSERT_EQ(guion.VentanasModales.size(), 1u);
    EXPECT_EQ(guion.VentanasModales[0].Clase, QStringLiteral("FrmCiclo"));
    EXPECT_EQ(guion.VentanasModales[0].Titulo, QStringLiteral("Cambio de Estado"));
}

TEST_F(FormularioTest, UnErrorEnElManejadorDeUnBotonSeInforma) {
    QStringList informes;
    InstalarInformeErrores([&](const ErrorEjecucion& error, const QString& evento) {
        informes << QStringLiteral("%1 %2").arg(evento).arg(error.Number());
    });
    FrmCiclo& ventana = Instancia<FrmCiclo>();
    ventana.fallarAlAceptar = true;
    ventana.Show();
    ventana.cmdAceptar->click();
    EXPECT_EQ(informes, QStringList(QStringLiteral("FrmCiclo.cmdAceptar_Click 91")));
    EXPECT_TRUE(ventana.isVisible());
}

TEST_F(FormularioTest, PosicionYTamanoEnTwips) {
    FrmCiclo& ventana = Instancia<FrmCiclo>();
    ventana.SetAreaCliente(5850, 2820);
    EXPECT_EQ(ventana.ScaleWidth(), 5850);
    EXPECT_EQ(ventana.ScaleHeight(), 2820);
    ventana.SetLeft(1500);
    ventana.SetTop(300);
    EXPECT_EQ(ventana.Left(), 1500);
    EXPECT_EQ(ventana.Top(), 300);
    ventana.SetWidth(9150);
    EXPECT_EQ(ventana.Width(), 9150);
    EXPECT_EQ(ventana.ScaleHeight(), 2820);
}

// Every window draws in the narrow face its design sizes were made for, which the program
// installs; a label the design gives "Tahoma" draws in it too, at its own size.
TEST_F(FormularioTest, UnaSolaLetraParaLasVentanas) {
    FrmCiclo& ventana = Instancia<FrmCiclo>();
    const QFontInfo letra(ventana.cmdAceptar->font());
    EXPECT_EQ(letra.family(), QStringLiteral("Liberation Sans Narrow"))
        << "falta el paquete fonts-liberation";
    EXPECT_EQ(letra.pixelSize(), 11);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(9.75);
    ventana.cmdAceptar->setFont(tahoma);
    EXPECT_EQ(QFontInfo(ventana.cmdAceptar->font()).family(), letra.family());
    EXPECT_EQ(QFontInfo(ventana.cmdAceptar->font()).pixelSize(), 13);
}

} // namespace

#include "FormularioTest.moc"
