#include "detail_pages/PaginaStock.h"

#include "detail_pages/EnlaceDetalle.h"
#include "detail_pages/EscrituraPagina.h"
#include "detail_pages/PaginaComprobante.h"
#include "platform/ado/TokenSql.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"

using pagina_detalle::Html;
using pagina_detalle::Recortado;

namespace {

QString Texto(ado::Recordset& rs, const char* campo) {
    return EscrituraPagina::Texto(rs, campo);
}

QString Valor(ado::Recordset& rs, const char* campo) {
    return vb::ValorTexto(rs.Fields(QLatin1String(campo)).Value());
}

// The cell that opens a voucher, its link left open as the pages write it. Type codes come
// padded to their column's width; the link names the type itself, so that the window it opens
// is the type's own, and the account where the key needs it.
QString CeldaEnlace(ClaveComprobante clave, const QString& cuenta = {}) {
    clave.TC = vb::Trim(clave.TC);
    return QStringLiteral("<TD CLASS=TableRowdETALLE>") +
           EnlaceDetalle::Ancla(EnlaceDetalle::ComprobanteDeCuenta(clave, cuenta));
}

QString EncabezadoAplicaciones(const QString& titulo, const QString& comprobante) {
    return EscrituraPagina::AperturaSeccion + "<FONT SIZE=1 FACE=' Times New Roman '><B>" + titulo +
           " " + comprobante + "</B>" + EscrituraPagina::Tabla +
           "<TR VALIGN=TOP BGCOLOR=E0EFE0><TD CLASS=TableCABDetalle>TC</TD>" +
           "<TD CLASS=TableCABDetalle>COMPROBANTE</TD>" +
           "<TD CLASS=TableCABDetalle ALIGN =RIGHT >IMPORTE</TD></TR>";
}

// A row of an application section: the voucher the four columns name, linked in both cells.
QString FilaAplicacion(ado::Recordset& rs, const char* tc, const char* sucursal, const char* numero,
                       const char* letra, const char* comprobante) {
    const QString enlace =
        CeldaEnlace({Valor(rs, tc), Valor(rs, sucursal), Valor(rs, numero), Valor(rs, letra)},
                    Valor(rs, "CUENTA"));
    return QStringLiteral("<TR VALIGN=TOP>") + enlace + Texto(rs, tc) + "</TD>" + enlace +
           Texto(rs, comprobante) + "</TD>" + "<TD CLASS=TableROWDetalle ALIGN=RIGHT  NOWRAP>" +
           Texto(rs, "IMPORTE") + "</TD>" + "</TR>";
}

QString FilaInsumo(ado::Recordset& rs) {
    return QStringLiteral("<TR VALIGN=TOP>") + "<TD CLASS=TableROWDetalle>   <font color=BLACK>" +
           Recortado(rs.Fields(QStringLiteral("IDARTICULO")).Value()) + "</TD>" +
           "<TD CLASS=TableROWDetalle> <font color=BLACK>" +
           Recortado(rs.Fields(QStringLiteral("DESCRIPCION")).Value()) + " </TD>" +
           "<TD CLASS=TableROWDetalle>" + Texto(rs, "IDUNIDAD") + "</TD>" +
           "<TD CLASS=TableROWDetalle ALIGN=RIGHT  NOWRAP>" + Texto(rs, "CANTIDAD") + "</TD>" +
           "<TD CLASS=TableROWDetalle ALIGN=RIGHT  NOWRAP>" + Texto(rs, "PRECIOVENTA") + "</TD>" +
           "</TR>";
}

// A reception report names its voucher by the joined key, cut back into its parts.
QString FilaInforme(ado::Recordset& rs) {
    const QString tc = Valor(rs, "TC");
    const QString id = Valor(rs, "IDCOMPROBANTE");
    return QStringLiteral("<TR VALIGN=TOP>") + "<TD CLASS=TableRowdETALLE>" + Texto(rs, "FECHA") +
           "</TD>" + CeldaEnlace(ClaveComprobante::DesdeId(tc, id)) + Html(tc) + " " + Html(id) +
           "</TD>" + "</TR>";
}

} // namespace

