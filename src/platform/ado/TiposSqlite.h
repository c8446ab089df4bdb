#pragma once

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>
#include <vector>

struct sqlite3_stmt;

namespace ado {

struct Columna;
class EscritorDeTextos;
struct TextosDeFilas;

// The data-type code and size that a column declared as `declarado` reports, and the
// decimals of an exact number when the declaration tells them.
int TipoAdo(const QString& declarado, long* tamano, int* escala = nullptr);

// The length a text column (CHAR, VARCHAR and their synonyms) is declared with; 0 for any
// other and for a varying one without a length.
long LargoDeTexto(const QString& declarado);

// The value of a result column, as the callers expect it of that type: dates as
// QDateTime/QDate, bits as bool, fixed-width texts padded with blanks to their width,
// amounts and decimals of up to four places as Currency.
QVariant LeerValor(sqlite3_stmt* stmt, int columna, const Columna& descripcion);

// Reads the dates of one result column. Entries of a day share their date, and turning a
// text into a local date and time costs a time-zone lookup, so each distinct ISO text of
// the column is converted once and its value reused.
class FechasLeidas {
public:
    QVariant Leer(sqlite3_stmt* stmt, int columna, const Columna& descripcion);

private:
    QHash<qint64, QVariant> vistas_;
};

// The current row of the statement appended to `textos` as LeerValor would read it and the
// writer would write it: the texts of text columns straight from the engine's bytes, without
// a value made for each.
void LeerTextosDeFila(sqlite3_stmt* stmt, const QVector<Columna>& columnas,
                      std::vector<FechasLeidas>& fechas, EscritorDeTextos& escritor,
                      TextosDeFilas& textos);

// The type of an expression column, from the first value read.
int TipoDeValor(const QVariant& valor);

// Binds a value to a "?" mark (1-based) in the storage form of the embedded database.
int Vincular(sqlite3_stmt* stmt, int indice, const QVariant& valor);

} // namespace ado
