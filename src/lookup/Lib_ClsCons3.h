#pragma once

#include <QString>

// The lookup controller: one instance serves every lookup of the run. Start-up hands it the
// session's connection and where the query masks live.
class Lib_ClsCons3 {
public:
    // The shared instance, created on first use.
    static Lib_ClsCons3& Instancia();

    // Connection string of the session, handed on to the list window with each lookup.
    QString gConnString;
    // When true, a table or view name is looked up in the query-mask file (if it exists).
    bool gUsarMascarasConsultas = false;
    // Full path of the query-mask file ("consultas.sve" in the program folder).
    QString gRutaMascaraConsultas;
};
