#include "platform/ado/EsquemaSqlite.h"

namespace ado {

void EsquemaSqlite::AgregarTabla(const QString& tabla, QVector<ColumnaEsquema> columnas) {
    tablas_.insert(tabla.toLower(), std::move(columnas));
}

QVector<EsquemaSqlite::ColumnaEsquema> EsquemaSqlite::Columnas(const QString& tabla) const {
    return tablas_.value(tabla.toLower());
}

QStringList EsquemaSqlite::ColumnasInsertables(const QString& tabla) const {
    QStringList nombres;
    for (const ColumnaEsquema& c : tablas_.value(tabla.toLower()))
        if (!c.generada)
            nombres.append(c.nombre);
    return nombres;
}

EsquemaSqlite::ClaseColumna EsquemaSqlite::ClaseDe(const QString& tabla,
                                                   const QString& columna) const {
    const auto it = tablas_.constFind(tabla.toLower());
    if (it == tablas_.constEnd())
        return Otra;
    for (const ColumnaEsquema& c : *it)
        if (c.nombre.compare(columna, Qt::CaseInsensitive) == 0)
            return ClaseDeTipo(c.tipoDeclarado);
    return Otra;
}

EsquemaSqlite::ClaseColumna EsquemaSqlite::ClaseDeTipo(const QString& tipoDeclarado) {
    const QString tipo = tipoDeclarado.trimmed().toUpper();
    if (tipo.startsWith(QLatin1String("DATETIME")) ||
        tipo.startsWith(QLatin1String("SMALLDATETIME")) ||
        tipo.startsWith(QLatin1String("TIMESTAMP")))
        return FechaHora;
    if (tipo == QLatin1String("DATE"))
        return Fecha;
    return Otra;
}

} // namespace ado
