// The list page's command links: the browser hands over every navigation, and the links made
// of marker words ("_CambioEstado_0_TC_NCPE_SUCURSAL_0001...") become actions instead.

#include "audit/EnlacePagina.h"
#include "audit/VentanasVecinas.h"
#include "audit/frmAuditoria.h"
#include "audit/frmCambioEstado.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/Procedimiento.h"
#include "platform/runtime/ErrorVb.h"
#include "platform/runtime/Texto.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

const QString TituloAvisoUsuario = QStringLiteral("SV - Aviso al Usuario");

// The values of a state-change or modify link.
struct Diferencia {
    QString Estado, TC, Suc, Numero, Letra, Tc_Origen, Cpte_Origen, CabCuenta, CabNombre;
};

constexpr QLatin1StringView kCambioEstado("_CambioEstado_");
constexpr QLatin1StringView kTCorigen("_TCorigen_");
constexpr QLatin1StringView kVerAsiento("_VER_ASIENTOTC_");
constexpr QLatin1StringView kModificar("_Modificar_");
constexpr QLatin1StringView kSucursal("_SUCURSAL_");
constexpr QLatin1StringView kNumero("_NUMERO_");
constexpr QLatin1StringView kLetra("_LETRA_");

// The values of a link made of `marcadores`. A link that cannot be read opens nothing: it is
// reported like any link whose action fails.
QStringList Valores(const QString& enlace, std::initializer_list<QLatin1StringView> marcadores) {
    std::optional<QStringList> valores = EnlacePagina::Cortar(enlace, marcadores);
    if (!valores)
        vb::Raise(5);
    return *valores;
}

// A voucher's key values must all be there, or the link names no voucher.
void ExigirClave(std::initializer_list<QString> clave) {
    for (const QString& valor : clave)
        if (valor.isEmpty())
            vb::Raise(5);
}

Diferencia LeerDiferencia(const QString& enlace, QLatin1StringView comando) {
    const QStringList v =
        Valores(enlace, {comando, QLatin1StringView("_TC_"), kSucursal, kNumero, kLetra,
                         QLatin1StringView("_TIPOORIGEN_"), QLatin1StringView("_CPTE-ORIGEN_"),
                         QLatin1StringView("_CABCUENTA_"), QLatin1StringView("_CABNOMBRE_")});
    const Diferencia d{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]};
    ExigirClave({d.TC, d.Suc, d.Numero, d.Letra});
    return d;
}

// A value placed between apostrophes in a statement.
QString Literal(const QString& valor) {
    QString texto = valor;
    return texto.replace(QLatin1Char('\''), QStringLiteral("''"));
}

bool EnLista(const QString& tipo, const QStringList& lista) {
    return lista.contains(tipo, Qt::CaseInsensitive);
}

// A link's action that fails is reported and abandoned; the list stays as it is.
AccionError AvisarError(const ErrorEjecucion& error, const QString&) {
    MsgBox("Ha ocurrido el siguiente error (" + QString::number(error.Number()) + ") " +
               error.Description() + "\r\nNo se pudo completar la operación",
           vbCritical + vbOKOnly, TituloAvisoUsuario);
    return AccionError::Abortar;
}

// How the difference's journal entry is found: by its origin voucher's entry, or, without an
// origin, by the difference's own voucher.
struct BusquedaAsiento {
    QString ValorBuscado, Campo, Condicion;
};

BusquedaAsiento BuscarAsiento(const Diferencia& d) {
    const QString cuenta = Literal(d.CabCuenta);
    if (vb::Iguales(vb::Trim(d.Tc_Origen), QStringLiteral("RM")))
        return {d.Tc_Origen, QStringLiteral("TC_ORIGEN"),
                "TC_ORIGEN='" + Literal(d.Tc_Origen) + "' AND CPTE_ORIGEN ='" +
                    Literal(d.Cpte_Origen) + "' and CABCUENTA = '" + cuenta + "'"};
    if (!vb::Trim(d.Tc_Origen).isEmpty())
        return {d.Tc_Origen, QStringLiteral("TC"),
                "TC='" + Literal(d.Tc_Origen) + "' AND SUCURSAL ='" +
                    Literal(vb::Mid(d.Cpte_Origen, 1, 4)) + "' AND NUMERO = '" +
                    Literal(vb::Mid(d.Cpte_Origen, 5, 8)) + "' AND LETRA ='" +
                    Literal(vb::Mid(d.Cpte_Origen, 13, 1)) + "' and CABCUENTA = '" + cuenta + "'"};
    return {d.TC, QStringLiteral("TC"),
            "TC='" + Literal(d.TC) + "' AND SUCURSAL ='" + Literal(d.Suc) + "' AND NUMERO = '" +
                Literal(d.Numero) + "' AND LETRA ='" + Literal(d.Letra) + "'" +
                " and (CABCUENTA = '" + cuenta + "' or Cuenta = '" + cuenta + "')"};
}

