#include "platform/ado/AdoTipos.h"
#include "platform/ado/LectorOdbc.h"
#include "platform/ado/TiposOdbc.h"
#include "platform/errors/ErrorEjecucion.h"
#include "platform/runtime/Currency.h"
#include "support/Apoyo.h"
#include "support/BaseDePrueba.h"
#include "support/OrigenesDeDatos.h"
#include "support/ServidorTds.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <cstdlib>
#include <functional>
#include <future>
#include <memory>
#include <sqlite3.h>
#include <thread>

using namespace ado;

namespace {

// The server path cannot meet a real server here: its plumbing is driven through the driver
// manager against the SQLite ODBC driver, with statements both engines accept.
class ProveedorOdbc : public BaseDePrueba {
protected:
    void SetUp() override {
        Crear(R"(
CREATE TABLE ASIENTOS (TC CHAR(4) NOT NULL, NUMERO INTEGER NOT NULL, FECHA DATETIME,
    IMPORTE DECIMAL(19,4), CONCILIADO BIT, DETALLE VARCHAR(60), PRIMARY KEY (TC, NUMERO));
INSERT INTO ASIENTOS VALUES ('NC', 1, '2026-12-01 10:30:00', 1234.5678, 1, 'D''Angelo');
INSERT INTO ASIENTOS VALUES ('NC', 2, NULL, NULL, 0, NULL);
)");
        cnn.Close();
        cnn.Open("Driver=SQLite3;Database=" + Archivo() + ";");
    }
    int Contar() { return Filas("SELECT COUNT(*) FROM ASIENTOS").value(0).toInt(); }
    // What another program writing the database meets, without waiting.
    int EscribirDesdeOtraConexion() {
        sqlite3* otra = nullptr;
        sqlite3_open(QFile::encodeName(Archivo()).constData(), &otra);
        const int rc = sqlite3_exec(otra, "UPDATE ASIENTOS SET DETALLE = 'otra' WHERE NUMERO = 2",
                                    nullptr, nullptr, nullptr);
        sqlite3_close(otra);
        return rc;
    }
};

TEST_F(ProveedorOdbc, LosTiposDelControladorLleganComoLosDelProveedor) {
    Recordset rs;
    rs.Open("SELECT TC, NUMERO, FECHA, IMPORTE, CONCILIADO, DETALLE FROM ASIENTOS ORDER BY NUMERO",
            cnn);
    EXPECT_EQ(rs.Fields(1).Type(), adInteger);
    EXPECT_EQ(rs.Fields(2).Type(), adDBTimeStamp);
    EXPECT_EQ(rs.Fields(4).Type(), adBoolean);
    EXPECT_EQ(rs.Fields(1).Value().toInt(), 1);
    EXPECT_EQ(rs.Fields(2).Value().toDateTime(), QDateTime(QDate(2026, 12, 1), QTime(10, 30)));
    EXPECT_DOUBLE_EQ(rs.Fields(3).Value().toDouble(), 1234.5678);
    EXPECT_EQ(rs.Fields(4).Value().metaType().id(), QMetaType::Bool);
    EXPECT_EQ(rs.Fields(5).Value().toString(), "D'Angelo");
    rs.MoveNext();
    for (int c : {2, 3, 5})
        EXPECT_TRUE(rs.Fields(c).Value().isNull()) << c;
    EXPECT_FALSE(rs.Fields(4).Value().toBool());
}

// A statement read row by row holds the database until it is let go (this driver steps the
// engine as rows are fetched only when asked to).
TEST_F(ProveedorOdbc, UnaAUnaLasFilasSonLasDelCursorDelClienteHastaSoltarlas) {
    cnn.Close();
    cnn.Open("Driver=SQLite3;Database=" + Archivo() + ";StepAPI=1;");
    const QString sql = "SELECT TC, NUMERO, FECHA, IMPORTE, CONCILIADO, DETALLE, NUMERO * 2 AS "
                        "DOBLE FROM ASIENTOS ORDER BY NUMERO";
    Recordset cliente, servidor;
    cliente.SetCursorLocation(adUseClient);
    cliente.Open(sql, cnn);
    servidor.SetCursorLocation(adUseServer);
    servidor.Open(sql, cnn);
    EXPECT_EQ(EscribirDesdeOtraConexion(), SQLITE_BUSY);
    for (; !cliente.Eof(); cliente.MoveNext(), servidor.MoveNext()) {
        ASSERT_FALSE(servidor.Eof());
        for (int c = 0; c < cliente.FieldCount(); ++c) {
            EXPECT_EQ(servidor.Fields(c).Type(), cliente.Fields(c).Type()) << c;
            EXPECT_EQ(servidor.Fields(c).Value(), cliente.Fields(c).Value()) << c;
        }
    }
    EXPECT_TRUE(servidor.Eof());
    servidor.Close();
    EXPECT_EQ(EscribirDesdeOtraConexion(), SQLITE_OK);

    // Dropped half-way.
    servidor.Open(sql, cnn);
    servidor.Close();
    EXPECT_EQ(EscribirDesdeOtraConexion(), SQLITE_OK);
    Ejecutar("UPDATE ASIENTOS SET DETALLE = 'x'");
}

// The server keeps one result open per connection: whatever else runs on it meanwhile
// first takes the rest of the rows into memory. This engine refuses to drop a table, and
// cuts a read short on a rollback, while a statement of the connection is being read.
TEST_F(ProveedorOdbc, OtraSentenciaEnMedioDeUnaLecturaPorFilasNoLaCorta) {
    cnn.Close();
    cnn.Open("Driver=SQLite3;Database=" + Archivo() + ";StepAPI=1;");
    Ejecutar("INSERT INTO ASIENTOS (TC, NUMERO) VALUES ('NC', 3), ('NC', 4), ('NC', 5)");
    const std::function<void()> otras[] = {
        [&] { Ejecutar("CREATE TABLE AUXILIAR (N INT)"); },
        [&] { Ejecutar("DROP TABLE AUXILIAR"); },
        [&] {
            cnn.BeginTrans();
            Ejecutar("DELETE FROM ASIENTOS WHERE NUMERO = 5");
            cnn.RollbackTrans();
        },
    };
    for (const auto& otra : otras) {
        Recordset rs;
        rs.SetCursorLocation(adUseServer);
        rs.Open("SELECT NUMERO FROM ASIENTOS ORDER BY NUMERO", cnn);
        QStringList numeros;
        for (; !rs.Eof() && numeros.size() < 2; rs.MoveNext())
            numeros << rs.Fields(0).Value().toString();
        otra();
        EXPECT_EQ(EscribirDesdeOtraConexion(), SQLITE_OK); // the cursor let the database go
        for (; !rs.Eof(); rs.MoveNext())
            numeros << rs.Fields(0).Value().toString();
        EXPECT_EQ(numeros, QStringList({"1", "2", "3", "4", "5"}));
    }
}

// Whatever the user types reaches the server's login packet exactly, and no part of it becomes
// a setting (another database, user or port); a value no ODBC string can carry exactly is
// refused before anything is sent.
TEST(CredencialesFreeTds, LleganAlServidorTalCualSeEscribieron) {
    const QString hostiles[][3] = {
        {"otro;Database=B", "p;DATABASE=EMPRESA_B;UID=otro;PORT=1;x", "EMPRESA_A;PORT=2"},
        {" u ", " p w ", "{E=F"},
        {"ñandú;x", "Ñ{=;", "Ünica;UID=x"}};
    for (const auto& [usuario, clave, base] : hostiles) {
        ServidorTds servidor;
        Connection cnn;
        cnn.SetConnectionTimeout(3);
        NumeroDeError([&] {
            cnn.Open(QString("PROVIDER=SQLOLEDB;Server=127.0.0.1,%1;Database =%2;UId=%3;Pwd=%4;")
                         .arg(servidor.Puerto())
                         .arg(ValorDeCadena(base), ValorDeCadena(usuario), ValorDeCadena(clave)));
        });
        const Ingreso ingreso = servidor.Recibido();
        EXPECT_TRUE(ingreso.recibido) << clave.toStdString();
        EXPECT_EQ(ingreso.usuario, usuario);
        EXPECT_EQ(ingreso.clave, clave);
        EXPECT_EQ(ingreso.base, base);
    }
    for (const QString valor : {"p}w", "p};DATABASE=B;UID=otro;x", "}"}) {
        ServidorTds servidor(1000);
        Connection cnn;
        cnn.SetConnectionTimeout(3);
        EXPECT_NE(NumeroDeError([&] {
                      cnn.Open(QString("PROVIDER=SQLOLEDB;Server=127.0.0.1,%1;Database =A;UId=u;"
                                       "Pwd=%2;")
                                   .arg(servidor.Puerto())
                                   .arg(ValorDeCadena(valor)));
                  }),
                  0);
        ASSERT_GT(cnn.Errors().Count(), 0);
        EXPECT_TRUE(cnn.Errors().Item(0).Description.contains("la contraseña contiene el carácter"))
            << cnn.Errors().Item(0).Description.toStdString();
        EXPECT_FALSE(servidor.Recibido().recibido);
    }
}

// A data source named as the server leads to whatever engine it names: only SQL Server is
// sent SQL Server's session statements, the rest take what their driver knows of them.
TEST_F(ProveedorOdbc, UnOrigenDeDatosDeOtroMotorSeAbreSinLasSentenciasDeSqlServer) {
    OrigenesDeDatos origenes(dir.filePath("odbc.ini"),
                             "[AUDITORIA_PRUEBA]\nDriver=SQLite3\nDatabase=" + Archivo() + "\n");
    Connection otra;
    otra.Open("PROVIDER=SQLOLEDB;Server=AUDITORIA_PRUEBA;Database =EMPRESA;UId=sa;Pwd=x;");
    otra.SetCommandTimeout(360);
    otra.SetIsolationLevel(256);
    otra.SetDefaultDatabase("EMPRESA");
    EXPECT_EQ(otra.Errors().Count(), 0);
    otra.Execute("UPDATE ASIENTOS SET DETALLE = 'x' WHERE NUMERO = 2");
    EXPECT_EQ(otra.Errors().Count(), 0);
}

// Each provider names itself in its messages, and the error raised carries that name to
// the message box's title.
TEST_F(ProveedorOdbc, LosErroresDicenQueVienenDelControladorODBC) {
    cnn.Execute("UPDATE NO_EXISTE SET X = 1");
    ASSERT_GT(cnn.Errors().Count(), 0);
    EXPECT_EQ(cnn.Errors().Item(0).Source, "Proveedor ODBC sqlite3odbc.so");
    try {
        Recordset rs;
        rs.Open("SELECT * FROM NO_EXISTE", cnn);
        ADD_FAILURE();
    } catch (const ErrorEjecucion& e) {
        EXPECT_EQ(e.Source(), "Proveedor ODBC sqlite3odbc.so");
    }
    Connection otra;
    EXPECT_NE(NumeroDeError([&] { otra.Open("PROVIDER=SQLOLEDB;Server=127.0.0.1,1;UId=u;"); }), 0);
    EXPECT_EQ(otra.Errors().Item(0).Source, "Proveedor ODBC FreeTDS");
    EXPECT_TRUE(EsTruncamiento(8152));
    EXPECT_TRUE(EsTruncamiento(2628)); // SQL Server 2019 on, compatibility level 150+
    EXPECT_FALSE(EsTruncamiento(8114));
}

// Amounts go to the server as decimals in its notation and come back exact; the engine here
// keeps a double, so what reaches it is asked of it directly.
TEST_F(ProveedorOdbc, LosImportesVanYVuelvenExactos) {
    const Currency importes[] = {Currency::DesdeEscalado(std::numeric_limits<qint64>::max()),
                                 Currency::DesdeEscalado(-1), Currency::DesdeEscalado(38475900)};
    Columna dinero, decimal, decimales6;
    dinero.tipo = adCurrency;
    decimal.tipo = adNumeric;
    decimal.escala = 4;
    for (const Currency& importe : importes) {
        EXPECT_EQ(ValorDeTextoOdbc(importe.ATextoSql(), dinero).value<Currency>(), importe);
        EXPECT_EQ(ValorDeTextoOdbc(importe.ATextoSql(), decimal).value<Currency>(), importe);
    }
    EXPECT_EQ(ValorDeTextoOdbc("-.0001", dinero).value<Currency>(), importes[1]);
    // With more decimals than Currency keeps: a double. Beyond its range: every digit, as text
    // in the user's notation, which no amount takes.
    decimales6.tipo = adNumeric;
    decimales6.escala = 6;
    EXPECT_DOUBLE_EQ(ValorDeTextoOdbc("1.234567", decimales6).toDouble(), 1.234567);
    const QVariant grande = ValorDeTextoOdbc("999999999999999.9999", decimal);
    EXPECT_EQ(grande, QVariant(QStringLiteral("999999999999999,9999")));
    EXPECT_EQ(NumeroDeError([&] { Currency::DesdeVariant(grande); }), 6);

    Ejecutar("CREATE TABLE SALDOS (N INTEGER, IMPORTE DECIMAL(19,4))");
    Recordset rs;
    rs.Open("SELECT * FROM SALDOS", cnn, adOpenKeyset, adLockOptimistic);
    for (int i = 0; i < 3; ++i) {
        rs.AddNew();
        rs.Fields("N") = i;
        rs.Fields("IMPORTE") = importes[i].AVariant();
        rs.Update();
    }
    rs.Close();
    EXPECT_EQ(Filas("SELECT typeof(IMPORTE), IMPORTE * 10000 FROM SALDOS ORDER BY N"),
              QStringList({"real|9223372036854780000", "real|-1", "real|38475900"}));
}

// A row found again by all its values (no key) has its datetime to the millisecond.
TEST_F(ProveedorOdbc, LasFechasConservanSusMilisegundos) {
    Ejecutar("CREATE TABLE MARCAS (FECHA DATETIME, DETALLE VARCHAR(20))");
    Ejecutar("INSERT INTO MARCAS VALUES ('2026-12-01 10:30:00.123', 'a')");
    Recordset rs;
    rs.Open("SELECT * FROM MARCAS", cnn, adOpenKeyset, adLockOptimistic);
    EXPECT_EQ(rs.Fields("FECHA").Value().toDateTime(),
              QDateTime(QDate(2026, 12, 1), QTime(10, 30, 0, 123)));
    rs.Fields("DETALLE") = "b";
    EXPECT_EQ(NumeroDeError([&] { rs.Update(); }), 0);
    rs.Close();
    EXPECT_EQ(Filas("SELECT FECHA || '|' || DETALLE FROM MARCAS"),
              QStringList({"2026-12-01 10:30:00.123|b"}));
    Columna fecha;
    fecha.tipo = adDBTimeStamp;
    EXPECT_EQ(ValorDeTextoOdbc("2026-12-01 10:30:05.1234567", fecha).toDateTime(),
              QDateTime(QDate(2026, 12, 1), QTime(10, 30, 5, 123)));
    EXPECT_EQ(ValorDeTextoOdbc("2026-12-01 10:30:05.5", fecha).toDateTime(),
              QDateTime(QDate(2026, 12, 1), QTime(10, 30, 5, 500)));
    EXPECT_EQ(ValorDeTextoOdbc("2026-12-01", fecha).toDateTime(),
              QDateTime(QDate(2026, 12, 1), QTime(0, 0)));
}

// A value longer than the room its column declares comes whole, by either cursor.
TEST_F(ProveedorOdbc, LosValoresMasLargosQueSuColumnaLleganEnteros) {
    const QString codigo(50, u'N');
    const QString detalle = QString(3000, u'\u00f1') + "fin";
    Ejecutar("INSERT INTO ASIENTOS (TC, NUMERO, DETALLE) VALUES ('" + codigo + "', 3, '" + detalle +
             "')");
    for (const auto cursor : {adUseServer, adUseClient}) {
        Recordset rs;
        rs.SetCursorLocation(cursor);
        rs.Open("SELECT TC, DETALLE FROM ASIENTOS WHERE NUMERO = 3", cnn);
        ASSERT_FALSE(rs.Eof());
        EXPECT_EQ(rs.Fields(0).Value().toString().trimmed(), codigo) << cursor;
        EXPECT_EQ(rs.Fields(1).Value().toString(), detalle) << cursor;
    }
}

// Rows asked for a block at a time are those asked for one by one, across blocks and to the
// end: an empty text stays a text beside Nulls, a repeated one stays itself.
TEST_F(ProveedorOdbc, EnBloquesLasFilasSonLasMismasQueUnaAUna) {
    Ejecutar("WITH RECURSIVE n(i) AS (SELECT 3 UNION ALL SELECT i + 1 FROM n WHERE i < 150) "
             "INSERT INTO ASIENTOS (TC, NUMERO, DETALLE) SELECT 'NC', i, CASE i % 3 WHEN 0 "
             "THEN NULL WHEN 1 THEN '' ELSE 'Peña ' || (i % 5) END FROM n");
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    std::u16string cadena = ("Driver=SQLite3;Database=" + Archivo() + ";").toStdU16String();
    ASSERT_TRUE(SQL_SUCCEEDED(
        SQLDriverConnectW(dbc, nullptr, reinterpret_cast<SQLWCHAR*>(cadena.data()),
                          SQLSMALLINT(cadena.size()), nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT)));
    const auto leer = [&](SQLULEN filasPorBloque) {
        SQLHSTMT stmt = SQL_NULL_HSTMT;
        SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt);
        std::u16string sql = u"SELECT NUMERO, DETALLE FROM ASIENTOS ORDER BY NUMERO";
        SQLExecDirectW(stmt, reinterpret_cast<SQLWCHAR*>(sql.data()), SQL_NTS);
        QVector<Columna> columnas(2);
        columnas[0].tipo = adInteger;
        columnas[0].tamano = 10;
        columnas[1].tipo = adVarWChar;
        columnas[1].tamano = 60;
        LectorOdbc lector(stmt, columnas, filasPorBloque);
        QList<QVector<QVariant>> filas;
        QVector<QVariant> fila;
        Errors errores;
        while (lector.Leer(fila, errores, "prueba") == FilasEnCurso::Fila)
            filas << fila;
        EXPECT_EQ(errores.Count(), 0);
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        return filas;
    };
    const auto enBloques = leer(LectorOdbc::kFilasPorBloque);
    const auto unaAUna = leer(0);
    SQLDisconnect(dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    ASSERT_EQ(unaAUna.size(), 150);
    EXPECT_EQ(enBloques, unaAUna);
    EXPECT_EQ(unaAUna[2][1], QVariant());            // 3
    EXPECT_EQ(unaAUna[3][1], QVariant(QString(""))); // 4
    EXPECT_EQ(unaAUna[4][1], QVariant(QString("Peña 0")));
    EXPECT_EQ(unaAUna[149][0], QVariant(150));
}

// Each row read over the last one takes its own texts, also where a text comes again after
// another of its length.
TEST_F(ProveedorOdbc, UnTextoQueVuelveNoSeConfundeConElDeLaFilaAnterior) {
    Ejecutar("INSERT INTO ASIENTOS (TC, NUMERO, DETALLE) VALUES ('NC', 3, 'AA'), ('NC', 4, 'BB'), "
             "('NC', 5, 'AA'), ('NC', 6, 'AA'), ('NC', 7, 'BB'), ('NC', 8, 'CC'), ('NC', 9, 'BB')");
    Recordset rs;
    rs.SetCursorLocation(adUseServer);
    rs.Open("SELECT DETALLE FROM ASIENTOS WHERE NUMERO > 2 ORDER BY NUMERO", cnn);
    QStringList textos;
    for (; !rs.Eof(); rs.MoveNext())
        textos << rs.Fields(0).Value().toString();
    EXPECT_EQ(textos, QStringList({"AA", "BB", "AA", "AA", "BB", "CC", "BB"}));
}

// This driver reports CHAR and DECIMAL as text: what a server reports is checked on the
// mapping itself.
TEST(TiposOdbc, ElDineroYLosTextosFijosDelServidorTienenSuTipo) {
    EXPECT_EQ(TipoAdoDeOdbc(SQL_CHAR, 4, 0), adChar);
    EXPECT_EQ(TipoAdoDeOdbc(SQL_WVARCHAR, 60, 0), adVarWChar);
    EXPECT_EQ(TipoAdoDeOdbc(SQL_DECIMAL, 19, 4), adCurrency);
    EXPECT_EQ(TipoAdoDeOdbc(SQL_DECIMAL, 10, 4), adCurrency);
    EXPECT_EQ(TipoAdoDeOdbc(SQL_DECIMAL, 18, 2), adNumeric);
    EXPECT_EQ(TipoAdoDeOdbc(SQL_BIT, 1, 0), adBoolean);
    EXPECT_EQ(TipoAdoDeOdbc(SQL_TYPE_TIMESTAMP, 23, 3), adDBTimeStamp);
}

TEST_F(ProveedorOdbc, UnaSentenciaErroneaDejaElErrorDelServidorSinLanzar) {
    long afectados = -1;
    EXPECT_NO_THROW(cnn.Execute("UPDATE NO_EXISTE SET X = 1", &afectados));
    ASSERT_GT(cnn.Errors().Count(), 0);
    EXPECT_NE(cnn.Errors().Item(0).NativeError, 0);
    EXPECT_EQ(cnn.Errors().Item(0).SQLState.size(), 5);
    EXPECT_TRUE(cnn.Errors().Item(0).Description.contains("NO_EXISTE"));
    EXPECT_EQ(afectados, 0);
    cnn.Execute("UPDATE ASIENTOS SET DETALLE = 'x'", &afectados);
    EXPECT_EQ(cnn.Errors().Count(), 0);
    EXPECT_EQ(afectados, 2);
}

TEST_F(ProveedorOdbc, LaTransaccionDeTextoSeDeshaceTrasUnFalloEnLaMismaConexion) {
    Ejecutar("BEGIN TRANSACTION");
    Ejecutar("INSERT INTO ASIENTOS (TC, NUMERO) VALUES ('NC', 3)");
    cnn.Execute("INSERT INTO ASIENTOS (TC, NUMERO) VALUES ('NC', 1)");
    EXPECT_GT(cnn.Errors().Count(), 0);
    EXPECT_EQ(Contar(), 3);
    Ejecutar("ROLLBACK");
    EXPECT_EQ(Contar(), 2);

    cnn.BeginTrans();
    Ejecutar("DELETE FROM ASIENTOS");
    cnn.RollbackTrans();
    EXPECT_EQ(Contar(), 2);
}

// Rows are found again by all their values (no key here), a Null one included; one that
// stands for two changes nothing, and the caller's transaction outlives the refusal.
TEST_F(ProveedorOdbc, UnaFilaLeidaSeReescribeSoloSiEsUnaConOSinTransaccion) {
    Ejecutar("CREATE TABLE NOTAS (TC CHAR(4), NUMERO INTEGER, DETALLE VARCHAR(60))");
    Ejecutar("INSERT INTO NOTAS VALUES ('NC', 1, NULL), ('NC', 2, 'doble'), ('NC', 2, 'doble')");
    const QStringList antes = Filas("SELECT * FROM NOTAS ORDER BY NUMERO, DETALLE");
    enum { Ninguna, DeTexto, BeginTrans };
    for (int transaccion : {DeTexto, BeginTrans, Ninguna}) {
        if (transaccion == DeTexto)
            Ejecutar("BEGIN TRANSACTION");
        if (transaccion == BeginTrans)
            cnn.BeginTrans();
        Recordset rs;
        rs.Open("SELECT * FROM NOTAS ORDER BY NUMERO", cnn, adOpenKeyset, adLockOptimistic);
        rs.AddNew();
        rs.Fields("TC") = "NC";
        rs.Fields("NUMERO") = 3;
        rs.Fields("DETALLE") = "D'Angelo";
        rs.Update();
        rs.MoveFirst();
        rs.Fields("DETALLE") = "leída";
        rs.Update();
        rs.MoveNext();
        rs.Fields("DETALLE") = "una de dos";
        EXPECT_EQ(NumeroDeError([&] { rs.Update(); }), -2147217864) << transaccion;
        rs.CancelUpdate();
        rs.Close();
        const QStringList despues = {"NC|1|leída", "NC|2|doble", "NC|2|doble", "NC|3|D'Angelo"};
        EXPECT_EQ(Filas("SELECT * FROM NOTAS ORDER BY NUMERO, DETALLE"), despues) << transaccion;
        if (transaccion == DeTexto)
            Ejecutar("ROLLBACK TRANSACTION");
        if (transaccion == BeginTrans)
            cnn.RollbackTrans();
        EXPECT_EQ(Filas("SELECT * FROM NOTAS ORDER BY NUMERO, DETALLE"),
                  transaccion == Ninguna ? despues : antes)
            << transaccion;
    }
}

// A server reads a date text by its session's date format: written-back dates go bound as
// dates. This driver stores a bound date with its fraction of a second, a text as it came.
TEST_F(ProveedorOdbc, LasFechasReescritasVanComoFechasNoComoTexto) {
    Recordset rs;
    rs.Open("SELECT * FROM ASIENTOS ORDER BY NUMERO", cnn, adOpenKeyset, adLockOptimistic);
    rs.MoveNext();
    rs.Fields("FECHA") = "04/03/2026";
    rs.Update();
    rs.AddNew();
    rs.Fields("TC") = "NC";
    rs.Fields("NUMERO") = 3;
    rs.Fields("FECHA") = QDate(2026, 3, 13);
    rs.Update();
    rs.Close();
    EXPECT_EQ(Filas("SELECT '#' || FECHA FROM ASIENTOS WHERE NUMERO > 1 ORDER BY NUMERO"),
              QStringList({"#2026-03-04 00:00:00.000", "#2026-03-13 00:00:00.000"}));
}

TEST_F(ProveedorOdbc, ElEsquemaSaleDeLasFuncionesDeCatalogo) {
    Recordset rs;
    cnn.OpenSchema(adSchemaTables, rs, {QVariant(), QVariant(), "ASIENTOS"});
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Fields("TABLE_TYPE").Value().toString(), "TABLE");
    cnn.OpenSchema(adSchemaColumns, rs, {QVariant(), QVariant(), "ASIENTOS", "NUMERO"});
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Fields("ORDINAL_POSITION").Value().toInt(), 2);
    EXPECT_EQ(rs.Fields("DATA_TYPE").Value().toInt(), adInteger);
    EXPECT_FALSE(rs.Fields("IS_NULLABLE").Value().toBool());
    EXPECT_EQ(cnn.ClavePrimaria("ASIENTOS"), QStringList({"TC", "NUMERO"}));
}

