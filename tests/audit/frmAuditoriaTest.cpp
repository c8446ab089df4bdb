#include "DemoAuditoria.h"
#include "audit/FuenteAsientos.h"
#include "lookup/Lib_FrmCons3.h"
#include "platform/controls/Panel.h"
#include "platform/controls/StatusBar.h"
#include "platform/suite/DialogoComun.h"
#include "support/TextoPdf.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSet>

namespace {

// The main window of the demo company's session, loaded.
class frmAuditoriaTest : public DemoAuditoria {
protected:
    void SetUp() override {
        DemoAuditoria::SetUp();
        AbrirVentana();
    }
    CajaTexto& Campo(const QString& dataField) { return frm->txtFields().Campo(dataField); }
    // Shows the window with the focus in the field, as the user clicking into it.
    void Enfocar(const QString& dataField) {
        frm->Show();
        frm->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(frm));
        Campo(dataField).setFocus();
    }
    // The states of the differences the list page shows.
    QSet<QString> EstadosListados() {
        static const QRegularExpression enlace(QStringLiteral("_CambioEstado_(\\d)_TC_"));
        QSet<QString> estados;
        for (const auto& m : enlace.globalMatch(QString::fromLatin1(Bytes(frm->RutaInforme()))))
            estados << m.captured(1);
        return estados;
    }
    void Imprimir() {
        frm->ImprimirAsientos(" NCPE ", "0001 ", " 00000002", "X", "12", " 2 ", QVariant(2025));
    }
};

// The code finds every field by its DataField, and Enter follows their order.
TEST(frmAuditoriaDiseno, CamposEnOrdenDeTabulacion) {
    frmAuditoria frm;
    QStringList campos{frm.txtFields()[0].DataField()};
    for (int i = 1; i < 9; ++i) {
        campos << frm.txtFields()[i].DataField();
        EXPECT_EQ(frm.txtFields()[i - 1].nextInFocusChain(), &frm.txtFields()[i]) << i;
    }
    EXPECT_EQ(campos.join(' '), "Fecha_DESDE Fecha_HASTA CUENTA_Desde CUENTA_hasta Nombre "
                                "tc_origen suc_origen numero_origen letra_origen");
}

// The window owns its field array: once the window is gone, no field calls into the array.
TEST(frmAuditoriaDiseno, ElArregloDeCamposSeVaConLaVentana) {
    auto* frm = new frmAuditoria;
    QPointer<CajaTexto> caja = &frm->txtFields()[0];
    caja->setParent(nullptr);
    delete frm;
    ASSERT_TRUE(caja);
    EXPECT_FALSE(caja->GotFocus);
    EXPECT_FALSE(caja->KeyDown);
    delete caja.data();
}

TEST_F(frmAuditoriaTest, LaCargaPoneLasFechasDelPeriodoYLaHojaDeEstilo) {
    EXPECT_EQ(Campo("Fecha_DESDE").Text(), QStringLiteral("01/01/2026"));
    EXPECT_EQ(Campo("Fecha_HASTA").Text(), QStringLiteral("31/12/2026"));
    EXPECT_EQ(frm->CarpetaInforme(), QDir(dir.path()).absolutePath() + QDir::separator());
    EXPECT_EQ(frm->RutaInforme(), frm->CarpetaInforme() + QStringLiteral("Auditoria.htm"));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("Style_Auditoria.css")));
    EXPECT_FALSE(QFileInfo::exists(frm->RutaInforme()));
    EXPECT_EQ(Navegador().PaginasMostradas(), QStringList{QStringLiteral("about:blank")});
    EXPECT_TRUE(guion.Mensajes.empty());

    // Without TEMP the pages go to a folder of the program's own in the system's temporary one.
    frm->Unload();
    Liberar<frmAuditoria>();
    qputenv("TEMP", "  ");
    IniciarSesion(";@Usuario=demo;");
    AbrirVentana();
    EXPECT_TRUE(QDir(frm->CarpetaInforme())
                    .absolutePath()
                    .startsWith(QDir(QDir::tempPath()).absolutePath() + "/auditoria-"))
        << frm->CarpetaInforme().toStdString();
}

