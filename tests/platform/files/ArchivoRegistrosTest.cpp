#include "platform/files/ArchivoRegistros.h"

#include "platform/errors/ErrorEjecucion.h"
#include "platform/files/MascaraConsulta.h"
#include "support/Apoyo.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using archivos::ArchivoRegistros;

namespace {

long ErrorDeRegistro(ArchivoRegistros& archivo, qint64 numero, bool escribir) {
    return NumeroDeError([&] {
        if (escribir)
            archivo.Put(numero, "x");
        else
            archivo.Get(numero);
    });
}

} // namespace

TEST(MascaraConsulta, RegistroDe1202BytesConCadaCampoEnSuLugar) {
    MascaraConsulta mascara;
    mascara.Titulo = "CLIENTES";
    mascara.Tabla = "VT_CLIENTES";
    mascara.Campos = "|RAZON_SOCIAL|CODIGO|CONTACTO|";
    mascara.Filtro = QString::fromUtf8("PAÍS = 'AR'");

    const QByteArray registro = mascara.Empaquetar();

    ASSERT_EQ(registro.size(), 1202);
    EXPECT_EQ(registro.mid(0, 100), QByteArray("CLIENTES").leftJustified(100, ' '));
    EXPECT_EQ(registro.mid(100, 100), QByteArray("VT_CLIENTES").leftJustified(100, ' '));
    EXPECT_EQ(registro.mid(200, 500),
              QByteArray("|RAZON_SOCIAL|CODIGO|CONTACTO|").leftJustified(500, ' '));
    EXPECT_EQ(registro.mid(700, 500), QByteArray("PA\xcdS = 'AR'").leftJustified(500, ' '));
    EXPECT_EQ(registro.mid(1200), QByteArray("\r\n"));
}

TEST(MascaraConsulta, TextoLargoSeCortaAlAnchoDelCampo) {
    MascaraConsulta mascara;
    mascara.Titulo = QString(150, 'T');
    mascara.Campos = QString(600, 'C');
    const QByteArray registro = mascara.Empaquetar();
    ASSERT_EQ(registro.size(), 1202);
    EXPECT_EQ(registro.mid(0, 100), QByteArray(100, 'T'));
    EXPECT_EQ(registro.mid(100, 100), QByteArray(100, ' '));
    EXPECT_EQ(registro.mid(200, 500), QByteArray(500, 'C'));
}

TEST(MascaraConsulta, LosCamposLeidosConservanSuAnchoCompleto) {
    MascaraConsulta mascara;
    mascara.Titulo = "  ARTICULOS";
    mascara.Tabla = "V_MA_ARTICULOS";
    const MascaraConsulta leida = MascaraConsulta::Desempaquetar(mascara.Empaquetar());
    EXPECT_EQ(leida.Titulo, QString("  ARTICULOS").leftJustified(100, ' '));
    EXPECT_EQ(leida.Tabla.trimmed(), "V_MA_ARTICULOS");
    EXPECT_EQ(leida.Campos, QString(500, ' '));
    EXPECT_EQ(leida.FinRegistro, "\r\n");
}

TEST(ArchivoRegistros, PutYGetDelRegistroN) {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("consultas.sve");
    ArchivoRegistros archivo;
    archivo.Abrir(ruta, 4);
    archivo.Put(1, "AAAA");
    archivo.Put(3, "CC");
    archivo.Put(2, "BBBBBB");

    EXPECT_EQ(archivo.CantidadRegistros(), 3);
    EXPECT_EQ(archivo.Get(2), QByteArray("BBBB"));
    EXPECT_EQ(archivo.Get(3), QByteArray("CC  "));
    EXPECT_EQ(archivo.Get(5), QByteArray(4, '\0'));
    archivo.Cerrar();
    EXPECT_EQ(Bytes(ruta), QByteArray("AAAABBBBCC  "));
}

TEST(ArchivoRegistros, UnaColaIncompletaNoCuentaYLaPisaElRegistroSiguiente) {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("consultas.sve");
    {
        QFile crudo(ruta);
        crudo.open(QIODevice::WriteOnly);
        crudo.write("AAAABB");
    }
    ArchivoRegistros archivo;
    archivo.Abrir(ruta, 4);
    ASSERT_EQ(archivo.CantidadRegistros(), 1);
    EXPECT_EQ(archivo.Get(2), QByteArray("BB\0\0", 4));
    archivo.Put(archivo.CantidadRegistros() + 1, "CCCC");
    archivo.Cerrar();
    EXPECT_EQ(Bytes(ruta), QByteArray("AAAACCCC"));
}

TEST(ArchivoRegistros, MascarasAgregadasUnaTrasOtra) {
    QTemporaryDir carpeta;
    ArchivoRegistros archivo;
    archivo.Abrir(carpeta.filePath("consultas.sve"), MascaraConsulta::Longitud);
    for (const char* tabla : {"VT_CLIENTES", "VT_PROVEEDORES", "V_TA_VENDEDORES"}) {
        MascaraConsulta mascara;
        mascara.Tabla = tabla;
        archivo.Put(archivo.CantidadRegistros() + 1, mascara.Empaquetar());
    }
    ASSERT_EQ(archivo.CantidadRegistros(), 3);
    const QByteArray segundo = archivo.Get(2);
    EXPECT_EQ(MascaraConsulta::Desempaquetar(segundo).Tabla.trimmed(), "VT_PROVEEDORES");
    EXPECT_EQ(QFile(carpeta.filePath("consultas.sve")).size(), 3 * 1202);
}

TEST(ArchivoRegistros, NumeroDeRegistroIncorrectoOArchivoCerrado) {
    QTemporaryDir carpeta;
    ArchivoRegistros archivo;
    EXPECT_EQ(ErrorDeRegistro(archivo, 1, false), 52);
    EXPECT_EQ(ErrorDeRegistro(archivo, 1, true), 52);
    archivo.Abrir(carpeta.filePath("r.dat"), 10);
    EXPECT_EQ(ErrorDeRegistro(archivo, 0, false), 63);
    EXPECT_EQ(ErrorDeRegistro(archivo, -1, true), 63);
}

TEST(ArchivoRegistros, ArchivoDeSoloLecturaSeLeePeroNoSeEscribe) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "el administrador escribe en cualquier archivo";
    }
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("consultas.sve");
    {
        QFile crudo(ruta);
        crudo.open(QIODevice::WriteOnly);
        crudo.write("AAAABBBB");
    }
    QFile::setPermissions(ruta, QFile::ReadOwner);
    ArchivoRegistros archivo;
    archivo.Abrir(ruta, 4);
    EXPECT_EQ(archivo.Get(2), QByteArray("BBBB"));
    EXPECT_EQ(ErrorDeRegistro(archivo, 1, true), 75);
}
