#include "detail_pages/FrmDetalle.h"

#include "detail_pages/SesionDetalle.h"
#include "dobles/NavegadorGrabador.h"
#include "platform/errors/AccionError.h"
#include "platform/errors/ErrorEjecucion.h"
#include "platform/forms/Twips.h"
#include "support/Apoyo.h"

#include <QFileInfo>
#include <QPointer>
#include <QTest>

namespace {

// A detail window whose page writer the test chooses.
class VentanaDePrueba : public FrmDetalleDe<VentanaDePrueba> {
public:
    VentanaDePrueba() : FrmDetalleDe(QStringLiteral("Detalle de prueba")) {}

    std::function<void(QString&)> escritor = [](QString& archivo) {
        QFile f(archivo);
        f.open(QIODevice::WriteOnly);
        f.write("<HTML></HTML>");
    };

    void Mostrar(const QString& tc, const QString& s, const QString& n, const QString& l) {
        FrmDetalle::Mostrar(QStringLiteral("Detalle de "), tc, s, n, l,
                            QStringLiteral("Prueba.htm"), escritor);
    }
    void Area(int ancho, int alto) { FijarAreaDiseno(ancho, alto); }
    NavegadorGrabador& Navegador() { return dynamic_cast<NavegadorGrabador&>(wbExplorer()); }
};

class FrmDetalleTest : public SesionDetalle {
protected:
    void TearDown() override {
        Liberar<VentanaDePrueba>();
        SesionDetalle::TearDown();
    }
    static void Tecla(QWidget* ventana, Qt::Key tecla, Qt::KeyboardModifiers mod = {}) {
        QTest::keyClick(ventana, tecla, mod);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(FrmDetalleTest, MostrarEscribeHojaYPaginaEnTemporalYNavegaAlArchivo) {
    VentanaDePrueba& v = Instancia<VentanaDePrueba>();
    v.Load();
    QString escrito;
    v.escritor = [&](QString& archivo) {
        escrito = archivo;
        EXPECT_TRUE(QFileInfo::exists(EnTemporal("Style_Auditoria.css")));
    };
    v.Mostrar("FCC", "0002", "00004526", "A");
    EXPECT_EQ(v.Caption(), QStringLiteral("Detalle de FCC 000200004526A"));
    EXPECT_EQ(QDir(v.CarpetaPagina()).absolutePath(), QDir(dir.path()).absolutePath());
    EXPECT_TRUE(v.CarpetaPagina().endsWith(QDir::separator()));
    EXPECT_EQ(v.ArchivoPagina(), v.CarpetaPagina() + "Prueba.htm");
    EXPECT_EQ(escrito, v.ArchivoPagina());
    EXPECT_EQ(v.Navegador().PaginasMostradas(), QStringList{"file://" + v.ArchivoPagina()});
    EXPECT_TRUE(v.wbExplorer().FullScreen());
    EXPECT_FALSE(v.wbExplorer().TheaterMode());
    EXPECT_TRUE(guion.Mensajes.empty());
}

TEST_F(FrmDetalleTest, SinTemporalLaCarpetaEsUnaPropiaEnLaDelSistema) {
    qputenv("TEMP", "   ");
    VentanaDePrueba& v = Instancia<VentanaDePrueba>();
    v.Load();
    v.Mostrar("FC", "0001", "00000001", "A");
    EXPECT_TRUE(QDir(v.CarpetaPagina())
                    .absolutePath()
                    .startsWith(QDir(QDir::tempPath()).absolutePath() + "/auditoria-"))
        << v.CarpetaPagina().toStdString();
    QFile::remove(v.ArchivoPagina());
}

TEST_F(FrmDetalleTest, UnErrorDelEscritorSeInformaYLaVentanaSigue) {
    VentanaDePrueba& v = Instancia<VentanaDePrueba>();
    v.Load();
    v.escritor = [](QString&) {
        throw ErrorEjecucion(52, QStringLiteral("Nombre de archivo malo"));
    };
    guion.RespuestasMsgBox.push_back(int(AccionError::Ignorar));
    v.Mostrar("FC", "0001", "00000001", "A");
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(guion.Mensajes[0].Texto.contains("Nombre de archivo malo"));
    // Skipping the page still points the browser at the file.
    EXPECT_EQ(v.Navegador().PaginasMostradas().size(), 1);
}

TEST_F(FrmDetalleTest, DisenoDeLaVentana) {
    VentanaDePrueba v;
    EXPECT_EQ(v.Caption(), QStringLiteral("Detalle de prueba"));
    EXPECT_TRUE(v.KeyPreview());
    EXPECT_EQ(v.ScaleWidth(), 8895);
    EXPECT_EQ(v.ScaleHeight(), 6750);
    v.Area(8790, 6660);
    EXPECT_EQ(v.ScaleWidth(), 8790);
    EXPECT_EQ(v.ScaleHeight(), 6660);
}

TEST_F(FrmDetalleTest, ElNavegadorLlenaLaVentanaSalvoMinimizada) {
    VentanaDePrueba& v = Instancia<VentanaDePrueba>();
    v.Show();
    v.resize(APixeles(9000), APixeles(7000));
    QWidget& explorador = *v.wbExplorer().Control();
    EXPECT_EQ(explorador.x(), 0);
    EXPECT_EQ(explorador.width(), APixeles(v.Width() - 130));
    EXPECT_EQ(explorador.height(), APixeles(v.Height() - 410));
    const QSize antes = explorador.size();
    v.showMinimized();
    v.resize(APixeles(4000), APixeles(3000));
    if (v.isMinimized()) {
        EXPECT_EQ(explorador.size(), antes);
    }
}

TEST_F(FrmDetalleTest, CtrlInterrumpirLiberaJustoEsaVentana) {
    VentanaDePrueba& predeterminada = Instancia<VentanaDePrueba>();
    predeterminada.Show();
    QPointer<VentanaDePrueba> otra = new VentanaDePrueba();
    otra->Show();
    Tecla(otra, Qt::Key_Pause, Qt::ControlModifier);
    EXPECT_TRUE(otra.isNull());
    // The shared instance is still the same window, still on screen.
    EXPECT_EQ(&Instancia<VentanaDePrueba>(), &predeterminada);
    EXPECT_TRUE(predeterminada.isVisible());

    QPointer<VentanaDePrueba> compartida = &predeterminada;
    Tecla(compartida, Qt::Key_Pause, Qt::ControlModifier);
    EXPECT_TRUE(compartida.isNull());
}

TEST_F(FrmDetalleTest, CerrarOtraInstanciaNoSueltaLaPredeterminada) {
    VentanaDePrueba& predeterminada = Instancia<VentanaDePrueba>();
    predeterminada.Show();
    QPointer<VentanaDePrueba> otra = new VentanaDePrueba();
    otra->Show();
    EXPECT_TRUE(otra->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(otra.isNull());
    EXPECT_EQ(&Instancia<VentanaDePrueba>(), &predeterminada);
}

TEST_F(FrmDetalleTest, EscapeNoCierraNiOculta) {
    VentanaDePrueba& v = Instancia<VentanaDePrueba>();
    v.Show();
    Tecla(&v, Qt::Key_Escape);
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(&Instancia<VentanaDePrueba>(), &v);
}

} // namespace
