// The list's rows read as its writer reads them (server-side, forward only, each value of each
// row turned into the text it writes) through the server provider, over unixODBC and the SQLite
// ODBC driver, against the embedded provider on the same file. Prints both times (best of three),
// their ratio, and the embedded writer's whole time with the reading replaced by the server
// provider's. Most of the server provider's time is the driver's: the floor reads the same
// statement through the same driver with plain ODBC calls, each value bound as the provider
// binds it and made a QString, so that the ratio to it is what the program adds.
//
// The driver hands the statement to SQLite as written, so two things the embedded provider does
// for the program are done here instead: the program's text collation is registered on every
// connection SQLite opens in this process (the driver's included), and the list's one T-SQL
// function, ISNULL, is spelled IFNULL. Everything else is the program's own statement.
//
//   build/bench/bench_odbc [differences]

#include "EmpresaDiferencias.h"
#include "MedicionLista.h"
#include "audit/ConsultaDiferencias.h"
#include "dobles/DialogosGuionados.h"
#include "platform/ado/FuncionesSqlite.h"
#include "platform/runtime/ValorTexto.h"
#include "session/DB_Dll.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sql.h>
#include <sqlext.h>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

int RegistrarEnCadaConexion(sqlite3* db, char**, const sqlite3_api_routines*) {
    return ado::RegistrarFunciones(db) ? SQLITE_OK : SQLITE_ERROR;
}

const char* const kColumnas[] = {"fecha",     "tc_origen", "Cpte_Origen", "cabcuenta",
                                 "cabnombre", "importe",   "tc",          "sucursal",
                                 "numero",    "letra",     "ESTADO"};

// Reads every row of `sql` on the session's connection; returns the rows read, -1 on failure.
long LeerComoElEscritor(QString sql) {
    ado::Recordset rs;
    rs.SetCursorLocation(ado::adUseServer);
    if (!DB_Dll::Instancia().AbrirRecordset(sql, rs, nullptr, ado::adOpenForwardOnly,
                                            ado::adLockReadOnly, -1, true))
        return -1;
    std::vector<ado::Field> campos;
    for (const char* nombre : kColumnas)
        campos.push_back(rs.Fields(QString::fromLatin1(nombre)));
    long filas = 0;
    qsizetype caracteres = 0; // keeps the texts from being optimised away
    QVariant fecha;
    QString textoFecha;
    for (; !rs.Eof(); rs.MoveNext(), ++filas) {
        // As the writer does: each day's text once for all its rows.
        if (const QVariant v = campos[0].Value(); v != fecha) {
            fecha = v;
            textoFecha = vb::ValorTexto(v);
        }
        caracteres += textoFecha.size();
        for (size_t i = 1; i < campos.size(); ++i)
            caracteres += vb::ValorTexto(campos[i].Value()).size();
    }
    return caracteres > 0 ? filas : -1;
}

struct Lectura {
    double segundos = 1e9;
    long filas = -1;
};

Lectura Medir(const QString& conexion, const QString& sql) {
    DB_Dll& db = DB_Dll::Instancia();
    db.gCnn.Open(conexion);
    db.gEsAdmin = true;
    Lectura l;
    for (int vuelta = 0; vuelta < 3; ++vuelta)
        l.segundos = std::min(l.segundos, Cronometrar([&] { l.filas = LeerComoElEscritor(sql); }));
    DB_Dll::Liberar();
    return l;
}

// ---- The floor: the same statement through the same driver with plain ODBC calls --------

// One column bound as the provider binds it with this driver: wide text, a block of rows at a
// time, room for what the driver declares within the same bounds.
struct ColumnaPiso {
    SQLLEN ancho = 0; // characters, with the terminator
    std::vector<SQLWCHAR> textos;
    std::vector<SQLLEN> largos;
};

constexpr SQLULEN kFilasPorBloque = 64;

bool VincularPiso(SQLHSTMT stmt, std::vector<ColumnaPiso>& columnas) {
    bool ok = SQLSetStmtAttr(stmt, SQL_ATTR_ROW_ARRAY_SIZE,
                             reinterpret_cast<SQLPOINTER>(kFilasPorBloque), 0) == SQL_SUCCESS;
    for (SQLUSMALLINT c = 1; ok && c <= columnas.size(); ++c) {
        SQLULEN tamano = 0;
        SQLDescribeColW(stmt, c, nullptr, 0, nullptr, nullptr, &tamano, nullptr, nullptr);
        ColumnaPiso& col = columnas[c - 1];
        col.ancho = std::clamp<SQLLEN>(SQLLEN(tamano) + 4, 40, 1024);
        col.textos.resize(size_t(col.ancho) * kFilasPorBloque);
        col.largos.resize(kFilasPorBloque);
        ok = SQL_SUCCEEDED(SQLBindCol(stmt, c, SQL_C_WCHAR, col.textos.data(),
                                      col.ancho * SQLLEN(sizeof(SQLWCHAR)), col.largos.data()));
    }
    return ok;
}

