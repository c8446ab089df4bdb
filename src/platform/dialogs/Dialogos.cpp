#include "platform/dialogs/Dialogos.h"

#include "platform/dialogs/DialogosQt.h"

const QString Dialogos::TituloAplicacion = QStringLiteral("Auditoria");

namespace {

Dialogos* instalado = nullptr;

const QString& TituloODefecto(const QString& titulo) {
    return titulo.isEmpty() ? Dialogos::TituloAplicacion : titulo;
}

} // namespace

Dialogos& Dialogos::Actual() {
    static DialogosQt qt;
    return instalado ? *instalado : qt;
}

Dialogos* Dialogos::Establecer(Dialogos* dialogos) {
    Dialogos* anterior = instalado;
    instalado = dialogos;
    return anterior;
}

int Dialogos::MsgBox(const QString& texto, int botones, const QString& titulo) {
    return MostrarMensaje(texto, botones, TituloODefecto(titulo));
}

QString Dialogos::InputBox(const QString& mensaje, const QString& titulo,
                           const QString& predeterminado) {
    return PedirTexto(mensaje, TituloODefecto(titulo), predeterminado);
}
