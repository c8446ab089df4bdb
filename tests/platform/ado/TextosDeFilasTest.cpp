#include "platform/ado/TextosDeFilas.h"

#include "platform/ado/Recordset.h"
#include "platform/errors/ErrorEjecucion.h"
#include "support/BaseDePrueba.h"

using namespace ado;

namespace {

// Each cell's text; its first character, kept apart, must agree with it.
QStringList Celdas(const TextosDeFilas& textos) {
    QStringList celdas;
    const size_t columnas = size_t(std::max(textos.columnas, 1));
    for (size_t i = 0; i < textos.celdas.size(); ++i) {
        const QStringView celda = textos.Celda(i);
        celdas << celda.toString();
        EXPECT_EQ(textos.Primero(i / columnas, int(i % columnas)),
                  celda.isEmpty() ? u'\0' : celda.front().unicode())
            << "celda " << i;
    }
    return celdas;
}

// Text straight from the engine's bytes must read as the decoder every other value goes
// through reads it, bad bytes and all.
TEST(TextosDeFilas, LosBytesSeLeenComoFromUtf8YSeRellenan) {
    const QList<QByteArray> muestras = {"",
                                        "D'Alessio",
                                        "%41",
                                        "\xc3\x91"
                                        "and\xc3\xba",
                                        "\xef\xbb\xbf"
                                        "BOM",
                                        "a\xef\xbb\xbf",
                                        "\xff\xfe malos",
                                        "corte \xc3",
                                        "\xf0\x9f\x98\x80 cara",
                                        QByteArray("nu\0lo", 5),
                                        "\xc2\x80 y \xdf\xbf",
                                        "\xc1\x81 largo de m\xc3\xa1s",
                                        "\xc3( sin seguir",
                                        "\xc3\xc3\x91 doble",
                                        "\xc3\x91\xe2\x82\xac tres"};
    TextosDeFilas textos;
    for (const QByteArray& bytes : muestras)
        textos.AgregarUtf8(bytes.constData(), bytes.size());
    QStringList esperadas;
    for (const QByteArray& bytes : muestras)
        esperadas << QString::fromUtf8(bytes);
    EXPECT_EQ(Celdas(textos), esperadas);

    TextosDeFilas anchos;
    anchos.AgregarUtf8("\xc3\x91", 2, 4);
    anchos.AgregarUtf8("largo", 5, 2);
    EXPECT_EQ(Celdas(anchos), QStringList({QString::fromUtf8("\xc3\x91   "), "largo"}));
}

// Cells of every length, one longer than any block among them, each read back whole wherever
// the blocks end; a changed cell reads its new text and its neighbours keep theirs.
TEST(TextosDeFilas, LasCeldasSeLeenEnterasDondeTermineCadaBloque) {
    TextosDeFilas textos;
    QStringList esperadas;
    for (int n = 0; esperadas.size() < 3000; ++n) {
        const qsizetype largo = n == 700 ? 600000 : (n * 7919) % 1500;
        const QString celda(largo, QChar(u'a' + n % 26));
        esperadas << celda;
        if (n % 2)
            textos.Agregar(celda);
        else
            textos.AgregarUtf8(celda.toUtf8().constData(), celda.size(), largo + n % 3);
        if (n % 2 == 0)
            esperadas.last() += QString(n % 3, u' ');
    }
    textos.Cambiar(1, u"Ñandú");
    esperadas[1] = QStringLiteral("Ñandú");
    const QStringList leidas = Celdas(textos);
    ASSERT_EQ(leidas.size(), esperadas.size());
    for (qsizetype i = 0; i < leidas.size(); ++i)
        ASSERT_TRUE(leidas[i] == esperadas[i]) << "celda " << i << ": " << leidas[i].size()
                                               << " caracteres, no " << esperadas[i].size();
}

// Whole numbers and nulls of a column taking turns, more of them than are remembered, each
// cell read as its own value, in more rows than a block holds; a cell changed or narrowed later
// leaves the ones it shared characters with.
TEST(TextosDeFilas, LosEnterosRepetidosSeLeenCadaUnoComoEsAunqueSeCambieOtro) {
    TextosDeFilas textos;
    const TextoDeValor comoTexto = [](const QVariant& v) {
        return v.isNull() ? QStringLiteral("nulo") : "n" + v.toString();
    };
    EscritorDeTextos escritor(textos, comoTexto, 2);
    QStringList esperadas;
    for (int fila = 0; fila < 70000; ++fila) {
        const qint64 entero = (fila * 7) % 6;
        const bool nulo = fila % 5 == 0;
        escritor.AgregarEntero(0, nulo ? 0 : 1, nulo ? 0 : entero,
                               [&] { return nulo ? QVariant() : QVariant(entero); });
        escritor.AgregarEntero(1, 1, fila % 2, [&] { return QVariant(fila % 2); });
        esperadas << (nulo ? QStringLiteral("nulo") : "n" + QString::number(entero))
                  << "n" + QString::number(fila % 2);
    }
    textos.Cambiar(3, u"otro");
    esperadas[3] = QStringLiteral("otro");
    textos.Cambiar(131073, u"Ñ");
    esperadas[131073] = QStringLiteral("Ñ");
    textos.Acotar(5, 1, 2); // "n0" → "0"
    esperadas[5] = esperadas[5].mid(1, 1);
    textos.Acotar(131072, 0, 0);
    esperadas[131072].clear();
    const QStringList leidas = Celdas(textos);
    ASSERT_EQ(leidas.size(), esperadas.size());
    EXPECT_TRUE(leidas == esperadas);
}

const char* kEsquema = R"(
CREATE TABLE T (N INT, FIJO CHAR(4) COLLATE SQLSRV_CI, LIBRE VARCHAR(10) COLLATE SQLSRV_CI,
                SI BIT, IMPORTE MONEY, FECHA DATETIME);
INSERT INTO T VALUES (1, 'Ñ', 'D''Alessio', 1, 12.5, '2026-12-01 10:00:00');
INSERT INTO T VALUES (2, NULL, NULL, 0, NULL, NULL);
INSERT INTO T VALUES (3, 'ab', 7, 1, 3, '2026-12-03 00:00:00');
INSERT INTO T VALUES (4, '', '%41', 1, 0, '2026-12-04 00:00:00');
)";

