// The tasks, remarks and totals of the voucher page.

#include "detail_pages/PaginaComprobante.h"
#include "platform/ado/TokenSql.h"
#include "platform/runtime/Locale.h"
#include "platform/runtime/Numeros.h"
#include "platform/runtime/ValorTexto.h"

using namespace pagina_detalle;

namespace {

const QString kFilaDerecha = QStringLiteral("<TD CLASS=TableROWDetalle ALIGN=RIGHT  NOWRAP>");
const QString kAperturaSeccion =
    QStringLiteral("<TR VALIGN=TOP><TD COLSPAN=2> </TD><TD COLSPAN=60 ROWSPAN=61><br>"
                   "<FONT SIZE=1 FACE=' Times New Roman '><B>");
const QString kTablaSeccion =
    QStringLiteral("</B><TABLE ALIGN=BLEEDLEFT WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0>"
                   "<TR VALIGN=TOP BGCOLOR=aeaaea>");

// Minutes shown as hours with two decimals. The number is read from the start of the value's
// text; a value with no number, Null included, is no time at all.
QString Horas(const QVariant& minutos) {
    return Locale::Actual().toString(vb::Val(vb::ValorTexto(minutos)) / 60.0, 'f', 2);
}

QString LineaTarea(ado::Recordset& rs) {
    return QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableROWDetalle>   ") +
           Recortado(rs.Fields(QStringLiteral("IdTarea")).Value()) +
           QStringLiteral(" </TD><TD CLASS=TableROWDetalle> ") +
           Recortado(rs.Fields(QStringLiteral("Descripcion")).Value()) + QStringLiteral(" </TD>") +
           kFilaDerecha + Horas(rs.Fields(QStringLiteral("Horas")).Value()) +
           QStringLiteral("</TD>") + kFilaDerecha +
           Html(rs.Fields(QStringLiteral("ValorHora")).Value()) + QStringLiteral("</TD>") +
           kFilaDerecha + Html(rs.Fields(QStringLiteral("Total")).Value()) +
           QStringLiteral("</TD></TR>");
}

QString LineaObservacion(ado::Recordset& rs) {
    return QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableROWDetalle>  ") +
           Recortado(rs.Fields(QStringLiteral("Tipo_Obs")).Value()) +
           QStringLiteral(" </TD><TD CLASS=TableROWDetalle>") +
           Html(rs.Fields(QStringLiteral("Observacion")).Value()) + QStringLiteral("</TD>") +
           kFilaDerecha + Html(rs.Fields(QStringLiteral("Importe")).Value()) +
           QStringLiteral("</TD></TR>");
}

} // namespace

void PaginaComprobante::EscribirTareas() {
    const QString sql =
        QStringLiteral("SELECT IDTAREA,DESCRIPCION,HORAS,VALORHORA,TOTAL from ") +
        (esVenta_ ? WhereComprobante(QStringLiteral("V_MV_CPTETareas")) +
                        QStringLiteral(" and idcomplemento=") + ComplementoSql()
                  : WhereComprobante(QStringLiteral("C_mv_CPTETareas")) +
                        QStringLiteral(" and cuenta = '") + ado::DoblarApostrofos(cuenta_) + u'\'');
    ado::Recordset rs;
    if (!Consultar(sql, rs))
        return;
    Linea(kAperturaSeccion + QStringLiteral("TAREAS") + kTablaSeccion +
          QStringLiteral("<TD CLASS=TableCABDetalle>CODIGO</TD>"
                         "<TD CLASS=TableCABDetalle>DESCRIPCION</TD>"
                         "<TD CLASS=TableCABDetalle ALIGN=RIGHT >HORAS</TD>"
                         "<TD CLASS=TableCABDetalle ALIGN=RIGHT >VALOR</TD>"
                         "<TD CLASS=TableCABDetalle ALIGN=RIGHT >TOTAL</TD></TR>"));
    for (; !rs.Eof(); rs.MoveNext())
        Linea(LineaTarea(rs));
    Linea(QStringLiteral("</TABLE>"));
}

