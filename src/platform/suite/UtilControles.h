#pragma once

#include <QString>

class ArregloCajasTexto;
class QWidget;

// Key handling and control-array helpers for edit fields.
class UtilControles {
public:
    static UtilControles& Instancia();

    // The index of the element bound to the DataField, compared without regard to case; -1
    // when no element has it, which the array itself then refuses as an index (error 340).
    int IndiceCampo(const QString& dataField, const ArregloCajasTexto& arreglo) const;
    // True for the key that confirms a field and moves on: Enter.
    bool TipoTecla(int keyCode) const;
    // Moves the focus from `desde` (the focused control when none is given) to the next one in
    // tab order that can take it, and swallows the key (0) when it did. Naming the control
    // matters after a modal window: its own window may not be active again yet.
    void PasarFoco(int& keyCode, QWidget* desde = nullptr) const;
    // The same filter for every edit field: printable characters pass, and so do Backspace,
    // Enter and Esc; any other control character is cancelled (0).
    void FiltrarTecla(const QWidget& control, int& keyAscii) const;
    // Empties every text box of the window that belongs to the named control array (its name
    // compared without regard to case).
    void LimpiarControles(QWidget& ventana, const QString& arreglo) const;
    // The decimal separator in use.
    QString SeparadorDecimal() const;
};
