#include "DemoAuditoria.h"
#include "lookup/Lib_FrmCons3.h"
#include "lookup/ModeloConsulta.h"
#include "platform/forms/Colores.h"

#include <QComboBox>
#include <QGroupBox>
#include <QToolButton>

namespace {

// The difference NCPE 0001-00000002 X of the demo company: state 0, origin FCC
// 0002-00004526A of supplier 211010102, applied to that invoice.
class frmCambioEstadoTest : public DemoAuditoria {
protected:
    void SetUp() override {
        DemoAuditoria::SetUp();
        Preparar(dlg);
        dlg.CabCuenta = "211010102";
        dlg.CabNombre = "Muñoz y Peña S.R.L.";
        dlg.EstadoAnterior = QStringLiteral("0");
    }
    static void Preparar(frmCambioEstado& f) {
        f.TC = "NCPE";
        f.Suc = "0001";
        f.Numero = "00000002";
        f.Letra = "X";
        f.Tc_Origen = "FCC";
        f.Cpte_Origen = "000200004526A";
    }
    QStringList Estados(const QString& tc, const QString& numero) {
        return Filas("SELECT ESTADO, IFNULL(IDMOTIVO, '') FROM MV_ASIENTOS WHERE TC='" + tc +
                     "' AND NUMERO='" + numero + "' ORDER BY SECUENCIA");
    }
    int Aplicaciones() {
        return int(
            Filas("SELECT CUENTA FROM MV_APLICACION WHERE TC='NCPE' AND NUMERO='00000002'").size());
    }
    CajaTexto& Motivo() { return dlg.txtFields().Campo("IDMOTIVO"); }
    void Elegir(int indice) { dlg.dpdEstadoNuevo->setCurrentIndex(indice); }
    void Enter() {
        dlg.Show();
        dlg.activateWindow();
        Motivo().setFocus();
        QTest::keyClick(&Motivo(), Qt::Key_Return);
    }
    // Shows the dialog modally; the operator chooses the state (and motive) and clicks Aceptar.
    void Aceptar(int estado, const QString& motivo) {
        guion.AccionesModales.push_back([=, this](QWidget&) {
            Elegir(estado);
            Motivo().SetText(motivo);
            dlg.CmdAceptar->click();
        });
        dlg.Show(true);
    }

