#include "lookup/Lib_FrmCons3.h"

#include "lookup/AnchosColumnas.h"
#include "lookup/ModeloConsulta.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/Procedimiento.h"
#include "platform/files/Carpetas.h"
#include "platform/forms/Colores.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/Currency.h"
#include "platform/runtime/Numeros.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"
#include "session/ModGlobal.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <cmath>
#include <iterator>

namespace {

// Design sizes, in twips.
constexpr int kAltoCaja = 315;
constexpr int kArribaLista = 360;
constexpr int kAltoMarco = 345;
constexpr int kAltoBarra = 255;
constexpr int kAnchoBoton = 1695;
constexpr int kAltoBoton = 255;

// A plain message with the description, and the procedure ends.
AccionError AvisoSimple(const ErrorEjecucion& error, const QString&) {
    MsgBox(error.Description());
    return AccionError::Abortar;
}

AccionError AvisoAlOperador(const ErrorEjecucion& error, const QString&) {
    MsgBox(error.Description(), vbCritical, QStringLiteral("Aviso al Operador"));
    return AccionError::Abortar;
}

int Ancho(const QWidget& w) {
    return ATwips(w.width());
}
int Alto(const QWidget& w) {
    return ATwips(w.height());
}
void FijarAncho(QWidget& w, int twips) {
    w.resize(std::max(0, APixeles(twips)), w.height());
}
void FijarAlto(QWidget& w, int twips) {
    w.resize(w.width(), std::max(0, APixeles(twips)));
}
void FijarIzquierda(QWidget& w, int twips) {
    w.move(APixeles(twips), w.y());
}
void FijarArriba(QWidget& w, int twips) {
    w.move(w.x(), APixeles(twips));
}

// The values ticked in advance: whole values, separated by commas (quotes around one aside).
QStringList ValoresMarcados(const QString& valoresDefault) {
    QStringList valores;
    for (QString valor : valoresDefault.split(u',')) {
        valor = valor.trimmed();
        if (valor.size() >= 2 && valor.startsWith(u'\'') && valor.endsWith(u'\''))
            valor = valor.mid(1, valor.size() - 2).trimmed();
        if (!valor.isEmpty())
            valores << valor;
    }
    return valores;
}

// An article list shows the configured names of the price classes over PRECIO1 .. PRECIO8.
QString TituloArticulo(const QString& campo) {
    for (int clase = 1; clase <= 8; ++clase)
        if (vb::Iguales(campo, QStringLiteral("PRECIO%1").arg(clase)))
            return ModGlobal::Cfg(QStringLiteral("NOM_PCLASE%1").arg(clase));
    return campo;
}

// A yes/no column shows its values as words, longer than the two characters of its size.
int CaracteresSiNo() {
    return int(std::max(vb::ValorTexto(true).size(), vb::ValorTexto(false).size()));
}

} // namespace

Lib_FrmCons3::Lib_FrmCons3() : modelo_(new ModeloConsulta(this)) {
    SetCaption(QStringLiteral("Consulta..."));
    SetAreaCliente(7260, 4530);
    SetKeyPreview(true);
    CrearControles();
    SetBotonPredeterminado(CmdAceptar);
    SetBotonCancelar(CmdCancelar);
    Conectar(CmdAceptar, &QPushButton::clicked, "CmdAceptar_Click", [this] { CmdAceptar_Click(); });
    Conectar(CmdCancelar, &QPushButton::clicked, "CmdCancelar_Click",
             [this] { CmdCancelar_Click(); });
    Conectar(CmdNueva, &QPushButton::clicked, "CmdNueva_Click", [this] { CmdNueva_Click(); });
    Conectar(ListView1, &QTableView::doubleClicked, "ListView1_DblClick",
             [this] { CmdAceptar_Click(); });
    Conectar(ListView1->horizontalHeader(), &QHeaderView::sectionClicked, "ListView1_ColumnClick",
             [this](int seccion) { ListView1_ColumnClick(seccion + 1); });
    Conectar(HScroll1, &QScrollBar::valueChanged, "HScroll1_Change", [this] { HScroll1_Change(); });
}

// The boxes go with the window's base parts, after the handlers of this class.
Lib_FrmCons3::~Lib_FrmCons3() {
    for (QComboBox* caja : CmbSearch) {
        caja->removeEventFilter(this);
        caja->lineEdit()->removeEventFilter(this);
    }
}

