#pragma once

#include "audit/VentanasVecinas.h"
#include "detail_pages/FabricaVentanas.h"
#include "platform/dialogs/DialogosGuionados.h"
#include "platform/files/Carpetas.h"
#include "session/DB_Dll.h"
#include "session/ModGlobal.h"
#include "support/BaseDePrueba.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

// The demo company's session as the launch command opens it, with pages going to a temporary
// folder of the test and the operator's answers scripted.
class SesionDetalle : public BaseDePrueba {
protected:
    void SetUp() override {
        DB_Dll::Liberar();
        archivos::FijarCarpetaPrograma(programa.path());
        CrearDemo();
        temporalAnterior = qgetenv("TEMP");
        qputenv("TEMP", temporal.path().toLocal8Bit());
        ModGlobal::IniciarSesion(false, "@Server=SQLITE;@DbName=" + Archivo() +
                                            ";@Usuario=demo;@Password=;@UsuarioLogeado=demo;");
        ASSERT_TRUE(DB_Dll::Instancia().gOpenFlag);
    }
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        FabricaVentanas::Actual() = FabricaVentanas();
        VentanasVecinas::Actuales() = VentanasVecinas();
        qputenv("TEMP", temporalAnterior);
        DB_Dll::Liberar();
        archivos::FijarCarpetaPrograma(QString());
    }
    QString EnTemporal(const QString& nombre) const {
        return QDir(temporal.path()).filePath(nombre);
    }
    static QByteArray Bytes(const QString& ruta) {
        QFile archivo(ruta);
        return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
    }
    // The page without the days it was written on: the head's comment and the company line.
    static QByteArray SinFechas(const QByteArray& pagina) {
        static const QRegularExpression comentario(
            QStringLiteral("Generado por Auditoria - \\d\\d-\\d\\d-\\d{4}-->"));
        static const QRegularExpression hoy(
            QStringLiteral("<I>\\d\\d/\\d\\d/\\d{4}</I></FONT></TD> </TR>"));
        QString texto = QString::fromLatin1(pagina);
        texto.replace(comentario, QStringLiteral("Generado por Auditoria - dd-mm-aaaa-->"));
        texto.replace(hoy, QStringLiteral("<I>dd/mm/aaaa</I></FONT></TD> </TR>"));
        return texto.toLatin1();
    }

    QTemporaryDir programa;
    QTemporaryDir temporal;
    QByteArray temporalAnterior;
    DialogosGuionados guion;
    DialogosEnUso enUso{guion};
};
