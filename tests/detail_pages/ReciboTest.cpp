#include "DetalleDemo.h"
#include "detail_pages/FrmAuditoriaRECIBODetalle.h"
#include "detail_pages/PaginaRecibo.h"
#include "dobles/NavegadorGrabador.h"
#include "support/EnlacesDePagina.h"

#include <QApplication>
#include <QDir>
#include <QUrl>

namespace {

class PaginaDeRecibo : public DetalleDemo {
protected:
    QString Ruta() const { return dir.filePath("AuditoriaRECIBOdetalles.htm"); }
    QString Pagina(const QString& tc, const QString& suc, const QString& num, const QString& letra,
                   bool venta = true, const QString& cuenta = {}) {
        PaginaRecibo::Generar(Ruta(), {tc, suc, num, letra}, venta, cuenta);
        return Leer(Ruta());
    }
};

// ---- Whole pages ---------------------------------------------------------------------------

// A receipt with cash, a cheque and a withholding suffered, the invoice it settles read from
// the sales view; a payment with a transfer and an income-tax withholding, the supplier's
// invoice it settles read from the purchase view although the party came from the sales view.
TEST_F(PaginaDeRecibo, CobranzaYPago) {
    const std::tuple<QString, QString, const char*> casos[] = {
        {"CB", "00000836", "Recibo_CB.htm"},
        {"PG", "00000487", "Recibo_PG.htm"},
    };
    for (const auto& [tc, numero, golden] : casos) {
        PaginaRecibo::Generar(Ruta(), {tc, "0001", numero, "X"}, true);
        EXPECT_EQ(SinFechas(Bytes(Ruta())), Golden(golden)) << golden;
    }
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
}

// A voucher the view does not hold, or of a type without a name, keeps the title's table open
// and closes with "</font></TABLE>": no party, totals, history or business unit. A payment is
// not among the purchase view's vouchers.
TEST_F(PaginaDeRecibo, SinParteLaPaginaSoloAbreYCierra) {
    const struct {
        QString tc, numero;
        bool venta;
        QString titulo;
    } casos[] = {
        {"CB", "00009999", true, "<U>Cobranza - 000100009999 X</U>"},
        {"ZZ", "00000836", true, "<U>ZZ 000100000836 X</U>"},
        {"PG", "00000487", false, "<U>Pago a Proveedores - 000100000487 X</U>"},
    };
    for (const auto& c : casos) {
        const QStringList lineas =
            Pagina(c.tc, "0001", c.numero, "X", c.venta).split("\r\n", Qt::SkipEmptyParts);
        ASSERT_EQ(lineas.size(), 6) << c.tc;
        EXPECT_TRUE(lineas[2].contains(c.titulo)) << lineas[2];
        EXPECT_TRUE(lineas[2].endsWith("<FONT SIZE=1>&nbsp;</FONT></TD></TR>")) << lineas[2];
        EXPECT_EQ(lineas[3], "</font></TABLE>");
        EXPECT_EQ(lineas[4], "<br> <HR NOSHADE> <A HREF=\"_VER_ASIENTOTC_" + c.tc +
                                 "_SUCURSAL_0001_NUMERO_" + c.numero +
                                 "_LETRA_X\"> [VER ASIENTO] <HR NOSHADE>");
        EXPECT_EQ(lineas[5], "</body></html>");
    }
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
}

// ---- Keys and views ------------------------------------------------------------------------

// The payment codes, in any case, read the settled vouchers from the purchase view; the
// receipt codes from the sales view. The letter filled to four finds the journal lines and the
// applications all the same.
TEST_F(PaginaDeRecibo, VistaDeLosComprobantesAfectados) {
    Ejecutar("UPDATE MV_CPTE SET TC = 'pgfp' WHERE TC = 'PG' AND NUMERO = '00000487'");
    Ejecutar("UPDATE MV_ASIENTOS SET TC = 'PGFP' WHERE TC = 'PG' AND NUMERO = '00000487'");
    Ejecutar("UPDATE MV_APLICACION SET TC = 'PGFP' WHERE TC = 'PG' AND NUMERO = '00000487'");
    Ejecutar("UPDATE MV_CPTEACCIONES SET TC = 'PGFP' WHERE TC = 'PG' AND "
             "IDCOMPROBANTE = '000100000487X'");
    const struct {
        QString tc, numero, afectado;
    } casos[] = {
        {"pgfp", "00000487", ">FCC  000300004503A</TD>"},
        {"cb", "00000840", ">FC   000100001509A</TD>"},
    };
    for (const auto& c : casos) {
        const QString pagina = Pagina(c.tc, "0001", c.numero, "X");
        EXPECT_TRUE(pagina.contains(c.afectado)) << c.tc;
        EXPECT_TRUE(pagina.contains("<B>DETALLES DEL PAGO </B>")) << c.tc;
        EXPECT_TRUE(pagina.contains("<B>HISTORIAL DE ACCIONES</B>")) << c.tc;
    }
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
}

// A receipt whose only journal line is on the party's own account has no payment details at
// all; a total of zero reads in words.
TEST_F(PaginaDeRecibo, SinMediosDePagoYTotalCero) {
    Ejecutar("DELETE FROM MV_ASIENTOS WHERE TC = 'CB' AND NUMERO = '00000838' AND "
             "CUENTA <> '112010203'");
    Ejecutar("UPDATE MV_CPTE SET IMPORTE = NULL WHERE TC = 'CB' AND NUMERO = '00000838'");
    const QString pagina = Pagina("CB", "0001", "00000838", "X");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_FALSE(pagina.contains("DETALLES DEL PAGO"));
    EXPECT_TRUE(pagina.contains("<td class=TableCABpIE>&nbsp;&nbsp;CERO CON 00/100 (0)</td>"));
}

// A payment settles its own supplier's invoice when another supplier holds the same key: one
// row, with that invoice's own amount, linked on its account.
TEST_F(PaginaDeRecibo, UnaClaveDeDosProveedoresEsLaDelPago) {
    OtroProveedorConLasMismasClaves();
    const QString pagina = Pagina("PG", "0001", "00000495", "X");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_EQ(pagina.count("FCC  000500004549A</TD>"), 1);
    EXPECT_FALSE(pagina.contains(">999</TD>"));
    EXPECT_TRUE(pagina.contains("<A HREF=\"_TC_FCC_SUCURSAL_0005_NUMERO_00004549_LETRA_A_CUENTA_"
                                "211010103\">FCC  000500004549A</TD><TD CLASS=TableROWDetalle "
                                "ALIGN=RIGHT  NOWRAP>110680,18</TD>"));
}

// Two suppliers each hold a payment 0001-00000495 X: opened for either, every section is that
// supplier's own payment (its means of payment, the invoices it settled, an application that
// names no account once), and its journal link names the supplier, whose entry it opens.
TEST_F(PaginaDeRecibo, UnPagoDeClaveCompartidaEsSoloDeSuProveedor) {
    OtroProveedorConLasMismasClaves();
    const QString otro = Pagina("PG", "0001", "00000495", "X", true, "211010100");
    EXPECT_TRUE(otro.contains("NOWRAP>Otro Proveedor S.A.</TD>"));
    EXPECT_TRUE(otro.contains("1110101 - Caja Central"));
    EXPECT_FALSE(otro.contains("1110102 - "));
    EXPECT_TRUE(otro.contains("<A HREF=\"_TC_FCC_SUCURSAL_0005_NUMERO_00004549_LETRA_A_CUENTA_"
                              "211010100\">FCC  000500004549A</TD><TD CLASS=TableROWDetalle "
                              "ALIGN=RIGHT  NOWRAP>999</TD>"));
    EXPECT_FALSE(otro.contains("110680,18"));

    Ejecutar("UPDATE MV_APLICACION SET CUENTA = NULL WHERE TC = 'PG' AND NUMERO = '00000495' "
             "AND CUENTA = '211010103'");
    const QString castaneda = Pagina("PG", "0001", "00000495", "X", true, "211010103");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_FALSE(castaneda.contains("211010100"));
    EXPECT_FALSE(castaneda.contains("1110101 - "));
    EXPECT_FALSE(castaneda.contains(">999</TD>"));
    EXPECT_EQ(castaneda.count("FCC  000500004549A</TD>"), 1);
    EXPECT_TRUE(castaneda.contains("_LETRA_X_CABCUENTA_211010103\"> [VER ASIENTO]"));
}

// A sales voucher of two complements on one account, settled by one application: one row, its
// amount once.
TEST_F(PaginaDeRecibo, UnComprobanteDeDosComplementosSeListaUnaVez) {
    const QString pagina = Pagina("CB", "0001", "00000836", "X");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_EQ(pagina.count("FC   000100001507A</TD>"), 1);
    EXPECT_EQ(pagina.count("NOWRAP>2156924,1</TD>"), 2); // its amount and the one applied
}

// Discounts that add up beyond what an amount holds are marked in their cell, and the page is
// drawn to its end; at the very end of the range they add up exactly.
TEST_F(PaginaDeRecibo, DescuentosAlBordeDelRango) {
    const std::pair<const char*, QString> casos[] = {
        {"922337203685477.5807", "fuera de rango"},
        {"230584300921369.25", "922337203685477"},
    };
    for (const auto& [descuento, texto] : casos) {
        Ejecutar(QString("UPDATE MV_CPTE SET IMPDESCUENTO1 = %1, IMPDESCUENTO2 = %1, "
                         "IMPDESCUENTO3 = %1, IMPDESCUENTO4 = %1 WHERE TC = 'CB' AND "
                         "NUMERO = '00000836'")
                     .arg(descuento));
        const QString pagina = Pagina("CB", "0001", "00000836", "X");
        EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
        EXPECT_TRUE(pagina.contains("OTORGADOS &nbsp;</B></td><td class=TableCABpIE>&nbsp" + texto +
                                    "</td>"))
            << descuento;
        EXPECT_TRUE(pagina.contains("</body></html>"));
    }
}

// The demo company meets each of these roads as it stands: a payment key two suppliers hold,
// an application that names no account on a purchase key two suppliers hold, a receipt whose
// discounts leave the range.
TEST_F(PaginaDeRecibo, LaDemoTieneClavesCompartidas) {
    const QString castaneda = Pagina("PG", "0001", "00000495", "X", true, "211010103");
    EXPECT_FALSE(castaneda.contains("Embalajes"));
    EXPECT_EQ(castaneda.count("FCC  000500004549A</TD>"), 1);
    const QString saldo = Pagina("PG", "0001", "00000496", "X", true, "211010113");
    EXPECT_EQ(saldo.count("FCC  000500004549A</TD>"), 1);
    EXPECT_TRUE(saldo.contains("_CUENTA_211010113\">FCC  000500004549A</TD>"));
    const QString fin = Pagina("CB", "0001", "00000801", "X");
    EXPECT_TRUE(fin.contains("&nbspfuera de rango</td>"));
    EXPECT_TRUE(fin.contains("</body></html>"));
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
}

// The total is the stored amount to its last decimal, in figures and in words, up to the
// largest amount the books hold; so are the withholdings.
TEST_F(PaginaDeRecibo, ElTotalEsElImporteGuardado) {
    const std::pair<QString, QString> casos[] = {
        {"100000000000.1234", "CIEN MIL MILLONES CON 12/100 (100000000000,1234)"},
        {"922337203685477.5807", "(922337203685477,5807)"},
    };
    for (const auto& [importe, texto] : casos) {
        Ejecutar("UPDATE MV_CPTE SET IMPORTE = " + importe + ", RETGAN_IMPORTE = " + importe +
                 " WHERE TC = 'CB' AND NUMERO = '00000836'");
        const QString pagina = Pagina("CB", "0001", "00000836", "X");
        EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
        EXPECT_TRUE(pagina.contains(texto + "</td>")) << importe;
        EXPECT_TRUE(pagina.contains("RETENCION GANACIAS   </B></td><td class=TableCABpIE>&nbsp" +
                                    QString(texto).section('(', 1).chopped(1) + "</td>"))
            << importe;
    }
}

// ---- Hostile and missing values ------------------------------------------------------------

// Text goes into the page escaped and values into the links percent-encoded between quotes; a
// key cut from a link with an apostrophe reaches every statement doubled.
TEST_F(PaginaDeRecibo, TextoEscapadoYEnlacesCodificados) {
    Ejecutar("UPDATE MV_CPTE SET NOMBRE = 'Pérez & <Hijos> \"SA\"', COMENTARIOS = 'a<b' "
             "WHERE TC = 'PG' AND NUMERO = '00000487'");
    Ejecutar("INSERT INTO MV_APLICACION (CUENTA, TC, SUCURSAL, NUMERO, LETRA, TCO_ORIGEN, "
             "SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN, IMPORTE) VALUES ('211010101', 'PG', "
             "'0001', '00000487', 'X', 'FCC', '0003', '00005078', 'A', 1)");
    const QString pagina = Pagina("PG", "0001", "00000487", "X");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_TRUE(pagina.contains("NOWRAP>Pérez &amp; &lt;Hijos&gt; &quot;SA&quot;</TD>"));
    EXPECT_TRUE(pagina.contains("<B>a&lt;b</B>"));
    EXPECT_TRUE(pagina.contains("&nbsp;&nbsp;a&lt;b</td>"));
    EXPECT_TRUE(pagina.contains("<A HREF=\"_TC_FCC_SUCURSAL_0003_NUMERO_00005078_LETRA_A_CUENTA_"
                                "211010101\">FCC  000300005078A</TD>"));

    const QStringList lineas =
        Pagina("C'B", "0'01", "0000'836", "<X>").split("\r\n", Qt::SkipEmptyParts);
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    ASSERT_EQ(lineas.size(), 6);
    EXPECT_TRUE(lineas[2].contains("<U>C'B 0'010000'836 &lt;X&gt;</U>")) << lineas[2];
    EXPECT_TRUE(lineas[4].contains("<A HREF=\"_VER_ASIENTOTC_C%27B_SUCURSAL_0%2701_NUMERO_"
                                   "0000%27836_LETRA_%3CX%3E\">"));
}

// A receipt without complement shows an empty complement and narrows its history to nothing,
// without a broken statement; the purchase side shows no complement, its discounts summed and
// no withholdings.
TEST_F(PaginaDeRecibo, ComplementoNuloYLadoDeCompras) {
    Ejecutar("UPDATE MV_CPTE SET IDCOMPLEMENTO = NULL WHERE TC = 'CB' AND NUMERO = '00000836'");
    const QString venta = Pagina("CB", "0001", "00000836", "X");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_TRUE(venta.contains(
        "\r\n<TD class=TableCabeceraValor ALIGN=CENTER COLSPAN=6 NOWRAP></TD></TR>\r\n"));
    EXPECT_FALSE(venta.contains("HISTORIAL DE ACCIONES"));

    Ejecutar("INSERT INTO MV_CPTE (TC, SUCURSAL, NUMERO, LETRA, FECHA, CUENTA, NOMBRE, "
             "IMPDESCUENTO1, IMPDESCUENTO2, IMPORTE) VALUES ('FCC', '0009', '00000777', 'A', "
             "'2026-12-01', '211010101', 'Proveedor', 10.5, 2, 100)");
    const QString compra = Pagina("FCC", "0009", "00000777", "A", false);
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_TRUE(compra.contains(
        "\r\n<TD class=TableCabeceraValor ALIGN=CENTER COLSPAN=6 NOWRAP></TD></TR>\r\n"));
    EXPECT_TRUE(compra.contains("DESCUENTOS OTORGADOS &nbsp;</B></td><td "
                                "class=TableCABpIE>&nbsp12,5</td>"));
    EXPECT_TRUE(compra.contains("RETENCION IVA   </B></td><td class=TableCABpIE>&nbsp</td>"));
    EXPECT_TRUE(compra.contains("&nbsp;&nbsp;CIEN CON 00/100 (100)</td>"));
}

// ---- Errors --------------------------------------------------------------------------------

TEST_F(PaginaDeRecibo, UnaConsultaRechazadaSeAvisaUnaVez) {
    Ejecutar("DROP VIEW V_TA_BANCOS");
    const QString pagina = Pagina("CB", "0001", "00000836", "X");
    ASSERT_EQ(guion.Mensajes.size(), 1u) << Avisos();
    EXPECT_FALSE(pagina.contains("DETALLES DEL PAGO"));
    EXPECT_TRUE(pagina.contains("COMPROBANTES AFECTADOS"));
    EXPECT_TRUE(pagina.endsWith("[VER ASIENTO] <HR NOSHADE>\r\n</body></html>\r\n"));
}

TEST_F(PaginaDeRecibo, UnArchivoQueFallaSeAvisaUnaVezPorIntento) {
    const QString ruta = dir.filePath("no/existe/AuditoriaRECIBOdetalles.htm");
    guion.RespuestasMsgBox = {vbRetry, vbRetry, vbAbort};
    PaginaRecibo::Generar(ruta, {"CB", "0001", "00000836", "X"}, true);
    ASSERT_EQ(guion.Mensajes.size(), 3u) << Avisos();
    EXPECT_TRUE(guion.Mensajes[2].Texto.contains("Procedimiento: Generar"));
    EXPECT_FALSE(QFile::exists(ruta));
}

// ---- The window ----------------------------------------------------------------------------

class VentanaRecibo : public PaginaDeRecibo {};

// As the stock window's handler, but "NCPE" opens nothing; the article link comes first.
TEST_F(VentanaRecibo, CadaEnlaceAbreSuVentana) {
    const std::pair<QString, QString> casos[] = {
        {"_TC_FC_SUCURSAL_0001_NUMERO_00001507_LETRA_A", "Detalle FC|0001|00001507|A|venta|"},
        {"file:///tmp/_Tc_FCC_Sucursal_0003_Numero_00004503_Letra_A",
         "Detalle FCC|0003|00004503|A|compra|"},
        {"file:///tmp/_TC_FCC_SUCURSAL_0005_NUMERO_00004549_LETRA_A_CUENTA_211010103",
         "Detalle FCC|0005|00004549|A|compra|211010103"},
        {"_TC_cbct_SUCURSAL_0001_NUMERO_00000001_LETRA_X", "Recibo cbct|0001|00000001|X|venta"},
        {"_TC_PG_SUCURSAL_0001_NUMERO_00000487_LETRA_X", "Recibo PG|0001|00000487|X|venta"},
        {"_TC_NCPE_SUCURSAL_0001_NUMERO_00000002_LETRA_X", ""},
        {"_TC_IR_SUCURSAL_0001_NUMERO_00000322_LETRA_X", ""},
        {"_VER_ASIENTOTC_CB_SUCURSAL_0001_NUMERO_00000836_LETRA_X",
         "Asiento CB|0001|00000836|X|,Show"},
        {"_VER_ASIENTOTC_CB_SUCURSAL_0001", ""},
        {"C:\\temp\\ARTICULO_A-100", ""},
    };
    FrmAuditoriaRECIBODetalle ventana;
    for (const auto& [url, abre] : casos)
        EXPECT_EQ(Seguir(ventana, url), abre.isEmpty() ? "Cancel" : abre + ",Cancel") << url;
    EXPECT_EQ(Seguir(ventana, "file:///tmp/AuditoriaRECIBOdetalles.htm"), "Sigue");
}

// The article program starts, the code filled to 25, only when "v_ma_articulos.exe" is there;
// either separator leads the marker.
TEST_F(VentanaRecibo, ElArticuloArrancaElProgramaSoloSiExiste) {
    FrmAuditoriaRECIBODetalle ventana;
    const QString lanzado = "MenuExes shell:v_ma_articulos @idarticulo=A-100" + QString(20, u' ');
    EXPECT_EQ(Seguir(ventana, "C:\\temp\\ARTICULO_A-100"), "Cancel");
    QFile programa_(QDir(programa.path()).filePath("v_ma_articulos.exe"));
    ASSERT_TRUE(programa_.open(QIODevice::WriteOnly));
    programa_.close();
    EXPECT_EQ(Seguir(ventana, "C:\\temp\\ARTICULO_A-100"), lanzado + ",Cancel");
    EXPECT_EQ(Seguir(ventana, "file:///tmp/ARTICULO_A-100"), lanzado + ",Cancel");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
}

// Mostrar writes the receipt page into its own file in TEMP under the caption "Detalle de ...",
// and the page's own links reach the handler as the browser reports them.
TEST_F(VentanaRecibo, MostrarEscribeLaPaginaYSusEnlacesAbren) {
    FrmAuditoriaRECIBODetalle* ventana = new FrmAuditoriaRECIBODetalle();
    ventana->Load();
    ventana->Mostrar("CB", "0001", "00000836", "X", true);
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_EQ(ventana->Caption(), "Detalle de CB 000100000836X");
    EXPECT_TRUE(QFile::exists(dir.filePath("Style_Auditoria.css")));
    EXPECT_EQ(SinFechas(Bytes(Ruta())), Golden("Recibo_CB.htm"));
    auto& navegador = dynamic_cast<NavegadorGrabador&>(ventana->wbExplorer());
    ASSERT_EQ(navegador.PaginasMostradas().size(), 1);
    EXPECT_TRUE(navegador.PaginasMostradas()[0].endsWith("/AuditoriaRECIBOdetalles.htm"));
    abiertas.clear();
    EXPECT_TRUE(navegador.Clic("_TC_FC_SUCURSAL_0001_NUMERO_00001507_LETRA_A"));
    EXPECT_EQ(abiertas, QStringList({"Detalle FC|0001|00001507|A|venta|"}));
    ventana->Unload();
}

// In a temporary folder whose name holds marker words and address characters, the page is
// shown; its links, written from rows and a key holding them too, give each value back exactly.
TEST_F(VentanaRecibo, LosValoresDeLaPaginaVuelvenExactos) {
    const QString carpeta = dir.filePath("a#b?c%41 d_tc_ articulo_");
    ASSERT_TRUE(QDir().mkpath(carpeta));
    qputenv("TEMP", carpeta.toLocal8Bit());
    EjecutarSinComprobarLargos(
        "UPDATE MV_CPTE SET SUCURSAL = '_TC_', NUMERO = '21%2010102', LETRA = "
        "'/ARTICULO_9' WHERE TC = 'FC' AND NUMERO = '00001507'");
    EjecutarSinComprobarLargos(
        "UPDATE MV_APLICACION SET SUCURSAL_ORIGEN = '_TC_', NUMERO_ORIGEN = '21%2010102', "
        "LETRA_ORIGEN = '/ARTICULO_9' WHERE TC = 'CB' AND NUMERO = '00000836'");
    FrmAuditoriaRECIBODetalle ventana;
    ventana.Load();
    auto& navegador = dynamic_cast<NavegadorGrabador&>(ventana.wbExplorer());
    const auto seguirEnlaces = [&] {
        abiertas.clear();
        for (const QString& enlace : EnlacesDePagina(ventana.ArchivoPagina()))
            EXPECT_TRUE(navegador.Clic(enlace)) << enlace;
        return abiertas;
    };
    ventana.Mostrar("CB", "0001", "00000836", "X", true);
    ASSERT_EQ(navegador.PaginasMostradas().size(), 1);
    EXPECT_EQ(QUrl(navegador.LocationURL()).toLocalFile(),
              carpeta + "/AuditoriaRECIBOdetalles.htm");
    EXPECT_EQ(seguirEnlaces(), QStringList({"Detalle FC|_TC_|21%2010102|/ARTICULO_9|venta|",
                                            "Asiento CB|0001|00000836|X|", "Show"}));

    ventana.Mostrar("CB", "0%41", "#?_TC_ %20", "Ñ'", true);
    EXPECT_EQ(navegador.PaginasMostradas().size(), 2);
    EXPECT_EQ(seguirEnlaces(), QStringList({"Asiento CB|0%41|#?_TC_ %20|Ñ'|", "Show"}));
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
}

// The main window's links reach the default instance; closing it lets it go, while closing a
// further instance leaves the default one alone.
TEST_F(VentanaRecibo, LaInstanciaPredeterminadaSeSueltaSoloAlCerrarla) {
    InstalarVentanasDetalle();
    VentanaDetalleRecibo* acceso = VentanasVecinas::Actuales().DetalleRecibo();
    acceso->Mostrar({{"PG", "0001", "00000487", "X"}, {}}, true);
    acceso->Show();
    QPointer<FrmAuditoriaRECIBODetalle> predeterminada = &Instancia<FrmAuditoriaRECIBODetalle>();
    EXPECT_TRUE(predeterminada->isVisible());
    EXPECT_EQ(predeterminada->Caption(), "Detalle de PG 000100000487X");

    FabricaVentanas::Actual().NuevoRecibo({"CB", "0001", "00000836", "X"}, true, {});
    QPointer<FrmAuditoriaRECIBODetalle> otra;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* v = qobject_cast<FrmAuditoriaRECIBODetalle*>(w); v && v != predeterminada)
            otra = v;
    ASSERT_FALSE(otra.isNull());
    EXPECT_EQ(otra->Caption(), "Detalle de CB 000100000836X");
    otra->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(otra.isNull());
    EXPECT_EQ(&Instancia<FrmAuditoriaRECIBODetalle>(), predeterminada.data());

    predeterminada->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(predeterminada.isNull());
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    Liberar<FrmAuditoriaRECIBODetalle>();
}

} // namespace
