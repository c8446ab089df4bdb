#include "platform/suite/UtilGeneral.h"

#include "dobles/DialogosGuionados.h"
#include "platform/runtime/Currency.h"
#include "support/Apoyo.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const UtilGeneral util;

struct CasoRelleno {
    const char* texto;
    int ancho;
    const char* esperado;
};

class Rellenar : public ::testing::TestWithParam<CasoRelleno> {};

TEST_P(Rellenar, DaLaFormaGuardadaDelCodigo) {
    const CasoRelleno caso = GetParam();
    const QString resultado = util.Rellenar(QString::fromUtf8(caso.texto), caso.ancho);
    EXPECT_EQ(resultado, QString::fromUtf8(caso.esperado));
    EXPECT_EQ(resultado.size(), caso.ancho);
}

INSTANTIATE_TEST_SUITE_P(
    AnchosYLados, Rellenar,
    ::testing::Values(CasoRelleno{"1", 4, "   1"}, CasoRelleno{"FC", 4, "FC  "},
                      CasoRelleno{"A", 4, "A   "}, CasoRelleno{"NCPE", 4, "NCPE"},
                      CasoRelleno{"0001", 4, "0001"}, CasoRelleno{"00000123", 8, "00000123"},
                      CasoRelleno{" 12 ", 4, "  12"}, CasoRelleno{"", 4, "    "},
                      CasoRelleno{"A1", 4, "A1  "}, CasoRelleno{"ABCDEF", 4, "ABCD"},
                      CasoRelleno{"123456", 4, "3456"}, CasoRelleno{"Ñandú", 7, "Ñandú  "},
                      CasoRelleno{"ART-001", 25, "ART-001                  "},
                      // Only four-character codes are kept right-aligned.
                      CasoRelleno{"1001", 25, "1001                     "},
                      CasoRelleno{"12", 8, "12      "}));

TEST(RellenarSinAncho, DevuelveElTextoTalCual) {
    EXPECT_EQ(util.Rellenar(QStringLiteral(" 12 ")), QStringLiteral(" 12 "));
    EXPECT_EQ(NumeroDeError([] { util.Rellenar(QStringLiteral("FC"), -1); }), 5);
}

TEST(NormalizarRuta, TerminaEnUnSoloSeparador) {
    const QString sep = QDir::separator();
    EXPECT_EQ(util.NormalizarRuta(QStringLiteral("/opt/programa")), "/opt/programa" + sep);
    EXPECT_EQ(util.NormalizarRuta(QStringLiteral("/opt/programa/")), "/opt/programa" + sep);
    EXPECT_EQ(util.NormalizarRuta(QStringLiteral("/opt/programa//")), "/opt/programa" + sep);
    EXPECT_EQ(util.NormalizarRuta(QStringLiteral("\\opt\\programa\\")),
              sep + "opt" + sep + "programa" + sep);
    EXPECT_EQ(util.NormalizarRuta(QStringLiteral("/")), sep);
    EXPECT_EQ(util.NormalizarRuta(QString()), QString());
}

struct CasoNumero {
    const char* texto;
    qint64 escalado; // ten-thousandths
    bool numerico;
};

class LecturaDeNumeros : public ::testing::TestWithParam<CasoNumero> {};

TEST_P(LecturaDeNumeros, AceptaComaYPunto) {
    const CasoNumero caso = GetParam();
    const QString texto = QString::fromUtf8(caso.texto);
    EXPECT_EQ(util.ValorMoneda(texto).Escalado(), caso.escalado);
    EXPECT_EQ(util.EsNumerico(texto), caso.numerico);
}

