#include "dobles/DialogosGuionados.h"
#include "platform/errors/ErrorEjecucion.h"
#include "platform/errors/Procedimiento.h"
#include "platform/files/ArchivoTexto.h"
#include "platform/files/Carpetas.h"
#include "platform/suite/UtilGeneral.h"
#include "support/Apoyo.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TratarErrorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(carpeta.isValid());
        archivos::FijarCarpetaPrograma(carpeta.path());
    }
    void TearDown() override { archivos::FijarCarpetaPrograma(QString()); }

    QStringList Registro() const {
        return archivos::ArchivoTexto::LeerLineas(carpeta.filePath(QStringLiteral("SVERR.LOG")));
    }

    QTemporaryDir carpeta;
    DialogosGuionados dialogos;
    DialogosEnUso enUso{dialogos};
    const ErrorEjecucion error{3704, QStringLiteral(" La operación no está permitida ")};
};

TEST_F(TratarErrorTest, LaRespuestaEsLaAccionYQuedaAnotada) {
    // The last answer is none: the box closed without a button, as only its window can.
    dialogos.RespuestasMsgBox = {vbAbort, vbRetry, vbIgnore, 0};
    const UtilGeneral& util = UtilGeneral::Instancia();
    EXPECT_EQ(util.TratarError(error, QStringLiteral("Generar")), AccionError::Abortar);
    EXPECT_EQ(util.TratarError(error, QStringLiteral("Generar")), AccionError::Reintentar);
    EXPECT_EQ(util.TratarError(error, QStringLiteral("Generar")), AccionError::Ignorar);
    EXPECT_EQ(util.TratarError(error, QString()), AccionError::Abortar);

    ASSERT_EQ(dialogos.Mensajes.size(), 4u);
    const auto& mensaje = dialogos.Mensajes.front();
    EXPECT_EQ(mensaje.Botones, vbAbortRetryIgnore + vbCritical);
    EXPECT_TRUE(mensaje.Texto.contains(QStringLiteral("(3704) La operación no está permitida")));
    EXPECT_TRUE(mensaje.Texto.contains(QStringLiteral("Generar")));
    EXPECT_TRUE(mensaje.Titulo.startsWith(QStringLiteral("Auditoria")));

    const QStringList lineas = Registro();
    ASSERT_EQ(lineas.size(), 4);
    const QRegularExpression forma(QStringLiteral(
        "^\\d\\d-\\d\\d-\\d{4} \\d\\d:\\d\\d:\\d\\d Rutina: - Generar Mensaje Ha ocurrido el "
        "Siguiente Error \\(3704\\) La operación no está permitida Respondió : Abortar$"));
    EXPECT_TRUE(forma.match(lineas[0]).hasMatch()) << lineas[0];
    EXPECT_TRUE(lineas[1].endsWith(QStringLiteral(" Respondió : Reintentar")));
    EXPECT_TRUE(lineas[2].endsWith(QStringLiteral(" Respondió : Ignorar")));
    EXPECT_TRUE(lineas[3].contains(QStringLiteral(" Rutina:  Mensaje ")));
    EXPECT_TRUE(lineas[3].endsWith(QStringLiteral(" Respondió : ")));
}

TEST_F(TratarErrorTest, ReintentarVuelveAEjecutarElPasoQueFallo) {
    dialogos.RespuestasMsgBox = {vbRetry, vbIgnore};
    int intentos = 0;
    const ResultadoPasos resultado =
        EjecutarPasos(QStringLiteral("CargarTablasDist"), suite::TratarError, {[&] {
                          ++intentos;
                          throw ErrorEjecucion(13, QStringLiteral("No coinciden los tipos"));
                      }});
    EXPECT_EQ(intentos, 2);
    EXPECT_FALSE(resultado.SalioAntes);
    EXPECT_EQ(Registro().size(), 2);
}

TEST_F(TratarErrorTest, UnRegistroQueNoSePuedeEscribirNoEsOtroError) {
    archivos::FijarCarpetaPrograma(carpeta.filePath(QStringLiteral("no/existe")));
    dialogos.RespuestasMsgBox = {vbIgnore};
    EXPECT_EQ(NumeroDeError([&] {
                  EXPECT_EQ(UtilGeneral::Instancia().TratarError(error, QStringLiteral("Generar")),
                            AccionError::Ignorar);
              }),
              0);
    EXPECT_EQ(dialogos.Mensajes.size(), 1u);
}

} // namespace
