#include "platform/ado/TSqlToSqlite.h"

#include "platform/ado/AdoTipos.h"
#include "platform/ado/DestinosDeInsert.h"
#include "platform/ado/ExpresionesSql.h"
#include "platform/ado/ReescrituraSql.h"
#include "platform/ado/TiposSqlite.h"
#include "platform/ado/TokenSql.h"
#include "platform/errors/ErrorEjecucion.h"

#include <QDateTime>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace ado {
namespace {

using Clase = EsquemaSqlite::ClaseColumna;

void Borrar(TokenSql& t) {
    t.tipo = TokenSql::Espacio;
    t.texto.clear();
}

} // namespace

// ---------------------------------------------------------------------------------------
// Dates

QDateTime FechaDeTexto(const QString& texto) {
    static const QRegularExpression diaPrimero(
        R"(^\s*(\d{1,2})([/.-])(\d{1,2})\2(\d{4}|\d{2})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)");
    static const QRegularExpression iso(
        R"(^\s*(\d{4})-?(\d{2})-?(\d{2})(?:[ T](\d{2}):(\d{2})(?::(\d{2})(?:\.\d+)?)?)?\s*$)");
    int dia, mes, anio, hora = 0, minuto = 0, segundo = 0;
    if (auto m = diaPrimero.match(texto); m.hasMatch()) {
        dia = m.captured(1).toInt();
        mes = m.captured(3).toInt();
        anio = m.captured(4).toInt();
        if (m.captured(4).size() == 2)
            anio += anio < 50 ? 2000 : 1900; // the database's two-digit year cut-off
        hora = m.captured(5).toInt();
        minuto = m.captured(6).toInt();
        segundo = m.captured(7).toInt();
    } else if (auto m = iso.match(texto); m.hasMatch()) {
        anio = m.captured(1).toInt();
        mes = m.captured(2).toInt();
        dia = m.captured(3).toInt();
        hora = m.captured(4).toInt();
        minuto = m.captured(5).toInt();
        segundo = m.captured(6).toInt();
    } else if (texto.trimmed().isEmpty()) {
        // An empty text stored into a date column is the database's zero date.
        anio = 1900, mes = 1, dia = 1;
    } else {
        return {};
    }
    const QDate fecha(anio, mes, dia);
    const QTime tiempo(hora, minuto, segundo);
    if (!fecha.isValid() || !tiempo.isValid())
        return {};
    return QDateTime(fecha, tiempo);
}

void NoAdmitida(const QString& detalle) {
    throw ErrorEjecucion(DB_E_ERRORSINCOMMAND_,
                         QStringLiteral("La base de datos incorporada no admite %1.").arg(detalle),
                         QStringLiteral("Proveedor de datos"));
}

void FechaInvalida(const QString& texto) {
    throw ErrorEjecucion(DB_E_ERRORSINCOMMAND_,
                         QStringLiteral("Error de conversión al convertir el texto '%1' en una "
                                        "fecha: no es una fecha válida.")
                             .arg(texto),
                         QStringLiteral("Proveedor de datos"));
}

