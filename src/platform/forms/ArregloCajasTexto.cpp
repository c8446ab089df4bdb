#include "platform/forms/ArregloCajasTexto.h"

#include "platform/errors/ErrorEjecucion.h"

namespace {

constexpr long ErrorElementoInexistente = 340;

[[noreturn]] void ElementoInexistente(const QString& nombre, const QString& elemento) {
    throw ErrorEjecucion(ErrorElementoInexistente,
                         QStringLiteral("El elemento '%1' de la matriz de controles '%2' no existe")
                             .arg(elemento, nombre));
}

} // namespace

ArregloCajasTexto::ArregloCajasTexto(QString nombre) : nombre_(std::move(nombre)) {}

ArregloCajasTexto::~ArregloCajasTexto() {
    for (const auto& [index, caja] : cajas_)
        if (caja)
            caja->QuitarManejadores();
}

CajaTexto& ArregloCajasTexto::Agregar(int index, QWidget& contenedor) {
    auto* caja = new CajaTexto(&contenedor);
    caja->setObjectName(nombre_);
    caja->index_ = index;
    Conectar(*caja, index);
    cajas_[index] = caja;
    return *caja;
}

// The box's own handlers pass the event on with the index; the guard is already the box's.
void ArregloCajasTexto::Conectar(CajaTexto& caja, int index) {
    caja.GotFocus = [this, index] {
        if (GotFocus)
            GotFocus(index);
    };
    caja.LostFocus = [this, index] {
        if (LostFocus)
            LostFocus(index);
    };
    caja.Change = [this, index] {
        if (Change)
            Change(index);
    };
    caja.KeyDown = [this, index](int& keyCode, int shift) {
        if (KeyDown)
            KeyDown(index, keyCode, shift);
    };
    caja.KeyPress = [this, index](int& keyAscii) {
        if (KeyPress)
            KeyPress(index, keyAscii);
    };
    caja.Validate = [this, index](bool& cancel) {
        if (Validate)
            Validate(index, cancel);
    };
}

CajaTexto& ArregloCajasTexto::operator[](int index) const {
    auto encontrada = cajas_.find(index);
    if (encontrada == cajas_.end() || !encontrada->second)
        ElementoInexistente(nombre_, QString::number(index));
    return *encontrada->second;
}

CajaTexto& ArregloCajasTexto::Campo(const QString& dataField) const {
    int index = Indice(dataField);
    if (index < 0)
        ElementoInexistente(nombre_, dataField);
    return *cajas_.at(index);
}

int ArregloCajasTexto::Indice(const QString& dataField) const {
    for (const auto& [index, caja] : cajas_)
        if (caja && caja->DataField().compare(dataField, Qt::CaseInsensitive) == 0)
            return index;
    return -1;
}

int ArregloCajasTexto::LBound() const {
    return cajas_.empty() ? 0 : cajas_.begin()->first;
}

int ArregloCajasTexto::UBound() const {
    return cajas_.empty() ? -1 : cajas_.rbegin()->first;
}
