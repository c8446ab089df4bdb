#include "lookup/FrmConsComprobantes.h"

#include "lookup/ConsultasComprobantes.h"
#include "platform/controls/ColumnHeader.h"
#include "platform/controls/ImageList.h"
#include "platform/controls/ListItem.h"
#include "platform/controls/ListView.h"
#include "platform/errors/Procedimiento.h"
#include "platform/forms/CodigosTecla.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/Variantes.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"
#include "session/DialogoErrores.h"
#include "session/ModGlobal.h"
#include "session/ModGlobalUtilidades.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <functional>
#include <vector>

using controles::ListItem;

namespace {

using ConsultasComprobantes::Es;

struct Columna {
    const char* titulo;
    int equis; // width: as many capital X as this
    bool conReferencia = false;
};

const std::vector<Columna>& ColumnasDe(const QString& tc) {
    static const std::vector<Columna> ventas = {
        {"FECHA", 13},  {"COMPROBANTE", 15},      {"ID", 5},
        {"NOMBRE", 21}, {"Referencia", 21, true}, {"IMPORTE", 10}};
    static const std::vector<Columna> compras = {{"FECHA", 13},     {"COMPROBANTE", 15},
                                                 {"PROVEEDOR", 15}, {"NOMBRE", 21},
                                                 {"CONCEPTO", 21},  {"IMPORTE", 10}};
    static const std::vector<Columna> presupuestos = {
        {"FECHA", 13}, {"COMPROBANTE", 15},      {"NOMBRE", 21},
        {"ID", 5},     {"Referencia", 21, true}, {"IMPORTE", 10}};
    static const std::vector<Columna> terceros = {{"Nº Int.", 7},      {"FECHA", 13},
                                                  {"COMPROBANTE", 15}, {"ID", 4},
                                                  {"FH Envio", 10},    {"FH Recep", 10}};
    static const std::vector<Columna> ordenes = {{"FECHA", 13},       {"PROVEEDOR", 13},
                                                 {"COMPROBANTE", 17}, {"IMPORTE", 9},
                                                 {"COMENTARIOS", 15}, {"Inf. Recepción", 15}};
    static const std::vector<Columna> otros = {{"FECHA", 13},    {"COMPROBANTE", 15},
                                               {"CUENTA", 15},   {"NOMBRE", 21},
                                               {"CONCEPTO", 21}, {"IMPORTE", 10}};
    if (Es(tc, {"OT", "FC", "RM", "ND", "NC", "NCFP", "OP", "NP", "FP", "GF"}))
        return ventas;
    if (Es(tc, {"FCC", "NCC", "NCCP", "NDC", "RMC", "NCPE", "NDPR"}))
        return compras;
    if (Es(tc, {"PR"}))
        return presupuestos;
    if (Es(tc, {"T3"}))
        return terceros;
    if (Es(tc, {"OC"}))
        return ordenes;
    return otros;
}

// How a record becomes a row, chosen by the type code.
enum class Diseno { Terceros, Compra, Asiento, Presupuesto, OrdenCompra, Otro };

Diseno DisenoDe(const QString& tc) {
    if (Es(tc, {"T3"}))
        return Diseno::Terceros;
    if (Es(tc, {"FCC", "NCC", "NCCP", "NDC", "RMC"}))
        return Diseno::Compra;
    if (Es(tc, {"NCPE", "NDPR"}))
        return Diseno::Asiento;
    if (Es(tc, {"PR"}))
        return Diseno::Presupuesto;
    if (Es(tc, {"OC"}))
        return Diseno::OrdenCompra;
    return Diseno::Otro;
}

// One cell of a row: the caption of its column and where its text comes from. A layout may
// name a column the group does not show; that cell is left out. Cells a layout does not
// name stay empty.
struct Celda {
    QString columna;
    std::function<QString()> valor;
};

QIcon Imagen(const QColor& color, const QString& letras) {
    QPixmap dibujo(16, 16);
    dibujo.fill(Qt::transparent);
    QPainter pintor(&dibujo);
    pintor.setPen(color.darker());
    pintor.setBrush(color);
    pintor.drawRoundedRect(0, 0, 15, 15, 3, 3);
    QFont fuente = pintor.font();
    fuente.setPixelSize(7);
    pintor.setFont(fuente);
    pintor.setPen(Qt::white);
    pintor.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, letras);
    return QIcon(dibujo);
}

} // namespace

