#include "lookup/Lib_FrmCons3.h"

#include "dobles/DialogosGuionados.h"
#include "lookup/AnchosColumnas.h"
#include "lookup/ModeloConsulta.h"
#include "platform/ado/Recordset.h"
#include "platform/files/Carpetas.h"
#include "platform/forms/Colores.h"
#include "platform/forms/Twips.h"
#include "session/DB_Dll.h"
#include "support/Apoyo.h"
#include "support/BaseDePrueba.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <functional>

namespace {

const QString kCuentas =
    "SELECT TOP 1000 DESCRIPCION,CODIGO,TITULO FROM MA_CUENTAS ORDER BY DESCRIPCION";
const QString kClientes = "SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES WHERE "
                          "Dada_De_Baja = 0 ORDER BY RAZON_SOCIAL";
const QString kArticulos = "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS WHERE "
                           "SUSPENDIDO = 0 ORDER BY DESCRIPCION";

// The demo company on the session's connection, with the scripted operator answering.
class Lib_FrmCons3Test : public BaseDePrueba {
protected:
    void SetUp() override {
        DB_Dll::Liberar();
        archivos::FijarCarpetaPrograma(dir.path());
        CrearDemo();
        DB_Dll& db = DB_Dll::Instancia();
        db.gCnn.Open(Cadena());
        db.gEsAdmin = true;
        db.gUsuario = "o'brien";
    }
    void TearDown() override {
        delete ventana.data();
        DB_Dll::Liberar();
        archivos::FijarCarpetaPrograma(QString());
    }
    Lib_FrmCons3& Nueva(const QString& sql) {
        ventana = new Lib_FrmCons3();
        ventana->SQL = sql;
        return *ventana;
    }
    Lib_FrmCons3& Cargada(const QString& sql) {
        Nueva(sql).Load();
        return *ventana;
    }
    // Shown modally; `accion` plays the user while the window is on screen.
    void Mostrar(const std::function<void(Lib_FrmCons3&)>& accion) {
        guion.AccionesModales.push_back([this, accion](QWidget&) {
            ventana->activateWindow();
            QApplication::setActiveWindow(ventana);
            accion(*ventana);
        });
        ventana->Show(true);
    }
    ModeloConsulta& Modelo() { return ventana->Modelo(); }
    // The texts of a column (from 0) in the order shown.
    QStringList Columna(int columna) {
        QStringList textos;
        for (int fila = 0; fila < Modelo().Filas(); ++fila)
            textos << Modelo().Celda(fila, columna);
        return textos;
    }
    QStringList Titulos() {
        QStringList titulos;
        for (int c = 0; c < Modelo().Columnas(); ++c)
            titulos << Modelo().Titulo(c);
        return titulos;
    }
    QString Seleccionada(int columna = 0) {
        const int fila = ventana->FilaSeleccionada();
        return fila < 0 ? QStringLiteral("(ninguna)") : Modelo().Celda(fila, columna);
    }
    QStringList Marcadas(int columna = 0) {
        QStringList textos;
        for (int fila = 0; fila < Modelo().Filas(); ++fila)
            if (Modelo().Marcada(fila))
                textos << Modelo().Celda(fila, columna);
        return textos;
    }
    QComboBox& Caja(int i) { return *ventana->CmbSearch[size_t(i)]; }
    void Escribir(int caja, const QString& texto) { Caja(caja).setEditText(texto); }
    // The room of that many characters: capital X in the list's own face, within the margins
    // a cell keeps around its text.
    int AnchoEnX(int caracteres) {
        const QTableView& lista = *ventana->ListView1;
        const int margen =
            lista.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &lista) + 1;
        return ATwips(lista.fontMetrics().horizontalAdvance(QString(caracteres, u'X')) +
                      2 * margen);
    }
    int AnchoColumna(int c) { return ATwips(ventana->ListView1->columnWidth(c)); }

    DialogosGuionados guion;
    DialogosEnUso enUso{guion};
    QPointer<Lib_FrmCons3> ventana;
};

// ---- Loading ------------------------------------------------------------------------------

