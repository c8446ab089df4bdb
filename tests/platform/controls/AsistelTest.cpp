#include "platform/controls/Asistel.h"

#include "support/Apoyo.h"

#include <QAction>
#include <gtest/gtest.h>

using controles::Asistel;

namespace {

class AsistelTest : public ::testing::Test {
protected:
    void SetUp() override {
        barra.Click = [this](const QString& clave) { pulsados << clave; };
    }

    Asistel barra;
    QStringList pulsados;
};

struct CasoTecla {
    int codigo;
    int shift;
    const char* boton; // "" when the key is not a shortcut
};

TEST_F(AsistelTest, ProcesarTeclaPulsaElBotonDeLaTeclaYLaConsume) {
    const CasoTecla casos[] = {
        {116, 0, "CONSULTAR"}, {113, 0, "GRABAR"}, {27, 0, "CERRAR"}, {120, 0, ""},
        {113, 1, ""},          {13, 0, ""},        {65, 0, ""}};
    for (const CasoTecla& caso : casos) {
        pulsados.clear();
        int codigo = caso.codigo;
        barra.ProcesarTecla(codigo, caso.shift);
        const QString boton = QString::fromLatin1(caso.boton);
        EXPECT_EQ(pulsados, boton.isEmpty() ? QStringList() : QStringList(boton)) << caso.codigo;
        EXPECT_EQ(codigo, boton.isEmpty() ? caso.codigo : 0) << caso.codigo;
    }
}

TEST_F(AsistelTest, BotonActivoHabilitaLosBotonesPorPosicion) {
    const char* orden[] = {"NUEVO",  "CONSULTAR", "GRABAR",   "BORRAR",
                           "CERRAR", "REPORTE",   "PLANILLA", "CANCELAR"};
    for (int posicion = 1; posicion <= 8; ++posicion) {
        barra.SetBotonActivo(posicion, false);
        EXPECT_FALSE(barra.Boton(QString::fromLatin1(orden[posicion - 1]))->isEnabled());
        barra.SetBotonActivo(posicion, true);
        EXPECT_TRUE(barra.BotonActivo(posicion));
    }
    EXPECT_EQ(NumeroDeError([&] { barra.SetBotonActivo(9, true); }), 35600);
}

TEST_F(AsistelTest, UnBotonInactivoNoRespondeNiAlClicNiASuTecla) {
    barra.SetBotonActivo3(false);
    int codigo = 113;
    barra.ProcesarTecla(codigo);
    barra.Boton(QStringLiteral("GRABAR"))->trigger();
    EXPECT_EQ(codigo, 113);
    EXPECT_TRUE(pulsados.isEmpty());

    barra.SetBotonActivo3(true);
    barra.Boton(QStringLiteral("GRABAR"))->trigger();
    EXPECT_EQ(pulsados, QStringList({"GRABAR"}));
}

} // namespace
