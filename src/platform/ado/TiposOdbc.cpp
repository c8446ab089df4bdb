#include "platform/ado/TiposOdbc.h"

#include "platform/ado/AdoTipos.h"
#include "platform/ado/ErroresSqlite.h"
#include "platform/ado/FechaIso.h"
#include "platform/runtime/Currency.h"

#include <QDateTime>

namespace ado {
namespace {

int TipoTexto(SQLSMALLINT tipoSql) {
    switch (tipoSql) {
    case SQL_CHAR:
        return adChar;
    case SQL_WCHAR:
        return adWChar;
    case SQL_VARCHAR:
        return adVarChar;
    case SQL_LONGVARCHAR:
        return adLongVarChar;
    case SQL_WLONGVARCHAR:
        return adLongVarWChar;
    default:
        return adVarWChar;
    }
}

// The date alone when the time cannot be read, as before the fraction was kept.
QDateTime Fecha(const QString& texto) {
    const QDateTime dt = FechaIso(texto);
    return dt.isValid() ? dt
                        : QDateTime(QDate::fromString(texto.left(10), Qt::ISODate), QTime(0, 0));
}

QVariant Importe(const QString& texto, int escala) {
    if (escala >= 0 && escala <= 4) {
        if (const auto importe = Currency::DesdeTextoSql(texto.trimmed()))
            return importe->AVariant();
        // Beyond an amount's range a double would lose digits the server sent.
        if (const auto exacto = Currency::TextoFueraDeRango(texto))
            return *exacto;
    }
    return texto.trimmed().toDouble();
}

} // namespace

QVariant ValorDeTextoOdbc(const QString& texto, const Columna& c) {
    switch (c.tipo) {
    case adChar:
    case adWChar:
        return texto.leftJustified(int(c.tamano), ' ');
    case adBoolean:
        return texto.trimmed() != QLatin1String("0");
    case adSmallInt:
    case adInteger:
    case adTinyInt:
    case adUnsignedTinyInt:
        return texto.trimmed().toInt();
    case adBigInt:
        return texto.trimmed().toLongLong();
    case adCurrency:
        return Importe(texto, 4);
    case adNumeric:
        return Importe(texto, c.escala);
    case adDouble:
    case adSingle:
        return texto.trimmed().toDouble();
    case adDBTimeStamp:
    case adDBDate:
        return Fecha(texto);
    default:
        return texto;
    }
}

int TipoAdoDeOdbc(SQLSMALLINT tipoSql, SQLULEN tamano, SQLSMALLINT escala) {
    switch (tipoSql) {
    case SQL_BIT:
        return adBoolean;
    case SQL_TINYINT:
        return adUnsignedTinyInt;
    case SQL_SMALLINT:
        return adSmallInt;
    case SQL_INTEGER:
        return adInteger;
    case SQL_BIGINT:
        return adBigInt;
    case SQL_REAL:
        return adSingle;
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return adDouble;
    case SQL_DECIMAL:
    case SQL_NUMERIC:
        return escala == 4 && (tamano == 19 || tamano == 10) ? adCurrency : adNumeric;
    case SQL_TYPE_TIMESTAMP:
    case SQL_DATETIME:
        return adDBTimeStamp;
    case SQL_TYPE_DATE:
        return adDBDate;
    case SQL_TYPE_TIME:
        return adDBTime;
    default:
        return TipoTexto(tipoSql);
    }
}

QVariant FechasOdbc::Leer(const QString& texto) {
    const auto vista = vistas_.constFind(texto);
    if (vista != vistas_.constEnd())
        return *vista;
    if (vistas_.size() >= 4096) // time stamps rarely repeat: keep the memory bounded
        vistas_.clear();
    return *vistas_.insert(texto, Fecha(texto));
}

namespace {

constexpr int kSinRepetir = 64;

// Whether `a` holds the very characters of the text `b` holds, so that assigning one to the
// other would change nothing.
bool MismoTexto(const QVariant& a, const QVariant& b) {
    const QMetaType texto = QMetaType::fromType<QString>();
    if (a.metaType() != texto || b.metaType() != texto)
        return false;
    const auto* x = static_cast<const QString*>(a.constData());
    const auto* y = static_cast<const QString*>(b.constData());
    return x->constData() == y->constData() && x->size() == y->size();
}

} // namespace

void ValoresOdbc::Leer(qsizetype columna, QStringView texto, const Columna& descripcion,
                       QVariant& valor) {
    Recientes& rs = recientes_[size_t(columna)];
    const bool buscar = rs.repetidos || rs.vistos < kSinRepetir;
    if (buscar) {
        for (const Reciente& r : rs.valores)
            if (r.hay && r.texto == texto) {
                rs.repetidos = true;
                if (!MismoTexto(valor, r.valor))
                    valor = r.valor;
                return;
            }
        ++rs.vistos;
    }
    QString propio = texto.toString();
    const bool fecha = descripcion.tipo == adDBTimeStamp || descripcion.tipo == adDBDate;
    valor = fecha ? fechas_.Leer(propio) : ValorDeTextoOdbc(propio, descripcion);
    if (buscar) {
        rs.valores[rs.siguiente] = {true, std::move(propio), valor};
        rs.siguiente = (rs.siguiente + 1) % rs.valores.size();
    }
}

bool Diagnosticos(SQLSMALLINT tipo, SQLHANDLE h, Errors& errores, const QString& origen,
                  const QString& prefijo) {
    const int antes = errores.Count();
    for (SQLSMALLINT i = 1;; ++i) {
        SQLWCHAR estado[6] = {};
        SQLINTEGER nativo = 0;
        SQLWCHAR mensaje[2048];
        SQLSMALLINT largo = 0;
        if (!SQL_SUCCEEDED(SQLGetDiagRecW(tipo, h, i, estado, &nativo, mensaje,
                                          SQLSMALLINT(std::size(mensaje)), &largo)))
            break;
        const QString sqlState = Leido(estado, 5);
        const long numero =
            sqlState.startsWith(QLatin1String("08")) ? E_FAIL_ : DB_E_ERRORSINCOMMAND_;
        errores.Add(ErrorDe(origen, numero, nativo, sqlState, prefijo + Leido(mensaje, largo)));
    }
    if (errores.Count() > antes)
        return true;
    errores.Add(ErrorDe(origen, E_FAIL_, 0, QStringLiteral("HY000"),
                        prefijo + QStringLiteral("Error del controlador ODBC.")));
    return false;
}

bool LeerValorOdbc(SQLHSTMT stmt, SQLUSMALLINT columna, const Columna& descripcion, QVariant& valor,
                   ValoresOdbc& valores) {
    QString texto; // only a value longer than one piece is put together here
    SQLWCHAR trozo[1024];
    for (;;) {
        SQLLEN largo = 0;
        const SQLRETURN rc = SQLGetData(stmt, columna, SQL_C_WCHAR, trozo, sizeof trozo, &largo);
        if (rc == SQL_NO_DATA)
            break;
        if (!SQL_SUCCEEDED(rc))
            return false;
        if (largo == SQL_NULL_DATA) {
            valor = QVariant();
            return true;
        }
        const qsizetype enTrozo = largo == SQL_NO_TOTAL || largo >= SQLLEN(sizeof trozo)
                                      ? qsizetype(sizeof trozo / sizeof(SQLWCHAR) - 1)
                                      : qsizetype(largo / sizeof(SQLWCHAR));
        const QStringView leido(reinterpret_cast<const char16_t*>(trozo), enTrozo);
        if (rc == SQL_SUCCESS && texto.isEmpty()) {
            valores.Leer(columna - 1, leido, descripcion, valor);
            return true;
        }
        texto += leido;
        if (rc == SQL_SUCCESS)
            break;
    }
    valores.Leer(columna - 1, texto, descripcion, valor);
    return true;
}

} // namespace ado
