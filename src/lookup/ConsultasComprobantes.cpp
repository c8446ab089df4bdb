#include "lookup/ConsultasComprobantes.h"

#include "platform/ado/TokenSql.h"
#include "platform/runtime/Texto.h"
#include "platform/suite/UtilGeneral.h"

namespace ConsultasComprobantes {

bool Es(const QString& tc, std::initializer_list<const char*> codigos) {
    for (const char* codigo : codigos)
        if (vb::Iguales(tc, QLatin1String(codigo)))
            return true;
    return false;
}

namespace {

const QString OrdenComprobante = QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");

// One statement shape: head, the code, then `antes`, the filter (when `conFiltro`) and
// `despues`. Without a filter most groups leave it out; the purchase orders and pro-forma
// invoices still append whatever blanks it held.
struct Forma {
    QString cabeza;
    QString antes;
    QString despues;
    bool conFiltro = true;
};

Forma Fija(const QString& cabeza, const QString& cola) {
    return {cabeza, cola, QString(), false};
}

// Delivery notes sold on the counter are finished at once, so the pending view holds them
// all; otherwise the open ones are read from the vouchers themselves.
Forma RemitosPendientes(bool hayFiltro, const Interruptores& i) {
    const QString campos = QStringLiteral(
        " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM ");
    const QString pendientes = campos + "V_RemitosPendientes WHERE TC = '";
    const QString todos = campos + "V_MV_CPTE WHERE TC = '";
    if (hayFiltro)
        return i.UsaRemitoContado
                   ? Forma{pendientes, "' AND ", OrdenComprobante}
                   : Forma{todos, "' AND ", "  AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC"};
    return i.UsaRemitoContado && !i.EntregaParcialRemito
               ? Fija(pendientes, "' ORDER BY IDCOMPROBANTE DESC")
               : Fija(todos, "' AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC");
}

Forma Pedidos(bool hayFiltro) {
    const QString condicion = QStringLiteral(" AND FINALIZADA = 0 and anulada = 0");
    if (hayFiltro)
        return {" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, "
                "FechaPreparacion FROM V_MV_CPTE WHERE TC = '",
                "' AND ", condicion + OrdenComprobante};
    return Fija(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, "
                "Importe,FechaPreparacion FROM V_MV_CPTE WHERE TC = '",
                "'" + condicion + OrdenComprobante);
}

Forma Presupuestos(bool hayFiltro) {
    const QString campos = QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, "
                                          "TC,IDCOMPROBANTE, ID,FECHA, Importe, comentarios FROM ");
    if (hayFiltro)
        return {campos + "V_MV_CPTE WHERE TC = '", "' AND APROBADO = 1 AND ",
                " AND FINALIZADA = 0" + OrdenComprobante};
    return Fija(campos + "V_PR_PENDIENTES WHERE TC = '", "' AND APROBADO = 1" + OrdenComprobante);
}

Forma TrabajosPendientes(bool soloPendientes, bool hayFiltro) {
    const QString cabeza =
        soloPendientes ? QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, "
                                        "TC,IDCOMPROBANTE, IDCOMPlemento,ID,FECHA, Importe FROM "
                                        "V_OT_Pendientes WHERE TC = '")
                       : QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, "
                                        "TC,IDCOMPROBANTE, IDCOMPlemento , ID,FECHA, Importe FROM "
                                        "V_OT_Pendientes WHERE TC = '");
    if (hayFiltro)
        return {cabeza, "' AND ", OrdenComprobante};
    // Without a filter the pending list is the whole view.
    return Fija(cabeza, soloPendientes ? "'" + OrdenComprobante : "' " + OrdenComprobante);
}

Forma RemitosDeCompraPendientes(bool hayFiltro) {
    const QString cabeza =
        QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM "
                       "C_RemitosPendientes WHERE TC = '");
    return hayFiltro ? Forma{cabeza, "' AND ", OrdenComprobante}
                     : Fija(cabeza, "'" + OrdenComprobante);
}

// Purchase orders and pro-forma invoices: the filter always follows the group's conditions,
// joined with AND only when it says something.
Forma ConFiltroLibre(const QString& cabeza, const QString& condiciones, const QString& cola,
                     bool hayFiltro) {
    return {cabeza, condiciones + (hayFiltro ? QStringLiteral(" AND ") : QString()), cola};
}