// Every value of the block's rows as a QString; false when one did not fit its place.
bool TextosDelBloque(const std::vector<ColumnaPiso>& columnas, SQLULEN filas,
                     qsizetype& caracteres) {
    for (SQLULEN f = 0; f < filas; ++f)
        for (const ColumnaPiso& col : columnas) {
            const SQLLEN largo = col.largos[f];
            if (largo == SQL_NULL_DATA)
                continue;
            if (largo < 0 || largo >= col.ancho * SQLLEN(sizeof(SQLWCHAR)))
                return false;
            const auto* texto =
                reinterpret_cast<const char16_t*>(col.textos.data()) + f * col.ancho;
            caracteres += QString::fromUtf16(texto, largo / SQLLEN(sizeof(SQLWCHAR))).size();
        }
    return true;
}

// Every row of `sql`: SQLExecDirect, the columns bound, SQLFetch block after block. Returns
// the rows read, -1 on failure.
long LeerConOdbc(SQLHDBC dbc, const QString& sql) {
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt);
    std::u16string texto(reinterpret_cast<const char16_t*>(sql.utf16()), size_t(sql.size()));
    SQLSMALLINT n = 0;
    SQLULEN traidas = 0;
    bool ok =
        SQL_SUCCEEDED(SQLExecDirectW(stmt, reinterpret_cast<SQLWCHAR*>(texto.data()), SQL_NTS)) &&
        SQL_SUCCEEDED(SQLNumResultCols(stmt, &n)) &&
        SQL_SUCCEEDED(SQLSetStmtAttr(stmt, SQL_ATTR_ROWS_FETCHED_PTR, &traidas, 0));
    std::vector<ColumnaPiso> columnas(size_t(std::max<SQLSMALLINT>(n, 0)));
    ok = ok && VincularPiso(stmt, columnas);
    long filas = 0;
    qsizetype caracteres = 0;
    SQLRETURN rc = SQL_SUCCESS;
    while (ok && SQL_SUCCEEDED(rc = SQLFetch(stmt))) {
        ok = TextosDelBloque(columnas, traidas, caracteres);
        filas += long(traidas);
    }
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    return ok && rc == SQL_NO_DATA && caracteres > 0 ? filas : -1;
}

Lectura MedirPiso(const QString& conexion, const QString& sql) {
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    std::u16string cadena(reinterpret_cast<const char16_t*>(conexion.utf16()),
                          size_t(conexion.size()));
    Lectura l;
    if (SQL_SUCCEEDED(SQLDriverConnectW(dbc, nullptr, reinterpret_cast<SQLWCHAR*>(cadena.data()),
                                        SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT))) {
        for (int vuelta = 0; vuelta < 3; ++vuelta)
            l.segundos =
                std::min(l.segundos, Cronometrar([&] { l.filas = LeerConOdbc(dbc, sql); }));
        SQLDisconnect(dbc);
    }
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return l;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    const int diferencias = argc > 1 ? std::atoi(argv[1]) : 100000;
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(RegistrarEnCadaConexion));
    QTemporaryDir carpeta;
    const QString base = carpeta.filePath("empresa.db");
    std::printf("Creando %d diferencias... ", diferencias);
    std::fflush(stdout);
    if (!CrearEmpresa(base, diferencias))
        return 2;
    std::printf("listo.\n");

    DialogosGuionados operador; // any error is noted, never waited on
    DialogosEnUso enUso{operador};
    const FiltrosDiferencias filtros{.Estados = piso::kTodosLosEstados};
    const QString sql = SentenciaDiferencias(filtros);
    QString paraSqlite = sql;
    paraSqlite.replace(QStringLiteral("ISNULL("), QStringLiteral("IFNULL("), Qt::CaseInsensitive);

    const Lectura embebido = Medir("PROVIDER=SQLOLEDB;Server=SQLITE;Database =" + base + ";", sql);
    const QString cadenaOdbc = "Driver=SQLite3;Database=" + base + ";StepAPI=1;";
    const Lectura odbc = Medir(cadenaOdbc, paraSqlite);
    const Lectura piso = MedirPiso(cadenaOdbc, paraSqlite);
    const piso::Tiempos escritor = piso::MedirEscritura(
        base, filtros, carpeta.filePath("Auditoria.htm"), carpeta.filePath("Piso.htm"));

    std::printf("filas leídas:            %ld (embebido) %ld (ODBC) %ld (piso ODBC)\n",
                embebido.filas, odbc.filas, piso.filas);
    std::printf("lectura, embebido:       %.3f s\n", embebido.segundos);
    std::printf("lectura, ODBC:           %.3f s\n", odbc.segundos);
    std::printf("lectura, piso ODBC:      %.3f s\n", piso.segundos);
    std::printf("razón de la lectura:     %.2f\n", odbc.segundos / embebido.segundos);
    std::printf("proveedor ODBC / piso ODBC: %.2f (meta <= 1.15)\n", odbc.segundos / piso.segundos);
    const double lista = escritor.programa - embebido.segundos + odbc.segundos;
    std::printf("lista, embebido:         %.3f s\n", escritor.programa);
    std::printf("lista con lectura ODBC:  %.3f s; razón %.2f (meta <= 1.5)\n", lista,
                lista / escritor.programa);
    for (const auto& m : operador.Mensajes)
        std::printf("Mensaje: %s\n", qPrintable(m.Texto));
    const bool bien = embebido.filas == diferencias && odbc.filas == diferencias &&
                      piso.filas == diferencias && operador.Mensajes.empty();
    return bien ? 0 : 1;
}
