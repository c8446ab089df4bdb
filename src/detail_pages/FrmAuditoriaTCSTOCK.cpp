#include "detail_pages/FrmAuditoriaTCSTOCK.h"

#include "detail_pages/EnlaceDetalle.h"
#include "detail_pages/PaginaStock.h"

FrmAuditoriaTCSTOCK::FrmAuditoriaTCSTOCK(QWidget* parent)
    : FrmDetalleDe(QStringLiteral("Detalle del Comprobante"), parent) {}

void FrmAuditoriaTCSTOCK::Mostrar(const QString& iTC, const QString& iSucursal,
                                  const QString& iNumero, const QString& iLetra, bool EsVenta) {
    FrmDetalle::Mostrar(
        QStringLiteral("Detalle del Comprobante "), iTC, iSucursal, iNumero, iLetra,
        QStringLiteral("AuditoriaCBTEdetalles.htm"), [&](QString& ArchivoPagina) {
            PaginaStock::Generar(ArchivoPagina, {iTC, iSucursal, iNumero, iLetra}, EsVenta);
        });
}

void FrmAuditoriaTCSTOCK::wbExplorer_BeforeNavigate2(const QString& URL, bool& Cancel) {
    EnlaceDetalle::Seguir(EnlaceDetalle::Manejador::Stock, URL, Cancel);
}
