// The list page's command links: the browser hands over every navigation, and the links made
// of marker words ("_CambioEstado_0_TC_NCPE_SUCURSAL_0001...") become actions instead.

#include "audit/EnlaceLista.h"
#include "audit/EnlacePagina.h"
#include "audit/EstadoDiferencia.h"
#include "audit/VentanasVecinas.h"
#include "audit/clsAuditoria_HTM.h"
#include "audit/frmAuditoria.h"
#include "audit/frmCambioEstado.h"
#include "platform/ado/Recordset.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/Procedimiento.h"
#include "platform/runtime/ErrorVb.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/suite/UtilGeneral.h"
#include "session/ClaveCentros.h"
#include "session/DB_Dll.h"

#include <QScopedValueRollback>
#include <QTimer>
#include <algorithm>
#include <array>
#include <optional>

namespace {

using EnlaceLista::Comando;
using EnlaceLista::Diferencia;

const QString TituloAvisoUsuario = QStringLiteral("SV - Aviso al Usuario");

// A link that cannot be read opens nothing: it is reported like any link whose action fails.
template <class T> T Leido(const std::optional<T>& valores) {
    if (!valores)
        vb::Raise(5);
    return *valores;
}

// A link's action that fails is reported and abandoned; the list stays as it is.
AccionError AvisarError(const ErrorEjecucion& error, const QString&) {
    MsgBox("Ha ocurrido el siguiente error (" + QString::number(error.Number()) + ") " +
               error.Description() + "\r\nNo se pudo completar la operación",
           vbCritical + vbOKOnly, TituloAvisoUsuario);
    return AccionError::Abortar;
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

// Undoes the batch and then reports what failed: the transaction's locks are released before
// the user reads the message.
bool AbandonarModificacion() {
    DB_Dll& db = DB_Dll::Instancia();
    const QString mensaje =
        db.gCnn.Errors().Item(0).Description + "\r\nNo se pudo realizar la modificacion";
    QString cierre = QStringLiteral("ROLLBACK TRANSACTION");
    db.EjecutaConsultaSQL(cierre);
    MsgBox(mensaje, vbCritical + vbOKOnly, TituloAvisoUsuario);
    return false;
}

// The entry is edited as the list showed it: when its state changed since, the user is told to
// load the list again before any work is done in the form.
bool ComoEnLaLista(const Diferencia& d) {
    const std::optional<QString> cambio =
        EstadoDiferencia::Cambiado(d.Clave(), d.Estado, {d.Tc_Origen, d.Cpte_Origen});
    if (cambio)
        MsgBox(*cambio, vbInformation + vbOKOnly, TituloAvisoUsuario);
    return !cambio;
}

bool Ejecutado(QString sentencia) {
    DB_Dll& db = DB_Dll::Instancia();
    db.EjecutaConsultaSQL(sentencia);
    return db.gCnn.Errors().Count() == 0;
}

QString TextoCampo(ado::Recordset& rs, const char* campo) {
    return vb::ValorTexto(rs.Fields(QLatin1String(campo)).Value());
}

// Every column of every row the statement gives, appended to `huella`; and the cost-centre
// key of the first row when asked. False when it could not be read.
bool AgregarFilas(QString sql, QString& huella, std::optional<ClaveCentros>* centros) {
    DB_Dll& db = DB_Dll::Instancia();
    ado::Recordset rs;
    if (!db.AbrirRecordset(sql, rs))
        return false;
    if (centros && !rs.Eof())
        *centros = ClaveCentros{TextoCampo(rs, "PERIODO"), TextoCampo(rs, "MES_OPERATIVO"),
                                TextoCampo(rs, "NUMERO ASIENTO"), TextoCampo(rs, "TIPO_REG")};
    for (; !rs.Eof(); rs.MoveNext())
        for (int i = 0; i < rs.FieldCount(); ++i)
            huella += vb::ValorTexto(rs.Fields(i).Value()) + u'\x1f';
    db.CierraRecordset(rs);
    return true;
}

// Everything stored of the difference's entry, its cost-centre rows included, as one text: two
// readings differ exactly when somebody changed the entry in between. Nothing when it could
// not be read (the user was told why).
std::optional<QString> HuellaAsiento(const Diferencia& d) {
    QString huella;
    std::optional<ClaveCentros> centros;
    if (!AgregarFilas("SELECT * FROM MV_ASIENTOS WHERE " + EnlaceLista::CondicionAsiento(d) +
                          " ORDER BY SECUENCIA",
                      huella, &centros))
        return std::nullopt;
    if (centros && !AgregarFilas("SELECT * FROM MV_ASIENTOSCCOSTO WHERE " + centros->Condicion() +
                                     " ORDER BY SECUENCIA, CCOSTO",
                                 huella, nullptr))
        return std::nullopt;
    return huella;
}

// Why the stored entry may not be replaced now: its state is no longer the one the list showed,
// or it is no longer the entry the form loaded. Empty when it could not be read again (that was
// reported); nothing when it may be replaced.
std::optional<QString> Rechazo(const Diferencia& d, const QString& huella) {
    if (std::optional<QString> cambio =
            EstadoDiferencia::Cambiado(d.Clave(), d.Estado, {d.Tc_Origen, d.Cpte_Origen}))
        return cambio;
    const std::optional<QString> actual = HuellaAsiento(d);
    if (!actual)
        return QString();
    if (*actual != huella)
        return QStringLiteral("El asiento fue modificado por otro usuario después de abrirlo: "
                              "vuelva a abrirlo para modificarlo.");
    return std::nullopt;
}

// Runs the batch and closes its transaction; false (and the user told why) when it failed.
// Inside the transaction, before anything is replaced, the stored entry must still be the one
// the form loaded: another user's change in between is never overwritten unseen. The entry's
// rows are locked first, so that nobody changes them between that check and the commit.
bool GrabarModificacion(const Diferencia& d, const QString& SQLTemp, const QString& huella) {
    if (!Ejecutado(QStringLiteral("BEGIN TRANSACTION")) ||
        !Ejecutado("UPDATE MV_ASIENTOS SET ESTADO = ESTADO WHERE " +
                   EnlaceLista::CondicionAsiento(d)))
        return AbandonarModificacion();
    if (const std::optional<QString> rechazo = Rechazo(d, huella)) {
        QString cierre = QStringLiteral("ROLLBACK TRANSACTION");
        DB_Dll::Instancia().EjecutaConsultaSQL(cierre);
        if (!rechazo->isEmpty())
            MsgBox(*rechazo, vbCritical + vbOKOnly, TituloAvisoUsuario);
        return false;
    }
    // A refused commit (the database locked by another user) leaves the transaction open:
    // every later change of the session would join it and be lost at the end.
    if (!Ejecutado(EnlaceLista::CuerpoModificacion(d, SQLTemp)) ||
        !Ejecutado(QStringLiteral("COMMIT TRANSACTION")))
        return AbandonarModificacion();
    return true;
}

// The entry's number as stored: a number the save took itself is known only there.
QString NumeroGuardado(const Diferencia& d) {
    DB_Dll& db = DB_Dll::Instancia();
    QString sql = "SELECT [NUMERO ASIENTO] FROM MV_ASIENTOS WHERE " +
                  EnlaceLista::CondicionAsiento(d) + " ORDER BY SECUENCIA";
    ado::Recordset rs;
    QString numero;
    if (!db.AbrirRecordset(sql, rs))
        return numero;
    if (!rs.Eof())
        numero = TextoCampo(rs, "NUMERO ASIENTO");
    db.CierraRecordset(rs);
    return numero;
}

} // namespace

void frmAuditoria::wbExplorer_BeforeNavigate2(const QString& URL, bool& Cancel) {
    using Accion = void (frmAuditoria::*)(const QString&);
    static const std::array<std::pair<Comando, Accion>, 5> acciones = {{
        {Comando::CambioEstado, &frmAuditoria::CambiarEstado},
        {Comando::Origen, &frmAuditoria::AbrirOrigen},
        {Comando::VerAsiento, &frmAuditoria::VerAsiento},
        {Comando::Modificar, &frmAuditoria::Modificar},
        {Comando::Pagina, &frmAuditoria::IrAPagina},
    }};
    // A link is known by the marker it begins with. An address that holds a marker only
    // further on is no link the page wrote: it is kept from loading, and cannot be read.
    const QString enlace = EnlacePagina::Propio(URL);
    const Comando comando = EnlaceLista::ComandoDe(enlace);
    Cancel = EnlaceLista::TieneMarcador(enlace);
    if (!Cancel) {
        NotarPagina(URL);
        return;
    }
    // A link followed while a page's error is being answered waits for no list; one followed
    // while another link's action waits on the user (the second click of a double-click) is
    // that same request again.
    if ((Escritor && Escritor->Ocupado()) || EnAccion_)
        return;
    const QScopedValueRollback<bool> enAccion(EnAccion_, true);
    EjecutarPasos(QStringLiteral("wbExplorer_BeforeNavigate2"), AvisarError, {[&] {
                      const auto accion =
                          std::find_if(acciones.cbegin(), acciones.cend(),
                                       [&](const auto& a) { return a.first == comando; });
                      if (accion == acciones.cend())
                          vb::Raise(5);
                      // Every other action reads or changes the database, which the list's
                      // query must not be holding meanwhile: the list is written whole first. A
                      // page link needs only the pages up to its own.
                      if (comando != Comando::Pagina)
                          CompletarLista();
                      (this->*accion->second)(enlace);
                  }});
}

void frmAuditoria::CambiarEstado(const QString& URL) {
    const Diferencia d = Leido(EnlaceLista::LeerDiferencia(URL));
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
        RefrescarLista();
}

void frmAuditoria::AbrirOrigen(const QString& URL) {
    using EnlaceLista::Grupo;
    const EnlaceLista::Comprobante c = Leido(EnlaceLista::LeerOrigen(URL));
    const Grupo grupo = EnlaceLista::GrupoDe(c.TC);
    const VentanasVecinas& vecinas = VentanasVecinas::Actuales();
    if (grupo == Grupo::Ventas || grupo == Grupo::Compras) {
        if (VentanaDetalleComprobante* ventana =
                vecinas.DetalleComprobante ? vecinas.DetalleComprobante() : nullptr) {
            ventana->Mostrar(c, grupo == Grupo::Ventas, c.Cuenta);
            ventana->Show();
        }
    } else if (grupo == Grupo::Recibos || grupo == Grupo::Pagos) {
        if (VentanaDetalleRecibo* ventana =
                vecinas.DetalleRecibo ? vecinas.DetalleRecibo() : nullptr) {
            // A payment is read for the difference's supplier, whose own the key is; a
            // receipt's party is a customer.
            ventana->Mostrar(ReciboDeCuenta{c, grupo == Grupo::Pagos ? c.Cuenta : QString()}, true);
            ventana->Show();
        }
    } else if (grupo != Grupo::SinDetalle) {
        if (VentanaAsientoComprobante* ventana =
                vecinas.AsientoComprobante ? vecinas.AsientoComprobante() : nullptr) {
            ventana->Mostrar(c, QString());
            ventana->Show();
        }
    }
}

void frmAuditoria::VerAsiento(const QString& URL) {
    const EnlaceLista::Comprobante c = Leido(EnlaceLista::LeerAsiento(URL));
    const VentanasVecinas& vecinas = VentanasVecinas::Actuales();
    if (VentanaAsientoComprobante* ventana =
            vecinas.AsientoComprobante ? vecinas.AsientoComprobante() : nullptr) {
        ventana->Mostrar(c, QString());
        ventana->Show();
    }
}

void frmAuditoria::Modificar(const QString& URL) {
    const VentanasVecinas& vecinas = VentanasVecinas::Actuales();
    FormularioAsientoDiferencia* form =
        vecinas.AsientoDiferencia ? vecinas.AsientoDiferencia() : nullptr;
    if (!form)
        return;
    const Diferencia d = Leido(EnlaceLista::LeerDiferencia(URL));
    const EnlaceLista::BusquedaAsiento b = EnlaceLista::BuscarAsiento(d);
    if (!DB_Dll::Instancia().ExisteEnTabla(QStringLiteral("MV_ASIENTOS"), b.ValorBuscado, b.Campo,
                                           &rsModificar, 8, b.Condicion, true)) {
        MsgBox("Este comprobante fue cargado originariamente desde Registraciones Directas, por lo "
               "tanto para su modificación debe dirigirse al menú: \r\nGestión Contable - "
               "Registraciones Directas",
               vbInformation, QStringLiteral("Aviso al Usuario"));
        return;
    }
    if (!ComoEnLaLista(d))
        return;
    // What the entry is as the form loads it; the save checks it has not changed since.
    const std::optional<QString> huella = HuellaAsiento(d);
    if (!huella)
        return;
    AsientoEditado a;
    const ResultadoPasos editado =
        EjecutarPasos(QStringLiteral("Modificar"), AvisarError,
                      {[&] { a = EditarAsiento(*form, d, rsModificar); }});
    // The form is used once per link, whatever happened in it.
    if (vecinas.LiberarAsientoDiferencia)
        vecinas.LiberarAsientoDiferencia();
    if (editado.SalioAntes || vb::Trim(a.SQLTemp).isEmpty())
        return;
    if (GrabarModificacion(d, a.SQLTemp, *huella) && a.Imprimir) {
        if (vb::Trim(a.Asiento).isEmpty())
            a.Asiento = NumeroGuardado(d);
        EjecutarPasos(
            QStringLiteral("ImprimirAsientos"), AvisarError,
            {[&] { ImprimirAsientos(a.TC, a.Suc, a.Nro, a.Letra, a.Mes, a.Asiento, a.Periodo); }});
    }
    RefrescarLista();
}

void frmAuditoria::IrAPagina(const QString& URL) {
    const int pagina = Leido(EnlaceLista::LeerPagina(URL));
    if (!Escritor)
        vb::Raise(5);
    while (Escritor->PaginasEscritas() < pagina && Escritor->ContinuarPaginas()) {
    }
    if (pagina > Escritor->PaginasEscritas())
        vb::Raise(5);
    // The pages after it go on being written while the window waits, as after F9.
    if (Escritor->PaginasPendientes())
        Paginador_->start(1000);
    Navegar(clsAuditoria_HTM::RutaPagina(RutaInforme_, pagina));
}