TEST_F(ProveedorOdbc, UnServidorQueNoRespondeDaElErrorDelProveedorEnSeguida) {
    Connection otra;
    QElapsedTimer reloj;
    reloj.start();
    for (const QString& cadena :
         {QString("PROVIDER=SQLOLEDB;Server=127.0.0.1,1;Database =X;UId=u;Pwd=p;"),
          QString("Provider=OraOLEDB.Oracle.1;Data Source=NO_CONFIGURADO;User Id=u;Password=p;")}) {
        try {
            otra.Open(cadena);
            ADD_FAILURE() << cadena.toStdString();
        } catch (const ErrorEjecucion&) {
            ASSERT_GT(otra.Errors().Count(), 0);
            EXPECT_TRUE(otra.Errors().Item(0).Description.startsWith(
                "No se puede conectar con el servidor"))
                << otra.Errors().Item(0).Description.toStdString();
        }
    }
    EXPECT_LT(reloj.elapsed(), 10000);
}

// FreeTDS given no protocol version never stops trying a server that takes the connection
// and stays silent; the connection timeout bounds the open.
TEST_F(ProveedorOdbc, UnServidorMudoNoDetieneElArranqueMasQueElTiempoDeConexion) {
    ServidorMudo mudo;
    Connection otra;
    otra.SetConnectionTimeout(2);
    QElapsedTimer reloj;
    reloj.start();
    EXPECT_NE(NumeroDeError([&] {
                  otra.Open(QString("PROVIDER=SQLOLEDB;Server=127.0.0.1,%1;Database =X;UId=u;"
                                    "Pwd=p;")
                                .arg(mudo.Puerto()));
              }),
              0);
    EXPECT_LT(reloj.elapsed(), 6000);
    ASSERT_GT(otra.Errors().Count(), 0);
    EXPECT_TRUE(otra.Errors().Item(0).Description.startsWith(
        "No se puede conectar con el servidor '127.0.0.1,"));
}

