#pragma once

#include "audit/ConsultaDiferencias.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>

// The program's report writer: the style sheet every page links, the head every page starts
// with, the list of pending differences with its command links, and the placing of an
// account code in the levels of the account plan. Each window that writes pages keeps an
// instance of its own.
class clsAuditoria_HTM {
public:
    clsAuditoria_HTM();
    ~clsAuditoria_HTM();

    // Writes (or rewrites) "Style_Auditoria.css" in the folder, with or without its trailing
    // separator. Failures reach the caller.
    void writeStyleCSS(const QString& strDirectorio);

    // The most rows a page of the list holds: more than the embedded browser can hold in
    // reasonable time and memory are written as further pages.
    static constexpr int FilasPorPagina = 500;

    // Writes the list of the differences matching the filters, in one pass of its query: the
    // first page into strNombreArchivo, and, past FilasPorPagina rows, further pages beside it
    // (RutaPagina). Returns once the first page is written; the other pages are written by
    // ContinuarPaginas or CompletarPaginas, and a new list abandons what is left of the last.
    // Errors are reported to the operator here, once each: a query that fails leaves a page
    // that says the list could not be read, never an empty list; a failure to read a row
    // further on ends the list with the rows read so far; a failure of a page's file is
    // retried from the start or leaves no page of the list at all. The subtitle is not
    // written.
    void writeHTML(const QString& strNombreArchivo, const QString& Titulo, const QString& Subtitulo,
                   const FiltrosDiferencias& Filtros);
    // Whether pages of the last list are still to be written.
    bool PaginasPendientes() const;
    // The pages of the last list written so far (all of them once none is pending).
    int PaginasEscritas() const;
    // Writes the next page; false when there was none to write, or while one is being written
    // (an error being answered).
    bool ContinuarPaginas();
    void CompletarPaginas();
    // Stops writing the last list; the pages written stay as they are.
    void AbandonarPaginas();
    // Whether a page is being written (its error being answered).
    bool Ocupado() const { return ocupado_; }

    // Page `Numero` (from 1) of the list whose first page is `Primera`: "Auditoria.htm",
    // "Auditoria2.htm", ...; and the number of the page at `Ruta`, 0 when it is none.
    static QString RutaPagina(const QString& Primera, int Numero);
    static int NumeroPagina(const QString& Primera, const QString& Ruta);
    // The line after a page's table: the links to the previous and next page and the rows the
    // page holds, out of `Total` (0 while not yet known), in the element IdNavegacion.
    static QString LineaNavegacion(int Pagina, int Primera, int Ultima, int Total,
                                   bool UltimaPagina);
    static QString TextoNavegacion(int Primera, int Ultima, int Total);
    static inline const QString IdNavegacion = QStringLiteral("Diferencias");
    // The links to the pages, in the element IdPaginas: the first and last page and the ones
    // around `Pagina`.
    static QString EnlacesPaginas(int Pagina, int Total, bool UltimaPagina);
    static inline const QString IdPaginas = QStringLiteral("Paginas");
    // What the navigation line of page `Pagina` of the last list says once all its pages are
    // written; empty while some are pending, and for a list of one page, which has none.
    QString NavegacionCompleta(int Pagina) const;
    // The same for its links to the pages.
    QString PaginasCompletas(int Pagina) const;

    // The level of a code told by its length, from the account plan as configured now.
    QString ObtenerColorNivel(const QString& Cuenta);
    short ObtenerProximaCuenta(const QString& Cuenta);
    short ObtenerAnteriorCuenta(const QString& Cuenta);

    // The opening of every page, as one line: head, title, style sheet link and, unless
    // blnWithFrames, the opening of the body. The title goes in as given.
    QString getCabeceraHTML(const QString& Titulo, bool blnWithFrames);
    // The same head as written on the day `Hoy`.
    static QString CabeceraHTML(const QString& Titulo, bool blnWithFrames, const QDate& Hoy);

private:
    class EscritorLista;

    void Avanzar();
    void Cerrar();
    void BorrarPaginas(int Desde);

    QString ruta_;
    QString titulo_;
    QString sql_;
    std::unique_ptr<EscritorLista> lista_; // the list whose pages are being written
    int paginas_ = 0;                      // the pages of the last list, once written
    int filas_ = 0;                        // and the rows they hold
    bool ocupado_ = false;
};
