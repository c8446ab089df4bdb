#pragma once

#include "dobles/DialogosGuionados.h"
#include "platform/files/Carpetas.h"
#include "session/DB_Dll.h"
#include "session/ModGlobal.h"
#include "session/ModGlobalUtilidades.h"
#include "session/frmAcceso.h"
#include "support/Apoyo.h"
#include "support/BaseDePrueba.h"

#include <QCoreApplication>
#include <QDir>
#include <QVariant>
#include <type_traits>

// Several values as one text, "|" between them, to compare them at once. The values are taken
// by reference: a variable reads as the calls beside it in the same list left it.
template <class T> QString Texto(const T& valor) {
    if constexpr (std::is_same_v<T, bool>)
        return valor ? QStringLiteral("true") : QStringLiteral("false");
    else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>)
        return QString::number(qlonglong(valor));
    else
        return QString(valor);
}
template <class... T> QString Unidos(const T&... valores) {
    return QStringList{Texto(valores)...}.join(u'|');
}

// A fresh session per test: the program folder of its own, the scripted dialogs answering
// for the user, and no connection, form or session value left from another test.
class EnSesion : public BaseDePrueba {
protected:
    void SetUp() override {
        ModGlobal::RestablecerValores();
        DB_Dll::Liberar();
        archivos::FijarCarpetaPrograma(carpeta.path());
    }
    void TearDown() override {
        DB_Dll::Liberar();
        Liberar<frmAcceso>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        archivos::FijarCarpetaPrograma(QString());
        ModGlobal::RestablecerValores();
    }
    // The session values the start-up sets before it opens the connection.
    static DB_Dll& Sesion(const QString& servidor, const QString& base, const QString& usuario,
                          const QString& clave = {}) {
        DB_Dll& db = DB_Dll::Instancia();
        db.gServidor = servidor;
        db.gDBName = base;
        db.gUsuario = usuario;
        db.gUserPassWord = clave;
        return db;
    }
    // The session connected to the test's database as the start-up leaves it.
    DB_Dll& Conectar(const QString& usuario = QStringLiteral("demo")) {
        DB_Dll& db = Sesion(QStringLiteral("SQLITE"), Archivo(), usuario);
        db.OpenServerADODB(false, 3, QString(), true, false);
        EXPECT_TRUE(db.gOpenFlag);
        return db;
    }
    // The first column of the first row of a query run on the test's own connection.
    QVariant Leer(const QString& sql) {
        ado::Recordset rs;
        rs.Open(sql, cnn);
        return rs.Eof() ? QVariant() : rs.Fields(0).Value();
    }
    QString EnCarpeta(const QString& nombre) const { return QDir(carpeta.path()).filePath(nombre); }

    QTemporaryDir carpeta;
    DialogosGuionados guion;
    DialogosEnUso enUso{guion};
};

// The same on a fresh copy of the demo company, connected as the demo user or not.
class DemoModGlobal : public EnSesion {
protected:
    void SetUp() override {
        EnSesion::SetUp();
        CrearDemo();
    }
};
class DemoConectada : public DemoModGlobal {
protected:
    void SetUp() override {
        DemoModGlobal::SetUp();
        Conectar();
    }
};
