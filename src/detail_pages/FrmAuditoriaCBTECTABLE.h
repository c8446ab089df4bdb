#pragma once

#include "detail_pages/FrmDetalle.h"

#include <QString>

// The journal entry of a voucher ("Detalle del Comprobante Contable"): its head, lines with
// the sums of both sides, the history of actions on it and its business unit. Always used
// through its default instance, so every request replaces the entry shown.
class FrmAuditoriaCBTECTABLE : public FrmDetalleDe<FrmAuditoriaCBTECTABLE> {
    Q_OBJECT
public:
    explicit FrmAuditoriaCBTECTABLE(QWidget* parent = nullptr);

    // Shows the voucher's entries, or with iCuenta only the entry of the first line carrying
    // that account.
    void Mostrar(const QString& iTC, const QString& iSucursal, const QString& iNumero,
                 const QString& iLetra, const QString& iCuenta = {});

    // Article links start the article program; voucher links open the voucher's window.
    void wbExplorer_BeforeNavigate2(const QString& URL, bool& Cancel) override;

private:
    // The page writer (FrmAuditoriaCBTECTABLEPagina.cpp); reports its own errors.
    void Generar(QString& ArchivoPagina, const QString& iTC, const QString& iSucursal,
                 const QString& iNumero, const QString& iLetra, const QString& iCuenta);
};
