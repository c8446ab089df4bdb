#include "platform/ado/FuncionesSqlite.h"
#include "platform/ado/Recordset.h"
#include "platform/errors/ErrorEjecucion.h"
#include "platform/runtime/Currency.h"
#include "support/Apoyo.h"
#include "support/BaseDePrueba.h"

#include <QDateTime>
#include <QFileInfo>
#include <chrono>
#include <functional>
#include <sqlite3.h>
#include <thread>

using namespace ado;

namespace {

const char* kEsquema = R"(
CREATE TABLE MV_ASIENTOS (
    TC CHAR(4) COLLATE SQLSRV_CI NOT NULL,
    IDCOMPROBANTE CHAR(13) COLLATE SQLSRV_CI NOT NULL,
    SECUENCIA INT NOT NULL,
    FECHA DATETIME,
    [NUMERO ASIENTO] INT,
    [DEBE-HABER] CHAR(1) COLLATE SQLSRV_CI,
    IMPORTE MONEY,
    CONCILIADO BIT,
    DETALLE VARCHAR(60) COLLATE SQLSRV_CI,
    PRIMARY KEY (TC, IDCOMPROBANTE, SECUENCIA));
CREATE TABLE TA_CONFIGURACION (CLAVE VARCHAR(50) COLLATE SQLSRV_CI, VALOR VARCHAR(255) COLLATE SQLSRV_CI,
    ValorAux VARCHAR(255) COLLATE SQLSRV_CI DEFAULT '', Grupo VARCHAR(50) COLLATE SQLSRV_CI,
    PoliticaNegocio BIT);
CREATE VIEW SS_MV_ASIENTOS AS SELECT * FROM MV_ASIENTOS;
INSERT INTO MV_ASIENTOS VALUES ('NCPE', '0001000001230', 1, '2026-12-01 00:00:00', 15, 'D', 1234.56, 0, 'D''Angelo Hnos.');
INSERT INTO MV_ASIENTOS VALUES ('NCPE', '0001000001230', 2, '2026-12-01 00:00:00', 15, 'H', 1234.56, 0, 'Ñandú S.A.');
INSERT INTO MV_ASIENTOS VALUES ('FCC', '0001000000077', 1, '2026-11-20 10:30:00', 9, 'D', 99.9, 1, NULL);
)";

class Proveedor : public BaseDePrueba {
protected:
    void SetUp() override { Crear(kEsquema); }
    long Contar(const QString& condicion) {
        Recordset rs;
        rs.Open("SELECT COUNT(*) AS N FROM MV_ASIENTOS WHERE " + condicion, cnn);
        return rs.Fields("N").Value().toLongLong();
    }
};

TEST_F(Proveedor, CamposPorNombreSinMayusculasConSusTiposYTamanos) {
    Recordset rs;
    rs.Open("SELECT * FROM MV_ASIENTOS WHERE TC = 'fcc'", cnn);
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Fields("numero asiento").Value().toInt(), 9);
    EXPECT_EQ(rs.Fields("Debe-Haber").Value().toString(), "D");
    EXPECT_EQ(rs.Fields("TC").Value().toString(), "FCC ");
    EXPECT_EQ(rs.Fields("TC").DefinedSize(), 4);
    EXPECT_EQ(rs.Fields("FECHA").Type(), adDBTimeStamp);
    EXPECT_EQ(rs.Fields("FECHA").Value().toDateTime(),
              QDateTime(QDate(2026, 11, 20), QTime(10, 30)));
    EXPECT_EQ(rs.Fields("CONCILIADO").Type(), adBoolean);
    EXPECT_EQ(rs.Fields("CONCILIADO").Value(), QVariant(true));
    EXPECT_EQ(rs.Fields("IMPORTE").Type(), adCurrency);
    EXPECT_TRUE(rs.Fields("DETALLE").IsNull());
    EXPECT_THROW(rs.Fields("NO EXISTE"), ErrorEjecucion);
}

TEST_F(Proveedor, NavegacionYRegistroActual) {
    Recordset rs;
    rs.Open("SELECT SECUENCIA FROM MV_ASIENTOS WHERE TC = 'NCPE' ORDER BY SECUENCIA", cnn);
    EXPECT_EQ(rs.RecordCount(), 2);
    rs.MoveNext();
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_THROW(rs.Fields(0).Value(), ErrorEjecucion);
    rs.MoveFirst();
    EXPECT_EQ(rs.Fields(0).Value().toInt(), 1);
    rs.Close();
    EXPECT_EQ(rs.State(), adStateClosed);
    // A reading loop over a recordset that failed to open must stop, not spin.
    EXPECT_THROW(rs.Eof(), ErrorEjecucion);
    EXPECT_THROW(rs.Bof(), ErrorEjecucion);
    rs.Open("SELECT * FROM MV_ASIENTOS WHERE 1 = 0", cnn);
    EXPECT_TRUE(rs.Bof() && rs.Eof());
}

