#include "platform/ado/Proveedor.h"

#include "platform/ado/AdoTipos.h"
#include "platform/ado/ErroresSqlite.h"
#include "platform/ado/ProveedorSqlite.h"

#include <QHash>

namespace ado {
namespace {

// "key=value;..." with keys compared without case or surrounding blanks ("Database =").
QHash<QString, QString> Partes(const QString& cadena) {
    QHash<QString, QString> partes;
    for (const QString& trozo : cadena.split(';')) {
        const int igual = trozo.indexOf('=');
        if (igual > 0)
            partes.insert(trozo.left(igual).trimmed().toLower(), trozo.mid(igual + 1).trimmed());
    }
    return partes;
}

Error SinServidor(const QString& descripcion) {
    return ErrorDelProveedor(E_FAIL_, 17, QStringLiteral("08001"), descripcion);
}

} // namespace

std::unique_ptr<Proveedor> AbrirProveedor(const QString& cadenaConexion, int tiempoEspera,
                                          Errors& errores) {
    const auto partes = Partes(cadenaConexion);
    const QString proveedor = partes.value(QStringLiteral("provider"));
    const QString servidor =
        partes.value(QStringLiteral("server"), partes.value(QStringLiteral("data source")));
    if (proveedor.startsWith(QLatin1String("OraOLEDB"), Qt::CaseInsensitive)) {
        errores.Add(SinServidor(QStringLiteral("No se puede conectar con la base de datos Oracle "
                                               "'%1': esta instalación no dispone de ese "
                                               "proveedor.")
                                    .arg(servidor)));
        return nullptr;
    }
    if (servidor.compare(QLatin1String("SQLITE"), Qt::CaseInsensitive) == 0)
        return ProveedorSqlite::Abrir(partes.value(QStringLiteral("database")), tiempoEspera,
                                      errores);
    errores.Add(SinServidor(
        QStringLiteral("No se puede conectar con el servidor '%1': esta instalación solo dispone "
                       "de la base de datos incorporada (Server=SQLITE).")
            .arg(servidor)));
    return nullptr;
}

} // namespace ado
