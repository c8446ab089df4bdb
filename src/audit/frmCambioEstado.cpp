#include "audit/frmCambioEstado.h"

#include "audit/EstadoDiferencia.h"
#include "lookup/Lib_ClsCons3.h"
#include "platform/ado/AdoTipos.h"
#include "platform/ado/Recordset.h"
#include "platform/ado/TokenSql.h"
#include "platform/ado/Transaccion.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/Procedimiento.h"
#include "platform/forms/ArregloCajasTexto.h"
#include "platform/forms/CodigosTecla.h"
#include "platform/forms/Colores.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/Numeros.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/suite/UtilControles.h"
#include "platform/suite/UtilGeneral.h"
#include "session/ClaveComprobante.h"
#include "session/DB_Dll.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <cmath>
#include <optional>

namespace {

const QString TituloAviso = QStringLiteral("SV - Aviso al Usuario");
const QString CondicionMotivo = QStringLiteral("CHARINDEX(HABILITADOPARA,'NCPE',1)>0");

// Runs one statement of the saving; a failure inside the batch call becomes an error of the
// saving, so that nothing after it runs and the change is rolled back whole. A statement that
// must find its row and changes none fails too: the difference was deleted or rewritten by
// another user after the list was drawn, and saving nothing is no success.
void Ejecutar(QString sentencia, bool exigeFila) {
    DB_Dll& db = DB_Dll::Instancia();
    long afectados = 0;
    db.EjecutaConsultaSQL(sentencia, afectados);
    if (db.gCnn.Errors().Count() > 0) {
        const ado::Error& error = db.gCnn.Errors().Item(0);
        throw ErrorEjecucion(error.Number, error.Description, error.Source);
    }
    if (exigeFila && afectados == 0)
        throw ErrorEjecucion(ado::errSinRegistroActual,
                             QStringLiteral("La diferencia ya no está en la base de datos: otro "
                                            "usuario la borró o la cambió después de mostrarse "
                                            "la lista."));
}

AccionError AbandonarGrabacion(const ErrorEjecucion&, const QString&) {
    return AccionError::Abortar;
}

} // namespace

frmCambioEstado::frmCambioEstado() : txtFields_(std::make_unique<ArregloCajasTexto>()) {
    SetCaption(QStringLiteral("Cambio de Estado"));
    SetAreaCliente(7005, 2805);
    setFixedSize(size());
    CrearControles();
    Conectar(dpdEstadoNuevo, &QComboBox::currentIndexChanged, "dpdEstadoNuevo_Click",
             [this] { dpdEstadoNuevo_Click(); });
    Conectar(CmdAceptar, &QPushButton::clicked, "CmdAceptar_Click", [this] { CmdAceptar_Click(); });
    Conectar(CmdCancelar, &QPushButton::clicked, "CmdCancelar_Click",
             [this] { CmdCancelar_Click(); });
    Conectar(cmdConsultar, &QToolButton::clicked, "cmdConsultar_Click",
             [this] { cmdConsultar_Click(); });
    txtFields_->KeyDown = [this](int index, int& keyCode, int shift) {
        txtFields_KeyDown(index, keyCode, shift);
    };
}

frmCambioEstado::~frmCambioEstado() = default;

