#include "platform/files/ArchivoTexto.h"

#include "platform/errors/ErrorEjecucion.h"
#include "platform/files/Windows1252.h"
#include "support/Apoyo.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

using archivos::ArchivoTexto;

namespace {

void Grabar(const QString& ruta, const QByteArray& bytes) {
    QFile archivo(ruta);
    archivo.open(QIODevice::WriteOnly);
    archivo.write(bytes);
}

} // namespace

TEST(Windows1252, CodificaLetrasDelEspanolYElEuroEnUnByte) {
    const QString texto = QString::fromUtf8("Año ñÑ áéíóú ü € “x” – ¿¡");
    const QByteArray esperado(
        "A\xf1o \xf1\xd1 \xe1\xe9\xed\xf3\xfa \xfc \x80 \x93x\x94 \x96 \xbf\xa1");
    EXPECT_EQ(archivos::CodificarWindows1252(texto), esperado);
    EXPECT_EQ(archivos::DecodificarWindows1252(esperado), texto);
}

TEST(Windows1252, LoQueNoTieneByteSeVuelveSignoDeInterrogacion) {
    // A character outside the BMP is one "?", not two.
    const QString texto = QString::fromUtf8("a\u0101b\u4e2dc\U0001F600d");
    EXPECT_EQ(archivos::CodificarWindows1252(texto), QByteArray("a?b?c?d"));
}

TEST(Windows1252, TextoLargoConLetrasFueraDeAsciiEnCualquierPosicion) {
    for (int posicion = 0; posicion < 40; ++posicion) {
        QString texto(41, u'a');
        texto[posicion] = u'\u00f1';
        texto[40 - posicion] = QChar(0x80); // no byte of its own: not Latin-1 here
        QByteArray esperado(41, 'a');
        esperado[posicion] = '\xf1';
        esperado[40 - posicion] = '?';
        EXPECT_EQ(archivos::CodificarWindows1252(texto), esperado) << posicion;
    }
    const QString partido = QString(15, u'a') + QString::fromUtf8("\U0001F600") + QString(20, u'b');
    EXPECT_EQ(archivos::CodificarWindows1252(partido),
              QByteArray(15, 'a') + '?' + QByteArray(20, 'b'));
}

TEST(Windows1252, TodoByteSobreviveLecturaYEscritura) {
    QByteArray todos;
    for (int b = 0; b < 256; ++b) {
        todos.append(char(b));
    }
    EXPECT_EQ(archivos::CodificarWindows1252(archivos::DecodificarWindows1252(todos)), todos);
}

TEST(ArchivoTexto, EscribeWindows1252ConCrLfYLoVuelveALeer) {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("Auditoria.htm");
    const QStringList lineas = {QString::fromUtf8("Señor"), QString::fromUtf8("Razón €"), ""};

    ArchivoTexto::EscribirLineas(ruta, lineas);

    EXPECT_EQ(Bytes(ruta), QByteArray("Se\xf1or\r\nRaz\xf3n \x80\r\n\r\n"));
    EXPECT_EQ(ArchivoTexto::LeerLineas(ruta), lineas);
}

TEST(ArchivoTexto, EscribirReemplazaYAgregarSigueAlFinal) {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("SVERR.LOG");
    ArchivoTexto::EscribirLineas(ruta, {"viejo", "contenido"});
    ArchivoTexto::EscribirLineas(ruta, {"uno"});
    ArchivoTexto::AgregarLineas(ruta, {"dos"});
    ArchivoTexto::AgregarLineas(ruta + "-nuevo", {"creado"});

    EXPECT_EQ(Bytes(ruta), QByteArray("uno\r\ndos\r\n"));
    EXPECT_EQ(Bytes(ruta + "-nuevo"), QByteArray("creado\r\n"));
}