void Lib_FrmCons3::CrearControles() {
    picFields = new QWidget(this);
    Colocar(*picFields, 0, 0, 7200, 4215);
    CajaBusqueda(0);
    ListView1 = new QTableView(picFields);
    Colocar(*ListView1, 0, kArribaLista, 7200, 4215 - kArribaLista);
    ListView1->setModel(modelo_);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setShowGrid(false);
    ListView1->setWordWrap(false);
    ListView1->verticalHeader()->hide();
    ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ListView1->horizontalHeader()->setSectionsClickable(true);
    ListView1->horizontalHeader()->setHighlightSections(false);
    ListView1->horizontalHeader()->setStretchLastSection(false);
    setTabOrder(CmbSearch[0], ListView1);
    lblFieldName = new QLabel(picFields);
    lblFieldName->hide();
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    Colocar(*HScroll1, 0, 4215 - kAltoBarra - 120, 7200, kAltoBarra);
    CrearBotones();
    MNU_Emergente = new QMenu(this);
    MNU_Emergente->addAction(QStringLiteral("Llenar Con Posibles Valores"));
    MNU_Emergente->addSeparator();
    MNU_Emergente->addAction(QStringLiteral("Cancelar"));
}

void Lib_FrmCons3::CrearBotones() {
    Frame1 = new QGroupBox(this);
    Colocar(*Frame1, 0, 4530 - kAltoMarco, 7260, kAltoMarco);
    const auto boton = [this](const QString& texto, int left) {
        auto* b = new QPushButton(texto, Frame1);
        b->setAutoDefault(false);
        Colocar(*b, left, 45, kAnchoBoton, kAltoBoton);
        return b;
    };
    CmdAceptar = boton(QStringLiteral("&Aceptar"), 100);
    CmdCancelar = boton(QStringLiteral("&Cancelar"), (7260 - kAnchoBoton) / 2);
    CmdNueva = boton(QStringLiteral("&Nueva Busqueda"), 7260 - kAnchoBoton - 150);
}

// Box 0 exists from the start; the others are made as the columns ask for them, each one
// next in the tab order.
QComboBox* Lib_FrmCons3::CajaBusqueda(int indice) {
    if (indice < int(CmbSearch.size()))
        return CmbSearch[size_t(indice)];
    auto* caja = new QComboBox(picFields);
    caja->setEditable(true);
    caja->setInsertPolicy(QComboBox::NoInsert);
    Colocar(*caja, 0, 0, 1200, kAltoCaja);
    caja->installEventFilter(this);
    caja->lineEdit()->installEventFilter(this);
    if (!CmbSearch.empty())
        setTabOrder(CmbSearch.back(), caja);
    CmbSearch.push_back(caja);
    camposBusqueda_.resize(CmbSearch.size());
    const QString evento = QStringLiteral("CmbSearch_Change");
    connect(caja, &QComboBox::editTextChanged, this,
            [this, indice, evento] { ProtegerEvento(evento, [&] { CmbSearch_Change(indice); }); });
    connect(caja, &QComboBox::activated, this, [this, indice] {
        ProtegerEvento(QStringLiteral("CmbSearch_Click"), [&] { CmbSearch_Change(indice); });
    });
    return caja;
}

// ---- Loading ------------------------------------------------------------------------------

void Lib_FrmCons3::Form_Load() {
    Cargar();
}

void Lib_FrmCons3::Cargar() {
    DB_Dll& db = DB_Dll::Instancia();
    EjecutarPasos(QStringLiteral("FORM_LOAD"), suite::TratarError,
                  {[&] { esListaArticulos_ = vb::InStr(SQL, QStringLiteral("articulos")) > 0; },
                   [&] {
                       Valores = std::make_shared<QStringList>();
                       Cantidades = std::make_shared<QStringList>();
                   },
                   [&] { PrepararLista(); },
                   [&] {
                       if (vb::Trim(SQL).isEmpty()) {
                           UtilGeneral::Instancia().IniciarFormulario(*this);
                           SalirDelProcedimiento();
                       }
                   },
                   [&] { SQL = u' ' + SQL; }, [&] { TomarTablaConsulta(); },
                   [&] {
                       if (sqlInicial_.isEmpty())
                           sqlInicial_ = SQL;
                       sqlActual_ = SQL;
                   },
                   [&] {
                       // Read straight through once: the rows need not be held twice.
                       rs_ = ado::Recordset();
                       rs_.SetCursorLocation(ado::adUseServer);
                       // The failure was put to the operator; the list stays empty.
                       if (!db.AbrirRecordset(SQL, rs_, nullptr, ado::adOpenForwardOnly,
                                              ado::adLockReadOnly, -1, true))
                           SalirDelProcedimiento();
                   },
                   [&] { modelo_->SetCasillas(CheckBoxes); }, [&] { Encolumnar(); },
                   [&] {
                       qint32 desde = 1;
                       qint16 cuantas = 0;
                       Leer(desde, cuantas);
                   },
                   [&] {
                       ordenada_ = ordenada_ || OrdenarPorLwv;
                       Ordenar();
                   },
                   [&] {
                       if (!vb::Trim(FiltroInicial).isEmpty())
                           CmbSearch[0]->setEditText(FiltroInicial);
                   },
                   [&] {
                       db.CierraRecordset(rs_);
                       rs_ = ado::Recordset();
                   },
                   [&] { LeerAnchosColumnas(); }, [&] { CalcularAncho(); },
                   [&] { UtilGeneral::Instancia().IniciarFormulario(*this); }});
}

