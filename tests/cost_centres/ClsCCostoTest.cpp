#include "cost_centres/ClsCCosto.h"

#include "platform/errors/ErrorEjecucion.h"
#include "session/DemoModGlobal.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

// One journal line as the entry form's batch writes it: its columns in the form's order,
// the account's own data (a concept with a comma and an apostrophe) before the currency.
QString Linea(const QString& cuenta, int secuencia, const QString& importe,
              const QString& detalle = "Dif. de precio, D''Angelo") {
    return "INSERT INTO MV_ASIENTOS (Fecha,FechaSubDiario,UNegocio,MES_OPERATIVO,"
           "[numero asiento],Cuenta,Secuencia,CabImporte,[DEBE-HABER],Importe,Periodo,TC,"
           "Sucursal,Numero,Letra,Tipo_Reg,Detalle,Moneda) VALUES ('23/01/2026','23/01/2026',"
           "'   1',1,'@AAAAAA@','" +
           cuenta + "'," + QString::number(secuencia) + ",8883.29,'H'," + importe +
           ",'2026','NCPE','0001','@NNNNNN@','X','CPRA','" + detalle + "','   1')";
}

// The dialog as the script sees it: a proposal of one row per cost centre given, shown when
// asked, cancelled on the line whose number is `cancelarEn`.
struct DialogoFijo : ConfirmacionCCosto {
    QStringList* cuentas;
    QStringList centros;
    int* mostrados;
    bool cancelar = false;
    bool hay = false;
    QString cuenta;
    void CargarCcostos(const QString& Cuenta, const Currency&, const QString&,
                       const QString&) override {
        cuenta = Cuenta;
        hay = !centros.isEmpty();
        *cuentas << Cuenta + "#" + secuencia;
    }
    void FijarSecuencia(const QString& Secuencia) override { secuencia = Secuencia; }
    QString secuencia;
    bool gHayCCostos() const override { return hay; }
    void FijarTitulo(const QString&) override {}
    bool Pideconfirmacion() override { return cuenta == "5210101"; }
    void MostrarModal() override { ++*mostrados; }
    bool gCancelar() const override { return cancelar; }
    void FijarCancelar(bool c) override { cancelar = c; }
    QString SCriptCCosto(const QString& Periodo, const QString& NumeroAsiento, const QString& DH,
                         const QString& TipoReg, const QString& Moneda, const QString& Fecha,
                         const QString& Secuencia) override {
        QString s;
        for (const QString& c : centros)
            s = SentenciaCCosto({Periodo, NumeroAsiento, DH, TipoReg, Moneda, Fecha, cuenta,
                                 Secuencia, c, "50", "10,5"}) +
                "\r\n" + s;
        return s;
    }
};

class CCosto : public DemoConectada {
protected:
    void TearDown() override {
        ClsCCosto::CrearConfirmacion = nullptr;
        ContadorSecuencia = 0;
        DemoConectada::TearDown();
    }
    void Dialogo(QStringList centros, int cancelarEnLinea = 0) {
        ClsCCosto::CrearConfirmacion = [=, this]() {
            auto d = std::make_unique<DialogoFijo>();
            d->cuentas = &cargadas;
            d->mostrados = &mostrados;
            d->centros = centros;
            d->cancelar = cargadas.size() + 1 == cancelarEnLinea;
            return d;
        };
    }
    // Runs a script on the demo database; it must go through whole.
    void Correr(QString script) {
        DB_Dll::Instancia().EjecutaConsultaSQL(script);
        ASSERT_EQ(DB_Dll::Instancia().gCnn.Errors().Count(), 0)
            << DB_Dll::Instancia().gCnn.Errors().Item(0).Description.toStdString();
    }
    QStringList Guardadas(const QString& asiento) {
        return Filas("SELECT PERIODO, [NUMERO ASIENTO], CUENTA, SECUENCIA, CCOSTO, PORCENTAJE, "
                     "IMPORTE, MES_OPERATIVO, date(FECHA) FROM MV_ASIENTOSCCOSTO WHERE "
                     "[NUMERO ASIENTO] = " +
                     asiento + " ORDER BY SECUENCIA, CCOSTO");
    }
    QStringList cargadas;
    int mostrados = 0;
    ClsCCosto c;
};

