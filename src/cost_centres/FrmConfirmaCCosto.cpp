#include "cost_centres/FrmConfirmaCCosto.h"

#include "lookup/Lib_ClsCons3.h"
#include "platform/ado/Recordset.h"
#include "platform/ado/TokenSql.h"
#include "platform/controls/FlexGrid.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/Procedimiento.h"
#include "platform/forms/CajaTexto.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/Numeros.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/suite/UtilControles.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"
#include "session/DialogoErrores.h"
#include "session/ModGlobal.h"
#include "session/ModGlobalUtilidades.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>
#include <limits>
#include <vector>

namespace {

const UtilGeneral& Util() {
    return UtilGeneral::Instancia();
}

QString Texto(const QVariant& valor) {
    return Util().ValorCampo(valor);
}

// A quoted literal for the queries: the codes come from the user and from stored rows.
QString Literal(const QString& texto) {
    return "'" + ado::DoblarApostrofos(texto) + "'";
}

QString Formato(const Currency& valor) {
    return ModGlobal::FmtMoneda(valor.ATexto(), -1);
}

int Decimales() {
    return std::clamp(ModGlobal::DecimalesPara(-1), 0, 4);
}

using Ancho = __int128;

// A column's amounts added up in 128 bits, leaving out row `salvo`: rows typed up to the line
// each may pass the range together.
Ancho SumaColumna(const controles::FlexGrid& g, int columna, int salvo = 0) {
    Ancho suma = 0;
    for (int r = 1; r < g.Rows(); ++r)
        if (r != salvo)
            suma += Util().ValorMoneda(vb::Trim(g.TextMatrix(r, columna))).Escalado();
    return suma;
}

// One unit of the configured precision, in ten-thousandths.
qint64 Unidad() {
    qint64 unidad = 1;
    for (int i = Decimales(); i < 4; ++i)
        unidad *= 10;
    return unidad;
}

// An amount at the configured precision, halves to even; toward zero at the very ends of the
// range, where away from it would leave the range.
Currency APrecision(const Currency& valor) {
    const qint64 unidad = Unidad();
    const qint64 hacia0 = valor.Escalado() / unidad * unidad;
    const Ancho resto = Ancho(valor.Escalado()) - hacia0, doble = 2 * (resto < 0 ? -resto : resto);
    const Ancho lejos = Ancho(hacia0) + (resto < 0 ? -unidad : unidad);
    const bool subir = doble > unidad || (doble == unidad && (hacia0 / unidad) % 2 != 0);
    const bool cabe =
        lejos >= std::numeric_limits<qint64>::min() && lejos <= std::numeric_limits<qint64>::max();
    return Currency::DesdeEscalado(subir && cabe ? qint64(lejos) : hacia0);
}

// A sum to show, held to the range of an amount.
Currency Acotada(Ancho suma) {
    const Ancho tope = std::numeric_limits<qint64>::max();
    return Currency::DesdeEscalado(qint64(std::clamp(suma, -tope - 1, tope)));
}

// A share with the configured decimals, and with more, up to the four its column keeps, when
// it has them: the share of a small amount on a large line is neither shown nor written as 0.
QString FormatoPorcentaje(const Currency& porcentaje) {
    int decimales = std::max(ModGlobal::DecimalesPara(-1), 0);
    if (decimales >= 4)
        return Formato(porcentaje);
    while (porcentaje.Redondear(decimales) != porcentaje)
        ++decimales;
    return porcentaje.ATexto(decimales);
}

QString ItemTabla(ado::Recordset& rs) {
    return Texto(rs.Fields("Codigo").Value()) + "    - " + Texto(rs.Fields("Nombre").Value()) +
           " - " + Texto(rs.Fields("Concepto").Value());
}

QString Descripcion(const QString& codigo) {
    return Texto(DB_Dll::Instancia().DatosTabla(QStringLiteral("TA_CCOSTO"), codigo,
                                                QStringLiteral("DESCRIPCION"),
                                                QStringLiteral("CODIGO"), 8, {}, true));
}

// A query read whole; the recordset is closed again however the reading ends.
class Lectura {
public:
    explicit Lectura(QString sql) { abierto_ = DB_Dll::Instancia().AbrirRecordset(sql, rs_); }
    ~Lectura() { DB_Dll::Instancia().CierraRecordset(rs_); }
    bool HayFila() { return abierto_ && !rs_.Eof(); }
    ado::Recordset& operator*() { return rs_; }
    ado::Recordset* operator->() { return &rs_; }

private:
    ado::Recordset rs_;
    bool abierto_ = false;
};

} // namespace

FrmConfirmaCCosto::FrmConfirmaCCosto() {
    setObjectName(QStringLiteral("FrmConfirmaCCosto"));
    SetCaption(QStringLiteral("Confirmación de Centros de Costo"));
    SetAreaCliente(7800, 4920);
    SetKeyPreview(true);
    CrearControles();
    Conectar(cboTablasDist, &QComboBox::activated, "cboTablasDist_Click",
             [this] { cboTablasDist_Click(); });
    Conectar(CmdAceptar, &QPushButton::clicked, "CmdAceptar_Click", [this] { CmdAceptar_Click(); });
    Conectar(CmdCancelar, &QPushButton::clicked, "CmdCancelar_Click",
             [this] { CmdCancelar_Click(); });
    SetBotonCancelar(CmdCancelar);
    ConectarEdicion();
}

FrmConfirmaCCosto::~FrmConfirmaCCosto() = default;

