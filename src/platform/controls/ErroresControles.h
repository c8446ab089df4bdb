#pragma once

// Run-time errors the controls raise, with the numbers the windows' error routines expect.
namespace controles {

enum NumeroErrorControl {
    errValorPropiedad = 380,  // a property given a value it cannot take
    errIndicePropiedad = 381, // a grid cell or column outside the grid
    errIndiceFueraDeLimites = 35600,
    errElementoNoEncontrado = 35601,
    errClaveRepetida = 35602,
};

[[noreturn]] void LanzarErrorControl(NumeroErrorControl numero);

} // namespace controles
