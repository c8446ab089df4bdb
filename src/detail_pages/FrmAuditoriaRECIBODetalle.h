#pragma once

#include "detail_pages/FrmDetalle.h"

#include <QString>

// One receipt or payment as a readable page ("Detalle del Recibo"). The main window shows its
// receipts and payments in the default instance; the links of the detail pages open a new
// window for every voucher they follow.
class FrmAuditoriaRECIBODetalle : public FrmDetalleDe<FrmAuditoriaRECIBODetalle> {
    Q_OBJECT
public:
    explicit FrmAuditoriaRECIBODetalle(QWidget* parent = nullptr);

    // From the sales views with EsVenta, from the purchase views without it; for the party of
    // `Cuenta` when it is given.
    void Mostrar(const QString& iTC, const QString& iSucursal, const QString& iNumero,
                 const QString& iLetra, bool EsVenta, const QString& Cuenta = {});

    // Article links start the article program when it is there; voucher links open the
    // voucher's window; "[VER ASIENTO]" the voucher's journal entry.
    void wbExplorer_BeforeNavigate2(const QString& URL, bool& Cancel) override;
};
