#include "detail_pages/FrmAuditoriaRECIBODetalle.h"

#include "detail_pages/EnlaceDetalle.h"
#include "detail_pages/PaginaRecibo.h"

FrmAuditoriaRECIBODetalle::FrmAuditoriaRECIBODetalle(QWidget* parent)
    : FrmDetalleDe(QStringLiteral("Detalle del Recibo"), parent) {
    FijarAreaDiseno(8790, 6660);
}

void FrmAuditoriaRECIBODetalle::Mostrar(const QString& iTC, const QString& iSucursal,
                                        const QString& iNumero, const QString& iLetra, bool EsVenta,
                                        const QString& Cuenta) {
    FrmDetalle::Mostrar(QStringLiteral("Detalle de "), iTC, iSucursal, iNumero, iLetra,
                        QStringLiteral("AuditoriaRECIBOdetalles.htm"), [&](QString& ArchivoPagina) {
                            PaginaRecibo::Generar(ArchivoPagina, {iTC, iSucursal, iNumero, iLetra},
                                                  EsVenta, Cuenta);
                        });
}

void FrmAuditoriaRECIBODetalle::wbExplorer_BeforeNavigate2(const QString& URL, bool& Cancel) {
    EnlaceDetalle::Seguir(EnlaceDetalle::Manejador::Recibo, URL, Cancel);
}
