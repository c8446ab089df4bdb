#include "cost_centres/ClsCCosto.h"

#include "platform/ado/TokenSql.h"
#include "platform/errors/ErrorEjecucion.h"
#include "platform/runtime/ErrorVb.h"
#include "platform/runtime/Fechas.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/Variantes.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"
#include "session/ModGlobal.h"

#include <QRegularExpression>
#include <optional>

namespace {

const UtilGeneral& Util() {
    return UtilGeneral::Instancia();
}

// The column names and values of an INSERT, each value as its literal reads (doubled
// apostrophes undone) or, when it is no literal, as written.
struct Insercion {
    QStringList Columnas;
    QStringList Valores;
};

QString Elemento(const ado::TokensSql& tokens, int desde, int hasta) {
    ado::TokensSql partes;
    for (int i = desde; i < hasta; ++i)
        if (tokens[i].Significativo())
            partes << tokens[i];
    if (partes.size() == 1 && partes[0].tipo == ado::TokenSql::Cadena)
        return partes[0].ValorCadena();
    if (partes.size() == 1 && partes[0].tipo != ado::TokenSql::Numero &&
        partes[0].tipo != ado::TokenSql::Simbolo)
        return partes[0].Nombre();
    return vb::Trim(ado::Unir(partes));
}

// The comma-separated elements between the "(" at `abre` and its ")"; -1 when unclosed.
int Lista(const ado::TokensSql& tokens, int abre, QStringList& elementos) {
    int nivel = 0, inicio = abre + 1;
    for (int i = abre + 1; i < tokens.size(); ++i) {
        if (tokens[i].EsSimbolo("("))
            ++nivel;
        else if (tokens[i].EsSimbolo(")") && nivel > 0)
            --nivel;
        else if (nivel == 0 && (tokens[i].EsSimbolo(",") || tokens[i].EsSimbolo(")"))) {
            elementos << Elemento(tokens, inicio, i);
            inicio = i + 1;
            if (tokens[i].EsSimbolo(")"))
                return i;
        }
    }
    return -1;
}

bool EsNombre(const ado::TokenSql& t) {
    return t.tipo == ado::TokenSql::Palabra || t.tipo == ado::TokenSql::Corchete ||
           t.tipo == ado::TokenSql::Identificador;
}

// The table's name as a whole word: MV_ASIENTOSCCOSTO is not MV_ASIENTOS. The
// administrator's prefix, which the session drops before running a statement, is no part of it.
bool EsTabla(const ado::TokenSql& token, const QString& tabla) {
    if (!EsNombre(token))
        return false;
    QString nombre = token.Nombre();
    static const QString prefijo = QStringLiteral("@Admin_");
    if (nombre.startsWith(prefijo, Qt::CaseInsensitive))
        nombre = nombre.mid(prefijo.size());
    return vb::Iguales(nombre, tabla);
}

// The first table named `tabla`, with its column list and VALUES list; nothing when the
// statement has not that shape.
std::optional<Insercion> LeerInsercion(const QString& sentencia, const QString& tabla) {
    const ado::TokensSql tokens = ado::Tokenizar(sentencia);
    int i = 0;
    while (i < tokens.size() && !EsTabla(tokens[i], tabla))
        ++i;
    Insercion r;
    i = i < tokens.size() ? ado::Siguiente(tokens, i) : -1;
    if (i < 0 || !tokens[i].EsSimbolo("(") || (i = Lista(tokens, i, r.Columnas)) < 0)
        return std::nullopt;
    i = ado::Siguiente(tokens, i);
    if (i < 0 || !tokens[i].EsPalabra("VALUES"))
        return std::nullopt;
    i = ado::Siguiente(tokens, i);
    if (i < 0 || !tokens[i].EsSimbolo("(") || Lista(tokens, i, r.Valores) < 0)
        return std::nullopt;
    return r;
}

} // namespace