TEST_F(Lib_FrmCons3Test, CargaColumnasYFilasDeLaSentencia) {
    Cargada(kCuentas);
    EXPECT_EQ(ventana->Caption(), QStringLiteral("Consulta..."));
    EXPECT_EQ(Titulos(), QStringList({"DESCRIPCION", "CODIGO", "TITULO"}));
    const QStringList filas =
        Filas("SELECT DESCRIPCION, CODIGO FROM MA_CUENTAS ORDER BY DESCRIPCION");
    ASSERT_EQ(Modelo().Filas(), filas.size());
    EXPECT_EQ(Columna(0).first() + "|" + Columna(1).first(), filas.first());
    EXPECT_EQ(ventana->TablaConsulta(), QStringLiteral("MA_CUENTAS"));
    EXPECT_EQ(ventana->SQLInicial(), " " + kCuentas);
    EXPECT_EQ(ventana->SQLActual(), " " + kCuentas);
    EXPECT_FALSE(ventana->EsListaArticulos());
    ASSERT_EQ(ventana->CmbSearch.size(), 3u);
    EXPECT_EQ(Seleccionada(), filas.first().section('|', 0, 0));
    ASSERT_TRUE(ventana->Valores && ventana->Cantidades);
    EXPECT_TRUE(ventana->Valores->isEmpty() && ventana->Cantidades->isEmpty());
    EXPECT_TRUE(guion.Mensajes.empty());
    // The search boxes lie over their columns.
    EXPECT_EQ(Caja(1).x(), ventana->ListView1->frameWidth() +
                               ventana->ListView1->horizontalHeader()->sectionPosition(1));
    EXPECT_EQ(Caja(1).width(), APixeles(AnchoColumna(1) - 50));
}

// The first field is trimmed; the others are shown as they come.
TEST_F(Lib_FrmCons3Test, LaPrimeraColumnaSeRecorta) {
    Cargada("SELECT '  ab  ' AS A, '  cd  ' AS B FROM MA_CUENTAS WHERE CODIGO = '1'");
    EXPECT_EQ(Columna(0), QStringList{"ab"});
    EXPECT_EQ(Columna(1), QStringList{"  cd  "});
}

TEST_F(Lib_FrmCons3Test, SinSentenciaOSinFilas) {
    Cargada("   ");
    EXPECT_EQ(Modelo().Columnas(), 0);
    EXPECT_EQ(Modelo().Filas(), 0);
    delete ventana.data();
    Cargada("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS WHERE CODIGO = 'no hay'");
    EXPECT_EQ(Titulos(), QStringList({"CODIGO", "DESCRIPCION"}));
    EXPECT_EQ(Modelo().Filas(), 0);
    EXPECT_EQ(ventana->FilaSeleccionada(), -1);
    EXPECT_TRUE(guion.Mensajes.empty());
}

// A statement that ends with its table gives no table name, and the load says so.
TEST_F(Lib_FrmCons3Test, SinBlancoTrasLaTablaLaCargaInformaElError) {
    guion.RespuestasMsgBox = {vbIgnore};
    Cargada("SELECT CODIGO FROM MA_CUENTAS");
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(guion.Mensajes[0].Texto.contains("FORM_LOAD"));
    EXPECT_EQ(ventana->TablaConsulta(), QString());
    EXPECT_GT(Modelo().Filas(), 0);
}

// Widths in characters of "X": text up to 60, currency and numeric 12, "@10" adds ten; a
// caption wider than that widens its column.
TEST_F(Lib_FrmCons3Test, AnchosDeColumnaPorTipo) {
    const QString sql = "SELECT DESCRIPCION, COSTO, ALICIVA, IDFAMILIA FROM MA_ARTICULOS "
                        "ORDER BY DESCRIPCION";
    Cargada(sql);
    EXPECT_EQ(AnchoColumna(0), AnchoEnX(60));
    EXPECT_EQ(AnchoColumna(1), AnchoEnX(12));
    EXPECT_EQ(AnchoColumna(2), AnchoEnX(12));
    EXPECT_EQ(AnchoColumna(3), ATwips(ventana->ListView1->horizontalHeader()->sectionSizeHint(3)));
    EXPECT_GT(AnchoColumna(3), AnchoEnX(4));
    delete ventana.data();
    Nueva(sql).ValoresDefault = "@10";
    ventana->Load();
    EXPECT_EQ(AnchoColumna(0), AnchoEnX(70));
    EXPECT_EQ(AnchoColumna(1), AnchoEnX(22));
}

// The list draws in bold 10: its codes, yes/no words and captions show whole in the widths it
// starts with.
TEST_F(Lib_FrmCons3Test, CodigosYTitulosSeLeenEnteros) {
    for (const QString& sql :
         {QString("SELECT IDMOTIVOCPRA, HABILITADOPARA, DESCRIPCION FROM TA_MOTIVOCPRA ORDER BY 1"),
          kCuentas}) {
        Cargada(sql);
        const QTableView& lista = *ventana->ListView1;
        for (int c = 0; c < Modelo().Columnas(); ++c) {
            EXPECT_LE(static_cast<const QAbstractItemView&>(lista).sizeHintForColumn(c),
                      lista.columnWidth(c))
                << Modelo().Titulo(c);
            EXPECT_LE(lista.horizontalHeader()->sectionSizeHint(c), lista.columnWidth(c))
                << Modelo().Titulo(c);
        }
        delete ventana.data();
    }
}

