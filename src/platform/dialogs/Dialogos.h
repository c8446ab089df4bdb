#pragma once

#include "platform/dialogs/CodigosMsgBox.h"

#include <QDate>
#include <QString>
#include <optional>

class QWidget;

// What the user chose in the printer dialog, in a form the report printer can apply to
// its own QPrinter.
struct AjustesImpresora {
    QString Impresora;     // printer name; empty with output to a file
    QString ArchivoSalida; // PDF file when the user chose to print to a file
    int Copias = 1;
    int DesdePagina = 0; // 0 and 0: every page
    int HastaPagina = 0;
    bool Horizontal = false;
};

// Everything that asks the user something or shows a window modally goes through the
// current instance of this service, so that tests can answer in place of the user.
class Dialogos {
public:
    // The title a message or input box gets when the caller gives none.
    static const QString TituloAplicacion;

    virtual ~Dialogos() = default;

    // The service in use; the Qt dialogs unless another one was installed.
    static Dialogos& Actual();
    // Installs a service (not owned) and gives back the one it replaces; nullptr brings
    // back the Qt dialogs.
    static Dialogos* Establecer(Dialogos* dialogos);

    // Buttons, icon and default button as message box codes; the answer is the code of
    // the button pressed.
    int MsgBox(const QString& texto, int botones = vbOKOnly, const QString& titulo = {});
    // True while a message or input box waits for its answer (of any service).
    static bool PreguntaAbierta();
    // The text typed, or "" when the user cancelled.
    QString InputBox(const QString& mensaje, const QString& titulo = {},
                     const QString& predeterminado = {});
    // `filtro` is "Description|*.ext|Description|*.a;*.b"; the path chosen, or nothing
    // when the user cancelled.
    virtual std::optional<QString> AbrirArchivo(const QString& titulo, const QString& filtro) = 0;
    // The printer settings when the user accepted the dialog.
    virtual std::optional<AjustesImpresora> ElegirImpresora() = 0;
    // A calendar starting at `inicial` (today when null); nothing when cancelled.
    virtual std::optional<QDate> ElegirFecha(const QDate& inicial = {}) = 0;
    // Shows the window and returns once it is hidden again (or destroyed).
    virtual void MostrarModal(QWidget& ventana) = 0;

protected:
    virtual int MostrarMensaje(const QString& texto, int botones, const QString& titulo) = 0;
    virtual QString PedirTexto(const QString& mensaje, const QString& titulo,
                               const QString& predeterminado) = 0;
};

// Installs a service for the life of the object and puts the previous one back.
class DialogosEnUso {
public:
    explicit DialogosEnUso(Dialogos& dialogos) : anterior_(Dialogos::Establecer(&dialogos)) {}
    ~DialogosEnUso() { Dialogos::Establecer(anterior_); }
    DialogosEnUso(const DialogosEnUso&) = delete;
    DialogosEnUso& operator=(const DialogosEnUso&) = delete;

private:
    Dialogos* anterior_;
};

// The message and input boxes of the current service, as the windows call them.
inline int MsgBox(const QString& texto, int botones = vbOKOnly, const QString& titulo = {}) {
    return Dialogos::Actual().MsgBox(texto, botones, titulo);
}
inline QString InputBox(const QString& mensaje, const QString& titulo = {},
                        const QString& predeterminado = {}) {
    return Dialogos::Actual().InputBox(mensaje, titulo, predeterminado);
}