PaginaStock::PaginaStock(EscrituraPagina& escritura, const ClaveComprobante& clave, bool EsVenta)
    : e_(escritura), clave_(clave), esVenta_(EsVenta) {}

void PaginaStock::Generar(const QString& archivo, const ClaveComprobante& clave, bool EsVenta) {
    EscrituraPagina::Generar(archivo, [&](EscrituraPagina& escritura) {
        PaginaStock(escritura, clave, EsVenta).Escribir();
    });
}

QString PaginaStock::Where() const {
    return " WHERE " + clave_.ConTcRelleno().CondicionId("TC='", " and idcomprobante='");
}

QString PaginaStock::ClaveTitulo() const {
    return Html(clave_.TC) + " " + Html(clave_.Sucursal + clave_.Numero) + " " + Html(clave_.Letra);
}

QString PaginaStock::Cabecera(const char* campo) {
    return Texto(rsCabecera_, campo);
}

void PaginaStock::Escribir() {
    e_.Cabecera(QStringLiteral("KPT001CBTEdetalle"));
    e_.Empresa();
    e_.Titulo(clave_, true);
    EscribirCabecera();
    if (hayCabecera_) {
        EscribirInsumos();
        EscribirAplicadosPor();
        EscribirQueAplican();
        if (vb::Iguales(clave_.TC, QStringLiteral("OC")))
            EscribirInformesRecepcion();
        EscribirHistorial();
        EscribirUnidadNegocio();
    }
    e_.Linea(QStringLiteral("</TABLE>"));
    e_.EnlaceAsiento(clave_);
    e_.Linea(QStringLiteral("</body></html>"));
}

void PaginaStock::EscribirCabecera() {
    hayCabecera_ = e_.Consultar(
        QStringLiteral("SELECT ") +
            "TC, IDCOMPROBANTE, FECHA,CUENTAPROVEEDOR,IDCOMPLEMENTO, CONTROLADOPOR, UNEGOCIO, "
            "V_TA_UnidadNegocio.descripcion as "
            "unegociodescripcion,V_MV_STOCK.IDDEPOSITO,V_TA_DEPOSITO.DESCRIPCION AS DESCDEP" +
            " FROM V_MV_STOCK LEFT OUTER JOIN " +
            "V_TA_DEPOSITO ON V_MV_STOCK.IDDEPOSITO = V_TA_DEPOSITO.IDDEPOSITO LEFT OUTER JOIN " +
            "V_TA_UnidadNegocio ON V_MV_STOCK.UNEGOCIO = V_TA_UnidadNegocio.Codigo " + "WHERE " +
            clave_.ConTcRelleno().CondicionId("TC='", " and idcomprobante='"),
        rsCabecera_);
    if (!hayCabecera_)
        return;
    e_.Ejecutar([&] {
        e_.Linea(QStringLiteral("<TABLE><TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=5>") +
                 "<B>FECHA: </B></TD>" +
                 "<TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=27 NOWRAP>" +
                 Cabecera("FECHA") + "</TD>" +
                 "<TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=5>" +
                 "<B>DEPOSITO: </B></TD>" +
                 "<TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=27 NOWRAP>" +
                 Cabecera("IDDEPOSITO") + " - " + Cabecera("DESCDEP") + "</TD>");
    });
    e_.Linea(
        QStringLiteral("<TD class=TableCabeceraValor ALIGN=CENTER COLSPAN=6 NOWRAP></TD></TR>"));
    e_.Linea(QStringLiteral("</TABLE>"));
}

void PaginaStock::EscribirInsumos() {
    e_.Seccion(QStringLiteral("SELECT ") +
                   "IDARTICULO,DESCRIPCION,IDUNIDAD,CANTIDAD,COSTO,PRECIOVENTA" +
                   " from V_MV_STOCK" + Where(),
               EscrituraPagina::AperturaSeccion +
                   "<FONT SIZE=1 FACE=' Times New Roman '><B>INSUMOS</B>" + EscrituraPagina::Tabla +
                   "<TR VALIGN=TOP BGCOLOR=aeaaea><TD CLASS=TableCABDetalle>CODIGO</TD>" +
                   "<TD CLASS=TableCABDetalle>DESCRIPCION</TD>" +
                   "<TD CLASS=TableCABDetalle >UNIDAD</TD>" +
                   "<TD CLASS=TableCABDetalle ALIGN=right >CANTIDAD</TD>" +
                   "<TD CLASS=TableCABDetalle ALIGN=RIGHT >IMPORTE</TD></TR>",
               FilaInsumo);
}

