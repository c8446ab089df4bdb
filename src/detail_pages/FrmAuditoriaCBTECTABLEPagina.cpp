// The journal-entry page: company, title, the entry's head, its lines with the sums of both
// sides, the history of actions and the business unit.

#include "detail_pages/EscrituraPagina.h"
#include "detail_pages/FrmAuditoriaCBTECTABLE.h"
#include "detail_pages/PaginaComprobante.h"
#include "platform/ado/TokenSql.h"
#include "platform/runtime/Currency.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/suite/UtilGeneral.h"

#include <functional>
#include <optional>

using pagina_detalle::Html;

namespace {

const QString kCamposCabecera =
    QStringLiteral("fecha,detalle,[NUMERO ASIENTO], mes_operativo, unegocio, "
                   "V_TA_UnidadNegocio.descripcion as unegociodescripcion");
const QString kDesdeCabecera =
    QStringLiteral(" from mv_asientos left outer join V_TA_UnidadNegocio on mv_asientos.unegocio= "
                   "V_TA_UnidadNegocio.codigo WHERE  TC='");
const QString kCamposLineas =
    QStringLiteral("CUENTA, MA_CUENTAS.DESCRIPCION,NROCOMPROBANTEBANCARIO,V_TA_BANCOS.IDBANCO, "
                   "V_TA_BANCOS.DESCRIPCION AS DESCRIPCIONBANCO,VENCIMIENTO,[DEBE-HABER],IMPORTE ");
const QString kDesdeLineas =
    QStringLiteral(" from MV_ASIENTOS left join MA_CUENTAS on MA_CUENTAS.Codigo = "
                   "MV_ASIENTOS.Cuenta left join V_TA_BANCOS on ") +
    QStringLiteral("V_TA_BANCOS.IdBanco = MV_ASIENTOS.IdBanco Where ") + QStringLiteral("TC='");
const QString kCamposHistorial = QStringLiteral("TIPO_ACCION, FECHAHORA, USUARIO, PC,SYSTEMUSER");

// One writing of the page; the values come from a link and go into the statements quoted.
class PaginaAsiento {
public:
    PaginaAsiento(EscrituraPagina& p, const ClaveComprobante& clave, const QString& Cuenta)
        : p_(p), clave_(clave), cuenta_(Cuenta) {}

    void Escribir();

private:
    QString Clave() const;
    QString Asiento() const;
    bool BuscarCabecera();
    void EscribirCabecera();
    void EscribirLineas();
    QString LineaCuenta(ado::Recordset& rs);
    void Sumar(ado::Recordset& rs);
    void EscribirSumas();
    void EscribirUnidadNegocio();
    // A line whose text is read from the data: a failure there, once skipped, writes nothing.
    void LineaDeDatos(const std::function<QString()>& texto);