FrmConsComprobantes::FrmConsComprobantes() : ImageList1_(std::make_unique<controles::ImageList>()) {
    SetCaption(QStringLiteral("Consulta de Comprobantes"));
    SetAreaCliente(7260, 4590);
    CrearImagenes();
    CrearControles();
    Conectar(CmdAceptar, &QPushButton::clicked, "CmdAceptar_Click", [this] { CmdAceptar_Click(); });
    Conectar(CmdCancelar, &QPushButton::clicked, "CmdCancelar_Click",
             [this] { CmdCancelar_Click(); });
    ListView1->DblClick = [this] {
        ProtegerEvento(QStringLiteral("FrmConsComprobantes.ListView1_DblClick"),
                       [this] { CmdAceptar_Click(); });
    };
    ListView1->KeyDown = [this](int& KeyCode, int Shift) {
        ProtegerEvento(QStringLiteral("FrmConsComprobantes.ListView1_KeyDown"),
                       [&] { ListView1_KeyDown(KeyCode, Shift); });
    };
    ListView1->ColumnClick = [this](controles::ColumnHeader* columna) {
        ProtegerEvento(QStringLiteral("FrmConsComprobantes.ListView1_ColumnClick"),
                       [&] { ListView1_ColumnClick(columna->Index()); });
    };
}

FrmConsComprobantes::~FrmConsComprobantes() = default;

void FrmConsComprobantes::CrearControles() {
    ListView1 = new controles::ListView(this);
    ListView1->SetSmallIcons(ImageList1_.get());
    Colocar(*ListView1, 0, 0, 7215, 4095);
    CmdAceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    CmdAceptar->setAutoDefault(false);
    Colocar(*CmdAceptar, 1320, 4200, 2055, 255);
    CmdCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    CmdCancelar->setAutoDefault(false);
    Colocar(*CmdCancelar, 3960, 4200, 2055, 255);
}

void FrmConsComprobantes::CrearImagenes() {
    static const struct {
        const char* tag;
        QRgb color;
        const char* letras;
    } imagenes[] = {
        {"PR", 0x2E7D32, "PR"}, {"Anulado", 0xC62828, "X"},  {"Aprobado", 0x1565C0, "OK"},
        {"FC", 0x00838F, "FC"}, {"NC", 0x6A1B9A, "NC"},      {"ND", 0xAD1457, "ND"},
        {"OT", 0xEF6C00, "OT"}, {"Generico", 0x616161, "?"}, {"T3", 0x4E342E, "T3"},
        {"OC", 0x283593, "OC"}, {"OCG", 0x9E9D24, "OG"},
    };
    for (const auto& i : imagenes)
        ImageList1_->Add(Imagen(QColor(i.color), QLatin1String(i.letras)), QString(),
                         QLatin1String(i.tag));
}

// ---- Columns and images -------------------------------------------------------------------

void FrmConsComprobantes::Encolumnar() {
    const QFontMetrics medidas(ListView1->font());
    std::vector<Paso> pasos{[this] { ListView1->ColumnHeaders().Clear(); }};
    for (const Columna& columna : ColumnasDe(TC)) {
        if (columna.conReferencia && !usaReferencia_)
            continue;
        pasos.push_back([this, columna, &medidas] {
            const int ancho = ATwips(medidas.horizontalAdvance(QString(columna.equis, u'X')));
            ListView1->ColumnHeaders().Add(QString(), QString::fromUtf8(columna.titulo), ancho,
                                           controles::lvwColumnLeft);
        });
    }
    EjecutarPasos("Encolumnar", DialogoErrores(QStringLiteral("Encolumnar")), pasos);
}

int FrmConsComprobantes::ObtieneIndiceImagen(const QString& TC) const {
    const QString buscado = vb::Trim(TC);
    for (int i = 1; i <= ImageList1_->Count(); ++i)
        if (vb::Iguales(vb::Trim(ImageList1_->ListImages(i).Tag), buscado))
            return i;
    return vb::Iguales(buscado, "Generico") ? 0 : ObtieneIndiceImagen(QStringLiteral("Generico"));
}

