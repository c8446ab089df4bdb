#include "lookup/FrmConsComprobantes.h"

#include "platform/controls/ColumnHeader.h"
#include "platform/controls/ImageList.h"
#include "platform/controls/ListItem.h"
#include "platform/controls/ListView.h"
#include "platform/forms/Twips.h"
#include "support/SesionDemo.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using controles::ListItem;

namespace {

class PickListComprobantes : public SesionDemo<> {
protected:
    void SetUp() override {
        SesionDemo::SetUp();
        lista = new FrmConsComprobantes;
    }
    void TearDown() override {
        delete lista.data();
        SesionDemo::TearDown();
    }
    void Configurar(const QString& clave, const QString& valor) {
        Ejecutar("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, ValorAux, Grupo, PoliticaNegocio) "
                 "VALUES ('" +
                 clave + "', '" + valor + "', '', 'GENERAL', 0)");
    }
    // Loads the list for a key and filter, as showing it would.
    void Cargar(const QString& tc, const QString& filtro = {}) {
        lista->TC = tc;
        lista->Filtro = filtro;
        lista->Load();
    }
    QStringList Titulos() {
        QStringList titulos;
        for (int i = 1; i <= lista->ListView1->ColumnHeaders().Count(); ++i)
            titulos << lista->ListView1->ColumnHeaders().Item(i)->Text();
        return titulos;
    }
    ListItem& Fila(int i) { return *lista->ListView1->ListItems().Item(i); }
    int Filas() { return lista->ListView1->ListItems().Count(); }
    // A row's cells joined with "|".
    QString Celdas(int i) {
        QStringList celdas{Fila(i).Text()};
        for (int c = 1; c < lista->ListView1->ColumnHeaders().Count(); ++c)
            celdas << Fila(i).SubItems(c);
        return celdas.join('|');
    }
    QString Resultado() {
        return QStringList{lista->NroComprobante, lista->IdComplemento, lista->Proveedor}.join('|');
    }