INSTANTIATE_TEST_SUITE_P(
    Separadores, LecturaDeNumeros,
    ::testing::Values(CasoNumero{"1234,56", 12345600, true}, CasoNumero{"1234.56", 12345600, true},
                      CasoNumero{"1.234,56", 12345600, true},
                      CasoNumero{"1,234.56", 12345600, true},
                      CasoNumero{"1.234.567", 12345670000, true}, CasoNumero{"-0,25", -2500, true},
                      CasoNumero{" - 7 ", -70000, true}, CasoNumero{"+3", 30000, true},
                      CasoNumero{",5", 5000, true}, CasoNumero{"21.", 210000, true},
                      CasoNumero{"0,00005", 0, true}, CasoNumero{"0,00015", 2, true},
                      CasoNumero{"", 0, false}, CasoNumero{"   ", 0, false},
                      CasoNumero{"abc", 0, false}, CasoNumero{"-", 0, false},
                      CasoNumero{"12abc", 120000, false}, CasoNumero{"10 %", 100000, false}));

TEST(ValorEntero, RedondeaLaLectura) {
    EXPECT_EQ(util.ValorEntero(QStringLiteral("0001")), 1);
    EXPECT_EQ(util.ValorEntero(QStringLiteral("00000123")), 123);
    EXPECT_EQ(util.ValorEntero(QStringLiteral("2,5")), 2);
    EXPECT_EQ(util.ValorEntero(QStringLiteral("3.5")), 4);
    EXPECT_EQ(util.ValorEntero(QString()), 0);
    EXPECT_EQ(NumeroDeError([] { util.ValorEntero(QStringLiteral("99999999999")); }), 6);
}

struct CasoLetras {
    const char* importe;
    const char* letras;
};

class ImporteEnLetras : public ::testing::TestWithParam<CasoLetras> {};

TEST_P(ImporteEnLetras, EscribeElImporte) {
    EXPECT_EQ(util.ImporteEnLetras(QString::fromUtf8(GetParam().importe)),
              QString::fromUtf8(GetParam().letras));
}

INSTANTIATE_TEST_SUITE_P(
    Importes, ImporteEnLetras,
    ::testing::Values(
        CasoLetras{"0", "CERO CON 00/100"}, CasoLetras{"1", "UNO CON 00/100"},
        CasoLetras{"21", "VEINTIUNO CON 00/100"}, CasoLetras{"16,5", "DIECISEIS CON 50/100"},
        CasoLetras{"100", "CIEN CON 00/100"}, CasoLetras{"101", "CIENTO UNO CON 00/100"},
        CasoLetras{"571", "QUINIENTOS SETENTA Y UNO CON 00/100"},
        CasoLetras{"1234,56", "UN MIL DOSCIENTOS TREINTA Y CUATRO CON 56/100"},
        CasoLetras{"21000", "VEINTIUN MIL CON 00/100"},
        CasoLetras{"31100", "TREINTA Y UN MIL CIEN CON 00/100"},
        CasoLetras{"100000", "CIEN MIL CON 00/100"}, CasoLetras{"1000000", "UN MILLON CON 00/100"},
        CasoLetras{"2001001", "DOS MILLONES UN MIL UNO CON 00/100"},
        CasoLetras{"21000000", "VEINTIUN MILLONES CON 00/100"},
        CasoLetras{"1500000000", "UN MIL QUINIENTOS MILLONES CON 00/100"},
        CasoLetras{"1000000000000", "UN BILLON CON 00/100"},
        CasoLetras{"-5", "MENOS CINCO CON 00/100"}, CasoLetras{"0.999", "UNO CON 00/100"},
        CasoLetras{"-0,001", "CERO CON 00/100"}));

TEST(Codificar, DecodificarDevuelveElTextoOriginal) {
    for (const QString& texto :
         {QString(), QStringLiteral("tarumba"), QStringLiteral("Sorvane"),
          QStringLiteral("clave=con;signos|y 'comillas'"), QStringLiteral("añejo Ñandú €"),
          QStringLiteral("  blancos  "), QStringLiteral("CAFE")}) {
        const QString codificado = util.Codificar(texto);
        EXPECT_EQ(util.Decodificar(codificado), texto);
        EXPECT_FALSE(codificado.contains(u'=') || codificado.contains(u';'));
        if (!texto.isEmpty()) {
            EXPECT_NE(codificado, texto);
        }
    }
}

