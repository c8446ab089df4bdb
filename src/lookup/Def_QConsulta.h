#pragma once

#include <QString>

// Lookups on the suite's code and master tables for windows that know only the table's name:
// which column holds the code, which the description and which an extra value.
namespace Def_QConsulta {

// Fills the three columns of a known table (names compared without regard to case, the
// first rule that matches wins); "TA_COMPROBANTES" and "V_TA_Cpte" are read through
// "VT_TA_Cpte". An unknown name leaves every argument as the caller passed it.
void MapearTabla(QString& Tabla, QString& CampoDescripcion, QString& CampoCodigo,
                 QString& CampoAdicional);

// Maps the table and lets the user pick one of its rows: through its query mask when the
// masks file is in the program folder, else (with ConsultaDirecta) on a plain select of the
// description and code columns followed by `Where`, which then carries its own WHERE.
// CampoCodigo comes back with the chosen code, or empty when nothing was chosen; without the
// masks and without ConsultaDirecta no lookup runs and the arguments hold the mapped names.
void QConsultaTabla(QString& Tabla, QString& CampoDescripcion, QString& CampoCodigo,
                    QString& CampoAdicional, bool ConsultaDirecta, QString& Where);

} // namespace Def_QConsulta
