#include "TextosCortados.h"
#include "audit/frmAuditoria.h"
#include "audit/frmCambioEstado.h"
#include "cost_centres/FrmConfirmaCCosto.h"
#include "detail_pages/FrmAuditoriaCBTECTABLE.h"
#include "detail_pages/FrmAuditoriaCBTEDetalle.h"
#include "detail_pages/FrmAuditoriaPopUp.h"
#include "detail_pages/FrmAuditoriaRECIBODetalle.h"
#include "detail_pages/FrmAuditoriaTCSTOCK.h"
#include "detail_pages/SesionDetalle.h"
#include "entries/FrmAsientoNDPRoNCPE.h"
#include "lookup/FrmConsComprobantes.h"
#include "lookup/Lib_ClsCons3.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ArregloCajasTexto.h"
#include "platform/forms/CajaTexto.h"
#include "platform/suite/Reporteador.h"
#include "session/frmAcceso.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <ostream>

namespace {

class VentanasDemo;

struct Ventana {
    const char* Nombre;
    std::function<void(VentanasDemo&)> Abrir;
};
void PrintTo(const Ventana& ventana, std::ostream* salida) {
    *salida << ventana.Nombre;
}

// Every window of the program on the demo company, filled with the values it shows there. The
// windows are laid out in the design's sizes, so a caption or value that does not fit is cut
// short on the user's screen.
class VentanasDemo : public SesionDetalle, public ::testing::WithParamInterface<Ventana> {
public:
    // Keeps what the window cuts short; `caso` tells which of its states was looked at.
    void Revisar(const QWidget& ventana, const QString& caso = {}) {
        const QString nombre = QString::fromLatin1(ventana.metaObject()->className()) + caso;
        for (const QString& corte : TextosCortados(ventana))
            cortes << nombre + ": " + corte;
    }

    template <class T> void Cargada() {
        T ventana;
        ventana.Load();
        Revisar(ventana);
    }
    template <class T, class... Valores> void Detalle(const Valores&... valores) {
        T ventana;
        ventana.Load();
        ventana.Mostrar(valores...);
        Revisar(ventana);
    }
    // The lookup window `abrir` shows modally.
    void Consulta(const std::function<void()>& abrir) {
        guion.AccionesModales.push_back([this](QWidget& ventana) { Revisar(ventana); });
        abrir();
        EXPECT_TRUE(guion.AccionesModales.empty()) << "no se mostró la consulta";
    }

    void Principal() {
        frmAuditoria& frm = Instancia<frmAuditoria>();
        frm.Load();
        frm.CmdActualizar().click();
        Revisar(frm);
    }
    // Every difference of the demo as the state dialog shows it, and each motive the dialog
    // names once it is typed.
    void CambioEstado() {
        ado::Recordset rs;
        rs.Open("SELECT DISTINCT TC, SUCURSAL, NUMERO, LETRA, TC_ORIGEN, CPTE_ORIGEN, ESTADO "
                "FROM MV_ASIENTOS WHERE TC = 'NCPE' AND CABCUENTA IS NOT NULL",
                cnn);
        for (; !rs.Eof(); rs.MoveNext()) {
            frmCambioEstado dlg;
            Diferencia(dlg, &rs);
            Revisar(dlg, " " + dlg.lblCpte->text());
        }
        frmCambioEstado dlg;
        Diferencia(dlg);
        dlg.Show();
        for (const QString& motivo :
             Valores("SELECT IDMOTIVOCPRA FROM TA_MOTIVOCPRA WHERE HABILITADOPARA = 'NCPE'")) {
            dlg.txtFields().Campo("IDMOTIVO").SetText(motivo);
            QTest::keyClick(&dlg.txtFields().Campo("IDMOTIVO"), Qt::Key_Return);
            Revisar(dlg, " " + dlg.lblMot->text());
        }
    }
    void ConsultaMotivos() {
        frmCambioEstado dlg;
        Diferencia(dlg);
        Consulta([&] { dlg.cmdConsultar_Click(); });
    }
    // Every difference of the demo in the entry form, as the modify link shows it.
    void AsientoDiferencia() {
        for (const QString& clave :
             Valores("SELECT DISTINCT SUCURSAL || NUMERO || LETRA FROM MV_ASIENTOS "
                     "WHERE TC = 'NCPE' AND CABCUENTA IS NOT NULL")) {
            FrmAsientoNDPRoNCPE frm;
            frm.CargarParaModificar(QStringLiteral("NCPE"), clave);
            frm.frmMotivo->setVisible(true);
            QTest::keyClick(&frm.Campo(QStringLiteral("Motivo")), Qt::Key_Return);
            Revisar(frm, " " + clave);
        }
    }
    // The pick list in each of its column layouts.
    void Comprobantes() {
        for (const char* tc : {"FC", "FCC", "NCPE", "PR", "T3", "OC", "AS"}) {
            FrmConsComprobantes lista;
            lista.TC = QString::fromLatin1(tc);
            lista.Load();
            Revisar(lista, QStringLiteral(" ") + tc);
        }
    }

protected:
    void TearDown() override {
        Liberar<frmAuditoria>();
        Reporteador::EstablecerFuente(nullptr);
        Lib_ClsCons3::Instancia() = Lib_ClsCons3();
        SesionDetalle::TearDown();
    }

