#pragma once

// The account plan: codes are built from six levels, chapter to sub-account, each with its
// configured number of digits.
namespace ast {

// The digits of each level and their total (LeerDigitosPlan); the 1-based position of the
// last character of each level, and the code length (LeerPosicionesPlan).
struct EstructuraPlanCuentas {
    int DigitosCapitulo = 0;
    int DigitosSubCapitulo = 0;
    int DigitosRubro = 0;
    int DigitosSubRubro = 0;
    int DigitosCuenta = 0;
    int DigitosSubCuenta = 0;
    int TotalDigitos = 0;

    int PosicionCapitulo = 0;
    int PosicionSubCapitulo = 0;
    int PosicionRubro = 0;
    int PosicionSubRubro = 0;
    int PosicionCuenta = 0;
    int PosicionSubCuenta = 0;
    int LongitudCodigo = 0;
};

// The session's account plan, as read last.
inline EstructuraPlanCuentas Plan;

// Reads the digits of each level from the configuration; an overflowing total raises error 6.
void LeerDigitosPlan();
// Reads the end position of each level from the configuration.
void LeerPosicionesPlan();

} // namespace ast