Forma FormaDe(const QString& tc, bool solo, bool hayFiltro, const Interruptores& i) {
    if (Es(tc, {"RMC"}) && solo)
        return RemitosDeCompraPendientes(hayFiltro);
    if (Es(tc, {"RM"}) && solo)
        return RemitosPendientes(hayFiltro, i);
    if (Es(tc, {"NCPE", "NDPR"}))
        return hayFiltro ? Forma{"SELECT * FROM MV_ASIENTOS WHERE TC = '", "' AND ",
                                 " ORDER BY SUCURSAL, NUMERO, LETRA DESC "}
                         : Fija("SELECT * FROM MV_ASIENTOS WHERE TC = '",
                                "' AND SECUENCIA = 1 ORDER BY SUCURSAL, NUMERO, LETRA DESC");
    if (Es(tc, {"RMC", "FCC", "NCC", "NCCP", "NDC"}))
        return hayFiltro
                   ? Forma{"SELECT * FROM C_MV_CPTE WHERE TC = '", "' AND ", OrdenComprobante + " "}
                   : Fija("SELECT * FROM C_MV_CPTE WHERE TC = '", "'" + OrdenComprobante);
    if (Es(tc, {"OT"}))
        return TrabajosPendientes(solo, hayFiltro);
    if (Es(tc, {"NP"}) && solo)
        return Pedidos(hayFiltro);
    if (Es(tc, {"PR"}) && solo)
        return Presupuestos(hayFiltro);
    if (Es(tc, {"OC"}))
        return ConFiltroLibre(" SELECT FECHA, CUENTA , NOMBRE, ANULADA, APROBADO, "
                              "TC,IDCOMPROBANTE, ID,Importe, comentarios, Garantia FROM C_MV_CPTE "
                              "WHERE TC = '",
                              "' AND (APROBADO = 1) AND (FINALIZADO = 0) AND (ANULADA = 0)",
                              OrdenComprobante, hayFiltro);
    if (Es(tc, {"FP"}))
        return ConFiltroLibre(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, "
                              "ID,FECHA, Importe FROM V_MV_CPTE WHERE TC = '",
                              "' ", "  AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC", hayFiltro);
    return hayFiltro ? Forma{"SELECT * FROM V_MV_CPTE WHERE TC = '", "' AND ",
                             " ORDER BY  IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC  "}
                     : Fija("SELECT * FROM V_MV_CPTE WHERE TC = '",
                            "' ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC");
}

bool HayFiltro(const QString& filtro) {
    return !vb::Trim(filtro).isEmpty();
}

} // namespace

Grupo ResolverGrupo(const QString& tc) {
    static const struct {
        const char* clave;
        const char* codigo;
        bool soloPendientes;
    } grupos[] = {
        {"RM/PENDIENTES", "RM", true},  {"NP/PENDIENTES", "NP", true},
        {"OT/PENDIENTES", "OT", true},  {"RM/PENDIENTES_COMPRAS", "RMC", true},
        {"PR/PENDIENTES", "PR", true},  {"FC/ANTICIPOS", "FC", false},
        {"FP/PENDIENTES", "FP", false},
    };
    for (const auto& g : grupos)
        if (vb::Iguales(tc, QLatin1String(g.clave)))
            return {QLatin1String(g.codigo), g.soloPendientes};
    return {tc, false};
}

Consulta ArmarConsulta(const QString& tc, bool soloPendientes, const QString& filtro,
                       const Interruptores& interruptores) {
    if (Es(tc, {"T3"}))
        return {QStringLiteral(
                    "SELECT * FROM V_MV_CPTETERCEROS ORDER BY ID,IDCOMPROBANTE, IDCOMPLEMENTO"),
                filtro};
    const QString usado = Es(tc, {"OC", "FP"}) ? QuitarWhere(filtro) : filtro;
    const Forma forma = FormaDe(tc, soloPendientes, HayFiltro(usado), interruptores);
    const QString codigo = UtilGeneral::Instancia().Rellenar(vb::Trim(tc), 4);
    return {forma.cabeza + codigo + forma.antes + (forma.conFiltro ? usado : QString()) +
                forma.despues,
            usado};
}

QString QuitarWhere(const QString& filtro) {
    if (!filtro.contains(QLatin1String("where"), Qt::CaseInsensitive))
        return filtro;
    ado::TokensSql tokens = ado::Tokenizar(filtro);
    tokens.removeIf([](const ado::TokenSql& t) { return t.EsPalabra("WHERE"); });
    return ado::Unir(tokens);
}

} // namespace ConsultasComprobantes