TEST_F(Proveedor, TextoSinMayusculasNiBlancosFinalesComoEnElServidor) {
    EXPECT_EQ(Contar("TC = 'ncpe    '"), 2);
    EXPECT_EQ(Contar("IDCOMPROBANTE = '0001000001230   '"), 2); // 16 characters
    EXPECT_EQ(Contar("DETALLE = 'ñANDÚ s.a.'"), 1);
    EXPECT_EQ(Contar("DETALLE = 'Nandu S.A.'"), 0); // accents count
    EXPECT_EQ(Contar("LTRIM(RTRIM(DETALLE)) = 'd''angelo hnos.'"), 1);
    EXPECT_EQ(Contar("DETALLE LIKE 'ñan%'"), 1);
    EXPECT_EQ(Contar("DETALLE LIKE '[a-e]''%'"), 1);
    EXPECT_EQ(Contar("TC IN ('fcc', 'xx')"), 1);
}

// The server's Spanish order, through the index on the column as well as without it.
TEST_F(Proveedor, OrdenYRangosConAcentosYEnieComoEnElServidor) {
    Ejecutar("DELETE FROM MV_ASIENTOS");
    int n = 0;
    for (const char* detalle : {"Zapato", "Oso", "Ñandú", "Nube", "Álvarez", "Avila"})
        Ejecutar(QStringLiteral("INSERT INTO MV_ASIENTOS (TC, IDCOMPROBANTE, SECUENCIA, DETALLE) "
                                "VALUES ('X', '%1', 1, '%2')")
                     .arg(++n)
                     .arg(QString::fromUtf8(detalle)));
    const QStringList orden{"Álvarez", "Avila", "Nube", "Ñandú", "Oso", "Zapato"};
    EXPECT_EQ(Filas("SELECT DETALLE FROM MV_ASIENTOS ORDER BY DETALLE"), orden);
    Ejecutar("CREATE INDEX IX_DETALLE ON MV_ASIENTOS (DETALLE)");
    EXPECT_TRUE(Plan("SELECT DETALLE FROM MV_ASIENTOS ORDER BY DETALLE").contains("IX_DETALLE"));
    EXPECT_EQ(Filas("SELECT DETALLE FROM MV_ASIENTOS ORDER BY DETALLE"), orden);
    EXPECT_EQ(Filas("SELECT DETALLE FROM MV_ASIENTOS WHERE DETALLE >= 'N' AND DETALLE < 'O' "
                    "ORDER BY DETALLE"),
              QStringList({"Nube", "Ñandú"}));
    EXPECT_EQ(Filas("SELECT DETALLE FROM MV_ASIENTOS WHERE DETALLE = 'alvarez'"), QStringList());
    EXPECT_EQ(Filas("SELECT DETALLE FROM MV_ASIENTOS WHERE DETALLE = 'ÁLVAREZ '"),
              QStringList{"Álvarez"});
}

TEST_F(Proveedor, FuncionesConElSentidoDelServidor) {
    Recordset rs;
    rs.Open("SELECT CHARINDEX('', 'abc') AS A, CHARINDEX('B', 'abcb') AS B, "
            "CHARINDEX('b', 'abcb', 3) AS C, LEN('ab  ') AS D, ISNULL(NULL, 'x') AS E, "
            "SUBSTRING('0001000001230', 5, 8) AS F, MAX(IDCOMPROBANTE) AS G, "
            "MAX(FECHA) AS H FROM MV_ASIENTOS",
            cnn);
    EXPECT_EQ(rs.Fields("A").Value().toInt(), 0);
    EXPECT_EQ(rs.Fields("B").Value().toInt(), 2);
    EXPECT_EQ(rs.Fields("C").Value().toInt(), 4);
    EXPECT_EQ(rs.Fields("D").Value().toInt(), 2);
    EXPECT_EQ(rs.Fields("E").Value().toString(), "x");
    EXPECT_EQ(rs.Fields("F").Value().toString(), "00000123");
    EXPECT_EQ(rs.Fields("G").Value().toString(), "0001000001230");
    EXPECT_EQ(rs.Fields("H").Value().toDateTime(), QDateTime(QDate(2026, 12, 1), QTime(0, 0)));
}

// A text longer than its column fails as on the server (8152) and stores nothing; blanks
// past the length are dropped there without an error.
TEST_F(Proveedor, UnTextoMasLargoQueSuColumnaFallaComoEnElServidor) {
    const QString largo = QString(61, u'ñ');
    for (const QString& sql :
         {"INSERT INTO MV_ASIENTOS (TC, IDCOMPROBANTE, SECUENCIA, DETALLE) VALUES ('FCC', 'x', "
          "5, '" +
              largo + "')",
          "UPDATE MV_ASIENTOS SET DETALLE = '" + largo + "' WHERE TC = 'FCC'",
          QString("UPDATE MV_ASIENTOS SET TC = 'FCCXY' WHERE TC = 'FCC'")}) {
        cnn.Execute(sql);
        ASSERT_EQ(cnn.Errors().Count(), 1) << sql.toStdString();
        EXPECT_EQ(cnn.Errors().Item(0).NativeError, 8152);
        EXPECT_EQ(cnn.Errors().Item(0).Number, DB_E_DATAOVERFLOW_);
        EXPECT_TRUE(cnn.Errors().Item(0).Description.contains("se truncarían"));
    }
    EXPECT_EQ(Contar("DETALLE IS NULL"), 1);
    EXPECT_EQ(Contar("TC = 'FCC'"), 1);
    Ejecutar("UPDATE MV_ASIENTOS SET DETALLE = '" + QString(60, u'ñ') + "   ' WHERE TC = 'FCC'");
    Ejecutar("CREATE TABLE NUEVA (A VARCHAR(2))");
    cnn.Execute("INSERT INTO NUEVA VALUES ('abc')");
    EXPECT_EQ(cnn.Errors().Count(), 1);
}