void frmCambioEstado::CrearControles() {
    Frame1 = new QGroupBox(this);
    Colocar(*Frame1, 75, 75, 6810, 2115);
    Label1 = Etiqueta(Frame1, QStringLiteral("Comprobante:"), 225, 300, 990, 195);
    lblCpte = Destacado(0x800000L, 1500, 300, 2100);
    Label5 = Etiqueta(Frame1, QStringLiteral("Cpte Origen:"), 225, 600, 885, 195);
    lblCpteOrigen = Destacado(0x8000L, 1500, 600, 1920);
    Label2 = Etiqueta(Frame1, QStringLiteral("Estado Anterior:"), 225, 975, 1125, 195);
    lblEstado = Destacado(0x80L, 1500, 975, 930);
    Label3 = Etiqueta(Frame1, QStringLiteral("Nuevo Estado"), 225, 1350, 1020, 195);
    dpdEstadoNuevo = new QComboBox(Frame1);
    dpdEstadoNuevo->setEditable(false);
    dpdEstadoNuevo->addItems({
        QStringLiteral("0 - Pendiente de revision "),
        QStringLiteral("1 - En espera de Nota de Credito del Proveedor"),
        QStringLiteral("2 - Generar Nota de Debito al Proveedor"),
        QStringLiteral("3 - Liberar el pago total - En espera de Nota de Credito del Proveedor"),
    });
    // Nothing is chosen until the load proposes a state, so that proposal counts as a change.
    dpdEstadoNuevo->setCurrentIndex(-1);
    Colocar(*dpdEstadoNuevo, 1500, 1350, 5160, 315);
    CrearMotivo();
    CmdCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    Colocar(*CmdCancelar, 3701, 2295, 1215, 465);
    CmdAceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    Colocar(*CmdAceptar, 2089, 2295, 1215, 465);
    // Neither button answers Enter or Esc on the dialog's behalf.
    CmdCancelar->setAutoDefault(false);
    CmdAceptar->setAutoDefault(false);
}

void frmCambioEstado::CrearMotivo() {
    frmMotivo = new QGroupBox(Frame1);
    Colocar(*frmMotivo, 90, 1710, 6600, 345);
    Label4 = Etiqueta(frmMotivo, QStringLiteral("Motivo:"), 120, 45, 1110, 225);
    CajaTexto& motivo = txtFields_->Agregar(0, *frmMotivo);
    motivo.SetDataField(QStringLiteral("IDMOTIVO"));
    motivo.SetTag(QStringLiteral("V_TA_MOTIVOCPRA"));
    motivo.SetMaxLength(4);
    Colocar(motivo, 1410, -15, 825, 285);
    cmdConsultar = new QToolButton(frmMotivo);
    cmdConsultar->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    cmdConsultar->setToolTip(QStringLiteral("Consultar"));
    cmdConsultar->setFocusPolicy(Qt::NoFocus);
    Colocar(*cmdConsultar, 2235, -30, 345, 285);
    lblMot = Etiqueta(frmMotivo, QStringLiteral("..."), 2640, 60, 3810, 165);
}

QLabel* frmCambioEstado::Etiqueta(QWidget* contenedor, const QString& caption, int left, int top,
                                  int width, int height) {
    auto* etiqueta = new QLabel(caption, contenedor);
    Colocar(*etiqueta, left, top, width, height);
    return etiqueta;
}

// The labels that show the difference: Tahoma 9.75 bold in their own colour.
QLabel* frmCambioEstado::Destacado(long colorBGR, int left, int top, int width) {
    QLabel* etiqueta = Etiqueta(Frame1, QString(), left, top, width, 240);
    QFont fuente(QStringLiteral("Tahoma"));
    fuente.setPointSizeF(9.75);
    fuente.setBold(true);
    etiqueta->setFont(fuente);
    QPalette paleta = etiqueta->palette();
    paleta.setColor(QPalette::WindowText, ColorDesdeBGR(colorBGR));
    etiqueta->setPalette(paleta);
    return etiqueta;
}

void frmCambioEstado::Form_Load() {
    lblCpte->setText(TC + " " + Suc + "-" + Numero + " " + Letra);
    lblCpteOrigen->setText(Tc_Origen + " " + Cpte_Origen);
    lblEstado->setText(EstadoAnterior.toString());
    // The next state is proposed: 0 moves on to 1 and 1 to 2; the rest start over at 0.
    const double anterior = vb::Val(EstadoAnterior.toString());
    const int propuesto = anterior < 2 ? static_cast<int>(std::nearbyint(anterior + 1)) : 0;
    dpdEstadoNuevo->setCurrentIndex(propuesto < 0 ? 0 : propuesto);
    OK = false;
}