void FrmConfirmaCCosto::CrearControles() {
    const auto etiqueta = [this](int left, int top, int width, bool gris) {
        auto* l = new QLabel(this);
        Colocar(*l, left, top, width, 285);
        l->setAutoFillBackground(gris);
        return l;
    };
    LblTitulo = etiqueta(120, 120, 7560, true);
    lblCuenta = etiqueta(120, 480, 5160, false);
    lblImporte = etiqueta(5400, 480, 2280, false);
    for (QLabel* l : {lblCuenta, lblImporte}) {
        l->setText(QStringLiteral("..."));
        QFont negrita = l->font();
        negrita.setBold(true);
        l->setFont(negrita);
    }
    cboTablasDist = new QComboBox(this);
    Colocar(*cboTablasDist, 120, 840, 7560, 315);
    FgCCosto = new controles::FlexGrid(this);
    Colocar(*FgCCosto, 120, 1260, 7560, 2760);
    txtEdit2 = new CajaTexto(FgCCosto);
    txtEdit2->hide();
    LblMensaje = etiqueta(120, 4080, 7560, true);
    const auto boton = [this](const QString& caption, int left) {
        auto* b = new QPushButton(caption, this);
        Colocar(*b, left, 4440, 1680, 375);
        b->setAutoDefault(false);
        return b;
    };
    cmdConsultar = boton(QStringLiteral("[F5]  Consultar"), 120);
    CmdAceptar = boton(QStringLiteral("[F2]  Aceptar"), 4200);
    CmdCancelar = boton(QStringLiteral("[ESC] Cancelar"), 6000);
}

// The session's ParametroAdicional is left as it is: this dialog reads none of it, and other
// windows of the run rely on it as given.
void FrmConfirmaCCosto::Form_Load() {
    Util().IniciarFormulario(*this);
    ModGlobal::PrepararFormulario(*this);
    Inicializa();
    CargarTablasDist();
}

void FrmConfirmaCCosto::Inicializa() {
    const RutinaError rutina = [](const ErrorEjecucion& error,
                                  const QString& procedimiento) -> AccionError {
        if (error.Number() == 5)
            return AccionError::Ignorar;
        return TratarConDialogo(error, procedimiento);
    };
    EjecutarPasos(QStringLiteral("Inicializa"), rutina, {[&] { MSFLEX_InicializaCC(); }});
}

void FrmConfirmaCCosto::MSFLEX_InicializaCC() {
    // An edit still open was typed for a row the new grid does not have: it is dropped, as Esc
    // drops it, before the rows go (moving the cell would write it back into whatever cell
    // is current then).
    OcultarCaja();
    txtEdit2->SetText(QString());
    controles::FlexGrid& g = *FgCCosto;
    g.SetCols(5);
    g.SetRows(1);
    const QStringList titulos{"Línea", "C.Costo", "Descripción", "Porcentaje", "Importe"};
    for (int c = 0; c < 5; ++c)
        g.SetTextMatrix(0, c, titulos[c]);
    const QFontMetrics medida(font());
    const auto ancho = [&](int x) { return ATwips(medida.horizontalAdvance(QString(x, u'X'))); };
    g.SetColWidth(0, ancho(6));
    g.SetColWidth(1, ancho(8));
    g.SetColWidth(4, ancho(10));
    g.SetColWidth(3, ancho(10));
    g.SetColWidth(2, ATwips(g.width()) - g.ColWidth(0) - g.ColWidth(1) - g.ColWidth(3) -
                         g.ColWidth(4) - 400);
}

void FrmConfirmaCCosto::CargarTablasDist() {
    cboTablasDist->clear();
    cboTablasDist->addItem(QString());
    Lectura rs(QStringLiteral("SELECT CODIGO,NOMBRE,CONCEPTO FROM MA_CUENTAS_CCDIST GROUP BY "
                              "CODIGO,NOMBRE,CONCEPTO ORDER BY CODIGO"));
    for (; rs.HayFila(); rs->MoveNext())
        cboTablasDist->addItem(ItemTabla(*rs));
}

void FrmConfirmaCCosto::cboTablasDist_Click() {
    const QString codigo = vb::Left(cboTablasDist->currentText(), 4);
    MSFLEX_InicializaCC();
    Lectura rs("SELECT * FROM MA_CUENTAS_CCDIST WHERE CODIGO=" + Literal(codigo));
    for (; rs.HayFila(); rs->MoveNext()) {
        const QString cc = vb::Trim(Texto(rs->Fields("CCosto").Value()));
        const QString porcentaje = vb::Trim(Texto(rs->Fields("Porcentaje").Value()));
        AgregarFila(cc, porcentaje);
        FgCCosto->SetTextMatrix(FgCCosto->Rows() - 1, 3, porcentaje);
    }
    RepartirImportes();
}

Currency FrmConfirmaCCosto::Total() const {
    return Util().ValorMoneda(lblImporte->text());
}

// The line at the precision the rows are kept at: what their amounts must make.
Currency FrmConfirmaCCosto::Linea() const {
    return APrecision(Total());
}

void FrmConfirmaCCosto::FijarTitulo(const QString& Titulo) {
    Load();
    LblTitulo->setText(Titulo);
}

void FrmConfirmaCCosto::MostrarModal() {
    Show(true);
}

void FrmConfirmaCCosto::MostrarCuenta(const QString& Cuenta, const Currency& Importe) {
    lblCuenta->setText(Cuenta + " " +
                       Texto(DB_Dll::Instancia().DatosTabla(
                           QStringLiteral("MA_CUENTAS"), Cuenta, QStringLiteral("Descripcion"),
                           QStringLiteral("Codigo"), 8, {}, true)));
    lblImporte->setText(Importe.ATexto());
}

// A row numbered after its position; RepartirImportes gives it its amount.
void FrmConfirmaCCosto::AgregarFila(const QString& CCosto, const QString& Porcentaje) {
    controles::FlexGrid& g = *FgCCosto;
    g.SetRows(g.Rows() + 1);
    const int r = g.Rows() - 1;
    g.SetTextMatrix(r, 0, QString::number(r));
    g.SetTextMatrix(r, 1, CCosto);
    g.SetTextMatrix(r, 2, Descripcion(CCosto));
    g.SetTextMatrix(r, 3, FormatoPorcentaje(Util().ValorMoneda(Porcentaje)));
}

