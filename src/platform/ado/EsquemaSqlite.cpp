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
    return ClaseDeTipo(TipoDe(tabla, columna));
}

QString EsquemaSqlite::TipoDe(const QString& tabla, const QString& columna) const {
    for (const ColumnaEsquema& c : tablas_.value(tabla.toLower()))
        if (c.nombre.compare(columna, Qt::CaseInsensitive) == 0)
            return c.tipoDeclarado;
    return {};
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
