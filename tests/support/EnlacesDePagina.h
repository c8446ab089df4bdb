#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

// The targets of the anchors of a page file, as the page wrote them.
inline QStringList EnlacesDePagina(const QString& ruta) {
    static const QRegularExpression destino(QStringLiteral("<A HREF=\"([^\"]*)\">"));
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        return {};
    QStringList enlaces;
    for (const auto& m : destino.globalMatch(QString::fromLatin1(archivo.readAll())))
        enlaces << m.captured(1);
    return enlaces;
}
