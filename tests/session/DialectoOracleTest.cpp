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
        // Oracle numbers rows before it sorts, groups or removes duplicates: those are wrapped.
        {"SELECT TOP 10 CODIGO FROM MA_CUENTAS WHERE TITULO = 0 ORDER BY CODIGO",
         "SELECT * FROM (SELECT CODIGO FROM MA_CUENTAS WHERE TITULO = 0 ORDER BY CODIGO) WHERE "
         "ROWNUM <= 10"},
        {"SELECT TOP 3 CUENTA, SUM(IMPORTE) FROM MV_ASIENTOS GROUP BY CUENTA",
         "SELECT * FROM (SELECT CUENTA, SUM(IMPORTE) FROM MV_ASIENTOS GROUP BY CUENTA) WHERE "
         "ROWNUM <= 3"},
        {"SELECT DISTINCT TOP 5 CUENTA FROM T",
         "SELECT * FROM (SELECT DISTINCT CUENTA FROM T) WHERE ROWNUM <= 5"},
        {"SELECT TOP 1 * FROM MV_ASIENTOS", "SELECT * FROM MV_ASIENTOS WHERE ROWNUM <= 1"},
        {"SELECT TOP 1 * FROM T WHERE A = 1 OR B IN (SELECT C FROM U ORDER BY C)",
         "SELECT * FROM T WHERE (A = 1 OR B IN (SELECT C FROM U ORDER BY C)) AND ROWNUM <= 1"},
        // Each TOP limits the query that holds it, at any depth.
        {"SELECT A FROM T WHERE X IN (SELECT TOP 1 X FROM U ORDER BY X)",
         "SELECT A FROM T WHERE X IN (SELECT * FROM (SELECT X FROM U ORDER BY X) WHERE ROWNUM <= "
         "1)"},
        {"SELECT TOP 2 A FROM T WHERE X IN ( SELECT TOP 1 X FROM U WHERE B = 1 )",
         "SELECT A FROM T WHERE (X IN ( SELECT X FROM U WHERE (B = 1) AND ROWNUM <= 1)) AND "
         "ROWNUM <= 2"},
        {"SELECT TOP 5 * FROM (SELECT A FROM T WHERE A IN (SELECT TOP 3 B FROM U)) V ORDER BY A",
         "SELECT * FROM (SELECT * FROM (SELECT A FROM T WHERE A IN (SELECT B FROM U WHERE ROWNUM "
         "<= 3)) V ORDER BY A) WHERE ROWNUM <= 5"},
        {"SELECT LAPTOP FROM T", "SELECT LAPTOP FROM T"},
        {"SELECT LEN(A), LEN (B), LEN     (C), len  (d), LEN FROM T",
         "SELECT LENGTH(A), LENGTH(B), LENGTH(C), LENGTH(d), LEN FROM T"},
        {"SELECT [NUMERO ASIENTO] FROM MV_ASIENTOS", "SELECT \"NUMERO ASIENTO\" FROM MV_ASIENTOS"},
        {"SELECT * FROM T WHERE F >= '01/03/2026' AND F <= '31/3/26'",
         "SELECT * FROM T WHERE F >= TO_DATE('01/03/2026','DD/MM/YYYY') AND F <= "
         "TO_DATE('31/03/2026','DD/MM/YYYY')"},
        {"UPDATE CONTROL_ACCESO SET EGRESO = '10/12/26 14:05' WHERE ID = 3",
         "UPDATE CONTROL_ACCESO SET EGRESO = TO_DATE('10/12/2026 14:05:00','DD/MM/YYYY "
         "HH24:MI:SS') WHERE ID = 3"},
        {"SELECT * FROM T WHERE TC = 'NCPE' AND X = '32/01/2026'",
         "SELECT * FROM T WHERE TC = 'NCPE' AND X = '32/01/2026'"},
        // Values are never rewritten, whatever they hold; a doubled apostrophe stays inside.
        {"SELECT * FROM T WHERE A = '[FECHA DESDE]' AND B = 'top 3 LEN(x) = '''' ISNULL(' AND "
         "C = 'O''Brien' AND F = '01/03/2026'",
         "SELECT * FROM T WHERE A = '[FECHA DESDE]' AND B = 'top 3 LEN(x) = '''' ISNULL(' AND "
         "C = 'O''Brien' AND F = TO_DATE('01/03/2026','DD/MM/YYYY')"},
        // Oracle's INSTR takes the text first.
        {"SELECT CHARINDEX('-', A) FROM T", "SELECT INSTR(A, '-') FROM T"},
        {"SELECT * FROM V_TA_MOTIVOCPRA WHERE CHARINDEX(HABILITADOPARA,'NCPE',1)>0",
         "SELECT * FROM V_TA_MOTIVOCPRA WHERE INSTR('NCPE', HABILITADOPARA, 1)>0"},
        {"SELECT CHARINDEX(SUBSTRING(A,1,2), ISNULL(B, 'x,y')) FROM T",
         "SELECT INSTR(NVL(B, 'x,y'), SUBSTR(A,1,2)) FROM T"},
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
        EXPECT_EQ(Dicc(sql).toStdString(), esperado.toStdString());
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
    // Only whole words outside quoted values and bracketed names cut; a value keeps its line
    // breaks and its words.
    EXPECT_EQ(Partir("BEGIN TRANSACTION\r\nDELETE MV_ASIENTOS WHERE TC = 'NCPE'\r\n"
                     "INSERT INTO MV_APLICACION (TC, [DROP X]) VALUES ('UPDATE X', 'Servicios "
                     "Grant y\r\nGO\r\nAsociados')\r\nUPDATE T SET FECHA_DELETE = 1\r\n"
                     "COMMIT TRANSACTION\r\n"),
              QStringList({"SET TRANSACTION", "DELETE MV_ASIENTOS WHERE TC = 'NCPE'",
                           "INSERT INTO MV_APLICACION (TC, [DROP X]) VALUES ('UPDATE X', "
                           "'Servicios Grant y\r\nGO\r\nAsociados')",
                           "UPDATE T SET FECHA_DELETE = 1", "COMMIT"}));
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
    // A keyword that takes a blank after it is no statement before a parenthesis.
    EXPECT_EQ(Partir("UPDATE T SET A = 1 WHERE UPDATE(A) = 1"),
              QStringList({"UPDATE T SET A = 1 WHERE UPDATE(A) = 1"}));
    EXPECT_TRUE(Partir("SELECT * FROM T").isEmpty());
    // The script keeps what is left to run.
    QString resto = DialectoOracle::NormalizarScript(QStringLiteral("DELETE A\r\nDELETE B"));
    QString sentencia;
    ASSERT_TRUE(DialectoOracle::SiguienteSentencia(resto, sentencia));
    EXPECT_EQ(sentencia, "DELETE A");
    EXPECT_EQ(resto, "DELETE B");
}

