#pragma once

#include "audit/VentanasVecinas.h"
#include "detail_pages/FabricaVentanas.h"
#include "platform/runtime/Fechas.h"
#include "support/SesionDemo.h"

#include <QRegularExpression>

// The demo company's session for the detail windows and pages: every window they open is the
// real one unless the test says otherwise, and is so again after the test.
class SesionDetalle : public SesionDemo<> {
protected:
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        FabricaVentanas::Actual() = FabricaVentanas();
        VentanasVecinas::Actuales() = VentanasVecinas();
        SesionDemo::TearDown();
    }
    // A page as it must come out, placeholders for its dates.
    static QByteArray Golden(const QString& nombre) {
        return Bytes(QStringLiteral(AUDITORIA_TESTS_DIR "/detail_pages/golden/") + nombre);
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
};
