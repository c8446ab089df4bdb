#pragma once

#include "entries/Talonarios.h"
#include "session/DemoModGlobal.h"

// The demo company connected as the demo user, the numbering module as a fresh run has it.
class DemoNumeracion : public DemoConectada {
protected:
    void SetUp() override {
        DemoConectada::SetUp();
        ModNumeracion::TalonarioActual = 0;
    }
    void TearDown() override {
        ModNumeracion::TalonarioActual = 0;
        DemoConectada::TearDown();
    }
    // A range of `tipo` for letter X of branch 1 (the other letters unused).
    void Rango(const QString& tipo, int talonario, int desde, int hasta, int ultimo,
               const QString& vence = "NULL", const QString& externo = "'NO'", int modifica = 0) {
        Ejecutar(
            QStringLiteral("INSERT INTO TA_CPTE (CODIGO, TALONARIO, UNEGOCIO, Letras, EXTERNO, "
                           "Modificanumeracion, X_SUC_DEFAULT, X_NRO_DESDE, X_NRO_HASTA, "
                           "X_ULTIMO_NRO, XVence) VALUES ('%1', %2, '   1', 'X', %3, %4, 1, "
                           "%5, %6, %7, %8)")
                .arg(tipo)
                .arg(talonario)
                .arg(externo)
                .arg(modifica)
                .arg(desde)
                .arg(hasta)
                .arg(ultimo)
                .arg(vence));
    }
    std::vector<QString> Textos() const {
        std::vector<QString> textos;
        for (const auto& m : guion.Mensajes)
            textos.push_back(m.Texto);
        return textos;
    }
};
