#pragma once

#include <QList>
#include <QToolBar>
#include <functional>

class QAction;

namespace controles {

// The suite's toolbar: eight buttons, each known by its key text, in this order: NUEVO,
// CONSULTAR, GRABAR, BORRAR, CERRAR, REPORTE, PLANILLA, CANCELAR. BotonActivo1 to
// BotonActivo8 enable them by that position. Pressing an enabled button, or its shortcut key
// through ProcesarTecla (F5 CONSULTAR, F2 GRABAR, Esc CERRAR), raises Click with its key text.
class Asistel : public QToolBar {
public:
    explicit Asistel(QWidget* padre = nullptr);

    void SetBotonActivo(int posicion, bool activo);
    bool BotonActivo(int posicion) const;
    void SetBotonActivo1(bool activo) { SetBotonActivo(1, activo); }
    void SetBotonActivo2(bool activo) { SetBotonActivo(2, activo); }
    void SetBotonActivo3(bool activo) { SetBotonActivo(3, activo); }
    void SetBotonActivo4(bool activo) { SetBotonActivo(4, activo); }
    void SetBotonActivo5(bool activo) { SetBotonActivo(5, activo); }
    void SetBotonActivo6(bool activo) { SetBotonActivo(6, activo); }
    void SetBotonActivo7(bool activo) { SetBotonActivo(7, activo); }
    void SetBotonActivo8(bool activo) { SetBotonActivo(8, activo); }

    // Receives the window's keys: an unshifted shortcut of an enabled button presses it and
    // is consumed (KeyCode becomes 0); every other key is left as it came.
    void ProcesarTecla(int& KeyCode, int Shift = 0);

    // Kept for the common window set-up; the bar looks the same in every style.
    int StyleBar() const { return estilo_; }
    void SetStyleBar(int estilo) { estilo_ = estilo; }

    // The button with that key text; null when there is none.
    QAction* Boton(const QString& clave) const;

    std::function<void(const QString& clave)> Click;

private:
    QAction* BotonEn(int posicion) const;

    QList<QAction*> botones_;
    QList<int> teclas_;
    int estilo_ = 0;
};

} // namespace controles
