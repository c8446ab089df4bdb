#pragma once

#include "platform/ado/Errors.h"
#include "platform/ado/Resultado.h"

#include <QHash>
#include <array>
#include <sql.h>
#include <sqlext.h>

namespace ado {

// `n` characters of a buffer the driver filled, never past its end.
template <size_t N> QString Leido(const SQLWCHAR (&s)[N], qsizetype n) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(s),
                              qBound<qsizetype>(0, n, qsizetype(N) - 1));
}

// Every diagnostic record of a handle, as the server sent them: its native number (208,
// 2627 ...) and SQLSTATE are what callers test; `origen` names the driver that gave them.
// False when the driver had none to give.
bool Diagnosticos(SQLSMALLINT tipo, SQLHANDLE h, Errors& errores, const QString& origen,
                  const QString& prefijo = {});

// The data-type code callers see for a column the driver describes; money (scale 4 at the
// server's money precisions) reads as Currency.
int TipoAdoDeOdbc(SQLSMALLINT tipoSql, SQLULEN tamano, SQLSMALLINT escala);

// A value the driver gave as text, as its column's type reads it: amounts and decimals of up
// to four places exactly as Currency (a double only where Currency cannot hold them),
// datetimes with their milliseconds.
QVariant ValorDeTextoOdbc(const QString& texto, const Columna& columna);

// The datetimes of one read. Entries of a day share their date, and turning a text into a
// local date and time costs a time-zone lookup, so each distinct text is converted once and
// its value reused.
class FechasOdbc {
public:
    QVariant Leer(const QString& texto);

private:
    QHash<QString, QVariant> vistas_;
};

// The values of one read. A list repeats its days, kinds of entry, branches and states row
// after row: each column keeps the values of the last few texts it gave, and a repeated text
// costs neither a copy nor a conversion. A column whose first values never repeat (numbers,
// amounts) is not looked up any more.
class ValoresOdbc {
public:
    explicit ValoresOdbc(qsizetype columnas) : recientes_(size_t(qMax<qsizetype>(columnas, 0))) {}
    // Puts the value of `texto` into `valor`, the column's place in the row being read. A row
    // read over the last one keeps, untouched, the text it already shares with the one kept.
    void Leer(qsizetype columna, QStringView texto, const Columna& descripcion, QVariant& valor);

private:
    struct Reciente {
        bool hay = false; // an empty text is a value of its own, not a free place
        QString texto;
        QVariant valor;
    };
    struct Recientes {
        std::array<Reciente, 4> valores;
        size_t siguiente = 0;
        int vistos = 0;
        bool repetidos = false;
    };
    std::vector<Recientes> recientes_;
    FechasOdbc fechas_;
};

// One column of the current row, fetched as text so that exact numbers (money, decimals)
// reach the program as the server wrote them; null for SQL NULL. False when the driver
// failed.
bool LeerValorOdbc(SQLHSTMT stmt, SQLUSMALLINT columna, const Columna& descripcion, QVariant& valor,
                   ValoresOdbc& valores);

} // namespace ado
