#include "platform/forms/CursorEspera.h"

#include "platform/dialogs/Dialogos.h"
#include "platform/errors/ErrorEjecucion.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A window waiting on the database shows the wait cursor until the wait ends, however it ends;
// the question asked meanwhile (a real message box, closed by a timer) shows the normal one.
TEST(CursorEspera, LaEsperaMuestraElRelojYLaPreguntaElCursorNormal) {
    Dialogos* anterior = Dialogos::Establecer(nullptr);
    Qt::CursorShape enLaPregunta = Qt::BlankCursor;
    QTimer::singleShot(0, [&] {
        enLaPregunta = QGuiApplication::overrideCursor()->shape();
        qobject_cast<QDialog*>(QApplication::activeModalWidget())->reject();
    });
    try {
        CursorEspera espera;
        MsgBox(QStringLiteral("La base de datos está bloqueada por otro proceso."));
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        throw ErrorEjecucion(3704, QStringLiteral("El objeto está cerrado."));
    } catch (const ErrorEjecucion&) {
    }
    Dialogos::Establecer(anterior);
    EXPECT_EQ(enLaPregunta, Qt::ArrowCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
