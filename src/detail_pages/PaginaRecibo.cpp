#include "detail_pages/PaginaRecibo.h"

#include "detail_pages/EnlaceDetalle.h"
#include "detail_pages/EscrituraPagina.h"
#include "detail_pages/PaginaComprobante.h"
#include "platform/ado/TokenSql.h"
#include "platform/runtime/Currency.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/suite/UtilGeneral.h"

#include <QStringList>

using pagina_detalle::Html;

namespace {

QString Texto(ado::Recordset& rs, const char* campo) {
    return EscrituraPagina::Texto(rs, campo);
}

QString Valor(ado::Recordset& rs, const char* campo) {
    return vb::ValorTexto(rs.Fields(QLatin1String(campo)).Value());
}

const QString kCelda = QStringLiteral("<TD CLASS=TableRowdETALLE>");
const QString kCeldaImporte = QStringLiteral("<TD CLASS=TableROWDetalle ALIGN=RIGHT  NOWRAP>");

// A journal line of the voucher: the account the money went through, its bank document and side.
QString FilaPago(ado::Recordset& rs) {
    return QStringLiteral("<TR VALIGN=TOP>") + kCelda + Texto(rs, "CUENTA") + " - " +
           Texto(rs, "DESCRIPCION") + "</TD>" + kCelda + Texto(rs, "NROCOMPROBANTEBANCARIO") +
           "</TD>" + kCelda + Texto(rs, "IDBANCO") + " " + Texto(rs, "DESCRIPCIONBANCO") + "</TD>" +
           kCelda + Texto(rs, "VENCIMIENTO") + "</TD>" + kCelda + Texto(rs, "DEBE-HABER") +
           "</TD>" + kCeldaImporte + Texto(rs, "IMPORTE") + "</TD>" + "</TR>";
}

// A settled voucher, linked. Its type comes padded to the column's width; the link names the
// type itself, so that the window it opens is the type's own, and the account where the key
// needs it.
QString FilaAfectado(ado::Recordset& rs) {
    return QStringLiteral("<TR VALIGN=TOP>") + kCelda + Texto(rs, "FECHA") + "</TD>" + kCelda +
           EnlaceDetalle::Ancla(EnlaceDetalle::ComprobanteDeCuenta(
               {vb::Trim(Valor(rs, "TCO_ORIGEN")), Valor(rs, "SUCURSAL_ORIGEN"),
                Valor(rs, "NUMERO_ORIGEN"), Valor(rs, "LETRA_ORIGEN")},
               Valor(rs, "CUENTA"))) +
           Texto(rs, "TCO_ORIGEN") + " " + Texto(rs, "IDCOMPROBANTE_ORIGEN") + "</TD>" +
           kCeldaImporte + Texto(rs, "IMPORTE") + "</TD>" + kCeldaImporte + Texto(rs, "APLICADO") +
           "</TD>" + "</TR>";
}

bool EsPago(const QString& tc) {
    return QStringList{QStringLiteral("PG"), QStringLiteral("OPG"), QStringLiteral("PGFP")}
        .contains(tc, Qt::CaseInsensitive);
}

} // namespace

PaginaRecibo::PaginaRecibo(EscrituraPagina& escritura, const ClaveComprobante& clave, bool EsVenta,
                           const QString& Cuenta)
    : e_(escritura), clave_(clave), esVenta_(EsVenta), cuenta_(Cuenta) {}

void PaginaRecibo::Generar(const QString& archivo, const ClaveComprobante& clave, bool EsVenta,
                           const QString& Cuenta) {
    EscrituraPagina::Generar(archivo, [&](EscrituraPagina& escritura) {
        PaginaRecibo(escritura, clave, EsVenta, Cuenta).Escribir();
    });
}

QString PaginaRecibo::CuentaSql() const {
    return "'" + ado::DoblarApostrofos(cuentaParte_) + "'";
}

QString PaginaRecibo::CondicionRellena(const QString& prefijo) const {
    return clave_.Rellena().Condicion({"TC='", "SUCURSAL='", "NUMERO='", "LETRA='"}, prefijo);
}

QString PaginaRecibo::Parte(const char* campo) {
    return Texto(rsParte_, campo);
}

QString PaginaRecibo::ValorParte(const char* campo) {
    return Valor(rsParte_, campo);
}

