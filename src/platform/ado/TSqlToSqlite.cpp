#include "platform/ado/TSqlToSqlite.h"

#include "platform/ado/AdoTipos.h"
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

[[noreturn]] void NoAdmitida(const QString& detalle) {
    throw ErrorEjecucion(DB_E_ERRORSINCOMMAND_,
                         QStringLiteral("La base de datos incorporada no admite %1.").arg(detalle),
                         QStringLiteral("Proveedor de datos"));
}

bool EsUnaDe(const TokenSql& t, std::initializer_list<const char*> palabras) {
    for (const char* p : palabras)
        if (t.EsPalabra(p))
            return true;
    return false;
}

bool EsNombre(const TokenSql& t) {
    static const QSet<QString> reservadas = {
        "select",   "from",    "where", "and",   "or",     "not",    "on",    "set",
        "case",     "when",    "then",  "else",  "end",    "is",     "null",  "in",
        "like",     "between", "as",    "by",    "values", "exists", "union", "all",
        "distinct", "top",     "join",  "inner", "left",   "right",  "outer", "having"};
    if (t.tipo == TokenSql::Corchete || t.tipo == TokenSql::Identificador)
        return true;
    return t.tipo == TokenSql::Palabra && !reservadas.contains(t.texto.toLower());
}

bool EsComparacion(const TokenSql& t) {
    static const QSet<QString> ops = {"=", "<>", "!=", "<", ">", "<=", ">=", "!<", "!>"};
    return t.tipo == TokenSql::Simbolo && ops.contains(t.texto);
}

void Borrar(TokenSql& t) {
    t.tipo = TokenSql::Espacio;
    t.texto.clear();
}

// The "(" that the ")" at `cierre` closes; -1 when none does.
int ParentesisQueAbre(const TokensSql& t, int cierre) {
    for (int k = cierre - 1, profundidad = 1; k >= 0; --k) {
        profundidad += t[k].EsSimbolo(")") ? 1 : t[k].EsSimbolo("(") ? -1 : 0;
        if (profundidad == 0)
            return k;
    }
    return -1;
}

// The ")" that closes the "(" at `abre`; -1 when none does.
int ParentesisQueCierra(const TokensSql& t, int abre) {
    for (int k = abre + 1, profundidad = 1; k < t.size(); ++k) {
        profundidad += t[k].EsSimbolo("(") ? 1 : t[k].EsSimbolo(")") ? -1 : 0;
        if (profundidad == 0)
            return k;
    }
    return -1;
}

// Functions whose result is a text: on the server it keeps its argument's collation, here it
// would have none.
const QSet<QString>& FuncionesDeTexto() {
    static const QSet<QString> nombres = {"rtrim",   "ltrim",  "trim", "upper",     "lower",
                                          "replace", "substr", "left", "substring", "right"};
    return nombres;
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
        if (profundidad == 0 && EsUnaDe(t, {"SELECT", "VALUES"}))
            return true;
    }
    return false;
}