void Lib_FrmCons3::PrepararLista() {
    modelo_->Vaciar();
    QFont fuente = ListView1->font();
    fuente.setBold(true);
    fuente.setPointSize(10);
    ListView1->setFont(fuente);
    ListView1->verticalHeader()->setDefaultSectionSize(QFontMetrics(fuente).height() + 4);
}

// The table named after the first "from": the key of the saved column widths. A statement
// that ends right after its table gives none, and the load reports it.
void Lib_FrmCons3::TomarTablaConsulta() {
    const int desde = vb::InStr(SQL, QStringLiteral("from"));
    const int blanco = vb::InStr(desde + 5, SQL, QStringLiteral(" "));
    tablaConsulta_ = vb::Trim(vb::Mid(SQL, desde + 4, blanco - desde - 4));
}

void Lib_FrmCons3::Encolumnar() {
    EjecutarPasos(QStringLiteral("Encolumnar"), AvisoSimple, {[&] {
                      const bool articulos = vb::InStr(SQL, QStringLiteral("V_MA_ARTICULOS")) > 0 ||
                                             vb::InStr(SQL, QStringLiteral("STK_MA_ARTICULOS")) > 0;
                      QStringList titulos;
                      std::vector<int> caracteres;
                      for (int i = 0; i < rs_.FieldCount(); ++i) {
                          const ado::Field campo = rs_.Fields(i);
                          int w = int(std::min<long>(campo.DefinedSize(), 60));
                          if (campo.Type() == ado::adCurrency || campo.Type() == ado::adNumeric)
                              w = 12;
                          else if (campo.Type() == ado::adBoolean)
                              w = CaracteresSiNo();
                          CajaBusqueda(i)->setVisible(true);
                          camposBusqueda_[size_t(i)] = campo.Name();
                          titulos << (articulos ? TituloArticulo(campo.Name()) : campo.Name());
                          if (!articulos && ValoresDefault == QLatin1String("@10"))
                              w += 10;
                          caracteres.push_back(w);
                      }
                      modelo_->FijarColumnas(titulos);
                      for (size_t i = 0; i < caracteres.size(); ++i)
                          FijarAnchoColumna(int(i), AnchoInicialColumna(int(i), caracteres[i]));
                  }});
}

namespace {

// The stock level of an article row, from its reorder point and stock.
QVariant ColorFila(ado::Recordset& rs, int punto, int stock, const QVariant niveles[4]) {
    if (punto < 0 || stock < 0)
        return {};
    const Currency p = Currency::DesdeVariant(rs.Fields(punto).Value());
    const Currency s = Currency::DesdeVariant(rs.Fields(stock).Value());
    const Currency cero;
    if (p == cero && s > cero)
        return niveles[0];
    if (p > cero && s > p)
        return niveles[1];
    if (p > cero && s < p)
        return niveles[2];
    return niveles[3];
}

// The first cell of a row is shown without the blanks around it.
void SinBlancosAlrededor(ado::TextosDeFilas& textos, size_t celda) {
    const QStringView texto = textos.Celda(celda);
    qsizetype desde = 0;
    qsizetype hasta = texto.size();
    while (desde < hasta && texto[desde] == u' ')
        ++desde;
    while (hasta > desde && texto[hasta - 1] == u' ')
        --hasta;
    if (desde > 0 || hasta < texto.size())
        textos.Acotar(celda, desde, hasta);
}

// The rows as the fill gathers them, before the list takes them all at once.
struct FilasLeidas {
    int columnas = 0;
    int devuelto = -1; // the field compared with the values ticked in advance
    QStringList marcados;
    bool colorear = false;
    std::vector<QString> celdas;
    std::vector<QColor> colores;
    std::vector<char> marcas;