void frmCambioEstado::dpdEstadoNuevo_Click() {
    frmMotivo->setVisible(EligioEstadoTres());
}

void frmCambioEstado::txtFields_KeyDown(int, int& KeyCode, int) {
    if (KeyCode == vbKeyReturn)
        MotivoValido();
}

// The motive typed must exist and be enabled for NCPE differences; a wrong one is reported
// and cleared. An empty box passes: the state 3 may be saved without a motive.
bool frmCambioEstado::MotivoValido() {
    CajaTexto& motivo =
        (*txtFields_)[UtilControles::Instancia().IndiceCampo("IDMOTIVO", *txtFields_)];
    const QString texto = motivo.Text();
    if (vb::Trim(texto).isEmpty())
        return true;
    const QString condicion = "IDMOTIVOCPRA = '" +
                              ado::DoblarApostrofos(UtilGeneral::Instancia().Rellenar(texto, 4)) +
                              "' AND " + CondicionMotivo;
    ado::Recordset fila;
    if (DB_Dll::Instancia().ExisteEnTabla(QStringLiteral("V_TA_MOTIVOCPRA"), texto,
                                          QStringLiteral("IDMOTIVOCPRA"), &fila, 8, condicion,
                                          true)) {
        lblMot->setText(UtilGeneral::Instancia().ValorCampo(fila.Fields("Descripcion").Value()));
        return true;
    }
    lblMot->setText(QStringLiteral("..."));
    MsgBox(QStringLiteral("El motivo ingresado es inexistente"), vbInformation + vbOKOnly,
           TituloAviso);
    motivo.SetText(QString());
    return false;
}

// The lookup lists only the motives enabled for NCPE differences; the one chosen is checked as
// if typed.
void frmCambioEstado::cmdConsultar_Click() {
    Lib_ClsCons3& consultas = Lib_ClsCons3::Instancia();
    consultas.CampoDevuelto = QStringLiteral("IdMotivoCpra");
    QString where = QStringLiteral(" ") + CondicionMotivo;
    consultas.ConsultaSearch(QStringLiteral("V_TA_MOTIVOCPRA"), nullptr, {}, nullptr, &where);
    const int indice = UtilControles::Instancia().IndiceCampo("IDMOTIVO", *txtFields_);
    (*txtFields_)[indice].SetText(vb::Trim(vb::ValorTexto(consultas.ValorDevuelto)));
    int tecla = vbKeyReturn;
    txtFields_KeyDown(indice, tecla, 0);
}

void frmCambioEstado::CmdAceptar_Click() {
    if (EligioEstadoTres() && !MotivoValido())
        return;
    OK = GrabarCambioEstado();
    Hide();
}

void frmCambioEstado::CmdCancelar_Click() {
    Hide();
}

bool frmCambioEstado::EligioEstadoTres() const {
    return dpdEstadoNuevo->currentText().startsWith(QLatin1Char('3'));
}

QString frmCambioEstado::EstadoNuevo() const {
    return vb::Trim(vb::Left(dpdEstadoNuevo->currentText(), 2));
}

QString frmCambioEstado::MotivoElegido() const {
    const QString texto =
        (*txtFields_)[UtilControles::Instancia().IndiceCampo("Idmotivo", *txtFields_)].Text();
    if (!EligioEstadoTres() || vb::Trim(texto).isEmpty())
        return {};
    return UtilGeneral::Instancia().Rellenar(texto, 4);
}

namespace {

const FormaClave kFormaEstado{"tc='", "sucursal='", "numero='", "letra='"};
const FormaClave kFormaAplicacion{"TC = '", "SUCURSAL = '", "NUMERO = '", "LETRA = '", " AND "};

} // namespace

