#include "detail_pages/EnlaceDetalle.h"

#include "audit/EnlaceLista.h"
#include "audit/EnlacePagina.h"
#include "audit/VentanasVecinas.h"
#include "detail_pages/FabricaVentanas.h"
#include "platform/browser/CodificacionUrl.h"
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

// `enlace` followed by `marcador` and `valor`.
QString Seguido(QString enlace, QLatin1StringView marcador, const QString& valor) {
    enlace += marcador;
    AgregarValorUrl(enlace, valor);
    return enlace;
}

QString Clave(QLatin1StringView marcador, const ClaveComprobante& c) {
    return Seguido(
        Seguido(Seguido(Seguido({}, marcador, c.TC), kSucursal, c.Sucursal), kNumero, c.Numero),
        kLetra, c.Letra);
}

} // namespace

// ---- Writing the links ------------------------------------------------------------------

QString Comprobante(const ClaveComprobante& clave) {
    return Clave(kTC, clave);
}

QString ComprobanteConCuenta(const ClaveComprobante& clave, const QString& Cuenta) {
    return Seguido(Comprobante(clave), kCuenta, Cuenta);
}

QString ComprobanteDeCuenta(const ClaveComprobante& clave, const QString& Cuenta) {
    const EnlaceLista::Grupo grupo = EnlaceLista::GrupoDe(clave.TC);
    if (Cuenta.isEmpty() ||
        (grupo != EnlaceLista::Grupo::Compras && grupo != EnlaceLista::Grupo::Pagos))
        return Comprobante(clave);
    return ComprobanteConCuenta(clave, Cuenta);
}

QString Asiento(const ClaveComprobante& clave) {
    return Clave(kVerAsiento, clave);
}

QString AsientoConCuenta(const ClaveComprobante& clave, const QString& Cuenta) {
    return Seguido(Asiento(clave), kCabCuenta, Cuenta);
}

QString Ancla(const QString& Enlace) {
    return QStringLiteral("<A HREF=\"") + Enlace + QStringLiteral("\">");
}

// ---- Reading the links ------------------------------------------------------------------

