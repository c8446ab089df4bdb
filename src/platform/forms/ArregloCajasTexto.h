#pragma once

#include "platform/forms/CajaTexto.h"

#include <QPointer>
#include <functional>
#include <map>

// A control array of text boxes (txtFields): elements by index, or by the DataField they
// are bound to, compared without regard to case. The array's events carry the index of
// the element that raised them.
class ArregloCajasTexto {
public:
    explicit ArregloCajasTexto(QString nombre = QStringLiteral("txtFields"));
    // The elements' handlers point back at the array, which therefore stays where it is.
    ArregloCajasTexto(const ArregloCajasTexto&) = delete;
    ArregloCajasTexto& operator=(const ArregloCajasTexto&) = delete;
    // The elements forget the array, which goes before they do.
    ~ArregloCajasTexto();

    std::function<void(int index)> GotFocus;
    std::function<void(int index)> LostFocus;
    std::function<void(int index)> Change;
    std::function<void(int index, int& keyCode, int shift)> KeyDown;
    std::function<void(int index, int& keyAscii)> KeyPress;
    std::function<void(int index, bool& cancel)> Validate;

    // Creates the element `index` inside `contenedor`, which owns it.
    CajaTexto& Agregar(int index, QWidget& contenedor);

    // An index or DataField with no element raises error 340.
    CajaTexto& operator[](int index) const;
    CajaTexto& Campo(const QString& dataField) const;
    // The index bound to the DataField, or -1.
    int Indice(const QString& dataField) const;

    int Count() const { return static_cast<int>(cajas_.size()); }
    int LBound() const;
    int UBound() const;
    // The elements in index order.
    const std::map<int, QPointer<CajaTexto>>& Elementos() const { return cajas_; }

private:
    void Conectar(CajaTexto& caja, int index);

    QString nombre_;
    std::map<int, QPointer<CajaTexto>> cajas_;
};