void PaginaRecibo::Escribir() {
    e_.Cabecera(QStringLiteral("KPT001RECIBOdetalle"));
    e_.Empresa();
    // The title's table stays open: the party's rows continue it.
    e_.Titulo(clave_, false);
    ConsultarParte();
    if (hayParte_) {
        EscribirParte();
        EscribirDetallesPago();
        EscribirAfectados();
        EscribirTotales();
        EscribirHistorial();
        EscribirUnidadNegocio();
    }
    e_.Linea(QStringLiteral("</font></TABLE>"));
    // A payment's entry is the one on its supplier's account: another supplier's payment of
    // the same key has its own.
    e_.EnlaceAsiento(clave_, hayParte_ && EsPago(clave_.TC) ? cuentaParte_ : QString());
    e_.Linea(QStringLiteral("</body></html>"));
}

void PaginaRecibo::ConsultarParte() {
    QString donde = clave_.ConTcRelleno().CondicionId("TC='", " and idcomprobante='");
    if (!vb::Trim(cuenta_).isEmpty())
        donde += " and CUENTA='" + ado::DoblarApostrofos(vb::Trim(cuenta_)) + "'";
    const QString ventas =
        QStringLiteral("SELECT ") +
        "NOMBRE,COMENTARIOS, v_mv_cpte.DOMICILIO, v_mv_cpte.LOCALIDAD,CUENTA,IDCOMPLEMENTO, "
        "CODIGOPOSTAL, FECHA, v_mv_cpte.comentarios, v_mv_cpte.TELEFONO, MATRICULA,MODELO,SERIE, "
        "FECHAESTINICIO,FECHAESTFIN, ma_cuentasadic.contacto,unegocio, "
        "V_TA_UnidadNegocio.descripcion as unegociodescripcion," +
        " importe, RETGAN_Importe, RETIBR_Importe, RETIVA_Importe, V_MV_Cpte.impdescuento1, "
        "V_MV_Cpte.impdescuento2, V_MV_Cpte.impdescuento3, V_MV_Cpte.impdescuento4, "
        "V_MV_Cpte.ImporteIva,v_mv_cpte.AlicIvaRec, "
        "V_MV_Cpte.ImporteIvaRec,V_MV_Cpte.ImporteIva2,V_MV_Cpte.ImpIVA3,V_MV_Cpte.ImpIVA4" +
        " FROM V_MV_Cpte LEFT OUTER JOIN " +
        "MA_CUENTASADIC ON V_MV_Cpte.CUENTA = MA_CUENTASADIC.CODIGO LEFT OUTER JOIN " +
        "V_TA_UnidadNegocio ON V_MV_Cpte.UNEGOCIO = V_TA_UnidadNegocio.Codigo " + "WHERE " + donde;
    const QString compras =
        QStringLiteral("SELECT ") +
        "NOMBRE,COMENTARIOS, c_mv_cpte.DOMICILIO, c_mv_cpte.LOCALIDAD,CUENTA, CODIGOPOSTAL, "
        "FECHA, c_mv_cpte.comentarios, c_mv_cpte.TELEFONO,  ma_cuentasadic.contacto,unegocio, "
        "V_TA_UnidadNegocio.descripcion as unegociodescripcion," +
        " importe, c_mv_Cpte.importe_s_iva, c_mv_Cpte.porcdescuento1, "
        "c_mv_Cpte.impdescuento1 , c_mv_Cpte.porcdescuento2, c_mv_Cpte.impdescuento2 , "
        "c_mv_Cpte.porcdescuento3, c_mv_Cpte.impdescuento3, c_mv_Cpte.porcdescuento4, "
        "c_mv_Cpte.impdescuento4, c_mv_Cpte.ImporteImpuestosInternos,   "
        "c_mv_Cpte.ImporteIva,c_mv_cpte.AlicIvaRec, c_mv_Cpte.ImporteIvaRec,c_mv_Cpte.ImporteIva2" +
        " FROM C_MV_Cpte LEFT OUTER JOIN " +
        "MA_CUENTASADIC ON C_MV_Cpte.CUENTA = MA_CUENTASADIC.CODIGO LEFT OUTER JOIN " +
        "V_TA_UnidadNegocio ON C_MV_Cpte.UNEGOCIO = V_TA_UnidadNegocio.Codigo " + "WHERE  " + donde;
    hayParte_ = e_.Consultar(esVenta_ ? ventas : compras, rsParte_);
    if (hayParte_)
        e_.Ejecutar([&] { cuentaParte_ = ValorParte("CUENTA"); });
}

