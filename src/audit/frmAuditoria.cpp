#include "audit/frmAuditoria.h"

#include "audit/FuenteAsientos.h"
#include "audit/VentanasVecinas.h"
#include "audit/clsAuditoria_HTM.h"
#include "audit/frmCambioEstado.h"
#include "lookup/Def_QConsulta.h"
#include "lookup/Lib_ClsCons3.h"
#include "platform/browser/Navegador.h"
#include "platform/controls/Panel.h"
#include "platform/controls/StatusBar.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/DescripcionesError.h"
#include "platform/errors/Procedimiento.h"
#include "platform/forms/ArregloCajasTexto.h"
#include "platform/forms/CajaTexto.h"
#include "platform/forms/CodigosTecla.h"
#include "platform/forms/CursorEspera.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/Fechas.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/suite/DialogoComun.h"
#include "platform/suite/Reporteador.h"
#include "platform/suite/UtilControles.h"
#include "platform/suite/UtilGeneral.h"
#include "platform/suite/UtilSistema.h"
#include "session/DB_Dll.h"
#include "session/ModGlobal.h"
#include "session/ModGlobalUtilidades.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace {

const QString TituloAviso = QStringLiteral("Aviso al operador...");

// The filter fields: DataField, Tag, maximum length and place (twips), in index order, which
// is also their tab order.
struct Filtro {
    const char* DataField;
    const char* Tag;
    int MaxLength;
    int Left, Top, Width, Height;
};
constexpr Filtro Filtros[] = {
    {"Fecha_DESDE", "FECHA", 10, 975, 270, 1035, 285},
    {"Fecha_HASTA", "FECHA", 10, 2925, 270, 1035, 285},
    {"CUENTA_Desde", "Ma_cuentas", 15, 975, 525, 1305, 285},
    {"CUENTA_hasta", "Ma_cuentas", 15, 2925, 525, 1305, 285},
    {"Nombre", "Ma_cuentas", 50, 975, 780, 3255, 285},
    {"tc_origen", "Ma_cuentas", 15, 975, 1095, 630, 285},
    {"suc_origen", "Ma_cuentas", 15, 2325, 1095, 480, 285},
    {"numero_origen", "Ma_cuentas", 15, 2850, 1095, 1080, 285},
    {"letra_origen", "Ma_cuentas", 15, 3975, 1095, 270, 285},
};

struct Etiqueta {
    const char* Caption;
    int Left, Top, Width, Height;
};
constexpr Etiqueta Etiquetas[] = {
    {"Fecha", 150, 270, 450, 195},   {"Hasta:", 2400, 300, 465, 195},
    {"Cuenta:", 165, 570, 555, 195}, {"Hasta:", 2400, 570, 465, 195},
    {"Nombre:", 150, 825, 600, 195}, {"TC Origen", 150, 1125, 720, 195},
    {"Cpte", 1800, 1125, 330, 195},  {"Estados:", 4500, 150, 615, 195},
};

// Each state's label, padded with blanks so that its digit is the item's last character and
// out of sight; the item lengths are the ones the state list has always had.
struct Estado {
    const char* Etiqueta;
    int Largo;
};
constexpr Estado Estados[] = {
    {"0 - Pendientes de Revision", 113},
    {"1 - En Espera de Nota de Credito del Proveedor", 99},
    {"2 - Generar Nota de Debito al Proveedor", 103},
    {"3 - Liberar Pago Total - En espera de NC", 105},
    {"4 - Regularizado", 120},
};

QString ElementoEstado(const Estado& estado) {
    const QString etiqueta = QString::fromUtf8(estado.Etiqueta);
    return etiqueta.leftJustified(estado.Largo - 1, u' ') + etiqueta.front();
}

// A command button that shows its icon above its caption, as the window's graphical buttons
// always did.
class BotonGrafico : public QPushButton {
public:
    BotonGrafico(const QString& caption, QStyle::StandardPixmap icono, QWidget* padre)
        : QPushButton(caption, padre) {
        setIcon(style()->standardIcon(icono));
        setIconSize(QSize(16, 16));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter pintor(this);
        QStyleOptionButton opcion;
        initStyleOption(&opcion);
        opcion.text.clear();
        opcion.icon = QIcon();
        style()->drawControl(QStyle::CE_PushButton, &opcion, &pintor, this);
        const QRect interior = rect().adjusted(2, 4, -2, -2);
        const QRect zonaIcono(interior.left(), interior.top(), interior.width(),
                              iconSize().height());
        icon().paint(&pintor, zonaIcono, Qt::AlignCenter,
                     isEnabled() ? QIcon::Normal : QIcon::Disabled);
        const QRect zonaTexto = interior.adjusted(0, iconSize().height() + 2, 0, 0);
        pintor.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                      QPalette::ButtonText));
        pintor.drawText(zonaTexto, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text());
    }
};

