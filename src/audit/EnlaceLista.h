#pragma once

#include "session/ClaveComprobante.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The command links of the list page: how the list writer writes them, how the main window's
// link handler reads them, the statements a modify link runs, and the voucher-type groups by
// which these links and the detail pages' open their windows.
//
// A link is made of marker words and values (EnlacePagina.h): "_TCorigen_" (the origin
// voucher), "_VER_ASIENTOTC_" (the difference's journal entry), "_CambioEstado_" and
// "_Modificar_" (the difference itself), "_Pagina_" (another page of a long list). Markers are
// written as they stand ("_Cabcuenta_" in mixed case) and found without regard to case; a link is
// known by the marker it begins with.
namespace EnlaceLista {

enum class Comando { Ninguno, CambioEstado, Origen, VerAsiento, Modificar, Pagina };

// The values of a state-change or modify link.
struct Diferencia {
    QString Estado, TC, Suc, Numero, Letra, Tc_Origen, Cpte_Origen, CabCuenta, CabNombre;

    ClaveComprobante Clave() const { return {TC, Suc, Numero, Letra}; }
    // The origin voucher, cut from its 13-character key.
    ClaveComprobante ClaveOrigen() const {
        return ClaveComprobante::DesdeId(Tc_Origen, Cpte_Origen);
    }
};

// The voucher of an origin or journal-entry link.
struct Comprobante : ClaveComprobante {
    QString Cuenta;
};

// ---- Writing the links ------------------------------------------------------------------

// A link is ASCII: it is appended as the page file's own bytes.
void AgregarOrigen(QByteArray& linea, const QString& Tc_Origen, const QString& Cpte_Origen,
                   const QString& CabCuenta);
void AgregarAsiento(QByteArray& linea, const ClaveComprobante& clave, const QString& CabCuenta);
// The state-change and modify links of a difference share everything after their command's
// marker: it is made once (appended to `datos`) and written after either marker.
void AgregarDatosDiferencia(QByteArray& datos, const Diferencia& d);
void AgregarDiferencia(QByteArray& linea, Comando comando, QByteArrayView datos);
// The link to page `numero` (from 1) of the list.
QString Pagina(int numero);

// ---- Reading the links ------------------------------------------------------------------

// The command whose marker the link begins with.
Comando ComandoDe(const QString& enlace);
// Whether the link holds a command's marker anywhere: such an address is no page to load.
bool TieneMarcador(const QString& enlace);

// The values of a link, or nothing when a marker is missing or the voucher's key is
// incomplete. The origin's type is trimmed (it comes from a fixed-width column) and its key is
// the 13 characters after its marker; a journal entry's letter is the one character after its
// marker (the account follows it).
std::optional<Diferencia> LeerDiferencia(const QString& enlace);
std::optional<Comprobante> LeerOrigen(const QString& enlace);
std::optional<Comprobante> LeerAsiento(const QString& enlace);
// The page a page link names: a number from 1.
std::optional<int> LeerPagina(const QString& enlace);

// ---- Voucher-type groups ----------------------------------------------------------------

enum class Grupo {
    Otro,         // any type outside the groups
    Ventas,       // FC, NC, DBC, ND, NCFP, FP, TK, TKFC, RM, NP
    Compras,      // FCC, FPC, NCC, NDC, NCCP, OC, RMC
    Recibos,      // CBFP, CB, CBCT
    Pagos,        // PG, OPG, PGFP
    NCPE,         // pending supplier credit note: the journal entry
    IngresoStock, // IR
    SinDetalle,   // VJ: has no page
};
// The whole code compared without regard to case; blanks count.
Grupo GrupoDe(const QString& TC);

// ---- The modify link's statements -------------------------------------------------------

// How the difference's journal entry is found (ExisteEnTabla on MV_ASIENTOS): by its origin
// voucher's entry, a delivery note "RM" by its own column, or, without an origin, by the
// difference's own voucher.
struct BusquedaAsiento {
    QString ValorBuscado, Campo, Condicion;
};
BusquedaAsiento BuscarAsiento(const Diferencia& d);

// The batch that replaces the difference's entry: the old entry and its applications go and
// the entry form's statements write the new one, all in one transaction that the batch opens
// and the caller closes.
QString LoteModificacion(const Diferencia& d, const QString& SQLTemp);
// The same batch without its opening "BEGIN TRANSACTION": what runs once the transaction is open
// and the stored entry found as it was when the form loaded it.
QString CuerpoModificacion(const Diferencia& d, const QString& SQLTemp);
// The condition that picks the difference's own entry in MV_ASIENTOS.
QString CondicionAsiento(const Diferencia& d);

} // namespace EnlaceLista
