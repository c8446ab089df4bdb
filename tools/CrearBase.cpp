// Builds the embedded database file from the schema and data scripts, or gives an existing one
// the schema's indexes it lacks:
//   crear_base <archivo.db> <schema.sql> [<datos.sql> ...]
//   crear_base --indices <archivo.db> <schema.sql>
#include "platform/ado/CrearBase.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    const bool indices = args.value(0) == QStringLiteral("--indices");
    if (indices ? args.size() != 3 : args.size() < 2) {
        err << "Uso: crear_base <archivo.db> <esquema.sql> [<datos.sql> ...]\n"
               "     crear_base --indices <archivo.db> <esquema.sql>\n";
        return 2;
    }
    QString error;
    if (indices ? !ado::AgregarIndicesSqlite(args[1], args[2], &error)
                : !ado::CrearBaseSqlite(args[0], args.mid(1), &error)) {
        err << error << "\n";
        return 1;
    }
    return 0;
}