// Sizes read and written in twips, as the window's layout code works; a negative width or
// height is refused as the classic controls refused it.
int LeftDe(const QWidget& c) {
    return ATwips(c.x());
}
int TopDe(const QWidget& c) {
    return ATwips(c.y());
}
int WidthDe(const QWidget& c) {
    return ATwips(c.width());
}
int HeightDe(const QWidget& c) {
    return ATwips(c.height());
}
void FijarLeft(QWidget& c, int twips) {
    c.move(APixeles(twips), c.y());
}
void FijarTop(QWidget& c, int twips) {
    c.move(c.x(), APixeles(twips));
}
void FijarWidth(QWidget& c, int twips) {
    if (twips < 0)
        LanzarError(380);
    c.resize(APixeles(twips), c.height());
}
void FijarHeight(QWidget& c, int twips) {
    if (twips < 0)
        LanzarError(380);
    c.resize(c.width(), APixeles(twips));
}

} // namespace

frmAuditoria::frmAuditoria(QWidget* parent) : Formulario(parent) {
    SetCaption(QStringLiteral("Auditoria"));
    SetAreaCliente(9150, 4920);
    SetKeyPreview(true);
    CrearControles();
    OrdenarTabulacion();
    ConectarEventos();
}

frmAuditoria::~frmAuditoria() = default;

// ---- Controls ---------------------------------------------------------------------------

void frmAuditoria::CrearControles() {
    frmEncabezado_ = new QGroupBox(QStringLiteral("Filtros"), this);
    Colocar(*frmEncabezado_, 0, 0, 9090, 1515);
    for (const Etiqueta& e : Etiquetas) {
        auto* etiqueta = new QLabel(QString::fromUtf8(e.Caption), frmEncabezado_);
        Colocar(*etiqueta, e.Left, e.Top, e.Width, e.Height);
    }
    CrearFiltros();
    lstEstados_ = new QListWidget(frmEncabezado_);
    lstEstados_->setSelectionMode(QAbstractItemView::MultiSelection);
    lstEstados_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstEstados_->setTextElideMode(Qt::ElideNone);
    // At the design width the list shows only the start of each state; the whole name is a
    // tooltip away.
    for (const Estado& estado : Estados) {
        lstEstados_->addItem(ElementoEstado(estado));
        lstEstados_->item(lstEstados_->count() - 1)->setToolTip(QString::fromUtf8(estado.Etiqueta));
    }
    Colocar(*lstEstados_, 4500, 375, 2565, 960);
    CrearBotones();
    StatusBar1_ = new controles::StatusBar(this);
    StatusBar1_->setSizeGripEnabled(false);
    Colocar(*StatusBar1_, 0, 4635, 9150, 285);
    wbExplorer_ = Navegador::Crear(this);
    Colocar(*wbExplorer_->Control(), 0, 1575, 9045, 2895);
    Paginador_ = new QTimer(this);
    Paginador_->setSingleShot(true);
}

void frmAuditoria::CrearFiltros() {
    txtFields_ = std::make_unique<ArregloCajasTexto>(QStringLiteral("txtFields"));
    for (int i = 0; i < int(std::size(Filtros)); ++i) {
        const Filtro& f = Filtros[i];
        CajaTexto& caja = txtFields_->Agregar(i, *frmEncabezado_);
        caja.SetDataField(QString::fromLatin1(f.DataField));
        caja.SetTag(QString::fromLatin1(f.Tag));
        caja.SetMaxLength(f.MaxLength);
        Colocar(caja, f.Left, f.Top, f.Width, f.Height);
    }
}

