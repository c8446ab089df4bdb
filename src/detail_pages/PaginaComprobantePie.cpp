// The related vouchers, reception reports, history and business unit of the voucher page.

#include "detail_pages/EnlaceDetalle.h"
#include "detail_pages/PaginaComprobante.h"
#include "platform/ado/TokenSql.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/suite/UtilGeneral.h"

using namespace pagina_detalle;

namespace {

const QString kAperturaSeccion =
    QStringLiteral("<TR VALIGN=TOP><TD COLSPAN=2> </TD><TD COLSPAN=60 ROWSPAN=61><br>"
                   "<FONT SIZE=1 FACE=' Times New Roman '><B>");
const QString kTabla =
    QStringLiteral("<TABLE ALIGN=BLEEDLEFT WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0>");

QString Texto(ado::Recordset& rs, const char* campo) {
    return vb::ValorTexto(rs.Fields(QLatin1String(campo)).Value());
}

QString NombreAccion(const QString& tipo) {
    if (vb::Iguales(tipo, QStringLiteral("A")))
        return QStringLiteral("ALTA");
    if (vb::Iguales(tipo, QStringLiteral("B")))
        return QStringLiteral("BAJA");
    if (vb::Iguales(tipo, QStringLiteral("M")))
        return QStringLiteral("MODIFICACION");
    return tipo;
}

} // namespace

// Found by the order's filled key: sixteen characters for the thirteen stored, the database
// compares without the trailing blanks.
QString pagina_detalle::SqlInformesRecepcion(const ClaveComprobante& clave, const QString& Cuenta) {
    QString sql = QStringLiteral("SELECT V_MV_STOCK.FECHA, V_MV_STOCK.TC,V_MV_STOCK.IDCOMPROBANTE"
                                 " from V_MV_STOCK WHERE ") +
                  clave.Rellena().CondicionId("V_MV_STOCK.TC_ORIGEN='",
                                              " and V_MV_STOCK.IDCOMPROBANTE_ORIGEN='") +
                  QStringLiteral(" AND SECUENCIA = 1");
    if (!Cuenta.isEmpty())
        sql += QStringLiteral(" AND (V_MV_STOCK.CUENTAPROVEEDOR = '") +
               ado::DoblarApostrofos(Cuenta) +
               QStringLiteral("' OR V_MV_STOCK.CUENTAPROVEEDOR IS NULL)");
    return sql;
}

// The vouchers this one applies: found by its key with every part filled to the width the
// table keys it with, the letter to four like the branch.
void PaginaComprobante::EscribirAplicadosPor() {
    EscribirAplicaciones(
        QStringLiteral("SELECT TCO_ORIGEN,SUCURSAL_ORIGEN,NUMERO_ORIGEN,LETRA_ORIGEN,"
                       "IDCOMPROBANTE_ORIGEN, IMPORTE from MV_APLICACION WHERE ") +
            clave_.Rellena().Condicion({"TC='", "SUCURSAL='", "NUMERO='", "LETRA='"}) +
            QStringLiteral(" and cuenta = '") + ado::DoblarApostrofos(cuenta_) + u'\'',
        QStringLiteral("COMPROBANTES APLICADOS POR "), true);
}

void PaginaComprobante::EscribirQueAplican() {
    EscribirAplicaciones(
        QStringLiteral("SELECT TC,sucursal,numero,letra,IDCOMPROBANTE, IMPORTE from MV_Aplicacion "
                       "WHERE ") +
            clave_.ConTcRelleno().CondicionId("TCo_origen='", " and idcomprobante_origen='") +
            QStringLiteral(" and cuenta = '") + ado::DoblarApostrofos(cuenta_) + u'\'',
        QStringLiteral("COMPROBANTES QUE APLICAN A "), false);
}

// Both lists of applications: each row links twice to the other voucher, on the page's own
// account. Type codes come padded to their column's width; the link names the type itself,
// so that the window it opens is the type's own.
void PaginaComprobante::EscribirAplicaciones(const QString& sql, const QString& titulo,
                                             bool origen) {
    ado::Recordset rs;
    if (!Consultar(sql, rs))
        return;
    Linea(kAperturaSeccion + titulo +
          Html(clave_.TC + u' ' + clave_.Sucursal + clave_.Numero + u' ' + clave_.Letra) +
          QStringLiteral("</B>") + kTabla +
          QStringLiteral("<TR VALIGN=TOP BGCOLOR=E0EFE0><TD CLASS=TableCABDetalle>TC</TD>"
                         "<TD CLASS=TableCABDetalle>COMPROBANTE</TD>"
                         "<TD CLASS=TableCABDetalle ALIGN =RIGHT >IMPORTE</TD></TR>"));
    for (; !rs.Eof(); rs.MoveNext()) {
        const QString tipo = Texto(rs, origen ? "Tco_Origen" : "TC");
        const QString celda =
            QStringLiteral("<TD CLASS=TableRowdETALLE>") +
            EnlaceDetalle::Ancla(EnlaceDetalle::ComprobanteConCuenta(
                {vb::Trim(tipo), Texto(rs, origen ? "Sucursal_Origen" : "Sucursal"),
                 Texto(rs, origen ? "Numero_Origen" : "Numero"),
                 Texto(rs, origen ? "Letra_Origen" : "Letra")},
                cuenta_));
        Linea(QStringLiteral("<TR VALIGN=TOP>") + celda + Html(tipo) + QStringLiteral("</TD>") +
              celda + Html(Texto(rs, origen ? "IDCOMPROBANTE_ORIGEN" : "IdComprobante")) +
              QStringLiteral("</TD><TD CLASS=TableROWDetalle ALIGN=RIGHT  NOWRAP>") +
              Html(Texto(rs, "Importe")) + QStringLiteral("</TD></TR>"));
    }
    Linea(QStringLiteral("</TABLE>"));
}

