#include "platform/ado/CrearBase.h"

#include "platform/ado/FuncionesSqlite.h"

#include <QFile>
#include <sqlite3.h>

namespace ado {
namespace {

bool LeerScript(const QString& script, QByteArray& texto, QString* error) {
    QFile archivo(script);
    if (!archivo.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("No se puede leer '%1': %2").arg(script, archivo.errorString());
        return false;
    }
    texto = archivo.readAll();
    return true;
}

bool EjecutarTexto(sqlite3* db, const QByteArray& texto, const QString& script, QString* error) {
    char* mensaje = nullptr;
    if (sqlite3_exec(db, texto.constData(), nullptr, nullptr, &mensaje) == SQLITE_OK)
        return true;
    *error = QStringLiteral("Error en '%1': %2").arg(script, QString::fromUtf8(mensaje));
    sqlite3_free(mensaje);
    return false;
}

bool EjecutarScript(sqlite3* db, const QString& script, QString* error) {
    QByteArray texto;
    return LeerScript(script, texto, error) && EjecutarTexto(db, texto, script, error);
}

// The statement without the blanks and "--" comment lines before it.
QByteArray SinComentariosDelante(const QByteArray& sentencia) {
    QByteArray resto = sentencia.trimmed();
    while (resto.startsWith("--")) {
        const qsizetype fin = resto.indexOf('\n');
        resto = fin < 0 ? QByteArray() : resto.mid(fin + 1).trimmed();
    }
    return resto;
}

// Every CREATE INDEX of the script, each made to leave an index already there alone.
QByteArray IndicesDelScript(const QByteArray& script) {
    static const QByteArray crear = "CREATE INDEX ";
    QByteArray indices, sentencia;
    for (const char c : script) {
        sentencia += c;
        if (c != ';' || !sqlite3_complete(sentencia.constData()))
            continue;
        const QByteArray limpia = SinComentariosDelante(sentencia);
        if (limpia.left(crear.size()).toUpper() == crear)
            indices += "CREATE INDEX IF NOT EXISTS " + limpia.mid(crear.size()) + "\n";
        sentencia.clear();
    }
    return indices;
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
    if (ok) // marks the new file as in the current order; failing that, its first open does
        IndicesAlDiaConLaColacion(db);
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

bool AgregarIndicesSqlite(const QString& archivo, const QString& esquema, QString* error) {
    QByteArray texto;
    if (!LeerScript(esquema, texto, error))
        return false;
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(QFile::encodeName(archivo).constData(), &db, SQLITE_OPEN_READWRITE,
                              nullptr) == SQLITE_OK;
    if (!ok)
        *error = QStringLiteral("No se puede abrir '%1'.").arg(archivo);
    ok = ok && RegistrarFunciones(db);
    ok = ok && EjecutarTexto(db, "BEGIN IMMEDIATE;\n" + IndicesDelScript(texto) + "COMMIT;",
                             esquema, error);
    if (!ok && db)
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return ok;
}

} // namespace ado
