#include "support/InvariantesLibros.h"

#include "platform/ado/FuncionesSqlite.h"
#include "platform/runtime/Currency.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <iterator>
#include <map>
#include <sqlite3.h>
#include <vector>

namespace {

QString Columna(sqlite3_stmt* st, int i) {
    if (sqlite3_column_type(st, i) == SQLITE_NULL)
        return FotoBase::Nulo;
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                             sqlite3_column_bytes(st, i));
}

FotoBase::Tabla LeerTabla(sqlite3* db, const QString& nombre) {
    FotoBase::Tabla tabla;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, ("SELECT * FROM [" + nombre + "]").toUtf8().constData(), -1, &st,
                       nullptr);
    for (int i = 0; i < sqlite3_column_count(st); ++i)
        tabla.Columnas << QString::fromUtf8(sqlite3_column_name(st, i)).toUpper();
    while (sqlite3_step(st) == SQLITE_ROW) {
        QStringList valores;
        for (int i = 0; i < sqlite3_column_count(st); ++i)
            valores << Columna(st, i);
        tabla.Filas << valores.join(FotoBase::Separador);
    }
    sqlite3_finalize(st);
    tabla.Filas.sort();
    return tabla;
}

// How the database compares codes: case and trailing blanks do not count; Null reads as ''.
QString Clave(const QString& valor) {
    if (valor == FotoBase::Nulo)
        return {};
    qsizetype fin = valor.size();
    while (fin > 0 && valor[fin - 1] == u' ')
        --fin;
    return valor.left(fin).toUpper();
}

Currency Importe(const QString& valor) {
    return Currency::DesdeTextoSql(valor).value_or(Currency());
}

// One table's rows, their values found by column name.
struct Vista {
    Vista(const FotoBase& foto, const char* tabla) {
        const FotoBase::Tabla t = foto.Tablas.value(QString::fromLatin1(tabla));
        for (qsizetype i = 0; i < t.Columnas.size(); ++i)
            columnas.insert(t.Columnas[i], int(i));
        for (const QString& fila : t.Filas)
            filas.push_back(fila.split(FotoBase::Separador));
    }
    QString operator()(const QStringList& fila, const char* columna) const {
        return fila.value(columnas.value(QString::fromLatin1(columna), -1));
    }
    // The values of `campos` as the database compares them, joined with "|".
    QString Claves(const QStringList& fila, std::initializer_list<const char*> campos) const {
        QStringList claves;
        for (const char* campo : campos)
            claves << Clave((*this)(fila, campo));
        return claves.join(u'|');
    }
    QHash<QString, int> columnas;
    std::vector<QStringList> filas;
};

QString Nombre(const QString& clave) {
    const QStringList p = clave.split(u'|');
    return "NCPE " + p.value(0) + "-" + p.value(1) + " " + p.value(2);
}

QString DiferenciaDe(const Vista& a, const QStringList& fila) {
    return a.Claves(fila, {"SUCURSAL", "NUMERO", "LETRA"});
}

bool EsNcpe(const Vista& v, const QStringList& fila) {
    return Clave(v(fila, "TC")) == u"NCPE";
}

void Balances(const Vista& a, QStringList& v) {
    std::map<QString, std::pair<Currency, Currency>> sumas;
    std::map<QString, std::vector<int>> secuencias;
    for (const QStringList& fila : a.filas) {
        if (!EsNcpe(a, fila))
            continue;
        const QString d = DiferenciaDe(a, fila);
        auto& [debe, haber] = sumas[d];
        (Clave(a(fila, "DEBE-HABER")) == u"D" ? debe : haber) += Importe(a(fila, "IMPORTE"));
        secuencias[d].push_back(a(fila, "SECUENCIA").toInt());
    }
    for (const auto& [d, suma] : sumas)
        if (suma.first != suma.second)
            v << Nombre(d) + ": no balancea (Debe " + suma.first.ATextoSql() + ", Haber " +
                     suma.second.ATextoSql() + ")";
    for (auto& [d, s] : secuencias) {
        std::sort(s.begin(), s.end());
        QStringList texto;
        bool seguidas = true;
        for (size_t i = 0; i < s.size(); ++i) {
            seguidas = seguidas && s[i] == int(i) + 1;
            texto << QString::number(s[i]);
        }
        if (!seguidas)
            v << Nombre(d) + ": SECUENCIA " + texto.join(u',') + " no corre de 1 a n sin huecos";
    }
}

