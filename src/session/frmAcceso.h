#pragma once

#include "platform/forms/Formulario.h"

class CajaTexto;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// "Control de Acceso": asks for the user, password, database, server and platform of the
// connection. It checks nothing; whoever shows it reads the fields back.
class frmAcceso : public Formulario {
    Q_OBJECT
public:
    frmAcceso();

    // True when the dialog was closed with Aceptar.
    bool Aceptar = false;

    QGroupBox* framAcceso;
    QLabel* lbUsuario;
    CajaTexto* TxtUserId;
    QLabel* lbcontrasena;
    CajaTexto* TxtUserPassword;
    QLabel* Label1;
    CajaTexto* TxtDbName;
    QLabel* Label2;
    CajaTexto* TxtServidor;
    QComboBox* CboPlataformaDB; // 0 "SQL Server", 1 "ORACLE"
    QPushButton* bcAceptar;
    QPushButton* bcCancelar;

protected:
    void Form_Load() override;

private:
    void CrearControles();
    QLabel* Etiqueta(const QString& caption, int left, int top, int width, int height);
    CajaTexto* Caja(int left, int top);
    void OrdenarTabulacion();
};