const char* kFallaEnLaTercera =
    "SELECT N, ABS(CASE WHEN N = 3 THEN -9223372036854775808 ELSE N END) AS V FROM T";

class TextosDeRecordset : public BaseDePrueba {
protected:
    void SetUp() override { Crear(kEsquema); }

    // Every value shown by its type, so a value taken for another would show.
    static QString ComoTexto(const QVariant& valor) {
        return QString("%1:%2").arg(valor.typeName() ? valor.typeName() : "nulo", valor.toString());
    }
    // What the recordset's own values give, row after row, from its position on.
    QStringList Esperadas(Recordset& rs) {
        QStringList celdas;
        for (; !rs.Eof(); rs.MoveNext())
            for (int c = 0; c < rs.FieldCount(); ++c) {
                const QVariant v = rs.Fields(c).Value();
                celdas << (v.typeId() == QMetaType::QString ? v.toString() : ComoTexto(v));
            }
        return celdas;
    }
    QStringList Leidas(int ubicacion, const QString& sql, int saltar = 0) {
        Recordset rs;
        rs.SetCursorLocation(ubicacion);
        rs.Open(sql, cnn);
        for (int i = 0; i < saltar; ++i)
            rs.MoveNext();
        TextosDeFilas textos;
        rs.LeerTextos(textos, ComoTexto);
        EXPECT_TRUE(rs.Eof());
        EXPECT_EQ(textos.columnas, rs.FieldCount());
        return Celdas(textos);
    }
};

TEST_F(TextosDeRecordset, CadaValorComoLoDaElRecordsetDesdeLaFilaActual) {
    for (const QString sql : {"SELECT * FROM T ORDER BY N", "SELECT N * 2 AS D, SI FROM T"}) {
        Recordset rs;
        rs.Open(sql, cnn);
        const QStringList esperadas = Esperadas(rs);
        EXPECT_EQ(Leidas(adUseServer, sql), esperadas) << sql.toStdString();
        EXPECT_EQ(Leidas(adUseClient, sql), esperadas) << sql.toStdString();
        const QStringList desdeLaTercera = esperadas.mid(2 * rs.FieldCount());
        EXPECT_EQ(Leidas(adUseServer, sql, 2), desdeLaTercera) << sql.toStdString();
        EXPECT_EQ(Leidas(adUseClient, sql, 2), desdeLaTercera) << sql.toStdString();
    }
    EXPECT_EQ(Leidas(adUseServer, "SELECT N FROM T WHERE N > 9"), QStringList());
}

TEST_F(TextosDeRecordset, UnFalloAMitadSeLanzaYNoDejaFilas) {
    Recordset rs;
    rs.SetCursorLocation(adUseServer);
    rs.Open(kFallaEnLaTercera, cnn);
    TextosDeFilas textos;
    textos.columnas = 1;
    textos.Agregar(u"previa");
    EXPECT_THROW(rs.LeerTextos(textos, ComoTexto), ErrorEjecucion);
    ASSERT_EQ(cnn.Errors().Count(), 1);
    EXPECT_TRUE(cnn.Errors().Item(0).Description.contains("integer overflow"));
    EXPECT_EQ(Celdas(textos), QStringList({"previa"}));
    EXPECT_TRUE(rs.Eof());
}

} // namespace