QString SentenciaCCosto(const FilaCCosto& f, const QString& MesSinFecha) {
    const DB_Dll& db = DB_Dll::Instancia();
    const auto q = [&](const QString& texto) { return db.SQLValue(texto); };
    const bool sinFecha = f.Fecha.isEmpty() && !MesSinFecha.isEmpty();
    const QString fecha = sinFecha ? QStringLiteral("NULL") : q(f.Fecha);
    const QString mes = sinFecha ? MesSinFecha : QString::number(vb::CDate(f.Fecha).date().month());
    return "INSERT INTO MV_ASIENTOSCCOSTO (PERIODO,[NUMERO ASIENTO],[DEBE-HABER],Tipo_Reg,"
           "Moneda,Fecha,MES_OPERATIVO,CUENTA,SECUENCIA,CCosto,Porcentaje,Importe) VALUES (" +
           q(f.Periodo) + "," + f.NumeroAsiento + "," + q(f.DH) + "," + q(f.TipoReg) + "," +
           q(f.Moneda) + "," + fecha + "," + mes + "," + q(f.Cuenta) + "," + f.Secuencia + "," +
           q(vb::Trim(f.CCosto)) + "," + db.SQLValue(f.Porcentaje, QStringLiteral("@")) + "," +
           db.SQLValue(f.Importe, QStringLiteral("@")) + ")";
}

// ---- Pending lines -------------------------------------------------------------------------

long ClsCCosto::PosicionCampo(const QString& Texto, const QString& Campo,
                              const QString& Separador) {
    const QStringList nombres = vb::Trim(Texto).split(Separador);
    if (vb::Trim(Texto).isEmpty())
        return 0;
    for (long n = 0; n < nombres.size(); ++n)
        if (vb::Iguales(vb::Trim(nombres[n]), Campo))
            return n + 1;
    return 0;
}

// An account with a fixed split, or one that names a distribution table.
bool ClsCCosto::NecesitaDistribucion(const QString& Cuenta, bool SoloLectura) {
    DB_Dll& db = DB_Dll::Instancia();
    const QString codigo = QStringLiteral("CODIGO");
    const QString condicion =
        "CODIGO=" + db.SQLValue(Cuenta) + " AND NOT CC_DIST IS NULL AND LTRIM(RTRIM(CC_DIST))<>''";
    const bool fija = db.ExisteEnTablaST(QStringLiteral("MA_CUENTASCCOSTO"), Cuenta, codigo,
                                         nullptr, 8, {}, SoloLectura);
    const bool tabla = db.ExisteEnTablaST(QStringLiteral("MA_CUENTAS"), Cuenta, codigo, nullptr, 8,
                                          condicion, SoloLectura);
    return fija || tabla;
}

QString ClsCCosto::ValorColumna(const QStringList& Columnas, const QStringList& Valores,
                                const QString& Columna) {
    const long n = PosicionCampo(Columnas.join(u','), Columna, QStringLiteral(","));
    return n > 0 && n <= Valores.size() ? Valores[n - 1] : QString();
}

void ClsCCosto::Vaciar() {
    pendientes_.resize(1);
}

bool ClsCCosto::HayCuentasCC(const QStringList& ListaDeSentencias) {
    Vaciar();
    for (const QString& sentencia : ListaDeSentencias)
        LeerSentencia(sentencia);
    return pendientes_.size() > 1;
}

