#include "detail_pages/FrmAuditoriaCBTECTABLE.h"

#include "detail_pages/EnlaceDetalle.h"
#include "detail_pages/SesionDetalle.h"
#include "dobles/NavegadorGrabador.h"
#include "platform/ado/FuncionesSqlite.h"
#include "support/Apoyo.h"

#include <QPointer>
#include <sqlite3.h>

namespace {

class FrmAuditoriaCBTECTABLETest : public SesionDetalle {
protected:
    void TearDown() override {
        Liberar<FrmAuditoriaCBTECTABLE>();
        SesionDetalle::TearDown();
    }
    // The page of the journal-entry window for the voucher, as the window shows it.
    QByteArray Pagina(const QString& tc, const QString& s, const QString& n, const QString& l,
                      const QString& cuenta = {}) {
        FrmAuditoriaCBTECTABLE& v = Instancia<FrmAuditoriaCBTECTABLE>();
        v.Load();
        v.Mostrar(tc, s, n, l, cuenta);
        return SinFechas(Bytes(EnTemporal("AuditoriaCBTEctable.htm")));
    }
    // The sums line: debit and credit as written.
    QStringList Sumas(const QByteArray& pagina) {
        static const QRegularExpression suma(
            QStringLiteral("<td class=TableCABpIE align=right>([^<]*)</td>"));
        QStringList sumas;
        for (const auto& m : suma.globalMatch(QString::fromLatin1(pagina)))
            sumas << m.captured(1);
        return sumas;
    }
};

TEST_F(FrmAuditoriaCBTECTABLETest, PaginaDeTodoElComprobante) {
    const QByteArray pagina = Pagina("NCPE", "0001", "00000002", "X");
    EXPECT_EQ(pagina, Golden("Asiento_NCPE.htm"));
    EXPECT_EQ(Sumas(pagina), QStringList({"20010,52", "20010,52"}));
    FrmAuditoriaCBTECTABLE& v = Instancia<FrmAuditoriaCBTECTABLE>();
    EXPECT_EQ(v.Caption(), QStringLiteral("Detalle del Comprobante Contable NCPE 000100000002X"));
    EXPECT_EQ(dynamic_cast<NavegadorGrabador&>(v.wbExplorer()).PaginasMostradas(),
              QStringList{"file://" + v.ArchivoPagina()});
    EXPECT_TRUE(QFileInfo::exists(EnTemporal("Style_Auditoria.css")));
    EXPECT_TRUE(guion.Mensajes.empty());
}

TEST_F(FrmAuditoriaCBTECTABLETest, PaginaDelAsientoDeUnaCuentaConCheques) {
    // The second payment's entry is picked by its supplier's account; the cheque shows its
    // number and bank together.
    Ejecutar("UPDATE MV_ASIENTOS SET [NUMERO ASIENTO] = 7, MES_OPERATIVO = 3 "
             "WHERE TC = 'PG' AND NUMERO = '00000487' AND SECUENCIA = 3");
    const QByteArray pagina = Pagina("PG", "0001", "00000487", "X", "211010101");
    EXPECT_EQ(pagina, Golden("Asiento_PG_cuenta.htm"));
    EXPECT_EQ(Sumas(pagina), QStringList({"428469,17", "425867,03"}));
    EXPECT_TRUE(guion.Mensajes.empty());
}

// Another supplier's invoice of the same key is entry 1 (CPRA, month 1) too, of the period
// before: the supplier's account picks its own entry, head and lines.
TEST_F(FrmAuditoriaCBTECTABLETest, ElAsientoDeLaCuentaEsDeSuPeriodo) {
    const QByteArray pagina = Pagina("FCC", "0005", "00004549", "A", "211010103");
    EXPECT_EQ(Sumas(pagina), QStringList({"110680,18", "110680,18"}));
    EXPECT_FALSE(pagina.contains("Embalajes"));
    EXPECT_TRUE(guion.Mensajes.empty());
}

TEST_F(FrmAuditoriaCBTECTABLETest, CuentaAusenteTerminaTrasElTitulo) {
    const QString pagina = QString::fromLatin1(Pagina("NCPE", "0001", "00000002", "X", "999"));
    EXPECT_TRUE(pagina.endsWith("(Detallado)</FONT></TD><TD><FONT SIZE=1>&nbsp;</FONT></TD></TR>"
                                "<TR VALIGN=TOP><TD COLSPAN=77><FONT SIZE=1>&nbsp;</FONT></TD></"
                                "TR><TR VALIGN=TOP><TD COLSPAN=77><FONT SIZE=1>&nbsp;</FONT></"
                                "TD></TR>\r\n</body></html>\r\n"));
    EXPECT_EQ(pagina.count("\r\n"), 4);
}

TEST_F(FrmAuditoriaCBTECTABLETest, TipoDesconocidoMuestraSuCodigoYCierraLaTabla) {
    const QString pagina = QString::fromLatin1(Pagina("ZZ", "0001", "00000002", "X"));
    EXPECT_TRUE(pagina.contains("<U>ZZ 000100000002 X</U>"));
    EXPECT_TRUE(pagina.contains("(Detallado)</FONT></TD></TR></TABLE>\r\n</body></html>"));
}

TEST_F(FrmAuditoriaCBTECTABLETest, UnLadoQueNoEsDNiHNoSumaEnNinguno) {
    // The demo's table allows only D and H; other databases do not.
    sqlite3* base = nullptr;
    ASSERT_EQ(sqlite3_open(Archivo().toUtf8().constData(), &base), SQLITE_OK);
    ASSERT_TRUE(ado::RegistrarFunciones(base));
    EXPECT_EQ(sqlite3_exec(base,
                           "PRAGMA ignore_check_constraints = ON; UPDATE MV_ASIENTOS SET "
                           "[DEBE-HABER] = 'X' WHERE TC = 'NCPE' AND NUMERO = '00000002' AND "
                           "SECUENCIA = 3",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(base);
    Ejecutar("UPDATE MV_ASIENTOS SET [DEBE-HABER] = 'h' "
             "WHERE TC = 'NCPE' AND NUMERO = '00000002' AND SECUENCIA = 2");
    const QByteArray pagina = Pagina("NCPE", "0001", "00000002", "X");
    EXPECT_EQ(Sumas(pagina), QStringList({"20010,52", "16537,62"}));
    EXPECT_TRUE(pagina.contains("<TD CLASS=TableRowdETALLE>1120201</TD>"));
    EXPECT_TRUE(pagina.contains("<TD CLASS=TableRowdETALLE ALIGN=RIGHT></TD><TD "
                                "CLASS=TableROWDetalle ALIGN=RIGHT  ></TD></TR>"));
}

TEST_F(FrmAuditoriaCBTECTABLETest, LosValoresDelEnlaceVanEntreComillasALaConsulta) {
    const QString pagina =
        QString::fromLatin1(Pagina("NCPE", "0001", "00000002", "X", "2' OR '1'='1"));
    EXPECT_TRUE(pagina.endsWith("</TD></TR>\r\n</body></html>\r\n"));
    EXPECT_TRUE(guion.Mensajes.empty());
}

// ---- The window's links -------------------------------------------------------------------

TEST_F(FrmAuditoriaCBTECTABLETest, SusEnlacesAbrenComprobantesYNoAsientos) {
    QStringList abiertas;
    FabricaVentanas::Actual().NuevoDetalleComprobante = [&](const ClaveComprobante& k, bool venta,
                                                            const QString& cuenta) {
        abiertas << k.TC + (venta ? " venta " : " compra ") + cuenta;
    };
    FabricaVentanas::Actual().NuevoRecibo = [&](const ClaveComprobante& k, bool venta,
                                                const QString& cuenta) {
        abiertas << k.TC + (venta ? " recibo" : " pago") + (cuenta.isEmpty() ? "" : " " + cuenta);
    };
    Pagina("NCPE", "0001", "00000002", "X");
    auto& navegador =
        dynamic_cast<NavegadorGrabador&>(Instancia<FrmAuditoriaCBTECTABLE>().wbExplorer());
    EXPECT_TRUE(navegador.Clic(EnlaceDetalle::Comprobante({"FCC", "0002", "00004526", "A"})));
    EXPECT_TRUE(navegador.Clic(EnlaceDetalle::Comprobante({"PG", "0001", "00000487", "X"})));
    EXPECT_TRUE(navegador.Clic(EnlaceDetalle::Comprobante({"NCPE", "0001", "00000001", "X"})));
    EXPECT_FALSE(navegador.Clic(EnlaceDetalle::Asiento({"NCPE", "0001", "00000001", "X"})));
    EXPECT_EQ(abiertas, QStringList({"FCC compra ", "PG recibo"}));
}

} // namespace

namespace {

TEST_F(FrmAuditoriaCBTECTABLETest, ElProgramaInstalaLasVentanasDeDetalle) {
    InstalarVentanasDetalle();
    const FabricaVentanas& f = FabricaVentanas::Actual();
    const VentanasVecinas& v = VentanasVecinas::Actuales();
    EXPECT_TRUE(f.NuevoDetalleComprobante && f.NuevoStock && f.NuevoRecibo && f.MenuExes);
    EXPECT_TRUE(v.DetalleComprobante && v.DetalleRecibo && v.LiberarDetalles);
    // The main window's link reaches the shared journal-entry window, loaded and filled.
    v.AsientoComprobante()->Mostrar({"NCPE", "0001", "00000002", "X"}, QString());
    QPointer<FrmAuditoriaCBTECTABLE> asiento = &Instancia<FrmAuditoriaCBTECTABLE>();
    EXPECT_TRUE(asiento->Cargado());
    EXPECT_EQ(asiento->Caption(),
              QStringLiteral("Detalle del Comprobante Contable NCPE 000100000002X"));
    v.LiberarDetalles();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(asiento.isNull());
}

} // namespace
