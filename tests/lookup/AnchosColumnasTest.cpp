#include "lookup/AnchosColumnas.h"

#include "support/Apoyo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class AnchosColumnasTest : public ::testing::Test {
protected:
    QByteArray Contenido() const {
        QFile f(anchos.Archivo());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(sin archivo)");
    }
    void Escribir(const QByteArray& bytes) const {
        QFile f(anchos.Archivo());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // The widths read, "-" for a column the file gives none.
    QStringList Leidos(QString tabla, int columnas) const {
        QStringList texto;
        for (const std::optional<double>& ancho : anchos.Leer(tabla, columnas))
            texto << (ancho ? QString::number(*ancho) : QStringLiteral("-"));
        return texto;
    }

    QTemporaryDir dir;
    AnchosColumnas anchos{dir.path()};
};

// The line layout: both fields quoted, one comma, each width followed by "|", CR LF.
TEST_F(AnchosColumnasTest, ElPrimerGrabadoCreaElArchivoConUnaLinea) {
    EXPECT_FALSE(anchos.Existe());
    anchos.Grabar("VT_CLIENTES", {1800, 2400, 915});
    EXPECT_EQ(Contenido(), QByteArray("\"VT_CLIENTES\",\"1800|2400|915|\"\r\n"));
    EXPECT_FALSE(QFile::exists(anchos.Temporal()));
    EXPECT_EQ(QFileInfo(anchos.Archivo()).fileName(), QStringLiteral("CONSULTASLEN.SVE"));
    EXPECT_EQ(QFileInfo(anchos.Temporal()).fileName(), QStringLiteral("CONSULTASLEN.AUX"));
}

// Other tables' lines stay as they were and in their order; the table's own lines (in any
// letter case, however many) give way to one new line at the end.
TEST_F(AnchosColumnasTest, GrabarConservaLasOtrasTablasYPoneLaSuyaAlFinal) {
    Escribir("\"vt_clientes\",\"100|\"\r\n"
             "\"VT_PROVEEDORES\",\"3000|1500|\"\r\n"
             "\"VT_CLIENTES\",\"200|\"\r\n"
             "\"A\xF1o\",\"45|\"\r\n");
    anchos.Grabar("VT_CLIENTES", {1200, 600});
    EXPECT_EQ(Contenido(), QByteArray("\"VT_PROVEEDORES\",\"3000|1500|\"\r\n"
                                      "\"A\xF1o\",\"45|\"\r\n"
                                      "\"VT_CLIENTES\",\"1200|600|\"\r\n"));
}

TEST_F(AnchosColumnasTest, UnAnchoConFraccionSeEscribeConComaDecimal) {
    EXPECT_EQ(AnchosColumnas::TextoAnchos({1799.5, 15, 0}), QStringLiteral("1799,5|15|0|"));
    EXPECT_EQ(AnchosColumnas::TextoAnchos({}), QString());
}

TEST_F(AnchosColumnasTest, CamposDeUnaLinea) {
    const std::pair<QString, std::pair<QString, QString>> casos[] = {
        {"\"VT_CLIENTES\",\"1800|2400|\"", {"VT_CLIENTES", "1800|2400|"}},
        {"  \"A, B\" , \"1|\"", {"A, B", "1|"}},
        {"SIN_COMILLAS , 12|13|", {"SIN_COMILLAS", "12|13|"}},
        {"\"SOLO\"", {"SOLO", ""}},
        {"", {"", ""}},
    };
    for (const auto& [linea, campos] : casos)
        EXPECT_EQ(AnchosColumnas::Campos(linea), campos) << linea;
}

TEST_F(AnchosColumnasTest, Lectura) {
    struct Caso {
        QByteArray archivo;
        QString tabla;
        int columnas;
        QStringList esperados;
    };
    const Caso casos[] = {
        // The table matches in any case; extra widths are left over.
        {"\"vt_clientes\",\"1800|2400|900|\"\r\n", "VT_CLIENTES", 2, {"1800", "2400"}},
        // Three widths for five columns: the rest keep theirs, and reading stops there.
        {"\"T\",\"10|20|30|\"\r\n\"T\",\"1|1|1|1|1|\"\r\n", "T", 5, {"10", "20", "30", "-", "-"}},
        // A later line of the table wins.
        {"\"T\",\"10|20|\"\r\n\"U\",\"5|5|\"\r\n\"T\",\"11|21|\"\r\n", "T", 2, {"11", "21"}},
        // A later line with fewer widths changes the first columns only.
        {"\"T\",\"10|20|\"\r\n\"T\",\"11|\"\r\n", "T", 2, {"11", "20"}},
        // Widths in the user's notation; text that is no number reads 0.
        {"\"T\",\"1799,5||x|\"\r\n", "T", 3, {"1799.5", "0", "0"}},
        {"\"OTRA\",\"10|\"\r\n", "T", 2, {"-", "-"}},
        // A width too large for an amount ends the reading; the widths before it stay.
        {"\"T\",\"10|20|30|\"\r\n\"T\",\"1500|99999999999999999999999|2000|\"\r\n"
         "\"T\",\"7|7|7|\"\r\n",
         "T",
         3,
         {"1500", "20", "30"}},
    };
    for (const Caso& caso : casos) {
        Escribir(caso.archivo);
        EXPECT_EQ(Leidos(caso.tabla, caso.columnas), caso.esperados) << caso.archivo.constData();
    }
}

TEST_F(AnchosColumnasTest, SinArchivoNoHayAnchosNiCambioDeClave) {
    QString tabla = "Stk_ma_articulos";
    EXPECT_EQ(anchos.Leer(tabla, 2).size(), 2u);
    EXPECT_FALSE(anchos.Leer(tabla, 2)[0]);
    EXPECT_EQ(tabla, QStringLiteral("Stk_ma_articulos"));
}

TEST_F(AnchosColumnasTest, ConArchivoLaTablaDeStockSeLeeComoLaVistaDeArticulos) {
    Escribir("\"VT_MA_ARTICULOS\",\"3000|\"\r\n");
    QString tabla = "STK_MA_ARTICULOS";
    EXPECT_EQ(Leidos(tabla, 1), QStringList{"3000"});
    tabla = "STK_MA_ARTICULOS";
    anchos.Leer(tabla, 1);
    EXPECT_EQ(tabla, QStringLiteral("VT_MA_ARTICULOS"));
}

TEST_F(AnchosColumnasTest, UnaCarpetaQueNoExisteEsUnErrorAlGrabar) {
    AnchosColumnas perdidos(dir.filePath("no/existe"));
    EXPECT_NE(NumeroDeError([&] { perdidos.Grabar("T", {1}); }), 0);
}

} // namespace
