#pragma once

#include "platform/ado/Recordset.h"
#include "session/ClaveComprobante.h"

#include <QString>

class EscrituraPagina;

// The page of one stock-movement voucher: its date and deposit, the articles it moved, the
// vouchers it applies and that apply to it, the reception reports of an order, its history,
// its business unit and the link to its journal entry.
class PaginaStock {
public:
    // Writes the page into `archivo`. Errors are told to the operator here, once each: a
    // failing query or value leaves that part out when the operator goes on; a page file
    // that fails is written again from the start or left as far as it got. With EsVenta the
    // history is narrowed to the voucher's complement.
    static void Generar(const QString& archivo, const ClaveComprobante& clave, bool EsVenta);

private:
    PaginaStock(EscrituraPagina& escritura, const ClaveComprobante& clave, bool EsVenta);

    void Escribir();
    void EscribirCabecera();
    void EscribirInsumos();
    void EscribirAplicadosPor();
    void EscribirQueAplican();
    void EscribirInformesRecepcion();
    void EscribirHistorial();
    void EscribirUnidadNegocio();

    QString Where() const;
    QString ClaveTitulo() const;
    QString Cabecera(const char* campo);

    EscrituraPagina& e_;
    ClaveComprobante clave_;
    bool esVenta_;
    ado::Recordset rsCabecera_;
    bool hayCabecera_ = false;
};