void ClsCCosto::LeerSentencia(const QString& Sentencia) {
    if (!Sentencia.contains(QStringLiteral("MV_ASIENTOS"), Qt::CaseInsensitive))
        return;
    const std::optional<Insercion> ins = LeerInsercion(Sentencia, QStringLiteral("MV_ASIENTOS"));
    if (!ins || PosicionCampo(ins->Columnas.join(u','), QStringLiteral("CUENTA"), ",") == 0)
        return;
    const auto valor = [&](const QString& columna) {
        return ValorColumna(ins->Columnas, ins->Valores, columna);
    };
    LineaPendienteCC l;
    l.Cuenta = valor(QStringLiteral("CUENTA"));
    l.Importe = Util().ValorMoneda(valor(QStringLiteral("IMPORTE")));
    if (!NecesitaDistribucion(l.Cuenta, true))
        return;
    // A quoted value is kept as written, blanks included: the currency code '   1' is the
    // stored code.
    const auto campo = [&](const char* columna) { return valor(columna); };
    l.DH = campo("Debe-Haber");
    l.Fecha = campo("Fecha");
    l.Moneda = campo("Moneda");
    l.NumeroAsiento = campo("NUMERO ASIENTO");
    l.Periodo = campo("Periodo");
    l.TipoReg = campo("Tipo_Reg");
    l.TC = campo("TC");
    l.Sucursal = campo("Sucursal");
    l.Numero = campo("Numero");
    l.Letra = campo("Letra");
    l.Secuencia = campo("Secuencia");
    pendientes_.push_back(l);
}

namespace {

// The text before the first "|", which LineaVariables then loses with its "|"; error 5 when
// the field has no "|" to end it.
QString CampoLinea(QString& LineaVariables) {
    const int fin = LineaVariables.indexOf(u'|');
    if (fin < 0)
        vb::Raise(5);
    const QString campo = LineaVariables.left(fin);
    LineaVariables = LineaVariables.mid(fin + 1);
    return campo;
}

} // namespace

// The entry number of the first statement of a script the caller holds; empty when it has
// none (a cancelled script).
QString ClsCCosto::AsientoDelGuion(const QString& CCostoActual) {
    const int fin = CCostoActual.indexOf(u'\r', 1);
    if (fin < 0)
        return {};
    const std::optional<Insercion> ins =
        LeerInsercion(CCostoActual.left(fin), QStringLiteral("MV_ASIENTOSCCOSTO"));
    if (!ins)
        return {};
    return vb::Trim(ValorColumna(ins->Columnas, ins->Valores, QStringLiteral("numero asiento")));
}

bool ClsCCosto::HayCuentasCC2(QString& LineaVariables, const QString& CCostoActual) {
    Vaciar();
    if (vb::Trim(LineaVariables).isEmpty())
        return false;
    LineaPendienteCC l;
    const QString cuenta = CampoLinea(LineaVariables);
    if (!NecesitaDistribucion(cuenta, false))
        return false;
    l.Cuenta = vb::Trim(cuenta);
    l.Importe = Util().ValorMoneda(CampoLinea(LineaVariables));
    l.DH = CampoLinea(LineaVariables);
    const QString moneda = CampoLinea(LineaVariables);
    l.Moneda = moneda.isEmpty() ? QStringLiteral("   1") : Util().Rellenar(moneda, 4);
    l.Fecha = CampoLinea(LineaVariables);
    l.TC = CampoLinea(LineaVariables);
    l.Sucursal = CampoLinea(LineaVariables);
    l.Numero = CampoLinea(LineaVariables);
    l.Letra = CampoLinea(LineaVariables);
    l.Periodo = QString::number(ModGlobal::Valores.PeriodoActual);
    l.TipoReg = vb::Trim(Util().ValorCampo(
        DB_Dll::Instancia().DatosTabla(QStringLiteral("MA_SUBDIARIOSCOMPROBANTES"), l.TC,
                                       QStringLiteral("SUBDIARIO"), QStringLiteral("TC"))));
    if (l.TipoReg.isEmpty())
        l.TipoReg = QStringLiteral("    ");
    l.NumeroAsiento =
        CCostoActual.isEmpty() ? QString::fromLatin1(MarcaAsiento) : AsientoDelGuion(CCostoActual);
    l.Secuencia = QString::fromLatin1(MarcaSecuencia);
    pendientes_.push_back(l);
    return true;
}