// Article lists read through STK_MA_ARTICULOS or V_MA_ARTICULOS show the price-class names.
TEST_F(Lib_FrmCons3Test, TitulosDeLasClasesDePrecio) {
    Ejecutar("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('NOM_PCLASE1', 'Lista')");
    Ejecutar("CREATE VIEW STK_MA_ARTICULOS AS SELECT * FROM MA_ARTICULOS");
    Cargada("SELECT IDARTICULO, PRECIO1 FROM VT_MA_ARTICULOS ORDER BY IDARTICULO");
    EXPECT_EQ(Titulos(), QStringList({"IDARTICULO", "PRECIO1"}));
    EXPECT_TRUE(ventana->EsListaArticulos());
    delete ventana.data();
    Cargada("SELECT IDARTICULO, PRECIO1 FROM STK_MA_ARTICULOS ORDER BY IDARTICULO");
    EXPECT_EQ(Titulos(), QStringList({"IDARTICULO", "Lista"}));
}

TEST_F(Lib_FrmCons3Test, ColoresDeStock) {
    Ejecutar("UPDATE MA_ARTICULOS SET STOCK = 0, PUNTOPEDIDO = 0");
    const std::pair<const char*, const char*> existencias[] = {
        {"5", "0"}, {"6", "5"}, {"4", "5"}, {"5", "5"}, {"0", "0"}};
    const QStringList articulos = Filas("SELECT IDARTICULO FROM MA_ARTICULOS ORDER BY IDARTICULO");
    for (int i = 0; i < 5; ++i)
        Ejecutar(QString("UPDATE MA_ARTICULOS SET STOCK = %1, PUNTOPEDIDO = %2 WHERE "
                         "IDARTICULO = '%3'")
                     .arg(existencias[i].first, existencias[i].second, articulos[i]));
    Nueva("SELECT IDARTICULO, DESCRIPCION, STOCK, PUNTOPEDIDO FROM VT_MA_ARTICULOS "
          "ORDER BY IDARTICULO");
    ventana->MuestraStock = "si";
    ventana->StkNivel1 = 0xFF;
    ventana->StkNivel2 = "65280";
    ventana->StkNivel3 = 0xFF0000;
    ventana->StkNivel4 = " ";
    ventana->Load();
    const QVariant esperados[] = {ColorDesdeBGR(0xFF), ColorDesdeBGR(0xFF00),
                                  ColorDesdeBGR(0xFF0000), QVariant(), QVariant()};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Modelo().data(Modelo().index(i, 0), Qt::ForegroundRole), esperados[i]) << i;
        EXPECT_EQ(Modelo().data(Modelo().index(i, 2), Qt::ForegroundRole), esperados[i]) << i;
    }
    // Without "SI", or in a list of one column, nothing is coloured.
    delete ventana.data();
    Nueva("SELECT IDARTICULO FROM VT_MA_ARTICULOS ORDER BY IDARTICULO");
    ventana->MuestraStock = "SI";
    ventana->StkNivel1 = 0xFF;
    ventana->Load();
    EXPECT_EQ(Modelo().data(Modelo().index(0, 0), Qt::ForegroundRole), QVariant());
}

// Whole values only: "11" ticks the account 11, not 1, 111 or 11101.
TEST_F(Lib_FrmCons3Test, PremarcaValoresEnteros) {
    Nueva("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS WHERE CODIGO LIKE '1%' ORDER BY CODIGO");
    ventana->CheckBoxes = true;
    ventana->CampoDevuelto = "codigo";
    ventana->ValoresDefault = "11, '1110102' ,";
    ventana->Load();
    EXPECT_EQ(Marcadas(), QStringList({"11", "1110102"}));
    EXPECT_EQ(Modelo().data(Modelo().index(0, 0), Qt::CheckStateRole), Qt::Unchecked);
    // Without check boxes nothing is ticked.
    delete ventana.data();
    Nueva("SELECT CODIGO FROM MA_CUENTAS ORDER BY CODIGO").ValoresDefault = "11";
    ventana->Load();
    EXPECT_TRUE(Marcadas().isEmpty());
    EXPECT_EQ(Modelo().data(Modelo().index(0, 0), Qt::CheckStateRole), QVariant());
}

// ---- Saved column widths ------------------------------------------------------------------

