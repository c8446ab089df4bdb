#include "platform/browser/DecodificacionUrl.h"

#include <gtest/gtest.h>

namespace {

struct CasoUrl {
    const char* nombre;
    const char* reportada;
    const char* leida;
};

class DecodificacionUrl : public ::testing::TestWithParam<CasoUrl> {};

TEST_P(DecodificacionUrl, SeLeeComoLaLeeriaElUsuario) {
    const CasoUrl& caso = GetParam();
    EXPECT_EQ(DecodificarUrl(QString::fromUtf8(caso.reportada)), QString::fromUtf8(caso.leida));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DecodificacionUrl,
    ::testing::Values(
        CasoUrl{"SinEscapes", "file:///tmp/Auditoria.htm", "file:///tmp/Auditoria.htm"},
        CasoUrl{"Blancos", "file:///tmp/_CABNOMBRE_PEREZ%20Y%20CIA",
                "file:///tmp/_CABNOMBRE_PEREZ Y CIA"},
        CasoUrl{"AcentosEnUtf8", "_CABNOMBRE_Pe%C3%B1a%20Ib%C3%A1%C3%B1ez",
                "_CABNOMBRE_Peña Ibáñez"},
        CasoUrl{"EscapeQueNoEsUtf8", "_CABNOMBRE_Pe%F1a", "_CABNOMBRE_Peña"},
        CasoUrl{"LiteralesSeMezclanConEscapes", "Peña%20%C3%91", "Peña Ñ"},
        CasoUrl{"MasQuedaComoEsta", "_CABNOMBRE_A+B", "_CABNOMBRE_A+B"},
        CasoUrl{"PorcientoEscapado", "_CABNOMBRE_50%25", "_CABNOMBRE_50%"},
        CasoUrl{"EscapeMalFormado", "100%_x%4", "100%_x%4"},
        CasoUrl{"EscapeEnMinusculas", "a%2fb", "a/b"},
        CasoUrl{"ApostrofoYBarraInvertida", "O%27Brien%5CARTICULO_", "O'Brien\\ARTICULO_"},
        CasoUrl{"PrefijoDeArchivoTalCual", "file://C:\\Temp\\Auditoria.htm",
                "file://C:\\Temp\\Auditoria.htm"}),
    [](const auto& info) { return std::string(info.param.nombre); });

} // namespace
