#pragma once

#include "audit/ConsultaDiferencias.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/Formulario.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

class ArregloCajasTexto;
class CajaTexto;
class Navegador;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class clsAuditoria_HTM;
namespace controles {
class StatusBar;
}

// The program's main window: the filters of the pending differences, the list page in the
// embedded browser, and the actions behind the page's links.
class frmAuditoria : public Formulario {
    Q_OBJECT
public:
    explicit frmAuditoria(QWidget* parent = nullptr);
    ~frmAuditoria() override;

    // Checks one filter field; sets ErrorCampo.
    void CampoValida(CajaTexto& Texto);
    void ImprimirAsientos(const QString& TC, const QString& Sucursal, const QString& Numero,
                          const QString& Letra, const QString& Mes_Operativo,
                          const QString& AsientoActual, const QVariant& Periodo);
    void CmdActualizar_Click();
    void cmdClose_Click();
    // The browser's link handler: cancels the navigation of the page's command links and
    // performs their action.
    void wbExplorer_BeforeNavigate2(const QString& URL, bool& Cancel);

    // Controls, for the window's own code and for tests.
    ArregloCajasTexto& txtFields() { return *txtFields_; }
    QListWidget& lstEstados() { return *lstEstados_; }
    Navegador& wbExplorer() { return *wbExplorer_; }
    QPushButton& CmdActualizar() { return *CmdActualizar_; }
    QPushButton& cmdClose() { return *cmdClose_; }
    QGroupBox& frmEncabezado() { return *frmEncabezado_; }
    controles::StatusBar& StatusBar1() { return *StatusBar1_; }
    const QString& RutaInforme() const { return RutaInforme_; }
    const QString& CarpetaInforme() const { return CarpetaInforme_; }
    bool ErrorCampo() const { return ErrorCampo_; }
    // Whether pages of the list shown are still being written.
    bool PaginasPorEscribir() const;

protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;
    void Form_Resize() override;
    void Form_KeyDown(int& KeyCode, int Shift) override;

private:
    void CrearControles();
    void CrearFiltros();
    void CrearBotones();
    void ConectarEventos();
    void OrdenarTabulacion();
    CajaTexto& CampoPorNombre(const QString& DataField) const;
    QString ObtenerTitulo() const;
    void AsignarDatos();
    bool FechasValidas();
    void AbrirTabla(const QString& Tabla);
    void ConsultarCampo();
    void Navegar(const QString& Ruta, bool DesdeArriba = false);
    void RefrescarLista();
    void EscribirLista(const FiltrosDiferencias& filtros);
    void MostrarLista(bool DesdeArriba);
    void EscribirPaginaSiguiente();
    void CompletarLista();
    void ListaTerminada();
    void wbExplorer_DocumentComplete();
    void NotarPagina(const QString& URL);
    void CerrarVentana();
    void txtFields_GotFocus(int Index);
    void txtFields_LostFocus(int Index);
    void txtFields_KeyDown(int Index, int& KeyCode, int Shift);
    void txtFields_KeyPress(int Index, int& KeyAscii);
    // Link actions (the dispatcher).
    void CambiarEstado(const QString& URL);
    void AbrirOrigen(const QString& URL);
    void VerAsiento(const QString& URL);
    void Modificar(const QString& URL);
    void IrAPagina(const QString& URL);

    QGroupBox* frmEncabezado_ = nullptr;
    std::unique_ptr<ArregloCajasTexto> txtFields_;
    QListWidget* lstEstados_ = nullptr;
    QPushButton* CmdActualizar_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    controles::StatusBar* StatusBar1_ = nullptr;
    Navegador* wbExplorer_ = nullptr;
    QTimer* Paginador_ = nullptr; // writes the list's later pages while the window waits

    QString TablaActiva;
    QString CarpetaInforme_;
    QString RutaInforme_;
    ado::Recordset rsTabla;
    ado::Recordset rsModificar; // the dispatcher's own, for the modify link's existence check
    int IndiceActivo = 0;
    CajaTexto* CampoActivo = nullptr;
    bool ErrorCampo_ = false;
    bool EnAccion_ = false; // a link's action is under way
    int PaginaLista_ = 1;   // the page of the list the browser was last sent to
    std::optional<FiltrosDiferencias> FiltrosLista_; // those of the list last written
    std::unique_ptr<clsAuditoria_HTM> Escritor;
};
