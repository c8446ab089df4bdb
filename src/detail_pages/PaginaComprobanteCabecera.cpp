// The customer or supplier block and the items of the voucher page.

#include "detail_pages/PaginaComprobante.h"
#include "platform/ado/TokenSql.h"
#include "platform/runtime/ValorTexto.h"

using namespace pagina_detalle;

namespace {

const QString kCamposVenta = QStringLiteral(
    "NOMBRE, v_mv_cpte.DOMICILIO, v_mv_cpte.LOCALIDAD,CUENTA,IDCOMPLEMENTO, CODIGOPOSTAL, FECHA, "
    "v_mv_cpte.comentarios, v_mv_cpte.TELEFONO, MATRICULA,MODELO,SERIE, "
    "FECHAESTINICIO,FECHAESTFIN, ma_cuentasadic.contacto, unegocio, "
    "V_TA_UnidadNegocio.descripcion as unegociodescripcion,"
    " importe, V_MV_Cpte.importe_s_iva, V_MV_Cpte.porcdescuento1, V_MV_Cpte.impdescuento1 , "
    "V_MV_Cpte.porcdescuento2, V_MV_Cpte.impdescuento2 , V_MV_Cpte.porcdescuento3, "
    "V_MV_Cpte.impdescuento3, V_MV_Cpte.porcdescuento4, V_MV_Cpte.impdescuento4, "
    "V_MV_Cpte.ImporteImpuestosInternos,     "
    "V_MV_Cpte.AlicIva,V_MV_Cpte.AlicIva2,V_MV_Cpte.AlicIva3,V_MV_Cpte.AlicIva4, "
    "V_MV_Cpte.ImporteIva,v_mv_cpte.AlicIvaRec, "
    "V_MV_Cpte.ImporteIvaRec,V_MV_Cpte.ImporteIva2,V_MV_Cpte.ImpIVA3,V_MV_Cpte.ImpIVA4"
    " FROM V_MV_Cpte LEFT OUTER JOIN "
    "MA_CUENTASADIC ON V_MV_Cpte.CUENTA = MA_CUENTASADIC.CODIGO LEFT OUTER JOIN "
    "V_TA_UnidadNegocio ON V_MV_Cpte.UNEGOCIO = V_TA_UnidadNegocio.Codigo WHERE TC='");

const QString kCamposCompra = QStringLiteral(
    "NOMBRE, c_mv_cpte.DOMICILIO, c_mv_cpte.LOCALIDAD,CUENTA, CODIGOPOSTAL, FECHA, "
    "c_mv_cpte.comentarios, c_mv_cpte.TELEFONO,  ma_cuentasadic.contacto, unegocio, "
    "V_TA_UnidadNegocio.descripcion as unegociodescripcion,"
    " importe, c_mv_Cpte.importe_s_iva, c_mv_Cpte.porcdescuento1, c_mv_Cpte.impdescuento1 , "
    "c_mv_Cpte.porcdescuento2, c_mv_Cpte.impdescuento2 , c_mv_Cpte.porcdescuento3, "
    "c_mv_Cpte.impdescuento3, c_mv_Cpte.porcdescuento4, c_mv_Cpte.impdescuento4, "
    "c_mv_Cpte.ImporteImpuestosInternos, C_MV_Cpte.AlicIva,C_MV_Cpte.AlicIva2,   "
    "c_mv_Cpte.ImporteIva,c_mv_cpte.AlicIvaRec, c_mv_Cpte.ImporteIvaRec,c_mv_Cpte.ImporteIva2"
    " FROM C_MV_Cpte LEFT OUTER JOIN "
    "MA_CUENTASADIC ON C_MV_Cpte.CUENTA = MA_CUENTASADIC.CODIGO LEFT OUTER JOIN "
    "V_TA_UnidadNegocio ON C_MV_Cpte.UNEGOCIO = V_TA_UnidadNegocio.Codigo WHERE  TC='");

const QString kFilaDerecha = QStringLiteral("<TD CLASS=TableROWDetalle ALIGN=RIGHT  NOWRAP>");

} // namespace