void PaginaRecibo::EscribirParte() {
    e_.Ejecutar([&] {
        e_.Linea(QStringLiteral("<TR VALIGN=TOP><TD> </TD><TD class=TableCabeceraCaption "
                                "COLSPAN=5>") +
                 "<B>Sr/s.:</B></TD>" +
                 "<TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=27 NOWRAP>" +
                 Parte("NOMBRE") + "</TD>" +
                 "<TD> </TD><TD class=TableCabeceraValor COLSPAN=10 NOWRAP>" + Parte("CUENTA") +
                 "</TD>" + "<TD> </TD><TD class=TableCabeceraValor COLSPAN=14>" + "<B>" +
                 Html(clave_.TC) + " " + Html(clave_.IdComprobante()) + "</B></TD>");
    });
    e_.Ejecutar([&] {
        e_.Linea(QStringLiteral("<TD class=TableCabeceraValor ALIGN=CENTER COLSPAN=6 NOWRAP>") +
                 (esVenta_ ? Parte("IDCOMPLEMENTO") : QString()) + "</TD></TR>");
    });
    e_.Ejecutar([&] {
        e_.Linea(
            QStringLiteral("<TR VALIGN=TOP><TD> </TD><TD class=TableCabeceraCaption COLSPAN=8>") +
            "<B>Domicilio:</B></TD>" + "<TD class=TableCabeceravalor COLSPAN=15 NOWRAP>" +
            Parte("DOMICILIO") + "</TD>" +
            "</TR><TR VALIGN=TOP><TD> </TD><TD class=TableCabeceraCaption COLSPAN=8>" +
            "<B>Localidad:</B></TD>" + "<TD class=TableCabeceravalor COLSPAN=27 NOWRAP>" +
            Parte("LOCALIDAD") + "</TD>" +
            "<TD cOLSPAN=4> </TD><TD class=TableCabeceraCaption COLSPAN=5>" + "<B>Cp.</B></TD>" +
            "<TD class=TableCabeceraValor COLSPAN=4 NOWRAP>" + Parte("CODIGOPOSTAL") + "</TD>" +
            "<TD COLSPAN=3> </TD><TD class=TableCabeceraCaption COLSPAN=11>" +
            "<B>Fecha:</B></TD>" +
            "<TD COLSPAN=3> </TD><TD class=TableCabeceraValor COLSPAN=5 NOWRAP>" + Parte("FECHA") +
            "</TD></TR>");
    });
    e_.Ejecutar([&] {
        e_.Linea(QStringLiteral("<TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=15>") +
                 "<B>Observaciones:</B></TD>" + "<TD class=TableCabeceraValor COLSPAN=1><B>" +
                 Parte("COMENTARIOS") + "</B></TD>" +
                 "</TR><TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=4>" +
                 "<B>Contacto:</B></TD><TD COLSPAN=3> </TD>" +
                 "<TD class=TableCabeceraValor COLSPAN=19>" + Parte("contacto") + "</TD>" +
                 "<TD COLSPAN=8> </TD><TD class=TableCabeceraCaption COLSPAN=4>" +
                 "<B>Tel:</B></TD><TD COLSPAN=3> </TD><TD class=TableCabeceraValor COLSPAN=6>" +
                 Parte("TELEFONO") + "</TD><TD COLSPAN=3> </TD></TR>");
    });
    e_.Linea(QStringLiteral("</TABLE>"));
}

void PaginaRecibo::EscribirDetallesPago() {
    // The lines on the party's own account are the voucher's counterpart, not a means of pay;
    // the others are those of the entry that holds the party's line, not of another party's
    // voucher of the same key.
    const QString cuenta = CuentaSql();
    const QString mismaLinea =
        QStringLiteral(
            " and exists (SELECT * FROM MV_ASIENTOS P WHERE P.TC = MV_ASIENTOS.TC "
            "AND P.SUCURSAL = MV_ASIENTOS.SUCURSAL AND P.NUMERO = MV_ASIENTOS.NUMERO "
            "AND P.LETRA = MV_ASIENTOS.LETRA AND P.PERIODO = MV_ASIENTOS.PERIODO AND "
            "P.MES_OPERATIVO = MV_ASIENTOS.MES_OPERATIVO AND ISNULL(P.[NUMERO "
            "ASIENTO], 0) = ISNULL(MV_ASIENTOS.[NUMERO ASIENTO], 0) AND "
            "ISNULL(P.TIPO_REG, '') = ISNULL(MV_ASIENTOS.TIPO_REG, '') AND P.CUENTA = ") +
        cuenta + ")";
    e_.Seccion(
        QStringLiteral("SELECT ") +
            "CUENTA, MA_CUENTAS.DESCRIPCION,NROCOMPROBANTEBANCARIO,V_TA_BANCOS.IDBANCO, "
            "V_TA_BANCOS.DESCRIPCION AS DESCRIPCIONBANCO, VENCIMIENTO,[DEBE-HABER],IMPORTE " +
            " from MV_ASIENTOS left join MA_CUENTAS on MA_CUENTAS.Codigo = "
            "MV_ASIENTOS.Cuenta left join V_TA_BANCOS on " +
            "V_TA_BANCOS.IdBanco = MV_ASIENTOS.IdBanco Where " + CondicionRellena({}) +
            "and cuenta <> " + cuenta + mismaLinea,
        QStringLiteral("<TR VALIGN=TOP><TD COLSPAN=2> </TD><TD COLSPAN=60 ROWSPAN=61><br>") +
            "<FONT SIZE=1 FACE=' Times New Roman '><B>DETALLES DEL PAGO </B>" +
            EscrituraPagina::Tabla +
            "<TR VALIGN=TOP BGCOLOR=aeaaea><TD CLASS=TableCABDetalle>MEDIO DE PAGO</TD>" +
            "<TD CLASS=TableCABDetalle>NUMERO</TD>" + "<TD CLASS=TableCABDetalle >BANCO</TD>" +
            "<TD CLASS=TableCABDetalle >VENCIMIENTO</TD>" +
            "<TD CLASS=TableCABDetalle ALIGN=RIGHT ></TD>" +
            "<TD CLASS=TableCABDetalle ALIGN =RIGHT >IMPORTE</TD>" + "</TR>",
        FilaPago);
}

