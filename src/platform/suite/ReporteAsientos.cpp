#include "platform/suite/ReporteAsientos.h"

namespace {

bool EsDebe(const FilaAsiento& fila) {
    return fila.DebeHaber.trimmed().compare(QStringLiteral("D"), Qt::CaseInsensitive) == 0;
}

QString Celda(const QString& texto, const char* alineacion = "left") {
    return QStringLiteral("<td align=\"%1\">%2</td>")
        .arg(QString::fromLatin1(alineacion), texto.trimmed().toHtmlEscaped());
}

// A code or an amount is read whole: it is never broken over two lines.
QString CeldaEntera(const QString& texto, const char* alineacion = "left") {
    return QStringLiteral("<td align=\"%1\" style=\"white-space: nowrap\">%2</td>")
        .arg(QString::fromLatin1(alineacion), texto.trimmed().toHtmlEscaped());
}

// A caption in bold and its value, as one cell of the entry's data.
QString Dato(const QString& rotulo, const QString& valor, int columnas = 1) {
    return QStringLiteral("<td colspan=\"%1\"><b>%2:</b> %3</td>")
        .arg(columnas)
        .arg(rotulo, valor.trimmed().toHtmlEscaped());
}

} // namespace

QString ReporteAsientos::Html(const QString& empresa, const QString& moneda,
                              const std::vector<FilaAsiento>& filas, int decimales) {
    QString html = Cabecera(empresa, moneda, filas.empty() ? FilaAsiento{} : filas.front()) +
                   QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" "
                                  "cellpadding=\"3\"><thead><tr><th>Cuenta</th>"
                                  "<th>Descripción</th><th>Concepto</th>"
                                  "<th width=\"14%\">Debe</th><th width=\"14%\">Haber</th>"
                                  "</tr></thead>");
    Currency debe, haber;
    for (const FilaAsiento& fila : filas) {
        html += Fila(fila, decimales);
        (EsDebe(fila) ? debe : haber) += fila.Importe;
    }
    return html + Totales(debe, haber, decimales) + QStringLiteral("</table></body></html>");
}

QString ReporteAsientos::Comprobante(const QString& tc, const QString& sucursal,
                                     const QString& numero, const QString& letra) {
    return tc.trimmed() + u' ' + sucursal.trimmed() + u'-' + numero.trimmed() + u' ' +
           letra.trimmed();
}

QString ReporteAsientos::Origen(const QString& tc, const QString& clave) {
    if (clave.trimmed().isEmpty())
        return tc.trimmed();
    return Comprobante(tc, clave.left(4), clave.mid(4, 8), clave.mid(12));
}

QString ReporteAsientos::Cabecera(const QString& empresa, const QString& moneda,
                                  const FilaAsiento& a) {
    return QStringLiteral("<html><body><h3>%1</h3><h2 align=\"center\">Asiento</h2>"
                          "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">")
               .arg(empresa.trimmed().toHtmlEscaped()) +
           QStringLiteral("<tr>") + Dato(QStringLiteral("Número"), a.NumeroAsiento) +
           Dato(QStringLiteral("Período"), a.Periodo) +
           Dato(QStringLiteral("Mes"), a.MesOperativo) +
           Dato(QStringLiteral("Fecha"), a.Fecha.toString(QStringLiteral("dd/MM/yyyy"))) +
           QStringLiteral("</tr><tr>") +
           Dato(QStringLiteral("Comprobante"), Comprobante(a.TC, a.Sucursal, a.Numero, a.Letra),
                2) +
           Dato(QStringLiteral("Origen"), Origen(a.TcOrigen, a.CpteOrigen), 2) +
           QStringLiteral("</tr><tr>") + Dato(QStringLiteral("Moneda"), moneda, 4) +
           QStringLiteral("</tr></table><p></p>");
}

QString ReporteAsientos::Fila(const FilaAsiento& fila, int decimales) {
    const QString importe = fila.Importe.ATexto(decimales);
    return QStringLiteral("<tr>") + CeldaEntera(fila.Cuenta) + Celda(fila.Descripcion) +
           Celda(fila.Concepto) + CeldaEntera(EsDebe(fila) ? importe : QString(), "right") +
           CeldaEntera(EsDebe(fila) ? QString() : importe, "right") + QStringLiteral("</tr>");
}

QString ReporteAsientos::Totales(const Currency& debe, const Currency& haber, int decimales) {
    return QStringLiteral("<tr><td colspan=\"3\" align=\"right\"><b>Totales</b></td>"
                          "<td align=\"right\"><b>%1</b></td><td align=\"right\"><b>%2</b></td>"
                          "</tr>")
        .arg(debe.ATexto(decimales), haber.ATexto(decimales));
}