// F5 in an account field opens the account lookup: the code chosen fills the field and is
// checked as after Enter; a cancelled lookup keeps what was typed.
TEST_F(frmAuditoriaTest, F5EnUnaCuentaLaEligeDeLaConsulta) {
    QString listada;
    guion.AccionesModales.push_back([&](QWidget& ventana) {
        auto* lista = qobject_cast<Lib_FrmCons3*>(&ventana);
        ASSERT_NE(lista, nullptr);
        listada = lista->SQLInicial();
        EXPECT_EQ(lista->CampoDevuelto, "codigo");
        const int codigo = lista->IndiceColumna("CODIGO");
        ASSERT_GT(codigo, 0);
        lista->CmbSearch[size_t(codigo - 1)]->setEditText("211010102");
        lista->CmdAceptar_Click();
    });
    Enfocar("CUENTA_Desde");
    QTest::keyClick(&Campo("CUENTA_Desde"), Qt::Key_F5);
    EXPECT_TRUE(listada.contains(" FROM MA_CUENTAS ")) << listada;
    EXPECT_EQ(Campo("CUENTA_Desde").Text(), QStringLiteral("211010102"));
    EXPECT_TRUE(Campo("CUENTA_hasta").hasFocus());
    EXPECT_TRUE(guion.Mensajes.empty());

    guion.AccionesModales.push_back(
        [](QWidget& ventana) { qobject_cast<Lib_FrmCons3*>(&ventana)->CmdCancelar_Click(); });
    QTest::keyClicks(&Campo("CUENTA_hasta"), QStringLiteral("BNA"));
    QTest::keyClick(&Campo("CUENTA_hasta"), Qt::Key_F5);
    EXPECT_EQ(Campo("CUENTA_hasta").Text(), QStringLiteral("1110102"));
    EXPECT_EQ(guion.VentanasModales.size(), 2u);
    EXPECT_TRUE(guion.Mensajes.empty());
}

// The lookup window takes the activation while it is up, as on screen; the focus still moves
// on from the field F5 was pressed in.
TEST_F(frmAuditoriaTest, F5PasaElFocoAunqueLaConsultaFueraLaVentanaActiva) {
    guion.AccionesModales.push_back([](QWidget& ventana) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&ventana));
        qobject_cast<Lib_FrmCons3*>(&ventana)->CmdAceptar_Click(); // the first account listed
    });
    Enfocar("CUENTA_Desde");
    QTest::keyClick(&Campo("CUENTA_Desde"), Qt::Key_F5);
    EXPECT_FALSE(Campo("CUENTA_Desde").Text().isEmpty());
    frm->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(frm));
    EXPECT_TRUE(Campo("CUENTA_hasta").hasFocus());
    EXPECT_TRUE(guion.Mensajes.empty());
}

// F9 with no state chosen lists them all; chosen states narrow the list.
TEST_F(frmAuditoriaTest, F9ListaLosEstadosElegidos) {
    QTest::keyClick(frm, Qt::Key_F9);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(frm->lstEstados().item(i)->isSelected()) << i;
    EXPECT_EQ(Navegador().LocationURL(), QStringLiteral("file://") + frm->RutaInforme());
    EXPECT_EQ(EstadosListados(), (QSet<QString>{"0", "1", "2", "3", "4"}));

    frm->lstEstados().clearSelection();
    frm->lstEstados().item(3)->setSelected(true);
    frm->lstEstados().item(1)->setSelected(true);
    frm->CmdActualizar().click();
    EXPECT_EQ(EstadosListados(), (QSet<QString>{"1", "3"}));
    EXPECT_FALSE(frm->lstEstados().item(0)->isSelected());
    EXPECT_TRUE(guion.Mensajes.empty());
}

