#pragma once

// The account plan: codes are built from six levels, chapter to sub-account, each with its
// configured number of digits.
namespace ast {

// Digits per level and their total (LeerDigitosPlan).
inline int DigitosCapitulo = 0;
inline int DigitosSubCapitulo = 0;
inline int DigitosRubro = 0;
inline int DigitosSubRubro = 0;
inline int DigitosCuenta = 0;
inline int DigitosSubCuenta = 0;
inline int TotalDigitos = 0;

// The 1-based position of the last character of each level, and the code length
// (LeerPosicionesPlan).
inline int PosicionCapitulo = 0;
inline int PosicionSubCapitulo = 0;
inline int PosicionRubro = 0;
inline int PosicionSubRubro = 0;
inline int PosicionCuenta = 0;
inline int PosicionSubCuenta = 0;
inline int LongitudCodigo = 0;

// Reads the digits of each level from the configuration; an overflowing total raises error 6.
void LeerDigitosPlan();
// Reads the end position of each level from the configuration.
void LeerPosicionesPlan();

} // namespace ast
