#include "platform/ado/CrearBase.h"

#include "platform/ado/FuncionesSqlite.h"

#include <QFile>
#include <sqlite3.h>

namespace ado {
namespace {

bool EjecutarScript(sqlite3* db, const QString& script, QString* error) {
    QFile archivo(script);
    if (!archivo.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("No se puede leer '%1': %2").arg(script, archivo.errorString());
        return false;
    }
    char* mensaje = nullptr;
    const QByteArray texto = archivo.readAll();
    if (sqlite3_exec(db, texto.constData(), nullptr, nullptr, &mensaje) == SQLITE_OK)
        return true;
    *error = QStringLiteral("Error en '%1': %2").arg(script, QString::fromUtf8(mensaje));
    sqlite3_free(mensaje);
    return false;
}

} // namespace

bool CrearBaseSqlite(const QString& archivo, const QStringList& scripts, QString* error) {
    const QString provisorio = archivo + QStringLiteral(".nuevo");
    QFile::remove(provisorio);
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(QFile::encodeName(provisorio).constData(), &db,
                              SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK;
    if (!ok)
        *error = QStringLiteral("No se puede crear '%1'.").arg(provisorio);
    ok = ok && RegistrarFunciones(db);
    for (const QString& script : scripts)
        ok = ok && EjecutarScript(db, script, error);
    sqlite3_close(db);
    if (ok) {
        QFile::remove(archivo);
        ok = QFile::rename(provisorio, archivo);
        if (!ok)
            *error = QStringLiteral("No se puede reemplazar '%1'.").arg(archivo);
    }
    if (!ok)
        QFile::remove(provisorio);
    return ok;
}

} // namespace ado
