// Field events, totals and validation of the difference entry form.
#include "entries/CuentaIVACF.h"
#include "entries/FrmAsientoNDPRoNCPE.h"
#include "entries/LoteAsiento.h"
#include "entries/NumeroComprobante.h"
#include "entries/Talonarios.h"
#include "platform/ado/Recordset.h"
#include "platform/controls/Asistel.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/ErrorEjecucion.h"
#include "platform/errors/Procedimiento.h"
#include "platform/forms/ArregloCajasTexto.h"
#include "platform/forms/CajaTexto.h"
#include "platform/forms/Colores.h"
#include "platform/forms/CursorEspera.h"
#include "platform/runtime/Fechas.h"
#include "platform/runtime/Locale.h"
#include "platform/runtime/Texto.h"
#include "platform/suite/UtilControles.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"
#include "session/DialogoErrores.h"
#include "session/ModGlobal.h"
#include "session/ModGlobalUtilidades.h"

#include <QLabel>
#include <QPalette>
#include <QTimer>
#include <algorithm>

namespace {

const QString TituloAviso = QStringLiteral("Aviso al operador...");
// The run-time error of an amount beyond what the currency holds.
constexpr long ErrorDesbordamiento = 6;
const QString CondicionMotivo = QStringLiteral("CHARINDEX(HABILITADOPARA,'NCPE',1)>0");

QString Importe(const Currency& monto) {
    return ModGlobal::FmtMoneda(monto.ATexto(), -1);
}

// An amount box's text, and a total the form wrote, read in the user's notation; a text the
// box refused never stays in it.
Currency Moneda(const QString& texto) {
    return UtilGeneral::Instancia().ImporteEscrito(texto).value_or(Currency());
}

const QString RangoMoneda =
    QStringLiteral("de -922.337.203.685.477,5808 a 922.337.203.685.477,5807");

const QString FueraDeRangoAdmitido =
    "El importe está fuera del rango admitido (" + RangoMoneda + ").";

// Runs `calculo`; false when an amount on its way lies beyond what an amount can hold. Any
// other error goes on to the caller.
bool SinDesbordar(const Paso& calculo) {
    const auto rutina = [](const ErrorEjecucion& error, const QString&) {
        if (error.Number() != ErrorDesbordamiento)
            throw error;
        return AccionError::Abortar;
    };
    return !EjecutarPasos(QStringLiteral("txtFields_Change"), rutina, {calculo}).SalioAntes;
}

// False when the text is an amount beyond what an amount can hold.
bool Legible(const QString& texto) {
    return SinDesbordar([&] { Moneda(texto); });
}

bool EsImporte(const QString& texto) {
    bool es = false;
    SinDesbordar([&] { es = UtilGeneral::Instancia().ImporteEscrito(texto).has_value(); });
    return es;
}

// Only what amounts are written with: figures, the two separators, a minus and blanks. What a
// box holds while an amount is being typed or edited in it.
bool SoloCifras(const QString& texto) {
    return std::all_of(texto.begin(), texto.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || c == Locale::SeparadorMiles() ||
               c == Locale::SeparadorDecimal() || c == u'-' || c.isSpace();
    });
}

QString NoEsImporte(const QString& texto) {
    const int decimales = LoteAsiento::DecimalesConfigurados();
    return "«" + texto.trimmed() + "» no es un importe: escriba solo cifras" +
           (decimales > 0
                ? ", con coma antes de los decimales (hasta " + QString::number(decimales) + ")"
                : QString()) +
           " y, si quiere, punto entre los miles (1.500 es mil quinientos).";
}

// The text a typed character would leave in the box: it replaces the selection, or goes in at
// the caret.
QString ConTecla(const CajaTexto& caja, int keyAscii) {
    const int desde = caja.hasSelectedText() ? caja.selectionStart() : caja.cursorPosition();
    return caja.text().replace(desde, caja.selectedText().size(), QChar(keyAscii));
}

// "nD" or "nH": the side letter; empty for any other box.
QString LadoDe(const QString& dataField) {
    const QString letra = vb::UCase(vb::Right(dataField, 1));
    return letra == "D" || letra == "H" ? letra : QString();
}

bool EsCuenta(const QString& dataField) {
    bool numero = false;
    const int linea = dataField.toInt(&numero);
    return numero && linea >= 1 && linea <= 12;
}