// The driver's own strings, naming FreeTDS directly or through a data source without a
// protocol version, are bounded too. The open runs aside so that a hang fails the test
// instead of stopping it.
TEST(FreeTdsSinVersion, UnServidorMudoNoDetieneNingunaCadenaMasQueElTiempoDeConexion) {
    ServidorMudo mudo;
    QTemporaryDir dir;
    OrigenesDeDatos origenes(
        dir.filePath("odbc.ini"),
        QString("[MUDO]\nDriver=FreeTDS\nServer=127.0.0.1\nPort=%1\n").arg(mudo.Puerto()));
    for (const QString& cadena :
         {QString("Driver={FreeTDS};Server=127.0.0.1;Port=%1;UID=u;PWD=p;").arg(mudo.Puerto()),
          QString("DSN=MUDO;UID=u;PWD=p")}) {
        auto fin = std::make_shared<std::promise<bool>>();
        std::future<bool> abierta = fin->get_future();
        std::thread([cadena, fin] {
            Connection otra;
            otra.SetConnectionTimeout(2);
            fin->set_value(NumeroDeError([&] { otra.Open(cadena); }) == 0);
        }).detach();
        ASSERT_EQ(abierta.wait_for(std::chrono::seconds(12)), std::future_status::ready)
            << cadena.toStdString();
        EXPECT_FALSE(abierta.get()) << cadena.toStdString();
    }
}

