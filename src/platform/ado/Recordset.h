#pragma once

#include "platform/ado/AdoTipos.h"
#include "platform/ado/Field.h"
#include "platform/ado/Proveedor.h"
#include "platform/ado/Resultado.h"

#include <QMap>
#include <QString>
#include <memory>

namespace ado {

class Connection;

// A result read whole into memory (client cursor, the default). Opening runs the query at
// once; moving is free. Recordsets opened with a lock type other than read-only can add and
// change rows of the table they were read from (AddNew / Update), written back as INSERT or
// UPDATE statements.
//
// A server-side (CursorLocation adUseServer), forward-only, read-only recordset holds one row
// at a time instead: each MoveNext reads the next from the database, RecordCount is -1 and
// there is no going back. Until its last row is read or it is closed, its statement holds a
// read lock that keeps other programs from writing the database: it is for reading a result
// straight through.
class Recordset {
public:
    Recordset() = default;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;
    Recordset(Recordset&&) = default;
    Recordset& operator=(Recordset&&) = default;

    // Throws ErrorEjecucion on failure, after the provider's messages were put in the
    // connection's Errors.
    void Open(const QString& source, Connection& conexion, int cursorType = adOpenForwardOnly,
              int lockType = adLockReadOnly, int options = -1);
    void Close();
    // Takes a result produced elsewhere (schema rowsets, tests).
    void Abrir(Resultado resultado);

    int State() const { return abierto_ ? adStateOpen : adStateClosed; }
    bool Bof() const;
    bool Eof() const; // EOF itself is a C macro
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    long RecordCount() const;
    // The rows from the current one to the end, as the texts `comoTexto` writes their values
    // (texts are taken as they are), in place of whatever `textos` held; the recordset is left
    // at its end. A failure raises the provider's error and leaves `textos` as it was.
    void LeerTextos(TextosDeFilas& textos, const TextoDeValor& comoTexto);
    long AbsolutePosition() const { return porFilas_ ? -1 : fila_ + 1; }
    const QString& Source() const { return sql_; }

    int CursorType() const { return tipoCursor_; }
    void SetCursorType(int tipo) { tipoCursor_ = tipo; }
    int LockType() const { return tipoBloqueo_; }
    void SetLockType(int tipo) { tipoBloqueo_ = tipo; }
    int CursorLocation() const { return ubicacion_; }
    void SetCursorLocation(int ubicacion);

    int FieldCount() const { return datos_.columnas.size(); }
    // By position or by name, compared without regard to case; the first of duplicate
    // names wins. An unknown name raises error 3265.
    Field Fields(int indice);
    Field Fields(const QString& nombre);
    Field operator[](const QString& nombre) { return Fields(nombre); }
    int IndiceCampo(const QString& nombre) const;

    void AddNew();
    void Update();
    void CancelUpdate();
    bool EditMode() const { return editando_; }

private:
    friend class Field;
    const Columna& ColumnaEn(int indice) const;
    QVariant ValorEn(int indice) const;
    void CambiarValor(int indice, const QVariant& valor);
    void ExigirAbierto() const;
    void ExigirCerrado() const;
    void AbrirPorFilas(std::unique_ptr<FilasEnCurso> filas);
    void SiguienteFila();
    void ExigirRetroceso() const;
    void ExigirFilaActual() const;
    void GuardarNueva();
    void GuardarCambios();
    QString TablaBase() const;
    QString NombreBase(int indice) const;
    QString CondicionDeFila(QVariantList& valores) const;

    Connection* conexion_ = nullptr;
    Resultado datos_;
    QMap<QString, int> indicePorNombre_;
    QString sql_;
    bool abierto_ = false;
    int fila_ = -1;
    int tipoCursor_ = adOpenForwardOnly;
    int tipoBloqueo_ = adLockReadOnly;
    int ubicacion_ = adUseClient;
    // Server-side forward-only: datos_ holds the current row only (past it at the end), and
    // filas_ the statement still to be read.
    bool porFilas_ = false;
    bool movido_ = false;
    std::unique_ptr<FilasEnCurso> filas_;
    bool editando_ = false;
    bool nueva_ = false;
    QVector<QVariant> edicion_;
    QVector<bool> cambiados_;
};

} // namespace ado
