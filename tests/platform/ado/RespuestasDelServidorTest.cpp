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
CREATE TABLE M (K INT, N INT, IMP MONEY, D DECIMAL(7,4), T VARCHAR(10) COLLATE SQLSRV_CI,
    NOM VARCHAR(10) COLLATE SQLSRV_CI, W VARCHAR(10) COLLATE SQLSRV_CI, F DATETIME, FD DATE);
INSERT INTO M VALUES (1, NULL, 0.1, 2.5, '-05', 'a', 'B', '2025-03-10 00:00:00', '2025-03-01');
INSERT INTO M VALUES (2, 2, 2.5, -2.5, '5', 'A', 'a', '2025-03-01 13:05:00', NULL);
INSERT INTO M VALUES (3, 3, -2.5, 0.15, ' 7 ', ' a', 'Ñu', NULL, NULL);
INSERT INTO M VALUES (4, 4, 922337203685477, 0, '005', 'b', 'Oso', NULL, NULL);
INSERT INTO M VALUES (5, 5, 0.2, NULL, NULL, 'B ', 'Álamo', NULL, NULL);
INSERT INTO M VALUES (6, NULL, NULL, NULL, NULL, NULL, 'Avila', NULL, NULL);
)";

// A statement and what SQL Server answers to it: its rows (joined by ";", columns by "|"), nothing
// for a statement that returns none, or "error N" for the server's error N, which leaves the data
// as it was. Null when the embedded engine is to refuse it, because it cannot give that answer.
// Statements run in order on one database: a later one sees what an earlier one wrote.
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
    {"SELECT SUM(IMP * 2) + 1 FROM P", "327"},
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
    // A text column against a number is read as a number there: 'b' is none.
    {"SELECT N FROM P WHERE V10 = 5", "error 245"},
    {"SELECT N FROM P WHERE 5 = RTRIM(V10)", "error 245"},
    {"SELECT N FROM P WHERE V10 BETWEEN 4 AND 6", "error 245"},
    {"SELECT N FROM P WHERE V10 NOT BETWEEN '004' AND -6", "error 245"},
    {"SELECT N FROM P WHERE V10 IN ('x', 5)", nullptr},
    {"SELECT N FROM P WHERE RTRIM(V10) NOT IN (-5)", "error 245"},
    {"SELECT N FROM P WHERE N BETWEEN 4 AND 5 ORDER BY N", "4;5"},
    {"SELECT N FROM P WHERE V10 IN (SELECT V10 FROM P WHERE N = 1)", "1"},
    {"SELECT N FROM P WHERE V10 IN ('005', 'b') ORDER BY N", "1;3"},
    {"SELECT K FROM M WHERE T = -5", "1"},
    {"SELECT K FROM M WHERE T = (5) ORDER BY K", "2;4"},
    {"SELECT K FROM M WHERE T IN (7, -5) ORDER BY K", "1;3"},
    {"SELECT K FROM M WHERE K * 2 = '4'", "2"},
    {"SELECT K FROM M WHERE LEN(T) = '3' ORDER BY K", "1;4"},
    {"SELECT K FROM M WHERE K * 2 = 'x'", "error 245"},
    // Exact numbers: decimals written in the statement, amounts, their sums and rounding.
    {"SELECT 0.1 * 3", "0.3"},
    {"SELECT K FROM M WHERE 0.1 * 3 = 0.3 AND K = 1", "1"},
    {"SELECT IMP * 3, IMP + 0.2 FROM M WHERE K = 1", "0.3|0.3"},
    {"SELECT SUM(IMP) FROM M WHERE K IN (1, 5)", "0.3"},
    {"SELECT SUM(CASE WHEN K IN (1, 5) THEN IMP ELSE 0 END) FROM M", "0.3"},
    {"SELECT ROUND(1234.5678, -2), ROUND(2.5, 0, 1), ROUND(D, 1) FROM M WHERE K = 3", "1200|2|0.2"},
    {"SELECT ROUND(748.58, -3)", "error 8115"},
    {"SELECT IMP * 10 FROM M WHERE K = 4", "error 8115"},
    {"UPDATE M SET IMP = IMP * 10 WHERE K = 4", "error 8115"},
    {"SELECT IMP FROM M WHERE K = 4", "922337203685477"},
    // Beyond 2^53 ten-thousandths the engine's numbers hold no fraction of an amount.
    {"UPDATE M SET IMP = IMP + 0.0001 WHERE K = 4", nullptr},
    // The top of an amount's range, and one ten-thousandth beyond it.
    {"UPDATE M SET IMP = IMP + 0.5807 WHERE K = 4", ""},
    {"SELECT IMP FROM M WHERE K = 4", "922337203685477.5807"},
    {"SELECT IMP + CAST(0.0001 AS MONEY) FROM M WHERE K = 4", "error 8115"},
    {"SELECT IMP - CAST(0.0001 AS MONEY) FROM M WHERE K = 4", nullptr},
    // Division by zero, and by one either side of it.
    {"SELECT K / 0 FROM M WHERE K = 1", "error 8134"},
    {"SELECT 10 / (K - 2) FROM M WHERE K IN (1, 3) ORDER BY K", "-10;10"},
    {"SELECT K % (K - 1) FROM M WHERE K = 1", "error 8134"},
    {"UPDATE M SET N = 10 / (K - 1)", "error 8134"},
    {"SELECT COUNT(*) FROM M WHERE N = 10", "0"},
    {"SELECT COUNT(N) FROM M", "4"},
    // Averages of whole numbers are whole, cut toward zero; amounts round into whole numbers.
    {"SELECT AVG(K), AVG(-K) FROM M WHERE K < 5", "2|-2"},
    {"SELECT CAST(IMP AS INT), CAST(D AS INT) FROM M WHERE K = 2", "3|-2"},
    {"SELECT CAST(IMP AS INT) FROM M WHERE K = 3", "-3"},
    // Dates as text, in the server's default style; a DATE as ISO.
    {"SELECT CAST(F AS VARCHAR), CAST(FD AS VARCHAR(20)) FROM M WHERE K = 1",
     "Mar 10 2025 12:00AM|2025-03-01"},
    {"SELECT CAST(F AS VARCHAR(30)) FROM M WHERE K = 2", "Mar  1 2025  1:05PM"},
    // Numbers as text: an amount with two decimals, a decimal with its own, a whole number too
    // long for its text a "*".
    {"SELECT CAST(IMP AS VARCHAR), CAST(D AS VARCHAR(10)), CAST(K * 1000 AS CHAR(3)) FROM M "
     "WHERE K = 2",
     "2.50|-2.5000|*  "},
    {"SELECT CAST('5.5' AS INT)", "error 245"},
    // ISNULL takes its first argument's type.
    {"SELECT ISNULL(N, 2.7) FROM M WHERE K = 1", "2"},
    {"SELECT ISNULL(IMP, 2.71828), ISNULL(T, 'abcdefghijklmn') FROM M WHERE K = 6",
     "2.7183|abcdefghij"},
    {"SELECT ISNULL(N, 'x') FROM M WHERE K = 6", "error 245"},
    {"SELECT ISNULL(F, '14/03/2025') FROM M WHERE K = 3", "2025-03-14T00:00:00.000"},
    // Text results tell rows apart, group and find their least and greatest by the collation.
    {"SELECT COUNT(*) FROM (SELECT DISTINCT LTRIM(NOM) FROM M) Q", "3"},
    {"SELECT COUNT(*) FROM (SELECT DISTINCT UPPER(NOM) FROM M) Q", "4"},
    {"SELECT COUNT(*) FROM (SELECT DISTINCT LTRIM(NOM)AS X FROM M) Q", "3"},
    {"SELECT COUNT(*) FROM M GROUP BY RTRIM(NOM) ORDER BY 1", "1;1;2;2"},
    {"SELECT MIN(LTRIM(W)), MAX(RTRIM(W)) FROM M", "a|Oso"},
    {"SELECT MAX(LTRIM(W)) FROM M WHERE K > 4", "Avila"},
    // A value written takes its column's type: rounded, cut, or beyond its range.
    {"UPDATE M SET D = IMP + 0.00005 WHERE K = 2", ""},
    {"UPDATE M SET N = IMP WHERE K = 3", ""},
    {"UPDATE M SET IMP = IMP + 922337203685477.0 WHERE K = 2", "error 8115"},
    {"SELECT D, IMP FROM M WHERE K = 2", "2.5001|2.5"},
    {"SELECT N FROM M WHERE K = 3", "-3"},
    {"INSERT INTO M (K, N, D) VALUES (7, 2.9, 1.23445)", ""},
    {"SELECT D FROM M WHERE K = 7 AND N = 2", "1.2345"},
};

class RespuestasDelServidor : public BaseDePrueba {
protected:
    void SetUp() override { Crear(kEsquema); }

    // The rows the engine gives, "error N" for the server's error it reports, or the text of any
    // other complaint.
    QString Respuesta(const QString& sql) {
        if (!sql.startsWith("SELECT")) {
            cnn.Execute(sql);
            return cnn.Errors().Count() ? Queja() : QString();
        }
        Recordset rs;
        try {
            rs.Open(sql, cnn);
        } catch (const ErrorEjecucion&) {
            return Queja();
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
    QString Queja() {
        const Error& e = cnn.Errors().Item(0);
        return e.NativeError ? QStringLiteral("error %1").arg(e.NativeError) : e.Description;
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
