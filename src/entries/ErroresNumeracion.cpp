#include "entries/ErroresNumeracion.h"

#include "session/DB_Dll.h"

namespace ModNumeracion {

AccionError TratarErrorNumeracion(const ErrorEjecucion& error, const QString& procedimiento) {
    return ComoAccionError(DB_Dll::Instancia().TratamientoErrores(error, {}, procedimiento));
}

} // namespace ModNumeracion
