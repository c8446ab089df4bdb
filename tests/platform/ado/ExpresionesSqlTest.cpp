#include "platform/ado/ExpresionesSql.h"

#include <gtest/gtest.h>

using namespace ado;

namespace {

QString Describir(const TipoSql& t) {
    switch (t.clase) {
    case TipoSql::Texto:
        return QStringLiteral("%1(%2)").arg(t.nombre).arg(t.largo);
    case TipoSql::Fecha:
    case TipoSql::Flotante:
        return t.nombre;
    case TipoSql::Entero:
    case TipoSql::Dinero:
    case TipoSql::Decimal:
        return QStringLiteral("%1(%2,%3)").arg(t.nombre).arg(t.precision).arg(t.escala);
    case TipoSql::Nulo:
        return QStringLiteral("null");
    default:
        return QStringLiteral("?");
    }
}

// The server's precedence, and its precision and scale for exact numbers, shrunk past 38 digits.
TEST(TiposSql, OperacionesConLasReglasDelServidor) {
    struct Caso {
        const char *a, *op, *b, *resultado;
    };
    const Caso casos[] = {{"DECIMAL(10,3)", "+", "NUMERIC(20,1)", "numeric(23,3)"},
                          {"DECIMAL(10,3)", "-", "INT", "numeric(14,3)"},
                          {"MONEY", "*", "DECIMAL(5,2)", "numeric(25,6)"},
                          {"DECIMAL(19,4)", "*", "DECIMAL(19,4)", "numeric(38,7)"},
                          {"DECIMAL(38,10)", "*", "DECIMAL(10,2)", "numeric(38,6)"},
                          {"DECIMAL(38,2)", "*", "DECIMAL(10,2)", "numeric(38,4)"},
                          {"DECIMAL(38,30)", "+", "DECIMAL(38,30)", "numeric(38,30)"},
                          {"DECIMAL(2,1)", "/", "INT", "numeric(13,12)"},
                          {"DECIMAL(7,4)", "%", "DECIMAL(5,2)", "numeric(7,4)"},
                          {"MONEY", "+", "INT", "money(19,4)"},
                          {"SMALLMONEY", "*", "MONEY", "money(19,4)"},
                          {"INT", "/", "BIGINT", "bigint(19,0)"},
                          {"INT", "*", "SMALLINT", "int(10,0)"},
                          {"FLOAT", "+", "MONEY", "float"},
                          {"INT", "+", "VARCHAR(5)", "?"},
                          {"DATETIME", "-", "INT", "?"}};
    for (const auto& [a, op, b, resultado] : casos)
        EXPECT_EQ(
            Describir(TipoDeOperacion(QLatin1Char(op[0]), TipoDeclarado(a), TipoDeclarado(b))),
            QString::fromLatin1(resultado))
            << a << op << b;
}

TEST(TiposSql, DeclaracionesConSusLargosYEscalas) {
    const std::pair<const char*, const char*> casos[] = {{"decimal", "numeric(18,0)"},
                                                         {"NUMERIC ( 7 , 4 )", "numeric(7,4)"},
                                                         {"CHAR", "char(1)"},
                                                         {"NATIONAL CHARACTER(4)", "char(4)"},
                                                         {"CHARACTER VARYING(9)", "varchar(9)"},
                                                         {"NVARCHAR(max)", "varchar(0)"},
                                                         {"SMALLDATETIME", "datetime"},
                                                         {"DATE", "date"},
                                                         {"DOUBLE PRECISION", "float"},
                                                         {"XML", "?"}};
    for (const auto& [declarado, tipo] : casos)
        EXPECT_EQ(Describir(TipoDeclarado(QString::fromLatin1(declarado))),
                  QString::fromLatin1(tipo))
            << declarado;
    EXPECT_EQ(Describir(TipoDeclarado("VARCHAR", 30)), "varchar(30)");
}

// Literals, columns, calls and CASE inside one statement; * before +, each from the left.
TEST(TiposSql, ExpresionesDeUnaSentencia) {
    EsquemaSqlite esquema;
    esquema.AgregarTabla("T", {{"N", "INT"}, {"IMP", "MONEY"}, {"C", "CHAR(4)"}});
    const std::pair<const char*, const char*> casos[] = {
        {"0.1", "numeric(1,1)"},
        {"007.50", "numeric(3,2)"},
        {"3000000000", "numeric(10,0)"},
        {"- 5", "int(1,0)"},
        {"N - IMP * 0.15", "numeric(23,6)"},
        {"(N - IMP) * 0.15", "numeric(22,6)"},
        {"T.N * 2 + N", "int(10,0)"},
        {"SUM(IMP) + 1", "money(19,4)"},
        {"AVG(0.15)", "numeric(38,6)"},
        {"CASE WHEN N > 1 THEN IMP ELSE 0.5 END", "numeric(19,4)"},
        {"CASE WHEN N > 1 THEN C ELSE 0 END", "?"},
        {"ISNULL(RTRIM(C), 'x')", "varchar(4)"},
        {"CAST(N AS DECIMAL(9, 2))", "numeric(9,2)"},
        {"COALESCE(NULL, N, IMP)", "money(19,4)"},
        {"(SELECT N FROM T)", "?"}};
    for (const auto& [expresion, tipo] : casos) {
        const TokensSql t = Tokenizar(QStringLiteral("SELECT %1 FROM T").arg(expresion));
        const ExpresionesSql ex(t, esquema);
        const Tramo e = ex.ExpresionDesde(Siguiente(t, 0));
        EXPECT_EQ(Describir(ex.Tipo(e)), QString::fromLatin1(tipo)) << expresion;
        EXPECT_TRUE(t[Siguiente(t, e.fin)].EsPalabra("FROM")) << expresion;
    }
}

} // namespace
