#include "entries/FrmAsientoNDPRoNCPE.h"

#include "entries/NumeroComprobante.h"
#include "platform/ado/AdoTipos.h"
#include "platform/ado/Recordset.h"
#include "platform/controls/Asistel.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/GuardiaEventos.h"
#include "platform/errors/Procedimiento.h"
#include "platform/forms/ArregloCajasTexto.h"
#include "platform/forms/CajaTexto.h"
#include "platform/forms/Colores.h"
#include "platform/forms/CursorEspera.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/Variantes.h"
#include "platform/suite/UtilControles.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"
#include "session/DialogoErrores.h"
#include "session/ModGlobal.h"
#include "session/ModGlobalUtilidades.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>
#include <utility>

namespace {

constexpr long Blanco = 0xFFFFFFL;
constexpr long Gris = 0xE0E0E0L;
constexpr long FondoMenu = 0x80000004L;
constexpr int Lineas = LoteAsiento::NumeroLineas;

// Design rows of the twelve lines, in twips within FrmEnc.
constexpr int TopLinea1 = 1050;
constexpr int AltoLinea = 255;
constexpr int TopLinea(int linea) {
    return TopLinea1 + (linea - 1) * AltoLinea;
}
constexpr int LeftCuenta = 120, AnchoCuenta = 1290;
constexpr int LeftDetalle = 1470, AnchoDetalle = 4500;
constexpr int LeftDebe = 6030, LeftHaber = 7590, AnchoImporte = 1500;

} // namespace

FrmAsientoNDPRoNCPE::FrmAsientoNDPRoNCPE() : txtFields_(std::make_unique<ArregloCajasTexto>()) {
    setObjectName(QStringLiteral("FrmAsientoNDPRoNCPE"));
    SetCaption(QStringLiteral("Diferencias pendientes"));
    SetAreaCliente(9960, 5865);
    SetKeyPreview(true);
    CrearControles();
    ConectarEventos();
}

FrmAsientoNDPRoNCPE::~FrmAsientoNDPRoNCPE() = default;

CajaTexto& FrmAsientoNDPRoNCPE::Campo(const QString& dataField) {
    return (*txtFields_)[UtilControles::Instancia().IndiceCampo(dataField, *txtFields_)];
}

// ---- Controls --------------------------------------------------------------------------------

void FrmAsientoNDPRoNCPE::CrearControles() {
    Asistel1 = new controles::Asistel(this);
    Asistel1->setObjectName(QStringLiteral("Asistel1"));
    Colocar(*Asistel1, 0, 0, 9960, 690);
    FrmEnc = new QGroupBox(this);
    Colocar(*FrmEnc, 60, 705, 9840, 4575);
    CrearCabecera();
    CrearLineas();
    CrearTotales();
    CrearMotivo();
}

QLabel* FrmAsientoNDPRoNCPE::Etiqueta(QWidget* contenedor, const QString& caption, int left,
                                      int top, int width) {
    auto* etiqueta = new QLabel(caption, contenedor);
    Colocar(*etiqueta, left, top, width, 225);
    return etiqueta;
}

CajaTexto& FrmAsientoNDPRoNCPE::Caja(int index, QWidget& contenedor, const QString& dataField,
                                     int maxLength, const QString& tag, int left, int top,
                                     int width) {
    CajaTexto& caja = txtFields_->Agregar(index, contenedor);
    caja.SetDataField(dataField);
    caja.SetMaxLength(maxLength);
    caja.SetTag(tag);
    Colocar(caja, left, top, width, 255);
    return caja;
}