void Aplicaciones(const Vista& a, const Vista& ap, QStringList& v) {
    // The application carries line 1's amount. Line 1 is the first row, unless it was saved
    // with no amount: then the first row is another account's and the application is of 0.
    struct Cabecera {
        QString Importe;
        bool DelProveedor = false;
    };
    std::map<QString, Cabecera> cabeceras;
    for (const QStringList& fila : a.filas)
        if (EsNcpe(a, fila) && a(fila, "SECUENCIA") == u"1")
            cabeceras[DiferenciaDe(a, fila)] = {
                a(fila, "IMPORTE"), Clave(a(fila, "CUENTA")) == Clave(a(fila, "CABCUENTA"))};
    std::map<std::pair<QString, QString>, int> cuantas;
    for (const QStringList& fila : ap.filas) {
        if (!EsNcpe(ap, fila))
            continue;
        const QString d = DiferenciaDe(ap, fila);
        const QString origen =
            ap.Claves(fila, {"TCO_ORIGEN", "SUCURSAL_ORIGEN", "NUMERO_ORIGEN", "LETRA_ORIGEN"});
        ++cuantas[{d, origen}];
        const auto cabecera = cabeceras.find(d);
        if (cabecera == cabeceras.end())
            v << Nombre(d) + ": MV_APLICACION sin línea 1 en MV_ASIENTOS";
        else if (const Currency aplicado = Importe(ap(fila, "IMPORTE"));
                 aplicado != Importe(cabecera->second.Importe) &&
                 (aplicado != Currency() || cabecera->second.DelProveedor))
            v << Nombre(d) + ": MV_APLICACION por " + aplicado.ATextoSql() + ", la línea 1 por " +
                     Importe(cabecera->second.Importe).ATextoSql();
    }
    for (const auto& [clave, n] : cuantas)
        if (n > 1)
            v << Nombre(clave.first) + ": " + QString::number(n) +
                     " filas de MV_APLICACION para el origen '" + clave.second + "'";
}

// A journal line as its cost-centre rows name it.
QString LineaDe(const Vista& v, const QStringList& fila) {
    return v.Claves(
        fila, {"PERIODO", "MES_OPERATIVO", "NUMERO ASIENTO", "TIPO_REG", "SECUENCIA", "CUENTA"});
}

QString NombreLinea(const QString& clave) {
    const QStringList p = clave.split(u'|');
    return p.value(0) + "/" + p.value(1) + " asiento " + p.value(2) + " " + p.value(3) +
           " secuencia " + p.value(4) + " cuenta " + p.value(5);
}

void Centros(const Vista& a, const Vista& c, QStringList& v) {
    std::map<QString, std::vector<Currency>> lineas;
    for (const QStringList& fila : a.filas)
        lineas[LineaDe(a, fila)].push_back(Importe(a(fila, "IMPORTE")));
    std::map<QString, Currency> sumas;
    for (const QStringList& fila : c.filas)
        sumas[LineaDe(c, fila)] += Importe(c(fila, "IMPORTE"));
    for (const auto& [linea, suma] : sumas) {
        const auto l = lineas.find(linea);
        if (l == lineas.end())
            v << "MV_ASIENTOSCCOSTO " + NombreLinea(linea) +
                     ": no pertenece a ninguna línea de "
                     "MV_ASIENTOS";
        else if (std::find(l->second.begin(), l->second.end(), suma) == l->second.end())
            v << "MV_ASIENTOSCCOSTO " + NombreLinea(linea) + ": los centros suman " +
                     suma.ATextoSql() + " y la línea " + l->second.front().ATextoSql();
    }
}

QString Comprobante(const Vista& v, const QStringList& fila) {
    return v.Claves(fila, {"TC", "SUCURSAL", "NUMERO", "LETRA"}).replace(u'|', u' ');
}

// A journal entry key belongs to one voucher; a blank and a Null registration type are one.
void ClavesDeAsiento(const Vista& a, QStringList& v) {
    std::map<QString, QSet<QString>> duenos;
    for (const QStringList& fila : a.filas)
        if (a(fila, "NUMERO ASIENTO") != FotoBase::Nulo)
            duenos[a.Claves(fila, {"PERIODO", "MES_OPERATIVO", "TIPO_REG", "NUMERO ASIENTO"})]
                << Comprobante(a, fila);
    for (const auto& [clave, comprobantes] : duenos)
        if (comprobantes.size() > 1) {
            QStringList lista(comprobantes.begin(), comprobantes.end());
            lista.sort();
            v << "asiento " + clave + " compartido por " + lista.join(u',');
        }
}