TEST_F(Lib_FrmCons3Test, LosAnchosGuardadosSeAplicanAlCargar) {
    AnchosColumnas(dir.path()).Grabar("vt_clientes", {1500, 3000});
    Cargada(kClientes);
    EXPECT_EQ(AnchoColumna(0), 1500);
    EXPECT_EQ(AnchoColumna(1), 3000);
    EXPECT_EQ(AnchoColumna(2), AnchoEnX(60));
    EXPECT_EQ(Caja(1).width(), APixeles(3000 - 50));
}

TEST_F(Lib_FrmCons3Test, SoloConGrabarCfgSeGuardanLosAnchosAlDescargar) {
    const QString archivo = AnchosColumnas(dir.path()).Archivo();
    Cargada(kClientes);
    ventana->Unload();
    EXPECT_FALSE(QFile::exists(archivo));
    Cargada(kClientes);
    ventana->GrabarCfg = true;
    ventana->ListView1->setColumnWidth(0, 100);
    ventana->Unload();
    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QString("\"VT_CLIENTES\",\"1500|%1|%2|\"\r\n")
                               .arg(AnchoEnX(15))
                               .arg(AnchoEnX(60))
                               .toLatin1());
}

// With "Nueva Busqueda" hidden a narrow window halves both buttons; the scroll bar moves the
// panel the other way.
TEST_F(Lib_FrmCons3Test, DisposicionAlCambiarDeTamano) {
    Cargada(kCuentas);
    ventana->CmdNueva->hide();
    ventana->Show();
    ventana->SetWidth(3000);
    EXPECT_EQ(ventana->CmdAceptar->width(), APixeles(1695 / 2));
    EXPECT_EQ(ventana->CmdCancelar->width(), ventana->CmdAceptar->width());
    EXPECT_EQ(ventana->CmdCancelar->x(), ventana->CmdNueva->x());
    ventana->HScroll1->setMaximum(10000);
    ventana->HScroll1->setValue(4800);
    EXPECT_EQ(ventana->picFields->x(), APixeles(-4800));
}

// ---- Search as you type -------------------------------------------------------------------

// Each keystroke searches the rows already read: rows deleted from the table meanwhile are
// still found, so no keystroke went back to the database.
TEST_F(Lib_FrmCons3Test, LaBusquedaAcotaSinVolverALaBase) {
    Cargada(kCuentas);
    Ejecutar("DELETE FROM MA_CUENTAS");
    const std::pair<QString, QString> pasos[] = {
        {"c", "Caja Central"},
        {"caja y", "CAJA Y BANCOS"},
        {"caja s", "Caja Sucursal Zárate"},
        {"  CAJA S  ", "Caja Sucursal Zárate"},
        {"cajaXX", "Caja Sucursal Zárate"},
        {"", Columna(0).first()},
    };
    for (const auto& [texto, fila] : pasos) {
        Escribir(0, texto);
        EXPECT_EQ(Seleccionada(), fila) << texto;
    }
    EXPECT_EQ(ventana->SQLActual(), " " + kCuentas);
    EXPECT_EQ(ventana->Busqueda(1, "1110104"), Columna(1).indexOf("1110104") + 1);
    EXPECT_EQ(ventana->Busqueda(0, "no existe"), 0);
    EXPECT_EQ(ventana->Busqueda(9, "x"), 0);
}

// The rows come in the server's Spanish order, and typing finds the first row of that order.
TEST_F(Lib_FrmCons3Test, LaBusquedaSigueElOrdenConAcentosYEnie) {
    Ejecutar("CREATE TABLE NOMBRES (RAZON VARCHAR(40) COLLATE SQLSRV_CI)");
    for (const char* razon : {"Zapato", "Oso", "Ñoño", "Ñandú", "Nube", "Álvarez", "Avila"})
        Ejecutar(QStringLiteral("INSERT INTO NOMBRES VALUES ('%1')").arg(QString::fromUtf8(razon)));
    Cargada("SELECT RAZON FROM NOMBRES ORDER BY RAZON");
    EXPECT_EQ(Columna(0),
              QStringList({"Álvarez", "Avila", "Nube", "Ñandú", "Ñoño", "Oso", "Zapato"}));
    const std::pair<QString, QString> pasos[] = {
        {"ñ", "Ñandú"}, {"ÑO", "Ñoño"}, {"n", "Nube"}, {"a", "Avila"}, {"á", "Álvarez"},
    };
    for (const auto& [texto, fila] : pasos) {
        Escribir(0, texto);
        EXPECT_EQ(Seleccionada(), fila) << texto;
    }
}