    EscrituraPagina& p_;
    ClaveComprobante clave_;
    QString cuenta_;
    // The entry chosen by the account: registration type, month and number, and the period
    // they count in.
    QString tipoReg_, mesAsiento_, numAsiento_, periodo_;
    ado::Recordset rsCabecera_;
    // The debit sum has no value until the lines start.
    std::optional<Currency> sumaDebe_;
    Currency sumaHaber_;
};

// The type filled, the rest as given; the statement's text before it names the type's column.
QString PaginaAsiento::Clave() const {
    return clave_.ConTcRelleno().Condicion({"", "sucursal='", "numero='", "letra='"});
}

// The condition of the chosen entry; empty when the page covers the whole voucher. Another
// supplier's voucher of the same key may hold the same entry number in another period.
QString PaginaAsiento::Asiento() const {
    if (numAsiento_.isEmpty())
        return QString();
    return " and Tipo_Reg = '" + ado::DoblarApostrofos(tipoReg_) +
           "' and Mes_Operativo = " + mesAsiento_ + " and [Numero Asiento] = " + numAsiento_ +
           (periodo_.isEmpty() ? QString() : " and Periodo = " + periodo_);
}

bool PaginaAsiento::BuscarCabecera() {
    const QString cabecera = "SELECT " + kCamposCabecera + kDesdeCabecera + Clave();
    if (cuenta_.isEmpty())
        return p_.Consultar(cabecera, rsCabecera_);
    ado::Recordset rs;
    if (!p_.Consultar("SELECT * from mv_asientos left outer join V_TA_UnidadNegocio on "
                      "mv_asientos.unegocio= V_TA_UnidadNegocio.codigo WHERE  TC='" +
                          Clave() + " and Cuenta = '" + ado::DoblarApostrofos(cuenta_) + "'",
                      rs))
        return p_.Consultar(cabecera + " and Cuenta='" + ado::DoblarApostrofos(cuenta_) + "' ",
                            rsCabecera_);
    p_.Ejecutar([&] {
        tipoReg_ = vb::ValorTexto(rs.Fields(QStringLiteral("Tipo_Reg")).Value());
        mesAsiento_ = vb::ValorTexto(rs.Fields(QStringLiteral("Mes_Operativo")).Value());
        numAsiento_ = vb::ValorTexto(rs.Fields(QStringLiteral("numero asiento")).Value());
        periodo_ = vb::ValorTexto(rs.Fields(QStringLiteral("Periodo")).Value());
    });
    return p_.Consultar(cabecera + Asiento(), rsCabecera_);
}

void PaginaAsiento::LineaDeDatos(const std::function<QString()>& texto) {
    QString linea;
    bool leida = false;
    p_.Ejecutar([&] {
        linea = texto();
        leida = true;
    });
    if (leida)
        p_.Linea(linea);
}

void PaginaAsiento::EscribirCabecera() {
    LineaDeDatos([&] {
        const QString mes = vb::Right(
            "00" + vb::ValorTexto(rsCabecera_.Fields(QStringLiteral("Mes_Operativo")).Value()), 2);
        const QString numero = vb::Right(
            "00000000" +
                vb::ValorTexto(rsCabecera_.Fields(QStringLiteral("numero asiento")).Value()),
            8);
        return QStringLiteral("<TABLE><TR VALIGN=TOP><TD class=TableCabeceraCaption ><B>Asiento "
                              "N°:</B></TD><TD class=TableCabeceraValor>") +
               mes + "-" + numero + "</TD></tr><tr>" +
               "<TD class=TableCabeceracaption><B>Fecha:</B></TD>" +
               "<TD class=TableCabeceraValor>&nbsp;" +
               EscrituraPagina::Texto(rsCabecera_, "fecha") + "</TD></tr><tr>" +
               "<TD class=TableCabeceraCaption ><B> Comprobante: </TD><TD "
               "class=TableCabeceraValor>&nbsp;" +
               Html(clave_.TC + " " + clave_.Sucursal + clave_.Numero + clave_.Letra) +
               "</TD></tr><tr>" +
               "<TD class=TableCabeceraCaption ><B> Concepto: </TD><TD "
               "class=TableCabeceraValor>&nbsp;" +
               EscrituraPagina::Texto(rsCabecera_, "detalle") + "</TD></tr>";
    });
    p_.Linea(QStringLiteral("</TABLE>"));
}

// One line of the entry, its amount in the column of its side.
QString PaginaAsiento::LineaCuenta(ado::Recordset& rs) {
    const QString lado = vb::ValorTexto(rs.Fields(QStringLiteral("DEBE-HABER")).Value());
    const QString importe = EscrituraPagina::Texto(rs, "Importe");
    const QString celda = QStringLiteral("<TD CLASS=TableRowdETALLE>");
    return "<TR VALIGN=TOP>" + celda + EscrituraPagina::Texto(rs, "Cuenta") + "</TD>" + celda +
           EscrituraPagina::Texto(rs, "Descripcion") + "</TD>" + celda +
           EscrituraPagina::Texto(rs, "NroComprobanteBancario") +
           EscrituraPagina::Texto(rs, "DescripcionBanco") + "</TD>" + celda +
           EscrituraPagina::Texto(rs, "Vencimiento") + "</TD>" +
           "<TD CLASS=TableRowdETALLE ALIGN=RIGHT>" +
           (vb::Iguales(lado, QStringLiteral("D")) ? importe : QString()) + "</TD>" +
           "<TD CLASS=TableROWDetalle ALIGN=RIGHT  >" +
           (vb::Iguales(lado, QStringLiteral("H")) ? importe : QString()) + "</TD>" + "</TR>";
}

// A side that is neither D nor H counts in neither sum.
void PaginaAsiento::Sumar(ado::Recordset& rs) {
    const QString lado = vb::ValorTexto(rs.Fields(QStringLiteral("DEBE-HABER")).Value());
    const QVariant importe = rs.Fields(QStringLiteral("Importe")).Value();
    if (vb::Iguales(lado, QStringLiteral("D")))
        *sumaDebe_ += Currency::DesdeVariant(importe);
    else if (vb::Iguales(lado, QStringLiteral("H")))
        sumaHaber_ += Currency::DesdeVariant(importe);
}

void PaginaAsiento::EscribirLineas() {
    const QString sql = "SELECT " + kCamposLineas + kDesdeLineas +
                        clave_.Rellena().Condicion({"", "SUCURSAL='", "NUMERO='", "LETRA='"}) +
                        Asiento();
    ado::Recordset rs;
    if (!p_.Consultar(sql, rs))
        return;
    sumaDebe_ = Currency();
    sumaHaber_ = Currency();
    p_.Linea(EscrituraPagina::AperturaSeccion +
             "<FONT SIZE=1 FACE=' Times New Roman '><B>ASIENTOS </B>" + EscrituraPagina::Tabla +
             "<TR VALIGN=TOP BGCOLOR=aeaaea>" + "<TD CLASS=TableCABDetalle>CUENTA</TD>" +
             "<TD CLASS=TableCABDetalle>DESCRIPCION</TD>" +
             "<TD CLASS=TableCABDetalle>CHEQUE</TD>" +
             "<TD CLASS=TableCABDetalle >VENCIMIENTO</TD>" +
             "<TD CLASS=TableCABDetalle ALIGN =RIGHT >DEBE</TD>" +
             "<TD CLASS=TableCABDetalle ALIGN =RIGHT >HABER</TD>" + "</TR>");
    while (!rs.Eof()) {
        LineaDeDatos([&] { return LineaCuenta(rs); });
        p_.Ejecutar([&] { Sumar(rs); });
        rs.MoveNext();
    }
    p_.Linea(QStringLiteral("</TABLE>"));
}

void PaginaAsiento::EscribirSumas() {
    p_.Linea("</table></table><br><hr HEIGHT=3 NOSHADE><table width=100% NOSHADE BORDER=0  "
             "CELLSPACING=0 CELLPADDING=0><tr BGCOLOR=FFFFFF>"
             "<td class=TableCABpIE ><B> Suma de Debitos y Creditos: " +
             QStringLiteral("&nbsp;").repeated(72) + " </B></td>" +
             "<td></td> <td></td> <td></td> <td></td> <td class=TableCABpIE align=right>" +
             (sumaDebe_ ? sumaDebe_->ATexto() : QString()) + "</td>" +
             "<td class=TableCABpIE align=right>" + sumaHaber_.ATexto() +
             "</td></TR></TABLE> <hr HEIGHT=3 NOSHADE>");
}

void PaginaAsiento::EscribirUnidadNegocio() {
    LineaDeDatos([&] {
        return QStringLiteral("<br> <HR NOSHADE> <font size=2 FACE=' Tahoma ' color=ff000e><b>  "
                              "Unidad de negocio:  ") +
               EscrituraPagina::Texto(rsCabecera_, "UNegocio") + " - " +
               EscrituraPagina::Texto(rsCabecera_, "unegociodescripcion") + "</b></font>";
    });
}

void PaginaAsiento::Escribir() {
    p_.Cabecera(QStringLiteral("AuditoriaCBTEctable"));
    p_.Empresa();
    p_.Titulo(clave_, true);
    if (!BuscarCabecera()) {
        p_.Linea(QStringLiteral("</body></html>"));
        return;
    }
    EscribirCabecera();
    EscribirLineas();
    EscribirSumas();
    p_.Historial("SELECT " + kCamposHistorial + " from V_MV_CPTEACCIONES WHERE " +
                 clave_.ConTcRelleno().CondicionId("TC='", " and IDCOMPROBANTE='") +
                 (numAsiento_.isEmpty() ? QString()
                                        : "  and Tipo_Reg = '" + ado::DoblarApostrofos(tipoReg_) +
                                              "' and Mes_Operativo = " + mesAsiento_ +
                                              " and NumeroAsiento = " + numAsiento_));
    EscribirUnidadNegocio();
    p_.Linea(QStringLiteral("</body></html>"));
}

} // namespace

void FrmAuditoriaCBTECTABLE::Generar(QString& ArchivoPagina, const QString& iTC,
                                     const QString& iSucursal, const QString& iNumero,
                                     const QString& iLetra, const QString& iCuenta) {
    EscrituraPagina::Generar(ArchivoPagina, [&](EscrituraPagina& p) {
        PaginaAsiento(p, {iTC, iSucursal, iNumero, iLetra}, iCuenta).Escribir();
    });
}
