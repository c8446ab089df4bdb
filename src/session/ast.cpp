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
    Plan.DigitosCapitulo = vb::CInt(Digitos("Digitos_Capitulo"));
    Plan.DigitosSubCapitulo = vb::CInt(Digitos("Digitos_SubCapitulo"));
    Plan.DigitosRubro = vb::CInt(Digitos("Digitos_Rubro"));
    Plan.DigitosSubRubro = vb::CInt(Digitos("Digitos_SubRubro"));
    Plan.DigitosCuenta = vb::CInt(Digitos("Digitos_Cuenta"));
    Plan.DigitosSubCuenta = vb::CInt(Digitos("Digitos_SubCuenta"));
    int total = 0;
    for (int digitos : {Plan.DigitosCapitulo, Plan.DigitosSubCapitulo, Plan.DigitosRubro,
                        Plan.DigitosSubRubro, Plan.DigitosCuenta, Plan.DigitosSubCuenta})
        total = SumaEntera(total, digitos);
    Plan.TotalDigitos = total;
}

void LeerPosicionesPlan() {
    Plan.PosicionCapitulo = vb::CInt(Digitos("DIGITOS_CAPITULO"));
    Plan.PosicionSubCapitulo = vb::CInt(Plan.PosicionCapitulo + Digitos("DIGITOS_SUBCAPITULO"));
    Plan.PosicionRubro = vb::CInt(Plan.PosicionSubCapitulo + Digitos("DIGITOS_RUBRO"));
    Plan.PosicionSubRubro = vb::CInt(Plan.PosicionRubro + Digitos("DIGITOS_SUBRUBRO"));
    Plan.PosicionCuenta = vb::CInt(Plan.PosicionSubRubro + Digitos("DIGITOS_CUENTA"));
    Plan.PosicionSubCuenta = vb::CInt(Plan.PosicionCuenta + Digitos("DIGITOS_SUBCUENTA"));
    Plan.LongitudCodigo = Plan.PosicionSubCuenta;
}

} // namespace ast
