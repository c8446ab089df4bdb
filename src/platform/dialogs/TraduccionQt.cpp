#include "platform/dialogs/TraduccionQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QString TraduccionQt::CarpetaQt() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool TraduccionQt::Instalar(const QString& carpeta) {
    auto* traductor = new QTranslator(QCoreApplication::instance());
    if (traductor->load(QStringLiteral("qtbase_es"), carpeta) &&
        QCoreApplication::installTranslator(traductor))
        return true;
    delete traductor;
    return false;
}