// Every spelling of a text type and any name the server accepts ("%1", a quote) keep their
// length checked, and the file opens again afterwards.
TEST_F(Proveedor, CualquierNombreYTipoDeTextoDelServidorSeVigila) {
    Ejecutar("CREATE TABLE [T\"%1] ([A%1] VARCHAR(2), B CHARACTER VARYING(2), "
             "C NATIONAL CHARACTER VARYING(2), D CHAR, E NATIONAL CHAR(2))");
    for (const char* columna : {"[A%1]", "B", "C", "D", "E"})
        for (int vez = 0; vez < 2; ++vez) {
            cnn.Execute(QString("INSERT INTO [T\"%1] (") + columna + ") VALUES ('abc')");
            ASSERT_EQ(cnn.Errors().Count(), 1) << columna;
            EXPECT_EQ(cnn.Errors().Item(0).NativeError, 8152) << columna;
            cnn.Close();
            cnn.Open(Cadena());
        }
    Ejecutar("INSERT INTO [T\"%1] ([A%1], D) VALUES ('ab', 'x')");
}

// A table another connection made (another user, crear_base) is known before this
// connection's next statement: its lengths are checked and its dates stored as dates.
TEST_F(Proveedor, UnaTablaHechaPorOtraConexionSeConoceEnLaSiguienteSentencia) {
    Connection otra;
    otra.Open(Cadena());
    otra.Execute("CREATE TABLE NUEVA (A VARCHAR(2), F DATETIME)");
    ASSERT_EQ(otra.Errors().Count(), 0);
    cnn.Execute("INSERT INTO NUEVA VALUES ('abcdef', NULL)");
    ASSERT_EQ(cnn.Errors().Count(), 1);
    EXPECT_EQ(cnn.Errors().Item(0).NativeError, 8152);
    otra.Execute("ALTER TABLE NUEVA ADD G DATE");
    Ejecutar("INSERT INTO NUEVA VALUES ('ab', '14/03/2025', '15/03/2025')");
    EXPECT_EQ(Filas("SELECT COUNT(*) FROM NUEVA WHERE F || '' LIKE '2025-03-14 00:00:00' AND "
                    "G || '' LIKE '2025-03-15'"),
              QStringList("1"));
}

// What the engine would compute otherwise than the server is computed as the server does
// (UPPER of any letter, "]" inside brackets, a date met through ISNULL) or refused by name.
TEST_F(Proveedor, LoQueElMotorCalculariaDistintoSeCalculaComoElServidorOSeRechaza) {
    EXPECT_EQ(Filas("SELECT UPPER('Ñandú'), LOWER('ÑANDÚ'), 1 AS [a]]b]"),
              QStringList("ÑANDÚ|ñandú|1"));
    EXPECT_EQ(Contar("ISNULL(FECHA, FECHA) >= '01/12/2026'"), 2);
    EXPECT_EQ(Contar("'30/11/2026' > ISNULL(FECHA, FECHA)"), 1);
    for (const QString& sql :
         {QString("SELECT IMPORTE/7 FROM MV_ASIENTOS"),
          QString("SELECT TC + DETALLE FROM MV_ASIENTOS"),
          QString("SELECT SUM(IMPORTE) / 2 FROM MV_ASIENTOS"),
          QString("SELECT 1 FROM MV_ASIENTOS WHERE LTRIM(TC) = '01/12/2026'")}) {
        Recordset rs;
        EXPECT_THROW(rs.Open(sql, cnn), ErrorEjecucion) << sql.toStdString();
        ASSERT_GT(cnn.Errors().Count(), 0);
        EXPECT_TRUE(cnn.Errors().Item(0).Description.startsWith("La base de datos incorporada no "
                                                                "admite"))
            << cnn.Errors().Item(0).Description.toStdString();
    }
    EXPECT_EQ(Filas("SELECT SECUENCIA / 2, SECUENCIA + 1 FROM MV_ASIENTOS WHERE TC = 'FCC'"),
              QStringList("0|2"));
}

