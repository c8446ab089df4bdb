#include "DemoModGlobal.h"
#include "platform/ado/AdoTipos.h"

#include <QDateTime>
#include <QFile>

namespace {

class DB_DllSinBase : public EnSesion {};

// ---- Per-user synonyms and value quoting -----------------------------------------------

TEST_F(DB_DllSinBase, LosSinonimosReescribenLasTablasRestringidas) {
    // For a common user, then for the administrator.
    const std::pair<QString, QString> comun[] = {
        {"SELECT * FROM MA_CUENTAS WHERE X = 1", "SELECT * FROM SS_MA_CUENTAS WHERE X = 1"},
        {"select * from ma_cuentas where x = 1", "select * from SS_MA_CUENTAS where x = 1"},
        {"SELECT * FROM MA_CUENTAS", "SELECT * FROM SS_MA_CUENTAS"},
        {"SELECT * FROM MV_ASIENTOS\r\nWHERE X = 1", "SELECT * FROM SS_MV_ASIENTOS\r\nWHERE X = 1"},
        {"SELECT *\tFROM\tV_TA_CAJAS\tWHERE X = 1", "SELECT *\tFROM\tSS_V_TA_CAJAS\tWHERE X = 1"},
        {"SELECT * FROM T WHERE C IN (SELECT CODIGO FROM MA_CUENTAS)",
         "SELECT * FROM T WHERE C IN (SELECT CODIGO FROM SS_MA_CUENTAS)"},
        {"SELECT MV_ASIENTOS.CUENTA FROM T,MV_ASIENTOS.X (MV_ASIENTOS.Y",
         "SELECT SS_MV_ASIENTOS.CUENTA FROM T,SS_MV_ASIENTOS.X (SS_MV_ASIENTOS.Y"},
        // Only the accounts are renamed inside braces.
        {"{MA_CUENTAS.CODIGO} = {MV_ASIENTOS.CUENTA}",
         "{SS_MA_CUENTAS.CODIGO} = {MV_ASIENTOS.CUENTA}"},
        {"SELECT * FROM V_TA_DEPOSITO, V_TA_FAMILIAS,V_TA_CAJAS.X",
         "SELECT * FROM SS_V_TA_DEPOSITO, SS_V_TA_FAMILIAS,SS_V_TA_CAJAS.X"},
        {"SELECT * FROM AC_CUENTASDIARIO A, AC_CUENTASDIARIO_CCOSTO B",
         "SELECT * FROM SS_AC_CUENTASDIARIO A, SS_AC_CUENTAS_DIARIO_CCOSTO B"},
        {"SELECT * FROM @Admin_MA_CUENTAS WHERE X = 1", "SELECT * FROM MA_CUENTAS WHERE X = 1"},
        {"SELECT * FROM @ADMIN_MV_ASIENTOS A", "SELECT * FROM MV_ASIENTOS A"},
        // A value that holds the prefix keeps it.
        {"SELECT * FROM @Admin_MA_CUENTAS WHERE D = '@Admin_x' OR D='O''@admin_MA_CUENTAS'",
         "SELECT * FROM MA_CUENTAS WHERE D = '@Admin_x' OR D='O''@admin_MA_CUENTAS'"},
        {"SELECT * FROM T WHERE OBS = 'ver MA_CUENTAS y O''Brien' AND C IN (SELECT CODIGO FROM "
         "MA_CUENTAS)",
         "SELECT * FROM T WHERE OBS = 'ver MA_CUENTAS y O''Brien' AND C IN (SELECT CODIGO FROM "
         "SS_MA_CUENTAS)"}};
    DB_Dll& db = DB_Dll::Instancia();
    for (const auto& [sql, esperado] : comun)
        EXPECT_EQ(db.SS_TSinonimos(sql), esperado);
    // Longer names and synonyms already there stay.
    for (const char* igual :
         {"SELECT * FROM X_MV_ASIENTOS, MA_CUENTASADIC A", "SELECT * FROM SS_MA_CUENTAS A"})
        EXPECT_EQ(db.SS_TSinonimos(igual), igual);
    db.gEsAdmin = true;
    EXPECT_EQ(db.SS_TSinonimos("SELECT * FROM MA_CUENTAS WHERE X = 1"),
              "SELECT * FROM MA_CUENTAS WHERE X = 1");
    EXPECT_EQ(db.SS_TSinonimos("SELECT * FROM @ADMIN_MV_ASIENTOS A"),
              "SELECT * FROM MV_ASIENTOS A");
    EXPECT_EQ(db.SS_TSinonimos("SELECT [@Admin_X] FROM T WHERE D = '@Admin_x'"),
              "SELECT [X] FROM T WHERE D = '@Admin_x'");
}

// Only a literal hides a name: an apostrophe in a comment, a bracketed or double-quoted
// name opens none, so the table after it is still restricted.
TEST_F(DB_DllSinBase, UnApostrofeFueraDeUnLiteralNoOcultaLaTabla) {
    const std::pair<QString, QString> casos[] = {
        {"SELECT /* it's */ * FROM MA_CUENTAS", "SELECT /* it's */ * FROM SS_MA_CUENTAS"},
        {"SELECT [Cliente's] FROM MA_CUENTAS", "SELECT [Cliente's] FROM SS_MA_CUENTAS"},
        {"SELECT \"a'b\" FROM MV_ASIENTOS -- o'\r\nJOIN MA_CUENTAS ON X = 'it''s MA_CUENTAS'",
         "SELECT \"a'b\" FROM SS_MV_ASIENTOS -- o'\r\nJOIN SS_MA_CUENTAS ON X = 'it''s "
         "MA_CUENTAS'"},
        // Unreadable text restricts every name it holds.
        {"SELECT 'x FROM MA_CUENTAS", "SELECT 'x FROM SS_MA_CUENTAS"},
    };
    for (const auto& [sql, esperado] : casos)
        EXPECT_EQ(DB_Dll::Instancia().SS_TSinonimos(sql), esperado);
}

TEST_F(DB_DllSinBase, SQLValueEscribeElLiteral) {
    const std::tuple<QVariant, QString, QString> casos[] = {
        {"abc", "'", "'abc'"},
        {"O'Brien", "'", "'O''Brien'"},
        {"x' OR '1'='1", "'", "'x'' OR ''1''=''1'"},
        {QVariant(), "'", "NULL"},
        {QVariant(QMetaType::fromType<QString>()), "'", "NULL"},
        {QVariant(), "", "NULL"},
        {QVariant(), "@", "0"},
        {42, "", "42"},
        {"1.234,56", "@", "1234.56"},
        {"-33,33", "@", "-33.33"},
        {"50", "@", "50"},
        {"abc", "", "abc"}};
    const DB_Dll& db = DB_Dll::Instancia();
    for (const auto& [valor, tipo, esperado] : casos)
        EXPECT_EQ(db.SQLValue(valor, tipo), esperado) << valor.toString() << tipo;
    EXPECT_EQ(db.SQLValue(QStringLiteral("x")), "'x'") << "texto por defecto";
}

// ---- Name helpers -----------------------------------------------------------------------

TEST_F(DB_DllSinBase, AyudasDeNombres) {
    // stSTF and StripOwner cut the name they are given.
    QString nombre = QStringLiteral("dbo.T"), sinPunto = QStringLiteral("T"),
            largo = QStringLiteral("srv.dbo.T"), propietario = QStringLiteral("dbo.MA_CUENTAS");
    EXPECT_EQ(NumeroDeError([&] { DB_Dll::stSTF(sinPunto, 0); }), 5);
    EXPECT_EQ(Unidos(DB_Dll::stSTF(nombre, 0), DB_Dll::stSTF(nombre, 1), DB_Dll::stSTF(sinPunto, 1),
                     DB_Dll::stSTF(largo, 0), largo),
              "dbo|T|T|dbo.T|dbo.T");
    EXPECT_EQ(Unidos(DB_Dll::StripOwner(propietario), propietario), "MA_CUENTAS|MA_CUENTAS");
    EXPECT_EQ(Unidos(DB_Dll::AddBrackets("NUMERO ASIENTO"), DB_Dll::AddBrackets("[A B]"),
                     DB_Dll::AddBrackets("NUMERO"), DB_Dll::StripBrackets("[A B]"),
                     DB_Dll::StripConnect("CLIENTES ->SRV"),
                     DB_Dll::StripFileName("C:\\Datos\\empresa.mdb"),
                     DB_Dll::StripFileName("empresa.mdb")),
              "[NUMERO ASIENTO]|[A B]|NUMERO|A B|CLIENTES|C:\\Datos|");
    // The type code is compared as text.
    EXPECT_TRUE(DB_Dll::adodate(QStringLiteral("135")));
    EXPECT_EQ(DB_Dll::SentenciaAddField("T", "C", "varchar(10)", false),
              "ALTER TABLE dbo.T ADD C varchar(10) Not Null ");
    EXPECT_EQ(DB_Dll::SentenciaAddField(" T ", " C ", "int", true, "'X'"),
              "ALTER TABLE dbo. T  ADD  C  int Null  CONSTRAINT DF_T_C DEFAULT ('X')");
}

// ---- The error report -------------------------------------------------------------------

class TratamientoErrores : public EnSesion {
protected:
    // Reports the error; checks the one line logged and gives what follows its stamp.
    QByteArray Informar(const ErrorEjecucion& error, const QVariant& botones,
                        const QVariant& rutina, int respuesta) {
        QFile::remove(EnCarpeta("SVERR.LOG"));
        guion = DialogosGuionados();
        guion.RespuestasMsgBox = {respuesta};
        const auto sello = [] {
            return QDateTime::currentDateTime().toString("MM-dd-yyyy HH:mm:ss").toLatin1();
        };
        const QByteArray antes = sello();
        EXPECT_EQ(DB_Dll::Instancia().TratamientoErrores(error, botones, rutina), respuesta);
        const QByteArray despues = sello();
        QFile log(EnCarpeta("SVERR.LOG"));
        EXPECT_TRUE(log.open(QIODevice::ReadOnly));
        const QByteArray linea = log.readAll();
        EXPECT_TRUE(linea.startsWith(antes) || linea.startsWith(despues)) << linea.toStdString();
        EXPECT_EQ(linea.count("\r\n"), 1);
        EXPECT_EQ(guion.Mensajes.size(), 1u);
        return linea.mid(19);
    }
};

TEST_F(TratamientoErrores, MuestraElErrorYEscribeLaLineaExacta) {
    const ErrorEjecucion cerrado(3704, " Operación no permitida: el objeto está cerrado. ");
    EXPECT_EQ(
        Informar(cerrado, {}, "errAddField", vbAbort),
        " Rutina: - errAddField Mensaje Ha ocurrido el Siguiente Error (3704) Operaci\xF3n no "
        "permitida: el objeto est\xE1 cerrado. Respondi\xF3 : Abortar\r\n");
    EXPECT_EQ(Unidos(guion.Mensajes[0].Texto, guion.Mensajes[0].Titulo, guion.Mensajes[0].Botones),
              Unidos("Ha ocurrido el Siguiente Error (3704) Operación no permitida: el objeto está "
                     "cerrado.",
                     "Auditoria - errAddField Aviso al operador!!! ",
                     vbAbortRetryIgnore + vbCritical));
    // Without a routine the title is the error's source.
    EXPECT_EQ(Informar(ErrorEjecucion(-2147217865, "Tabla", "Proveedor SQLite"), {}, {}, vbIgnore),
              " Rutina:  Mensaje Ha ocurrido el Siguiente Error (-2147217865) Tabla Respondi\xF3 : "
              "Ignorar\r\n");
    EXPECT_EQ(guion.Mensajes[0].Titulo, "Proveedor SQLite Aviso al operador!!! ");
    // The line ends with the word of the button pressed.
    const std::tuple<int, int, QByteArray> respuestas[] = {{18, vbRetry, "Reintentar"},
                                                           {vbYesNo + vbCritical, vbNo, "No"},
                                                           {vbYesNo + vbCritical, vbYes, "S\xED"},
                                                           {vbOKCancel, vbCancel, "Cancelar"},
                                                           {vbCritical, vbOK, ""}};
    for (const auto& [botones, respuesta, palabra] : respuestas) {
        EXPECT_TRUE(
            Informar(ErrorEjecucion(13, "No coinciden los tipos"), botones, "Cfg", respuesta)
                .endsWith(" Respondi\xF3 : " + palabra + "\r\n"))
            << respuesta;
        EXPECT_EQ(guion.Mensajes[0].Botones, botones);
    }
}

TEST_F(TratamientoErrores, EnOtroRegistroOSinRegistro) {
    DB_Dll& db = DB_Dll::Instancia();
    EXPECT_EQ(db.TratamientoErrores(ErrorEjecucion(0), {}, "VerificaCampos"), 0);
    EXPECT_TRUE(guion.Mensajes.empty()) << "el error cero no se muestra ni se escribe";
    db.SetArchivoErrores(EnCarpeta("errores.txt"));
    EXPECT_EQ(db.ArchivoErrores().toString(), EnCarpeta("errores.txt"));
    db.TratamientoErrores(ErrorEjecucion(5, "Uno"));
    db.TratamientoErrores(ErrorEjecucion(6, "Dos"));
    QFile log(EnCarpeta("errores.txt"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll().count("\r\n"), 2);
    EXPECT_FALSE(QFile::exists(EnCarpeta("SVERR.LOG")));
    // A log that cannot be written loses the line and nothing else.
    db.gLogErr = EnCarpeta("no-hay/carpeta/SVERR.LOG");
    guion.RespuestasMsgBox = {vbRetry};
    EXPECT_EQ(db.TratamientoErrores(ErrorEjecucion(5, "Uno")), vbRetry);
    EXPECT_EQ(guion.Mensajes.size(), 3u);
}

// ---- Against the demo database ----------------------------------------------------------

class DB_DllTest : public DemoConectada {
protected:
    static DB_Dll& db() { return DB_Dll::Instancia(); }
    // The Source of the row ExisteEnTabla found, empty when it found none.
    QString Fuente(const QString& tabla, const QString& valor, const QString& campo, int tipo = 8,
                   const QString& condicion = {}) {
        return db().ExisteEnTabla(tabla, valor, campo, &rs, tipo, condicion) ? rs.Source()
                                                                             : QString();
    }
    ado::Recordset rs;
};

TEST_F(DB_DllTest, LasBusquedasArmanSuSentenciaYLosApostrofesNoLaCambian) {
    EXPECT_EQ(Fuente("MA_CUENTAS", " 1110101 ", "CODIGO"),
              "SELECT TOP 1  * FROM MA_CUENTAS WHERE LTRIM(RTRIM(CODIGO)) ='1110101'");
    EXPECT_EQ(rs.Fields("DESCRIPCION").Value().toString(), "Caja Central");
    EXPECT_EQ(Fuente("MA_CUENTAS", "", "CODIGO", 8, "TITULO = 1"),
              "SELECT TOP 1 * FROM MA_CUENTAS WHERE TITULO = 1");
    EXPECT_EQ(Fuente("MA_CUENTAS", "", "CODIGO", 8, " WHERE TITULO = 1"),
              "SELECT TOP 1 * FROM MA_CUENTAS  WHERE TITULO = 1");
    EXPECT_EQ(Fuente("MV_EJERCICIOS", " 2026 ", "PERIODO", 3),
              "SELECT TOP 1 * FROM MV_EJERCICIOS WHERE PERIODO = 2026");
    const QString contacto = QStringLiteral("Carlos D'Angelo"), inyectado = "x' OR '1'='1";
    EXPECT_EQ(Unidos(db().ExisteEnTabla("MA_CUENTAS", "9999", "CODIGO"),
                     db().ExisteEnTabla("MA_CUENTAS", inyectado, "CODIGO"),
                     db().ExisteEnTabla("MA_CUENTASADIC", contacto, "CONTACTO"),
                     db().ExisteEnTablaST("MA_CUENTASADIC", contacto, "CONTACTO")),
              "false|false|true|true");
    EXPECT_EQ(Unidos(db().DatosTabla("MA_CUENTASADIC", contacto, "CODIGO", "CONTACTO").toString(),
                     db().DatosTabla("MA_CUENTASADIC", contacto, "CODIGO", "CONTACTO", 8, {}, false)
                         .toString(),
                     db().DatosTabla("MA_CUENTAS", inyectado, "DESCRIPCION", "CODIGO").toString()),
              "211010101|211010101|");
    // A row that is not there gives an empty text.
    EXPECT_EQ(db().DatosTabla("ta_usuarios", "nadie", "Administrador", "nombre", 8, {}, true),
              QVariant(QString()));
    EXPECT_EQ(db().DatosTabla("TA_USUARIOS", "auditor", "GRUPO", "NOMBRE", 8, "Administrador = 1"),
              QVariant(QString()));
    EXPECT_EQ(db().DatosTabla("TA_USUARIOS", "auditor", "GRUPO", "NOMBRE", 8, "Administrador = 0"),
              "AUDITORIA");
    EXPECT_EQ(db().DatosTabla("MV_EJERCICIOS", " 2025 ", "DESCRIPCION", "PERIODO", 3),
              "Ejercicio 2025");
    // A common user reads the synonyms, except in ExisteEnTablaST.
    db().gEsAdmin = false;
    EXPECT_EQ(Fuente("MA_CUENTAS", "1110101", "CODIGO"),
              "SELECT TOP 1  * FROM SS_MA_CUENTAS WHERE LTRIM(RTRIM(CODIGO)) ='1110101'");
    EXPECT_EQ(db().DatosTabla("MA_CUENTAS", "1", "DESCRIPCION", "CODIGO"), "ACTIVO");
    EXPECT_TRUE(db().ExisteEnTablaST("MA_CUENTAS", "1", "CODIGO", &rs));
    EXPECT_EQ(rs.Source(), "SELECT * FROM MA_CUENTAS WHERE CODIGO ='1'");
    EXPECT_TRUE(guion.Mensajes.empty());
    // A condition that starts with WHERE gets a second one: the failure is reported and the
    // default answer (Abort) leaves the lookup with False.
    EXPECT_EQ(Fuente("MA_CUENTAS", "", "CODIGO", 8, "WHERE TITULO = 1"), "");
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_EQ(Unidos(guion.Mensajes[0].Titulo, guion.Mensajes[0].Botones),
              Unidos("Aviso al Operador", vbAbortRetryIgnore + vbCritical));
}

TEST_F(DB_DllTest, MaximoMinimoYUltimoCodigo) {
    EXPECT_EQ(db().BuscaMaximo("MV_EJERCICIOS", "PERIODO"), QVariant(2027.0));
    EXPECT_EQ(db().BuscaMinimo("MV_EJERCICIOS", "PERIODO"), QVariant(2025.0));
    EXPECT_EQ(db().BuscaMaximo("MV_EJERCICIOS", "PERIODO", {}, "  PERIODO < 2027 "),
              QVariant(2026.0));
    EXPECT_EQ(db().BuscaMaximo("MV_EJERCICIOS", "PERIODO", {}, "PERIODO = 0"), QVariant(0.0));
    EXPECT_EQ(db().BuscaUltimoCodigo("MV_EJERCICIOS", "PERIODO", 8, "CERRADO = 1"),
              QVariant(2025.0));
    EXPECT_EQ(db().BuscaUltimoCodigo("MV_EJERCICIOS", "PERIODO", 8, "  "), QVariant(2027.0));
}

TEST_F(DB_DllTest, ElEsquemaIgnoraMayusculasYBlancosYAgregaSoloLoQueFalta) {
    EXPECT_EQ(
        Unidos(db().ExisteTablaDB("ma_cuentas"), db().ExisteTablaDB(" MA_CUENTAS "),
               db().ExisteTablaDB("v_ta_cpte"), db().ExisteTablaDB("SS_AC_CUENTAS_DIARIO_CCOSTO"),
               db().ExisteTablaDB("NO_EXISTE"), db().ExisteCampoDB("MA_CUENTAS", "descripcion"),
               db().ExisteCampoDB("MA_CUENTAS", "NO_EXISTE")),
        "true|true|true|true|false|true|false");
    EXPECT_TRUE(db().VerCampoDB("MA_CUENTAS", "NIVEL", true, "int", true, 0));
    EXPECT_EQ(db().DatosTabla("MA_CUENTAS", "1", "NIVEL", "CODIGO").toString(), "0");
    EXPECT_TRUE(db().VerCampoDB("NO_EXISTE", "NIVEL", true, "int", true, 0));
    EXPECT_TRUE(db().VerCampoDB("MA_CUENTAS", "OTRO", false, "int", true));
    EXPECT_FALSE(db().ExisteCampoDB("MA_CUENTAS", "OTRO"));
    EXPECT_TRUE(guion.Mensajes.empty());
    db().gProveedor = QStringLiteral("OraOLEDB.Oracle.1");
    EXPECT_TRUE(db().ExisteCampoDB("MA_CUENTAS", "NO_EXISTE")) << "en Oracle no se mira";
    // On a lost connection the error routine reports; Retry runs the failing step again,
    // Abort leaves with False and each report is logged.
    db().gCnn.Close();
    guion.RespuestasMsgBox = {vbRetry, vbAbort};
    EXPECT_FALSE(db().ExisteTablaDB("MA_CUENTAS"));
    ASSERT_EQ(guion.Mensajes.size(), 2u);
    EXPECT_EQ(guion.Mensajes[0].Titulo, "Auditoria - VerificaCampos Aviso al operador!!! ");
    EXPECT_TRUE(guion.Mensajes[0].Texto.startsWith("Ha ocurrido el Siguiente Error (3704) "));
    QFile log(EnCarpeta("SVERR.LOG"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll().count("\r\n"), 2);
}

// Never raises: the provider's usual errors are left in Errors; others are shown, unless
// the text is a transaction batch, which its caller reports. A common user's statement loses
// the administrator prefix or reads the synonyms.
TEST_F(DB_DllTest, EjecutaConsultaSQL) {
    db().gEsAdmin = false;
    QString sql = QStringLiteral("UPDATE @Admin_MA_CUENTAS SET TIPOVISTA = 'X' WHERE TITULO = 1");
    long afectados = 0;
    db().EjecutaConsultaSQL(sql, afectados);
    EXPECT_EQ(sql, "UPDATE MA_CUENTAS SET TIPOVISTA = 'X' WHERE TITULO = 1");
    EXPECT_EQ(db().gCnn.Errors().Count(), 0);
    EXPECT_GT(afectados, 0);
    // A value holding the prefix is written and found as it is.
    QString valor = QStringLiteral("UPDATE MA_CUENTAS SET DESCRIPCION = '@Admin_x' WHERE CODIGO "
                                   "= '1'");
    db().EjecutaConsultaSQL(valor);
    EXPECT_TRUE(valor.contains("'@Admin_x'"));
    EXPECT_EQ(db().DatosTabla("MA_CUENTAS", "@Admin_x", "CODIGO", "DESCRIPCION"), "1");
    QString vista = QStringLiteral("DROP VIEW V_X\r\nCREATE VIEW V_X AS SELECT * FROM MA_CUENTAS");
    db().EjecutaConsultaSQL(vista);
    EXPECT_EQ(vista, "DROP VIEW V_X\r\nCREATE VIEW V_X AS SELECT * FROM SS_MA_CUENTAS");

    QString falla = QStringLiteral("INSERT INTO NO_EXISTE (A) VALUES (1)");
    db().EjecutaConsultaSQL(falla, afectados);
    ASSERT_EQ(db().gCnn.Errors().Count(), 1);
    EXPECT_EQ(db().gCnn.Errors().Item(0).Number, ado::DB_E_NOTABLE_);
    QString sintaxis = QStringLiteral("UPDATE MA_CUENTAS SET WHERE");
    db().EjecutaConsultaSQL(sintaxis);
    EXPECT_GT(db().gCnn.Errors().Count(), 0);
    EXPECT_TRUE(guion.Mensajes.empty());

    db().gCnn.Close();
    QString borrar = QStringLiteral("DELETE FROM MA_CUENTAS_USUARIOS");
    db().EjecutaConsultaSQL(borrar);
    EXPECT_EQ(db().gCnn.Errors().Count(), 1);
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_EQ(Unidos(guion.Mensajes[0].Titulo, guion.Mensajes[0].Botones),
              Unidos("Aviso al operador!!!", vbOKOnly + vbCritical));
    QString lote = QStringLiteral("BEGIN TRANSACTION\r\nDELETE FROM T\r\nCOMMIT TRANSACTION");
    db().EjecutaConsultaSQL(lote);
    EXPECT_EQ(Unidos(db().gCnn.Errors().Count(), guion.Mensajes.size()), "1|1");
}

// Only a batch that begins or ends a transaction is its caller's to report: the same letters in
// a value, a name or a comment make an ordinary statement, whose failure is shown. The text is
// read before it runs, on the embedded engine and on an Oracle script alike.
TEST_F(DB_DllTest, SoloUnLoteQueAbreOCierraUnaTransaccionCallaSuError) {
    const std::pair<const char*, bool> casos[] = {
        {"UPDATE MA_CUENTAS SET DESCRIPCION = 'TRANSPORTE' WHERE CODIGO = '1'", true},
        {"UPDATE MA_CUENTAS SET DESCRIPCION = 'O''Brien COMMIT Ñandú' WHERE CODIGO = '1'", true},
        {"UPDATE MA_CUENTAS SET TRANSITO = 1", true},
        {"UPDATE [BEGIN TRAN] SET A = 1", true},
        {"-- ROLLBACK\r\nDELETE FROM MA_CUENTAS_USUARIOS", true},
        {"DELETE FROM T /* COMMIT TRANSACTION */", true},
        {"BEGIN TRANSACTION\r\nDELETE FROM T\r\nCOMMIT TRANSACTION", false},
        {"begin tran\r\nDELETE FROM T", false},
        {"DELETE FROM T\r\nCOMMIT", false},
        {"ROLLBACK TRANSACTION", false},
        {"SAVE TRAN punto\r\nDELETE FROM T", false},
        {"UPDATE MA_CUENTAS SET DESCRIPCION = 'TRANSPORTE", true},
        {"BEGIN TRAN\r\nUPDATE MA_CUENTAS SET DESCRIPCION = 'sin cerrar", false},
    };
    ado::Connection& cnn = db().gCnn;
    cnn.Close(); // every statement fails, with an error the operator is shown
    for (const QString& cadena :
         {cnn.ConnectionString(), QStringLiteral("Provider=OraOLEDB.Oracle;Data Source=ORACLE")}) {
        cnn.SetConnectionString(cadena);
        for (const auto& [texto, avisa] : casos) {
            guion.Mensajes.clear();
            QString sql = QString::fromUtf8(texto);
            db().EjecutaConsultaSQL(sql);
            EXPECT_GT(cnn.Errors().Count(), 0) << texto;
            EXPECT_EQ(guion.Mensajes.size(), avisa ? 1u : 0u) << texto << " " << cadena;
        }
    }
}

// A text longer than its column is refused by the database, as the server does: the statement
// stored nothing, so the refusal stays in Errors for the caller to tell, and nothing is shown
// here. It is never taken for a statement that ran.
TEST_F(DB_DllTest, UnTextoMasLargoQueSuColumnaNoSeGrabaYQuedaEnErrores) {
    QString largo =
        "UPDATE MA_CUENTAS SET DESCRIPCION = '" + QString(101, u'x') + "' WHERE CODIGO = '1'";
    long afectados = 0;
    db().EjecutaConsultaSQL(largo, afectados);
    ASSERT_EQ(db().gCnn.Errors().Count(), 1);
    EXPECT_EQ(db().gCnn.Errors().Item(0).NativeError, 8152);
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_EQ(db().DatosTabla("MA_CUENTAS", "1", "DESCRIPCION", "CODIGO"), "ACTIVO");
}

TEST_F(DB_DllTest, AbrirRecordsetReescribeAbreYSiFallaSaleCerrado) {
    db().gEsAdmin = false;
    QString sql = QStringLiteral("SELECT * FROM MA_CUENTAS WHERE CODIGO = '1'");
    EXPECT_TRUE(db().AbrirRecordset(sql, rs));
    EXPECT_EQ(sql, "SELECT * FROM SS_MA_CUENTAS WHERE CODIGO = '1'");
    ASSERT_EQ(rs.State(), ado::adStateOpen);
    EXPECT_EQ(rs.Fields("DESCRIPCION").Value().toString(), "ACTIVO");
    QString otra = QStringLiteral("SELECT * FROM MV_EJERCICIOS");
    db().AbrirRecordset(otra, rs);
    EXPECT_EQ(rs.RecordCount(), 3);
    db().CierraRecordset(rs);
    EXPECT_EQ(rs.State(), ado::adStateClosed);
    db().CierraRecordset(rs);
    EXPECT_TRUE(guion.Mensajes.empty());
    QString falla = QStringLiteral("SELECT * FROM NO_EXISTE");
    guion.RespuestasMsgBox = {vbRetry, vbAbort};
    EXPECT_FALSE(db().AbrirRecordset(falla, rs));
    EXPECT_EQ(rs.State(), ado::adStateClosed);
    ASSERT_EQ(guion.Mensajes.size(), 2u);
    EXPECT_TRUE(guion.Mensajes[1].Texto.contains("AbrirRecordset"));
}

// A read that fails is put to the operator once, whatever the answer: the lookups do not go on
// to read the recordset that never opened.
TEST_F(DB_DllTest, UnaLecturaFallidaSeInformaUnaSolaVez) {
    for (int respuesta : {vbAbort, vbIgnore}) {
        guion.Mensajes.clear();
        guion.RespuestasMsgBox = {respuesta, respuesta, respuesta};
        QString falla = QStringLiteral("SELECT * FROM NO_EXISTE");
        EXPECT_FALSE(db().AbrirRecordset(falla, rs));
        EXPECT_FALSE(db().DatosTabla("NO_EXISTE", "1", "CODIGO").isValid());
        EXPECT_FALSE(db().ExisteEnTabla("NO_EXISTE", "1"));
        EXPECT_EQ(guion.Mensajes.size(), 3u) << respuesta;
    }
}

} // namespace
