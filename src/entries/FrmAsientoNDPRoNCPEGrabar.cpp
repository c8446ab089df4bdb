// Toolbar commands, lookups and the saving of the difference entry form as a statement batch.
#include "entries/FrmAsientoNDPRoNCPE.h"
#include "entries/LoteAsiento.h"
#include "entries/RegistracionContable.h"
#include "lookup/Lib_ClsCons3.h"
#include "platform/ado/Recordset.h"
#include "platform/controls/Asistel.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/Procedimiento.h"
#include "platform/forms/ArregloCajasTexto.h"
#include "platform/forms/CajaTexto.h"
#include "platform/forms/CursorEspera.h"
#include "platform/runtime/Fechas.h"
#include "platform/runtime/Numeros.h"
#include "platform/runtime/Texto.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"
#include "session/ModGlobal.h"
#include "session/ModGlobalUtilidades.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr int Lineas = LoteAsiento::NumeroLineas;

// An amount box's text in the user's notation; the box kept only text that reads so.
Currency Moneda(const QString& texto) {
    return UtilGeneral::Instancia().ImporteEscrito(texto).value_or(Currency());
}

} // namespace

// ---- Toolbar and lookups ---------------------------------------------------------------------

void FrmAsientoNDPRoNCPE::Asistel1_click(const QString& key) {
    const QString clave = vb::UCase(key);
    const auto rutina = [](const ErrorEjecucion& error, const QString&) {
        if (error.Number() == 5)
            return AccionError::Ignorar;
        return ComoAccionError(
            DB_Dll::Instancia().TratamientoErrores(error, {}, QStringLiteral("Asistel1_click")));
    };
    if (clave == "GRABAR")
        EjecutarPasos(QStringLiteral("Asistel1_click"), rutina, {[&] { Grabar(); }});
    else if (clave == "CONSULTAR")
        EjecutarPasos(QStringLiteral("Asistel1_click"), rutina, {[&] { cmdConsultar(); }});
    else if (clave == "CERRAR") {
        SQLTemp.clear();
        Hide();
    } else if (clave == "CANCELAR")
        EjecutarPasos(QStringLiteral("Asistel1_click"), rutina, {[&] { Cancelar(); }});
}

void FrmAsientoNDPRoNCPE::Grabar() {
    if (!cargaCompleta_)
        return;
    CursorEspera espera;
    Grabando = true;
    const bool validos = DatosValidos();
    Grabando = false;
    if (!validos)
        return;
    ActualizarDatos();
    if (!hayError_)
        Hide();
}

// While modifying, the key boxes cannot be typed into again: the stored entry comes back as the
// window first showed it, loaded along the same path. The focus leaves the edited box first,
// so that nothing it does on leaving outlives the reload. The number the caller gave stays.
void FrmAsientoNDPRoNCPE::Cancelar() {
    if (EnModificacion) {
        EnfocarInicio();
        const QString astNumero = AstNumero;
        OlvidarAsiento();
        Inicializa();
        CargarParaModificar(tComp_, idCpte_);
        AstNumero = astNumero;
    } else
        Inicializa();
    EnfocarInicio();
}

// The letter box when it can be typed into; else the box the window gives the focus to on
// opening, the first of the tab order that can take it. A box that has it already is entered
// anew, so that it is marked and its text selected as on opening.
void FrmAsientoNDPRoNCPE::EnfocarInicio() {
    const auto puede = [this](QWidget* w) {
        return w->isEnabled() && w->isVisibleTo(this) && (w->focusPolicy() & Qt::TabFocus);
    };
    QWidget* destino = &Campo(QStringLiteral("LETRA"));
    if (!puede(destino))
        for (destino = nextInFocusChain(); destino != this && !puede(destino);)
            destino = destino->nextInFocusChain();
    if (destino == this)
        return;
    auto* caja = qobject_cast<CajaTexto*>(destino);
    if (caja && caja == focusWidget() && caja->Index() >= 0)
        txtFields_GotFocus(caja->Index());
    else
        destino->setFocus(Qt::TabFocusReason);
}

