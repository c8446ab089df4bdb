// Times the lookup list on a plan of 100,000 accounts: the window opened on them (rows read,
// columns built, first paint), one search-as-you-type keystroke, and the floor under the
// opening: the same rows read through the SQLite C API. Prints the three times and the ratios.
//
//   build/bench/bench_consulta [accounts [database file to keep and reuse]]

#include "BaseDeMedicion.h"
#include "dobles/DialogosGuionados.h"
#include "lookup/Lib_FrmCons3.h"
#include "lookup/ModeloConsulta.h"
#include "platform/files/Carpetas.h"
#include "session/DB_Dll.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <sqlite3.h>
#include <string>

namespace {

// The statement the lookup controller builds for the account plan, with its row limit
// raised to the whole plan.
const QString kSentencia = "SELECT TOP 100000 USACCOSTOS,CC_DIST,TIPOVISTA,MEDIODEPAGO,TITULO,"
                           "CODIGOOPCIONAL,DESCRIPCION,CODIGO FROM MA_CUENTAS ORDER BY DESCRIPCION";
constexpr int kDescripcion = 6; // its column, searched by the box over it

// The goals: the window open within this many times the floor, and a search keystroke within
// this share of the opening.
constexpr double kMetaApertura = 1.2;
constexpr double kMetaTecla = 0.01;
// The same statement as SQLite reads it.
const char* const kSentenciaSqlite =
    "SELECT USACCOSTOS,CC_DIST,TIPOVISTA,MEDIODEPAGO,TITULO,CODIGOOPCIONAL,DESCRIPCION,CODIGO "
    "FROM MA_CUENTAS ORDER BY DESCRIPCION LIMIT 100000";

// ---- The plan ---------------------------------------------------------------------------------

const char* const kPalabras[] = {
    "Banco",       "Caja",         "Deudores",    "Proveedores", "Anticipos", "Créditos",
    "Préstamos",   "Intereses",    "Alquileres",  "Sueldos",     "Cargas",    "Impuestos",
    "Retenciones", "Percepciones", "Mercaderías", "Rodados",     "Muebles",   "Instalaciones",
    "Previsión",   "Amortización", "Ventas",      "Compras",     "Fletes",    "Seguros",
    "Honorarios",  "Comisiones",   "Gastos",      "Diferencias", "Ñandú",     "Ópticas",
    "Zárate",      "Yerbatera",    "Wagner",      "Valores",     "Útiles"};
const char* const kLugares[] = {"Córdoba", "Rosario",      "Mendoza",  "La Plata",
                                "Salta",   "Neuquén",      "Tucumán",  "Paraná",
                                "Posadas", "Río Gallegos", "D'Alessio"};

bool CrearPlan(const QString& archivo, int cuentas) {
    sqlite3* db = AbrirBaseNueva(archivo);
    if (!db)
        return false;
    bool ok = Ejecutar(db, "PRAGMA synchronous = OFF; PRAGMA journal_mode = MEMORY; BEGIN");
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO MA_CUENTAS (CODIGO, CODIGOOPCIONAL, DESCRIPCION, TITULO, "
                       "MEDIODEPAGO, TIPOVISTA, CC_DIST, USACCOSTOS) VALUES (?, ?, ?, 0, ?, ?, "
                       "NULL, ?)",
                       -1, &st, nullptr);
    std::mt19937 azar(20261208);
    for (int n = 1; ok && n <= cuentas; ++n) {
        const std::string codigo = std::to_string(100000000 + n);
        const std::string opcional = "C" + std::to_string(n);
        const std::string descripcion = std::string(kPalabras[azar() % std::size(kPalabras)]) +
                                        " " + kLugares[azar() % std::size(kLugares)] + " " +
                                        std::to_string(azar() % 1000);
        sqlite3_bind_text(st, 1, codigo.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, opcional.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 3, descripcion.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 4, n % 3 ? "EF" : "BCO", -1, SQLITE_STATIC);
        sqlite3_bind_text(st, 5, n % 2 ? "C" : "P", -1, SQLITE_STATIC);
        sqlite3_bind_int(st, 6, n % 2);
        ok = sqlite3_step(st) == SQLITE_DONE;
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    ok = ok && Ejecutar(db, "COMMIT");
    sqlite3_close(db);
    return ok;
}

// ---- Timing -----------------------------------------------------------------------------------

using Reloj = std::chrono::steady_clock;

double Segundos(Reloj::time_point desde) {
    return std::chrono::duration<double>(Reloj::now() - desde).count();
}

// The floor: every row of the statement stepped through and every column's text touched.
double Piso(const QString& base, long& filas) {
    const auto inicio = Reloj::now();
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(base).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    ado::RegistrarFunciones(db);
    Ejecutar(db, ado::kMapaDelArchivo); // read as the program reads it
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, kSentenciaSqlite, -1, &st, nullptr);
    long bytes = 0;
    filas = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        ++filas;
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            sqlite3_column_text(st, c);
            bytes += sqlite3_column_bytes(st, c);
        }
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return bytes > 0 ? Segundos(inicio) : 0;
}

