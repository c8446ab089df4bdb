#pragma once

#include "platform/ado/Recordset.h"
#include "session/ClaveComprobante.h"

#include <QString>

class EscrituraPagina;

// The page of one receipt or payment: the customer or supplier, how the money was paid or
// received, the vouchers it settled, its total in words, discounts and withholdings, its
// history, its business unit and the link to its journal entry.
class PaginaRecibo {
public:
    // Writes the page into `archivo`, from the sales views with EsVenta and from the purchase
    // views without it (payments always read the vouchers they settled from the purchase
    // view). Errors are told to the operator here, once each: a failing query or value leaves
    // that part out when the operator goes on; a page file that fails is written again from
    // the start or left as far as it got.
    // With `Cuenta`, the voucher is read for that party alone: two suppliers may hold one
    // payment key, and every part of the page is the party's own payment.
    static void Generar(const QString& archivo, const ClaveComprobante& clave, bool EsVenta,
                        const QString& Cuenta = {});

private:
    PaginaRecibo(EscrituraPagina& escritura, const ClaveComprobante& clave, bool EsVenta,
                 const QString& Cuenta);

    void Escribir();
    void ConsultarParte();
    void EscribirParte();
    void EscribirDetallesPago();
    void EscribirAfectados();
    void EscribirTotales();
    void EscribirHistorial();
    void EscribirUnidadNegocio();

    // "TC='...' and SUCURSAL='...' and NUMERO='...' and LETRA='...'", each part filled to its
    // column's width, the columns named after `prefijo`.
    QString CondicionRellena(const QString& prefijo) const;
    // A value of the party row as page text, and as it stands.
    QString Parte(const char* campo);
    QString ValorParte(const char* campo);
    // An amount of the party row as it stands, 0 for Null.
    QString Importe(const char* campo);
    // The discounts and withholdings; the purchase selection has no withholdings, which then
    // show empty.
    QString Descuentos();
    QString Retencion(const char* campo);

    // The party's account as read, between apostrophes, for the queries that keep to it.
    QString CuentaSql() const;

    EscrituraPagina& e_;
    ClaveComprobante clave_;
    bool esVenta_;
    QString cuenta_;
    // The account of the party row, read once.
    QString cuentaParte_;
    ado::Recordset rsParte_;
    bool hayParte_ = false;
};
