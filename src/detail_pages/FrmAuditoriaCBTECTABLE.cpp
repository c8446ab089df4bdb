#include "detail_pages/FrmAuditoriaCBTECTABLE.h"

#include "detail_pages/EnlaceDetalle.h"

FrmAuditoriaCBTECTABLE::FrmAuditoriaCBTECTABLE(QWidget* parent)
    : FrmDetalleDe(QStringLiteral("Detalle del Comprobante Contable"), parent) {}

void FrmAuditoriaCBTECTABLE::Mostrar(const QString& iTC, const QString& iSucursal,
                                     const QString& iNumero, const QString& iLetra,
                                     const QString& iCuenta) {
    FrmDetalle::Mostrar(QStringLiteral("Detalle del Comprobante Contable "), iTC, iSucursal,
                        iNumero, iLetra, QStringLiteral("AuditoriaCBTEctable.htm"),
                        [&](QString& ArchivoPagina) {
                            Generar(ArchivoPagina, iTC, iSucursal, iNumero, iLetra, iCuenta);
                        });
}

void FrmAuditoriaCBTECTABLE::wbExplorer_BeforeNavigate2(const QString& URL, bool& Cancel) {
    EnlaceDetalle::Seguir(EnlaceDetalle::Manejador::Asiento, URL, Cancel);
}
