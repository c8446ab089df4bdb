#include "platform/controls/TreeView.h"

#include "platform/controls/Node.h"
#include "support/Apoyo.h"

#include <gtest/gtest.h>

using namespace controles;

namespace {

// The cost-centre tree: every code under the longest code that begins it.
class TreeViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        raiz = arbol.Nodes().Add(nullptr, tvwFirst, QStringLiteral("A"),
                                 QStringLiteral("Consulta..."));
        uno = arbol.Nodes().Add(raiz, tvwChild, QStringLiteral("A1"), QStringLiteral("1 - Ventas"));
        arbol.Nodes().Add(QStringLiteral("A1"), tvwChild, QStringLiteral("A11"),
                          QStringLiteral("11 - Local"));
        arbol.Nodes().Add(uno, tvwChild, QStringLiteral("A12"), QStringLiteral("12 - Exterior"));
        arbol.Nodes().Add(raiz, tvwChild, QStringLiteral("A2"), QStringLiteral("2 - Compras"));
    }

    TreeView arbol;
    Node* raiz = nullptr;
    Node* uno = nullptr;
};

TEST_F(TreeViewTest, LosNodosSeUbicanBajoSuPadreYSeCuentanEnOrdenDeAlta) {
    EXPECT_EQ(arbol.Nodes().Count(), 5);
    EXPECT_EQ(raiz->Children(), 2);
    EXPECT_EQ(uno->Child()->Key(), QStringLiteral("A11"));
    EXPECT_EQ(uno->Child()->Next()->Key(), QStringLiteral("A12"));
    EXPECT_EQ(uno->Child()->Next()->Next(), nullptr);
    EXPECT_EQ(arbol.Nodes()(QStringLiteral("A12"))->Parent(), uno);
    EXPECT_EQ(raiz->Parent(), nullptr);
    EXPECT_EQ(arbol.Nodes()(4)->Key(), QStringLiteral("A12"));
    EXPECT_EQ(arbol.Nodes()(QStringLiteral("A2"))->Index(), 5);
}

TEST_F(TreeViewTest, ClavesRepetidasYAusentesSonErrores) {
    EXPECT_EQ(NumeroDeError([&] { arbol.Nodes().Add(raiz, tvwChild, QStringLiteral("A1"), {}); }),
              35602);
    EXPECT_EQ(NumeroDeError([&] { arbol.Nodes()(QStringLiteral("A3")); }), 35601);
    EXPECT_EQ(NumeroDeError([&] { arbol.Nodes()(6); }), 35600);
    EXPECT_EQ(arbol.Nodes().Count(), 5);
}

TEST_F(TreeViewTest, NodeCheckLlegaSoloPorLaMarcaDelUsuario) {
    arbol.SetCheckboxes(true);
    QStringList avisos;
    arbol.NodeCheck = [&](Node* nodo) {
        avisos << nodo->Key();
        for (Node* hijo = nodo->Child(); hijo; hijo = hijo->Next())
            hijo->SetChecked(nodo->Checked()); // the window's cascade
    };

    uno->setCheckState(0, Qt::Checked);
    EXPECT_EQ(avisos, QStringList({"A1"}));
    EXPECT_TRUE(arbol.Nodes()(QStringLiteral("A12"))->Checked());
    EXPECT_FALSE(raiz->Checked());

    uno->SetText(QStringLiteral("1 - Ventas y servicios"));
    EXPECT_EQ(avisos.size(), 1);
}

TEST_F(TreeViewTest, UnaMarcaPuestaAntesDeMostrarLasCasillasSeConserva) {
    uno->SetChecked(true);
    int avisos = 0;
    arbol.NodeCheck = [&](Node*) { ++avisos; };
    arbol.SetCheckboxes(true);
    EXPECT_EQ(uno->checkState(0), Qt::Checked);
    EXPECT_EQ(avisos, 0);
}

TEST_F(TreeViewTest, EnsureVisibleAbreLosAntecesores) {
    Node* local = arbol.Nodes()(QStringLiteral("A11"));
    EXPECT_FALSE(uno->Expanded());
    local->EnsureVisible();
    local->SetSelected(true);
    EXPECT_TRUE(uno->Expanded());
    EXPECT_TRUE(raiz->Expanded());
    EXPECT_EQ(arbol.SelectedItem(), local);
}

} // namespace