void frmAuditoria::CrearBotones() {
    CmdActualizar_ =
        new BotonGrafico(QStringLiteral("[F9] Cargar"), QStyle::SP_BrowserReload, frmEncabezado_);
    CmdActualizar_->setToolTip(QStringLiteral("[F9] Cargar"));
    Colocar(*CmdActualizar_, 7200, 450, 870, 810);
    cmdClose_ = new BotonGrafico(QStringLiteral("[Esc] Salir"), QStyle::SP_DialogCloseButton,
                                 frmEncabezado_);
    cmdClose_->setToolTip(QStringLiteral("[Esc] Cerrar"));
    Colocar(*cmdClose_, 8100, 450, 900, 810);
}

void frmAuditoria::OrdenarTabulacion() {
    QList<QWidget*> orden;
    for (const auto& [indice, caja] : txtFields_->Elementos())
        orden << caja.data();
    orden << lstEstados_ << CmdActualizar_ << cmdClose_ << wbExplorer_->Control();
    for (qsizetype i = 1; i < orden.size(); ++i)
        setTabOrder(orden[i - 1], orden[i]);
}

void frmAuditoria::ConectarEventos() {
    txtFields_->GotFocus = [this](int i) { txtFields_GotFocus(i); };
    txtFields_->LostFocus = [this](int i) { txtFields_LostFocus(i); };
    txtFields_->KeyDown = [this](int i, int& k, int s) { txtFields_KeyDown(i, k, s); };
    txtFields_->KeyPress = [this](int i, int& k) { txtFields_KeyPress(i, k); };
    Conectar(CmdActualizar_, &QPushButton::clicked, "CmdActualizar_Click",
             [this] { CmdActualizar_Click(); });
    Conectar(cmdClose_, &QPushButton::clicked, "cmdClose_Click", [this] { cmdClose_Click(); });
    Conectar(Paginador_, &QTimer::timeout, "Paginador_Timer",
             [this] { EscribirPaginaSiguiente(); });
    wbExplorer_->DocumentComplete = [this](const QString&) {
        ProtegerEvento(QStringLiteral("frmAuditoria.wbExplorer_DocumentComplete"),
                       [&] { wbExplorer_DocumentComplete(); });
    };
    wbExplorer_->BeforeNavigate2 = [this](const QString& URL, bool& Cancel) {
        ProtegerEvento(QStringLiteral("frmAuditoria.wbExplorer_BeforeNavigate2"),
                       [&] { wbExplorer_BeforeNavigate2(URL, Cancel); });
    };
}

CajaTexto& frmAuditoria::CampoPorNombre(const QString& DataField) const {
    return (*txtFields_)[UtilControles::Instancia().IndiceCampo(DataField, *txtFields_)];
}

QString frmAuditoria::ObtenerTitulo() const {
    return QStringLiteral("Auditoria");
}

// ---- Load and unload --------------------------------------------------------------------

void frmAuditoria::Form_Load() {
    CursorEspera espera;
    // A session that could not read its settings has told the operator why; the window's own
    // reads would only wait on the same database and say it again.
    const bool sesionLista = ModGlobal::IniciarSesion(false, QString(), QString(), 3);
    Reporteador::EstablecerFuente(&FuenteAsientos::Instancia());
    UtilGeneral::Instancia().IniciarFormulario(*this);
    ModGlobal::PrepararFormulario(*this);
    TablaActiva = QStringLiteral("Mv_asientos");
    if (sesionLista) {
        AbrirTabla(TablaActiva);
        AsignarDatos();
    }
    CarpetaInforme_ = qEnvironmentVariable("TEMP");
    if (vb::Trim(CarpetaInforme_).isEmpty())
        CarpetaInforme_ = UtilSistema::Instancia().CarpetaTemporal();
    CarpetaInforme_ = UtilGeneral::Instancia().NormalizarRuta(CarpetaInforme_);
    RutaInforme_ = CarpetaInforme_ + QStringLiteral("Auditoria.htm");
    if (!Escritor)
        Escritor = std::make_unique<clsAuditoria_HTM>();
    Escritor->writeStyleCSS(CarpetaInforme_);
    wbExplorer_->Navigate2(QStringLiteral("about:blank"));
}