void ColorTexto(QLabel& etiqueta, long bgr) {
    QPalette paleta = etiqueta.palette();
    paleta.setColor(QPalette::WindowText, ColorDesdeBGR(bgr));
    etiqueta.setPalette(paleta);
}

} // namespace

// ---- Totals ----------------------------------------------------------------------------------

// The amounts of one side on the lines that have an account.
Currency FrmAsientoNDPRoNCPE::Total(const QString& lado) const {
    Currency total;
    for (const auto& [indice, caja] : txtFields_->Elementos()) {
        const QString campo = caja->DataField();
        if (!vb::Iguales(vb::Right(campo, 1), lado))
            continue;
        const QString cuenta = vb::Left(campo, campo.size() - 1);
        const int i = UtilControles::Instancia().IndiceCampo(cuenta, *txtFields_);
        if (i >= 0 && !vb::Trim((*txtFields_)[i].Text()).isEmpty())
            total += Moneda(caja->Text());
    }
    return total;
}

// The totals and their difference; none when one of them, or an amount on the way, lies beyond
// what an amount can hold.
std::optional<FrmAsientoNDPRoNCPE::Totales> FrmAsientoNDPRoNCPE::TotalesPosibles() const {
    Totales t;
    if (!SinDesbordar([&] {
            t.Debe = Total(QStringLiteral("D"));
            t.Haber = Total(QStringLiteral("H"));
            t.Dif = t.Debe - t.Haber;
        }))
        return std::nullopt;
    return t;
}

// Why the box may not keep its text: text that is no amount, or an amount or totals that an
// amount cannot hold.
QString FrmAsientoNDPRoNCPE::FueraDeRango(CajaTexto& caja) const {
    if (!LadoDe(caja.DataField()).isEmpty() && !Legible(caja.Text()))
        return FueraDeRangoAdmitido;
    if (!LadoDe(caja.DataField()).isEmpty() && !SoloCifras(caja.Text()))
        return NoEsImporte(caja.Text());
    if (!TotalesPosibles())
        return "Con este dato los totales del asiento quedarían fuera del rango admitido (" +
               RangoMoneda + ").";
    return {};
}

// Every change passes here, typed, pasted or made by code. An amount box may hold an amount
// still being typed ("1.", "1.5"), which the totals count as nothing until it is whole; text
// that no amount is written with goes back to the last whole amount.
void FrmAsientoNDPRoNCPE::txtFields_Change(int Index) {
    CajaTexto& caja = (*txtFields_)[Index];
    const QString fuera = FueraDeRango(caja);
    if (!fuera.isEmpty()) {
        RechazarCambio(caja, fuera);
        return;
    }
    // What the user types is taken as the box's amount only when the box is confirmed or left.
    if (LadoDe(caja.DataField()).isEmpty() || (EsImporte(caja.Text()) && !caja.isModified()))
        aceptados_[Index] = caja.Text();
    const Totales t = *TotalesPosibles();
    LblTotalDebe->setText(Importe(t.Debe));
    LblTotalHaber->setText(Importe(t.Haber));
    Asistel1->SetBotonActivo3(vb::Iguales(LblTotalDebe->text(), LblTotalHaber->text()));
    lblDif->setText(Importe(Moneda(LblTotalDebe->text()) - Moneda(LblTotalHaber->text())));
    const Currency dif = Moneda(lblDif->text());
    ColorTexto(*lblDif, dif < Currency() ? 0xFFL : dif > Currency() ? 0xFF0000L : 0L);
}

// The box goes back to the text it last kept, the caret where the refused key found it. The
// user is told once: not again while the box still holds what the refusal left.
void FrmAsientoNDPRoNCPE::RechazarCambio(CajaTexto& caja, const QString& motivo) {
    const QString anterior = aceptados_.value(caja.Index());
    const int cursor = caja.cursorPosition() - int(caja.Text().size() - anterior.size());
    caja.SetText(anterior);
    caja.setCursorPosition(std::clamp(cursor, 0, int(anterior.size())));
    DescartarPegado(caja);
    AvisarRechazo(caja, motivo);
}

// The user is told once: not again while the box still holds what the refusal left.
void FrmAsientoNDPRoNCPE::AvisarRechazo(CajaTexto& caja, const QString& motivo) {
    if (rechazada_ == &caja && textoRechazado_ == caja.Text())
        return;
    rechazada_ = &caja;
    textoRechazado_ = caja.Text();
    MsgBox(motivo, vbCritical + vbOKOnly, TituloAviso);
}