// The server fails on a text that is no number set against a column of numbers or written into
// one (error 245); the engine keeps its answer: no row, and the text kept as written.
TEST_F(Proveedor, UnTextoQueNoEsNumeroContraUnaColumnaDeNumerosNoEncuentraFilas) {
    EXPECT_EQ(Contar("[NUMERO ASIENTO] = 'x'"), 0);
    EXPECT_EQ(Contar("[NUMERO ASIENTO] = ' 15 '"), 2);
    Ejecutar("UPDATE MV_ASIENTOS SET [NUMERO ASIENTO] = 'x9' WHERE TC = 'FCC'");
    EXPECT_EQ(Contar("[NUMERO ASIENTO] = 'x9' AND TC = 'FCC'"), 1);
}

TEST_F(Proveedor, FechasDiaPrimeroContraColumnasDeFecha) {
    EXPECT_EQ(Contar("FECHA >= '01/12/26'"), 2);
    EXPECT_EQ(Contar("FECHA BETWEEN '01/11/2026' AND '30/11/2026 23:59:59'"), 1);
    Ejecutar("UPDATE MV_ASIENTOS SET FECHA = '05/12/26' WHERE TC = 'FCC'");
    EXPECT_EQ(Contar("FECHA = '05/12/2026'"), 1);
}

TEST_F(Proveedor, LoteQueFallaAMitadSeDeshaceEntero) {
    cnn.Execute(
        "BEGIN TRANSACTION\r\nDELETE MV_ASIENTOS WHERE TC = 'NCPE'\r\n"
        "INSERT INTO MV_ASIENTOS (TC, IDCOMPROBANTE, SECUENCIA) VALUES ('N''CP', 'x', 1)\r\n"
        "INSERT INTO MV_ASIENTOS (TC, IDCOMPROBANTE, SECUENCIA) VALUES ('FCC', "
        "'0001000000077', 1)\r\nCOMMIT TRANSACTION");
    ASSERT_EQ(cnn.Errors().Count(), 1);
    EXPECT_EQ(cnn.Errors().Item(0).NativeError, 2627);
    EXPECT_EQ(cnn.Errors().Item(0).Number, DB_E_INTEGRITYVIOLATION_);
    Ejecutar("ROLLBACK TRANSACTION");
    EXPECT_EQ(Contar("TC = 'NCPE'"), 2);
    EXPECT_EQ(Contar("TC = 'N''CP'"), 0);
}

TEST_F(Proveedor, TransaccionesAnidadasComoEnElServidor) {
    cnn.BeginTrans();
    Ejecutar("BEGIN TRAN\nDELETE MV_ASIENTOS WHERE TC = 'FCC'\nCOMMIT TRAN");
    cnn.RollbackTrans();
    EXPECT_EQ(Contar("TC = 'FCC'"), 1);
    cnn.Execute("COMMIT TRANSACTION");
    ASSERT_EQ(cnn.Errors().Count(), 1);
    EXPECT_EQ(cnn.Errors().Item(0).NativeError, 3902);
}

TEST_F(Proveedor, ErroresEnErrorsSinExcepcion) {
    long afectados = -1;
    cnn.Execute("DELETE NO_EXISTE WHERE A = 1", &afectados);
    ASSERT_EQ(cnn.Errors().Count(), 1);
    EXPECT_EQ(cnn.Errors().Item(0).Number, DB_E_NOTABLE_);
    EXPECT_EQ(cnn.Errors().Item(0).Description, "El nombre de objeto 'NO_EXISTE' no es válido.");
    EXPECT_EQ(afectados, 0);
    cnn.Execute("UPDATE MV_ASIENTOS SET IMPORTE = 0 WHERE TC = 'NCPE'", &afectados);
    EXPECT_EQ(cnn.Errors().Count(), 0);
    EXPECT_EQ(afectados, 2);
    Recordset rs;
    EXPECT_THROW(rs.Open("SELECT NADA FROM MV_ASIENTOS", cnn), ErrorEjecucion);
    EXPECT_EQ(cnn.Errors().Item(0).NativeError, 207);
}

// The engine would stop reading at a NUL: the WHERE after it would be lost and every row
// changed. Such a statement is refused whole, wherever the NUL stands.
TEST_F(Proveedor, UnCaracterNuloRechazaLaSentencia) {
    const QString nulo(QChar(0));
    const QString sentencias[] = {
        "UPDATE MV_ASIENTOS SET IMPORTE = 0" + nulo + " WHERE TC = 'FCC'",
        "UPDATE MV_ASIENTOS SET DETALLE = 'a" + nulo + "b' WHERE TC = 'FCC'",
        "UPDATE MV_ASIENTOS SET IMPORTE = 0 WHERE TC = 'FCC'\r\nDELETE MV_ASIENTOS" + nulo,
    };
    for (const QString& sql : sentencias) {
        long afectados = -1;
        cnn.Execute(sql, &afectados);
        ASSERT_EQ(cnn.Errors().Count(), 1);
        EXPECT_EQ(cnn.Errors().Item(0).Number, DB_E_ERRORSINCOMMAND_);
        EXPECT_TRUE(cnn.Errors().Item(0).Description.contains("carácter nulo"));
        EXPECT_EQ(afectados, 0);
    }
    EXPECT_EQ(Contar("IMPORTE = 0 OR DETALLE LIKE 'a%'"), 0);
    EXPECT_EQ(Contar("1 = 1"), 3);
    Recordset rs;
    EXPECT_THROW(rs.Open("SELECT * FROM MV_ASIENTOS" + nulo + " WHERE 1 = 0", cnn), ErrorEjecucion);
    EXPECT_TRUE(cnn.Errors().Item(0).Description.contains("carácter nulo"));
}

