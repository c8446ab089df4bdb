#include "platform/suite/Reporteador.h"

#include "dobles/DialogosGuionados.h"
#include "platform/suite/DialogoComun.h"
#include "platform/suite/ReporteAsientos.h"
#include "support/Apoyo.h"
#include "support/TextoPdf.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

namespace {

Currency Pesos(qint64 pesos) {
    return Currency::DesdeEntero(pesos);
}

FilaAsiento Linea(const QString& cuenta, const QString& descripcion, const char* lado,
                  qint64 pesos) {
    FilaAsiento f;
    f.Fecha = QDate(2024, 3, 5);
    f.Cuenta = cuenta;
    f.Descripcion = descripcion;
    f.DebeHaber = QString::fromLatin1(lado);
    f.Importe = Pesos(pesos);
    f.Concepto = QStringLiteral("Dif. de precio s/FCC 0002-00004526A");
    f.NumeroAsiento = QStringLiteral("12");
    f.Periodo = QStringLiteral("2024");
    f.MesOperativo = QStringLiteral("3");
    f.TC = QStringLiteral("NCPE");
    f.Sucursal = QStringLiteral("0001");
    f.Numero = QStringLiteral("00000032");
    f.Letra = QStringLiteral("X");
    f.TcOrigen = QStringLiteral("FCC ");
    f.CpteOrigen = QStringLiteral("000200004526A");
    return f;
}

class FuenteFalsa : public FuenteReporte {
public:
    std::vector<FilaAsiento> FilasAsiento(const PedidoReporte& pedido) override {
        pedidos.push_back(pedido);
        if (vacia)
            return {};
        std::vector<FilaAsiento> filas = {
            Linea(QStringLiteral("1.1.01"), QStringLiteral("Proveedores"), "D", 121),
            Linea(QStringLiteral("2.1.01"), QStringLiteral("Compras"), "H", 100),
            Linea(QStringLiteral("2.1.05"), QStringLiteral("IVA <crédito>"), "h", 21)};
        for (int i = 0; i < extra; ++i)
            filas.push_back(Linea(QStringLiteral("9.9.%1").arg(i), QStringLiteral("Varios"),
                                  i % 2 ? "D" : "H", 1));
        return filas;
    }
    QString NombreMoneda(const QString& codigo) override {
        return codigo == QStringLiteral("1") ? QStringLiteral("Pesos") : codigo;
    }
    std::vector<PedidoReporte> pedidos;
    int extra = 0; // lines of one peso, to run over one page
    int Decimales() override { return decimales; }
    int decimales = 2;
    bool vacia = false;
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

TEST_F(ReporteadorTest, LaHojaLlevaEmpresaAsientoMonedaFilasYTotales) {
    FuenteFalsa otra;
    const QString html =
        ReporteAsientos::Html(QStringLiteral("O'Higgins & Cía"), "Pesos", otra.FilasAsiento({}), 2);
    EXPECT_TRUE(html.contains(QStringLiteral("O'Higgins &amp; Cía")));
    EXPECT_TRUE(html.contains(QStringLiteral("NCPE 0001-00000032 X")));
    EXPECT_TRUE(html.contains(QStringLiteral("FCC 0002-00004526 A")));
    EXPECT_TRUE(html.contains(QStringLiteral("IVA &lt;crédito&gt;")));
    EXPECT_TRUE(html.contains(QStringLiteral("<td align=\"right\"><b>121,00</b></td>"
                                             "<td align=\"right\"><b>121,00</b></td>")))
        << html.toStdString();
    EXPECT_FALSE(html.contains(QStringLiteral("PERIODO")));
    EXPECT_EQ(ReporteAsientos::Origen(QStringLiteral("REC "), QString()), QStringLiteral("REC"));
}

// What the printed page says, read back from the PDF: the selection only picks the rows; the
// page number appears once the entry runs over one page.
TEST_F(ReporteadorTest, ElPdfSeLeeComoUnAsiento) {
    reporteador.FijarOpcion(AjustesImpresora{QString(), dialogos.archivo});
    Imprimir(QStringLiteral("Asientos"));
    const QString texto = TextoDePdf(dialogos.archivo);
    for (const char* esperado :
         {"O'Higgins S.A.", "Número: 12", "Período: 2024", "Mes: 3", "Fecha: 05/03/2024",
          "Comprobante: NCPE 0001-00000032 X", "Origen: FCC 0002-00004526 A", "Moneda: Pesos",
          "Proveedores", "Dif. de precio", "Totales"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado << "\n" << texto;
    EXPECT_FALSE(texto.contains(QStringLiteral("PERIODO"))) << texto;
    EXPECT_FALSE(texto.contains(QStringLiteral("Página"))) << texto;

    fuente.extra = 80;
    Imprimir(QStringLiteral("Asientos"));
    const QString largo = TextoDePdf(dialogos.archivo);
    const int paginas = int(largo.count(u'\f'));
    ASSERT_GE(paginas, 2) << largo;
    EXPECT_TRUE(largo.contains(QStringLiteral("Página 1 de %1").arg(paginas))) << largo;
    EXPECT_TRUE(largo.contains(QStringLiteral("Página %1 de %1").arg(paginas))) << largo;
    // The column captions head every page.
    EXPECT_EQ(largo.count(QStringLiteral("Descripción")), paginas) << largo;
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

// Lines and totals carry the company's decimals, whatever they are; a selection that finds no
// line (the entry deleted meanwhile) prints nothing and says why.
TEST_F(ReporteadorTest, LosImportesLlevanLosDecimalesDeLaEmpresa) {
    std::vector<FilaAsiento> filas = {Linea("1", "A", "D", 0), Linea("2", "B", "H", 0)};
    const std::tuple<qint64, int, QString> casos[] = {{12340, 3, "1,234"}, {49, 4, "0,0049"}};
    for (const auto& [escalado, decimales, texto] : casos) {
        filas[0].Importe = filas[1].Importe = Currency::DesdeEscalado(escalado);
        const QString html = ReporteAsientos::Html("E", "Pesos", filas, decimales);
        EXPECT_EQ(html.count('>' + texto + '<'), 4) << html.toStdString(); // lines and totals
    }
    fuente.decimales = 3;
    reporteador.FijarOpcion(AjustesImpresora{QString(), dialogos.archivo});
    Imprimir(QStringLiteral("Asientos"));
    EXPECT_TRUE(TextoDePdf(dialogos.archivo).contains(QStringLiteral("121,000")));

    ASSERT_TRUE(QFile::remove(dialogos.archivo));
    fuente.vacia = true;
    EXPECT_EQ(NumeroDeError([&] { Imprimir(QStringLiteral("Asientos")); }), 3021);
    EXPECT_FALSE(QFile::exists(dialogos.archivo));
}

} // namespace