void frmAuditoria::AbrirTabla(const QString& Tabla) {
    EjecutarPasos(QStringLiteral("Generar"), suite::TratarError,
                  {[&] {
                       QString sql = QStringLiteral("SELECT top 1 * FROM ") + Tabla;
                       DB_Dll& db = DB_Dll::Instancia();
                       if (!db.AbrirRecordset(sql, rsTabla, &db.gCnn, ado::adOpenDynamic,
                                              ado::adLockOptimistic, -1, true))
                           SalirDelProcedimiento();
                   },
                   [&] {
                       if (!rsTabla.Eof())
                           rsTabla.MoveFirst();
                   }});
}

void frmAuditoria::AsignarDatos() {
    // A period without its row, or without a date, cannot fill the fields.
    const auto fecha = [this](const char* columna) {
        const QVariant valor = rsTabla.Fields(QString::fromLatin1(columna)).Value();
        if (valor.isNull())
            LanzarError(94);
        return vb::ValorTexto(valor);
    };
    EjecutarPasos(
        QStringLiteral("AsignarDatos"), suite::TratarError,
        {[&] {
             QString sql = QStringLiteral("select [FECHA DESDE] as FECHADESDE, [FECHA HASTA] as "
                                          "FECHAHASTA from MV_EJERCICIOS where periodo='") +
                           QString::number(ModGlobal::Valores.PeriodoActual) + u'\'';
             DB_Dll& db = DB_Dll::Instancia();
             if (!db.AbrirRecordset(sql, rsTabla, &db.gCnn, ado::adOpenForwardOnly,
                                    ado::adLockReadOnly, -1, true))
                 SalirDelProcedimiento();
         },
         [&] { CampoPorNombre(QStringLiteral("Fecha_Desde")).SetText(fecha("FechaDesde")); },
         [&] { CampoPorNombre(QStringLiteral("Fecha_Hasta")).SetText(fecha("FechaHasta")); }});
}

void frmAuditoria::Form_Unload(bool& /*Cancel*/) {
    IgnorarErrores({
        // The list's statement goes before the session's connection.
        [this] {
            if (Escritor)
                Escritor->AbandonarPaginas();
        },
        [] { ModGlobal::FinalizarSesion(); },
        [this] {
            if (rsTabla.State() != ado::adStateClosed)
                rsTabla.Close();
        },
        [this] { Hide(); },
        [] { Liberar<frmAuditoria>(); },
        [] { Liberar<frmCambioEstado>(); },
        [] {
            if (VentanasVecinas::Actuales().LiberarDetalles)
                VentanasVecinas::Actuales().LiberarDetalles();
        },
        [] { QCoreApplication::quit(); },
    });
}

void frmAuditoria::CerrarVentana() {
    bool cancel = false;
    Form_Unload(cancel);
}

void frmAuditoria::cmdClose_Click() {
    Unload();
}

// ---- Keys and fields --------------------------------------------------------------------

void frmAuditoria::Form_KeyDown(int& KeyCode, int /*Shift*/) {
    switch (KeyCode) {
    case vbKeyF5:
        ConsultarCampo();
        break;
    case vbKeyF9:
        CmdActualizar_Click();
        break;
    case vbKeyEscape:
        cmdClose_Click();
        break;
    default:
        break;
    }
}

void frmAuditoria::ConsultarCampo() {
    CajaTexto& campo = (*txtFields_)[IndiceActivo];
    const QString tag = vb::Trim(campo.Tag());
    if (tag.isEmpty())
        return;
    QString valor;
    if (vb::Iguales(tag, QStringLiteral("ma_cuentas"))) {
        valor = vb::Trim(campo.Text());
        Lib_ClsCons3& consultas = Lib_ClsCons3::Instancia();
        consultas.CampoDevuelto = QStringLiteral("codigo");
        consultas.ConsultaSearch(QStringLiteral("MA_CUENTAS"));
        const QString elegido = vb::ValorTexto(consultas.ValorDevuelto);
        if (!elegido.isEmpty())
            valor = elegido;
    } else if (vb::Iguales(tag, QStringLiteral("FECHA"))) {
        UtilGeneral::Instancia().ElegirFecha(valor);
    } else {
        QString tabla = tag;
        QString descripcion;
        QString adicional;
        QString where;
        Def_QConsulta::QConsultaTabla(tabla, descripcion, valor, adicional, true, where);
    }
    campo.SetText(vb::Trim(valor));
    int tecla = vbKeyReturn;
    txtFields_KeyDown(IndiceActivo, tecla, 0);
}

