#include "platform/ado/Connection.h"

#include "platform/ado/ErroresSqlite.h"
#include "platform/ado/Recordset.h"
#include "platform/errors/ErrorEjecucion.h"

namespace ado {

void Connection::Open(const QString& connectionString, const QString& userId,
                      const QString& password, int options) {
    Q_UNUSED(userId);
    Q_UNUSED(password);
    Q_UNUSED(options);
    if (proveedor_)
        throw ErrorEjecucion(errObjetoAbierto,
                             QStringLiteral("No se permite realizar la operación si el objeto "
                                            "está abierto."));
    if (!connectionString.isEmpty())
        cadena_ = connectionString;
    errores_.Clear();
    proveedor_ = AbrirProveedor(cadena_, tiempoConexion_, errores_);
    if (!proveedor_)
        LanzarPrimerError();
    Ajustar();
}

void Connection::Ajustar() {
    if (proveedor_)
        proveedor_->Ajustar({tiempoComando_, aislamiento_, baseDefecto_}, errores_);
}

void Connection::SetCommandTimeout(int segundos) {
    tiempoComando_ = segundos;
    Ajustar();
}

void Connection::SetIsolationLevel(int nivel) {
    aislamiento_ = nivel;
    Ajustar();
}

void Connection::SetDefaultDatabase(const QString& nombre) {
    baseDefecto_ = nombre;
    Ajustar();
}

void Connection::Close() {
    ExigirAbierta();
    proveedor_.reset();
}

void Connection::ExigirAbierta() const {
    if (!proveedor_)
        throw ErrorEjecucion(errObjetoCerrado,
                             QStringLiteral("No se permite realizar la operación si el objeto "
                                            "está cerrado."));
}

void Connection::LanzarPrimerError() const {
    const Error& e = errores_.Item(0);
    throw ErrorEjecucion(e.Number, e.Description, e.Source);
}

void Connection::Execute(const QString& sql, long* recordsAffected, int options) {
    Q_UNUSED(options);
    errores_.Clear();
    long afectados = 0;
    if (!proveedor_)
        errores_.Add(ErrorConexionCerrada());
    else
        proveedor_->Ejecutar(sql, &afectados, errores_);
    if (recordsAffected)
        *recordsAffected = afectados;
}

long Connection::BeginTrans() {
    ExigirAbierta();
    errores_.Clear();
    if (!proveedor_->IniciarTransaccion(errores_))
        LanzarPrimerError();
    return 1;
}

void Connection::CommitTrans() {
    ExigirAbierta();
    errores_.Clear();
    if (!proveedor_->ConfirmarTransaccion(errores_))
        LanzarPrimerError();
}

void Connection::RollbackTrans() {
    ExigirAbierta();
    errores_.Clear();
    if (!proveedor_->DeshacerTransaccion(errores_))
        LanzarPrimerError();
}

void Connection::OpenSchema(int esquema, Recordset& destino, const QVariantList& restricciones) {
    ExigirAbierta();
    errores_.Clear();
    Resultado resultado;
    if (!proveedor_->Esquema(esquema, restricciones, resultado, errores_))
        LanzarPrimerError();
    destino.Abrir(std::move(resultado));
}

void Connection::Consultar(const QString& sql, Resultado& resultado) {
    ExigirAbierta();
    errores_.Clear();
    if (!proveedor_->Consultar(sql, resultado, errores_))
        LanzarPrimerError();
}

std::unique_ptr<FilasEnCurso> Connection::ConsultarPorFilas(const QString& sql,
                                                            Resultado& resultado) {
    ExigirAbierta();
    errores_.Clear();
    std::unique_ptr<FilasEnCurso> filas;
    if (!proveedor_->ConsultarPorFilas(sql, filas, resultado, errores_))
        LanzarPrimerError();
    return filas;
}

bool Connection::LeerFila(FilasEnCurso& filas, QVector<QVariant>& fila) {
    ExigirAbierta();
    ado::Errors errores;
    const FilasEnCurso::Lectura lectura = filas.Leer(fila, errores);
    if (lectura == FilasEnCurso::Fallo) {
        errores_ = std::move(errores);
        LanzarPrimerError();
    }
    return lectura == FilasEnCurso::Fila;
}

void Connection::LeerTextos(FilasEnCurso& filas, TextosDeFilas& textos,
                            const TextoDeValor& comoTexto) {
    ExigirAbierta();
    ado::Errors errores;
    if (filas.LeerTextos(textos, comoTexto, errores) == FilasEnCurso::Fallo) {
        errores_ = std::move(errores);
        LanzarPrimerError();
    }
}

void Connection::EjecutarNativo(const QString& sql, const QVariantList& valores, long* afectados) {
    ExigirAbierta();
    errores_.Clear();
    if (!proveedor_->EjecutarNativo(sql, valores, afectados, errores_))
        LanzarPrimerError();
}

long Connection::ActualizarUnaFila(const QString& sql, const QVariantList& valores) {
    ExigirAbierta();
    errores_.Clear();
    long afectados = 0;
    if (!proveedor_->ActualizarUnaFila(sql, valores, afectados, errores_))
        LanzarPrimerError();
    return afectados;
}

QStringList Connection::ClavePrimaria(const QString& tabla) {
    ExigirAbierta();
    return proveedor_->ClavePrimaria(tabla);
}

} // namespace ado
