#pragma once

#include "audit/VentanasVecinas.h"

#include <QStringList>

// The detail windows the links open: every call goes into one log.
class DetallesFalsos : public VentanaDetalleComprobante,
                       public VentanaDetalleRecibo,
                       public VentanaAsientoComprobante {
public:
    explicit DetallesFalsos(QStringList& r) : r_(r) {}
    void Mostrar(const QString& tc, const QString& s, const QString& n, const QString& l,
                 bool venta, const QString& cuenta) override {
        r_ << "Detalle " + QStringList{tc, s, n, l, venta ? "venta" : "compra", cuenta}.join('|');
    }
    void Mostrar(const QString& tc, const QString& s, const QString& n, const QString& l,
                 bool venta) override {
        r_ << "Recibo " + QStringList{tc, s, n, l, venta ? "venta" : "compra"}.join('|');
    }
    void Mostrar(const QString& tc, const QString& s, const QString& n, const QString& l,
                 const QString& cuenta) override {
        r_ << "Asiento " + QStringList{tc, s, n, l, cuenta}.join('|');
    }
    void Show() override { r_ << "Show"; }

private:
    QStringList& r_;
};
