#include "detail_pages/EnlaceDetalle.h"

#include "audit/DetallesFalsos.h"
#include "audit/VentanasVecinas.h"
#include "detail_pages/FabricaVentanas.h"
#include "platform/files/Carpetas.h"
#include "support/Apoyo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace EnlaceDetalle;

namespace {

// A link of a page as the browser reports it: resolved against the page, as the engine holds
// it.
QString Reportada(const QString& enlace) {
    QString relativo = enlace;
    relativo.replace(u'\\', u'/');
    return QUrl(QStringLiteral("file:///tmp/pagina.htm"))
        .resolved(QUrl(relativo))
        .toString(QUrl::FullyEncoded);
}

const QString kVenta = Comprobante({"FC", "0001", "00001234", "A"});
const QString kVentaConCuenta = ComprobanteConCuenta({"FC", "0001", "00001234", "A"}, "211010102");
const QString kCompra = Comprobante({"FCC", "0002", "00004526", "B"});
const QString kRecibo = Comprobante({"CB", "0001", "00000010", "X"});
const QString kPago = Comprobante({"OPG", "0001", "00000011", "X"});
const QString kIngreso = Comprobante({"IR", "0003", "00000077", "R"});
const QString kNcpe = Comprobante({"NCPE", "0001", "00000002", "X"});
const QString kViaje = Comprobante({"VJ", "0001", "00000005", "V"});
const QString kOtro = Comprobante({"ZZ", "0001", "00000005", "V"});
const QString kAsiento = Asiento({"FCC", "0002", "00004526", "B"});
const QString kAsientoConCuenta = AsientoConCuenta({"FCC", "0002", "00004526", "B"}, "211010102");
const QString kArticulo = QStringLiteral("\\ARTICULO_A-100");
const QString kPagina = QStringLiteral("AuditoriaCBTEdetalles.htm");

struct Caso {
    const char* nombre;
    Manejador quien;
    QString enlace;
    bool cancel;
    Ventana abre;
    QStringList clave; // TC, branch, number, letter
    bool venta = false;
    QString cuenta = {};
    QString articulo = {};
};

using M = Manejador;
using V = Ventana;
const QStringList kClaveVenta = {"FC", "0001", "00001234", "A"};
const QStringList kClaveCompra = {"FCC", "0002", "00004526", "B"};
const QStringList kClaveRecibo = {"CB", "0001", "00000010", "X"};
const QStringList kClavePago = {"OPG", "0001", "00000011", "X"};
const QStringList kClaveIngreso = {"IR", "0003", "00000077", "R"};
const QStringList kClaveNcpe = {"NCPE", "0001", "00000002", "X"};

// Every case of the four detail windows' handlers, and the pop-up's.
const Caso kCasos[] = {
    // The article link.
    {"ArticuloStock", M::Stock, kArticulo, false, V::Ninguna, {}},
    {"ArticuloRecibo", M::Recibo, kArticulo, true, V::Articulo, {}, false, {}, "A-100"},
    {"ArticuloDetalle", M::DetalleComprobante, kArticulo, false, V::Ninguna, {}},
    {"ArticuloAsiento", M::Asiento, kArticulo, true, V::Articulo, {}, false, {}, "A-100"},
    // The letter: the rest of the address, what stands before the account, or one character
    // and the account after it.
    {"LetraStock", M::Stock, kVentaConCuenta, true, V::NuevoDetalleComprobante, kClaveVenta, true,
     "211010102"},
    {"LetraRecibo", M::Recibo, kVentaConCuenta, true, V::NuevoDetalleComprobante, kClaveVenta, true,
     "211010102"},
    {"LetraDetalle", M::DetalleComprobante, kVentaConCuenta, true, V::NuevoDetalleComprobante,
     kClaveVenta, true, "211010102"},
    {"LetraAsiento",
     M::Asiento,
     kVentaConCuenta,
     true,
     V::NuevoDetalleComprobante,
     {"FC", "0001", "00001234", "A_CUENTA_211010102"},
     true},
    // IR.
    {"IngresoStock", M::Stock, kIngreso, true, V::Ninguna, kClaveIngreso, true},
    {"IngresoRecibo", M::Recibo, kIngreso, true, V::Ninguna, kClaveIngreso, true},
    {"IngresoDetalle", M::DetalleComprobante, kIngreso, true, V::NuevoStock, kClaveIngreso, true},
    {"IngresoAsiento", M::Asiento, kIngreso, true, V::Ninguna, kClaveIngreso, true},
    // Sales and purchases.
    {"VentaStock", M::Stock, kVenta, true, V::NuevoDetalleComprobante, kClaveVenta, true},
    {"CompraStock", M::Stock, kCompra, true, V::NuevoDetalleComprobante, kClaveCompra, false},
    {"VentaRecibo", M::Recibo, kVenta, true, V::NuevoDetalleComprobante, kClaveVenta, true},
    {"CompraRecibo", M::Recibo, kCompra, true, V::NuevoDetalleComprobante, kClaveCompra, false},
    {"CompraDetalle", M::DetalleComprobante,
     ComprobanteConCuenta({"FCC", "0002", "00004526", "B"}, "211010102"), true,
     V::NuevoDetalleComprobante, kClaveCompra, false, "211010102"},
    {"CompraDetalleSinCuenta", M::DetalleComprobante, kCompra, true, V::NuevoDetalleComprobante,
     kClaveCompra, false, ""},
    {"VentaAsiento", M::Asiento, kVenta, true, V::NuevoDetalleComprobante, kClaveVenta, true},
    {"CompraAsiento", M::Asiento, kCompra, true, V::NuevoDetalleComprobante, kClaveCompra, false},
    // Receipts and payments: the receipt window, always as a sale.
    {"ReciboStock", M::Stock, kRecibo, true, V::NuevoRecibo, kClaveRecibo, true},
    {"PagoStock", M::Stock, kPago, true, V::NuevoRecibo, kClavePago, true},
    {"ReciboRecibo", M::Recibo, kRecibo, true, V::NuevoRecibo, kClaveRecibo, true},
    {"PagoRecibo", M::Recibo, kPago, true, V::NuevoRecibo, kClavePago, true},
    {"ReciboDetalle", M::DetalleComprobante, kRecibo, true, V::NuevoRecibo, kClaveRecibo, true},
    {"PagoDetalle", M::DetalleComprobante, kPago, true, V::NuevoRecibo, kClavePago, true},
    {"ReciboAsiento", M::Asiento, kRecibo, true, V::NuevoRecibo, kClaveRecibo, true},
    {"PagoAsiento", M::Asiento, kPago, true, V::NuevoRecibo, kClavePago, true},
    // NCPE.
    {"NcpeStock", M::Stock, kNcpe, true, V::Asiento, kClaveNcpe, true},
    {"NcpeRecibo", M::Recibo, kNcpe, true, V::Ninguna, kClaveNcpe, true},
    {"NcpeDetalle", M::DetalleComprobante, kNcpe, true, V::Asiento, kClaveNcpe, true},
    {"NcpeAsiento", M::Asiento, kNcpe, true, V::Ninguna, kClaveNcpe, true},
    // The journal-entry link.
    {"VerAsientoStock",
     M::Stock,
     kAsientoConCuenta,
     true,
     V::Asiento,
     {"FCC", "0002", "00004526", "B_CABCUENTA_211010102"}},
    {"VerAsientoRecibo", M::Recibo, kAsiento, true, V::Asiento, kClaveCompra},
    {"VerAsientoDetalle", M::DetalleComprobante, kAsientoConCuenta, true, V::Asiento, kClaveCompra,
     false, "211010102"},
    {"VerAsientoAsiento", M::Asiento, kAsiento, false, V::Ninguna, {}},
    // Types outside the groups, and the page itself.
    {"ViajeDetalle",
     M::DetalleComprobante,
     kViaje,
     true,
     V::Ninguna,
     {"VJ", "0001", "00000005", "V"},
     true},
    {"OtroStock", M::Stock, kOtro, true, V::Ninguna, {"ZZ", "0001", "00000005", "V"}, true},
    {"PaginaStock", M::Stock, kPagina, false, V::Ninguna, {}},
    {"PaginaRecibo", M::Recibo, kPagina, false, V::Ninguna, {}},
    {"PaginaDetalle", M::DetalleComprobante, kPagina, false, V::Ninguna, {}},
    {"PaginaAsiento", M::Asiento, kPagina, false, V::Ninguna, {}},
    // The pop-up: default instances, payments as purchases, any other type its entry.
    {"PopUpVenta", M::PopUp, kVenta, true, V::DetalleComprobante, kClaveVenta, true},
    {"PopUpCompra", M::PopUp, kCompra, true, V::DetalleComprobante, kClaveCompra, false},
    {"PopUpRecibo", M::PopUp, kRecibo, true, V::Recibo, kClaveRecibo, true},
    {"PopUpPago", M::PopUp, kPago, true, V::Recibo, kClavePago, false},
    {"PopUpIngreso", M::PopUp, kIngreso, true, V::Asiento, kClaveIngreso, true},
    {"PopUpNcpe", M::PopUp, kNcpe, true, V::Asiento, kClaveNcpe, true},
    {"PopUpViaje", M::PopUp, kViaje, true, V::Ninguna, {"VJ", "0001", "00000005", "V"}, true},
    {"PopUpCuenta", M::PopUp, "\\CUENTA_211010102", true, V::CuentaPopUp, {}, false, "211010102"},
    {"PopUpPagina", M::PopUp, "AuditoriaPopUp.htm", false, V::Ninguna, {}},
};

class RutasDeEnlaces : public ::testing::TestWithParam<Caso> {};

TEST_P(RutasDeEnlaces, CadaManejadorAbreLoSuyo) {
    const Caso& c = GetParam();
    const Destino d = Enrutar(c.quien, Reportada(c.enlace));
    EXPECT_EQ(d.Cancel, c.cancel);
    EXPECT_EQ(int(d.Abre), int(c.abre));
    if (!c.clave.isEmpty()) {
        EXPECT_EQ(QStringList({d.TC, d.Sucursal, d.Numero, d.Letra}), c.clave);
        EXPECT_EQ(d.EsVenta, c.venta);
    }
    EXPECT_EQ(d.Cuenta, c.cuenta);
    EXPECT_EQ(d.Articulo, c.articulo);
}

INSTANTIATE_TEST_SUITE_P(Enlaces, RutasDeEnlaces, ::testing::ValuesIn(kCasos),
                         [](const auto& info) { return std::string(info.param.nombre); });

// ---- Markers, separators and damaged links --------------------------------------------------

TEST(EnlaceDetalle, LosMarcadoresSeReconocenEnCualquierCaja) {
    const Destino d =
        Enrutar(M::DetalleComprobante,
                "file:///tmp/_tc_Fc_Sucursal_0001_numero_00001234_Letra_A_cuenta_2.1.01.001");
    EXPECT_EQ(int(d.Abre), int(V::NuevoDetalleComprobante));
    EXPECT_EQ(QStringList({d.TC, d.Sucursal, d.Numero, d.Letra, d.Cuenta}),
              QStringList({"Fc", "0001", "00001234", "A", "2.1.01.001"}));
    EXPECT_TRUE(d.EsVenta);
    EXPECT_TRUE(d.Cancel);
    const Destino asiento = Enrutar(M::Stock, "_ver_asientotc_ncpe_sucursal_0001_numero_2_letra_x");
    EXPECT_EQ(int(asiento.Abre), int(V::Asiento));
    EXPECT_EQ(asiento.TC, QStringLiteral("ncpe"));
    EXPECT_EQ(int(Enrutar(M::Recibo, "c:\\temp\\articulo_77").Abre), int(V::Articulo));
}

TEST(EnlaceDetalle, ElArticuloSeLeeTrasLaBarraDeCualquierSentido) {
    EXPECT_EQ(Enrutar(M::Asiento, "C:\\temp\\ARTICULO_123").Articulo, QStringLiteral("123"));
    EXPECT_EQ(Enrutar(M::Asiento, "file:///C:/temp/ARTICULO_123").Articulo, QStringLiteral("123"));
    // Without a separator before it the code means nothing: the link opens nothing.
    const Destino suelto = Enrutar(M::Recibo, "xARTICULO_123");
    EXPECT_TRUE(suelto.Cancel);
    EXPECT_EQ(int(suelto.Abre), int(V::Ninguna));
    EXPECT_EQ(int(Enrutar(M::Recibo, "\\ARTICULO_").Abre), int(V::Ninguna));
}

// The pop-up's account link begins with its marker; an address that holds it further on, the
// folder's name or a voucher link carrying an account, names no account and opens nothing.
TEST(EnlaceDetalle, LaCuentaDelPopUpSeLeeSoloTrasSuMarcador) {
    EXPECT_EQ(Enrutar(M::PopUp, "file:///tmp/CUENTA_5110102").Cuenta, QStringLiteral("5110102"));
    for (const QString& sinCuenta :
         {QString("file:///tmp/xCUENTA_5"), Reportada(kVentaConCuenta), Reportada("CUENTA_")}) {
        const Destino d = Enrutar(M::PopUp, sinCuenta);
        EXPECT_TRUE(d.Cancel) << sinCuenta;
        EXPECT_EQ(int(d.Abre), int(V::Ninguna)) << sinCuenta;
        EXPECT_TRUE(d.Cuenta.isEmpty()) << sinCuenta;
    }
    EXPECT_FALSE(Enrutar(M::PopUp, "file:///tmp/cuenta_1/AuditoriaPopUp.htm").Cancel);
}

TEST(EnlaceDetalle, UnEnlaceCortadoODesordenadoNoAbreNadaYNoFalla) {
    const QString rotos[] = {
        "_TC_FC",
        "_TC_FC_SUCURSAL_0001",
        "_TC_FC_SUCURSAL_0001_NUMERO_00001234",
        "_TC_FC_NUMERO_00001234_SUCURSAL_0001_LETRA_A",
        "_LETRA_A_TC_FC_SUCURSAL_0001_NUMERO_00001234",
        "_SUCURSAL__TC_FC_NUMERO_1_LETRA_A",
        "_VER_ASIENTOTC_NCPE_SUCURSAL_0001",
        "_VER_ASIENTOTC_NCPE_SUCURSAL_0001_NUMERO_",
        "_TC_FC_SUCURSAL__NUMERO_1_LETRA_A",
        "_TC__SUCURSAL_1_NUMERO_1_LETRA_A",
        "_TC_FC_SUCURSAL_1_NUMERO_1_LETRA_",
        "_VER_ASIENTOTC_NCPE_SUCURSAL_0001_NUMERO_2_LETRA_",
    };
    for (const M quien : {M::Stock, M::Recibo, M::DetalleComprobante, M::Asiento, M::PopUp})
        for (const QString& roto : rotos) {
            const Destino d = Enrutar(quien, roto);
            EXPECT_EQ(int(d.Abre), int(V::Ninguna)) << roto << int(quien);
            EXPECT_TRUE(d.TC.isEmpty()) << roto;
        }
    EXPECT_TRUE(Enrutar(M::Stock, "_TC_FC_SUCURSAL_0001").Cancel);
    // Where the letter is one character, an account does not stand in for a missing letter.
    EXPECT_EQ(
        int(Enrutar(M::DetalleComprobante, "_TC_FC_SUCURSAL_1_NUMERO_1_LETRA__CUENTA_2").Abre),
        int(V::Ninguna));
}

// No value turns a link into another: marker words written into a value, or a value that
// makes one with the markers around it, come back as the value.
TEST(EnlaceDetalle, NingunValorCambiaLoQueAbreUnEnlace) {
    const QString hostiles[] = {"_TC_",     "ARTICULO_", "/ARTICULO_9", "\\ARTICULO_9",   "CUENTA_",
                                "ARTICULO", "TC",        "SUCURSAL",    "_LETRA_",        "%41",
                                "%5F%20",   "#?",        "Ñ'",          "_VER_ASIENTOTC_"};
    for (const QString& h : hostiles) {
        for (const M quien : {M::Stock, M::Recibo, M::Asiento, M::PopUp}) {
            const Destino d = Enrutar(quien, Reportada(Comprobante({"FC", h, h, h})));
            EXPECT_EQ(QStringList({d.TC, d.Sucursal, d.Numero, d.Letra}),
                      QStringList({"FC", h, h, h}))
                << h << int(quien);
            EXPECT_NE(int(d.Abre), int(V::Ninguna)) << h << int(quien);
        }
        const Destino d =
            Enrutar(M::DetalleComprobante, Reportada(ComprobanteConCuenta({"FC", h, h, "A"}, h)));
        EXPECT_EQ(QStringList({d.TC, d.Sucursal, d.Numero, d.Letra, d.Cuenta}),
                  QStringList({"FC", h, h, "A", h}))
            << h;
        const Destino asiento =
            Enrutar(M::DetalleComprobante, Reportada(AsientoConCuenta({h, h, h, "X"}, h)));
        EXPECT_EQ(int(asiento.Abre), int(V::Asiento)) << h;
        EXPECT_EQ(QStringList({asiento.TC, asiento.Sucursal, asiento.Numero, asiento.Cuenta}),
                  QStringList({h, h, h, h}))
            << h;
    }
}

TEST(EnlaceDetalle, LosValoresLleganComoLaPaginaLosEscribio) {
    const QString enlace =
        ComprobanteConCuenta({"FCC", "0 01", "0000'12\"", "Ñ"}, "2.1 <Muñoz> & 50%");
    EXPECT_EQ(enlace,
              QStringLiteral("_TC_FCC_SUCURSAL_0%2001_NUMERO_0000%2712%22_LETRA_%C3%91_CUENTA_2.1%"
                             "20%3CMu%C3%B1oz%3E%20%26%2050%2525"));
    const Destino d = Enrutar(M::DetalleComprobante, Reportada(enlace));
    EXPECT_EQ(QStringList({d.TC, d.Sucursal, d.Numero, d.Letra, d.Cuenta}),
              QStringList({"FCC", "0 01", "0000'12\"", "Ñ", "2.1 <Muñoz> & 50%"}));
}

TEST(EnlaceDetalle, EscrituraDeLosEnlaces) {
    EXPECT_EQ(Comprobante({"FC", "0001", "00001234", "A"}),
              QStringLiteral("_TC_FC_SUCURSAL_0001_NUMERO_00001234_LETRA_A"));
    EXPECT_EQ(Asiento({"NCPE", "0001", "00000002", "X"}),
              QStringLiteral("_VER_ASIENTOTC_NCPE_SUCURSAL_0001_NUMERO_00000002_LETRA_X"));
    EXPECT_EQ(AsientoConCuenta({"FC", "0001", "1", "A"}, "2.1"),
              QStringLiteral("_VER_ASIENTOTC_FC_SUCURSAL_0001_NUMERO_1_LETRA_A_CABCUENTA_2.1"));
    EXPECT_EQ(Ancla(Comprobante({"FC", "1", "2", "A"})),
              QStringLiteral("<A HREF=\"_TC_FC_SUCURSAL_1_NUMERO_2_LETRA_A\">"));
}

// ---- Opening what a link names --------------------------------------------------------------

class AperturaDeEnlaces : public ::testing::Test {
protected:
    void SetUp() override {
        archivos::FijarCarpetaPrograma(programa.path());
        FabricaVentanas& f = FabricaVentanas::Actual();
        f = FabricaVentanas();
        f.NuevoDetalleComprobante = [this](const ClaveComprobante& k, bool v, const QString& c) {
            log_ << "Nuevo detalle " + Partes(k, {v ? "V" : "C", c});
        };
        f.NuevoStock = [this](const ClaveComprobante& k, bool v) {
            log_ << "Nuevo stock " + Partes(k, {v ? "V" : "C"});
        };
        f.NuevoRecibo = [this](const ClaveComprobante& k, bool v, const QString& cuenta) {
            log_ << "Nuevo recibo " + Partes(k, {v ? "V" : "C"}) +
                        (cuenta.isEmpty() ? "" : "|" + cuenta);
        };
        f.MenuExes = [this](const QString& link) { log_ << "MenuExes " + link; };
        VentanasVecinas& vecinas = VentanasVecinas::Actuales();
        vecinas.DetalleComprobante = [this] { return &v_; };
        vecinas.DetalleRecibo = [this] { return &v_; };
        vecinas.AsientoComprobante = [this] { return &v_; };
    }
    void TearDown() override {
        FabricaVentanas::Actual() = FabricaVentanas();
        VentanasVecinas::Actuales() = VentanasVecinas();
        archivos::FijarCarpetaPrograma(QString());
    }
    QStringList Seguir(M quien, const QString& url, bool cancelInicial = false) {
        log_.clear();
        bool cancel = cancelInicial;
        EnlaceDetalle::Seguir(quien, url, cancel);
        log_ << (cancel ? "Cancel" : "Sigue");
        return log_;
    }
    void CrearProgramaArticulos() {
        QFile f(QDir(programa.path()).filePath("v_ma_articulos.exe"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    QTemporaryDir programa;
    QStringList log_; // what the windows a link opens were asked, in order
    DetallesFalsos v_{log_};
};

TEST_F(AperturaDeEnlaces, CadaVentanaRecibeSusValores) {
    EXPECT_EQ(Seguir(M::DetalleComprobante, Reportada(kVentaConCuenta)),
              QStringList({"Nuevo detalle FC|0001|00001234|A|V|211010102", "Cancel"}));
    EXPECT_EQ(Seguir(M::DetalleComprobante, Reportada(kIngreso)),
              QStringList({"Nuevo stock IR|0003|00000077|R|V", "Cancel"}));
    EXPECT_EQ(Seguir(M::Stock, Reportada(kPago)),
              QStringList({"Nuevo recibo OPG|0001|00000011|X|V", "Cancel"}));
    EXPECT_EQ(Seguir(M::Stock, Reportada(kNcpe)),
              QStringList({"Asiento NCPE|0001|00000002|X|", "Show", "Cancel"}));
    EXPECT_EQ(Seguir(M::DetalleComprobante, Reportada(kAsientoConCuenta)),
              QStringList({"Asiento FCC|0002|00004526|B|211010102", "Show", "Cancel"}));
    EXPECT_EQ(Seguir(M::PopUp, Reportada(kPago)),
              QStringList({"Recibo OPG|0001|00000011|X|compra", "Show", "Cancel"}));
    EXPECT_EQ(Seguir(M::PopUp, Reportada(kCompra)),
              QStringList({"Detalle FCC|0002|00004526|B|compra|", "Show", "Cancel"}));
    // A cancelled navigation of the browser stays so when the address is no link.
    EXPECT_EQ(Seguir(M::Asiento, Reportada(kPagina), true), QStringList({"Sigue"}));
}

TEST_F(AperturaDeEnlaces, DosClicsAbrenDosVentanas) {
    bool cancel = false;
    log_.clear();
    EnlaceDetalle::Seguir(M::Stock, Reportada(kVenta), cancel);
    EnlaceDetalle::Seguir(M::Stock, Reportada(kVenta), cancel);
    EXPECT_EQ(log_.size(), 2);
    EXPECT_EQ(log_.count(log_.first()), 2);
}

TEST_F(AperturaDeEnlaces, ElArticuloArrancaElProgramaSoloSiExiste) {
    EXPECT_EQ(Seguir(M::Recibo, "C:\\temp\\ARTICULO_A-100"), QStringList({"Cancel"}));
    CrearProgramaArticulos();
    EXPECT_EQ(Seguir(M::Recibo, "C:\\temp\\ARTICULO_A-100"),
              QStringList({"MenuExes shell:v_ma_articulos @idarticulo=A-100" + QString(20, u' '),
                           "Cancel"}));
    EXPECT_EQ(Seguir(M::Asiento, "file:///tmp/ARTICULO_123"),
              QStringList(
                  {"MenuExes shell:v_ma_articulos @idarticulo=123" + QString(22, u' '), "Cancel"}));
}

TEST_F(AperturaDeEnlaces, SinVentanasInstaladasNoSeAbreNada) {
    FabricaVentanas::Actual() = FabricaVentanas();
    VentanasVecinas::Actuales() = VentanasVecinas();
    CrearProgramaArticulos();
    for (const QString& enlace : {kVenta, kIngreso, kRecibo, kNcpe, kAsiento, kArticulo})
        for (const M quien : {M::Stock, M::Recibo, M::DetalleComprobante, M::Asiento, M::PopUp})
            EXPECT_EQ(Seguir(quien, Reportada(enlace)).size(), 1) << enlace;
}

} // namespace
