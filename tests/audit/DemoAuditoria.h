#pragma once

#include "audit/DetallesFalsos.h"
#include "audit/VentanasVecinas.h"
#include "audit/frmAuditoria.h"
#include "audit/frmCambioEstado.h"
#include "dobles/DialogosGuionados.h"
#include "dobles/NavegadorGrabador.h"
#include "platform/ado/Recordset.h"
#include "platform/errors/ErrorEjecucion.h"
#include "platform/files/Carpetas.h"
#include "platform/forms/ArregloCajasTexto.h"
#include "platform/forms/CajaTexto.h"
#include "platform/forms/Twips.h"
#include "platform/suite/FuenteReporte.h"
#include "platform/suite/Reporteador.h"
#include "session/DB_Dll.h"
#include "session/ModGlobal.h"
#include "support/Apoyo.h"
#include "support/SesionDemo.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>

// The scripted operator. It can look around while a message is on screen, and prints to
// ArchivoPdf when the test gives one.
class Operador : public DialogosGuionados {
public:
    std::function<void()> AlVerMensaje;
    QString ArchivoPdf;

    std::optional<AjustesImpresora> ElegirImpresora() override {
        std::optional<AjustesImpresora> ajustes = DialogosGuionados::ElegirImpresora();
        if (ajustes && !ArchivoPdf.isEmpty())
            ajustes->ArchivoSalida = ArchivoPdf;
        return ajustes;
    }

protected:
    int MostrarMensaje(const QString& texto, int botones, const QString& titulo) override {
        if (AlVerMensaje)
            AlVerMensaje();
        return DialogosGuionados::MostrarMensaje(texto, botones, titulo);
    }
};

// The entry form: logs what it is given and leaves what the test says.
class FormularioFalso : public FormularioAsientoDiferencia {
public:
    explicit FormularioFalso(QStringList& r) : r_(r) {}
    bool imprimir = false;
    bool fallarAlMostrar = false;
    QString sqlTemp;

    void CargarParaModificar(const QString& tc, const QString& id) override {
        r_ << "CargarParaModificar " + tc + "|" + id;
    }
    void SetTope(const Currency& t) override { r_ << "Tope " + QString::number(t.Escalado()); }
    void SetTc_O(const QString& v) override { r_ << "Tc_O " + v; }
    void SetCpte_O(const QString& v) override { r_ << "Cpte_O " + v; }
    void SetAstNumero(const QString& v) override { r_ << "AstNumero " + v; }
    void SetHeight(int twips) override { r_ << "Height " + QString::number(twips); }
    void SetMotivoVisible(bool v) override { r_ << QString("frmMotivo ") + (v ? "True" : "False"); }
    void ShowModal() override {
        r_ << "ShowModal";
        if (fallarAlMostrar)
            throw ErrorEjecucion(13, "No coinciden los tipos");
    }
    bool Imprimir() const override { return imprimir; }
    QString TC() const override { return "NCPE"; }
    QString Suc() const override { return "0001"; }
    QString Nro() const override { return "00000002"; }
    QString Letra() const override { return "X"; }
    QString Asiento() const override { return "2"; }
    QString Mes() const override { return "12"; }
    QString Periodo() const override { return "2025"; }
    QString SQLTemp() const override { return sqlTemp; }

private:
    QStringList& r_;
};

// Keeps what the report printer asked for, instead of reading the database.
class FuenteGrabadora : public FuenteReporte {
public:
    std::vector<PedidoReporte> Pedidos;
    std::vector<FilaAsiento> FilasAsiento(const PedidoReporte& pedido) override {
        Pedidos.push_back(pedido);
        return {FilaAsiento{}}; // an entry with no line is not printed
    }
};

// The demo company's session with the scripted operator answering and the other windows faked.
class DemoAuditoria : public SesionDemo<Operador> {
protected:
    void SetUp() override {
        SesionDemo::SetUp();
        VentanasVecinas& v = VentanasVecinas::Actuales();
        v.DetalleComprobante = [this] { return &detalles; };
        v.DetalleRecibo = [this] { return &detalles; };
        v.AsientoComprobante = [this] { return &detalles; };
        v.AsientoDiferencia = [this] { return &form; };
        v.LiberarAsientoDiferencia = [this] { registro << "Liberar"; };
    }
    void TearDown() override {
        if (frm)
            frm->Unload();
        Liberar<frmCambioEstado>();
        Liberar<frmAuditoria>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Reporteador::EstablecerFuente(nullptr);
        VentanasVecinas::Actuales() = VentanasVecinas();
        SesionDemo::TearDown();
    }
    // The main window, loaded.
    void AbrirVentana() {
        frm = &Instancia<frmAuditoria>();
        frm->Load();
    }
    // Exactly one message was shown, this one.
    void EsperarAviso(const QString& texto, const QString& titulo, int botones) {
        ASSERT_EQ(guion.Mensajes.size(), 1u);
        EXPECT_EQ(guion.Mensajes[0].Texto, texto);
        EXPECT_EQ(guion.Mensajes[0].Titulo, titulo);
        EXPECT_EQ(guion.Mensajes[0].Botones, botones);
    }
    NavegadorGrabador& Navegador() { return dynamic_cast<NavegadorGrabador&>(frm->wbExplorer()); }
    // `cuantas` pending differences of a supplier of their own, named "Paginas" (in place of
    // any added before), newest first by number: difference i is NCPE 0009-i, dated i
    // minutes before noon of 30/06/2026.
    void DiferenciasDePaginas(int cuantas) {
        cnn.EjecutarNativo("DELETE FROM MV_ASIENTOS WHERE CABNOMBRE = 'Paginas'", {}, nullptr);
        cnn.EjecutarNativo(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?1) "
            "INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, FECHA, PERIODO, "
            "MES_OPERATIVO, CUENTA, [DEBE-HABER], IMPORTE, TC_ORIGEN, CPTE_ORIGEN, CABCUENTA, "
            "CABNOMBRE, ESTADO) SELECT 'NCPE', '0009', printf('%08d', i), 'X', 1, "
            "datetime('2026-06-30 12:00:00', '-' || i || ' minutes'), 2026, 6, '211010101', 'D', "
            "i, 'FCC', '000900000001A', '211010101', 'Paginas', 0 FROM n WHERE ?1 > 0",
            {cuantas}, nullptr);
    }

    QStringList registro; // what the fake windows were asked, in order
    DetallesFalsos detalles{registro};
    FormularioFalso form{registro};
    QPointer<frmAuditoria> frm;
};
