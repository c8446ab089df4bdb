#pragma once

#include "platform/ado/Connection.h"
#include "platform/ado/CrearBase.h"
#include "platform/ado/FuncionesSqlite.h"
#include "platform/ado/Recordset.h"
#include "platform/ado/TSqlToSqlite.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

// A fresh embedded database per test, built from the SQLite script given, with an open
// connection on it.
class BaseDePrueba : public ::testing::Test {
protected:
    void Crear(const QString& script) {
        ASSERT_TRUE(dir.isValid());
        const QString sql = dir.filePath("script.sql");
        QFile f(sql);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(script.toUtf8());
        f.close();
        QString error;
        ASSERT_TRUE(ado::CrearBaseSqlite(Archivo(), {sql}, &error)) << error.toStdString();
        cnn.Open(Cadena());
    }
    // The demo company the program ships with.
    void CrearDemo() {
        QString error;
        ASSERT_TRUE(ado::CrearBaseSqlite(
            Archivo(), {AUDITORIA_DATA_DIR "/schema.sql", AUDITORIA_DATA_DIR "/demo.sql"}, &error))
            << error.toStdString();
        cnn.Open(Cadena());
    }
    QString Archivo() const { return dir.filePath("prueba.db"); }
    QString Cadena() const {
        return "PROVIDER=SQLOLEDB;Server=SQLITE;Database =" + Archivo() + ";UId=demo;Pwd=;";
    }
    // Runs a statement that must succeed.
    void Ejecutar(const QString& sql) {
        cnn.Execute(sql);
        ASSERT_EQ(cnn.Errors().Count(), 0)
            << sql.toStdString() << ": " << cnn.Errors().Item(0).Description.toStdString();
    }
    // What a query gives on the test's own connection: one text per row, the columns joined
    // with "|".
    QStringList Filas(const QString& sql) {
        QStringList filas;
        ado::Recordset rs;
        rs.Open(sql, cnn);
        for (; !rs.Eof(); rs.MoveNext()) {
            QStringList valores;
            for (int i = 0; i < rs.FieldCount(); ++i)
                valores << rs.Fields(i).Value().toString();
            filas << valores.join('|');
        }
        return filas;
    }
    // Stores values no server would take (longer than their column) to test what the
    // program makes of them: written beside the provider, past its length check.
    void EjecutarSinComprobarLargos(const QString& sql) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(QFile::encodeName(Archivo()).constData(), &db, SQLITE_OPEN_READWRITE,
                        nullptr);
        ado::RegistrarFunciones(db);
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error), SQLITE_OK)
            << sql.toStdString() << ": " << (error ? error : "");
        sqlite3_free(error);
        sqlite3_close(db);
    }
    // How the embedded database reads the program's statement: SQLite's query plan, one line
    // per step (the provider itself runs no EXPLAIN).
    QString Plan(const QString& sql) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(QFile::encodeName(Archivo()).constData(), &db, SQLITE_OPEN_READONLY,
                        nullptr);
        ado::RegistrarFunciones(db);
        const QString traducida = ado::TraducirLote(sql, ado::EsquemaSqlite()).value(0).sql;
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, ("EXPLAIN QUERY PLAN " + traducida).toUtf8().constData(), -1, &st,
                           nullptr);
        QStringList pasos;
        while (sqlite3_step(st) == SQLITE_ROW)
            pasos << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 3)));
        sqlite3_finalize(st);
        sqlite3_close(db);
        return pasos.isEmpty() ? traducida + ": " + sqlite3_errstr(SQLITE_ERROR) : pasos.join('\n');
    }

    QTemporaryDir dir;
    ado::Connection cnn;
};