// The reception reports of an order, the page's supplier's own.
void PaginaComprobante::EscribirInformesRecepcion() {
    if (!vb::Iguales(clave_.TC, QStringLiteral("OC")))
        return;
    ado::Recordset rs;
    if (!Consultar(SqlInformesRecepcion(clave_, cuenta_), rs))
        return;
    Linea(kAperturaSeccion + QStringLiteral("INFORMES DE RECEPCION</B>") + kTabla +
          QStringLiteral("<TR VALIGN=TOP BGCOLOR=E0EFE0><TD CLASS=TableCABDetalle>FECHA</TD>"
                         "<TD CLASS=TableCABDetalle>COMPROBANTE</TD>"
                         "<TD CLASS=TableCABDetalle ALIGN =RIGHT>IMPORTE</TD>"));
    for (; !rs.Eof(); rs.MoveNext()) {
        const QString tipo = Texto(rs, "TC");
        const QString id = Texto(rs, "IdComprobante");
        Linea(QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableRowdETALLE>") +
              Html(Texto(rs, "Fecha")) + QStringLiteral("</TD><TD CLASS=TableRowdETALLE>") +
              EnlaceDetalle::Ancla(
                  EnlaceDetalle::Comprobante(ClaveComprobante::DesdeId(vb::Trim(tipo), id))) +
              Html(tipo + u' ' + id) + QStringLiteral("</TD></TR>"));
    }
    Linea(QStringLiteral("</TABLE>"));
}

void PaginaComprobante::EscribirHistorial() {
    QString sql = QStringLiteral("SELECT TIPO_ACCION, FECHAHORA, USUARIO, PC, SYSTEMUSER from "
                                 "V_MV_CPTEACCIONES WHERE ") +
                  clave_.ConTcRelleno().CondicionId("TC='", " and IDCOMPROBANTE='");
    if (esVenta_)
        sql += QStringLiteral(" AND IDCOMPLEMENTO='") +
               ado::DoblarApostrofos(
                   vb::ValorTexto(rsCabecera_.Fields(QStringLiteral("IdComplemento")).Value())) +
               u'\'';
    ado::Recordset rs;
    if (!Consultar(sql, rs))
        return;
    Linea(QStringLiteral("<TR VALIGN=TOP><TD COLSPAN=2> </TD><TD COLSPAN=60 ROWSPAN=61></TABLE>"
                         "<br><FONT SIZE=1 FACE=' Times New Roman '><B>HISTORIAL DE ACCIONES</B>") +
          kTabla +
          QStringLiteral("<TR VALIGN=TOP BGCOLOR=E0EFE0><TD CLASS=TableCABDetalle>TIPO ACCION</TD>"
                         "<TD CLASS=TableCABDetalle>COMENTARIO</TD>"
                         "<TD CLASS=TableCABDetalle>FECHA HORA</TD>"
                         "<TD CLASS=TableCABDetalle>USUARIO</TD>"
                         "<TD CLASS=TableCABDetalle>PC</TD></TR>"));
    for (; !rs.Eof(); rs.MoveNext()) {
        QString linea = QStringLiteral("<TR VALIGN=TOP>");
        for (const QString& valor :
             {NombreAccion(Texto(rs, "Tipo_Accion")), Texto(rs, "SystemUser"),
              Texto(rs, "fechahora"), Texto(rs, "Usuario"), Texto(rs, "PC")})
            linea += QStringLiteral("<TD CLASS=TableRowDetalle>") + Html(valor) +
                     QStringLiteral("</TD>");
        Linea(linea + QStringLiteral("</TR>"));
    }
    Linea(QStringLiteral("</TABLE>"));
}

void PaginaComprobante::EscribirUnidadNegocio() {
    Linea(QStringLiteral("<br> <HR NOSHADE> <font size=2 FACE=' Tahoma ' color=ff000e><b>  "
                         "Unidad de negocio:  ") +
          Cabecera("UNegocio") + QStringLiteral(" - ") + Cabecera("unegociodescripcion") +
          QStringLiteral("</b></font>"));
}