// A page of the books is its owner's alone, whether made now or written over an older one.
TEST(ArchivoTexto, UnArchivoPrivadoSoloLoLeeSuDueno) {
    QTemporaryDir carpeta;
    const QString nueva = carpeta.filePath("nueva.htm");
    const QString vieja = carpeta.filePath("vieja.htm");
    Grabar(vieja, "antes");
    QFile::setPermissions(vieja, QFile::permissions(vieja) | QFile::ReadOther | QFile::ReadGroup);
    for (const QString& ruta : {nueva, vieja}) {
        ArchivoTexto archivo;
        archivo.Abrir(ruta, ArchivoTexto::Modo::Privada);
        archivo.EscribirLinea("<html>");
        archivo.Cerrar();
        EXPECT_EQ(Bytes(ruta), QByteArray("<html>\r\n"));
        EXPECT_EQ(QFile::permissions(ruta) & 0x00FF, QFile::Permissions());
    }
}

TEST(ArchivoTexto, LoEscritoQuedaAunqueNoSeCierreExplicitamente) {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("pagina.htm");
    {
        ArchivoTexto archivo;
        archivo.Abrir(ruta, ArchivoTexto::Modo::Salida);
        archivo.EscribirLinea("<html>");
    }
    EXPECT_EQ(Bytes(ruta), QByteArray("<html>\r\n"));
}

TEST(ArchivoTexto, AceptaRutasConBarraInvertida) {
    QTemporaryDir carpeta;
    QString ruta = carpeta.filePath("estilo.css");
    ruta.replace('/', '\\');
    ArchivoTexto::EscribirLineas(ruta, {"A {}"});
    EXPECT_EQ(Bytes(carpeta.filePath("estilo.css")), QByteArray("A {}\r\n"));
}

TEST(ArchivoTexto, PartirLineasAceptaCualquierFinDeLinea) {
    struct Caso {
        QByteArray bytes;
        QStringList lineas;
    };
    const QList<Caso> casos = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\n\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"a\r\r\nb", {"a", "", "b"}},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(ArchivoTexto::PartirLineas(caso.bytes), caso.lineas) << caso.bytes.toStdString();
    }
}

TEST(ArchivoTexto, CarpetaOArchivoInaccesibleDaElErrorClasico) {
    QTemporaryDir carpeta;
    const QString archivoComun = carpeta.filePath("comun.txt");
    Grabar(archivoComun, "x");
    struct Caso {
        QString ruta;
        long numero;
    };
    const QList<Caso> casos = {
        {carpeta.filePath("no-existe/Auditoria.htm"), 76},
        {archivoComun + "/Auditoria.htm", 76},
        {carpeta.path(), 75},
        {"", 52},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(NumeroDeError([&] { ArchivoTexto::EscribirLineas(caso.ruta, {"x"}); }),
                  caso.numero)
            << caso.ruta.toStdString();
        EXPECT_EQ(NumeroDeError([&] { ArchivoTexto::AgregarLineas(caso.ruta, {"x"}); }),
                  caso.numero)
            << caso.ruta.toStdString();
    }
}

TEST(ArchivoTexto, LaDescripcionDelErrorNombraElArchivo) {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("falta/Style_Auditoria.css");
    try {
        ArchivoTexto::EscribirLineas(ruta, {"x"});
        FAIL() << "sin error";
    } catch (const ErrorEjecucion& error) {
        EXPECT_EQ(error.Description(),
                  QString::fromUtf8("No se encontró la ruta de acceso: ") + ruta);
        EXPECT_EQ(error.Source(), "Auditoria");
    }
}

TEST(ArchivoTexto, CarpetaSinPermisoDeEscrituraDaError70) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "el administrador escribe en cualquier carpeta";
    }
    QTemporaryDir carpeta;
    QFile::setPermissions(carpeta.path(), QFile::ReadOwner | QFile::ExeOwner);
    const long numero =
        NumeroDeError([&] { ArchivoTexto::EscribirLineas(carpeta.filePath("a.htm"), {"x"}); });
    QFile::setPermissions(carpeta.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(numero, 70);
}

TEST(ArchivoTexto, LeerUnArchivoQueFaltaDaError53) {
    QTemporaryDir carpeta;
    EXPECT_EQ(NumeroDeError([&] { ArchivoTexto::LeerLineas(carpeta.filePath("no.txt")); }), 53);
    EXPECT_EQ(NumeroDeError([&] { ArchivoTexto::LeerLineas(carpeta.filePath("x/no.txt")); }), 76);
}