// What remains of a paste after a refused character is dropped: the rest would make another
// amount than the one pasted. The next key typed is taken again.
void FrmAsientoNDPRoNCPE::DescartarPegado(CajaTexto& caja) {
    pegadoRechazado_ = &caja;
    QTimer::singleShot(0, this, [this] { pegadoRechazado_ = nullptr; });
}

void FrmAsientoNDPRoNCPE::txtFields_GotFocus(int Index) {
    CajaTexto& caja = (*txtFields_)[Index];
    // Back from the message the focus returns to the same box; another box is another matter.
    if (rechazada_ != &caja)
        rechazada_ = nullptr;
    ControlActivo = &caja;
    // What the box goes back to when it is left halfway through an amount.
    Aceptar(caja);
    caja.SetBackColor(0xFFFF00L);
    caja.SetSelStart(0);
    caja.SetSelLength(caja.Text().size());
}

// The box holds what it holds as its amount from now on, until the user edits it again.
void FrmAsientoNDPRoNCPE::Aceptar(CajaTexto& caja) {
    if (!EsImporte(caja.Text()))
        return;
    caja.setModified(false);
    aceptados_[caja.Index()] = caja.Text();
}

void FrmAsientoNDPRoNCPE::txtFields_KeyDown(int Index, int& KeyCode, int) {
    pegadoRechazado_ = nullptr;
    CajaTexto& caja = (*txtFields_)[Index];
    if (!UtilControles::Instancia().TipoTecla(KeyCode))
        return;
    CursorEspera espera;
    IgnorarErrores({[&] { CampoValida(caja); },
                    [&] {
                        if (!hayError_ && isVisible())
                            UtilControles::Instancia().PasarFoco(KeyCode, &caja);
                    }});
}

// An amount goes only on a line with an account, and on one side of it.
bool FrmAsientoNDPRoNCPE::RechazaImporte(const QString& dataField) const {
    const QString lado = LadoDe(dataField);
    if (lado.isEmpty())
        return false;
    const QString linea = vb::Left(dataField, dataField.size() - 1);
    auto& self = const_cast<FrmAsientoNDPRoNCPE&>(*this);
    if (vb::Trim(self.Campo(linea).Text()).isEmpty())
        return true;
    const QString otro = linea + (lado == "D" ? "H" : "D");
    return !vb::Trim(self.Campo(otro).Text()).isEmpty();
}

// A character that no amount could go on from is refused before it reaches an amount box, which
// keeps its text, caret and selection; anything that may still become an amount is taken
// without a word, and judged whole when the box is confirmed or left. A figure beyond what an
// amount holds is the one refusal the user is told of.
bool FrmAsientoNDPRoNCPE::RechazaTecla(CajaTexto& caja, int KeyAscii) {
    const QString conTecla = ConTecla(caja, KeyAscii);
    if (LadoDe(caja.DataField()).isEmpty() ||
        UtilGeneral::Instancia().ImporteEnCurso(conTecla, LoteAsiento::DecimalesConfigurados()))
        return false;
    DescartarPegado(caja);
    if (!Legible(conTecla))
        AvisarRechazo(caja, FueraDeRangoAdmitido);
    return true;
}

void FrmAsientoNDPRoNCPE::txtFields_KeyPress(int Index, int& KeyAscii) {
    CajaTexto& caja = (*txtFields_)[Index];
    UtilControles::Instancia().FiltrarTecla(caja, KeyAscii);
    if (RechazaImporte(caja.DataField()))
        KeyAscii = 0;
    if (KeyAscii >= 32 && RechazaTecla(caja, KeyAscii))
        KeyAscii = 0;
    // A typed key went down first; the rest of a refused paste did not.
    if (pegadoRechazado_ == &caja)
        KeyAscii = 0;
    if (KeyAscii == 13)
        KeyAscii = 0;
}

// An amount box left with what is not yet a whole amount goes back to the last one it held,
// so that neither the totals nor line 12 are ever made from half an amount. The user is told
// once: not again for the text Enter or F2 already refused.
void FrmAsientoNDPRoNCPE::txtFields_Validate(int Index, bool&) {
    CajaTexto& caja = (*txtFields_)[Index];
    if (LadoDe(caja.DataField()).isEmpty() || !isVisible())
        return;
    if (!EsImporte(caja.Text())) {
        if (avisada_ != &caja || textoAvisado_ != caja.Text())
            MsgBox(NoEsImporte(caja.Text()), vbCritical + vbOKOnly, TituloAviso);
        avisada_ = nullptr;
        caja.SetText(aceptados_.value(Index));
    }
    Aceptar(caja);
}

