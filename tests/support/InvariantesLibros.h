#pragma once

#include "platform/runtime/Currency.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// A whole database as text: every table's columns and rows, each row its values joined, the
// rows sorted. Two photos are equal exactly when every table holds the same rows.
struct FotoBase {
    struct Tabla {
        QStringList Columnas; // upper case
        QStringList Filas;    // values joined with Separador, Null as Nulo; sorted
        bool operator==(const Tabla&) const = default;
    };
    static inline const QChar Separador = u'\x1f';
    static inline const QString Nulo = QStringLiteral("\x01NULL");

    bool operator==(const FotoBase&) const = default;

    QMap<QString, Tabla> Tablas; // by upper-case name
};

struct sqlite3;

// Takes photos of a database through a read-only connection of its own, which sees only what
// was committed. Nothing committed since the last photo gives that photo again, unread.
class Fotografo {
public:
    explicit Fotografo(const QString& archivo);
    ~Fotografo();
    Fotografo(const Fotografo&) = delete;
    Fotografo& operator=(const Fotografo&) = delete;

    FotoBase Tomar();

private:
    sqlite3* db_ = nullptr;
    qint64 version_ = -1;
    FotoBase ultima_;
};

// The books' invariants, checked around one step of a user (or of another connection) on the
// two roads that write accounting data: the state change and the rewrite of a difference's
// entry.
namespace InvariantesLibros {

// The difference a step acted on, as its link named it.
struct Diferencia {
    QString Sucursal, Numero, Letra; // of the NCPE voucher
    QString TcOrigen, CpteOrigen;    // the origin voucher, its 13-character key
};

// The entry form as the save read it: each line's account, debit and credit boxes, the
// concept, the motive and the state picked (empty: none, the stored one stays); and the lines
// whose amounts the user typed or the form worked out (line 12 balancing the entry): every other
// line keeps its stored amount to the last stored decimal.
struct Formulario {
    std::array<std::array<QString, 3>, 12> Lineas;
    QString Concepto, Motivo, Estado;
    std::array<bool, 12> Tecleadas{};
};

struct Paso {
    std::optional<Diferencia> Actuada; // none: the step may change nothing at all
    // Whether the list the user acted on still showed the difference's stored state.
    bool ListaFresca = true;
    // A cancelled, refused or failed step: every table must stay as it was.
    bool DebeQuedarIgual = false;
    // A save of the acted-on difference that went through: its stored rows must be what the
    // form showed, and every column the form does not show as it was before.
    std::optional<Formulario> Grabado = std::nullopt;
};

// An amount as the form shows it and a user in Spanish (Argentina) writes it: "." groups
// thousands by threes, "," comes before up to four decimals ("12," is twelve); a blank box is 0.
// Nothing for any other text, a part of an amount ("-", "1.", "1.5") included.
std::optional<Currency> ImporteMostrado(const QString& texto);

// What one photo holds that it should not, one stable line per broken invariant: unbalanced
// NCPE entries and gaps in their sequence, repeated applications or applications of another
// amount than the header line, cost-centre rows of no line or that do not add up to it, a
// journal entry key held by two vouchers, accounts outside the chart, a header amount other
// than the entry's debit total, more than one VAT row, a first row without its supplier's
// account or name, an origin whose ESTADO does not follow its difference.
QStringList Violaciones(const FotoBase& foto);

// What the step broke: the violations present after it and absent before, a state 3 left
// through a stale list, any change outside the acted-on difference's own rows, any change at
// all by a step that had to change nothing, and a save that wrote other than the form showed:
// other rows or columns, a first row without the entry's supplier, a line not typed into
// without its stored amount.
QStringList Introducidas(const FotoBase& antes, const FotoBase& despues, const Paso& paso);

// What saving an entry again, as it was stored, changed beyond the save's own time, user and
// cash box and the line accounts remembered for the next new entry: nothing, or a few rows per
// table.
QStringList Regrabado(const FotoBase& antes, const FotoBase& despues);

} // namespace InvariantesLibros
