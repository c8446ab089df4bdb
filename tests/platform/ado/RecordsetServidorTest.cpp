#include "platform/ado/Recordset.h"
#include "platform/errors/ErrorEjecucion.h"
#include "support/Apoyo.h"
#include "support/BaseDePrueba.h"

#include <sqlite3.h>

using namespace ado;

namespace {

const char* kEsquema = R"(
CREATE TABLE T (N INT, TEXTO VARCHAR(10) COLLATE SQLSRV_CI, FECHA DATETIME);
INSERT INTO T VALUES (1, 'uno', '2026-12-01 00:00:00');
INSERT INTO T VALUES (2, NULL, NULL);
INSERT INTO T VALUES (3, 'tres', '2026-12-03 00:00:00');
INSERT INTO T VALUES (4, 'cuatro', '2026-12-04 00:00:00');
)";

// Row 3 makes the engine fail half-way through the result (rows in table order: a sort
// would compute every row before the first comes).
const char* kFallaEnLaTercera =
    "SELECT ABS(CASE WHEN N = 3 THEN -9223372036854775808 ELSE N END) AS V FROM T";

class RecordsetServidor : public BaseDePrueba {
protected:
    void SetUp() override {
        Crear(kEsquema);
        rs.SetCursorLocation(adUseServer);
    }
    // What another program trying to write the database meets, without waiting.
    int EscribirDesdeOtraConexion() {
        sqlite3* otra = nullptr;
        sqlite3_open(QFile::encodeName(Archivo()).constData(), &otra);
        const int rc =
            sqlite3_exec(otra, "INSERT INTO T (N) VALUES (9)", nullptr, nullptr, nullptr);
        sqlite3_close(otra);
        return rc;
    }

    Recordset rs;
};

TEST_F(RecordsetServidor, FilasEnOrdenUnaPorMovimientoConNulosYDialectoDelServidor) {
    rs.Open("SELECT TOP 3 N, ISNULL(TEXTO, '-') AS T, TEXTO, FECHA FROM T ORDER BY N", cnn);
    EXPECT_EQ(rs.RecordCount(), -1);
    rs.MoveFirst(); // still on the first row: allowed
    QStringList leidas;
    for (; !rs.Eof(); rs.MoveNext())
        leidas << QString("%1 %2 %3 %4")
                      .arg(rs.Fields("n").Value().toInt())
                      .arg(rs.Fields("T").Value().toString())
                      .arg(rs.Fields("TEXTO").IsNull())
                      .arg(rs.Fields("FECHA").Value().toDateTime().toString("dd/MM"));
    EXPECT_EQ(leidas, QStringList({"1 uno 0 01/12", "2 - 1 ", "3 tres 0 03/12"}));
    EXPECT_EQ(NumeroDeError([&] { rs.MoveNext(); }), errSinRegistroActual);
    rs.Close();

    // Each value of an expression is read as it comes, whatever the first row's type was.
    rs.Open("SELECT CASE WHEN N = 1 THEN 1 ELSE N + 0.5 END AS X FROM T ORDER BY N", cnn);
    rs.MoveNext();
    EXPECT_EQ(rs.Fields("X").Value().toDouble(), 2.5);
    rs.Close();
    rs.Open("SELECT N FROM T WHERE N > 10", cnn);
    EXPECT_TRUE(rs.Bof() && rs.Eof());
    rs.Close();
    // Only a lone query comes row by row: a batch, or a cursor that scrolls, is read whole.
    rs.Open("SELECT N FROM T WHERE N = 1\r\nSELECT N FROM T", cnn);
    EXPECT_EQ(rs.RecordCount(), 4);
    rs.Close();
    rs.Open("SELECT N FROM T", cnn, adOpenStatic);
    EXPECT_EQ(rs.RecordCount(), 4);
}

TEST_F(RecordsetServidor, NoVuelveAtras) {
    rs.Open("SELECT N FROM T ORDER BY N", cnn);
    EXPECT_EQ(NumeroDeError([&] { rs.MovePrevious(); }), DB_E_CANTFETCHBACKWARDS_);
    EXPECT_EQ(NumeroDeError([&] { rs.MoveLast(); }), DB_E_CANTFETCHBACKWARDS_);
    rs.MoveNext();
    EXPECT_EQ(NumeroDeError([&] { rs.MoveFirst(); }), DB_E_CANNOTRESTART_);
    EXPECT_EQ(rs.Fields("N").Value().toInt(), 2);
}

TEST_F(RecordsetServidor, UnFalloAMitadQuedaEnErrorsYSeLanza) {
    rs.Open(kFallaEnLaTercera, cnn);
    EXPECT_EQ(rs.Fields("V").Value().toInt(), 1);
    rs.MoveNext();
    EXPECT_EQ(rs.Fields("V").Value().toInt(), 2);
    EXPECT_THROW(rs.MoveNext(), ErrorEjecucion);
    ASSERT_EQ(cnn.Errors().Count(), 1);
    EXPECT_TRUE(cnn.Errors().Item(0).Description.contains("integer overflow"));
    EXPECT_TRUE(rs.Eof());
    rs.Close();
    // Failing on the first row fails the opening, as a client cursor does.
    EXPECT_THROW(rs.Open(QString(kFallaEnLaTercera).replace("N = 3", "N = 1"), cnn),
                 ErrorEjecucion);
    EXPECT_EQ(rs.State(), adStateClosed);
}

// An open statement holds a read lock on the database: closing or dropping the recordset
// must release it.
TEST_F(RecordsetServidor, LaSentenciaTerminaAlCerrarOAlDescartarlo) {
    rs.Open("SELECT N FROM T", cnn);
    EXPECT_EQ(EscribirDesdeOtraConexion(), SQLITE_BUSY);
    rs.Close();
    EXPECT_EQ(EscribirDesdeOtraConexion(), SQLITE_OK);
    {
        Recordset otro;
        otro.SetCursorLocation(adUseServer);
        otro.Open("SELECT N FROM T", cnn);
    }
    EXPECT_EQ(EscribirDesdeOtraConexion(), SQLITE_OK);
}

TEST_F(RecordsetServidor, NoSigueLeyendoTrasReabrirLaConexion) {
    rs.Open("SELECT N FROM T", cnn);
    cnn.Close();
    cnn.Open(Cadena());
    EXPECT_EQ(NumeroDeError([&] { rs.MoveNext(); }), errObjetoCerrado);
    EXPECT_TRUE(rs.Eof());
}

} // namespace
