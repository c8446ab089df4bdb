#pragma once

// What an error routine answers, and so what the trapping procedure does next. The values
// are the answers of the Abort/Retry/Ignore message box, so a routine can hand back the
// button the operator pressed.
enum class AccionError : int {
    Abortar = 3,    // leave the procedure
    Reintentar = 4, // run the failing step again
    Ignorar = 5,    // go on with the step after the failing one
};

// Any answer that is not retry or ignore (Cancel, Yes, No, 0...) leaves the procedure.
constexpr AccionError ComoAccionError(int respuesta) {
    if (respuesta == static_cast<int>(AccionError::Reintentar))
        return AccionError::Reintentar;
    if (respuesta == static_cast<int>(AccionError::Ignorar))
        return AccionError::Ignorar;
    return AccionError::Abortar;
}