// Another program keeps the database locked. Loading the window, F9 and an account check say so
// once each; load and F9 under the wait cursor, F9 leaving no list that would read as no
// differences, the check calling no account unknown. The F9 that reaches the window while a
// message is up (keys handed on by code get past the box) runs nothing.
TEST_F(frmAuditoriaTest, UnaBaseBloqueadaSeInformaUnaVezPorAccion) {
    frm->Unload();
    Liberar<frmAuditoria>();
    DB_Dll::Instancia().gCnn.SetConnectionTimeout(1); // gives up on a lock after a second
    IniciarSesion(";@Usuario=demo;");
    cnn.EjecutarNativo("BEGIN EXCLUSIVE", {}, nullptr);
    int enEspera = 0, vistos = 0;
    guion.AlVerMensaje = [&] {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        enEspera += cursor && cursor->shape() == Qt::WaitCursor;
        if (++vistos > 2) // on a window that asks again, once is proof enough
            return;
        QTest::keyClick(frm, Qt::Key_F9);
        QKeyEvent devuelta(QEvent::KeyPress, Qt::Key_F9, Qt::NoModifier);
        QCoreApplication::sendEvent(frm, &devuelta);
    };
    AbrirVentana();
    EXPECT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(Campo("Fecha_DESDE").Text().isEmpty());
    QTest::keyClick(frm, Qt::Key_F9);
    Campo("CUENTA_Desde").SetText(QStringLiteral("1110101"));
    frm->CampoValida(Campo("CUENTA_Desde")); // no "inexistente", no empty notice
    cnn.EjecutarNativo("ROLLBACK", {}, nullptr);
    ASSERT_EQ(guion.Mensajes.size(), 3u);
    EXPECT_TRUE(guion.Mensajes[1].Texto.contains("bloqueada")) << guion.Mensajes[1].Texto;
    EXPECT_FALSE(frm->ErrorCampo());
    const QByteArray pagina = Bytes(frm->RutaInforme());
    EXPECT_TRUE(pagina.contains("No se pudieron leer las diferencias")) << pagina.constData();
    EXPECT_FALSE(pagina.contains("TableCaption"));
    EXPECT_EQ(enEspera, 2);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Only the account fields are checked; an alternative code is replaced by the account's.
TEST_F(frmAuditoriaTest, CampoValidaSoloCompruebaLasCuentas) {
    // What stays in the field, or null for an unknown account (a description is no code).
    const std::tuple<const char*, const char*, const char*> casos[] = {
        {"CUENTA_Desde", "1110101", "1110101"},
        {"CUENTA_Desde", " CAJA ", "1110101"},
        {"CUENTA_hasta", "IVACF", "1120201"},
        {"CUENTA_hasta", "iva cf", nullptr},
        {"CUENTA_Desde", "9999", nullptr},
        {"CUENTA_Desde", "O'Brien", nullptr},
        {"CUENTA_Desde", "", nullptr},
        {"Nombre", "nadie", "nadie"},
        {"tc_origen", "ZZ", "ZZ"}};
    for (const auto& [campo, escrito, queda] : casos) {
        guion.Mensajes.clear();
        CajaTexto& caja = Campo(QString::fromLatin1(campo));
        caja.SetText(QString::fromUtf8(escrito));
        frm->CampoValida(caja);
        EXPECT_EQ(frm->ErrorCampo(), !queda) << campo << " <- " << escrito;
        if (queda) {
            EXPECT_EQ(caja.Text(), QString::fromUtf8(queda)) << campo << " <- " << escrito;
            EXPECT_TRUE(guion.Mensajes.empty());
        } else {
            EsperarAviso("La cuenta ingresada es inexistente.", "Aviso al operador...",
                         vbInformation);
        }
    }
}

// A date the database could not read stops F9 before any query: one notice naming the box and
// what is wrong (a day no calendar has, or another way of writing), the cursor left in it, no
// list shown.
TEST_F(frmAuditoriaTest, F9ConUnaFechaInvalidaAvisaSinConsultar) {
    const QString noExiste = "\" no existe: revise el día y el mes.";
    const QString forma = "\" no es válida. Escríbala como dd/mm/aa o dd/mm/aaaa.";
    const std::tuple<const char*, const char*, const char*, QString> casos[] = {
        {"Fecha_DESDE", "31/02/2026", "Fecha desde", noExiste},
        {"Fecha_HASTA", "12/13/26", "Fecha hasta", noExiste},
        {"Fecha_DESDE", "2026-02-01", "Fecha desde", forma}};
    Enfocar("Nombre");
    for (const auto& [campo, escrito, nombre, motivo] : casos) {
        guion.Mensajes.clear();
        Campo(QString::fromLatin1(campo)).SetText(QString::fromLatin1(escrito));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
        EsperarAviso(QStringLiteral("La fecha ingresada en \"") + nombre + motivo,
                     "Aviso al operador...", vbInformation);
        EXPECT_EQ(QApplication::focusWidget(), &Campo(QString::fromLatin1(campo))) << campo;
        EXPECT_TRUE(Navegador().PaginasMostradas().filter("Auditoria").isEmpty()) << campo;
        Campo(QString::fromLatin1(campo)).SetText("01/01/26");
    }
}

// Enter checks an account and moves on; F5 in a date opens the calendar.
TEST_F(frmAuditoriaTest, TeclasEnLosCampos) {
    // Before any field had the focus F5 works on the first one.
    guion.Fechas.push_back(QDate(2026, 3, 15));
    QTest::keyClick(frm, Qt::Key_F5);
    EXPECT_EQ(Campo("Fecha_DESDE").Text(), QStringLiteral("15/03/2026"));

    Enfocar("CUENTA_Desde");
    QTest::keyClicks(&Campo("CUENTA_Desde"), QStringLiteral("BNA"));
    QTest::keyClick(&Campo("CUENTA_Desde"), Qt::Key_Return);
    EXPECT_EQ(Campo("CUENTA_Desde").Text(), QStringLiteral("1110102"));
    EXPECT_TRUE(Campo("CUENTA_hasta").hasFocus());
    QTest::keyClicks(&Campo("CUENTA_hasta"), QStringLiteral("NOEXISTE"));
    QTest::keyClick(&Campo("CUENTA_hasta"), Qt::Key_Return);
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(Campo("CUENTA_hasta").hasFocus());

    Campo("Fecha_HASTA").setFocus();
    guion.Fechas.push_back(QDate(2026, 6, 30));
    QTest::keyClick(&Campo("Fecha_HASTA"), Qt::Key_F5);
    EXPECT_EQ(Campo("Fecha_HASTA").Text(), QStringLiteral("30/06/2026"));
    EXPECT_TRUE(Campo("CUENTA_Desde").hasFocus());
    // A cancelled calendar leaves the date empty.
    Campo("Fecha_HASTA").setFocus();
    guion.Fechas.push_back(std::nullopt);
    QTest::keyClick(&Campo("Fecha_HASTA"), Qt::Key_F5);
    EXPECT_EQ(Campo("Fecha_HASTA").Text(), QString());
    EXPECT_TRUE(guion.Fechas.empty());
    EXPECT_EQ(guion.Mensajes.size(), 1u);
}

TEST_F(frmAuditoriaTest, ElCampoConElFocoSeDestacaConLosColoresDeLaSesion) {
    Campo("Nombre").SetText(QStringLiteral("  Muñoz  "));
    Enfocar("Nombre");
    EXPECT_EQ(Campo("Nombre").BackColor(), 8454143); // CFONDO of the demo
    EXPECT_EQ(Campo("Nombre").ForeColor(), 0);
    EXPECT_EQ(Campo("Nombre").SelStart(), 0);
    EXPECT_EQ(Campo("Nombre").SelLength(), 5);
    Campo("tc_origen").setFocus();
    EXPECT_EQ(Campo("Nombre").BackColor(), 0xFFFFFF);
    EXPECT_EQ(Campo("tc_origen").BackColor(), 8454143);
}

// The browser takes what is left; in a window too small for them, negative sizes are refused
// and the steps after them still run.
TEST_F(frmAuditoriaTest, AlCambiarDeTamanoElNavegadorOcupaLoQueQueda) {
    frm->Show();
    frm->resize(APixeles(12000), APixeles(7005));
    QCoreApplication::processEvents();
    QWidget& wb = *frm->wbExplorer().Control();
    int ancho = frm->Width(), alto = frm->Height();
    EXPECT_NEAR(ATwips(wb.x()), 20, 15);
    EXPECT_EQ(ATwips(wb.y()), 1515);
    EXPECT_NEAR(ATwips(wb.height()), alto - 1515 - 700, 15);
    EXPECT_NEAR(ATwips(wb.width()), ancho - 20 - 200, 15);
    int marco = ATwips(frm->frmEncabezado().width());
    EXPECT_NEAR(marco, ancho - 200, 15);
    EXPECT_NEAR(ATwips(frm->cmdClose().x()), marco - 900 - 300, 15);
    EXPECT_NEAR(ATwips(frm->CmdActualizar().x()), ATwips(frm->cmdClose().x()) - 870 - 300, 15);
    EXPECT_NEAR(ATwips(frm->lstEstados().width()), marco - 4500 - 900 - 870 - 1000, 15);
    EXPECT_NEAR(frm->StatusBar1().Panels(1)->Width(), ATwips(frm->StatusBar1().width()) - 150, 15);
    EXPECT_EQ(frm->StatusBar1().geometry().bottom(), frm->height() - 1);

    const int anchoLista = frm->lstEstados().width(), altoNavegador = wb.height();
    frm->resize(APixeles(3000), APixeles(1200));
    QCoreApplication::processEvents();
    EXPECT_EQ(wb.height(), altoNavegador);
    marco = frm->Width() - 200;
    ASSERT_LT(marco, 4500);
    EXPECT_NEAR(ATwips(frm->frmEncabezado().width()), marco, 15);
    EXPECT_NEAR(ATwips(frm->cmdClose().x()), marco - 900 - 300, 15);
    EXPECT_NEAR(ATwips(frm->CmdActualizar().x()), marco - 900 - 300 - 870 - 300, 30);
    EXPECT_EQ(frm->lstEstados().width(), anchoLista);
}

TEST_F(frmAuditoriaTest, EscCierraLaSesionYSueltaLasVentanas) {
    bool detallesSueltos = false;
    VentanasVecinas::Actuales().LiberarDetalles = [&] { detallesSueltos = true; };
    frm->Show();
    QTest::keyClick(frm, Qt::Key_Escape);
    EXPECT_FALSE(frm->isVisible());
    EXPECT_FALSE(frm->Cargado());
    EXPECT_TRUE(detallesSueltos);
    EXPECT_FALSE(DB_Dll::Existe());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frm.isNull());
}