void FrmAsientoNDPRoNCPE::txtFields_LostFocus(int Index) {
    CajaTexto& caja = (*txtFields_)[Index];
    if (caja.Enabled())
        caja.SetBackColor(0xFFFFFFL);
    Balancear();
}

// Debits less credits, exactly: amounts stored with more decimals than configured count whole.
Currency FrmAsientoNDPRoNCPE::Diferencia() const {
    const std::optional<Totales> t = TotalesPosibles();
    return t ? t->Dif : Currency();
}

// The amount box holding what is not yet a whole amount; none while every one holds one. While
// one is being typed, nothing is balanced.
CajaTexto* FrmAsientoNDPRoNCPE::ImporteIncompleto() const {
    for (const auto& [indice, caja] : txtFields_->Elementos())
        if (!LadoDe(caja->DataField()).isEmpty() && !EsImporte(caja->Text()))
            return caja;
    return nullptr;
}

// While the debit side exceeds the credit side, line 12 (the VAT line) takes the difference,
// on whichever of its sides keeps it a line of one side: what the totals then show is what the
// save writes. The shortfall is read only once line 12 has its account (refilling it brings
// its amount back into the totals), and a line 12 left without one is not written to: its
// amount counts nowhere, so adding to it would only grow it.
void FrmAsientoNDPRoNCPE::Balancear() {
    if (ImporteIncompleto() || Diferencia() <= Currency())
        return;
    CajaTexto& cuenta = Campo(QStringLiteral("12"));
    if (vb::Trim(cuenta.Text()).isEmpty()) {
        if (CondIVA.isEmpty()) {
            CondIVA = QStringLiteral("   1");
            condIvaSupuesta_ = true;
        }
        const auto cond = static_cast<short>(vb::Trim(CondIVA).toInt());
        cuenta.SetText(vb::Trim(ModNumeracion::CuentaIVACF(cond, QString()).CuentaIVA));
    }
    const Currency d = Diferencia();
    if (vb::Trim(cuenta.Text()).isEmpty() || d <= Currency())
        return;
    CajaTexto& debe = Campo(QStringLiteral("12D"));
    CajaTexto& haber = Campo(QStringLiteral("12H"));
    const Currency neto = Moneda(debe.Text()) - Moneda(haber.Text()) - d;
    CajaTexto& queda = neto > Currency() ? debe : haber;
    CajaTexto& vacia = neto > Currency() ? haber : debe;
    if (!queda.Enabled() || (!vacia.Enabled() && !vb::Trim(vacia.Text()).isEmpty()))
        return;
    vacia.SetText(QString());
    queda.SetText(neto == Currency()
                      ? QString()
                      : LoteAsiento::ImporteExacto(neto > Currency() ? neto : -neto));
}

bool FrmAsientoNDPRoNCPE::AvisarDesbalance() {
    const std::optional<Totales> t = TotalesPosibles();
    if (!t || t->Dif == Currency())
        return false;
    MsgBox(LoteAsiento::MensajeDesbalance(t->Debe, t->Haber), vbCritical + vbOKOnly, TituloAviso);
    return true;
}

// ---- Validation ------------------------------------------------------------------------------

void FrmAsientoNDPRoNCPE::CampoValida(CajaTexto& Texto) {
    hayError_ = false;
    QString mensaje;
    const unsigned long fallos = DB_Dll::Instancia().LecturasFallidas();
    const ResultadoPasos r = EjecutarPasos(
        QStringLiteral("CAMPO_VALIDA"), DialogoErrores(QStringLiteral("CAMPO_VALIDA")), {[&] {
            const QString valor = vb::Trim(Texto.Text());
            const QString campo = vb::Trim(Texto.DataField());
            const QString c = vb::UCase(campo);
            if (c == "FECHA")
                mensaje = ValidaFecha(Texto, valor);
            else if (c == "SUCURSAL")
                mensaje = ValidaSucursal(Texto, valor);
            else if (c == "NUMERO")
                mensaje = ValidaNumero(Texto, valor);
            else if (c == "LETRA")
                mensaje = ValidaLetra();
            else if (c == "MOTIVO")
                mensaje = ValidaMotivo(valor);
            else if (EsCuenta(campo))
                mensaje = ValidaCuenta(Texto, valor);
            if (mensaje.isEmpty() && !LadoDe(campo).isEmpty() && !valor.isEmpty())
                mensaje = ValidaImporte(Texto, valor);
        }});
    // A check left halfway, or one whose data could not be read, has not passed; the failed
    // read was reported already, and a second message would only repeat it.
    if (r.SalioAntes || DB_Dll::Instancia().LecturasFallidas() != fallos) {
        hayError_ = true;
        return;
    }
    if (!mensaje.isEmpty()) {
        hayError_ = true;
        MsgBox(mensaje, vbCritical + vbOKOnly, TituloAviso);
    }
}

