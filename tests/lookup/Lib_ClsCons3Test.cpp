#include "lookup/Lib_ClsCons3.h"

#include "DemoConsultas.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "lookup/ModeloConsulta.h"
#include "platform/controls/ColeccionNodos.h"
#include "platform/controls/Node.h"
#include "platform/controls/TreeView.h"
#include "platform/forms/Twips.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <functional>
#include <gtest/gtest.h>

namespace {

MascaraConsulta Mascara(const QString& tabla, const QString& campos, const QString& filtro = {}) {
    MascaraConsulta m;
    m.Tabla = tabla;
    m.Campos = campos;
    m.Filtro = filtro;
    // As read back from the file: every field at its full width.
    return MascaraConsulta::Desempaquetar(m.Empaquetar());
}

struct CasoMascara {
    const char* nombre;
    QString tabla, campos, filtro, campoBusqueda, where;
    QString sentencia;    // empty: the mask has to be configured first
    QString campoDespues; // CampoBusqueda as the caller's variable keeps it
};

class SentenciaMascara : public ::testing::TestWithParam<CasoMascara> {};

TEST_P(SentenciaMascara, ArmaLaSentenciaDelRegistro) {
    const CasoMascara& c = GetParam();
    QString campo = c.campoBusqueda;
    const std::optional<QString> sentencia =
        Lib_ClsCons3::SentenciaMascara(Mascara(c.tabla, c.campos, c.filtro), 1000, campo, c.where);
    if (c.sentencia.isEmpty())
        EXPECT_FALSE(sentencia.has_value()) << *sentencia;
    else
        EXPECT_EQ(sentencia.value_or("(ninguna)"), c.sentencia);
    EXPECT_EQ(campo, c.campoDespues);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, SentenciaMascara,
    ::testing::Values(
        CasoMascara{"Clientes", "VT_CLIENTES", "|RAZON_SOCIAL|CODIGO|CONTACTO|", "", "", "",
                    "SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES WHERE "
                    "Dada_De_Baja = 0 ORDER BY RAZON_SOCIAL",
                    "RAZON_SOCIAL"},
        CasoMascara{"ProveedoresConRellenoYMinusculas",
                    QString("vt_proveedores") + QChar(0) + QChar(0xFF), "|RAZON_SOCIAL|CODIGO|", "",
                    "", "",
                    "SELECT TOP 1000 RAZON_SOCIAL,CODIGO FROM vt_proveedores WHERE Dada_De_Baja = "
                    "0 ORDER BY RAZON_SOCIAL",
                    "RAZON_SOCIAL"},
        CasoMascara{"ClientesConWhereDelLlamador", "VT_CLIENTES", "|RAZON_SOCIAL|CODIGO|", "",
                    "CODIGO", " (LOCALIDAD = 'Trelew') ",
                    "SELECT TOP 1000 RAZON_SOCIAL,CODIGO FROM VT_CLIENTES WHERE  (LOCALIDAD = "
                    "'Trelew')  ORDER BY CODIGO",
                    "CODIGO"},
        CasoMascara{"FiltroDelRegistroManda", "MA_CUENTAS", "|DESCRIPCION|CODIGO|", "TITULO = 0",
                    "", " (x=1) ",
                    "SELECT TOP 1000 DESCRIPCION,CODIGO FROM MA_CUENTAS WHERE TITULO = 0 ORDER "
                    "BY DESCRIPCION",
                    "DESCRIPCION"},
        CasoMascara{"Articulos", "V_MA_ARTICULOS", "|DESCRIPCION|IDARTICULO|", "", "", "",
                    "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS WHERE "
                    "SUSPENDIDO = 0 ORDER BY DESCRIPCION",
                    "DESCRIPCION"},
        CasoMascara{"UnaColumnaSinCampoPideConfigurar", "TA_BANCOS", "|DESCRIPCION|", "", "", "",
                    "", ""},
        CasoMascara{"UnaColumnaConCampo", "TA_BANCOS", "|DESCRIPCION|", "", "DESCRIPCION", "",
                    "SELECT TOP 1000 DESCRIPCION FROM TA_BANCOS ORDER BY DESCRIPCION",
                    "DESCRIPCION"},
        CasoMascara{"SinColumnasLeeTodas", "TA_BANCOS", "", "", "IDBANCO", "",
                    "SELECT TOP 1000 * FROM TA_BANCOS ORDER BY IDBANCO", "IDBANCO"},
        CasoMascara{"SinColumnasNiCampoPideConfigurar", "TA_BANCOS", "||", "", "", "", "", ""}),
    [](const auto& info) { return std::string(info.param.nombre); });

struct CasoAutomatico {
    const char* nombre;
    QStringList columnas;
    QString campoBusqueda;
    QString campos;
    QString campoDespues;
};

class CamposAutomaticos : public ::testing::TestWithParam<CasoAutomatico> {};

TEST_P(CamposAutomaticos, ListaLasColumnasDeLaTablaAlReves) {
    const CasoAutomatico& c = GetParam();
    QString campo = c.campoBusqueda;
    EXPECT_EQ(Lib_ClsCons3::CamposAutomaticos(c.columnas, campo), c.campos);
    EXPECT_EQ(campo, c.campoDespues);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CamposAutomaticos,
    ::testing::Values(
        CasoAutomatico{"SinDescripcion", {"C1", "C2", "C3"}, "", "C3,C2,C1", "C1"},
        CasoAutomatico{"ControlFueraYNombreComoCampo",
                       {"ID", "CODIGO", "NOMBRE", "FECHAHORA_GRABACION", "SALDO"},
                       "OTRO",
                       "SALDO,NOMBRE,CODIGO",
                       "NOMBRE"},
        CasoAutomatico{"GanaLaUltimaDescriptiva",
                       {"CODIGO", "descripcion", "DETALLE", "fechahora_modificacion"},
                       "",
                       "DETALLE,descripcion,CODIGO",
                       "DETALLE"},
        CasoAutomatico{"TodasDeControl", {"ID", "FECHAHORA_GRABACION"}, "CODIGO", " * ", "CODIGO"},
        CasoAutomatico{"TablaIlegible", {}, "", " * ", ""}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(SentenciaAutomatica, OrdenSoloCuandoHayCampo) {
    EXPECT_EQ(Lib_ClsCons3::SentenciaAutomatica("T", "SALDO,NOMBRE", 250, "NOMBRE", " (x=1) "),
              "SELECT TOP 250 SALDO,NOMBRE FROM T WHERE  (x=1)  ORDER BY NOMBRE");
    EXPECT_EQ(Lib_ClsCons3::SentenciaAutomatica("T", "A", 1000, "A", ""),
              "SELECT TOP 1000 A FROM T ORDER BY A");
    // Nothing to order by: no dangling ORDER BY.
    EXPECT_EQ(Lib_ClsCons3::SentenciaAutomatica("T", " * ", 1000, " ", "  "),
              "SELECT TOP 1000  *  FROM T ");
}

TEST(ArmarWhere, UnaCondicionSueltaVaEntreParentesis) {
    const std::pair<QString, QString> casos[] = {
        {"x=1", " (x=1) "},
        {" CHARINDEX(HABILITADOPARA,'NCPE',1)>0", " ( CHARINDEX(HABILITADOPARA,'NCPE',1)>0) "},
        {"(a=1) or (b=2)", "(a=1) or (b=2)"},
        {" (a=1)", " ( (a=1)) "},
        {"x", "x"},
        {"  x ", "  x "},
        {"", ""},
    };
    for (const auto& [where, esperado] : casos)
        EXPECT_EQ(Lib_ClsCons3::ArmarWhere(where), esperado) << where;
}

TEST(LimiteFilas, CeroVacioOIlegibleDanMil) {
    const std::pair<QString, int> casos[] = {{"0", 1000},   {" ", 1000},  {"", 1000},
                                             {"abc", 1000}, {"250", 250}, {" 12.6", 13}};
    for (const auto& [valor, limite] : casos)
        EXPECT_EQ(Lib_ClsCons3::LimiteFilas(valor), limite) << valor;
}

TEST(PalabrasClave, SoloPalabrasEnteras) {
    EXPECT_TRUE(Lib_ClsCons3::EsSentencia("select * from MA_CUENTAS"));
    EXPECT_TRUE(Lib_ClsCons3::EsSentencia("(SELECT a FROM b)"));
    EXPECT_FALSE(Lib_ClsCons3::EsSentencia("MA_CUENTAS"));
    EXPECT_FALSE(Lib_ClsCons3::EsSentencia("V_TA_SELECCIONES"));
    EXPECT_TRUE(Lib_ClsCons3::TieneOrden("SELECT a FROM b order by a"));
    EXPECT_TRUE(Lib_ClsCons3::TieneOrden("SELECT a FROM b ORDER\n  BY a"));
    EXPECT_FALSE(Lib_ClsCons3::TieneOrden("SELECT BORDER BYTES FROM b"));
    EXPECT_FALSE(Lib_ClsCons3::TieneOrden("SELECT a FROM b WHERE c = 'x' "));
    // Inside literals and bracketed names they are no keywords.
    EXPECT_FALSE(Lib_ClsCons3::EsSentencia("[Select]"));
    EXPECT_FALSE(Lib_ClsCons3::EsSentencia("V_TA_BANCOS WHERE DESCRIPCION = 'select'"));
    EXPECT_FALSE(Lib_ClsCons3::TieneOrden("SELECT a FROM b WHERE c = 'x order by y'"));
    EXPECT_FALSE(Lib_ClsCons3::TieneOrden("SELECT [order by] FROM b"));
    EXPECT_TRUE(Lib_ClsCons3::TieneOrden("SELECT a FROM b WHERE c = 'it''s' ORDER BY a"));
}

TEST(SentenciaCompleta, ArticulosSeLeenDeSuVista) {
    EXPECT_EQ(Lib_ClsCons3::SentenciaCompleta(
                  "select v_ma_articulos.IDARTICULO from v_ma_articulos where STOCK > 0"),
              "select VT_MA_ARTICULOS.IDARTICULO from VT_MA_ARTICULOS where STOCK > 0");
    EXPECT_EQ(Lib_ClsCons3::SentenciaCompleta("SELECT * FROM VT_MA_ARTICULOS"),
              "SELECT * FROM VT_MA_ARTICULOS");
    EXPECT_EQ(Lib_ClsCons3::SentenciaCompleta("SELECT CODIGO FROM MA_CUENTAS"),
              "SELECT CODIGO FROM MA_CUENTAS");
}

// ---- Lookups on the demo company ----------------------------------------------------------

struct CasoForma {
    const char* nombre;
    QString sql, where, sentenciaOpcional;
    QString sentencia; // as the list window received it
    QString campoBusqueda;
    std::function<void(ConsultaDemo&)> preparar;
};

class FormasDeSentencia : public ConsultaDemo, public ::testing::WithParamInterface<CasoForma> {
public:
    void Ejecutar(const QString& sql) { BaseDePrueba::Ejecutar(sql); }
};

// Every way of building the statement gives one the database runs and that lists rows.
TEST_P(FormasDeSentencia, LaListaLaEjecutaSobreLaDemo) {
    const CasoForma& c = GetParam();
    if (c.preparar)
        c.preparar(*this);
    QString sentencia;
    bool ordenPropio = true;
    int filas = -1;
    EnLista([&](Lib_FrmCons3& lista) {
        sentencia = lista.SQLInicial();
        ordenPropio = !lista.OrdenarPorLwv;
        filas = lista.Modelo().Filas();
        lista.CmdCancelar_Click();
    });
    QString campo;
    QString where = c.where;
    Consultas().ConsultaSearch(c.sql, nullptr, {}, &campo, &where, c.sentenciaOpcional);
    EXPECT_EQ(sentencia, " " + c.sentencia);
    EXPECT_EQ(ordenPropio, Lib_ClsCons3::TieneOrden(c.sentencia));
    EXPECT_GT(filas, 0);
    EXPECT_EQ(campo, c.campoBusqueda);
    for (const auto& m : guion.Mensajes)
        ADD_FAILURE() << m.Texto;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FormasDeSentencia,
    ::testing::Values(
        CasoForma{"Mascara", "VT_CLIENTES", "", "",
                  "SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES WHERE "
                  "Dada_De_Baja = 0 ORDER BY RAZON_SOCIAL",
                  "RAZON_SOCIAL", nullptr},
        CasoForma{"MascaraDeArticulos", "v_ma_articulos", "", "",
                  "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS WHERE "
                  "SUSPENDIDO = 0 ORDER BY DESCRIPCION",
                  "DESCRIPCION", nullptr},
        CasoForma{"MascaraConFiltroDelLlamador", "VT_PROVEEDORES", "LOCALIDAD <> 'Rosario'", "",
                  "SELECT TOP 1000 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES WHERE  (LOCALIDAD <> "
                  "'Rosario')  ORDER BY RAZON_SOCIAL",
                  "RAZON_SOCIAL", nullptr},
        CasoForma{"Automatica", "MA_CUENTAS", "TITULO = 0", "",
                  "SELECT TOP 1000 USACCOSTOS,CC_DIST,TIPOVISTA,MEDIODEPAGO,TITULO,DESCRIPCION,"
                  "CODIGOOPCIONAL,CODIGO FROM MA_CUENTAS WHERE  (TITULO = 0)  ORDER BY DESCRIPCION",
                  "DESCRIPCION", nullptr},
        CasoForma{"AutomaticaDelMotivo", "V_TA_MOTIVOCPRA", " CHARINDEX(HABILITADOPARA,'NCPE',1)>0",
                  "",
                  "SELECT TOP 1000 HABILITADOPARA,DESCRIPCION,IDMOTIVOCPRA FROM V_TA_MOTIVOCPRA "
                  "WHERE  ( CHARINDEX(HABILITADOPARA,'NCPE',1)>0)  ORDER BY DESCRIPCION",
                  "DESCRIPCION", nullptr},
        CasoForma{"Depositos", "V_TA_DEPOSITO", "", "",
                  "SELECT TOP 1000 Descripcion,IdDeposito,UnidadNegocio FROM V_TA_DEPOSITO ORDER "
                  "BY IDDEPOSITO",
                  "IDDEPOSITO", nullptr},
        CasoForma{"Preparada", "V_TA_Bancos", "", "select DESCRIPCION,IDBanco from V_TA_Bancos ",
                  "select DESCRIPCION,IDBanco from V_TA_Bancos ", "", nullptr},
        CasoForma{"SentenciaEntera",
                  "SELECT IDARTICULO, DESCRIPCION FROM V_MA_ARTICULOS "
                  "ORDER BY IDARTICULO",
                  "", "", "SELECT IDARTICULO, DESCRIPCION FROM VT_MA_ARTICULOS ORDER BY IDARTICULO",
                  "", nullptr},
        CasoForma{"LimiteConfigurado", "V_TA_DEPOSITO", "", "",
                  "SELECT TOP 250 Descripcion,IdDeposito,UnidadNegocio FROM V_TA_DEPOSITO ORDER "
                  "BY IDDEPOSITO",
                  "IDDEPOSITO",
                  [](ConsultaDemo& t) {
                      static_cast<FormasDeSentencia&>(t).Ejecutar(
                          "INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, ValorAux, Grupo, "
                          "PoliticaNegocio) VALUES ('TOPCONSART', '250', '', 'GENERAL', 0)");
                  }},
        CasoForma{"SinMascarasAutomatica", "VT_PROVEEDORES", "", "",
                  "SELECT TOP 1000 DADA_DE_BAJA,CONTACTO,TELEFONO,CODIGOPOSTAL,LOCALIDAD,"
                  "DOMICILIO,CONDIVA,CUIT,CODIGOOPCIONAL,RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES "
                  "ORDER BY CODIGO",
                  "CODIGO",
                  [](ConsultaDemo&) { Lib_ClsCons3::Instancia().gUsarMascarasConsultas = false; }},
        CasoForma{
            "SinArchivoDeMascarasAutomatica", "V_TA_BANCOS", "", "",
            "SELECT TOP 1000 DESCRIPCION,IDBANCO FROM V_TA_BANCOS ORDER BY DESCRIPCION",
            "DESCRIPCION",
            [](ConsultaDemo&) { QFile::remove(Lib_ClsCons3::Instancia().gRutaMascaraConsultas); }},
        CasoForma{"SoloColumnasDeControlSinOrden", "T_SOLO_ID", "", "",
                  "SELECT TOP 1000  *  FROM T_SOLO_ID ", "",
                  [](ConsultaDemo& t) {
                      auto& f = static_cast<FormasDeSentencia&>(t);
                      f.Ejecutar(
                          "CREATE TABLE T_SOLO_ID (ID INTEGER, FECHAHORA_GRABACION DATETIME)");
                      f.Ejecutar("INSERT INTO T_SOLO_ID (ID) VALUES (1)");
                  }}),
    [](const auto& info) { return std::string(info.param.nombre); });

// The shared instance was there before start-up opened the session; it takes the masks file
// start-up chose the first time it is used after that.
TEST_F(ConsultaDemo, TomaDelInicioElArchivoDeMascaras) {
    EXPECT_TRUE(Consultas().gUsarMascarasConsultas);
    EXPECT_EQ(QDir::cleanPath(Consultas().gRutaMascaraConsultas),
              QDir::cleanPath(EnPrograma("consultas.sve")));
}

TEST_F(ConsultaDemo, AceptarDevuelveLaColumnaPedidaYVaciaCampoDevuelto) {
    Lib_ClsCons3& c = Consultas();
    Coleccion devueltos = std::make_shared<QStringList>(QStringList{"DESCRIPCION", "CODIGO"});
    const Coleccion pedida = devueltos;
    c.CampoDevuelto = "codigo";
    EnLista([](Lib_FrmCons3& lista) {
        EXPECT_EQ(lista.CampoDevuelto, "codigo");
        EXPECT_TRUE(lista.CfgUsaConsultaLIKE); // the demo's UsaConsultaLike
        EXPECT_EQ(lista.MuestraStock, "SI");
        EXPECT_EQ(lista.StkNivel1, QVariant(" ")); // no such key in the demo
        Elegir(lista, "CODIGO", "1110102");
    });
    c.ConsultaSearch("MA_CUENTAS", &devueltos);
    EXPECT_EQ(c.ValorDevuelto.toString(), "1110102");
    ASSERT_TRUE(c.Valores);
    EXPECT_EQ(*c.Valores, (QStringList{"Banco de la Nación Argentina Cta. Cte.", "1110102"}));
    EXPECT_TRUE(c.CampoDevuelto.isEmpty());
    EXPECT_EQ(devueltos, nullptr);
    EXPECT_TRUE(pedida->isEmpty());
    ASSERT_EQ(guion.VentanasModales.size(), 1u);
    EXPECT_EQ(guion.VentanasModales[0].Titulo, "Consulta...");
}

TEST_F(ConsultaDemo, CancelarDejaElValorVacio) {
    Lib_ClsCons3& c = Consultas();
    c.ValorDevuelto = "1110101"; // from an earlier lookup
    c.Checks = true;
    c.CampoDevuelto = "codigo";
    EnLista([](Lib_FrmCons3& lista) {
        lista.Modelo().SetMarcada(0, true);
        lista.CmdCancelar_Click();
    });
    c.ConsultaSearch("MA_CUENTAS");
    EXPECT_EQ(c.ValorDevuelto, QVariant(QString()));
    EXPECT_EQ(c.Valores, nullptr);
    EXPECT_FALSE(c.Checks);
    EXPECT_TRUE(c.CampoDevuelto.isEmpty());
}

// A database another program keeps locked is reported once and opens no list; the next lookup
// reads the settings again.
TEST_F(ConsultaDemo, UnaBaseBloqueadaSeInformaUnaVezYNoAbreLaLista) {
    ado::Connection& programa = DB_Dll::Instancia().gCnn;
    programa.Close();
    programa.SetConnectionTimeout(1); // gives up on a lock after a second
    programa.Open();
    Lib_ClsCons3& c = Consultas();
    c.ValorDevuelto = "1110101";
    cnn.EjecutarNativo("BEGIN EXCLUSIVE", {}, nullptr);
    c.ConsultaSearch("MA_CUENTAS");
    cnn.EjecutarNativo("ROLLBACK", {}, nullptr);
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(guion.Mensajes[0].Texto.contains("bloqueada")) << guion.Mensajes[0].Texto;
    EXPECT_TRUE(guion.VentanasModales.empty());
    EXPECT_EQ(c.ValorDevuelto, QVariant(QString()));
    EnLista([](Lib_FrmCons3& lista) { Elegir(lista, "CODIGO", "1110101"); });
    c.CampoDevuelto = "codigo";
    c.ConsultaSearch("MA_CUENTAS");
    EXPECT_EQ(c.ValorDevuelto, QVariant(QStringLiteral("1110101")));
}

TEST_F(ConsultaDemo, CerrarLaVentanaDesdeSuBarraNoDevuelveNada) {
    Lib_ClsCons3& c = Consultas();
    c.ValorDevuelto = "1110101";
    c.CampoDevuelto = "codigo";
    EnLista([](Lib_FrmCons3& lista) {
        lista.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    c.ConsultaSearch("MA_CUENTAS");
    EXPECT_EQ(c.ValorDevuelto, QVariant(QString()));
    EXPECT_EQ(c.Valores, nullptr);
}

// Closed from its title bar, an option list is gone before it could be read.
TEST_F(ConsultaDemo, OpcionesCerradasDesdeSuBarraNoDevuelvenNada) {
    Lib_ClsCons3& c = Consultas();
    const auto cerrar = [](Lib_FrmCons3& lista) {
        lista.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    EnLista(cerrar);
    c.CheckOpciones("Medios", nullptr, {"1Efectivo", "0Cheque"});
    EXPECT_EQ(c.Valores, nullptr);
    EnLista(cerrar);
    EXPECT_EQ(c.MenuOpciones("Forma", {"Efectivo", "Cheque"}), "");
}

TEST_F(ConsultaDemo, ConVariasMarcasDevuelveLasMarcadas) {
    Lib_ClsCons3& c = Consultas();
    c.Checks = true;
    c.CampoDevuelto = "IDMOTIVOCPRA";
    EnLista([](Lib_FrmCons3& lista) {
        EXPECT_TRUE(lista.CheckBoxes);
        const int k = lista.IndiceColumna("IDMOTIVOCPRA") - 1;
        for (int fila = 0; fila < lista.Modelo().Filas(); ++fila)
            if (QStringList{"DPRE", "BONI"}.contains(lista.Modelo().Celda(fila, k)))
                lista.Modelo().SetMarcada(fila, true);
        lista.CmdAceptar_Click();
    });
    c.ConsultaSearch("V_TA_MOTIVOCPRA");
    ASSERT_TRUE(c.Valores);
    EXPECT_EQ(*c.Valores, (QStringList{"BONI", "DPRE"})); // in the list's order
    EXPECT_FALSE(c.Checks);

    // A returned caption that names no column gives an empty entry per ticked row.
    c.Checks = true;
    c.CampoDevuelto = "NO_EXISTE";
    EnLista([](Lib_FrmCons3& lista) {
        lista.Modelo().SetMarcada(0, true);
        lista.Modelo().SetMarcada(2, true);
        lista.CmdAceptar_Click();
    });
    c.ConsultaSearch("V_TA_MOTIVOCPRA");
    ASSERT_TRUE(c.Valores);
    EXPECT_EQ(*c.Valores, (QStringList{"", ""}));
}

// A mask with one column and no search column cannot list: the user is told, and the caller
// reads that nothing was chosen, not what the last lookup returned.
TEST_F(ConsultaDemo, MascaraSinConfigurarAvisaYNoDevuelveNada) {
    AgregarMascara("TA_BANCOS", "|DESCRIPCION|");
    Lib_ClsCons3& c = Consultas();
    c.ValorDevuelto = "  11";
    c.CampoDevuelto = "IDBANCO";
    c.ConsultaSearch("ta_bancos");
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_EQ(guion.Mensajes[0].Texto, "Debe configurar la consulta para esta tabla");
    EXPECT_EQ(guion.Mensajes[0].Titulo, "Aviso al operador");
    EXPECT_EQ(guion.Mensajes[0].Botones, vbInformation);
    EXPECT_TRUE(guion.VentanasModales.empty());
    EXPECT_EQ(c.ValorDevuelto, QVariant(QString()));

    // With a search column the same mask lists.
    QString campo = "DESCRIPCION";
    QString sentencia;
    EnLista([&](Lib_FrmCons3& lista) {
        sentencia = lista.SQLInicial();
        Elegir(lista, "DESCRIPCION", "BBVA");
    });
    c.CampoDevuelto = "DESCRIPCION";
    c.ConsultaSearch("TA_BANCOS", nullptr, {}, &campo);
    EXPECT_EQ(sentencia, " SELECT TOP 1000 DESCRIPCION FROM TA_BANCOS ORDER BY DESCRIPCION");
    EXPECT_EQ(c.ValorDevuelto.toString(), "BBVA Argentina");
}

TEST_F(ConsultaDemo, LaClaveEsElPrimerTextoDeBusqueda) {
    Lib_ClsCons3& c = Consultas();
    c.CampoDevuelto = "IDDEPOSITO";
    EnLista([](Lib_FrmCons3& lista) {
        EXPECT_EQ(lista.FiltroInicial, "Dep");
        EXPECT_EQ(lista.CmbSearch[0]->currentText(), "Dep");
        lista.CmdAceptar_Click();
    });
    c.ConsultaSearch("V_TA_DEPOSITO", nullptr, "Dep");
    EXPECT_EQ(c.ValorDevuelto.toString(), "   1"); // as stored; callers trim it
}

TEST_F(ConsultaDemo, ArbolDeCentrosDeCosto) {
    Lib_ClsCons3& c = Consultas();
    c.CampoDevuelto = "Codigo";
    guion.AccionesModales.push_back([](QWidget& ventana) {
        auto* arbol = qobject_cast<Lib_FrmCons3Tree*>(&ventana);
        ASSERT_NE(arbol, nullptr);
        EXPECT_EQ(arbol->SQL, "SELECT Codigo, DESCRIPCION FROM Ta_Ccosto ORDER BY Codigo");
        EXPECT_EQ(arbol->CampoDevuelto, "Codigo");
        arbol->TreeV->SetSelectedItem(arbol->TreeV->Nodes().Item("A0003"));
        arbol->CmdAceptar_Click();
    });
    c.ConsultaSearch("SELECT Codigo, DESCRIPCION FROM Ta_Ccosto ORDER BY Codigo", nullptr, {},
                     nullptr, nullptr, {}, true);
    EXPECT_EQ(c.ValorDevuelto.toString(), "0003");
    EXPECT_TRUE(c.CampoDevuelto.isEmpty());
    EXPECT_FALSE(c.Checks);
}

TEST_F(ConsultaDemo, OpcionesConCasillas) {
    Lib_ClsCons3& c = Consultas();
    EnLista([](Lib_FrmCons3& lista) {
        EXPECT_EQ(lista.Caption(), "Medios");
        EXPECT_FALSE(lista.CmdNueva->isVisible());
        ASSERT_EQ(lista.Modelo().Filas(), 2);
        EXPECT_EQ(lista.Modelo().Titulo(0), "Medios");
        EXPECT_EQ(lista.Modelo().Celda(0, 0), "Efectivo");
        EXPECT_EQ(lista.Modelo().Celda(1, 0), "Cheque");
        EXPECT_TRUE(lista.Modelo().Marcada(0));
        EXPECT_FALSE(lista.Modelo().Marcada(1));
        lista.CmdAceptar_Click();
    });
    c.CheckOpciones("Medios", nullptr, {"1Efectivo", "0Cheque"});
    ASSERT_TRUE(c.Valores);
    EXPECT_EQ(*c.Valores, QStringList{"Efectivo"});
}

TEST_F(ConsultaDemo, MenuDeOpciones) {
    int ancho = 0;
    EnLista([&](Lib_FrmCons3& lista) {
        ancho = ATwips(lista.width());
        Elegir(lista, "Forma", "Tarj");
    });
    EXPECT_EQ(Consultas().MenuOpciones("Forma", {"Efectivo", "Tarjeta de crédito"}),
              "Tarjeta de crédito");
    EXPECT_EQ(ancho, 18 * 120);

    // A very long option makes the window as wide as the screen, no wider.
    EnLista([&](Lib_FrmCons3& lista) {
        ancho = ATwips(lista.width());
        EXPECT_EQ(ancho, ATwips(lista.screen()->geometry().width()));
        lista.CmdCancelar_Click();
    });
    EXPECT_EQ(Consultas().MenuOpciones("Forma", {QString(2000, 'x')}), "");
}

} // namespace