// What the entry form leaves once the user closed it.
struct AsientoEditado {
    bool Imprimir = false;
    QString TC, Suc, Nro, Letra, Mes, Asiento, Periodo, SQLTemp;
};

AsientoEditado EditarAsiento(FormularioAsientoDiferencia& form, const Diferencia& d,
                             ado::Recordset& fila) {
    const UtilGeneral& util = UtilGeneral::Instancia();
    form.CargarParaModificar(d.TC, d.Suc + d.Numero + d.Letra);
    form.SetTope(Currency::DesdeTexto(util.ValorCampo(fila.Fields("Cabimporte").Value())));
    form.SetTc_O(d.Tc_Origen);
    form.SetCpte_O(d.Cpte_Origen);
    if (vb::Trim(d.Tc_Origen).isEmpty())
        form.SetAstNumero(util.ValorCampo(fila.Fields("NUMERO ASIENTO").Value()));
    form.SetHeight(6340);
    form.SetMotivoVisible(true);
    form.ShowModal();
    AsientoEditado a;
    a.Imprimir = form.Imprimir();
    a.TC = form.TC();
    a.Suc = form.Suc();
    a.Nro = form.Nro();
    a.Letra = form.Letra();
    a.Mes = form.Mes();
    a.Asiento = form.Asiento();
    a.Periodo = form.Periodo();
    a.SQLTemp = form.SQLTemp();
    return a;
}

// The old entry and its applications go, the form's statements write the new one: all in
// one transaction, opened by the batch itself.
QString LoteModificacion(const Diferencia& d, const QString& SQLTemp) {
    const QString fin = QStringLiteral("\r\n");
    const QString comprobante = "TC ='" + Literal(d.TC) + "' AND SUCURSAL = '" + Literal(d.Suc) +
                                "' AND NUMERO ='" + Literal(d.Numero) + "' AND LETRA ='" +
                                Literal(d.Letra) + "'";
    QString aplicaciones;
    if (!vb::Trim(d.Tc_Origen).isEmpty())
        aplicaciones = "DELETE MV_APLICACION WHERE " + comprobante + " AND TCO_ORIGEN = '" +
                       Literal(d.Tc_Origen) + "' AND SUCURSAL_ORIGEN='" +
                       Literal(vb::Mid(d.Cpte_Origen, 1, 4)) + "' AND NUMERO_ORIGEN='" +
                       Literal(vb::Mid(d.Cpte_Origen, 5, 8)) + "' AND LETRA_ORIGEN='" +
                       Literal(vb::Mid(d.Cpte_Origen, 13, 1)) + "'";
    else
        aplicaciones = "DELETE MV_APLICACION WHERE TC ='" + Literal(d.TC) +
                       "' AND IDCOMPROBANTE = '" + Literal(d.Suc + d.Numero + d.Letra) +
                       "' AND TCO_ORIGEN = '" + Literal(d.Tc_Origen) +
                       "' AND IDCOMPROBANTE_ORIGEN='" + Literal(d.Cpte_Origen) + "'";
    return "BEGIN TRANSACTION" + fin + "DELETE MV_ASIENTOS WHERE " + comprobante + fin +
           aplicaciones + fin + SQLTemp + fin;
}