TEST_F(Lib_FrmCons3Test, ElFiltroInicialBuscaAlCargar) {
    Nueva(kCuentas).FiltroInicial = "banco";
    ventana->Load();
    EXPECT_EQ(Seleccionada(), QStringLiteral("Banco de la Nación Argentina Cta. Cte."));
    EXPECT_EQ(Caja(0).currentText(), QStringLiteral("banco"));
}

// A header click sorts by that column, flipping the order each time; later loads keep it.
TEST_F(Lib_FrmCons3Test, OrdenPorColumna) {
    Cargada(kCuentas);
    QStringList codigos = Columna(1);
    std::sort(codigos.begin(), codigos.end());
    ventana->ListView1_ColumnClick(2);
    EXPECT_EQ(Columna(1), QStringList(codigos.rbegin(), codigos.rend()));
    ventana->ListView1->horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(Columna(1), codigos);
    Escribir(1, "1110");
    ventana->CmdNueva_Click();
    EXPECT_EQ(Columna(1), codigos);
}

// ---- F5: the statement narrowed in the database -------------------------------------------

TEST_F(Lib_FrmCons3Test, SentenciasDeLaReconsulta) {
    struct Caso {
        QString sql, campo, texto;
        bool like;
        QString esperada;
    };
    const Caso casos[] = {
        {" " + kClientes, "RAZON_SOCIAL", "gar*z", false,
         " SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES WHERE Dada_De_Baja = 0  "
         "and RAZON_SOCIAL like 'gar%z%' ORDER BY RAZON_SOCIAL"},
        {" " + kClientes, "RAZON_SOCIAL", "gar*z", true,
         " SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES WHERE Dada_De_Baja = 0  "
         "and RAZON_SOCIAL like '%gar*z%' ORDER BY RAZON_SOCIAL"},
        {kCuentas, "CODIGO", "", false,
         "SELECT TOP 1000 DESCRIPCION,CODIGO,TITULO FROM MA_CUENTAS  where CODIGO like '%' ORDER "
         "BY DESCRIPCION"},
        // Apostrophes stay inside the literal.
        {kClientes, "RAZON_SOCIAL", "D'Ang", false,
         "SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES WHERE Dada_De_Baja = 0  "
         "and RAZON_SOCIAL like 'D''Ang%' ORDER BY RAZON_SOCIAL"},
        // The condition goes before GROUP BY.
        {"SELECT CODIGO,NOMBRE FROM MA_CUENTAS_CCDIST GROUP BY CODIGO,NOMBRE ORDER BY CODIGO",
         "NOMBRE", "Dis", false,
         "SELECT CODIGO,NOMBRE FROM MA_CUENTAS_CCDIST  where NOMBRE like 'Dis%' GROUP BY "
         "CODIGO,NOMBRE ORDER BY CODIGO"},
        // Keywords count only as whole words, outside literals and brackets, any blanks.
        {"SELECT DESCRIPCION AS SOMEWHERE, CODIGO AS [ORDER BY] FROM MA_CUENTAS WHERE "
         "DESCRIPCION <> 'order by x' order\n  by CODIGO",
         "CODIGO", "1", false,
         "SELECT DESCRIPCION AS SOMEWHERE, CODIGO AS [ORDER BY] FROM MA_CUENTAS WHERE "
         "DESCRIPCION <> 'order by x'  and CODIGO like '1%' order\n  by CODIGO"},
        {"SELECT CODIGO AS ORDENWHERE FROM MA_CUENTAS", "CODIGO", "1", false,
         "SELECT CODIGO AS ORDENWHERE FROM MA_CUENTAS where CODIGO like '1%' "},
        // An ORDER BY naming nothing is dropped.
        {"SELECT TOP 1000  *  FROM MA_CUENTAS ORDER BY ", "CODIGO", "1", false,
         "SELECT TOP 1000  *  FROM MA_CUENTAS  where CODIGO like '1%' "},
        // Columns written with the article view's name get it before the field.
        {"SELECT v_ma_articulos.DESCRIPCION FROM VT_MA_ARTICULOS v_ma_articulos ORDER BY 1",
         "DESCRIPCION", "Ace", false,
         "SELECT v_ma_articulos.DESCRIPCION FROM VT_MA_ARTICULOS v_ma_articulos  where "
         "v_ma_articulos.DESCRIPCION like 'Ace%' ORDER BY 1"},
    };
    for (const Caso& caso : casos) {
        const QString sql =
            Lib_FrmCons3::SentenciaConCondicion(caso.sql, caso.campo, caso.texto, caso.like);
        EXPECT_EQ(sql, caso.esperada);
        ado::Recordset rs;
        EXPECT_EQ(NumeroDeError([&] { rs.Open(sql, cnn); }), 0) << sql;
    }
}