void FrmAsientoNDPRoNCPE::cmdConsultar() {
    if (!ControlActivo || ControlActivo->Tag().isEmpty())
        return;
    CajaTexto& caja = *ControlActivo;
    const QString tag = vb::UCase(caja.Tag());
    Lib_ClsCons3& consultas = Lib_ClsCons3::Instancia();
    QString elegido;
    if (tag == "FECHA") {
        UtilGeneral::Instancia().ElegirFecha(FechaElegida);
        elegido = FechaElegida;
    } else if (tag == "MA_CUENTAS" || tag == "MA_CUENTAS1") {
        consultas.CampoDevuelto = QStringLiteral("CODIGO");
        QString where = QStringLiteral("(( tipovista = '' or tipovista  is null) and titulo = 0) ");
        auto columnas = consultas.CmpsDevueltos;
        consultas.ConsultaSearch(QStringLiteral("ma_cuentas"), &columnas, {}, nullptr, &where);
        elegido = vb::Trim(consultas.ValorDevuelto.toString());
    } else if (tag == "V_TA_MOTIVOCPRA") {
        consultas.CampoDevuelto = QStringLiteral("IdMotivoCpra");
        QString where = QStringLiteral(" CHARINDEX(HABILITADOPARA,'NCPE',1)>0");
        consultas.ConsultaSearch(QStringLiteral("V_TA_MOTIVOCPRA"), nullptr, {}, nullptr, &where);
        elegido = vb::Trim(consultas.ValorDevuelto.toString());
    }
    // Nothing chosen leaves the box as it was.
    if (!elegido.isEmpty())
        caja.SetText(elegido);
    int enter = 13;
    txtFields_KeyDown(caja.Index(), enter, 0);
}

// ---- Saving ----------------------------------------------------------------------------------

void FrmAsientoNDPRoNCPE::ActualizarDatos() {
    // Each save starts from an empty batch: an earlier one is never run twice.
    SQLTemp.clear();
    hayError_ = false;
    std::vector<QString> sentencias;
    CursorEspera espera;
    const ResultadoPasos r = EjecutarPasos(QStringLiteral("ACTUALIZAR DATOS"), suite::TratarError,
                                           {[&] { hayError_ = !ArmarLote(sentencias); }});
    // The batch is only built here; no transaction is open, so there is none to undo.
    if (r.SalioAntes)
        hayError_ = true;
    if (hayError_)
        return;
    for (const QString& sentencia : sentencias)
        SQLTemp += "\r" + sentencia;
}

// False when nothing may be saved; the user was told why. A value the database could not give
// (the provider's error was shown) stops the save: it is never taken for an empty one.
bool FrmAsientoNDPRoNCPE::ArmarLote(std::vector<QString>& sentencias) {
    DB_Dll& db = DB_Dll::Instancia();
    const unsigned long fallos = db.LecturasFallidas();
    if (!EnModificacion)
        Campo(QStringLiteral("NUMERO")).SetText(QStringLiteral("@NNNNNN@"));
    LoteAsiento::Asiento a = ValoresAsiento();
    Periodo = a.Periodo = vb::Trim(QString::number(ModGlobal::ObtenerPeriodo(a.Fecha)));
    Mes = a.Mes = QString::number(vb::CDate(a.Fecha).date().month());
    a.CabNombre = UtilGeneral::Instancia().ValorCampo(
        db.DatosTabla(QStringLiteral("VT_PROVEEDORES"), CabCuenta, QStringLiteral("RAZON_SOCIAL"),
                      QStringLiteral("CODIGO")));
    // A supplier no longer in the view keeps the name stored with the entry.
    if (vb::Trim(a.CabNombre).isEmpty())
        a.CabNombre = cabNombreCargado_;
    a.TipoReg = ModNumeracion::ObtieneTipoRegCont(TC);
    if (db.LecturasFallidas() != fallos)
        return false;
    if (a.TipoReg.isEmpty()) {
        MsgBox(QStringLiteral("No se ha informado El Tipo de Registro que generará el Asiento, "
                              "corrija esto desde configuración y vuelva a intentarlo"),
               vbCritical + vbOKOnly, QStringLiteral("Atención!!!"));
        return false;
    }
    ConservarClave(a);
    // An entry without a number takes the next free one of its month, period and type; a stored
    // entry takes it within the transaction that rewrites it, so the caller reads it from there.
    a.NumerarEnLote = EnModificacion && vb::Trim(AstNumero).isEmpty();
    const long N = !vb::Trim(AstNumero).isEmpty() ? static_cast<long>(vb::Val(AstNumero))
                   : a.NumerarEnLote
                       ? 0
                       : ModNumeracion::ValidaTCRegistraciones(Mes, Periodo, a.TipoReg);
    Asiento = a.NumerarEnLote ? QString() : " " + QString::number(N);
    a.NumeroAsiento = QString::number(N);
    a.Centros = LeerCentros();
    if (db.LecturasFallidas() != fallos)
        return false;
    LoteAsiento::Lote lote = LoteAsiento::Armar(a);
    if (!lote.Error.isEmpty()) {
        MsgBox(lote.Error, vbCritical + vbOKOnly, QStringLiteral("Aviso al operador..."));
        return false;
    }
    sentencias = std::move(lote.Sentencias);
    return true;
}