TEST_F(Proveedor, AddNewYUpdateEscribenLaFila) {
    Recordset rs;
    rs.Open("SELECT * FROM TA_CONFIGURACION WHERE CLAVE = 'PERIODO'", cnn, adOpenDynamic,
            adLockOptimistic);
    ASSERT_TRUE(rs.Bof());
    rs.AddNew();
    rs.Fields("Clave") = "PERIODO";
    rs.Fields("Valor") = "2026's";
    rs.Fields("PoliticaNegocio") = false;
    rs.Update();
    rs.Close();
    rs.Open("SELECT * FROM TA_CONFIGURACION WHERE CLAVE = 'periodo'", cnn, adOpenDynamic,
            adLockOptimistic);
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Fields("VALOR").Value().toString(), "2026's");
    EXPECT_EQ(rs.Fields("ValorAux").Value().toString(), "");
    rs.Fields("Valor") = "2027";
    rs.Update();
    rs.Close();
    rs.Open("SELECT VALOR FROM TA_CONFIGURACION", cnn);
    EXPECT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Fields("VALOR").Value().toString(), "2027");
    EXPECT_THROW(rs.Fields("VALOR") = "x", ErrorEjecucion); // read-only
}

TEST_F(Proveedor, UpdatePorClavePrimariaConFechas) {
    Recordset rs;
    rs.Open("SELECT * FROM MV_ASIENTOS WHERE TC = 'NCPE' ORDER BY SECUENCIA", cnn, adOpenKeyset,
            adLockOptimistic);
    rs.MoveNext();
    rs.Fields("FECHA") = QDate(2026, 12, 24);
    rs.Fields("IMPORTE") = Currency::DesdeTexto("10,05").AVariant();
    rs.Update();
    EXPECT_EQ(Contar("FECHA = '24/12/2026' AND SECUENCIA = 2 AND IMPORTE = 10.05"), 1);
    EXPECT_THROW(rs.Fields("FECHA") = "31/02/2026", ErrorEjecucion);
    rs.Fields("FECHA") = QDateTime(QDate(2026, 12, 24), QTime(8, 15, 2, 500));
    rs.Update();
    EXPECT_EQ(Filas("SELECT '#' || FECHA FROM MV_ASIENTOS WHERE SECUENCIA = 2 AND TC = 'NCPE'"),
              QStringList{"#2026-12-24 08:15:02"});
    // The engine's own refusal reaches the caller, not a row said to be missing.
    rs.Fields("TC") = QVariant();
    try {
        rs.Update();
        ADD_FAILURE() << "a Null TC was written";
    } catch (const ErrorEjecucion& e) {
        EXPECT_FALSE(e.Description().contains("No se encuentra la fila"))
            << e.Description().toStdString();
    }
}

// A commit on a file deleted or replaced since it was opened saved nothing anyone will find:
// it is undone and reported.
TEST_F(Proveedor, UnaConfirmacionSobreUnArchivoQueYaNoEstaSeDeshaceYSeInforma) {
    const QString insertar = "INSERT INTO MV_ASIENTOS (TC, IDCOMPROBANTE, SECUENCIA) VALUES "
                             "('NCPE', 'x', %1)";
    const std::function<void()> quitar[] = {[&] { QFile::remove(Archivo()); },
                                            [&] {
                                                QFile::copy(Archivo(), Archivo() + ".copia");
                                                QFile::remove(Archivo());
                                                QFile::rename(Archivo() + ".copia", Archivo());
                                            }};
    for (const auto& quitarArchivo : quitar) {
        cnn.Close();
        Crear(kEsquema);
        cnn.BeginTrans();
        Ejecutar(insertar.arg(1));
        quitarArchivo();
        Ejecutar(insertar.arg(2));
        EXPECT_THROW(cnn.CommitTrans(), ErrorEjecucion);
        ASSERT_EQ(cnn.Errors().Count(), 1);
        EXPECT_TRUE(cnn.Errors().Item(0).Description.contains("se borró o se reemplazó"));
        EXPECT_THROW(cnn.RollbackTrans(), ErrorEjecucion); // nothing left open
        QFile::remove(Archivo());
    }
}

