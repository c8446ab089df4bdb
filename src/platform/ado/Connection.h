#pragma once

#include "platform/ado/AdoTipos.h"
#include "platform/ado/Errors.h"
#include "platform/ado/Proveedor.h"

#include <QString>
#include <QVariantList>
#include <memory>

namespace ado {

class Recordset;

// The database connection. Its provider is chosen from the connection string:
// "Server=SQLITE" with "Database =<file>" is the embedded database in that file.
class Connection {
public:
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Throws ErrorEjecucion on failure, with the provider's messages in Errors (3705 when
    // already open).
    void Open(const QString& connectionString = {}, const QString& userId = {},
              const QString& password = {}, int options = -1);
    void Close();
    int State() const { return proveedor_ ? adStateOpen : adStateClosed; }

    // Never throws for a database failure: the messages are left in Errors, as callers read
    // Errors.Count right after the call. Errors are cleared when the call starts.
    void Execute(const QString& sql, long* recordsAffected = nullptr, int options = -1);

    long BeginTrans();
    void CommitTrans();
    void RollbackTrans();

    // Table (20) and column (4) rowsets. Throws ErrorEjecucion on failure.
    void OpenSchema(int esquema, Recordset& destino, const QVariantList& restricciones = {});

    ado::Errors& Errors() { return errores_; }
    const ado::Errors& Errors() const { return errores_; }

    const QString& ConnectionString() const { return cadena_; }
    void SetConnectionString(const QString& cadena) { cadena_ = cadena; }
    int CursorLocation() const { return ubicacionCursor_; }
    void SetCursorLocation(int valor) { ubicacionCursor_ = valor; }
    int CommandTimeout() const { return tiempoComando_; }
    void SetCommandTimeout(int segundos);
    int ConnectionTimeout() const { return tiempoConexion_; }
    void SetConnectionTimeout(int segundos) { tiempoConexion_ = segundos; }
    int IsolationLevel() const { return aislamiento_; }
    void SetIsolationLevel(int nivel);
    const QString& DefaultDatabase() const { return baseDefecto_; }
    void SetDefaultDatabase(const QString& nombre);

    // For recordsets: runs a query into memory. Throws ErrorEjecucion on failure, with the
    // provider's messages in Errors.
    void Consultar(const QString& sql, Resultado& resultado);
    // For server-side forward-only recordsets: the rows of a lone query, read as the caller
    // moves; any other text is read into `resultado` and null is returned. Throws as
    // Consultar does.
    std::unique_ptr<FilasEnCurso> ConsultarPorFilas(const QString& sql, Resultado& resultado);
    // The next row into `fila`; false past the last. Throws ErrorEjecucion on failure, with
    // the provider's messages in Errors (left untouched while rows arrive).
    bool LeerFila(FilasEnCurso& filas, QVector<QVariant>& fila);
    // Every row still to come, appended to `textos`. Throws as LeerFila does.
    void LeerTextos(FilasEnCurso& filas, TextosDeFilas& textos, const TextoDeValor& comoTexto);
    // For updatable recordsets: a statement in the provider's own dialect with bound values.
    void EjecutarNativo(const QString& sql, const QVariantList& valores, long* afectados);
    // An UPDATE kept only when it changed exactly one row; gives how many it matched.
    long ActualizarUnaFila(const QString& sql, const QVariantList& valores);
    QStringList ClavePrimaria(const QString& tabla);

private:
    void ExigirAbierta() const;
    [[noreturn]] void LanzarPrimerError() const;
    // Session settings reach an open server at once; a failure is left in Errors.
    void Ajustar();

    std::unique_ptr<Proveedor> proveedor_;
    ado::Errors errores_;
    QString cadena_;
    int ubicacionCursor_ = adUseServer;
    int tiempoComando_ = 30;
    int tiempoConexion_ = 15;
    int aislamiento_ = 4096;
    QString baseDefecto_;
};

} // namespace ado
