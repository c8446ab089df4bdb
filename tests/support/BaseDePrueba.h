#pragma once

#include "platform/ado/Connection.h"
#include "platform/ado/CrearBase.h"
#include "platform/ado/Recordset.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

    QTemporaryDir dir;
    ado::Connection cnn;
};
