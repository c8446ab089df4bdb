#include "DetalleDemo.h"
#include "detail_pages/FrmAuditoriaCBTEDetalle.h"
#include "detail_pages/PaginaComprobante.h"
#include "dobles/NavegadorGrabador.h"
#include "support/EnlacesDePagina.h"

namespace {

// The voucher pages, and the window that shows them.
class Comprobante : public DetalleDemo {
protected:
    void TearDown() override {
        Liberar<FrmAuditoriaCBTEDetalle>();
        DetalleDemo::TearDown();
    }
    QString Ruta() const { return dir.filePath("AuditoriaCBTEdetalles.htm"); }
    QByteArray Pagina(const QString& tc, const QString& suc, const QString& num,
                      const QString& letra, bool venta, const QString& cuenta) {
        PaginaComprobante::Generar(Ruta(), {tc, suc, num, letra}, venta, cuenta);
        return Bytes(Ruta());
    }
    QString Texto(const QString& tc, const QString& suc, const QString& num, const QString& letra,
                  bool venta, const QString& cuenta) {
        return QString::fromLatin1(Pagina(tc, suc, num, letra, venta, cuenta));
    }
};

// ---- Whole pages ---------------------------------------------------------------------------

// The order a difference corrects: items, remarks, the difference and the reception report
// that apply to it, that report found by the order's filled key, and its history.
TEST_F(Comprobante, PaginaDeUnaOrdenDeCompra) {
    const QByteArray pagina = Pagina("OC", "0001", "00000133", "X", false, "211010101");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_EQ(SinFechas(pagina), Golden("Comprobante_OC.htm"));
}

// A sale with tasks: complement, service data, four VAT rates, the receipt applying to it.
TEST_F(Comprobante, PaginaDeUnaFacturaDeVentaConTareas) {
    const QByteArray pagina = Pagina("FC", "0001", "00001512", "A", true, "112010204");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_EQ(SinFechas(pagina), Golden("Comprobante_FC.htm"));
}

// The vouchers a voucher applies are found with its letter filled to four: the sixteen
// characters of the condition meet the thirteen stored, trailing blanks aside.
TEST_F(Comprobante, LaClaveRellenaEncuentraLoAplicado) {
    const QString pagina = Texto("FCC", "0003", "00004503", "A", false, "211010101");
    EXPECT_TRUE(pagina.contains(
        "<TD CLASS=TableRowdETALLE><A HREF=\"_TC_OC_SUCURSAL_0001_NUMERO_00000101_LETRA_X_"
        "CUENTA_211010101\">OC  </TD>"));
    EXPECT_TRUE(pagina.contains("COMPROBANTES QUE APLICAN A FCC 000300004503 A"));
    EXPECT_FALSE(pagina.contains("INFORMES DE RECEPCION")) << "only an order has them";
}

// A voucher not found under the account given, or of a type without a description, keeps
// only its opening and its closing.
TEST_F(Comprobante, SinCabeceraLaPaginaSoloAbreYCierra) {
    const struct {
        QString tc, cuenta, titulo;
    } casos[] = {
        {"OC", "211010102", "Órdenes de Compra - 000100000133 X</U>"},
        {"ZZ", "211010101", "ZZ 000100000133 X</U>"},
    };
    for (const auto& c : casos) {
        const QStringList lineas =
            Texto(c.tc, "0001", "00000133", "X", false, c.cuenta).split("\r\n", Qt::SkipEmptyParts);
        ASSERT_EQ(lineas.size(), 6) << c.tc;
        EXPECT_TRUE(lineas[2].contains(c.titulo)) << lineas[2];
        EXPECT_EQ(lineas[2].endsWith("</TR></TABLE>"), c.tc == "ZZ") << lineas[2];
        EXPECT_EQ(lineas[3], "</TABLE>");
        EXPECT_EQ(lineas[4], "<br> <HR NOSHADE> <A HREF=\"_VER_ASIENTOTC_" + c.tc +
                                 "_SUCURSAL_0001_NUMERO_00000133_LETRA_X_CABCUENTA_" + c.cuenta +
                                 "\"> [VER ASIENTO] <HR NOSHADE>");
        EXPECT_EQ(lineas[5], "</body></html>");
    }
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
}

// ---- Hostile and missing values ------------------------------------------------------------

// Text goes into the page escaped, values into the links percent-encoded between quotes, and
// an account with an apostrophe into the statements doubled.
TEST_F(Comprobante, TextoEscapadoYEnlacesCodificados) {
    Ejecutar("INSERT INTO MV_CPTE (TC, SUCURSAL, NUMERO, LETRA, FECHA, CUENTA, NOMBRE, "
             "COMENTARIOS, IMPORTE) VALUES ('FCC', '0009', '00000777', 'A', '2026-12-01', "
             "'2.1 O''Brien', 'Pérez & <Hijos> \"SA\"', 'a<b', 10)");
    Ejecutar("INSERT INTO MV_APLICACION (CUENTA, TC, SUCURSAL, NUMERO, LETRA, TCO_ORIGEN, "
             "SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN, IMPORTE) VALUES ('2.1 O''Brien', "
             "'FCC', '0009', '00000777', 'A', 'OC', '0001', '00000101', 'X', 10)");
    const QString pagina = Texto("FCC", "0009", "00000777", "A", false, "2.1 O'Brien");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_TRUE(pagina.contains("NOWRAP>Pérez &amp; &lt;Hijos&gt; &quot;SA&quot;</TD>"));
    EXPECT_TRUE(pagina.contains("<B>a&lt;b</B>"));
    EXPECT_TRUE(pagina.contains("<A HREF=\"_TC_OC_SUCURSAL_0001_NUMERO_00000101_LETRA_X_CUENTA_"
                                "2.1%20O%27Brien\">OC  </TD>"));
    EXPECT_TRUE(pagina.contains("<A HREF=\"_VER_ASIENTOTC_FCC_SUCURSAL_0009_NUMERO_00000777_"
                                "LETRA_A_CABCUENTA_2.1%20O%27Brien\"> [VER ASIENTO]"));
}

// A sale without complement has no lines of its own and shows an empty complement; a task's
// minutes show as hours, a Null or a text that is no number as none.
TEST_F(Comprobante, ComplementoYHorasNulos) {
    Ejecutar("INSERT INTO MV_CPTE (TC, SUCURSAL, NUMERO, LETRA, IDCOMPLEMENTO, FECHA, CUENTA) "
             "VALUES ('FC', '0001', '00009999', 'A', NULL, '2026-12-01', '112010201')");
    const QString sinComplemento = Texto("FC", "0001", "00009999", "A", true, "");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_TRUE(sinComplemento.contains(
        "\r\n<TD class=TableCabeceraValor ALIGN=CENTER COLSPAN=6 NOWRAP></TD></TR>\r\n"));
    EXPECT_FALSE(sinComplemento.contains("INSUMOS"));
    EXPECT_TRUE(sinComplemento.contains("TOTAL $:"));

    const std::pair<const char*, const char*> horas[] = {
        {"90", "1,50"}, {"0", "0,00"}, {"45", "0,75"}, {"NULL", "0,00"}, {"'x12'", "0,00"}};
    int secuencia = 10;
    for (const auto& [minutos, texto] : horas)
        Ejecutar(QString("INSERT INTO MV_CPTETAREAS (TC, SUCURSAL, NUMERO, LETRA, CUENTA, "
                         "IDCOMPLEMENTO, SECUENCIA, IDTAREA, DESCRIPCION, HORAS) VALUES ('FC', "
                         "'0001', '00001512', 'A', '112010204', 1, %1, 'T%1', 'd', %2)")
                     .arg(secuencia++)
                     .arg(minutos));
    const QString conTareas = Texto("FC", "0001", "00001512", "A", true, "112010204");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    secuencia = 10;
    for (const auto& [minutos, texto] : horas)
        EXPECT_TRUE(conTareas.contains(
            QString("<TD CLASS=TableROWDetalle>   T%1 </TD><TD CLASS=TableROWDetalle> d </TD>"
                    "<TD CLASS=TableROWDetalle ALIGN=RIGHT  NOWRAP>%2</TD>")
                .arg(secuencia++)
                .arg(texto)))
            << minutos;
}

// ---- Errors --------------------------------------------------------------------------------

// A statement the database refuses is told once, by the database object; the page goes on
// without that part and ends properly.
TEST_F(Comprobante, UnaConsultaRechazadaSeAvisaUnaVez) {
    Ejecutar("DROP VIEW V_MV_CPTETAREAS");
    const QString pagina = Texto("FC", "0001", "00001512", "A", true, "112010204");
    ASSERT_EQ(guion.Mensajes.size(), 1u) << Avisos();
    EXPECT_FALSE(pagina.contains("TAREAS"));
    EXPECT_TRUE(pagina.contains("TOTAL $:"));
    EXPECT_TRUE(pagina.endsWith("[VER ASIENTO] <HR NOSHADE>\r\n</body></html>\r\n"));
}

// A page file that cannot be written is told once per attempt: retry starts the page again,
// anything else leaves it.
TEST_F(Comprobante, UnArchivoQueFallaSeAvisaUnaVezPorIntento) {
    const QString ruta = dir.filePath("no/existe/AuditoriaCBTEdetalles.htm");
    guion.RespuestasMsgBox = {vbRetry, vbAbort};
    PaginaComprobante::Generar(ruta, {"OC", "0001", "00000133", "X"}, false, "211010101");
    ASSERT_EQ(guion.Mensajes.size(), 2u) << Avisos();
    EXPECT_TRUE(guion.Mensajes[0].Texto.contains("Procedimiento: Generar"));
    EXPECT_FALSE(QFile::exists(ruta));
}

// ---- The window ----------------------------------------------------------------------------

// What the links of the window would open, instead of opening it.
class VentanaComprobante : public Comprobante {};

// The letter is one character and the account follows "_CUENTA_" or "_CABCUENTA_"; a stock
// receipt opens the stock window, a voucher outside the groups nothing; only an address
// without markers goes ahead.
TEST_F(VentanaComprobante, CadaEnlaceAbreSuVentana) {
    const std::tuple<QString, bool, QString> casos[] = {
        {"_tc_FC_sucursal_0001_numero_00001234_letra_A_cuenta_2.1.01.001", true,
         "Detalle FC|0001|00001234|A|venta|2.1.01.001"},
        {"file:///tmp/_TC_fcc_SUCURSAL_0003_NUMERO_00004503_LETRA_AB_CUENTA_2.1 O'Brien", true,
         "Detalle fcc|0003|00004503|A|compra|2.1 O'Brien"},
        {"_TC_IR_SUCURSAL_0001_NUMERO_00000330_LETRA_X", true, "Stock IR|0001|00000330|X|venta"},
        {"_TC_PG_SUCURSAL_0001_NUMERO_00000487_LETRA_X_CUENTA_211010101", true,
         "Recibo PG|0001|00000487|X|venta|211010101"},
        {"_TC_ncpe_SUCURSAL_0001_NUMERO_00000033_LETRA_X_CUENTA_211010101", true,
         "Asiento ncpe|0001|00000033|X|,Show"},
        {"_VER_ASIENTOTC_OC_SUCURSAL_0001_NUMERO_00000133_LETRA_X_CABCUENTA_211010101", true,
         "Asiento OC|0001|00000133|X|211010101,Show"},
        {"_TC_VJ_SUCURSAL_0001_NUMERO_00000001_LETRA_X_CUENTA_1", true, ""},
        {"_TC_FC_SUCURSAL_0001", true, ""},
        {"file:///tmp/AuditoriaCBTEdetalles.htm", false, ""},
    };
    FrmAuditoriaCBTEDetalle ventana;
    for (const auto& [url, cancela, abre] : casos) {
        abiertas.clear();
        bool cancel = !cancela;
        ventana.wbExplorer_BeforeNavigate2(url, cancel);
        EXPECT_EQ(cancel, cancela) << url;
        EXPECT_EQ(abiertas.join(','), abre) << url;
    }
}

// The default window shows its voucher in TEMP under its caption, and the page's own links
// reach the handler as the browser reports them.
TEST_F(VentanaComprobante, MostrarEscribeLaPaginaYSusEnlacesAbren) {
    FrmAuditoriaCBTEDetalle& ventana = Instancia<FrmAuditoriaCBTEDetalle>();
    ventana.Load();
    ventana.Mostrar("OC", "0001", "00000133", "X", false, "211010101");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_EQ(ventana.Caption(), "Detalle del Comprobante OC 000100000133X");
    EXPECT_TRUE(QFile::exists(dir.filePath("Style_Auditoria.css")));
    EXPECT_EQ(SinFechas(Bytes(Ruta())), Golden("Comprobante_OC.htm"));
    auto& navegador = dynamic_cast<NavegadorGrabador&>(ventana.wbExplorer());
    ASSERT_EQ(navegador.PaginasMostradas().size(), 1);
    EXPECT_TRUE(navegador.PaginasMostradas()[0].endsWith("AuditoriaCBTEdetalles.htm"));
    EXPECT_TRUE(navegador.Clic("_TC_IR_SUCURSAL_0001_NUMERO_00000330_LETRA_X"));
    EXPECT_TRUE(
        navegador.Clic("_TC_NCPE_SUCURSAL_0001_NUMERO_00000033_LETRA_X_CUENTA_2.1%20O%27Brien"));
    EXPECT_EQ(abiertas, (QStringList{"Stock IR|0001|00000330|X|venta",
                                     "Asiento NCPE|0001|00000033|X|", "Show"}));
}

// Payments, receipts and stock movements link a voucher without its account: the window
// shows it whole, on the account its header holds, with the vouchers that settle it.
TEST_F(VentanaComprobante, SinCuentaSeMuestraConLaDeSuCabecera) {
    const struct {
        QString tc, num;
        bool venta;
        QStringList partes;
    } casos[] = {
        {"FCC",
         "00004503",
         false,
         {"Av. San Martín 1450", "Agua mineral sin gas 2 L", "COMPROBANTES APLICADOS POR FCC",
          "_TC_NCPE_SUCURSAL_0001_NUMERO_00000001_LETRA_X_CUENTA_211010101",
          "_VER_ASIENTOTC_FCC_SUCURSAL_0003_NUMERO_00004503_LETRA_A_CABCUENTA_211010101"}},
        {"FC",
         "00001507",
         true,
         {"Leche entera sachet 1 L", "COMPROBANTES QUE APLICAN A FC",
          "_TC_CB_SUCURSAL_0001_NUMERO_00000836_LETRA_X_CUENTA_112010201"}},
    };
    FrmAuditoriaCBTEDetalle ventana;
    ventana.Load();
    for (const auto& c : casos) {
        ventana.Mostrar(c.tc, c.tc == "FC" ? "0001" : "0003", c.num, "A", c.venta, "");
        const QString pagina = Leer(ventana.ArchivoPagina());
        for (const QString& parte : c.partes)
            EXPECT_TRUE(pagina.contains(parte))
                << c.tc.toStdString() << ": " << parte.toStdString();
    }
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
}

// A purchase key that two suppliers hold names neither without an account: the page shows no
// supplier rather than the wrong one.
TEST_F(Comprobante, UnaClaveDeDosProveedoresSinCuentaNoMuestraNinguno) {
    OtroProveedorConLasMismasClaves();
    const QString sinCuenta = Texto("FCC", "0005", "00004549", "A", false, "");
    EXPECT_EQ(sinCuenta.split("\r\n", Qt::SkipEmptyParts).size(), 6);
    EXPECT_FALSE(sinCuenta.contains("Sr/s.:"));
    EXPECT_TRUE(sinCuenta.contains("_LETRA_A_CABCUENTA_\">"));
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
}

// An order key that another supplier holds too, received with a reception report of its own:
// the order lists its own supplier's report only.
TEST_F(Comprobante, UnaOrdenDeDosProveedoresListaSusPropiosInformes) {
    const QString pagina = Texto("OC", "0001", "00000107", "X", false, "211010112");
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
    EXPECT_TRUE(pagina.contains(">IR   000100000322X</TD>"));
    EXPECT_FALSE(pagina.contains(">IR   000100000301X</TD>"));
}

// Another voucher in the window starts at its top; the same one again keeps the place.
TEST_F(VentanaComprobante, OtroComprobanteSeMuestraDesdeArriba) {
    FrmAuditoriaCBTEDetalle ventana;
    ventana.Load();
    auto& navegador = dynamic_cast<NavegadorGrabador&>(ventana.wbExplorer());
    QList<bool> desdeArriba;
    for (const char* numero : {"00000133", "00000133", "00000101"}) {
        ventana.Mostrar("OC", "0001", numero, "X", false, "211010101");
        desdeArriba << navegador.Historial().last().DesdeArriba;
    }
    EXPECT_EQ(desdeArriba, QList<bool>({true, false, true}));
}

// The window's account, whatever it holds, comes back from the page's journal-entry link
// exactly, and turns no link into another.
TEST_F(VentanaComprobante, LaCuentaDeLaVentanaVuelveExacta) {
    const QString cuenta = "1.1_CUENTA_/ARTICULO_9 %41%2510 #?Ñ'";
    EjecutarSinComprobarLargos("UPDATE MV_APLICACION SET CUENTA = '" +
                               QString(cuenta).replace("'", "''") + "' WHERE CUENTA = '112010204'");
    FrmAuditoriaCBTEDetalle ventana;
    ventana.Load();
    ventana.Mostrar("FC", "0001", "00001512", "A", true, cuenta);
    auto& navegador = dynamic_cast<NavegadorGrabador&>(ventana.wbExplorer());
    abiertas.clear();
    for (const QString& enlace : EnlacesDePagina(ventana.ArchivoPagina()))
        EXPECT_TRUE(navegador.Clic(enlace)) << enlace;
    EXPECT_EQ(abiertas,
              QStringList({"Recibo CB|0001|00000844|X|venta", "Recibo CB|0001|00000844|X|venta",
                           "Asiento FC|0001|00001512|A|" + cuenta, "Show"}));
}

} // namespace
