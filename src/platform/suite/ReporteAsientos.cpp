#include "platform/suite/ReporteAsientos.h"

#include <QRegularExpression>

namespace {

bool EsDebe(const FilaAsiento& fila) {
    return fila.DebeHaber.trimmed().compare(QStringLiteral("D"), Qt::CaseInsensitive) == 0;
}

QString Celda(const QString& texto, const char* alineacion = "left") {
    return QStringLiteral("<td align=\"%1\">%2</td>")
        .arg(QString::fromLatin1(alineacion), texto.toHtmlEscaped());
}

} // namespace

QString ReporteAsientos::Html(const QString& empresa, const QString& seleccion,
                              const std::vector<FilaAsiento>& filas) {
    QString html =
        QStringLiteral("<html><body>"
                       "<h2 align=\"center\">Asiento</h2>"
                       "<p><b>%1</b></p><p>Selección: %2</p>"
                       "<table width=\"100%\" border=\"1\" cellspacing=\"0\" "
                       "cellpadding=\"3\"><tr><th>Fecha</th><th>Cuenta</th>"
                       "<th>Descripción</th><th>Debe</th><th>Haber</th></tr>")
            .arg(empresa.trimmed().toHtmlEscaped(), SeleccionLegible(seleccion).toHtmlEscaped());
    Currency debe, haber;
    for (const FilaAsiento& fila : filas) {
        html += Fila(fila);
        (EsDebe(fila) ? debe : haber) += fila.Importe;
    }
    return html + Totales(debe, haber) + QStringLiteral("</table></body></html>");
}

QString ReporteAsientos::SeleccionLegible(const QString& seleccion) {
    static const QRegularExpression campo(QStringLiteral("\\{(?:[^{}.]*\\.)?([^{}]*)\\}"));
    QString legible = seleccion;
    return legible.replace(campo, QStringLiteral("\\1"));
}

QString ReporteAsientos::Fila(const FilaAsiento& fila) {
    const QString importe = fila.Importe.ATexto(2);
    return QStringLiteral("<tr>") + Celda(fila.Fecha.toString(QStringLiteral("dd/MM/yyyy"))) +
           Celda(fila.Cuenta.trimmed()) + Celda(fila.Descripcion.trimmed()) +
           Celda(EsDebe(fila) ? importe : QString(), "right") +
           Celda(EsDebe(fila) ? QString() : importe, "right") + QStringLiteral("</tr>");
}

QString ReporteAsientos::Totales(const Currency& debe, const Currency& haber) {
    return QStringLiteral("<tr><td colspan=\"3\" align=\"right\"><b>Totales</b></td>"
                          "<td align=\"right\"><b>%1</b></td><td align=\"right\"><b>%2</b></td>"
                          "</tr>")
        .arg(debe.ATexto(2), haber.ATexto(2));
}
