#pragma once

#include "platform/runtime/Currency.h"
#include "session/ClaveCentros.h"

#include <QString>
#include <QVariant>
#include <array>
#include <utility>
#include <vector>

namespace ado {
class Field;
}

// The statement batch that rewrites a difference entry: its MV_ASIENTOS rows, the application
// to its origin voucher, the origin's state, the line accounts remembered for the next entry
// and the entry's cost-centre rows, which follow their lines. It is built from the entry's
// values alone, so the one road that writes an entry can be checked without a window.
namespace LoteAsiento {

constexpr int NumeroLineas = 12;

// One line of the form: its account box and its two amount boxes.
struct Linea {
    QString Cuenta;
    Currency Debe, Haber;
};

// Stored columns of a row as (column name, SQL literal) pairs.
using Fila = std::vector<std::pair<QString, QString>>;

// A cost-centre row stored with the entry: the line it splits (its account and sequence), its
// share and amount of it, and every column as read, which the batch writes back.
struct FilaCentro {
    QString Cuenta;
    int Secuencia = 0;
    QString CCosto;
    Currency Porcentaje;
    Currency Importe{};
    Fila Columnas{};
};

using ::ClaveCentros;

// The entry as the form holds it when it is saved.
struct Asiento {
    bool EnModificacion = false;
    QString Lado; // the header's side, that of line 1
    std::array<Linea, NumeroLineas> Lineas;
    QString TC, Sucursal, Numero, Letra, Fecha, Periodo, Mes, TipoReg, NumeroAsiento;
    QString Concepto, Motivo, UNegocio, Caja, Usuario, TasaIVA, FechaHora;
    // The origin voucher; a Null origin read with the entry is written back as Null.
    QString Tc_O, Cpte_O;
    bool OrigenNulo = false;
    QString CabCuenta, CabNombre;
    int Estado = 0; // the difference's state, 0 to 4, or whatever was stored
    QString TablaConfiguracion;
    ClaveCentros Clave;
    std::vector<FilaCentro> Centros;
    // Each line's stored row, every column of it; empty for a line the user added. What the
    // form does not show (a bank, a due date, a reconciliation...) is written back as stored.
    std::array<Fila, NumeroLineas> Guardadas;
    // A registration type stored Null is written back Null.
    bool TipoRegNulo = false;
    // The entry was stored without a number: the batch takes the next one of its period, month
    // and type itself, so that it is taken within the transaction that writes the entry.
    bool NumerarEnLote = false;
};

struct Lote {
    // Each statement preceded by a carriage return makes the batch; the first is empty.
    std::vector<QString> Sentencias{QString()};
    // Why nothing may be saved (the user's words); empty when the batch is sound.
    QString Error;
};

Lote Armar(const Asiento& a);

// A stored value as the batch writes it back: Null, a number or amount exactly, a date with its
// time of day, a text quoted.
QString Literal(const QVariant& valor);
// A column of a stored row as the batch writes it back; a fixed-width text without the padding
// it is read with.
QString Guardado(const ado::Field& campo);

// The decimals amounts are shown and typed with, as configured; an amount holds no more than 4.
int DecimalesConfigurados();

// An amount in the user's notation with the configured decimals, or with as many more as it
// holds: a stored amount is shown, and so written back, exactly as stored.
QString ImporteExacto(const Currency& monto);

// What the user is told when the debits differ from the credits.
QString MensajeDesbalance(const Currency& debe, const Currency& haber);

} // namespace LoteAsiento