// The entry form's batch: split accounts (fixed table, distribution table) become pending
// lines with every column read whole, whatever commas or apostrophes their texts hold.
TEST_F(CCosto, LeeLasLineasDelLoteQueSeDistribuyen) {
    const QStringList lote{Linea("211010101", 1, "8883.29"), Linea("5210101", 2, "5000"),
                           Linea("5210102", 3, "3883.29", "Fletes, 'a' cargo"),
                           "INSERT INTO MV_APLICACION (CUENTA,TC) VALUES ('5210101','NCPE')"};
    ASSERT_TRUE(c.HayCuentasCC(lote));
    const auto& p = c.PendientesCC();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(Unidos(p[1].Cuenta, p[1].Importe.ATexto(), p[1].DH, p[1].Moneda, p[1].Periodo,
                     p[1].NumeroAsiento, p[1].TipoReg, p[1].Fecha, p[1].TC, p[1].Sucursal,
                     p[1].Numero, p[1].Letra, p[1].Secuencia),
              "5210101|5000|H|   1|2026|@AAAAAA@|CPRA|23/01/2026|NCPE|0001|@NNNNNN@|X|2");
    EXPECT_EQ(Unidos(p[2].Cuenta, p[2].Importe.ATexto(), p[2].Moneda, p[2].Secuencia),
              "5210102|3883,29|   1|3");
    EXPECT_FALSE(c.HayCuentasCC({}));
    EXPECT_FALSE(c.HayCuentasCC({lote[0], lote[3]}));
    EXPECT_EQ(c.PendientesCC().size(), 1u);
}

// Only statements into MV_ASIENTOS itself are journal lines: the split rows a batch already
// holds for a line are not read as a second line of their account.
TEST_F(CCosto, LasFilasDeCentrosDelLoteNoSonLineas) {
    const QString fila = SentenciaCCosto(
        {"2026", "7", "H", "CPRA", "   1", "23/01/2026", "5210101", "2", "0003", "60", "600"});
    const QString admin =
        QString(Linea("5210102", 3, "10")).replace("INTO MV_ASIENTOS", "INTO @Admin_MV_ASIENTOS");
    ASSERT_TRUE(c.HayCuentasCC({Linea("5210101", 2, "1000"), fila, admin}));
    const auto& p = c.PendientesCC();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(Unidos(p[1].Cuenta, p[1].Importe.ATexto(), p[2].Cuenta), "5210101|1000|5210102");
    EXPECT_FALSE(c.HayCuentasCC({fila}));
}

// A CC_DIST left empty names no distribution table: the account is not split.
TEST_F(CCosto, CCDistVacioNoDistribuye) {
    Ejecutar("UPDATE MA_CUENTAS SET CC_DIST = '' WHERE CODIGO = '1120201'");
    Ejecutar("UPDATE MA_CUENTAS SET CC_DIST = '    ' WHERE CODIGO = '1110101'");
    EXPECT_FALSE(c.HayCuentasCC({Linea("1120201", 1, "10"), Linea("1110101", 2, "10")}));
    QString linea = "1120201|10|D||01/02/2026|NCPE|0001|00000001|X|";
    EXPECT_FALSE(c.HayCuentasCC2(linea, {}));
}

// One line given field by field, its entry number taken from the script the caller holds.
TEST_F(CCosto, LineaPorCampos) {
    ModGlobal::Valores.PeriodoActual = 2026;
    QString linea = "5210101 |125,50|D||01/02/2026|NCPE|0001|00000007|X|resto";
    ASSERT_TRUE(c.HayCuentasCC2(linea, {}));
    EXPECT_EQ(linea, "resto");
    const LineaPendienteCC l = c.PendientesCC().at(1);
    EXPECT_EQ(Unidos(l.Cuenta, l.Importe.ATexto(), l.DH, l.Moneda, l.Fecha, l.TC, l.Sucursal,
                     l.Numero, l.Letra, l.Periodo, l.NumeroAsiento, l.Secuencia),
              "5210101|125,5|D|   1|01/02/2026|NCPE|0001|00000007|X|2026|@@@@9999|@@@@8888");
    QString guion = "\r\n" +
                    SentenciaCCosto({"2026", "41", "D", "CPRA", "   1", "01/02/2026", "5210101",
                                     "1", "0003", "60", "75,3"}) +
                    "\r\n";
    linea = "5210101|125,50|D|2|01/02/2026|NCPE|0001|00000007|X|";
    ASSERT_TRUE(c.HayCuentasCC2(linea, guion));
    EXPECT_EQ(c.PendientesCC().at(1).NumeroAsiento, "41");
    EXPECT_EQ(c.PendientesCC().at(1).Moneda, "   2");
    linea = "5210101|125,50|D|2|01/02/2026|NCPE|0001|00000007|X|";
    ASSERT_TRUE(c.HayCuentasCC2(linea, "CANCELADO"));
    EXPECT_EQ(c.PendientesCC().at(1).NumeroAsiento, "");
    linea = "5210101|125,50|D|";
    EXPECT_THROW(c.HayCuentasCC2(linea, {}), ErrorEjecucion);
}