QStringList frmCambioEstado::SentenciasGrabacion() const {
    const QString estado = EstadoNuevo();
    const QString motivo = MotivoElegido();
    const QString diferencia =
        " WHERE " + ClaveComprobante{TC, Suc, Numero, Letra}.Condicion(kFormaEstado);
    QStringList sentencias;
    if (motivo.isEmpty())
        sentencias << "UPDATE MV_ASIENTOS SET ESTADO=" + estado + diferencia;
    else
        sentencias << "UPDATE MV_ASIENTOS SET ESTADO=" + estado + ", IDMOTIVO = '" +
                          ado::DoblarApostrofos(motivo) + "'" + diferencia;
    const QString cuenta = CabCuenta.isEmpty()
                               ? QStringLiteral(" and cabcuenta is null")
                               : " and cabcuenta='" + ado::DoblarApostrofos(CabCuenta) + "'";
    // The origin's entry stays marked while its difference awaits review. Its letter is the
    // key's last character, whatever the key's length.
    const ClaveComprobante claveOrigen{Tc_Origen, vb::Mid(Cpte_Origen, 1, 4),
                                       vb::Mid(Cpte_Origen, 5, 8), vb::Right(Cpte_Origen, 1)};
    const QString origen = " WHERE " + claveOrigen.Condicion(kFormaEstado) + " " + cuenta;
    const double numero = vb::Val(estado);
    if (numero != 0) {
        sentencias << "UPDATE MV_ASIENTOS SET ESTADO=0" + origen;
        if (numero == 3)
            sentencias << "DELETE MV_APLICACION WHERE CUENTA = '" +
                              ado::DoblarApostrofos(CabCuenta) + "' AND " +
                              ClaveComprobante{QStringLiteral("NCPE"), Suc, Numero, Letra}
                                  .Condicion(kFormaAplicacion);
    } else {
        sentencias << "UPDATE MV_ASIENTOS SET ESTADO=1" + origen;
    }
    return sentencias;
}

// The state is judged as stored, inside the transaction and with the difference's rows locked
// by a change to nothing, so that nobody moves it between this check and the commit. A state 3
// stays (its application was deleted and no other state brings it back), and a list drawn before
// another user's change does not act on a state it no longer shows.
void frmCambioEstado::ComprobarEstado() {
    const ClaveComprobante diferencia{TC, Suc, Numero, Letra};
    Ejecutar("UPDATE MV_ASIENTOS SET ESTADO = ESTADO WHERE " + diferencia.Condicion(kFormaEstado),
             true);
    if (const std::optional<QString> cambio = EstadoDiferencia::Cambiado(
            diferencia, EstadoAnterior.toString(), {Tc_Origen, Cpte_Origen}, true))
        throw ErrorEjecucion(ado::errSinRegistroActual, *cambio);
}

// One transaction: every statement or none. A failure rolls back, tells the user and
// reports the change as not saved.
bool frmCambioEstado::GrabarCambioEstado() {
    ado::Connection& cnn = DB_Dll::Instancia().gCnn;
    QStringList sentencias;
    std::optional<ado::Transaccion> transaccion;
    bool grabado = false;
    const ResultadoPasos resultado =
        EjecutarPasos(QStringLiteral("GrabarCambioEstado"), AbandonarGrabacion,
                      {[&] { sentencias = SentenciasGrabacion(); },
                       [&] { transaccion.emplace(cnn); }, [&] { ComprobarEstado(); },
                       [&] {
                           // The first statement is the difference's own; an origin without
                           // entry lines is legitimate, so the rest may change nothing.
                           for (qsizetype i = 0; i < sentencias.size(); ++i)
                               Ejecutar(sentencias[i], i == 0);
                       },
                       [&] {
                           transaccion->Confirmar();
                           grabado = true;
                       }});
    if (grabado)
        return true;
    transaccion.reset(); // rolled back before the user is told
    const QString causa = resultado.Error ? resultado.Error->Description() : QString();
    MsgBox(causa + "\r\nNo se pudo cambiar el estado", vbCritical + vbOKOnly, TituloAviso);
    return false;
}