QString FrmAsientoNDPRoNCPE::ValidaFecha(CajaTexto& caja, const QString& Valor) {
    if (Valor.isEmpty()) {
        caja.SetText(FechaFac);
        return QStringLiteral("Debe informar la fecha del Asiento Contable!!!");
    }
    if (!vb::IsDate(Valor))
        return QStringLiteral("La Fecha Ingresada no es válida!!!");
    // A date outside every fiscal period would save rows of period 0.
    if (ModGlobal::ObtenerPeriodo(Valor) == 0)
        return QStringLiteral("La Fecha Ingresada no pertenece a ningún ejercicio contable!!!");
    return {};
}

// A branch or number is kept zero-padded to its width; an empty one must at least read as a
// number.
static QString Rellenado(CajaTexto& caja, const QString& Valor, int ancho) {
    const UtilGeneral& util = UtilGeneral::Instancia();
    if (Valor.isEmpty())
        return util.EsNumerico(Valor) ? QString() : QStringLiteral("Se requiere un valor numerico");
    caja.SetText(QString::number(util.ValorEntero(Valor)).rightJustified(ancho, u'0'));
    return {};
}

QString FrmAsientoNDPRoNCPE::ValidaSucursal(CajaTexto& caja, const QString& Valor) {
    const QString mensaje = Rellenado(caja, Valor, 4);
    // A modified entry keeps its number; only a new one is proposed the branch's next. The
    // proposal releases no reservation: this window books no new entry.
    if (Valor.isEmpty() || Grabando || EnModificacion)
        return mensaje;
    QString sucursal = caja.Text(), numero, letra;
    bool modifica = false;
    ModNumeracion::Obtener_Nro_Comprobante(QStringLiteral("NCPE"), sucursal, numero, letra,
                                           modifica, true, QString(), false);
    Campo(QStringLiteral("NUMERO")).SetText(numero);
    return {};
}

QString FrmAsientoNDPRoNCPE::ValidaNumero(CajaTexto& caja, const QString& Valor) {
    return Rellenado(caja, Valor, 8);
}

QString FrmAsientoNDPRoNCPE::ValidaLetra() {
    const UtilGeneral& util = UtilGeneral::Instancia();
    const QString sucursal =
        QString::number(util.ValorEntero(Campo(QStringLiteral("SUCURSAL")).Text()))
            .rightJustified(4, u'0');
    const QString numero = QString::number(util.ValorEntero(Campo(QStringLiteral("NUMERO")).Text()))
                               .rightJustified(8, u'0');
    QString letra = vb::Trim(Campo(QStringLiteral("LETRA")).Text());
    QString mensaje;
    if (!ModNumeracion::ValidaNumeracionComprobante(TC, sucursal, numero, letra, mensaje,
                                                    Campo(QStringLiteral("Fecha")).Text()))
        return mensaje;
    if (!EnModificacion) {
        DB_Dll& db = DB_Dll::Instancia();
        QString sql = "SELECT * FROM MV_ASIENTOS WHERE TC = " + db.SQLValue(TC) +
                      " AND SUCURSAL = " + db.SQLValue(sucursal) +
                      " AND NUMERO = " + db.SQLValue(numero) + " AND LETRA =" + db.SQLValue(letra);
        ado::Recordset rs;
        if (db.AbrirRecordset(sql, rs) && !rs.Eof())
            return QStringLiteral("El Comprobante ya fue cargado.");
        db.CierraRecordset(rs);
    }
    DetalleOn(true);
    return {};
}

