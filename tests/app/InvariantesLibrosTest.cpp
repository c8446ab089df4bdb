#include "support/InvariantesLibros.h"

#include "support/BaseDePrueba.h"

#include <ostream>

namespace {

using InvariantesLibros::Paso;

// A change another user makes behind the program's back, and what the checker must say of it.
struct Caso {
    const char* Nombre;
    const char* Sql;
    Paso Hecho;
    const char* Dice; // a part of what is reported; nothing when nothing may be
};
void PrintTo(const Caso& caso, std::ostream* salida) {
    *salida << caso.Nombre;
}

const InvariantesLibros::Diferencia Munoz{"0001", "00000002", "X", "FCC", "000200004526A"};
const InvariantesLibros::Diferencia Bonificada{"0001", "00000008", "X", "FCC", "000300004664A"};
const InvariantesLibros::Diferencia Fletes{"0001", "00000004", "X", "FCC", "001200004572A"};
const InvariantesLibros::Diferencia SinOrigen{"0001", "00000031", "X", "", ""};

// NCPE 0001-00000002 X as the entry form shows it, saved unchanged.
InvariantesLibros::Formulario MunozComoSeMuestra() {
    InvariantesLibros::Formulario f;
    f.Lineas[0] = {"211010102", "20010,52", ""};
    f.Lineas[1] = {"5110102", "", "16537,62"};
    f.Lineas[11] = {"IVACF", "", "3.472,90"};
    f.Concepto = "Dif. de precio s/FCC 0002-00004526A";
    return f;
}
const Paso MunozGrabado{Munoz, true, false, MunozComoSeMuestra()};

// The same, a cent moved from its VAT line to line 2, typed or not.
InvariantesLibros::Formulario MunozConUnCentavoMovido(bool tecleado) {
    InvariantesLibros::Formulario f = MunozComoSeMuestra();
    f.Lineas[1][2] = "16.537,63";
    f.Lineas[11][2] = "3472,89";
    f.Tecleadas[1] = f.Tecleadas[11] = tecleado;
    return f;
}
const char* const UnCentavoMovido =
    "UPDATE MV_ASIENTOS SET IMPORTE = CASE SECUENCIA WHEN 2 THEN 16537.63 ELSE 3472.89 END WHERE "
    "TC = 'NCPE' AND NUMERO = '00000002' AND SECUENCIA > 1";

const Caso Casos[] = {
    {"Desbalance",
     "UPDATE MV_ASIENTOS SET IMPORTE = IMPORTE + 0.01 WHERE TC = 'NCPE' AND NUMERO = '00000002' "
     "AND SECUENCIA = 2",
     {Munoz},
     "NCPE 0001-00000002 X: no balancea (Debe 20010.5200, Haber 20010.5300)"},
    {"SecuenciaConHueco",
     "UPDATE MV_ASIENTOS SET SECUENCIA = 5 WHERE TC = 'NCPE' AND NUMERO = '00000002' AND "
     "SECUENCIA = 3",
     {Munoz},
     "SECUENCIA 1,2,5 no corre de 1 a n"},
    {"AplicacionRepetidaNuloYVacio",
     "INSERT INTO MV_APLICACION (CUENTA, TC, SUCURSAL, NUMERO, LETRA, TCO_ORIGEN, IMPORTE) "
     "VALUES ('211010106', 'NCPE', '0001', '00000031', 'X', NULL, 1728.40), ('211010106', "
     "'NCPE', '0001', '00000031', 'X', '', 1728.40)",
     {SinOrigen},
     "NCPE 0001-00000031 X: 2 filas de MV_APLICACION para el origen '|||'"},
    {"AplicacionDeOtroImporte",
     "UPDATE MV_APLICACION SET IMPORTE = 1 WHERE TC = 'NCPE' AND NUMERO = '00000002'",
     {Munoz},
     "MV_APLICACION por 1.0000, la línea 1 por 20010.5200"},
    {"CentrosSinLinea",
     "UPDATE MV_ASIENTOS SET TIPO_REG = 'DIAR' WHERE TC = 'NCPE' AND NUMERO = '00000004'",
     {Fletes},
     "2026/1 asiento 4 CPRA secuencia 3 cuenta 5210101: no pertenece"},
    {"CentrosQueNoSuman",
     "UPDATE MV_ASIENTOSCCOSTO SET IMPORTE = IMPORTE + 1 WHERE PERIODO = 2026 AND "
     "MES_OPERATIVO = 1 AND CCOSTO = '0003'",
     {Fletes},
     "los centros suman 8884.2900 y la línea 8883.2900"},
    {"EstadoTresDesdeListaVieja",
     "UPDATE MV_ASIENTOS SET ESTADO = 0 WHERE TC = 'NCPE' AND NUMERO = '00000008'",
     {Bonificada, false},
     "NCPE 0001-00000008 X: estaba en estado 3 y quedó en estado 0 desde"},
    {"EstadoTresDesdeListaFresca",
     "UPDATE MV_ASIENTOS SET ESTADO = CASE TC WHEN 'NCPE' THEN 0 ELSE 1 END WHERE (TC = 'NCPE' "
     "AND NUMERO = '00000008') OR (TC = 'FCC' AND NUMERO = '00004664')",
     {Bonificada, true},
     nullptr},
    {"EstadoDelOrigen",
     "UPDATE MV_ASIENTOS SET ESTADO = 1 WHERE TC = 'FCC' AND NUMERO = '00004526'",
     {Munoz},
     nullptr},
    {"EstadoDelOrigenQueNoSigue",
     "UPDATE MV_ASIENTOS SET ESTADO = 1 WHERE TC = 'NCPE' AND NUMERO = '00000002'",
     {Munoz},
     "NCPE 0001-00000002 X en estado 1: el origen FCC 0002 00004526 A secuencia 1 tiene ESTADO 1"},
    {"ClaveCompartidaSinTipo",
     "UPDATE MV_ASIENTOS SET PERIODO = 2025, MES_OPERATIVO = 12, TIPO_REG = CASE NUMERO WHEN "
     "'00000002' THEN NULL ELSE '    ' END, [NUMERO ASIENTO] = 1 WHERE TC = 'NCPE' AND NUMERO "
     "IN ('00000002', '00000003')",
     {Munoz},
     "asiento 2025|12||1 compartido por NCPE 0001 00000002 X,NCPE 0001 00000003 X"},
    {"CuentaConBlancos",
     "UPDATE MV_ASIENTOS SET CUENTA = ' 5110102' WHERE TC = 'NCPE' AND NUMERO = '00000002' AND "
     "SECUENCIA = 2",
     {Munoz},
     "NCPE 0001-00000002 X: cuenta ' 5110102' fuera del plan"},
    {"CabeceraDeOtroImporte",
     "UPDATE MV_ASIENTOS SET CABIMPORTE = 1 WHERE TC = 'NCPE' AND NUMERO = '00000002'",
     {Munoz},
     "NCPE 0001-00000002 X: CABIMPORTE 1.0000 y el Debe suma 20010.5200"},
    {"CabeceraDeLaLinea1ConDosRenglonesAlDebe",
     "UPDATE MV_ASIENTOS SET IMPORTE = CASE SECUENCIA WHEN 1 THEN 13064.72 ELSE IMPORTE END, "
     "[DEBE-HABER] = CASE SECUENCIA WHEN 3 THEN 'D' ELSE [DEBE-HABER] END, CABIMPORTE = 13064.72 "
     "WHERE TC = 'NCPE' AND NUMERO = '00000002'",
     {Munoz},
     "NCPE 0001-00000002 X: CABIMPORTE 13064.7200 y el Debe suma 16537.6200"},
    {"PrimerRenglonSinProveedor",
     "UPDATE MV_ASIENTOS SET CABCUENTA = NULL WHERE TC = 'NCPE' AND NUMERO = '00000002' AND "
     "SECUENCIA = 1",
     {Munoz},
     "NCPE 0001-00000002 X: el renglón 1 no lleva la cuenta del proveedor"},
    {"GrabadoConOtroProveedor",
     "UPDATE MV_ASIENTOS SET CABCUENTA = '211010101', CABNOMBRE = 'D''Angelo Hnos. S.A.' WHERE "
     "TC = 'NCPE' AND NUMERO = '00000002' AND SECUENCIA = 1",
     MunozGrabado,
     "grabó renglón 1 con el proveedor 211010101|D'Angelo Hnos. S.A. y el asiento es del "
     "proveedor 211010102|Muñoz y Peña S.R.L."},
    {"GrabadoRedondeaLoNoTecleado",
     UnCentavoMovido,
     {Munoz, true, false, MunozConUnCentavoMovido(false)},
     "grabó 16537.6300 de la línea 2, que no se tecleó y tenía guardado 16537.6200"},
    {"GrabadoComoSeTecleo",
     UnCentavoMovido,
     {Munoz, true, false, MunozConUnCentavoMovido(true)},
     nullptr},
    {"GrabadoComoSeMostro",
     "UPDATE MV_ASIENTOS SET FECHAHORA_GRABACION = '2026-12-09 10:00:00', USUARIO_LOGEADO = "
     "'otro' WHERE TC = 'NCPE' AND NUMERO = '00000002'",
     MunozGrabado, nullptr},
    {"GrabadoPierdeElVencimiento",
     "UPDATE MV_ASIENTOS SET VENCIMIENTO = '2026-01-10 00:00:00' WHERE TC = 'NCPE' AND NUMERO = "
     "'00000002' AND SECUENCIA = 3",
     MunozGrabado,
     "NCPE 0001-00000002 X: grabó renglón 3 VENCIMIENTO 2026-01-10 00:00:00, guardado"},
    {"GrabadoConOtroImporte",
     "UPDATE MV_ASIENTOS SET IMPORTE = 16537.63 WHERE TC = 'NCPE' AND NUMERO = '00000002' AND "
     "SECUENCIA = 2",
     MunozGrabado,
     "renglón 2 5110102|H|16537.6300|Dif. de precio s/FCC 0002-00004526A|0| y el formulario "
     "mostraba 5110102|H|16537.6200|"},
    {"DosRenglonesDeIva",
     "UPDATE MV_ASIENTOS SET NROCAI = 'ESIVA' WHERE TC = 'NCPE' AND NUMERO = '00000002'",
     {Munoz},
     "NCPE 0001-00000002 X: 3 renglones de IVA"},
    {"OtraColumnaDelOrigen",
     "UPDATE MV_ASIENTOS SET DETALLE = 'x' WHERE TC = 'FCC' AND NUMERO = '00004526' AND "
     "SECUENCIA = 1",
     {Munoz},
     "cambió fuera de la diferencia: MV_ASIENTOS quitada FCC|0002|00004526|A|"},
    {"CuentasRecordadas",
     "UPDATE TA_CONFIGURACION SET VALOR = '' WHERE CLAVE = 'NCPE_12'",
     {Munoz},
     nullptr},
    {"OtraClaveDeConfiguracion",
     "UPDATE TA_CONFIGURACION SET VALOR = '' WHERE CLAVE = 'NCPE_H12'",
     {Munoz},
     "cambió fuera de la diferencia: TA_CONFIGURACION quitada NCPE_H12|1120201"},
    {"PasoRechazado",
     "UPDATE TA_CONFIGURACION SET VALOR = '' WHERE CLAVE = 'NCPE_12'",
     {Munoz, true, true},
     "un paso rechazado, fallido o cancelado cambió TA_CONFIGURACION"},
};

class InvariantesDemo : public BaseDePrueba, public ::testing::WithParamInterface<Caso> {};

// Each invariant is reported once a change breaks it, and only what the change introduced. The
// demo as shipped breaks none.
TEST_P(InvariantesDemo, SeReportaLoQueElPasoRompio) {
    CrearDemo();
    Fotografo fotografo(Archivo());
    const FotoBase antes = fotografo.Tomar();
    EXPECT_TRUE(InvariantesLibros::Violaciones(antes).isEmpty());
    EXPECT_TRUE(InvariantesLibros::Introducidas(antes, antes, GetParam().Hecho).isEmpty());
    cnn.EjecutarNativo(QString::fromUtf8(GetParam().Sql), {}, nullptr);
    const QStringList v =
        InvariantesLibros::Introducidas(antes, fotografo.Tomar(), GetParam().Hecho);
    if (!GetParam().Dice) {
        EXPECT_TRUE(v.isEmpty()) << v.join('\n').toStdString();
        return;
    }
    EXPECT_TRUE(v.join('\n').contains(QString::fromUtf8(GetParam().Dice)))
        << v.join('\n').toStdString();
}

// Saved again as stored, an entry changes only in the save's own time, user and cash box and in
// the line accounts remembered for the next entry; anything else is reported.
using InvariantesLibrosRegrabado = BaseDePrueba;

TEST_F(InvariantesLibrosRegrabado, SoloCambiaLoPropioDelGrabado) {
    CrearDemo();
    Fotografo fotografo(Archivo());
    const FotoBase antes = fotografo.Tomar();
    cnn.EjecutarNativo("UPDATE MV_ASIENTOS SET FECHAHORA_GRABACION = '2026-12-09 10:00:00', "
                       "USUARIO_LOGEADO = 'otro', IDCAJAS = '   2' WHERE NUMERO = '00000002'",
                       {}, nullptr);
    cnn.EjecutarNativo("UPDATE TA_CONFIGURACION SET VALOR = '' WHERE CLAVE = 'NCPE_3'", {},
                       nullptr);
    const FotoBase regrabado = fotografo.Tomar();
    EXPECT_TRUE(InvariantesLibros::Regrabado(antes, regrabado).isEmpty());
    cnn.EjecutarNativo("UPDATE MV_ASIENTOS SET CABNOMBRE = NULL WHERE NUMERO = '00000002'", {},
                       nullptr);
    EXPECT_TRUE(
        InvariantesLibros::Regrabado(antes, fotografo.Tomar())
            .join('\n')
            .contains("grabado otra vez sin cambios: MV_ASIENTOS quitada NCPE|0001|00000002"));
}

INSTANTIATE_TEST_SUITE_P(Libros, InvariantesDemo, ::testing::ValuesIn(Casos),
                         [](const auto& info) { return std::string(info.param.Nombre); });

} // namespace
