#include "entries/GenerarSentenciaSQL.h"

#include "support/Apoyo.h"

#include <gtest/gtest.h>

using ModGlobal::CampoValor;
using ModNumeracion::GenerarSentenciaSQL;

namespace {

TEST(GenerarSentenciaSQL, InsercionEnElOrdenDeLasColumnasYReinicioDeLaLista) {
    std::vector<CampoValor> campos{{"Cuenta", "'1.1.01'"}, {"TC", "'NCPE'"}};
    std::vector<QString> sentencias{""};
    QString condicion;
    GenerarSentenciaSQL(campos, sentencias, "MV_APLICACION", false, condicion, false);
    ASSERT_EQ(sentencias.size(), 2u);
    EXPECT_EQ(sentencias[1], "INSERT INTO MV_APLICACION (Cuenta,TC) VALUES ('1.1.01','NCPE')");
    ASSERT_EQ(campos.size(), 1u);
    EXPECT_EQ(campos[0].Campo + campos[0].Valor, "");

    campos = {{"A", "Null"}};
    GenerarSentenciaSQL(campos, sentencias, "T", false, condicion, true);
    GenerarSentenciaSQL(campos, sentencias, "U", false, condicion, false);
    EXPECT_EQ(sentencias[2], "INSERT INTO T (A) VALUES (Null)");
    EXPECT_EQ(sentencias[3], "INSERT INTO U (A) VALUES (Null)");
}

TEST(GenerarSentenciaSQL, ActualizacionPoneWhereSoloCuandoFalta) {
    std::vector<CampoValor> campos{{"ESTADO", "1"}, {"Detalle", "'x'"}};
    std::vector<QString> sentencias;
    QString condicion = "TC = 'NCPE'";
    GenerarSentenciaSQL(campos, sentencias, "MV_ASIENTOS", true, condicion, true);
    EXPECT_EQ(sentencias.back(),
              "UPDATE MV_ASIENTOS SET ESTADO = 1,Detalle = 'x'  WHERE TC = 'NCPE'");
    EXPECT_EQ(condicion, " WHERE TC = 'NCPE'");
    condicion = "where TC = 'NCPE'";
    GenerarSentenciaSQL(campos, sentencias, "MV_ASIENTOS", true, condicion, true);
    EXPECT_EQ(sentencias.back(),
              "UPDATE MV_ASIENTOS SET ESTADO = 1,Detalle = 'x' where TC = 'NCPE'");
    EXPECT_EQ(condicion, "where TC = 'NCPE'");
}

TEST(GenerarSentenciaSQL, RehusaLoQueNoPuedeConstruir) {
    std::vector<CampoValor> campos{{"ESTADO", "1"}};
    std::vector<QString> sentencias;
    QString condicion = "  ";
    // An UPDATE without a condition would change every row of the table.
    EXPECT_EQ(NumeroDeError([&] {
                  GenerarSentenciaSQL(campos, sentencias, "MV_ASIENTOS", true, condicion, false);
              }),
              5);
    campos.clear();
    EXPECT_EQ(NumeroDeError(
                  [&] { GenerarSentenciaSQL(campos, sentencias, "T", false, condicion, false); }),
              9);
    EXPECT_TRUE(sentencias.empty());
}

} // namespace
