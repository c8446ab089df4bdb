#include "platform/files/LectorIni.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using archivos::LeerValorIni;

TEST(LectorIni, BuscaSeccionYClaveSinDistinguirMayusculas) {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("DA000re.INI");
    QFile archivo(ruta);
    archivo.open(QIODevice::WriteOnly);
    archivo.write("; configuraci\xf3n del puesto\r\n"
                  "[OTRA]\r\n"
                  "FlatToolbars=9\r\n"
                  "[ PC01|JUAN ]\n"
                  ";FlatToolbars=7\n"
                  "  FlatToolbars =  0  \n"
                  "flattoolbars=5\n"
                  "Vacia=\n"
                  "Nombre=\"  Peque\xf1o  \"\n"
                  "SinIgual\n"
                  "[PC01|JUANBaseDeDatos]\r"
                  "Servidor=SRV01\r");
    archivo.close();

    struct Caso {
        const char* seccion;
        const char* clave;
        QString esperado;
    };
    const QList<Caso> casos = {
        {"pc01|juan", "FLATTOOLBARS", "0"},
        {"OTRA", "FlatToolbars", "9"},
        {"PC01|JUAN", "Vacia", ""},
        {"PC01|JUAN", "Nombre", QString::fromUtf8("  Pequeño  ")},
        {"PC01|JUAN", "SinIgual", "def"},
        {"PC01|JUAN", "Falta", "def"},
        {"PC01|JUANBASEDEDATOS", "servidor", "SRV01"},
        {"NOHAY", "Servidor", "def"},
        {"PC01|JUAN", "Servidor", "def"},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(LeerValorIni(ruta, caso.seccion, caso.clave, "def"), caso.esperado)
            << caso.seccion << " " << caso.clave;
    }
}

TEST(LectorIni, ArchivoInexistenteDaElValorPorDefecto) {
    QTemporaryDir carpeta;
    EXPECT_EQ(LeerValorIni(carpeta.filePath("DA000re.INI"), "S", "FlatToolbars", "1"), "1");
    EXPECT_EQ(LeerValorIni(carpeta.filePath("DA000re.INI"), "S", "FlatToolbars"), "");
}
