#include "dobles/DialogosGuionados.h"

#include <QWidget>

template <class T, class D>
T DialogosGuionados::Tomar(std::deque<T>& cola, const D& siVacia, const QString& que) {
    if (cola.empty()) {
        PorDefecto << que;
        cola.emplace_back(siVacia);
    }
    T valor = std::move(cola.front());
    cola.pop_front();
    return valor;
}

int DialogosGuionados::MostrarMensaje(const QString& texto, int botones, const QString& titulo) {
    int respuesta = Tomar(RespuestasMsgBox, RespuestaPredeterminada(botones),
                          QStringLiteral("MsgBox: ") + texto);
    Mensajes.push_back({texto, titulo, botones, respuesta});
    return respuesta;
}

QString DialogosGuionados::PedirTexto(const QString& mensaje, const QString& titulo,
                                      const QString& predeterminado) {
    Entradas.push_back({mensaje, titulo, predeterminado});
    return Tomar(TextosInputBox, QString(), QStringLiteral("InputBox: ") + mensaje);
}

std::optional<QString> DialogosGuionados::AbrirArchivo(const QString& titulo,
                                                       const QString& filtro) {
    ArchivosPedidos.push_back({titulo, filtro});
    return Tomar(Archivos, std::nullopt, QStringLiteral("AbrirArchivo: ") + titulo);
}

std::optional<AjustesImpresora> DialogosGuionados::ElegirImpresora() {
    if (Tomar(ImpresoraAceptada, false, QStringLiteral("ElegirImpresora")))
        return ImpresoraElegida;
    return std::nullopt;
}

std::optional<QDate> DialogosGuionados::ElegirFecha(const QDate&) {
    return Tomar(Fechas, std::nullopt, QStringLiteral("ElegirFecha"));
}

void DialogosGuionados::MostrarModal(QWidget& ventana) {
    VentanasModales.push_back(
        {QString::fromLatin1(ventana.metaObject()->className()), ventana.windowTitle(), &ventana});
    QPointer<QWidget> vigilada(&ventana);
    ventana.show();
    ventana.activateWindow();
    AccionModal accion = Tomar(AccionesModales, AccionModal(),
                               QStringLiteral("MostrarModal: ") + VentanasModales.back().Clase);
    if (accion)
        accion(ventana);
    if (vigilada)
        vigilada->hide();
}
