// Toolbar commands, lookups and the saving of the difference entry form as a statement batch.
#include "entries/FrmAsientoNDPRoNCPE.h"
#include "entries/GenerarSentenciaSQL.h"
#include "entries/RegistracionContable.h"
#include "lookup/Lib_ClsCons3.h"
#include "platform/controls/Asistel.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/Procedimiento.h"
#include "platform/forms/ArregloCajasTexto.h"
#include "platform/forms/CajaTexto.h"
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

constexpr int Lineas = 12;

Currency Moneda(const QString& texto) {
    return UtilGeneral::Instancia().ValorMoneda(texto);
}

// One column of the row being built. Text goes in as typed, apostrophes doubled; the text
// "null" a user typed stays text.
void Columna(const QString& campo, const QString& valor, const QString& tipo, bool nuevo = false) {
    ModGlobal::AgregarCampoValor(campo, valor, tipo, nuevo);
    if (tipo == QLatin1String("'"))
        ModGlobal::CamposValores.back().Valor = DB_Dll::Instancia().SQLValue(valor);
}

QString Importe(const Currency& monto) {
    return monto.ATexto();
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
    Grabando = true;
    const bool validos = DatosValidos();
    Grabando = false;
    if (!validos)
        return;
    ActualizarDatos();
    if (!hayError_)
        Hide();
}

