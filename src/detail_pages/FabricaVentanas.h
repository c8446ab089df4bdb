#pragma once

#include "audit/VentanasVecinas.h"
#include "platform/forms/Formulario.h"

#include <QString>
#include <functional>
#include <vector>

// How the detail pages' links open windows. The links open a new instance of the sales and
// purchase, stock-movement or receipt window for every click, and the shared (default)
// instances of the journal-entry, sales and purchase and receipt windows through the hooks the
// main window uses too (VentanasVecinas). Each hook is replaceable, so tests record what a
// link would open instead of opening it.
struct FabricaVentanas {
    using AbrirConCuenta =
        std::function<void(const ClaveComprobante& clave, bool EsVenta, const QString& Cuenta)>;
    using Abrir = std::function<void(const ClaveComprobante& clave, bool EsVenta)>;

    // A new window each call: loaded, filled by its Mostrar, then shown. An empty hook opens
    // nothing.
    AbrirConCuenta NuevoDetalleComprobante; // FrmAuditoriaCBTEDetalle
    Abrir NuevoStock;                       // FrmAuditoriaTCSTOCK
    AbrirConCuenta NuevoRecibo;             // FrmAuditoriaRECIBODetalle
    // Starts a sibling program ("shell:" + program and arguments) with the session's values.
    std::function<void(const QString& Link)> MenuExes;
    // Releases the default instances of the detail windows (the main window's unload).
    std::vector<std::function<void()>> Liberaciones;

    static FabricaVentanas& Actual();
};

// Puts the detail windows in place: the hooks above and those of VentanasVecinas that the main
// window's links use. Called once by main() before the main window shows.
void InstalarVentanasDetalle();

// ---- Helpers for the registration of a window class ----------------------------------------

// A further instance of T, loaded, showing the voucher and shown; it lives on by itself.
template <class T, class... Argumentos>
void AbrirNueva(const ClaveComprobante& c, const Argumentos&... argumentos) {
    T* ventana = new T();
    ventana->Load();
    ventana->Mostrar(c.TC, c.Sucursal, c.Numero, c.Letra, argumentos...);
    ventana->Show();
}

// The default instances as the main window's links see them. Mostrar loads the window first
// (as the implicit load of a window does); each call reaches the instance alive at that
// moment, so a released window is made afresh.
template <class T> class DetalleComprobantePredeterminado : public VentanaDetalleComprobante {
public:
    void Mostrar(const ClaveComprobante& c, bool EsVenta, const QString& Cuenta) override {
        T& ventana = Instancia<T>();
        ventana.Load();
        ventana.Mostrar(c.TC, c.Sucursal, c.Numero, c.Letra, EsVenta, Cuenta);
    }
    void Show() override { Instancia<T>().Show(); }
    static VentanaDetalleComprobante* Acceso() {
        static DetalleComprobantePredeterminado acceso;
        return &acceso;
    }
};

template <class T> class DetalleReciboPredeterminado : public VentanaDetalleRecibo {
public:
    void Mostrar(const ReciboDeCuenta& c, bool EsVenta) override {
        T& ventana = Instancia<T>();
        ventana.Load();
        ventana.Mostrar(c.TC, c.Sucursal, c.Numero, c.Letra, EsVenta, c.Cuenta);
    }
    void Show() override { Instancia<T>().Show(); }
    static VentanaDetalleRecibo* Acceso() {
        static DetalleReciboPredeterminado acceso;
        return &acceso;
    }
};

template <class T> class AsientoComprobantePredeterminado : public VentanaAsientoComprobante {
public:
    void Mostrar(const ClaveComprobante& c, const QString& Cuenta) override {
        T& ventana = Instancia<T>();
        ventana.Load();
        ventana.Mostrar(c.TC, c.Sucursal, c.Numero, c.Letra, Cuenta);
    }
    void Show() override { Instancia<T>().Show(); }
    static VentanaAsientoComprobante* Acceso() {
        static AsientoComprobantePredeterminado acceso;
        return &acceso;
    }
};
