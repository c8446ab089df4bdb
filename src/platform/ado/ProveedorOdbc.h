#pragma once

#include "platform/ado/Proveedor.h"

#include <functional>
#include <sql.h>

namespace ado {

class FilasOdbc;

// A database server reached through an ODBC driver. Statements go to it verbatim: the
// program's text is already the server's dialect. Text transactions inside batches are the
// server's own; BeginTrans and its kin switch the connection out of autocommit.
class ProveedorOdbc : public Proveedor {
public:
    // Generico: a driver whose session needs nothing at connect (a data source the user
    // configured for another engine).
    enum Dialecto { Generico, SqlServer, Oracle };

    // `servidor` names the server in the messages the user reads.
    static std::unique_ptr<ProveedorOdbc> Abrir(const QString& cadenaOdbc, Dialecto dialecto,
                                                const QString& servidor, int tiempoEspera,
                                                Errors& errores);
    ~ProveedorOdbc() override;
    // Whether a data source of that name is configured (user or system).
    static bool ExisteOrigen(const QString& nombre);
    // What a configured data source sets for `clave`; empty when it sets nothing.
    static QString ValorDelOrigen(const QString& origen, const QString& clave);

    bool Ejecutar(const QString& sql, long* afectados, Errors& errores) override;
    bool Consultar(const QString& sql, Resultado& resultado, Errors& errores) override;
    bool ConsultarPorFilas(const QString& sql, std::unique_ptr<FilasEnCurso>& filas,
                           Resultado& resultado, Errors& errores) override;
    bool EjecutarNativo(const QString& sql, const QVariantList& valores, long* afectados,
                        Errors& errores) override;
    bool ActualizarUnaFila(const QString& sql, const QVariantList& valores, long& afectados,
                           Errors& errores) override;
    bool IniciarTransaccion(Errors& errores) override;
    bool ConfirmarTransaccion(Errors& errores) override;
    bool DeshacerTransaccion(Errors& errores) override;
    bool Esquema(int tipo, const QVariantList& restricciones, Resultado& resultado,
                 Errors& errores) override;
    QStringList ClavePrimaria(const QString& tabla) override;
    bool Ajustar(const AjustesSesion& ajustes, Errors& errores) override;

private:
    ProveedorOdbc(SQLHENV env, SQLHDBC dbc, Dialecto dialecto)
        : env_(env), dbc_(dbc), dialecto_(dialecto) {}
    // The server gives one result open per connection: whatever runs next on it first reads
    // the rows still being read into memory. Every way to the server goes through here.
    void GuardarFilasEnCurso();
    // A statement handle with the session's query timeout; null on failure.
    SQLHSTMT NuevaSentencia(Errors& errores);
    bool Correr(const QString& sql, const QVariantList& valores, Resultado* resultado,
                long* afectados, Errors& errores);
    bool Resultados(SQLHSTMT stmt, SQLRETURN rc, Resultado* resultado, long* afectados,
                    Errors& errores);
    bool Terminar(SQLSMALLINT como, Errors& errores);
    bool Autocommit(bool activo, Errors& errores);
    bool Finalizar(SQLSMALLINT como, Errors& errores);
    bool PuntoDeGuardadoPosible(bool& posible, Errors& errores);
    bool EnPuntoDeGuardado(const QString& sql, const QVariantList& valores, long& afectados,
                           Errors& errores);
    bool EnTransaccionLocal(const QString& sql, const QVariantList& valores, long& afectados,
                            Errors& errores);
    // A catalog function's rowset, read as a query's.
    bool Catalogo(const std::function<SQLRETURN(SQLHSTMT)>& llamada, Resultado& resultado,
                  Errors& errores);

    SQLHENV env_;
    SQLHDBC dbc_;
    Dialecto dialecto_;
    int tiempoComando_ = 30;
    int nivelTransaccion_ = 0;
    QString motor_;  // the server's own name for itself (SQL_DBMS_NAME)
    QString origen_; // what its messages say they came from: the driver's name
    // The rows its driver is asked for at a time into bound columns: a value that does not fit
    // is asked for again whole, which some drivers can do only for one row; none, value by
    // value.
    SQLULEN filasPorBloque_ = 0;
    // The rows being read from the server, if any. They hold a statement of this connection
    // and must not touch it once the connection is closed: this going away tells them.
    std::shared_ptr<FilasOdbc*> enCurso_ = std::make_shared<FilasOdbc*>(nullptr);
};

} // namespace ado
