#pragma once

#include "cost_centres/ClsCCosto.h"
#include "platform/forms/Formulario.h"
#include "platform/runtime/Reparto.h"

#include <QString>
#include <vector>

class CajaTexto;
namespace ado {
class Recordset;
}
class QComboBox;
class QLabel;
class QPushButton;
namespace controles {
class FlexGrid;
}

// "Confirmación de Centros de Costo": how the amount of one journal line is split over cost
// centres, one grid row per cost centre, for the user to confirm or correct. The cost-centre
// script uses one fresh instance per pending line.
class FrmConfirmaCCosto : public Formulario, public ConfirmacionCCosto {
    Q_OBJECT
public:
    FrmConfirmaCCosto();
    ~FrmConfirmaCCosto() override;

    QString CuentaCC;
    // The SECUENCIA of the line split, when the caller knows it.
    QString SecuenciaCC;

    // ---- What the cost-centre script asks of the dialog ----
    void CargarCcostos(const QString& Cuenta, const Currency& Importe, const QString& Dist,
                       const QString& CCostoActual) override;
    void FijarSecuencia(const QString& Secuencia) override { SecuenciaCC = Secuencia; }
    bool gHayCCostos() const override { return hayCCostos_; }
    void FijarTitulo(const QString& Titulo) override;
    bool Pideconfirmacion() override;
    void MostrarModal() override;
    bool gCancelar() const override { return cancelar_; }
    void FijarCancelar(bool Cancelar) override { cancelar_ = Cancelar; }
    QString SCriptCCosto(const QString& Periodo, const QString& NumeroAsiento, const QString& DH,
                         const QString& TipoReg, const QString& Moneda, const QString& Fecha,
                         const QString& Secuencia) override;

    void MSFLEX_InicializaCC();
    // The grid filled from CCOSTO and PORCENTAJE rows, the line split in their proportion;
    // untouched when there is no row.
    void CargarCcostosEdit(ado::Recordset& Rs);
    // Judges the edit box's text for the column its DataField names; a refusal is told to the
    // user and leaves ErrorValidacion set.
    void CampoValida(CajaTexto& Texto);
    // Every row's cost centre checked again; false at the first refused one.
    bool ValidaGrilla();
    // The shares and amounts added to Porc and Importe; true when the amounts make the line
    // exactly and the shares 100.
    bool Validato(Currency& Porc, Currency& Importe);
    // Sets the edit box up for a grid column: the column's name and the longest text it takes.
    void TextPropiedades(CajaTexto& Texto, int Columna);
    void CmdAceptar_Click();
    void CmdCancelar_Click();
    // The cost-centre lookup, for the edit box set up for the cost-centre column.
    void cmdConsultar_Click();

    QLabel* LblTitulo;
    QLabel* lblCuenta;
    QLabel* lblImporte;
    QLabel* LblMensaje;
    QComboBox* cboTablasDist;
    controles::FlexGrid* FgCCosto;
    CajaTexto* txtEdit2;
    QPushButton* CmdAceptar;
    QPushButton* CmdCancelar;
    QPushButton* cmdConsultar;

protected:
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_Unload(bool& cancel) override;

private:
    void CrearControles();
    void Inicializa();
    void CargarTablasDist();
    void cboTablasDist_Click();
    QString ConsultaPropia(const QString& Cuenta) const;
    void MostrarCuenta(const QString& Cuenta, const Currency& Importe);
    void AgregarFila(const QString& CCosto, const QString& Porcentaje);
    void RepartirImportes();
    // The line split in the proportion of stored rows, one grid row each from the first.
    void RepartirComoGuardadas(const std::vector<FilaRepartida>& Filas);
    std::vector<FilaCCosto> FilasDeLaLinea(const QString& CCostoActual) const;
    Currency ImporteDeFila(int Fila, const Currency& Porcentaje) const;
    void SeleccionarTabla(const QString& Item);
    bool CargarDelGuion(const QString& CCostoActual, const Currency& Importe);
    bool ConfirmacionPedida() const;
    Currency Total() const;
    Currency Linea() const;
    // The script's amounts into the rows loaded from it, when they make the line.
    bool ImportesDelGuion(const std::vector<FilaCCosto>& Filas);
    QString MotivoPorcentaje(const QString& V, bool ConCodigo, bool PorSuImporte = false) const;
    bool ConCodigo() const;
    bool RechazarPorcentaje(const QString& V);
    bool RechazarImporte(const QString& V);
    QString MotivoImporte(const QString& V) const;
    bool ConcuerdaConPorcentaje(int Fila, int Filas) const;
    void RevisarImporte(int Fila);
    bool ImportesConcuerdan();
    void RevisarPorcentaje(int Fila);
    bool RechazarCCosto(const QString& V);
    void Rechazar(const QString& Mensaje);
    bool FilaUsada(int Fila) const;
    bool SoloImporte(int Fila) const;

    // ---- Cell editing: one box floats over the current cell ----
    void ConectarEdicion();
    void MsflexGridEdt(int KeyAscii);
    void AbrirCaja(const QString& Texto, int SelStart);
    void MsflexKey(int& KeyCode);
    void Renumerar();
    void EditKeyCode(int KeyCode);
    void txtEdit2_KeyDown(int& KeyCode);
    void txtEdit2_KeyPress(int& KeyAscii);
    void FgCCosto_Configurar();
    // The box's text goes into its cell, only while the box is shown and only when it passes
    // the checks; the box is hidden either way.
    void Devolver();
    // The open edit finished before the dialog is accepted: written into its cell when it
    // passes the checks; refused, it stays open with its message and the dialog with it.
    bool TerminarEdicion();
    // The checks on the box's text; a refusal leaves the row's cells as they were.
    bool Juzgar();
    void OcultarCaja();
    void SiguienteFila();
    void MostrarFilaCortada();

    bool hayCCostos_ = false;
    bool cancelar_ = false;
    bool ErrorValidacion = false;
};

// Makes the cost-centre script confirm its splits through this dialog.
void InstalarConfirmacionCCosto();