// ---- Printing -----------------------------------------------------------------------------

// A demo entry printed to PDF, read back as the user reads it: the entry's data and currency,
// each line's account, description and concept with its amount under Debe or Haber, the
// totals; without a currency table the currency is its code.
TEST_F(frmAuditoriaTest, ElAsientoImpresoEnPdf) {
    guion.ImpresoraElegida.ArchivoSalida = dir.filePath("asiento.pdf");
    guion.ImpresoraAceptada = {true, true};
    frm->ImprimirAsientos("NCPE", "0001", "00000032", "X", "11", "12", QVariant(2026));
    const QString texto = TextoDePdf(guion.ImpresoraElegida.ArchivoSalida);
    for (const char* esperado :
         {"Distribuidora Patagónica S.A.", "Número: 12", "Período: 2026", "Mes: 11",
          "Fecha: 30/11/2026", "Comprobante: NCPE 0001-00000032 X", "Origen: FCC 0002-00005216 A",
          "Moneda: Pesos", "Muñoz y Peña S.R.L.", "IVA Crédito Fiscal", "Dif. de precio"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado << "\n" << texto;
    EXPECT_FALSE(texto.contains(QStringLiteral("NUMERO ASIENTO"))) << texto;
    const auto columna = [&](const QString& cuenta, const QString& importe) {
        static const QRegularExpression linea(QStringLiteral("[^\n]*"));
        const qsizetype inicio = texto.indexOf(cuenta);
        const QString renglon = linea.match(texto, inicio).captured();
        EXPECT_TRUE(renglon.endsWith(importe)) << renglon << texto;
        return renglon.size();
    };
    EXPECT_LT(columna("211010102", "18158,75"), columna("5110102", "15007,23"));
    EXPECT_EQ(columna("1120201", "3151,52"), columna("5110102", "15007,23"));
    static const QRegularExpression totales(QStringLiteral("Totales +18158,75 +18158,75"));
    EXPECT_TRUE(totales.match(texto).hasMatch()) << texto;

    Ejecutar(QStringLiteral("DROP TABLE TA_MONEDAS"));
    frm->ImprimirAsientos("NCPE", "0001", "00000032", "X", "11", "12", QVariant(2026));
    EXPECT_TRUE(TextoDePdf(guion.ImpresoraElegida.ArchivoSalida).contains("Moneda: 1"));
    EXPECT_TRUE(guion.Mensajes.empty());
}

// The selection and formulas go in as given, blanks of period and month included, and the
// selection reads the entry's lines with their accounts.
TEST_F(frmAuditoriaTest, LaSeleccionYLasFormulasDelReporte) {
    FuenteGrabadora fuente;
    Reporteador::EstablecerFuente(&fuente);
    guion.ImpresoraAceptada = {true, true, true};
    Imprimir();
    frm->ImprimirAsientos("NCPE", "0001", "00000002", "X", " 12", "2", QStringLiteral(" 2025"));
    Ejecutar(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'NOMBRE'"));
    Imprimir();
    ASSERT_EQ(fuente.Pedidos.size(), 3u);
    PedidoReporte p = fuente.Pedidos[0];
    EXPECT_EQ(p.Reporte, QStringLiteral("Asientos"));
    EXPECT_EQ(p.Seleccion,
              QStringLiteral("{MV_ASIENTOS.PERIODO} = '2025' AND {MV_ASIENTOS.TC} = 'NCPE' AND "
                             "{MV_ASIENTOS.SUCURSAL} = '0001' AND {MV_ASIENTOS.NUMERO} = "
                             "'00000002' AND {MV_ASIENTOS.LETRA} = 'X' AND "
                             "{MV_ASIENTOS.MES_OPERATIVO} = 12 AND "
                             "{MV_ASIENTOS.NUMERO ASIENTO} = 2"));
    EXPECT_EQ(p.Conexion, "DSN=" + Archivo() + "; UID=demo; PWD=");
    EXPECT_EQ(p.Formulas.value("EMPRESA"), QStringLiteral("Distribuidora Patagónica S.A."));
    EXPECT_EQ(p.Formulas.value("ENQUEMONEDA"), QStringLiteral("1"));
    EXPECT_TRUE(fuente.Pedidos[1].Seleccion.startsWith("{MV_ASIENTOS.PERIODO} = ' 2025' AND"));
    EXPECT_TRUE(fuente.Pedidos[1].Seleccion.contains("{MV_ASIENTOS.MES_OPERATIVO} =  12 AND"));
    // Without a company name the formula holds a blank.
    EXPECT_EQ(fuente.Pedidos[2].Formulas.value("EMPRESA"), QStringLiteral(" "));

    const std::vector<FilaAsiento> filas = FuenteAsientos::Instancia().FilasAsiento(p);
    ASSERT_EQ(filas.size(), 3u);
    EXPECT_EQ(filas[0].Fecha, QDate(2025, 12, 22));
    EXPECT_EQ(filas[0].Cuenta, QStringLiteral("211010102"));
    EXPECT_EQ(filas[0].DebeHaber, QStringLiteral("D"));
    EXPECT_EQ(filas[0].Importe, Currency::DesdeTexto(QStringLiteral("20010,52")));
    EXPECT_EQ(filas[1].Cuenta, QStringLiteral("5110102"));
    EXPECT_EQ(filas[1].DebeHaber, QStringLiteral("H"));
    EXPECT_EQ(filas[2].Descripcion, QStringLiteral("IVA Crédito Fiscal"));
    p.Seleccion.replace("NUMERO ASIENTO} = 2", "NUMERO ASIENTO} = 3");
    EXPECT_TRUE(FuenteAsientos::Instancia().FilasAsiento(p).empty());
}

TEST_F(frmAuditoriaTest, ImprimeElAsientoEnUnPdfSalvoQueSeCancele) {
    guion.ArchivoPdf = dir.filePath("asiento.pdf");
    guion.ImpresoraAceptada = {false};
    Imprimir();
    EXPECT_FALSE(QFileInfo::exists(guion.ArchivoPdf));
    EXPECT_FALSE(DialogoComun::ImpresoraEnUso() &&
                 DialogoComun::ImpresoraEnUso()->ArchivoSalida == guion.ArchivoPdf);
    guion.ImpresoraAceptada = {true};
    Imprimir();
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_GT(QFileInfo(guion.ArchivoPdf).size(), 0);
}

// Each term with its value, quotes removed; anything that is not an entry's selection is error 5.
TEST(FuenteAsientosSeleccion, LeeCadaTerminoYRechazaLoDemas) {
    const QList<QPair<QString, QString>> esperados = {
        {"TC", "NC'PE"}, {"LETRA", " AND X"}, {"MES_OPERATIVO", "12"}, {"NUMERO ASIENTO", "7"}};
    EXPECT_EQ(FuenteAsientos::LeerSeleccion(
                  "{MV_ASIENTOS.TC} = 'NC''PE' AND {MV_ASIENTOS.LETRA} = ' AND X' AND "
                  "{MV_ASIENTOS.MES_OPERATIVO} =  12 AND {MV_ASIENTOS.NUMERO ASIENTO} = 7"),
              esperados);
    for (const char* mala :
         {"{MV_ASIENTOS.IMPORTE} = 1", "{MV_ASIENTOS.TC} = 'NCPE' OR 1=1",
          "{MV_ASIENTOS.TC} = 'NCPE", "{MA_CUENTAS.CODIGO} = '1'", "{MV_ASIENTOS.TC} 'NCPE'"})
        EXPECT_EQ(NumeroDeError([&] { FuenteAsientos::LeerSeleccion(QString::fromLatin1(mala)); }),
                  5)
            << mala;
}

} // namespace
