#pragma once

#include "platform/ado/EsquemaSqlite.h"
#include "platform/ado/TokenSql.h"

#include <QSet>
#include <QStringList>

namespace ado {

// The server's type of an expression, as far as the translator works it out.
struct TipoSql {
    enum Clase { Desconocido, Nulo, Entero, Dinero, Decimal, Flotante, Texto, Fecha };
    Clase clase = Desconocido;
    int precision = 0; // digits of a number
    int escala = 0;    // decimals of an exact number
    long largo = 0;    // characters of a text; 0 when not bounded or not known
    bool fijo = false; // CHAR: padded to its length
    QString nombre;    // as the server's messages name it: "int", "money", "numeric", ...

    bool EsNumero() const { return clase >= Entero && clase <= Flotante; }
    bool EsExacto() const { return clase == Dinero || clase == Decimal; }
    // The name, precision and scale as the server's functions of the engine take them.
    QString Argumentos() const;
};

// The type of a declaration ("DECIMAL(18,6)", "CHAR(4)", "MONEY"). A text type without its
// length has `largoPorOmision` characters (1 in a table, 30 in a CAST).
TipoSql TipoDeclarado(const QString& declarado, long largoPorOmision = 1);
// The type the server gives `a op b` (op one of + - * / %): the operand of higher precedence
// decides, and exact numbers take the precision and scale its rules give.
TipoSql TipoDeOperacion(QChar op, const TipoSql& a, const TipoSql& b);
// The type the server gives values of several types taking one place (CASE, IN): the one of
// highest precedence; unknown when texts and numbers mix.
TipoSql TipoComun(const QVector<TipoSql>& tipos);

// The tables and views of the schema a statement names.
QStringList TablasReferidas(const TokensSql& t, const EsquemaSqlite& esquema);

// Functions whose result is a text.
const QSet<QString>& FuncionesDeTexto();

// A run of tokens from the significant one at `inicio` to the one at `fin`.
struct Tramo {
    int inicio = -1;
    int fin = -1;
    bool Valido() const { return inicio >= 0 && fin >= inicio; }
    int Largo() const { return fin - inicio; }
};

// The arithmetic of one statement: where operands and expressions begin and end, and what type
// the server gives them. It reads the tokens as they are when asked, so a rewrite made in
// between is seen.
class ExpresionesSql {
public:
    ExpresionesSql(const TokensSql& t, const EsquemaSqlite& esquema);

    // One node of an expression: an operand, or an operator with the nodes on either side.
    struct Nodo {
        Tramo tramo;
        int operador = -1; // token of the operator; -1 for an operand
        int izquierdo = -1, derecho = -1;
        TipoSql tipo;
    };

    // Whether the token at `i` is a binary + - * / %.
    bool EsOperador(int i) const;
    // The operand (a literal, a column, a call, a parenthesis, a CASE, each with its signs) that
    // starts at `i` or ends at `j`; invalid when none does.
    Tramo OperandoDesde(int i) const;
    Tramo OperandoHasta(int j) const;
    // The expression (operands joined by + - * / %) that starts at `i` or ends at `j`.
    Tramo ExpresionDesde(int i) const;
    Tramo ExpresionHasta(int j) const;
    // The expression as the server groups it (* / % before + -, from the left); the last node
    // is the whole.
    QVector<Nodo> Arbol(Tramo expresion) const;
    TipoSql Tipo(Tramo expresion) const;
    // The arguments of the call whose "(" is at `abre`.
    QVector<Tramo> Argumentos(int abre) const;
    // The AS of the CAST whose "(" is at `abre`; -1 when it has none.
    int AsDeCast(int abre) const;
    TipoSql TipoDeColumna(const QString& columna) const;
    const QStringList& Tablas() const { return tablas_; }

private:
    bool TerminaOperando(int j) const;
    TipoSql TipoDeOperando(Tramo operando) const;
    TipoSql TipoDeLlamada(int nombre, int abre) const;
    TipoSql TipoDeAgregado(const QString& funcion, const TipoSql& argumento) const;
    TipoSql TipoDeCast(int abre) const;
    TipoSql TipoDeFuncionPropia(const QString& funcion, const QVector<Tramo>& argumentos) const;
    TipoSql TipoDeCase(Tramo operando) const;

    const TokensSql& t_;
    const EsquemaSqlite& esquema_;
    QStringList tablas_;
};

} // namespace ado
