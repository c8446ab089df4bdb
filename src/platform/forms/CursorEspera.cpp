#include "platform/forms/CursorEspera.h"

#include <QCursor>
#include <QGuiApplication>

CursorEspera::CursorEspera() {
    // Without an application (a command-line tool) there is no cursor to change.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    puesto_ = true;
}

CursorEspera::~CursorEspera() {
    if (puesto_)
        QGuiApplication::restoreOverrideCursor();
}
