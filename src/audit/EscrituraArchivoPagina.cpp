#include "audit/EscrituraArchivoPagina.h"

#include "platform/suite/UtilGeneral.h"

namespace {

const QString kProcedimiento = QStringLiteral("Generar");

} // namespace

EscrituraArchivoPagina::Desenlace
EscrituraArchivoPagina::Repetir(const std::function<Desenlace()>& intento) {
    for (;;) {
        const Desenlace desenlace = intento();
        if (desenlace != Desenlace::ReintentarArchivo)
            return desenlace;
    }
}

EscrituraArchivoPagina::Desenlace
EscrituraArchivoPagina::Escribir(const QString& ruta, const std::vector<Paso>& cuerpo) {
    std::vector<Paso> pasos{[&] { Abrir(ruta); }};
    pasos.insert(pasos.end(), cuerpo.begin(), cuerpo.end());
    pasos.push_back([&] { archivo_.Cerrar(); });
    if (Pasos(pasos).SalioAntes && !archivoFallido_)
        IgnorarErrores({[&] { archivo_.Cerrar(); }});
    return Resultado();
}

ResultadoPasos EscrituraArchivoPagina::Pasos(const std::vector<Paso>& pasos) {
    return EjecutarPasos(kProcedimiento, rutina_, pasos);
}

void EscrituraArchivoPagina::Ejecutar(const Paso& paso) {
    if (Pasos({paso}).SalioAntes)
        SalirDelProcedimiento();
}

void EscrituraArchivoPagina::Abrir(const QString& ruta) {
    archivo_.Abrir(ruta, archivos::ArchivoTexto::Modo::Privada);
}

EscrituraArchivoPagina::Desenlace EscrituraArchivoPagina::Resultado() const {
    if (!archivoFallido_)
        return Desenlace::Escrita;
    return respuestaArchivo_ == AccionError::Reintentar ? Desenlace::ReintentarArchivo
                                                        : Desenlace::Abandonada;
}

AccionError EscrituraArchivoPagina::Informar(const ErrorEjecucion& error,
                                             const QString& procedimiento) {
    const AccionError accion = UtilGeneral::Instancia().TratarError(error, procedimiento);
    if (archivo_.Abierto())
        return accion;
    archivoFallido_ = true;
    respuestaArchivo_ = accion;
    return AccionError::Abortar;
}
