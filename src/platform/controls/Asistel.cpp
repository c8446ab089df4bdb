#include "platform/controls/Asistel.h"

#include "platform/controls/ErroresControles.h"

#include <QAction>
#include <QStyle>

namespace controles {

namespace {

struct DefinicionBoton {
    const char* clave;
    const char* titulo;
    QStyle::StandardPixmap imagen;
    int tecla; // key code of its shortcut; 0 without one
};

// CONSULTAR, GRABAR and CERRAR carry the keys the program's windows use everywhere: F5 looks
// up, F2 accepts, Esc closes.
const DefinicionBoton Botones[] = {
    {"NUEVO", "Nuevo", QStyle::SP_FileIcon, 0},
    {"CONSULTAR", "[F5] Consultar", QStyle::SP_FileDialogContentsView, 116},
    {"GRABAR", "[F2] Grabar", QStyle::SP_DialogSaveButton, 113},
    {"BORRAR", "Borrar", QStyle::SP_TrashIcon, 0},
    {"CERRAR", "[Esc] Cerrar", QStyle::SP_DialogCloseButton, 27},
    {"REPORTE", "Reporte", QStyle::SP_FileDialogInfoView, 0},
    {"PLANILLA", "Planilla", QStyle::SP_FileDialogDetailedView, 0},
    {"CANCELAR", "Cancelar", QStyle::SP_DialogCancelButton, 0},
};

} // namespace

Asistel::Asistel(QWidget* padre) : QToolBar(padre) {
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const DefinicionBoton& definicion : Botones) {
        const QString clave = QString::fromLatin1(definicion.clave);
        QAction* boton = addAction(style()->standardIcon(definicion.imagen),
                                   QString::fromUtf8(definicion.titulo));
        boton->setData(clave);
        connect(boton, &QAction::triggered, this, [this, clave] {
            if (Click)
                Click(clave);
        });
        botones_.append(boton);
        teclas_.append(definicion.tecla);
    }
}

void Asistel::SetBotonActivo(int posicion, bool activo) {
    BotonEn(posicion)->setEnabled(activo);
}

bool Asistel::BotonActivo(int posicion) const {
    return BotonEn(posicion)->isEnabled();
}

void Asistel::ProcesarTecla(int& KeyCode, int Shift) {
    if (KeyCode == 0 || Shift != 0)
        return;
    const int posicion = teclas_.indexOf(KeyCode);
    if (posicion < 0 || !botones_.at(posicion)->isEnabled())
        return;
    KeyCode = 0;
    botones_.at(posicion)->trigger();
}

QAction* Asistel::Boton(const QString& clave) const {
    for (QAction* boton : botones_)
        if (boton->data().toString() == clave)
            return boton;
    return nullptr;
}

QAction* Asistel::BotonEn(int posicion) const {
    if (posicion < 1 || posicion > botones_.size())
        LanzarErrorControl(errIndiceFueraDeLimites);
    return botones_.at(posicion - 1);
}

} // namespace controles
