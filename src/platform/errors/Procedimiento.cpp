#include "platform/errors/Procedimiento.h"

#include "platform/errors/ErrorEnCurso.h"

namespace {

enum class Desenlace { Hecho, Fallo, Salida };

Desenlace Intentar(const Paso& paso, std::optional<ErrorEjecucion>& error) {
    try {
        paso();
        return Desenlace::Hecho;
    } catch (const SalidaProcedimiento&) {
        return Desenlace::Salida;
    } catch (const std::exception&) {
        error = ErrorEnCurso();
        return Desenlace::Fallo;
    }
}

ResultadoPasos Ejecutar(const QString& procedimiento, const RutinaError& rutina,
                        const Paso* primero, const Paso* fin) {
    ResultadoPasos resultado;
    for (const Paso* paso = primero; paso != fin;) {
        Desenlace desenlace = Intentar(*paso, resultado.Error);
        if (desenlace == Desenlace::Hecho) {
            ++paso;
            continue;
        }
        AccionError accion =
            desenlace == Desenlace::Salida
                ? AccionError::Abortar
                : ComoAccionError(static_cast<int>(rutina(*resultado.Error, procedimiento)));
        if (accion == AccionError::Abortar) {
            resultado.SalioAntes = true;
            return resultado;
        }
        if (accion == AccionError::Ignorar)
            ++paso;
    }
    return resultado;
}

} // namespace

ResultadoPasos EjecutarPasos(const QString& procedimiento, const RutinaError& rutina,
                             std::initializer_list<Paso> pasos) {
    return Ejecutar(procedimiento, rutina, pasos.begin(), pasos.end());
}

ResultadoPasos EjecutarPasos(const QString& procedimiento, const RutinaError& rutina,
                             const std::vector<Paso>& pasos) {
    return Ejecutar(procedimiento, rutina, pasos.data(), pasos.data() + pasos.size());
}

ResultadoPasos IgnorarErrores(std::initializer_list<Paso> pasos) {
    return EjecutarPasos(QString(), ContinuarSiempre, pasos);
}

AccionError ContinuarSiempre(const ErrorEjecucion&, const QString&) {
    return AccionError::Ignorar;
}

void SalirDelProcedimiento() {
    throw SalidaProcedimiento{};
}
