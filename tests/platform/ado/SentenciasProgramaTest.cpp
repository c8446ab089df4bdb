#include "platform/ado/Recordset.h"
#include "platform/errors/ErrorEjecucion.h"
#include "support/BaseDePrueba.h"

#include <QFile>

using namespace ado;

namespace {

// One statement or batch the program builds, as collected in sentencias_programa.sql.
struct Entrada {
    QString titulo;
    QString sql;
};

QVector<Entrada> LeerEntradas() {
    QFile f(AUDITORIA_TESTS_DIR "/platform/ado/sentencias_programa.sql");
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    QVector<Entrada> entradas;
    QStringList lineas;
    QString titulo;
    auto cerrar = [&] {
        if (!titulo.isEmpty() && !lineas.isEmpty())
            entradas.append({titulo, lineas.join(titulo.contains("(lote)") ? "\r\n" : "\n")});
        titulo.clear();
        lineas.clear();
    };
    for (const QString& linea : QString::fromUtf8(f.readAll()).split('\n')) {
        if (linea.trimmed().isEmpty())
            cerrar();
        else if (titulo.isEmpty() && linea.startsWith("-- "))
            titulo = linea.mid(3);
        else
            lineas.append(linea);
    }
    cerrar();
    return entradas;
}

bool EsConsulta(const QString& sql) {
    return sql.trimmed().startsWith("SELECT", Qt::CaseInsensitive);
}

bool SoloFinDeTransaccion(const QString& sql) {
    const QString s = sql.trimmed().toUpper();
    return s == "COMMIT TRANSACTION" || s == "ROLLBACK TRANSACTION";
}

class SentenciasDelPrograma : public BaseDePrueba {
protected:
    void SetUp() override { CrearDemo(); }

    // Runs the entry and undoes whatever it changed; gives the provider's complaint, if any.
    QString Probar(const Entrada& e) {
        if (EsConsulta(e.sql)) {
            Recordset rs;
            try {
                rs.Open(e.sql, cnn);
            } catch (const ErrorEjecucion& error) {
                return error.Description();
            }
            return {};
        }
        cnn.BeginTrans();
        cnn.Execute(e.sql);
        const QString queja = cnn.Errors().Count() ? cnn.Errors().Item(0).Description : QString();
        cnn.RollbackTrans();
        return queja;
    }
};

TEST_F(SentenciasDelPrograma, CorrenSobreLaBaseDeDemostracion) {
    const QVector<Entrada> entradas = LeerEntradas();
    ASSERT_GT(entradas.size(), 150);
    int probadas = 0;
    for (const Entrada& e : entradas) {
        if (SoloFinDeTransaccion(e.sql))
            continue;
        const QString queja = Probar(e);
        ++probadas;
        // The column the schema check would add is already part of the schema.
        if (e.titulo.contains("AddField"))
            EXPECT_FALSE(queja.isEmpty());
        else
            EXPECT_TRUE(queja.isEmpty()) << e.titulo.toStdString() << "\n"
                                         << e.sql.toStdString() << "\n"
                                         << queja.toStdString();
    }
    // Only the two lone transaction ends are left out: they need the batch before them.
    EXPECT_EQ(probadas, entradas.size() - 2);
}

} // namespace