// Every journal line is of an account of the chart, spelled as the chart spells it.
void CuentasDelPlan(const Vista& a, const Vista& plan, QStringList& v) {
    QSet<QString> codigos;
    for (const QStringList& fila : plan.filas)
        codigos << plan(fila, "CODIGO");
    for (const QStringList& fila : a.filas)
        if (EsNcpe(a, fila) && !codigos.contains(a(fila, "CUENTA")))
            v << Nombre(DiferenciaDe(a, fila)) + ": cuenta '" + a(fila, "CUENTA") +
                     "' fuera del plan";
}

// The header amount is the entry's debit total on every row, and there is at most one VAT row.
void Cabeceras(const Vista& a, QStringList& v) {
    struct Asiento {
        int Ivas = 0;
        QSet<QString> Cabeceras;
        Currency Debe;
    };
    std::map<QString, Asiento> asientos;
    for (const QStringList& fila : a.filas) {
        if (!EsNcpe(a, fila))
            continue;
        Asiento& asiento = asientos[DiferenciaDe(a, fila)];
        asiento.Ivas += Clave(a(fila, "NROCAI")) == u"ESIVA";
        asiento.Cabeceras << Importe(a(fila, "CABIMPORTE")).ATextoSql();
        if (Clave(a(fila, "DEBE-HABER")) == u"D")
            asiento.Debe += Importe(a(fila, "IMPORTE"));
    }
    for (const auto& [d, asiento] : asientos) {
        if (asiento.Ivas > 1)
            v << Nombre(d) + ": " + QString::number(asiento.Ivas) + " renglones de IVA";
        if (asiento.Cabeceras != QSet<QString>{asiento.Debe.ATextoSql()}) {
            QStringList cabeceras(asiento.Cabeceras.begin(), asiento.Cabeceras.end());
            cabeceras.sort();
            v << Nombre(d) + ": CABIMPORTE " + cabeceras.join(u',') + " y el Debe suma " +
                     asiento.Debe.ATextoSql();
        }
    }
}

// The list finds a difference, and shows its supplier, by the entry's first row: that row names
// the supplier's account and the supplier.
void Proveedores(const Vista& a, QStringList& v) {
    for (const QStringList& fila : a.filas) {
        if (!EsNcpe(a, fila) || a(fila, "SECUENCIA") != u"1")
            continue;
        if (Clave(a(fila, "CABCUENTA")).trimmed().isEmpty())
            v << Nombre(DiferenciaDe(a, fila)) + ": el renglón 1 no lleva la cuenta del proveedor";
        if (Clave(a(fila, "CABNOMBRE")).trimmed().isEmpty())
            v << Nombre(DiferenciaDe(a, fila)) + ": el renglón 1 no lleva el nombre del proveedor";
    }
}

// The origin's entry is marked 1 while its difference is pending review (state 0), 0 after.
void EstadoDelOrigen(const Vista& a, QStringList& v) {
    std::map<QString, QString> esperado; // origin key and supplier -> expected ESTADO
    std::map<QString, QString> quien;
    for (const QStringList& fila : a.filas) {
        if (!EsNcpe(a, fila) || a(fila, "SECUENCIA") != u"1" ||
            Clave(a(fila, "TC_ORIGEN")).isEmpty())
            continue;
        const QString cpte = a(fila, "CPTE_ORIGEN");
        const QString origen =
            QStringList{Clave(a(fila, "TC_ORIGEN")), Clave(cpte.mid(0, 4)), Clave(cpte.mid(4, 8)),
                        Clave(cpte.mid(12, 1)), Clave(a(fila, "CABCUENTA"))}
                .join(u'|');
        const QString estado =
            Clave(a(fila, "ESTADO")) == u"0" ? QStringLiteral("1") : QStringLiteral("0");
        if (esperado.count(origen) && esperado[origen] != estado)
            esperado[origen] = QStringLiteral("?"); // two differences on one origin disagree
        else
            esperado[origen] = estado;
        quien[origen] = Nombre(DiferenciaDe(a, fila)) + " en estado " + Clave(a(fila, "ESTADO"));
    }
    for (const QStringList& fila : a.filas) {
        const QString origen = a.Claves(fila, {"TC", "SUCURSAL", "NUMERO", "LETRA", "CABCUENTA"});
        const auto e = esperado.find(origen);
        if (e != esperado.end() && e->second != u"?" && Clave(a(fila, "ESTADO")) != e->second)
            v << quien[origen] + ": el origen " + Comprobante(a, fila) + " secuencia " +
                     a(fila, "SECUENCIA") + " tiene ESTADO " + a(fila, "ESTADO");
    }
}

} // namespace

Fotografo::Fotografo(const QString& archivo) {
    sqlite3_open_v2(QFile::encodeName(archivo).constData(), &db_, SQLITE_OPEN_READONLY, nullptr);
    ado::RegistrarFunciones(db_);
}