// While modifying, the key boxes cannot be typed into again: the stored entry comes back.
void FrmAsientoNDPRoNCPE::Cancelar() {
    Inicializa();
    if (EnModificacion) {
        CmbTC->clear();
        CargarParaModificar(TC, idCpte_);
    }
    Campo(QStringLiteral("LETRA")).setFocus();
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

// The line's side and amount: line 1 on the header's side, the others on the debit side when
// they have a debit amount.
std::pair<QString, Currency> FrmAsientoNDPRoNCPE::LadoEImporte(int linea) {
    const QString n = QString::number(linea);
    if (linea == 1) {
        const QString lado = vb::Iguales(Lado, QStringLiteral("D")) ? "D" : "H";
        return {Lado, Moneda(Campo(n + lado).Text())};
    }
    if (Moneda(vb::Trim(Campo(n + "D").Text())) != Currency())
        return {QStringLiteral("D"), Moneda(Campo(n + "D").Text())};
    return {QStringLiteral("H"), Moneda(Campo(n + "H").Text())};
}

bool FrmAsientoNDPRoNCPE::HayLineas() {
    for (int linea = 1; linea <= Lineas; ++linea)
        if (!vb::Trim(Campo(QString::number(linea)).Text()).isEmpty() &&
            LadoEImporte(linea).second != Currency())
            return true;
    return false;
}

void FrmAsientoNDPRoNCPE::ActualizarDatos() {
    // Each save starts from an empty batch: an earlier one is never run twice.
    SQLTemp.clear();
    hayError_ = false;
    if (!HayLineas()) {
        MsgBox(QStringLiteral("El asiento no tiene ningún renglón con cuenta e importe: no hay "
                              "nada que grabar."),
               vbCritical + vbOKOnly, QStringLiteral("Aviso al operador..."));
        hayError_ = true;
        return;
    }
    std::vector<QString> sentencias{QString()};
    const ResultadoPasos r = EjecutarPasos(QStringLiteral("ACTUALIZAR DATOS"), suite::TratarError,
                                           {[&] { ArmarLote(sentencias); }});
    if (r.SalioAntes) {
        hayError_ = true;
        DB_Dll::Instancia().gCnn.RollbackTrans();
        return;
    }
    if (hayError_)
        return;
    for (const QString& sentencia : sentencias)
        SQLTemp += "\r" + sentencia;
}

void FrmAsientoNDPRoNCPE::ArmarLote(std::vector<QString>& sentencias) {
    if (!EnModificacion)
        Campo(QStringLiteral("NUMERO")).SetText(QStringLiteral("@NNNNNN@"));
    Entrada e;
    e.Fecha = Campo(QStringLiteral("FECHA")).Text();
    Suc = vb::Trim(Campo(QStringLiteral("SUCURSAL")).Text());
    Nro = vb::Trim(Campo(QStringLiteral("NUMERO")).Text());
    Letra = vb::Trim(Campo(QStringLiteral("LETRA")).Text());
    Periodo = vb::Trim(QString::number(ModGlobal::ObtenerPeriodo(e.Fecha)));
    Mes = QString::number(vb::CDate(e.Fecha).date().month());
    e.TotalDebe = Moneda(LblTotalDebe->text());
    e.CabNombre = UtilGeneral::Instancia().ValorCampo(
        DB_Dll::Instancia().DatosTabla(QStringLiteral("VT_PROVEEDORES"), CabCuenta,
                                       QStringLiteral("RAZON_SOCIAL"), QStringLiteral("CODIGO")));
    e.TipoReg = ModNumeracion::ObtieneTipoRegCont(TC);
    if (e.TipoReg.isEmpty()) {
        MsgBox(QStringLiteral("No se ha informado El Tipo de Registro que generará el Asiento, "
                              "corrija esto desde configuración y vuelva a intentarlo"),
               vbCritical + vbOKOnly, QStringLiteral("Atención!!!"));
        DB_Dll::Instancia().gCnn.RollbackTrans();
        hayError_ = true;
        return;
    }
    // An entry without a number takes the next free one of its month, period and type.
    const long N = vb::Trim(AstNumero).isEmpty()
                       ? ModNumeracion::ValidaTCRegistraciones(Mes, Periodo, e.TipoReg)
                       : static_cast<long>(vb::Val(AstNumero));
    Asiento = " " + QString::number(N);
    e.NumeroAsiento = EnModificacion ? QString::number(N) : QStringLiteral("@AAAAAA@");
    for (int linea = 1; linea <= Lineas; ++linea)
        AgregarLinea(e, linea, sentencias);
    AgregarOrigen(e, sentencias);
    AgregarConfiguracion(sentencias);
}

void FrmAsientoNDPRoNCPE::AgregarLinea(Entrada& e, int linea, std::vector<QString>& sentencias) {
    const QString cuenta = Campo(QString::number(linea)).Text();
    const auto [lado, importe] = LadoEImporte(linea);
    if (vb::Trim(cuenta).isEmpty() || importe == Currency())
        return;
    ++e.Secuencia;
    const UtilGeneral& util = UtilGeneral::Instancia();
    const QString t = QStringLiteral("'"), n = QStringLiteral("@");
    Columna("Fecha", e.Fecha, t, true);
    Columna("FechaSubDiario", e.Fecha, t);
    Columna("UNegocio", util.Rellenar(UnegFac, 4), t);
    Columna("MES_OPERATIVO", Mes, n);
    Columna("[numero asiento]", e.NumeroAsiento, EnModificacion ? n : t);
    Columna("Cuenta", cuenta, t);
    Columna("Secuencia", QString::number(e.Secuencia), n);
    Columna("CabImporte", Importe(e.TotalDebe), n);
    Columna("[DEBE-HABER]", lado, t);
    Columna("Importe", Importe(importe), n);
    Columna("Periodo", Periodo, t);
    Columna("TC", TC, t);
    Columna("Sucursal", Suc, t);
    Columna("Numero", Nro, t);
    Columna("Letra", Letra, t);
    Columna("Tipo_Reg", e.TipoReg, t);
    Columna("Detalle", vb::Trim(Campo(QStringLiteral("CONCEPTO")).Text()), t);
    Columna("Moneda", util.Rellenar(QStringLiteral("1"), 4), t);
    Columna("Cotizacion", QStringLiteral("1"), n);
    Columna("IdCajas", util.Rellenar(vb::Trim(ModGlobal::Caja), 4), t);
    if (linea == Lineas)
        Columna("NroCAI", QStringLiteral("ESIVA"), t);
    AgregarColumnasFinales(e);
    QString condicion;
    ModNumeracion::GenerarSentenciaSQL(ModGlobal::CamposValores, sentencias,
                                       QStringLiteral("MV_ASIENTOS"), false, condicion, false);
}

void FrmAsientoNDPRoNCPE::AgregarColumnasFinales(const Entrada& e) {
    const QString t = QStringLiteral("'");
    Columna("Tc_Origen", Tc_O, t);
    Columna("Cpte_Origen", Cpte_O, t);
    Columna("USUARIO_LOGEADO", ModGlobal::UsuarioLogeado, t);
    Columna("Fechahora_Grabacion", vb::Format(vb::Now(), QStringLiteral("dd/mm/yyyy hh:nn:ss")), t);
    if (e.Secuencia == 1) {
        Columna("CabCuenta", CabCuenta, t);
        Columna("CabNombre", e.CabNombre, t);
    }
    if (EnModificacion)
        Columna("Estado", QString::number(dpdEstadoNuevo->currentIndex()), QStringLiteral("@"));
    Columna("LIVA_ALICIVA", TasaIVA, QStringLiteral("@"));
    const QString motivo = vb::Trim(Campo(QStringLiteral("Motivo")).Text());
    if (!motivo.isEmpty())
        Columna("IdMotivo", UtilGeneral::Instancia().Rellenar(motivo, 4), t);
}

// The application of the difference to its origin voucher and the origin's state.
void FrmAsientoNDPRoNCPE::AgregarOrigen(const Entrada& e, std::vector<QString>& sentencias) {
    DB_Dll& db = DB_Dll::Instancia();
    const auto q = [&db](const QString& valor) { return db.SQLValue(valor); };
    const int S = static_cast<int>(vb::Val(vb::Left(vb::Trim(dpdEstadoNuevo->currentText()), 2)));
    if (S != 4 && !vb::Iguales(Lado, QStringLiteral("H"))) {
        if (!EnModificacion)
            sentencias.push_back("UPDATE MV_ASIENTOS SET ESTADO = 1 WHERE TC = " + q(Tc_O) +
                                 " AND " + " Sucursal = " + q(vb::Mid(Cpte_O, 1, 4)) +
                                 " AND Numero = " + q(vb::Mid(Cpte_O, 5, 8)) +
                                 " AND Letra = " + q(vb::UCase(vb::Mid(Cpte_O, 13, 1))) +
                                 " AND CUENTA = " + q(CabCuenta));
        AgregarAplicacion(e, sentencias);
    }
    if (EnModificacion)
        sentencias.push_back(
            QStringLiteral("UPDATE MV_ASIENTOS SET ESTADO=") + (S != 0 ? "0" : "1") +
            " WHERE tc=" + q(Tc_O) + " and sucursal=" + q(vb::Left(Cpte_O, 4)) +
            " and numero=" + q(vb::Mid(Cpte_O, 5, 8)) + " and letra=" + q(vb::Right(Cpte_O, 1)) +
            "  and CabCuenta = " + q(CabCuenta));
}

void FrmAsientoNDPRoNCPE::AgregarAplicacion(const Entrada&, std::vector<QString>& sentencias) {
    const QString t = QStringLiteral("'");
    const int sucursal = static_cast<int>(vb::Val(Campo(QStringLiteral("SUCURSAL")).Text()));
    Columna("Cuenta", CabCuenta, t, true);
    Columna("TC", TC, t);
    Columna("Sucursal", QString::number(sucursal).rightJustified(4, u'0'), t);
    Columna("Numero", Campo(QStringLiteral("NUMERO")).Text(), t);
    Columna("Letra", vb::UCase(vb::Trim(Campo(QStringLiteral("LETRA")).Text())), t);
    Columna("Tco_Origen", Tc_O, t);
    Columna("Sucursal_Origen", vb::Mid(Cpte_O, 1, 4), t);
    Columna("numero_Origen", vb::Mid(Cpte_O, 5, 8), t);
    Columna("Letra_Origen", vb::UCase(vb::Mid(Cpte_O, 13, 1)), t);
    Columna("Importe", Importe(LadoEImporte(1).second), QStringLiteral("@"));
    QString condicion;
    ModNumeracion::GenerarSentenciaSQL(ModGlobal::CamposValores, sentencias,
                                       QStringLiteral("MV_APLICACION"), false, condicion, false);
}

// The line accounts are remembered for the next new entry. They travel in the batch, so they
// are written exactly when the entry is: a batch rolled back or never run changes none.
void FrmAsientoNDPRoNCPE::AgregarConfiguracion(std::vector<QString>& sentencias) {
    DB_Dll& db = DB_Dll::Instancia();
    const QString tabla = vb::Trim(ModGlobal::TablaConfiguracion).isEmpty()
                              ? QStringLiteral("TA_CONFIGURACION")
                              : ModGlobal::TablaConfiguracion;
    for (int linea = 2; linea <= Lineas; ++linea) {
        const QString clave = db.SQLValue("NCPE_" + QString::number(linea));
        const QString valor = db.SQLValue(Campo(QString::number(linea)).Text());
        sentencias.push_back("UPDATE " + tabla + " SET VALOR = " + valor +
                             ", Grupo = 'DATOS', PoliticaNegocio = 0 WHERE CLAVE = " + clave);
        sentencias.push_back("INSERT INTO " + tabla +
                             " (CLAVE, VALOR, ValorAux, Grupo, PoliticaNegocio) SELECT " + clave +
                             ", " + valor + ", '', 'DATOS', 0 WHERE NOT EXISTS (SELECT * FROM " +
                             tabla + " WHERE CLAVE = " + clave + ")");
    }
}
