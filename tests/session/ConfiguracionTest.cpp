#include "DemoModGlobal.h"
#include "session/ast.h"

namespace {

using namespace ModGlobal;

class Configuracion : public DemoConectada {
protected:
    int Filas(const QString& clave) {
        return Leer("SELECT COUNT(*) FROM TA_CONFIGURACION WHERE CLAVE = '" + clave + "'").toInt();
    }
    void Fijar(const QString& clave, const QString& valor) {
        Ejecutar("UPDATE TA_CONFIGURACION SET VALOR = '" + valor + "' WHERE CLAVE = '" + clave +
                 "'");
    }
    // The session settings CargarConfiguracion fills, the switches last as S or N.
    static QString Ajustes() {
        QString si;
        for (bool valor :
             {Valores.MostrarStockenConsultas, Valores.ExigeClaveConsultaLikeArticulos,
              Valores.UsaConsultaLike, Valores.UsaCCosto, Valores.UsaFacturaProforma,
              Valores.ModuloOrdenDeTrabajo, Valores.VModificaCPrecio, Valores.CModificaCPrecio,
              Valores.Maderera, Valores.PideClaveStockNeg, Valores.PideClaveMarkUpBase,
              Valores.PideClaveLimiteCredito, Valores.BloqueoActivo, Valores.UtilizarFechaDia})
            si += valor ? u'S' : u'N';
        return Unidos(Valores.TablaConfiguracion, Valores.TituloClientes, Valores.ArchivoTareas,
                      Valores.CantidadDecimales, Valores.UNegocio, Valores.UnidadMedidaKG,
                      Valores.PeriodoActual, Valores.ColorFondo, Valores.ColorLetra,
                      Valores.MaxDto.ATexto(), Valores.MaxDtoProforma.ATexto(),
                      Valores.CondIvaEmpresa, Valores.TopDefault, si);
    }
};

// ---- Cfg and GrabaDfg ----------------------------------------------------------------------

TEST_F(Configuracion, CfgLeeElValorDeLaClave) {
    Ejecutar("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, ValorAux) VALUES ('NULA', NULL, NULL), "
             "('[FECHA DESDE]', '01/01/2026', 'aux'), ('D''ARTAGNAN', 'mosquetero', NULL)");
    const QString casos[][3] = {{"PERIODO", "2026", ""},
                                {"  periodo  ", "2026", ""},
                                {"NO_EXISTE", " ", ""},
                                {"NULA", "", ""},
                                {"[fecha desde]", "01/01/2026", "aux"},
                                {"D'ARTAGNAN", "mosquetero", ""},
                                {"O'NADIE", " ", ""}};
    for (const auto& [clave, valor, auxiliar] : casos) {
        QString aux = QStringLiteral("previo");
        EXPECT_EQ(Unidos(Cfg(clave, aux), aux), Unidos(valor, auxiliar)) << clave;
    }
    EXPECT_TRUE(guion.Mensajes.empty());
    Valores.TablaConfiguracion = QStringLiteral("  ");
    EXPECT_EQ(Cfg("PERIODO"), "2026");
    EXPECT_EQ(Valores.TablaConfiguracion, "TA_CONFIGURACION");
    // A failing read is reported, gives nothing and leaves the auxiliary value alone.
    Valores.TablaConfiguracion = QStringLiteral("NO_EXISTE");
    QString aux = QStringLiteral("previo");
    EXPECT_EQ(Unidos(Cfg("PERIODO", aux), aux), "|previo");
    EXPECT_FALSE(guion.Mensajes.empty());
}

TEST_F(Configuracion, GrabaDfgAgregaOActualizaUnaSolaFila) {
    Valores.TablaConfiguracion = QStringLiteral("ta_configuracion");
    Ejecutar("UPDATE TA_CONFIGURACION SET ValorAux = 'guardado' WHERE CLAVE = 'PERIODO'");
    GrabaDfg("  nueva_clave ", QStringLiteral("  el valor "), " aux ", true, "GRUPO");
    GrabaDfg(" PERIODO ", 2027, "", false, "CONTABILIDAD");
    GrabaDfg("O'NEIL", QStringLiteral("l'été"), "d'aux", false, "G");
    GrabaDfg("O'NEIL", QStringLiteral("otro'valor"), "", false, "G");
    const QString casos[][4] = {
        {"NUEVA_CLAVE", "NUEVA_CLAVE", "el valor", "aux"},
        {"PERIODO", " PERIODO ", "2027", "guardado"},
        {"O''NEIL", "o'neil", "otro'valor", "d'aux"},
    };
    for (const auto& [enSql, clave, valor, auxiliar] : casos) {
        QString aux;
        EXPECT_EQ(Unidos(Filas(enSql), Cfg(clave, aux), aux), Unidos(1, valor, auxiliar));
    }
    EXPECT_EQ(Leer("SELECT CLAVE || '|' || Grupo || '|' || PoliticaNegocio FROM TA_CONFIGURACION "
                   "WHERE CLAVE = 'nueva_clave'")
                  .toString(),
              "NUEVA_CLAVE|GRUPO|1");
    EXPECT_TRUE(guion.Mensajes.empty());
}

// ---- Session settings ----------------------------------------------------------------------

TEST_F(Configuracion, CargarConfiguracionConLaEmpresaDemoYSinClaves) {
    Valores.UsuarioLogeado = QStringLiteral("demo");
    CargarConfiguracion("/programa/");
    EXPECT_EQ(Ajustes(), "ta_configuracion|Clientes|/programa/SVDOCTareas.sve|2|   1|KG|2026|"
                         "8454143|0|15|10|1|1000|SNSSNNNSNSNSNS");
    EXPECT_TRUE(guion.Mensajes.empty());
    Ejecutar("DELETE FROM TA_CONFIGURACION");
    ModGlobal::RestablecerValores();
    Valores.UsuarioLogeado = QStringLiteral("nadie");
    CargarConfiguracion("/programa/");
    EXPECT_EQ(Ajustes(), "ta_configuracion||/programa/SVDOCTareas.sve| |   1||0|16776960|0|0|0|1|"
                         "1000|NNNNNSNNNNNNNN");
}

TEST_F(Configuracion, LosInterruptoresLeenSusPalabras) {
    const std::tuple<QString, QString, bool*, bool> casos[] = {
        {"USACCOSTO", "si", &Valores.UsaCCosto, true},
        {"USACCOSTO", " SI ", &Valores.UsaCCosto, false},
        {"VALIDACODIGOBARRA", " SI ", &Valores.ValidaCodigoBarra, true},
        {"V_MODIFICACPRECIO", "NO", &Valores.VModificaCPrecio, false},
        {"V_MODIFICACPRECIO", "cualquiera", &Valores.VModificaCPrecio, true},
        {"V_MODIFICACPRECIO", "  ", &Valores.VModificaCPrecio, false},
        {"V_MODIFICACPRECIO", " NO", &Valores.VModificaCPrecio, true},
        {"MODULOORDENDETRABAJO", " no ", &Valores.ModuloOrdenDeTrabajo, false},
        {"MODULOORDENDETRABAJO", "", &Valores.ModuloOrdenDeTrabajo, true},
    };
    Valores.UsuarioLogeado = QStringLiteral("demo");
    for (const auto& [clave, valor, ajuste, esperado] : casos) {
        Fijar(clave, valor);
        CargarConfiguracion("/");
        EXPECT_EQ(*ajuste, esperado) << clave << " = '" << valor << "'";
    }
}

// The user's row turns the pro-forma off; a period that does not fit keeps the last one.
TEST_F(Configuracion, LaFilaDelUsuarioLaCondicionDeIvaYElPeriodo) {
    Fijar("USAFACTURAPROFORMA", "SI");
    Fijar("CONDIVAEMPRESA", "0");
    Fijar("CONDIVA", "3");
    Ejecutar(
        "INSERT INTO TA_USUARIOS (NOMBRE, UNegocio, VerProforma) VALUES ('O''Neil', '   7', 0)");
    Valores.UsuarioLogeado = QStringLiteral("demo");
    CargarConfiguracion("/");
    EXPECT_EQ(Unidos(Valores.UsaFacturaProforma, Valores.UNegocio, Valores.CondIvaEmpresa,
                     Valores.PeriodoActual),
              "true|   1|3|2026");
    Fijar("CONDIVA", "0");
    Fijar("PERIODO", "99999");
    Valores.UsuarioLogeado = QStringLiteral("O'Neil");
    CargarConfiguracion("/");
    EXPECT_EQ(Unidos(Valores.UsaFacturaProforma, Valores.UNegocio, Valores.CondIvaEmpresa,
                     Valores.PeriodoActual),
              "false|   7|1|2026");
    EXPECT_TRUE(guion.Mensajes.empty());
}

// ---- The account plan ----------------------------------------------------------------------

TEST_F(Configuracion, ElPlanDeCuentasSaleDeLosDigitosDeCadaNivel) {
    // The six levels' digits and their total; the six end positions and the code length.
    const auto plan = [] {
        using namespace ast;
        const EstructuraPlanCuentas& p = ast::Plan;
        LeerDigitosPlan();
        LeerPosicionesPlan();
        return Unidos(p.DigitosCapitulo, p.DigitosSubCapitulo, p.DigitosRubro, p.DigitosSubRubro,
                      p.DigitosCuenta, p.DigitosSubCuenta, p.TotalDigitos) +
               " " +
               Unidos(p.PosicionCapitulo, p.PosicionSubCapitulo, p.PosicionRubro,
                      p.PosicionSubRubro, p.PosicionCuenta, p.PosicionSubCuenta, p.LongitudCodigo);
    };
    EXPECT_EQ(plan(), "1|1|1|2|2|2|9 1|2|3|5|7|9|9") << "demo";
    const std::pair<QStringList, QString> casos[] = {
        {{"1", "1", "2", "2", "3 digitos", "3"}, "1|1|2|2|3|3|12 1|2|4|6|9|12|12"},
        // A level without digits repeats the position before it.
        {{"1", "0", "2", "", "x", "3"}, "1|0|2|0|0|3|6 1|1|3|3|3|6|6"},
    };
    for (const auto& [digitos, esperado] : casos) {
        for (int i = 0; i < 6; ++i)
            Fijar(QStringList{"DIGITOS_CAPITULO", "DIGITOS_SUBCAPITULO", "DIGITOS_RUBRO",
                              "DIGITOS_SUBRUBRO", "DIGITOS_CUENTA", "DIGITOS_SUBCUENTA"}[i],
                  digitos[i]);
        EXPECT_EQ(plan(), esperado);
    }
    Fijar("DIGITOS_CAPITULO", "20000");
    Fijar("DIGITOS_SUBCAPITULO", "20000");
    EXPECT_EQ(NumeroDeError([] { ast::LeerDigitosPlan(); }), 6) << "un total que no cabe";
    Ejecutar("DELETE FROM TA_CONFIGURACION");
    EXPECT_EQ(plan(), "0|0|0|0|0|0|0 0|0|0|0|0|0|0") << "sin claves";
    // A session started afresh starts without the last one's plan.
    Fijar("DIGITOS_CAPITULO", "3");
    plan();
    ModGlobal::RestablecerValores();
    EXPECT_EQ(ast::Plan.PosicionCapitulo, 0);
}

} // namespace