// A batch on an Oracle connection that cannot run stops at its first statement, keeps the
// rest for the caller and raises nothing: the failure is in Errors for the caller, which
// reports it (the batch is a transaction).
TEST_F(DialectoOracleTest, UnLoteQueFallaEnOracleNoLanzaYDejaLoQueNoCorrio) {
    DB_Dll& db = DB_Dll::Instancia();
    db.gCnn.SetConnectionString(CadenaOracle);
    QString lote = QStringLiteral("BEGIN TRANSACTION\r\nDELETE T\r\nCOMMIT TRANSACTION");
    long afectados = 0;
    db.EjecutaConsultaSQL(lote, afectados);
    EXPECT_EQ(lote, "DELETE T \nCOMMIT");
    EXPECT_EQ(afectados, 0);
    ASSERT_EQ(db.gCnn.Errors().Count(), 1);
    EXPECT_EQ(db.gCnn.Errors().Item(0).Number, 3704);
    EXPECT_TRUE(guion.Mensajes.empty());
}

// The embedded database opened as Oracle: its connection string names Oracle.
class LoteOracle : public DemoModGlobal {
protected:
    void SetUp() override {
        DemoModGlobal::SetUp();
        const QString archivo = dir.filePath(QStringLiteral("oracle.db"));
        ASSERT_TRUE(QFile::copy(Archivo(), archivo));
        DB_Dll& db = DB_Dll::Instancia();
        db.gConnString = "PROVIDER=SQLOLEDB;Server=SQLITE;Database =" + archivo + ";UId=demo;Pwd=;";
        db.gCnn.Open(db.gConnString);
        cnnOracle.Open(db.gConnString);
    }
    QStringList Monedas() {
        ado::Recordset rs;
        rs.Open("SELECT MONEDA, DESCRIPCION FROM TA_MONEDAS WHERE MONEDA > '7' ORDER BY MONEDA",
                cnnOracle);
        QStringList filas;
        for (; !rs.Eof(); rs.MoveNext())
            filas << rs.Fields(0).Value().toString().trimmed() + '|' +
                         rs.Fields(1).Value().toString();
        return filas;
    }
    ado::Connection cnnOracle;
};

TEST_F(LoteOracle, UnValorConPalabrasClaveNoCortaElLote) {
    DB_Dll& db = DB_Dll::Instancia();
    QString lote =
        QStringLiteral("BEGIN TRANSACTION\r\nINSERT INTO TA_MONEDAS VALUES ('8', 'Peso')\r\n"
                       "INSERT INTO TA_MONEDAS VALUES ('9', 'Servicios Grant y Asociados')\r\n"
                       "INSERT INTO TA_MONEDAS VALUES ('99', 'Dólar')\r\nCOMMIT TRANSACTION");
    db.EjecutaConsultaSQL(lote);
    EXPECT_EQ(db.gCnn.Errors().Count(), 0);
    EXPECT_EQ(Monedas(), QStringList({"8|Peso", "9|Servicios Grant y Asociados", "99|Dólar"}));
}

// Whatever stops a batch reaches Errors, so the caller rolls back: nothing half done is kept.
TEST_F(LoteOracle, LoQueDetieneElLoteQuedaEnErrores) {
    DB_Dll& db = DB_Dll::Instancia();
    QString lote = QStringLiteral("BEGIN TRANSACTION\r\nINSERT INTO TA_MONEDAS VALUES ('8', "
                                  "'Peso')\r\nINSERT INTO TA_MONEDAS VALUES ('9', 'sin cerrar)");
    db.EjecutaConsultaSQL(lote);
    ASSERT_EQ(db.gCnn.Errors().Count(), 1);
    EXPECT_EQ(db.gCnn.Errors().Item(0).Number, 5);
    EXPECT_TRUE(guion.Mensajes.empty());
    QString cierre = QStringLiteral("ROLLBACK TRANSACTION");
    db.EjecutaConsultaSQL(cierre);
    EXPECT_TRUE(Monedas().isEmpty());
}

} // namespace
