#include "session/DialectoOracle.h"

#include "DemoModGlobal.h"

namespace {

const QString CadenaOracle =
    QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=ORCL;User Id=u;Password=p;");

class DialectoOracleTest : public EnSesion {
protected:
    void SetUp() override {
        EnSesion::SetUp();
        DB_Dll::Instancia().gConnString = CadenaOracle;
    }
    static QString Dicc(const QString& sql) { return DB_Dll::Instancia().ORACLE_Dicc(sql); }
};

// ---- Statement rewriting ----------------------------------------------------------------

TEST_F(DialectoOracleTest, ReescribeComoOracleLoEspera) {
    const std::pair<QString, QString> casos[] = {
        {"len", "LENGTH"},
        {"CODIGO", "CODIGO"},
        {"SELECT TOP 10 CODIGO FROM MA_CUENTAS WHERE TITULO = 0 ORDER BY CODIGO",
         "SELECT  CODIGO FROM MA_CUENTAS WHERE TITULO = 0    AND ROWNUM <= 10  ORDER BY CODIGO"},
        {"SELECT TOP 1 * FROM MV_ASIENTOS", "SELECT  * FROM MV_ASIENTOS  WHERE ROWNUM <= 1  "},
        {"SELECT TOP 3 CUENTA, SUM(IMPORTE) FROM MV_ASIENTOS WHERE PERIODO = 2026 GROUP BY CUENTA "
         "ORDER BY CUENTA",
         "SELECT  CUENTA, SUM(IMPORTE) FROM MV_ASIENTOS WHERE PERIODO = 2026    AND ROWNUM <= 3  "
         "GROUP BY CUENTA ORDER BY CUENTA "},
        // "TOP" inside another word counts too.
        {"SELECT LAPTOP FROM T", "SELECT LAP T  WHERE ROWNUM <= FROM  "},
        {"SELECT LEN(A), LEN (B), LEN    (C), len  (d) FROM T",
         "SELECT LENGTH(A), LENGTH(B), LENGTH(C), LENGTH(d) FROM T"},
        {"LEN(A) FROM T", "LEN(A) FROM T"},
        {"SELECT LEN     (A) FROM T", "SELECT LEN     (A) FROM T"},
        {"SELECT [NUMERO ASIENTO] FROM MV_ASIENTOS", "SELECT \"NUMERO ASIENTO\" FROM MV_ASIENTOS"},
        {"SELECT * FROM T WHERE F >= '01/03/2026' AND F <= '31/3/26'",
         "SELECT * FROM T WHERE F >= TO_DATE('01/03/2026','DD/MM/YYYY') AND F <= "
         "TO_DATE('31/03/2026','DD/MM/YYYY')"},
        {"SELECT * FROM T WHERE A = '01/03/2026' OR B = '01/03/2026'",
         "SELECT * FROM T WHERE A = TO_DATE('01/03/2026','DD/MM/YYYY') OR B = "
         "TO_DATE('01/03/2026','DD/MM/YYYY')"},
        {"SELECT * FROM T WHERE TC = 'NCPE' AND X = '32/01/2026'",
         "SELECT * FROM T WHERE TC = 'NCPE' AND X = '32/01/2026'"},
        {"SELECT CHARINDEX('-', A) FROM T", "SELECT InStr('-', A) FROM T"},
        {"SELECT CONVERT(NVARCHAR, FECHA, 103) FROM T",
         "SELECT TO_CHAR( FECHA, 'DD/MM/YYYY') FROM T"},
        {"SELECT CONVERT(INT, A) FROM T", "SELECT TO_NUMBER( A) FROM T"},
        {"SELECT TO_CHAR(A), ROUND(B, 103) FROM T WHERE C = 103",
         "SELECT TO_CHAR(A), ROUND(B, 103) FROM T WHERE C = 103"},
        {"SELECT A = '' FROM T WHERE B = '' AND C=''",
         "SELECT A = '' FROM T WHERE B  IS NULL  AND C IS NULL "},
        {"select substring(a,1,2), isnull(b,0) from t", "select SUBSTR(a,1,2), NVL(b,0) from t"},
    };
    for (const auto& [sql, esperado] : casos)
        EXPECT_EQ(Dicc(sql), esperado) << sql;
    EXPECT_EQ(NumeroDeError([] { Dicc(QStringLiteral("SELECT * FROM T WHERE A = 'abc")); }), 5)
        << "un apostrofo sin cerrar";
}

TEST_F(DialectoOracleTest, SoloUnaBaseOracleCambiaLaSentencia) {
    DB_Dll::Instancia().gConnString = QStringLiteral("PROVIDER=SQLOLEDB;Server=S;Database =X;");
    const QString sql = QStringLiteral("SELECT TOP 5 [A] FROM T WHERE ISNULL(B,'') = ''");
    EXPECT_EQ(Dicc(sql), sql);
    EXPECT_EQ(Dicc(QStringLiteral("len")), "len");
    // A database called oracle counts as Oracle.
    DB_Dll::Instancia().gConnString = "PROVIDER=SQLOLEDB;Server=S;Database =oracle_copia;";
    EXPECT_EQ(Dicc(QStringLiteral("SELECT ISNULL(A,0) FROM T")), "SELECT NVL(A,0) FROM T");
}

// ---- Scripts cut into statements --------------------------------------------------------

QStringList Partir(const QString& script) {
    QString resto = DialectoOracle::NormalizarScript(script);
    QStringList sentencias;
    QString sentencia;
    while (DialectoOracle::SiguienteSentencia(resto, sentencia))
        sentencias << sentencia;
    return sentencias;
}

TEST(ScriptOracle, SeCortaEnSusPalabrasClave) {
    EXPECT_EQ(
        Partir("BEGIN TRANSACTION\r\nDELETE MV_ASIENTOS WHERE TC = 'NCPE'\r\n"
               "INSERT INTO MV_APLICACION (TC) VALUES ('UPDATE X')\r\nCOMMIT TRANSACTION\r\n"),
        QStringList({"SET TRANSACTION", "DELETE MV_ASIENTOS WHERE TC = 'NCPE'",
                     "INSERT INTO MV_APLICACION (TC) VALUES ('", "UPDATE X')", "COMMIT"}));
    // NOCOUNT and GO go; what asks whether something exists is dropped.
    const QStringList partes =
        Partir("SET NOCOUNT ON\r\nIF NOT EXISTS (SELECT * FROM T) CREATE TABLE T (A INT)\r\nGO\r\n"
               "GRANT SELECT ON T TO PUBLIC\r\nrollback trans");
    EXPECT_EQ(partes, QStringList({"IF NOT EXISTS (SELECT * FROM T)", "CREATE TABLE T (A INT)",
                                   "GRANT SELECT ON T TO PUBLIC", "ROLLBACK"}));
    EXPECT_EQ(DialectoOracle::FiltrarSentencia(partes[0]), "");
    EXPECT_EQ(DialectoOracle::FiltrarSentencia(QStringLiteral("set nocount on")), "");
    EXPECT_EQ(DialectoOracle::FiltrarSentencia(partes[1]), partes[1]);
    // The text before the first keyword never runs.
    EXPECT_EQ(Partir("EXEC sp_limpiar\r\ndelete T"), QStringList({"delete T"}));
    EXPECT_TRUE(Partir("SELECT * FROM T").isEmpty());
    // The script keeps what is left to run.
    QString resto = DialectoOracle::NormalizarScript(QStringLiteral("DELETE A\r\nDELETE B"));
    QString sentencia;
    ASSERT_TRUE(DialectoOracle::SiguienteSentencia(resto, sentencia));
    EXPECT_EQ(sentencia, "DELETE A");
    EXPECT_EQ(resto, "DELETE B");
}

// A batch on an Oracle connection that cannot run stops at its first statement, keeps the
// rest for the caller and raises nothing.
TEST_F(DialectoOracleTest, UnLoteQueFallaEnOracleNoLanzaYDejaLoQueNoCorrio) {
    DB_Dll& db = DB_Dll::Instancia();
    db.gCnn.SetConnectionString(CadenaOracle);
    QString lote = QStringLiteral("BEGIN TRANSACTION\r\nDELETE T\r\nCOMMIT TRANSACTION");
    long afectados = 0;
    db.EjecutaConsultaSQL(lote, afectados);
    EXPECT_EQ(lote, "DELETE T \nCOMMIT");
    EXPECT_EQ(afectados, 0);
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_EQ(guion.Mensajes[0].Titulo, "Aviso al operador!!!");
}

} // namespace
