#include "platform/ado/ReescrituraSql.h"

#include "platform/ado/DestinosDeInsert.h"
#include "platform/ado/ExpresionesSql.h"
#include "platform/ado/FuncionesDelServidor.h"
#include "platform/ado/NumeroExacto.h"
#include "platform/ado/TSqlToSqlite.h"

#include <optional>

namespace ado {
namespace {

using Nodo = ExpresionesSql::Nodo;

struct Reescritura {
    Tramo tramo;
    QString texto;
};

QString Describir(const TipoSql& t) {
    switch (t.clase) {
    case TipoSql::Texto:
        return QStringLiteral("un texto");
    case TipoSql::Fecha:
        return QStringLiteral("una fecha");
    case TipoSql::Desconocido:
    case TipoSql::Nulo:
        return QStringLiteral("una expresión de tipo desconocido");
    default:
        return QStringLiteral("un valor %1").arg(t.nombre);
    }
}

// The scale a function of the server's reads an operand of this type at.
int EscalaDeLectura(const TipoSql& t) {
    if (t.clase == TipoSql::Texto)
        return kEscalaDeTexto;
    return t.clase == TipoSql::Flotante ? -1 : t.EsExacto() ? t.escala : 0;
}

// One reading of the statement, which finds the innermost construct to rewrite.
class Reescritor {
public:
    Reescritor(const TokensSql& t, const EsquemaSqlite& esquema)
        : t_(t), esquema_(esquema), ex_(t, esquema) {}
    std::optional<Reescritura> Menor();

private:
    void Considerar(std::optional<Reescritura> r);
    QString Texto(Tramo tramo) const;
    QString Entre(int desde, int hasta) const;
    QString ComoArgumento(Tramo operando) const;
    TipoSql TipoDe(Tramo argumento) const;
    Tramo Llamada(int nombre, int abre) const { return {nombre, ParentesisQueCierra(t_, abre)}; }

    std::optional<Reescritura> DeExpresion(Tramo expresion) const;
    QString Emitir(const QVector<Nodo>& nodos, int n) const;
    void RechazarOperacion(const Nodo& nodo, const TipoSql& a, const TipoSql& b) const;
    bool NecesitaDivisor(Tramo divisor) const;

    std::optional<Reescritura> DeLlamada(int nombre, int abre) const;
    std::optional<Reescritura> DeSuma(int nombre, int abre) const;
    std::optional<Reescritura> DePromedio(int nombre, int abre) const;
    std::optional<Reescritura> DeRedondeo(int nombre, int abre) const;
    std::optional<Reescritura> DeCast(int nombre, int abre) const;
    QString CastATexto(Tramo x, const TipoSql& origen, const TipoSql& destino) const;
    std::optional<Reescritura> DeNulo(int nombre, int abre) const;
    std::optional<Reescritura> ReemplazoDeTexto(Tramo b, const TipoSql& a) const;
    std::optional<Reescritura> ReemplazoDeNumero(Tramo b, const TipoSql& a) const;
    std::optional<Reescritura> ReemplazoDeFecha(Tramo b, const TipoSql& a) const;

    std::optional<Reescritura> DeComparacion(int i) const;
    std::optional<Reescritura> DeListaIn(int in) const;
    std::optional<Reescritura> ConvertirTextos(const QVector<Tramo>& tramos) const;
    bool EsColumna(Tramo tramo) const;
    std::optional<Reescritura> AlNumero(Tramo texto, const TipoSql& numero,
                                        bool dejarSiNoLoEs) const;
    int OperandoDePredicado(int i) const;

    bool EsAsignacion(int i) const;
    std::optional<Reescritura> DeAsignacion(Tramo valor, const TipoSql& destino) const;
    bool Cabe(const TipoSql& valor, const TipoSql& destino) const;
    bool EsLiteral(Tramo tramo) const;

