#pragma once

#include "platform/ado/Errors.h"
#include "platform/ado/Resultado.h"
#include "platform/ado/TextosDeFilas.h"

#include <QHash>
#include <QString>
#include <QVariantList>
#include <memory>

namespace ado {

// The rows of one query, read from the engine one at a time as the caller asks for them
// (forward only). The statement stays open in the engine until the last row was read or the
// object is destroyed; meanwhile the database keeps a read lock. A server's rows are read on
// into memory as soon as their connection is needed for anything else.
class FilasEnCurso {
public:
    enum Lectura { Fila, Fin, Fallo };
    virtual ~FilasEnCurso() = default;
    // Final once the first row was read: expression columns take the type of its values.
    virtual const QVector<Columna>& Columnas() const = 0;
    // Overwrites `fila` with the next row; a failure is added to errores.
    virtual Lectura Leer(QVector<QVariant>& fila, Errors& errores) = 0;
    // Every row still to come, appended to `textos`; Fin once they all were, Fallo (with the
    // rows read so far appended) when one could not be. Row by row through Leer unless the
    // engine can hand over its texts more directly.
    virtual Lectura LeerTextos(TextosDeFilas& textos, const TextoDeValor& comoTexto,
                               Errors& errores);
};

// What the program sets on an open connection for its session.
struct AjustesSesion {
    int tiempoComando = 30; // seconds, 0 for no limit
    int aislamiento = 4096; // 256: dirty reads allowed
    QString baseDefecto;
};

// What a connection needs of a database engine. Failures are reported in the Errors list
// passed in and by the false result; nothing here throws for a database error.
class Proveedor {
public:
    virtual ~Proveedor() = default;

    virtual bool Ejecutar(const QString& sql, long* afectados, Errors& errores) = 0;
    virtual bool Consultar(const QString& sql, Resultado& resultado, Errors& errores) = 0;
    // A query to be read row by row into `filas`. A text that cannot be read so (a batch, a
    // statement with no rows) is read whole into `resultado` and `filas` stays empty.
    virtual bool ConsultarPorFilas(const QString& sql, std::unique_ptr<FilasEnCurso>& filas,
                                   Resultado& resultado, Errors& errores) = 0;
    // A statement already in the engine's own dialect, with its values bound to "?" marks
    // (never spliced into the text); used to write back rows of updatable recordsets.
    virtual bool EjecutarNativo(const QString& sql, const QVariantList& valores, long* afectados,
                                Errors& errores) = 0;
    // An UPDATE in the engine's own dialect, bound as EjecutarNativo's, whose change is kept
    // only when it changed exactly one row; `afectados` tells how many it matched. Whatever
    // transaction the caller holds stays open, with its earlier work, either way.
    virtual bool ActualizarUnaFila(const QString& sql, const QVariantList& valores, long& afectados,
                                   Errors& errores) = 0;
    virtual bool IniciarTransaccion(Errors& errores) = 0;
    virtual bool ConfirmarTransaccion(Errors& errores) = 0;
    virtual bool DeshacerTransaccion(Errors& errores) = 0;
    virtual bool Esquema(int tipo, const QVariantList& restricciones, Resultado& resultado,
                         Errors& errores) = 0;
    // The primary-key columns of a table; empty when it has none.
    virtual QStringList ClavePrimaria(const QString& tabla) = 0;
    // The embedded database has one file and no session settings.
    virtual bool Ajustar(const AjustesSesion& ajustes, Errors& errores) {
        Q_UNUSED(ajustes);
        Q_UNUSED(errores);
        return true;
    }
};

// Picks the provider named by a connection string; on failure returns null and leaves the
// reason in errores.
std::unique_ptr<Proveedor> AbrirProveedor(const QString& cadenaConexion, int tiempoEspera,
                                          Errors& errores);

// The settings of a "key=value;..." string, keys in lower case without surrounding blanks
// ("Database ="), values as written: trimmed, or exactly as between braces ("}}" for "}").
QHash<QString, QString> PartesDeCadena(const QString& cadena);

// A value as the program's own connection strings carry it: in braces, with "}" doubled, when
// it holds ";", "{", "}", "=" or blanks at either end, so that PartesDeCadena reads it back
// exactly as given and it can never add or replace a setting.
QString ValorDeCadena(const QString& valor);

// What the driver manager is given for a SQL Server string of the program's own form, and
// the login timeout the string sets (`tiempoEspera` stays as it is when it sets none). Empty
// when a value holds "}", which no ODBC string carries to FreeTDS exactly: such a connection
// is refused before anything is sent.
QString CadenaOdbcSqlServer(const QString& cadenaConexion, int& tiempoEspera);

} // namespace ado
