#pragma once

#include "platform/ado/EsquemaSqlite.h"

#include <QDateTime>
#include <QString>
#include <QVector>

namespace ado {

// One statement of a batch, ready for the embedded database.
struct SentenciaTraducida {
    enum Clase { Normal, IniciarTransaccion, ConfirmarTransaccion, DeshacerTransaccion, Ninguna };
    Clase clase = Normal;
    QString sql;
    bool cambiaEsquema = false;
};

// The name under which the provider registers its text comparison (case and trailing
// blanks ignored, as the program's SQL expects).
inline constexpr char kColacion[] = "SQLSRV_CI";

// Rewrites the program's SQL Server text for the embedded database: splits a batch into
// its statements and translates each. A pure function of the text and the schema. Throws
// ErrorEjecucion (a provider error) for anything it cannot translate faithfully.
QVector<SentenciaTraducida> TraducirLote(const QString& sql, const EsquemaSqlite& esquema);

// A day-first date text ("dd/mm/yy", "dd/mm/yyyy", optionally with " hh:mm[:ss]") or an ISO
// one, as a local date and time; invalid when the text is no date. An empty text is the
// database's zero date.
QDateTime FechaDeTexto(const QString& texto);

// Such a text in the storage form of a column of that class; empty when the text is no date.
QString FechaAlmacenada(const QString& texto, EsquemaSqlite::ClaseColumna clase);

// The translator's refusals, thrown as provider errors: what the embedded database cannot answer
// as the server would ("La base de datos incorporada no admite <detalle>."), and a text set
// against a date that is no date.
[[noreturn]] void NoAdmitida(const QString& detalle);
[[noreturn]] void FechaInvalida(const QString& texto);

} // namespace ado
