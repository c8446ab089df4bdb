// The list page's command links: the browser hands over every navigation, and the links made
// of marker words ("_CambioEstado_0_TC_NCPE_SUCURSAL_0001...") become actions instead.

#include "audit/EnlacePagina.h"
#include "audit/VentanasVecinas.h"
#include "audit/frmAuditoria.h"
#include "audit/frmCambioEstado.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/Procedimiento.h"
#include "platform/runtime/Texto.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"

namespace {

using EnlacePagina::DecodificarRestos;

const QString TituloAvisoUsuario = QStringLiteral("SV - Aviso al Usuario");

// The values of a state-change or modify link.
struct Diferencia {
    QString Estado, TC, Suc, Numero, Letra, Tc_Origen, Cpte_Origen, CabCuenta, CabNombre;
};

// The value after `marcador`, up to `siguiente` or, without one, to the end of the address.
// Markers are found without regard to case, each at its first occurrence.
QString Valor(const QString& URL, const QString& marcador, const QString& siguiente = {}) {
    const int inicio = vb::InStr(URL, marcador) + int(marcador.size());
    if (siguiente.isEmpty())
        return DecodificarRestos(vb::Mid(URL, inicio));
    return DecodificarRestos(vb::Mid(URL, inicio, vb::InStr(URL, siguiente) - inicio));
}

QString ValorFijo(const QString& URL, const QString& marcador, int largo) {
    return DecodificarRestos(vb::Mid(URL, vb::InStr(URL, marcador) + int(marcador.size()), largo));
}

Diferencia LeerDiferencia(const QString& URL, const QString& comando) {
    Diferencia d;
    d.Estado = Valor(URL, comando, QStringLiteral("_TC_"));
    d.TC = Valor(URL, QStringLiteral("_TC_"), QStringLiteral("_SUCURSAL_"));
    d.Suc = Valor(URL, QStringLiteral("_SUCURSAL_"), QStringLiteral("_NUMERO_"));
    d.Numero = Valor(URL, QStringLiteral("_NUMERO_"), QStringLiteral("_LETRA_"));
    d.Letra = Valor(URL, QStringLiteral("_LETRA_"), QStringLiteral("_TIPOORIGEN_"));
    d.Tc_Origen = Valor(URL, QStringLiteral("_TIPOORIGEN_"), QStringLiteral("_CPTE-ORIGEN_"));
    d.Cpte_Origen = Valor(URL, QStringLiteral("_CPTE-ORIGEN_"), QStringLiteral("_CABCUENTA_"));
    d.CabCuenta = Valor(URL, QStringLiteral("_CABCUENTA_"), QStringLiteral("_CABNOMBRE_"));
    d.CabNombre = Valor(URL, QStringLiteral("_CABNOMBRE_"));
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
    void (frmAuditoria::*accion)(const QString&) = nullptr;
    if (vb::InStr(URL, QStringLiteral("_CambioEstado_")) > 0)
        accion = &frmAuditoria::CambiarEstado;
    else if (vb::InStr(URL, QStringLiteral("_TCorigen_")) > 0)
        accion = &frmAuditoria::AbrirOrigen;
    else if (vb::InStr(URL, QStringLiteral("_VER_ASIENTOTC_")) > 0)
        accion = &frmAuditoria::VerAsiento;
    else if (vb::InStr(URL, QStringLiteral("_Modificar_")) > 0)
        accion = &frmAuditoria::Modificar;
    Cancel = accion != nullptr;
    if (accion)
        EjecutarPasos(QStringLiteral("wbExplorer_BeforeNavigate2"), AvisarError,
                      {[&] { (this->*accion)(URL); }});
}

void frmAuditoria::CambiarEstado(const QString& URL) {
    const Diferencia d = LeerDiferencia(URL, QStringLiteral("_CambioEstado_"));
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
    // The type comes from a fixed-width column, padded with blanks ("FCC "): untrimmed it
    // would match no group and open the wrong window.
    const QString tipo =
        vb::Trim(Valor(URL, QStringLiteral("_TCorigen_"), QStringLiteral("_CpteOrigen_")));
    const QString clave = ValorFijo(URL, QStringLiteral("_CpteOrigen_"), 13);
    const QString cuenta = Valor(URL, QStringLiteral("_CUENTA_"));
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
    const QString tc = Valor(URL, QStringLiteral("_VER_ASIENTOTC_"), QStringLiteral("_SUCURSAL_"));
    const QString sucursal = Valor(URL, QStringLiteral("_SUCURSAL_"), QStringLiteral("_NUMERO_"));
    const QString numero = Valor(URL, QStringLiteral("_NUMERO_"), QStringLiteral("_LETRA_"));
    const QString letra = ValorFijo(URL, QStringLiteral("_LETRA_"), 1);
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
    const Diferencia d = LeerDiferencia(URL, QStringLiteral("_Modificar_"));
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
