#include "audit/EstadoDiferencia.h"

#include "platform/ado/Recordset.h"
#include "platform/runtime/Numeros.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "session/DB_Dll.h"

#include <cmath>

namespace EstadoDiferencia {

namespace {

const FormaClave kForma{"tc='", "sucursal='", "numero='", "letra='"};

int Numero(const QString& texto) {
    return static_cast<int>(std::nearbyint(vb::Val(texto)));
}

QString MensajeCambio(int ahora) {
    return "La diferencia cambió de estado después de mostrarse la lista (ahora está en estado " +
           QString::number(ahora) + "). Vuelva a cargar la lista con [F9].";
}

} // namespace

namespace {

struct Guardada {
    int Estado = 0;
    bool Conciliada = false;
    Origen Aplicada;
};

bool MismoOrigen(const Origen& a, const Origen& b) {
    return vb::Iguales(vb::Trim(a.TC), vb::Trim(b.TC)) &&
           vb::Iguales(vb::Trim(a.Cpte), vb::Trim(b.Cpte));
}

// "FCC 0003-00005308A", or "ninguno".
QString Nombrado(const Origen& o) {
    const QString cpte = vb::Trim(o.Cpte);
    if (vb::Trim(o.TC).isEmpty() && cpte.isEmpty())
        return QStringLiteral("ninguno");
    return vb::Trim(o.TC) + " " + (cpte.size() == 13 ? cpte.left(4) + "-" + cpte.mid(4) : cpte);
}

// The entry's first line, as the list reads it; nothing when it could not be read (the failure
// was reported) or the entry is gone.
std::optional<Guardada> Leer(const ClaveComprobante& diferencia) {
    DB_Dll& db = DB_Dll::Instancia();
    QString sql = "SELECT ISNULL(ESTADO, 0) AS ESTADO, ISNULL(CONCILIADO, 0) AS CONCILIADO, "
                  "TC_ORIGEN, CPTE_ORIGEN FROM MV_ASIENTOS WHERE " +
                  diferencia.Condicion(kForma) + " ORDER BY SECUENCIA";
    ado::Recordset rs;
    if (!db.AbrirRecordset(sql, rs))
        return std::nullopt;
    std::optional<Guardada> fila;
    if (!rs.Eof())
        fila = Guardada{Numero(vb::ValorTexto(rs.Fields("ESTADO").Value())),
                        rs.Fields("CONCILIADO").Value().toBool(),
                        {vb::ValorTexto(rs.Fields("TC_ORIGEN").Value()),
                         vb::ValorTexto(rs.Fields("CPTE_ORIGEN").Value())}};
    db.CierraRecordset(rs);
    return fila;
}

} // namespace

std::optional<int> Guardado(const ClaveComprobante& diferencia) {
    const std::optional<Guardada> fila = Leer(diferencia);
    return fila ? std::optional<int>(fila->Estado) : std::nullopt;
}

std::optional<QString> Cambiado(const ClaveComprobante& diferencia, const QString& estadoLista,
                                const Origen& origenLista, bool tresFijo) {
    const std::optional<Guardada> ahora = Leer(diferencia);
    if (!ahora)
        return QStringLiteral("La diferencia ya no está en la base de datos: otro usuario la "
                              "borró o la cambió después de mostrarse la lista. Vuelva a cargar "
                              "la lista con [F9].");
    // The list shows only what is not reconciled; a reconciliation is not undone from it.
    if (ahora->Conciliada)
        return QStringLiteral("La diferencia fue conciliada después de mostrarse la lista y ya "
                              "no está pendiente. Vuelva a cargar la lista con [F9].");
    if (ahora->Estado != Numero(estadoLista) || (tresFijo && ahora->Estado == 3))
        return MensajeCambio(ahora->Estado);
    if (!MismoOrigen(ahora->Aplicada, origenLista))
        return "La diferencia cambió de comprobante de origen después de mostrarse la lista "
               "(ahora es " +
               Nombrado(ahora->Aplicada) + "). Vuelva a cargar la lista con [F9].";
    return std::nullopt;
}

} // namespace EstadoDiferencia
