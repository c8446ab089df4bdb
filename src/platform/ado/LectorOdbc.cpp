#include "platform/ado/LectorOdbc.h"

#include <algorithm>
#include <sqlext.h>

namespace ado {
namespace {

// Room for a value as text: what the driver declares of the column, within bounds that keep a
// block small; a value that does not fit is asked for again, whole.
SQLLEN Ancho(const Columna& c) {
    return std::clamp<SQLLEN>(SQLLEN(c.tamano) + 4, 40, 1024);
}

SQLPOINTER Entero(SQLULEN n) {
    return reinterpret_cast<SQLPOINTER>(n);
}

} // namespace

LectorOdbc::LectorOdbc(SQLHSTMT stmt, const QVector<Columna>& columnas, SQLULEN filasPorBloque)
    : stmt_(stmt), columnas_(columnas), valores_(columnas.size()),
      filasPorBloque_(std::min(filasPorBloque, kFilasPorBloque)) {
    enBloques_ = filasPorBloque_ > 0 && Vincular();
}

bool LectorOdbc::Vincular() {
    enBloques_ = true;
    estados_.assign(filasPorBloque_, SQL_ROW_NOROW);
    vinculos_.resize(size_t(columnas_.size()));
    bool ok =
        SQLSetStmtAttr(stmt_, SQL_ATTR_ROW_BIND_TYPE, Entero(SQL_BIND_BY_COLUMN), 0) ==
            SQL_SUCCESS &&
        SQLSetStmtAttr(stmt_, SQL_ATTR_ROW_ARRAY_SIZE, Entero(filasPorBloque_), 0) == SQL_SUCCESS &&
        SQL_SUCCEEDED(SQLSetStmtAttr(stmt_, SQL_ATTR_ROW_STATUS_PTR, estados_.data(), 0)) &&
        SQL_SUCCEEDED(SQLSetStmtAttr(stmt_, SQL_ATTR_ROWS_FETCHED_PTR, &traidas_, 0));
    for (size_t c = 0; ok && c < vinculos_.size(); ++c) {
        Vinculo& v = vinculos_[c];
        v.ancho = Ancho(columnas_[qsizetype(c)]);
        v.textos.resize(size_t(v.ancho) * filasPorBloque_);
        v.largos.resize(filasPorBloque_);
        ok = SQL_SUCCEEDED(SQLBindCol(stmt_, SQLUSMALLINT(c + 1), SQL_C_WCHAR, v.textos.data(),
                                      v.ancho * SQLLEN(sizeof(SQLWCHAR)), v.largos.data()));
    }
    if (!ok)
        Soltar();
    return ok;
}

void LectorOdbc::Soltar() {
    if (!enBloques_)
        return;
    enBloques_ = false;
    SQLFreeStmt(stmt_, SQL_UNBIND);
    SQLSetStmtAttr(stmt_, SQL_ATTR_ROW_ARRAY_SIZE, Entero(1), 0);
    SQLSetStmtAttr(stmt_, SQL_ATTR_ROW_STATUS_PTR, nullptr, 0);
    SQLSetStmtAttr(stmt_, SQL_ATTR_ROWS_FETCHED_PTR, nullptr, 0);
}

FilasEnCurso::Lectura LectorOdbc::Leer(QVector<QVariant>& fila, Errors& errores,
                                       const QString& origen) {
    if (!enBloques_) {
        const SQLRETURN rc = SQLFetch(stmt_);
        if (rc == SQL_NO_DATA)
            return FilasEnCurso::Fin;
        bool ok = SQL_SUCCEEDED(rc);
        fila.resize(columnas_.size());
        for (int c = 0; ok && c < fila.size(); ++c)
            ok = LeerValorOdbc(stmt_, SQLUSMALLINT(c + 1), columnas_[c], fila[c], valores_);
        if (ok)
            return FilasEnCurso::Fila;
        Diagnosticos(SQL_HANDLE_STMT, stmt_, errores, origen);
        return FilasEnCurso::Fallo;
    }
    while (siguiente_ >= buenas_) {
        if (fallo_.Count()) {
            for (int i = 0; i < fallo_.Count(); ++i)
                errores.Add(fallo_.Item(i));
            return FilasEnCurso::Fallo;
        }
        if (fin_)
            return FilasEnCurso::Fin;
        Traer(origen);
    }
    if (!LeerDelBloque(fila)) {
        Diagnosticos(SQL_HANDLE_STMT, stmt_, errores, origen);
        return FilasEnCurso::Fallo;
    }
    ++siguiente_;
    return FilasEnCurso::Fila;
}

// The driver's messages are taken at once: reading a value again whole would clear them.
void LectorOdbc::Traer(const QString& origen) {
    traidas_ = buenas_ = siguiente_ = 0;
    std::fill(estados_.begin(), estados_.end(), SQLUSMALLINT(SQL_ROW_NOROW));
    const SQLRETURN rc = SQLFetch(stmt_);
    if (rc == SQL_NO_DATA) {
        fin_ = true;
        return;
    }
    const SQLULEN traidas = std::min<SQLULEN>(traidas_, filasPorBloque_);
    while (buenas_ < traidas &&
           (estados_[buenas_] == SQL_ROW_SUCCESS || estados_[buenas_] == SQL_ROW_SUCCESS_WITH_INFO))
        ++buenas_;
    if (!SQL_SUCCEEDED(rc) || buenas_ < traidas)
        Diagnosticos(SQL_HANDLE_STMT, stmt_, fallo_, origen);
}

// A single row is the one the driver is on already.
bool LectorOdbc::EnLaFila() {
    return filasPorBloque_ == 1 || SQL_SUCCEEDED(SQLSetPos(stmt_, SQLSETPOSIROW(siguiente_ + 1),
                                                           SQL_POSITION, SQL_LOCK_NO_CHANGE));
}

bool LectorOdbc::LeerDelBloque(QVector<QVariant>& fila) {
    fila.resize(columnas_.size());
    QVariant* const enFila = fila.data();
    for (qsizetype c = 0; c < fila.size(); ++c) {
        const Vinculo& v = vinculos_[size_t(c)];
        const SQLLEN largo = v.largos[siguiente_];
        if (largo == SQL_NULL_DATA) {
            enFila[c] = QVariant();
        } else if (largo >= 0 && largo < v.ancho * SQLLEN(sizeof(SQLWCHAR))) {
            const auto* texto = reinterpret_cast<const char16_t*>(v.textos.data()) +
                                qsizetype(siguiente_) * v.ancho;
            valores_.Leer(c, QStringView(texto, largo / SQLLEN(sizeof(SQLWCHAR))), columnas_[c],
                          enFila[c]);
        } else if (!EnLaFila() ||
                   !LeerValorOdbc(stmt_, SQLUSMALLINT(c + 1), columnas_[c], enFila[c], valores_)) {
            return false;
        }
    }
    return true;
}

} // namespace ado
