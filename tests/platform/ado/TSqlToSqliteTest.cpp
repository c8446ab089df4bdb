#include "platform/ado/TSqlToSqlite.h"

#include "platform/ado/TokenSql.h"
#include "platform/errors/ErrorEjecucion.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace ado;

namespace {

EsquemaSqlite Esquema() {
    EsquemaSqlite e;
    e.AgregarTabla("MV_ASIENTOS", {{"TC", "CHAR(4)"},
                                   {"IDCOMPROBANTE", "CHAR(13)"},
                                   {"FECHA", "DATETIME"},
                                   {"NUMERO ASIENTO", "INT"},
                                   {"DEBE-HABER", "CHAR(1)"},
                                   {"DETALLE", "VARCHAR(60)"}});
    e.AgregarTabla("TA_CONFIGURACION", {{"CLAVE", "VARCHAR(50)"}, {"VALOR", "VARCHAR(255)"}});
    e.AgregarTabla("MV_EJERCICIOS", {{"PERIODO", "INT"}, {"DESDE", "DATE"}, {"HASTA", "DATE"}});
    return e;
}

QString Plano(QString s) {
    return s.replace(QRegularExpression("\\s+"), " ").trimmed();
}

QString Una(const QString& sql) {
    const auto lote = TraducirLote(sql, Esquema());
    EXPECT_EQ(lote.size(), 1) << sql.toStdString();
    return lote.isEmpty() ? QString() : Plano(lote[0].sql);
}

struct Caso {
    const char* entrada;
    const char* salida;
};

class Traduccion : public ::testing::TestWithParam<Caso> {};

TEST_P(Traduccion, DaLaSentenciaEsperada) {
    EXPECT_EQ(Una(QString::fromUtf8(GetParam().entrada)).toStdString(), GetParam().salida);
}

INSTANTIATE_TEST_SUITE_P(
    Top, Traduccion,
    ::testing::Values(Caso{"SELECT TOP 1 * FROM MV_ASIENTOS WHERE ID = 1 ORDER BY FECHA",
                           "SELECT * FROM MV_ASIENTOS WHERE ID = 1 ORDER BY FECHA LIMIT 1"},
                      Caso{"SELECT TOP 1  * FROM T", "SELECT * FROM T LIMIT 1"},
                      Caso{"SELECT DISTINCT TOP 3 TC FROM T GROUP BY TC",
                           "SELECT DISTINCT TC FROM T GROUP BY TC LIMIT 3"},
                      Caso{"SELECT TOP (10) TC FROM T", "SELECT TC FROM T LIMIT 10"},
                      Caso{"SELECT A FROM (SELECT TOP 5 A FROM T ORDER BY A) X WHERE A > 2",
                           "SELECT A FROM (SELECT A FROM T ORDER BY A LIMIT 5) X WHERE A > 2"},
                      Caso{"SELECT TOPE, STOP, [TOP 5] FROM T -- TOP 2",
                           "SELECT TOPE, STOP, [TOP 5] FROM T -- TOP 2"},
                      Caso{"SELECT TOP 1 A FROM T -- fin\n", "SELECT A FROM T LIMIT 1 -- fin"},
                      Caso{"select top 2 a from t where b in (select top 1 c from u)",
                           "select a from t where b in (select c from u LIMIT 1) LIMIT 2"}));

INSTANTIATE_TEST_SUITE_P(
    FuncionesYDelete, Traduccion,
    ::testing::Values(
        Caso{"SELECT ISNULL(A,0), SUBSTRING(B, 1, 4), LEN(C), CHARINDEX('x', D) FROM T",
             "SELECT IFNULL(A,0), SUBSTR(B, 1, 4), LEN(C), CHARINDEX('x', D) FROM T"},
        Caso{"SELECT ISNULLX, 'ISNULL(' FROM T", "SELECT ISNULLX, 'ISNULL(' FROM T"},
        Caso{"DELETE MV_ASIENTOS WHERE NUMERO = 3", "DELETE FROM MV_ASIENTOS WHERE NUMERO = 3"},
        Caso{"DELETE FROM T WHERE A = 1", "DELETE FROM T WHERE A = 1"},
        Caso{"DELETE dbo.V_MV_FALTANTES", "DELETE FROM V_MV_FALTANTES"},
        Caso{"SELECT N'texto' FROM T", "SELECT 'texto' FROM T"}));

INSTANTIATE_TEST_SUITE_P(
    Literales, Traduccion,
    ::testing::Values(
        Caso{"SELECT * FROM T WHERE LTRIM(RTRIM(nombre)) ='demo'",
             "SELECT * FROM T WHERE LTRIM(RTRIM(nombre)) COLLATE SQLSRV_CI ='demo' COLLATE "
             "SQLSRV_CI"},
        Caso{"SELECT * FROM T WHERE A IN ('x', 'y')",
             "SELECT * FROM T WHERE A IN ('x' COLLATE SQLSRV_CI, 'y' COLLATE SQLSRV_CI)"},
        Caso{"SELECT 'a' AS X FROM T", "SELECT 'a' AS X FROM T"},
        Caso{"INSERT INTO T (A) VALUES ('O''Brien -- ; DELETE T')",
             "INSERT INTO T (A) VALUES ('O''Brien -- ; DELETE T')"}));

INSTANTIATE_TEST_SUITE_P(
    Fechas, Traduccion,
    ::testing::Values(
        Caso{"SELECT * FROM MV_ASIENTOS WHERE FECHA >= '01/12/26' AND FECHA <= '31/12/2026 23:59'",
             "SELECT * FROM MV_ASIENTOS WHERE FECHA >= '2026-12-01 00:00:00' COLLATE SQLSRV_CI AND "
             "FECHA <= '2026-12-31 23:59:00' COLLATE SQLSRV_CI"},
        Caso{
            "SELECT * FROM MV_ASIENTOS A WHERE '5/1/2026' <= A.FECHA",
            "SELECT * FROM MV_ASIENTOS A WHERE '2026-01-05 00:00:00' COLLATE SQLSRV_CI <= A.FECHA"},
        Caso{"SELECT * FROM MV_ASIENTOS WHERE [FECHA] BETWEEN '01/01/26' AND '31/01/26'",
             "SELECT * FROM MV_ASIENTOS WHERE [FECHA] BETWEEN '2026-01-01 00:00:00' COLLATE "
             "SQLSRV_CI AND '2026-01-31 00:00:00' COLLATE SQLSRV_CI"},
        Caso{"UPDATE MV_ASIENTOS SET FECHA = '02/03/26 10:30:15', DETALLE = '02/03/26'",
             "UPDATE MV_ASIENTOS SET FECHA = '2026-03-02 10:30:15' COLLATE SQLSRV_CI, DETALLE = "
             "'02/03/26' COLLATE SQLSRV_CI"},
        Caso{"INSERT INTO MV_ASIENTOS (TC, FECHA, DETALLE) VALUES ('NCPE', '09/12/26', '01/01/26')",
             "INSERT INTO MV_ASIENTOS (TC, FECHA, DETALLE) VALUES ('NCPE', '2026-12-09 00:00:00', "
             "'01/01/26')"},
        Caso{"INSERT INTO MV_EJERCICIOS VALUES (2026, '01/01/2026', '31/12/2026')",
             "INSERT INTO MV_EJERCICIOS VALUES (2026, '2026-01-01', '2026-12-31')"},
        Caso{"INSERT INTO MV_ASIENTOS (TC, FECHA) SELECT TC, '15/06/99' FROM MV_ASIENTOS",
             "INSERT INTO MV_ASIENTOS (TC, FECHA) SELECT TC, '1999-06-15 00:00:00' FROM "
             "MV_ASIENTOS"},
        Caso{"UPDATE TA_CONFIGURACION SET VALOR = '01/12/26' WHERE CLAVE = '[FECHA DESDE]'",
             "UPDATE TA_CONFIGURACION SET VALOR = '01/12/26' COLLATE SQLSRV_CI WHERE CLAVE = "
             "'[FECHA DESDE]' COLLATE SQLSRV_CI"}));

TEST(TraduccionDeLotes, SeparaSentenciasPorSaltoDeLineaYReconoceTransacciones) {
    const auto lote = TraducirLote(
        "BEGIN TRANSACTION\r\nDELETE MV_ASIENTOS WHERE TC = 'NCPE'\r\nINSERT INTO MV_ASIENTOS "
        "(TC) VALUES ('NCPE')\r\n\r\rUPDATE T SET A = 1\r\nCOMMIT TRAN",
        Esquema());
    ASSERT_EQ(lote.size(), 5);
    EXPECT_EQ(lote[0].clase, SentenciaTraducida::IniciarTransaccion);
    EXPECT_TRUE(lote[1].sql.startsWith("DELETE FROM MV_ASIENTOS"));
    EXPECT_TRUE(lote[2].sql.startsWith("INSERT INTO"));
    EXPECT_TRUE(lote[3].sql.startsWith("UPDATE T"));
    EXPECT_EQ(lote[4].clase, SentenciaTraducida::ConfirmarTransaccion);
}

TEST(TraduccionDeLotes, NoCortaDondeLaSentenciaSigue) {
    const char* enteras[] = {
        "INSERT INTO T (A)\r\nSELECT B FROM U",
        "SELECT A FROM T\r\nUNION ALL\r\nSELECT B FROM U",
        "UPDATE T\r\nSET A = 1\r\nWHERE B IN (\r\nSELECT C FROM U)",
        "INSERT INTO T (A) VALUES ('uno\r\nDELETE T\r\nDROP TABLE T')",
        "SELECT A FROM T WHERE [DELETE] = 1",
    };
    for (const char* sql : enteras)
        EXPECT_EQ(TraducirLote(sql, Esquema()).size(), 1) << sql;
}

TEST(TraduccionDeLotes, RollbackYSetNocount) {
    const auto lote = TraducirLote("SET NOCOUNT ON\nROLLBACK TRANSACTION", Esquema());
    ASSERT_EQ(lote.size(), 2);
    EXPECT_EQ(lote[0].clase, SentenciaTraducida::Ninguna);
    EXPECT_EQ(lote[1].clase, SentenciaTraducida::DeshacerTransaccion);
}

// A value written into a literal with its apostrophes doubled is one literal, read back as it
// was, whatever apostrophes it holds.
TEST(LiteralesDeTexto, ElValorConApostrofosDobladosVuelveEntero) {
    for (const QString valor : {"", "O'Brien", "'", "''", "a'' OR ''1''=''1", "fin'"}) {
        const TokensSql tokens = Tokenizar("SELECT '" + DoblarApostrofos(valor) + "' AS X");
        const int literal = Siguiente(tokens, 0);
        ASSERT_EQ(tokens[literal].tipo, TokenSql::Cadena) << valor.toStdString();
        EXPECT_EQ(tokens[literal].ValorCadena(), valor);
        EXPECT_TRUE(tokens[Siguiente(tokens, literal)].EsPalabra("AS")) << valor.toStdString();
    }
}

TEST(TraduccionRechazada, LoQueNoPuedeTraducirFielmenteEsUnErrorDelProveedor) {
    const char* rechazadas[] = {
        "SELECT 'a' + B FROM T",
        "SELECT GETDATE()",
        "SELECT CONVERT(INT, A) FROM T",
        "IF NOT EXISTS (SELECT * FROM T) INSERT INTO T VALUES (1)",
        "SELECT * FROM T WHERE A = 'sin cerrar",
        "SELECT * FROM MV_ASIENTOS WHERE FECHA = '31/02/2026'",
        "SELECT TOP 10 PERCENT A FROM T",
        "SELECT TOP 1 A FROM T UNION SELECT B FROM U",
    };
    for (const char* sql : rechazadas) {
        try {
            TraducirLote(sql, Esquema());
            ADD_FAILURE() << "se tradujo: " << sql;
        } catch (const ErrorEjecucion& e) {
            EXPECT_FALSE(e.Description().isEmpty());
        }
    }
}

TEST(FechaAlmacenada, FormasDiaPrimeroEIso) {
    using E = EsquemaSqlite;
    EXPECT_EQ(FechaAlmacenada("8/12/2026", E::FechaHora), "2026-12-08 00:00:00");
    EXPECT_EQ(FechaAlmacenada("08/12/49", E::Fecha), "2049-12-08");
    EXPECT_EQ(FechaAlmacenada("08/12/50", E::Fecha), "1950-12-08");
    EXPECT_EQ(FechaAlmacenada("29/02/2024 7:05", E::FechaHora), "2024-02-29 07:05:00");
    EXPECT_EQ(FechaAlmacenada("2026-12-08", E::FechaHora), "2026-12-08 00:00:00");
    EXPECT_EQ(FechaAlmacenada("", E::FechaHora), "1900-01-01 00:00:00");
    EXPECT_EQ(FechaAlmacenada("29/02/2026", E::Fecha), "");
    EXPECT_EQ(FechaAlmacenada("12/31/2026", E::Fecha), "");
    EXPECT_EQ(FechaAlmacenada("hola", E::Fecha), "");
}

} // namespace