// Amounts are read without a detour through a double where the engine kept more than one
// holds: whole numbers as integers, and the ends of the range, which its doubles overstep.
// With four decimals the engine's doubles are exact up to 2^39.
TEST_F(Proveedor, LosImportesGrandesSeLeenSinDesbordeNiRedondeo) {
    Ejecutar("CREATE TABLE SALDOS (N INT, IMPORTE MONEY, SALDO DECIMAL(19,4), TASA DECIMAL(18,6))");
    Ejecutar("INSERT INTO SALDOS VALUES (1, 922337203685477, 922337203685477.5807, 1.234567), "
             "(2, -922337203685477.5808, -922337203685477.5808, NULL), "
             "(3, 549755813887.9999, 12345678901234.5678, NULL), (4, 0, 1000000000000000, NULL)");
    Recordset rs;
    rs.Open("SELECT * FROM SALDOS ORDER BY N", cnn);
    const auto importe = [&](const char* campo) {
        return Currency::DesdeVariant(rs.Fields(campo).Value()).Escalado();
    };
    EXPECT_EQ(importe("IMPORTE"), 9223372036854770000);
    EXPECT_EQ(importe("SALDO"), std::numeric_limits<qint64>::max());
    EXPECT_DOUBLE_EQ(rs.Fields("TASA").Value().toDouble(), 1.234567);
    rs.MoveNext();
    EXPECT_EQ(importe("IMPORTE"), std::numeric_limits<qint64>::min());
    EXPECT_EQ(importe("SALDO"), std::numeric_limits<qint64>::min());
    rs.MoveNext();
    EXPECT_EQ(importe("IMPORTE"), 5497558138879999);
    EXPECT_EQ(importe("SALDO"), 123456789012345680); // beyond 2^39, the engine's double
    // Beyond an amount's range, the stored digits, which no amount takes.
    rs.MoveNext();
    EXPECT_EQ(rs.Fields("SALDO").Value().toString(), "1000000000000000");
    EXPECT_EQ(NumeroDeError([&] { importe("SALDO"); }), 6);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(rs.Fields(i).Type(),
                  (QVector<int>{adInteger, adCurrency, adNumeric, adNumeric}[i]));
}

// Names holding "]" are written back inside their brackets, the "]" doubled.
TEST_F(Proveedor, LosNombresConCorcheteSeEscribenEnteros) {
    Ejecutar("CREATE TABLE [CUOTAS]]2] (ID INT PRIMARY KEY, [SALDO]]A] VARCHAR(10))");
    Recordset rs;
    rs.Open("SELECT * FROM [CUOTAS]]2]", cnn, adOpenKeyset, adLockOptimistic);
    rs.AddNew();
    rs.Fields("ID") = 1;
    rs.Fields("SALDO]A") = "alta";
    rs.Update();
    rs.Fields("SALDO]A") = "cambio";
    rs.Update();
    EXPECT_EQ(Filas("SELECT * FROM [CUOTAS]]2]"), QStringList{"1|cambio"});
}

// A row without a key is found again by its datetime to the millisecond (the program's own
// literals keep seconds; a file another program wrote may hold more).
TEST_F(Proveedor, LasFechasConMilisegundosVuelvenIguales) {
    Ejecutar("CREATE TABLE MARCAS (FECHA DATETIME, DETALLE VARCHAR(20))");
    cnn.Close();
    sqlite3* otra = nullptr;
    sqlite3_open(QFile::encodeName(Archivo()).constData(), &otra);
    sqlite3_exec(otra, "INSERT INTO MARCAS VALUES ('2026-12-01 10:30:00.123', 'a')", nullptr,
                 nullptr, nullptr);
    sqlite3_close(otra);
    cnn.Open(Cadena());
    Recordset rs;
    rs.Open("SELECT * FROM MARCAS", cnn, adOpenKeyset, adLockOptimistic);
    EXPECT_EQ(rs.Fields("FECHA").Value().toDateTime(),
              QDateTime(QDate(2026, 12, 1), QTime(10, 30, 0, 123)));
    rs.Fields("DETALLE") = "b";
    EXPECT_NO_THROW(rs.Update());
    rs.Close();
    EXPECT_EQ(Filas("SELECT DETALLE FROM MARCAS"), QStringList({"b"}));
}

TEST_F(Proveedor, EsquemaDeTablasYColumnas) {
    Recordset rs;
    cnn.OpenSchema(adSchemaTables, rs);
    QStringList nombres;
    for (; !rs.Eof(); rs.MoveNext())
        nombres << rs.Fields("TABLE_NAME").Value().toString() + ":" +
                       rs.Fields("TABLE_TYPE").Value().toString();
    EXPECT_EQ(nombres,
              QStringList({"MV_ASIENTOS:TABLE", "SS_MV_ASIENTOS:VIEW", "TA_CONFIGURACION:TABLE"}));
    rs.Close();
    cnn.OpenSchema(adSchemaColumns, rs, {QVariant(), QVariant(), "ta_configuracion", "VALORAUX"});
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Fields("COLUMN_NAME").Value().toString(), "ValorAux");
}

class Apertura : public BaseDePrueba {};

TEST_F(Apertura, ArchivoInexistenteNoSeCrea) {
    Connection c;
    const QString archivo = dir.filePath("no-existe.db");
    EXPECT_THROW(c.Open("PROVIDER=SQLOLEDB;Server=sqlite;Database =" + archivo + ";"),
                 ErrorEjecucion);
    ASSERT_EQ(c.Errors().Count(), 1);
    EXPECT_TRUE(c.Errors().Item(0).Description.contains("No se encuentra"));
    EXPECT_FALSE(QFileInfo::exists(archivo));
    EXPECT_EQ(c.State(), adStateClosed);
}

