#pragma once

#include <QString>

class QWidget;

// What the library knows of the machine: who and where the program runs, and the screen.
class UtilSistema {
public:
    static UtilSistema& Instancia();

    // The workstation's host name.
    QString IdentidadEquipo() const;
    // The login name of the user running the program.
    QString IdentidadUsuario() const;
    // A folder for temporary files (asked when TEMP is blank: the system's one).
    QString CarpetaTemporal() const;
    // Brings the window back inside the screen it is on, shrinking it when it is larger.
    void AjustarFormulario(QWidget& ventana) const;
};
