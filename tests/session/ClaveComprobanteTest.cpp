#include "session/ClaveComprobante.h"

#include <gtest/gtest.h>

namespace {

const FormaClave kForma{"TC='", "SUCURSAL ='", "NUMERO = '", "LETRA ='", " AND "};

// Each part is quoted on its own, in the statement's spelling, blanks and case kept.
TEST(ClaveComprobante, LaCondicionCitaCadaParteEnLaFormaDeSuSentencia) {
    const ClaveComprobante clave{"FC'", "0'01", "%41_x_", "Ñ"};
    EXPECT_EQ(clave.Condicion(kForma),
              "TC='FC''' AND SUCURSAL ='0''01' AND NUMERO = '%41_x_' AND LETRA ='Ñ'");
    EXPECT_EQ(clave.Condicion({"TC='", "SUCURSAL='", "NUMERO='", "LETRA='"}, "MV_APLICACION."),
              "MV_APLICACION.TC='FC''' and MV_APLICACION.SUCURSAL='0''01' and "
              "MV_APLICACION.NUMERO='%41_x_' and MV_APLICACION.LETRA='Ñ'");
    EXPECT_EQ(clave.CondicionId("TC='", " and idcomprobante='"),
              "TC='FC''' and idcomprobante='0''01%41_x_Ñ'");
}

// The tables compare the type, branch and letter at four characters and the number at eight;
// the identifier of a filled key is then sixteen characters.
TEST(ClaveComprobante, RellenaCadaParteAlAnchoDeSuColumna) {
    const ClaveComprobante clave{"FC", "0001", "00001234", "A"};
    EXPECT_EQ(clave.Rellena(), (ClaveComprobante{"FC  ", "0001", "00001234", "A   "}));
    EXPECT_EQ(clave.Rellena().IdComprobante(), "000100001234A   ");
    EXPECT_EQ(clave.ConTcRelleno(), (ClaveComprobante{"FC  ", "0001", "00001234", "A"}));
}

TEST(ClaveComprobante, ElIdentificadorSeCortaPorPosicionSinError) {
    EXPECT_EQ(ClaveComprobante::DesdeId("FCC", "000200004526B"),
              (ClaveComprobante{"FCC", "0002", "00004526", "B"}));
    EXPECT_EQ(ClaveComprobante::DesdeId("FCC", "000200004526B").IdComprobante(), "000200004526B");
    EXPECT_EQ(ClaveComprobante::DesdeId("RM", "00020000"),
              (ClaveComprobante{"RM", "0002", "0000", ""}));
    EXPECT_EQ(ClaveComprobante::DesdeId("RM", ""), (ClaveComprobante{"RM", "", "", ""}));
}

} // namespace
