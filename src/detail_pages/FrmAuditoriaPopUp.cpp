#include "detail_pages/FrmAuditoriaPopUp.h"

#include "detail_pages/EnlaceDetalle.h"
#include "platform/ado/TokenSql.h"
#include "platform/browser/Navegador.h"
#include "platform/errors/Procedimiento.h"
#include "platform/files/Carpetas.h"
#include "session/DB_Dll.h"

FrmAuditoriaPopUp::FrmAuditoriaPopUp(QWidget* parent)
    : FrmDetalleDe(QStringLiteral("Detalle de cuenta"), parent) {
    FijarAreaDiseno(7770, 6405);
}

void FrmAuditoriaPopUp::Mostrar(const QString& NombreArchivo, const QVariant& Titulo,
                                const QString& Cuenta, const QVariant& EsHoja,
                                const QString& FhInicio, const QString& FhTope, short eTipoListado,
                                const QVariantList& eUnidadesNegocio,
                                const QVariantList& eCentrosCostos, bool eNormal,
                                const QVariant& eCantidadNiveles) {
    Valores_ = {NombreArchivo,   Titulo,       Cuenta,           EsHoja,         FhInicio,
                FhTope,          eTipoListado, eUnidadesNegocio, eCentrosCostos, QVariant(eNormal),
                eCantidadNiveles};
    PrepararPagina(QStringLiteral("AuditoriaPopUp.htm"));
    EscribirHojaEstilo();
    MostrarPagina();
}

// Nothing writes the page yet: without it the window shows an empty page rather than the
// browser's complaint about a missing file.
void FrmAuditoriaPopUp::MostrarPagina() {
    if (archivos::ExisteArchivo(ArchivoPagina())) {
        Navegar(ArchivoPagina());
        return;
    }
    IgnorarErrores({
        [this] { wbExplorer().SetFullScreen(true); },
        [this] { wbExplorer().Navigate(QStringLiteral("about:blank")); },
        [this] { wbExplorer().SetTheaterMode(false); },
    });
}

void FrmAuditoriaPopUp::wbExplorer_BeforeNavigate2(const QString& URL, bool& Cancel) {
    using namespace EnlaceDetalle;
    const Destino d = Enrutar(Manejador::PopUp, URL);
    Cancel = d.Cancel;
    if (d.Abre == Ventana::CuentaPopUp)
        BuscarCuenta(d.Cuenta);
    else
        Abrir(d);
}

void FrmAuditoriaPopUp::BuscarCuenta(const QString& Cuenta) {
    QString sql = QStringLiteral("select  descripcion, titulo from MA_CUENTAS where codigo='") +
                  ado::DoblarApostrofos(Cuenta) + u'\'';
    DB_Dll::Instancia().AbrirRecordset(sql, rsCuenta_, nullptr, ado::adOpenForwardOnly,
                                       ado::adLockReadOnly, -1, true);
    if (rsCuenta_.State() != ado::adStateClosed && !rsCuenta_.Eof())
        MostrarPagina();
}

void FrmAuditoriaPopUp::Form_Unload(bool& Cancel) {
    IgnorarErrores({[this] { DB_Dll::Instancia().CierraRecordset(rsCuenta_); }});
    FrmDetalle::Form_Unload(Cancel);
}