Fotografo::~Fotografo() {
    sqlite3_close(db_);
}

FotoBase Fotografo::Tomar() {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db_, "PRAGMA data_version", -1, &st, nullptr);
    const qint64 version = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
    sqlite3_finalize(st);
    if (version == version_ && version >= 0)
        return ultima_;
    FotoBase foto;
    sqlite3_prepare_v2(db_,
                       "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                       "'sqlite\\_%' ESCAPE '\\'",
                       -1, &st, nullptr);
    QStringList nombres;
    while (sqlite3_step(st) == SQLITE_ROW)
        nombres << Columna(st, 0);
    sqlite3_finalize(st);
    for (const QString& nombre : nombres)
        foto.Tablas.insert(nombre.toUpper(), LeerTabla(db_, nombre));
    version_ = version;
    ultima_ = foto;
    return foto;
}

namespace InvariantesLibros {

QStringList Violaciones(const FotoBase& foto) {
    const Vista asientos(foto, "MV_ASIENTOS");
    QStringList v;
    Balances(asientos, v);
    Aplicaciones(asientos, Vista(foto, "MV_APLICACION"), v);
    Centros(asientos, Vista(foto, "MV_ASIENTOSCCOSTO"), v);
    ClavesDeAsiento(asientos, v);
    CuentasDelPlan(asientos, Vista(foto, "MA_CUENTAS"), v);
    Cabeceras(asientos, v);
    Proveedores(asientos, v);
    EstadoDelOrigen(asientos, v);
    return v;
}

} // namespace InvariantesLibros

namespace {

using InvariantesLibros::Paso;

QString ClaveActuada(const Paso& paso) {
    if (!paso.Actuada)
        return {};
    return QStringList{Clave(paso.Actuada->Sucursal), Clave(paso.Actuada->Numero),
                       Clave(paso.Actuada->Letra)}
        .join(u'|');
}

// The state of each difference: that of its rows, "mixto" when they disagree.
std::map<QString, QString> Estados(const FotoBase& foto) {
    const Vista a(foto, "MV_ASIENTOS");
    std::map<QString, QString> estados;
    for (const QStringList& fila : a.filas) {
        if (!EsNcpe(a, fila))
            continue;
        const QString estado = Clave(a(fila, "ESTADO"));
        auto [it, nuevo] = estados.try_emplace(DiferenciaDe(a, fila), estado);
        if (!nuevo && it->second != estado)
            it->second = QStringLiteral("mixto");
    }
    return estados;
}

void EstadoTres(const FotoBase& antes, const FotoBase& despues, const Paso& paso, QStringList& v) {
    const std::map<QString, QString> previos = Estados(antes), actuales = Estados(despues);
    for (const auto& [d, estado] : previos) {
        if (estado != u"3")
            continue;
        const auto actual = actuales.find(d);
        const QString ahora = actual == actuales.end() ? QStringLiteral("sin asiento")
                                                       : "en estado " + actual->second;
        if (ahora == u"en estado 3")
            continue;
        if (d != ClaveActuada(paso))
            v << Nombre(d) + ": estaba en estado 3 y quedó " + ahora + " sin que el paso la tocara";
        else if (!paso.ListaFresca)
            v << Nombre(d) + ": estaba en estado 3 y quedó " + ahora +
                     " desde una lista que ya no mostraba su estado";
    }
}

} // namespace

