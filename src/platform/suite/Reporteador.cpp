#include "platform/suite/Reporteador.h"

#include "platform/errors/ErrorEjecucion.h"
#include "platform/files/Carpetas.h"
#include "platform/files/ErroresArchivo.h"
#include "platform/suite/DialogoComun.h"
#include "platform/suite/ObjetosSuite.h"
#include "platform/suite/ReporteAsientos.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>
#include <algorithm>
#include <utility>

namespace {

constexpr long ArgumentoNoValido = 5;
constexpr long SinFuente = 91;
constexpr long ErrorImpresora = 482;
constexpr long SinRenglones = 3021; // no current record

FuenteReporte*& Fuente() {
    static FuenteReporte* fuente = nullptr;
    return fuente;
}

[[noreturn]] void Fallar(long numero, const QString& descripcion) {
    throw ErrorEjecucion(numero, descripcion, QStringLiteral("Reporteador"));
}

QString SinComillas(QString valor) {
    const bool entre = valor.size() >= 2 && (valor.front() == u'\'' || valor.front() == u'"') &&
                       valor.back() == valor.front();
    return entre ? valor.mid(1, valor.size() - 2) : valor;
}

void Configurar(QPrinter& impresora, const AjustesImpresora& ajustes) {
    if (!ajustes.ArchivoSalida.isEmpty()) {
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(archivos::RutaPlataforma(ajustes.ArchivoSalida));
    } else if (!ajustes.Impresora.isEmpty()) {
        impresora.setPrinterName(ajustes.Impresora);
    }
    impresora.setCopyCount(std::max(1, ajustes.Copias));
    if (ajustes.DesdePagina > 0 && ajustes.HastaPagina >= ajustes.DesdePagina) {
        impresora.setPrintRange(QPrinter::PageRange);
        impresora.setFromTo(ajustes.DesdePagina, ajustes.HastaPagina);
    }
    impresora.setPageOrientation(ajustes.Horizontal ? QPageLayout::Landscape
                                                    : QPageLayout::Portrait);
}

// The page's number goes in its bottom margin, and only when the report runs over one page.
void ImprimirPagina(QPainter& pintor, QTextDocument& documento, int pagina, qreal margen) {
    const QSizeF hoja = documento.pageSize();
    pintor.save();
    pintor.translate(0, -(pagina - 1) * hoja.height());
    QAbstractTextDocumentLayout::PaintContext contexto;
    contexto.clip = QRectF(0, (pagina - 1) * hoja.height(), hoja.width(), hoja.height());
    pintor.setClipRect(contexto.clip);
    documento.documentLayout()->draw(&pintor, contexto);
    pintor.restore();
    if (documento.pageCount() < 2)
        return;
    pintor.setFont(documento.defaultFont());
    const QRectF pie(0, hoja.height() - margen, hoja.width() - margen, margen / 2);
    pintor.drawText(pie, Qt::AlignRight | Qt::AlignBottom,
                    QStringLiteral("Página %1 de %2").arg(pagina).arg(documento.pageCount()));
}

// The document laid out for the printer's pages, with margins of two centimetres; the margin
// in the printer's pixels. The layout takes lengths at 96 dots per inch and scales them.
qreal Paginar(QTextDocument& documento, QPrinter& impresora) {
    documento.documentLayout()->setPaintDevice(&impresora);
    constexpr qreal PuntosPorPulgada = 96;
    QTextFrameFormat marco = documento.rootFrame()->frameFormat();
    marco.setMargin(2 / 2.54 * PuntosPorPulgada);
    documento.rootFrame()->setFrameFormat(marco);
    documento.setPageSize(impresora.pageRect(QPrinter::DevicePixel).size());
    return 2 / 2.54 * impresora.logicalDpiY();
}

void ImprimirDocumento(QTextDocument& documento, QPrinter& impresora) {
    const qreal margen = Paginar(documento, impresora);
    const int desde = std::max(1, impresora.fromPage());
    const int hasta = impresora.toPage() > 0 ? std::min(impresora.toPage(), documento.pageCount())
                                             : documento.pageCount();
    const int copias = impresora.supportsMultipleCopies() ? 1 : impresora.copyCount();
    QPainter pintor;
    // As before pages were counted: a printer that takes no job leaves nothing printed, and a
    // PDF file that cannot be written is found empty below.
    if (!pintor.begin(&impresora))
        return;
    for (int copia = 0; copia < copias; ++copia)
        for (int pagina = desde; pagina <= hasta; ++pagina) {
            if (copia > 0 || pagina > desde)
                impresora.newPage();
            ImprimirPagina(pintor, documento, pagina, margen);
        }
    pintor.end();
}

void Imprimir(const QString& html, const AjustesImpresora& ajustes) {
    QPrinter impresora(QPrinter::HighResolution);
    Configurar(impresora, ajustes);
    if (!impresora.isValid())
        Fallar(
            ErrorImpresora,
            QStringLiteral("No se puede imprimir en la impresora \"%1\"").arg(ajustes.Impresora));
    QTextDocument documento;
    documento.setHtml(html);
    ImprimirDocumento(documento, impresora);
    const QString pdf = impresora.outputFileName();
    if (!pdf.isEmpty() && QFileInfo(pdf).size() == 0)
        archivos::LanzarErrorArchivo(archivos::ErrorAccesoRuta, pdf);
}

} // namespace