// The amounts follow the shares: each row's share of the line at the configured precision,
// what rounding leaves over on the last row with a share, so that shares making 100 give rows
// making the line.
void FrmConfirmaCCosto::RepartirImportes() {
    controles::FlexGrid& g = *FgCCosto;
    std::vector<int> filas;
    std::vector<Currency> porcentajes;
    for (int r = 1; r < g.Rows(); ++r) {
        const QString texto = vb::Trim(g.TextMatrix(r, 3));
        if (texto.isEmpty())
            continue;
        const Currency porcentaje = Util().ValorMoneda(texto);
        if (porcentaje == Currency()) {
            g.SetTextMatrix(r, 4, Formato(Currency()));
            continue;
        }
        filas.push_back(r);
        porcentajes.push_back(porcentaje);
    }
    const std::vector<Currency> partes = RepartirImporte(Linea(), porcentajes, Decimales());
    for (size_t i = 0; i < filas.size(); ++i)
        g.SetTextMatrix(filas[i], 4, Formato(partes[i]));
}

// The amount of a share typed on row Fila; the other rows keep theirs, typed or not. When the
// shares then make 100, the row takes what the others' amounts leave of the line, so that the
// rows make it exactly; unless that would cross zero (others rounded up past the line), when
// the row keeps its share's amount and the acceptance shows what is missing.
Currency FrmConfirmaCCosto::ImporteDeFila(int Fila, const Currency& Porcentaje) const {
    if (Porcentaje == Currency())
        return Currency();
    Currency suma = Porcentaje;
    for (int r = 1; r < FgCCosto->Rows(); ++r)
        if (r != Fila)
            suma += Util().ValorMoneda(vb::Trim(FgCCosto->TextMatrix(r, 3)));
    const Currency propio = RepartirImporte(Linea(), {Porcentaje}, Decimales()).front();
    if (suma != Currency::DesdeEntero(100))
        return propio;
    const Ancho linea = Linea().Escalado();
    const Ancho resto = linea - SumaColumna(*FgCCosto, 4, Fila);
    if (linea < 0 ? resto > 0 : resto < 0)
        return propio;
    return Currency::DesdeEscalado(qint64(resto));
}

// The account's own split: by the user's business unit when the account varies by unit and
// the unit has rows, otherwise the fixed one.
QString FrmConfirmaCCosto::ConsultaPropia(const QString& Cuenta) const {
    const QString cuenta = Literal(vb::Trim(Cuenta));
    bool porUnidad = false;
    {
        Lectura rs("SELECT * FROM MA_CUENTASCCOSTO WHERE CODIGO = " + cuenta);
        if (rs.HayFila() && !rs->Fields("VARIABLEPORUD").Value().isNull())
            porUnidad = rs->Fields("VARIABLEPORUD").Value().toBool();
    }
    const QString porUnidadSql =
        "SELECT * FROM MA_CUENTASCCOSTO_UNEG WHERE CODIGO = " + cuenta +
        " AND UNEGOCIO = " + Literal(Util().Rellenar(ModGlobal::Valores.UNegocio, 4));
    if (porUnidad)
        porUnidad = Lectura(porUnidadSql).HayFila();
    return porUnidad ? porUnidadSql : "SELECT * FROM MA_CUENTASCCOSTO WHERE CODIGO = " + cuenta;
}

void FrmConfirmaCCosto::CargarCcostos(const QString& Cuenta, const Currency& Importe,
                                      const QString& Dist, const QString& CCostoActual) {
    Load();
    CuentaCC = Cuenta;
    hayCCostos_ = false;
    if (Util().PruebaValor(vb::Trim(Cuenta)))
        return;
    if (!CCostoActual.isEmpty() && CargarDelGuion(CCostoActual, Importe))
        return;
    QString sql;
    if (!Dist.isEmpty()) {
        sql = "SELECT * FROM MA_CUENTAS_CCDIST WHERE CODIGO = " + Literal(Util().Rellenar(Dist, 4));
    } else {
        Lectura rs("SELECT CC_DIST FROM MA_CUENTAS WHERE CODIGO=" + Literal(CuentaCC));
        if (rs.HayFila() && !vb::Trim(Texto(rs->Fields("CC_DIST").Value())).isEmpty())
            sql = "SELECT * FROM MA_CUENTAS_CCDIST WHERE CODIGO = " +
                  Literal(Texto(rs->Fields("CC_DIST").Value()));
    }
    const bool deTabla = !sql.isEmpty();
    if (!deTabla)
        sql = ConsultaPropia(Cuenta);
    Lectura rs(sql);
    if (!rs.HayFila()) {
        if (DB_Dll::Instancia().ExisteEnTabla(
                QStringLiteral("MA_CUENTAS"), Cuenta, QStringLiteral("CODIGO"), nullptr, 8,
                "CODIGO=" + Literal(Cuenta) + " AND USACCOSTOS=1", true))
            MostrarCuenta(Cuenta, Importe);
        return;
    }
    MostrarCuenta(Cuenta, Importe);
    if (deTabla)
        SeleccionarTabla(ItemTabla(*rs));
    MSFLEX_InicializaCC();
    for (; !rs->Eof(); rs->MoveNext()) {
        AgregarFila(vb::Trim(Texto(rs->Fields("CCOSTO").Value())),
                    vb::ValorTexto(rs->Fields("PORCENTAJE").Value()));
        hayCCostos_ = true;
    }
    RepartirImportes();
}

void FrmConfirmaCCosto::SeleccionarTabla(const QString& Item) {
    for (int i = 0; i < cboTablasDist->count(); ++i)
        if (vb::Iguales(cboTablasDist->itemText(i), Item)) {
            cboTablasDist->setCurrentIndex(i);
            return;
        }
}

