#include "platform/browser/CodificacionUrl.h"

#include "support/Apoyo.h"

#include <QUrl>
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

// A link value comes back exactly from the address the browser makes of it, whatever it holds,
// and leaves there no underscore that could be taken for part of a marker.
TEST(AgregarValorUrl, CadaValorVuelveExactoDeLaDireccionDelNavegador) {
    const QString valores[] = {"",
                               " ",
                               "21%2010102",
                               "0002%4109904A",
                               "%41",
                               "%",
                               "%%25",
                               "%5F",
                               "_",
                               "_TC_",
                               "a_b_",
                               "ARTICULO_",
                               "/ARTICULO_9",
                               "\\ARTICULO_9",
                               "O'Brien",
                               "Ñandú",
                               "#?&=+;",
                               "a%C3%B1 %ZZ",
                               "€ 日本",
                               "~-.%2525"};
    const QUrl pagina(QStringLiteral("file:///tmp/x/Auditoria.htm"));
    for (const QString& valor : valores) {
        QString escrito;
        AgregarValorUrl(escrito, valor);
        EXPECT_FALSE(escrito.contains(u'_')) << valor;
        EXPECT_EQ(pagina.resolved(QUrl("_X_" + escrito)).toString(QUrl::FullyEncoded),
                  "file:///tmp/x/_X_" + escrito)
            << valor;
        EXPECT_EQ(LeerValorUrl(escrito), valor) << valor;
        // A page file's bytes get the very same characters.
        QByteArray bytes = "_X_";
        AgregarValorUrl(bytes, valor);
        EXPECT_EQ(bytes, "_X_" + escrito.toLatin1()) << valor;
    }
    // Only "_" and "%" are written otherwise than plain percent-encoding would.
    QString linea = "_TC_";
    AgregarValorUrl(linea, "Aceros \"Z\" <Zárate> & Cía");
    AgregarValorUrl(linea, "50%_x");
    EXPECT_EQ(linea, "_TC_Aceros%20%22Z%22%20%3CZ%C3%A1rate%3E%20%26%20C%C3%ADa50%2525%255Fx");
}

} // namespace