// Reports what failed and undoes the batch: with an origin before the message, without one
// after it.
bool AbandonarModificacion(bool deshacerAntes) {
    DB_Dll& db = DB_Dll::Instancia();
    const QString mensaje =
        db.gCnn.Errors().Item(0).Description + "\r\nNo se pudo realizar la modificacion";
    QString cierre = QStringLiteral("ROLLBACK TRANSACTION");
    if (deshacerAntes)
        db.EjecutaConsultaSQL(cierre);
    MsgBox(mensaje, vbCritical + vbOKOnly, TituloAvisoUsuario);
    if (!deshacerAntes)
        db.EjecutaConsultaSQL(cierre);
    return false;
}

// Runs the batch and closes its transaction; false (and the user told why) when it failed.
bool GrabarModificacion(const Diferencia& d, const QString& SQLTemp) {
    DB_Dll& db = DB_Dll::Instancia();
    QString lote = LoteModificacion(d, SQLTemp);
    db.EjecutaConsultaSQL(lote);
    if (db.gCnn.Errors().Count() > 0)
        return AbandonarModificacion(!vb::Trim(d.Tc_Origen).isEmpty());
    QString cierre = QStringLiteral("COMMIT TRANSACTION");
    db.EjecutaConsultaSQL(cierre);
    // A refused commit (the database locked by another user) leaves the transaction open:
    // every later change of the session would join it and be lost at the end.
    if (db.gCnn.Errors().Count() > 0)
        return AbandonarModificacion(true);
    return true;
}

} // namespace

void frmAuditoria::wbExplorer_BeforeNavigate2(const QString& URL, bool& Cancel) {
    using Accion = void (frmAuditoria::*)(const QString&);
    static const std::array<std::pair<QLatin1StringView, Accion>, 4> comandos = {{
        {kCambioEstado, &frmAuditoria::CambiarEstado},
        {kTCorigen, &frmAuditoria::AbrirOrigen},
        {kVerAsiento, &frmAuditoria::VerAsiento},
        {kModificar, &frmAuditoria::Modificar},
    }};
    // A link is known by the marker it begins with. An address that holds a marker only
    // further on is no link the page wrote: it is kept from loading, and cannot be read.
    const QString enlace = EnlacePagina::Propio(URL);
    const auto comando = std::find_if(comandos.cbegin(), comandos.cend(), [&](const auto& c) {
        return EnlacePagina::EmpiezaCon(enlace, c.first);
    });
    Cancel = comando != comandos.cend() ||
             std::any_of(comandos.cbegin(), comandos.cend(),
                         [&](const auto& c) { return EnlacePagina::Contiene(enlace, c.first); });
    if (Cancel)
        EjecutarPasos(QStringLiteral("wbExplorer_BeforeNavigate2"), AvisarError, {[&] {
                          if (comando == comandos.cend())
                              vb::Raise(5);
                          (this->*comando->second)(enlace);
                      }});
}

void frmAuditoria::CambiarEstado(const QString& URL) {
    const Diferencia d = LeerDiferencia(URL, kCambioEstado);
    if (d.Estado == u"3") {
        MsgBox(QStringLiteral("No se puede cambiar el estado 3"), vbInformation,
               QStringLiteral("Atención"));
        return;
    }
    frmCambioEstado& dialogo = Instancia<frmCambioEstado>();
    dialogo.TC = d.TC;
    dialogo.Suc = d.Suc;
    dialogo.Numero = d.Numero;
    dialogo.Letra = d.Letra;
    dialogo.Tc_Origen = d.Tc_Origen;
    dialogo.Cpte_Origen = d.Cpte_Origen;
    dialogo.CabCuenta = d.CabCuenta;
    dialogo.CabNombre = d.CabNombre;
    dialogo.EstadoAnterior = d.Estado;
    dialogo.Show(true);
    const bool cambiado = dialogo.OK;
    Liberar<frmCambioEstado>();
    if (cambiado)
        CmdActualizar_Click();
}

