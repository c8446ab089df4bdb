#include "platform/files/Carpetas.h"

#include "platform/errors/ErrorEjecucion.h"
#include "support/Apoyo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace archivos;

namespace {

void Crear(const QString& ruta) {
    QFile archivo(ruta);
    archivo.open(QIODevice::WriteOnly);
}

// Restores an environment variable when the test ends.
class VariableTemporal {
public:
    explicit VariableTemporal(const char* nombre) : nombre_(nombre), valor_(qgetenv(nombre)) {}
    ~VariableTemporal() { qputenv(nombre_, valor_); }

private:
    const char* nombre_;
    QByteArray valor_;
};

} // namespace

TEST(Carpetas, UnirRutaDejaUnSoloSeparadorDeLaPlataforma) {
    struct Caso {
        QString carpeta;
        QString nombre;
        QString esperado;
    };
    const QList<Caso> casos = {
        {"/tmp", "Auditoria.htm", "/tmp/Auditoria.htm"},
        {"/tmp/", "Auditoria.htm", "/tmp/Auditoria.htm"},
        {"C:\\Temp\\", "Auditoria.htm", "C:/Temp/Auditoria.htm"},
        {"C:\\Temp", "sub\\SVERR.LOG", "C:/Temp/sub/SVERR.LOG"},
        {"/opt/sv\\", "\\consultas.sve", "/opt/sv/consultas.sve"},
        {"/", "SVERR.LOG", "/SVERR.LOG"},
        {"\\", "SVERR.LOG", "/SVERR.LOG"},
        {"", "consultas.sve", "consultas.sve"},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(UnirRuta(caso.carpeta, caso.nombre), QDir::toNativeSeparators(caso.esperado))
            << caso.carpeta.toStdString() << " + " << caso.nombre.toStdString();
    }
}

TEST(Carpetas, CarpetaDelProgramaEsLaDelEjecutableSalvoQueSeFije) {
    EXPECT_EQ(CarpetaPrograma(), QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    FijarCarpetaPrograma("C:\\SV\\Programas");
    EXPECT_EQ(CarpetaPrograma(), QDir::toNativeSeparators("C:/SV/Programas"));
    FijarCarpetaPrograma("");
    EXPECT_EQ(CarpetaPrograma(), QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

TEST(Carpetas, CarpetaTemporalDeTempOLaDelSistema) {
    VariableTemporal temp("TEMP");
    qputenv("TEMP", "/var/tmp/usuario");
    EXPECT_EQ(CarpetaTemporal(), QDir::toNativeSeparators("/var/tmp/usuario"));
    qputenv("TEMP", "  ");
    const QString propia = CarpetaTemporal();
    qunsetenv("TEMP");
    EXPECT_EQ(CarpetaTemporal(), propia);
    const QFileInfo info(propia);
    EXPECT_TRUE(info.isDir());
    EXPECT_EQ(info.absolutePath(), QDir::tempPath() + "/auditoria-" + QString::number(geteuid()));
    EXPECT_EQ(info.permissions() & 0x00FF, QFile::Permissions()); // nobody else may enter
}

// Another user's folder, open to others or a link planted in its place, is never used; two
// processes never share one.
TEST(Carpetas, LaCarpetaTemporalPropiaNoEsDeNadieMas) {
    QTemporaryDir sistema;
    const QString usuario = sistema.filePath("auditoria-" + QString::number(geteuid()));
    QTemporaryDir ajena;
    const auto sinOtros = [](const QString& ruta) {
        return (QFile::permissions(ruta) & 0x00FF) == 0 && QFileInfo(ruta).isDir();
    };
    ASSERT_TRUE(QFile::link(ajena.path(), usuario));
    QString propia = CarpetaTemporalPropia(sistema.path());
    EXPECT_EQ(QFileInfo(propia).absolutePath(), sistema.path());
    EXPECT_TRUE(sinOtros(propia));
    EXPECT_TRUE(QDir(ajena.path()).isEmpty());
    QFile::remove(usuario);
    ASSERT_TRUE(QDir().mkdir(usuario));
    QFile::setPermissions(usuario,
                          QFile::permissions(usuario) | QFile::ReadOther | QFile::ExeOther);
    EXPECT_EQ(QFileInfo(CarpetaTemporalPropia(sistema.path())).absolutePath(), sistema.path());
    QFile::setPermissions(usuario, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    propia = CarpetaTemporalPropia(sistema.path());
    EXPECT_EQ(QFileInfo(propia).absolutePath(), usuario);
    EXPECT_TRUE(sinOtros(propia));
    EXPECT_NE(CarpetaTemporalPropia(sistema.path()), propia);
}

TEST(Carpetas, ExisteArchivoSoloParaArchivos) {
    QTemporaryDir carpeta;
    Crear(carpeta.filePath("consultas.sve"));
    QString conBarras = carpeta.filePath("consultas.sve");
    conBarras.replace('/', '\\');
    EXPECT_TRUE(ExisteArchivo(carpeta.filePath("consultas.sve")));
    EXPECT_TRUE(ExisteArchivo(conBarras));
    EXPECT_FALSE(ExisteArchivo(carpeta.filePath("otro.sve")));
    EXPECT_FALSE(ExisteArchivo(carpeta.path()));
    EXPECT_FALSE(ExisteArchivo(""));
}

TEST(Carpetas, BorrarYRenombrarComoElRuntimeClasico) {
    QTemporaryDir carpeta;
    const QString sve = carpeta.filePath("CONSULTASLEN.SVE");
    const QString aux = carpeta.filePath("CONSULTASLEN.AUX");
    Crear(sve);
    Crear(aux);

    EXPECT_EQ(NumeroDeError([&] { RenombrarArchivo(aux, sve); }), 58);
    BorrarArchivo(sve);
    RenombrarArchivo(aux, sve);
    EXPECT_TRUE(ExisteArchivo(sve));
    EXPECT_FALSE(ExisteArchivo(aux));
    EXPECT_EQ(NumeroDeError([&] { BorrarArchivo(aux); }), 53);
    EXPECT_EQ(NumeroDeError([&] { RenombrarArchivo(aux, sve + "2"); }), 53);
}
