#include "session/DialogoErrores.h"

#include "session/DB_Dll.h"

AccionError TratarConDialogo(const ErrorEjecucion& error, const QString& procedimiento) {
    return ComoAccionError(DB_Dll::Instancia().TratamientoErrores(
        error, QVariant(), procedimiento.isEmpty() ? QVariant() : QVariant(procedimiento)));
}

RutinaError DialogoErrores(const QString& rutina) {
    return [rutina](const ErrorEjecucion& error, const QString&) {
        return TratarConDialogo(error, rutina);
    };
}