// F5 in a box lists the narrowed statement; a second one adds its condition with AND; the
// box is emptied each time; "Nueva Busqueda" brings the first statement back.
TEST_F(Lib_FrmCons3Test, F5ReconsultaYNuevaBusquedaVuelveAlPrincipio) {
    Cargada(kCuentas);
    const int todas = Modelo().Filas();
    Mostrar([&](Lib_FrmCons3& f) {
        Caja(0).setFocus();
        Escribir(0, "caja*");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
        EXPECT_EQ(Caja(0).currentText(), QString());
        EXPECT_EQ(Columna(0),
                  QStringList({"Caja Central", "Caja Sucursal Zárate", "CAJA Y BANCOS"}));
        Escribir(1, "111010");
        Caja(1).setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
        EXPECT_EQ(Columna(0), QStringList({"Caja Central", "Caja Sucursal Zárate"}));
        EXPECT_TRUE(f.SQLActual().endsWith("MA_CUENTAS  where DESCRIPCION like 'caja%%'  and "
                                           "CODIGO like '111010%' ORDER BY DESCRIPCION"))
            << f.SQLActual();
        f.CmdNueva->click();
        EXPECT_EQ(Modelo().Filas(), todas);
        EXPECT_TRUE(Caja(0).hasFocus());
    });
    EXPECT_TRUE(guion.Mensajes.empty());
}

// ---- Choice ---------------------------------------------------------------------------------