// ---- Rows ---------------------------------------------------------------------------------

namespace {

QString Texto(ado::Recordset& rs, const char* campo) {
    return UtilGeneral::Instancia().ValorCampo(rs.Fields(QLatin1String(campo)).Value());
}

// A flag is on when its value converts to true; Null is off.
bool Marca(ado::Recordset& rs, const char* campo) {
    const QVariant valor = rs.Fields(QLatin1String(campo)).Value();
    return !vb::IsNull(valor) && valor.toBool();
}

Celda Campo(const char* columna, ado::Recordset& rs, const char* campo) {
    return {QString::fromUtf8(columna), [&rs, campo] { return Texto(rs, campo); }};
}

// The supplier of a journal entry is named by its account.
QString NombreProveedor(ado::Recordset& rs) {
    return DB_Dll::Instancia()
        .DatosTabla("VT_PROVEEDORES", Texto(rs, "Cuenta"), "RAZON_SOCIAL", "Codigo", 8, QString(),
                    true)
        .toString();
}

// The first reception report (IR) made from the order.
QString InformeRecepcion(ado::Recordset& rs) {
    return DB_Dll::Instancia()
        .DatosTabla("v_mv_stock", "OC", "idcomprobante", "TC_origen", 8,
                    " TC = 'IR' AND TC_ORIGEN = 'OC' AND IDCOMPROBANTE_ORIGEN ='" +
                        Texto(rs, "IdComprobante") + "'",
                    true)
        .toString();
}

std::vector<Celda> CeldasDe(ado::Recordset& rs, const QString& tc) {
    switch (DisenoDe(tc)) {
    case Diseno::Terceros:
        return {Campo("Nº Int.", rs, "id"),
                Campo("FECHA", rs, "Fecha"),
                Campo("COMPROBANTE", rs, "IdComprobante"),
                Campo("ID", rs, "IdComplemento"),
                Campo("FH Envio", rs, "FECHAENVIADO"),
                Campo("FH Recep", rs, "FECHARECIBIDO")};
    case Diseno::Compra:
        return {Campo("FECHA", rs, "Fecha"), Campo("COMPROBANTE", rs, "IdComprobante"),
                Campo("PROVEEDOR", rs, "Cuenta"), Campo("NOMBRE", rs, "Nombre"),
                Campo("IMPORTE", rs, "Importe")};
    case Diseno::Asiento:
        return {
            Campo("FECHA", rs, "Fecha"),
            {"COMPROBANTE",
             [&rs] { return Texto(rs, "Sucursal") + Texto(rs, "Numero") + Texto(rs, "Letra"); }},
            Campo("PROVEEDOR", rs, "Cuenta"),
            {"NOMBRE", [&rs] { return NombreProveedor(rs); }},
            Campo("CONCEPTO", rs, "Detalle"),
            Campo("IMPORTE", rs, "Importe")};
    case Diseno::Presupuesto:
        return {Campo("FECHA", rs, "Fecha"), Campo("COMPROBANTE", rs, "IdComprobante"),
                Campo("NOMBRE", rs, "Nombre"), Campo("Referencia", rs, "COMENTARIOS"),
                Campo("IMPORTE", rs, "Importe")};
    case Diseno::OrdenCompra:
        return {Campo("FECHA", rs, "Fecha"),
                {"PROVEEDOR", [&rs] { return Texto(rs, "Cuenta") + " " + Texto(rs, "Nombre"); }},
                Campo("COMPROBANTE", rs, "IdComprobante"),
                Campo("IMPORTE", rs, "Importe"),
                Campo("COMENTARIOS", rs, "COMENTARIOS"),
                {QStringLiteral("Inf. Recepción"), [&rs] { return InformeRecepcion(rs); }}};
    case Diseno::Otro:
        break;
    }
    std::vector<Celda> celdas = {Campo("FECHA", rs, "Fecha"),
                                 Campo("COMPROBANTE", rs, "IdComprobante"),
                                 Campo("NOMBRE", rs, "Nombre"), Campo("IMPORTE", rs, "Importe")};
    if (Es(tc, {"OT", "FC"}))
        celdas.push_back(Campo("ID", rs, "IdComplemento"));
    return celdas;
}

// The column captioned so (from 1), 0 when the group has none.
int ColumnaDe(controles::ListView& lista, const QString& titulo) {
    controles::ColeccionColumnas& columnas = lista.ColumnHeaders();
    for (int i = 1; i <= columnas.Count(); ++i)
        if (vb::Iguales(vb::Trim(columnas.Item(i)->Text()), titulo))
            return i;
    return 0;
}

} // namespace

