#include "support/LecturaQueFalla.h"

#include <sqlite3.h>

namespace {

LecturaQueFalla* activa = nullptr;

} // namespace

LecturaQueFalla::LecturaQueFalla() {
    activa = this;
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(&LecturaQueFalla::Conectada));
}

LecturaQueFalla::~LecturaQueFalla() {
    sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(&LecturaQueFalla::Conectada));
    activa = nullptr;
}

int LecturaQueFalla::Conectada(sqlite3* db, const char**, const void*) {
    sqlite3_set_authorizer(db, &LecturaQueFalla::Autorizar, nullptr);
    return SQLITE_OK;
}

void LecturaQueFalla::Armar(const QString& tabla, int saltear) {
    tabla_ = tabla;
    saltear_ = saltear;
    fallo_ = false;
    lecturas_.clear();
}

int LecturaQueFalla::Autorizar(void*, int accion, const char* tabla, const char*, const char*,
                               const char*) {
    return activa ? activa->Autorizar(accion, tabla) : SQLITE_OK;
}

// A statement announces what it is before the columns and functions it uses: a read counts
// only when the statement, or the subquery it sits in, selects.
int LecturaQueFalla::Autorizar(int accion, const char* tabla) {
    if (accion == SQLITE_FUNCTION)
        return SQLITE_OK;
    if (accion != SQLITE_READ) {
        accion_ = accion;
        leidas_.clear();
        return SQLITE_OK;
    }
    const QString leida = QString::fromUtf8(tabla ? tabla : "");
    if (accion_ != SQLITE_SELECT || leidas_.contains(leida))
        return SQLITE_OK;
    leidas_ << leida; // one count per statement and table, whatever its columns
    lecturas_ << leida;
    if (saltear_ < 0 || leida.compare(tabla_, Qt::CaseInsensitive) != 0 || saltear_-- > 0)
        return SQLITE_OK;
    fallo_ = true;
    return SQLITE_DENY;
}