std::optional<FilaCCosto> LeerFilaCCosto(const QString& Sentencia) {
    const std::optional<Insercion> ins =
        LeerInsercion(Sentencia, QStringLiteral("MV_ASIENTOSCCOSTO"));
    if (!ins)
        return std::nullopt;
    const auto v = [&](const char* columna) {
        return ClsCCosto::ValorColumna(ins->Columnas, ins->Valores, QString::fromLatin1(columna));
    };
    return FilaCCosto{v("PERIODO"), v("NUMERO ASIENTO"), v("DEBE-HABER"), v("Tipo_Reg"),
                      v("Moneda"),  v("Fecha"),          v("CUENTA"),     v("SECUENCIA"),
                      v("CCosto"),  v("Porcentaje"),     v("Importe")};
}

// ---- The script ----------------------------------------------------------------------------

FilaCCosto ClsCCosto::Fila(const LineaPendienteCC& l, const QString& Cuenta,
                           const QString& Secuencia) {
    return {l.Periodo,
            l.NumeroAsiento,
            l.DH,
            l.TipoReg,
            l.Moneda,
            l.Fecha,
            Cuenta,
            Secuencia,
            l.CCosto,
            Currency::DesdeDouble(l.Porcentaje).ATexto(),
            l.Importe.ATexto()};
}

QString ClsCCosto::SCriptCCosto(bool NumerarSecuencia, const QString& CCostoActual) {
    ContadorSecuencia = NumerarSecuencia ? 0 : -1;
    QString resultado;
    for (size_t i = 1; i < pendientes_.size(); ++i) {
        const LineaPendienteCC& l = pendientes_[i];
        if (!CrearConfirmacion)
            vb::Raise(91);
        const std::unique_ptr<ConfirmacionCCosto> dialogo = CrearConfirmacion();
        dialogo->FijarSecuencia(l.Secuencia);
        dialogo->CargarCcostos(l.Cuenta, l.Importe, QString(), CCostoActual);
        if (!dialogo->gHayCCostos())
            continue;
        dialogo->FijarTitulo(l.TC + " " + l.Sucursal + "-" + l.Numero + " " + l.Letra);
        if (dialogo->Pideconfirmacion())
            dialogo->MostrarModal();
        else
            dialogo->FijarCancelar(false);
        if (dialogo->gCancelar()) {
            resultado = QStringLiteral("CANCELADO");
            break;
        }
        resultado += "\r\n" + dialogo->SCriptCCosto(l.Periodo, l.NumeroAsiento, l.DH, l.TipoReg,
                                                    l.Moneda, l.Fecha, l.Secuencia);
    }
    ContadorSecuencia = 0;
    return resultado;
}

QString ClsCCosto::SCriptCCosto2() const {
    QString resultado;
    for (size_t i = 1; i < pendientes_.size(); ++i) {
        const LineaPendienteCC& l = pendientes_[i];
        // A stored row of share 0 still carries its amount (one too small against its line
        // for the share's decimals): a copy without it would no longer make the line.
        if (!vb::Trim(l.CCosto).isEmpty())
            resultado = SentenciaCCosto(Fila(l, l.Cuenta, l.Secuencia), l.MesOperativo) + "\r\n" +
                        resultado;
    }
    return resultado;
}

QString ClsCCosto::ActualizaHayCuentasCC2(QString& sTmp, const QString& Asiento,
                                          const QString& Secuencia) const {
    sTmp = Util().SustituirNombre(sTmp, QString::fromLatin1(MarcaAsiento), Asiento);
    sTmp = Util().SustituirNombre(sTmp, QString::fromLatin1(MarcaSecuencia), Secuencia);
    return sTmp;
}

// ---- Stored rows ---------------------------------------------------------------------------

namespace {

// The month, entry number and SECUENCIA go into the query bare, as numbers: any other text is
// refused before the query is built.
QString Entero(const QString& Valor, const char* Nombre) {
    static const QRegularExpression entero(QStringLiteral("^[0-9]+$"));
    const QString texto = vb::Trim(Valor);
    if (!entero.match(texto).hasMatch())
        throw ErrorEjecucion(13, QStringLiteral("%1 debe ser un número entero; se recibió '%2'.")
                                     .arg(QString::fromUtf8(Nombre), Valor));
    return texto;
}

} // namespace