TEST_F(Apertura, ArchivoBasuraNoSeToca) {
    const QString archivo = dir.filePath("basura.db");
    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const QByteArray basura(4096, 'x');
    f.write(basura);
    f.close();
    Connection c;
    EXPECT_THROW(c.Open("PROVIDER=SQLOLEDB;Server=SQLITE;Database =" + archivo + ";"),
                 ErrorEjecucion);
    EXPECT_TRUE(c.Errors().Item(0).Description.contains("no es una base de datos válida"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), basura);
}

TEST_F(Apertura, BaseBloqueadaPorOtroProceso) {
    Crear("CREATE TABLE T (A INT);");
    Ejecutar("BEGIN TRANSACTION\nINSERT INTO T VALUES (1)");
    Connection otra;
    otra.SetConnectionTimeout(1);
    otra.Open(Cadena());
    otra.Execute("INSERT INTO T VALUES (2)");
    ASSERT_EQ(otra.Errors().Count(), 1);
    EXPECT_TRUE(otra.Errors().Item(0).Description.contains("bloqueada"));
}

class Bloqueos : public BaseDePrueba {
protected:
    void SetUp() override { Crear("CREATE TABLE T (A INT); INSERT INTO T VALUES (1);"); }
    // Another program's connection, straight to the engine, waiting up to `ms` for a lock.
    sqlite3* Otra(int ms) {
        sqlite3* otra = nullptr;
        sqlite3_open(QFile::encodeName(Archivo()).constData(), &otra);
        sqlite3_busy_timeout(otra, ms);
        return otra;
    }
};