void PaginaRecibo::EscribirAfectados() {
    // Payments settle purchase vouchers whichever view the party came from.
    const QString vista =
        !esVenta_ || EsPago(clave_.TC) ? QStringLiteral("C_MV_CPTE") : QStringLiteral("V_MV_CPTE");
    const QString aplicacion = QStringLiteral("MV_APLICACION.");
    // The party's own applications (or those that name no account), each with the voucher on
    // its account: one that names none is the party's voucher of that key, listed once; a sales
    // voucher of several complements is listed once, with its first.
    const QString cuenta = CuentaSql();
    const QString primera = " AND " + vista + ".ID = (SELECT MIN(U.ID) FROM " + vista +
                            " U WHERE U.TC = " + vista + ".TC AND U.IDCOMPROBANTE = " + vista +
                            ".IDCOMPROBANTE AND U.CUENTA = " + vista + ".CUENTA)";
    e_.Seccion(QStringLiteral("SELECT ") + vista + ".FECHA," + vista + ".IMPORTE, " + vista +
                   ".CUENTA, "
                   "MV_APLICACION.TCO_ORIGEN,MV_APLICACION.SUCURSAL_ORIGEN,MV_APLICACION.NUMERO_"
                   "ORIGEN,MV_APLICACION.LETRA_ORIGEN,MV_APLICACION.IDCOMPROBANTE_ORIGEN, "
                   "MV_APLICACION.IMPORTE AS APLICADO" +
                   " from MV_APLICACION, " + vista + " WHERE MV_APLICACION.TCO_ORIGEN=" + vista +
                   ".TC AND MV_APLICACION.IDCOMPROBANTE_ORIGEN=" + vista + ".IDCOMPROBANTE AND " +
                   vista + ".CUENTA=ISNULL(MV_APLICACION.CUENTA, " + cuenta +
                   ") AND ISNULL(MV_APLICACION.CUENTA, " + cuenta + ")=" + cuenta + primera +
                   " AND " + CondicionRellena(aplicacion),
               QStringLiteral("<TR VALIGN=TOP><TD COLSPAN=2> </TD><TD COLSPAN=60 ROWSPAN=61><br>") +
                   "<FONT SIZE=1 FACE=' Times New Roman '><B>COMPROBANTES AFECTADOS</B>" +
                   EscrituraPagina::Tabla +
                   "<TR VALIGN=TOP BGCOLOR=aeaaea><TD CLASS=TableCABDetalle>FECHA</TD>" +
                   "<TD CLASS=TableCABDetalle>COMPROBANTE</TD>" +
                   "<TD CLASS=TableCABDetalle ALIGN =RIGHT>IMPORTE ORIGINAL</TD>" +
                   "<TD CLASS=TableCABDetalle ALIGN =RIGHT >APLICADO</TD></TR>",
               FilaAfectado);
}

