#pragma once

#include "audit/EscrituraArchivoPagina.h"
#include "platform/ado/Recordset.h"
#include "session/ClaveComprobante.h"

#include <QString>
#include <functional>

// One attempt at writing a detail page: the page file with the error routine that every
// statement of the page runs under, and the pieces that the stock-movement and receipt pages
// write alike.
class EscrituraPagina {
public:
    using Cuerpo = std::function<void(EscrituraPagina&)>;
    using Fila = std::function<QString(ado::Recordset&)>;

    // Writes `archivo` with the lines of `cuerpo`, from the start again while the operator
    // asks to retry a page file that failed.
    static void Generar(const QString& archivo, const Cuerpo& cuerpo);

    // One statement of the page under its error routine; leaving there leaves the page.
    void Ejecutar(const Paso& paso);
    void Linea(const QString& texto);
    // Opens the statement; true when it gave rows, and the recordset is on the first. A
    // statement the database refused has been reported already and gives no rows.
    bool Consultar(const QString& sql, ado::Recordset& rs);
    // A section without rows leaves no trace; one with rows writes its heading, one line per
    // row and "</TABLE>".
    void Seccion(const QString& sql, const QString& encabezado, const Fila& fila);

    // ---- Pieces both pages write ------------------------------------------------------------
    void Cabecera(const QString& titulo);
    // The company's name and today's date.
    void Empresa();
    // The voucher type's name and the key as the title. With the type found, the title's
    // table stays open; without it, `cerrarSinTipo` closes the table.
    void Titulo(const ClaveComprobante& clave, bool cerrarSinTipo);
    // The history of actions read by `sql`.
    void Historial(const QString& sql);
    void EnlaceAsiento(const ClaveComprobante& clave, const QString& Cuenta = {});

    // The table every section opens, and the opening of every section heading but the
    // history's.
    static const QString Tabla;
    static const QString AperturaSeccion;

    // A key value at the width its column keys it, as a literal for a statement.
    static QString Relleno(const QString& valor, int ancho);
    // A field of the current row as page text.
    static QString Texto(ado::Recordset& rs, const char* campo);

private:
    EscrituraArchivoPagina pagina_;
    archivos::ArchivoTexto& archivo_ = pagina_.Archivo();
};