    // The current record as a row: the first field trimmed, the others as they come.
    void Agregar(ado::Recordset& rs, const QVariant& color) {
        const UtilGeneral& util = UtilGeneral::Instancia();
        fila.clear();
        for (int i = 0; i < columnas; ++i) {
            const QString texto = util.ValorCampo(rs.Fields(i).Value());
            fila.push_back(i == 0 ? vb::Trim(texto) : util.Rellenar(texto));
        }
        const QVariant valor = devuelto < 0 ? QVariant() : rs.Fields(devuelto).Value();
        const bool marcada = !valor.isNull() && marcados.contains(vb::Trim(util.ValorCampo(valor)),
                                                                  Qt::CaseInsensitive);
        const QString nivel = colorear ? vb::Trim(vb::ValorTexto(color)) : QString();
        const QColor texto = nivel.isEmpty() ? QColor() : ColorDesdeBGR(long(vb::Val(nivel)));
        // Nothing above changed the rows, so a record that fails leaves no half row behind.
        std::move(fila.begin(), fila.end(), std::back_inserter(celdas));
        marcas.push_back(marcada);
        if (colorear)
            colores.push_back(texto);
    }

private:
    std::vector<QString> fila;
};

} // namespace

// Without stock levels to colour rows by, every row is its texts alone: they are read in one
// go into the block the list keeps.
void Lib_FrmCons3::Leer(qint32& /*Cdesde*/, qint16& /*Cuantas*/) {
    if (rs_.Bof())
        return;
    const int punto = esListaArticulos_ ? rs_.IndiceCampo(QStringLiteral("PUNTOPEDIDO")) : -1;
    const int stock = esListaArticulos_ ? rs_.IndiceCampo(QStringLiteral("Stock")) : -1;
    if (punto < 0 || stock < 0)
        LeerTextos();
    else
        LeerRegistros(punto, stock);
    if (modelo_->Filas() > 0)
        Seleccionar(0);
}

void Lib_FrmCons3::LeerTextos() {
    const UtilGeneral& util = UtilGeneral::Instancia();
    ado::TextosDeFilas textos;
    rs_.LeerTextos(textos, [&](const QVariant& valor) { return util.ValorCampo(valor); });
    const int devuelto = CheckBoxes ? rs_.IndiceCampo(CampoDevuelto) : -1;
    const QStringList marcados = ValoresMarcados(ValoresDefault);
    std::vector<char> marcas(textos.Filas(), 0);
    for (size_t fila = 0; fila < textos.Filas(); ++fila) {
        const size_t primera = fila * size_t(textos.columnas);
        SinBlancosAlrededor(textos, primera);
        if (devuelto >= 0)
            marcas[fila] = marcados.contains(
                vb::Trim(textos.Celda(primera + size_t(devuelto)).toString()), Qt::CaseInsensitive);
    }
    modelo_->FijarFilas(std::move(textos), {}, std::move(marcas));
}

void Lib_FrmCons3::LeerRegistros(int punto, int stock) {
    FilasLeidas filas;
    filas.columnas = rs_.FieldCount();
    filas.devuelto = CheckBoxes ? rs_.IndiceCampo(CampoDevuelto) : -1;
    filas.marcados = ValoresMarcados(ValoresDefault);
    filas.colorear =
        esListaArticulos_ && filas.columnas > 1 && vb::Iguales(MuestraStock, QStringLiteral("SI"));
    const QVariant niveles[4] = {StkNivel1, StkNivel2, StkNivel3, StkNivel4};
    QVariant color;
    const std::vector<Paso> pasos = {[&] {
                                         color = QVariant();
                                         if (esListaArticulos_)
                                             color = ColorFila(rs_, punto, stock, niveles);
                                     },
                                     [&] { filas.Agregar(rs_, color); }, [&] { rs_.MoveNext(); }};
    while (!rs_.Eof())
        if (EjecutarPasos(QStringLiteral("FORM_LOAD"), suite::TratarError, pasos).SalioAntes)
            break;
    modelo_->FijarFilas(std::move(filas.celdas), std::move(filas.colores), std::move(filas.marcas));
}