// Each cost-centre row carries the SECUENCIA of its own journal line, and the script runs.
TEST_F(CCosto, ElGuionLlevaLaSecuenciaDeCadaLinea) {
    Dialogo({"0003", "0004"});
    ASSERT_TRUE(c.HayCuentasCC({Linea("5220101", 2, "100"), Linea("5210101", 5, "200")}));
    QString guion = c.SCriptCCosto(true, {});
    EXPECT_EQ(ContadorSecuencia, 0);
    EXPECT_EQ(cargadas, QStringList({"5220101#2", "5210101#5"}));
    EXPECT_EQ(mostrados, 1);
    EXPECT_TRUE(
        guion.startsWith("\r\nINSERT INTO MV_ASIENTOSCCOSTO (PERIODO,[NUMERO ASIENTO],"
                         "[DEBE-HABER],Tipo_Reg,Moneda,Fecha,MES_OPERATIVO,CUENTA,"
                         "SECUENCIA,CCosto,Porcentaje,Importe) VALUES ('2026',@AAAAAA@,"
                         "'H','CPRA','   1','23/01/2026',1,'5220101',2,'0004',50,10.5)\r\n"));
    guion.replace("@AAAAAA@", "77");
    Correr(guion);
    EXPECT_EQ(Guardadas("77"), QStringList({"2026|77|5220101|2|0003|50|10.5|1|2026-01-23",
                                            "2026|77|5220101|2|0004|50|10.5|1|2026-01-23",
                                            "2026|77|5210101|5|0003|50|10.5|1|2026-01-23",
                                            "2026|77|5210101|5|0004|50|10.5|1|2026-01-23"}));
}

// Cancelling any line drops the whole script; no proposal, no text at all.
TEST_F(CCosto, CancelarYSinPropuesta) {
    EXPECT_EQ(c.SCriptCCosto(true, {}), "");
    ASSERT_TRUE(c.HayCuentasCC(
        {Linea("5220101", 1, "1"), Linea("5210101", 2, "2"), Linea("5210102", 3, "3")}));
    Dialogo({"0001"}, 2);
    EXPECT_EQ(c.SCriptCCosto(false, {}), "CANCELADO");
    EXPECT_EQ(ContadorSecuencia, 0);
    Dialogo({});
    cargadas.clear();
    EXPECT_EQ(c.SCriptCCosto(false, {}), "");
    EXPECT_EQ(cargadas.size(), 3);
    EXPECT_EQ(c.SCriptCCosto2(), "");
}

// Stored rows copied under a new entry and period, the placeholders then filled with the
// entry number and the journal line's SECUENCIA; an account with an apostrophe survives.
TEST_F(CCosto, CopiaLasFilasGuardadas) {
    QString guion = c.LeeCCosto("2026", "1", "4", "5210101", "9", "CPRA", "NCPE", "0001",
                                "00000009", "X", "88", "2027", false);
    EXPECT_EQ(guion, "");
    guion = c.LeeCCosto("2026", "1", "4", "5210101", "9", "CPRA", "NCPE", "0001", "00000009", "X",
                        "88", "2027", true);
    EXPECT_EQ(guion.count("\r"), 4);
    EXPECT_TRUE(guion.startsWith("\rINSERT INTO MV_ASIENTOSCCOSTO (")) << guion.toStdString();
    EXPECT_TRUE(guion.contains(" VALUES ('2027',88,'H','CPRA','   1','23/01/2026',1,'5210101',"
                               "@@@@8888,'0003',60,5329.97)\r\r"))
        << guion.toStdString();
    ASSERT_EQ(c.PendientesCC().size(), 3u);
    EXPECT_EQ(c.PendientesCC()[2].Porcentaje, 40.0f);
    QString copia = c.SCriptCCosto2();
    EXPECT_EQ(c.ActualizaHayCuentasCC2(guion, "88", "6"), guion);
    Correr(guion);
    EXPECT_EQ(Guardadas("88"), QStringList({"2027|88|5210101|6|0003|60|5329.97|1|2026-01-23",
                                            "2027|88|5210101|6|0004|40|3553.32|1|2026-01-23"}));
    Ejecutar("UPDATE MV_ASIENTOSCCOSTO SET CUENTA = 'D''A', PORCENTAJE = 33.33 WHERE "
             "[NUMERO ASIENTO] = 88");
    guion = c.LeeCCosto("2027", "1", "88", "D'A", "6", "CPRA", "NCPE", "0001", "00000009", "X", "",
                        "", false);
    // Without a new number the copies keep the stored one.
    Correr(c.ActualizaHayCuentasCC2(guion, "89", "7"));
    EXPECT_EQ(Filas("SELECT [NUMERO ASIENTO], CUENTA, PORCENTAJE FROM MV_ASIENTOSCCOSTO WHERE "
                    "SECUENCIA = 7"),
              QStringList({"88|D'A|33.33", "88|D'A|33.33"}));
    c.ActualizaHayCuentasCC2(copia, "90", "8");
    Correr(copia);
    EXPECT_EQ(Filas("SELECT CCOSTO FROM MV_ASIENTOSCCOSTO WHERE SECUENCIA = 8"),
              QStringList({"0004", "0003"}));
}

