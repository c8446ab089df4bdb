#include "detail_pages/FrmAuditoriaCBTEDetalle.h"

#include "detail_pages/EnlaceDetalle.h"
#include "detail_pages/PaginaComprobante.h"

FrmAuditoriaCBTEDetalle::FrmAuditoriaCBTEDetalle(QWidget* parent)
    : FrmDetalleDe(QStringLiteral("Detalle del Comprobante"), parent) {}

void FrmAuditoriaCBTEDetalle::Mostrar(const QString& iTC, const QString& iSucursal,
                                      const QString& iNumero, const QString& iLetra, bool EsVenta,
                                      const QString& Cuenta) {
    FrmDetalle::Mostrar(QStringLiteral("Detalle del Comprobante "), iTC, iSucursal, iNumero, iLetra,
                        QStringLiteral("AuditoriaCBTEdetalles.htm"), [&](QString& ArchivoPagina) {
                            PaginaComprobante::Generar(
                                ArchivoPagina, {iTC, iSucursal, iNumero, iLetra}, EsVenta, Cuenta);
                        });
}

void FrmAuditoriaCBTEDetalle::wbExplorer_BeforeNavigate2(const QString& URL, bool& Cancel) {
    EnlaceDetalle::Seguir(EnlaceDetalle::Manejador::DetalleComprobante, URL, Cancel);
}