// A data source on FreeTDS that sets no protocol version is given one; its own stays.
TEST(CadenaOdbcSqlServer, UnOrigenDeFreeTdsSinVersionRecibeUna) {
    QTemporaryDir dir;
    OrigenesDeDatos origenes(dir.filePath("odbc.ini"),
                             "[SIN_VERSION]\nDriver=FreeTDS\nServer=127.0.0.1\n"
                             "[CON_VERSION]\nDriver=FreeTDS\nTDS_Version=7.3\n"
                             "[OTRO_MOTOR]\nDriver=SQLite3\n");
    int espera = 15;
    const QString resto = ";Database =E;UId=u;Pwd=p;Encrypt=yes;";
    EXPECT_EQ(CadenaOdbcSqlServer("PROVIDER=SQLOLEDB;Server=SIN_VERSION" + resto, espera),
              "DSN=SIN_VERSION;DATABASE=E;UID=u;PWD=p;Encrypt=yes;TDS_Version=7.4;"
              "Encryption=require;");
    EXPECT_EQ(CadenaOdbcSqlServer("PROVIDER=SQLOLEDB;Server=CON_VERSION" + resto, espera),
              "DSN=CON_VERSION;DATABASE=E;UID=u;PWD=p;Encrypt=yes;Encryption=require;");
    EXPECT_EQ(CadenaOdbcSqlServer("PROVIDER=SQLOLEDB;Server=OTRO_MOTOR" + resto, espera),
              "DSN=OTRO_MOTOR;UID=u;PWD=p;Encrypt=yes;");
}