bool AbreSelect(const TokensSql& actual, int anterior) {
    if (anterior >= 0 &&
        (EsUnaDe(actual[anterior], {"UNION", "ALL", "EXCEPT", "INTERSECT", "AS"}) ||
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
    if (EsUnaDe(actual[anterior], {"OF", "INSTEAD", "AFTER", "BEFORE", "FOR"}) ||
        (actual[anterior].EsPalabra("ON") && EsUnaDe(palabra, {"UPDATE", "DELETE"})))
        return false;
    if (EsUnaDe(palabra, {"INSERT", "UPDATE", "DELETE", "BEGIN", "COMMIT", "ROLLBACK", "CREATE",
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
    return j >= 0 && EsNombre(t[j]) ? t[j].Nombre() : QString();
}

QString ColumnaQueEmpieza(const TokensSql& t, int j) {
    if (j < 0 || !EsNombre(t[j]))
        return {};
    QString nombre = t[j].Nombre();
    for (int k = Siguiente(t, j); k >= 0 && t[k].EsSimbolo(".");) {
        j = Siguiente(t, k);
        if (j < 0 || !EsNombre(t[j]))
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
    if (nombre < 0 || !EsUnaDe(t[nombre], {"IFNULL", "ISNULL", "COALESCE"}))
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
    if (a >= 0 && EsComparacion(t[a])) {
        *columna = OperandoQueTermina(t, Anterior(t, a));
        return true;
    }
    if (s >= 0 && EsComparacion(t[s])) {
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

// Which column each literal of an INSERT's value list or select list goes into.
class DestinosDeInsert {
public:
    DestinosDeInsert(const TokensSql& t, const EsquemaSqlite& esquema);
    QString Tabla() const { return tabla_; }
    QString ColumnaDe(int literal) const { return destino_.value(literal); }

private:
    int LeerColumnas(int i, const EsquemaSqlite& esquema);
    void LeerValores(int i);
    void LeerSelect(int i);
    void Asignar(int desde, int hasta, int posicion);

    const TokensSql& t_;
    QString tabla_;
    QStringList columnas_;
    QHash<int, QString> destino_;
};

DestinosDeInsert::DestinosDeInsert(const TokensSql& t, const EsquemaSqlite& esquema) : t_(t) {
    int i = Siguiente(t, -1);
    if (i < 0 || !t[i].EsPalabra("INSERT"))
        return;
    i = Siguiente(t, i);
    if (i >= 0 && t[i].EsPalabra("INTO"))
        i = Siguiente(t, i);
    if (i < 0 || !EsNombre(t[i]))
        return;
    tabla_ = t[i].Nombre();
    i = LeerColumnas(Siguiente(t, i), esquema);
    if (i >= 0 && t[i].EsPalabra("VALUES"))
        LeerValores(Siguiente(t, i));
    else if (i >= 0 && t[i].EsPalabra("SELECT"))
        LeerSelect(Siguiente(t, i));
}

int DestinosDeInsert::LeerColumnas(int i, const EsquemaSqlite& esquema) {
    if (i < 0 || !t_[i].EsSimbolo("(")) {
        columnas_ = esquema.ColumnasInsertables(tabla_);
        return i;
    }
    for (i = Siguiente(t_, i); i >= 0 && !t_[i].EsSimbolo(")"); i = Siguiente(t_, i))
        if (EsNombre(t_[i]))
            columnas_.append(t_[i].Nombre());
    return i < 0 ? -1 : Siguiente(t_, i);
}

// A value counts when it is one literal alone between its separators.
void DestinosDeInsert::Asignar(int desde, int hasta, int posicion) {
    int unico = -1;
    for (int j = desde + 1; j < hasta; ++j) {
        if (!t_[j].Significativo())
            continue;
        if (unico >= 0)
            return;
        unico = j;
    }
    if (unico >= 0 && t_[unico].tipo == TokenSql::Cadena && posicion < columnas_.size())
        destino_.insert(unico, columnas_[posicion]);
}

void DestinosDeInsert::LeerValores(int i) {
    while (i >= 0 && t_[i].EsSimbolo("(")) {
        int profundidad = 0, posicion = 0, inicio = i, j = i + 1;
        for (; j < t_.size(); ++j) {
            const TokenSql& k = t_[j];
            if (profundidad == 0 && (k.EsSimbolo(",") || k.EsSimbolo(")"))) {
                Asignar(inicio, j, posicion++);
                inicio = j;
                if (k.EsSimbolo(")"))
                    break;
            }
            profundidad += k.EsSimbolo("(") ? 1 : k.EsSimbolo(")") ? -1 : 0;
        }
        i = Siguiente(t_, j);
        if (i < 0 || !t_[i].EsSimbolo(","))
            return;
        i = Siguiente(t_, i);
    }
}

void DestinosDeInsert::LeerSelect(int i) {
    int profundidad = 0, posicion = 0, inicio = Anterior(t_, i), j = i;
    for (; j >= 0 && j < t_.size(); ++j) {
        const TokenSql& k = t_[j];
        if (profundidad == 0 && k.EsPalabra("FROM"))
            break;
        if (profundidad == 0 && k.EsSimbolo(",")) {
            Asignar(inicio, j, posicion++);
            inicio = j;
        }
        profundidad += k.EsSimbolo("(") ? 1 : k.EsSimbolo(")") ? -1 : 0;
    }
    if (j >= 0)
        Asignar(inicio, j, posicion);
}

} // namespace

namespace {

QStringList TablasReferidas(const TokensSql& t, const EsquemaSqlite& esquema) {
    QStringList tablas;
    for (const TokenSql& k : t)
        if (EsNombre(k) && esquema.Existe(k.Nombre()) &&
            !tablas.contains(k.Nombre(), Qt::CaseInsensitive))
            tablas.append(k.Nombre());
    return tablas;
}

Clase ClaseDeColumna(const QString& columna, const QStringList& tablas,
                     const EsquemaSqlite& esquema) {
    for (const QString& tabla : tablas)
        if (Clase c = esquema.ClaseDe(tabla, columna); c != EsquemaSqlite::Otra)
            return c;
    return EsquemaSqlite::Otra;
}

QString TipoDeColumna(const QString& columna, const QStringList& tablas,
                      const EsquemaSqlite& esquema) {
    for (const QString& tabla : tablas)
        if (QString tipo = esquema.TipoDe(tabla, columna); !tipo.isEmpty())
            return tipo.trimmed().toUpper();
    return {};
}

QString TipoDeLlamada(const TokensSql& t, int nombre, const QStringList& tablas,
                      const EsquemaSqlite& esquema);

// "TEXT" or "NUMBER" for a literal; empty for any other token.
QString TipoDeLiteral(const TokenSql& token) {
    if (token.tipo == TokenSql::Cadena)
        return QStringLiteral("TEXT");
    if (token.tipo == TokenSql::Numero)
        return QStringLiteral("NUMBER");
    return {};
}

// The declared type of the operand that ends at `j` or starts at `j`: a column, "TEXT" or
// "NUMBER" for a literal, what a function the translator knows gives; empty when it cannot
// tell.
QString TipoQueTermina(const TokensSql& t, int j, const QStringList& tablas,
                       const EsquemaSqlite& esquema) {
    if (j < 0)
        return {};
    if (QString tipo = TipoDeLiteral(t[j]); !tipo.isEmpty())
        return tipo;
    if (t[j].EsSimbolo(")")) {
        const int abre = ParentesisQueAbre(t, j);
        return abre < 0 ? QString() : TipoDeLlamada(t, Anterior(t, abre), tablas, esquema);
    }
    const QString columna = ColumnaQueTermina(t, j);
    return columna.isEmpty() ? QString() : TipoDeColumna(columna, tablas, esquema);
}

QString TipoQueEmpieza(const TokensSql& t, int j, const QStringList& tablas,
                       const EsquemaSqlite& esquema) {
    if (j < 0)
        return {};
    if (QString tipo = TipoDeLiteral(t[j]); !tipo.isEmpty())
        return tipo;
    if (const int s = Siguiente(t, j); s >= 0 && t[s].EsSimbolo("("))
        return TipoDeLlamada(t, j, tablas, esquema);
    const QString columna = ColumnaQueEmpieza(t, j);
    return columna.isEmpty() ? QString() : TipoDeColumna(columna, tablas, esquema);
}

// What a call of a function the translator knows gives: its text functions a text, ISNULL
// and its kin the type of their first argument.
QString TipoDeLlamada(const TokensSql& t, int nombre, const QStringList& tablas,
                      const EsquemaSqlite& esquema) {
    if (nombre < 0 || t[nombre].tipo != TokenSql::Palabra)
        return {};
    const QString funcion = t[nombre].texto.toLower();
    if (FuncionesDeTexto().contains(funcion))
        return QStringLiteral("TEXT");
    if (EsUnaDe(t[nombre], {"LEN", "CHARINDEX", "COUNT"}))
        return QStringLiteral("INT");
    const int primero = Siguiente(t, Siguiente(t, nombre));
    if (EsUnaDe(t[nombre], {"IFNULL", "ISNULL", "COALESCE"}))
        return TipoQueEmpieza(t, primero, tablas, esquema);
    // An aggregate of one column has the column's type; of an expression, one the translator
    // does not work out.
    if (!EsUnaDe(t[nombre], {"MAX", "MIN", "SUM", "AVG", "ABS"}) || primero < 0 ||
        !EsNombre(t[primero]))
        return {};
    int fin = primero;
    for (int punto = Siguiente(t, fin); punto >= 0 && t[punto].EsSimbolo(".");
         punto = Siguiente(t, fin))
        fin = Siguiente(t, punto);
    const int cierre = fin < 0 ? -1 : Siguiente(t, fin);
    return cierre >= 0 && t[cierre].EsSimbolo(")") ? TipoQueEmpieza(t, primero, tablas, esquema)
                                                   : QString();
}

bool EsTipoTexto(const QString& tipo) {
    return tipo.contains(QLatin1String("CHAR")) || tipo.contains(QLatin1String("TEXT"));
}

bool EsTipoFecha(const QString& tipo) {
    return EsquemaSqlite::ClaseDeTipo(tipo) != EsquemaSqlite::Otra;
}

bool EsTipoNumero(const QString& tipo) {
    return !tipo.isEmpty() && !EsTipoTexto(tipo) && !EsTipoFecha(tipo);
}

// Whole numbers divide as whole numbers on both engines, and floating ones as such; an
// exact number (MONEY, DECIMAL) may be stored here without its fraction and divide as a
// whole one, and an expression may be either.
bool DivideComoElServidor(const QString& tipo) {
    static const QRegularExpression seguros(
        QStringLiteral(R"(^(NUMBER|BIT|(TINY|SMALL|BIG)?INT(EGER)?|FLOAT|REAL|DOUBLE.*)$)"));
    return seguros.match(tipo).hasMatch();
}

// Where the operand that ends at `fin` starts: its opening parenthesis or function name, or
// the first part of a qualified name.
int InicioDeOperando(const TokensSql& t, int fin) {
    int inicio = fin;
    if (t[fin].EsSimbolo(")")) {
        inicio = ParentesisQueAbre(t, fin);
        const int nombre = inicio < 0 ? -1 : Anterior(t, inicio);
        return nombre >= 0 && t[nombre].tipo == TokenSql::Palabra && EsNombre(t[nombre]) ? nombre
                                                                                         : inicio;
    }
    for (int punto = Anterior(t, inicio); punto >= 0 && t[punto].EsSimbolo(".");
         punto = Anterior(t, inicio))
        inicio = Anterior(t, punto);
    return inicio;
}

// The server divides by the type of the whole product before "/" ("IMP * 2 / 3" keeps the
// fraction of an amount): every factor of it must divide alike here.
void RechazarDivision(const TokensSql& t, int barra, const QStringList& tablas,
                      const EsquemaSqlite& esquema) {
    bool seguro = DivideComoElServidor(TipoQueEmpieza(t, Siguiente(t, barra), tablas, esquema));
    for (int fin = Anterior(t, barra); seguro && fin >= 0;) {
        seguro = DivideComoElServidor(TipoQueTermina(t, fin, tablas, esquema));
        const int inicio = InicioDeOperando(t, fin);
        const int op = inicio < 0 ? -1 : Anterior(t, inicio);
        if (op < 0 || !(t[op].EsSimbolo("*") || t[op].EsSimbolo("/") || t[op].EsSimbolo("%")))
            break;
        fin = Anterior(t, op);
    }
    if (!seguro)
        NoAdmitida(QStringLiteral("la división con '/' de importes, decimales o expresiones"));
}

// A binary '+' or '-': a number or a name, a literal or a call ends just before it.
bool EsBinario(const TokensSql& t, int i) {
    const int a = Anterior(t, i);
    return a >= 0 && (t[a].tipo == TokenSql::Cadena || t[a].tipo == TokenSql::Numero ||
                      t[a].EsSimbolo(")") || EsNombre(t[a]));
}

// '+' joins texts on the server but adds numbers here, dates add days there and years here,
// and '/' of the server's exact numbers keeps their fraction: what the engine would compute
// differently, or what the translator cannot tell the type of, is refused.
void RechazarAritmeticaDudosa(const TokensSql& t, const EsquemaSqlite& esquema) {
    const QStringList tablas = TablasReferidas(t, esquema);
    for (int i = 0; i < t.size(); ++i) {
        if (t[i].EsSimbolo("/"))
            RechazarDivision(t, i, tablas, esquema);
        const bool suma = t[i].EsSimbolo("+");
        if (!(suma || t[i].EsSimbolo("-")) || !EsBinario(t, i))
            continue;
        const QString a = TipoQueTermina(t, Anterior(t, i), tablas, esquema);
        const QString b = TipoQueEmpieza(t, Siguiente(t, i), tablas, esquema);
        if (EsTipoFecha(a) || EsTipoFecha(b))
            NoAdmitida(QStringLiteral("la suma o resta de fechas con '+' o '-'"));
        if (suma && (EsTipoTexto(a) || EsTipoTexto(b)))
            NoAdmitida(QStringLiteral("la concatenación de textos con '+'"));
        if (!EsTipoNumero(a) || !EsTipoNumero(b))
            NoAdmitida(QStringLiteral("la suma o resta con '+' o '-' de expresiones de tipo "
                                      "desconocido"));
    }
}

// Whether a number literal, signed or not, stands at `j`.
bool NumeroEn(const TokensSql& t, int j) {
    if (j >= 0 && (t[j].EsSimbolo("-") || t[j].EsSimbolo("+")))
        j = Siguiente(t, j);
    return j >= 0 && t[j].tipo == TokenSql::Numero;
}

// Whether the BETWEEN or IN at `i` sets a number against its operand: a bound of one token, or
// an element of a list of values (a subquery is typed by its own columns).
bool PredicadoConNumero(const TokensSql& t, int i) {
    int j = Siguiente(t, i);
    if (t[i].EsPalabra("BETWEEN")) {
        const int y = NumeroEn(t, j) ? -1 : Siguiente(t, j);
        return NumeroEn(t, j) || (y >= 0 && t[y].EsPalabra("AND") && NumeroEn(t, Siguiente(t, y)));
    }
    if (!t[i].EsPalabra("IN") || j < 0 || !t[j].EsSimbolo("(") ||
        (Siguiente(t, j) >= 0 && t[Siguiente(t, j)].EsPalabra("SELECT")))
        return false;
    for (int nivel = 0; (j = Siguiente(t, j)) >= 0;) {
        if (t[j].EsSimbolo("("))
            ++nivel;
        else if (t[j].EsSimbolo(")") && nivel-- == 0)
            return false;
        else if (nivel == 0 && t[j].tipo == TokenSql::Numero)
            return true;
    }
    return false;
}

// The operand a BETWEEN or IN tests, past a NOT.
int OperandoDePredicado(const TokensSql& t, int i) {
    const int a = Anterior(t, i);
    return a >= 0 && t[a].EsPalabra("NOT") ? Anterior(t, a) : a;
}

// The server compares a text column with a number as numbers; here the number would be
// compared as a text ('005' is not 5).
void RechazarTextoConNumero(const TokensSql& t, const EsquemaSqlite& esquema) {
    const QStringList tablas = TablasReferidas(t, esquema);
    for (int i = 0; i < t.size(); ++i) {
        if (PredicadoConNumero(t, i) &&
            EsTipoTexto(TipoQueTermina(t, OperandoDePredicado(t, i), tablas, esquema)))
            NoAdmitida(QStringLiteral("la comparación de un texto con un número"));
        if (!EsComparacion(t[i]))
            continue;
        const int a = Anterior(t, i), b = Siguiente(t, i);
        const QString ta = TipoQueTermina(t, a, tablas, esquema);
        const QString tb = TipoQueEmpieza(t, b, tablas, esquema);
        const bool numeroA = a >= 0 && t[a].tipo == TokenSql::Numero;
        const bool numeroB = b >= 0 && t[b].tipo == TokenSql::Numero;
        if ((numeroA && EsTipoTexto(tb)) || (numeroB && EsTipoTexto(ta)))
            NoAdmitida(QStringLiteral("la comparación de un texto con un número"));
    }
}

[[noreturn]] void FechaInvalida(const QString& texto) {
    throw ErrorEjecucion(DB_E_ERRORSINCOMMAND_,
                         QStringLiteral("Error de conversión al convertir el texto '%1' en una "
                                        "fecha: no es una fecha válida.")
                             .arg(texto),
                         QStringLiteral("Proveedor de datos"));
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
        if (profundidad == 0 && EsUnaDe(t[j], {"UNION", "EXCEPT", "INTERSECT"}))
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
    if (sig >= 0 && EsUnaDe(t[sig], {"PERCENT", "WITH"}))
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
        if (top >= 0 && EsUnaDe(t[top], {"DISTINCT", "ALL"}))
            top = Siguiente(t, top);
        if (top < 0 || !t[top].EsPalabra("TOP"))
            continue;
        const QString filas = QuitarTop(t, top);
        limites[FinDeSelect(t, i)] += QStringLiteral(" LIMIT ") + filas;
    }
    for (auto it = limites.cbegin(); it != limites.cend(); ++it)
        t[it.key()].texto += it.value();
    for (int i = 0; i < t.size(); ++i)
        if (EsUnaDe(t[i], {"UPDATE", "DELETE"}) && Siguiente(t, i) >= 0 &&
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

// Whether the call whose name is at `nombre` and whose ")" is at `cierre` is a whole item
// of a select list: there the result needs no collation, and its column keeps its name.
bool ElementoDeLista(const TokensSql& t, int nombre, int cierre) {
    const int s = Siguiente(t, cierre);
    if (s >= 0 && !t[s].EsSimbolo(",") && !t[s].EsSimbolo(")") &&
        !EsUnaDe(t[s], {"FROM", "INTO", "UNION"}))
        return false;
    for (int k = Anterior(t, nombre), profundidad = 0; k >= 0; k = Anterior(t, k)) {
        profundidad += t[k].EsSimbolo(")") ? 1 : t[k].EsSimbolo("(") ? -1 : 0;
        if (profundidad < 0)
            return false;
        if (profundidad == 0 && EsUnaDe(t[k], {"SELECT", "FROM", "WHERE", "BY", "HAVING", "ON",
                                               "SET", "VALUES", "WHEN", "THEN", "ELSE"}))
            return t[k].EsPalabra("SELECT");
    }
    return false;
}

// Whether the "(" at `abre` holds a function's arguments.
bool AbreLlamada(const TokensSql& t, int abre) {
    const int nombre = abre < 0 ? -1 : Anterior(t, abre);
    return nombre >= 0 && t[nombre].tipo == TokenSql::Palabra && EsNombre(t[nombre]);
}

// Text results compare and sort as the columns they come from: an outermost call of a text
// function takes the server's collation, wherever it is compared or ordered.
void ColacionDeFunciones(TokensSql& t) {
    QVector<int> cierres;
    for (int i = 0; i < t.size(); ++i) {
        const int abre = Siguiente(t, i);
        if (t[i].tipo != TokenSql::Palabra || abre < 0 || !t[abre].EsSimbolo("(") ||
            !(FuncionesDeTexto().contains(t[i].texto.toLower()) ||
              EsUnaDe(t[i], {"IFNULL", "ISNULL", "COALESCE"})))
            continue;
        const int cierre = ParentesisQueCierra(t, abre);
        int fuera = i;
        for (int k = i - 1, profundidad = 0; k >= 0; --k) {
            profundidad += t[k].EsSimbolo(")") ? 1 : t[k].EsSimbolo("(") ? -1 : 0;
            if (profundidad < 0) {
                fuera = k;
                break;
            }
        }
        if (cierre >= 0 && !(fuera != i && AbreLlamada(t, fuera)) && !ElementoDeLista(t, i, cierre))
            cierres.append(cierre);
    }
    // Words of their own, so that a row limit added later still goes after them.
    const TokensSql colacion = {{TokenSql::Espacio, QStringLiteral(" ")},
                                {TokenSql::Palabra, QStringLiteral("COLLATE")},
                                {TokenSql::Espacio, QStringLiteral(" ")},
                                {TokenSql::Palabra, QLatin1String(kColacion)}};
    std::sort(cierres.rbegin(), cierres.rend());
    for (int cierre : cierres)
        for (auto k = colacion.crbegin(); k != colacion.crend(); ++k)
            t.insert(cierre + 1, *k);
}

// ISNULL gives its first argument's type: a replacement text longer than that column is cut
// to its length, as the server does.
void RecortarReemplazosDeNulo(TokensSql& t, const EsquemaSqlite& esquema) {
    const QStringList tablas = TablasReferidas(t, esquema);
    for (int i = 0; i < t.size(); ++i) {
        const int abre = Siguiente(t, i);
        if (!t[i].EsPalabra("ISNULL") || abre < 0 || !t[abre].EsSimbolo("("))
            continue;
        const int primero = Siguiente(t, abre);
        const QString columna = ColumnaQueEmpieza(t, primero);
        int coma = primero;
        while (coma >= 0 && coma < t.size() && !t[coma].EsSimbolo(",") && !t[coma].EsSimbolo(")"))
            coma = Siguiente(t, coma);
        const int reemplazo = coma >= 0 && t[coma].EsSimbolo(",") ? Siguiente(t, coma) : -1;
        const long largo =
            columna.isEmpty() ? 0 : LargoDeTexto(TipoDeColumna(columna, tablas, esquema));
        if (reemplazo < 0 || largo <= 0 || t[reemplazo].tipo != TokenSql::Cadena ||
            t[reemplazo].ValorCadena().size() <= largo)
            continue;
        t[reemplazo].texto =
            u'\'' + DoblarApostrofos(t[reemplazo].ValorCadena().left(int(largo))) + u'\'';
    }
}

} // namespace

namespace {

using ClaseSentencia = SentenciaTraducida::Clase;

// Transaction statements may name the transaction; the name changes nothing here.
ClaseSentencia ClaseDeTransaccion(const TokensSql& t, int primera) {
    const int sig = Siguiente(t, primera);
    const bool conPalabra = sig >= 0 && EsUnaDe(t[sig], {"TRAN", "TRANSACTION", "WORK"});
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
    *cambiaEsquema = EsUnaDe(p, {"CREATE", "ALTER", "DROP"});
    if (EsUnaDe(p, {"BEGIN", "COMMIT", "ROLLBACK"}))
        return ClaseDeTransaccion(t, primera);
    if (p.EsPalabra("GO"))
        return SentenciaTraducida::Ninguna;
    if (p.EsPalabra("SET")) {
        const int sig = Siguiente(t, primera);
        if (sig >= 0 && t[sig].EsPalabra("NOCOUNT"))
            return SentenciaTraducida::Ninguna;
    }
    if (!EsUnaDe(p, {"SELECT", "INSERT", "UPDATE", "DELETE", "WITH", "CREATE", "ALTER", "DROP"}))
        NoAdmitida(QStringLiteral("la sentencia %1").arg(p.texto.toUpper()));
    return SentenciaTraducida::Normal;
}

QString Traducir(TokensSql t, const EsquemaSqlite& esquema) {
    QuitarPropietario(t);
    QuitarPrefijoNacional(t);
    CompletarDelete(t);
    RecortarReemplazosDeNulo(t, esquema);
    RenombrarFunciones(t);
    RechazarAritmeticaDudosa(t, esquema);
    RechazarTextoConNumero(t, esquema);
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
