#include "TextosCortados.h"

#include "support/Apoyo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

// Each kind of control the check reads is reported while narrower than its text, and none once
// wide enough; a hidden control never is.
TEST(TextosCortados, CadaClaseDeControl) {
    QWidget ventana;
    auto* lista = new QComboBox(&ventana);
    lista->addItems({"0 - Pendiente", "3 - Liberar el pago total"});
    const QList<QWidget*> controles{new QLabel("Comprobante:", &ventana),
                                    new QPushButton("&Nueva Busqueda", &ventana),
                                    new QCheckBox("Marcar todos", &ventana),
                                    new QRadioButton("Todos los estados", &ventana),
                                    new QGroupBox("Filtros del listado", &ventana),
                                    lista};
    auto* tabla = new QTableWidget(1, 1, &ventana);
    tabla->setHorizontalHeaderLabels({"IDMOTIVOCPRA"});
    auto* oculta = new QLabel("Una etiqueta oculta", &ventana);
    oculta->resize(10, 20);
    oculta->hide();

    for (QWidget* control : controles)
        control->resize(30, 24);
    tabla->setColumnWidth(0, 20);
    EXPECT_EQ(TextosCortados(ventana).size(), 8) << TextosCortados(ventana).join(u'\n');

    for (QWidget* control : controles)
        control->resize(400, 24);
    tabla->setColumnWidth(0, 200);
    EXPECT_EQ(TextosCortados(ventana), QStringList());
}

// A button tall enough to paint its icon above the caption may wrap the caption under it.
TEST(TextosCortados, BotonConIconoArriba) {
    QWidget ventana;
    QPushButton boton("[F9] Cargar", &ventana);
    boton.setIcon(ventana.style()->standardIcon(QStyle::SP_BrowserReload));
    boton.setIconSize(QSize(16, 16));
    boton.resize(boton.fontMetrics().horizontalAdvance("Cargar") + 12, 60);
    EXPECT_EQ(TextosCortados(ventana), QStringList());
    boton.resize(boton.width(), 24);
    EXPECT_EQ(TextosCortados(ventana).size(), 1);
}

} // namespace
