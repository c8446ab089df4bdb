#include "entries/LoteAsiento.h"

#include "entries/GenerarSentenciaSQL.h"
#include "platform/ado/Field.h"
#include "platform/ado/TokenSql.h"
#include "platform/runtime/Fechas.h"
#include "platform/runtime/Numeros.h"
#include "platform/runtime/Reparto.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/Variantes.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"
#include "session/ModGlobalUtilidades.h"

#include <QStringList>
#include <algorithm>
#include <map>
#include <optional>

namespace LoteAsiento {

namespace {

// A row the batch writes: the line it comes from, its side and amount.
struct Renglon {
    int Linea = 0;
    QString Cuenta, Lado;
    Currency Importe;
    int Secuencia = 0;
};

QString Texto(const QString& valor) {
    return DB_Dll::Instancia().SQLValue(valor);
}

QString Numero(const QString& valor) {
    return DB_Dll::Instancia().SQLValue(valor, QStringLiteral("@"));
}

QString Importe(const Currency& monto) {
    return Numero(monto.ATexto());
}

// The next number of the entry's period, month and type, taken by the statement itself: the
// save's transaction holds the entry's lock by then, and nobody numbers in between. A blank
// type and a Null one number together. Cost-centre rows are keyed by that number alone: rows
// left under a number no entry holds would be adopted by the entry that took it, so the
// number comes after theirs too.
void AgregarNumero(const Asiento& a, std::vector<QString>& sentencias) {
    const QString tipo = vb::Trim(a.TipoReg).isEmpty() || a.TipoRegNulo
                             ? "(TIPO_REG IS NULL OR TIPO_REG = '' OR TIPO_REG = " +
                                   Texto(QChar(0xFF) + QStringLiteral("RS")) + ")"
                             : "TIPO_REG = " + Texto(a.TipoReg);
    const QString donde = " WHERE PERIODO = " + Numero(a.Periodo) +
                          " AND MES_OPERATIVO = " + Numero(a.Mes) + " AND " + tipo;
    // Written with the greater of two maxima rather than over a UNION: every engine the program
    // speaks to types each maximum from its column.
    const auto mayor = [&](const char* tabla, const char* mas) {
        return "(SELECT ISNULL(MAX([NUMERO ASIENTO]), 0)" + QString::fromLatin1(mas) + " FROM " +
               tabla + donde + ")";
    };
    sentencias.push_back("UPDATE MV_ASIENTOS SET [NUMERO ASIENTO] = CASE WHEN " +
                         mayor("MV_ASIENTOSCCOSTO", "") + " > " + mayor("MV_ASIENTOS", "") +
                         " THEN " + mayor("MV_ASIENTOSCCOSTO", " + 1") + " ELSE " +
                         mayor("MV_ASIENTOS", " + 1") + " END WHERE TC = " + Texto(a.TC) +
                         " AND SUCURSAL = " + Texto(a.Sucursal) +
                         " AND NUMERO = " + Texto(a.Numero) + " AND LETRA = " + Texto(a.Letra));
}

} // namespace

QString MensajeDesbalance(const Currency& debe, const Currency& haber);

namespace {

// The side a line is written on. Line 1 is the header's side; any other line is on the debit
// side when it has a debit amount. A line may carry an amount on one side only.
QString LadoDe(const Asiento& a, int linea, Currency& importe, QString& error) {
    const Linea& l = a.Lineas[linea - 1];
    const bool debe = linea == 1 ? vb::Iguales(a.Lado, QStringLiteral("D")) : l.Debe != Currency();
    importe = debe ? l.Debe : l.Haber;
    const Currency otro = debe ? l.Haber : l.Debe;
    if (!vb::Trim(l.Cuenta).isEmpty() && importe != Currency() && otro != Currency())
        error = "La línea " + QString::number(linea) +
                " tiene importe en el Debe y en el Haber: deje uno solo.";
    return debe ? QStringLiteral("D") : QStringLiteral("H");
}

// The rows the batch writes, numbered without gaps; empty with `error` set when the entry
// cannot be saved as it stands.
std::vector<Renglon> Renglones(const Asiento& a, QString& error) {
    std::vector<Renglon> renglones;
    Currency debe, haber;
    for (int linea = 1; linea <= NumeroLineas && error.isEmpty(); ++linea) {
        Renglon r;
        r.Linea = linea;
        r.Cuenta = a.Lineas[linea - 1].Cuenta;
        r.Lado = LadoDe(a, linea, r.Importe, error);
        if (vb::Trim(r.Cuenta).isEmpty() || r.Importe == Currency())
            continue;
        r.Secuencia = int(renglones.size()) + 1;
        (r.Lado == u"D" ? debe : haber) += r.Importe;
        renglones.push_back(r);
    }
    if (error.isEmpty() && renglones.empty())
        error = QStringLiteral("El asiento no tiene ningún renglón con cuenta e importe: no hay "
                               "nada que grabar.");
    if (error.isEmpty() && debe != haber)
        error = MensajeDesbalance(debe, haber);
    return error.isEmpty() ? renglones : std::vector<Renglon>{};
}

// The origin as read: trimmed, and Null when the entry had none.
QString Origen(const Asiento& a, const QString& valor) {
    return a.OrigenNulo && vb::Trim(valor).isEmpty() ? QStringLiteral("Null")
                                                     : Texto(vb::Trim(valor));
}

QString SinCorchetes(const QString& campo) {
    return campo.startsWith(u'[') && campo.endsWith(u']') ? campo.mid(1, campo.size() - 2) : campo;
}

// What the batch writes from the form: what it shows or works out, the voucher's and the
// journal's keys, and the save's own user, time and cash box. Every other column of a stored
// row is written back as read.
bool DelFormulario(const QString& campo) {
    static const QStringList propias =
        QStringLiteral("TC|SUCURSAL|NUMERO|LETRA|IDCOMPROBANTE|SECUENCIA|FECHA|PERIODO|"
                       "MES_OPERATIVO|NUMERO ASIENTO|TIPO_REG|CUENTA|DEBE-HABER|IMPORTE|DETALLE|"
                       "CABIMPORTE|ESTADO|IDMOTIVO|IDCAJAS|USUARIO_LOGEADO|FECHAHORA_GRABACION")
            .split(u'|');
    return propias.contains(SinCorchetes(campo), Qt::CaseInsensitive);
}

// A line the user adds takes from the stored rows what belongs to the whole entry, when every
// stored row holds the same; what belongs to one line (a bank, a due date, a reconciliation)
// it does not inherit.
const QStringList DeAsiento = {"FECHASUBDIARIO", "UNEGOCIO",  "MONEDA",
                               "COTIZACION",     "TC_ORIGEN", "CPTE_ORIGEN",
                               "CABCUENTA",      "CABNOMBRE", "LIVA_ALICIVA"};

Fila ComunesDelAsiento(const Asiento& a) {
    Fila comunes;
    bool primera = true;
    for (const Fila& fila : a.Guardadas) {
        if (fila.empty())
            continue;
        Fila propias;
        for (const auto& [campo, literal] : fila)
            if (DeAsiento.contains(campo, Qt::CaseInsensitive))
                propias.push_back({campo, literal});
        if (primera)
            comunes = propias;
        else
            std::erase_if(comunes, [&](const auto& c) {
                return std::find(propias.begin(), propias.end(), c) == propias.end();
            });
        primera = false;
    }
    return comunes;
}

class Columnas {
public:
    void operator()(const QString& campo, const QString& literal) {
        campos_.push_back({campo, literal});
    }
    // The stored values of the columns the form does not write, over what was set.
    void Conservar(const Fila& guardada) {
        for (const auto& [campo, literal] : guardada)
            if (!DelFormulario(campo))
                Poner(campo, literal);
    }
    // The form's value of a column over what was set or conserved.
    void Poner(const QString& campo, const QString& literal) {
        for (ModGlobal::CampoValor& c : campos_)
            if (SinCorchetes(c.Campo).compare(campo, Qt::CaseInsensitive) == 0) {
                c.Valor = literal;
                return;
            }
        campos_.push_back({"[" + campo + "]", literal});
    }
    void Insertar(const QString& tabla, std::vector<QString>& sentencias) {
        QString condicion;
        ModNumeracion::GenerarSentenciaSQL(campos_, sentencias, tabla, false, condicion, false);
        campos_.clear();
    }

private:
    std::vector<ModGlobal::CampoValor> campos_;
};

void AgregarRenglon(const Asiento& a, const Renglon& r, const Currency& cabecera,
                    const Fila& comunes, std::vector<QString>& sentencias) {
    const UtilGeneral& util = UtilGeneral::Instancia();
    Columnas c;
    c("Fecha", Texto(a.Fecha));
    c("FechaSubDiario", Texto(a.Fecha));
    c("UNegocio", Texto(util.Rellenar(a.UNegocio, 4)));
    c("MES_OPERATIVO", Numero(a.Mes));
    c("[numero asiento]", a.NumerarEnLote    ? QStringLiteral("Null")
                          : a.EnModificacion ? Numero(a.NumeroAsiento)
                                             : Texto("@AAAAAA@"));
    c("Cuenta", Texto(r.Cuenta));
    c("Secuencia", Numero(QString::number(r.Secuencia)));
    c("CabImporte", Importe(cabecera));
    c("[DEBE-HABER]", Texto(r.Lado));
    c("Importe", Importe(r.Importe));
    c("Periodo", Texto(a.Periodo));
    c("TC", Texto(a.TC));
    c("Sucursal", Texto(a.Sucursal));
    c("Numero", Texto(a.Numero));
    c("Letra", Texto(a.Letra));
    c("Tipo_Reg", a.TipoRegNulo ? QStringLiteral("Null") : Texto(a.TipoReg));
    c("Detalle", Texto(vb::Trim(a.Concepto)));
    c("Moneda", Texto(util.Rellenar(QStringLiteral("1"), 4)));
    c("Cotizacion", Numero(QStringLiteral("1")));
    c("IdCajas", Texto(util.Rellenar(vb::Trim(a.Caja), 4)));
    if (r.Linea == NumeroLineas)
        c("NroCAI", Texto(QStringLiteral("ESIVA")));
    c("Tc_Origen", Origen(a, a.Tc_O));
    c("Cpte_Origen", Origen(a, a.Cpte_O));
    c("USUARIO_LOGEADO", Texto(a.Usuario));
    c("Fechahora_Grabacion", Texto(a.FechaHora));
    if (a.EnModificacion)
        c("Estado", Numero(QString::number(a.Estado)));
    c("LIVA_ALICIVA", Numero(a.TasaIVA));
    if (!vb::Trim(a.Motivo).isEmpty())
        c("IdMotivo", Texto(util.Rellenar(vb::Trim(a.Motivo), 4)));
    const Fila& guardada = a.Guardadas[size_t(r.Linea - 1)];
    c.Conservar(guardada.empty() ? comunes : guardada);
    // The list finds a difference, and its supplier, by the entry's first row, whichever line
    // of the form it comes from now: a line stored further down carries no supplier of its own.
    if (r.Secuencia == 1) {
        if (!vb::Trim(a.CabCuenta).isEmpty())
            c.Poner(QStringLiteral("CabCuenta"), Texto(a.CabCuenta));
        if (!vb::Trim(a.CabNombre).isEmpty())
            c.Poner(QStringLiteral("CabNombre"), Texto(a.CabNombre));
    }
    c.Insertar(QStringLiteral("MV_ASIENTOS"), sentencias);
}

void AgregarAplicacion(const Asiento& a, const Currency& importe,
                       std::vector<QString>& sentencias) {
    Columnas c;
    c("Cuenta", Texto(a.CabCuenta));
    c("TC", Texto(a.TC));
    c("Sucursal", Texto(QString::number(int(vb::Val(a.Sucursal))).rightJustified(4, u'0')));
    c("Numero", Texto(a.Numero));
    c("Letra", Texto(vb::UCase(vb::Trim(a.Letra))));
    c("Tco_Origen", Origen(a, a.Tc_O));
    c("Sucursal_Origen", Texto(vb::Mid(a.Cpte_O, 1, 4)));
    c("numero_Origen", Texto(vb::Mid(a.Cpte_O, 5, 8)));
    c("Letra_Origen", Texto(vb::UCase(vb::Mid(a.Cpte_O, 13, 1))));
    c("Importe", Importe(importe));
    c.Insertar(QStringLiteral("MV_APLICACION"), sentencias);
}

// The application of the difference to its origin voucher, and the origin's state.
void AgregarOrigen(const Asiento& a, const Currency& importe, std::vector<QString>& sentencias) {
    const QString tc = vb::Trim(a.Tc_O);
    if (a.Estado != 4 && !vb::Iguales(a.Lado, QStringLiteral("H"))) {
        if (!a.EnModificacion)
            sentencias.push_back("UPDATE MV_ASIENTOS SET ESTADO = 1 WHERE TC = " + Texto(tc) +
                                 " AND " + " Sucursal = " + Texto(vb::Mid(a.Cpte_O, 1, 4)) +
                                 " AND Numero = " + Texto(vb::Mid(a.Cpte_O, 5, 8)) +
                                 " AND Letra = " + Texto(vb::UCase(vb::Mid(a.Cpte_O, 13, 1))) +
                                 " AND CUENTA = " + Texto(a.CabCuenta));
        AgregarAplicacion(a, importe, sentencias);
    }
    if (a.EnModificacion)
        sentencias.push_back(QStringLiteral("UPDATE MV_ASIENTOS SET ESTADO=") +
                             (a.Estado != 0 ? "0" : "1") + " WHERE tc=" + Texto(tc) +
                             " and sucursal=" + Texto(vb::Left(a.Cpte_O, 4)) +
                             " and numero=" + Texto(vb::Mid(a.Cpte_O, 5, 8)) +
                             " and letra=" + Texto(vb::Right(a.Cpte_O, 1)) +
                             "  and CabCuenta = " + Texto(a.CabCuenta));
}

// The line accounts are remembered for the next new entry. They travel in the batch, so they
// are written exactly when the entry is: a batch rolled back or never run changes none.
void AgregarConfiguracion(const Asiento& a, std::vector<QString>& sentencias) {
    const QString tabla = vb::Trim(a.TablaConfiguracion).isEmpty()
                              ? QStringLiteral("TA_CONFIGURACION")
                              : a.TablaConfiguracion;
    for (int linea = 2; linea <= NumeroLineas; ++linea) {
        const QString clave = Texto("NCPE_" + QString::number(linea));
        const QString valor = Texto(a.Lineas[linea - 1].Cuenta);
        sentencias.push_back("UPDATE " + tabla + " SET VALOR = " + valor +
                             ", Grupo = 'DATOS', PoliticaNegocio = 0 WHERE CLAVE = " + clave);
        sentencias.push_back("INSERT INTO " + tabla +
                             " (CLAVE, VALOR, ValorAux, Grupo, PoliticaNegocio) SELECT " + clave +
                             ", " + valor + ", '', 'DATOS', 0 WHERE NOT EXISTS (SELECT * FROM " +
                             tabla + " WHERE CLAVE = " + clave + ")");
    }
}

// The rows of one stored line, in their order.
using Grupo = std::vector<const FilaCentro*>;

// Each stored line keeps its cost-centre rows when a line of the same account is still written:
// the k-th stored line of an account goes to the k-th written line of that account.
std::map<int, const Renglon*> Destinos(const std::map<int, Grupo>& grupos,
                                       const std::vector<Renglon>& renglones) {
    std::map<QString, int> usados;
    std::map<int, const Renglon*> destinos;
    for (const auto& [secuencia, filas] : grupos) {
        const QString cuenta = vb::UCase(vb::Trim(filas.front()->Cuenta));
        int k = usados[cuenta]++;
        for (const Renglon& r : renglones)
            if (vb::UCase(vb::Trim(r.Cuenta)) == cuenta && k-- == 0) {
                destinos[secuencia] = &r;
                break;
            }
    }
    return destinos;
}

// The literal of a stored row's column; empty when the row has none of that name.
QString Columna(const Fila& fila, const QString& campo) {
    for (const auto& [nombre, literal] : fila)
        if (SinCorchetes(nombre).compare(campo, Qt::CaseInsensitive) == 0)
            return literal;
    return {};
}

// The stored line written under `secuencia`, as read with the entry; none when no stored line
// has that sequence.
const Fila* LineaGuardada(const Asiento& a, int secuencia) {
    for (const Fila& fila : a.Guardadas)
        if (!fila.empty() &&
            Columna(fila, QStringLiteral("SECUENCIA")) == QString::number(secuencia))
            return &fila;
    return nullptr;
}

// A cost-centre row is its line's when it names the line's account, letter case and trailing
// blanks aside, as the database compares them.
bool DeLaLinea(const Fila* linea, const QString& cuenta) {
    if (!linea)
        return false;
    const ado::TokensSql literal = ado::Tokenizar(Columna(*linea, QStringLiteral("CUENTA")));
    const QString guardada = literal.size() == 1 && literal[0].tipo == ado::TokenSql::Cadena
                                 ? literal[0].ValorCadena()
                                 : QString();
    return vb::Iguales(vb::RTrim(guardada), vb::RTrim(cuenta));
}

std::optional<Currency> ImporteGuardado(const Asiento& a, int secuencia) {
    const Fila* linea = LineaGuardada(a, secuencia);
    if (!linea)
        return std::nullopt;
    return Currency::DesdeTextoSql(Columna(*linea, QStringLiteral("IMPORTE")));
}

// What a cost-centre row is written with: its amount, and its share when that is no longer the
// stored one.
struct Reescrita {
    QString Importe, Porcentaje;
};

// How the line's rows are written, none for a row not written again: as stored while the line
// keeps its amount, so that a save changes none of them; otherwise the new amount split in the
// stored proportion.
std::vector<std::optional<Reescrita>> ImportesCentros(const Asiento& a, int secuencia,
                                                      const Grupo& filas, const Renglon& destino) {
    std::vector<std::optional<Reescrita>> escritas;
    if (ImporteGuardado(a, secuencia) == destino.Importe) {
        for (const FilaCentro* f : filas) {
            const QString guardado = Columna(f->Columnas, QStringLiteral("IMPORTE"));
            escritas.push_back(Reescrita{guardado.isEmpty() ? Importe(f->Importe) : guardado, {}});
        }
        return escritas;
    }
    std::vector<FilaRepartida> guardadas;
    for (const FilaCentro* f : filas)
        guardadas.push_back({f->Porcentaje, f->Importe});
    const std::vector<Currency> partes =
        RepartirComoFilas(destino.Importe, guardadas, DecimalesConfigurados());
    for (size_t i = 0; i < partes.size(); ++i) {
        if (guardadas[i].Porcentaje > Currency()) {
            escritas.push_back(Reescrita{Importe(partes[i]), {}});
            continue;
        }
        // A row that stood on its amount takes the share its new amount gives, as one typed in
        // the dialog does; left nothing, it splits nothing, and the dialog writes no such row.
        const Currency porcentaje =
            Currency::Proporcion(partes[i], Currency::DesdeEntero(100), destino.Importe);
        if (partes[i] == Currency())
            escritas.push_back(std::nullopt);
        else
            escritas.push_back(Reescrita{
                Importe(partes[i]), porcentaje == Currency() ? QString() : Importe(porcentaje)});
    }
    return escritas;
}

// Each row of a line written again as stored, under the entry's key and its line's new sequence
// and side, with the amount (and share) given.
void InsertarCentro(const Asiento& a, const FilaCentro& f, const Renglon& destino,
                    const Reescrita& escrita, std::vector<QString>& sentencias) {
    Columnas c;
    c.Poner(QStringLiteral("CUENTA"), Texto(f.Cuenta));
    c.Poner(QStringLiteral("CCOSTO"), Texto(f.CCosto));
    c.Poner(QStringLiteral("PORCENTAJE"), Importe(f.Porcentaje));
    for (const auto& [campo, literal] : f.Columnas)
        c.Poner(SinCorchetes(campo), literal);
    c.Poner(QStringLiteral("PERIODO"), Numero(a.Periodo));
    c.Poner(QStringLiteral("MES_OPERATIVO"), Numero(a.Mes));
    c.Poner(QStringLiteral("NUMERO ASIENTO"), Numero(a.NumeroAsiento));
    c.Poner(QStringLiteral("TIPO_REG"), Texto(a.TipoReg));
    c.Poner(QStringLiteral("SECUENCIA"), QString::number(destino.Secuencia));
    c.Poner(QStringLiteral("DEBE-HABER"), Texto(destino.Lado));
    c.Poner(QStringLiteral("IMPORTE"), escrita.Importe);
    if (!escrita.Porcentaje.isEmpty())
        c.Poner(QStringLiteral("PORCENTAJE"), escrita.Porcentaje);
    c.Insertar(QStringLiteral("MV_ASIENTOSCCOSTO"), sentencias);
}

// The entry's cost-centre rows follow their lines: every row of a stored line is removed and,
// while a line of its account is still written, written again on its own (the table has no key
// that tells two rows of one cost centre apart) under the line's new sequence and side and the
// key the entry is written under. Rows that are no stored line's (of another account than the
// line of their sequence, or of a sequence no line has) are removed: taken along, they would
// join a line of their account and no longer let its rows make it.
void AgregarCentros(const Asiento& a, const std::vector<Renglon>& renglones,
                    std::vector<QString>& sentencias) {
    std::map<int, Grupo> grupos;
    std::map<std::pair<int, QString>, QString> borrar;
    for (const FilaCentro& f : a.Centros) {
        if (DeLaLinea(LineaGuardada(a, f.Secuencia), f.Cuenta))
            grupos[f.Secuencia].push_back(&f);
        borrar.emplace(std::pair{f.Secuencia, vb::UCase(vb::RTrim(f.Cuenta))}, f.Cuenta);
    }
    for (const auto& [linea, cuenta] : borrar)
        sentencias.push_back("DELETE FROM MV_ASIENTOSCCOSTO WHERE " + a.Clave.Condicion() +
                             " AND CUENTA = " + Texto(cuenta) +
                             " AND SECUENCIA = " + QString::number(linea.first));
    const std::map<int, const Renglon*> destinos = Destinos(grupos, renglones);
    for (const auto& [secuencia, destino] : destinos) {
        const Grupo& filas = grupos.at(secuencia);
        const auto importes = ImportesCentros(a, secuencia, filas, *destino);
        for (size_t i = 0; i < filas.size(); ++i)
            if (importes[i])
                InsertarCentro(a, *filas[i], *destino, *importes[i], sentencias);
    }
}

} // namespace

int DecimalesConfigurados() {
    return std::clamp(ModGlobal::DecimalesPara(-1), 0, 4);
}

namespace {

// The fewest decimals, from `desde` on, that show the amount whole.
int DecimalesExactos(const Currency& monto, int desde) {
    int decimales = desde;
    while (decimales < 4 && monto.Redondear(decimales) != monto)
        ++decimales;
    return decimales;
}

} // namespace

QString ImporteExacto(const Currency& monto) {
    return monto.ATexto(DecimalesExactos(monto, DecimalesConfigurados()));
}

QString MensajeDesbalance(const Currency& debe, const Currency& haber) {
    // Amounts stored with more decimals than configured may read alike at the configured
    // decimals: the totals are then shown with every decimal they hold.
    const int configurados = DecimalesConfigurados();
    const int decimales =
        std::max(DecimalesExactos(debe, configurados), DecimalesExactos(haber, configurados));
    QString mensaje = "El asiento no balancea: Debe " + debe.ATexto(decimales) + " Haber " +
                      haber.ATexto(decimales) + ".";
    if (decimales > configurados)
        mensaje += " Hay importes guardados con más decimales que los " +
                   QString::number(configurados) + " configurados.";
    return mensaje + " Corrija los importes antes de grabar.";
}

Lote Armar(const Asiento& a) {
    Lote lote;
    const std::vector<Renglon> renglones = Renglones(a, lote.Error);
    if (!lote.Error.isEmpty())
        return lote;
    // The header amount is the entry's debit total on every row. It is the ceiling of the next
    // correction of a difference with no origin invoice, so an entry saved once can be saved
    // again as it stands.
    Currency cabecera;
    for (const Renglon& r : renglones)
        if (r.Lado == u"D")
            cabecera += r.Importe;
    const Fila comunes = ComunesDelAsiento(a);
    for (const Renglon& r : renglones)
        AgregarRenglon(a, r, cabecera, comunes, lote.Sentencias);
    Currency aplicacion;
    QString sinUso;
    LadoDe(a, 1, aplicacion, sinUso);
    if (a.NumerarEnLote)
        AgregarNumero(a, lote.Sentencias);
    AgregarOrigen(a, aplicacion, lote.Sentencias);
    AgregarConfiguracion(a, lote.Sentencias);
    if (a.EnModificacion)
        AgregarCentros(a, renglones, lote.Sentencias);
    return lote;
}

QString Guardado(const ado::Field& campo) {
    const QVariant valor = campo.Value();
    const bool fijo = campo.Type() == ado::adChar || campo.Type() == ado::adWChar;
    if (!fijo || vb::IsNull(valor))
        return Literal(valor);
    QString texto = valor.toString();
    while (texto.endsWith(u' '))
        texto.chop(1);
    return Literal(texto);
}

QString Literal(const QVariant& valor) {
    if (vb::IsNull(valor))
        return QStringLiteral("Null");
    if (valor.metaType() == QMetaType::fromType<Currency>())
        return valor.value<Currency>().ATextoSql();
    switch (valor.metaType().id()) {
    case QMetaType::QDateTime:
        return Texto(vb::Format(valor.toDateTime(), QStringLiteral("dd/mm/yyyy hh:nn:ss")));
    case QMetaType::QDate:
        return Texto(vb::Format(valor.toDate(), QStringLiteral("dd/mm/yyyy")));
    case QMetaType::Bool:
        return valor.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return valor.toString();
    case QMetaType::Double:
        return QString::number(valor.toDouble(), 'g', 17);
    default:
        return Texto(valor.toString());
    }
}

} // namespace LoteAsiento
