#include "platform/files/Programas.h"

#include "platform/files/Carpetas.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace archivos;

namespace {

// A sibling program that writes its arguments, one a line, next to itself.
QString CrearPrograma(const QString& carpeta, const QString& nombre) {
    QDir().mkpath(carpeta);
    const QString ruta = QDir(carpeta).filePath(nombre);
    QFile archivo(ruta);
    archivo.open(QIODevice::WriteOnly);
    archivo.write("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"$0.args\"\n");
    archivo.close();
    archivo.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return ruta;
}

QByteArray EsperarArgumentos(const QString& programa) {
    QFile salida(programa + ".args");
    QDeadlineTimer limite(10000);
    while (!limite.hasExpired()) {
        if (salida.exists() && salida.size() > 0) {
            QThread::msleep(50);
            salida.open(QIODevice::ReadOnly);
            return salida.readAll();
        }
        QThread::msleep(20);
    }
    return {};
}

} // namespace

TEST(Programas, PartirLineaComandoEncuentraElProgramaAunqueLaRutaTengaBlancos) {
    QTemporaryDir base;
    const QString carpeta = base.filePath("Mis Programas");
    const QString programa = CrearPrograma(carpeta, "v_ma_articulos");
    QString windows = programa;
    windows.replace('/', '\\');

    struct Caso {
        QString linea;
        QStringList esperado;
    };
    const QList<Caso> casos = {
        {programa + " @idarticulo=12 ; @server=SRV", {programa, "@idarticulo=12 ; @server=SRV"}},
        {windows + ".exe uno", {programa, "uno"}},
        {"\"" + programa + ".exe\" \"dos  tres\" c\\\"d ", {programa, "\"dos  tres\" c\\\"d "}},
        {programa, {programa}},
        {" " + programa + "   ", {programa}},
        {"/no/existe/prog.exe a", {"/no/existe/prog.exe", "a"}},
        {"", {}},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(PartirLineaComando(caso.linea), caso.esperado) << caso.linea.toStdString();
    }
}

TEST(Programas, UbicarProgramaConOSinExe) {
    QTemporaryDir carpeta;
    FijarCarpetaPrograma(carpeta.path());
    const QString sinExtension = CrearPrograma(carpeta.path(), "v_ma_articulos");
    const QString conExtension = CrearPrograma(carpeta.path(), "otro.exe");

    EXPECT_EQ(UbicarPrograma("v_ma_articulos"), sinExtension);
    EXPECT_EQ(UbicarPrograma("v_ma_articulos.exe"), sinExtension);
    EXPECT_EQ(UbicarPrograma("otro"), conExtension);
    EXPECT_EQ(UbicarPrograma("no_existe"), "");
    EXPECT_EQ(UbicarPrograma(""), "");
    FijarCarpetaPrograma("");
}

TEST(Programas, LanzarProgramaLePasaLaLineaDeComando) {
    QTemporaryDir base;
    const QString programa = CrearPrograma(base.filePath("con blanco"), "hermano");

    const qint64 id = LanzarPrograma(programa + ".exe @idarticulo=7 ; @Password=p\"w a  b c\\\"d;");

    EXPECT_GT(id, 0);
    EXPECT_EQ(EsperarArgumentos(programa),
              QByteArray("@idarticulo=7 ; @Password=p\"w a  b c\\\"d;\n"));
}

TEST(Programas, LanzarUnProgramaInexistenteDevuelveCero) {
    QTemporaryDir carpeta;
    EXPECT_EQ(LanzarPrograma(carpeta.filePath("no_existe.exe") + " a"), 0);
    EXPECT_EQ(LanzarPrograma(""), 0);
}
