#include "detail_pages/EscrituraPagina.h"

#include "audit/clsAuditoria_HTM.h"
#include "detail_pages/EnlaceDetalle.h"
#include "detail_pages/PaginaComprobante.h"
#include "platform/ado/TokenSql.h"
#include "platform/runtime/Fechas.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"
#include "session/ModGlobal.h"

using pagina_detalle::Html;

namespace {

QString Accion(const QVariant& tipo) {
    const QString codigo = vb::ValorTexto(tipo);
    if (vb::Iguales(codigo, QStringLiteral("A")))
        return QStringLiteral("ALTA");
    if (vb::Iguales(codigo, QStringLiteral("B")))
        return QStringLiteral("BAJA");
    if (vb::Iguales(codigo, QStringLiteral("M")))
        return QStringLiteral("MODIFICACION");
    return Html(codigo);
}

QString FilaHistorial(ado::Recordset& rs) {
    const QString celda = QStringLiteral("<TD CLASS=TableRowDetalle>");
    const QString fin = QStringLiteral("</TD>");
    return QStringLiteral("<TR VALIGN=TOP>") + celda +
           Accion(rs.Fields(QStringLiteral("TIPO_ACCION")).Value()) + fin + celda +
           EscrituraPagina::Texto(rs, "SYSTEMUSER") + fin + celda +
           EscrituraPagina::Texto(rs, "FECHAHORA") + fin + celda +
           EscrituraPagina::Texto(rs, "USUARIO") + fin + celda + EscrituraPagina::Texto(rs, "PC") +
           fin + "</TR>";
}

} // namespace

const QString EscrituraPagina::Tabla =
    QStringLiteral("<TABLE ALIGN=BLEEDLEFT WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0>");
const QString EscrituraPagina::AperturaSeccion =
    QStringLiteral("<TR VALIGN=TOP><TD COLSPAN=2> </TD><TD COLSPAN=60 ROWSPAN=61><br>");

QString EscrituraPagina::Relleno(const QString& valor, int ancho) {
    return ado::DoblarApostrofos(UtilGeneral::Instancia().Rellenar(valor, ancho));
}

QString EscrituraPagina::Texto(ado::Recordset& rs, const char* campo) {
    return Html(rs.Fields(QLatin1String(campo)).Value());
}

// ---- The attempt and its errors ------------------------------------------------------------

void EscrituraPagina::Generar(const QString& archivo, const Cuerpo& cuerpo) {
    EscrituraArchivoPagina::Repetir([&] {
        EscrituraPagina escritura;
        return escritura.pagina_.Escribir(archivo, {[&] { cuerpo(escritura); }});
    });
}

void EscrituraPagina::Ejecutar(const Paso& paso) {
    pagina_.Ejecutar(paso);
}

void EscrituraPagina::Linea(const QString& texto) {
    Ejecutar([&] { archivo_.EscribirLinea(texto); });
}

bool EscrituraPagina::Consultar(const QString& sql, ado::Recordset& rs) {
    bool hayFilas = false;
    Ejecutar([&] {
        QString sentencia = sql;
        DB_Dll::Instancia().AbrirRecordset(sentencia, rs, nullptr, ado::adOpenForwardOnly,
                                           ado::adLockReadOnly, -1, true);
        hayFilas = rs.State() != ado::adStateClosed && !rs.Bof();
        if (hayFilas)
            rs.MoveFirst();
    });
    return hayFilas;
}

void EscrituraPagina::Seccion(const QString& sql, const QString& encabezado, const Fila& fila) {
    ado::Recordset rs;
    if (!Consultar(sql, rs))
        return;
    Linea(encabezado);
    while (!rs.Eof()) {
        Ejecutar([&] { archivo_.EscribirLinea(fila(rs)); });
        rs.MoveNext();
    }
    Linea(QStringLiteral("</TABLE>"));
}

// ---- Pieces both pages write ---------------------------------------------------------------

void EscrituraPagina::Cabecera(const QString& titulo) {
    Ejecutar([&] { archivo_.EscribirLinea(clsAuditoria_HTM().getCabeceraHTML(titulo, false)); });
}

