#pragma once

#include "entries/LoteAsiento.h"
#include "platform/errors/Procedimiento.h"
#include "platform/forms/Formulario.h"
#include "platform/runtime/Currency.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class ArregloCajasTexto;
class CajaTexto;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
namespace controles {
class Asistel;
}
namespace ado {
class Recordset;
}

// "Diferencias pendientes": the journal entry of a pending supplier difference (voucher type
// NCPE), twelve lines of account, debit and credit. The window runs no statement: GRABAR
// leaves the entry as a statement batch in SQLTemp, which the caller runs.
class FrmAsientoNDPRoNCPE : public Formulario {
    Q_OBJECT
public:
    FrmAsientoNDPRoNCPE();
    ~FrmAsientoNDPRoNCPE() override;

    QString TC;
    QString Suc;
    QString Nro;
    QString Letra;
    QString Asiento;
    QString Mes;
    QString Periodo;
    QString SQLTemp;
    Currency Tope;
    QString Tc_O;
    QString Cpte_O;
    QString AstNumero;
    QString TasaIVA;
    QString CondIVA;
    QString FechaFac;
    QString UnegFac;

    void Inicializa();
    void DetalleOn(bool Off);
    void CampoValida(CajaTexto& Texto);
    bool DatosValidos();
    void CargarParaModificar(const QString& TComp, const QString& IdCpte);
    // Prepares a new entry for the difference between an invoice and its order: a debit note
    // to the supplier (NDPR, credit side) or a pending credit note grossed up by TasaIVA.
    void GenerarNDPRoNCPE(bool NDPR, const Currency& ImporteFCC, const Currency& ImporteOC,
                          const QString& Proveedor, const QString& Concepto);
    void cmdConsultar();
    void ActualizarDatos();
    void Asistel1_click(const QString& key);
    // False when the entry could not be loaded whole (the user was told why): the window is
    // then not offered for saving, so the stored entry cannot be replaced by part of it.
    bool CargaCompleta() const { return cargaCompleta_; }

    ArregloCajasTexto& txtFields() { return *txtFields_; }
    CajaTexto& Campo(const QString& dataField);
    bool HayError() const { return hayError_; }

    QGroupBox* FrmEnc;
    QComboBox* CmbTC;
    QLabel* lblFields[12];
    QLabel* LblTotalDebe;
    QLabel* LblTotalHaber;
    QLabel* lblDif;
    QCheckBox* chkImprimir;
    QGroupBox* frmMotivo;
    QComboBox* dpdEstadoNuevo;
    QLabel* lblMot;
    controles::Asistel* Asistel1;

protected:
    void Form_Load() override;
    void Form_KeyDown(int& KeyCode, int Shift) override;

private:
    void CrearControles();
    void CrearCabecera();
    void CrearLineas();
    void CrearTotales();
    void CrearMotivo();
    QLabel* Etiqueta(QWidget* contenedor, const QString& caption, int left, int top, int width);
    CajaTexto& Caja(int index, QWidget& contenedor, const QString& dataField, int maxLength,
                    const QString& tag, int left, int top, int width);
    void ConectarEventos();
    void HabilitaDebeHaber();
    void Lado1(const QString& sufijo, bool habilitada, long color);
    bool LeerAsiento(const QString& TComp, const QString& IdCpte);
    void CargarCabecera(ado::Recordset& rs, const QString& IdCpte);
    void CargarLinea(int linea, ado::Recordset& rs);
    bool LadoSinImporte(const QString& TComp, const QString& IdCpte, std::optional<QString>& lado);
    void NoCabe(const QString& TComp, const QString& IdCpte, const QString& motivo);
    void OlvidarAsiento();
    void MostrarEstado(int estado);
    void NumerarNuevo();
    void ImportesNuevos(const Currency& Dif);

    // Field events.
    void txtFields_Change(int Index);
    void txtFields_GotFocus(int Index);
    void txtFields_KeyDown(int Index, int& KeyCode, int Shift);
    void txtFields_KeyPress(int Index, int& KeyAscii);
    void txtFields_Validate(int Index, bool& Cancel);
    void txtFields_LostFocus(int Index);
    Currency Total(const QString& lado) const;
    struct Totales {
        Currency Debe, Haber, Dif;
    };
    std::optional<Totales> TotalesPosibles() const;
    QString FueraDeRango(CajaTexto& caja) const;
    void RechazarCambio(CajaTexto& caja, const QString& motivo);
    void DescartarPegado(CajaTexto& caja);
    void AvisarRechazo(CajaTexto& caja, const QString& motivo);
    bool RechazaTecla(CajaTexto& caja, int KeyAscii);
    CajaTexto* ImporteIncompleto() const;
    void Aceptar(CajaTexto& caja);
    bool RechazaImporte(const QString& dataField) const;
    void Balancear();
    Currency Diferencia() const;

    // Field validation, one check per kind of box; each gives the message of the failure.
    QString ValidaFecha(CajaTexto& caja, const QString& Valor);
    QString ValidaSucursal(CajaTexto& caja, const QString& Valor);
    QString ValidaNumero(CajaTexto& caja, const QString& Valor);
    QString ValidaLetra();
    QString ValidaMotivo(const QString& Valor);
    QString ValidaCuenta(CajaTexto& caja, QString Valor);
    QString ValidaImporte(CajaTexto& caja, const QString& Valor);

    // Toolbar commands and the save.
    void Grabar();
    void Cancelar();
    void EnfocarInicio();
    bool ArmarLote(std::vector<QString>& sentencias);
    LoteAsiento::Asiento ValoresAsiento();
    void ConservarClave(LoteAsiento::Asiento& a);
    int EstadoElegido() const;
    std::vector<LoteAsiento::FilaCentro> LeerCentros();
    bool AvisarDesbalance();

    std::unique_ptr<ArregloCajasTexto> txtFields_;
    QString tComp_;
    QString idCpte_;
    QString FechaElegida;
    QString Lado;
    bool EnModificacion = false;
    bool hayError_ = false;
    QString CabCuenta;
    bool Grabando = false;
    CajaTexto* ControlActivo = nullptr;
    // CondIVA defaulted here rather than given by the caller.
    bool condIvaSupuesta_ = false;
    // The text each box last kept: a change the totals cannot count goes back to it.
    QHash<int, QString> aceptados_;
    // The box whose refused change the user was last told of, and the text it was left with: a
    // further key that still does not fit is refused without telling again.
    CajaTexto* rechazada_ = nullptr;
    QString textoRechazado_;
    // The box where a change was just refused: until the next key, or until the program waits
    // for the user again, what remains of a paste is dropped instead of making another amount.
    CajaTexto* pegadoRechazado_ = nullptr;
    // The amount box, and its text, that Enter or F2 last refused as no amount: leaving it with
    // that text does not tell the user again.
    CajaTexto* avisada_ = nullptr;
    QString textoAvisado_;
    bool cargaCompleta_ = true;
    // What the loaded entry holds that the boxes do not show.
    QString cabNombreCargado_;
    bool origenNulo_ = false;
    int estadoCargado_ = -1;
    LoteAsiento::ClaveCentros claveCentros_;
    bool tipoRegNulo_ = false;
    std::array<LoteAsiento::Fila, LoteAsiento::NumeroLineas> guardadas_;
};
