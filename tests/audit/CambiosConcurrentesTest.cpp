#include "DemoAuditoria.h"

#include <QElapsedTimer>
#include <QProcess>
#include <array>
#include <cstdio>
#include <memory>

namespace {

constexpr int kInstancias = 4, kPorInstancia = 4;

// Several instances of the program on one database file, each moving differences of its own (the
// "Paginas" differences NCPE 0009-n) from state to state through the state-change dialog, one
// save after another. The test runs itself again as each instance: AUDITORIA_INSTANCIA names the
// instance, AUDITORIA_BASE the shared file. AUDITORIA_CAMBIOS sets the changes per difference
// (20 in CI); set, it also prints the count and the time, for instance
//   AUDITORIA_CAMBIOS=100 build/tests/test_audit --gtest_filter='CambiosConcurrentes.*'
class CambiosConcurrentes : public DemoAuditoria {
protected:
    // Changes the difference's state from the one saved last, as a list showing it would;
    // whether the change was saved.
    static bool CambiarEstado(int numero, int anterior, int nuevo) {
        frmCambioEstado& f = Instancia<frmCambioEstado>();
        f.TC = "NCPE";
        f.Suc = "0009";
        f.Numero = QString::asprintf("%08d", numero);
        f.Letra = "X";
        f.Tc_Origen = "FCC";
        f.Cpte_Origen = "000900000001A";
        f.CabCuenta = "211010101";
        f.CabNombre = "Paginas";
        f.EstadoAnterior = QString::number(anterior);
        f.Load();
        f.dpdEstadoNuevo->setCurrentIndex(nuevo);
        f.CmdAceptar_Click();
        const bool grabado = f.OK;
        Liberar<frmCambioEstado>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return grabado;
    }

    // One instance: its session on the shared file, then its differences through 1, 2, 0, 1...
    // Its output tells each one's state as it saved it last, its refusals and its slowest save.
    void UnaInstancia(int k, const QString& base, int cambios) {
        DB_Dll::Liberar();
        ModGlobal::RestablecerValores();
        ModGlobal::IniciarSesion(false, "@Server=SQLITE;@DbName=" + base +
                                            ";@Usuario=demo;@Password=;@UsuarioLogeado=demo;");
        ASSERT_TRUE(DB_Dll::Instancia().gOpenFlag);
        std::array<int, kPorInstancia> estado{};
        int rechazados = 0;
        qint64 masLento = 0;
        for (int j = 1; j <= cambios; ++j)
            for (int d = 0; d < kPorInstancia; ++d) {
                QElapsedTimer reloj;
                reloj.start();
                const bool grabado = CambiarEstado(k * kPorInstancia + d + 1, estado[d], j % 3);
                masLento = std::max(masLento, reloj.elapsed());
                estado[d] = grabado ? j % 3 : estado[d];
                rechazados += grabado ? 0 : 1;
            }
        for (int d = 0; d < kPorInstancia; ++d)
            std::printf("GRABADO %08d|%d\n", k * kPorInstancia + d + 1, estado[d]);
        std::printf("RECHAZADOS %d %lld\n%s\n", rechazados, masLento, qPrintable(Avisos()));
    }

    static QString EstaPrueba() {
        const auto* prueba = ::testing::UnitTest::GetInstance()->current_test_info();
        return QString::fromLatin1(prueba->test_suite_name()) + '.' + prueba->name();
    }
    std::unique_ptr<QProcess> Lanzar(int k, int cambios) {
        auto instancia = std::make_unique<QProcess>();
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert("AUDITORIA_INSTANCIA", QString::number(k));
        entorno.insert("AUDITORIA_BASE", Archivo());
        entorno.insert("AUDITORIA_CAMBIOS", QString::number(cambios));
        instancia->setProcessEnvironment(entorno);
        instancia->setProcessChannelMode(QProcess::MergedChannels);
        instancia->start(QCoreApplication::applicationFilePath(),
                         {"--gtest_filter=" + EstaPrueba()});
        return instancia;
    }
};

// No save is refused for another's turn, and each difference ends as its instance saved it
// last: no save was lost, none reported as saved that is not there.
TEST_F(CambiosConcurrentes, NingunoSeRechazaYCadaDiferenciaQuedaComoSuInstanciaLaGraboUltima) {
    const int cambios = int(Entorno("AUDITORIA_CAMBIOS", 20));
    if (qEnvironmentVariableIsSet("AUDITORIA_INSTANCIA"))
        return UnaInstancia(int(Entorno("AUDITORIA_INSTANCIA", 0)),
                            qEnvironmentVariable("AUDITORIA_BASE"), cambios);
    DiferenciasDePaginas(kInstancias * kPorInstancia);
    QElapsedTimer reloj;
    reloj.start();
    std::vector<std::unique_ptr<QProcess>> instancias;
    for (int k = 0; k < kInstancias; ++k)
        instancias.push_back(Lanzar(k, cambios));
    QStringList grabados;
    int rechazados = 0;
    qint64 masLento = 0;
    for (const auto& instancia : instancias) {
        ASSERT_TRUE(instancia->waitForFinished(-1));
        const QString salida = QString::fromUtf8(instancia->readAll());
        EXPECT_EQ(instancia->exitCode(), 0) << salida;
        for (const QString& linea : salida.split('\n')) {
            if (linea.startsWith("GRABADO "))
                grabados << linea.mid(8);
            if (linea.startsWith("RECHAZADOS ")) {
                rechazados += linea.section(' ', 1, 1).toInt();
                masLento = std::max(masLento, linea.section(' ', 2, 2).toLongLong());
            }
        }
        EXPECT_TRUE(salida.contains("\nRECHAZADOS 0 ")) << salida;
    }
    const qint64 total = reloj.elapsed();
    EXPECT_EQ(grabados.size(), kInstancias * kPorInstancia);
    EXPECT_EQ(Filas("SELECT NUMERO, ESTADO FROM MV_ASIENTOS WHERE CABNOMBRE = 'Paginas' ORDER BY "
                    "NUMERO"),
              grabados);
    if (qEnvironmentVariableIsSet("AUDITORIA_CAMBIOS"))
        std::printf("%d cambios en %d instancias: %d rechazados, %lld ms en total, el grabado más "
                    "lento %lld ms\n",
                    kInstancias * kPorInstancia * cambios, kInstancias, rechazados, total,
                    masLento);
}

} // namespace
