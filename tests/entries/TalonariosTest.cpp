#include "entries/DemoNumeracion.h"

using namespace ModNumeracion;

namespace {

const QString Verifique =
    "\r\rVerifique los datos desde la TABLA DE COMPROBANTES y vuelta a Intentarlo";

struct CasoValidacion {
    const char* nombre;
    QString numero;
    QString letra;
    QString fecha;
    bool valido;
    QString mensaje;
};

class ValidaNumeracion : public DemoNumeracion,
                         public ::testing::WithParamInterface<CasoValidacion> {};

// Type PRB, branch 1, letter X: range 1 numbers 1 to 100 until 31/03/2007, range 2 numbers
// 201 to 300 without expiry.
TEST_P(ValidaNumeracion, JuzgaElNumeroPorElTalonarioQueLoContiene) {
    Rango("PRB", 1, 1, 100, 40, "'2007-03-31 00:00:00'");
    Rango("PRB", 2, 201, 300, 200);
    const CasoValidacion& caso = GetParam();
    QString letra = caso.letra;
    QString mensaje;
    EXPECT_EQ(ValidaNumeracionComprobante("PRB", "0001", caso.numero, letra, mensaje, caso.fecha),
              caso.valido);
    EXPECT_EQ(mensaje, caso.mensaje);
    EXPECT_TRUE(guion.Mensajes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ValidaNumeracion,
    ::testing::Values(
        CasoValidacion{"DentroDelPrimero", "00000050", "X", "", true, ""},
        CasoValidacion{"DentroDelSegundo", "00000250", "X", "01/04/2007", true, ""},
        CasoValidacion{"LetraEnMinuscula", "00000050", "x", "", true, ""},
        CasoValidacion{"VenceElMismoDia", "00000050", "X", "31/03/2007", true, ""},
        CasoValidacion{"Vencido", "00000050", "X", "01/04/2007", false,
                       "El rango de numeracion del comprobante PRB Control nro: 1 se encuenta "
                       "vencida...! Debe dar de alta un nuevo talonario para el comprobante PRB" +
                           Verifique},
        CasoValidacion{"Cero", "00000000", "X", "", false,
                       "\rEl Número de comprobante (0) no pertenece a ningún talonario de la "
                       "sucursal 0001 para la letra X" +
                           Verifique},
        CasoValidacion{"EntreDosTalonarios", "00000150", "X", "", false,
                       "\rEl Número de comprobante (150) no pertenece a ningún talonario de la "
                       "sucursal 0001 para la letra X" +
                           Verifique},
        CasoValidacion{"LetraZ", "00000050", "Z", "", false,
                       " La letra Informada no es Valida, la misma debe ser A,B,C,E,R,X,M"},
        CasoValidacion{"Coma", "00000050", ",", "", false,
                       " La letra Informada no es Valida, la misma debe ser A,B,C,E,R,X,M"},
        CasoValidacion{"LetraSinRango", "00000050", "A", "", false,
                       "Debe configurar la numeracióN de Comprobantes"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(DemoNumeracion, ValidaNumeracionNoJuzgaConElTalonarioDeLaLlamadaAnterior) {
    Rango("PRB", 1, 1, 100, 40);
    Rango("PRB", 2, 101, 200, 100);
    TalonarioActual = 2; // left by the chooser, say
    QString letra = "X";
    QString mensaje;
    EXPECT_FALSE(ValidaNumeracionComprobante("PRB", "0001", "00000250", letra, mensaje, ""));
    EXPECT_TRUE(mensaje.contains("no pertenece a ningún talonario")) << mensaje;
}

TEST_F(DemoNumeracion, ValidaNumeracionAceptaLaNumeracionLibreYLaExterna) {
    Rango("PRB", 1, 0, 0, 0, "NULL", "'NO'", 1);
    QString letra;
    QString mensaje = "anterior";
    EXPECT_TRUE(ValidaNumeracionComprobante("PRB", "0001", "00009999", letra, mensaje, ""));
    EXPECT_EQ(Unidos(letra, mensaje, TalonarioActual), "X||1");
    // Supplier invoices carry the supplier's own numbers.
    letra = "A";
    mensaje = "anterior";
    EXPECT_TRUE(ValidaNumeracionComprobante("FCC", "0003", "00004503", letra, mensaje, ""));
    EXPECT_EQ(mensaje, "");
}

TEST_F(DemoNumeracion, ElegirTalonarioTomaElPrimeroConNumerosLibres) {
    Rango("PRB", 1, 1, 100, 100);
    Rango("PRB", 2, 1, 500, 0);
    QString suc, nro, letra = "X";
    bool modifica = true;
    Obtener_Nro_Comprobante_Contable("PRB", suc, nro, letra, modifica, "");
    EXPECT_EQ(Unidos(suc, nro, letra, modifica, TalonarioActual), "0001|00000001|X|false|2");
    EXPECT_TRUE(guion.Mensajes.empty());
}

TEST_F(DemoNumeracion, ElegirTalonarioAvisaCuandoTodosEstanUsados) {
    Rango("PRB", 1, 1, 100, 100);
    Rango("PRB", 2, 1, 500, 500);
    QString suc = "*0001", nro = "00000077", letra = "X";
    bool modifica = true;
    Obtener_Nro_Comprobante_Contable("PRB", suc, nro, letra, modifica, "");
    EXPECT_EQ(Unidos(suc, nro, letra, modifica), "0001|00000077|X|true");
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_EQ(guion.Mensajes[0].Texto,
              "Todos los talonarios del comprobante PRB se encuentran utilizados, debe dar de "
              "alta un nuevo talonario para el comprobante PRB");
}

TEST_F(DemoNumeracion, ElegirTalonarioPorUnidadSucursalYLetra) {
    QString suc, nro, letra;
    bool modifica = true;
    // Trelew's first range is used up: its second one goes on at 512.
    Obtener_Nro_Comprobante_Contable("NCPE", suc, nro, letra, modifica, "3");
    EXPECT_EQ(Unidos(suc, nro, letra, modifica, TalonarioActual), "0003|00000512|X|false|4");
    // A unit without ranges and a branch without ranges: every range of the type is tried.
    suc = "*0009";
    nro.clear();
    Obtener_Nro_Comprobante_Contable("NCPE", suc, nro, letra, modifica, "7");
    EXPECT_EQ(Unidos(suc, nro, TalonarioActual), "0001|00000037|1");
    // The wanted letter is not issued: the range's first letter is.
    letra = "A";
    Obtener_Nro_Comprobante_Contable("NCPE", suc, nro, letra, modifica, "2");
    EXPECT_EQ(Unidos(suc, nro, letra, TalonarioActual), "0002|00000001|X|2");
    // A type without ranges.
    Obtener_Nro_Comprobante_Contable("ZZZ", suc, nro, letra, modifica, "");
    EXPECT_EQ(Unidos(suc, nro, letra), "1|1|X");
    EXPECT_TRUE(guion.Mensajes.empty());
}

TEST_F(DemoNumeracion, ElegirTalonarioConApostrofesNoRompeLaConsulta) {
    QString suc = "*0'1", nro, letra = "X";
    bool modifica = false;
    Obtener_Nro_Comprobante_Contable("NCPE", suc, nro, letra, modifica, "O'1");
    EXPECT_EQ(Unidos(suc, nro), "0001|00000037");
    EXPECT_TRUE(guion.Mensajes.empty());
}

} // namespace
