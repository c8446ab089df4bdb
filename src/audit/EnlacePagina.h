#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>

// The text of the pages' command links and cells, shared by every page writer and every link
// handler. A link is made of marker words and values ("_TC_" + type + "_SUCURSAL_" + ...),
// each value written with AgregarValorUrl (platform/browser/CodificacionUrl.h), so that no
// value holds an underscore of its own and no value can spell a marker. Database text inside a
// cell is written with HTML's special characters escaped.
namespace EnlacePagina {

// Database text inside a cell: &, <, > and " escaped; into a page's bytes, in Windows-1252.
void AgregarHtml(QString& linea, const QString& texto);
void AgregarHtml(QByteArray& linea, QStringView texto);
QString TextoHtml(const QString& texto);

// ---- Reading a link ----------------------------------------------------------------------

// The link itself within the address the browser reports: the last segment of its path
// (after the last "/" or "\", before any "?" or "#"). Only this part is read: the folder the
// page lies in may hold anything, marker words included.
QString Propio(const QString& URL);

// Whether `propio` begins with, or holds, `marcador`; without regard to case.
bool EmpiezaCon(const QString& propio, QLatin1StringView marcador);
bool Contiene(const QString& propio, QLatin1StringView marcador);

// The values of the link `propio` made of `marcadores` in that order: the link begins with
// the first, each further one is looked for (without regard to case) after the one before,
// and each value runs from its marker to the next, the last one's to the end of the link.
// Each value is read once, exactly as it was written. Nothing when a marker is missing.
std::optional<QStringList> Cortar(const QString& propio,
                                  std::initializer_list<QLatin1StringView> marcadores);

} // namespace EnlacePagina