void PaginaComprobante::EscribirObservaciones() {
    const QString sql =
        QStringLiteral("SELECT TIPO_OBS,OBSERVACION,IMPORTE from ") +
        (esVenta_ ? WhereComprobante(QStringLiteral("V_MV_CPTE_Observ")) +
                        QStringLiteral(" and idcomplemento=") + ComplementoSql()
                  : WhereComprobante(QStringLiteral("C_mv_CPTE_Observ")) +
                        QStringLiteral(" and cuenta = '") + ado::DoblarApostrofos(cuenta_) + u'\'');
    ado::Recordset rs;
    if (!Consultar(sql, rs))
        return;
    Linea(kAperturaSeccion + QStringLiteral("OBSERVACIONES") + kTablaSeccion +
          QStringLiteral("<TD CLASS=TableCABDetalle>TIPO</TD>"
                         "<TD CLASS=TableCABDetalle>OBSERVACIONES</TD>"
                         "<TD CLASS=TableCABDetalle ALIGN =RIGHT >IMPORTE</TD></TR>"));
    for (; !rs.Eof(); rs.MoveNext())
        Linea(LineaObservacion(rs));
    Linea(QStringLiteral("</TABLE>"));
}

void PaginaComprobante::EscribirTotales() {
    Linea(QStringLiteral(
              "</table></table><br><hr HEIGHT=3 NOSHADE><table WIDTH=100% NOSHADE BORDER=0  "
              "CELLSPACING=0 CELLPADDING=0><tr BGCOLOR=C0C0C0>"
              "<td class=TableCABpIE > <B> SUBTOTAL:   </B></td>"
              "<td class=TableCABpIE> <B> DESCUENTOS:   </B></td>"
              "<td class=TableCABpIE> <B> IMPUESTOS:   </B></td>"
              "<td class=TableCABpIE> <B> IVA:   </B></td>"
              "<td class=TableCABpIE> <B> IVA RECARGO:   </B></td>"
              "<td class=TableCABpIE ALIGN=right> <B> TOTAL $:   </B></td></tr><TR>") +
          FilaTotales(1) + QStringLiteral("</tr><TR>") + FilaTotales(2) +
          QStringLiteral("</tr><TR>"));
    Linea(FilaTotales(3) + QStringLiteral("</tr><TR>"));
    Linea(FilaTotales(4) + QStringLiteral("</tr></table> <hr HEIGHT=3 NOSHADE>"));
}

// The cells of one row of the totals: the first row carries the subtotal, taxes, surcharge
// and total; every row one discount and one VAT rate (a purchase has only two rates).
QString PaginaComprobante::FilaTotales(int fila) {
    static const char* const porcentajes[] = {"PORCDESCUENTO1", "PORCDESCUENTO2", "PORCDESCUENTO3",
                                              "PORCDESCUENTO4"};
    static const char* const descuentos[] = {"ImpDescuento1", "IMPDESCUENTO2", "IMPDESCUENTO3",
                                             "IMPDESCUENTO4"};
    static const char* const alicuotas[] = {"AlicIVA", "alicIVA2", "alicIVA3", "alicIVA4"};
    static const char* const ivas[] = {"ImporteIVA", "ImporteIva2", "ImpIva3", "ImpIva4"};
    const QString vaciaA = QStringLiteral("<td class=TableCABpIE ></td>");
    const QString vaciaB = QStringLiteral("<td class=TableCABpIE></td>");
    const int i = fila - 1;
    const QString descuento = QStringLiteral("<td class=TableCABpIE >") + QString::number(fila) +
                              QStringLiteral(" (") + Cabecera(porcentajes[i]) +
                              QStringLiteral(") % ") + Cabecera(descuentos[i]) +
                              QStringLiteral(" $</td>");
    const QString iva =
        QStringLiteral("<td class=TableCABpIE ALIGN=CENTER>") +
        (esVenta_ || fila <= 2 ? Cabecera(alicuotas[i]) + QStringLiteral("% ") + Cabecera(ivas[i])
                               : QString()) +
        QStringLiteral("</td>");
    if (fila > 1)
        return vaciaA + descuento + vaciaA + iva + vaciaB + vaciaB;
    return QStringLiteral("<td class=TableCABpIE ALIGN=CENTER >") + Cabecera("Importe_S_IVA") +
           QStringLiteral("</td>") + descuento +
           QStringLiteral("<td class=TableCABpIE ALIGN=CENTER >") +
           Cabecera("ImporteImpuestosInternos") + QStringLiteral("</td>") + iva +
           QStringLiteral("<td class=TableCABpIE ALIGN=CENTER>(") + Cabecera("AlicIvaRec") +
           QStringLiteral(") % ") + Cabecera("ImporteIVAREC") +
           QStringLiteral(" $</td><td class=TableCABpIE ALIGN=right><B>") + Cabecera("Importe") +
           QStringLiteral("</B></td>");
}