QString FrmAsientoNDPRoNCPE::ValidaMotivo(const QString& Valor) {
    if (Valor.isEmpty())
        return {};
    DB_Dll& db = DB_Dll::Instancia();
    const QString codigo = UtilGeneral::Instancia().Rellenar(Valor, 4);
    ado::Recordset fila;
    if (db.ExisteEnTabla(
            QStringLiteral("V_TA_MOTIVOCPRA"), codigo, QStringLiteral("IDMOTIVOCPRA"), &fila, 8,
            "IDMOTIVOCPRA = " + db.SQLValue(codigo) + " AND " + CondicionMotivo, true)) {
        lblMot->setText(UtilGeneral::Instancia().ValorCampo(fila.Fields("Descripcion").Value()));
        return {};
    }
    lblMot->setText(QStringLiteral("..."));
    return QStringLiteral("El motivo ingresado es inexistente");
}

QString FrmAsientoNDPRoNCPE::ValidaCuenta(CajaTexto& caja, QString Valor) {
    QLabel& descripcion = *lblFields[caja.DataField().toInt() - 1];
    if (Valor.isEmpty()) {
        descripcion.setText(QStringLiteral("..."));
        txtFields_Change(caja.Index());
        return {};
    }
    DB_Dll& db = DB_Dll::Instancia();
    const UtilGeneral& util = UtilGeneral::Instancia();
    const QString tabla = QStringLiteral("MA_CUENTAS");
    ado::Recordset fila;
    if (!db.ExisteEnTabla(tabla, Valor, QStringLiteral("CODIGO"), &fila) &&
        !db.ExisteEnTabla(tabla, Valor, QStringLiteral("CODIGOOPCIONAL"), &fila))
        return QStringLiteral("Cuenta Inexistente...");
    // The box, which the save writes, holds the chart's own code: the database finds " 5210101"
    // or "abc" for "5210101" or "ABC", and a journal line of any other spelling is of no account.
    Valor = util.ValorCampo(fila.Fields("Codigo").Value());
    if (caja.Text() != Valor)
        caja.SetText(Valor);
    const QString codigo = QStringLiteral("CODIGO");
    // A Null heading flag reads as false.
    const QVariant titulo = db.DatosTabla(tabla, Valor, QStringLiteral("TITULO"), codigo);
    if (!vb::Trim(util.ValorCampo(titulo)).isEmpty() &&
        ModGlobal::ValorLogico(util.ValorCampo(titulo)))
        return QStringLiteral("La cuenta ingresada no es imputable.");
    if (!vb::Trim(
             util.ValorCampo(db.DatosTabla(tabla, Valor, QStringLiteral("MEDIODEPAGO"), codigo)))
             .isEmpty())
        return QStringLiteral("La cuenta ingresada no puede ser un Medio de Pago.");
    if (!ModGlobal::CuentaHabilitada(ModGlobal::Valores.UsuarioLogeado, Valor))
        return "La Cuenta: " + Valor + " está reservada.";
    if (caja.DataField() != "1" && vb::Iguales(Valor, Campo(QStringLiteral("1")).Text()))
        return "La Cuenta: " + Valor + " ya esta informada en la linea 1.";
    descripcion.setText(util.ValorCampo(fila.Fields("Descripcion").Value()));
    txtFields_Change(caja.Index());
    return {};
}

// The amount is shown with the configured decimals, or with every decimal it holds: a stored
// amount finer than the configuration is never rounded on its way back. The ceiling is held
// against the exact totals for the same reason.
QString FrmAsientoNDPRoNCPE::ValidaImporte(CajaTexto& caja, const QString& Valor) {
    if (!EsImporte(Valor)) {
        avisada_ = &caja;
        textoAvisado_ = caja.Text();
        return NoEsImporte(Valor);
    }
    const QString exacto = LoteAsiento::ImporteExacto(Moneda(Valor));
    if (caja.Text() != exacto)
        caja.SetText(exacto);
    Aceptar(caja);
    const std::optional<Totales> t = TotalesPosibles();
    if (Tope != Currency() && t && (t->Debe > Tope || t->Haber > Tope))
        return "El importe no puede superar el valor del comprobante origen: " +
               LoteAsiento::ImporteExacto(Tope);
    if (Moneda(Valor) < Currency())
        return QStringLiteral("El importe no puede estar en negativo ");
    return {};
}

bool FrmAsientoNDPRoNCPE::DatosValidos() {
    hayError_ = false;
    for (const auto& [indice, caja] : txtFields_->Elementos()) {
        CampoValida(*caja);
        if (hayError_)
            break;
    }
    return !hayError_;
}
