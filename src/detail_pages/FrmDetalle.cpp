#include "detail_pages/FrmDetalle.h"

#include "audit/clsAuditoria_HTM.h"
#include "platform/browser/Navegador.h"
#include "platform/errors/Procedimiento.h"
#include "platform/forms/CodigosTecla.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/Texto.h"
#include "platform/suite/UtilGeneral.h"
#include "platform/suite/UtilSistema.h"
#include "session/ModGlobal.h"

#include <QtGlobal>

FrmDetalle::FrmDetalle(const QString& Caption, QWidget* parent) : Formulario(parent) {
    SetCaption(Caption);
    SetAreaCliente(8895, 6750);
    SetKeyPreview(true);
    wbExplorer_ = Navegador::Crear(this);
    wbExplorer_->BeforeNavigate2 = [this](const QString& URL, bool& Cancel) {
        ProtegerEvento(QStringLiteral("%1.wbExplorer_BeforeNavigate2")
                           .arg(QString::fromLatin1(metaObject()->className())),
                       [&] { wbExplorer_BeforeNavigate2(URL, Cancel); });
    };
    Colocar(*wbExplorer_->Control(), 0, 0, 8895 - 130, 6750 - 410);
}

FrmDetalle::~FrmDetalle() {
    // The browser outlives nothing of the window: no navigation may reach a window half gone.
    wbExplorer_->BeforeNavigate2 = nullptr;
}

void FrmDetalle::wbExplorer_BeforeNavigate2(const QString& /*URL*/, bool& /*Cancel*/) {}

void FrmDetalle::FijarAreaDiseno(int AnchoTwips, int AltoTwips) {
    SetAreaCliente(AnchoTwips, AltoTwips);
}

// ---- Events -------------------------------------------------------------------------------

void FrmDetalle::Form_Load() {
    ModGlobal::IniciarSesion(false, QString(), QString(), 3);
    UtilGeneral::Instancia().IniciarFormulario(*this);
}

void FrmDetalle::Form_Resize() {
    if (isMinimized())
        return;
    QWidget& explorador = *wbExplorer_->Control();
    // A window made smaller than its frame gives no negative size: the browser just vanishes.
    explorador.setGeometry(0, explorador.y(), qMax(0, APixeles(Width() - 130)),
                           qMax(0, APixeles(Height() - 410)));
}

void FrmDetalle::Form_KeyDown(int& KeyCode, int /*Shift*/) {
    if (KeyCode != vbKeyCancel)
        return;
    bool cancel = false;
    Form_Unload(cancel);
}

void FrmDetalle::Form_Unload(bool& /*Cancel*/) {
    IgnorarErrores({
        [this] { Hide(); },
        [this] {
            // Only the shared instance is dropped from the shared slot; a further instance is
            // let go by itself, so that hidden windows do not pile up.
            if (EsInstanciaPredeterminada())
                LiberarInstanciaPredeterminada();
            else
                deleteLater();
        },
    });
}

// ---- The page -----------------------------------------------------------------------------

void FrmDetalle::PrepararPagina(const QString& NombrePagina) {
    QString carpeta = qEnvironmentVariable("TEMP");
    if (vb::Trim(carpeta).isEmpty())
        carpeta = UtilSistema::Instancia().CarpetaTemporal();
    Carpeta_ = UtilGeneral::Instancia().NormalizarRuta(carpeta);
    Archivo_ = Carpeta_ + NombrePagina;
}

void FrmDetalle::EscribirHojaEstilo() {
    if (!Escritor_)
        Escritor_ = std::make_unique<clsAuditoria_HTM>();
    Escritor_->writeStyleCSS(Carpeta_);
}

void FrmDetalle::Mostrar(const QString& Prefijo, const QString& iTC, const QString& iSucursal,
                         const QString& iNumero, const QString& iLetra, const QString& NombrePagina,
                         const EscritorPagina& Generar) {
    // The caller shows the window afterwards whatever happened here: a failure is told to the
    // operator, whose answer decides whether the step is retried, skipped or the rest left.
    // Another voucher is shown from its top; the same one again where the user had it.
    bool otro = true;
    EjecutarPasos(QStringLiteral("Mostrar"), suite::TratarError,
                  {
                      [&] { PrepararPagina(NombrePagina); },
                      [&] {
                          const QString titulo =
                              Prefijo + iTC + u' ' + iSucursal + iNumero + iLetra;
                          otro = titulo != Caption();
                          SetCaption(titulo);
                      },
                      [&] { EscribirHojaEstilo(); },
                      [&] { Generar(Archivo_); },
                      [&] { Navegar(Archivo_, otro); },
                  });
}

void FrmDetalle::Navegar(const QString& ArchivoPagina, bool DesdeArriba) {
    IgnorarErrores({
        [this] { wbExplorer_->SetFullScreen(true); },
        [this, &ArchivoPagina, DesdeArriba] {
            wbExplorer_->NavegarArchivo(ArchivoPagina, DesdeArriba);
        },
        [this] { wbExplorer_->SetTheaterMode(false); },
    });
}
