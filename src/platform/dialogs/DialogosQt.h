#pragma once

#include "platform/dialogs/Dialogos.h"

// The service the application runs with: Qt's own dialogs, in Spanish.
class DialogosQt : public Dialogos {
public:
    std::optional<QString> AbrirArchivo(const QString& titulo, const QString& filtro) override;
    std::optional<AjustesImpresora> ElegirImpresora() override;
    std::optional<QDate> ElegirFecha(const QDate& inicial) override;
    void MostrarModal(QWidget& ventana) override;

    // "Description|*.a;*.b|..." as a Qt name filter ("Description (*.a *.b);;...").
    static QString FiltroQt(const QString& filtro);

protected:
    int MostrarMensaje(const QString& texto, int botones, const QString& titulo) override;
    QString PedirTexto(const QString& mensaje, const QString& titulo,
                       const QString& predeterminado) override;
};
