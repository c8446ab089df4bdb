#pragma once

#include "SesionDetalle.h"
#include "audit/DetallesFalsos.h"

// Makes the window opener record what the links would open instead of opening it.
inline void GrabarAperturas(QStringList& abiertas) {
    const auto venta = [](bool v) { return QString(v ? "venta" : "compra"); };
    FabricaVentanas& f = FabricaVentanas::Actual();
    f.NuevoDetalleComprobante = [&abiertas, venta](const ClaveComprobante& k, bool v,
                                                   const QString& cuenta) {
        abiertas << "Detalle " + Partes(k, {venta(v), cuenta});
    };
    f.NuevoStock = [&abiertas, venta](const ClaveComprobante& k, bool v) {
        abiertas << "Stock " + Partes(k, {venta(v)});
    };
    f.NuevoRecibo = [&abiertas, venta](const ClaveComprobante& k, bool v, const QString& cuenta) {
        abiertas << "Recibo " + Partes(k, {venta(v)}) + (cuenta.isEmpty() ? "" : "|" + cuenta);
    };
}

// The detail pages' session with every window a link would open written into `abiertas`
// instead of being opened.
class DetalleDemo : public SesionDetalle, public VentanaAsientoComprobante {
protected:
    void SetUp() override {
        SesionDetalle::SetUp();
        GrabarAperturas(abiertas);
        FabricaVentanas::Actual().MenuExes = [this](const QString& link) {
            abiertas << "MenuExes " + link;
        };
        VentanasVecinas::Actuales().AsientoComprobante = [this] { return this; };
    }

    // A second supplier, 211010100, holding the keys of FCC 0005-00004549 A (settled by PG
    // 0001-00000495 X of 211010103) and OC 0001-00000107 X (applied by IR 0001-00000322 X of
    // 211010112), with an amount of its own: the lower account, first in any order by account.
    void OtroProveedorConLasMismasClaves() {
        for (const char* clave : {"'FCC', '0005', '00004549', 'A'", "'OC', '0001', '00000107', 'X'",
                                  "'PG', '0001', '00000495', 'X'"})
            Ejecutar(QStringLiteral("INSERT INTO MV_CPTE (TC, SUCURSAL, NUMERO, LETRA, FECHA, "
                                    "CUENTA, NOMBRE, IMPORTE) VALUES (") +
                     clave + ", '2025-12-01', '211010100', 'Otro Proveedor S.A.', 999)");
        // Its payment of that key, in an entry of its own (the rows numbered on from the other
        // supplier's, as the table's key requires), settling its own invoice.
        Ejecutar("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, FECHA, "
                 "PERIODO, MES_OPERATIVO, [NUMERO ASIENTO], TIPO_REG, CUENTA, [DEBE-HABER], "
                 "IMPORTE, CABCUENTA, CABNOMBRE) VALUES ('PG', '0001', '00000495', 'X', 5, "
                 "'2026-02-10', 2026, 2, 2, 'CAJA', '211010100', 'D', 999, '211010100', 'Otro "
                 "Proveedor S.A.'), ('PG', '0001', '00000495', 'X', 6, '2026-02-10', 2026, 2, 2, "
                 "'CAJA', '1110101', 'H', 999, '211010100', 'Otro Proveedor S.A.')");
        Ejecutar("INSERT INTO MV_APLICACION (CUENTA, TC, SUCURSAL, NUMERO, LETRA, TCO_ORIGEN, "
                 "SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN, IMPORTE) VALUES ('211010100', "
                 "'PG', '0001', '00000495', 'X', 'FCC', '0005', '00004549', 'A', 999)");
    }

    // The page as text, decoded from Windows-1252.
    static QString Leer(const QString& ruta) { return QString::fromLatin1(Bytes(ruta)); }

    // Asks a link handler and tells what it opened, then whether it cancelled.
    template <class Ventana> QString Seguir(Ventana& ventana, const QString& url) {
        abiertas.clear();
        bool cancel = false;
        ventana.wbExplorer_BeforeNavigate2(url, cancel);
        abiertas << (cancel ? "Cancel" : "Sigue");
        return abiertas.join(',');
    }

    QStringList abiertas;

private:
    void Mostrar(const ClaveComprobante& k, const QString& cuenta) override {
        abiertas << "Asiento " + Partes(k, {cuenta});
    }
    void Show() override { abiertas << "Show"; }
};
