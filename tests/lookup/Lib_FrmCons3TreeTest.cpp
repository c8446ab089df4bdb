#include "lookup/Lib_FrmCons3Tree.h"

#include "platform/controls/Node.h"
#include "platform/controls/TreeView.h"
#include "platform/forms/Twips.h"
#include "support/SesionDemo.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using controles::Node;

namespace {

// ---- Prefix parenting and the description filter -------------------------------------------

TEST(ArbolPrefijos, CadaCodigoBajoElPrefijoMasLargoAnterior) {
    const struct {
        QStringList codigos;
        std::vector<int> padres;
    } casos[] = {
        {{"1", "11", "111", "12", "2"}, {-1, 0, 1, 0, -1}},
        {{"11", "1"}, {-1, -1}},            // a parent after its child is not seen
        {{"1", "105"}, {-1, 0}},            // levels need no fixed width
        {{"1", "11", "11101"}, {-1, 0, 1}}, // missing levels: the longest present
        {{"ab", "ABC", "aBd"}, {-1, 0, 0}}, // letter case aside
        {{"ab", "AB", "abc"}, {-1, 0, 0}},  // a repeated code keeps its first node
        {{"A", "A-1", "A-11", "A-2", "B", "B-1"}, {-1, 0, 1, 0, -1, 4}},
        // Fixed-width codes come padded with blanks, which the database does not compare.
        {{"0   ", "0001", "1   ", "1001", "10  ", "1 1 "}, {-1, 0, -1, 2, 2, 2}},
        {{}, {}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(PadresPorPrefijo(c.codigos), c.padres) << c.codigos.join(',').toStdString();
}

TEST(ArbolPrefijos, FiltroPorDescripcion) {
    const QString centros = "SELECT Codigo, DESCRIPCION FROM Ta_Ccosto ORDER BY Codigo";
    const QString admin =
        "SELECT Codigo, DESCRIPCION FROM Ta_Ccosto  where Descripcion like '%ADMIN%' ORDER BY "
        "Codigo";
    const struct {
        QString sql, texto, resultado;
    } casos[] = {
        {centros, "ADMIN", admin},
        {admin, "CENTRAL",
         "SELECT Codigo, DESCRIPCION FROM Ta_Ccosto  where Descripcion like '%ADMIN%'  and "
         "Descripcion like '%CENTRAL%' ORDER BY Codigo"},
        {"select a, b from t order  by a", "x",
         "select a, b from t  where Descripcion like '%x%' order  by a"},
        // Keywords only as whole words, outside literals and names.
        {"SELECT NOWHERE_ID, ORDERS FROM T_ORDER ORDER BY 1", "x",
         "SELECT NOWHERE_ID, ORDERS FROM T_ORDER  where Descripcion like '%x%' ORDER BY 1"},
        {"SELECT a, b FROM t  where Descripcion like '%order by where%' ORDER BY a", "y",
         "SELECT a, b FROM t  where Descripcion like '%order by where%'  and Descripcion like "
         "'%y%' ORDER BY a"},
        {"SELECT a, b FROM t", "x", "SELECT a, b FROM t where Descripcion like '%x%' "},
        {centros, "D'Angelo",
         "SELECT Codigo, DESCRIPCION FROM Ta_Ccosto  where Descripcion like '%D''Angelo%' "
         "ORDER BY Codigo"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(SentenciaConDescripcion(c.sql, c.texto), c.resultado) << c.sql;
}

// ---- The window on the demo company ---------------------------------------------------------

const QString Cuentas = "SELECT Codigo, DESCRIPCION FROM MA_CUENTAS ORDER BY Codigo";
const QString Centros = "SELECT Codigo, DESCRIPCION FROM Ta_Ccosto ORDER BY Codigo";
const QString Posiciones = "SELECT IDPOSICION, DESCRIPCION FROM MA_POSICIONES ORDER BY IDPOSICION";

class ArbolDeConsulta : public SesionDemo<> {
protected:
    void TearDown() override {
        delete arbol.data();
        SesionDemo::TearDown();
    }
    Lib_FrmCons3Tree& Abrir(const QString& sql, const QString& campo, bool casillas = false) {
        arbol = new Lib_FrmCons3Tree;
        arbol->SQL = sql;
        arbol->CampoDevuelto = campo;
        arbol->CheckBoxes = casillas;
        arbol->Load();
        return *arbol;
    }
    Node& Nodo(const QString& clave) { return *arbol->TreeV->Nodes().Item(clave); }
    QString Padre(const QString& clave) {
        const Node* padre = Nodo(clave).Parent();
        return padre ? padre->Key() : QStringLiteral("(ninguno)");
    }
    // Every node's key under its parent's, in node order.
    QStringList Forma() {
        QStringList forma;
        for (int i = 2; i <= arbol->TreeV->Nodes().Count(); ++i) {
            const Node& n = *arbol->TreeV->Nodes().Item(i);
            forma << n.Parent()->Key() + ">" + n.Key();
        }
        return forma;
    }
    QString Elegir(const QString& clave) {
        Nodo(clave).SetSelected(true);
        arbol->CmdAceptar->click();
        return arbol->ValorDevuelto.toString();
    }
    void Tildar(const QString& clave, bool tilde = true) {
        Nodo(clave).setCheckState(0, tilde ? Qt::Checked : Qt::Unchecked);
    }
    // The widget with the focus once the window is active, the search box at first.
    QWidget* Foco() {
        if (!arbol->isVisible())
            arbol->Show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(arbol));
        if (!arbol->isAncestorOf(QApplication::focusWidget()))
            arbol->CmbSearch->setFocus();
        return QApplication::focusWidget();
    }
    void Crear(const QString& tabla, const QStringList& codigos) {
        Ejecutar("CREATE TABLE " + tabla + " (CODIGO VARCHAR(20), DESCRIPCION VARCHAR(50))");
        for (const QString& c : codigos)
            Ejecutar("INSERT INTO " + tabla + " VALUES ('" + c + "', 'Nivel " + c + "')");
    }

    QPointer<Lib_FrmCons3Tree> arbol;
};

TEST_F(ArbolDeConsulta, Diseno) {
    Lib_FrmCons3Tree& f = Abrir(Centros, "Codigo");
    EXPECT_EQ(f.Caption(), QStringLiteral("Consulta..."));
    EXPECT_EQ(f.ScaleWidth(), 5910);
    EXPECT_EQ(f.ScaleHeight(), 4530);
    for (const auto& [control, contenedor, lugar] :
         {std::tuple<QWidget*, QWidget*, QRect>{f.picFields, &f, {0, 0, 5955, 4185}},
          {f.CmbSearch, f.picFields, {0, 0, 5895, 315}},
          {f.TreeV, f.picFields, {0, 330, 5895, 3825}},
          {f.Frame1, &f, {0, 4215, 6180, 255}},
          {f.CmdNueva, f.Frame1, {3915, 0, 1695, 255}}})
        EXPECT_EQ(control->geometry(), QRect(APixeles(lugar.x()), APixeles(lugar.y()),
                                             APixeles(lugar.width()), APixeles(lugar.height())));
    EXPECT_EQ(f.CmbSearch->toolTip(), QStringLiteral("F5 realiza nueva busqueda"));
    EXPECT_EQ(f.lblFieldName->font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(f.CmdAceptar->text(), QStringLiteral("&Aceptar"));
    EXPECT_EQ(f.TreeV->LineStyle(), 1);
    EXPECT_EQ(f.TreeV->Style(), 7);
}

TEST_F(ArbolDeConsulta, LasCuentasSeAnidanPorPrefijo) {
    Abrir(Cuentas, "Codigo");
    const Node& raiz = *arbol->TreeV->Nodes().Item(1);
    EXPECT_EQ(raiz.Key(), QStringLiteral("A"));
    EXPECT_EQ(raiz.Text(), QStringLiteral("Consulta..."));
    EXPECT_TRUE(raiz.Expanded());
    EXPECT_EQ(Padre("A1"), QStringLiteral("A"));
    EXPECT_EQ(Padre("A111"), QStringLiteral("A11"));
    EXPECT_EQ(Padre("A1110101"), QStringLiteral("A11101"));
    EXPECT_EQ(Padre("A211010102"), QStringLiteral("A2110101"));
    EXPECT_EQ(Nodo("A1").Text(), QStringLiteral("1 - ACTIVO"));
    EXPECT_FALSE(Nodo("A1").Expanded());
    EXPECT_FALSE(Nodo("A1").Checked());
    EXPECT_EQ(Nodo("A1").flags() & Qt::ItemIsUserCheckable, Qt::NoItemFlags);
    EXPECT_TRUE(arbol->Valores && arbol->Valores->isEmpty());
}

TEST_F(ArbolDeConsulta, SinFilasSoloLaRaiz) {
    Abrir("SELECT Codigo, DESCRIPCION FROM Ta_Ccosto WHERE 1 = 0 ORDER BY Codigo", "Codigo");
    EXPECT_EQ(arbol->TreeV->Nodes().Count(), 1);
    arbol->ValorDevuelto = "previo";
    EXPECT_EQ(Elegir("A"), QString());
    EXPECT_TRUE(arbol->isHidden());
}

// A code repeated (or Null, which reads as the root's key) is reported and skipped; the
// other rows still hang where they belong.
TEST_F(ArbolDeConsulta, UnCodigoRepetidoSeInformaYSeSigue) {
    Crear("ARBOL", {"1", "11", "11", "111"});
    guion.RespuestasMsgBox = {vbIgnore};
    Abrir("SELECT CODIGO, DESCRIPCION FROM ARBOL", "CODIGO");
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_EQ(Forma(), QStringList({"A>A1", "A1>A11", "A11>A111"}));
}

TEST_F(ArbolDeConsulta, EleccionSimplePorColumna) {
    Abrir(Centros, "Codigo");
    EXPECT_EQ(Elegir("A0002"), QStringLiteral("0002"));
    EXPECT_TRUE(arbol->isHidden());

    // A code that is an account and not a cost centre comes from MA_CUENTAS.
    Abrir(Cuentas, "codigo");
    EXPECT_EQ(Elegir("A1110101"), QStringLiteral("1110101"));

    Abrir("SELECT 'ZZ' AS Codigo, 'Nada' AS DESCRIPCION", "CODIGO");
    arbol->ValorDevuelto = "previo";
    EXPECT_EQ(Elegir("AZZ"), QString());

    Abrir(Posiciones, "IDPOSICION");
    EXPECT_EQ(Padre("AA-12"), QStringLiteral("AA-1"));
    EXPECT_EQ(Elegir("AA-12"), QStringLiteral("A-12"));

    Abrir("SELECT IDFAMILIA, DESCRIPCION FROM V_TA_FAMILIAS ORDER BY IDFAMILIA", "IdFamilia");
    EXPECT_EQ(Elegir("AALIM"), QStringLiteral("ALIM"));

    // Any other column has no table to check: the value stays as it was.
    Abrir(Centros, "DESCRIPCION");
    arbol->ValorDevuelto = "previo";
    EXPECT_EQ(Elegir("A0001"), QStringLiteral("previo"));
}

// Enter with nothing selected takes the node the cursor stands on or, with none, chooses
// nothing, as Esc does; never an error.
TEST_F(ArbolDeConsulta, AceptarSinNodoElegido) {
    Abrir(Centros, "Codigo");
    arbol->ValorDevuelto = "previo";
    guion.AccionesModales.push_back([this](QWidget&) {
        arbol->TreeV->SetSelectedItem(nullptr);
        QTest::keyClick(Foco(), Qt::Key_Return);
    });
    arbol->Show(true);
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_TRUE(arbol->isHidden());
    EXPECT_EQ(arbol->ValorDevuelto, QVariant(QStringLiteral("")));

    guion.AccionesModales.push_back([this](QWidget&) {
        arbol->TreeV->SetSelectedItem(nullptr);
        arbol->TreeV->setCurrentItem(&Nodo("A0002"), 0, QItemSelectionModel::NoUpdate);
        QTest::keyClick(Foco(), Qt::Key_Return);
    });
    arbol->Show(true);
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_EQ(arbol->ValorDevuelto.toString(), QStringLiteral("0002"));
}

TEST_F(ArbolDeConsulta, LaTildeBajaSeisNiveles) {
    Crear("ARBOL", {"1", "12", "123", "1234", "12345", "123456", "1234567", "12345678", "2"});
    Abrir("SELECT CODIGO, DESCRIPCION FROM ARBOL ORDER BY CODIGO", "CODIGO", true);
    Tildar("A1");
    EXPECT_TRUE(Nodo("A1234567").Checked());
    EXPECT_FALSE(Nodo("A12345678").Checked());
    EXPECT_FALSE(Nodo("A2").Checked());
    Tildar("A123", false);
    EXPECT_TRUE(Nodo("A12").Checked());
    EXPECT_FALSE(Nodo("A123").Checked());
    EXPECT_FALSE(Nodo("A1234567").Checked());
    arbol->CmdAceptar->click();
    EXPECT_EQ(*arbol->Valores, QStringList({"1", "12"}));
}

TEST_F(ArbolDeConsulta, EleccionMultiple) {
    Abrir(Centros, "Codigo", true);
    arbol->ValorDevuelto = "previo";
    Tildar("A"); // ticks every heading and centre too
    EXPECT_EQ(Padre("A1002"), QStringLiteral("A1   "));
    Tildar("A1   ", false); // a heading takes its centres with it
    Tildar("A0002", false);
    Tildar("A0004", false);
    arbol->CmdAceptar->click();
    // In tree order, the root's empty code first, a ticked heading like any other code;
    // ValorDevuelto is not touched.
    EXPECT_EQ(*arbol->Valores, QStringList({"", "0", "0001", "0003"}));
    EXPECT_EQ(arbol->ValorDevuelto.toString(), QStringLiteral("previo"));

    Abrir("SELECT IDPOSICION, DESCRIPCION FROM MA_POSICIONES UNION SELECT 'Z9', 'Sin ubicar' "
          "ORDER BY 1",
          "IDPOSICION", true);
    Tildar("AB");
    Tildar("AZ9");
    arbol->CmdAceptar->click();
    EXPECT_EQ(*arbol->Valores, QStringList({"B", "B-1"}));

    Abrir(Centros, "DESCRIPCION", true);
    Tildar("A0002");
    arbol->CmdAceptar->click();
    EXPECT_TRUE(arbol->Valores->isEmpty());
}

TEST_F(ArbolDeConsulta, CancelarNoDevuelveLaEleccionAnterior) {
    Abrir(Centros, "Codigo", true);
    arbol->ValorDevuelto = "0002";
    arbol->CmpsDevueltos = std::make_shared<QStringList>(QStringList{"CODIGO"});
    Tildar("A0001");
    arbol->CmdCancelar->click();
    EXPECT_EQ(arbol->ValorDevuelto, QVariant(QStringLiteral("")));
    EXPECT_FALSE(arbol->Valores);
    EXPECT_FALSE(arbol->CmpsDevueltos);
    EXPECT_TRUE(arbol->isHidden());
}

TEST_F(ArbolDeConsulta, LaBusquedaEligeElPrimerNodoQueEmpieza) {
    Abrir(Cuentas, "Codigo");
    const auto buscar = [this](const QString& texto) {
        arbol->CmbSearch->setEditText(texto);
        const Node* elegido = arbol->TreeV->SelectedItem();
        return elegido ? elegido->Key() : QString();
    };
    EXPECT_EQ(buscar("pasivo"), QStringLiteral("A2"));
    EXPECT_EQ(buscar("2110"), QStringLiteral("A21101"));
    EXPECT_TRUE(Nodo("A211").Expanded());
    EXPECT_EQ(buscar("nada que ver"), QStringLiteral("A21101"));
    EXPECT_EQ(buscar(""), QStringLiteral("A"));
}

TEST_F(ArbolDeConsulta, F5FiltraPorDescripcionYSeAcumula) {
    Abrir(Cuentas, "Codigo");
    arbol->CmbSearch->setEditText("caja");
    QTest::keyClick(Foco(), Qt::Key_F5);
    EXPECT_EQ(arbol->SQL, QStringLiteral("SELECT Codigo, DESCRIPCION FROM MA_CUENTAS  where "
                                         "Descripcion like '%caja%' ORDER BY Codigo"));
    EXPECT_EQ(arbol->CmbSearch->currentText(), QString());
    // Rows whose parents were filtered out hang under the longest prefix left.
    EXPECT_EQ(Forma(), QStringList({"A>A11101", "A11101>A1110101", "A11101>A1110104"}));

    arbol->CmbSearch->setEditText("zárate");
    QTest::keyClick(Foco(), Qt::Key_F5);
    EXPECT_EQ(Forma(), QStringList({"A>A1110104"}));

    arbol->CmdNueva->click();
    EXPECT_EQ(Forma(), QStringList({"A>A1110104"}));
}

TEST_F(ArbolDeConsulta, F5ConApostrofe) {
    Abrir(Cuentas, "Codigo");
    arbol->CmbSearch->setEditText("D'Angelo");
    QTest::keyClick(Foco(), Qt::Key_F5);
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_EQ(Forma(), QStringList({"A>A211010101"}));
}

// Enter accepts and Esc cancels from the search box; the arrows go down to the tree.
TEST_F(ArbolDeConsulta, TeclasDelCuadroDeBusqueda) {
    Abrir(Centros, "Codigo");
    guion.AccionesModales.push_back([this](QWidget&) {
        QTest::keyClick(Foco(), Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), arbol->TreeV);
        arbol->CmbSearch->setFocus();
        arbol->CmbSearch->setEditText("Comer");
        QTest::keyClick(Foco(), Qt::Key_Return);
    });
    arbol->Show(true);
    EXPECT_EQ(arbol->ValorDevuelto.toString(), QStringLiteral("0002"));

    guion.AccionesModales.push_back([this](QWidget&) {
        arbol->CmbSearch->setFocus();
        QTest::keyClick(Foco(), Qt::Key_Escape);
        EXPECT_TRUE(arbol->isHidden());
    });
    arbol->Show(true);
    EXPECT_EQ(arbol->ValorDevuelto.toString(), QString());
    EXPECT_FALSE(arbol->Valores);
}

} // namespace