namespace {

// The configuration keys of the line accounts a save remembers for the next new entry.
bool CuentaRecordada(const QString& clave) {
    const int n = clave.startsWith(u"NCPE_") ? clave.mid(5).toInt() : 0;
    return n >= 2 && n <= 12;
}

// What a step may change, taken out of a table's rows: the acted-on difference's own rows, its
// applications and cost-centre rows, the origin's ESTADO (masked), the remembered line
// accounts. What is left must not change.
class Permitido {
public:
    Permitido(const Paso& paso, const FotoBase& antes, const FotoBase& despues)
        : diferencia_(ClaveActuada(paso)) {
        if (!paso.Actuada)
            return;
        // The origin the difference is applied to when the step saves, whatever the list
        // showed: another voucher's ESTADO is not the step's to change.
        QString tc = paso.Actuada->TcOrigen, cpte = paso.Actuada->CpteOrigen;
        const Vista d(despues, "MV_ASIENTOS");
        for (const QStringList& fila : d.filas)
            if (EsNcpe(d, fila) && DiferenciaDe(d, fila) == diferencia_ &&
                d(fila, "SECUENCIA") == u"1") {
                tc = d(fila, "TC_ORIGEN");
                cpte = d(fila, "CPTE_ORIGEN");
            }
        if (!Clave(tc).isEmpty())
            origen_ = QStringList{Clave(tc), Clave(cpte.mid(0, 4)), Clave(cpte.mid(4, 8)),
                                  Clave(cpte.mid(12, 1))}
                          .join(u'|');
        for (const FotoBase* foto : {&antes, &despues}) {
            const Vista a(*foto, "MV_ASIENTOS");
            for (const QStringList& fila : a.filas)
                if (EsNcpe(a, fila) && DiferenciaDe(a, fila) == diferencia_)
                    asientos_ << a.Claves(
                        fila, {"PERIODO", "MES_OPERATIVO", "NUMERO ASIENTO", "TIPO_REG"});
        }
    }
    // The table's rows less what the step may change, sorted.
    QStringList Resto(const FotoBase& foto, const QString& tabla) const {
        const Vista v(foto, tabla.toLatin1().constData());
        QStringList resto;
        for (QStringList fila : v.filas)
            if (Queda(v, tabla, fila))
                resto << fila.join(u'|');
        resto.sort();
        return resto;
    }

private:
    bool Queda(const Vista& v, const QString& tabla, QStringList& fila) const {
        if (diferencia_.isEmpty())
            return true;
        if (tabla == u"TA_CONFIGURACION")
            return !CuentaRecordada(Clave(v(fila, "CLAVE")));
        if (tabla == u"MV_ASIENTOSCCOSTO")
            return !asientos_.contains(
                v.Claves(fila, {"PERIODO", "MES_OPERATIVO", "NUMERO ASIENTO", "TIPO_REG"}));
        const bool propia = EsNcpe(v, fila) && DiferenciaDe(v, fila) == diferencia_;
        if (tabla == u"MV_APLICACION")
            return !propia;
        if (tabla != u"MV_ASIENTOS")
            return true;
        if (!origen_.isEmpty() && v.Claves(fila, {"TC", "SUCURSAL", "NUMERO", "LETRA"}) == origen_)
            fila[v.columnas.value(QStringLiteral("ESTADO"))] = QStringLiteral("*");
        return !propia;
    }

    QString diferencia_, origen_;
    QSet<QString> asientos_;
};

// The rows of `a` that `b` lacks, counted as a multiset; both sorted.
QStringList Faltantes(const QStringList& a, const QStringList& b) {
    QStringList faltan;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(faltan));
    return faltan;
}

// The rows that changed beyond what the step may change, a few per table.
void Cambios(const FotoBase& antes, const FotoBase& despues, const Paso& paso,
             const QString& encabezado, QStringList& v) {
    const Permitido permitido(paso, antes, despues);
    QSet<QString> tablas(antes.Tablas.keyBegin(), antes.Tablas.keyEnd());
    tablas.unite(QSet<QString>(despues.Tablas.keyBegin(), despues.Tablas.keyEnd()));
    for (const QString& tabla : tablas) {
        if (antes.Tablas.value(tabla) == despues.Tablas.value(tabla))
            continue;
        const QStringList previo = permitido.Resto(antes, tabla);
        const QStringList actual = permitido.Resto(despues, tabla);
        for (const QString& fila : Faltantes(previo, actual).mid(0, 4))
            v << encabezado + tabla + " quitada " + fila;
        for (const QString& fila : Faltantes(actual, previo).mid(0, 4))
            v << encabezado + tabla + " agregada " + fila;
    }
}

// Whether the tables the photo's invariants read are the same in both.
bool MismosLibros(const FotoBase& antes, const FotoBase& despues) {
    for (const char* tabla : {"MV_ASIENTOS", "MV_APLICACION", "MV_ASIENTOSCCOSTO"})
        if (antes.Tablas.value(QString::fromLatin1(tabla)) !=
            despues.Tablas.value(QString::fromLatin1(tabla)))
            return false;
    return true;
}

// ---- A save compared with the form ---------------------------------------------------------

// The difference's rows, in sequence order.
std::vector<QStringList> FilasDe(const Vista& a, const QString& diferencia) {
    std::vector<QStringList> filas;
    for (const QStringList& fila : a.filas)
        if (EsNcpe(a, fila) && DiferenciaDe(a, fila) == diferencia)
            filas.push_back(fila);
    std::sort(filas.begin(), filas.end(), [&](const QStringList& x, const QStringList& y) {
        return a(x, "SECUENCIA").toInt() < a(y, "SECUENCIA").toInt();
    });
    return filas;
}

