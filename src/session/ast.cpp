#include "session/ast.h"

#include "platform/runtime/Numeros.h"
#include "session/ModGlobal.h"

#include <QString>

namespace ast {
namespace {

// A level's digit count as configured: the leading number of the value, 0 when there is none.
double Digitos(const char* clave) {
    return vb::Val(ModGlobal::Cfg(QString::fromLatin1(clave)));
}

// Integer arithmetic of 16 bits: leaving its range is an overflow.
int SumaEntera(int a, int b) {
    return vb::CInt(double(a) + double(b));
}

} // namespace

void LeerDigitosPlan() {
    DigitosCapitulo = vb::CInt(Digitos("Digitos_Capitulo"));
    DigitosSubCapitulo = vb::CInt(Digitos("Digitos_SubCapitulo"));
    DigitosRubro = vb::CInt(Digitos("Digitos_Rubro"));
    DigitosSubRubro = vb::CInt(Digitos("Digitos_SubRubro"));
    DigitosCuenta = vb::CInt(Digitos("Digitos_Cuenta"));
    DigitosSubCuenta = vb::CInt(Digitos("Digitos_SubCuenta"));
    int total = 0;
    for (int digitos : {DigitosCapitulo, DigitosSubCapitulo, DigitosRubro, DigitosSubRubro,
                        DigitosCuenta, DigitosSubCuenta})
        total = SumaEntera(total, digitos);
    TotalDigitos = total;
}

void LeerPosicionesPlan() {
    PosicionCapitulo = vb::CInt(Digitos("DIGITOS_CAPITULO"));
    PosicionSubCapitulo = vb::CInt(PosicionCapitulo + Digitos("DIGITOS_SUBCAPITULO"));
    PosicionRubro = vb::CInt(PosicionSubCapitulo + Digitos("DIGITOS_RUBRO"));
    PosicionSubRubro = vb::CInt(PosicionRubro + Digitos("DIGITOS_SUBRUBRO"));
    PosicionCuenta = vb::CInt(PosicionSubRubro + Digitos("DIGITOS_CUENTA"));
    PosicionSubCuenta = vb::CInt(PosicionCuenta + Digitos("DIGITOS_SUBCUENTA"));
    LongitudCodigo = PosicionSubCuenta;
}

} // namespace ast
