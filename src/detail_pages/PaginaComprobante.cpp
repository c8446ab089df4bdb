#include "detail_pages/PaginaComprobante.h"

#include "audit/EnlacePagina.h"
#include "audit/clsAuditoria_HTM.h"
#include "detail_pages/EnlaceDetalle.h"
#include "platform/ado/TokenSql.h"
#include "platform/runtime/Fechas.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"
#include "session/ModGlobal.h"

#include <QDate>

namespace pagina_detalle {

QString Html(const QString& texto) {
    return EnlacePagina::TextoHtml(texto);
}

QString Html(const QVariant& valor) {
    return Html(vb::ValorTexto(valor));
}

QString Recortado(const QVariant& valor) {
    return Html(vb::Trim(vb::ValorTexto(valor)));
}

} // namespace pagina_detalle

using namespace pagina_detalle;

namespace {

const QString kTabla =
    QStringLiteral("<TABLE ALIGN=BLEEDLEFT WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0>");

} // namespace

void PaginaComprobante::Generar(const QString& archivo, const ClaveComprobante& clave, bool EsVenta,
                                const QString& Cuenta) {
    EscrituraArchivoPagina::Repetir(
        [&] { return PaginaComprobante(clave, EsVenta, Cuenta).Escribir(archivo); });
}

PaginaComprobante::PaginaComprobante(const ClaveComprobante& clave, bool EsVenta,
                                     const QString& Cuenta)
    : clave_(clave), cuenta_(Cuenta), esVenta_(EsVenta) {}

PaginaComprobante::Desenlace PaginaComprobante::Escribir(const QString& archivo) {
    // The body between the title and the closing part belongs to a voucher that was found.
    const auto siHay = [this](void (PaginaComprobante::*seccion)()) {
        return [this, seccion] {
            if (hayCabecera_)
                (this->*seccion)();
        };
    };
    return pagina_.Escribir(
        archivo,
        {[&] {
             Linea(clsAuditoria_HTM::CabeceraHTML(QStringLiteral("KPT001CBTEdetalle"), false,
                                                  QDate::currentDate()));
         },
         [&] { EscribirEmpresa(); }, [&] { EscribirTitulo(); }, [&] { ConsultarCabecera(); },
         siHay(&PaginaComprobante::EscribirParte), siHay(&PaginaComprobante::EscribirInsumos),
         siHay(&PaginaComprobante::EscribirTareas),
         siHay(&PaginaComprobante::EscribirObservaciones),
         siHay(&PaginaComprobante::EscribirTotales),
         siHay(&PaginaComprobante::EscribirAplicadosPor),
         siHay(&PaginaComprobante::EscribirQueAplican),
         siHay(&PaginaComprobante::EscribirInformesRecepcion),
         siHay(&PaginaComprobante::EscribirHistorial),
         siHay(&PaginaComprobante::EscribirUnidadNegocio), [&] { EscribirCierre(); }});
}

void PaginaComprobante::Linea(const QString& texto) {
    pagina_.Archivo().EscribirLinea(texto);
}

bool PaginaComprobante::Consultar(QString sql, ado::Recordset& rs) {
    DB_Dll::Instancia().AbrirRecordset(sql, rs);
    if (rs.State() == ado::adStateClosed || rs.Bof())
        return false;
    rs.MoveFirst();
    return true;
}

// ---- Pieces shared by the sections ---------------------------------------------------------

// The voucher in the statements of its lines: a sale by its complement, a purchase by its
// supplier's account.
QString PaginaComprobante::WhereComprobante(const QString& vista) const {
    return vista + " WHERE " + clave_.ConTcRelleno().CondicionId("TC='", " and idcomprobante='");
}

QString PaginaComprobante::Cabecera(const char* campo) {
    return Html(rsCabecera_.Fields(QLatin1String(campo)).Value());
}