QString ClsCCosto::LeeCCosto(const QString& Periodo, const QString& Mes, const QString& Asiento,
                             const QString& Cuenta, const QString& Secuencia,
                             const QString& TipoReg, const QString& TC, const QString& Suc,
                             const QString& Nro, const QString& Letra, const QString& NewNroAsiento,
                             const QString& NewPeriodo, bool BuscaSinSecuencia) {
    Vaciar();
    const QString mes = Entero(Mes, "El mes");
    const QString asiento = Entero(Asiento, "El número de asiento");
    const QString secuencia = Entero(Secuencia, "La secuencia");
    const DB_Dll& db = DB_Dll::Instancia();
    const QString sql = "Select * from MV_ASIENTOSCCOSTO WHERE  PERIODO = " + db.SQLValue(Periodo) +
                        " AND  MES_OPERATIVO = " + mes + " AND  [NUMERO ASIENTO] = " + asiento +
                        " AND  CUENTA = " + db.SQLValue(Cuenta) +
                        " AND  TIPO_REG = " + db.SQLValue(TipoReg) + " ";
    QString resultado;
    const Copia copia{Cuenta, TC, Suc, Nro, Letra, NewNroAsiento, NewPeriodo};
    if (!LeerFilasGuardadas(sql + "and Secuencia = " + secuencia, copia, resultado) &&
        BuscaSinSecuencia)
        LeerFilasGuardadas(sql, copia, resultado);
    return resultado;
}

// Appends a pending line and its statement for each row the query returns; false when none.
bool ClsCCosto::LeerFilasGuardadas(QString sql, const Copia& c, QString& Resultado) {
    ado::Recordset rs;
    DB_Dll::Instancia().AbrirRecordset(sql, rs);
    if (rs.Bof())
        return false;
    const UtilGeneral& util = Util();
    for (; !rs.Eof(); rs.MoveNext()) {
        const auto campo = [&](const char* nombre) { return rs.Fields(nombre).Value(); };
        const auto numero = [](const QVariant& v) {
            return vb::IsNull(v) ? Currency() : Currency::DesdeVariant(v);
        };
        LineaPendienteCC l;
        l.Cuenta = vb::Trim(c.Cuenta);
        l.Importe = numero(campo("Importe"));
        l.DH = util.ValorCampo(campo("DEBE-HABER"));
        l.Fecha = util.ValorCampo(campo("Fecha"));
        if (l.Fecha.isEmpty())
            l.MesOperativo = util.ValorCampo(campo("MES_OPERATIVO"));
        l.Moneda = util.ValorCampo(campo("Moneda"));
        const QString asiento = util.ValorCampo(campo("numero asiento"));
        l.NumeroAsiento = !c.NewNroAsiento.isEmpty() ? c.NewNroAsiento
                          : asiento.isEmpty()        ? QStringLiteral("NULL")
                                                     : asiento;
        l.Periodo = !c.NewPeriodo.isEmpty() ? c.NewPeriodo : util.ValorCampo(campo("Periodo"));
        l.TipoReg = util.ValorCampo(campo("Tipo_Reg"));
        l.TC = c.TC;
        l.Sucursal = c.Suc;
        l.Numero = c.Nro;
        l.Letra = c.Letra;
        l.CCosto = util.ValorCampo(campo("CCosto")).leftJustified(4, u' ', true);
        l.Porcentaje = static_cast<float>(numero(campo("Porcentaje")).ADouble());
        l.Secuencia = QString::fromLatin1(MarcaSecuencia);
        pendientes_.push_back(l);
        Resultado += "\r" + SentenciaCCosto(Fila(l, l.Cuenta, l.Secuencia), l.MesOperativo) + "\r";
    }
    return true;
}