    QStringList cortes;

private:
    // The difference of the row, or the demo's first one.
    void Diferencia(frmCambioEstado& dlg, ado::Recordset* rs = nullptr) {
        const auto valor = [rs](const char* campo, const char* demo) {
            return rs ? rs->Fields(QString::fromLatin1(campo)).Value().toString()
                      : QString::fromLatin1(demo);
        };
        dlg.TC = valor("TC", "NCPE");
        dlg.Suc = valor("SUCURSAL", "0001");
        dlg.Numero = valor("NUMERO", "00000001");
        dlg.Letra = valor("LETRA", "X");
        dlg.Tc_Origen = valor("TC_ORIGEN", "FCC");
        dlg.Cpte_Origen = valor("CPTE_ORIGEN", "000300004503A");
        dlg.EstadoAnterior = valor("ESTADO", "1");
        dlg.Load();
        // The state 3 shows every control: the motive's frame too.
        dlg.dpdEstadoNuevo->setCurrentIndex(3);
    }
    QStringList Valores(const QString& sql) {
        QStringList valores;
        ado::Recordset rs;
        for (rs.Open(sql, cnn); !rs.Eof(); rs.MoveNext())
            valores << rs.Fields(0).Value().toString();
        return valores;
    }
};

// One line per window; a window with nothing to show until it is loaded needs only Cargada.
const Ventana Ventanas[] = {
    {"frmAuditoria", &VentanasDemo::Principal},
    {"frmCambioEstado", &VentanasDemo::CambioEstado},
    {"Lib_FrmCons3_Cuentas",
     [](VentanasDemo& t) {
         t.Consulta([] { Lib_ClsCons3::Instancia().ConsultaSearch("MA_CUENTAS"); });
     }},
    {"Lib_FrmCons3_Motivos", &VentanasDemo::ConsultaMotivos},
    {"Lib_FrmCons3Tree",
     [](VentanasDemo& t) {
         t.Consulta([] {
             Lib_ClsCons3::Instancia().ConsultaSearch(
                 "SELECT Codigo, DESCRIPCION FROM Ta_Ccosto ORDER BY Codigo", nullptr, {}, nullptr,
                 nullptr, {}, true);
         });
     }},
    {"FrmConsComprobantes", &VentanasDemo::Comprobantes},
    {"FrmAuditoriaCBTEDetalle",
     [](VentanasDemo& t) {
         t.Detalle<FrmAuditoriaCBTEDetalle>("FCC", "0002", "00004526", "A", false, "211010102");
     }},
    {"FrmAuditoriaCBTECTABLE",
     [](VentanasDemo& t) {
         t.Detalle<FrmAuditoriaCBTECTABLE>("NCPE", "0001", "00000002", "X", QString());
     }},
    {"FrmAuditoriaTCSTOCK",
     [](VentanasDemo& t) { t.Detalle<FrmAuditoriaTCSTOCK>("IR", "0001", "00000322", "X", true); }},
    {"FrmAuditoriaRECIBODetalle",
     [](VentanasDemo& t) {
         t.Detalle<FrmAuditoriaRECIBODetalle>("CB", "0001", "00000836", "X", true);
     }},
    {"FrmAuditoriaPopUp",
     [](VentanasDemo& t) {
         t.Detalle<FrmAuditoriaPopUp>("Mayor.htm", "Mayor", "211010102", true, "01/01/2026",
                                      "31/12/2026", short(2), QVariantList{"   1"},
                                      QVariantList{"ADM"}, true, 6);
     }},
    {"FrmAsientoNDPRoNCPE", &VentanasDemo::AsientoDiferencia},
    {"frmAcceso", &VentanasDemo::Cargada<frmAcceso>},
    {"FrmConfirmaCCosto",
     [](VentanasDemo& t) {
         FrmConfirmaCCosto d;
         d.CargarCcostos("5210102", Currency::DesdeEntero(8883), {}, {});
         d.FijarTitulo("NCPE 0001-00000007 X");
         t.Revisar(d);
     }},
};

TEST_P(VentanasDemo, NingunTextoQuedaCortado) {
    GetParam().Abrir(*this);
    EXPECT_TRUE(cortes.isEmpty()) << cortes.join(u'\n').toStdString();
    // A window that failed to fill itself would show too little to cut anything.
    for (const auto& mensaje : guion.Mensajes)
        ADD_FAILURE() << mensaje.Titulo.toStdString() << ": " << mensaje.Texto.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Programa, VentanasDemo, ::testing::ValuesIn(Ventanas),
                         [](const auto& info) { return std::string(info.param.Nombre); });

} // namespace
