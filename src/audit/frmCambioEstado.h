#pragma once

#include "platform/forms/Formulario.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class ArregloCajasTexto;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;

// "Cambio de Estado": moves a pending difference to another follow-up state and, for the
// state 3, records the purchase motive. The caller sets the properties, shows the dialog
// modally and reads OK.
class frmCambioEstado : public Formulario {
    Q_OBJECT
public:
    frmCambioEstado();
    ~frmCambioEstado() override;

    // The difference's voucher (an NCPE entry), set by the caller.
    QString TC;
    QString Suc;
    QString Numero;
    QString Letra;
    QVariant EstadoAnterior; // "0" to "4", as the list shows it
    QString Tc_Origen;
    QString Cpte_Origen; // branch 4, number 8, letter 1
    QString CabCuenta;
    QString CabNombre;
    // True once Aceptar saved the change.
    bool OK = false;

    // The statements the saving runs between BeginTrans and CommitTrans, in order, for the
    // state and motive chosen now.
    QStringList SentenciasGrabacion() const;

    void CmdAceptar_Click();
    void CmdCancelar_Click();
    void cmdConsultar_Click();

    QGroupBox* Frame1;
    QLabel* Label1;
    QLabel* lblCpte;
    QLabel* Label5;
    QLabel* lblCpteOrigen;
    QLabel* Label2;
    QLabel* lblEstado;
    QLabel* Label3;
    QComboBox* dpdEstadoNuevo;
    QGroupBox* frmMotivo;
    QLabel* Label4;
    QToolButton* cmdConsultar;
    QLabel* lblMot;
    QPushButton* CmdCancelar;
    QPushButton* CmdAceptar;
    ArregloCajasTexto& txtFields() { return *txtFields_; }

protected:
    void Form_Load() override;

private:
    void CrearControles();
    void CrearMotivo();
    QLabel* Etiqueta(QWidget* contenedor, const QString& caption, int left, int top, int width,
                     int height);
    QLabel* Destacado(long colorBGR, int left, int top, int width);
    void dpdEstadoNuevo_Click();
    void txtFields_KeyDown(int Index, int& KeyCode, int Shift);
    bool MotivoValido();
    bool GrabarCambioEstado();
    void ComprobarEstado();
    bool EligioEstadoTres() const;
    QString EstadoNuevo() const;
    QString MotivoElegido() const;

    std::unique_ptr<ArregloCajasTexto> txtFields_;
};
