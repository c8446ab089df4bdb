#pragma once

#include "audit/ConsultaDiferencias.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The program's report writer: the style sheet every page links, the head every page starts
// with, the list of pending differences with its command links, and the placing of an
// account code in the levels of the account plan. Each window that writes pages keeps an
// instance of its own.
class clsAuditoria_HTM {
public:
    // Writes (or rewrites) "Style_Auditoria.css" in the folder, with or without its trailing
    // separator. Failures reach the caller.
    void writeStyleCSS(const QString& strDirectorio);

    // Writes the list page of the differences matching the filters into strNombreArchivo.
    // Errors are reported to the operator here, once each: a query that fails leaves a page
    // that says the list could not be read, never an empty list; a failure of the file itself
    // is retried from the start or leaves no page at all.
    // The subtitle is not written.
    void writeHTML(const QString& strNombreArchivo, const QString& Titulo, const QString& Subtitulo,
                   const FiltrosDiferencias& Filtros);

    // The level of a code told by its length, from the account plan as configured now.
    QString ObtenerColorNivel(const QString& Cuenta);
    short ObtenerProximaCuenta(const QString& Cuenta);
    short ObtenerAnteriorCuenta(const QString& Cuenta);

    // The opening of every page, as one line: head, title, style sheet link and, unless
    // blnWithFrames, the opening of the body. The title goes in as given.
    QString getCabeceraHTML(const QString& Titulo, bool blnWithFrames);
    // The same head as written on the day `Hoy`.
    static QString CabeceraHTML(const QString& Titulo, bool blnWithFrames, const QDate& Hoy);
};