Reporteador& Reporteador::Instancia() {
    return suite::ObjetoCompartido<Reporteador>();
}

FuenteReporte* Reporteador::EstablecerFuente(FuenteReporte* fuente) {
    return std::exchange(Fuente(), fuente);
}

AjustesImpresora Reporteador::LeerOpcion() const {
    if (fijada_)
        return *fijada_;
    return DialogoComun::ImpresoraEnUso().value_or(AjustesImpresora{});
}

void Reporteador::SetEstadoReporte(int estado) {
    if (estado == EstadoTerminado)
        fijada_.reset();
}

void Reporteador::ImprimirReporte(const QString& reporte, const QStringList& formulas,
                                  const QString& seleccion, const QString& conexion,
                                  const QStringList& textosFormula) {
    Comprobar(reporte);
    const PedidoReporte pedido{reporte, seleccion, conexion,
                               LeerFormulas(formulas + textosFormula)};
    const std::vector<FilaAsiento> filas = Fuente()->FilasAsiento(pedido);
    // An entry deleted meanwhile would print as an empty one balanced at zero.
    if (filas.empty())
        Fallar(SinRenglones, QStringLiteral("El asiento a imprimir ya no tiene renglones en la "
                                            "base de datos (otro usuario lo borró o lo cambió): "
                                            "no se imprimió nada."));
    const QString moneda =
        Fuente()->NombreMoneda(pedido.Formulas.value(QStringLiteral("ENQUEMONEDA")));
    Imprimir(ReporteAsientos::Html(pedido.Formulas.value(QStringLiteral("EMPRESA")), moneda, filas,
                                   Fuente()->Decimales()),
             LeerOpcion());
}

void Reporteador::Comprobar(const QString& reporte) const {
    if (reporte.trimmed().compare(QStringLiteral("Asientos"), Qt::CaseInsensitive) != 0)
        Fallar(ArgumentoNoValido, QStringLiteral("El reporte \"%1\" no existe").arg(reporte));
    if (destino_ != DestinoImpresora)
        Fallar(ArgumentoNoValido,
               QStringLiteral("El destino de reporte %1 no está disponible").arg(destino_));
    if (!Fuente())
        Fallar(SinFuente,
               QStringLiteral("El reporte \"%1\" no tiene de dónde leer sus datos").arg(reporte));
}

QMap<QString, QString> Reporteador::LeerFormulas(const QStringList& textos) {
    QMap<QString, QString> formulas;
    for (const QString& texto : textos) {
        const qsizetype igual = texto.indexOf(u'=');
        if (igual > 0)
            formulas.insert(texto.left(igual).trimmed().toUpper(),
                            SinComillas(texto.mid(igual + 1).trimmed()));
    }
    return formulas;
}
