#include "entries/GenerarSentenciaSQL.h"

#include "platform/runtime/ErrorVb.h"
#include "platform/runtime/Texto.h"

#include <QStringList>

namespace ModNumeracion {
namespace {

QString Insercion(const std::vector<ModGlobal::CampoValor>& Campos, const QString& Tabla) {
    QStringList columnas;
    QStringList valores;
    for (const auto& campo : Campos) {
        columnas << campo.Campo;
        valores << campo.Valor;
    }
    return "INSERT INTO " + Tabla + " (" + columnas.join(u',') + ") VALUES (" + valores.join(u',') +
           ')';
}

QString Actualizacion(const std::vector<ModGlobal::CampoValor>& Campos, const QString& Tabla,
                      QString& Condicion) {
    if (vb::Trim(Condicion).isEmpty())
        vb::Raise(5);
    QStringList asignaciones;
    for (const auto& campo : Campos)
        asignaciones << campo.Campo + " = " + campo.Valor;
    if (!Condicion.contains(QLatin1String("WHERE"), Qt::CaseInsensitive))
        Condicion = " WHERE " + Condicion;
    return "UPDATE " + Tabla + " SET " + asignaciones.join(u',') + ' ' + Condicion;
}

} // namespace

void GenerarSentenciaSQL(std::vector<ModGlobal::CampoValor>& Campos,
                         std::vector<QString>& Sentencias, const QString& Tabla, bool Actualizar,
                         QString& Condicion, bool MantenerCampos) {
    if (Campos.empty())
        vb::Raise(9);
    Sentencias.push_back(Actualizar ? Actualizacion(Campos, Tabla, Condicion)
                                    : Insercion(Campos, Tabla));
    if (!MantenerCampos)
        Campos.assign(1, ModGlobal::CampoValor{});
}

} // namespace ModNumeracion