// The rows a script of the caller holds for this account: the dialog opened again on a line
// already split. False, and nothing touched, when the script holds none for it: the
// account's own split applies then. The amounts written come back as they were, so that
// accepting unchanged writes the same rows; only when they no longer make the line (its
// amount changed since) are they worked out again from the shares.
bool FrmConfirmaCCosto::CargarDelGuion(const QString& CCostoActual, const Currency& Importe) {
    const std::vector<FilaCCosto> filas = FilasDeLaLinea(CCostoActual);
    if (filas.empty())
        return false;
    MostrarCuenta(CuentaCC, Importe);
    MSFLEX_InicializaCC();
    std::vector<FilaRepartida> guardadas;
    for (const FilaCCosto& fila : filas) {
        AgregarFila(vb::Trim(fila.CCosto), vb::ValorTexto(fila.Porcentaje.toDouble()));
        const auto importe = Currency::DesdeTextoSql(vb::Trim(fila.Importe));
        guardadas.push_back({Util().ValorMoneda(FgCCosto->TextMatrix(FgCCosto->Rows() - 1, 3)),
                             importe.value_or(Currency())});
    }
    if (!ImportesDelGuion(filas))
        RepartirComoGuardadas(guardadas);
    hayCCostos_ = true;
    return true;
}

// The script's rows of the account; of the line's own sequence alone when the line's is known
// and the rows carry theirs: two lines of one account each keep their own split.
std::vector<FilaCCosto> FrmConfirmaCCosto::FilasDeLaLinea(const QString& CCostoActual) const {
    static const QRegularExpression finDeLinea(QStringLiteral("\r\n|\r|\n"));
    static const QRegularExpression entero(QStringLiteral("^[0-9]+$"));
    const auto numero = [](const QString& texto) {
        return entero.match(vb::Trim(texto)).hasMatch() ? vb::Trim(texto).toInt() : -1;
    };
    std::vector<FilaCCosto> filas;
    bool numeradas = false;
    for (const QString& linea : CCostoActual.split(finDeLinea)) {
        const std::optional<FilaCCosto> fila = LeerFilaCCosto(linea);
        if (fila && vb::Trim(fila->Cuenta) == vb::Trim(CuentaCC)) {
            filas.push_back(*fila);
            numeradas = numeradas || numero(fila->Secuencia) >= 0;
        }
    }
    const int secuencia = numero(SecuenciaCC);
    if (secuencia >= 0 && numeradas)
        std::erase_if(filas, [&](const FilaCCosto& f) { return numero(f.Secuencia) != secuencia; });
    return filas;
}

void FrmConfirmaCCosto::RepartirComoGuardadas(const std::vector<FilaRepartida>& Filas) {
    const std::vector<Currency> partes = RepartirComoFilas(Linea(), Filas, Decimales());
    for (size_t i = 0; i < partes.size(); ++i)
        FgCCosto->SetTextMatrix(int(i) + 1, 4, Formato(partes[i]));
}

// A recordset of stored shares (no caller of the program has one): rows numbered by their
// position, as every other loading numbers them.
void FrmConfirmaCCosto::CargarCcostosEdit(ado::Recordset& Rs) {
    if (Rs.Bof() && Rs.Eof())
        return;
    MSFLEX_InicializaCC();
    Rs.MoveFirst();
    std::vector<FilaRepartida> filas;
    for (; !Rs.Eof(); Rs.MoveNext()) {
        AgregarFila(vb::Trim(Texto(Rs.Fields("CCOSTO").Value())),
                    vb::ValorTexto(Rs.Fields("PORCENTAJE").Value()));
        filas.push_back({Util().ValorMoneda(FgCCosto->TextMatrix(FgCCosto->Rows() - 1, 3)), {}});
    }
    RepartirComoGuardadas(filas);
}

bool FrmConfirmaCCosto::ImportesDelGuion(const std::vector<FilaCCosto>& Filas) {
    std::vector<Currency> importes;
    Ancho suma = 0;
    for (const FilaCCosto& fila : Filas) {
        const std::optional<Currency> importe = Currency::DesdeTextoSql(vb::Trim(fila.Importe));
        if (!importe || *importe != APrecision(*importe))
            return false;
        importes.push_back(*importe);
        suma += importe->Escalado();
    }
    if (suma != Linea().Escalado())
        return false;
    for (size_t i = 0; i < importes.size(); ++i)
        FgCCosto->SetTextMatrix(int(i) + 1, 4, Formato(importes[i]));
    return true;
}

// ---- Whether the user must confirm ---------------------------------------------------------

// The stored flag, read as a Boolean: set, a complete split needs no confirmation. A table
// named by the account decides alone; otherwise the account's own split does.
bool FrmConfirmaCCosto::ConfirmacionPedida() const {
    QString tabla;
    {
        Lectura rs("SELECT CC_DIST FROM MA_CUENTAS WHERE CODIGO=" + Literal(CuentaCC));
        if (rs.HayFila() && !vb::Trim(Texto(rs->Fields("CC_DIST").Value())).isEmpty())
            tabla = Texto(rs->Fields("CC_DIST").Value());
    }
    const QString sql =
        tabla.isEmpty()
            ? "SELECT * FROM MA_CUENTASCCOSTO WHERE CODIGO = " + Literal(vb::Trim(CuentaCC))
            : "SELECT PIDECONFIRMACION FROM MA_CUENTAS_CCDIST WHERE CODIGO=" + Literal(tabla);
    Lectura rs(sql);
    if (!rs.HayFila())
        return true;
    const QVariant bandera = rs->Fields("PIDECONFIRMACION").Value();
    return bandera.isNull() || Texto(bandera).isEmpty() || !bandera.toBool();
}

bool FrmConfirmaCCosto::Pideconfirmacion() {
    if (ConfirmacionPedida())
        return true;
    Currency suma;
    for (int r = 1; r < FgCCosto->Rows(); ++r) {
        const Currency p = Util().ValorMoneda(vb::Trim(FgCCosto->TextMatrix(r, 3)));
        if (!vb::Trim(FgCCosto->TextMatrix(r, 1)).isEmpty() && p > Currency())
            suma += p;
    }
    if (suma != Currency::DesdeEntero(100) || !ValidaGrilla())
        return true;
    Currency porc, importe;
    return !Validato(porc, importe) || !ImportesConcuerdan();
}

// ---- The rows written ----------------------------------------------------------------------

