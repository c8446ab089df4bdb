#pragma once

namespace ado {

class Connection;

// A transaction of the connection for as long as the object lives: begun on construction
// (a refusal raises, as BeginTrans does), kept only by Confirmar, and rolled back when the
// object goes without it, however the code around it ends. A failing rollback then is left
// unreported: the error that brought it is the one to tell.
class Transaccion {
public:
    explicit Transaccion(Connection& conexion);
    ~Transaccion();
    Transaccion(const Transaccion&) = delete;
    Transaccion& operator=(const Transaccion&) = delete;

    // Commits; a refused commit raises and leaves the transaction to be rolled back.
    void Confirmar();

private:
    Connection& conexion_;
    bool abierta_ = true;
};

} // namespace ado