void Lib_FrmCons3::Ordenar() {
    if (!ordenada_)
        return;
    const Qt::SortOrder orden = descendente_ ? Qt::DescendingOrder : Qt::AscendingOrder;
    modelo_->sort(claveOrden_, orden);
    ListView1->horizontalHeader()->setSortIndicator(claveOrden_, orden);
    ListView1->horizontalHeader()->setSortIndicatorShown(true);
}

void Lib_FrmCons3::Seleccionar(int fila) {
    const QModelIndex indice = modelo_->index(fila, 0);
    ListView1->selectionModel()->setCurrentIndex(indice, QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
    ListView1->scrollTo(indice);
}

int Lib_FrmCons3::FilaSeleccionada() const {
    const QModelIndex actual = ListView1->selectionModel()->currentIndex();
    if (actual.isValid() && ListView1->selectionModel()->isRowSelected(actual.row()))
        return actual.row();
    const QModelIndexList filas = ListView1->selectionModel()->selectedRows();
    return filas.isEmpty() ? -1 : filas.first().row();
}

// ---- Layout and column widths -------------------------------------------------------------

int Lib_FrmCons3::AnchoColumna(int columna) const {
    return ATwips(ListView1->columnWidth(columna));
}

// Room for that many capital X in the list's own bold face, which its codes are drawn in, within
// the margins a cell keeps around its text; never narrower than the column's caption.
int Lib_FrmCons3::AnchoInicialColumna(int columna, int caracteres) const {
    const int margen =
        ListView1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, ListView1) + 1;
    const int texto = ListView1->fontMetrics().horizontalAdvance(QString(caracteres, u'X'));
    return ATwips(
        std::max(texto + 2 * margen, ListView1->horizontalHeader()->sectionSizeHint(columna)));
}

void Lib_FrmCons3::FijarAnchoColumna(int columna, int twips) {
    ListView1->setColumnWidth(columna, std::max(0, APixeles(twips)));
}

int Lib_FrmCons3::IzquierdaColumna(int columna) const {
    return ATwips(ListView1->x() + ListView1->frameWidth() +
                  ListView1->horizontalHeader()->sectionPosition(columna));
}

void Lib_FrmCons3::CalcularAncho() {
    int total = 0;
    for (int i = 0; i < modelo_->Columnas(); ++i) {
        if (i < int(CmbSearch.size()))
            Colocar(*CmbSearch[size_t(i)], IzquierdaColumna(i), 0, AnchoColumna(i) - 50, kAltoCaja);
        total += AnchoColumna(i);
    }
    FijarAncho(*ListView1, total + 360);
    FijarAncho(*picFields, total + 360);
    FijarAncho(*HScroll1, total);
    const int panel = Ancho(*picFields);
    HScroll1->setMaximum(panel > 32700 ? 32700 : int((panel + 480) * 0.6));
    const int pantalla = ATwips(screen()->geometry().width());
    SetWidth(Ancho(*ListView1) + 360 < pantalla ? Ancho(*ListView1) + 280 : pantalla - 480);
}

void Lib_FrmCons3::LeerAnchosColumnas() {
    const AnchosColumnas archivo(
        UtilGeneral::Instancia().NormalizarRuta(archivos::CarpetaPrograma()));
    const std::vector<std::optional<double>> anchos =
        archivo.Leer(tablaConsulta_, modelo_->Columnas());
    for (size_t i = 0; i < anchos.size(); ++i)
        if (anchos[i])
            FijarAnchoColumna(int(i), int(std::lround(*anchos[i])));
}

void Lib_FrmCons3::GrabarAnchosColumnas() {
    if (!GrabarCfg)
        return;
    std::vector<double> anchos;
    for (int i = 0; i < modelo_->Columnas(); ++i)
        anchos.push_back(AnchoColumna(i));
    AnchosColumnas(UtilGeneral::Instancia().NormalizarRuta(archivos::CarpetaPrograma()))
        .Grabar(tablaConsulta_, anchos);
}

void Lib_FrmCons3::Form_Unload(bool& /*cancel*/) {
    EjecutarPasos(QStringLiteral("Form_Unload"), AvisoAlOperador,
                  {[&] { GrabarAnchosColumnas(); }, [&] { modelo_->Vaciar(); }});
}

