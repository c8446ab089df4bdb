#include "detail_pages/EnlaceDetalle.h"

#include "audit/EnlacePagina.h"
#include "audit/VentanasVecinas.h"
#include "detail_pages/FabricaVentanas.h"
#include "platform/files/Programas.h"
#include "platform/runtime/Texto.h"
#include "platform/suite/UtilGeneral.h"

#include <QFileInfo>
#include <QStringList>
#include <array>
#include <optional>

namespace EnlaceDetalle {

namespace {

// Plain literals: links are written and read while other files' constants are still being
// made.
constexpr QLatin1StringView kTC("_TC_");
constexpr QLatin1StringView kSucursal("_SUCURSAL_");
constexpr QLatin1StringView kNumero("_NUMERO_");
constexpr QLatin1StringView kLetra("_LETRA_");
constexpr QLatin1StringView kCuenta("_CUENTA_");
constexpr QLatin1StringView kVerAsiento("_VER_ASIENTOTC_");
constexpr QLatin1StringView kCabCuenta("_CABCUENTA_");
constexpr QLatin1StringView kArticulo("ARTICULO_");
constexpr QLatin1StringView kCuentaPopUp("CUENTA_");

QString Clave(const QString& marcador, const QString& TC, const QString& Sucursal,
              const QString& Numero, const QString& Letra) {
    using EnlacePagina::ValorUrl;
    return marcador + ValorUrl(TC) + kSucursal + ValorUrl(Sucursal) + kNumero + ValorUrl(Numero) +
           kLetra + ValorUrl(Letra);
}

} // namespace

// ---- Writing the links ------------------------------------------------------------------

QString Comprobante(const QString& TC, const QString& Sucursal, const QString& Numero,
                    const QString& Letra) {
    return Clave(kTC, TC, Sucursal, Numero, Letra);
}

QString ComprobanteConCuenta(const QString& TC, const QString& Sucursal, const QString& Numero,
                             const QString& Letra, const QString& Cuenta) {
    return Comprobante(TC, Sucursal, Numero, Letra) + kCuenta + EnlacePagina::ValorUrl(Cuenta);
}

QString Asiento(const QString& TC, const QString& Sucursal, const QString& Numero,
                const QString& Letra) {
    return Clave(kVerAsiento, TC, Sucursal, Numero, Letra);
}

QString AsientoConCuenta(const QString& TC, const QString& Sucursal, const QString& Numero,
                         const QString& Letra, const QString& Cuenta) {
    return Asiento(TC, Sucursal, Numero, Letra) + kCabCuenta + EnlacePagina::ValorUrl(Cuenta);
}

QString Ancla(const QString& Enlace) {
    return QStringLiteral("<A HREF=\"") + Enlace + QStringLiteral("\">");
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

// ---- Reading the links ------------------------------------------------------------------

namespace {

constexpr int kGrupos = int(Grupo::SinDetalle) + 1;
using N = Ventana;

// What a voucher link opens, by handler (rows, in the order of Manejador) and by the type's
// group (columns, in the order of Grupo).
constexpr std::array<std::array<Ventana, kGrupos>, 5> kRutas = {{
    // Otro      Ventas                      Compras                     Recibos
    // Pagos          NCPE        IngresoStock   SinDetalle
    {N::Ninguna, N::NuevoDetalleComprobante, N::NuevoDetalleComprobante, N::NuevoRecibo,
     N::NuevoRecibo, N::Asiento, N::Ninguna, N::Ninguna}, // Stock
    {N::Ninguna, N::NuevoDetalleComprobante, N::NuevoDetalleComprobante, N::NuevoRecibo,
     N::NuevoRecibo, N::Ninguna, N::Ninguna, N::Ninguna}, // Recibo
    {N::Ninguna, N::NuevoDetalleComprobante, N::NuevoDetalleComprobante, N::NuevoRecibo,
     N::NuevoRecibo, N::Asiento, N::NuevoStock, N::Ninguna}, // DetalleComprobante
    {N::Ninguna, N::NuevoDetalleComprobante, N::NuevoDetalleComprobante, N::NuevoRecibo,
     N::NuevoRecibo, N::Ninguna, N::Ninguna, N::Ninguna}, // Asiento
    {N::Asiento, N::DetalleComprobante, N::DetalleComprobante, N::Recibo, N::Recibo, N::Asiento,
     N::Asiento, N::Ninguna}, // PopUp
}};

bool Contiene(const QString& URL, const QString& marcador) {
    return vb::InStr(URL, marcador) > 0;
}

// The value after `marcador` (found at `p`) to the end of the address, decoded.
QString Resto(const QString& URL, int p, const QString& marcador) {
    return EnlacePagina::DecodificarRestos(vb::Mid(URL, p + int(marcador.size())));
}

// The value between `marcador` (at `p`) and the marker at `siguiente`, decoded.
QString Entre(const QString& URL, int p, const QString& marcador, int siguiente) {
    const int inicio = p + int(marcador.size());
    return EnlacePagina::DecodificarRestos(vb::Mid(URL, inicio, siguiente - inicio));
}

// The voucher key after `marcadorTipo`; nothing when a marker is missing or out of order. The
// letter is one character or everything after "_LETRA_".
std::optional<Destino> CortarClave(const QString& URL, const QString& marcadorTipo,
                                   bool letraUnCaracter) {
    const int pTipo = vb::InStr(URL, marcadorTipo);
    const int pSucursal = vb::InStr(URL, kSucursal);
    const int pNumero = vb::InStr(URL, kNumero);
    const int pLetra = vb::InStr(URL, kLetra);
    if (pTipo < 1 || pSucursal < pTipo + marcadorTipo.size() ||
        pNumero < pSucursal + kSucursal.size() || pLetra < pNumero + kNumero.size())
        return std::nullopt;
    Destino d;
    d.Cancel = true;
    d.TC = Entre(URL, pTipo, marcadorTipo, pSucursal);
    d.Sucursal = Entre(URL, pSucursal, kSucursal, pNumero);
    d.Numero = Entre(URL, pNumero, kNumero, pLetra);
    d.Letra = Resto(URL, pLetra, kLetra);
    if (letraUnCaracter)
        d.Letra = vb::Left(d.Letra, 1);
    return d;
}

// The account after `marcador` when it follows the letter; empty when the link has none.
QString CuentaTras(const QString& URL, const QString& marcador) {
    const int p = vb::InStr(URL, marcador);
    return p > vb::InStr(URL, kLetra) ? Resto(URL, p, marcador) : QString();
}

// The first of "\<marcador>" and "/<marcador>"; 0 when neither occurs.
int PosicionConSeparador(const QString& URL, const QString& marcador) {
    const int barra = vb::InStr(URL, QChar(u'\\') + marcador);
    const int diagonal = vb::InStr(URL, QChar(u'/') + marcador);
    if (barra == 0 || diagonal == 0)
        return qMax(barra, diagonal);
    return qMin(barra, diagonal);
}

Destino EnlaceArticulo(const QString& URL) {
    Destino d;
    d.Cancel = true;
    const int p = PosicionConSeparador(URL, kArticulo);
    if (p > 0)
        d.Articulo = Resto(URL, p, QChar(u'\\') + kArticulo);
    if (!d.Articulo.isEmpty())
        d.Abre = Ventana::Articulo;
    return d;
}

Destino EnlaceCuentaPopUp(const QString& URL) {
    Destino d;
    d.Cancel = true;
    d.Abre = Ventana::CuentaPopUp;
    const int p = PosicionConSeparador(URL, kCuentaPopUp);
    // Without the separator the code is taken from the 8th character on, as it always was.
    d.Cuenta = p > 0 ? Resto(URL, p, QChar(u'\\') + kCuentaPopUp)
                     : EnlacePagina::DecodificarRestos(vb::Mid(URL, 8));
    return d;
}

Destino EnlaceComprobante(Manejador quien, const QString& URL) {
    const bool detalle = quien == Manejador::DetalleComprobante;
    std::optional<Destino> d = CortarClave(URL, kTC, detalle);
    if (!d) {
        Destino nada;
        nada.Cancel = true;
        return nada;
    }
    const Grupo grupo = GrupoDe(d->TC);
    d->Abre = kRutas[size_t(quien)][size_t(grupo)];
    d->EsVenta = grupo != Grupo::Compras && !(grupo == Grupo::Pagos && quien == Manejador::PopUp);
    if (detalle && (grupo == Grupo::Ventas || grupo == Grupo::Compras))
        d->Cuenta = CuentaTras(URL, kCuenta);
    return *d;
}

Destino EnlaceAsiento(Manejador quien, const QString& URL) {
    const bool detalle = quien == Manejador::DetalleComprobante;
    std::optional<Destino> d = CortarClave(URL, kVerAsiento, detalle);
    if (!d) {
        Destino nada;
        nada.Cancel = true;
        return nada;
    }
    d->Abre = Ventana::Asiento;
    if (detalle)
        d->Cuenta = CuentaTras(URL, kCabCuenta);
    return *d;
}

bool LeeArticulos(Manejador quien) {
    return quien == Manejador::Recibo || quien == Manejador::Asiento;
}

bool LeeAsientos(Manejador quien) {
    return quien != Manejador::Asiento && quien != Manejador::PopUp;
}

} // namespace

Destino Enrutar(Manejador Quien, const QString& URL) {
    if (LeeArticulos(Quien) && Contiene(URL, kArticulo))
        return EnlaceArticulo(URL);
    if (Quien == Manejador::PopUp && Contiene(URL, kCuentaPopUp))
        return EnlaceCuentaPopUp(URL);
    if (Contiene(URL, kTC))
        return EnlaceComprobante(Quien, URL);
    if (LeeAsientos(Quien) && Contiene(URL, kVerAsiento))
        return EnlaceAsiento(Quien, URL);
    return Destino();
}

// ---- Opening ------------------------------------------------------------------------------

namespace {

// The article program is looked for where the program starts it from, and in the current
// folder, where it was always looked for.
bool HayProgramaArticulos() {
    return QFileInfo::exists(QStringLiteral("v_ma_articulos.exe")) ||
           !archivos::UbicarPrograma(QStringLiteral("v_ma_articulos")).isEmpty();
}

void AbrirArticulo(const QString& Articulo) {
    const FabricaVentanas& f = FabricaVentanas::Actual();
    if (!f.MenuExes || !HayProgramaArticulos())
        return;
    f.MenuExes(QStringLiteral("shell:v_ma_articulos @idarticulo=") +
               UtilGeneral::Instancia().Rellenar(Articulo, 25));
}

template <class V, class... Argumentos>
void AbrirPredeterminada(const std::function<V*()>& acceso, const Argumentos&... a) {
    if (V* ventana = acceso ? acceso() : nullptr) {
        ventana->Mostrar(a...);
        ventana->Show();
    }
}

template <class Hook, class... Argumentos>
void AbrirNuevo(const Hook& hook, const Argumentos&... a) {
    if (hook)
        hook(a...);
}

} // namespace

void Abrir(const Destino& d) {
    const FabricaVentanas& f = FabricaVentanas::Actual();
    const VentanasVecinas& v = VentanasVecinas::Actuales();
    switch (d.Abre) {
    case Ventana::NuevoDetalleComprobante:
        return AbrirNuevo(f.NuevoDetalleComprobante, d.TC, d.Sucursal, d.Numero, d.Letra, d.EsVenta,
                          d.Cuenta);
    case Ventana::NuevoStock:
        return AbrirNuevo(f.NuevoStock, d.TC, d.Sucursal, d.Numero, d.Letra, d.EsVenta);
    case Ventana::NuevoRecibo:
        return AbrirNuevo(f.NuevoRecibo, d.TC, d.Sucursal, d.Numero, d.Letra, d.EsVenta);
    case Ventana::DetalleComprobante:
        return AbrirPredeterminada(v.DetalleComprobante, d.TC, d.Sucursal, d.Numero, d.Letra,
                                   d.EsVenta, d.Cuenta);
    case Ventana::Recibo:
        return AbrirPredeterminada(v.DetalleRecibo, d.TC, d.Sucursal, d.Numero, d.Letra, d.EsVenta);
    case Ventana::Asiento:
        return AbrirPredeterminada(v.AsientoComprobante, d.TC, d.Sucursal, d.Numero, d.Letra,
                                   d.Cuenta);
    case Ventana::Articulo:
        return AbrirArticulo(d.Articulo);
    case Ventana::CuentaPopUp:
    case Ventana::Ninguna:
        return;
    }
}

void Seguir(Manejador Quien, const QString& URL, bool& Cancel) {
    const Destino d = Enrutar(Quien, URL);
    // The browser stays on the page even when the window opened fails.
    Cancel = d.Cancel;
    Abrir(d);
}

} // namespace EnlaceDetalle