// A link that names a voucher without its account opens it on the account its header holds.
// A purchase key that two suppliers share names no one voucher then: the page shows none
// rather than a supplier nobody asked for.
void PaginaComprobante::ConsultarCabecera() {
    QString sql = QStringLiteral("SELECT ") + (esVenta_ ? kCamposVenta : kCamposCompra) +
                  clave_.ConTcRelleno().CondicionId("", " and idcomprobante='");
    const bool sinCuenta = cuenta_.isEmpty();
    if (!esVenta_ && !sinCuenta)
        sql += QStringLiteral(" AND Cuenta = '") + ado::DoblarApostrofos(cuenta_) + u'\'';
    else if (!esVenta_)
        sql += QStringLiteral(" ORDER BY CUENTA");
    hayCabecera_ = Consultar(sql, rsCabecera_);
    if (!hayCabecera_ || !sinCuenta)
        return;
    const QString cuenta = CuentaCabecera();
    if (!esVenta_) {
        rsCabecera_.MoveLast();
        hayCabecera_ = CuentaCabecera() == cuenta;
        rsCabecera_.MoveFirst();
    }
    if (hayCabecera_)
        cuenta_ = cuenta;
}

QString PaginaComprobante::CuentaCabecera() {
    return vb::ValorTexto(rsCabecera_.Fields(QStringLiteral("Cuenta")).Value());
}

void PaginaComprobante::EscribirParte() {
    Linea(QStringLiteral("<TABLE><TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=5>"
                         "<B>Sr/s.:</B></TD><TD COLSPAN=2> </TD><TD class=TableCabeceraValor "
                         "COLSPAN=27 NOWRAP>") +
          Cabecera("Nombre") +
          QStringLiteral("</TD><TD> </TD><TD class=TableCabeceraValor COLSPAN=10 NOWRAP>") +
          Cabecera("Cuenta") +
          QStringLiteral("</TD><TD> </TD><TD class=TableCabeceraValor COLSPAN=14><B>") +
          Html(clave_.TC + u' ' + Clave()) + QStringLiteral("</B></TD>"));
    Linea(QStringLiteral("<TD class=TableCabeceraValor ALIGN=CENTER COLSPAN=6 NOWRAP>") +
          (esVenta_ ? Cabecera("IdComplemento") : QString()) + QStringLiteral("</TD></TR>"));
    Linea(QStringLiteral("<TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=8><B>Domicilio:"
                         "</B></TD><TD  class=TableCabeceravalor COLSPAN=27 NOWRAP>") +
          Cabecera("domicilio") +
          QStringLiteral("</TD></TR><TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=8>"
                         "<B>Localidad:</B></TD><TD class=TableCabeceravalor COLSPAN=27 NOWRAP>") +
          Cabecera("Localidad") +
          QStringLiteral("</TD><TD  COLSPAN=4> </TD><TD class=TableCabeceraCaption COLSPAN=5>"
                         "<B>Cp.</B></TD><TD class=TableCabeceraValor COLSPAN=4 NOWRAP>") +
          Cabecera("CODIGOPOSTAL") +
          QStringLiteral("</TD><TD COLSPAN=3> </TD><TD class=TableCabeceraCaption COLSPAN=11>"
                         "<B>Fecha:</B></TD><TD COLSPAN=3> </TD><TD class=TableCabeceraValor "
                         "COLSPAN=5 NOWRAP>") +
          Cabecera("Fecha") + QStringLiteral("</TD></TR>"));
    Linea(QStringLiteral("<TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=15>"
                         "<B>Observaciones:</B></TD><TD class=TableCabeceraValor COLSPAN=1><B>") +
          Cabecera("COMENTARIOS") +
          QStringLiteral("</B></TD></TR><TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=4>"
                         "<B>Contacto:</B></TD><TD COLSPAN=3> </TD><TD class=TableCabeceraValor "
                         "COLSPAN=19>") +
          Cabecera("contacto") +
          QStringLiteral("</TD><TD COLSPAN=8> </TD><TD class=TableCabeceraCaption COLSPAN=4>"
                         "<B>Tel:</B></TD><TD COLSPAN=3> </TD><TD class=TableCabeceraValor "
                         "COLSPAN=6>") +
          Cabecera("TELEFONO") + QStringLiteral("</TD><TD COLSPAN=3> </TD>"));
    if (esVenta_)
        EscribirServicio();
    else
        Linea(QStringLiteral("</TR>"));
    Linea(QStringLiteral("</TABLE>"));
}