void frmAuditoria::txtFields_GotFocus(int Index) {
    CajaTexto& campo = (*txtFields_)[Index];
    campo.SetBackColor(ModGlobal::Valores.ColorFondo);
    campo.SetForeColor(ModGlobal::Valores.ColorLetra);
    IndiceActivo = Index;
    CampoActivo = &campo;
    campo.SetSelStart(0);
    campo.SetSelLength(vb::Len(vb::Trim(campo.Text())));
}

void frmAuditoria::txtFields_LostFocus(int Index) {
    CajaTexto& campo = (*txtFields_)[Index];
    campo.SetBackColor(0xFFFFFF);
    campo.SetForeColor(0);
}

void frmAuditoria::txtFields_KeyDown(int Index, int& KeyCode, int /*Shift*/) {
    const UtilControles& controles = UtilControles::Instancia();
    if (!controles.TipoTecla(KeyCode))
        return;
    CajaTexto& campo = (*txtFields_)[Index];
    CampoValida(campo);
    // From the field itself: after an F5 lookup the focus may still be in the lookup window.
    if (!ErrorCampo_)
        controles.PasarFoco(KeyCode, &campo);
}

void frmAuditoria::txtFields_KeyPress(int Index, int& KeyAscii) {
    if (KeyAscii == vbKeyEscape)
        return;
    UtilControles::Instancia().FiltrarTecla((*txtFields_)[Index], KeyAscii);
}

// An account field takes the account's code, whether the user typed it or its alternative
// code. A failing check shows what it had to say so far and lets the field go.
void frmAuditoria::CampoValida(CajaTexto& Texto) {
    QString mensaje;
    QString valor;
    const auto avisar = [&] { MsgBox(mensaje, vbInformation, TituloAviso); };
    EjecutarPasos(QStringLiteral("CampoValida"),
                  [&](const ErrorEjecucion&, const QString&) {
                      avisar();
                      return AccionError::Abortar;
                  },
                  {[&] {
                       ErrorCampo_ = false;
                       valor = vb::Trim(Texto.Text());
                   },
                   [&] {
                       if (!vb::Iguales(Texto.DataField(), QStringLiteral("CUENTA_desde")) &&
                           !vb::Iguales(Texto.DataField(), QStringLiteral("CUENTA_hasta")))
                           return;
                       ado::Recordset cuenta;
                       bool esCodigoOpcional = false;
                       if (ModGlobal::BuscarCuenta(valor, cuenta, true, esCodigoOpcional)) {
                           Texto.SetText(valor);
                       } else {
                           mensaje = QStringLiteral("La cuenta ingresada es inexistente.");
                           ErrorCampo_ = true;
                       }
                   },
                   [&] {
                       if (ErrorCampo_)
                           avisar();
                   }});
}

// ---- Refresh and browser ----------------------------------------------------------------

// A date the database cannot read would fail the whole query: it is caught here, in the
// user's words, and the cursor waits in the box to be mended. An empty box filters nothing.
bool frmAuditoria::FechasValidas() {
    const std::pair<const char*, QString> fechas[] = {
        {"Fecha_DESDE", QStringLiteral("Fecha desde")},
        {"Fecha_HASTA", QStringLiteral("Fecha hasta")}};
    for (const auto& [campo, nombre] : fechas) {
        CajaTexto& caja = CampoPorNombre(QString::fromLatin1(campo));
        const QString texto = vb::Trim(caja.Text());
        if (texto.isEmpty() || vb::IsDate(texto))
            continue;
        // A date written the right way round may still name a day no calendar has.
        static const QRegularExpression forma(
            QStringLiteral("^[0-9]{1,2}([/-])[0-9]{1,2}\\1([0-9]{2}|[0-9]{4})$"));
        MsgBox(QStringLiteral("La fecha ingresada en \"") + nombre +
                   (forma.match(texto).hasMatch()
                        ? QStringLiteral("\" no existe: revise el día y el mes.")
                        : QStringLiteral("\" no es válida. Escríbala como dd/mm/aa o dd/mm/aaaa.")),
               vbInformation, TituloAviso);
        caja.setFocus();
        caja.SetSelStart(0);
        caja.SetSelLength(vb::Len(caja.Text()));
        return false;
    }
    return true;
}

