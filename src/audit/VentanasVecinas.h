#pragma once

#include "platform/runtime/Currency.h"
#include "session/ClaveComprobante.h"

#include <QString>
#include <functional>

// The windows of the other parts of the program that the list page's links open, as the
// audit sees them. Each part installs its window when it exists; until then the hook is
// empty and the link opens nothing.

// The detail window of sales and purchase vouchers (its shared instance).
class VentanaDetalleComprobante {
public:
    virtual ~VentanaDetalleComprobante() = default;
    virtual void Mostrar(const ClaveComprobante& clave, bool EsVenta,
                         const QString& Cuenta = {}) = 0;
    virtual void Show() = 0;
};

// The detail window of receipts and payments (its shared instance). The account, when the link
// names one, is the party the voucher is read for: two suppliers may hold one payment key.
struct ReciboDeCuenta : ClaveComprobante {
    QString Cuenta;
};
class VentanaDetalleRecibo {
public:
    virtual ~VentanaDetalleRecibo() = default;
    virtual void Mostrar(const ReciboDeCuenta& recibo, bool EsVenta) = 0;
    virtual void Show() = 0;
};

// The journal-entry window of a voucher (its shared instance).
class VentanaAsientoComprobante {
public:
    virtual ~VentanaAsientoComprobante() = default;
    virtual void Mostrar(const ClaveComprobante& clave, const QString& Cuenta = {}) = 0;
    virtual void Show() = 0;
};

// The difference journal-entry form (its shared instance), as the modify link drives it.
class FormularioAsientoDiferencia {
public:
    virtual ~FormularioAsientoDiferencia() = default;
    virtual void CargarParaModificar(const QString& TComp, const QString& IdCpte) = 0;
    virtual void SetTope(const Currency& Tope) = 0;
    virtual void SetTc_O(const QString& Tc_O) = 0;
    virtual void SetCpte_O(const QString& Cpte_O) = 0;
    virtual void SetAstNumero(const QString& AstNumero) = 0;
    virtual void SetHeight(int twips) = 0;
    virtual void SetMotivoVisible(bool Visible) = 0; // frame frmMotivo
    virtual void ShowModal() = 0;
    virtual bool Imprimir() const = 0; // check box chkImprimir is ticked
    virtual QString TC() const = 0;
    virtual QString Suc() const = 0;
    virtual QString Nro() const = 0;
    virtual QString Letra() const = 0;
    virtual QString Asiento() const = 0;
    virtual QString Mes() const = 0;
    virtual QString Periodo() const = 0;
    virtual QString SQLTemp() const = 0;
};

struct VentanasVecinas {
    // Each gives the window's shared instance, or null while that window is not built.
    std::function<VentanaDetalleComprobante*()> DetalleComprobante;
    std::function<VentanaDetalleRecibo*()> DetalleRecibo;
    std::function<VentanaAsientoComprobante*()> AsientoComprobante;
    std::function<FormularioAsientoDiferencia*()> AsientoDiferencia;
    // Release the shared instances (the entry form after each use; all at shutdown).
    std::function<void()> LiberarAsientoDiferencia;
    std::function<void()> LiberarDetalles;

    static VentanasVecinas& Actuales();
};
