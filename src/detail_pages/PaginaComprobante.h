#pragma once

#include "audit/EscrituraArchivoPagina.h"
#include "platform/ado/Recordset.h"
#include "session/ClaveComprobante.h"

#include <QString>
#include <QVariant>

// The page of one sales or purchase voucher: heading, customer or supplier, items, tasks,
// remarks, totals, the vouchers it applies and that apply to it, the reception reports of an
// order, its history and the link to its journal entry. Sales vouchers are read from the
// sales views, purchase vouchers from the purchase views, where the supplier's account is
// part of the key.
class PaginaComprobante {
public:
    // Writes the page into `archivo`. Errors are told to the operator once each: a query the
    // database refuses by the database object, and that part of the page is left out; any
    // other failure here, and the operator's answer retries it, skips it or ends the page
    // where it got; a page file that fails is written again from the start or left so.
    static void Generar(const QString& archivo, const ClaveComprobante& clave, bool EsVenta,
                        const QString& Cuenta = {});

private:
    using Desenlace = EscrituraArchivoPagina::Desenlace;

    PaginaComprobante(const ClaveComprobante& clave, bool EsVenta, const QString& Cuenta);

    Desenlace Escribir(const QString& archivo);
    void Linea(const QString& texto);
    // Opens the statement; true when it gave rows, and the recordset is on the first. A
    // statement the database refused has been reported already and gives no rows.
    static bool Consultar(QString sql, ado::Recordset& rs);

    // The opening: head, company and date, title.
    void EscribirEmpresa();
    void EscribirTitulo();
    void EscribirCierre();

    // The customer or supplier and the items (PaginaComprobanteCabecera.cpp).
    void ConsultarCabecera();
    QString CuentaCabecera();
    void EscribirParte();
    void EscribirServicio();
    void EscribirInsumos();
    QString LineaInsumo(ado::Recordset& rs) const;

    // Tasks, remarks and totals (PaginaComprobanteDetalle.cpp).
    void EscribirTareas();
    void EscribirObservaciones();
    void EscribirTotales();
    QString FilaTotales(int fila);

    // Applications, reception reports, history and the journal-entry link
    // (PaginaComprobantePie.cpp).
    void EscribirAplicadosPor();
    void EscribirQueAplican();
    void EscribirAplicaciones(const QString& sql, const QString& titulo, bool origen);
    void EscribirInformesRecepcion();
    void EscribirHistorial();
    void EscribirUnidadNegocio();
    void EscribirEnlaceAsiento();

    // Pieces shared by the sections.
    QString Clave() const { return clave_.IdComprobante(); }
    QString WhereComprobante(const QString& vista) const;
    QString Cabecera(const char* campo);
    // The complement of a sale as a number for the statements; a header without one has no
    // lines of its own, and NULL keeps the statement valid while finding none.
    QString ComplementoSql();

    ClaveComprobante clave_;
    QString cuenta_;
    bool esVenta_;
    EscrituraArchivoPagina pagina_;
    ado::Recordset rsCabecera_;
    bool hayCabecera_ = false;
};

// Text as the detail pages write it: a value in its plain regional form, made safe for the
// page.
namespace pagina_detalle {
QString Html(const QString& texto);
QString Html(const QVariant& valor);
QString Recortado(const QVariant& valor);

// The statement of an order's reception reports, by its filled key. Two suppliers may hold the
// same order key: with `Cuenta` only that supplier's reports are found, and those that name
// no supplier.
QString SqlInformesRecepcion(const ClaveComprobante& clave, const QString& Cuenta);
} // namespace pagina_detalle