// The four discounts added up exactly; a sum no amount can hold is shown as such, and the page
// goes on.
QString PaginaRecibo::Descuentos() {
    std::vector<Currency> descuentos;
    for (const char* campo : {"impdescuento1", "impdescuento2", "impdescuento3", "impdescuento4"}) {
        const QVariant valor = rsParte_.Fields(QLatin1String(campo)).Value();
        // A missing discount makes the sum unknown, as it does in the sales selection.
        if (valor.isNull())
            return QString();
        descuentos.push_back(Currency::DesdeVariant(valor));
    }
    const std::optional<Currency> suma = Currency::Suma(descuentos);
    return suma ? suma->ATexto() : QStringLiteral("fuera de rango");
}

// Amounts are read as stored, never through the database's arithmetic, which may hand them
// back as floating point: the page shows them exactly at any magnitude. Null reads as 0.
QString PaginaRecibo::Importe(const char* campo) {
    const QVariant valor = rsParte_.Fields(QLatin1String(campo)).Value();
    return valor.isNull() ? QStringLiteral("0") : vb::ValorTexto(valor);
}

QString PaginaRecibo::Retencion(const char* campo) {
    return rsParte_.IndiceCampo(QLatin1String(campo)) >= 0 ? Html(Importe(campo)) : QString();
}

void PaginaRecibo::EscribirTotales() {
    e_.Ejecutar([&] {
        const QString importe = Importe("importe");
        e_.Linea(QStringLiteral("</table></table><br><hr HEIGHT=3 NOSHADE><table  NOSHADE "
                                "BORDER=0  CELLSPACING=0 CELLPADDING=0><tr BGCOLOR=FFFFFF>") +
                 "<td class=TableCABpIE ><B> TOTAL:   </B></td>" + "<td class=TableCABpIE>" +
                 "&nbsp;&nbsp;" + Html(UtilGeneral::Instancia().ImporteEnLetras(importe)) + " (" +
                 Html(importe) + ")" + "</td> </TR></TABLE>");
    });
    e_.Ejecutar([&] {
        e_.Linea(QStringLiteral("<table NOSHADE BORDER=0  CELLSPACING=0 CELLPADDING=0><tr "
                                "BGCOLOR=FFFFFF>") +
                 "<td class=TableCABpIE ><B> EN CONCEPTO DE:   </B></td>" +
                 "<td class=TableCABpIE>" + "&nbsp;&nbsp;" + Parte("COMENTARIOS") +
                 "</td> </TR></TABLE>");
    });
    e_.Ejecutar([&] {
        e_.Linea(QStringLiteral("<BR><table  NOSHADE BORDER=1 CELLSPACING=0 CELLPADDING=0><tr "
                                "BGCOLOR=FFFFFF>") +
                 "<td class=TableCABpIE > <B> DESCUENTOS OTORGADOS &nbsp;</B></td>" +
                 "<td class=TableCABpIE>&nbsp" + Descuentos() + "</td></TR><TR>" +
                 "<td class=TableCABpIE> <B> RETENCION GANACIAS   </B></td>" +
                 "<td class=TableCABpIE>&nbsp" + Retencion("RETGAN_Importe") + "</td></TR><TR>" +
                 "<td class=TableCABpIE> <B> RETENCION I. BRUTOS  </B></td>" +
                 "<td class=TableCABpIE>&nbsp" + Retencion("RETIBR_Importe") + "</td></TR><TR>" +
                 "<td class=TableCABpIE> <B> RETENCION IVA   </B></td>" +
                 "<td class=TableCABpIE>&nbsp" + Retencion("RETIVA_Importe") + "</td></TR>" +
                 "</table> <hr HEIGHT=3 NOSHADE>");
    });
}

void PaginaRecibo::EscribirHistorial() {
    QString sql = QStringLiteral("SELECT ") + "TIPO_ACCION, FECHAHORA, USUARIO, PC,SYSTEMUSER" +
                  " from V_MV_CPTEACCIONES WHERE " +
                  clave_.ConTcRelleno().CondicionId("TC='", " and IDCOMPROBANTE='");
    if (esVenta_) {
        // A receipt without complement finds no history instead of breaking the statement.
        QString complemento;
        e_.Ejecutar([&] { complemento = ValorParte("IDCOMPLEMENTO"); });
        sql += " AND IDCOMPLEMENTO='" + ado::DoblarApostrofos(complemento) + "'";
    }
    e_.Historial(sql);
}

void PaginaRecibo::EscribirUnidadNegocio() {
    e_.Ejecutar([&] {
        e_.Linea(QStringLiteral("<br> <HR NOSHADE> <font size=2 FACE=' Tahoma ' "
                                "color=ff000e><b>  Unidad de negocio:  ") +
                 Parte("unegocio") + " - " + Parte("unegociodescripcion") + "</b></font>");
    });
}
