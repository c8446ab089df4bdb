#include "platform/ado/Transaccion.h"

#include "support/BaseDePrueba.h"

namespace {

class TransaccionTest : public BaseDePrueba {
protected:
    void SetUp() override { Crear("CREATE TABLE T (N INT);"); }
    QString Cuantas() { return Filas("SELECT COUNT(*) FROM T").value(0); }
};

// Kept only when confirmed: leaving the scope any other way, an exception included, undoes
// it; after either, the connection is free for the next one.
TEST_F(TransaccionTest, SoloSeConservaLoConfirmado) {
    {
        ado::Transaccion t(cnn);
        cnn.Execute("INSERT INTO T VALUES (1)");
        t.Confirmar();
    }
    try {
        ado::Transaccion t(cnn);
        cnn.Execute("INSERT INTO T VALUES (2)");
        throw 1;
    } catch (int) {
    }
    {
        ado::Transaccion t(cnn);
        cnn.Execute("INSERT INTO T VALUES (3)");
    }
    EXPECT_EQ(Cuantas(), "1");
    ado::Transaccion otra(cnn);
    otra.Confirmar();
}

} // namespace
