#include "session/ClaveComprobante.h"

#include "platform/ado/TokenSql.h"
#include "platform/runtime/Texto.h"
#include "platform/suite/UtilGeneral.h"

namespace {

QString Parte(const QString& prefijo, const char* antes, const QString& valor) {
    return prefijo + QLatin1String(antes) + ado::DoblarApostrofos(valor) + u'\'';
}

QString Relleno(const QString& valor, int ancho) {
    return UtilGeneral::Instancia().Rellenar(valor, ancho);
}

} // namespace

ClaveComprobante ClaveComprobante::DesdeId(const QString& tc, const QString& IdComprobante) {
    return {tc, vb::Mid(IdComprobante, 1, 4), vb::Mid(IdComprobante, 5, 8),
            vb::Mid(IdComprobante, 13, 1)};
}

QString ClaveComprobante::IdComprobante() const {
    return Sucursal + Numero + Letra;
}

ClaveComprobante ClaveComprobante::Rellena() const {
    return {Relleno(TC, 4), Relleno(Sucursal, 4), Relleno(Numero, 8), Relleno(Letra, 4)};
}

ClaveComprobante ClaveComprobante::ConTcRelleno() const {
    return {Relleno(TC, 4), Sucursal, Numero, Letra};
}

QString ClaveComprobante::Condicion(const FormaClave& forma, const QString& prefijo) const {
    const QLatin1String y(forma.Y);
    return Parte(prefijo, forma.TC, TC) + y + Parte(prefijo, forma.Sucursal, Sucursal) + y +
           Parte(prefijo, forma.Numero, Numero) + y + Parte(prefijo, forma.Letra, Letra);
}

QString ClaveComprobante::CondicionId(const char* antesTc, const char* antesId) const {
    return Parte({}, antesTc, TC) + Parte({}, antesId, IdComprobante());
}