void EscrituraPagina::Empresa() {
    Ejecutar([&] {
        archivo_.EscribirLinea(
            Tabla + "<TR VALIGN=TOP>" +
            "<TD COLSPAN=40 ROWSPAN=2 NOWRAP><FONT SIZE=4 COLOR=0000FF FACE=' Times New Roman "
            "'><B><I>" +
            Html(ModGlobal::Cfg(QStringLiteral("NOMBRE"))) + "</I></B></FONT></TD> " +
            "<TD COLSPAN=15> </TD>" +
            "<TD COLSPAN=10><FONT SIZE=1 FACE=' Times New Roman'><I>Fecha</I></FONT></TD>" +
            "<TD> </TD> " + "<TD COLSPAN=7 NOWRAP><FONT SIZE=2 FACE=' Times New Roman'><I>" +
            vb::FechaCorta(vb::Date()) + "</I></FONT></TD> " + "</TR> " + "<TR VALIGN=TOP> " +
            "</TR> </TABLE>");
    });
}

void EscrituraPagina::Titulo(const ClaveComprobante& c, bool cerrarSinTipo) {
    ado::Recordset rs;
    const bool hallado = Consultar("SELECT DESCRIPCION FROM TA_COMPROBANTES WHERE CODIGO='" +
                                       ado::DoblarApostrofos(c.TC) + "'",
                                   rs);
    Ejecutar([&] {
        const QString clave = Html(c.Sucursal + c.Numero) + " " + Html(c.Letra);
        const QString titulo =
            hallado ? Texto(rs, "DESCRIPCION") + " - " + clave : Html(c.TC) + " " + clave;
        const QString final =
            hallado || !cerrarSinTipo
                ? QStringLiteral("<TD><FONT SIZE=1>&nbsp;</FONT></TD></TR><TR VALIGN=TOP><TD "
                                 "COLSPAN=77><FONT SIZE=1>&nbsp;</FONT></TD></TR><TR "
                                 "VALIGN=TOP><TD COLSPAN=77><FONT SIZE=1>&nbsp;</FONT></TD></TR>")
                : QStringLiteral("</TR></TABLE>");
        archivo_.EscribirLinea(
            Tabla + "<TR VALIGN=TOP><TD COLSPAN=77><FONT SIZE=1>&nbsp;</FONT></TD></TR>" +
            "<TR VALIGN=TOP><TD ALIGN=CENTER COLSPAN=76 ROWSPAN=2><FONT SIZE=4 FACE=' Times "
            "New Roman '><B><I><U>" +
            titulo + "</U></I></B></FONT></TD>" +
            "</TR><TR VALIGN=TOP></TR><TR VALIGN=TOP BGCOLOR=E8E8E8>" +
            "<TD ALIGN=CENTER COLSPAN=76><FONT SIZE=2 FACE=' Garamond '>(Detallado)</FONT></TD>" +
            final);
    });
}

void EscrituraPagina::Historial(const QString& sql) {
    Seccion(sql,
            QStringLiteral("<TR VALIGN=TOP><TD COLSPAN=2> </TD><TD COLSPAN=60 "
                           "ROWSPAN=61></TABLE><br><FONT SIZE=1 FACE=' Times New Roman '>") +
                "<B>HISTORIAL DE ACCIONES</B>" + Tabla + "<TR VALIGN=TOP BGCOLOR=E0EFE0>" +
                "<TD CLASS=TableCABDetalle>TIPO ACCION</TD>" +
                "<TD CLASS=TableCABDetalle>COMENTARIO</TD>" +
                "<TD CLASS=TableCABDetalle>FECHA HORA</TD>" +
                "<TD CLASS=TableCABDetalle>USUARIO</TD>" + "<TD CLASS=TableCABDetalle>PC</TD></TR>",
            FilaHistorial);
}

void EscrituraPagina::EnlaceAsiento(const ClaveComprobante& clave, const QString& Cuenta) {
    const QString enlace = Cuenta.isEmpty() ? EnlaceDetalle::Asiento(clave)
                                            : EnlaceDetalle::AsientoConCuenta(clave, Cuenta);
    Linea(QStringLiteral("<br> <HR NOSHADE> ") + EnlaceDetalle::Ancla(enlace) +
          " [VER ASIENTO] <HR NOSHADE>");
}