void frmAuditoria::AbrirOrigen(const QString& URL) {
    const QStringList v =
        Valores(URL, {kTCorigen, QLatin1StringView("_CpteOrigen_"), QLatin1StringView("_CUENTA_")});
    // The type comes from a fixed-width column, padded with blanks ("FCC "): untrimmed it
    // would match no group and open the wrong window.
    const QString tipo = vb::Trim(v[0]);
    const QString clave = vb::Left(v[1], 13);
    const QString& cuenta = v[2];
    ExigirClave({tipo});
    if (clave.size() < 13)
        vb::Raise(5);
    const QString sucursal = vb::Left(clave, 4);
    const QString numero = vb::Mid(clave, 5, 8);
    const QString letra = vb::Right(clave, 1);
    static const QStringList ventas = {"FC", "NC", "DBC",  "ND", "NCFP",
                                       "FP", "TK", "TKFC", "RM", "NP"};
    static const QStringList compras = {"FCC", "FPC", "NCC", "NDC", "NCCP", "OC", "RMC"};
    static const QStringList recibos = {"CBFP", "CB", "CBCT", "PG", "OPG", "PGFP"};
    const VentanasVecinas& vecinas = VentanasVecinas::Actuales();
    if (EnLista(tipo, ventas) || EnLista(tipo, compras)) {
        if (VentanaDetalleComprobante* ventana =
                vecinas.DetalleComprobante ? vecinas.DetalleComprobante() : nullptr) {
            ventana->Mostrar(tipo, sucursal, numero, letra, EnLista(tipo, ventas), cuenta);
            ventana->Show();
        }
    } else if (EnLista(tipo, recibos)) {
        if (VentanaDetalleRecibo* ventana =
                vecinas.DetalleRecibo ? vecinas.DetalleRecibo() : nullptr) {
            ventana->Mostrar(tipo, sucursal, numero, letra, true);
            ventana->Show();
        }
    } else if (!vb::Iguales(tipo, QStringLiteral("VJ"))) {
        if (VentanaAsientoComprobante* ventana =
                vecinas.AsientoComprobante ? vecinas.AsientoComprobante() : nullptr) {
            ventana->Mostrar(tipo, sucursal, numero, letra, QString());
            ventana->Show();
        }
    }
}

void frmAuditoria::VerAsiento(const QString& URL) {
    // The letter is the one character after its marker: the page writes the account after it.
    const QStringList v = Valores(URL, {kVerAsiento, kSucursal, kNumero, kLetra});
    const QString &tc = v[0], &sucursal = v[1], &numero = v[2];
    const QString letra = vb::Left(v[3], 1);
    ExigirClave({tc, sucursal, numero, letra});
    const VentanasVecinas& vecinas = VentanasVecinas::Actuales();
    if (VentanaAsientoComprobante* ventana =
            vecinas.AsientoComprobante ? vecinas.AsientoComprobante() : nullptr) {
        ventana->Mostrar(tc, sucursal, numero, letra, QString());
        ventana->Show();
    }
}

void frmAuditoria::Modificar(const QString& URL) {
    const VentanasVecinas& vecinas = VentanasVecinas::Actuales();
    FormularioAsientoDiferencia* form =
        vecinas.AsientoDiferencia ? vecinas.AsientoDiferencia() : nullptr;
    if (!form)
        return;
    const Diferencia d = LeerDiferencia(URL, kModificar);
    const BusquedaAsiento b = BuscarAsiento(d);
    if (!DB_Dll::Instancia().ExisteEnTabla(QStringLiteral("MV_ASIENTOS"), b.ValorBuscado, b.Campo,
                                           &rsModificar, 8, b.Condicion, true)) {
        MsgBox("Este comprobante fue cargado originariamente desde Registraciones Directas, por lo "
               "tanto para su modificación debe dirigirse al menú: \r\nGestión Contable - "
               "Registraciones Directas",
               vbInformation, QStringLiteral("Aviso al Usuario"));
        return;
    }
    AsientoEditado a;
    const ResultadoPasos editado =
        EjecutarPasos(QStringLiteral("Modificar"), AvisarError,
                      {[&] { a = EditarAsiento(*form, d, rsModificar); }});
    // The form is used once per link, whatever happened in it.
    if (vecinas.LiberarAsientoDiferencia)
        vecinas.LiberarAsientoDiferencia();
    if (editado.SalioAntes || vb::Trim(a.SQLTemp).isEmpty())
        return;
    if (GrabarModificacion(d, a.SQLTemp) && a.Imprimir)
        EjecutarPasos(
            QStringLiteral("ImprimirAsientos"), AvisarError,
            {[&] { ImprimirAsientos(a.TC, a.Suc, a.Nro, a.Letra, a.Mes, a.Asiento, a.Periodo); }});
    CmdActualizar_Click();
}