struct Medida {
    double apertura = 0;
    double tecla = 0;
    int filas = 0;
    QString elegida;
};

// Opens the window modally as the controller does; while it is on screen, one key is typed
// into the search box over the descriptions.
Medida AbrirYTeclear(DialogosGuionados& operador) {
    Medida medida;
    const auto inicio = Reloj::now();
    auto* ventana = new Lib_FrmCons3();
    ventana->SQL = kSentencia;
    ventana->CampoDevuelto = "CODIGO";
    ventana->OrdenarPorLwv = false;
    operador.AccionesModales.push_back([&](QWidget&) {
        ventana->repaint();
        medida.apertura = Segundos(inicio);
        medida.filas = ventana->Modelo().Filas();
        QApplication::setActiveWindow(ventana);
        ventana->CmbSearch[kDescripcion]->setFocus();
        QApplication::processEvents();
        for (const char* tecla : {"w", "q"}) { // a row near the end; then no row at all
            const auto antes = Reloj::now();
            QTest::keyClicks(QApplication::focusWidget(), tecla);
            medida.tecla = std::max(medida.tecla, Segundos(antes));
            if (medida.elegida.isEmpty())
                medida.elegida = ventana->CmbSearch[kDescripcion]->currentText() + ": " +
                                 ventana->Modelo().Celda(ventana->FilaSeleccionada(), kDescripcion);
        }
    });
    ventana->Show(true);
    ventana->Unload();
    delete ventana;
    return medida;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    const int cuentas = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir carpeta;
    archivos::FijarCarpetaPrograma(carpeta.path());
    const QString base = argc > 2 ? QString::fromLocal8Bit(argv[2]) : carpeta.filePath("plan.db");
    if (!QFile::exists(base)) {
        std::printf("Creando %d cuentas... ", cuentas);
        std::fflush(stdout);
        const auto inicio = Reloj::now();
        if (!CrearPlan(base, cuentas))
            return 2;
        std::printf("%.1f s\n", Segundos(inicio));
    }

    DialogosGuionados operador; // any message is noted, never waited on
    DialogosEnUso enUso{operador};
    DB_Dll& db = DB_Dll::Instancia();
    db.gCnn.Open("PROVIDER=SQLOLEDB;Server=SQLITE;Database =" + base + ";");
    db.gEsAdmin = true;
    Medida mejor{1e9, 1e9, 0, {}};
    double piso = 1e9;
    long filasPiso = 0;
    for (int vuelta = 0; vuelta < 3; ++vuelta) {
        const Medida m = AbrirYTeclear(operador);
        mejor.apertura = std::min(mejor.apertura, m.apertura);
        mejor.tecla = std::min(mejor.tecla, m.tecla);
        mejor.filas = m.filas;
        mejor.elegida = m.elegida;
        piso = std::min(piso, Piso(base, filasPiso));
    }
    DB_Dll::Liberar();
    std::printf("filas: %d (piso %ld); la tecla eligió \"%s\"\n", mejor.filas, filasPiso,
                qPrintable(mejor.elegida));
    std::printf("apertura (carga + primera pintura): %.3f s\n", mejor.apertura);
    std::printf("tecla de búsqueda:                  %.4f s\n", mejor.tecla);
    std::printf("piso (SQLite C API):                %.3f s\n", piso);
    std::printf("apertura / piso:                    %.2f (meta <= %.1f)\n", mejor.apertura / piso,
                kMetaApertura);
    std::printf("tecla / apertura:                   %.4f (meta < %.2f)\n",
                mejor.tecla / mejor.apertura, kMetaTecla);
    for (const auto& m : operador.Mensajes)
        std::printf("Mensaje: %s\n", qPrintable(m.Texto));
    const bool metas =
        mejor.apertura <= kMetaApertura * piso && mejor.tecla < kMetaTecla * mejor.apertura;
    return mejor.filas == filasPiso && operador.Mensajes.empty() && metas ? 0 : 1;
}