// The chart's code the form's check finds for what was typed, by code or optional code.
QString CodigoDelPlan(const Vista& plan, const QString& escrito) {
    for (const char* columna : {"CODIGO", "CODIGOOPCIONAL"})
        for (const QStringList& fila : plan.filas)
            if (!escrito.trimmed().isEmpty() &&
                Clave(plan(fila, columna)) == Clave(escrito.trimmed()))
                return plan(fila, "CODIGO");
    return escrito;
}

struct Renglon {
    int Linea;
    QString Cuenta, Lado;
    Currency Importe;
};

// The rows the form's lines make: those with an account and an amount, in line order. Line 1
// is on the side it was stored on.
std::vector<Renglon> Esperados(const Vista& plan, const InvariantesLibros::Formulario& f,
                               const QString& ladoLinea1) {
    std::vector<Renglon> renglones;
    const auto leer = [](const QString& t) {
        return InvariantesLibros::ImporteMostrado(t).value_or(Currency());
    };
    for (int n = 1; n <= 12; ++n) {
        const auto& [cuenta, debe, haber] = f.Lineas[size_t(n - 1)];
        const bool alDebe = n == 1 ? ladoLinea1 == u"D" : leer(debe) != Currency();
        const Currency importe = leer(alDebe ? debe : haber);
        if (cuenta.trimmed().isEmpty() || importe == Currency())
            continue;
        renglones.push_back({n, CodigoDelPlan(plan, cuenta), alDebe ? "D" : "H", importe});
    }
    return renglones;
}

// What the save may write other than as stored: what the form shows or works out, and the
// save's own user, time and cash box.
bool DelFormulario(const QString& columna) {
    static const QSet<QString> propias = {"SECUENCIA",
                                          "CUENTA",
                                          "DEBE-HABER",
                                          "IMPORTE",
                                          "DETALLE",
                                          "ESTADO",
                                          "IDMOTIVO",
                                          "CABIMPORTE",
                                          "IDCAJAS",
                                          "USUARIO_LOGEADO",
                                          "FECHAHORA_GRABACION",
                                          "IDCOMPROBANTE"};
    return propias.contains(columna);
}

// The supplier a difference's entry is of: the account its first row stored, with the name the
// suppliers' view gives it now, or the stored name when the view has none.
QStringList ProveedorDe(const FotoBase& foto, const QStringList& primera) {
    const Vista a(foto, "MV_ASIENTOS"), plan(foto, "MA_CUENTAS");
    const QString cuenta = a(primera, "CABCUENTA");
    QString nombre = a(primera, "CABNOMBRE");
    for (const QStringList& fila : plan.filas)
        if (Clave(plan(fila, "TIPOVISTA")) == u"P" &&
            Clave(plan(fila, "CODIGO")) == Clave(cuenta) &&
            !Clave(plan(fila, "DESCRIPCION")).trimmed().isEmpty())
            nombre = plan(fila, "DESCRIPCION");
    return {cuenta, nombre};
}

// Whatever line it comes from, the first row written carries the entry's supplier.
void CompararProveedor(const FotoBase& antes, const QStringList& previa, const Vista& vd,
                       const QStringList& primera, const QString& nombre, QStringList& v) {
    const QStringList proveedor = ProveedorDe(antes, previa);
    const QStringList escrito = {vd(primera, "CABCUENTA"), vd(primera, "CABNOMBRE")};
    if (escrito != proveedor)
        v << nombre + "renglón 1 con el proveedor " + escrito.join(u'|') +
                 " y el asiento es del proveedor " + proveedor.join(u'|');
}

// A line whose amount the user did not type, nor the form work out, keeps its stored amount to
// the last stored decimal, whatever the decimals amounts are shown with.
void CompararSinTeclear(const Vista& va, const Vista& vd,
                        const std::map<int, QStringList>& porLinea,
                        const std::vector<Renglon>& esperados,
                        const std::vector<QStringList>& nuevas,
                        const InvariantesLibros::Formulario& f, const QString& nombre,
                        QStringList& v) {
    for (const auto& [linea, previa] : porLinea) {
        const Currency guardado = Importe(va(previa, "IMPORTE"));
        if (f.Tecleadas[size_t(linea - 1)] || guardado == Currency() ||
            f.Lineas[size_t(linea - 1)][0].trimmed().isEmpty())
            continue;
        const auto r = std::find_if(esperados.begin(), esperados.end(),
                                    [&](const Renglon& e) { return e.Linea == linea; });
        const QString escrito =
            r == esperados.end()
                ? QStringLiteral("ningún renglón")
                : Importe(vd(nuevas[size_t(r - esperados.begin())], "IMPORTE")).ATextoSql();
        if (escrito != guardado.ATextoSql())
            v << nombre + escrito + " de la línea " + QString::number(linea) +
                     ", que no se tecleó y tenía guardado " + guardado.ATextoSql();
    }
}

