#include "platform/errors/ErrorEnCurso.h"

#include <new>

ErrorEjecucion ErrorEnCurso() {
    try {
        throw;
    } catch (const ErrorEjecucion& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return ErrorEjecucion(ErrorMemoriaInsuficiente, QStringLiteral("Memoria insuficiente"));
    } catch (const std::exception& error) {
        return ErrorEjecucion(ErrorInterno, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        return ErrorEjecucion(ErrorInterno, QStringLiteral("Error desconocido"));
    }
}
