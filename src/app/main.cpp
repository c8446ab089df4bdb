#include "audit/frmAuditoria.h"
#include "cost_centres/FrmConfirmaCCosto.h"
#include "detail_pages/FabricaVentanas.h"
#include "entries/FormularioAsiento.h"
#include "platform/browser_engine/NavegadorWeb.h"
#include "platform/dialogs/CodigosMsgBox.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/dialogs/TraduccionQt.h"
#include "platform/errors/GuardiaEventos.h"
#include "platform/runtime/Locale.h"

#include <QApplication>

namespace {

// An error that no procedure trapped ends its event, never the program: the operator is told
// what happened and where.
void InformarError(const ErrorEjecucion& error, const QString& evento) {
    MsgBox(QStringLiteral("Se produjo un error inesperado en %1.\n\nError %2: %3")
               .arg(evento)
               .arg(error.Number())
               .arg(error.Description()),
           vbCritical, QStringLiteral("Auditoria - Error"));
}

} // namespace

// The session comes on the command line ("@Server=...;@DbName=...;"), which the main window
// reads when it loads.
int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication aplicacion(argc, argv);
    Locale::Iniciar();
    TraduccionQt::Instalar();
    NavegadorWeb::Instalar();
    InstalarInformeErrores(InformarError);
    InstalarVentanasDetalle();
    InstalarFormularioAsiento();
    InstalarConfirmacionCCosto();
    Instancia<frmAuditoria>().Show();
    return aplicacion.exec();
}
