#pragma once

#include <QString>

// The text of the pages' command links and cells, shared by every page writer and every link
// handler: values go into a link percent-encoded (so blanks, quotes and accents survive the
// trip through the browser) and into a cell with HTML's special characters escaped.
namespace EnlacePagina {

// Database text inside a cell: &, <, > and " escaped.
void AgregarHtml(QString& linea, const QString& texto);
QString TextoHtml(const QString& texto);

// A value inside a link target, percent-encoded as UTF-8 (unreserved characters as they are).
void AgregarUrl(QString& linea, const QString& texto);
QString ValorUrl(const QString& texto);

// The browser reports addresses decoded; an escape still standing (one the browser left
// alone) is read when its run spells UTF-8 text. Any other "%", as in "50% de descuento", is
// the value's own and stays.
QString DecodificarRestos(const QString& valor);

} // namespace EnlacePagina
