#pragma once

#include "audit/VentanasVecinas.h"

#include <QStringList>

// The key's four parts and the other values, as a window's log writes them.
inline QString Partes(const ClaveComprobante& k, const QStringList& resto) {
    return (QStringList{k.TC, k.Sucursal, k.Numero, k.Letra} + resto).join('|');
}

// The detail windows the links open: every call goes into one log.
class DetallesFalsos : public VentanaDetalleComprobante,
                       public VentanaDetalleRecibo,
                       public VentanaAsientoComprobante {
public:
    explicit DetallesFalsos(QStringList& r) : r_(r) {}
    void Mostrar(const ClaveComprobante& k, bool venta, const QString& cuenta) override {
        r_ << "Detalle " + Partes(k, {venta ? "venta" : "compra", cuenta});
    }
    void Mostrar(const ReciboDeCuenta& k, bool venta) override {
        r_ << "Recibo " + Partes(k, {venta ? "venta" : "compra"}) +
                  (k.Cuenta.isEmpty() ? "" : "|" + k.Cuenta);
    }
    void Mostrar(const ClaveComprobante& k, const QString& cuenta) override {
        r_ << "Asiento " + Partes(k, {cuenta});
    }
    void Show() override { r_ << "Show"; }

private:
    QStringList& r_;
};
