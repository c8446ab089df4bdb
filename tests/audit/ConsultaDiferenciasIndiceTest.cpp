#include "audit/ConsultaDiferencias.h"
#include "support/BaseDePrueba.h"

// The list of a large company is read from one index alone, in its order: no row is fetched
// from the table and nothing is sorted, whichever filters the operator sets.
class IndiceLista : public BaseDePrueba {
protected:
    void SetUp() override { CrearDemo(); }
};

TEST_F(IndiceLista, CadaFiltroSeLeeDelIndiceSinOrdenarNiIrALaTabla) {
    const FiltrosDiferencias casos[] = {
        {},
        {.Fecha_Desde = "01/11/2026", .Fecha_Hasta = "30/11/2026"},
        {.Cuenta_Desde = "2110", .Cuenta_Hasta = "2119"},
        {.NombreLike = "D'Angelo*"},
        {.NombreLike = "Muñoz y Peña %41"},
        {.Tc_Origen = "FCC",
         .Suc_Origen = "0001",
         .Numero_Origen = "00004000",
         .Letra_Origen = "A"},
        {.Estados = {"0", "3"}},
    };
    for (const FiltrosDiferencias& f : casos) {
        const QString plan = Plan(SentenciaDiferencias(f));
        EXPECT_TRUE(plan.contains("USING COVERING INDEX IX_MV_ASIENTOS_LISTA"))
            << plan.toStdString();
        EXPECT_FALSE(plan.contains("TEMP B-TREE")) << plan.toStdString();
    }
}
