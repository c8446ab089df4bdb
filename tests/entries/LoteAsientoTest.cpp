#include "entries/LoteAsiento.h"

#include "DemoNumeracion.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Reparto.h"

#include <gtest/gtest.h>

namespace {

using LoteAsiento::Asiento;

Currency C(const char* texto) {
    return Currency::DesdeTexto(QString::fromUtf8(texto));
}

// The batch on the demo company, run as the modify link runs it: the stored entry goes, the
// batch writes it anew.
class LoteAsientoTest : public DemoNumeracion {
protected:
    // NCPE 0001-00000004 X as stored: the supplier on the debit side, goods, freight split over
    // two cost centres (60/40) and the VAT row.
    static Asiento Asiento4() {
        Asiento a;
        a.EnModificacion = true;
        a.Lado = "D";
        a.Lineas[0] = {"211010106", C("35829,25"), {}};
        a.Lineas[1] = {"5110102", {}, C("20727,66")};
        a.Lineas[2] = {"5210101", {}, C("8883,29")};
        a.Lineas[11] = {"1120201", {}, C("6218,3")};
        a.TC = "NCPE";
        a.Sucursal = "0001";
        a.Numero = "00000004";
        a.Letra = "X";
        a.Fecha = "23/01/2026";
        a.Periodo = "2026";
        a.Mes = "1";
        a.TipoReg = "CPRA";
        a.NumeroAsiento = "4";
        a.Concepto = "O'Brien 50%41 _x_ Ñandú";
        a.UNegocio = "1";
        a.Caja = "1";
        a.Usuario = "demo";
        a.TasaIVA = "21";
        a.FechaHora = "09/12/2026 10:00:00";
        a.Tc_O = "FCC ";
        a.Cpte_O = "001200004572A";
        a.CabCuenta = "211010106";
        a.CabNombre = "Aceros Zárate S.A.";
        a.Estado = 4;
        a.Clave = {"2026", "1", "4", "CPRA"};
        a.Centros = {{"5210101", 3, "0003", C("60")}, {"5210101", 3, "0004", C("40")}};
        return a;
    }
    // NCPE 0001-00000038 X: the supplier on the credit side, its VAT on the debit side.
    static Asiento Asiento38() {
        Asiento a = Asiento4();
        a.Lado = "H";
        a.Lineas = {};
        a.Lineas[0] = {"211010106", {}, C("1728,4")};
        a.Lineas[1] = {"5110102", C("1428,43"), {}};
        a.Lineas[11] = {"1120201", C("299,97"), {}};
        a.Numero = "00000038";
        a.Fecha = "08/12/2026";
        a.Mes = "12";
        a.NumeroAsiento = "6";
        a.Tc_O = a.Cpte_O = "";
        a.OrigenNulo = true;
        a.Estado = 0;
        a.Clave = {"2026", "12", "6", "CPRA"};
        a.Centros = {};
        return a;
    }
    // What the form reads with the entry besides its boxes: each stored line's sequence, account
    // and amount, and the entry's cost-centre rows with every column.
    Asiento Leido(Asiento a) {
        a.Guardadas = {};
        const QStringList lineas = Filas("SELECT SECUENCIA, CUENTA, IMPORTE FROM MV_ASIENTOS WHERE "
                                         "TC = 'NCPE' AND NUMERO = '" +
                                         a.Numero + "' ORDER BY SECUENCIA");
        for (int k = 0; k < lineas.size(); ++k) {
            const QStringList c = lineas[k].split(u'|');
            a.Guardadas[size_t(k)] = {
                {"SECUENCIA", c[0]}, {"CUENTA", "'" + c[1] + "'"}, {"IMPORTE", c[2]}};
        }
        a.Centros.clear();
        ado::Recordset rs;
        QString sql = "SELECT * FROM MV_ASIENTOSCCOSTO WHERE " + a.Clave.Condicion();
        EXPECT_TRUE(DB_Dll::Instancia().AbrirRecordset(sql, rs));
        for (; !rs.Eof(); rs.MoveNext()) {
            LoteAsiento::Fila columnas;
            for (int i = 0; i < rs.FieldCount(); ++i)
                columnas.push_back({rs.Fields(i).Name(), LoteAsiento::Guardado(rs.Fields(i))});
            const auto valor = [&](const char* campo) { return rs.Fields(campo).Value(); };
            a.Centros.push_back({valor("CUENTA").toString(), valor("SECUENCIA").toInt(),
                                 valor("CCOSTO").toString(),
                                 Currency::DesdeVariant(valor("PORCENTAJE")),
                                 Currency::DesdeVariant(valor("IMPORTE")), columnas});
        }
        return a;
    }
    // False with the provider's message when the batch did not run whole.
    void Grabar(const Asiento& leer) {
        const Asiento a = Leido(leer);
        const LoteAsiento::Lote lote = LoteAsiento::Armar(a);
        ASSERT_TRUE(lote.Error.isEmpty()) << lote.Error.toStdString();
        QString sql = "DELETE FROM MV_ASIENTOS WHERE TC = 'NCPE' AND NUMERO = '" + a.Numero + "'";
        for (const QString& sentencia : lote.Sentencias)
            sql += "\r" + sentencia;
        DB_Dll& db = DB_Dll::Instancia();
        db.EjecutaConsultaSQL(sql);
        ASSERT_EQ(db.gCnn.Errors().Count(), 0)
            << db.gCnn.Errors().Item(0).Description.toStdString();
    }
    QStringList Guardadas(const QString& numero) {
        return Filas("SELECT SECUENCIA, CUENTA, [DEBE-HABER], IMPORTE, ISNULL(NROCAI, '-'), "
                     "ISNULL(TC_ORIGEN, 'nulo') FROM MV_ASIENTOS WHERE TC = 'NCPE' AND NUMERO = '" +
                     numero + "' ORDER BY SECUENCIA");
    }
    QStringList Centros() {
        return Filas("SELECT SECUENCIA, CUENTA, [DEBE-HABER], CCOSTO, IMPORTE FROM "
                     "MV_ASIENTOSCCOSTO WHERE PERIODO = 2026 AND MES_OPERATIVO = 1 AND [NUMERO "
                     "ASIENTO] = 4 ORDER BY SECUENCIA, CCOSTO");
    }
};

// Both sides of an entry, with and without a VAT row, one to eleven lines: the rows written are
// the lines shown, numbered without gaps, the VAT row marked, and debits equal credits.
TEST_F(LoteAsientoTest, EscribeLoQueMuestraElFormularioEnAmbosLados) {
    Grabar(Asiento4());
    EXPECT_EQ(Guardadas("00000004"),
              QStringList({"1|211010106|D|35829.25|-|FCC", "2|5110102|H|20727.66|-|FCC",
                           "3|5210101|H|8883.29|-|FCC", "4|1120201|H|6218.3|ESIVA|FCC"}));
    EXPECT_EQ(Filas("SELECT DISTINCT DETALLE, CABIMPORTE FROM MV_ASIENTOS WHERE NUMERO = "
                    "'00000004' AND TC = 'NCPE'"),
              QStringList({"O'Brien 50%41 _x_ Ñandú|35829.25"}));

    Grabar(Asiento38());
    EXPECT_EQ(Guardadas("00000038"),
              QStringList({"1|211010106|H|1728.4|-|nulo", "2|5110102|D|1428.43|-|nulo",
                           "3|1120201|D|299.97|ESIVA|nulo"}));
    // A credit-side header applies nothing to an origin.
    EXPECT_TRUE(Filas("SELECT * FROM MV_APLICACION WHERE NUMERO = '00000038'").isEmpty());

    // Eleven lines and no VAT row; line 1 on the debit side, the rest on credit, with cents.
    Asiento a = Asiento4();
    a.Lineas = {};
    a.Lineas[0] = {"211010106", C("110,11"), {}};
    for (int n = 2; n <= 11; ++n)
        a.Lineas[n - 1] = {n % 2 ? "5110102" : "5210101", {}, C(n == 11 ? "11,11" : "11")};
    a.Centros = {};
    Grabar(a);
    const QStringList filas = Guardadas("00000004");
    ASSERT_EQ(filas.size(), 11);
    EXPECT_EQ(filas.back(), "11|5110102|H|11.11|-|FCC");
    EXPECT_EQ(Filas("SELECT SUM(CASE WHEN [DEBE-HABER] = 'D' THEN IMPORTE ELSE -IMPORTE END) FROM "
                    "MV_ASIENTOS WHERE TC = 'NCPE' AND NUMERO = '00000004'"),
              QStringList({"0"}));
}

// Nothing is written of an entry the form must not save; the reason is the user's to read.
TEST_F(LoteAsientoTest, RechazaLoQueNoSeDebeGrabar) {
    const auto error = [](const Asiento& a) {
        const LoteAsiento::Lote lote = LoteAsiento::Armar(a);
        EXPECT_EQ(lote.Sentencias.size(), lote.Error.isEmpty() ? lote.Sentencias.size() : 1u);
        return lote.Error;
    };
    Asiento dosLados = Asiento38();
    dosLados.Lineas[11].Haber = C("28,4");
    dosLados.Lineas[0].Haber = C("1700");
    EXPECT_EQ(error(dosLados),
              "La línea 12 tiene importe en el Debe y en el Haber: deje uno solo.");
    Asiento desbalanceado = Asiento38();
    desbalanceado.Lineas[0].Haber = C("1700");
    EXPECT_EQ(error(desbalanceado), "El asiento no balancea: Debe 1728,40 Haber 1700,00. Corrija "
                                    "los importes antes de grabar.");
    // Stored amounts finer than the configured decimals are shown with every decimal they hold.
    Asiento fino = Asiento38();
    fino.Lineas[0].Haber = C("1728,4034");
    EXPECT_EQ(error(fino), "El asiento no balancea: Debe 1728,4000 Haber 1728,4034. Hay importes "
                           "guardados con más decimales que los 2 configurados. Corrija los "
                           "importes antes de grabar.");
    Asiento unaLinea = Asiento4();
    unaLinea.Lineas = {};
    unaLinea.Lineas[0] = {"211010106", C("10"), {}};
    EXPECT_TRUE(error(unaLinea).startsWith("El asiento no balancea"));
    Asiento vacio = Asiento4();
    vacio.Lineas = {};
    EXPECT_TRUE(error(vacio).contains("nada que grabar"));
    EXPECT_TRUE(error(Asiento4()).isEmpty());
}

// The cost-centre rows follow their line through every rewrite: its new amount split in the
// stored proportion to the cent, its new place, and gone with the line or its account. Rows of
// no stored line are not taken along.
TEST_F(LoteAsientoTest, LasFilasDeCentrosSiguenASuLinea) {
    Asiento a = Asiento4();
    a.Lineas[2].Haber = C("8000");
    a.Lineas[11].Haber = C("7101,59");
    Grabar(a);
    EXPECT_EQ(Centros(), QStringList({"3|5210101|H|0003|4800", "3|5210101|H|0004|3200"}));

    // Line 2 dropped, its split with it (its amount moved to line 4): the freight line is now the
    // second row. A row under a sequence no line has, and one under the VAT line's sequence but
    // of another account, are no line's.
    Ejecutar("INSERT INTO MV_ASIENTOSCCOSTO (PERIODO, [NUMERO ASIENTO], [DEBE-HABER], TIPO_REG, "
             "CUENTA, MES_OPERATIVO, SECUENCIA, CCOSTO, PORCENTAJE, IMPORTE) VALUES "
             "(2026, 4, 'H', 'CPRA', '5110102', 1, 2, '0001', 100, 20727.66), "
             "(2026, 4, 'H', 'CPRA', '5110102', 1, 9, '0001', 100, 5), "
             "(2026, 4, 'H', 'CPRA', '5110103', 1, 4, '0001', 100, 5)");
    a.Lineas[3] = {"5110103", {}, C("10,01")};
    a.Lineas[1] = {};
    a.Lineas[11].Haber = C("27819,24");
    Grabar(a);
    EXPECT_EQ(Centros(), QStringList({"2|5210101|H|0003|4800", "2|5210101|H|0004|3200"}));
    // Another entry's rows of the same account are not touched.
    EXPECT_EQ(Filas("SELECT COUNT(*) FROM MV_ASIENTOSCCOSTO WHERE CUENTA = '5210101'"),
              QStringList({"10"}));

    // The freight line booked to another account: its split no longer applies. Thirds of 10,01
    // on the goods line, as the split dialog leaves them, stay as they are.
    Ejecutar("INSERT INTO MV_ASIENTOSCCOSTO (PERIODO, [NUMERO ASIENTO], [DEBE-HABER], TIPO_REG, "
             "CUENTA, MES_OPERATIVO, SECUENCIA, CCOSTO, PORCENTAJE, IMPORTE) VALUES "
             "(2026, 4, 'H', 'CPRA', '5110103', 1, 3, '0001', 33.33, 3.34), "
             "(2026, 4, 'H', 'CPRA', '5110103', 1, 3, '0002', 33.33, 3.33), "
             "(2026, 4, 'H', 'CPRA', '5110103', 1, 3, '0003', 33.34, 3.34)");
    a.Lineas[2].Cuenta = "5110101";
    Grabar(a);
    EXPECT_EQ(Centros(), QStringList({"3|5110103|H|0001|3.34", "3|5110103|H|0002|3.33",
                                      "3|5110103|H|0003|3.34"}));

    // An entry written under another key takes its rows along, and only its own.
    a.TipoReg = "DIAR";
    Grabar(a);
    EXPECT_EQ(Filas("SELECT TIPO_REG, SECUENCIA, CCOSTO FROM MV_ASIENTOSCCOSTO WHERE [NUMERO "
                    "ASIENTO] = 4 AND MES_OPERATIVO = 1 ORDER BY TIPO_REG, CCOSTO"),
              QStringList({"DIAR|3|0001", "DIAR|3|0002", "DIAR|3|0003"}));
}

} // namespace