// A modified entry stays where the journal has it: its period and month are the stored ones, and
// so is the registration type its number was given in, a blank or Null one included. Stored under
// a type the configuration names now, the number could be another voucher's entry of that type,
// and its cost-centre rows would no longer be found under its key. An entry stored without a
// number takes one in the type configured now.
void FrmAsientoNDPRoNCPE::ConservarClave(LoteAsiento::Asiento& a) {
    const LoteAsiento::ClaveCentros& guardada = claveCentros_;
    if (!EnModificacion || vb::Trim(guardada.Periodo).isEmpty() || vb::Trim(guardada.Mes).isEmpty())
        return;
    Periodo = a.Periodo = vb::Trim(guardada.Periodo);
    Mes = a.Mes = vb::Trim(guardada.Mes);
    if (vb::Trim(AstNumero).isEmpty())
        return;
    a.TipoReg = guardada.TipoReg;
    a.TipoRegNulo = tipoRegNulo_;
}

// What the boxes and the loaded entry say; the values read from the database come later.
LoteAsiento::Asiento FrmAsientoNDPRoNCPE::ValoresAsiento() {
    LoteAsiento::Asiento a;
    a.EnModificacion = EnModificacion;
    a.Lado = Lado;
    for (int linea = 1; linea <= Lineas; ++linea) {
        const QString n = QString::number(linea);
        a.Lineas[linea - 1] = {Campo(n).Text(), Moneda(vb::Trim(Campo(n + "D").Text())),
                               Moneda(vb::Trim(Campo(n + "H").Text()))};
    }
    a.TC = TC;
    a.Fecha = Campo(QStringLiteral("FECHA")).Text();
    // The box holds the day; the stored time of day stays while the day does.
    if (EnModificacion && vb::IsDate(FechaFac) && vb::IsDate(a.Fecha) &&
        vb::CDate(FechaFac).date() == vb::CDate(a.Fecha).date())
        a.Fecha = FechaFac;
    Suc = a.Sucursal = vb::Trim(Campo(QStringLiteral("SUCURSAL")).Text());
    Nro = a.Numero = vb::Trim(Campo(QStringLiteral("NUMERO")).Text());
    Letra = a.Letra = vb::Trim(Campo(QStringLiteral("LETRA")).Text());
    a.Concepto = Campo(QStringLiteral("CONCEPTO")).Text();
    a.Motivo = Campo(QStringLiteral("Motivo")).Text();
    a.UNegocio = UnegFac;
    a.Caja = ModGlobal::Valores.Caja;
    a.Usuario = ModGlobal::Valores.UsuarioLogeado;
    a.TasaIVA = TasaIVA;
    a.FechaHora = vb::Format(vb::Now(), QStringLiteral("dd/mm/yyyy hh:nn:ss"));
    a.Tc_O = Tc_O;
    a.Cpte_O = Cpte_O;
    a.OrigenNulo = origenNulo_;
    a.CabCuenta = CabCuenta;
    a.Estado = EstadoElegido();
    a.TablaConfiguracion = ModGlobal::Valores.TablaConfiguracion;
    a.Clave = claveCentros_;
    if (EnModificacion)
        a.Guardadas = guardadas_;
    return a;
}

// The state picked in the list; with none picked, the one stored with the entry.
int FrmAsientoNDPRoNCPE::EstadoElegido() const {
    if (dpdEstadoNuevo->currentIndex() >= 0)
        return static_cast<int>(vb::Val(vb::Left(vb::Trim(dpdEstadoNuevo->currentText()), 2)));
    return std::max(estadoCargado_, 0);
}

// The cost-centre rows stored with the entry being modified.
std::vector<LoteAsiento::FilaCentro> FrmAsientoNDPRoNCPE::LeerCentros() {
    std::vector<LoteAsiento::FilaCentro> filas;
    if (!EnModificacion || claveCentros_.Periodo.isEmpty())
        return filas;
    DB_Dll& db = DB_Dll::Instancia();
    QString sql = "SELECT * FROM MV_ASIENTOSCCOSTO WHERE " + claveCentros_.Condicion() +
                  " ORDER BY SECUENCIA, CCOSTO";
    ado::Recordset rs;
    if (!db.AbrirRecordset(sql, rs))
        return filas;
    const UtilGeneral& util = UtilGeneral::Instancia();
    for (; !rs.Eof(); rs.MoveNext()) {
        const QVariant secuencia = rs.Fields("SECUENCIA").Value();
        if (secuencia.isNull())
            continue; // a row of no line follows none
        const auto importe = [&](const char* campo) {
            const QVariant valor = rs.Fields(campo).Value();
            return valor.isNull() ? Currency() : Currency::DesdeVariant(valor);
        };
        LoteAsiento::Fila columnas;
        for (int i = 0; i < rs.FieldCount(); ++i)
            columnas.push_back({rs.Fields(i).Name(), LoteAsiento::Guardado(rs.Fields(i))});
        filas.push_back({util.ValorCampo(rs.Fields("CUENTA").Value()), secuencia.toInt(),
                         util.ValorCampo(rs.Fields("CCOSTO").Value()), importe("PORCENTAJE"),
                         importe("IMPORTE"), columnas});
    }
    db.CierraRecordset(rs);
    return filas;
}
