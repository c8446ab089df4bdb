#include "platform/ado/Transaccion.h"

#include "platform/ado/Connection.h"

namespace ado {

Transaccion::Transaccion(Connection& conexion) : conexion_(conexion) {
    conexion_.BeginTrans();
}

Transaccion::~Transaccion() {
    if (!abierta_)
        return;
    try {
        conexion_.RollbackTrans();
    } catch (...) {
    }
}

void Transaccion::Confirmar() {
    conexion_.CommitTrans();
    abierta_ = false;
}

} // namespace ado
