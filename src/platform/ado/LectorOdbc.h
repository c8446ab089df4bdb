#pragma once

#include "platform/ado/Proveedor.h"
#include "platform/ado/TiposOdbc.h"

#include <sql.h>
#include <vector>

namespace ado {

// A statement's rows, each value as the text the driver gives, converted as its column says.
// A driver that fills bound columns a block of rows at a time, and can still give a value
// whole that did not fit its place, is read that way: one call per block instead of one per
// value. Any other is read value by value.
class LectorOdbc {
public:
    static constexpr SQLULEN kFilasPorBloque = 64;

    // `filasPorBloque`: how many rows the driver may be asked for at a time, none when it
    // cannot fill bound columns; it still may refuse.
    LectorOdbc(SQLHSTMT stmt, const QVector<Columna>& columnas, SQLULEN filasPorBloque);
    // The driver writes into the object's own members.
    LectorOdbc(const LectorOdbc&) = delete;
    LectorOdbc& operator=(const LectorOdbc&) = delete;
    FilasEnCurso::Lectura Leer(QVector<QVariant>& fila, Errors& errores, const QString& origen);
    // Leaves the statement as it was given, for its next result; the statement must still be
    // open.
    void Soltar();

private:
    struct Vinculo {
        SQLLEN ancho = 0; // characters, with the terminator
        std::vector<SQLWCHAR> textos;
        std::vector<SQLLEN> largos;
    };
    bool Vincular();
    void Traer(const QString& origen);
    bool LeerDelBloque(QVector<QVariant>& fila);
    bool EnLaFila();

    SQLHSTMT stmt_;
    QVector<Columna> columnas_;
    ValoresOdbc valores_;
    SQLULEN filasPorBloque_;
    bool enBloques_ = false;
    std::vector<Vinculo> vinculos_;
    std::vector<SQLUSMALLINT> estados_;
    SQLULEN traidas_ = 0; // rows the driver gave in the last block
    SQLULEN buenas_ = 0;  // those of them that came without an error, the first ones
    SQLULEN siguiente_ = 0;
    bool fin_ = false;
    Errors fallo_; // what the last block ran into, told after its rows read before it
};

} // namespace ado