// The month, entry and SECUENCIA go into the query as numbers or not at all; a stored row
// without a date is copied with a NULL date and its own month.
TEST_F(CCosto, CopiaSoloConNumerosYSinFecha) {
    const auto lee = [&](const QString& mes, const QString& asiento, const QString& secuencia) {
        return c.LeeCCosto("2026", mes, asiento, "5210101", secuencia, "CPRA", "NCPE", "0001",
                           "00000009", "X", "88", "2027", true);
    };
    for (const auto& [mes, asiento, secuencia] :
         {std::tuple{"", "4", "3"}, {"1", "4 OR 1=1", "3"}, {"1", "4", "3; DELETE MA_CUENTAS"}}) {
        try {
            lee(mes, asiento, secuencia);
            ADD_FAILURE() << asiento;
        } catch (const ErrorEjecucion& e) {
            EXPECT_EQ(e.Number(), 13);
            EXPECT_TRUE(e.Description().contains("debe ser un número entero")) << asiento;
        }
    }
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_EQ(c.PendientesCC().size(), 1u);

    Ejecutar("UPDATE MV_ASIENTOSCCOSTO SET FECHA = NULL WHERE [NUMERO ASIENTO] = 4");
    QString guion = lee(" 1", "4", "3");
    EXPECT_TRUE(guion.contains("'   1',NULL,1,'5210101',@@@@8888,'0003',60,5329.97)"))
        << guion.toStdString();
    Correr(c.ActualizaHayCuentasCC2(guion, "88", "6"));
    QString copia = c.SCriptCCosto2();
    Correr(c.ActualizaHayCuentasCC2(copia, "88", "7"));
    EXPECT_EQ(Filas("SELECT SECUENCIA, CCOSTO, MES_OPERATIVO, FECHA IS NULL FROM "
                    "MV_ASIENTOSCCOSTO WHERE [NUMERO ASIENTO] = 88 ORDER BY SECUENCIA, CCOSTO"),
              QStringList({"6|0003|1|1", "6|0004|1|1", "7|0003|1|1", "7|0004|1|1"}));
}

// A stored row of share 0 (an amount too small against its line for the share's decimals) is
// copied with the others: the copy still makes the line.
TEST_F(CCosto, LaCopiaGuardaLasFilasSinPorcentaje) {
    Ejecutar("INSERT INTO MV_ASIENTOSCCOSTO (PERIODO, [NUMERO ASIENTO], [DEBE-HABER], TIPO_REG, "
             "CUENTA, MES_OPERATIVO, SECUENCIA, CCOSTO, PORCENTAJE, IMPORTE) VALUES "
             "(2026, 70, 'D', 'CPRA', '5210101', 1, 2, '0003', 100, 999999.99), "
             "(2026, 70, 'D', 'CPRA', '5210101', 1, 2, '0004', 0, 0.01)");
    c.LeeCCosto("2026", "1", "70", "5210101", "2", "CPRA", "NCPE", "0001", "00000009", "X", "71",
                "2026", false);
    QString copia = c.SCriptCCosto2();
    Correr(c.ActualizaHayCuentasCC2(copia, "71", "2"));
    EXPECT_EQ(Filas("SELECT CCOSTO, PORCENTAJE, IMPORTE FROM MV_ASIENTOSCCOSTO WHERE "
                    "[NUMERO ASIENTO] = 71 ORDER BY CCOSTO"),
              QStringList({"0003|100|999999.99", "0004|0|0.01"}));
}

} // namespace