// What a sale records of the serviced vehicle or equipment: the end of the contact row and a
// row of its own.
void PaginaComprobante::EscribirServicio() {
    Linea(QStringLiteral("<TD class=TableCabeceraCaption COLSPAN=7><B><I>Inicio</I></B></TD>"
                         "<TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=10 NOWRAP>") +
          Cabecera("FechaEstInicio") + QStringLiteral("</FONT></TD></TR>"));
    Linea(QStringLiteral("<TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=7><B>Matrícula:"
                         "</B></TD><TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=17>") +
          Cabecera("Matricula") +
          QStringLiteral(" </TD><TD class=TableCabeceraCaption COLSPAN=6><B>Modelo:</B></TD>"
                         "<TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=6>") +
          Cabecera("modelo") +
          QStringLiteral("</TD><TD class=TableCabeceraCaption COLSPAN=4><B>Serie:</B></TD>"
                         "<TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=10>") +
          Cabecera("Serie") +
          QStringLiteral("</TD><TD class=TableCabeceraCaption COLSPAN=7><B>Vence:</B></TD>"
                         "<TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=9 NOWRAP>") +
          Cabecera("FechaEstFin") + QStringLiteral("</TD></TR> "));
}

void PaginaComprobante::EscribirInsumos() {
    const QString sql =
        esVenta_ ? QStringLiteral("SELECT IDARTICULO,DESCRIPCION,IDUNIDAD,CANTIDAD,IMPORTE,TOTAL,"
                                  "IMPORTEDTO from ") +
                       WhereComprobante(QStringLiteral("V_MV_CPTEInsumos")) +
                       QStringLiteral(" and idcomplemento=") + ComplementoSql()
                 : QStringLiteral("SELECT IDARTICULO,DESCRIPCION,IDUNIDAD,CANTIDAD,IMPORTE,TOTAL"
                                  " from ") +
                       WhereComprobante(QStringLiteral("C_mv_CPTEInsumos")) +
                       QStringLiteral(" and cuenta = '") + ado::DoblarApostrofos(cuenta_) + u'\'';
    ado::Recordset rs;
    if (!Consultar(sql, rs))
        return;
    Linea(
        QStringLiteral(
            "<TR VALIGN=TOP><TD COLSPAN=2> </TD><TD COLSPAN=60 ROWSPAN=61><br>"
            "<FONT SIZE=1 FACE=' Times New Roman '><B>INSUMOS</B>"
            "<TABLE ALIGN=BLEEDLEFT WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0>"
            "<TR VALIGN=TOP BGCOLOR=aeaaea><TD CLASS=TableCABDetalle>CODIGO</TD>"
            "<TD CLASS=TableCABDetalle>DESCRIPCION</TD><TD CLASS=TableCABDetalle >UNIDAD</TD>"
            "<TD CLASS=TableCABDetalle ALIGN=right >CANTIDAD</TD>"
            "<TD CLASS=TableCABDetalle ALIGN=RIGHT >IMPORTE</TD>") +
        (esVenta_ ? QStringLiteral("<TD CLASS=TableCABDetalle ALIGN=RIGHT >DTO</TD>") : QString()) +
        QStringLiteral("<TD CLASS=TableCABDetalle ALIGN=RIGHT >TOTAL</TD></TR>"));
    for (; !rs.Eof(); rs.MoveNext())
        Linea(LineaInsumo(rs));
    Linea(QStringLiteral("</TABLE>"));
}

QString PaginaComprobante::LineaInsumo(ado::Recordset& rs) const {
    const auto valor = [&rs](const char* campo) { return rs.Fields(QLatin1String(campo)).Value(); };
    QString linea = QStringLiteral("<TR VALIGN=TOP>");
    if (esVenta_)
        linea += QStringLiteral("<TD CLASS=TableROWDetalle>   <font color=BLACK>") +
                 Recortado(valor("IdArticulo")) + QStringLiteral("</TD>");
    else
        linea += QStringLiteral("<TD CLASS=TableROWDetalle>  <font color=BLACK>") +
                 Recortado(valor("IdArticulo")) + QStringLiteral(" </TD>");
    linea += QStringLiteral("<TD CLASS=TableROWDetalle> <font color=BLACK>") +
             Recortado(valor("Descripcion")) + QStringLiteral(" </TD><TD CLASS=TableROWDetalle>") +
             Html(valor("IdUnidad")) + QStringLiteral("</TD>") + kFilaDerecha +
             Html(valor("Cantidad")) + QStringLiteral("</TD>") + kFilaDerecha +
             Html(valor("Importe")) + QStringLiteral("</TD>");
    if (esVenta_)
        linea += kFilaDerecha + Html(valor("ImporteDTO")) + QStringLiteral("</TD>");
    return linea + kFilaDerecha + Html(valor("Total")) + QStringLiteral("</TD></TR>");
}