QString FrmConfirmaCCosto::SCriptCCosto(const QString& Periodo, const QString& NumeroAsiento,
                                        const QString& DH, const QString& TipoReg,
                                        const QString& Moneda, const QString& Fecha,
                                        const QString& Secuencia) {
    QString texto;
    for (int r = 1; r < FgCCosto->Rows(); ++r) {
        const QString cc = vb::Trim(FgCCosto->TextMatrix(r, 1));
        const QString porcentaje = vb::Trim(FgCCosto->TextMatrix(r, 3));
        if (cc.isEmpty() || (Util().ValorMoneda(porcentaje) <= Currency() && !SoloImporte(r)))
            continue;
        texto = SentenciaCCosto({Periodo, NumeroAsiento, DH, TipoReg, Moneda, Fecha, CuentaCC,
                                 Secuencia, cc, porcentaje, FgCCosto->TextMatrix(r, 4)}) +
                "\r\n" + texto;
        if (ContadorSecuencia != -1)
            ++ContadorSecuencia;
    }
    return texto;
}

// ---- Checks and closing --------------------------------------------------------------------

void FrmConfirmaCCosto::TextPropiedades(CajaTexto& Texto, int Columna) {
    if (Columna == 0 || Columna == 2)
        return;
    static const char* const campos[] = {"Linea", "CCosto", "Descripcion", "Porcentaje", "Importe"};
    Texto.SetDataField(QString::fromLatin1(campos[Columna]));
    Texto.SetMaxLength(Columna == 1 ? 4 : 0);
    Texto.SetTag(Columna == 1 ? QStringLiteral("CCOSTO") : QString());
}

// Rows with neither a cost centre nor an amount are left blank by the user's editing; they
// split nothing.
bool FrmConfirmaCCosto::FilaUsada(int Fila) const {
    return !vb::Trim(FgCCosto->TextMatrix(Fila, 1)).isEmpty() ||
           !vb::Trim(FgCCosto->TextMatrix(Fila, 4)).isEmpty();
}

// A row whose amount was typed so small against its line that its share is below what the
// share column keeps: it stands on its amount.
bool FrmConfirmaCCosto::SoloImporte(int Fila) const {
    const Currency importe = Util().ValorMoneda(vb::Trim(FgCCosto->TextMatrix(Fila, 4)));
    const Currency total = Total();
    return importe != Currency() && total != Currency() &&
           Util().ValorMoneda(vb::Trim(FgCCosto->TextMatrix(Fila, 3))) == Currency() &&
           Currency::Proporcion(importe, Currency::DesdeEntero(100), total) == Currency();
}

void FrmConfirmaCCosto::Rechazar(const QString& Mensaje) {
    ErrorValidacion = true;
    MsgBox(Mensaje, vbCritical + vbOKOnly, QStringLiteral("Aviso al operador..."));
}

void FrmConfirmaCCosto::CampoValida(CajaTexto& Texto) {
    ErrorValidacion = false;
    const QString V = vb::Trim(Texto.Text());
    const QString F = vb::Trim(Texto.DataField());
    EjecutarPasos(QStringLiteral("CAMPO_VALIDA"), DialogoErrores(QStringLiteral("CAMPO_VALIDA")),
                  {[&] {
                      if (vb::Iguales(F, QStringLiteral("CCOSTO")))
                          RechazarCCosto(V);
                      else if (vb::Iguales(F, QStringLiteral("Porcentaje")) &&
                               !RechazarPorcentaje(V) && !V.isEmpty())
                          Texto.SetText(FormatoPorcentaje(Currency::DesdeTexto(V)));
                      else if (vb::Iguales(F, QStringLiteral("Importe")) && !RechazarImporte(V) &&
                               !V.isEmpty())
                          Texto.SetText(Formato(Currency::DesdeTexto(V)));
                  }});
}

// Why a share cannot stand on a row (with or without a cost centre); empty when it can. A row
// with a cost centre takes a share above 0, one of 0 would split nothing, unless the row
// stands on its amount (PorSuImporte: see SoloImporte).
QString FrmConfirmaCCosto::MotivoPorcentaje(const QString& V, bool ConCodigo,
                                            bool PorSuImporte) const {
    if (V.isEmpty())
        return ConCodigo ? QStringLiteral("Debe ingresar un porcentaje!!!") : QString();
    if (!vb::IsNumeric(V))
        return QStringLiteral("Debe ingresar un valor numérico!!!");
    const Currency porcentaje = Currency::DesdeTexto(V);
    if (porcentaje < Currency() || porcentaje > Currency::DesdeEntero(100))
        return QStringLiteral("El porcentaje debe ser un valor entre 0 y 100!!!");
    if (porcentaje == Currency() && ConCodigo && !PorSuImporte)
        return QStringLiteral("Debe ingresar un porcentaje!!!");
    return {};
}

bool FrmConfirmaCCosto::ConCodigo() const {
    return !vb::Trim(FgCCosto->TextMatrix(FgCCosto->Row(), 1)).isEmpty();
}

// An accepted share gives its row's amount.
bool FrmConfirmaCCosto::RechazarPorcentaje(const QString& V) {
    const QString motivo = MotivoPorcentaje(V, ConCodigo());
    if (!motivo.isEmpty())
        Rechazar(motivo);
    else if (!V.isEmpty())
        FgCCosto->SetTextMatrix(FgCCosto->Row(), 4,
                                Formato(ImporteDeFila(FgCCosto->Row(), Currency::DesdeTexto(V))));
    return ErrorValidacion;
}

// An amount takes the sign of the line (a credit line is split in amounts below 0) and at
// most its size; an accepted one gives its row's share. A zero total gives a zero share.
bool FrmConfirmaCCosto::RechazarImporte(const QString& V) {
    if (V.isEmpty()) {
        if (ConCodigo())
            Rechazar(QStringLiteral("Debe ingresar un importe!!!"));
        return ErrorValidacion;
    }
    const QString motivo = MotivoImporte(V);
    if (!motivo.isEmpty()) {
        Rechazar(motivo);
        return true;
    }
    const Currency importe = Currency::DesdeTexto(V);
    const Currency total = Total();
    if (importe == Currency() && ConCodigo())
        Rechazar(QStringLiteral("Debe ingresar un importe!!!"));
    else
        FgCCosto->SetTextMatrix(
            FgCCosto->Row(), 3,
            FormatoPorcentaje(
                total == Currency()
                    ? Currency()
                    : Currency::Proporcion(importe, Currency::DesdeEntero(100), total)));
    return ErrorValidacion;
}