    const TokensSql& t_;
    const EsquemaSqlite& esquema_;
    ExpresionesSql ex_;
    std::optional<Reescritura> menor_;
};

std::optional<Reescritura> Reescritor::Menor() {
    QSet<int> expresiones;
    for (int i = 0; i < t_.size(); ++i) {
        if (!t_[i].Significativo())
            continue;
        if (ex_.EsOperador(i)) {
            const Tramo e = ex_.ExpresionDesde(ex_.ExpresionHasta(Anterior(t_, i)).inicio);
            if (e.Valido() && !expresiones.contains(e.inicio)) {
                expresiones.insert(e.inicio);
                Considerar(DeExpresion(e));
            }
        }
        const int abre = Siguiente(t_, i);
        if (t_[i].tipo == TokenSql::Palabra && abre >= 0 && t_[abre].EsSimbolo("("))
            Considerar(DeLlamada(i, abre));
        if (EsAsignacion(i))
            Considerar(DeAsignacion(ex_.ExpresionDesde(Siguiente(t_, i)),
                                    ex_.TipoDeColumna(t_[Anterior(t_, i)].Nombre())));
        else if (t_[i].EsComparacion() || t_[i].EsUnaDe({"BETWEEN", "IN"}))
            Considerar(DeComparacion(i));
    }
    const DestinosDeInsert insert(t_, esquema_);
    for (const auto& [valor, columna] : insert.Valores())
        Considerar(DeAsignacion(valor, TipoDeclarado(esquema_.TipoDe(insert.Tabla(), columna))));
    return menor_;
}

// A rewrite that would leave the text as it is has nothing to do.
void Reescritor::Considerar(std::optional<Reescritura> r) {
    if (r && r->texto != Texto(r->tramo) && (!menor_ || r->tramo.Largo() < menor_->tramo.Largo()))
        menor_ = std::move(r);
}

QString Reescritor::Texto(Tramo tramo) const {
    QString texto;
    for (int k = tramo.inicio; k <= tramo.fin; ++k)
        texto += t_[k].texto;
    return texto;
}

QString Reescritor::Entre(int desde, int hasta) const {
    return hasta - desde > 1 ? Texto({desde + 1, hasta - 1}) : QString();
}

// A number literal goes to the server's functions as a text: the engine would read one with a
// fraction, or too long for its integers, as a double.
QString Reescritor::ComoArgumento(Tramo operando) const {
    bool negativo = false;
    int k = operando.inicio;
    for (; k < operando.fin &&
           (t_[k].EsSimbolo("-") || t_[k].EsSimbolo("+") || !t_[k].Significativo());
         ++k)
        negativo ^= t_[k].EsSimbolo("-");
    const TokenSql& numero = t_[operando.fin];
    if (k != operando.fin || numero.tipo != TokenSql::Numero ||
        (!numero.texto.contains(u'.') && numero.texto.size() <= 18))
        return Texto(operando);
    return QStringLiteral("'%1%2'").arg(negativo ? QStringLiteral("-") : QString(), numero.texto);
}

TipoSql Reescritor::TipoDe(Tramo argumento) const {
    const Tramo e = argumento.Valido() ? ex_.ExpresionDesde(argumento.inicio) : Tramo();
    return e.Valido() && e.fin == argumento.fin ? ex_.Tipo(e) : TipoSql();
}

// ---------------------------------------------------------------------------------------
// Arithmetic

std::optional<Reescritura> Reescritor::DeExpresion(Tramo expresion) const {
    const QVector<Nodo> nodos = ex_.Arbol(expresion);
    bool cambia = false;
    for (const Nodo& n : nodos) {
        if (n.operador < 0)
            continue;
        RechazarOperacion(n, nodos[n.izquierdo].tipo, nodos[n.derecho].tipo);
        const bool division = t_[n.operador].EsSimbolo("/") || t_[n.operador].EsSimbolo("%");
        cambia |= division ? NecesitaDivisor(nodos[n.derecho].tramo) : n.tipo.EsExacto();
    }
    if (!cambia)
        return std::nullopt;
    return Reescritura{expresion, Emitir(nodos, int(nodos.size()) - 1)};
}

// '+' joins texts on the server and dates add days there, and its division of exact numbers keeps
// a scale of its own: what the engine would compute differently, or what the translator cannot
// tell the type of, is refused.
void Reescritor::RechazarOperacion(const Nodo& n, const TipoSql& a, const TipoSql& b) const {
    const QString op = t_[n.operador].texto;
    const auto alguno = [&](TipoSql::Clase c) { return a.clase == c || b.clase == c; };
    const bool suma = op == QLatin1String("+") || op == QLatin1String("-");
    if (alguno(TipoSql::Fecha))
        NoAdmitida(suma ? QStringLiteral("la suma o resta de fechas con '+' o '-'")
                        : QStringLiteral("la aritmética de fechas con '%1'").arg(op));
    if (alguno(TipoSql::Texto))
        NoAdmitida(op == QLatin1String("+")
                       ? QStringLiteral("la concatenación de textos con '+'")
                       : QStringLiteral("la aritmética de textos con '%1'").arg(op));
    if (!suma && op != QLatin1String("*") &&
        (alguno(TipoSql::Desconocido) || a.EsExacto() || b.EsExacto()))
        NoAdmitida(
            QStringLiteral("la división con '%1' de importes, decimales o expresiones").arg(op));
    if (alguno(TipoSql::Desconocido))
        NoAdmitida(suma ? QStringLiteral("la suma o resta con '+' o '-' de expresiones de tipo "
                                         "desconocido")
                        : QStringLiteral("la multiplicación con '*' de expresiones de tipo "
                                         "desconocido"));
}

// A divisor the engine would divide by as zero, giving Null where the server fails; a number
// written other than zero needs no check.
bool Reescritor::NecesitaDivisor(Tramo divisor) const {
    const TokenSql& primero = t_[divisor.inicio];
    if (divisor.inicio == divisor.fin && primero.tipo == TokenSql::Numero)
        return primero.texto.toDouble() == 0;
    const int abre = Siguiente(t_, divisor.inicio);
    return !(primero.EsPalabra("SQLSRV_DIVISOR") &&
             Llamada(divisor.inicio, abre).fin == divisor.fin);
}

QString Reescritor::Emitir(const QVector<Nodo>& nodos, int n) const {
    const Nodo& x = nodos[n];
    if (x.operador < 0)
        return Texto(x.tramo);
    const Nodo& a = nodos[x.izquierdo];
    const Nodo& b = nodos[x.derecho];
    const QString op = t_[x.operador].texto;
    const bool division = op == QLatin1String("/") || op == QLatin1String("%");
    const auto operando = [&](const Nodo& o, int i) {
        return o.operador < 0 ? ComoArgumento(o.tramo) : Emitir(nodos, i);
    };
    if (!division && x.tipo.EsExacto())
        return QStringLiteral("SQLSRV_OPERAR(%1, %2, '%3', %4, %5, %6)")
            .arg(operando(a, x.izquierdo), QString::number(EscalaDeLectura(a.tipo)), op,
                 operando(b, x.derecho), QString::number(EscalaDeLectura(b.tipo)),
                 x.tipo.Argumentos());
    QString derecho = Emitir(nodos, x.derecho);
    if (division && NecesitaDivisor(b.tramo))
        derecho = QStringLiteral("SQLSRV_DIVISOR(%1)").arg(derecho);
    return Emitir(nodos, x.izquierdo) + Entre(a.tramo.fin, x.operador) + op +
           Entre(x.operador, b.tramo.inicio) + derecho;
}

// ---------------------------------------------------------------------------------------
// Functions

std::optional<Reescritura> Reescritor::DeLlamada(int nombre, int abre) const {
    if (t_[nombre].EsPalabra("SUM"))
        return DeSuma(nombre, abre);
    if (t_[nombre].EsPalabra("AVG"))
        return DePromedio(nombre, abre);
    if (t_[nombre].EsPalabra("ROUND"))
        return DeRedondeo(nombre, abre);
    if (t_[nombre].EsPalabra("CAST"))
        return DeCast(nombre, abre);
    if (t_[nombre].EsPalabra("IFNULL"))
        return DeNulo(nombre, abre);
    return std::nullopt;
}

// The engine adds doubles; the server adds exact numbers.
std::optional<Reescritura> Reescritor::DeSuma(int nombre, int abre) const {
    const QVector<Tramo> argumentos = ex_.Argumentos(abre);
    if (argumentos.size() != 1)
        return std::nullopt;
    Tramo x = argumentos[0];
    const bool distintos = t_[x.inicio].EsPalabra("DISTINCT");
    if (t_[x.inicio].EsUnaDe({"DISTINCT", "ALL"}))
        x.inicio = Siguiente(t_, x.inicio);
    const TipoSql tipo = TipoDe(x);
    if (!tipo.EsExacto())
        return std::nullopt;
    if (distintos)
        NoAdmitida(QStringLiteral("SUM(DISTINCT ...) de importes o decimales"));
    return Reescritura{Llamada(nombre, abre),
                       QStringLiteral("SQLSRV_SUMA(%1, %2, %3)")
                           .arg(ComoArgumento(x), QString::number(tipo.escala),
                                ex_.Tipo(Llamada(nombre, abre)).Argumentos())};
}

// The server's average of whole numbers is a whole number; of exact ones, a division of its own.
std::optional<Reescritura> Reescritor::DePromedio(int nombre, int abre) const {
    const QVector<Tramo> argumentos = ex_.Argumentos(abre);
    if (argumentos.size() != 1)
        return std::nullopt;
    Tramo x = argumentos[0];
    if (t_[x.inicio].EsUnaDe({"DISTINCT", "ALL"}))
        x.inicio = Siguiente(t_, x.inicio);
    const TipoSql tipo = TipoDe(x);
    if (tipo.EsExacto())
        NoAdmitida(QStringLiteral("AVG de importes o decimales"));
    if (tipo.clase != TipoSql::Entero)
        return std::nullopt;
    return Reescritura{Llamada(nombre, abre),
                       QStringLiteral("SQLSRV_PROMEDIO_ENTERO(%1)").arg(Texto(argumentos[0]))};
}

// The server rounds the exact decimal, halves away from zero, also to tens and hundreds, or
// cuts when a third argument is not zero.
std::optional<Reescritura> Reescritor::DeRedondeo(int nombre, int abre) const {
    const QVector<Tramo> argumentos = ex_.Argumentos(abre);
    if (argumentos.size() < 2 || argumentos.size() > 3)
        NoAdmitida(QStringLiteral("ROUND con %1 argumentos").arg(argumentos.size()));
    const TipoSql tipo = TipoDe(argumentos[0]);
    if (tipo.clase == TipoSql::Nulo)
        return std::nullopt;
    if (!tipo.EsNumero())
        NoAdmitida(QStringLiteral("ROUND de %1").arg(Describir(tipo)));
    return Reescritura{Llamada(nombre, abre),
                       QStringLiteral("SQLSRV_REDONDEAR(%1, %2, %3, %4, %5)")
                           .arg(ComoArgumento(argumentos[0]),
                                QString::number(EscalaDeLectura(tipo)), Texto(argumentos[1]),
                                argumentos.size() == 3 ? Texto(argumentos[2]) : QStringLiteral("0"),
                                tipo.Argumentos())};
}

// CAST as the server converts: an amount rounds into a whole number, any other exact number is
// cut; a text is read by the server's rules, a date written in its default style.
std::optional<Reescritura> Reescritor::DeCast(int nombre, int abre) const {
    const int cierre = ParentesisQueCierra(t_, abre);
    const int como = ex_.AsDeCast(abre);
    if (como < 0)
        return std::nullopt;
    const Tramo x{Siguiente(t_, abre), Anterior(t_, como)};
    const TipoSql origen = TipoDe(x);
    const TipoSql destino = ex_.Tipo(Llamada(nombre, abre));
    const auto convertir = [&](bool truncar) {
        return QStringLiteral("SQLSRV_CONVERTIR(%1, %2, %3, %4)")
            .arg(ComoArgumento(x), QString::number(EscalaDeLectura(origen)), destino.Argumentos(),
                 QString::number(truncar));
    };
    const bool numero = origen.EsNumero() || origen.clase == TipoSql::Texto;
    if (origen.clase == TipoSql::Nulo ||
        (origen.clase == TipoSql::Entero && destino.clase == TipoSql::Entero) ||
        (origen.EsNumero() && destino.clase == TipoSql::Flotante))
        return std::nullopt;
    QString texto;
    if (destino.clase == TipoSql::Entero && destino.nombre != QLatin1String("bit") && numero)
        texto = convertir(origen.clase == TipoSql::Decimal || origen.clase == TipoSql::Flotante);
    else if (destino.EsExacto() && numero)
        texto = convertir(false);
    else if (destino.clase == TipoSql::Texto)
        texto = CastATexto(x, origen, destino);
    if (texto.isEmpty())
        NoAdmitida(QStringLiteral("la conversión CAST de %1 a %2")
                       .arg(Describir(origen), Texto({Siguiente(t_, como), Anterior(t_, cierre)})));
    return Reescritura{Llamada(nombre, abre), texto};
}

// A number as the server writes it into a text: an amount with two decimals, any other exact
// number with all of its own.
QString Reescritor::CastATexto(Tramo x, const TipoSql& origen, const TipoSql& destino) const {
    const QString largo = QString::number(destino.largo);
    const QString fijo = destino.fijo ? QStringLiteral("1") : QStringLiteral("0");
    QString texto;
    if (origen.clase == TipoSql::Texto)
        return QStringLiteral("SQLSRV_TEXTO(%1, %2, %3)").arg(Texto(x), largo, fijo);
    if (origen.clase == TipoSql::Fecha)
        return QStringLiteral("SQLSRV_TEXTO(SQLSRV_FECHA_TEXTO(%1, '%2'), %3, %4)")
            .arg(Texto(x), origen.nombre, largo, fijo);
    if (origen.clase == TipoSql::Entero || origen.EsExacto())
        texto =
            QStringLiteral("SQLSRV_NUMERO_TEXTO(%1, %2, %3, %4)")
                .arg(ComoArgumento(x), QString::number(origen.escala),
                     QString::number(origen.clase == TipoSql::Dinero ? 2 : origen.escala), largo);
    return destino.fijo && !texto.isEmpty()
               ? QStringLiteral("SQLSRV_TEXTO(%1, %2, 1)").arg(texto, largo)
               : texto;
}

// ISNULL gives the type of its first argument: the replacement is converted to it, as the
// server converts it.
std::optional<Reescritura> Reescritor::DeNulo(int, int abre) const {
    const QVector<Tramo> argumentos = ex_.Argumentos(abre);
    if (argumentos.size() != 2)
        return std::nullopt;
    const TipoSql a = TipoDe(argumentos[0]);
    if (a.clase == TipoSql::Texto)
        return ReemplazoDeTexto(argumentos[1], a);
    if (a.clase == TipoSql::Fecha)
        return ReemplazoDeFecha(argumentos[1], a);
    if (a.clase == TipoSql::Entero || a.EsExacto())
        return ReemplazoDeNumero(argumentos[1], a);
    return std::nullopt;
}

std::optional<Reescritura> Reescritor::ReemplazoDeTexto(Tramo b, const TipoSql& a) const {
    const TipoSql tb = TipoDe(b);
    if (a.largo <= 0 || tb.clase == TipoSql::Nulo ||
        (tb.clase == TipoSql::Texto && tb.largo > 0 && tb.largo <= a.largo))
        return std::nullopt;
    const QString largo = QString::number(a.largo);
    if (b.inicio == b.fin && t_[b.inicio].tipo == TokenSql::Cadena)
        return Reescritura{
            b, u'\'' + DoblarApostrofos(t_[b.inicio].ValorCadena().left(int(a.largo))) + u'\''};
    if (tb.clase == TipoSql::Texto)
        return Reescritura{b, QStringLiteral("SQLSRV_TEXTO(%1, %2, 0)").arg(Texto(b), largo)};
    if (tb.clase != TipoSql::Entero && !tb.EsExacto())
        NoAdmitida(QStringLiteral("ISNULL de un texto con %1").arg(Describir(tb)));
    return Reescritura{b, QStringLiteral("SQLSRV_NUMERO_TEXTO(%1, %2, %3, %4)")
                              .arg(ComoArgumento(b), QString::number(tb.escala),
                                   QString::number(tb.clase == TipoSql::Dinero ? 2 : tb.escala),
                                   largo)};
}

std::optional<Reescritura> Reescritor::ReemplazoDeNumero(Tramo b, const TipoSql& a) const {
    const TipoSql tb = TipoDe(b);
    const bool entero = tb.clase == TipoSql::Entero;
    const bool cabe =
        tb.clase == TipoSql::Nulo || (a.clase == TipoSql::Entero && entero) ||
        (a.clase == TipoSql::Dinero && (entero || (tb.EsExacto() && tb.escala <= 4))) ||
        (a.clase == TipoSql::Decimal && (entero || tb.EsExacto()) && tb.escala <= a.escala &&
         tb.precision - tb.escala <= a.precision - a.escala);
    if (cabe)
        return std::nullopt;
    if (!tb.EsNumero() && tb.clase != TipoSql::Texto)
        NoAdmitida(QStringLiteral("ISNULL de un valor %1 con %2").arg(a.nombre, Describir(tb)));
    const bool truncar = a.clase == TipoSql::Entero && tb.clase != TipoSql::Dinero;
    return Reescritura{b, QStringLiteral("SQLSRV_CONVERTIR(%1, %2, %3, %4)")
                              .arg(ComoArgumento(b), QString::number(EscalaDeLectura(tb)),
                                   a.Argumentos(), QString::number(truncar))};
}

std::optional<Reescritura> Reescritor::ReemplazoDeFecha(Tramo b, const TipoSql& a) const {
    const TipoSql tb = TipoDe(b);
    if (tb.clase == TipoSql::Fecha || tb.clase == TipoSql::Nulo)
        return std::nullopt;
    if (b.inicio != b.fin || t_[b.inicio].tipo != TokenSql::Cadena)
        NoAdmitida(QStringLiteral("ISNULL de una fecha con %1").arg(Describir(tb)));
    const QString valor = t_[b.inicio].ValorCadena();
    const QString fecha = FechaAlmacenada(
        valor, a.nombre == QLatin1String("date") ? EsquemaSqlite::Fecha : EsquemaSqlite::FechaHora);
    if (fecha.isEmpty())
        FechaInvalida(valor);
    if (fecha == valor)
        return std::nullopt;
    return Reescritura{b, u'\'' + fecha + u'\''};
}

// ---------------------------------------------------------------------------------------
// A text compared with a number: the server reads the text as a number of the other's type.

int Reescritor::OperandoDePredicado(int i) const {
    const int a = Anterior(t_, i);
    return a >= 0 && t_[a].EsPalabra("NOT") ? Anterior(t_, a) : a;
}

std::optional<Reescritura> Reescritor::DeComparacion(int i) const {
    if (t_[i].EsComparacion())
        return ConvertirTextos(
            {ex_.ExpresionHasta(Anterior(t_, i)), ex_.ExpresionDesde(Siguiente(t_, i))});
    if (t_[i].EsPalabra("IN"))
        return DeListaIn(i);
    const Tramo bajo = ex_.ExpresionDesde(Siguiente(t_, i));
    const int y = bajo.Valido() ? Siguiente(t_, bajo.fin) : -1;
    if (y < 0 || !t_[y].EsPalabra("AND"))
        return std::nullopt;
    return ConvertirTextos(
        {ex_.ExpresionHasta(OperandoDePredicado(i)), bajo, ex_.ExpresionDesde(Siguiente(t_, y))});
}

// Each element of the list is compared with the operand on its own: a text operand against
// numbers is read as a number, and text elements against a number operand.
std::optional<Reescritura> Reescritor::DeListaIn(int in) const {
    const int abre = Siguiente(t_, in);
    const int primero = abre >= 0 && t_[abre].EsSimbolo("(") ? Siguiente(t_, abre) : -1;
    if (primero < 0 || t_[primero].EsPalabra("SELECT"))
        return std::nullopt;
    const Tramo prueba = ex_.ExpresionHasta(OperandoDePredicado(in));
    const TipoSql tipo = prueba.Valido() ? ex_.Tipo(prueba) : TipoSql();
    QVector<TipoSql> numeros;
    bool textos = false;
    for (const Tramo& e : ex_.Argumentos(abre)) {
        const TipoSql te = TipoDe(e);
        if (tipo.EsNumero() && te.clase == TipoSql::Texto)
            return AlNumero(e, tipo, EsColumna(prueba));
        textos |= te.clase == TipoSql::Texto;
        if (te.EsNumero())
            numeros.append(te);
    }
    if (tipo.clase != TipoSql::Texto || numeros.isEmpty())
        return std::nullopt;
    if (textos)
        NoAdmitida(QStringLiteral("la comparación de un texto con una lista de textos y números"));
    return AlNumero(prueba, TipoComun(numeros), false);
}

std::optional<Reescritura> Reescritor::ConvertirTextos(const QVector<Tramo>& tramos) const {
    QVector<TipoSql> tipos, numeros;
    bool columnas = true;
    for (const Tramo& tramo : tramos) {
        if (!tramo.Valido())
            return std::nullopt;
        tipos.append(ex_.Tipo(tramo));
        if (tipos.back().EsNumero()) {
            numeros.append(tipos.back());
            columnas &= EsColumna(tramo);
        }
    }
    for (int k = 0; k < tramos.size() && !numeros.isEmpty(); ++k)
        if (tipos[k].clase == TipoSql::Texto)
            return AlNumero(tramos[k], TipoComun(numeros), columnas);
    return std::nullopt;
}

bool Reescritor::EsColumna(Tramo tramo) const {
    for (int k = tramo.inicio; k <= tramo.fin; ++k)
        if (t_[k].Significativo() && !t_[k].EsNombre() && !t_[k].EsSimbolo("."))
            return false;
    return true;
}

// A text written in the statement is read as the number here, once. One that is none, set
// against a column or written into it, stays as the engine has always taken it: it finds no row
// and is kept as written (the server fails, error 245).
std::optional<Reescritura> Reescritor::AlNumero(Tramo texto, const TipoSql& numero,
                                                bool dejarSiNoLoEs) const {
    if (numero.nombre == QLatin1String("bit"))
        return std::nullopt;
    const bool entero = numero.clase == TipoSql::Entero;
    if (texto.inicio == texto.fin && t_[texto.inicio].tipo == TokenSql::Cadena) {
        auto n = NumeroExacto::DesdeTextoDelServidor(t_[texto.inicio].ValorCadena(), entero);
        if (n && !entero)
            n = n->AEscala(numero.escala);
        if (n && n->DigitosEnteros() <= (entero ? 9 : numero.precision - numero.escala))
            return Reescritura{texto, n->ATexto()};
        if (!n && dejarSiNoLoEs)
            return std::nullopt;
    }
    return Reescritura{
        texto, QStringLiteral("SQLSRV_CONVERTIR(%1, %2, %3, 0)")
                   .arg(Texto(texto), QString::number(kEscalaDeTexto), numero.Argumentos())};
}

// ---------------------------------------------------------------------------------------
// A value written into a column takes the column's type, as the server converts it: the engine
// would keep a fraction in a whole or an amount's column, a text in a column of numbers, or an
// amount beyond its range.

// The "=" of "SET column = value".
bool Reescritor::EsAsignacion(int i) const {
    if (!t_[i].EsSimbolo("="))
        return false;
    for (int k = Anterior(t_, i), nivel = 0; k >= 0; k = Anterior(t_, k)) {
        nivel += t_[k].EsSimbolo(")") ? 1 : t_[k].EsSimbolo("(") ? -1 : 0;
        if (nivel < 0)
            return false;
        if (nivel == 0 && t_[k].tipo == TokenSql::Palabra && !t_[k].EsNombre())
            return t_[k].EsPalabra("SET");
    }
    return false;
}

// Whether every value of the type `valor` is one of `destino` as it stands.
bool Reescritor::Cabe(const TipoSql& valor, const TipoSql& destino) const {
    const int enteros = valor.precision - valor.escala;
    if (valor.clase == TipoSql::Nulo)
        return true;
    if (destino.clase == TipoSql::Entero)
        return valor.clase == TipoSql::Entero;
    if (valor.clase != TipoSql::Entero && !valor.EsExacto())
        return false;
    if (destino.clase == TipoSql::Dinero)
        return valor.clase == TipoSql::Dinero ||
               (valor.escala <= 4 && enteros < (destino.nombre == QLatin1String("money") ? 15 : 6));
    return valor.escala <= destino.escala && enteros <= destino.precision - destino.escala;
}

// A value written as a literal is taken as the engine has always kept it, but for the decimals
// the column has no room for and a text that reads as a number.
std::optional<Reescritura> Reescritor::DeAsignacion(Tramo valor, const TipoSql& destino) const {
    const TipoSql tipo = TipoDe(valor);
    const bool numero = destino.EsExacto() || (destino.clase == TipoSql::Entero &&
                                               destino.nombre != QLatin1String("bit"));
    if (!valor.Valido() || !numero || Cabe(tipo, destino) ||
        !(tipo.EsNumero() || tipo.clase == TipoSql::Texto))
        return std::nullopt;
    if (tipo.clase == TipoSql::Texto)
        return AlNumero(valor, destino, EsLiteral(valor));
    if (EsLiteral(valor) && tipo.escala <= destino.escala)
        return std::nullopt;
    const bool truncar = destino.clase == TipoSql::Entero && tipo.clase != TipoSql::Dinero;
    return Reescritura{valor, QStringLiteral("SQLSRV_CONVERTIR(%1, %2, %3, %4)")
                                  .arg(ComoArgumento(valor), QString::number(EscalaDeLectura(tipo)),
                                       destino.Argumentos(), QString::number(truncar))};
}

// A number or a text written in the statement, with its signs.
bool Reescritor::EsLiteral(Tramo tramo) const {
    for (int k = tramo.inicio; k < tramo.fin; ++k)
        if (t_[k].Significativo() && !t_[k].EsSimbolo("-") && !t_[k].EsSimbolo("+"))
            return false;
    return t_[tramo.fin].tipo == TokenSql::Numero || t_[tramo.fin].tipo == TokenSql::Cadena;
}

void Reemplazar(TokensSql& t, Tramo tramo, const QString& texto) {
    const TokensSql nuevos = Tokenizar(texto);
    t.remove(tramo.inicio, tramo.fin - tramo.inicio + 1);
    for (int k = 0; k < nuevos.size(); ++k)
        t.insert(tramo.inicio + k, nuevos[k]);
}

} // namespace

void ReescribirComoElServidor(TokensSql& t, const EsquemaSqlite& esquema) {
    while (const auto r = Reescritor(t, esquema).Menor())
        Reemplazar(t, r->tramo, r->texto);
}

} // namespace ado
