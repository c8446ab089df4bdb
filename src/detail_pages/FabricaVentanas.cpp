#include "detail_pages/FabricaVentanas.h"

#include "detail_pages/FrmAuditoriaCBTECTABLE.h"
#include "detail_pages/FrmAuditoriaCBTEDetalle.h"
#include "detail_pages/FrmAuditoriaPopUp.h"
#include "detail_pages/FrmAuditoriaRECIBODetalle.h"
#include "detail_pages/FrmAuditoriaTCSTOCK.h"
#include "session/ModGlobal.h"

FabricaVentanas& FabricaVentanas::Actual() {
    static FabricaVentanas fabrica;
    return fabrica;
}

namespace {

// ---- FrmAuditoriaCBTECTABLE: the journal entry, always its default instance -------------
void RegistrarAsientoComprobante(FabricaVentanas& f, VentanasVecinas& v) {
    v.AsientoComprobante = &AsientoComprobantePredeterminado<FrmAuditoriaCBTECTABLE>::Acceso;
    f.Liberaciones.push_back(&Liberar<FrmAuditoriaCBTECTABLE>);
}

// ---- FrmAuditoriaPopUp: opened by no window; its default instance goes with the others ---
void RegistrarPopUp(FabricaVentanas& f, VentanasVecinas&) {
    f.Liberaciones.push_back(&Liberar<FrmAuditoriaPopUp>);
}

// ---- FrmAuditoriaCBTEDetalle: sales and purchase vouchers ---------------------------------
// Needs Mostrar(iTC, iSucursal, iNumero, iLetra, bool EsVenta, Cuenta) and Show().
void RegistrarDetalleComprobante(FabricaVentanas& f, VentanasVecinas& v) {
    f.NuevoDetalleComprobante = [](const ClaveComprobante& c, bool venta, const QString& cuenta) {
        AbrirNueva<FrmAuditoriaCBTEDetalle>(c, venta, cuenta);
    };
    v.DetalleComprobante = &DetalleComprobantePredeterminado<FrmAuditoriaCBTEDetalle>::Acceso;
    f.Liberaciones.push_back(&Liberar<FrmAuditoriaCBTEDetalle>);
}

// ---- FrmAuditoriaTCSTOCK: stock movements (only new instances are opened) -----------------
// Needs Mostrar(iTC, iSucursal, iNumero, iLetra, bool EsVenta) and Show().
void RegistrarStock(FabricaVentanas& f, VentanasVecinas&) {
    f.NuevoStock = [](const ClaveComprobante& c, bool venta) {
        AbrirNueva<FrmAuditoriaTCSTOCK>(c, venta);
    };
    f.Liberaciones.push_back(&Liberar<FrmAuditoriaTCSTOCK>);
}

// ---- FrmAuditoriaRECIBODetalle: receipts and payments -------------------------------------
// Needs Mostrar(iTC, iSucursal, iNumero, iLetra, bool EsVenta, Cuenta) and Show().
void RegistrarRecibo(FabricaVentanas& f, VentanasVecinas& v) {
    f.NuevoRecibo = [](const ClaveComprobante& c, bool venta, const QString& cuenta) {
        AbrirNueva<FrmAuditoriaRECIBODetalle>(c, venta, cuenta);
    };
    v.DetalleRecibo = &DetalleReciboPredeterminado<FrmAuditoriaRECIBODetalle>::Acceso;
    f.Liberaciones.push_back(&Liberar<FrmAuditoriaRECIBODetalle>);
}

} // namespace

void InstalarVentanasDetalle() {
    FabricaVentanas& f = FabricaVentanas::Actual();
    VentanasVecinas& v = VentanasVecinas::Actuales();
    f = FabricaVentanas();
    f.MenuExes = [](const QString& Link) {
        long ProcessId = 0;
        ModGlobal::MenuExes(Link, QString(), ProcessId);
    };
    RegistrarAsientoComprobante(f, v);
    RegistrarPopUp(f, v);
    RegistrarDetalleComprobante(f, v);
    RegistrarStock(f, v);
    RegistrarRecibo(f, v);
    v.LiberarDetalles = [] {
        for (const auto& liberar : FabricaVentanas::Actual().Liberaciones)
            liberar();
    };
}
