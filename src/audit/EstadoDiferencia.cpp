#include "audit/EstadoDiferencia.h"

#include "platform/ado/Recordset.h"
#include "platform/runtime/Numeros.h"
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

std::optional<int> Guardado(const ClaveComprobante& diferencia) {
    DB_Dll& db = DB_Dll::Instancia();
    QString sql = "SELECT ISNULL(ESTADO, 0) AS ESTADO FROM MV_ASIENTOS WHERE " +
                  diferencia.Condicion(kForma) + " ORDER BY SECUENCIA";
    ado::Recordset rs;
    if (!db.AbrirRecordset(sql, rs))
        return std::nullopt;
    std::optional<int> estado;
    if (!rs.Eof())
        estado = Numero(vb::ValorTexto(rs.Fields("ESTADO").Value()));
    db.CierraRecordset(rs);
    return estado;
}

std::optional<QString> Cambiado(const ClaveComprobante& diferencia, const QString& estadoLista,
                                bool tresFijo) {
    const std::optional<int> ahora = Guardado(diferencia);
    if (!ahora)
        return QStringLiteral("La diferencia ya no está en la base de datos: otro usuario la "
                              "borró o la cambió después de mostrarse la lista. Vuelva a cargar "
                              "la lista con [F9].");
    if (*ahora != Numero(estadoLista) || (tresFijo && *ahora == 3))
        return MensajeCambio(*ahora);
    return std::nullopt;
}

} // namespace EstadoDiferencia