void frmAuditoria::CmdActualizar_Click() {
    // F9 while a page's error is being answered: that list is not finished with yet.
    if (Escritor && Escritor->Ocupado())
        return;
    if (!FechasValidas())
        return;
    CursorEspera espera;
    QStringList estados;
    if (ModGlobal::ListaSeleccionados(*lstEstados_, estados, 4, true) == 0) {
        ModGlobal::MarcarLista(*lstEstados_, true, -1);
        ModGlobal::ListaSeleccionados(*lstEstados_, estados, 4, true);
    }
    const auto valor = [this](const char* campo) {
        return vb::Trim(CampoPorNombre(QString::fromLatin1(campo)).Text());
    };
    EscribirLista({valor("Fecha_desde"), valor("fecha_hasta"), valor("Cuenta_desde"),
                   valor("Cuenta_hasta"), valor("nombre"), valor("tc_origen"), valor("suc_origen"),
                   valor("numero_origen"), valor("letra_origen"), estados});
}

// After the user's own change the list in sight is written again as it was asked for: what
// the filter boxes hold since is not a request until F9.
void frmAuditoria::RefrescarLista() {
    if (!FiltrosLista_) {
        CmdActualizar_Click();
        return;
    }
    if (Escritor && Escritor->Ocupado())
        return;
    CursorEspera espera;
    EscribirLista(*FiltrosLista_);
}

void frmAuditoria::EscribirLista(const FiltrosDiferencias& filtros) {
    if (!Escritor)
        Escritor = std::make_unique<clsAuditoria_HTM>();
    // Another list starts at its first page's top; the same one, written again after a
    // change, keeps the user's page and place.
    const bool otraLista = filtros != FiltrosLista_;
    FiltrosLista_ = filtros;
    if (otraLista)
        PaginaLista_ = 1;
    Escritor->writeHTML(RutaInforme_, ObtenerTitulo(), QStringLiteral(" encabezado generico "),
                        filtros);
    MostrarLista(otraLista);
}

// The page the user was on is shown as soon as it is written, or the last one when the list
// got shorter. The pages after it are written while the window waits for the user, once the
// browser has loaded the page shown (writing them meanwhile would hold the page up), or after a
// second should the browser never say so.
void frmAuditoria::MostrarLista(bool DesdeArriba) {
    while (Escritor->PaginasEscritas() < PaginaLista_ && Escritor->ContinuarPaginas()) {
    }
    const int pagina = std::clamp(PaginaLista_, 1, std::max(1, Escritor->PaginasEscritas()));
    if (Escritor->PaginasPendientes())
        Paginador_->start(1000);
    Navegar(clsAuditoria_HTM::RutaPagina(RutaInforme_, pagina), DesdeArriba);
}

void frmAuditoria::wbExplorer_DocumentComplete() {
    if (Paginador_->isActive())
        Paginador_->start(0);
}

void frmAuditoria::EscribirPaginaSiguiente() {
    if (!Escritor->ContinuarPaginas())
        return;
    if (Escritor->PaginasPendientes())
        Paginador_->start(0);
    else
        ListaTerminada();
}

// Writes what is left of the list at once, for a link whose action may not wait for it.
void frmAuditoria::CompletarLista() {
    if (!Escritor || !Escritor->PaginasPendientes())
        return;
    Escritor->CompletarPaginas();
    if (!Escritor->PaginasPendientes())
        ListaTerminada();
}

// The page in sight was written before the total was known: once it is, the page says it in
// place, where loading it again would take the user back to its top.
void frmAuditoria::ListaTerminada() {
    if (Escritor->PaginasEscritas() == 0)
        Navegar(RutaInforme_); // the list was abandoned: no page of it stays in sight
    else if (const QString texto = Escritor->NavegacionCompleta(PaginaLista_); !texto.isEmpty())
        IgnorarErrores({[&] { wbExplorer_->CambiarTexto(clsAuditoria_HTM::IdNavegacion, texto); },
                        [&] {
                            wbExplorer_->CambiarHtml(clsAuditoria_HTM::IdPaginas,
                                                     Escritor->PaginasCompletas(PaginaLista_));
                        }});
}

bool frmAuditoria::PaginasPorEscribir() const {
    return Escritor && Escritor->PaginasPendientes();
}