// A value in braces is read back exactly and handed on quoted: nothing inside it is a
// setting of its own, on a data source as on a server reached directly.
TEST(CadenaOdbcSqlServer, LosValoresEntreLlavesLleganTalCual) {
    QTemporaryDir dir;
    OrigenesDeDatos origenes(dir.filePath("odbc.ini"),
                             "[ORIGEN]\nDriver=FreeTDS\nTDS_Version=7.3\n");
    int espera = 15;
    const QString resto = ";Database ={E;F};UId= { u };Pwd={x;Server=otro};Connect Timeout=3;";
    EXPECT_EQ(CadenaOdbcSqlServer("PROVIDER=SQLOLEDB;Server=ORIGEN" + resto, espera),
              "DSN=ORIGEN;DATABASE={E;F};UID={ u };PWD={x;Server=otro};");
    EXPECT_EQ(espera, 3);
    EXPECT_EQ(CadenaOdbcSqlServer("PROVIDER=SQLOLEDB;Server=ORIGEN;UId={a}}b};", espera), "");
    EXPECT_EQ(CadenaOdbcSqlServer("PROVIDER=SQLOLEDB;Server=127.0.0.1,1;Pwd={a=b;Server=x", espera),
              "DRIVER={FreeTDS};SERVER=127.0.0.1;PORT=1;DATABASE=;UID=;PWD={a=b;Server=x};"
              "TDS_Version=7.4;ClientCharset=UTF-8;");
}

} // namespace
