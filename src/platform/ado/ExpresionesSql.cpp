#include "platform/ado/ExpresionesSql.h"

#include "platform/ado/NumeroExacto.h"

#include <QRegularExpression>
#include <limits>

namespace ado {
namespace {

TipoSql Numerico(TipoSql::Clase clase, const char* nombre, int precision, int escala = 0) {
    TipoSql t;
    t.clase = clase;
    t.nombre = QLatin1String(nombre);
    t.precision = precision;
    t.escala = escala;
    return t;
}

TipoSql DeTexto(long largo, bool fijo) {
    TipoSql t;
    t.clase = TipoSql::Texto;
    t.nombre = QLatin1String(fijo ? "char" : "varchar");
    t.largo = largo;
    t.fijo = fijo;
    return t;
}

// Precision and scale of a number as the server's DECIMAL arithmetic takes it.
TipoSql ComoDecimal(const TipoSql& t) {
    if (t.clase == TipoSql::Decimal)
        return t;
    if (t.clase == TipoSql::Dinero)
        return Numerico(TipoSql::Decimal, "numeric",
                        t.nombre == QLatin1String("smallmoney") ? 10 : 19, 4);
    return Numerico(TipoSql::Decimal, "numeric", t.precision, 0);
}

// Beyond 38 digits the server gives up decimals: a sum keeps room for its longer whole part (and
// may then overflow), a product or a quotient keeps its whole part while it is shorter than 32
// digits, and six decimals when it is longer.
TipoSql DecimalDeSuma(int enteros, int escala, int acarreo) {
    const int precision = enteros + escala + acarreo;
    if (precision <= NumeroExacto::kDigitosMaximos)
        return Numerico(TipoSql::Decimal, "numeric", precision, escala);
    return Numerico(TipoSql::Decimal, "numeric", NumeroExacto::kDigitosMaximos,
                    std::max(0, NumeroExacto::kDigitosMaximos - enteros));
}

TipoSql DecimalDeProducto(int precision, int escala) {
    if (precision > NumeroExacto::kDigitosMaximos) {
        const int entero = precision - escala;
        escala = entero < 32 ? std::min(escala, NumeroExacto::kDigitosMaximos - entero)
                             : std::min(escala, 6);
        precision = NumeroExacto::kDigitosMaximos;
    }
    return Numerico(TipoSql::Decimal, "numeric", precision, escala);
}

TipoSql DecimalDeOperacion(QChar op, const TipoSql& x, const TipoSql& y) {
    const TipoSql a = ComoDecimal(x), b = ComoDecimal(y);
    const int p1 = a.precision, s1 = a.escala, p2 = b.precision, s2 = b.escala;
    if (op == u'*')
        return DecimalDeProducto(p1 + p2 + 1, s1 + s2);
    if (op == u'/') {
        const int escala = std::max(6, s1 + p2 + 1);
        return DecimalDeProducto(p1 - s1 + s2 + escala, escala);
    }
    const int escala = std::max(s1, s2);
    if (op == u'%')
        return DecimalDeSuma(std::min(p1 - s1, p2 - s2), escala, 0);
    return DecimalDeSuma(std::max(p1 - s1, p2 - s2), escala, 1);
}

// The type of values of two decimal types in one column: room for the longer whole part and
// for the more decimals.
TipoSql DecimalComun(const TipoSql& x, const TipoSql& y) {
    const TipoSql a = ComoDecimal(x), b = ComoDecimal(y);
    const int escala = std::max(a.escala, b.escala);
    return DecimalDeSuma(std::max(a.precision - a.escala, b.precision - b.escala), escala, 0);
}

TipoSql TipoDeLiteral(const TokenSql& numero) {
    const QString x = numero.texto;
    const int punto = int(x.indexOf(u'.'));
    QString entero = punto < 0 ? x : x.left(punto);
    while (entero.startsWith(u'0'))
        entero.remove(0, 1);
    if (punto >= 0) {
        const int escala = int(x.size()) - punto - 1;
        return Numerico(TipoSql::Decimal, "numeric", std::max(1, int(entero.size()) + escala),
                        escala);
    }
    const int digitos = std::max(1, int(entero.size()));
    if (digitos <= 10 && entero.toLongLong() <= std::numeric_limits<qint32>::max())
        return Numerico(TipoSql::Entero, "int", digitos);
    return Numerico(TipoSql::Decimal, "numeric", digitos);
}

} // namespace

QString TipoSql::Argumentos() const {
    return QStringLiteral("'%1', %2, %3").arg(nombre).arg(precision).arg(escala);
}

TipoSql TipoDeclarado(const QString& declarado, long largoPorOmision) {
    static const QRegularExpression forma(
        QStringLiteral(
            R"(^\s*([A-Za-z]+(?:\s+[A-Za-z]+)*)\s*(?:\(\s*(\d+|max)\s*(?:,\s*(\d+)\s*)?\))?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression texto(
        QStringLiteral(R"(^(NATIONAL\s+)?N?(VAR)?CHAR(ACTER)?(\s+VARYING)?$)"));
    const auto m = forma.match(declarado);
    const QString base = m.captured(1).simplified().toUpper();
    const int n = m.captured(2).toInt(), d = m.captured(3).toInt();
    if (base == QLatin1String("INT") || base == QLatin1String("INTEGER"))
        return Numerico(TipoSql::Entero, "int", 10);
    if (base == QLatin1String("BIGINT") || base == QLatin1String("SMALLINT") ||
        base == QLatin1String("TINYINT") || base == QLatin1String("BIT"))
        return Numerico(TipoSql::Entero, qPrintable(base.toLower()),
                        base.startsWith(u'B') ? (base == QLatin1String("BIT") ? 1 : 19)
                                              : (base.startsWith(u'S') ? 5 : 3));
    if (base == QLatin1String("MONEY") || base == QLatin1String("SMALLMONEY"))
        return Numerico(TipoSql::Dinero, qPrintable(base.toLower()), base.size() > 5 ? 10 : 19, 4);
    if (base == QLatin1String("DECIMAL") || base == QLatin1String("NUMERIC") ||
        base == QLatin1String("DEC"))
        return Numerico(TipoSql::Decimal, "numeric", m.captured(2).isEmpty() ? 18 : n, d);
    if (base == QLatin1String("FLOAT") || base == QLatin1String("REAL") ||
        base.startsWith(QLatin1String("DOUBLE")))
        return Numerico(TipoSql::Flotante, "float", 53);
    if (m.hasMatch() && EsquemaSqlite::ClaseDeTipo(declarado) != EsquemaSqlite::Otra) {
        TipoSql t;
        t.clase = TipoSql::Fecha;
        t.nombre =
            base == QLatin1String("DATE") ? QStringLiteral("date") : QStringLiteral("datetime");
        return t;
    }
    if (base == QLatin1String("TEXT") || base == QLatin1String("NTEXT"))
        return DeTexto(0, false);
    if (const auto t = texto.match(base); m.hasMatch() && t.hasMatch())
        return DeTexto(m.captured(2).isEmpty() ? largoPorOmision : n,
                       !t.hasCaptured(2) && !t.hasCaptured(4));
    return {};
}

TipoSql TipoDeOperacion(QChar op, const TipoSql& a, const TipoSql& b) {
    if (a.clase == TipoSql::Nulo || b.clase == TipoSql::Nulo)
        return a.clase == TipoSql::Nulo ? b : a;
    if (!a.EsNumero() || !b.EsNumero())
        return {};
    if (a.clase == TipoSql::Flotante || b.clase == TipoSql::Flotante)
        return Numerico(TipoSql::Flotante, "float", 53);
    if (a.clase == TipoSql::Decimal || b.clase == TipoSql::Decimal)
        return DecimalDeOperacion(op, a, b);
    if (a.clase == TipoSql::Dinero || b.clase == TipoSql::Dinero)
        return Numerico(TipoSql::Dinero, "money", 19, 4);
    const bool grande = a.nombre == QLatin1String("bigint") || b.nombre == QLatin1String("bigint");
    return Numerico(TipoSql::Entero, grande ? "bigint" : "int", grande ? 19 : 10);
}

TipoSql TipoComun(const QVector<TipoSql>& tipos) {
    TipoSql comun;
    comun.clase = TipoSql::Nulo;
    for (const TipoSql& t : tipos) {
        if (t.clase == TipoSql::Nulo)
            continue;
        if (comun.clase == TipoSql::Nulo) {
            comun = t;
        } else if (t.EsNumero() && comun.EsNumero()) {
            comun = std::max(t.clase, comun.clase) == TipoSql::Decimal
                        ? DecimalComun(t, comun)
                        : TipoDeOperacion(u'+', t, comun);
        } else if (t.clase == TipoSql::Texto && comun.clase == TipoSql::Texto) {
            comun.largo = t.largo == 0 || comun.largo == 0 ? 0 : std::max(t.largo, comun.largo);
            comun.fijo = comun.fijo && t.fijo;
        } else if (t.clase != comun.clase || t.clase == TipoSql::Desconocido) {
            return {};
        }
    }
    return comun;
}

const QSet<QString>& FuncionesDeTexto() {
    static const QSet<QString> nombres = {"rtrim",   "ltrim",  "trim", "upper",     "lower",
                                          "replace", "substr", "left", "substring", "right"};
    return nombres;
}

namespace {

bool EsSigno(const TokenSql& t) {
    return t.EsSimbolo("-") || t.EsSimbolo("+");
}

// The END of the CASE at `i`, or the CASE of the END at `i`, counting those nested within.
int ParejaDeCase(const TokensSql& t, int i, bool haciaAdelante) {
    for (int k = i, nivel = 0; k >= 0; k = haciaAdelante ? Siguiente(t, k) : Anterior(t, k)) {
        nivel += t[k].EsPalabra("CASE") ? 1 : t[k].EsPalabra("END") ? -1 : 0;
        if (nivel == 0)
            return k;
    }
    return -1;
}

// The last part of the name that starts at `i` ("T.COLUMNA"), or the first of one that ends there.
int FinDeNombre(const TokensSql& t, int i) {
    for (int p = Siguiente(t, i);
         p >= 0 && t[p].EsSimbolo(".") && Siguiente(t, p) >= 0 && t[Siguiente(t, p)].EsNombre();
         p = Siguiente(t, i))
        i = Siguiente(t, p);
    return i;
}

int InicioDeNombre(const TokensSql& t, int j) {
    for (int p = Anterior(t, j);
         p >= 0 && t[p].EsSimbolo(".") && Anterior(t, p) >= 0 && t[Anterior(t, p)].EsNombre();
         p = Anterior(t, j))
        j = Anterior(t, p);
    return j;
}

} // namespace

QStringList TablasReferidas(const TokensSql& t, const EsquemaSqlite& esquema) {
    QStringList tablas;
    for (const TokenSql& k : t)
        if (k.EsNombre() && esquema.Existe(k.Nombre()) &&
            !tablas.contains(k.Nombre(), Qt::CaseInsensitive))
            tablas.append(k.Nombre());
    return tablas;
}

ExpresionesSql::ExpresionesSql(const TokensSql& t, const EsquemaSqlite& esquema)
    : t_(t), esquema_(esquema), tablas_(TablasReferidas(t, esquema)) {}

bool ExpresionesSql::TerminaOperando(int j) const {
    if (j < 0)
        return false;
    const TokenSql& k = t_[j];
    return k.tipo == TokenSql::Numero || k.tipo == TokenSql::Cadena || k.EsSimbolo(")") ||
           k.EsUnaDe({"END", "NULL"}) || k.EsNombre();
}

bool ExpresionesSql::EsOperador(int i) const {
    static const QSet<QString> operadores = {"+", "-", "*", "/", "%"};
    return i >= 0 && t_[i].tipo == TokenSql::Simbolo && operadores.contains(t_[i].texto) &&
           TerminaOperando(Anterior(t_, i)) && OperandoDesde(Siguiente(t_, i)).Valido();
}

Tramo ExpresionesSql::OperandoDesde(int i) const {
    int j = i;
    while (j >= 0 && EsSigno(t_[j]))
        j = Siguiente(t_, j);
    if (j < 0)
        return {};
    const TokenSql& k = t_[j];
    int fin = -1;
    if (k.tipo == TokenSql::Numero || k.tipo == TokenSql::Cadena || k.EsPalabra("NULL"))
        fin = j;
    else if (k.EsSimbolo("("))
        fin = ParentesisQueCierra(t_, j);
    else if (k.EsPalabra("CASE"))
        fin = ParejaDeCase(t_, j, true);
    else if (k.EsNombre()) {
        fin = FinDeNombre(t_, j);
        const int abre = Siguiente(t_, fin);
        if (abre >= 0 && t_[abre].EsSimbolo("("))
            fin = ParentesisQueCierra(t_, abre);
    }
    return fin < 0 ? Tramo() : Tramo{i, fin};
}

Tramo ExpresionesSql::OperandoHasta(int j) const {
    if (j < 0)
        return {};
    const TokenSql& k = t_[j];
    int inicio = -1;
    if (k.tipo == TokenSql::Numero || k.tipo == TokenSql::Cadena || k.EsPalabra("NULL")) {
        inicio = j;
    } else if (k.EsSimbolo(")")) {
        inicio = ParentesisQueAbre(t_, j);
        const int nombre = inicio < 0 ? -1 : Anterior(t_, inicio);
        if (nombre >= 0 && t_[nombre].tipo == TokenSql::Palabra && t_[nombre].EsNombre())
            inicio = InicioDeNombre(t_, nombre);
    } else if (k.EsPalabra("END")) {
        inicio = ParejaDeCase(t_, j, false);
    } else if (k.EsNombre()) {
        inicio = InicioDeNombre(t_, j);
    }
    if (inicio < 0)
        return {};
    for (int s = Anterior(t_, inicio);
         s >= 0 && EsSigno(t_[s]) && !TerminaOperando(Anterior(t_, s)); s = Anterior(t_, s))
        inicio = s;
    return {inicio, j};
}

Tramo ExpresionesSql::ExpresionDesde(int i) const {
    Tramo e = OperandoDesde(i);
    for (int k = e.Valido() ? Siguiente(t_, e.fin) : -1; EsOperador(k); k = Siguiente(t_, e.fin))
        e.fin = OperandoDesde(Siguiente(t_, k)).fin;
    return e;
}

Tramo ExpresionesSql::ExpresionHasta(int j) const {
    Tramo e = OperandoHasta(j);
    for (int k = e.Valido() ? Anterior(t_, e.inicio) : -1; EsOperador(k);
         k = Anterior(t_, e.inicio)) {
        const Tramo izquierdo = OperandoHasta(Anterior(t_, k));
        if (!izquierdo.Valido())
            break;
        e.inicio = izquierdo.inicio;
    }
    return e;
}

QVector<ExpresionesSql::Nodo> ExpresionesSql::Arbol(Tramo expresion) const {
    QVector<Nodo> nodos;
    QVector<int> operadores;
    for (int i = expresion.inicio;;) {
        const Tramo o = OperandoDesde(i);
        nodos.append({o, -1, -1, -1, TipoDeOperando(o)});
        const int k = Siguiente(t_, o.fin);
        if (k < 0 || k > expresion.fin || !EsOperador(k))
            break;
        operadores.append(k);
        i = Siguiente(t_, k);
    }
    const auto unir = [&](int izquierdo, int derecho, int operador) {
        const TipoSql tipo =
            TipoDeOperacion(t_[operador].texto[0], nodos[izquierdo].tipo, nodos[derecho].tipo);
        nodos.append({{nodos[izquierdo].tramo.inicio, nodos[derecho].tramo.fin},
                      operador,
                      izquierdo,
                      derecho,
                      tipo});
        return int(nodos.size()) - 1;
    };
    // Products first, then sums, each from the left.
    QVector<int> terminos{0}, sumas;
    for (int k = 0; k < operadores.size(); ++k) {
        if (t_[operadores[k]].EsSimbolo("+") || t_[operadores[k]].EsSimbolo("-")) {
            sumas.append(operadores[k]);
            terminos.append(k + 1);
        } else {
            terminos.back() = unir(terminos.back(), k + 1, operadores[k]);
        }
    }
    for (int k = 0, raiz = terminos[0]; k < sumas.size(); ++k)
        raiz = unir(raiz, terminos[k + 1], sumas[k]);
    return nodos;
}

TipoSql ExpresionesSql::Tipo(Tramo expresion) const {
    return expresion.Valido() ? Arbol(expresion).constLast().tipo : TipoSql();
}

QVector<Tramo> ExpresionesSql::Argumentos(int abre) const {
    QVector<Tramo> argumentos;
    const int cierre = ParentesisQueCierra(t_, abre);
    Tramo actual;
    for (int k = Siguiente(t_, abre), nivel = 0; k >= 0 && k < cierre; k = Siguiente(t_, k)) {
        nivel += t_[k].EsSimbolo("(") ? 1 : t_[k].EsSimbolo(")") ? -1 : 0;
        if (nivel == 0 && t_[k].EsSimbolo(",")) {
            argumentos.append(actual);
            actual = {};
            continue;
        }
        actual = {actual.Valido() ? actual.inicio : k, k};
    }
    if (actual.Valido())
        argumentos.append(actual);
    return argumentos;
}

TipoSql ExpresionesSql::TipoDeColumna(const QString& columna) const {
    for (const QString& tabla : tablas_)
        if (const QString tipo = esquema_.TipoDe(tabla, columna); !tipo.isEmpty())
            return TipoDeclarado(tipo);
    return {};
}

TipoSql ExpresionesSql::TipoDeOperando(Tramo o) const {
    int i = o.inicio;
    while (EsSigno(t_[i]))
        i = Siguiente(t_, i);
    const TokenSql& k = t_[i];
    if (k.tipo == TokenSql::Numero)
        return TipoDeLiteral(k);
    if (k.tipo == TokenSql::Cadena)
        return DeTexto(k.ValorCadena().size(), false);
    if (k.EsPalabra("NULL")) {
        TipoSql nulo;
        nulo.clase = TipoSql::Nulo;
        return nulo;
    }
    if (k.EsPalabra("CASE"))
        return TipoDeCase({i, o.fin});
    if (k.EsSimbolo("(")) {
        const int primero = Siguiente(t_, i);
        const Tramo dentro =
            primero >= 0 && !t_[primero].EsPalabra("SELECT") ? ExpresionDesde(primero) : Tramo();
        return dentro.fin == Anterior(t_, o.fin) ? Tipo(dentro) : TipoSql();
    }
    const int nombre = FinDeNombre(t_, i);
    const int abre = Siguiente(t_, nombre);
    if (abre >= 0 && t_[abre].EsSimbolo("("))
        return TipoDeLlamada(nombre, abre);
    return TipoDeColumna(t_[nombre].Nombre());
}

TipoSql ExpresionesSql::TipoDeLlamada(int nombre, int abre) const {
    const QString funcion = t_[nombre].texto.toLower();
    const QVector<Tramo> argumentos = Argumentos(abre);
    const auto tipoDe = [&](int n) {
        if (n >= argumentos.size())
            return TipoSql();
        Tramo a = argumentos[n];
        if (t_[a.inicio].EsUnaDe({"DISTINCT", "ALL"}))
            a.inicio = Siguiente(t_, a.inicio);
        const Tramo e = ExpresionDesde(a.inicio);
        return e.fin == a.fin ? Tipo(e) : TipoSql();
    };
    if (FuncionesDeTexto().contains(funcion)) {
        const TipoSql a = tipoDe(0);
        return DeTexto(a.clase == TipoSql::Texto ? a.largo : 0, false);
    }
    if (t_[nombre].EsUnaDe({"LEN", "CHARINDEX", "COUNT", "DATALENGTH"}))
        return Numerico(TipoSql::Entero, "int", 10);
    if (t_[nombre].EsUnaDe({"IFNULL", "ISNULL", "MAX", "MIN", "ABS", "ROUND"}))
        return tipoDe(0);
    if (t_[nombre].EsUnaDe({"SUM", "AVG"}))
        return TipoDeAgregado(funcion, tipoDe(0));
    if (funcion == QLatin1String("coalesce")) {
        QVector<TipoSql> tipos;
        for (int n = 0; n < argumentos.size(); ++n)
            tipos.append(tipoDe(n));
        return TipoComun(tipos);
    }
    if (funcion == QLatin1String("cast"))
        return TipoDeCast(abre);
    return funcion.startsWith(QLatin1String("sqlsrv_")) ? TipoDeFuncionPropia(funcion, argumentos)
                                                        : TipoSql();
}

TipoSql ExpresionesSql::TipoDeAgregado(const QString& funcion, const TipoSql& a) const {
    if (a.clase == TipoSql::Entero || a.clase == TipoSql::Flotante)
        return a;
    if (a.clase == TipoSql::Dinero)
        return Numerico(TipoSql::Dinero, "money", 19, 4);
    if (a.clase != TipoSql::Decimal)
        return {};
    return Numerico(TipoSql::Decimal, "numeric", NumeroExacto::kDigitosMaximos,
                    funcion == QLatin1String("avg") ? std::max(a.escala, 6) : a.escala);
}

int ExpresionesSql::AsDeCast(int abre) const {
    const int cierre = ParentesisQueCierra(t_, abre);
    for (int k = Siguiente(t_, abre), nivel = 0; k >= 0 && k < cierre; k = Siguiente(t_, k)) {
        nivel += t_[k].EsSimbolo("(") ? 1 : t_[k].EsSimbolo(")") ? -1 : 0;
        if (nivel == 0 && t_[k].EsPalabra("AS"))
            return k;
    }
    return -1;
}

// The type CAST(... AS type) names.
TipoSql ExpresionesSql::TipoDeCast(int abre) const {
    const int cierre = ParentesisQueCierra(t_, abre);
    const int como = AsDeCast(abre);
    QStringList tipo;
    for (int k = como < 0 ? -1 : Siguiente(t_, como); k >= 0 && k < cierre; k = Siguiente(t_, k))
        tipo << t_[k].texto;
    return TipoDeclarado(tipo.join(u' '), 30);
}

// The translator's own functions say the type of their result among their arguments.
TipoSql ExpresionesSql::TipoDeFuncionPropia(const QString& funcion,
                                            const QVector<Tramo>& argumentos) const {
    const auto texto = [&](int n) {
        return n < argumentos.size() ? t_[argumentos[n].inicio].texto : QString();
    };
    const auto tipo = [&](int n) {
        const QString nombre =
            n < argumentos.size() ? t_[argumentos[n].inicio].ValorCadena() : QString();
        return TipoDeclarado(nombre == QLatin1String("numeric")
                                 ? QStringLiteral("numeric(%1,%2)").arg(texto(n + 1), texto(n + 2))
                                 : nombre);
    };
    if (funcion == QLatin1String("sqlsrv_operar"))
        return tipo(5);
    if (funcion == QLatin1String("sqlsrv_convertir") || funcion == QLatin1String("sqlsrv_suma"))
        return tipo(2);
    if (funcion == QLatin1String("sqlsrv_redondear"))
        return tipo(4);
    if (funcion == QLatin1String("sqlsrv_promedio_entero"))
        return Numerico(TipoSql::Entero, "int", 10);
    if (funcion == QLatin1String("sqlsrv_divisor"))
        return Tipo(ExpresionDesde(argumentos.value(0).inicio));
    if (funcion == QLatin1String("sqlsrv_numero_texto"))
        return DeTexto(texto(3).toLong(), false);
    if (funcion == QLatin1String("sqlsrv_texto"))
        return DeTexto(texto(1).toLong(), texto(2) == QLatin1String("1"));
    return DeTexto(0, false);
}

// The results of a CASE take one type, as the server gives them.
TipoSql ExpresionesSql::TipoDeCase(Tramo o) const {
    QVector<TipoSql> tipos;
    for (int k = Siguiente(t_, o.inicio), nivel = 0, parentesis = 0; k >= 0 && k < o.fin;
         k = Siguiente(t_, k)) {
        parentesis += t_[k].EsSimbolo("(") ? 1 : t_[k].EsSimbolo(")") ? -1 : 0;
        nivel += t_[k].EsPalabra("CASE") ? 1 : t_[k].EsPalabra("END") ? -1 : 0;
        if (parentesis == 0 && nivel == 0 && t_[k].EsUnaDe({"THEN", "ELSE"}))
            tipos.append(Tipo(ExpresionDesde(Siguiente(t_, k))));
    }
    return TipoComun(tipos);
}

} // namespace ado