void FrmConsComprobantes::PonerCelda(ListItem& fila, const QString& columna,
                                     const std::function<QString()>& valor) {
    const int posicion = ColumnaDe(*ListView1, columna);
    if (posicion == 1)
        fila.SetText(valor());
    else if (posicion > 1)
        fila.SetSubItems(posicion - 1, valor());
}

// Later rules replace earlier ones. A pending order not prepared yet is not listed.
int FrmConsComprobantes::ImagenFila(bool& omitir) {
    const Diseno diseno = DisenoDe(TC);
    if (diseno == Diseno::Terceros)
        return 0;
    int imagen = ObtieneIndiceImagen(TC);
    if (diseno == Diseno::OrdenCompra && Marca(rs_, "Garantia"))
        imagen = ObtieneIndiceImagen(QStringLiteral("OCG"));
    if (diseno != Diseno::Asiento && Marca(rs_, "Anulada"))
        imagen = ObtieneIndiceImagen(QStringLiteral("Anulado"));
    else if (diseno == Diseno::Otro && Marca(rs_, "APROBADO"))
        imagen = ObtieneIndiceImagen(QStringLiteral("Aprobado"));
    // The type column is fixed-width: "NP" comes back with its trailing blanks.
    if (diseno == Diseno::Otro && Es(TC, {"NP"}) && soloPendientes_ &&
        vb::Iguales(vb::RTrim(Texto(rs_, "TC")), "NP")) {
        omitir = vb::IsNull(rs_.Fields(QStringLiteral("FechaPreparacion")).Value());
        imagen = ObtieneIndiceImagen(QStringLiteral("Aprobado"));
    }
    return imagen;
}

// ---- Load ---------------------------------------------------------------------------------

void FrmConsComprobantes::Form_Load() {
    cargando_ = true;
    ConsultasComprobantes::Consulta consulta;
    DB_Dll& db = DB_Dll::Instancia();
    EjecutarPasos(
        "Form_Load", DialogoErrores(QString()),
        {[this] { ListView1->ListItems().Clear(); },
         [this] {
             ListView1->SetMultiSelect(false);
             ListView1->SetCheckboxes(false);
         },
         [this] {
             usaReferencia_ = vb::Iguales(ModGlobal::Cfg("UsaReferenciaPresupuestos"), "SI");
             soloPendientes_ = false;
         },
         [this] {
             const ConsultasComprobantes::Grupo grupo = ConsultasComprobantes::ResolverGrupo(TC);
             TC = grupo.TC;
             soloPendientes_ = grupo.SoloPendientes;
         },
         [this] { ListView1->SetCheckboxes(Es(TC, {"OC"})); }, [this] { Encolumnar(); },
         [this] { UtilGeneral::Instancia().IniciarFormulario(*this); },
         [this] { ModGlobal::PrepararFormulario(*this); },
         [&] {
             ConsultasComprobantes::Interruptores interruptores;
             if (Es(TC, {"RM"}) && soloPendientes_) {
                 interruptores.UsaRemitoContado =
                     vb::Iguales(ModGlobal::Cfg("UsaRemitoContado"), "SI");
                 interruptores.EntregaParcialRemito =
                     vb::Iguales(ModGlobal::Cfg("EntregaParcialRemito"), "SI");
             }
             consulta =
                 ConsultasComprobantes::ArmarConsulta(TC, soloPendientes_, Filtro, interruptores);
             Filtro = consulta.Filtro;
         },
         [&] {
             if (!db.AbrirRecordset(consulta.Sentencia, rs_, nullptr, ado::adOpenForwardOnly,
                                    ado::adLockReadOnly, -1, true))
                 SalirDelProcedimiento();
         },
         [this] { LlenarLista(); }, [&] { db.CierraRecordset(rs_); }});
    cargando_ = false;
}

