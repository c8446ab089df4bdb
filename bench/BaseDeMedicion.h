#pragma once

#include "platform/ado/CrearBase.h"
#include "platform/ado/FuncionesSqlite.h"
#include "platform/ado/ProveedorSqlite.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <chrono>
#include <cstdio>
#include <sqlite3.h>
#include <string>

// What both measurement programs need to fill a scratch database quickly: statements run
// straight on SQLite, outside the program's own layers, which are what is being measured.

inline bool Ejecutar(sqlite3* db, const std::string& sql) {
    char* mensaje = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &mensaje) == SQLITE_OK)
        return true;
    std::fprintf(stderr, "%s\n", mensaje);
    sqlite3_free(mensaje);
    return false;
}

// A fresh database made from the scripts (the program's schema by default), opened with its
// collation and functions; null (with the reason printed) when it cannot be made.
inline sqlite3* AbrirBaseNueva(const QString& archivo,
                               const QStringList& scripts = {AUDITORIA_DATA_DIR "/schema.sql"}) {
    QString error;
    if (!ado::CrearBaseSqlite(archivo, scripts, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return nullptr;
    }
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(archivo).constData(), &db);
    ado::RegistrarFunciones(db);
    return db;
}

// The time `f` takes, in seconds.
template <class F> double Cronometrar(F&& f) {
    const auto inicio = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
}
