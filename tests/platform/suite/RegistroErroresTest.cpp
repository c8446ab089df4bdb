#include "platform/suite/RegistroErrores.h"

#include "platform/dialogs/CodigosMsgBox.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The line's stamp is month first, in 24 hours, with minutes and not months after the hour.
TEST(RegistroErrores, LaLineaLlevaSelloRutinaMensajeYPalabraDeLaRespuesta) {
    const QDateTime momento(QDate(2026, 3, 7), QTime(15, 4, 9));
    EXPECT_EQ(suite::LineaRegistroErrores(momento, "- Generar", "Ha ocurrido algo", vbRetry),
              "03-07-2026 15:04:09 Rutina: - Generar Mensaje Ha ocurrido algo Respondió : "
              "Reintentar");
    EXPECT_EQ(suite::LineaRegistroErrores(momento, "", "", vbOK),
              "03-07-2026 15:04:09 Rutina:  Mensaje  Respondió : ");
    const std::pair<int, const char*> palabras[] = {{vbAbort, "Abortar"},
                                                    {vbRetry, "Reintentar"},
                                                    {vbIgnore, "Ignorar"},
                                                    {vbCancel, "Cancelar"},
                                                    {vbYes, "Sí"},
                                                    {vbNo, "No"},
                                                    {vbOK, ""},
                                                    {0, ""}};
    for (const auto& [respuesta, palabra] : palabras)
        EXPECT_EQ(suite::PalabraRespuesta(respuesta), QString::fromUtf8(palabra)) << respuesta;
}

// A provider's description over several lines is still one error, one line of the log.
TEST(RegistroErrores, UnErrorDeVariasLineasQuedaEnUna) {
    QTemporaryDir carpeta;
    const QString registro = carpeta.filePath("SVERR.LOG");
    suite::AnotarError(registro, "Abrir", "[FreeTDS]\r\nNo responde\rservidor\n\nfin", vbAbort);
    suite::AnotarError(registro, "Otra", "bien", vbAbort);
    QFile archivo(registro);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    const QList<QByteArray> lineas = archivo.readAll().split('\n');
    ASSERT_EQ(lineas.size(), 3); // two lines, each ended by CR LF
    EXPECT_TRUE(lineas[0].endsWith(
        "Mensaje [FreeTDS] | No responde | servidor |  | fin Respondi\xf3 : Abortar\r"))
        << lineas[0].toStdString();
}

} // namespace