// Every column of a written row the form does not show is the stored row's of its line; the
// supplier's, on the first row, is the entry's (CompararProveedor).
void CompararColumnas(const Vista& va, const Vista& vd, const QStringList& previa,
                      const QStringList& fila, bool primera, bool sinNumero, const QString& renglon,
                      QStringList& v) {
    for (auto c = vd.columnas.cbegin(); c != vd.columnas.cend(); ++c) {
        const bool clave = c.key() == u"NUMERO ASIENTO" || c.key() == u"TIPO_REG";
        const bool proveedor = c.key() == u"CABCUENTA" || c.key() == u"CABNOMBRE";
        if (DelFormulario(c.key()) || (sinNumero && clave) || (primera && proveedor))
            continue;
        const QString era = va(previa, c.key().toLatin1().constData());
        if (fila.value(c.value()) != era)
            v << renglon + c.key() + " " + fila.value(c.value()) + ", guardado " + era;
    }
}

// For an entry saved with its supplier's line left without an amount, that line's side: its
// first row names a supplier of another account, and the difference is applied to its origin by
// nothing (the debit side) or not at all (the credit side), and its rows other than the VAT row
// fit lines 2 to 11. None for any other entry.
std::optional<QString> LadoSinImporte(const FotoBase& antes, const Vista& va,
                                      const std::vector<QStringList>& previas,
                                      const QString& diferencia) {
    const QStringList& primera = previas.front();
    const QString proveedor = Clave(va(primera, "CABCUENTA")).trimmed();
    const auto comunes = std::count_if(previas.begin(), previas.end(), [&](const QStringList& f) {
        return Clave(va(f, "NROCAI")) != u"ESIVA";
    });
    if (proveedor.isEmpty() || proveedor == FotoBase::Nulo ||
        proveedor == Clave(va(primera, "CUENTA")).trimmed() || comunes > 10)
        return std::nullopt;
    const Vista ap(antes, "MV_APLICACION");
    bool aplicada = false;
    for (const QStringList& fila : ap.filas)
        if (EsNcpe(ap, fila) && DiferenciaDe(ap, fila) == diferencia) {
            if (Importe(ap(fila, "IMPORTE")) != Currency())
                return std::nullopt;
            aplicada = true;
        }
    return aplicada ? QStringLiteral("D") : QStringLiteral("H");
}

// The stored rows by the line of the form that shows them: the VAT row on line 12, every other
// row on the line of its place, from line 2 on when the supplier's line is shown empty.
std::map<int, QStringList> PorLinea(const Vista& va, const std::vector<QStringList>& previas,
                                    bool sinProveedor) {
    std::map<int, QStringList> porLinea;
    const int desde = sinProveedor ? 2 : 1;
    for (size_t i = 0; i < previas.size(); ++i)
        porLinea[Clave(va(previas[i], "NROCAI")) == u"ESIVA" ? 12 : int(i) + desde] = previas[i];
    return porLinea;
}

void CompararConFormulario(const FotoBase& antes, const FotoBase& despues,
                           const InvariantesLibros::Paso& paso, const QString& diferencia,
                           QStringList& v) {
    const Vista va(antes, "MV_ASIENTOS"), vd(despues, "MV_ASIENTOS");
    const std::vector<QStringList> previas = FilasDe(va, diferencia);
    const std::vector<QStringList> nuevas = FilasDe(vd, diferencia);
    if (previas.empty())
        return;
    const std::optional<QString> ladoSinImporte = LadoSinImporte(antes, va, previas, diferencia);
    const std::map<int, QStringList> porLinea = PorLinea(va, previas, ladoSinImporte.has_value());
    const InvariantesLibros::Formulario& f = *paso.Grabado;
    const std::vector<Renglon> esperados =
        Esperados(Vista(antes, "MA_CUENTAS"), f,
                  ladoSinImporte.value_or(Clave(va(previas.front(), "DEBE-HABER"))));
    const QString nombre = Nombre(diferencia) + ": grabó ";
    if (esperados.size() != nuevas.size()) {
        v << nombre + QString::number(nuevas.size()) + " renglones y el formulario mostraba " +
                 QString::number(esperados.size());
        return;
    }
    const QString estado = f.Estado.isEmpty() ? Clave(va(previas.front(), "ESTADO")) : f.Estado;
    const bool sinNumero = va(previas.front(), "NUMERO ASIENTO") == FotoBase::Nulo;
    for (size_t i = 0; i < nuevas.size(); ++i) {
        const QStringList& fila = nuevas[i];
        const Renglon& r = esperados[i];
        const QString renglon = nombre + "renglón " + QString::number(i + 1) + " ";
        const QStringList mostrado = {r.Cuenta,
                                      r.Lado,
                                      r.Importe.ATextoSql(),
                                      f.Concepto.trimmed(),
                                      estado,
                                      f.Motivo.trimmed().toUpper()};
        const QStringList escrito = {vd(fila, "CUENTA"),
                                     Clave(vd(fila, "DEBE-HABER")),
                                     Importe(vd(fila, "IMPORTE")).ATextoSql(),
                                     vd(fila, "DETALLE"),
                                     Clave(vd(fila, "ESTADO")),
                                     Clave(vd(fila, "IDMOTIVO")).trimmed()};
        if (mostrado != escrito)
            v << renglon + escrito.join(u'|') + " y el formulario mostraba " + mostrado.join(u'|');
        const auto previa = porLinea.find(r.Linea);
        if (previa != porLinea.end())
            CompararColumnas(va, vd, previa->second, fila, i == 0, sinNumero, renglon, v);
    }
    if (!nuevas.empty())
        CompararProveedor(antes, previas.front(), vd, nuevas.front(), nombre, v);
    CompararSinTeclear(va, vd, porLinea, esperados, nuevas, f, nombre, v);
}