// Whichever way the browser got to a page of the list, that is the page the user is on.
void frmAuditoria::NotarPagina(const QString& URL) {
    const int pagina = clsAuditoria_HTM::NumeroPagina(RutaInforme_, QUrl(URL).toLocalFile());
    if (pagina > 0)
        PaginaLista_ = pagina;
}

void frmAuditoria::Navegar(const QString& Ruta, bool DesdeArriba) {
    IgnorarErrores({
        [this] { wbExplorer_->SetFullScreen(true); },
        [this, &Ruta, DesdeArriba] { wbExplorer_->NavegarArchivo(Ruta, DesdeArriba); },
        [this] { wbExplorer_->SetTheaterMode(false); },
    });
}

// ---- Layout -----------------------------------------------------------------------------

void frmAuditoria::Form_Resize() {
    QWidget& explorador = *wbExplorer_->Control();
    QWidget& encabezado = *frmEncabezado_;
    // The status bar keeps to the bottom edge across the whole width, as an aligned bar does.
    IgnorarErrores({[&] {
        StatusBar1_->setGeometry(0, height() - StatusBar1_->height(), width(),
                                 StatusBar1_->height());
    }});
    IgnorarErrores({
        [&] { FijarLeft(explorador, 20); },
        [&] { FijarTop(explorador, TopDe(encabezado) + HeightDe(encabezado)); },
        [&] { FijarHeight(explorador, Height() - TopDe(explorador) - 700); },
        [&] { FijarWidth(explorador, Width() - LeftDe(explorador) - 200); },
        [&] { FijarWidth(encabezado, Width() - 200); },
        [&] { FijarLeft(*cmdClose_, WidthDe(encabezado) - WidthDe(*cmdClose_) - 300); },
        [&] { FijarLeft(*CmdActualizar_, LeftDe(*cmdClose_) - WidthDe(*CmdActualizar_) - 300); },
        [&] {
            FijarWidth(*lstEstados_, WidthDe(encabezado) - LeftDe(*lstEstados_) -
                                         WidthDe(*cmdClose_) - WidthDe(*CmdActualizar_) - 1000);
        },
        [&] { StatusBar1_->Panels(1)->SetWidth(WidthDe(*StatusBar1_) - 150); },
    });
}

// ---- Printing ---------------------------------------------------------------------------

void frmAuditoria::ImprimirAsientos(const QString& TC, const QString& Sucursal,
                                    const QString& Numero, const QString& Letra,
                                    const QString& Mes_Operativo, const QString& AsientoActual,
                                    const QVariant& Periodo) {
    const DB_Dll& db = DB_Dll::Instancia();
    const QString q = QStringLiteral("'");
    const QString seleccion =
        QStringLiteral("{MV_ASIENTOS.PERIODO} = ") + db.SQLValue(Periodo, q) +
        QStringLiteral(" AND {MV_ASIENTOS.TC} = ") + db.SQLValue(vb::Trim(TC), q) +
        QStringLiteral(" AND {MV_ASIENTOS.SUCURSAL} = ") + db.SQLValue(vb::Trim(Sucursal), q) +
        QStringLiteral(" AND {MV_ASIENTOS.NUMERO} = ") + db.SQLValue(vb::Trim(Numero), q) +
        QStringLiteral(" AND {MV_ASIENTOS.LETRA} = ") + db.SQLValue(vb::Trim(Letra), q) +
        QStringLiteral(" AND {MV_ASIENTOS.MES_OPERATIVO} = ") + Mes_Operativo +
        QStringLiteral(" AND {MV_ASIENTOS.NUMERO ASIENTO} = ") + vb::Trim(AsientoActual);
    Reporteador& reporte = Reporteador::Instancia();
    reporte.SetDestinoReporte(0);
    DialogoComun dialogo;
    dialogo.MostrarImpresora();
    if (!dialogo.ImpresoraAceptada())
        return;
    reporte.FijarOpcion(reporte.LeerOpcion());
    const QString empresa = ModGlobal::Cfg(QStringLiteral("NOMBRE"));
    reporte.ImprimirReporte(QStringLiteral("Asientos"), {QString()}, seleccion,
                            ModGlobal::Valores.CadenaODBC,
                            {QStringLiteral("EMPRESA = '") + empresa + u'\'',
                             QStringLiteral("ENQUEMONEDA = '1'"), QString(), QString(), QString()});
    reporte.SetEstadoReporte(10);
}