// Why an amount cannot stand on a row, whatever its share: no number, not the line's sign,
// more than the line. Empty when it can.
QString FrmConfirmaCCosto::MotivoImporte(const QString& V) const {
    if (!vb::IsNumeric(V))
        return QStringLiteral("Debe ingresar un valor numérico!!!");
    const Currency importe = Currency::DesdeTexto(V);
    const Currency total = Total();
    const bool credito = total < Currency();
    if (credito ? importe > Currency() : importe < Currency())
        return credito ? QStringLiteral("Debe ingresar un valor negativo!!!")
                       : QStringLiteral("Debe ingresar un valor positivo!!!");
    if (credito ? importe < total : importe > total)
        return QStringLiteral("El importe no puede ser mayor al importe total!!!");
    return {};
}

// A row's amount is what its share gives of the line, to within what rounding moves it: the
// shares are kept to four decimals (half a ten-thousandth of the line a row) and the amounts to
// the precision (a unit a row), and a share that completes 100 gives its row what the other
// rows leave. So an amount typed, or worked out from a share, always agrees; one stored against
// its share does not.
bool FrmConfirmaCCosto::ConcuerdaConPorcentaje(int Fila, int Filas) const {
    const Ancho unidad = Unidad();
    const Ancho importe = Util().ValorMoneda(vb::Trim(FgCCosto->TextMatrix(Fila, 4))).Escalado();
    const Ancho porcentaje = Util().ValorMoneda(vb::Trim(FgCCosto->TextMatrix(Fila, 3))).Escalado();
    const Ancho linea = Linea().Escalado();
    const Ancho desvio = 2 * (1000000 * importe - porcentaje * linea);
    const Ancho margen = Filas * (2000000 * unidad + (linea < 0 ? -linea : linea));
    return (desvio < 0 ? -desvio : desvio) <= margen;
}

// The amount a row came with (from a script or the stored rows) is held to the rules of an
// amount typed into its cell.
void FrmConfirmaCCosto::RevisarImporte(int Fila) {
    const QString V = vb::Trim(FgCCosto->TextMatrix(Fila, 4));
    const QString motivo = V.isEmpty() ? QString() : MotivoImporte(V);
    if (motivo.isEmpty())
        return;
    FgCCosto->SetCol(4);
    Rechazar(motivo);
}

// Rows that make the line may still contradict their shares (stored so, or edited in the
// grid's cells by code): the first such row is shown to the user, on its amount.
bool FrmConfirmaCCosto::ImportesConcuerdan() {
    int usadas = 0;
    for (int i = 1; i < FgCCosto->Rows(); ++i)
        usadas += FilaUsada(i) ? 1 : 0;
    for (int i = 1; i < FgCCosto->Rows(); ++i) {
        if (!FilaUsada(i) || ConcuerdaConPorcentaje(i, usadas))
            continue;
        const Currency porcentaje = Util().ValorMoneda(vb::Trim(FgCCosto->TextMatrix(i, 3)));
        FgCCosto->SetRow(i);
        FgCCosto->SetCol(4);
        Rechazar("El importe de la línea " + FgCCosto->TextMatrix(i, 0) +
                 " no corresponde a su porcentaje: el " + FormatoPorcentaje(porcentaje) +
                 " % del total es " +
                 Formato(RepartirImporte(Linea(), {porcentaje}, Decimales()).front()) + ".");
        return false;
    }
    return true;
}

bool FrmConfirmaCCosto::RechazarCCosto(const QString& V) {
    const int fila = FgCCosto->Row();
    if (V.isEmpty() && !vb::Trim(FgCCosto->TextMatrix(fila, 4)).isEmpty()) {
        Rechazar(QStringLiteral("Debe ingresar un Centro de Costo."));
        return true;
    }
    if (!V.isEmpty()) {
        ado::Recordset rs;
        if (!DB_Dll::Instancia().ExisteEnTabla(QStringLiteral("TA_CCOSTO"), V,
                                               QStringLiteral("CODIGO"), &rs, 8, {}, true)) {
            Rechazar(QStringLiteral("El Centro de Costo ingresado es inexistente."));
            return true;
        }
        FgCCosto->SetTextMatrix(fila, 2, Texto(rs.Fields("Descripcion").Value()));
        const QVariant titulo = rs.Fields("Titulo").Value();
        if (!Texto(titulo).isEmpty() && titulo.toBool()) {
            Rechazar(QStringLiteral("El centro de Costos es Titulo, seleccione otro!"));
            return true;
        }
    }
    for (int i = 1; i < FgCCosto->Rows(); ++i)
        if (i != fila && FilaUsada(i) && vb::Iguales(vb::Trim(FgCCosto->TextMatrix(i, 1)), V)) {
            Rechazar("El Centro de Costo se repite en la línea " + FgCCosto->TextMatrix(i, 0));
            return true;
        }
    return false;
}

bool FrmConfirmaCCosto::ValidaGrilla() {
    ErrorValidacion = false;
    for (int i = 1; i < FgCCosto->Rows() && !ErrorValidacion; ++i) {
        if (!FilaUsada(i))
            continue;
        FgCCosto->SetRow(i);
        FgCCosto->SetCol(1);
        txtEdit2->SetText(FgCCosto->TextMatrix(i, 1));
        TextPropiedades(*txtEdit2, 1);
        CampoValida(*txtEdit2);
        if (!ErrorValidacion)
            RevisarPorcentaje(i);
        if (!ErrorValidacion)
            RevisarImporte(i);
    }
    return !ErrorValidacion;
}