void PaginaStock::EscribirAplicadosPor() {
    e_.Seccion(QStringLiteral("SELECT ") +
                   "TCO_ORIGEN,SUCURSAL_ORIGEN,NUMERO_ORIGEN,LETRA_ORIGEN,IDCOMPROBANTE_ORIGEN, "
                   "IMPORTE, CUENTA" +
                   " from MV_APLICACION WHERE " +
                   clave_.Rellena().Condicion({"TC='", "SUCURSAL='", "NUMERO='", "LETRA='"}),
               EncabezadoAplicaciones(QStringLiteral("COMPROBANTES APLICADOS POR"), ClaveTitulo()),
               [](ado::Recordset& rs) {
                   return FilaAplicacion(rs, "TCO_ORIGEN", "SUCURSAL_ORIGEN", "NUMERO_ORIGEN",
                                         "LETRA_ORIGEN", "IDCOMPROBANTE_ORIGEN");
               });
}

void PaginaStock::EscribirQueAplican() {
    e_.Seccion(QStringLiteral("SELECT ") +
                   "TC,sucursal,numero,letra,IDCOMPROBANTE, IMPORTE, CUENTA" +
                   " from MV_Aplicacion WHERE " +
                   clave_.ConTcRelleno().CondicionId("TCo_origen='", " and idcomprobante_origen='"),
               EncabezadoAplicaciones(QStringLiteral("COMPROBANTES QUE APLICAN A"), ClaveTitulo()),
               [](ado::Recordset& rs) {
                   return FilaAplicacion(rs, "TC", "SUCURSAL", "NUMERO", "LETRA", "IDCOMPROBANTE");
               });
}

// The order's own reception reports: those of the supplier its header names.
void PaginaStock::EscribirInformesRecepcion() {
    QString proveedor;
    e_.Ejecutar([&] { proveedor = Valor(rsCabecera_, "CUENTAPROVEEDOR"); });
    e_.Seccion(pagina_detalle::SqlInformesRecepcion(clave_, proveedor),
               EscrituraPagina::AperturaSeccion +
                   "<FONT SIZE=1 FACE=' Times New Roman '><B>INFORMES DE RECEPCION</B>" +
                   EscrituraPagina::Tabla +
                   "<TR VALIGN=TOP BGCOLOR=E0EFE0><TD CLASS=TableCABDetalle>FECHA</TD>" +
                   "<TD CLASS=TableCABDetalle>COMPROBANTE</TD>" +
                   "<TD CLASS=TableCABDetalle ALIGN =RIGHT>IMPORTE</TD>",
               FilaInforme);
}

void PaginaStock::EscribirHistorial() {
    QString sql = QStringLiteral("SELECT ") + "TIPO_ACCION, FECHAHORA, USUARIO, PC, SYSTEMUSER" +
                  " from V_MV_CPTEACCIONES WHERE " +
                  clave_.ConTcRelleno().CondicionId("TC='", " and IDCOMPROBANTE='");
    if (esVenta_) {
        // A voucher without complement finds no history instead of breaking the statement.
        QString complemento;
        e_.Ejecutar([&] { complemento = Valor(rsCabecera_, "IDCOMPLEMENTO"); });
        sql += " AND IDCOMPLEMENTO='" + ado::DoblarApostrofos(complemento) + "'";
    }
    e_.Historial(sql);
}

void PaginaStock::EscribirUnidadNegocio() {
    e_.Ejecutar([&] {
        e_.Linea(QStringLiteral("<br> <HR NOSHADE> <font size=2 FACE=' Tahoma ' "
                                "color=ff000e><b>  Unidad de negocio:  ") +
                 Cabecera("UNegocio") + " - " + Cabecera("unegociodescripcion") + "</b></font>");
    });
}