void Lib_FrmCons3::Form_Resize() {
    const int alto = Height();
    const int ancho = Width();
    IgnorarErrores({
        [&] { FijarAlto(*picFields, alto - Alto(*Frame1) - 480); },
        [&] { FijarAlto(*ListView1, Alto(*picFields) - Alto(*Frame1) - 600); },
        [&] { FijarAncho(*picFields, ancho - 120); },
        [&] { FijarAncho(*ListView1, Ancho(*picFields) - 20); },
        [&] { FijarArriba(*Frame1, alto - Alto(*Frame1) - 420); },
        [&] { FijarArriba(*HScroll1, Alto(*picFields) - Alto(*HScroll1) - 120); },
        [&] { FijarAncho(*HScroll1, ancho - 120); },
        [&] {
            FijarIzquierda(*Frame1, 0);
            FijarAncho(*Frame1, ancho);
        },
        [&] { FijarIzquierda(*CmdAceptar, 100); },
        [&] { FijarIzquierda(*CmdCancelar, (Ancho(*Frame1) - Ancho(*CmdCancelar)) / 2); },
        [&] { FijarIzquierda(*CmdNueva, Ancho(*Frame1) - (Ancho(*CmdCancelar) + 150)); },
        [&] {
            if (!CmdNueva->isHidden())
                return;
            if (Ancho(*CmdAceptar) + Ancho(*CmdCancelar) + 400 > Ancho(*Frame1)) {
                FijarAncho(*CmdAceptar, Ancho(*CmdAceptar) / 2);
                FijarAncho(*CmdCancelar, Ancho(*CmdAceptar));
                FijarIzquierda(*CmdAceptar, 100);
                FijarIzquierda(*CmdCancelar, Ancho(*Frame1) - (Ancho(*CmdCancelar) + 150));
                FijarIzquierda(*CmdNueva, ATwips(CmdCancelar->x()));
            } else {
                FijarIzquierda(*CmdCancelar, ATwips(CmdNueva->x()));
            }
        },
    });
}

void Lib_FrmCons3::HScroll1_Change() {
    IgnorarErrores({[&] { FijarIzquierda(*picFields, -HScroll1->value()); }});
}

// ---- Choice -------------------------------------------------------------------------------

int Lib_FrmCons3::IndiceColumna(const QString& Columna) {
    int indice = 0;
    IgnorarErrores({[&] {
        const QString buscada = vb::Trim(Columna);
        const int columnas = modelo_->Columnas();
        for (int i = 1; i <= columnas && indice == 0; ++i)
            if (vb::Iguales(vb::Trim(modelo_->Titulo(i - 1)), buscada))
                indice = i;
    }});
    return indice;
}

// Column k (from 1) of the row; a caption that named no column (k = 0) gives nothing.
QString Lib_FrmCons3::CeldaColumna(int fila, int columna) const {
    return columna < 1 ? QString() : modelo_->Celda(fila, columna - 1);
}

void Lib_FrmCons3::CmdAceptar_Click() {
    EjecutarPasos(QStringLiteral("CmdAceptar_Click"), suite::TratarError,
                  {[&] { Aceptar(); }, [&] { Hide(); }});
}

void Lib_FrmCons3::Aceptar() {
    if (!Valores)
        Valores = std::make_shared<QStringList>();
    if (CheckBoxes)
        AceptarMarcadas();
    else
        AceptarSeleccionada();
}

void Lib_FrmCons3::AceptarMarcadas() {
    if (CampoDevuelto.isEmpty())
        CampoDevuelto = modelo_->Titulo(0);
    // A caption that names no column still gives one entry per ticked row, empty.
    const int k = IndiceColumna(CampoDevuelto);
    for (int fila = 0; fila < modelo_->Filas(); ++fila)
        if (modelo_->Marcada(fila))
            Valores->append(CeldaColumna(fila, k));
}

void Lib_FrmCons3::AceptarSeleccionada() {
    const int fila = FilaSeleccionada();
    if (fila < 0)
        return;
    QString v;
    if (CmpsDevueltos) {
        for (const QString& titulo : *CmpsDevueltos) {
            v = CeldaColumna(fila, IndiceColumna(titulo));
            Valores->append(v);
        }
    }
    if (!vb::Trim(CampoDevuelto).isEmpty())
        v = CeldaColumna(fila, IndiceColumna(CampoDevuelto));
    ValorDevuelto = v;
}

void Lib_FrmCons3::CmdCancelar_Click() {
    IgnorarErrores({[&] { ValorDevuelto = QStringLiteral(""); }, [&] { CmpsDevueltos.reset(); },
                    [&] { Valores.reset(); }, [&] { Hide(); }});
}

void Lib_FrmCons3::CmdNueva_Click() {
    IgnorarErrores(
        {[&] { SQL = sqlInicial_; }, [&] { Cargar(); }, [&] { CmbSearch[0]->setFocus(); }});
}
