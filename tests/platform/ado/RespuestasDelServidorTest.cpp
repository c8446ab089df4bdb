#include "platform/ado/Recordset.h"
#include "platform/errors/ErrorEjecucion.h"
#include "support/BaseDePrueba.h"

using namespace ado;

namespace {

const char* kEsquema = R"(
CREATE TABLE P (N INT, NOM VARCHAR(20) COLLATE SQLSRV_CI, C4 CHAR(4) COLLATE SQLSRV_CI,
    V10 VARCHAR(10) COLLATE SQLSRV_CI, IMP MONEY, F DATETIME);
INSERT INTO P VALUES (1, 'zapato', '0003', '005', 100, '2025-03-14 00:00:00');
INSERT INTO P VALUES (2, 'Ñandú', NULL, NULL, 50, NULL);
INSERT INTO P VALUES (3, 'álamo', 'B', 'b', 7, NULL);
INSERT INTO P VALUES (4, 'Nube', NULL, NULL, 3, NULL);
INSERT INTO P VALUES (5, 'Oso', NULL, NULL, 1, NULL);
INSERT INTO P VALUES (6, 'Eco', NULL, NULL, 2, NULL);
)";

// A statement and what SQL Server answers to it (rows joined by ";", columns by "|"); null when
// the embedded engine is to refuse it, because it cannot give that answer.
struct Respuesta {
    const char* sql;
    const char* servidor;
};

const Respuesta kRespuestas[] = {
    // Shapes of the program's own statements.
    {"SELECT TOP 1 N FROM P WHERE LTRIM(RTRIM(NOM)) ='ZAPATO'", "1"},
    {"SELECT ISNULL(N,0) AS A, (N + N + N) AS T FROM P WHERE N = 4", "4|12"},
    {"SELECT MAX(N) AS MAYOR FROM P WHERE NOM LIKE 'ñ%'", "2"},
    {"SELECT N FROM P WHERE F <= '14/03/2025' AND F >= '14/03/25'", "1"},
    {"SELECT N FROM P WHERE NOM = 'ÑANDÚ  '", "2"},
    {"SELECT CHARINDEX('PA', NOM) FROM P WHERE N = 1", "3"},
    {"SELECT N / 2, N * 2 / 3 FROM P WHERE N = 5", "2|3"},
    // Text joined with '+': the server concatenates, this engine would add.
    {"SELECT ISNULL(C4,'')+ISNULL(V10,'') FROM P WHERE N = 1", nullptr},
    {"SELECT RTRIM(C4)+RTRIM(V10) FROM P WHERE N = 1", nullptr},
    {"SELECT LTRIM(RTRIM(NOM))+LTRIM(RTRIM(C4)) FROM P WHERE N = 1", nullptr},
    {"SELECT SUM(IMP) + 1 FROM P WHERE N > 3", "7"},
    {"SELECT ISNULL(N,0) - 1 FROM P WHERE N = 4", "3"},
    {"SELECT SUM(IMP * 2) + 1 FROM P", nullptr},
    // The server divides by the type of the whole product: 66,6667.
    {"SELECT IMP * 2 / 3 FROM P WHERE N = 1", nullptr},
    // Days added to a date there, years here.
    {"SELECT F + 1 FROM P WHERE N = 1", nullptr},
    {"SELECT F - 1 FROM P WHERE N = 1", nullptr},
    {"SELECT MAX(F) - 1 FROM P", nullptr},
    // Function results keep their column's collation and type.
    {"SELECT N FROM P WHERE RTRIM(NOM) = RTRIM('ÑANDÚ')", "2"},
    {"SELECT N FROM P ORDER BY RTRIM(NOM)", "3;6;4;2;5;1"},
    {"SELECT N FROM P ORDER BY ISNULL(NOM,'')", "3;6;4;2;5;1"},
    {"SELECT TOP 2 N FROM P ORDER BY RTRIM(NOM)", "3;6"},
    {"SELECT REPLACE(NOM,'Z','X') FROM P WHERE N = 1", "Xapato"},
    {"SELECT COUNT(*) FROM P WHERE NOM LIKE '[a-z]%'", "6"},
    {"SELECT N FROM P WHERE NOM LIKE '[a-m]%' ORDER BY N", "3;6"},
    {"SELECT ISNULL(C4,'ninguno') FROM P WHERE N = 2", "ning"},
    {"SELECT N FROM P WHERE ISNULL(C4,'ninguno') = 'ning' ORDER BY N", "2;4;5;6"},
    // A text column against a number is compared as numbers there.
    {"SELECT N FROM P WHERE V10 = 5", nullptr},
    {"SELECT N FROM P WHERE 5 = RTRIM(V10)", nullptr},
    {"SELECT N FROM P WHERE V10 BETWEEN 4 AND 6", nullptr},
    {"SELECT N FROM P WHERE V10 NOT BETWEEN '004' AND -6", nullptr},
    {"SELECT N FROM P WHERE V10 IN ('x', 5)", nullptr},
    {"SELECT N FROM P WHERE RTRIM(V10) NOT IN (-5)", nullptr},
    {"SELECT N FROM P WHERE N BETWEEN 4 AND 5 ORDER BY N", "4;5"},
    {"SELECT N FROM P WHERE V10 IN (SELECT V10 FROM P WHERE N = 1)", "1"},
    {"SELECT N FROM P WHERE V10 IN ('005', 'b') ORDER BY N", "1;3"},
};

class RespuestasDelServidor : public BaseDePrueba {
protected:
    void SetUp() override { Crear(kEsquema); }

    // The rows the engine gives, or the refusal's text.
    QString Respuesta(const QString& sql) {
        Recordset rs;
        try {
            rs.Open(sql, cnn);
        } catch (const ErrorEjecucion& e) {
            return e.Description();
        }
        QStringList filas;
        for (; !rs.Eof(); rs.MoveNext()) {
            QStringList valores;
            for (int i = 0; i < rs.FieldCount(); ++i)
                valores << rs.Fields(i).Value().toString();
            filas << valores.join('|');
        }
        return filas.join(';');
    }
};

TEST_F(RespuestasDelServidor, IgualesORechazadasPorSuNombre) {
    for (const auto& [sql, servidor] : kRespuestas) {
        const QString respuesta = Respuesta(QString::fromUtf8(sql));
        if (servidor)
            EXPECT_EQ(respuesta, QString::fromUtf8(servidor)) << sql;
        else
            EXPECT_TRUE(respuesta.startsWith("La base de datos incorporada no admite "))
                << sql << " -> " << respuesta.toStdString();
    }
}

} // namespace
