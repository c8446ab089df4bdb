#pragma once

#include "BaseDeMedicion.h"

#include <QDate>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>
#include <vector>

// A company with a given number of pending differences, the same for every measurement and stored
// in random order: a dozen suppliers (accents, apostrophes, HTML's special characters in their
// names), origins of several types, some without origin, some without a state.

struct Proveedor {
    const char* cuenta;
    const char* nombre; // as an SQL literal's inside
};

inline const Proveedor kProveedores[] = {
    {"211010101", "D''Angelo Hnos. S.A."},
    {"211010102", "Muñoz y Peña S.R.L."},
    {"211010103", "Distribuidora Castañeda S.A."},
    {"211010104", "Ferretería El Ñandú"},
    {"211010105", "Papelera Río Negro S.A."},
    {"211010106", "Aceros Zárate S.A."},
    {"211010107", "Transportes Ibáñez"},
    {"211010108", "Frigorífico La Pampeana S.A."},
    {"211010109", "Lácteos Don Martín S.A."},
    {"211010110", "Química Córdoba S.A."},
    {"211010111", "O''Higgins Importaciones S.R.L."},
    {"211010112", "Envases Patagónicos S.A."},
    {"211010113", "Pérez & Asociados <Logística>"},
};

struct Origen {
    const char* tc;
    char letra;
};

// The newest first, a hundred a day: the newest n (a multiple of 100) are those from
// FechaDiferencia(n) on.
inline QDate FechaDiferencia(int n) {
    return QDate(2026, 12, 31).addDays(-(n - 1) / 100);
}

// One difference: its supplier line, the goods line and the VAT reversal, as one INSERT.
inline std::string InsertDiferencia(int n, std::mt19937& azar) {
    static const Origen origenes[] = {
        {"FCC", 'A'}, {"FCC", 'A'}, {"FCC", 'C'}, {"RMC", 'R'}, {"OC", 'X'}};
    const Proveedor& p = kProveedores[azar() % std::size(kProveedores)];
    const Origen& o = origenes[azar() % std::size(origenes)];
    const QDate fecha = FechaDiferencia(n);
    const long total = 10000 + long(azar() % 5990000); // cents
    const long neto = std::lround(total / 1.21);
    const int estado = int(azar() % 5);
    char cpte[32];
    std::snprintf(cpte, sizeof cpte, "'%04u%08u%c'", unsigned(1 + azar() % 12),
                  unsigned(4000 + azar() % 90000), o.letra);
    const bool sinOrigen = n % 97 == 0;
    const std::string comun = std::string("'") +
                              fecha.toString("yyyy-MM-dd 00:00:00").toStdString() + "', " +
                              std::to_string(fecha.year()) + ", " + std::to_string(fecha.month()) +
                              ", " + std::to_string(n) + ", ";
    char importe[3][32];
    std::snprintf(importe[0], 32, "%ld.%02ld", total / 100, total % 100);
    std::snprintf(importe[1], 32, "%ld.%02ld", neto / 100, neto % 100);
    std::snprintf(importe[2], 32, "%ld.%02ld", (total - neto) / 100, (total - neto) % 100);
    const std::string origen = sinOrigen ? "NULL, NULL" : std::string("'") + o.tc + "', " + cpte;
    const std::string estadoSql = n % 50 == 0 ? "NULL" : std::to_string(estado);
    char clave[40];
    std::snprintf(clave, sizeof clave, "('NCPE', '%04d', '%08d', 'X', ", 1 + n % 2, n);
    std::string sql = "INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, FECHA, "
                      "PERIODO, MES_OPERATIVO, [NUMERO ASIENTO], CUENTA, [DEBE-HABER], IMPORTE, "
                      "TC_ORIGEN, CPTE_ORIGEN, CABCUENTA, CABNOMBRE, CABIMPORTE, ESTADO, "
                      "CONCILIADO) VALUES ";
    const char* cuentas[3] = {p.cuenta, "5110102", "1120201"};
    for (int s = 0; s < 3; ++s) {
        sql += std::string(s ? ", " : "") + clave + std::to_string(s + 1) + ", " + comun + "'" +
               cuentas[s] + "', '" + (s ? "H" : "D") + "', " + importe[s] + ", " + origen + ", " +
               (s ? std::string("NULL, NULL")
                  : std::string("'") + p.cuenta + "', '" + p.nombre + "'") +
               ", " + importe[0] + ", " + estadoSql + ", 0)";
    }
    return sql + ";\n";
}

// With `demo`, the company is the demo company (its settings, so that the program's session can
// start on it) with these differences in place of its own.
inline bool CrearEmpresa(const QString& archivo, int diferencias, bool demo = false) {
    sqlite3* db = demo ? AbrirBaseNueva(archivo, {AUDITORIA_DATA_DIR "/schema.sql",
                                                  AUDITORIA_DATA_DIR "/demo.sql"})
                       : AbrirBaseNueva(archivo);
    if (!db)
        return false;
    std::mt19937 azar(20261207);
    // A scratch database: no journal to keep, and room for the whole transaction in memory.
    bool ok = Ejecutar(db, "PRAGMA synchronous = OFF; PRAGMA journal_mode = MEMORY; "
                           "PRAGMA cache_size = -524288; BEGIN");
    if (demo)
        ok = ok && Ejecutar(db, "DELETE FROM MV_ASIENTOS WHERE TC = 'NCPE'");
    // Written in no order, as a real company's entries are (recorded late, corrected, imported),
    // so that the table's order is not the list's and its reads are not sequential.
    std::vector<int> orden(std::size_t(std::max(diferencias, 0)));
    std::iota(orden.begin(), orden.end(), 1);
    std::shuffle(orden.begin(), orden.end(), azar);
    for (std::size_t i = 0; ok && i < orden.size(); ++i)
        ok = Ejecutar(db, InsertDiferencia(orden[i], azar));
    ok = ok && Ejecutar(db, "COMMIT");
    sqlite3_close(db);
    return ok;
}
