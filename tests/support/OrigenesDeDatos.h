#pragma once

#include <QFile>
#include <QString>
#include <QtGlobal>

// The user's data sources, for the test's life, are those of a file of its own.
class OrigenesDeDatos {
public:
    OrigenesDeDatos(const QString& archivo, const QString& contenido)
        : antes_(qgetenv("ODBCINI")), habia_(qEnvironmentVariableIsSet("ODBCINI")) {
        QFile f(archivo);
        if (f.open(QIODevice::WriteOnly))
            f.write(contenido.toUtf8());
        qputenv("ODBCINI", QFile::encodeName(archivo));
    }
    ~OrigenesDeDatos() {
        if (habia_)
            qputenv("ODBCINI", antes_);
        else
            qunsetenv("ODBCINI");
    }

private:
    QByteArray antes_;
    bool habia_;
};