    QPointer<FrmConsComprobantes> lista;
};

TEST_F(PickListComprobantes, DisenoEImagenes) {
    FrmConsComprobantes& f = *lista;
    EXPECT_EQ(f.Caption(), QStringLiteral("Consulta de Comprobantes"));
    EXPECT_EQ(f.ScaleWidth(), 7260);
    EXPECT_EQ(f.ScaleHeight(), 4590);
    EXPECT_EQ(f.ListView1->geometry(), QRect(0, 0, APixeles(7215), APixeles(4095)));
    EXPECT_EQ(f.CmdAceptar->geometry(),
              QRect(APixeles(1320), APixeles(4200), APixeles(2055), APixeles(255)));
    EXPECT_EQ(f.CmdCancelar->text(), QStringLiteral("&Cancelar"));
    QStringList tags;
    for (int i = 1; i <= f.ImageList1().Count(); ++i)
        tags << f.ImageList1().ListImages(i).Tag;
    EXPECT_EQ(tags, QStringList({"PR", "Anulado", "Aprobado", "FC", "NC", "ND", "OT", "Generico",
                                 "T3", "OC", "OCG"}));
    const std::pair<QString, int> indices[] = {{" fc ", 4}, {"anulado", 2}, {"OCG", 11},
                                               {"RM", 8},   {"", 8},        {"Generico", 8}};
    for (const auto& [clave, indice] : indices)
        EXPECT_EQ(f.ObtieneIndiceImagen(clave), indice) << clave;
}

TEST_F(PickListComprobantes, ColumnasPorGrupo) {
    const QStringList compras{"FECHA", "COMPROBANTE", "PROVEEDOR", "NOMBRE", "CONCEPTO", "IMPORTE"};
    const struct {
        QString tc;
        QStringList titulos;
        QStringList conReferencia; // with "UsaReferenciaPresupuestos" on; empty: the same
    } casos[] = {
        {"fc",
         {"FECHA", "COMPROBANTE", "ID", "NOMBRE", "IMPORTE"},
         {"FECHA", "COMPROBANTE", "ID", "NOMBRE", "Referencia", "IMPORTE"}},
        {"NCPE", compras, {}},
        {"RM/PENDIENTES_COMPRAS", compras, {}},
        {"PR",
         {"FECHA", "COMPROBANTE", "NOMBRE", "ID", "IMPORTE"},
         {"FECHA", "COMPROBANTE", "NOMBRE", "ID", "Referencia", "IMPORTE"}},
        {"T3", {"Nº Int.", "FECHA", "COMPROBANTE", "ID", "FH Envio", "FH Recep"}, {}},
        {"OC",
         {"FECHA", "PROVEEDOR", "COMPROBANTE", "IMPORTE", "COMENTARIOS", "Inf. Recepción"},
         {}},
        {"CB", {"FECHA", "COMPROBANTE", "CUENTA", "NOMBRE", "CONCEPTO", "IMPORTE"}, {}},
    };
    for (bool referencia : {false, true}) {
        if (referencia)
            Configurar("UsaReferenciaPresupuestos", "si");
        for (const auto& c : casos) {
            Cargar(c.tc, "1 = 1");
            EXPECT_EQ(Titulos(),
                      referencia && !c.conReferencia.isEmpty() ? c.conReferencia : c.titulos)
                << c.tc;
            lista->Unload();
        }
    }
    // Widths in capital X of the list's font: FECHA 13 and, for OC, COMPROBANTE 17.
    Cargar("OC");
    const QFontMetrics medidas(lista->ListView1->font());
    const int trece = ATwips(medidas.horizontalAdvance(QString(13, u'X')));
    EXPECT_NEAR(lista->ListView1->ColumnHeaders().Item(1)->Width(), trece, TwipsPorPixel);
    EXPECT_NEAR(lista->ListView1->ColumnHeaders().Item(3)->Width(),
                ATwips(medidas.horizontalAdvance(QString(17, u'X'))), TwipsPorPixel);
}

TEST_F(PickListComprobantes, RemitosPendientes) {
    Cargar("rm/pendientes");
    EXPECT_EQ(lista->TC, QStringLiteral("RM"));
    ASSERT_EQ(Filas(), 1);
    EXPECT_EQ(
        Celdas(1),
        QStringLiteral("03/12/2026|000100002231R||Supermercado La Confluencia S.A.|538619,04"));
    EXPECT_EQ(Fila(1).SmallIcon(), 3); // approved, no image of its own
    EXPECT_FALSE(lista->ListView1->Checkboxes());
    lista->CmdAceptar->click();
    EXPECT_EQ(Resultado(), QStringLiteral("000100002231R||"));
}

// A pending order not yet prepared is left out; a prepared one shows as approved.
TEST_F(PickListComprobantes, PedidosPendientes) {
    Cargar("NP/PENDIENTES");
    ASSERT_EQ(Filas(), 1);
    EXPECT_EQ(Fila(1).SubItems(1), QStringLiteral("000100000455X"));
    EXPECT_EQ(Fila(1).SmallIcon(), 3);
}

TEST_F(PickListComprobantes, PresupuestosConReferencia) {
    Configurar("UsaReferenciaPresupuestos", "SI");
    Cargar("PR/PENDIENTES");
    ASSERT_EQ(Filas(), 1);
    EXPECT_EQ(Celdas(1), QStringLiteral("01/12/2026|000100000318X|Hostería Nahuel S.R.L.||Canastas "
                                        "navideñas para el personal - 120 unidades|1488039,12"));
    EXPECT_EQ(Fila(1).SmallIcon(), 1);
    lista->IdComplemento = "7";
    lista->CmdAceptar->click();
    EXPECT_EQ(Resultado(), QStringLiteral("000100000318X|0|"));
}

TEST_F(PickListComprobantes, OrdenesDeCompraConCasillas) {
    Cargar("OC", "WHERE CUENTA = '211010112'");
    EXPECT_EQ(lista->Filtro, QStringLiteral(" CUENTA = '211010112'"));
    EXPECT_TRUE(lista->ListView1->Checkboxes());
    ASSERT_EQ(Filas(), 2);
    EXPECT_EQ(Celdas(1),
              QStringLiteral("03/09/2026|211010112 Envases Patagónicos "
                             "S.A.|000100000123X|112821,51|Orden de compra|000100000326X"));
    EXPECT_EQ(Fila(2).SubItems(5), QStringLiteral("000100000322X")); // its reception report
    EXPECT_EQ(Fila(1).SmallIcon(), 10);

    // None ticked: the selected order.
    lista->ListView1->SetSelectedItem(&Fila(2));
    lista->CmdAceptar->click();
    EXPECT_EQ(Resultado(), QStringLiteral("000100000107X|0|"));

    Cargar("OC", "CUENTA = '211010112'");
    Fila(2).SetChecked(true);
    Fila(1).SetChecked(true);
    lista->CmdAceptar->click();
    EXPECT_EQ(lista->NroComprobante, QStringLiteral("000100000123X,000100000107X"));

    Cargar("OC", "CUENTA = '211010112'");
    Fila(1).SetChecked(true);
    lista->ListView1->SetSelectedItem(nullptr);
    lista->CmdAceptar->click();
    EXPECT_EQ(lista->NroComprobante, QString());
}

TEST_F(PickListComprobantes, ImagenesDeOrdenes) {
    Ejecutar("UPDATE MV_CPTE SET GARANTIA = 1 WHERE TC = 'OC' AND NUMERO = '00000123'");
    Ejecutar("UPDATE MV_CPTE SET GARANTIA = 1, ANULADA = 1 WHERE TC = 'OC' AND NUMERO = "
             "'00000107'");
    Ejecutar("UPDATE MV_CPTE SET ANULADA = NULL WHERE TC = 'OC' AND NUMERO = '00000127'");
    Cargar("OC", "NUMERO = '00000123' OR NUMERO IN ('00000107', '00000127') AND CUENTA <> "
                 "'211010113'");
    ASSERT_EQ(Filas(), 3);
    EXPECT_EQ(Fila(1).SmallIcon(), 10); // 127: a Null voided flag is not voided
    EXPECT_EQ(Fila(2).SmallIcon(), 11); // 123: warranty
    EXPECT_EQ(Fila(3).SmallIcon(), 2);  // 107: warranty and voided
}

TEST_F(PickListComprobantes, AsientosPrimeraLineaYProveedor) {
    Cargar("NCPE");
    ASSERT_GT(Filas(), 0);
    const QString cuenta = Fila(1).SubItems(2);
    EXPECT_EQ(Fila(1).SubItems(1).size(), 13);
    EXPECT_FALSE(Fila(1).SubItems(3).isEmpty()); // the supplier's name, looked up
    EXPECT_EQ(Fila(1).SmallIcon(), 8);
    QStringList numeros;
    for (int i = 1; i <= Filas(); ++i)
        numeros << Fila(i).SubItems(1);
    numeros.removeDuplicates();
    EXPECT_EQ(numeros.size(), Filas()); // one row per entry

    lista->IdComplemento = "5";
    lista->CmdAceptar->click();
    EXPECT_EQ(Resultado(), numeros.first() + "|5|" + cuenta);
}

TEST_F(PickListComprobantes, TercerosSinFiltroNiImagen) {
    Ejecutar("INSERT INTO MV_CPTETERCEROS (ID, TC, IDCOMPROBANTE, IDCOMPLEMENTO, CUENTA, FECHA, "
             "FECHAENVIADO) VALUES (41, 'FC', '000100001512A', 1, '112010204', "
             "'2026-10-22 00:00:00', '2026-10-23 00:00:00')");
    Cargar("T3", "esto no es SQL");
    ASSERT_EQ(Filas(), 1);
    EXPECT_EQ(Celdas(1), QStringLiteral("41|22/10/2026|000100001512A|1|23/10/2026|"));
    EXPECT_EQ(Fila(1).SmallIcon(), 0);
    lista->CmdAceptar->click();
    EXPECT_EQ(Resultado(), QStringLiteral("41|0|"));
}

TEST_F(PickListComprobantes, AnticiposConComplementoYAnuladas) {
    Cargar("FC/ANTICIPOS", "CUENTA = '112010207'");
    EXPECT_EQ(lista->TC, QStringLiteral("FC"));
    ASSERT_EQ(Filas(), 2);
    EXPECT_EQ(Celdas(2),
              QStringLiteral("15/10/2026|000100003866B|1|Panadería La Espiga de Oro|16815,98"));
    EXPECT_EQ(Fila(2).SmallIcon(), 2);
    EXPECT_EQ(Fila(1).SmallIcon(), 3);
    lista->ListView1->SetSelectedItem(&Fila(2));
    lista->CmdAceptar->click();
    EXPECT_EQ(Resultado(), QStringLiteral("000100003866B|1|"));
}

TEST_F(PickListComprobantes, AceptarSinFilaYCancelar) {
    Cargar("RM/PENDIENTES");
    lista->NroComprobante = "viejo";
    lista->IdComplemento = "x";
    lista->Proveedor = "y";
    lista->ListView1->SetSelectedItem(nullptr);
    lista->CmdAceptar->click();
    EXPECT_EQ(Resultado(), QStringLiteral("|x|y"));
    EXPECT_EQ(Filas(), 0); // unloading empties the list

    // A cancel after an earlier choice returns nothing of it.
    Cargar("RM/PENDIENTES");
    lista->CmdAceptar->click();
    Cargar("RM/PENDIENTES");
    lista->CmdCancelar->click();
    EXPECT_EQ(Resultado(), QStringLiteral("||"));
    EXPECT_FALSE(lista->Cargado());
}

TEST_F(PickListComprobantes, CadaClicEnColumnaInvierteElOrden) {
    Cargar("FC");
    controles::ListView& l = *lista->ListView1;
    const auto clic = [&l](int columna) { emit l.header()->sectionClicked(columna); };
    clic(4);
    EXPECT_TRUE(l.Sorted());
    EXPECT_EQ(l.SortKey(), 4);
    EXPECT_EQ(l.SortOrder(), controles::lvwDescending);
    clic(3);
    EXPECT_EQ(l.SortKey(), 3);
    EXPECT_EQ(l.SortOrder(), controles::lvwAscending);
    EXPECT_EQ(Fila(1).SubItems(3), QStringLiteral("Almacén Los Ñires"));
    clic(3);
    EXPECT_EQ(Fila(1).SubItems(3), QStringLiteral("Supermercado La Confluencia S.A."));
}

TEST_F(PickListComprobantes, EnterYDobleClicAceptan) {
    lista->TC = "PR/PENDIENTES";
    guion.AccionesModales.push_back([this](QWidget&) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(lista));
        lista->ListView1->setFocus();
        QTest::keyClick(lista->ListView1, Qt::Key_Return);
        EXPECT_TRUE(lista->isHidden());
    });
    lista->Show(true);
    EXPECT_EQ(Resultado(), QStringLiteral("000100000318X|0|"));

    lista->TC = "RM/PENDIENTES";
    guion.AccionesModales.push_back([this](QWidget&) {
        QTest::mouseDClick(lista->ListView1->viewport(), Qt::LeftButton, {},
                           lista->ListView1->visualItemRect(&Fila(1)).center());
        EXPECT_TRUE(lista->isHidden());
    });
    lista->Show(true);
    EXPECT_EQ(Resultado(), QStringLiteral("000100002231R||"));
}

TEST_F(PickListComprobantes, RemitosDeCompraPendientesSinFiltro) {
    Cargar("RM/PENDIENTES_COMPRAS");
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_GT(Filas(), 0);
}

// A statement the database refuses is reported; the window still opens with its columns.
TEST_F(PickListComprobantes, UnaSentenciaRechazadaSeInforma) {
    Cargar("RM/PENDIENTES_COMPRAS", "CUENTA =");
    EXPECT_FALSE(guion.Mensajes.empty());
    EXPECT_EQ(Filas(), 0);
    EXPECT_EQ(Titulos().size(), 6);
    EXPECT_EQ(lista->TC, QStringLiteral("RMC"));
}

} // namespace
