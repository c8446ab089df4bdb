#pragma once

#include "session/ClaveComprobante.h"

#include <QString>

// The command links of the detail pages: how the page writers write them and how the detail
// windows read them and decide what to open.
//
// A link is made of marker words and values: "_TC_FC_SUCURSAL_0001_NUMERO_00001234_LETRA_A"
// (a voucher), the same with "_CUENTA_" + account, "_VER_ASIENTOTC_..." (the voucher's
// journal entry, optionally with "_CABCUENTA_" + account) and "\ARTICULO_" + code (an
// article). Only the link's own part of the address the browser reports is read (see
// EnlacePagina.h), never the folder it was resolved against. A link is known by the marker it
// begins with; markers are found without regard to case, and each value is read exactly as it
// was written.
namespace EnlaceDetalle {

// ---- Writing the links ------------------------------------------------------------------

// The link texts, values percent-encoded, markers as they stand.
QString Comprobante(const ClaveComprobante& clave);
QString ComprobanteConCuenta(const ClaveComprobante& clave, const QString& Cuenta);
// The voucher link with the account only where the key needs it: a purchase or payment key is
// the supplier's own, and two suppliers may hold the same one.
QString ComprobanteDeCuenta(const ClaveComprobante& clave, const QString& Cuenta);
QString Asiento(const ClaveComprobante& clave);
QString AsientoConCuenta(const ClaveComprobante& clave, const QString& Cuenta);
// The anchor that opens a link: "<A HREF=\"" + link + "\">" (left open, as the pages write
// it; the visible text follows).
QString Ancla(const QString& Enlace);

// ---- Reading the links ------------------------------------------------------------------

// The window whose link handler reads the address: each reads the links a little
// differently and opens different windows.
enum class Manejador {
    Stock,              // FrmAuditoriaTCSTOCK
    Recibo,             // FrmAuditoriaRECIBODetalle
    DetalleComprobante, // FrmAuditoriaCBTEDetalle
    Asiento,            // FrmAuditoriaCBTECTABLE
    PopUp,              // FrmAuditoriaPopUp
};

// What a link opens.
enum class Ventana {
    Ninguna,
    NuevoDetalleComprobante, // a new FrmAuditoriaCBTEDetalle
    NuevoStock,              // a new FrmAuditoriaTCSTOCK
    NuevoRecibo,             // a new FrmAuditoriaRECIBODetalle
    DetalleComprobante,      // the default FrmAuditoriaCBTEDetalle
    Recibo,                  // the default FrmAuditoriaRECIBODetalle
    Asiento,                 // the default FrmAuditoriaCBTECTABLE
    Articulo,                // the article program
    CuentaPopUp,             // the pop-up's account lookup
};

// A handler's decision: whether the navigation is cancelled and what, if anything, it opens
// with which values (decoded, as cut, not trimmed).
struct Destino : ClaveComprobante {
    bool Cancel = false;
    Ventana Abre = Ventana::Ninguna;
    bool EsVenta = false;
    QString Cuenta;   // the account passed on (and the pop-up's account code)
    QString Articulo; // the article code
};

// The decision of the window's handler for the address. A link that is cut short, whose
// markers stand out of order or whose key values are empty is still cancelled but opens
// nothing; so is an address that holds a marker the handler reads only further on.
Destino Enrutar(Manejador Quien, const QString& URL);

// Opens what the decision says (through the installed windows, see FabricaVentanas.h). The
// pop-up's account lookup is its own window's business and is not done here.
void Abrir(const Destino& d);

// Both at once: the link handler of the detail windows.
void Seguir(Manejador Quien, const QString& URL, bool& Cancel);

} // namespace EnlaceDetalle
