#include "platform/controls/ListView.h"

#include "platform/controls/ListItem.h"
#include "support/Apoyo.h"

#include <QHeaderView>
#include <QTest>
#include <gtest/gtest.h>

using namespace controles;

namespace {

// A lookup list: code, name and amount.
class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        lista.ColumnHeaders().Add({}, QStringLiteral("CODIGO"), 900);
        lista.ColumnHeaders().Add({}, QStringLiteral("NOMBRE"), 2000);
        lista.ColumnHeaders().Add({}, QStringLiteral("IMPORTE"), 1200, lvwColumnRight);
    }

    ListItem* Fila(const char* codigo, const char* nombre, const char* importe = "") {
        ListItem* fila = lista.ListItems().Add({}, QString::fromUtf8(codigo));
        fila->SetSubItems(1, QString::fromUtf8(nombre));
        fila->SetSubItems(2, QString::fromUtf8(importe));
        return fila;
    }

    QStringList Columna(int columna) {
        QStringList textos;
        for (int i = 1; i <= lista.ListItems().Count(); ++i)
            textos << lista.ListItems()(i)->SubItems(columna);
        return textos;
    }

    ListView lista;
};

TEST_F(ListViewTest, LasColumnasTienenAnchoYBordeIzquierdoEnTwips) {
    EXPECT_EQ(lista.ColumnHeaders().Count(), 3);
    EXPECT_EQ(lista.ColumnHeaders()(2)->Text(), QStringLiteral("NOMBRE"));
    EXPECT_EQ(lista.ColumnHeaders()(3)->Left(), 2895); // 60 + 133 pixels
    lista.ColumnHeaders()(1)->SetWidth(1500);
    EXPECT_EQ(lista.ColumnHeaders()(3)->Left(), 3495);
    EXPECT_EQ(NumeroDeError([&] { lista.ColumnHeaders()(4); }), 35600);
}

TEST_F(ListViewTest, LasSubFilasSonLasColumnasSiguientesALaPrimera) {
    ListItem* fila = Fila("0001", "GARCIA", "10,50");
    EXPECT_EQ(fila->Text(), QStringLiteral("0001"));
    EXPECT_EQ(fila->SubItems(0), QStringLiteral("0001"));
    EXPECT_EQ(fila->SubItems(2), QStringLiteral("10,50"));
    EXPECT_EQ(fila->textAlignment(2) & Qt::AlignRight, Qt::AlignRight);
    EXPECT_EQ(NumeroDeError([&] { fila->SubItems(3); }), 380);
    EXPECT_EQ(NumeroDeError([&] { fila->SetSubItems(-1, {}); }), 380);
}

TEST_F(ListViewTest, OrdenaPorLaColumnaElegidaSinDistinguirMayusculas) {
    Fila("3", "gomez");
    Fila("1", "Alvarez");
    Fila("2", "BENITEZ");
    lista.SetSortKey(1);
    lista.SetSorted(true);
    EXPECT_EQ(Columna(1), QStringList({"Alvarez", "BENITEZ", "gomez"}));

    lista.SetSortOrder(lvwDescending);
    EXPECT_EQ(Columna(1), QStringList({"gomez", "BENITEZ", "Alvarez"}));
    EXPECT_EQ(lista.ListItems()(3)->Index(), 3);
}

TEST_F(ListViewTest, UnaListaOrdenadaSigueOrdenadaAlAgregarYCambiarFilas) {
    lista.SetSortKey(1);
    lista.SetSorted(true);
    Fila("1", "Perez");
    ListItem* ultima = Fila("2", "Acosta");
    Fila("3", "Lopez");
    EXPECT_EQ(Columna(0), QStringList({"2", "3", "1"}));

    ultima->SetSubItems(1, QStringLiteral("Zapata"));
    EXPECT_EQ(ultima->Index(), 3);
}

TEST_F(ListViewTest, ElPrimerElementoQuedaSeleccionadoYSeleccionarOtroLoReemplaza) {
    EXPECT_EQ(lista.SelectedItem(), nullptr);
    ListItem* primera = Fila("1", "A");
    ListItem* segunda = Fila("2", "B");
    EXPECT_EQ(lista.SelectedItem(), primera);

    segunda->SetSelected(true);
    EXPECT_EQ(lista.SelectedItem(), segunda);
    EXPECT_FALSE(primera->Selected());

    lista.ListItems().Clear();
    EXPECT_EQ(lista.SelectedItem(), nullptr);
}

TEST_F(ListViewTest, LasMarcasSeGuardanAunqueLasCasillasSeOculten) {
    ListItem* fila = Fila("1", "A");
    fila->SetChecked(true);
    EXPECT_EQ(fila->data(0, Qt::CheckStateRole), QVariant());

    lista.SetCheckboxes(true);
    EXPECT_EQ(fila->checkState(0), Qt::Checked);
    ListItem* otra = Fila("2", "B");
    EXPECT_FALSE(otra->Checked());
    otra->setCheckState(0, Qt::Checked); // the user's tick
    EXPECT_TRUE(otra->Checked());

    lista.SetCheckboxes(false);
    EXPECT_TRUE(otra->Checked());
}

TEST_F(ListViewTest, UnClicEnElEncabezadoEntregaLaColumna) {
    int indice = 0;
    lista.ColumnClick = [&](ColumnHeader* columna) { indice = columna->Index(); };
    emit lista.header()->sectionClicked(1);
    EXPECT_EQ(indice, 2);
}

TEST_F(ListViewTest, UnaTeclaAnuladaEnKeyDownNoMueveLaSeleccion) {
    Fila("1", "A");
    Fila("2", "B");
    lista.show();
    lista.KeyDown = [](int& codigo, int) {
        if (codigo == 40)
            codigo = 0;
    };
    QTest::keyClick(&lista, Qt::Key_Down);
    EXPECT_EQ(lista.SelectedItem()->Text(), QStringLiteral("1"));

    lista.KeyDown = nullptr;
    QTest::keyClick(&lista, Qt::Key_Down);
    EXPECT_EQ(lista.SelectedItem()->Text(), QStringLiteral("2"));
}

} // namespace