// The share a row came with (from a table, a script or the account's own split) is held to
// the rules of a share typed into its cell.
void FrmConfirmaCCosto::RevisarPorcentaje(int Fila) {
    const QString motivo =
        MotivoPorcentaje(vb::Trim(FgCCosto->TextMatrix(Fila, 3)),
                         !vb::Trim(FgCCosto->TextMatrix(Fila, 1)).isEmpty(), SoloImporte(Fila));
    if (motivo.isEmpty())
        return;
    FgCCosto->SetCol(3);
    Rechazar(motivo);
}

// The amounts must make the line exactly, at its precision. The shares, each rounded to the
// four decimals their column keeps, make 100 to within that rounding: half a ten-thousandth a
// row. A zero line says nothing of the shares.
bool FrmConfirmaCCosto::Validato(Currency& Porc, Currency& Importe) {
    int conPorcentaje = 0;
    for (int i = 1; i < FgCCosto->Rows(); ++i) {
        const QString porcentaje = vb::Trim(FgCCosto->TextMatrix(i, 3));
        Porc += Util().ValorMoneda(porcentaje);
        conPorcentaje += porcentaje.isEmpty() ? 0 : 1;
    }
    const Ancho suma = SumaColumna(*FgCCosto, 4);
    Importe += Acotada(suma);
    const Ancho desvio = Ancho(Porc.Escalado()) - 100 * Currency::Escala;
    return suma == Linea().Escalado() && 2 * (desvio < 0 ? -desvio : desvio) <= conPorcentaje;
}

void FrmConfirmaCCosto::CmdAceptar_Click() {
    if (!TerminarEdicion() || !ValidaGrilla())
        return;
    Currency porc, importe;
    const bool cuadra = Validato(porc, importe);
    if (cuadra && !ImportesConcuerdan())
        return;
    if (cuadra) {
        cancelar_ = false;
        Hide();
        return;
    }
    const QString total = ModGlobal::FmtMoneda(lblImporte->text(), -1);
    MsgBox(QStringList{QStringLiteral("LOS DATOS ESTÁN FUERA DE LOS LÍMITES ESPERADOS!!!"),
                       QString(), QStringLiteral("Valores esperados:"),
                       QStringLiteral("    Porcentaje = 100.000"), "    Importe = " + total,
                       QStringLiteral("Valores resultantes:"),
                       "    Porcentaje = " + ModGlobal::FmtMoneda(porc.ATexto(), -1),
                       "    Importe = " + ModGlobal::FmtMoneda(importe.ATexto(), -1), QString(),
                       QStringLiteral("Por favor corrija los datos y vuelva a intentarlo.")}
               .join(QStringLiteral("\r\n")),
           vbCritical + vbOKOnly, QStringLiteral("ATENCIÓN"));
}

// The window's close box cancels, as the Cancelar button does. The window is not unloaded: the
// script that created it owns it and reads it once it is hidden.
void FrmConfirmaCCosto::Form_Unload(bool& cancel) {
    cancel = true;
    CmdCancelar_Click();
}

void FrmConfirmaCCosto::CmdCancelar_Click() {
    cancelar_ = true;
    Hide();
}

void InstalarConfirmacionCCosto() {
    ClsCCosto::CrearConfirmacion = [] { return std::make_unique<FrmConfirmaCCosto>(); };
}

// ---- Cell editing --------------------------------------------------------------------------

void FrmConfirmaCCosto::ConectarEdicion() {
    controles::FlexGrid& g = *FgCCosto;
    g.Click = [this] { FgCCosto_Configurar(); };
    g.EnterCell = [this] {
        FgCCosto_Configurar();
        if (!txtEdit2->isVisible())
            txtEdit2->SetText(QString());
    };
    g.LeaveCell = [this] { Devolver(); };
    g.GotFocus = [this] { Devolver(); };
    g.DblClick = [this] { MsflexGridEdt(32); };
    g.KeyPress = [this](int& KeyAscii) { MsflexGridEdt(KeyAscii); };
    g.KeyDown = [this](int& KeyCode, int) { MsflexKey(KeyCode); };
    txtEdit2->GotFocus = [this] {
        TextPropiedades(*txtEdit2, FgCCosto->Col());
        txtEdit2->SetBackColor(0xFFFF00L);
    };
    txtEdit2->LostFocus = [this] {
        txtEdit2->SetBackColor(0xFFFFFFL);
        txtEdit2->SetForeColor(0);
    };
    txtEdit2->KeyDown = [this](int& KeyCode, int) { txtEdit2_KeyDown(KeyCode); };
    txtEdit2->KeyPress = [this](int& KeyAscii) { txtEdit2_KeyPress(KeyAscii); };
    Conectar(cmdConsultar, &QPushButton::clicked, "cmdConsultar_Click",
             [this] { cmdConsultar_Click(); });
}

void FrmConfirmaCCosto::FgCCosto_Configurar() {
    TextPropiedades(*txtEdit2, FgCCosto->Col());
}

void FrmConfirmaCCosto::Form_KeyDown(int& keyCode, int) {
    if (keyCode == 113)
        CmdAceptar_Click();
    else if (keyCode == 116)
        cmdConsultar_Click();
}

void FrmConfirmaCCosto::MsflexGridEdt(int KeyAscii) {
    controles::FlexGrid& g = *FgCCosto;
    if (g.Col() == 0 || g.Col() == 2) {
        g.SetCol(g.Col() + 1);
        return;
    }
    const bool tecla = KeyAscii < 0 || KeyAscii > 32;
    AbrirCaja(tecla ? QString(QChar(KeyAscii)) : g.Text(), tecla ? 1 : 1000);
}

void FrmConfirmaCCosto::AbrirCaja(const QString& Texto, int SelStart) {
    controles::FlexGrid& g = *FgCCosto;
    txtEdit2->SetText(Texto);
    // A cell cut off at the bottom scrolls up before the box is laid over it, or the box
    // would stay where the cell was.
    MostrarFilaCortada();
    txtEdit2->setGeometry(g.CellLeft() / TwipsPorPixel, g.CellTop() / TwipsPorPixel,
                          APixeles(g.CellWidth()), APixeles(g.CellHeight()));
    txtEdit2->show();
    // Esc belongs to the box while it is open: it discards the edit, not the dialog.
    SetBotonCancelar(nullptr);
    txtEdit2->setFocus();
    txtEdit2->SetSelStart(SelStart);
}

