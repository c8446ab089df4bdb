#pragma once

#include "dobles/DialogosGuionados.h"
#include "platform/files/Carpetas.h"
#include "session/DB_Dll.h"
#include "session/ModGlobal.h"
#include "support/Apoyo.h"
#include "support/BaseDePrueba.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTemporaryDir>

// The demo company's session as its launch command opens it, on a fresh copy of the database.
// TEMP, where the pages go, is the test's folder beside the database; the program folder (query
// masks, error log, sibling programs) is a folder of its own; `Operador`, a scripted dialog
// service, answers for the user.
template <class Operador = DialogosGuionados> class SesionDemo : public BaseDePrueba {
protected:
    void SetUp() override {
        ModGlobal::RestablecerValores();
        DB_Dll::Liberar();
        temp_ = qgetenv("TEMP");
        qputenv("TEMP", dir.path().toLocal8Bit());
        archivos::FijarCarpetaPrograma(programa.path());
        CrearDemo();
        IniciarSesion();
    }
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DB_Dll::Liberar();
        ModGlobal::RestablecerValores();
        archivos::FijarCarpetaPrograma(QString());
        qputenv("TEMP", temp_);
    }
    // Starts the session on the demo database with this rest of the launch command.
    void IniciarSesion(const QString& resto = ";@Usuario=demo;@Password=;@UsuarioLogeado=demo;") {
        ModGlobal::IniciarSesion(false, "@Server=SQLITE;@DbName=" + Archivo() + resto);
        ASSERT_TRUE(DB_Dll::Instancia().gOpenFlag);
    }
    QString EnTemporal(const QString& nombre) const { return dir.filePath(nombre); }
    QString EnPrograma(const QString& nombre) const { return programa.filePath(nombre); }
    // The messages shown so far, "title: text" one a line, for a failed expectation to show.
    QString Avisos() const {
        QStringList avisos;
        for (const auto& m : guion.Mensajes)
            avisos << m.Titulo + ": " + m.Texto;
        return avisos.join(u'\n');
    }

    QTemporaryDir programa;
    Operador guion;
    DialogosEnUso enUso{guion};

private:
    QByteArray temp_;
};
