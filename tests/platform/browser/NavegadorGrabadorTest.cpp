#include "dobles/NavegadorGrabador.h"

#include "dobles/DialogosGuionados.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// A window's link handler in miniature: command links (marker words) are cancelled.
class NavegadorGrabadorTest : public ::testing::Test {
protected:
    void SetUp() override {
        navegador.BeforeNavigate2 = [this](const QString& url, bool& cancelar) {
            recibidas << url;
            cancelar = url.contains(QStringLiteral("_TC_"), Qt::CaseInsensitive);
        };
    }

    NavegadorGrabador navegador;
    QStringList recibidas;
};

TEST_F(NavegadorGrabadorTest, LaNavegacionDelProgramaPasaPorElEventoYSeMuestra) {
    navegador.Navigate2(QStringLiteral("about:blank"));
    navegador.Navigate(QStringLiteral("file:///tmp/Auditoria.htm"));

    EXPECT_EQ(recibidas, QStringList({"about:blank", "file:///tmp/Auditoria.htm"}));
    EXPECT_EQ(navegador.PaginasMostradas(), recibidas);
    EXPECT_EQ(navegador.LocationURL(), QStringLiteral("file:///tmp/Auditoria.htm"));
}

TEST_F(NavegadorGrabadorTest, UnaNavegacionCanceladaNoCambiaLaPagina) {
    navegador.Navigate(QStringLiteral("file:///tmp/Auditoria.htm"));
    EXPECT_TRUE(navegador.Clic(QStringLiteral("_TC_FC_SUCURSAL_0001")));

    EXPECT_EQ(navegador.PaginasMostradas(), QStringList({"file:///tmp/Auditoria.htm"}));
    EXPECT_EQ(navegador.LocationURL(), QStringLiteral("file:///tmp/Auditoria.htm"));
    ASSERT_EQ(navegador.Historial().size(), 2);
    EXPECT_TRUE(navegador.Historial().at(1).Cancelada);
    EXPECT_TRUE(navegador.Historial().at(1).Clic);
    EXPECT_FALSE(navegador.Historial().at(0).Clic);
}

TEST_F(NavegadorGrabadorTest, UnEnlaceRelativoSeResuelveContraLaCarpetaDeLaPagina) {
    navegador.Navigate(QStringLiteral("file:///tmp/Auditoria.htm"));
    navegador.Clic(QStringLiteral("_TC_FC_SUCURSAL_0001_CABNOMBRE_PEREZ Y CIA"));

    EXPECT_EQ(recibidas.last(),
              QStringLiteral("file:///tmp/_TC_FC_SUCURSAL_0001_CABNOMBRE_PEREZ%20Y%20CIA"));
}

TEST_F(NavegadorGrabadorTest, LasBarrasInvertidasDeUnEnlaceSeLeenComoBarras) {
    navegador.Navigate(QStringLiteral("file:///tmp/AuditoriaRECIBOdetalles.htm"));
    navegador.Clic(QStringLiteral("\\ARTICULO_0001"));

    EXPECT_EQ(recibidas.last(), QStringLiteral("file:///ARTICULO_0001"));
    EXPECT_EQ(navegador.LocationURL(), QStringLiteral("file:///ARTICULO_0001"));
}

// The handler gets the address as the engine holds it: the page's escapes stand, but those
// of unreserved characters, which the engine unescapes.
TEST_F(NavegadorGrabadorTest, UnaDireccionCompletaLlegaComoLaTieneElMotor) {
    navegador.Navigate(QStringLiteral("about:blank"));
    navegador.Clic(QStringLiteral("file:///tmp/_TC_NC_CABNOMBRE_Pe%C3%B1a%20Hnos%2525%5F%41"));

    EXPECT_EQ(recibidas.last(),
              QStringLiteral("file:///tmp/_TC_NC_CABNOMBRE_Pe%C3%B1a%20Hnos%2525_A"));
}

TEST_F(NavegadorGrabadorTest, SinManejadorTodaNavegacionSigue) {
    NavegadorGrabador sinManejador;
    EXPECT_FALSE(sinManejador.Clic(QStringLiteral("file:///tmp/_TC_FC")));
    EXPECT_EQ(sinManejador.LocationURL(), QStringLiteral("file:///tmp/_TC_FC"));
}

TEST(FabricaNavegador, SinFabricaInstaladaLasVentanasRecibenUnNavegadorGrabador) {
    QWidget ventana;
    Navegador* navegador = Navegador::Crear(&ventana);
    EXPECT_NE(dynamic_cast<NavegadorGrabador*>(navegador), nullptr);
    EXPECT_EQ(navegador->Control()->parentWidget(), &ventana);
}

// The operator, who can look around while a message is on screen.
class OperadorMirando : public DialogosGuionados {
public:
    std::function<void()> AlVerMensaje;

protected:
    int MostrarMensaje(const QString& texto, int botones, const QString& titulo) override {
        if (AlVerMensaje)
            AlVerMensaje();
        return DialogosGuionados::MostrarMensaje(texto, botones, titulo);
    }
};

// The engine's page process ends under two views at once: one message says it, whichever view
// hears of it first; the views go on working, and a later end is told again.
TEST_F(NavegadorGrabadorTest, UnProcesoDePaginaTerminadoSeAvisaUnaVez) {
    OperadorMirando operador;
    DialogosEnUso enUso{operador};
    NavegadorGrabador otro;
    operador.AlVerMensaje = [&] { otro.TerminarProceso(); };
    navegador.Navigate(QStringLiteral("file:///tmp/Auditoria.htm"));
    navegador.TerminarProceso();
    ASSERT_EQ(operador.Mensajes.size(), 1u);
    EXPECT_TRUE(operador.Mensajes[0].Texto.contains("terminó de forma inesperada"));
    EXPECT_EQ(operador.Mensajes[0].Botones, vbExclamation);

    navegador.Navigate(QStringLiteral("file:///tmp/Auditoria.htm"));
    EXPECT_EQ(navegador.PaginasMostradas().size(), 2);
    operador.AlVerMensaje = nullptr;
    otro.TerminarProceso();
    EXPECT_EQ(operador.Mensajes.size(), 2u);
}

} // namespace
