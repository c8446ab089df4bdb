#include "DetalleDemo.h"
#include "detail_pages/FrmAuditoriaTCSTOCK.h"
#include "detail_pages/PaginaStock.h"
#include "dobles/NavegadorGrabador.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

namespace {

class PaginaDeStock : public DetalleDemo {
protected:
    QString Ruta() const { return dir.filePath("AuditoriaCBTEdetalles.htm"); }
    QString Pagina(const QString& tc, const QString& suc, const QString& num, const QString& letra,
                   bool venta = true) {
        PaginaStock::Generar(Ruta(), {tc, suc, num, letra}, venta);
        return Leer(Ruta());
    }
    QStringList Lineas(const QString& tc, const QString& suc, const QString& num,
                       const QString& letra, bool venta = true) {
        return Pagina(tc, suc, num, letra, venta).split("\r\n", Qt::SkipEmptyParts);
    }
};

// ---- Whole pages ---------------------------------------------------------------------------

// A reception report of the demo company: deposit, articles, the order it applies, its history
// narrowed to its complement and its business unit.
TEST_F(PaginaDeStock, InformeDeRecepcion) {
    PaginaStock::Generar(Ruta(), {"IR", "0001", "00000322", "X"}, true);
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_EQ(SinFechas(Bytes(Ruta())), Golden("Stock_IR.htm"));
}

// A voucher not in the stock view, or of a type without a name, keeps only its opening and its
// closing; the unknown type also closes the title's table.
TEST_F(PaginaDeStock, SinCabeceraLaPaginaSoloAbreYCierra) {
    const struct {
        QString tc, numero, titulo;
        bool cerrada;
    } casos[] = {
        {"IR", "00009999", "<U>Informe de Recepción - 000100009999 X</U>", false},
        {"ZZ", "00000322", "<U>ZZ 000100000322 X</U>", true},
    };
    for (const auto& c : casos) {
        const QStringList lineas = Lineas(c.tc, "0001", c.numero, "X");
        ASSERT_EQ(lineas.size(), 6) << c.tc;
        EXPECT_TRUE(lineas[2].contains(c.titulo)) << lineas[2];
        EXPECT_EQ(lineas[2].endsWith("</TR></TABLE>"), c.cerrada) << lineas[2];
        EXPECT_EQ(lineas[3], "</TABLE>");
        EXPECT_EQ(lineas[4], "<br> <HR NOSHADE> <A HREF=\"_VER_ASIENTOTC_" + c.tc +
                                 "_SUCURSAL_0001_NUMERO_" + c.numero +
                                 "_LETRA_X\"> [VER ASIENTO] <HR NOSHADE>");
        EXPECT_EQ(lineas[5], "</body></html>");
    }
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
}

// ---- Keys filled to their columns' widths ---------------------------------------------------

// The order's reception reports are found by its key filled to sixteen characters (the letter
// to four) against the thirteen stored, and its applications by the letter filled to four:
// the database compares without the trailing blanks. Only an order, in any case, has them.
TEST_F(PaginaDeStock, LasClavesRellenasEncuentranSusFilas) {
    Ejecutar("INSERT INTO MV_STOCK (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, FECHA, IDARTICULO, "
             "IDDEPOSITO, UNEGOCIO) VALUES ('OC', '0001', '00000107', 'X', 1, '2026-02-07', "
             "'ENV-CAJ-403030', '   1', '   1')");
    Ejecutar("INSERT INTO MV_APLICACION (CUENTA, TC, SUCURSAL, NUMERO, LETRA, TCO_ORIGEN, "
             "SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN, IMPORTE) VALUES ('211010112', 'OC', "
             "'0001', '00000107', 'X', 'NP', '0001', '00000455', 'X', 5)");
    const QString informe =
        "<TR VALIGN=TOP><TD CLASS=TableRowdETALLE>20/02/2026</TD><TD CLASS=TableRowdETALLE>"
        "<A HREF=\"_TC_IR_SUCURSAL_0001_NUMERO_00000322_LETRA_X\">IR   000100000322X</TD></TR>";
    for (const QString tc : {"OC", "oc"}) {
        const QString pagina = Pagina(tc, "0001", "00000107", "X");
        EXPECT_TRUE(pagina.contains("<B>INFORMES DE RECEPCION</B>")) << tc;
        EXPECT_TRUE(pagina.contains(informe)) << tc;
        EXPECT_TRUE(pagina.contains("<A HREF=\"_TC_NP_SUCURSAL_0001_NUMERO_00000455_LETRA_X\">"
                                    "NP  </TD>"))
            << tc;
        // The report applies to the order: the order sees it among those applying to it.
        EXPECT_TRUE(pagina.contains("COMPROBANTES QUE APLICAN A " + tc + " 000100000107 X</B>"));
    }
    EXPECT_FALSE(Pagina("IR", "0001", "00000322", "X").contains("INFORMES DE RECEPCION"));
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
}

// ---- Hostile, missing and unusual values ----------------------------------------------------

// Text goes into the page escaped and values into the links percent-encoded between quotes; a
// key cut from a link with an apostrophe reaches every statement doubled.
TEST_F(PaginaDeStock, TextoEscapadoYEnlacesCodificados) {
    Ejecutar("UPDATE MV_STOCK SET DESCRIPCION = ' Caja <40> & \"30\" ', IDARTICULO = 'A&B' "
             "WHERE NUMERO = '00000322' AND SECUENCIA = 1");
    Ejecutar("UPDATE TA_DEPOSITO SET DESCRIPCION = 'Depósito <Central>' WHERE IDDEPOSITO = '   1'");
    Ejecutar("INSERT INTO MV_APLICACION (CUENTA, TC, SUCURSAL, NUMERO, LETRA, TCO_ORIGEN, "
             "SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN, IMPORTE) VALUES ('x', 'IR', '0001', "
             "'00000322', 'X', 'R M', '0 1', '0000''107', '&', 1)");
    const QString pagina = Pagina("IR", "0001", "00000322", "X");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_TRUE(pagina.contains("<font color=BLACK>A&amp;B</TD><TD CLASS=TableROWDetalle> "
                                "<font color=BLACK>Caja &lt;40&gt; &amp; &quot;30&quot; </TD>"));
    EXPECT_TRUE(pagina.contains("NOWRAP>   1 - Depósito &lt;Central&gt;</TD>"));
    // Fixed-width columns come padded, and so do their values in the link.
    EXPECT_TRUE(pagina.contains("<A HREF=\"_TC_R%20M_SUCURSAL_0%201%20_NUMERO_0000%27107_LETRA_"
                                "%26\">R M </TD>"));

    const QStringList lineas = Lineas("I'R", "0'01", "0000'322", "<X>");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    ASSERT_EQ(lineas.size(), 6);
    EXPECT_TRUE(lineas[2].contains("<U>I'R 0'010000'322 &lt;X&gt;</U>")) << lineas[2];
    EXPECT_TRUE(lineas[4].contains("<A HREF=\"_VER_ASIENTOTC_I%27R_SUCURSAL_0%2701_NUMERO_"
                                   "0000%27322_LETRA_%3CX%3E\">"));
}

// A voucher without complement narrows its history to nothing, without a broken statement;
// without EsVenta the history is not narrowed. Missing deposit and business unit leave their
// separators alone, and action codes show by their word in any case.
TEST_F(PaginaDeStock, ComplementoNuloYValoresFaltantes) {
    Ejecutar("UPDATE MV_STOCK SET IDCOMPLEMENTO = NULL, IDDEPOSITO = NULL, UNEGOCIO = NULL "
             "WHERE NUMERO = '00000322'");
    Ejecutar("INSERT INTO MV_CPTEACCIONES (TC, IDCOMPROBANTE, IDCOMPLEMENTO, TIPO_ACCION, "
             "FECHAHORA, USUARIO) VALUES ('IR', '000100000322X', 2, 'm', '2026-03-01 08:00:00', "
             "'u1'), ('IR', '000100000322X', 2, 'b', '2026-03-02 08:00:00', 'u2'), ('IR', "
             "'000100000322X', 2, 'Q', '2026-03-03 08:00:00', 'u3'), ('IR', '000100000322X', 2, "
             "NULL, '2026-03-04 08:00:00', 'u4')");
    const QString venta = Pagina("IR", "0001", "00000322", "X", true);
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_FALSE(venta.contains("HISTORIAL DE ACCIONES"));
    EXPECT_TRUE(venta.contains("<TD class=TableCabeceraValor COLSPAN=27 NOWRAP> - </TD>\r\n"));
    EXPECT_TRUE(venta.contains("<b>  Unidad de negocio:   - </b></font>\r\n"));

    const QString compra = Pagina("IR", "0001", "00000322", "X", false);
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    const QString celda = "<TR VALIGN=TOP><TD CLASS=TableRowDetalle>%1</TD>";
    for (const char* palabra : {"ALTA", "MODIFICACION", "BAJA", "Q"})
        EXPECT_TRUE(compra.contains(celda.arg(palabra))) << palabra;
    EXPECT_TRUE(compra.contains(celda.arg("") + "<TD CLASS=TableRowDetalle></TD>"
                                                "<TD CLASS=TableRowDetalle>04/03/2026 08:00:00"));
}

// ---- Errors --------------------------------------------------------------------------------

// A statement the database refuses is told once, by the database object; the page goes on
// without that part and ends properly.
TEST_F(PaginaDeStock, UnaConsultaRechazadaSeAvisaUnaVez) {
    Ejecutar("DROP VIEW V_MV_CPTEACCIONES");
    const QString pagina = Pagina("IR", "0001", "00000322", "X");
    ASSERT_EQ(guion.Mensajes.size(), 1u) << Avisos();
    EXPECT_FALSE(pagina.contains("HISTORIAL"));
    EXPECT_TRUE(pagina.contains("Unidad de negocio:"));
    EXPECT_TRUE(pagina.endsWith("[VER ASIENTO] <HR NOSHADE>\r\n</body></html>\r\n"));
}

// A page file that cannot be written is told once per attempt under "Generar": retry starts
// the page again, anything else leaves it.
TEST_F(PaginaDeStock, UnArchivoQueFallaSeAvisaUnaVezPorIntento) {
    const QString ruta = dir.filePath("no/existe/AuditoriaCBTEdetalles.htm");
    guion.RespuestasMsgBox = {vbRetry, vbIgnore};
    PaginaStock::Generar(ruta, {"IR", "0001", "00000322", "X"}, true);
    ASSERT_EQ(guion.Mensajes.size(), 2u) << Avisos();
    EXPECT_TRUE(guion.Mensajes[0].Texto.contains("Procedimiento: Generar"));
    EXPECT_FALSE(QFile::exists(ruta));
}

// ---- The window ----------------------------------------------------------------------------

class VentanaStock : public PaginaDeStock {};

// Voucher links open a new window of their group ("NCPE" the journal entry), sales and
// purchases on the account the link names after the letter; "[VER ASIENTO]" opens the journal
// entry with an empty account; the article link and any other address go ahead.
TEST_F(VentanaStock, CadaEnlaceAbreSuVentana) {
    const std::pair<QString, QString> casos[] = {
        {"_TC_FC_SUCURSAL_0001_NUMERO_00001507_LETRA_A", "Detalle FC|0001|00001507|A|venta|"},
        {"file:///tmp/_tc_Fcc_sucursal_0003_numero_00004503_letra_A",
         "Detalle Fcc|0003|00004503|A|compra|"},
        {"_TC_CB_SUCURSAL_0001_NUMERO_00000836_LETRA_X", "Recibo CB|0001|00000836|X|venta"},
        {"_TC_OPG_SUCURSAL_0001_NUMERO_00000011_LETRA_X", "Recibo OPG|0001|00000011|X|venta"},
        {"_TC_NCPE_SUCURSAL_0001_NUMERO_00000002_LETRA_X", "Asiento NCPE|0001|00000002|X|,Show"},
        {"_TC_FC_SUCURSAL_0001_NUMERO_00001507_LETRA_A_CUENTA_112010201",
         "Detalle FC|0001|00001507|A|venta|112010201"},
        {"_TC_OC_SUCURSAL_0001_NUMERO_00000107_LETRA_X_CUENTA_211010112",
         "Detalle OC|0001|00000107|X|compra|211010112"},
        {"_TC_IR_SUCURSAL_0001_NUMERO_00000322_LETRA_X", ""},
        {"_TC_FC_SUCURSAL_0001", ""},
        {"_VER_ASIENTOTC_IR_SUCURSAL_0001_NUMERO_00000322_LETRA_X",
         "Asiento IR|0001|00000322|X|,Show"},
    };
    FrmAuditoriaTCSTOCK ventana;
    for (const auto& [url, abre] : casos)
        EXPECT_EQ(Seguir(ventana, url), abre.isEmpty() ? "Cancel" : abre + ",Cancel") << url;
    EXPECT_EQ(Seguir(ventana, "C:\\temp\\ARTICULO_A-100"), "Sigue");
    EXPECT_EQ(Seguir(ventana, "file:///tmp/AuditoriaCBTEdetalles.htm"), "Sigue");
}

// A stock movement applies its own supplier's order when another supplier holds the same key:
// the page's links to it name the order's account.
TEST_F(PaginaDeStock, UnaClaveDeDosProveedoresEsLaDelIngreso) {
    OtroProveedorConLasMismasClaves();
    const QString pagina = Pagina("IR", "0001", "00000322", "X");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_EQ(pagina.count("<A HREF=\"_TC_OC_SUCURSAL_0001_NUMERO_00000107_LETRA_X_CUENTA_"
                           "211010112\">"),
              2);
}

// An order of a key that another supplier holds too lists the reception reports of the
// supplier its header names, not the other supplier's.
TEST_F(PaginaDeStock, UnaOrdenDeDosProveedoresListaSusPropiosInformes) {
    Ejecutar("INSERT INTO MV_STOCK (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, FECHA, "
             "CUENTAPROVEEDOR, IDARTICULO) VALUES ('OC', '0001', '00000107', 'X', 1, "
             "'2026-02-07', '211010112', 'ENV-CAJ-403030')");
    const QString pagina = Pagina("OC", "0001", "00000107", "X");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_TRUE(pagina.contains(">IR   000100000322X</TD>"));
    EXPECT_FALSE(pagina.contains(">IR   000100000301X</TD>"));
}

// Mostrar writes the stock page into the sales and purchase window's file in TEMP, under the
// voucher's caption, and the page's own links reach the handler as the browser reports them.
TEST_F(VentanaStock, MostrarEscribeLaPaginaYSusEnlacesAbren) {
    FrmAuditoriaTCSTOCK* ventana = new FrmAuditoriaTCSTOCK();
    ventana->Load();
    ventana->Mostrar("IR", "0001", "00000322", "X", true);
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_EQ(ventana->Caption(), "Detalle del Comprobante IR 000100000322X");
    EXPECT_TRUE(QFile::exists(dir.filePath("Style_Auditoria.css")));
    EXPECT_EQ(SinFechas(Bytes(Ruta())), Golden("Stock_IR.htm"));
    auto& navegador = dynamic_cast<NavegadorGrabador&>(ventana->wbExplorer());
    ASSERT_EQ(navegador.PaginasMostradas().size(), 1);
    EXPECT_TRUE(navegador.PaginasMostradas()[0].endsWith("/AuditoriaCBTEdetalles.htm"));
    abiertas.clear();
    EXPECT_TRUE(navegador.Clic("_TC_OC_SUCURSAL_0001_NUMERO_00000107_LETRA_X"));
    EXPECT_TRUE(navegador.Clic("_VER_ASIENTOTC_IR_SUCURSAL_0001_NUMERO_00000322_LETRA_X"));
    EXPECT_EQ(abiertas, QStringList({"Detalle OC|0001|00000107|X|compra|",
                                     "Asiento IR|0001|00000322|X|", "Show"}));
    ventana->Unload();
}

// The links open a window of their own for every voucher; Ctrl+Break lets that window go, and
// Escape does nothing.
TEST_F(VentanaStock, CadaEnlaceEsUnaVentanaQueCtrlPausaSuelta) {
    InstalarVentanasDetalle();
    FabricaVentanas::Actual().NuevoStock({"IR", "0001", "00000322", "X"}, true);
    FabricaVentanas::Actual().NuevoStock({"IR", "0001", "00000323", "X"}, true);
    QList<QPointer<FrmAuditoriaTCSTOCK>> ventanas;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* v = qobject_cast<FrmAuditoriaTCSTOCK*>(w); v && v->isVisible())
            ventanas << v;
    ASSERT_EQ(ventanas.size(), 2);
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    for (QPointer<FrmAuditoriaTCSTOCK>& v : ventanas) {
        QTest::keyClick(v.data(), Qt::Key_Escape);
        EXPECT_TRUE(v->isVisible());
        QTest::keyClick(v.data(), Qt::Key_Pause, Qt::ControlModifier);
        EXPECT_FALSE(v->isVisible());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QPointer<FrmAuditoriaTCSTOCK>& v : ventanas)
        EXPECT_TRUE(v.isNull());
}

} // namespace
