#pragma once

#include <QString>
#include <QVector>
#include <initializer_list>

namespace ado {

// A piece of SQL text as the translator sees it. Rewrites work on tokens, so the letters
// inside a literal or a bracketed name are never mistaken for SQL.
struct TokenSql {
    enum Tipo { Palabra, Numero, Cadena, Corchete, Identificador, Espacio, Comentario, Simbolo };
    Tipo tipo;
    QString texto;

    bool EsPalabra(const char* palabra) const {
        return tipo == Palabra &&
               texto.compare(QLatin1StringView(palabra), Qt::CaseInsensitive) == 0;
    }
    bool EsSimbolo(const char* simbolo) const {
        return tipo == Simbolo && texto == QLatin1StringView(simbolo);
    }
    bool EsUnaDe(std::initializer_list<const char*> palabras) const;
    bool EsComparacion() const;
    // A word that names something (a table, a column, a function), not one of SQL's own.
    bool EsNombre() const;
    bool Significativo() const { return tipo != Espacio && tipo != Comentario; }
    bool TieneSaltoDeLinea() const {
        return tipo == Espacio && (texto.contains('\r') || texto.contains('\n'));
    }
    // The value of a string literal, with doubled apostrophes undone.
    QString ValorCadena() const;
    // The bare name of a word, bracketed or double-quoted identifier.
    QString Nombre() const;
};

using TokensSql = QVector<TokenSql>;

// Splits SQL Server text into tokens. Throws ErrorEjecucion for an unclosed literal,
// bracketed name or comment.
TokensSql Tokenizar(const QString& sql);
// The tokens before the first literal, bracketed name or comment the text leaves unclosed (all
// of them when it leaves none): as much of a text as can be read.
TokensSql TokenizarHastaLoSinCerrar(const QString& sql);

QString Unir(const TokensSql& tokens);

// The inside of a string literal whose value is `valor`: each apostrophe doubled, so that a
// name such as O'Brien stays within its quotes (ValorCadena reads it back).
QString DoblarApostrofos(const QString& valor);

// Index of the next (or previous) significant token from i (exclusive), or -1.
int Siguiente(const TokensSql& tokens, int i);
int Anterior(const TokensSql& tokens, int i);

// The "(" that the ")" at `cierre` closes, and the ")" that closes the "(" at `abre`; -1 when
// none does.
int ParentesisQueAbre(const TokensSql& t, int cierre);
int ParentesisQueCierra(const TokensSql& t, int abre);

} // namespace ado
