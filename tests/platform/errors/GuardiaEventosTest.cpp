#include "platform/errors/GuardiaEventos.h"

#include "platform/errors/Procedimiento.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct Informado {
    long numero;
    QString descripcion;
    QString evento;
};

class GuardiaEventos : public ::testing::Test {
protected:
    void SetUp() override {
        InstalarInformeErrores([this](const ErrorEjecucion& error, const QString& evento) {
            informes.push_back({error.Number(), error.Description(), evento});
        });
    }
    void TearDown() override { InstalarInformeErrores({}); }

    std::vector<Informado> informes;
};

TEST_F(GuardiaEventos, UnErrorEnUnManejadorDeQtSeInformaYElBucleSigue) {
    bool siguienteAtendido = false;
    QTimer::singleShot(0, [] {
        ProtegerEvento(QStringLiteral("frmAuditoria.CmdActualizar_Click"), [] {
            throw ErrorEjecucion(3021, QStringLiteral("No hay registro actual"));
        });
    });
    QTimer::singleShot(0, [&] { siguienteAtendido = true; });
    QCoreApplication::processEvents();
    ASSERT_EQ(informes.size(), 1u);
    EXPECT_EQ(informes[0].numero, 3021);
    EXPECT_EQ(informes[0].descripcion, QStringLiteral("No hay registro actual"));
    EXPECT_EQ(informes[0].evento, QStringLiteral("frmAuditoria.CmdActualizar_Click"));
    EXPECT_TRUE(siguienteAtendido);
}

TEST_F(GuardiaEventos, CualquierExcepcionSeInformaComoErrorDeEjecucion) {
    ProtegerEvento(QStringLiteral("a"), [] { throw std::runtime_error("roto"); });
    ProtegerEvento(QStringLiteral("b"), [] { throw 42; });
    ASSERT_EQ(informes.size(), 2u);
    EXPECT_EQ(informes[0].descripcion, QStringLiteral("roto"));
    EXPECT_EQ(informes[1].evento, QStringLiteral("b"));
}

TEST_F(GuardiaEventos, SalirDelProcedimientoTerminaElManejadorSinInforme) {
    bool despues = false;
    ProtegerEvento(QStringLiteral("Form_Unload"), [&] {
        SalirDelProcedimiento();
        despues = true;
    });
    EXPECT_FALSE(despues);
    EXPECT_TRUE(informes.empty());
}

TEST_F(GuardiaEventos, UnInformeQueFallaNoDejaEscaparNada) {
    InstalarInformeErrores([](const ErrorEjecucion&, const QString&) {
        throw std::runtime_error("el cuadro de mensaje no pudo mostrarse");
    });
    EXPECT_NO_THROW(ProtegerEvento(QStringLiteral("x"), [] { throw ErrorEjecucion(5); }));
}

} // namespace
