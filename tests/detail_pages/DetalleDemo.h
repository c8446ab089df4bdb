#pragma once

#include "audit/VentanasVecinas.h"
#include "detail_pages/FabricaVentanas.h"
#include "platform/dialogs/DialogosGuionados.h"
#include "platform/files/Carpetas.h"
#include "platform/runtime/Fechas.h"
#include "session/DB_Dll.h"
#include "session/ModGlobal.h"
#include "support/Apoyo.h"
#include "support/BaseDePrueba.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

// The demo company's session for the stock-movement and receipt pages: program folder and TEMP
// in the test's own folders, the scripted operator answering, and every window a link would
// open written into `abiertas` instead of being opened.
// Makes the window opener record what the links would open instead of opening it.
inline void GrabarAperturas(QStringList& abiertas) {
    const auto venta = [](bool v) { return QString(v ? "venta" : "compra"); };
    FabricaVentanas& f = FabricaVentanas::Actual();
    f.NuevoDetalleComprobante = [&abiertas, venta](const QString& tc, const QString& s,
                                                   const QString& n, const QString& l, bool v,
                                                   const QString& cuenta) {
        abiertas << "Detalle " + QStringList{tc, s, n, l, venta(v), cuenta}.join('|');
    };
    f.NuevoStock = [&abiertas, venta](const QString& tc, const QString& s, const QString& n,
                                      const QString& l, bool v) {
        abiertas << "Stock " + QStringList{tc, s, n, l, venta(v)}.join('|');
    };
    f.NuevoRecibo = [&abiertas, venta](const QString& tc, const QString& s, const QString& n,
                                       const QString& l, bool v) {
        abiertas << "Recibo " + QStringList{tc, s, n, l, venta(v)}.join('|');
    };
}

class DetalleDemo : public BaseDePrueba, public VentanaAsientoComprobante {
protected:
    void SetUp() override {
        DB_Dll::Liberar();
        temp_ = qgetenv("TEMP");
        qputenv("TEMP", dir.path().toLocal8Bit());
        archivos::FijarCarpetaPrograma(programa.path());
        CrearDemo();
        ModGlobal::IniciarSesion(false, "@Server=SQLITE;@DbName=" + Archivo() +
                                            ";@Usuario=demo;@Password=;@UsuarioLogeado=demo;");
        ASSERT_TRUE(DB_Dll::Instancia().gOpenFlag);
        fabrica_ = FabricaVentanas::Actual();
        vecinas_ = VentanasVecinas::Actuales();
        Grabar();
    }
    void TearDown() override {
        FabricaVentanas::Actual() = fabrica_;
        VentanasVecinas::Actuales() = vecinas_;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DB_Dll::Liberar();
        archivos::FijarCarpetaPrograma(QString());
        qputenv("TEMP", temp_);
    }

    static QByteArray Bytes(const QString& ruta) {
        QFile archivo(ruta);
        return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
    }
    static QByteArray Golden(const char* nombre) {
        return Bytes(QStringLiteral(AUDITORIA_TESTS_DIR "/detail_pages/golden/") +
                     QLatin1String(nombre));
    }
    // The page carries the day it was written twice: in the head's comment and beside the
    // company's name. The golden pages hold placeholders there.
    static QByteArray SinFechas(const QByteArray& pagina) {
        static const QRegularExpression cabecera(
            QStringLiteral("Generado por Auditoria - \\d\\d-\\d\\d-\\d{4}-->"));
        QString texto = QString::fromLatin1(pagina);
        texto.replace(cabecera, QStringLiteral("Generado por Auditoria - dd-mm-aaaa-->"));
        texto.replace(QStringLiteral("<I>") + vb::FechaCorta(vb::Date()) + QStringLiteral("</I>"),
                      QStringLiteral("<I>dd/mm/aaaa</I>"));
        return texto.toLatin1();
    }
    // The page as text, decoded from Windows-1252.
    static QString Leer(const QString& ruta) { return QString::fromLatin1(Bytes(ruta)); }

    QString Avisos() const {
        QStringList avisos;
        for (const auto& m : guion.Mensajes)
            avisos << m.Titulo + ": " + m.Texto;
        return avisos.join(u'\n');
    }

    // Asks a link handler and tells what it opened, then whether it cancelled.
    template <class Ventana> QString Seguir(Ventana& ventana, const QString& url) {
        abiertas.clear();
        bool cancel = false;
        ventana.wbExplorer_BeforeNavigate2(url, cancel);
        abiertas << (cancel ? "Cancel" : "Sigue");
        return abiertas.join(',');
    }

    QStringList abiertas;
    QTemporaryDir programa;
    DialogosGuionados guion;
    DialogosEnUso enUso{guion};

private:
    void Grabar() {
        GrabarAperturas(abiertas);
        FabricaVentanas::Actual().MenuExes = [this](const QString& link) {
            abiertas << "MenuExes " + link;
        };
        VentanasVecinas::Actuales().AsientoComprobante = [this] { return this; };
    }
    void Mostrar(const QString& tc, const QString& s, const QString& n, const QString& l,
                 const QString& cuenta) override {
        abiertas << "Asiento " + QStringList{tc, s, n, l, cuenta}.join('|');
    }
    void Show() override { abiertas << "Show"; }

    QByteArray temp_;
    FabricaVentanas fabrica_;
    VentanasVecinas vecinas_;
};
