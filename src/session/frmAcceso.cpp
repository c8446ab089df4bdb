#include "session/frmAcceso.h"

#include "platform/forms/CajaTexto.h"
#include "platform/forms/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

frmAcceso::frmAcceso() {
    SetCaption(QStringLiteral("Control de Acceso"));
    SetAreaCliente(5850, 2820);
    setFixedSize(size());
    CrearControles();
    OrdenarTabulacion();
    SetBotonPredeterminado(bcAceptar);
    SetBotonCancelar(bcCancelar);
    Conectar(bcAceptar, &QPushButton::clicked, "bcAceptar_Click", [this] {
        Aceptar = true;
        Hide();
    });
    Conectar(bcCancelar, &QPushButton::clicked, "bcCancelar_Click", [this] {
        Aceptar = false;
        Hide();
    });
}

void frmAcceso::CrearControles() {
    framAcceso = new QGroupBox(this);
    Colocar(*framAcceso, 0, 0, 5775, 2340);
    lbUsuario = Etiqueta(QStringLiteral("&Usuario"), 240, 360, 1455, 255);
    TxtUserId = Caja(1920, 240);
    lbcontrasena = Etiqueta(QStringLiteral("&Contraseña"), 240, 720, 1452, 252);
    TxtUserPassword = Caja(1920, 600);
    TxtUserPassword->setEchoMode(QLineEdit::Password);
    TxtUserPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    Label1 = Etiqueta(QStringLiteral("&Base de Datos"), 240, 1200, 1695, 255);
    TxtDbName = Caja(1920, 1080);
    Label2 = Etiqueta(QStringLiteral("&Servidor"), 240, 1560, 1455, 255);
    TxtServidor = Caja(1920, 1440);
    CboPlataformaDB = new QComboBox(framAcceso);
    CboPlataformaDB->addItems({QStringLiteral("SQL Server"), QStringLiteral("ORACLE")});
    Colocar(*CboPlataformaDB, 1905, 1890, 3765, 315);
    bcAceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    Colocar(*bcAceptar, 1440, 2415, 1350, 375);
    bcCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    Colocar(*bcCancelar, 3000, 2415, 1332, 372);
}

QLabel* frmAcceso::Etiqueta(const QString& caption, int left, int top, int width, int height) {
    auto* etiqueta = new QLabel(caption, framAcceso);
    QFont fuente = etiqueta->font();
    fuente.setFamily(QStringLiteral("Courier"));
    etiqueta->setFont(fuente);
    Colocar(*etiqueta, left, top, width, height);
    return etiqueta;
}

CajaTexto* frmAcceso::Caja(int left, int top) {
    auto* caja = new CajaTexto(framAcceso);
    Colocar(*caja, left, top, 3735, 345);
    return caja;
}

// The access key of each label takes the focus to the box that follows it.
void frmAcceso::OrdenarTabulacion() {
    lbUsuario->setBuddy(TxtUserId);
    lbcontrasena->setBuddy(TxtUserPassword);
    Label1->setBuddy(TxtDbName);
    Label2->setBuddy(TxtServidor);
    const QList<QWidget*> orden = {TxtUserId,       TxtUserPassword, TxtDbName, TxtServidor,
                                   CboPlataformaDB, bcAceptar,       bcCancelar};
    for (qsizetype i = 1; i < orden.size(); ++i)
        setTabOrder(orden[i - 1], orden[i]);
}

void frmAcceso::Form_Load() {
    // A window closed from its title bar was not accepted, whatever an earlier showing said.
    Aceptar = false;
    const QRect pantalla = QGuiApplication::primaryScreen()->geometry();
    SetLeft(ATwips(pantalla.width()) / 2 - Width() / 2);
    SetTop(ATwips(pantalla.height()) / 2 - Height() / 2);
}
