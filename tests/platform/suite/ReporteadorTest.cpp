#include "platform/suite/Reporteador.h"

#include "platform/dialogs/DialogosGuionados.h"
#include "platform/suite/DialogoComun.h"
#include "platform/suite/ReporteAsientos.h"
#include "support/Apoyo.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

Currency Pesos(qint64 pesos) {
    return Currency::DesdeEntero(pesos);
}

class FuenteFalsa : public FuenteReporte {
public:
    std::vector<FilaAsiento> FilasAsiento(const PedidoReporte& pedido) override {
        pedidos.push_back(pedido);
        return {{QDate(2024, 3, 5), QStringLiteral("1.1.01"), QStringLiteral("Proveedores"),
                 QStringLiteral("D"), Pesos(121)},
                {QDate(2024, 3, 5), QStringLiteral("2.1.01"), QStringLiteral("Compras"),
                 QStringLiteral("H"), Pesos(100)},
                {QDate(2024, 3, 5), QStringLiteral("2.1.05"), QStringLiteral("IVA <crédito>"),
                 QStringLiteral("h"), Pesos(21)}};
    }
    std::vector<PedidoReporte> pedidos;
};

// The printer dialog answered with printing to a file.
class DialogosPdf : public DialogosGuionados {
public:
    QString archivo;
    std::optional<AjustesImpresora> ElegirImpresora() override {
        AjustesImpresora ajustes;
        ajustes.ArchivoSalida = archivo;
        return ajustes;
    }
};

const QString Seleccion =
    QStringLiteral("{MV_ASIENTOS.PERIODO} = '2024' AND {MV_ASIENTOS.TC} = 'NCPE' AND "
                   "{MV_ASIENTOS.NUMERO ASIENTO} = 12");

class ReporteadorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(carpeta.isValid());
        dialogos.archivo = carpeta.filePath(QStringLiteral("asiento.pdf"));
        anterior = Reporteador::EstablecerFuente(&fuente);
    }
    void TearDown() override { Reporteador::EstablecerFuente(anterior); }

    void Imprimir(const QString& reporte) {
        reporteador.ImprimirReporte(reporte, {QString()}, Seleccion,
                                    QStringLiteral("DSN=demo; UID=sa; PWD="),
                                    {QStringLiteral("EMPRESA = 'O'Higgins S.A.'"),
                                     QStringLiteral("ENQUEMONEDA = '1'"), QString(), QString()});
    }

    QTemporaryDir carpeta;
    DialogosPdf dialogos;
    DialogosEnUso enUso{dialogos};
    FuenteFalsa fuente;
    FuenteReporte* anterior = nullptr;
    Reporteador reporteador;
};

TEST_F(ReporteadorTest, ImprimeElAsientoEnElPdfElegido) {
    reporteador.SetDestinoReporte(Reporteador::DestinoImpresora);
    DialogoComun dialogo;
    dialogo.MostrarImpresora();
    ASSERT_TRUE(dialogo.ImpresoraAceptada());
    reporteador.FijarOpcion(reporteador.LeerOpcion());
    Imprimir(QStringLiteral("Asientos"));
    reporteador.SetEstadoReporte(Reporteador::EstadoTerminado);

    QFile pdf(dialogos.archivo);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 1000);

    ASSERT_EQ(fuente.pedidos.size(), 1u);
    const PedidoReporte& pedido = fuente.pedidos.front();
    EXPECT_EQ(pedido.Seleccion, Seleccion);
    EXPECT_EQ(pedido.Conexion, QStringLiteral("DSN=demo; UID=sa; PWD="));
    EXPECT_EQ(pedido.Formulas.value(QStringLiteral("EMPRESA")), QStringLiteral("O'Higgins S.A."));
    EXPECT_EQ(pedido.Formulas.value(QStringLiteral("ENQUEMONEDA")), QStringLiteral("1"));
}

TEST_F(ReporteadorTest, LaHojaLlevaEmpresaSeleccionFilasYTotales) {
    FuenteFalsa otra;
    const QString html =
        ReporteAsientos::Html(QStringLiteral("O'Higgins & Cía"), Seleccion, otra.FilasAsiento({}));
    EXPECT_TRUE(html.contains(QStringLiteral("O'Higgins &amp; Cía")));
    EXPECT_TRUE(html.contains(QStringLiteral("PERIODO = '2024' AND TC = 'NCPE' AND NUMERO "
                                             "ASIENTO = 12")));
    EXPECT_TRUE(html.contains(QStringLiteral("IVA &lt;crédito&gt;")));
    EXPECT_TRUE(html.contains(QStringLiteral("<td align=\"right\"><b>121,00</b></td>"
                                             "<td align=\"right\"><b>121,00</b></td>")))
        << html.toStdString();
}

TEST_F(ReporteadorTest, LoQueNoSePuedeImprimirEsUnErrorClaro) {
    reporteador.FijarOpcion(AjustesImpresora{QString(), dialogos.archivo});
    EXPECT_EQ(NumeroDeError([&] { Imprimir(QStringLiteral("Balance")); }), 5);
    reporteador.SetDestinoReporte(1);
    EXPECT_EQ(NumeroDeError([&] { Imprimir(QStringLiteral("asientos")); }), 5);
    reporteador.SetDestinoReporte(Reporteador::DestinoImpresora);
    Reporteador::EstablecerFuente(nullptr);
    EXPECT_EQ(NumeroDeError([&] { Imprimir(QStringLiteral("Asientos")); }), 91);
    EXPECT_FALSE(QFile::exists(dialogos.archivo));
    try {
        Imprimir(QStringLiteral("Mayor"));
    } catch (const ErrorEjecucion& error) {
        EXPECT_EQ(error.Description(), QStringLiteral("El reporte \"Mayor\" no existe"));
    }
}

TEST_F(ReporteadorTest, UnPdfQueNoSePuedeEscribirEsElError75) {
    reporteador.FijarOpcion(
        AjustesImpresora{QString(), carpeta.filePath(QStringLiteral("no/existe/a.pdf"))});
    EXPECT_EQ(NumeroDeError([&] { Imprimir(QStringLiteral("Asientos")); }), 75);
}

} // namespace
