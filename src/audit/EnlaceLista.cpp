#include "audit/EnlaceLista.h"

#include "audit/EnlacePagina.h"
#include "platform/ado/TokenSql.h"
#include "platform/browser/CodificacionUrl.h"
#include "platform/runtime/Texto.h"

#include <QLatin1StringView>
#include <QStringList>
#include <algorithm>
#include <array>

namespace EnlaceLista {

namespace {

constexpr QLatin1StringView kCambioEstado("_CambioEstado_");
constexpr QLatin1StringView kTCorigen("_TCorigen_");
constexpr QLatin1StringView kVerAsiento("_VER_ASIENTOTC_");
constexpr QLatin1StringView kModificar("_Modificar_");
constexpr QLatin1StringView kPagina("_Pagina_");
constexpr QLatin1StringView kCpteOrigen("_CpteOrigen_");
constexpr QLatin1StringView kCuenta("_Cuenta_");
constexpr QLatin1StringView kTC("_TC_");
constexpr QLatin1StringView kSucursal("_SUCURSAL_");
constexpr QLatin1StringView kNumero("_NUMERO_");
constexpr QLatin1StringView kLetra("_LETRA_");
constexpr QLatin1StringView kTipoOrigen("_TIPOORIGEN_");
constexpr QLatin1StringView kCpteOrigenDiferencia("_CPTE-ORIGEN_");
constexpr QLatin1StringView kCabCuenta("_Cabcuenta_");
constexpr QLatin1StringView kCabNombre("_CabNombre_");

// The commands by the marker their links begin with.
constexpr std::array<std::pair<QLatin1StringView, Comando>, 5> kComandos = {{
    {kCambioEstado, Comando::CambioEstado},
    {kTCorigen, Comando::Origen},
    {kVerAsiento, Comando::VerAsiento},
    {kModificar, Comando::Modificar},
    {kPagina, Comando::Pagina},
}};

QLatin1StringView Marcador(Comando comando) {
    for (const auto& [marcador, c] : kComandos)
        if (c == comando)
            return marcador;
    return {};
}

void Agregar(QString& linea, QLatin1StringView marcador, const QString& valor) {
    linea += marcador;
    AgregarValorUrl(linea, valor);
}

// QByteArray::append goes through a general insert: a list's rows append a few hundred
// thousand markers, copied in place instead.
void Anexar(QByteArray& linea, const char* bytes, qsizetype n) {
    const qsizetype hasta = linea.size();
    linea.resize(hasta + n);
    std::copy(bytes, bytes + n, linea.data() + hasta);
}

void Agregar(QByteArray& linea, QLatin1StringView marcador, const QString& valor) {
    Anexar(linea, marcador.data(), marcador.size());
    AgregarValorUrl(linea, valor);
}

bool AlgunoVacio(std::initializer_list<QString> valores) {
    return std::any_of(valores.begin(), valores.end(),
                       [](const QString& v) { return v.isEmpty(); });
}

} // namespace

// ---- Writing the links ------------------------------------------------------------------

void AgregarOrigen(QByteArray& linea, const QString& Tc_Origen, const QString& Cpte_Origen,
                   const QString& CabCuenta) {
    Agregar(linea, kTCorigen, Tc_Origen);
    Agregar(linea, kCpteOrigen, Cpte_Origen);
    Agregar(linea, kCuenta, CabCuenta);
}

void AgregarAsiento(QByteArray& linea, const ClaveComprobante& clave, const QString& CabCuenta) {
    Agregar(linea, kVerAsiento, clave.TC);
    Agregar(linea, kSucursal, clave.Sucursal);
    Agregar(linea, kNumero, clave.Numero);
    Agregar(linea, kLetra, clave.Letra);
    Agregar(linea, kCuenta, CabCuenta);
}

void AgregarDatosDiferencia(QByteArray& datos, const Diferencia& d) {
    AgregarValorUrl(datos, d.Estado);
    Agregar(datos, kTC, d.TC);
    Agregar(datos, kSucursal, d.Suc);
    Agregar(datos, kNumero, d.Numero);
    Agregar(datos, kLetra, d.Letra);
    Agregar(datos, kTipoOrigen, d.Tc_Origen);
    Agregar(datos, kCpteOrigenDiferencia, d.Cpte_Origen);
    Agregar(datos, kCabCuenta, d.CabCuenta);
    Agregar(datos, kCabNombre, d.CabNombre);
}

void AgregarDiferencia(QByteArray& linea, Comando comando, QByteArrayView datos) {
    const QLatin1StringView marcador = Marcador(comando);
    Anexar(linea, marcador.data(), marcador.size());
    Anexar(linea, datos.data(), datos.size());
}

QString Pagina(int numero) {
    QString enlace;
    Agregar(enlace, kPagina, QString::number(numero));
    return enlace;
}

// ---- Reading the links ------------------------------------------------------------------

Comando ComandoDe(const QString& enlace) {
    for (const auto& [marcador, comando] : kComandos)
        if (EnlacePagina::EmpiezaCon(enlace, marcador))
            return comando;
    return Comando::Ninguno;
}

bool TieneMarcador(const QString& enlace) {
    return std::any_of(kComandos.cbegin(), kComandos.cend(),
                       [&](const auto& c) { return EnlacePagina::Contiene(enlace, c.first); });
}

std::optional<Diferencia> LeerDiferencia(const QString& enlace) {
    const Comando comando = ComandoDe(enlace);
    if (comando != Comando::CambioEstado && comando != Comando::Modificar)
        return std::nullopt;
    const std::optional<QStringList> v =
        EnlacePagina::Cortar(enlace, {Marcador(comando), kTC, kSucursal, kNumero, kLetra,
                                      kTipoOrigen, kCpteOrigenDiferencia, kCabCuenta, kCabNombre});
    if (!v)
        return std::nullopt;
    const QStringList& x = *v;
    Diferencia d{x[0], x[1], x[2], x[3], x[4], x[5], x[6], x[7], x[8]};
    if (AlgunoVacio({d.TC, d.Suc, d.Numero, d.Letra}))
        return std::nullopt;
    return d;
}

std::optional<Comprobante> LeerOrigen(const QString& enlace) {
    const std::optional<QStringList> v =
        EnlacePagina::Cortar(enlace, {kTCorigen, kCpteOrigen, kCuenta});
    if (!v)
        return std::nullopt;
    const QString clave = vb::Left(v->at(1), 13);
    Comprobante c{ClaveComprobante::DesdeId(vb::Trim(v->at(0)), clave), v->at(2)};
    if (c.TC.isEmpty() || clave.size() < 13)
        return std::nullopt;
    return c;
}

std::optional<Comprobante> LeerAsiento(const QString& enlace) {
    const std::optional<QStringList> v =
        EnlacePagina::Cortar(enlace, {kVerAsiento, kSucursal, kNumero, kLetra});
    if (!v)
        return std::nullopt;
    Comprobante c{{v->at(0), v->at(1), v->at(2), vb::Left(v->at(3), 1)}, {}};
    if (AlgunoVacio({c.TC, c.Sucursal, c.Numero, c.Letra}))
        return std::nullopt;
    return c;
}

std::optional<int> LeerPagina(const QString& enlace) {
    const std::optional<QStringList> v = EnlacePagina::Cortar(enlace, {kPagina});
    const auto cifra = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (!v || v->at(0).isEmpty() || !std::all_of(v->at(0).cbegin(), v->at(0).cend(), cifra))
        return std::nullopt;
    bool numero = false;
    const int pagina = v->at(0).toInt(&numero);
    if (!numero || pagina < 1)
        return std::nullopt;
    return pagina;
}

// ---- Voucher-type groups ----------------------------------------------------------------

Grupo GrupoDe(const QString& TC) {
    static const std::array<std::pair<Grupo, QStringList>, 7> grupos = {{
        {Grupo::Ventas, {"FC", "NC", "DBC", "ND", "NCFP", "FP", "TK", "TKFC", "RM", "NP"}},
        {Grupo::Compras, {"FCC", "FPC", "NCC", "NDC", "NCCP", "OC", "RMC"}},
        {Grupo::Recibos, {"CBFP", "CB", "CBCT"}},
        {Grupo::Pagos, {"PG", "OPG", "PGFP"}},
        {Grupo::NCPE, {"NCPE"}},
        {Grupo::IngresoStock, {"IR"}},
        {Grupo::SinDetalle, {"VJ"}},
    }};
    for (const auto& [grupo, codigos] : grupos)
        if (codigos.contains(TC, Qt::CaseInsensitive))
            return grupo;
    return Grupo::Otro;
}

// ---- The modify link's statements -------------------------------------------------------

namespace {

using ado::DoblarApostrofos;

// Each statement's own spelling of a voucher's condition.
const FormaClave kFormaBusqueda{"TC='", "SUCURSAL ='", "NUMERO = '", "LETRA ='", " AND "};
const FormaClave kFormaAsiento{"TC ='", "SUCURSAL = '", "NUMERO ='", "LETRA ='", " AND "};
const FormaClave kFormaAplicacionOrigen{"TCO_ORIGEN = '", "SUCURSAL_ORIGEN='", "NUMERO_ORIGEN='",
                                        "LETRA_ORIGEN='", " AND "};

// "TCO_ORIGEN = 'FCC'"; for an empty value also a Null column: the entry form writes the
// origin of an entry that had none back as Null, and the row it wrote is the row to replace.
QString IgualOVacio(const char* columnaIgual, const QString& valor) {
    const QString igual = columnaIgual + DoblarApostrofos(valor) + "'";
    if (!vb::Trim(valor).isEmpty())
        return igual;
    const QString columna = vb::Trim(QString::fromLatin1(columnaIgual).section(u'=', 0, 0));
    return "(" + igual + " OR " + columna + " IS NULL)";
}

} // namespace

BusquedaAsiento BuscarAsiento(const Diferencia& d) {
    const QString cuenta = DoblarApostrofos(d.CabCuenta);
    if (vb::Iguales(vb::Trim(d.Tc_Origen), QStringLiteral("RM")))
        return {d.Tc_Origen, QStringLiteral("TC_ORIGEN"),
                "TC_ORIGEN='" + DoblarApostrofos(d.Tc_Origen) + "' AND CPTE_ORIGEN ='" +
                    DoblarApostrofos(d.Cpte_Origen) + "' and CABCUENTA = '" + cuenta + "'"};
    if (!vb::Trim(d.Tc_Origen).isEmpty())
        return {d.Tc_Origen, QStringLiteral("TC"),
                d.ClaveOrigen().Condicion(kFormaBusqueda) + " and CABCUENTA = '" + cuenta + "'"};
    return {d.TC, QStringLiteral("TC"),
            d.Clave().Condicion(kFormaBusqueda) + " and (CABCUENTA = '" + cuenta +
                "' or Cuenta = '" + cuenta + "')"};
}

QString CondicionAsiento(const Diferencia& d) {
    return d.Clave().Condicion(kFormaAsiento);
}

QString LoteModificacion(const Diferencia& d, const QString& SQLTemp) {
    return "BEGIN TRANSACTION\r\n" + CuerpoModificacion(d, SQLTemp);
}

QString CuerpoModificacion(const Diferencia& d, const QString& SQLTemp) {
    const QString fin = QStringLiteral("\r\n");
    const QString comprobante = CondicionAsiento(d);
    QString aplicaciones;
    if (!vb::Trim(d.Tc_Origen).isEmpty())
        aplicaciones = "DELETE MV_APLICACION WHERE " + comprobante + " AND " +
                       d.ClaveOrigen().Condicion(kFormaAplicacionOrigen);
    else
        aplicaciones = "DELETE MV_APLICACION WHERE " +
                       d.Clave().CondicionId("TC ='", " AND IDCOMPROBANTE = '") + " AND " +
                       IgualOVacio("TCO_ORIGEN = '", d.Tc_Origen) + " AND " +
                       IgualOVacio("IDCOMPROBANTE_ORIGEN='", d.Cpte_Origen);
    return "DELETE MV_ASIENTOS WHERE " + comprobante + fin + aplicaciones + fin + SQLTemp + fin;
}

} // namespace EnlaceLista
