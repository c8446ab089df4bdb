#include "platform/suite/ObjetosSuite.h"

#include "dobles/DialogosGuionados.h"
#include "platform/suite/DialogoComun.h"
#include "platform/suite/UtilGeneral.h"

#include <gtest/gtest.h>

namespace {

TEST(ObjetosSuite, SeConservanHastaQueLaSesionLosLibera) {
    DialogosGuionados dialogos;
    DialogosEnUso enUso(dialogos);
    dialogos.Archivos = {QStringLiteral("/datos/empresa.db"), std::nullopt};
    DialogoComun::Instancia().SetTituloDialogo(QStringLiteral("Base de datos"));
    DialogoComun::Instancia().MostrarAbrir();
    EXPECT_EQ(DialogoComun::Instancia().ArchivoElegido(), QStringLiteral("/datos/empresa.db"));
    EXPECT_EQ(&UtilGeneral::Instancia(), &UtilGeneral::Instancia());

    suite::LiberarObjetos();
    EXPECT_TRUE(DialogoComun::Instancia().ArchivoElegido().isEmpty());
    DialogoComun::Instancia().MostrarAbrir();
    EXPECT_TRUE(DialogoComun::Instancia().DialogoCancelado());
    ASSERT_EQ(dialogos.ArchivosPedidos.size(), 2u);
    EXPECT_EQ(dialogos.ArchivosPedidos[0].Titulo, QStringLiteral("Base de datos"));
    EXPECT_TRUE(dialogos.ArchivosPedidos[1].Titulo.isEmpty());
    suite::LiberarObjetos();
}

} // namespace
