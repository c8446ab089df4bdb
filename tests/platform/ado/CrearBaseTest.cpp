#include "platform/ado/CrearBase.h"

#include "support/BaseDePrueba.h"

#include <sqlite3.h>

using namespace ado;

// A database made before the schema had its list and lookup indexes.
class IndicesNuevos : public BaseDePrueba {
protected:
    void SetUp() override {
        CrearDemo();
        Ejecutar("DROP INDEX IX_MV_ASIENTOS_LISTA");
        Ejecutar("DROP INDEX IX_MA_CUENTAS_DESCRIPCION");
        Ejecutar("UPDATE MA_CUENTAS SET DESCRIPCION = 'Ñandú D''Angelo %41' WHERE CODIGO = "
                 "(SELECT MIN(CODIGO) FROM MA_CUENTAS)");
        cnn.Close();
    }
    bool Agregar(QString* error) {
        return AgregarIndicesSqlite(Archivo(), AUDITORIA_DATA_DIR "/schema.sql", error);
    }
    QStringList Indices() {
        cnn.Open(Cadena());
        const QStringList nombres = Filas("SELECT name FROM sqlite_master WHERE type = 'index' "
                                          "AND name NOT LIKE 'sqlite%' ORDER BY name");
        cnn.Close();
        return nombres;
    }
};

TEST_F(IndicesNuevos, LaBaseRecibeLosQueLeFaltanYConservaSusFilas) {
    cnn.Open(Cadena());
    const QStringList cuentas = Filas("SELECT * FROM MA_CUENTAS ORDER BY CODIGO");
    const QStringList asientos = Filas("SELECT * FROM MV_ASIENTOS ORDER BY TC, NUMERO, SECUENCIA");
    cnn.Close();
    QString error;
    ASSERT_TRUE(Agregar(&error)) << error.toStdString();
    const QStringList indices = Indices();
    EXPECT_TRUE(indices.contains("IX_MV_ASIENTOS_LISTA"));
    EXPECT_TRUE(indices.contains("IX_MA_CUENTAS_DESCRIPCION"));
    ASSERT_TRUE(Agregar(&error)) << error.toStdString(); // a second run finds them in place
    EXPECT_EQ(Indices(), indices);
    cnn.Open(Cadena());
    EXPECT_EQ(Filas("SELECT * FROM MA_CUENTAS ORDER BY CODIGO"), cuentas);
    EXPECT_EQ(Filas("SELECT * FROM MV_ASIENTOS ORDER BY TC, NUMERO, SECUENCIA"), asientos);
    const QString plan =
        Plan("SELECT TOP 100 DESCRIPCION, CODIGO FROM SS_MA_CUENTAS ORDER BY DESCRIPCION");
    EXPECT_TRUE(plan.contains("IX_MA_CUENTAS_DESCRIPCION")) << plan.toStdString();
    EXPECT_FALSE(plan.contains("TEMP B-TREE")) << plan.toStdString();
}

TEST_F(IndicesNuevos, UnaBaseQueNoSePuedeTocarQuedaComoEstaba) {
    QString error;
    EXPECT_FALSE(AgregarIndicesSqlite(dir.filePath("no_existe.db"),
                                      AUDITORIA_DATA_DIR "/schema.sql", &error));
    EXPECT_FALSE(QFile::exists(dir.filePath("no_existe.db")));
    EXPECT_FALSE(AgregarIndicesSqlite(Archivo(), dir.filePath("no_existe.sql"), &error));
    EXPECT_TRUE(error.contains("no_existe.sql")) << error.toStdString();

    sqlite3* otra = nullptr; // another user in the middle of a change
    sqlite3_open(QFile::encodeName(Archivo()).constData(), &otra);
    sqlite3_exec(otra, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    error.clear();
    EXPECT_FALSE(Agregar(&error));
    EXPECT_FALSE(error.isEmpty());
    sqlite3_close(otra);
    EXPECT_FALSE(Indices().contains("IX_MV_ASIENTOS_LISTA"));

    QFile basura(Archivo());
    ASSERT_TRUE(basura.open(QIODevice::WriteOnly | QIODevice::Truncate));
    basura.write(QByteArray(4096, 'x'));
    basura.close();
    EXPECT_FALSE(Agregar(&error));
    ASSERT_TRUE(basura.open(QIODevice::ReadOnly));
    EXPECT_EQ(basura.readAll(), QByteArray(4096, 'x'));
}