TEST_F(Lib_FrmCons3Test, EnterDevuelveElCampoPedido) {
    Nueva(kCuentas).CampoDevuelto = "codigo";
    Mostrar([&](Lib_FrmCons3&) {
        Caja(0).setFocus();
        Escribir(0, "caja s");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(ventana->ValorDevuelto, QVariant(QStringLiteral("1110104")));
    EXPECT_FALSE(ventana->isVisible());
}

TEST_F(Lib_FrmCons3Test, ValoresDeUnaEleccion) {
    struct Caso {
        QString campoDevuelto;
        std::shared_ptr<QStringList> cmps;
        QStringList valores;
        QString devuelto;
    };
    using Lista = std::shared_ptr<QStringList>;
    const auto lista = [](QStringList l) { return std::make_shared<QStringList>(l); };
    const Caso casos[] = {
        {"CODIGO", lista({"descripcion", " CODIGO "}), {"Caja Central", "1110101"}, "1110101"},
        {"", lista({"CODIGO", "DESCRIPCION"}), {"1110101", "Caja Central"}, "Caja Central"},
        {"CODIGO", Lista(), {}, "1110101"},
        // A caption that names no column gives nothing, not the value before it.
        {"NO EXISTE", lista({"CODIGO", "NADA"}), {"1110101", ""}, ""},
    };
    for (const Caso& caso : casos) {
        Nueva(kCuentas).CampoDevuelto = caso.campoDevuelto;
        ventana->CmpsDevueltos = caso.cmps;
        Mostrar([&](Lib_FrmCons3&) {
            Escribir(0, "caja c");
            ventana->CmdAceptar->click();
        });
        ASSERT_TRUE(ventana->Valores);
        EXPECT_EQ(*ventana->Valores, caso.valores) << caso.campoDevuelto;
        EXPECT_EQ(ventana->ValorDevuelto.toString(), caso.devuelto) << caso.campoDevuelto;
        delete ventana.data();
    }
}

TEST_F(Lib_FrmCons3Test, EscCancela) {
    Nueva(kCuentas).CampoDevuelto = "CODIGO";
    ventana->CheckBoxes = true;
    ventana->CmpsDevueltos = std::make_shared<QStringList>();
    Mostrar([&](Lib_FrmCons3& f) {
        Modelo().SetMarcada(0, true);
        f.ListView1->setFocus();
        QTest::keyClick(f.ListView1, Qt::Key_Escape);
    });
    EXPECT_EQ(ventana->ValorDevuelto, QVariant(QString("")));
    EXPECT_FALSE(ventana->Valores);
    EXPECT_FALSE(ventana->CmpsDevueltos);
    EXPECT_TRUE(ventana->Cantidades);
}

// Multiple choice returns the ticked rows in the order shown; Space ticks the selected row.
TEST_F(Lib_FrmCons3Test, EleccionMultipleDevuelveValores) {
    Nueva("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS WHERE CODIGO LIKE '11101%' ORDER BY CODIGO");
    ventana->CheckBoxes = true;
    ventana->ValoresDefault = "11101";
    ventana->CampoDevuelto = "CODIGO";
    Mostrar([&](Lib_FrmCons3& f) {
        f.ListView1->setFocus();
        Escribir(0, "1110103");
        f.ListView1->setFocus();
        QTest::keyClick(f.ListView1, Qt::Key_Space);
        EXPECT_EQ(Caja(0).currentText(), QStringLiteral("1110103"));
        f.ListView1_ColumnClick(1);
        QTest::keyClick(f.ListView1, Qt::Key_Return);
    });
    ASSERT_TRUE(ventana->Valores);
    EXPECT_EQ(*ventana->Valores, QStringList({"1110103", "11101"}));
    EXPECT_EQ(ventana->ValorDevuelto, QVariant());
}

TEST_F(Lib_FrmCons3Test, EleccionMultipleSinCampoDevuelveLaPrimeraColumna) {
    Nueva("SELECT DESCRIPCION, CODIGO FROM MA_CUENTAS WHERE CODIGO LIKE '11101%' ORDER BY CODIGO");
    ventana->CheckBoxes = true;
    Mostrar([&](Lib_FrmCons3& f) {
        Modelo().setData(Modelo().index(1, 0), Qt::Checked, Qt::CheckStateRole);
        f.CmdAceptar->click();
    });
    EXPECT_EQ(*ventana->Valores, QStringList{"Caja Central"});
    EXPECT_EQ(ventana->CampoDevuelto, QStringLiteral("DESCRIPCION"));
}

// ---- Keys in the list -------------------------------------------------------------------

// Typing in the list writes into the current search box the character the key means.
TEST_F(Lib_FrmCons3Test, TeclasDeLaListaEscribenEnLaBusqueda) {
    struct Tecla {
        int tecla;
        Qt::KeyboardModifiers modificadores;
        QString texto;
        QString caja;
    };
    const Tecla teclas[] = {
        {Qt::Key_C, Qt::NoModifier, "c", "c"},
        {Qt::Key_A, Qt::ShiftModifier, "A", "cA"},
        {Qt::Key_1, Qt::KeypadModifier, "1", "cA1"},
        {Qt::Key_0, Qt::KeypadModifier, "0", "cA10"},
        {Qt::Key_F3, Qt::NoModifier, "", "cA10"},
        {Qt::Key_F12, Qt::NoModifier, "", "cA10"},
        {Qt::Key_Space, Qt::NoModifier, " ", "cA10 "},
        {Qt::Key_Backspace, Qt::NoModifier, "", "cA10"},
        {Qt::Key_Backspace, Qt::NoModifier, "", "cA1"},
        {Qt::Key_Down, Qt::NoModifier, "", "cA1"},
        // With Ctrl a letter types its capital.
        {Qt::Key_B, Qt::ControlModifier, "\x02", "cA1B"},
        {Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier, "\x08", "cA1BH"},
    };
    Cargada(kCuentas);
    Mostrar([&](Lib_FrmCons3& f) {
        Caja(1).setFocus();
        for (const Tecla& t : teclas) {
            f.ListView1->setFocus();
            QTest::sendKeyEvent(QTest::Click, f.ListView1, Qt::Key(t.tecla), t.texto,
                                t.modificadores);
            EXPECT_EQ(Caja(1).currentText(), t.caja) << t.texto;
        }
        EXPECT_TRUE(Caja(0).currentText().isEmpty());
        EXPECT_EQ(f.IndiceBusqueda(), 1);
    });
    EXPECT_TRUE(guion.Mensajes.empty());
}

// Arrows in a search box hand the focus to the list and leave the row the search chose.
TEST_F(Lib_FrmCons3Test, FlechasPasanALaLista) {
    Cargada(kCuentas);
    Mostrar([&](Lib_FrmCons3& f) {
        Caja(0).setFocus();
        QTest::keyClicks(Caja(0).lineEdit(), "caja c");
        EXPECT_EQ(Seleccionada(), QStringLiteral("Caja Central"));
        QTest::keyClick(Caja(0).lineEdit(), Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), f.ListView1);
        EXPECT_EQ(Seleccionada(), QStringLiteral("Caja Central"));
        QTest::keyClick(f.ListView1, Qt::Key_Down);
        EXPECT_NE(Seleccionada(), QStringLiteral("Caja Central"));
    });
}

TEST_F(Lib_FrmCons3Test, TeclasDeCantidad) {
    Nueva("SELECT DESCRIPCION, '2.0' AS [ **cantidad** ] FROM MA_CUENTAS WHERE CODIGO = '1'");
    ventana->UsaCantidades = true;
    ventana->CheckBoxes = true;
    guion.TextosInputBox = {"7,5", "0"};
    Mostrar([&](Lib_FrmCons3& f) {
        const auto tecla = [&](Qt::Key k, Qt::KeyboardModifiers m, const QString& celda,
                               bool marcada) {
            QTest::keyClick(f.ListView1, k, m);
            EXPECT_EQ(Modelo().Celda(0, 1), celda);
            EXPECT_EQ(Modelo().Marcada(0), marcada);
        };
        f.ListView1->setFocus();
        tecla(Qt::Key_Insert, Qt::NoModifier, "3,0", true);
        tecla(Qt::Key_Delete, Qt::NoModifier, "2,0", true);
        tecla(Qt::Key_Delete, Qt::NoModifier, "1,0", true);
        tecla(Qt::Key_Delete, Qt::NoModifier, "0.00", false);
        tecla(Qt::Key_Delete, Qt::NoModifier, "0.00", false);
        tecla(Qt::Key_Insert, Qt::ShiftModifier, "7,50", true);
        tecla(Qt::Key_Insert, Qt::ShiftModifier, "7,50", true); // a zero answer changes nothing
        tecla(Qt::Key_Insert, Qt::ShiftModifier | Qt::ControlModifier, "7,50", true);
    });
    ASSERT_EQ(guion.Entradas.size(), 2u);
    EXPECT_EQ(guion.Entradas[0].Mensaje, QStringLiteral("Ingrese la Cantidad del Articulo..."));
    EXPECT_EQ(guion.Entradas[0].Titulo, QStringLiteral("Carga de Datos"));
    EXPECT_EQ(guion.Entradas[0].Predeterminado, QStringLiteral("0.00"));
}

// ---- F12: stock shortage ------------------------------------------------------------------

TEST_F(Lib_FrmCons3Test, F12InformaElFaltanteConApostrofos) {
    Cargada(kArticulos);
    guion.RespuestasMsgBox = {vbYes};
    Mostrar([&](Lib_FrmCons3& f) {
        Escribir(0, "llave de paso");
        f.ListView1->setFocus();
        QTest::keyClick(f.ListView1, Qt::Key_F12);
    });
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_EQ(guion.Mensajes[0].Texto, QStringLiteral("Desea informar el articulo FER-LLA-PAS-12 "
                                                      "Llave de paso 1/2' esférica\r\ncomo un "
                                                      "faltante de stock?"));
    EXPECT_EQ(guion.Mensajes[0].Titulo, QStringLiteral("Atención!"));
    EXPECT_EQ(guion.Mensajes[0].Botones, vbYesNo + vbQuestion);
    EXPECT_EQ(Filas("SELECT IDARTICULO, DESCRIPCION, USUARIO FROM V_MV_FALTANTES WHERE "
                    "USUARIO = 'o''brien'"),
              QStringList{"FER-LLA-PAS-12           |Llave de paso 1/2' esférica|o'brien"});
    EXPECT_EQ(Caja(0).currentText(), QStringLiteral("llave de paso"));
}

TEST_F(Lib_FrmCons3Test, F12ConNoNoInformaYUnFalloSeAvisa) {
    Cargada(kArticulos);
    guion.RespuestasMsgBox = {vbNo, vbYes, vbOK};
    Mostrar([&](Lib_FrmCons3& f) {
        f.ListView1->setFocus();
        QTest::keyClick(f.ListView1, Qt::Key_F12);
        Ejecutar("DROP TABLE V_MV_FALTANTES");
        QTest::keyClick(f.ListView1, Qt::Key_F12);
    });
    ASSERT_EQ(guion.Mensajes.size(), 3u);
    EXPECT_TRUE(guion.Mensajes[2].Texto.startsWith("No se pudo informar el faltante de stock"))
        << guion.Mensajes[2].Texto;
    EXPECT_EQ(guion.Mensajes[2].Botones & vbCritical, vbCritical);
}

TEST_F(Lib_FrmCons3Test, SentenciaDelFaltante) {
    EXPECT_EQ(Lib_FrmCons3::SentenciaFaltante("17/03/2025 10:42:17", "TORN-001", " TORNILLO 1/2' ",
                                              "o'brien"),
              QStringLiteral("INSERT INTO V_MV_FALTANTES (FechaHora,IdArticulo,Descripcion,"
                             "Usuario) values('17/03/2025 10:42:17','TORN-001                 ',"
                             "'TORNILLO 1/2''','o''brien')"));
    // An article code of digits is stored as any other: on the left of its 25 characters.
    EXPECT_TRUE(Lib_FrmCons3::SentenciaFaltante("x", "1001", "d", "u")
                    .contains(QStringLiteral("'1001                     '")));
}

} // namespace