QString FechaAlmacenada(const QString& texto, Clase clase) {
    const QDateTime fecha = FechaDeTexto(texto);
    if (!fecha.isValid())
        return {};
    if (clase == EsquemaSqlite::Fecha)
        return fecha.date().toString(QStringLiteral("yyyy-MM-dd"));
    return fecha.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

namespace {

// ---------------------------------------------------------------------------------------
// Splitting a batch

bool EmpiezaConPalabra(const TokensSql& t, const char* palabra) {
    const int i = Siguiente(t, -1);
    return i >= 0 && t[i].EsPalabra(palabra);
}

bool TieneFuenteDeInsert(const TokensSql& actual) {
    int profundidad = 0;
    for (const TokenSql& t : actual) {
        profundidad += t.EsSimbolo("(") ? 1 : t.EsSimbolo(")") ? -1 : 0;
        if (profundidad == 0 && t.EsUnaDe({"SELECT", "VALUES"}))
            return true;
    }
    return false;
}

bool AbreSelect(const TokensSql& actual, int anterior) {
    if (anterior >= 0 && (actual[anterior].EsUnaDe({"UNION", "ALL", "EXCEPT", "INTERSECT", "AS"}) ||
                          actual[anterior].EsSimbolo("(")))
        return false;
    if (EmpiezaConPalabra(actual, "WITH"))
        return false;
    return !EmpiezaConPalabra(actual, "INSERT") || TieneFuenteDeInsert(actual);
}

// Whether the word starts a new statement of the batch being collected in `actual`.
bool EmpiezaSentencia(const TokensSql& actual, const TokenSql& palabra) {
    const int anterior = Anterior(actual, actual.size());
    if (anterior < 0)
        return false;
    if (actual[anterior].EsUnaDe({"OF", "INSTEAD", "AFTER", "BEFORE", "FOR"}) ||
        (actual[anterior].EsPalabra("ON") && palabra.EsUnaDe({"UPDATE", "DELETE"})))
        return false;
    if (palabra.EsUnaDe({"INSERT", "UPDATE", "DELETE", "BEGIN", "COMMIT", "ROLLBACK", "CREATE",
                         "DROP", "ALTER", "GO"}))
        return true;
    if (palabra.EsPalabra("SET"))
        return !EmpiezaConPalabra(actual, "UPDATE");
    if (palabra.EsPalabra("SELECT"))
        return AbreSelect(actual, anterior);
    return false;
}

QVector<TokensSql> DividirLote(const TokensSql& tokens) {
    QVector<TokensSql> sentencias;
    TokensSql actual;
    int profundidad = 0;
    auto cerrar = [&] {
        if (Siguiente(actual, -1) >= 0)
            sentencias.append(actual);
        actual.clear();
    };
    for (const TokenSql& t : tokens) {
        profundidad += t.EsSimbolo("(") ? 1 : t.EsSimbolo(")") ? -1 : 0;
        if (profundidad == 0 && t.EsSimbolo(";")) {
            cerrar();
            continue;
        }
        if (profundidad == 0 && t.tipo == TokenSql::Palabra && EmpiezaSentencia(actual, t))
            cerrar();
        actual.append(t);
    }
    cerrar();
    return sentencias;
}

} // namespace

namespace {

// ---------------------------------------------------------------------------------------
// Small rewrites

void QuitarPropietario(TokensSql& t) {
    for (int i = 0; i + 1 < t.size(); ++i)
        if (t[i].EsPalabra("dbo") && t[i + 1].EsSimbolo(".")) {
            Borrar(t[i]);
            Borrar(t[i + 1]);
        }
}

void QuitarPrefijoNacional(TokensSql& t) {
    for (int i = 0; i + 1 < t.size(); ++i)
        if (t[i].EsPalabra("N") && t[i + 1].tipo == TokenSql::Cadena)
            Borrar(t[i]);
}

// The engine's brackets cannot hold a ']' ("[a]]b]" is the server's name "a]b"): such a name
// goes between backquotes, which the engine never takes for a text as it may do with "...".
void CorchetesDobles(TokensSql& t) {
    for (TokenSql& k : t)
        if (k.tipo == TokenSql::Corchete && k.texto.contains(QLatin1String("]]")))
            k.texto = u'`' + k.Nombre().replace(u'`', QLatin1String("``")) + u'`';
}

void CompletarDelete(TokensSql& t) {
    const int del = Siguiente(t, -1);
    if (del < 0 || !t[del].EsPalabra("DELETE"))
        return;
    const int tabla = Siguiente(t, del);
    if (tabla < 0 || t[tabla].EsPalabra("FROM"))
        return;
    for (int i = tabla + 1; i < t.size(); ++i)
        if (t[i].EsPalabra("FROM"))
            NoAdmitida(QStringLiteral("DELETE con FROM adicional"));
    t[tabla].texto.prepend(QLatin1String("FROM "));
}

void RenombrarFunciones(TokensSql& t) {
    static const QHash<QString, QString> nombres = {{"isnull", "IFNULL"}, {"substring", "SUBSTR"}};
    static const QSet<QString> ausentes = {"convert", "getdate", "dateadd", "datediff", "datepart"};
    for (int i = 0; i < t.size(); ++i) {
        const int sig = Siguiente(t, i);
        if (t[i].tipo != TokenSql::Palabra || sig < 0 || !t[sig].EsSimbolo("("))
            continue;
        const QString nombre = t[i].texto.toLower();
        if (ausentes.contains(nombre))
            NoAdmitida(QStringLiteral("la función %1").arg(t[i].texto.toUpper()));
        if (nombres.contains(nombre))
            t[i].texto = nombres.value(nombre);
    }
}

} // namespace

namespace {

// ---------------------------------------------------------------------------------------
// String literals: the comparison collation, and day-first dates where they meet a date
// column (compared with it, assigned to it, or inserted into it).

QString ColumnaQueTermina(const TokensSql& t, int j) {
    return j >= 0 && t[j].EsNombre() ? t[j].Nombre() : QString();
}

QString ColumnaQueEmpieza(const TokensSql& t, int j) {
    if (j < 0 || !t[j].EsNombre())
        return {};
    QString nombre = t[j].Nombre();
    for (int k = Siguiente(t, j); k >= 0 && t[k].EsSimbolo(".");) {
        j = Siguiente(t, k);
        if (j < 0 || !t[j].EsNombre())
            return {};
        nombre = t[j].Nombre();
        k = Siguiente(t, j);
    }
    // A name followed by '(' is a function, not a column.
    const int s = Siguiente(t, j);
    return s >= 0 && t[s].EsSimbolo("(") ? QString() : nombre;
}

QString ColumnaAntesDe(const TokensSql& t, int k) {
    int j = Anterior(t, k);
    if (j >= 0 && t[j].EsPalabra("NOT"))
        j = Anterior(t, j);
    return ColumnaQueTermina(t, j);
}

bool EnListaIn(const TokensSql& t, int i, QString* columna) {
    int j = Anterior(t, i);
    while (j >= 0 && t[j].EsSimbolo(",")) {
        j = Anterior(t, j);
        if (j < 0 || (t[j].tipo != TokenSql::Cadena && t[j].tipo != TokenSql::Numero))
            return false;
        j = Anterior(t, j);
    }
    if (j < 0 || !t[j].EsSimbolo("("))
        return false;
    const int in = Anterior(t, j);
    if (in < 0 || !t[in].EsPalabra("IN"))
        return false;
    *columna = ColumnaAntesDe(t, in);
    return true;
}

// ISNULL(column, ...) and COALESCE(column, ...) with the function word at `nombre` take the
// type of their first column; the server compares a date literal with them as a date.
QString ColumnaDeNulo(const TokensSql& t, int nombre) {
    if (nombre < 0 || !t[nombre].EsUnaDe({"IFNULL", "ISNULL", "COALESCE"}))
        return {};
    const int abre = Siguiente(t, nombre);
    if (abre < 0 || !t[abre].EsSimbolo("("))
        return {};
    const int primero = Siguiente(t, abre);
    return primero >= 0 && t[primero].tipo != TokenSql::Cadena ? ColumnaQueEmpieza(t, primero)
                                                               : QString();
}

QString OperandoQueTermina(const TokensSql& t, int j) {
    if (j < 0 || !t[j].EsSimbolo(")"))
        return ColumnaQueTermina(t, j);
    for (int k = j - 1, profundidad = 1; k >= 0; --k) {
        profundidad += t[k].EsSimbolo(")") ? 1 : t[k].EsSimbolo("(") ? -1 : 0;
        if (profundidad == 0)
            return ColumnaDeNulo(t, Anterior(t, k));
    }
    return {};
}

QString OperandoQueEmpieza(const TokensSql& t, int j) {
    const QString columna = ColumnaQueEmpieza(t, j);
    return columna.isEmpty() ? ColumnaDeNulo(t, j) : columna;
}

bool OperandoDeComparacion(const TokensSql& t, int i, QString* columna) {
    const int a = Anterior(t, i);
    const int s = Siguiente(t, i);
    if (a >= 0 && t[a].EsComparacion()) {
        *columna = OperandoQueTermina(t, Anterior(t, a));
        return true;
    }
    if (s >= 0 && t[s].EsComparacion()) {
        *columna = OperandoQueEmpieza(t, Siguiente(t, s));
        return true;
    }
    if (a >= 0 && t[a].EsPalabra("BETWEEN")) {
        *columna = ColumnaAntesDe(t, a);
        return true;
    }
    if (a >= 0 && t[a].EsPalabra("AND")) {
        const int q = Anterior(t, a);
        const int r = q >= 0 ? Anterior(t, q) : -1;
        if (r >= 0 && t[r].EsPalabra("BETWEEN")) {
            *columna = ColumnaAntesDe(t, r);
            return true;
        }
    }
    return EnListaIn(t, i, columna);
}

} // namespace

namespace {

Clase ClaseDeColumna(const QString& columna, const QStringList& tablas,
                     const EsquemaSqlite& esquema) {
    for (const QString& tabla : tablas)
        if (Clase c = esquema.ClaseDe(tabla, columna); c != EsquemaSqlite::Otra)
            return c;
    return EsquemaSqlite::Otra;
}

// A day-first date: compared with an expression, it is a date or a text by the expression's
// type, which the translator does not know.
bool PareceFecha(const QString& texto) {
    static const QRegularExpression fecha(R"(^\s*\d{1,2}([/.-])\d{1,2}\1(\d{4}|\d{2})(\s|$))");
    return fecha.match(texto).hasMatch();
}

void TratarLiterales(TokensSql& t, const EsquemaSqlite& esquema) {
    const QStringList tablas = TablasReferidas(t, esquema);
    const DestinosDeInsert insert(t, esquema);
    const QString colacion = QStringLiteral(" COLLATE ") + QLatin1String(kColacion);
    for (int i = 0; i < t.size(); ++i) {
        if (t[i].tipo != TokenSql::Cadena)
            continue;
        QString columna;
        const bool comparado = OperandoDeComparacion(t, i, &columna);
        Clase clase = EsquemaSqlite::Otra;
        if (comparado && !columna.isEmpty())
            clase = ClaseDeColumna(columna, tablas, esquema);
        else if (comparado && PareceFecha(t[i].ValorCadena()))
            NoAdmitida(QStringLiteral("la comparación de la fecha '%1' con una expresión")
                           .arg(t[i].ValorCadena()));
        else if (!comparado && !insert.ColumnaDe(i).isEmpty())
            clase = esquema.ClaseDe(insert.Tabla(), insert.ColumnaDe(i));
        if (clase != EsquemaSqlite::Otra) {
            const QString fecha = FechaAlmacenada(t[i].ValorCadena(), clase);
            if (fecha.isEmpty())
                FechaInvalida(t[i].ValorCadena());
            t[i].texto = QLatin1Char('\'') + fecha + QLatin1Char('\'');
        }
        if (comparado)
            t[i].texto += colacion;
        // Written as "'X'and": the words must not run together.
        if (comparado && i + 1 < t.size() && t[i + 1].tipo == TokenSql::Palabra)
            t[i].texto += QLatin1Char(' ');
    }
}

// ---------------------------------------------------------------------------------------
// TOP n: the row limit goes to the end of the SELECT it belongs to.

int FinDeSelect(const TokensSql& t, int select) {
    int profundidad = 0;
    int ultimo = select;
    for (int j = select + 1; j < t.size(); ++j) {
        profundidad += t[j].EsSimbolo("(") ? 1 : t[j].EsSimbolo(")") ? -1 : 0;
        if (profundidad < 0)
            break;
        if (profundidad == 0 && t[j].EsUnaDe({"UNION", "EXCEPT", "INTERSECT"}))
            NoAdmitida(QStringLiteral("TOP en una consulta con UNION"));
        if (t[j].Significativo())
            ultimo = j;
    }
    return ultimo;
}

// Removes "TOP n" or "TOP (n)" after position `top` and gives n.
QString QuitarTop(TokensSql& t, int top) {
    int n = Siguiente(t, top);
    const bool parentesis = n >= 0 && t[n].EsSimbolo("(");
    if (parentesis)
        n = Siguiente(t, n);
    if (n < 0 || t[n].tipo != TokenSql::Numero)
        NoAdmitida(QStringLiteral("TOP sin un número de filas"));
    const QString filas = t[n].texto;
    int fin = parentesis ? Siguiente(t, n) : n;
    const int sig = Siguiente(t, fin);
    if (sig >= 0 && t[sig].EsUnaDe({"PERCENT", "WITH"}))
        NoAdmitida(QStringLiteral("TOP %1").arg(t[sig].texto.toUpper()));
    for (int j = top; j <= fin; ++j)
        Borrar(t[j]);
    return filas;
}

void TraducirTop(TokensSql& t) {
    // Limits are added once every SELECT was measured, so nested ones see the plain tokens.
    QHash<int, QString> limites;
    for (int i = 0; i < t.size(); ++i) {
        if (!t[i].EsPalabra("SELECT"))
            continue;
        int top = Siguiente(t, i);
        if (top >= 0 && t[top].EsUnaDe({"DISTINCT", "ALL"}))
            top = Siguiente(t, top);
        if (top < 0 || !t[top].EsPalabra("TOP"))
            continue;
        const QString filas = QuitarTop(t, top);
        limites[FinDeSelect(t, i)] += QStringLiteral(" LIMIT ") + filas;
    }
    for (auto it = limites.cbegin(); it != limites.cend(); ++it)
        t[it.key()].texto += it.value();
    for (int i = 0; i < t.size(); ++i)
        if (t[i].EsUnaDe({"UPDATE", "DELETE"}) && Siguiente(t, i) >= 0 &&
            t[Siguiente(t, i)].EsPalabra("TOP"))
            NoAdmitida(QStringLiteral("TOP en %1").arg(t[i].texto.toUpper()));
}

// Text columns added later compare like the others.
void ColacionEnColumnaNueva(TokensSql& t) {
    static const QSet<QString> textos = {"char", "varchar", "nchar", "nvarchar", "text", "ntext"};
    if (!EmpiezaConPalabra(t, "ALTER"))
        return;
    for (int i = 0; i < t.size(); ++i) {
        if (!t[i].EsPalabra("ADD"))
            continue;
        int tipo = Siguiente(t, Siguiente(t, i));
        if (tipo < 0 || !textos.contains(t[tipo].texto.toLower()))
            return;
        int fin = tipo;
        if (int p = Siguiente(t, tipo); p >= 0 && t[p].EsSimbolo("("))
            while (fin < t.size() - 1 && !t[fin].EsSimbolo(")"))
                ++fin;
        t[fin].texto += QStringLiteral(" COLLATE ") + QLatin1String(kColacion);
        return;
    }
}

} // namespace

namespace {

// ---------------------------------------------------------------------------------------
// Results of functions: their collation and their type.

// The SELECT whose list holds the call whose name is at `nombre` and whose ")" is at `cierre` as
// a whole item without a name of its own; -1 when none does.
int SelectDeElemento(const TokensSql& t, int nombre, int cierre) {
    const int s = Siguiente(t, cierre);
    if (s >= 0 && !t[s].EsSimbolo(",") && !t[s].EsSimbolo(")") &&
        !t[s].EsUnaDe({"FROM", "INTO", "UNION"}))
        return -1;
    for (int k = Anterior(t, nombre), profundidad = 0; k >= 0; k = Anterior(t, k)) {
        profundidad += t[k].EsSimbolo(")") ? 1 : t[k].EsSimbolo("(") ? -1 : 0;
        if (profundidad < 0)
            return -1;
        if (profundidad == 0 && t[k].EsUnaDe({"SELECT", "FROM", "WHERE", "BY", "HAVING", "ON",
                                              "SET", "VALUES", "WHEN", "THEN", "ELSE"}))
            return t[k].EsPalabra("SELECT") ? k : -1;
    }
    return -1;
}

// The name of the function whose arguments hold the token at `i`; -1 when none does.
int FuncionQueEnvuelve(const TokensSql& t, int i) {
    for (int k = i - 1, profundidad = 0; k >= 0; --k) {
        profundidad += t[k].EsSimbolo(")") ? 1 : t[k].EsSimbolo("(") ? -1 : 0;
        if (profundidad < 0) {
            const int nombre = Anterior(t, k);
            return nombre >= 0 && t[nombre].tipo == TokenSql::Palabra && t[nombre].EsNombre()
                       ? nombre
                       : -1;
        }
    }
    return -1;
}

bool DaTexto(const TokenSql& funcion) {
    return FuncionesDeTexto().contains(funcion.texto.toLower()) ||
           funcion.EsUnaDe({"IFNULL", "ISNULL", "COALESCE", "SQLSRV_TEXTO", "SQLSRV_FECHA_TEXTO",
                            "SQLSRV_NUMERO_TEXTO"});
}

// Words to insert after the token at `despues`; at one place a name goes after a collation.
struct Insercion {
    int despues;
    bool nombre;
    TokensSql palabras;
};

// Text results compare, sort, tell rows apart (DISTINCT) and find the least and the greatest
// (MIN, MAX) as the columns they come from: an outermost call of a text function takes the
// server's collation. A whole item of a plain select list is left alone: nothing compares it
// there. An item that gets the collation keeps the name the engine gave it.
void ColacionDeFunciones(TokensSql& t) {
    const TokensSql colacion = {{TokenSql::Espacio, QStringLiteral(" ")},
                                {TokenSql::Palabra, QStringLiteral("COLLATE")},
                                {TokenSql::Espacio, QStringLiteral(" ")},
                                {TokenSql::Palabra, QLatin1String(kColacion)}};
    QVector<Insercion> inserciones;
    for (int i = 0; i < t.size(); ++i) {
        const int abre = Siguiente(t, i);
        const int cierre = abre >= 0 && t[abre].EsSimbolo("(") ? ParentesisQueCierra(t, abre) : -1;
        if (t[i].tipo != TokenSql::Palabra || cierre < 0 || !DaTexto(t[i]))
            continue;
        const int envuelve = FuncionQueEnvuelve(t, i);
        if (envuelve >= 0 && !t[envuelve].EsUnaDe({"MIN", "MAX"}))
            continue;
        const int nombre = envuelve >= 0 ? envuelve : i;
        const int fin = envuelve >= 0 ? ParentesisQueCierra(t, Siguiente(t, envuelve)) : cierre;
        const int select = SelectDeElemento(t, nombre, fin);
        const int distinto = select >= 0 ? Siguiente(t, select) : -1;
        if (envuelve < 0 && select >= 0 && (distinto < 0 || !t[distinto].EsPalabra("DISTINCT")))
            continue;
        // Written as "(...)AS X": the words must not run together.
        const bool pegada = cierre + 1 < t.size() && t[cierre + 1].tipo == TokenSql::Palabra;
        inserciones.append(
            {cierre, false, pegada ? colacion + TokensSql{{TokenSql::Espacio, " "}} : colacion});
        if (select >= 0)
            inserciones.append({fin, true,
                                Tokenizar(QStringLiteral(" AS \"%1\"")
                                              .arg(Unir(t.mid(nombre, fin - nombre + 1))
                                                       .replace(u'"', QLatin1String("\"\""))))});
    }
    // From the end, so that the places still to come keep their positions.
    std::sort(inserciones.begin(), inserciones.end(), [](const Insercion& a, const Insercion& b) {
        return a.despues != b.despues ? a.despues > b.despues : a.nombre > b.nombre;
    });
    for (const Insercion& insercion : inserciones)
        for (auto k = insercion.palabras.crbegin(); k != insercion.palabras.crend(); ++k)
            t.insert(insercion.despues + 1, *k);
}

} // namespace

namespace {

using ClaseSentencia = SentenciaTraducida::Clase;

// Transaction statements may name the transaction; the name changes nothing here.
ClaseSentencia ClaseDeTransaccion(const TokensSql& t, int primera) {
    const int sig = Siguiente(t, primera);
    const bool conPalabra = sig >= 0 && t[sig].EsUnaDe({"TRAN", "TRANSACTION", "WORK"});
    if (t[primera].EsPalabra("BEGIN")) {
        if (!conPalabra || t[sig].EsPalabra("WORK"))
            NoAdmitida(QStringLiteral("bloques BEGIN ... END"));
        return SentenciaTraducida::IniciarTransaccion;
    }
    if (t[primera].EsPalabra("COMMIT"))
        return SentenciaTraducida::ConfirmarTransaccion;
    return SentenciaTraducida::DeshacerTransaccion;
}

ClaseSentencia Clasificar(const TokensSql& t, bool* cambiaEsquema) {
    const int primera = Siguiente(t, -1);
    const TokenSql& p = t[primera];
    *cambiaEsquema = p.EsUnaDe({"CREATE", "ALTER", "DROP"});
    if (p.EsUnaDe({"BEGIN", "COMMIT", "ROLLBACK"}))
        return ClaseDeTransaccion(t, primera);
    if (p.EsPalabra("GO"))
        return SentenciaTraducida::Ninguna;
    if (p.EsPalabra("SET")) {
        const int sig = Siguiente(t, primera);
        if (sig >= 0 && t[sig].EsPalabra("NOCOUNT"))
            return SentenciaTraducida::Ninguna;
    }
    if (!p.EsUnaDe({"SELECT", "INSERT", "UPDATE", "DELETE", "WITH", "CREATE", "ALTER", "DROP"}))
        NoAdmitida(QStringLiteral("la sentencia %1").arg(p.texto.toUpper()));
    return SentenciaTraducida::Normal;
}

QString Traducir(TokensSql t, const EsquemaSqlite& esquema) {
    QuitarPropietario(t);
    QuitarPrefijoNacional(t);
    CompletarDelete(t);
    RenombrarFunciones(t);
    ReescribirComoElServidor(t, esquema);
    TratarLiterales(t, esquema);
    ColacionDeFunciones(t);
    TraducirTop(t);
    ColacionEnColumnaNueva(t);
    CorchetesDobles(t);
    return Unir(t).trimmed();
}

} // namespace

QVector<SentenciaTraducida> TraducirLote(const QString& sql, const EsquemaSqlite& esquema) {
    QVector<SentenciaTraducida> lote;
    for (const TokensSql& tokens : DividirLote(Tokenizar(sql))) {
        SentenciaTraducida s;
        s.clase = Clasificar(tokens, &s.cambiaEsquema);
        if (s.clase == SentenciaTraducida::Normal)
            s.sql = Traducir(tokens, esquema);
        lote.append(s);
    }
    return lote;
}

} // namespace ado