TEST(Codificar, UnTextoQueNoEstaCodificadoSeDecodificaEnSiMismo) {
    EXPECT_EQ(util.Decodificar(QStringLiteral("usuario")), QStringLiteral("usuario"));
    EXPECT_EQ(util.Decodificar(QStringLiteral("ABC")), QStringLiteral("ABC"));
}

TEST(TextosYListas, LimpianReemplazanYComparan) {
    const QString fijo = QStringLiteral("FC") + QChar(0) + QChar(0) + QChar(255);
    EXPECT_EQ(util.LimpiarTexto(fijo, {QString(QChar(0)), QString(QChar(255))}),
              QStringLiteral("FC"));
    EXPECT_EQ(util.LimpiarTexto(QStringLiteral("O'Brien = 'x'"), {QStringLiteral("'=")}),
              QStringLiteral("OBrien  x"));
    EXPECT_EQ(util.Reemplazar(QStringLiteral("ab*CD*"), QStringLiteral("*"), QStringLiteral("%")),
              QStringLiteral("ab%CD%"));
    EXPECT_EQ(util.SustituirNombre(QStringLiteral("SELECT * FROM v_ma_articulos, V_MA_ARTICULOS"),
                                   QStringLiteral("V_MA_ARTICULOS"),
                                   QStringLiteral("VT_MA_ARTICULOS")),
              QStringLiteral("SELECT * FROM VT_MA_ARTICULOS, VT_MA_ARTICULOS"));
    EXPECT_EQ(util.ContarPalabras(QStringLiteral("  MA_CUENTAS \t C\r\n")), 2);
    EXPECT_EQ(util.ContarPalabras(QStringLiteral("   ")), 0);
    const QStringList tipos{QStringLiteral("AJP"), QStringLiteral("AJN"), QStringLiteral("VS"),
                            QStringLiteral("IR")};
    EXPECT_TRUE(util.EstaEnLista(QStringLiteral("ir  "), tipos));
    EXPECT_FALSE(util.EstaEnLista(QStringLiteral(" IR"), tipos));
    EXPECT_FALSE(util.EstaEnLista(QStringLiteral("FC"), tipos));
    EXPECT_EQ(util.ValorCampo(QVariant()), QString());
    EXPECT_TRUE(util.PruebaValor(QStringLiteral("   ")));
    EXPECT_FALSE(util.PruebaValor(QStringLiteral("1.1.01")));
}

TEST(ElegirFecha, EscribeLaFechaElegidaYRespetaLaCancelacion) {
    DialogosGuionados dialogos;
    DialogosEnUso enUso(dialogos);
    dialogos.Fechas = {QDate(2024, 3, 5), std::nullopt};
    QString fecha = QStringLiteral("01/01/2024");
    util.ElegirFecha(fecha);
    EXPECT_EQ(fecha, QStringLiteral("05/03/2024"));
    util.ElegirFecha(fecha);
    EXPECT_EQ(fecha, QStringLiteral("05/03/2024"));
}

// What a user types in an amount box: "." only groups thousands, by threes; anything else that
// is not wholly an amount reads as none.
TEST(ImporteEscrito, LeeLaNotacionDelUsuario) {
    const auto leido = [](const char* texto) {
        const std::optional<Currency> importe = util.ImporteEscrito(QString::fromUtf8(texto));
        return importe ? importe->Escalado() : -1;
    };
    EXPECT_EQ(leido("1.500"), 15000000);
    EXPECT_EQ(leido(" 1.234.567,5 "), 12345675000);
    EXPECT_EQ(leido("20010,52"), 200105200);
    EXPECT_EQ(leido("-0,0049"), -49);
    EXPECT_EQ(leido("21,"), 210000);
    EXPECT_EQ(leido(""), 0);
    for (const char* malo : {"1.5", "1.50", "12.3456", "1,5.0", "abc", "12x", "(100)", "-",
                             "1,23456", "1E3", "+3", ",5"})
        EXPECT_EQ(leido(malo), -1) << malo;
    EXPECT_EQ(NumeroDeError([] { util.ImporteEscrito(QStringLiteral("922337203685478")); }), 6);
}

} // namespace