void FrmConfirmaCCosto::MostrarFilaCortada() {
    controles::FlexGrid& g = *FgCCosto;
    if (g.CellTop() + g.CellHeight() > ATwips(g.height()))
        g.SetTopRow(g.TopRow() + 1);
}

void FrmConfirmaCCosto::OcultarCaja() {
    txtEdit2->hide();
    SetBotonCancelar(CmdCancelar);
}

bool FrmConfirmaCCosto::Juzgar() {
    const int fila = FgCCosto->Row();
    QStringList antes;
    for (int c = 0; c < FgCCosto->Cols(); ++c)
        antes << FgCCosto->TextMatrix(fila, c);
    TextPropiedades(*txtEdit2, FgCCosto->Col());
    CampoValida(*txtEdit2);
    if (ErrorValidacion)
        for (int c = 0; c < antes.size(); ++c)
            FgCCosto->SetTextMatrix(fila, c, antes[c]);
    return !ErrorValidacion;
}

bool FrmConfirmaCCosto::TerminarEdicion() {
    if (!txtEdit2->isVisible())
        return true;
    if (!Juzgar()) {
        txtEdit2->setFocus();
        return false;
    }
    OcultarCaja();
    FgCCosto->SetText(txtEdit2->Text());
    return true;
}

void FrmConfirmaCCosto::Devolver() {
    if (!txtEdit2->isVisible())
        return;
    OcultarCaja();
    if (Juzgar())
        FgCCosto->SetText(txtEdit2->Text());
}

void FrmConfirmaCCosto::MsflexKey(int& KeyCode) {
    controles::FlexGrid& g = *FgCCosto;
    if (KeyCode == 46 && g.Rows() >= 2) {
        if (g.Row() > 1) {
            g.RemoveItem(g.Row());
        } else {
            for (int c = 0; c < g.Cols(); ++c)
                g.SetTextMatrix(1, c, QString());
        }
        Renumerar();
    } else if (KeyCode == 35) {
        focusNextChild();
    } else if (KeyCode == 45) {
        g.SetRows(g.Rows() + 1);
        Renumerar();
    }
}

// A row's line number is its position, whatever rows were removed or added before it.
void FrmConfirmaCCosto::Renumerar() {
    for (int r = 1; r < FgCCosto->Rows(); ++r)
        FgCCosto->SetTextMatrix(r, 0, QString::number(r));
}

void FrmConfirmaCCosto::txtEdit2_KeyDown(int& KeyCode) {
    const int tecla = KeyCode;
    if (tecla == 27 || tecla == 13 || tecla == 38 || tecla == 40)
        KeyCode = 0; // the box's own keys: none of them may reach the grid beneath it
    if (tecla == 27) {
        // A discarded edit leaves the row as it was: nothing is checked or recomputed.
        OcultarCaja();
        FgCCosto->setFocus();
        return;
    }
    // Up and Down move on from the box as Enter does, besides the suite's advance keys.
    if (!UtilControles::Instancia().TipoTecla(tecla) && tecla != 38 && tecla != 40)
        return;
    if (Juzgar())
        EditKeyCode(tecla);
}

void FrmConfirmaCCosto::EditKeyCode(int KeyCode) {
    controles::FlexGrid& g = *FgCCosto;
    if (KeyCode == 13 || KeyCode == 38 || KeyCode == 40) {
        g.setFocus();
        Devolver();
    }
    if (KeyCode == 13) {
        if (g.Col() == 4)
            SiguienteFila();
        else
            g.SetCol(g.Col() == 1 ? 3 : g.Col() + 1);
    } else if (KeyCode == 38 && g.Row() > g.FixedRows()) {
        g.SetRow(g.Row() - 1);
    } else if (KeyCode == 40 && g.Row() < g.Rows() - 1) {
        g.SetRow(g.Row() + 1);
        g.SetCol(0);
    }
    MostrarFilaCortada();
}

void FrmConfirmaCCosto::SiguienteFila() {
    controles::FlexGrid& g = *FgCCosto;
    if (g.Row() >= g.Rows() - 1) {
        g.SetRows(g.Rows() + 1);
        Renumerar();
    }
    g.SetRow(g.Row() + 1);
    g.SetCol(1);
}

void FrmConfirmaCCosto::txtEdit2_KeyPress(int& KeyAscii) {
    TextPropiedades(*txtEdit2, FgCCosto->Col());
    if (FgCCosto->Col() > 0 && (KeyAscii == ',' || KeyAscii == '.')) {
        KeyAscii = UtilControles::Instancia().SeparadorDecimal().at(0).unicode();
        if (vb::Trim(txtEdit2->Text()).contains(QChar(KeyAscii)))
            KeyAscii = 0;
    } else if (KeyAscii == 13) {
        KeyAscii = 0;
    }
}

// The dialog's one lookup: the code picked goes into the cost-centre cell of the current row,
// whatever column the cursor stands on, and is checked there as one typed.
void FrmConfirmaCCosto::cmdConsultar_Click() {
    controles::FlexGrid& g = *FgCCosto;
    if (g.Row() < g.FixedRows())
        return;
    Lib_ClsCons3& consultas = Lib_ClsCons3::Instancia();
    consultas.CampoDevuelto = QStringLiteral("Codigo");
    consultas.ConsultaSearch(QStringLiteral("SELECT Codigo, DESCRIPCION FROM Ta_Ccosto ORDER BY "
                                            "Codigo"),
                             nullptr, {}, nullptr, nullptr, {}, true);
    const QString codigo = vb::Trim(vb::ValorTexto(consultas.ValorDevuelto));
    if (codigo.isEmpty())
        return;
    if (g.Col() != 1) {
        if (!TerminarEdicion())
            return;
        g.SetCol(1);
    }
    AbrirCaja(codigo, 1000);
    int tecla = 13;
    txtEdit2_KeyDown(tecla);
}