// A table's rows less what a save of an entry as stored writes anew: the save's own time, user
// and cash box, and the line accounts remembered for the next new entry. Sorted.
QStringList SinLoDelGrabado(const FotoBase& foto, const QString& tabla) {
    const Vista v(foto, tabla.toLatin1().constData());
    QStringList filas;
    for (QStringList fila : v.filas) {
        if (tabla == u"TA_CONFIGURACION" && CuentaRecordada(Clave(v(fila, "CLAVE"))))
            continue;
        if (tabla == u"MV_ASIENTOS")
            for (const char* propia : {"FECHAHORA_GRABACION", "USUARIO_LOGEADO", "IDCAJAS"})
                fila[v.columnas.value(QString::fromLatin1(propia))] = QStringLiteral("*");
        filas << fila.join(u'|');
    }
    filas.sort();
    return filas;
}

} // namespace

namespace InvariantesLibros {

QStringList Regrabado(const FotoBase& antes, const FotoBase& despues) {
    QStringList v;
    QSet<QString> tablas(antes.Tablas.keyBegin(), antes.Tablas.keyEnd());
    tablas.unite(QSet<QString>(despues.Tablas.keyBegin(), despues.Tablas.keyEnd()));
    for (const QString& tabla : tablas) {
        if (antes.Tablas.value(tabla) == despues.Tablas.value(tabla))
            continue;
        const QStringList previo = SinLoDelGrabado(antes, tabla);
        const QStringList actual = SinLoDelGrabado(despues, tabla);
        for (const QString& fila : Faltantes(previo, actual).mid(0, 4))
            v << "grabado otra vez sin cambios: " + tabla + " quitada " + fila;
        for (const QString& fila : Faltantes(actual, previo).mid(0, 4))
            v << "grabado otra vez sin cambios: " + tabla + " agregada " + fila;
    }
    return v;
}

std::optional<Currency> ImporteMostrado(const QString& texto) {
    static const QRegularExpression forma(
        QStringLiteral("^\\s*(-?)(\\d+|\\d{1,3}(?:\\.\\d{3})+)(?:,(\\d{0,4}))?\\s*$"));
    const QRegularExpressionMatch m = forma.match(texto);
    if (texto.trimmed().isEmpty())
        return Currency();
    if (!m.hasMatch())
        return std::nullopt;
    return Currency::DesdeTextoSql(m.captured(1) + m.captured(2).remove(u'.') + "." +
                                   m.captured(3) + "0");
}

QStringList Introducidas(const FotoBase& antes, const FotoBase& despues, const Paso& paso) {
    QStringList v;
    if (antes == despues)
        return v;
    if (!MismosLibros(antes, despues)) {
        const QStringList previas = Violaciones(antes);
        for (const QString& violacion : Violaciones(despues))
            if (!previas.contains(violacion))
                v << violacion;
    }
    EstadoTres(antes, despues, paso, v);
    if (paso.DebeQuedarIgual)
        Cambios(antes, despues, {},
                QStringLiteral("un paso rechazado, fallido o cancelado cambió "), v);
    else
        Cambios(antes, despues, paso, QStringLiteral("cambió fuera de la diferencia: "), v);
    if (paso.Grabado && paso.Actuada && !paso.DebeQuedarIgual)
        CompararConFormulario(antes, despues, paso, ClaveActuada(paso), v);
    return v;
}

} // namespace InvariantesLibros