// A transaction holds the write lock from its BEGIN on: another program's write is turned away
// from the start, never let in to meet this transaction's own write later.
TEST_F(Bloqueos, UnaTransaccionTomaLaEscrituraAlEmpezar) {
    sqlite3* otra = Otra(0);
    cnn.BeginTrans();
    EXPECT_EQ(sqlite3_exec(otra, "UPDATE T SET A = 2", nullptr, nullptr, nullptr), SQLITE_BUSY);
    cnn.RollbackTrans();
    EXPECT_EQ(sqlite3_exec(otra, "UPDATE T SET A = 2", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(otra);
}

// While another program saves, a write of this connection waits for that save to end, whether
// on its own or in a transaction that reads first; neither is refused, nor is either save lost.
TEST_F(Bloqueos, UnaEscrituraEsperaQueOtroTermineLaSuya) {
    const auto fallo = [&] {
        return cnn.Errors().Count() ? cnn.Errors().Item(0).Description : QString();
    };
    const std::pair<const char*, std::function<QString()>> escrituras[] = {
        {"suelta",
         [&] {
             cnn.Execute("UPDATE T SET A = A + 1");
             return fallo();
         }},
        {"en transacción",
         [&] {
             cnn.BeginTrans();
             Filas("SELECT A FROM T");
             cnn.Execute("UPDATE T SET A = A + 1");
             const QString motivo = fallo();
             motivo.isEmpty() ? cnn.CommitTrans() : cnn.RollbackTrans();
             return motivo;
         }},
    };
    for (const auto& [caso, escribir] : escrituras) {
        sqlite3* otra = Otra(10000);
        sqlite3_exec(otra, "BEGIN IMMEDIATE; UPDATE T SET A = A + 10", nullptr, nullptr, nullptr);
        std::jthread termina([otra] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            sqlite3_exec(otra, "COMMIT", nullptr, nullptr, nullptr);
            sqlite3_close(otra);
        });
        const QString motivo = escribir();
        termina.join();
        EXPECT_EQ(motivo, QString()) << caso;
    }
    EXPECT_EQ(Filas("SELECT A FROM T"), QStringList({"23"}));
}

// A file whose text indexes were built in another order (here the reverse one) has them
// rebuilt at its first open, once.
TEST_F(Apertura, LosIndicesDeOtroOrdenSeRehacenAlAbrir) {
    Crear("CREATE TABLE T (A VARCHAR(20) COLLATE SQLSRV_CI); CREATE INDEX IX_T ON T (A);");
    cnn.Close();
    auto abrir = [&](auto colacion) {
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(Archivo()).constData(), &db);
        sqlite3_create_collation(db, kColacion, SQLITE_UTF8, nullptr, colacion);
        return db;
    };
    auto valor = [](sqlite3* db, const char* sql) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
        sqlite3_step(st);
        const QString texto =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
        return texto;
    };
    sqlite3* db = abrir(+[](void*, int na, const void* a, int nb, const void* b) {
        return -CompararTexto(static_cast<const char*>(a), na, static_cast<const char*>(b), nb);
    });
    sqlite3_exec(db, "INSERT INTO T VALUES ('Oso'), ('Ñandú'), ('Nube'); PRAGMA user_version = 0",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
    cnn.Open(Cadena());
    EXPECT_EQ(Filas("SELECT A FROM T ORDER BY A"), QStringList({"Nube", "Ñandú", "Oso"}));
    cnn.Close();
    db = abrir(+[](void*, int na, const void* a, int nb, const void* b) {
        return CompararTexto(static_cast<const char*>(a), na, static_cast<const char*>(b), nb);
    });
    EXPECT_EQ(valor(db, "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(valor(db, "PRAGMA user_version"), QString::number(kVersionColacion));
    sqlite3_close(db);
}

// While a file indexed in the old order cannot be reindexed (another user is writing to it),
// the connection compares in that order: every row is found, and no message is given.
TEST_F(Apertura, UnArchivoSinReindexarSigueComparandoEnElOrdenDeSusIndices) {
    Crear("CREATE TABLE T (A VARCHAR(20) COLLATE SQLSRV_CI); CREATE INDEX IX_T ON T (A);");
    cnn.Close();
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(Archivo()).constData(), &db);
    sqlite3_create_collation(
        db, kColacion, SQLITE_UTF8, nullptr,
        +[](void*, int na, const void* a, int nb, const void* b) {
            const QString x = QString::fromUtf8(static_cast<const char*>(a), na);
            const QString y = QString::fromUtf8(static_cast<const char*>(b), nb);
            return x.compare(y, Qt::CaseInsensitive);
        });
    sqlite3_exec(db,
                 "INSERT INTO T VALUES ('Ana'), ('Éter'), ('Eco'), ('Fin'), ('Nube'), ('Ñandú'), "
                 "('Ñu'), ('Oso'), ('Zeta'), ('zapato'); PRAGMA user_version = 0; "
                 "BEGIN IMMEDIATE",
                 nullptr, nullptr, nullptr);
    cnn.Open(Cadena());
    for (const char* buscado : {"Ñandú", "éter", "ÑU", "Zeta", "Ana"})
        EXPECT_EQ(Filas(QString("SELECT COUNT(*) FROM T WHERE A = '%1'").arg(buscado)),
                  QStringList("1"))
            << buscado;
    EXPECT_EQ(cnn.Errors().Count(), 0);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    cnn.Close();
    cnn.Open(Cadena());
    EXPECT_EQ(Filas("SELECT COUNT(*) FROM T WHERE A = 'Éter'"), QStringList("1"));
}

// Any other server name goes to the server path and fails there, naming the server.
TEST_F(Apertura, OtroServidorSinEscuchaUOrigenOracleInexistenteNoAbren) {
    Connection c;
    EXPECT_THROW(c.Open("PROVIDER=SQLOLEDB;Server=127.0.0.1,1;Database =X;"), ErrorEjecucion);
    EXPECT_TRUE(c.Errors().Item(0).Description.contains("'127.0.0.1,1'"));
    EXPECT_THROW(c.Open("Provider=OraOLEDB.Oracle.1;Data Source=X;User Id=a;Password=b;"),
                 ErrorEjecucion);
    EXPECT_EQ(c.Errors().Count(), 1);
}

TEST(Colacion, OrdenTotalSinMayusculasNiBlancosFinales) {
    auto cmp = [](const char* a, const char* b) {
        return CompararTexto(a, int(strlen(a)), b, int(strlen(b)));
    };
    EXPECT_EQ(cmp("abc", "ABC   "), 0);
    EXPECT_LT(cmp("ab", "abc"), 0);
    EXPECT_GT(cmp("b", "A"), 0);
    EXPECT_EQ(cmp("ÑANDÚ", "ñandú"), 0);
    EXPECT_NE(cmp("nandu", "ñandú"), 0);
    EXPECT_NE(cmp("\xC3", "\xC4"), 0); // not UTF-8: byte by byte
    EXPECT_TRUE(CumpleLike("Año 2026", "a_o%"));
    EXPECT_TRUE(CumpleLike("50%", "50!%", '!'));
    EXPECT_FALSE(CumpleLike("500", "50!%", '!'));
    EXPECT_TRUE(CumpleLike("b", "[^a]"));
    EXPECT_FALSE(CumpleLike("a", "[^a]"));
}

// Accents weigh as their base letter and only break ties; Ñ is a letter between N and O.
TEST(Colacion, OrdenEspanolSinConfundirAcentos) {
    auto cmp = [](const char* a, const char* b) {
        return CompararTexto(a, int(strlen(a)), b, int(strlen(b)));
    };
    const char* orden[] = {"Alvarez", "Álvarez", "ávila", "Avila!", "Nube",   "Núñez",
                           "ñandu",   "Ñandú",   "Oso",   "Zapato", "zapatos"};
    for (size_t i = 0; i < std::size(orden); ++i)
        for (size_t j = i + 1; j < std::size(orden); ++j) {
            EXPECT_LT(cmp(orden[i], orden[j]), 0) << orden[i] << " < " << orden[j];
            EXPECT_GT(cmp(orden[j], orden[i]), 0) << orden[j] << " > " << orden[i];
        }
    EXPECT_EQ(cmp("ÁLVAREZ  ", "álvarez"), 0);
    EXPECT_NE(cmp("Á", "A"), 0);
}

} // namespace
