#pragma once

#include "platform/dialogs/Dialogos.h"

#include <QPointer>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

class QWidget;

// The service tests install: it answers from queues filled beforehand and records what was
// asked, so that no test ever waits on a real dialog. With its queue empty each kind gives
// the answer that costs nothing (the default button, "", cancelled, not accepted) and
// notes that it did in PorDefecto.
class DialogosGuionados : public Dialogos {
public:
    struct Mensaje {
        QString Texto;
        QString Titulo;
        int Botones = 0;
        int Respuesta = 0;
    };
    struct Entrada {
        QString Mensaje;
        QString Titulo;
        QString Predeterminado;
    };
    struct Archivo {
        QString Titulo;
        QString Filtro;
    };
    struct VentanaModal {
        QString Clase;  // the class name of the window
        QString Titulo; // its caption when it was shown
        QPointer<QWidget> Ventana;
    };
    using AccionModal = std::function<void(QWidget& ventana)>;

    // Answers, consumed in order.
    std::deque<int> RespuestasMsgBox;
    std::deque<QString> TextosInputBox;
    std::deque<std::optional<QString>> Archivos;
    std::deque<std::optional<QDate>> Fechas;
    std::deque<bool> ImpresoraAceptada;
    // What an accepted printer dialog chose: the default printer unless a test says otherwise.
    AjustesImpresora ImpresoraElegida{};
    // Run on the next modal windows, one each, while they are shown; a window still
    // visible when its action returns is hidden, as the user would have closed it.
    std::deque<AccionModal> AccionesModales;

    // What was asked, in order.
    std::vector<Mensaje> Mensajes;
    std::vector<Entrada> Entradas;
    std::vector<Archivo> ArchivosPedidos;
    std::vector<VentanaModal> VentanasModales;
    QStringList PorDefecto; // one line per question answered without a queued answer

    std::optional<QString> AbrirArchivo(const QString& titulo, const QString& filtro) override;
    std::optional<AjustesImpresora> ElegirImpresora() override;
    std::optional<QDate> ElegirFecha(const QDate& inicial) override;
    void MostrarModal(QWidget& ventana) override;

protected:
    int MostrarMensaje(const QString& texto, int botones, const QString& titulo) override;
    QString PedirTexto(const QString& mensaje, const QString& titulo,
                       const QString& predeterminado) override;

private:
    template <class T, class D> T Tomar(std::deque<T>& cola, const D& siVacia, const QString& que);
};
