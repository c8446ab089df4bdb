#include "lookup/ConsultasComprobantes.h"

#include "platform/ado/Recordset.h"
#include "support/Apoyo.h"
#include "support/BaseDePrueba.h"

#include <gtest/gtest.h>

using namespace ConsultasComprobantes;

namespace {

TEST(ConsultasComprobantesGrupos, ClavesDeGrupoYCodigosSueltos) {
    const struct {
        QString clave;
        QString tc;
        bool soloPendientes;
    } casos[] = {
        {"RM/PENDIENTES", "RM", true},
        {"rm/pendientes", "RM", true},
        {"NP/PENDIENTES", "NP", true},
        {"OT/Pendientes", "OT", true},
        {"RM/PENDIENTES_COMPRAS", "RMC", true},
        {"PR/PENDIENTES", "PR", true},
        {"FC/ANTICIPOS", "FC", false},
        {"FP/PENDIENTES", "FP", false},
        {"OC", "OC", false},
        {"ncpe", "ncpe", false},
        {"RM/PENDIENTES ", "RM/PENDIENTES ", false}, // a key is matched whole
    };
    for (const auto& c : casos) {
        const Grupo g = ResolverGrupo(c.clave);
        EXPECT_EQ(g.TC, c.tc) << c.clave;
        EXPECT_EQ(g.SoloPendientes, c.soloPendientes) << c.clave;
    }
}

TEST(ConsultasComprobantesGrupos, QuitarWhereSoloLaPalabraEntera) {
    const std::pair<QString, QString> casos[] = {
        {"WHERE CUENTA = '1'", " CUENTA = '1'"},
        {"  where CUENTA = '1' AND where", "   CUENTA = '1' AND "},
        {"SOMEWHERE_ID = 1", "SOMEWHERE_ID = 1"},
        {"NOMBRE = 'where' AND [where] = 1", "NOMBRE = 'where' AND [where] = 1"},
        {"CUENTA = '1'", "CUENTA = '1'"},
        {"", ""},
    };
    for (const auto& [filtro, limpio] : casos)
        EXPECT_EQ(QuitarWhere(filtro), limpio) << filtro;
}

struct Caso {
    const char* nombre;
    QString tc;
    bool soloPendientes;
    QString filtro;
    Interruptores interruptores;
    QString sentencia;
    int filas; // rows of the demo company; -1: the database refuses the statement
};

void PrintTo(const Caso& c, std::ostream* salida) {
    *salida << c.nombre;
}

const Interruptores Ninguno{};
const Interruptores Contado{true, false};
const Interruptores ContadoParcial{true, true};

const QString RemitosPendientes = " SELECT CUENTA , ANULADA, Nombre, APROBADO, "
                                  "TC,IDCOMPROBANTE, ID,FECHA, Importe FROM V_RemitosPendientes "
                                  "WHERE TC = 'RM  '";
const QString RemitosTodos = " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, "
                             "ID,FECHA, Importe FROM V_MV_CPTE WHERE TC = 'RM  '";
const QString Ordenes = " SELECT FECHA, CUENTA , NOMBRE, ANULADA, APROBADO, TC,IDCOMPROBANTE, "
                        "ID,Importe, comentarios, Garantia FROM C_MV_CPTE WHERE TC = 'OC  ' AND "
                        "(APROBADO = 1) AND (FINALIZADO = 0) AND (ANULADA = 0)";
const QString Proformas = " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, "
                          "ID,FECHA, Importe FROM V_MV_CPTE WHERE TC = 'FP  ' ";
const QString Trabajos = " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, "
                         "IDCOMPlemento";

const Caso casos[] = {
    {"RemitosDeCompraPendientes", "RMC", true, "CUENTA = '211010112'", Ninguno,
     " SELECT CUENTA , ANULADA, Nombre, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM "
     "C_RemitosPendientes WHERE TC = 'RMC ' AND CUENTA = '211010112' ORDER BY IDCOMPROBANTE DESC",
     1},
    {"RemitosDeCompraPendientesSinFiltro", "RMC", true, "", Ninguno,
     " SELECT CUENTA , ANULADA, Nombre, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM "
     "C_RemitosPendientes WHERE TC = 'RMC ' ORDER BY IDCOMPROBANTE DESC",
     -2},
    {"RemitosFiltroContado", "RM", true, "CUENTA = '112010201'", Contado,
     RemitosPendientes + " AND CUENTA = '112010201' ORDER BY IDCOMPROBANTE DESC", 1},
    {"RemitosFiltroSinContado", "RM", true, "CUENTA = '112010201'", ContadoParcial,
     RemitosPendientes + " AND CUENTA = '112010201' ORDER BY IDCOMPROBANTE DESC", 1},
    {"RemitosFiltroNada", "RM", true, "CUENTA = '112010201'", Ninguno,
     RemitosTodos + " AND CUENTA = '112010201'  AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC", 1},
    {"RemitosContado", "RM", true, "", Contado, RemitosPendientes + " ORDER BY IDCOMPROBANTE DESC",
     1},
    {"RemitosContadoParcial", "RM", true, "", ContadoParcial,
     RemitosTodos + " AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC", 1},
    {"RemitosSinInterruptores", "RM", true, " ", Ninguno,
     RemitosTodos + " AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC", 1},
    {"Terceros", "t3", false, "CUENTA = 'x'", Ninguno,
     "SELECT * FROM V_MV_CPTETERCEROS ORDER BY ID,IDCOMPROBANTE, IDCOMPLEMENTO", 0},
    {"AsientosPrimeraLinea", "NCPE", false, "", Ninguno,
     "SELECT * FROM MV_ASIENTOS WHERE TC = 'NCPE' AND SECUENCIA = 1 ORDER BY SUCURSAL, NUMERO, "
     "LETRA DESC",
     -2},
    {"AsientosConFiltro", "ncpe", false, "CABCUENTA = '211010102'", Ninguno,
     "SELECT * FROM MV_ASIENTOS WHERE TC = 'ncpe' AND CABCUENTA = '211010102' ORDER BY "
     "SUCURSAL, NUMERO, LETRA DESC ",
     -2},
    {"AsientosNDPR", "NDPR", false, "", Ninguno,
     "SELECT * FROM MV_ASIENTOS WHERE TC = 'NDPR' AND SECUENCIA = 1 ORDER BY SUCURSAL, NUMERO, "
     "LETRA DESC",
     0},
    {"FacturasDeCompra", "fcc", false, "", Ninguno,
     "SELECT * FROM C_MV_CPTE WHERE TC = 'fcc ' ORDER BY IDCOMPROBANTE DESC", -2},
    {"RemitosDeCompraTodos", "RMC", false, "FECHA >= '01/03/2026'", Ninguno,
     "SELECT * FROM C_MV_CPTE WHERE TC = 'RMC ' AND FECHA >= '01/03/2026' ORDER BY "
     "IDCOMPROBANTE DESC ",
     4},
    {"TrabajosPendientes", "OT", true, "CUENTA = '112010204'", Ninguno,
     Trabajos + ",ID,FECHA, Importe FROM V_OT_Pendientes WHERE TC = 'OT  ' AND CUENTA = "
                "'112010204' ORDER BY IDCOMPROBANTE DESC",
     0},
    {"TrabajosPendientesSinFiltro", "OT", true, "", Ninguno,
     Trabajos + ",ID,FECHA, Importe FROM V_OT_Pendientes WHERE TC = 'OT  ' ORDER BY "
                "IDCOMPROBANTE DESC",
     0},
    {"TrabajosTodos", "OT", false, "", Ninguno,
     Trabajos + " , ID,FECHA, Importe FROM V_OT_Pendientes WHERE TC = 'OT  '  ORDER BY "
                "IDCOMPROBANTE DESC",
     0},
    {"PedidosConFiltro", "NP", true, "CUENTA = '112010206'", Ninguno,
     " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, "
     "FechaPreparacion FROM V_MV_CPTE WHERE TC = 'NP  ' AND CUENTA = '112010206' AND FINALIZADA "
     "= 0 and anulada = 0 ORDER BY IDCOMPROBANTE DESC",
     1},
    {"Pedidos", "NP", true, "", Ninguno,
     " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, "
     "Importe,FechaPreparacion FROM V_MV_CPTE WHERE TC = 'NP  ' AND FINALIZADA = 0 and anulada "
     "= 0 ORDER BY IDCOMPROBANTE DESC",
     2},
    {"PresupuestosConFiltro", "PR", true, "CUENTA = '112010204'", Ninguno,
     " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, "
     "comentarios FROM V_MV_CPTE WHERE TC = 'PR  ' AND APROBADO = 1 AND CUENTA = '112010204' "
     "AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC",
     1},
    {"Presupuestos", "PR", true, "", Ninguno,
     " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, "
     "comentarios FROM V_PR_PENDIENTES WHERE TC = 'PR  ' AND APROBADO = 1 ORDER BY "
     "IDCOMPROBANTE DESC",
     1},
    {"OrdenesConWhere", "OC", false, "WHERE CUENTA = '211010112'", Ninguno,
     Ordenes + " AND  CUENTA = '211010112' ORDER BY IDCOMPROBANTE DESC", -2},
    {"OrdenesSoloWhere", "OC", false, " where ", Ninguno,
     Ordenes + "   ORDER BY IDCOMPROBANTE DESC", -2},
    {"Ordenes", "OC", false, "", Ninguno, Ordenes + " ORDER BY IDCOMPROBANTE DESC", -2},
    {"ProformasConWhere", "FP", false, "where CUENTA = '112010206'", Ninguno,
     Proformas + " AND  CUENTA = '112010206'  AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC", 0},
    {"Proformas", "FP", false, "", Ninguno,
     Proformas + "  AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC", 0},
    {"Facturas", "FC", false, "", Ninguno,
     "SELECT * FROM V_MV_CPTE WHERE TC = 'FC  ' ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC",
     -2},
    {"FacturasConFiltro", "FC", false, "CUENTA = '112010201'", Ninguno,
     "SELECT * FROM V_MV_CPTE WHERE TC = 'FC  ' AND CUENTA = '112010201' ORDER BY  "
     "IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC  ",
     2},
    {"RemitosSinPendientes", "RM", false, "", Ninguno,
     "SELECT * FROM V_MV_CPTE WHERE TC = 'RM  ' ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC", 2},
    {"CodigoDesconocido", "ZZ", false, "", Ninguno,
     "SELECT * FROM V_MV_CPTE WHERE TC = 'ZZ  ' ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC", 0},
};

// Every shape reads the one demo database; nothing here writes to it.
class ConsultasComprobantesSentencias : public ::testing::TestWithParam<Caso> {
protected:
    static void SetUpTestSuite() {
        base_ = new Base;
        base_->Preparar();
    }
    static void TearDownTestSuite() {
        delete base_;
        base_ = nullptr;
    }
    struct Base : BaseDePrueba {
        void Preparar() { CrearDemo(); }
        ado::Connection& Conexion() { return cnn; }
        void TestBody() override {}
    };
    static ado::Connection& Conexion() { return base_->Conexion(); }
    static inline Base* base_ = nullptr;
};

// The text of each shape, and what the demo company's database makes of it: -1 refused,
// -2 some rows (how many does not matter here).
TEST_P(ConsultasComprobantesSentencias, ArmaYCorreEnLaBaseDemo) {
    const Caso& c = GetParam();
    const Consulta consulta = ArmarConsulta(c.tc, c.soloPendientes, c.filtro, c.interruptores);
    EXPECT_EQ(consulta.Sentencia, c.sentencia);
    ado::Recordset rs;
    const long error = NumeroDeError([&] { rs.Open(consulta.Sentencia, Conexion()); });
    if (c.filas == -1) {
        EXPECT_NE(error, 0);
        return;
    }
    ASSERT_EQ(error, 0) << consulta.Sentencia;
    if (c.filas == -2)
        EXPECT_GT(rs.RecordCount(), 0);
    else
        EXPECT_EQ(rs.RecordCount(), c.filas);
}

INSTANTIATE_TEST_SUITE_P(Grupos, ConsultasComprobantesSentencias, ::testing::ValuesIn(casos),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(ConsultasComprobantesGrupos, ElFiltroLimpioVuelveSoloParaOrdenesYProformas) {
    EXPECT_EQ(ArmarConsulta("OC", false, "WHERE X = 1", {}).Filtro, QString(" X = 1"));
    EXPECT_EQ(ArmarConsulta("fp", false, "Where X = 1", {}).Filtro, QString(" X = 1"));
    EXPECT_EQ(ArmarConsulta("FC", false, "WHERE X = 1", {}).Filtro, QString("WHERE X = 1"));
    EXPECT_EQ(ArmarConsulta("T3", false, "X = 1", {}).Filtro, QString("X = 1"));
}

} // namespace
