#include "detail_pages/FrmAuditoriaPopUp.h"

#include "audit/DetallesFalsos.h"
#include "detail_pages/EnlaceDetalle.h"
#include "detail_pages/SesionDetalle.h"
#include "dobles/NavegadorGrabador.h"
#include "support/Apoyo.h"

#include <QFileInfo>
#include <QPointer>

namespace {

// The journal-entry and receipt windows as the pop-up's links reach them.
class Vecinas : public VentanaAsientoComprobante, public VentanaDetalleRecibo {
public:
    QStringList log;
    void Mostrar(const ClaveComprobante& k, const QString& cuenta) override {
        log << "Asiento " + Partes(k, {cuenta});
    }
    void Mostrar(const ReciboDeCuenta& k, bool venta) override {
        log << "Recibo " + Partes(k, {venta ? "V" : "C"}) +
                   (k.Cuenta.isEmpty() ? "" : "|" + k.Cuenta);
    }
    void Show() override { log << "Show"; }
};

class FrmAuditoriaPopUpTest : public SesionDetalle {
protected:
    void SetUp() override {
        SesionDetalle::SetUp();
        VentanasVecinas::Actuales().AsientoComprobante = [this] { return &vecinas; };
        VentanasVecinas::Actuales().DetalleRecibo = [this] { return &vecinas; };
        ventana = &Instancia<FrmAuditoriaPopUp>();
        ventana->Load();
    }
    void TearDown() override {
        Liberar<FrmAuditoriaPopUp>();
        SesionDetalle::TearDown();
    }
    void Mostrar() {
        ventana->Mostrar("Mayor.htm", "Mayor", "211010102", true, "01/01/2026", "31/12/2026", 2,
                         {"   1"}, {"ADM"}, true, 6);
    }
    NavegadorGrabador& Navegador() {
        return dynamic_cast<NavegadorGrabador&>(ventana->wbExplorer());
    }
    void EscribirPagina() {
        QFile f(EnTemporal("AuditoriaPopUp.htm"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<HTML><BODY><A HREF=\"\\CUENTA_211010102\">x</A></BODY></HTML>");
    }

    Vecinas vecinas;
    QPointer<FrmAuditoriaPopUp> ventana;
};

TEST_F(FrmAuditoriaPopUpTest, SinPaginaMuestraUnaPaginaVaciaSinError) {
    Mostrar();
    EXPECT_EQ(Navegador().PaginasMostradas(), QStringList{"about:blank"});
    EXPECT_FALSE(QFileInfo::exists(EnTemporal("AuditoriaPopUp.htm")));
    EXPECT_TRUE(QFileInfo::exists(EnTemporal("Style_Auditoria.css")));
    EXPECT_EQ(ventana->Caption(), QStringLiteral("Detalle de cuenta"));
    EXPECT_EQ(ventana->ValoresMostrados().NombreArchivo, QStringLiteral("Mayor.htm"));
    EXPECT_EQ(ventana->ValoresMostrados().eUnidadesNegocio, QVariantList{"   1"});
    EXPECT_EQ(ventana->ValoresMostrados().eNormal, QVariant(true));
    EXPECT_TRUE(guion.Mensajes.empty());
}

TEST_F(FrmAuditoriaPopUpTest, ConPaginaLaMuestraYUnaCuentaExistenteLaVuelveAMostrar) {
    EscribirPagina();
    Mostrar();
    const QString pagina = "file://" + ventana->ArchivoPagina();
    EXPECT_EQ(ventana->ArchivoPagina(), ventana->CarpetaPagina() + "AuditoriaPopUp.htm");
    EXPECT_EQ(Navegador().PaginasMostradas(), QStringList{pagina});
    EXPECT_TRUE(Navegador().Clic("\\CUENTA_211010102"));
    EXPECT_EQ(Navegador().PaginasMostradas(), QStringList({pagina, pagina}));
    EXPECT_FALSE(ventana->rsCuenta().Eof());
    // An account that does not exist, or one that tries to leave its quotes, leaves the page.
    EXPECT_TRUE(Navegador().Clic("\\CUENTA_999"));
    EXPECT_TRUE(Navegador().Clic("\\CUENTA_1' OR '1'='1"));
    EXPECT_EQ(Navegador().PaginasMostradas().size(), 2);
    EXPECT_TRUE(guion.Mensajes.empty());
}

TEST_F(FrmAuditoriaPopUpTest, LosEnlacesDeComprobanteAbrenLasVentanasCompartidas) {
    EscribirPagina();
    Mostrar();
    EXPECT_TRUE(Navegador().Clic(EnlaceDetalle::Comprobante({"PGFP", "0001", "00000487", "X"})));
    EXPECT_TRUE(Navegador().Clic(EnlaceDetalle::Comprobante({"IR", "0001", "00000330", "X"})));
    EXPECT_TRUE(Navegador().Clic(EnlaceDetalle::Comprobante({"VJ", "0001", "00000001", "X"})));
    EXPECT_EQ(vecinas.log, QStringList({"Recibo PGFP|0001|00000487|X|C", "Show",
                                        "Asiento IR|0001|00000330|X|", "Show"}));
    EXPECT_EQ(Navegador().PaginasMostradas().size(), 1);
}

TEST_F(FrmAuditoriaPopUpTest, AlDescargarseSueltaLaConsultaYLaVentana) {
    EscribirPagina();
    Mostrar();
    Navegador().Clic("\\CUENTA_211010102");
    EXPECT_TRUE(ventana->Unload());
    EXPECT_EQ(ventana->rsCuenta().State(), ado::adStateClosed);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ventana.isNull());
}

TEST(FrmAuditoriaPopUpDiseno, AreaYTitulo) {
    FrmAuditoriaPopUp v;
    EXPECT_EQ(v.Caption(), QStringLiteral("Detalle de cuenta"));
    EXPECT_EQ(v.ScaleWidth(), 7770);
    EXPECT_EQ(v.ScaleHeight(), 6405);
    EXPECT_TRUE(v.KeyPreview());
}

} // namespace
