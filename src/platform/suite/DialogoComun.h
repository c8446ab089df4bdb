#pragma once

#include "platform/dialogs/Dialogos.h"

#include <QString>
#include <optional>

// The file-open and printer dialogs, shown through the dialog service. Set the title and
// filter, show the dialog, then read what the user did.
class DialogoComun {
public:
    static DialogoComun& Instancia();

    void SetTituloDialogo(const QString& titulo) { titulo_ = titulo; }
    // "Description|*.ext|Description|*.a;*.b".
    void SetFiltroDialogo(const QString& filtro) { filtro_ = filtro; }

    void MostrarAbrir();
    // The path chosen in the last file dialog; "" when it was cancelled.
    const QString& ArchivoElegido() const { return archivo_; }
    // True when the user cancelled the last file dialog.
    bool DialogoCancelado() const { return cancelado_; }

    // An accepted printer dialog also makes its choice the printer in use for the run, the
    // one reports print on.
    void MostrarImpresora();
    bool ImpresoraAceptada() const { return impresora_.has_value(); }
    // The settings accepted in this object's last printer dialog.
    const std::optional<AjustesImpresora>& Impresora() const { return impresora_; }
    // The settings of the last printer dialog accepted by any object; nothing before the
    // first one.
    static const std::optional<AjustesImpresora>& ImpresoraEnUso();

private:
    QString titulo_;
    QString filtro_;
    QString archivo_;
    bool cancelado_ = false;
    std::optional<AjustesImpresora> impresora_;
};
