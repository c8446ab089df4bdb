#pragma once

#include "detail_pages/FrmDetalle.h"

#include <QString>

// One stock-movement voucher as a readable page ("Detalle del Comprobante"), opened by the
// links of the sales and purchase voucher page; every link opens a window of its own. It
// writes the same page file as the sales and purchase window.
class FrmAuditoriaTCSTOCK : public FrmDetalleDe<FrmAuditoriaTCSTOCK> {
    Q_OBJECT
public:
    explicit FrmAuditoriaTCSTOCK(QWidget* parent = nullptr);

    // With EsVenta the history is narrowed to the voucher's complement.
    void Mostrar(const QString& iTC, const QString& iSucursal, const QString& iNumero,
                 const QString& iLetra, bool EsVenta);

    // Voucher links open the voucher's window ("NCPE" its journal entry); "[VER ASIENTO]" the
    // voucher's journal entry.
    void wbExplorer_BeforeNavigate2(const QString& URL, bool& Cancel) override;
};
