#include "platform/errors/Procedimiento.h"

#include "platform/errors/ErrorEnCurso.h"

#include <QStringList>
#include <deque>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Three steps A, B, C; B fails as often as asked, and the routine answers from a script.
struct CasoPasos {
    const char* nombre;
    int fallosDeB;
    std::deque<int> respuestas;
    const char* recorrido;
    bool salioAntes;
};

class PasosConRespuestas : public ::testing::TestWithParam<CasoPasos> {};

TEST_P(PasosConRespuestas, RespetaLaRespuestaDeLaRutina) {
    CasoPasos caso = GetParam();
    QString recorrido;
    int fallosPendientes = caso.fallosDeB;
    QStringList procedimientos;
    ResultadoPasos resultado =
        EjecutarPasos(QStringLiteral("Generar"),
                      [&](const ErrorEjecucion& error, const QString& procedimiento) {
                          EXPECT_EQ(error.Number(), 3704);
                          procedimientos << procedimiento;
                          int respuesta = caso.respuestas.front();
                          caso.respuestas.pop_front();
                          return static_cast<AccionError>(respuesta);
                      },
                      {[&] { recorrido += 'A'; },
                       [&] {
                           recorrido += 'B';
                           if (fallosPendientes-- > 0)
                               throw ErrorEjecucion(3704, QStringLiteral("Operación no permitida"));
                       },
                       [&] { recorrido += 'C'; }});
    EXPECT_EQ(recorrido, QString::fromLatin1(caso.recorrido));
    EXPECT_EQ(resultado.SalioAntes, caso.salioAntes);
    EXPECT_TRUE(caso.respuestas.empty()) << "la rutina no fue consultada tantas veces";
    ASSERT_TRUE(resultado.Error.has_value());
    EXPECT_EQ(resultado.Error->Number(), 3704);
    for (const QString& procedimiento : procedimientos)
        EXPECT_EQ(procedimiento, QStringLiteral("Generar"));
}

INSTANTIATE_TEST_SUITE_P(
    Respuestas, PasosConRespuestas,
    ::testing::Values(CasoPasos{"ReintentaDosVecesYSigue", 2, {4, 4}, "ABBBC", false},
                      CasoPasos{"AbortarSaleSinPasosSiguientes", 1, {3}, "AB", true},
                      CasoPasos{"IgnorarSigueConElSiguiente", 1, {5}, "ABC", false},
                      CasoPasos{"ReintentaYLuegoIgnora", 5, {4, 5}, "ABBC", false},
                      CasoPasos{"NoEsSalir", 1, {7}, "AB", true},
                      CasoPasos{"CeroEsSalir", 1, {0}, "AB", true}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(Procedimiento, SinErroresNoConsultaLaRutinaYNoTraeError) {
    int consultas = 0;
    int pasos = 0;
    ResultadoPasos resultado = EjecutarPasos(QStringLiteral("X"),
                                             [&](const ErrorEjecucion&, const QString&) {
                                                 ++consultas;
                                                 return AccionError::Abortar;
                                             },
                                             {[&] { ++pasos; }, [&] { ++pasos; }});
    EXPECT_EQ(pasos, 2);
    EXPECT_EQ(consultas, 0);
    EXPECT_FALSE(resultado.SalioAntes);
    EXPECT_FALSE(resultado.Error.has_value());
}

TEST(Procedimiento, UnaExcepcionDeLaBibliotecaTambienSeAtrapa) {
    std::optional<ErrorEjecucion> visto;
    bool siguio = false;
    ResultadoPasos resultado = EjecutarPasos(
        QStringLiteral("Leer"),
        [&](const ErrorEjecucion& error, const QString&) {
            visto = error;
            return AccionError::Ignorar;
        },
        {[] { throw std::out_of_range("índice fuera de rango"); }, [&] { siguio = true; }});
    ASSERT_TRUE(visto.has_value());
    EXPECT_EQ(visto->Number(), ErrorInterno);
    EXPECT_EQ(visto->Description(), QStringLiteral("índice fuera de rango"));
    EXPECT_EQ(visto->Source(), QStringLiteral("Auditoria"));
    EXPECT_TRUE(siguio);
    EXPECT_FALSE(resultado.SalioAntes);
}

TEST(Procedimiento, IgnorarErroresPasaPorTodosLosPasos) {
    QString recorrido;
    ResultadoPasos resultado = IgnorarErrores({[&] {
                                                   recorrido += 'A';
                                                   throw ErrorEjecucion(5);
                                               },
                                               [&] {
                                                   recorrido += 'B';
                                                   throw ErrorEjecucion(6);
                                               },
                                               [&] { recorrido += 'C'; }});
    EXPECT_EQ(recorrido, QStringLiteral("ABC"));
    EXPECT_FALSE(resultado.SalioAntes);
    ASSERT_TRUE(resultado.Error.has_value());
    EXPECT_EQ(resultado.Error->Number(), 6);
}

TEST(Procedimiento, SalirDelProcedimientoNoEsUnError) {
    bool consultada = false;
    bool siguio = false;
    ResultadoPasos resultado =
        EjecutarPasos(QStringLiteral("OpenServerADODB"),
                      [&](const ErrorEjecucion&, const QString&) {
                          consultada = true;
                          return AccionError::Ignorar;
                      },
                      {[] { SalirDelProcedimiento(); }, [&] { siguio = true; }});
    EXPECT_TRUE(resultado.SalioAntes);
    EXPECT_FALSE(resultado.Error.has_value());
    EXPECT_FALSE(consultada);
    EXPECT_FALSE(siguio);
}

TEST(Procedimiento, UnErrorDentroDeLaRutinaLlegaAlLlamador) {
    auto rutinaRota = [](const ErrorEjecucion&, const QString&) -> AccionError {
        throw ErrorEjecucion(75, QStringLiteral("Error de acceso"));
    };
    EXPECT_THROW(EjecutarPasos(QStringLiteral("X"), rutinaRota, {[] { throw ErrorEjecucion(5); }}),
                 ErrorEjecucion);
}

TEST(AccionError, SoloReintentarEIgnorarNoSalen) {
    EXPECT_EQ(ComoAccionError(4), AccionError::Reintentar);
    EXPECT_EQ(ComoAccionError(5), AccionError::Ignorar);
    for (int otra : {0, 1, 2, 3, 6, 7, -1})
        EXPECT_EQ(ComoAccionError(otra), AccionError::Abortar) << otra;
}

} // namespace