void FrmAsientoNDPRoNCPE::CrearCabecera() {
    Etiqueta(FrmEnc, QStringLiteral("T. Cpte..........:"), 120, 165, 1170);
    CmbTC = new QComboBox(FrmEnc);
    Colocar(*CmbTC, 1350, 120, 2250, 300);
    Etiqueta(FrmEnc, QStringLiteral("Nº Cpte.......:"), 3780, 165, 1020);
    Caja(2, *FrmEnc, QStringLiteral("SUCURSAL"), 4, {}, 4830, 135, 600);
    Caja(1, *FrmEnc, QStringLiteral("NUMERO"), 8, {}, 5460, 135, 1050);
    Caja(0, *FrmEnc, QStringLiteral("LETRA"), 1, {}, 6540, 135, 330);
    Etiqueta(FrmEnc, QStringLiteral("Fecha......:"), 7050, 165, 840);
    Caja(4, *FrmEnc, QStringLiteral("FECHA"), 10, QStringLiteral("FECHA"), 7920, 135, 1170);
    Etiqueta(FrmEnc, QStringLiteral("Concepto.......:"), 120, 510, 1170);
    Caja(5, *FrmEnc, QStringLiteral("CONCEPTO"), 100, {}, 1350, 480, 8340);
    // The column header, each word over its column.
    Etiqueta(FrmEnc, QStringLiteral("   Cuenta            Detalle"), 120, 825, 2400);
    Etiqueta(FrmEnc, QStringLiteral("Debe"), LeftDebe + AnchoImporte - 600, 825, 600)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Etiqueta(FrmEnc, QStringLiteral("Haber "), LeftHaber + AnchoImporte - 600, 825, 600)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void FrmAsientoNDPRoNCPE::CrearLineas() {
    // The design's indexes, line by line: account, debit and credit.
    static constexpr int Indices[Lineas][3] = {
        {6, 36, 11},  {7, 10, 39},  {8, 17, 12},  {9, 18, 13},  {22, 19, 14}, {23, 20, 15},
        {24, 21, 16}, {25, 28, 29}, {26, 31, 32}, {27, 34, 35}, {30, 37, 38}, {33, 40, 3}};
    for (int n = 1; n <= Lineas; ++n) {
        const int top = TopLinea(n);
        const QString linea = QString::number(n);
        const QString tabla = n <= 2 ? QStringLiteral("MA_CUENTAS") : QStringLiteral("MA_CUENTAS1");
        Caja(Indices[n - 1][0], *FrmEnc, linea, 15, tabla, LeftCuenta, top, AnchoCuenta);
        lblFields[n - 1] =
            Etiqueta(FrmEnc, QStringLiteral("..."), LeftDetalle, top + 30, AnchoDetalle);
        lblFields[n - 1]->setProperty("DataField", linea);
        Caja(Indices[n - 1][1], *FrmEnc, linea + "D", 0, {}, LeftDebe, top, AnchoImporte);
        Caja(Indices[n - 1][2], *FrmEnc, linea + "H", 0, {}, LeftHaber, top, AnchoImporte);
    }
    // As designed, line 1's amounts start disabled.
    Campo(QStringLiteral("1D")).SetEnabled(false);
    Campo(QStringLiteral("1H")).SetEnabled(false);
    Campo(QStringLiteral("1H")).SetBackColor(FondoMenu);
}

void FrmAsientoNDPRoNCPE::CrearTotales() {
    const int top = TopLinea(Lineas) + AltoLinea + 30;
    chkImprimir = new QCheckBox(QStringLiteral("Imprimir Testigo"), FrmEnc);
    Colocar(*chkImprimir, LeftCuenta, top, 1800, 255);
    Etiqueta(FrmEnc, QStringLiteral("Dif:"), 2400, top + 15, 360);
    lblDif = Etiqueta(FrmEnc, QStringLiteral("0,00"), 2790, top + 15, 1500);
    Etiqueta(FrmEnc, QStringLiteral("Totales:"), 5190, top + 15, 780);
    LblTotalDebe = Etiqueta(FrmEnc, QStringLiteral("0.00"), LeftDebe, top + 15, AnchoImporte);
    LblTotalHaber = Etiqueta(FrmEnc, QStringLiteral("0.00"), LeftHaber, top + 15, AnchoImporte);
    for (QLabel* total : {lblDif, LblTotalDebe, LblTotalHaber})
        total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void FrmAsientoNDPRoNCPE::CrearMotivo() {
    frmMotivo = new QGroupBox(this);
    Colocar(*frmMotivo, 60, 5310, 9840, 510);
    Etiqueta(frmMotivo, QStringLiteral("Nuevo Estado"), 120, 150, 900);
    dpdEstadoNuevo = new QComboBox(frmMotivo);
    dpdEstadoNuevo->addItems({
        QStringLiteral("0 - Pendiente de revision "),
        QStringLiteral("1 - En espera de Nota de Credito del Proveedor"),
        QStringLiteral("2 - Generar Nota de Debito al Proveedor"),
        QStringLiteral("3 - Liberar el pago total - En espera de Nota de Credito del Proveedor"),
        QStringLiteral("4 - Regularizado. "),
    });
    Colocar(*dpdEstadoNuevo, 1080, 105, 5130, 300);
    Etiqueta(frmMotivo, QStringLiteral("Motivo:"), 6360, 150, 570);
    Caja(41, *frmMotivo, QStringLiteral("Motivo"), 4, QStringLiteral("V_TA_MOTIVOCPRA"), 6960, 120,
         600);
    lblMot = Etiqueta(frmMotivo, QStringLiteral("..."), 7620, 150, 2130);
    frmMotivo->setVisible(false);
}

void FrmAsientoNDPRoNCPE::ConectarEventos() {
    ArregloCajasTexto& t = *txtFields_;
    t.Change = [this](int i) { txtFields_Change(i); };
    t.GotFocus = [this](int i) { txtFields_GotFocus(i); };
    t.LostFocus = [this](int i) { txtFields_LostFocus(i); };
    t.Validate = [this](int i, bool& cancel) { txtFields_Validate(i, cancel); };
    t.KeyDown = [this](int i, int& k, int s) { txtFields_KeyDown(i, k, s); };
    t.KeyPress = [this](int i, int& k) { txtFields_KeyPress(i, k); };
    Asistel1->Click = [this](const QString& clave) {
        ProtegerEvento(QStringLiteral("Asistel1_click"), [&] { Asistel1_click(clave); });
    };
}

// ---- Lifecycle -------------------------------------------------------------------------------

void FrmAsientoNDPRoNCPE::Form_KeyDown(int& KeyCode, int) {
    // An amount still being typed is judged before anything is saved; and GRABAR is off while
    // the totals differ, so F2 then says why instead of doing nothing.
    CajaTexto* incompleto = KeyCode == 113 ? ImporteIncompleto() : nullptr;
    if (incompleto)
        CampoValida(*incompleto);
    if (KeyCode == 113 && (incompleto || (!Asistel1->BotonActivo(3) && AvisarDesbalance())))
        KeyCode = 0;
    Asistel1->ProcesarTecla(KeyCode);
}

void FrmAsientoNDPRoNCPE::Form_Load() {
    EjecutarPasos(QStringLiteral("Form_Load"), DialogoErrores(QString()),
                  {[&] { UtilGeneral::Instancia().IniciarFormulario(*this); },
                   [&] { ModGlobal::PrepararFormulario(*this); }, [&] { Inicializa(); },
                   [&] {
                       for (int boton : {8, 7, 4, 1, 3})
                           Asistel1->SetBotonActivo(boton, false);
                   }});
}

// Clears the entry and proposes the line accounts of its side. The boxes were made in the
// design's tab order (header, then each line's account, debit and credit), which stays. No voucher
// number is taken here: the number is the loaded entry's, and taking one would release the control
// row of a number this window never uses.
void FrmAsientoNDPRoNCPE::Inicializa() {
    std::vector<Paso> pasos{
        [&] { UtilControles::Instancia().LimpiarControles(*this, QStringLiteral("txtfields")); },
        [&] { DetalleOn(false); },
    };
    if (vb::Iguales(Lado, QStringLiteral("D"))) {
        pasos.push_back(
            [&] { Campo("2").SetText(ModGlobal::Cfg(QStringLiteral("CuentaDifMercaderia"))); });
        for (int n = 3; n <= Lineas; ++n)
            pasos.push_back([&, n] {
                Campo(QString::number(n)).SetText(ModGlobal::Cfg("NCPE_" + QString::number(n)));
            });
    } else {
        for (int n = 1; n <= Lineas; ++n)
            pasos.push_back([&, n] {
                const QString linea = QString::number(n);
                Campo(linea).SetText(ModGlobal::Cfg("NCPE_H" + linea));
                for (const QString& caja : {linea + "D", linea + "H"}) {
                    Campo(caja).SetEnabled(true);
                    Campo(caja).SetBackColor(caja == "1D" ? FondoMenu : Blanco);
                }
            });
    }
    for (int n = 1; n <= Lineas; ++n)
        pasos.push_back([&, n] { CampoValida(Campo(QString::number(n))); });
    EjecutarPasos(QStringLiteral("Inicializa"), DialogoErrores(QStringLiteral("Inicializa")),
                  pasos);
}

void FrmAsientoNDPRoNCPE::DetalleOn(bool) {
    for (int boton : {8, 7, 3, 1})
        Asistel1->SetBotonActivo(boton, false);
    Asistel1->SetBotonActivo(2, true);
    Asistel1->SetBotonActivo(7, false);
    Asistel1->SetBotonActivo(6, false);
    Campo(QStringLiteral("fecha")).SetEnabled(false);
    // An entry being modified can always be brought back as stored.
    if (EnModificacion && cargaCompleta_)
        Asistel1->SetBotonActivo(8, true);
}

void FrmAsientoNDPRoNCPE::HabilitaDebeHaber() {
    const bool haber = vb::Iguales(Lado, QStringLiteral("H"));
    if (haber)
        Campo(QStringLiteral("1")).SetEnabled(true);
    Lado1(QStringLiteral("1H"), haber, haber ? Blanco : Gris);
    const bool debe = vb::Iguales(Lado, QStringLiteral("D"));
    Lado1(QStringLiteral("1D"), debe, debe ? Blanco : Gris);
}

void FrmAsientoNDPRoNCPE::Lado1(const QString& dataField, bool habilitada, long color) {
    CajaTexto& caja = Campo(dataField);
    caja.SetEnabled(habilitada);
    caja.SetBackColor(color);
}

// ---- Loading an entry for modification -------------------------------------------------------

namespace {

bool EsIva(const QString& marca) {
    return vb::Iguales(marca, QStringLiteral("ESIVA"));
}

// The line each row of an entry goes to: the VAT row to line 12, every other row to its
// place in sequence order (the VAT row counted), from line `primera` on. Empty when some row
// has no line of its own: line 12 is the VAT line, so an ordinary row has no place there either.
std::vector<int> LineasDeFilas(const QStringList& marcas, int primera = 1) {
    std::vector<int> lineas;
    std::vector<bool> ocupada(Lineas + 1, false);
    for (int n = 1; n <= marcas.size(); ++n) {
        const bool iva = EsIva(marcas[n - 1]);
        const int linea = iva ? Lineas : n + primera - 1;
        if (linea > Lineas || ocupada[linea] || (linea == Lineas && !iva))
            return {};
        ocupada[linea] = true;
        lineas.push_back(linea);
    }
    return lineas;
}

// Why the rows cannot be spread over the window, in the accountant's terms: lines 1 to 11 take
// the rows in their order, the VAT row counted, and line 12 only the VAT row. `cuentas` are the
// rows' accounts, in the same order as `marcas`.
QString PorQueNoCabe(const QStringList& marcas, const QStringList& cuentas) {
    const auto iva = std::find_if(marcas.cbegin(), marcas.cend(), EsIva);
    const auto conIva = std::count_if(marcas.cbegin(), marcas.cend(), EsIva);
    const auto comunes = marcas.size() - conIva;
    if (conIva > 1)
        return QStringLiteral("tiene %1 renglones de IVA y esta ventana tiene una sola línea para "
                              "el IVA, la %2.")
            .arg(conIva)
            .arg(Lineas);
    if (comunes > Lineas - 1)
        return QStringLiteral("tiene %1 renglones%2 y esta ventana admite hasta %3, en las líneas "
                              "1 a %3; la línea %4 es solo para el IVA.")
            .arg(comunes)
            .arg(conIva ? QStringLiteral(" además del de IVA") : QString())
            .arg(Lineas - 1)
            .arg(Lineas);
    // Twelve rows with the VAT row before the last: the last row is an ordinary one.
    return QStringLiteral("el renglón de IVA es el %1.º y no el último; como cada renglón va a la "
                          "línea de su orden, el %2.º (cuenta %3) caería en la línea %2, que es "
                          "solo para el IVA.")
        .arg(iva - marcas.cbegin() + 1)
        .arg(marcas.size())
        .arg(vb::Trim(cuentas.value(marcas.size() - 1)));
}

} // namespace

void FrmAsientoNDPRoNCPE::CargarParaModificar(const QString& TComp, const QString& IdCpte) {
    TC = QStringLiteral("NCPE");
    tComp_ = TComp;
    idCpte_ = IdCpte;
    Load();
    CmbTC->addItem(QStringLiteral("NC Pendiente"));
    EnModificacion = true;
    CmbTC->setCurrentIndex(0);
    CmbTC->setEnabled(false);
    Campo(QStringLiteral("1H")).SetEnabled(true);
    CursorEspera espera;
    bool leido = false;
    const ResultadoPasos r =
        EjecutarPasos(QStringLiteral("CargarParaModificar"), DialogoErrores(QString()),
                      {[&] { leido = LeerAsiento(TComp, IdCpte); }});
    cargaCompleta_ = leido && !r.SalioAntes && !r.Error;
    if (cargaCompleta_)
        HabilitaDebeHaber();
    // CANCELAR brings the stored entry back.
    Asistel1->SetBotonActivo(8, cargaCompleta_);
}

// Reads the entry's rows and spreads them over the window; false when it cannot be shown
// whole (the user was told why) or the rows could not be read.
bool FrmAsientoNDPRoNCPE::LeerAsiento(const QString& TComp, const QString& IdCpte) {
    DB_Dll& db = DB_Dll::Instancia();
    QString sql = "SELECT * FROM MV_ASIENTOS WHERE TC = " + db.SQLValue(TComp) +
                  " AND SUCURSAL =" + db.SQLValue(vb::Mid(IdCpte, 1, 4)) +
                  " AND NUMERO =" + db.SQLValue(vb::Mid(IdCpte, 5, 8)) +
                  " AND LETRA=" + db.SQLValue(vb::Mid(IdCpte, 13, 1)) + " ORDER BY SECUENCIA";
    ado::Recordset rs;
    if (!db.AbrirRecordset(sql, rs))
        return false;
    QStringList marcas, cuentas;
    QString proveedor;
    for (; !rs.Eof(); rs.MoveNext()) {
        if (marcas.isEmpty())
            proveedor =
                vb::Trim(UtilGeneral::Instancia().ValorCampo(rs.Fields("CabCuenta").Value()));
        marcas << UtilGeneral::Instancia().ValorCampo(rs.Fields("NroCai").Value());
        cuentas << UtilGeneral::Instancia().ValorCampo(rs.Fields("Cuenta").Value());
    }
    // An entry saved with the supplier's line left without an amount names its supplier on its
    // first row only: it is shown as it was saved, the supplier's line empty and the rows from
    // line 2 on, so that it can be saved again as it stands.
    std::optional<QString> ladoProveedor;
    if (!marcas.isEmpty() && !proveedor.isEmpty() &&
        !vb::Iguales(vb::Trim(cuentas.front()), proveedor) &&
        LineasDeFilas(marcas, 2).size() == size_t(marcas.size()) &&
        !LadoSinImporte(TComp, IdCpte, ladoProveedor))
        return false;
    const std::vector<int> lineas = LineasDeFilas(marcas, ladoProveedor ? 2 : 1);
    if (lineas.size() != static_cast<size_t>(marcas.size())) {
        NoCabe(TComp, IdCpte, PorQueNoCabe(marcas, cuentas));
        return false;
    }
    if (marcas.isEmpty())
        return true;
    rs.MoveFirst();
    CargarCabecera(rs, IdCpte);
    for (int linea : lineas) {
        CargarLinea(linea, rs);
        rs.MoveNext();
    }
    db.CierraRecordset(rs);
    if (ladoProveedor) {
        CajaTexto& cuenta = Campo(QStringLiteral("1"));
        cuenta.SetText(proveedor);
        int enter = 13;
        txtFields_KeyDown(cuenta.Index(), enter, 0);
        Lado = *ladoProveedor;
    }
    return true;
}

// For an entry whose first row is not its supplier's, the side of a supplier's line saved
// without an amount, which no row keeps: an application of nothing to the origin tells a
// pending credit note, on the debit side; no application, a debit note on the credit side (or a
// difference in state 4, which either side saves alike). An application of an amount is line
// 1's own, written under another account: `lado` stays empty. False when the applications could
// not be read (the user was told why).
bool FrmAsientoNDPRoNCPE::LadoSinImporte(const QString& TComp, const QString& IdCpte,
                                         std::optional<QString>& lado) {
    DB_Dll& db = DB_Dll::Instancia();
    QString sql = "SELECT IMPORTE FROM MV_APLICACION WHERE TC = " + db.SQLValue(TComp) +
                  " AND SUCURSAL = " + db.SQLValue(vb::Mid(IdCpte, 1, 4)) +
                  " AND NUMERO = " + db.SQLValue(vb::Mid(IdCpte, 5, 8)) +
                  " AND LETRA = " + db.SQLValue(vb::Mid(IdCpte, 13, 1));
    ado::Recordset rs;
    if (!db.AbrirRecordset(sql, rs))
        return false;
    bool aplicada = false, conImporte = false;
    for (; !rs.Eof(); rs.MoveNext()) {
        aplicada = true;
        conImporte =
            conImporte || Currency::DesdeVariant(rs.Fields("IMPORTE").Value()) != Currency();
    }
    db.CierraRecordset(rs);
    if (!conImporte)
        lado = aplicada ? QStringLiteral("D") : QStringLiteral("H");
    return true;
}

// What a load derives goes back to how a fresh window has it, so that loading again takes the
// path of the first load. What the caller set is kept, the VAT condition as the caller left it.
void FrmAsientoNDPRoNCPE::OlvidarAsiento() {
    Lado.clear();
    CabCuenta.clear();
    EnModificacion = false;
    cargaCompleta_ = true;
    if (std::exchange(condIvaSupuesta_, false))
        CondIVA.clear();
    cabNombreCargado_.clear();
    origenNulo_ = false;
    estadoCargado_ = -1;
    claveCentros_ = {};
    tipoRegNulo_ = false;
    guardadas_ = {};
    CmbTC->clear();
    dpdEstadoNuevo->setPlaceholderText(QString());
    dpdEstadoNuevo->setCurrentIndex(0);
    lblMot->setText(QStringLiteral("..."));
    chkImprimir->setChecked(false);
    for (const auto& [indice, caja] : txtFields_->Elementos())
        caja->SetBackColor(ColorFondoVentana);
}

// The voucher as the lists write it, and why it cannot be shown.
void FrmAsientoNDPRoNCPE::NoCabe(const QString& TComp, const QString& IdCpte,
                                 const QString& motivo) {
    MsgBox("El asiento " + vb::Trim(TComp) + " " + vb::Mid(IdCpte, 1, 4) + "-" +
               vb::Mid(IdCpte, 5, 8) + " " + vb::Mid(IdCpte, 13, 1) +
               " no se puede modificar desde aquí: " + motivo,
           vbCritical + vbOKOnly, QStringLiteral("Aviso al operador..."));
}

void FrmAsientoNDPRoNCPE::CargarCabecera(ado::Recordset& rs, const QString& IdCpte) {
    const UtilGeneral& util = UtilGeneral::Instancia();
    const auto valor = [&](const char* campo) {
        return util.ValorCampo(rs.Fields(QLatin1String(campo)).Value());
    };
    FechaFac = valor("Fecha");
    UnegFac = valor("UNegocio");
    AstNumero = rs.Fields("numero asiento").Value().toString();
    // The stored rate goes back with the rows the save writes.
    TasaIVA = valor("LIVA_ALICIVA");
    Lado = valor("DEBE-HABER");
    CabCuenta = rs.Fields("CabCuenta").Value().toString();
    Campo(QStringLiteral("SUCURSAL")).SetText(vb::Mid(IdCpte, 1, 4));
    Campo(QStringLiteral("NUMERO")).SetText(vb::Mid(IdCpte, 5, 8));
    Campo(QStringLiteral("LETRA")).SetText(vb::Mid(IdCpte, 13, 1));
    Campo(QStringLiteral("FECHA")).SetText(valor("Fecha"));
    Campo(QStringLiteral("CONCEPTO")).SetText(valor("Detalle"));
    Campo(QStringLiteral("Motivo")).SetText(vb::Trim(valor("idmotivo")));
    for (const char* clave : {"SUCURSAL", "NUMERO", "LETRA", "FECHA"})
        Campo(QLatin1String(clave)).SetEnabled(false);
    Campo(QStringLiteral("CONCEPTO")).SetEnabled(true);
    MostrarEstado(static_cast<int>(util.ValorMoneda(valor("Estado")).Redondear(0).Escalado() /
                                   Currency::Escala));
    // What the save writes back as read.
    cabNombreCargado_ = valor("CabNombre");
    origenNulo_ = rs.Fields("TC_ORIGEN").Value().isNull();
    claveCentros_ = {valor("PERIODO"), valor("MES_OPERATIVO"), valor("numero asiento"),
                     valor("TIPO_REG")};
    tipoRegNulo_ = rs.Fields("TIPO_REG").Value().isNull();
}

// A state outside the list is shown as stored and kept unless the user picks one.
void FrmAsientoNDPRoNCPE::MostrarEstado(int estado) {
    estadoCargado_ = estado;
    const bool previsto = estado >= 0 && estado < dpdEstadoNuevo->count();
    dpdEstadoNuevo->setPlaceholderText(previsto ? QString() : QString::number(estado));
    dpdEstadoNuevo->setCurrentIndex(previsto ? estado : -1);
}

void FrmAsientoNDPRoNCPE::CargarLinea(int linea, ado::Recordset& rs) {
    const UtilGeneral& util = UtilGeneral::Instancia();
    const QString n = QString::number(linea);
    CajaTexto& cuenta = Campo(n);
    cuenta.SetText(util.ValorCampo(rs.Fields("Cuenta").Value()));
    int enter = 13;
    txtFields_KeyDown(cuenta.Index(), enter, 0);
    // The stored amount exactly, whatever the decimals configured now.
    const QVariant importe = rs.Fields("Importe").Value();
    Campo(n + util.ValorCampo(rs.Fields("DEBE-HABER").Value()))
        .SetText(vb::IsNull(importe) ? QString()
                                     : LoteAsiento::ImporteExacto(Currency::DesdeVariant(importe)));
    LoteAsiento::Fila& guardada = guardadas_[size_t(linea - 1)];
    guardada.clear();
    for (int i = 0; i < rs.FieldCount(); ++i)
        guardada.push_back({rs.Fields(i).Name(), LoteAsiento::Guardado(rs.Fields(i))});
}

// ---- A new difference entry ------------------------------------------------------------------

void FrmAsientoNDPRoNCPE::GenerarNDPRoNCPE(bool NDPR, const Currency& ImporteFCC,
                                           const Currency& ImporteOC, const QString& Proveedor,
                                           const QString& Concepto) {
    Lado = NDPR ? QStringLiteral("H") : QStringLiteral("D");
    SetCaption(QStringLiteral("Diferencias Pendientes"));
    Load();
    TC = QStringLiteral("NCPE");
    CmbTC->addItem(QStringLiteral("NC Pendiente"));
    CmbTC->setCurrentIndex(0);
    CmbTC->setEnabled(false);
    Campo(QStringLiteral("CONCEPTO")).SetText(Concepto);
    NumerarNuevo();
    CajaTexto& cuenta = Campo(QStringLiteral("1"));
    if (Lado == "D") {
        cuenta.SetText(Proveedor);
        cuenta.SetEnabled(false);
        lblFields[0]->setText(UtilGeneral::Instancia().ValorCampo(DB_Dll::Instancia().DatosTabla(
            QStringLiteral("VT_PROVEEDORES"), Proveedor, QStringLiteral("RAZON_SOCIAL"),
            QStringLiteral("CODIGO"))));
    } else {
        cuenta.SetText(QString());
        cuenta.SetEnabled(true);
        lblFields[0]->setText(QString());
    }
    Campo(QStringLiteral("FECHA")).SetText(FechaFac);
    ImportesNuevos(ImporteFCC - ImporteOC);
    const QString iva = ModGlobal::Cfg(QStringLiteral("CuentaDifMercaderiaIVA"));
    Campo(QStringLiteral("12")).SetText(iva);
    lblFields[Lineas - 1]->setText(UtilGeneral::Instancia().ValorCampo(
        DB_Dll::Instancia().DatosTabla(QStringLiteral("MA_CUENTAS"), iva,
                                       QStringLiteral("DESCRIPCION"), QStringLiteral("CODIGO"))));
}

// The next number of the type; only shown, so nobody's reservation of it is released.
void FrmAsientoNDPRoNCPE::NumerarNuevo() {
    QString sucursal, numero, letra;
    bool modifica = false;
    ModNumeracion::Obtener_Nro_Comprobante(TC, sucursal, numero, letra, modifica, true,
                                           ModGlobal::Valores.UNegocio, false);
    Campo(QStringLiteral("SUCURSAL")).SetText(sucursal);
    Campo(QStringLiteral("NUMERO")).SetText(numero);
    Campo(QStringLiteral("LETRA")).SetText(letra);
    for (const char* clave : {"SUCURSAL", "NUMERO", "LETRA"})
        Campo(QLatin1String(clave)).SetEnabled(modifica);
}

void FrmAsientoNDPRoNCPE::ImportesNuevos(const Currency& Dif) {
    const auto texto = [](const Currency& monto) {
        return ModGlobal::FmtMoneda(monto.ATexto(), -1);
    };
    if (Lado == "D") {
        // The VAT is the difference times the rate, rounded once: a rate divided by 100 first
        // would be cut to four decimals (10,555 % as 0,1056).
        const Currency tasa = UtilGeneral::Instancia().ValorMoneda(TasaIVA);
        const Currency iva = Currency::Proporcion(Dif, tasa, Currency::DesdeEntero(100));
        Campo(QStringLiteral("1D")).SetText(texto(Dif + iva));
        Campo(QStringLiteral("2H")).SetText(texto(Dif));
    } else {
        Campo(QStringLiteral("1H")).SetText(texto(Dif));
        Campo(QStringLiteral("2D")).SetText(texto(Dif));
    }
}
