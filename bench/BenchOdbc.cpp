// The list's rows read as its writer reads them (server-side, forward only, each value of each
// row turned into the text it writes) through the server provider, over unixODBC and the SQLite
// ODBC driver, against the embedded provider on the same file. Prints both times (best of three),
// their ratio, and the embedded writer's whole time with the reading replaced by the server
// provider's.
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
#include <sqlite3.h>

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
    const Lectura odbc = Medir("Driver=SQLite3;Database=" + base + ";StepAPI=1;", paraSqlite);
    const piso::Tiempos escritor = piso::MedirEscritura(
        base, filtros, carpeta.filePath("Auditoria.htm"), carpeta.filePath("Piso.htm"));

    std::printf("filas leídas:            %ld (embebido) %ld (ODBC)\n", embebido.filas, odbc.filas);
    std::printf("lectura, embebido:       %.3f s\n", embebido.segundos);
    std::printf("lectura, ODBC:           %.3f s\n", odbc.segundos);
    std::printf("razón de la lectura:     %.2f\n", odbc.segundos / embebido.segundos);
    const double lista = escritor.programa - embebido.segundos + odbc.segundos;
    std::printf("lista, embebido:         %.3f s\n", escritor.programa);
    std::printf("lista con lectura ODBC:  %.3f s; razón %.2f (meta <= 1.5)\n", lista,
                lista / escritor.programa);
    for (const auto& m : operador.Mensajes)
        std::printf("Mensaje: %s\n", qPrintable(m.Texto));
    const bool bien =
        embebido.filas == diferencias && odbc.filas == diferencias && operador.Mensajes.empty();
    return bien ? 0 : 1;
}
