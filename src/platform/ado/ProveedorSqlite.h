#pragma once

#include "platform/ado/EsquemaSqlite.h"
#include "platform/ado/Proveedor.h"
#include "platform/ado/TSqlToSqlite.h"

struct sqlite3;
struct sqlite3_stmt;

namespace ado {

// Set on every embedded connection. Long lists read most of the file: mapped, its pages are read
// without a copy per page.
inline constexpr char kMapaDelArchivo[] = "PRAGMA mmap_size = 1073741824";

// The embedded database: one SQLite file, spoken to in the program's SQL Server dialect
// through the translator. Transactions nest as on the server: only the outermost BEGIN
// and COMMIT reach SQLite, and a ROLLBACK undoes them all.
class ProveedorSqlite : public Proveedor {
public:
    // Opens an existing file; never creates one. A statement waits up to `tiempoEspera`
    // seconds (at least one) for the lock another connection holds, then is refused.
    static std::unique_ptr<ProveedorSqlite> Abrir(const QString& archivo, int tiempoEspera,
                                                  Errors& errores);
    ~ProveedorSqlite() override;

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

    const EsquemaSqlite& EsquemaActual() const { return esquema_; }

private:
    explicit ProveedorSqlite(sqlite3* db) : db_(db) {}
    // The file as it was opened: a commit on one deleted or replaced since would report as
    // saved what no file holds.
    void RecordarArchivo();
    bool SigueElArchivo() const;
    int VersionDelEsquema();
    bool CargarEsquema(Errors& errores);
    bool Traducir(const QString& sql, QVector<SentenciaTraducida>& lote, Errors& errores);
    bool EjecutarLote(const QVector<SentenciaTraducida>& lote, Resultado* resultado,
                      long* afectados, Errors& errores);
    int Preparar(const QString& sql, sqlite3_stmt** stmt, Errors& errores);
    bool EjecutarUna(const QString& sql, const QVariantList& valores, Resultado* resultado,
                     long* afectados, Errors& errores);
    bool Paso(sqlite3_stmt* stmt, Resultado* resultado, Errors& errores, const QString& sql);
    bool Simple(const char* sql, Errors& errores);
    void AgregarError(int codigo, const QString& sql, Errors& errores);

    sqlite3* db_;
    EsquemaSqlite esquema_;
    int versionEsquema_ = -1;
    int nivelTransaccion_ = 0;
    QByteArray ruta_;
    quint64 dispositivo_ = 0, nodo_ = 0;
    // Rows still being read hold statements of this database: they must not step them once
    // it is closed.
    std::shared_ptr<char> vida_ = std::make_shared<char>();
};

} // namespace ado
