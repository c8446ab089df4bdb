#include "platform/dialogs/Dialogos.h"

#include "platform/dialogs/DialogosQt.h"

const QString Dialogos::TituloAplicacion = QStringLiteral("Auditoria");

namespace {

Dialogos* instalado = nullptr;
int preguntasAbiertas = 0;

// Counts a question while it waits for its answer, however the wait ends.
class PreguntaEnCurso {
public:
    PreguntaEnCurso() { ++preguntasAbiertas; }
    ~PreguntaEnCurso() { --preguntasAbiertas; }
    PreguntaEnCurso(const PreguntaEnCurso&) = delete;
    PreguntaEnCurso& operator=(const PreguntaEnCurso&) = delete;
};

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
    PreguntaEnCurso pregunta;
    return MostrarMensaje(texto, botones, TituloODefecto(titulo));
}

bool Dialogos::PreguntaAbierta() {
    return preguntasAbiertas > 0;
}

QString Dialogos::InputBox(const QString& mensaje, const QString& titulo,
                           const QString& predeterminado) {
    PreguntaEnCurso pregunta;
    return PedirTexto(mensaje, TituloODefecto(titulo), predeterminado);
}