namespace {

using EnlaceLista::Grupo;
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

using EnlacePagina::Contiene;
using EnlacePagina::Cortar;
using EnlacePagina::EmpiezaCon;

// The voucher key of a link that begins with `marcadorTipo`; nothing when a marker is missing
// or a key value is empty. Without `marcadorCuenta` the letter is the rest of the link; with
// it, the account follows that marker, when the link has it, and the letter is one character
// with `letraDeUnCaracter` or else all that stands before the account.
std::optional<Destino> CortarClave(const QString& enlace, QLatin1StringView marcadorTipo,
                                   QLatin1StringView marcadorCuenta = {},
                                   bool letraDeUnCaracter = true) {
    std::optional<QStringList> v;
    Destino d;
    if (!marcadorCuenta.isEmpty()) {
        v = Cortar(enlace, {marcadorTipo, kSucursal, kNumero, kLetra, marcadorCuenta});
        if (v)
            d.Cuenta = v->at(4);
    }
    if (!v)
        v = Cortar(enlace, {marcadorTipo, kSucursal, kNumero, kLetra});
    if (!v)
        return std::nullopt;
    d.TC = v->at(0);
    d.Sucursal = v->at(1);
    d.Numero = v->at(2);
    d.Letra = !marcadorCuenta.isEmpty() && letraDeUnCaracter ? vb::Left(v->at(3), 1) : v->at(3);
    if (d.TC.isEmpty() || d.Sucursal.isEmpty() || d.Numero.isEmpty() || d.Letra.isEmpty())
        return std::nullopt;
    d.Cancel = true;
    return d;
}

// The code after the marker the link begins with (a page writes "\ARTICULO_" + code: the
// separator ends the folder): the link opens `ventana` with it, or nothing when it is empty.
Destino EnlaceCodigo(const QString& enlace, QLatin1StringView marcador, Ventana ventana,
                     QString Destino::*codigo) {
    Destino d;
    d.Cancel = true;
    d.*codigo = Cortar(enlace, {marcador})->at(0);
    if (!(d.*codigo).isEmpty())
        d.Abre = ventana;
    return d;
}

// The receipt and stock pages name a settled voucher's account, for a purchase key that two
// suppliers share: their windows read it, the letter still being whatever stands before it.
bool LeeCuentaDelComprobante(Manejador quien) {
    return quien == Manejador::DetalleComprobante || quien == Manejador::Recibo ||
           quien == Manejador::Stock;
}

Destino EnlaceComprobante(Manejador quien, const QString& enlace) {
    const bool detalle = quien == Manejador::DetalleComprobante;
    std::optional<Destino> d = CortarClave(
        enlace, kTC, LeeCuentaDelComprobante(quien) ? kCuenta : QLatin1StringView(), detalle);
    if (!d) {
        Destino nada;
        nada.Cancel = true;
        return nada;
    }
    const Grupo grupo = EnlaceLista::GrupoDe(d->TC);
    d->Abre = kRutas[size_t(quien)][size_t(grupo)];
    d->EsVenta = grupo != Grupo::Compras && !(grupo == Grupo::Pagos && quien == Manejador::PopUp);
    if (grupo != Grupo::Ventas && grupo != Grupo::Compras && grupo != Grupo::Pagos)
        d->Cuenta.clear();
    return *d;
}

// The voucher and receipt pages name the account whose entry their voucher's link opens.
Destino EnlaceAsiento(Manejador quien, const QString& enlace) {
    const bool conCuenta = quien == Manejador::DetalleComprobante || quien == Manejador::Recibo;
    std::optional<Destino> d =
        CortarClave(enlace, kVerAsiento, conCuenta ? kCabCuenta : QLatin1StringView(),
                    quien == Manejador::DetalleComprobante);
    if (!d) {
        Destino nada;
        nada.Cancel = true;
        return nada;
    }
    d->Abre = Ventana::Asiento;
    return *d;
}

bool LeeArticulos(Manejador quien) {
    return quien == Manejador::Recibo || quien == Manejador::Asiento;
}

bool LeeAsientos(Manejador quien) {
    return quien != Manejador::Asiento && quien != Manejador::PopUp;
}

// The pop-up reads a voucher link that carries an account as an account link, one that lacks
// the account link's own marker.
bool CuentaSinMarcador(Manejador quien, const QString& enlace) {
    return quien == Manejador::PopUp &&
           Cortar(enlace, {kTC, kSucursal, kNumero, kLetra, kCuenta}).has_value();
}

// Whether the link holds, anywhere, a marker the window's handler reads.
bool TieneMarcador(Manejador quien, const QString& enlace) {
    return Contiene(enlace, kTC) || (LeeAsientos(quien) && Contiene(enlace, kVerAsiento)) ||
           (LeeArticulos(quien) && Contiene(enlace, kArticulo)) ||
           (quien == Manejador::PopUp && Contiene(enlace, kCuentaPopUp));
}

} // namespace

Destino Enrutar(Manejador Quien, const QString& URL) {
    const QString enlace = EnlacePagina::Propio(URL);
    if (EmpiezaCon(enlace, kTC) && !CuentaSinMarcador(Quien, enlace))
        return EnlaceComprobante(Quien, enlace);
    if (LeeAsientos(Quien) && EmpiezaCon(enlace, kVerAsiento))
        return EnlaceAsiento(Quien, enlace);
    if (LeeArticulos(Quien) && EmpiezaCon(enlace, kArticulo))
        return EnlaceCodigo(enlace, kArticulo, Ventana::Articulo, &Destino::Articulo);
    if (Quien == Manejador::PopUp && EmpiezaCon(enlace, kCuentaPopUp))
        return EnlaceCodigo(enlace, kCuentaPopUp, Ventana::CuentaPopUp, &Destino::Cuenta);
    // An address that holds a marker only further on is no link a page wrote: it is kept from
    // loading, and opens nothing.
    Destino d;
    d.Cancel = TieneMarcador(Quien, enlace);
    return d;
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
    const ClaveComprobante& clave = d;
    switch (d.Abre) {
    case Ventana::NuevoDetalleComprobante:
        return AbrirNuevo(f.NuevoDetalleComprobante, clave, d.EsVenta, d.Cuenta);
    case Ventana::NuevoStock:
        return AbrirNuevo(f.NuevoStock, clave, d.EsVenta);
    case Ventana::NuevoRecibo:
        return AbrirNuevo(f.NuevoRecibo, clave, d.EsVenta, d.Cuenta);
    case Ventana::DetalleComprobante:
        return AbrirPredeterminada(v.DetalleComprobante, clave, d.EsVenta, d.Cuenta);
    case Ventana::Recibo:
        return AbrirPredeterminada(v.DetalleRecibo, ReciboDeCuenta{clave, d.Cuenta}, d.EsVenta);
    case Ventana::Asiento:
        return AbrirPredeterminada(v.AsientoComprobante, clave, d.Cuenta);
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
