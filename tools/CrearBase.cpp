// Builds the embedded database file from the schema and data scripts:
//   crear_base <archivo.db> <schema.sql> [<datos.sql> ...]
#include "platform/ado/CrearBase.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    if (args.size() < 2) {
        err << "Uso: crear_base <archivo.db> <esquema.sql> [<datos.sql> ...]\n";
        return 2;
    }
    QString error;
    if (!ado::CrearBaseSqlite(args[0], args.mid(1), &error)) {
        err << error << "\n";
        return 1;
    }
    return 0;
}
