#pragma once

#include "platform/errors/Procedimiento.h"
#include "platform/files/ArchivoTexto.h"

#include <QString>
#include <functional>
#include <vector>

// One attempt at writing a page file, and the error routine every step of the page runs under.
//
// The operator hears of each error once. While the page file is open the answer goes to the
// failing step (retry it, skip it, or leave the page as far as it got); a page file that failed
// is closed and cannot be resumed, so the attempt ends and the answer decides whether the page
// is written again from the start.
class EscrituraArchivoPagina {
public:
    enum class Desenlace { Escrita, ReintentarArchivo, Abandonada };

    EscrituraArchivoPagina() = default;
    EscrituraArchivoPagina(const EscrituraArchivoPagina&) = delete;
    EscrituraArchivoPagina& operator=(const EscrituraArchivoPagina&) = delete;

    // Runs attempts, each a fresh page, while the operator asks to retry a page file that
    // failed; gives the outcome of the last.
    static Desenlace Repetir(const std::function<Desenlace()>& intento);

    // Opens `ruta`, runs `cuerpo` and closes the page. A page left after an error is closed as
    // far as it got, and shown so.
    Desenlace Escribir(const QString& ruta, const std::vector<Paso>& cuerpo);

    // Steps under the page's error routine.
    ResultadoPasos Pasos(const std::vector<Paso>& pasos);
    // One step under the page's error routine; leaving there leaves the running procedure.
    void Ejecutar(const Paso& paso);
    void Abrir(const QString& ruta);

    bool Fallida() const { return archivoFallido_; }
    Desenlace Resultado() const;
    archivos::ArchivoTexto& Archivo() { return archivo_; }

private:
    AccionError Informar(const ErrorEjecucion& error, const QString& procedimiento);

    archivos::ArchivoTexto archivo_;
    bool archivoFallido_ = false;
    AccionError respuestaArchivo_ = AccionError::Abortar;
    RutinaError rutina_ = [this](const ErrorEjecucion& error, const QString& procedimiento) {
        return Informar(error, procedimiento);
    };
};