QString PaginaComprobante::ComplementoSql() {
    const QString complemento =
        vb::Trim(vb::ValorTexto(rsCabecera_.Fields(QStringLiteral("IdComplemento")).Value()));
    return complemento.isEmpty() ? QStringLiteral("NULL") : ado::DoblarApostrofos(complemento);
}

// ---- Opening and closing -------------------------------------------------------------------

void PaginaComprobante::EscribirEmpresa() {
    Linea(kTabla + QStringLiteral("<TR VALIGN=TOP>") +
          QStringLiteral("<TD COLSPAN=40 ROWSPAN=2 NOWRAP><FONT SIZE=4 COLOR=0000FF FACE=' Times "
                         "New Roman '><B><I>") +
          Html(ModGlobal::Cfg(QStringLiteral("NOMBRE"))) +
          QStringLiteral("</I></B></FONT></TD> <TD COLSPAN=15> </TD>") +
          QStringLiteral(
              "<TD COLSPAN=10><FONT SIZE=1 FACE=' Times New Roman'><I>Fecha</I></FONT></TD>") +
          QStringLiteral("<TD> </TD> <TD COLSPAN=7 NOWRAP><FONT SIZE=2 FACE=' Times New "
                         "Roman'><I>") +
          Html(vb::FechaCorta(vb::Date())) +
          QStringLiteral("</I></FONT></TD> </TR> <TR VALIGN=TOP> </TR> </TABLE>"));
}

void PaginaComprobante::EscribirTitulo() {
    const QString apertura =
        kTabla + QStringLiteral("<TR VALIGN=TOP><TD COLSPAN=77><FONT SIZE=1>&nbsp;</FONT></TD></TR>"
                                "<TR VALIGN=TOP><TD ALIGN=CENTER COLSPAN=76 ROWSPAN=2><FONT "
                                "SIZE=4 FACE=' Times New Roman '><B><I><U>");
    const QString detallado = QStringLiteral(
        "</U></I></B></FONT></TD></TR><TR VALIGN=TOP></TR><TR VALIGN=TOP BGCOLOR=E8E8E8>"
        "<TD ALIGN=CENTER COLSPAN=76><FONT SIZE=2 FACE=' Garamond '>(Detallado)</FONT></TD>");
    ado::Recordset rs;
    if (Consultar(QStringLiteral("SELECT DESCRIPCION FROM V_TA_CPTE WHERE CODIGO='") +
                      ado::DoblarApostrofos(clave_.TC) + u'\'',
                  rs)) {
        // The title table stays open: the body is written into it.
        Linea(apertura + Html(rs.Fields(QStringLiteral("Descripcion")).Value()) +
              QStringLiteral(" - ") + Html(clave_.Sucursal + clave_.Numero + u' ' + clave_.Letra) +
              detallado +
              QStringLiteral("<TD><FONT SIZE=1>&nbsp;</FONT></TD></TR><TR VALIGN=TOP><TD "
                             "COLSPAN=77><FONT SIZE=1>&nbsp;</FONT></TD></TR><TR VALIGN=TOP><TD "
                             "COLSPAN=77><FONT SIZE=1>&nbsp;</FONT></TD></TR>"));
        return;
    }
    Linea(apertura +
          Html(clave_.TC + u' ' + clave_.Sucursal + clave_.Numero + u' ' + clave_.Letra) +
          detallado + QStringLiteral("</TR></TABLE>"));
}

void PaginaComprobante::EscribirCierre() {
    Linea(QStringLiteral("</TABLE>"));
    EscribirEnlaceAsiento();
    Linea(QStringLiteral("</body></html>"));
}

void PaginaComprobante::EscribirEnlaceAsiento() {
    Linea(QStringLiteral("<br> <HR NOSHADE> ") +
          EnlaceDetalle::Ancla(EnlaceDetalle::AsientoConCuenta(clave_, cuenta_)) +
          QStringLiteral(" [VER ASIENTO] <HR NOSHADE>"));
}
