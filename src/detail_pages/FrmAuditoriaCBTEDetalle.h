#pragma once

#include "detail_pages/FrmDetalle.h"

#include <QString>

// One sales or purchase voucher as a readable page ("Detalle del Comprobante"). The main
// window shows its vouchers in the default instance; the links of the detail pages open a
// new window for every voucher they follow.
class FrmAuditoriaCBTEDetalle : public FrmDetalleDe<FrmAuditoriaCBTEDetalle> {
    Q_OBJECT
public:
    explicit FrmAuditoriaCBTEDetalle(QWidget* parent = nullptr);

    // Shows the voucher from the sales views (EsVenta) or the purchase views, where Cuenta,
    // the supplier's account, is part of the key. The page's links carry Cuenta on.
    void Mostrar(const QString& iTC, const QString& iSucursal, const QString& iNumero,
                 const QString& iLetra, bool EsVenta, const QString& Cuenta = {});

    // Voucher links open the voucher's window (a stock movement's too); "[VER ASIENTO]" the
    // journal entry for the page's account.
    void wbExplorer_BeforeNavigate2(const QString& URL, bool& Cancel) override;
};