void FrmConsComprobantes::LlenarLista() {
    if (rs_.Bof())
        return;
    while (!rs_.Eof())
        if (!LlenarFila())
            SalirDelProcedimiento();
}

// One record: its image (or whether it is left out), its cells, then the next record and a
// pause for the window's own events. False when the operator chose to leave the load.
bool FrmConsComprobantes::LlenarFila() {
    int imagen = 0;
    bool omitir = false;
    ListItem* fila = nullptr;
    std::vector<Paso> pasos{[&] { imagen = ImagenFila(omitir); },
                            [&] {
                                if (!omitir)
                                    fila = ListView1->ListItems().Add();
                            }};
    for (const Celda& celda : CeldasDe(rs_, TC))
        pasos.push_back([&, celda] {
            if (fila)
                PonerCelda(*fila, celda.columna, celda.valor);
        });
    pasos.push_back([&] {
        if (fila)
            fila->SetSmallIcon(imagen);
    });
    pasos.push_back([this] { rs_.MoveNext(); });
    pasos.push_back([] { QCoreApplication::processEvents(); });
    return !EjecutarPasos("Form_Load", DialogoErrores(QString()), pasos).SalioAntes;
}

// ---- Choice -------------------------------------------------------------------------------

void FrmConsComprobantes::CmdAceptar_Click() {
    if (cargando_)
        return;
    const ListItem* fila = ListView1->SelectedItem();
    if (!fila) {
        NroComprobante = QString();
    } else if (Es(TC, {"OT", "NP", "FC", "RM", "ND", "NC", "NCFP", "OP", "FP", "GF"})) {
        NroComprobante = fila->SubItems(1);
        IdComplemento = fila->SubItems(2);
    } else if (Es(TC, {"FCC", "NCC", "NCPE", "NDPR", "NCCP", "NDC", "RMC"})) {
        NroComprobante = fila->SubItems(1);
        Proveedor = fila->SubItems(2);
    } else if (Es(TC, {"PR", "T3"})) {
        NroComprobante = Es(TC, {"T3"}) ? fila->Text() : fila->SubItems(1);
        IdComplemento = QStringLiteral("0");
    } else if (Es(TC, {"OC"})) {
        NroComprobante = OrdenesMarcadas(*fila);
        IdComplemento = QStringLiteral("0");
    } else {
        NroComprobante = fila->SubItems(1);
    }
    Unload();
}

// The ticked orders in list order, joined with ","; the selected one when none is ticked.
QString FrmConsComprobantes::OrdenesMarcadas(const ListItem& seleccionada) const {
    QStringList ordenes;
    controles::ColeccionElementos& filas = ListView1->ListItems();
    for (int i = 1; i <= filas.Count(); ++i)
        if (filas.Item(i)->Checked())
            ordenes << filas.Item(i)->SubItems(2);
    return ordenes.isEmpty() ? seleccionada.SubItems(2) : ordenes.join(QLatin1Char(','));
}

// A cancelled pick returns nothing, not what an earlier showing chose.
void FrmConsComprobantes::CmdCancelar_Click() {
    if (cargando_)
        return;
    NroComprobante.clear();
    IdComplemento.clear();
    Proveedor.clear();
    Unload();
}

void FrmConsComprobantes::Form_Unload(bool&) {
    ListView1->ListItems().Clear();
    Hide();
}

// Every click flips the one order of the list, whichever column it sorts.
void FrmConsComprobantes::ListView1_ColumnClick(int columna) {
    ListView1->SetSorted(true);
    ListView1->SetSortKey(columna - 1);
    ListView1->SetSortOrder(ListView1->SortOrder() == controles::lvwAscending
                                ? controles::lvwDescending
                                : controles::lvwAscending);
}

void FrmConsComprobantes::ListView1_KeyDown(int& KeyCode, int) {
    if (KeyCode == vbKeyReturn)
        CmdAceptar_Click();
}