    frmCambioEstado& dlg = Instancia<frmCambioEstado>();
};

// A few representative places, and what the code relies on.
TEST_F(frmCambioEstadoTest, Diseno) {
    EXPECT_EQ(dlg.Caption(), QStringLiteral("Cambio de Estado"));
    EXPECT_EQ(dlg.Frame1->geometry(),
              QRect(APixeles(75), APixeles(75), APixeles(6810), APixeles(2115)));
    EXPECT_EQ(Motivo().parentWidget(), dlg.frmMotivo);
    EXPECT_EQ(Motivo().geometry(),
              QRect(APixeles(1410), APixeles(-15), APixeles(825), APixeles(285)));
    EXPECT_EQ(Motivo().Tag(), QStringLiteral("V_TA_MOTIVOCPRA"));
    EXPECT_EQ(Motivo().MaxLength(), 4);
    EXPECT_FALSE(dlg.CmdAceptar->isDefault() || dlg.CmdAceptar->autoDefault());
    EXPECT_TRUE(dlg.lblEstado->font().bold());
    EXPECT_EQ(dlg.lblEstado->palette().color(QPalette::WindowText), ColorDesdeBGR(0x80L));
    EXPECT_EQ(dlg.dpdEstadoNuevo->count(), 4);
    EXPECT_FALSE(dlg.dpdEstadoNuevo->isEditable());
}

// The load shows the difference and proposes the next state.
TEST_F(frmCambioEstadoTest, LaCargaProponeElEstadoSiguiente) {
    const std::pair<QString, int> casos[] = {{"0", 1}, {"1", 2}, {"2", 0}, {"4", 0},
                                             {"", 1},  {"x", 1}, {"1 ", 2}};
    for (const auto& [anterior, propuesto] : casos) {
        frmCambioEstado& f = Instancia<frmCambioEstado>();
        Preparar(f);
        f.EstadoAnterior = anterior;
        f.OK = true;
        f.Load();
        EXPECT_EQ(f.dpdEstadoNuevo->currentIndex(), propuesto) << anterior;
        EXPECT_TRUE(f.frmMotivo->isHidden()) << anterior;
        EXPECT_FALSE(f.OK);
        EXPECT_EQ(f.lblCpte->text(), QStringLiteral("NCPE 0001-00000002 X"));
        EXPECT_EQ(f.lblCpteOrigen->text(), QStringLiteral("FCC 000200004526A"));
        EXPECT_EQ(f.lblEstado->text(), anterior);
        Liberar<frmCambioEstado>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The motive shows for the state 3 only, keeping its text meanwhile. Enter looks it up among
// those enabled for NCPE (HABILITADOPARA within "NCPE").
TEST_F(frmCambioEstadoTest, EnterBuscaElMotivoHabilitadoParaNCPE) {
    // CALI is enabled for "NC", DEVO for NDPR only, OTRO for nothing.
    const std::pair<QString, QString> casos[] = {{"DPRE", "Diferencia de precio"},
                                                 {"boni", "Bonificación no aplicada"},
                                                 {"CALI", "Rechazo por calidad"},
                                                 {"DEVO", ""},
                                                 {"OTRO", ""},
                                                 {"ZZZZ", ""},
                                                 {"D'X", ""}};
    dlg.Load();
    Elegir(3);
    EXPECT_FALSE(dlg.frmMotivo->isHidden());
    Motivo().SetText("DPRE");
    Elegir(1);
    EXPECT_TRUE(dlg.frmMotivo->isHidden());
    EXPECT_EQ(Motivo().Text(), QStringLiteral("DPRE"));
    Elegir(3);
    EXPECT_FALSE(dlg.frmMotivo->isHidden());
    for (const auto& [tipeado, descripcion] : casos) {
        guion.Mensajes.clear();
        dlg.lblMot->setText("previo");
        Motivo().SetText(tipeado);
        Enter();
        if (!descripcion.isEmpty()) {
            EXPECT_EQ(dlg.lblMot->text(), descripcion);
            EXPECT_TRUE(guion.Mensajes.empty()) << tipeado;
            EXPECT_EQ(Motivo().Text(), tipeado);
            continue;
        }
        EXPECT_EQ(dlg.lblMot->text(), QStringLiteral("...")) << tipeado;
        EsperarAviso("El motivo ingresado es inexistente", "SV - Aviso al Usuario",
                     vbInformation + vbOKOnly);
        EXPECT_EQ(Motivo().Text(), QString()) << tipeado;
    }
    // A blank motive is not looked up.
    guion.Mensajes.clear();
    dlg.lblMot->setText("previo");
    Motivo().SetText("  ");
    Enter();
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_EQ(dlg.lblMot->text(), QStringLiteral("previo"));
}

// The lookup button lists the motives enabled for NCPE; the one chosen goes into the box and
// is checked. A cancelled lookup leaves the box empty.
TEST_F(frmCambioEstadoTest, ConsultarEligeUnMotivoHabilitado) {
    dlg.Load();
    Elegir(3);
    QStringList ofrecidos;
    guion.AccionesModales.push_back([&](QWidget& ventana) {
        auto* lista = qobject_cast<Lib_FrmCons3*>(&ventana);
        ASSERT_NE(lista, nullptr);
        const int codigo = lista->IndiceColumna("IDMOTIVOCPRA");
        ASSERT_GT(codigo, 0);
        for (int fila = 0; fila < lista->Modelo().Filas(); ++fila)
            ofrecidos << lista->Modelo().Celda(fila, codigo - 1);
        lista->CmbSearch[size_t(codigo - 1)]->setEditText("boni");
        lista->CmdAceptar_Click();
    });
    dlg.cmdConsultar->click();
    ofrecidos.sort();
    EXPECT_EQ(ofrecidos, (QStringList{"BONI", "CALI", "DCAN", "DPRE", "MDAN"}));
    EXPECT_EQ(Motivo().Text(), QStringLiteral("BONI"));
    EXPECT_EQ(dlg.lblMot->text(), QStringLiteral("Bonificación no aplicada"));
    EXPECT_TRUE(guion.Mensajes.empty());

    guion.AccionesModales.push_back(
        [](QWidget& ventana) { qobject_cast<Lib_FrmCons3*>(&ventana)->CmdCancelar_Click(); });
    dlg.cmdConsultar->click();
    EXPECT_EQ(Motivo().Text(), QString());
    EXPECT_TRUE(guion.Mensajes.empty());
}

// The statements for the state and motive chosen; the saving itself runs in the tests below.
TEST_F(frmCambioEstadoTest, SentenciasDeLaGrabacion) {
    const QString nc = "UPDATE MV_ASIENTOS SET ESTADO=%1 WHERE tc='NCPE' and sucursal='0001' and "
                       "numero='00000002' and letra='X'";
    const QString fcc = "\nUPDATE MV_ASIENTOS SET ESTADO=%1 WHERE tc='FCC' and sucursal='0002' and "
                        "numero='00004526' and letra='A'  and cabcuenta%2";
    const QString borrar = "\nDELETE MV_APLICACION WHERE CUENTA = '%1' AND TC = 'NCPE' AND "
                           "SUCURSAL = '0001' AND NUMERO = '00000002' AND LETRA = 'X'";
    const std::tuple<int, QString, QString, QString> casos[] = {
        // A motive counts only for the state 3.
        {1, "DPRE", "O'H", nc.arg("1") + fcc.arg("0", "='O''H'")},
        {2, "", "211010102", nc.arg("2") + fcc.arg("0", "='211010102'")},
        {0, "", "", nc.arg("0") + fcc.arg("1", " is null")},
        {3, "dpre", "21'01",
         nc.arg("3, IDMOTIVO = 'dpre'") + fcc.arg("0", "='21''01'") + borrar.arg("21''01")},
        {3, " ", "", nc.arg("3") + fcc.arg("0", " is null") + borrar.arg("")},
    };
    dlg.Load();
    for (const auto& [estado, motivo, cabCuenta, sentencias] : casos) {
        Elegir(estado);
        Motivo().SetText(motivo);
        dlg.CabCuenta = cabCuenta;
        EXPECT_EQ(dlg.SentenciasGrabacion().join('\n'), sentencias) << estado << motivo;
    }
    dlg.TC = "NC'PE";
    dlg.Cpte_Origen = "0002'0004526A";
    Elegir(1);
    EXPECT_EQ(dlg.SentenciasGrabacion().join('\n'),
              "UPDATE MV_ASIENTOS SET ESTADO=1 WHERE tc='NC''PE' and sucursal='0001' and "
              "numero='00000002' and letra='X'\nUPDATE MV_ASIENTOS SET ESTADO=0 WHERE tc='FCC' and "
              "sucursal='0002' and numero='''0004526' and letra='A'  and cabcuenta is null");
}

TEST_F(frmCambioEstadoTest, AceptarGrabaElEstadoTresConSuMotivo) {
    Aceptar(3, "DPRE");
    EXPECT_TRUE(dlg.OK);
    EXPECT_TRUE(dlg.isHidden());
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_EQ(Estados("NCPE", "00000002"), QStringList({"3|DPRE", "3|DPRE", "3|DPRE"}));
    EXPECT_EQ(Estados("FCC", "00004526"), QStringList({"0|", "0|", "0|"}));
    EXPECT_EQ(Aplicaciones(), 0);
}

TEST_F(frmCambioEstadoTest, VolverARevisionMarcaElOrigen) {
    Ejecutar("UPDATE MV_ASIENTOS SET ESTADO=2 WHERE TC='NCPE' AND NUMERO='00000002'");
    Ejecutar("UPDATE MV_ASIENTOS SET ESTADO=0 WHERE TC='FCC' AND NUMERO='00004526'");
    dlg.EstadoAnterior = QStringLiteral("2");
    guion.AccionesModales.push_back([this](QWidget&) { dlg.CmdAceptar->click(); });
    dlg.Show(true);
    EXPECT_TRUE(dlg.OK);
    EXPECT_EQ(Estados("NCPE", "00000002"), QStringList({"0|", "0|", "0|"}));
    EXPECT_EQ(Estados("FCC", "00004526"), QStringList({"1|", "1|", "1|"}));
    EXPECT_EQ(Aplicaciones(), 1);
}

TEST_F(frmCambioEstadoTest, UnaSentenciaFallidaDeshaceTodoYNoDaOK) {
    Ejecutar("DROP TABLE MV_APLICACION");
    const QStringList antes = Filas("SELECT * FROM MV_ASIENTOS ORDER BY TC, NUMERO, SECUENCIA");
    Aceptar(3, "DPRE");
    EXPECT_FALSE(dlg.OK);
    EXPECT_EQ(Filas("SELECT * FROM MV_ASIENTOS ORDER BY TC, NUMERO, SECUENCIA"), antes);
    ASSERT_FALSE(guion.Mensajes.empty());
    const auto& aviso = guion.Mensajes.back();
    EXPECT_TRUE(aviso.Texto.endsWith("\r\nNo se pudo cambiar el estado")) << aviso.Texto;
    EXPECT_FALSE(aviso.Texto.startsWith("\r\n")) << aviso.Texto;
    EXPECT_EQ(aviso.Titulo, QStringLiteral("SV - Aviso al Usuario"));
    EXPECT_EQ(aviso.Botones, vbCritical + vbOKOnly);
    // The connection is usable again: nothing was left open.
    DB_Dll::Instancia().gCnn.BeginTrans();
    DB_Dll::Instancia().gCnn.RollbackTrans();
}

// Another user keeps the database past the program's wait (a second here), saving or reading
// in a transaction: the change is refused with the reason, nothing of it is written, and once
// the other lets go the same change is saved.
TEST_F(frmCambioEstadoTest, OtroQueOcupaLaBaseMasAllaDeLaEsperaNoDejaGrabarNada) {
    ado::Connection& programa = DB_Dll::Instancia().gCnn;
    programa.Close();
    programa.SetConnectionTimeout(1);
    programa.Open();
    const auto base = [this] {
        return Filas("SELECT * FROM MV_ASIENTOS ORDER BY TC, NUMERO, SECUENCIA") +
               Filas("SELECT * FROM MV_APLICACION ORDER BY TC, NUMERO, CUENTA");
    };
    const QStringList antes = base();
    const std::function<void()> ocupaciones[] = {
        [this] { cnn.EjecutarNativo("BEGIN IMMEDIATE", {}, nullptr); },
        [this] {
            cnn.EjecutarNativo("BEGIN", {}, nullptr);
            Filas("SELECT COUNT(*) FROM MV_ASIENTOS"); // its read lock lasts to its end
        },
    };
    for (const auto& ocupar : ocupaciones) {
        guion.Mensajes.clear();
        ocupar();
        Aceptar(3, "DPRE");
        cnn.EjecutarNativo("ROLLBACK", {}, nullptr);
        EXPECT_FALSE(dlg.OK);
        EXPECT_EQ(base(), antes);
        EsperarAviso("La base de datos está bloqueada por otro proceso; se agotó el tiempo de "
                     "espera.\r\nNo se pudo cambiar el estado",
                     "SV - Aviso al Usuario", vbCritical + vbOKOnly);
    }
    guion.Mensajes.clear();
    Aceptar(3, "DPRE");
    EXPECT_TRUE(dlg.OK);
    EXPECT_EQ(Estados("NCPE", "00000002"), QStringList({"3|DPRE", "3|DPRE", "3|DPRE"}));
}

// An origin without entry lines is no obstacle; a difference another user deleted after the
// list was drawn is: nothing is saved and the user is told.
TEST_F(frmCambioEstadoTest, LaDiferenciaBorradaPorOtroNoSeDaPorGrabada) {
    Ejecutar("UPDATE MV_ASIENTOS SET CPTE_ORIGEN = '000299999999A' WHERE TC='NCPE' AND "
             "NUMERO='00000002'");
    dlg.Cpte_Origen = "000299999999A";
    Aceptar(1, "");
    EXPECT_TRUE(dlg.OK);
    EXPECT_EQ(Estados("NCPE", "00000002"), QStringList({"1|", "1|", "1|"}));
    EXPECT_TRUE(guion.Mensajes.empty());

    dlg.Cpte_Origen = "000200004526A";
    const QStringList origen = Estados("FCC", "00004526");
    Ejecutar("DELETE FROM MV_ASIENTOS WHERE TC='NCPE' AND NUMERO='00000002'");
    Aceptar(0, "");
    EXPECT_FALSE(dlg.OK);
    EXPECT_EQ(Estados("FCC", "00004526"), origen);
    EsperarAviso("La diferencia ya no está en la base de datos: otro usuario la borró o la "
                 "cambió después de mostrarse la lista.\r\nNo se pudo cambiar el estado",
                 "SV - Aviso al Usuario", vbCritical + vbOKOnly);
    DB_Dll::Instancia().gCnn.BeginTrans();
    DB_Dll::Instancia().gCnn.RollbackTrans();
}

// Another user moved the difference after the list was drawn: the state is judged as stored,
// so a list's stale state neither leaves the state 3 (whose application is gone) nor overwrites
// another state. Nothing at all is written; a fresh list's state is saved.
TEST_F(frmCambioEstadoTest, UnaListaViejaNoCambiaElEstado) {
    const auto base = [this] {
        return Filas("SELECT * FROM MV_ASIENTOS ORDER BY TC, NUMERO, SECUENCIA") +
               Filas("SELECT * FROM MV_APLICACION ORDER BY TC, NUMERO, CUENTA");
    };
    for (const char* otro : {"3", "2"}) {
        Ejecutar(QStringLiteral("UPDATE MV_ASIENTOS SET ESTADO=%1 WHERE TC='NCPE' AND "
                                "NUMERO='00000002'")
                     .arg(otro));
        const QStringList antes = base();
        guion.Mensajes.clear();
        Aceptar(0, "");
        EXPECT_FALSE(dlg.OK);
        EXPECT_EQ(base(), antes);
        EsperarAviso(QStringLiteral("La diferencia cambió de estado después de mostrarse la lista "
                                    "(ahora está en estado %1). Vuelva a cargar la lista con "
                                    "[F9].\r\nNo se pudo cambiar el estado")
                         .arg(otro),
                     "SV - Aviso al Usuario", vbCritical + vbOKOnly);
    }
    guion.Mensajes.clear();
    dlg.EstadoAnterior = QStringLiteral("2");
    Aceptar(1, "");
    EXPECT_TRUE(dlg.OK);
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_EQ(Estados("NCPE", "00000002"), QStringList({"1|", "1|", "1|"}));
}

// Another user applied the difference to another invoice of its supplier after the list was
// drawn, its state unchanged: the change made from the list as drawn marks no invoice, neither
// the one the difference left nor the one it went to, and the user is told to draw the list
// again. The same check stops the entry's Modificar.
TEST_F(frmCambioEstadoTest, UnaListaViejaNoMarcaElOrigenQueLaDiferenciaDejo) {
    const auto base = [this] {
        return Filas("SELECT * FROM MV_ASIENTOS ORDER BY TC, NUMERO, SECUENCIA") +
               Filas("SELECT * FROM MV_APLICACION ORDER BY TC, NUMERO, CUENTA");
    };
    Preparar(dlg);
    dlg.Numero = "00000026";
    dlg.Cpte_Origen = "000300005078A";
    dlg.CabCuenta = "211010101";
    Ejecutar("UPDATE MV_ASIENTOS SET CPTE_ORIGEN = '000300005308A' WHERE TC = 'NCPE' AND "
             "NUMERO = '00000026'");
    const QStringList antes = base();
    Aceptar(1, "");
    EXPECT_FALSE(dlg.OK);
    EXPECT_EQ(base(), antes);
    EsperarAviso("La diferencia cambió de comprobante de origen después de mostrarse la lista "
                 "(ahora es FCC 0003-00005308A). Vuelva a cargar la lista con [F9].\r\nNo se "
                 "pudo cambiar el estado",
                 "SV - Aviso al Usuario", vbCritical + vbOKOnly);
    guion.Mensajes.clear();
    dlg.Cpte_Origen = "000300005308A";
    Aceptar(1, "");
    EXPECT_TRUE(dlg.OK);
    EXPECT_EQ(Filas("SELECT DISTINCT ESTADO FROM MV_ASIENTOS WHERE TC = 'FCC' AND NUMERO = "
                    "'00005308' AND CUENTA = '211010101'"),
              QStringList({"0"}));
}

// Two suppliers hold the invoice FCC 0005-00004549A: a state change of Castañeda's difference
// marks and unmarks only Castañeda's entry of it, whichever way it goes.
TEST_F(frmCambioEstadoTest, ElOrigenSeMarcaSoloEnSuProveedor) {
    Preparar(dlg);
    dlg.Numero = "00000003";
    dlg.Cpte_Origen = "000500004549A";
    dlg.CabCuenta = "211010103";
    Ejecutar("UPDATE MV_ASIENTOS SET ESTADO = 0, CONCILIADO = 0 WHERE TC = 'NCPE' AND NUMERO = "
             "'00000003'");
    const auto origen = [this](const char* cuenta) {
        return Filas(QStringLiteral("SELECT DISTINCT ESTADO FROM MV_ASIENTOS WHERE TC = 'FCC' "
                                    "AND NUMERO = '00004549' AND CABCUENTA = '%1'")
                         .arg(cuenta));
    };
    for (const auto& [anterior, nuevo, marca] :
         {std::tuple{"0", 1, "0"}, std::tuple{"1", 0, "1"}}) {
        const QString otra = marca == QStringLiteral("0") ? "1" : "0";
        Ejecutar("UPDATE MV_ASIENTOS SET ESTADO = " + otra +
                 " WHERE TC = 'FCC' AND NUMERO = '00004549'");
        dlg.EstadoAnterior = QString::fromLatin1(anterior);
        Aceptar(nuevo, "");
        EXPECT_TRUE(dlg.OK) << anterior;
        EXPECT_EQ(origen("211010103"), QStringList({marca})) << anterior;
        EXPECT_EQ(origen("211010113"), QStringList({otra})) << anterior;
    }
    EXPECT_TRUE(guion.Mensajes.empty());
}

// Aceptar checks the motive first; Consultar does nothing yet; Cancelar saves nothing.
TEST_F(frmCambioEstadoTest, AceptarRechazaUnMotivoNoHabilitadoYCancelarNoGraba) {
    const QStringList antes = Estados("NCPE", "00000002");
    guion.AccionesModales.push_back([this](QWidget&) {
        Elegir(3);
        Motivo().SetText("DEVO");
        dlg.CmdAceptar->click();
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(Motivo().Text(), QString());
        // The motive lookup closed without a choice leaves the box empty.
        Motivo().SetText("DP");
        dlg.cmdConsultar->click();
        EXPECT_EQ(Motivo().Text(), QString());
        dlg.CmdCancelar->click();
    });
    dlg.Show(true);
    EXPECT_FALSE(dlg.OK);
    EXPECT_TRUE(dlg.isHidden());
    EsperarAviso("El motivo ingresado es inexistente", "SV - Aviso al Usuario",
                 vbInformation + vbOKOnly);
    ASSERT_EQ(guion.VentanasModales.size(), 2u);
    EXPECT_EQ(guion.VentanasModales[1].Clase, QStringLiteral("Lib_FrmCons3"));
    EXPECT_EQ(Estados("NCPE", "00000002"), antes);
    EXPECT_EQ(Aplicaciones(), 1);
}

} // namespace
