#include "lookup/Def_QConsulta.h"

#include "DemoConsultas.h"
#include "lookup/ModeloConsulta.h"
#include "support/Apoyo.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct Fila {
    QString tabla;
    QString tablaDespues, descripcion, codigo, adicional;
};

// The three columns (and the table) as the mapping leaves them, "|" between them.
QString Mapear(QString tabla, QString descripcion = "d?", QString codigo = "c?",
               QString adicional = "a?") {
    Def_QConsulta::MapearTabla(tabla, descripcion, codigo, adicional);
    return QStringList{tabla, descripcion, codigo, adicional}.join('|');
}

TEST(MapearTabla, FilasFijas) {
    const Fila filas[] = {
        {"TA_COMPROBANTES", "VT_TA_Cpte", "Descripcion", "Codigo", ""},
        {"v_ta_cpte", "VT_TA_Cpte", "Descripcion", "Codigo", ""},
        {"V_TA_PERCEPCION", "V_TA_PERCEPCION", "DESCRIPCION", "IDPERCEPCION", ""},
        {"V_TA_RETENCIONES", "V_TA_RETENCIONES", "DESCRIPCION", "IDRETENCION", ""},
        {"V_TA_UNIDADNEGOCIO", "V_TA_UNIDADNEGOCIO", "DESCRIPCION", "CODIGO", ""},
        {"V_TA_POLITICAPRECIOS", "V_TA_POLITICAPRECIOS", "Descripcion", "codigo", ""},
        {"V_TA_CATEGORIAARTICULO", "V_TA_CATEGORIAARTICULO", "DESCRIPCION", "idcategoria", ""},
        {"P_SINDICATOS", "P_SINDICATOS", "Descripcion", "IdSindicato", ""},
        {"P_TA_Funciones", "P_TA_Funciones", "DESCRIPCION", "IDFunciones", ""},
        {"P_MA_Clientes", "P_MA_Clientes", "RAZON_SOCIAL", "IDCLIENTE", ""},
        {"TA_Cpte", "TA_Cpte", "DESCRIPCION", "CODIGO", "DESCRIPCION"},
        {"V_TA_VENDEDORES", "V_TA_VENDEDORES", "NOMBRE", "idvendedor", "NOMBRE"},
        {"V_MA_ARTICULOS", "V_MA_ARTICULOS", "DESCRIPCION", "IDARTICULO", "DESCRIPCION"},
        {"V_MV_COTIZAR", "V_MV_COTIZAR", "COT_OBSERVACIONES", "IDARTICULO", "COT_OBSERVACIONES"},
        {"MA_ARTICULOS", "MA_ARTICULOS", "DESCRIPCION", "IDARTICULO", "DESCRIPCION"},
        {"MA_MODELOS", "MA_MODELOS", "NOMBRE", "NOMBRE", "NOMBRE"},
        {"MA_CHOFERES", "MA_CHOFERES", "APELLIDO", "CODIGO", "NOMBRES"},
        {"MA_DESTINATARIOS", "MA_DESTINATARIOS", "NOMBRE", "CODIGO", "NOMBRE"},
        {"MA_VEHICULOS", "MA_VEHICULOS", "PATENTE", "PATENTE", "MODELO"},
        {"MV_EJERCICIOS", "MV_EJERCICIOS", "DESCRIPCION", "PERIODO", "DESCRIPCION"},
        {"TA_USUARIOS", "TA_USUARIOS", "NOMBRE", "NOMBRE", ""},
    };
    for (const Fila& f : filas)
        EXPECT_EQ(Mapear(f.tabla),
                  QStringList({f.tablaDespues, f.descripcion, f.codigo, f.adicional}).join('|'));
}

// The families build the code column from the table's name.
TEST(MapearTabla, Familias) {
    const std::pair<QString, QString> codigos[] = {
        {"V_TA_Cajas", "IDCajas"},
        {"V_TA_Bancos", "IDBanco"},
        {"V_TA_MotivoVta", "IDMotivoVta"},
        {"V_TA_MotivoCpra", "IDMotivoCpra"},
        {"V_TA_Deposito", "IDDeposito"},
        {"V_TA_Tareas", "IDTarea"},
        {"V_TA_Unidad", "IDUnidad"},
        {"V_TA_TipoArticulo", "IDTIPO"},
        {"V_TA_Rubros", "IDRubro"},
        {"V_TA_MotivoStock", "IDMotivoStock"},
        {"V_TA_CPRA_VTA", "IDCOND_CPRA_VTA"},
        {"V_TA_CATEGORIA", "IDCATEGORIA"},
        {"V_TA_DESTINO", "IDDESTINO"},
        {"V_TA_ORIGEN", "IDORIGEN"},
    };
    for (const auto& [tabla, codigo] : codigos)
        EXPECT_EQ(Mapear(tabla), tabla + "|DESCRIPCION|" + codigo + "|");
    EXPECT_EQ(Mapear("V_TA_Tecnicos"), "V_TA_Tecnicos|NOMBRE|IDTecnico|");

    const std::pair<QString, QString> personal[] = {
        {"P_TA_NIVELESTUDIO", "IDNIVELESTUDIO"},
        {"P_TA_CONOCIMIENTOS", "IDCONOCIMIENTO"},
        {"P_TA_Categorizacion", "IDCategorizacion"},
        {"P_TA_CentroMedico", "IDCentroMedico"},
        {"P_TA_FormasDePago", "IDFormasDePago"},
        {"P_TA_ZONARESIDENCIA", "IDZONARESIDENCIA"},
        {"P_TA_ObraSocial", "IDObraSocial"},
        {"P_TA_MotivoEgreso", "IDMotivoEgreso"},
        {"P_TA_Grupos", "IDGrupo"},
        {"P_TA_EstadoBusqueda", "IDEstadoBusqueda"},
        {"P_TA_Areas", "IDAreas"},
        {"P_TA_IDIOMAS", "IDIDIOMA"},
        {"P_TA_TITULOs", "IDTITULO"},
        {"P_TA_ESTADOPOSTULANTE", "IDESTADOPOSTULANTE"},
        {"P_TA_Parentesco", "IDParentesco"},
        {"P_TA_EstadoCivil", "IDEstadoCivil"},
    };
    for (const auto& [tabla, codigo] : personal)
        EXPECT_EQ(Mapear(tabla), tabla + "|Descripcion|" + codigo + "|");
    EXPECT_EQ(Mapear("P_MA_Empresas"), "P_MA_Empresas|NombreEmpresa|IDEmpresa|");

    const std::pair<QString, QString> codigosTA[] = {{"TA_Categoria", "IDCategoria"},
                                                     {"TA_Deposito", "IDDeposito"},
                                                     {"TA_MotivoStock", "IDMotivoStock"},
                                                     {"TA_TipoArticulo", "IDTIPO"},
                                                     {"TA_Rubros", "IDRubro"}};
    for (const auto& [tabla, codigo] : codigosTA)
        EXPECT_EQ(Mapear(tabla), tabla + "|DESCRIPCION|" + codigo + "|");
}

TEST(MapearTabla, PorPrefijo) {
    const std::pair<QString, QString> casos[] = {
        {"Ta_Ccosto", "Ta_Ccosto|DESCRIPCION|CODIGO|DESCRIPCION"},
        {"MA_PROVEEDORES", "MA_PROVEEDORES|Razon_Social|Codigo|Razon_Social"},
        {"ma_vendedores", "ma_vendedores|Razon_Social|Codigo|Razon_Social"},
        {"MA_AGENTES", "MA_AGENTES|Razon_Social|Codigo|Razon_Social"},
        {"MA_CLIENTES", "MA_CLIENTES|Razon_Social|Codigo|Codigo_sucursal"},
        {"Ma_cuentas", "Ma_cuentas|Descripcion|Codigo|Descripcion"},
        {"[MA_CAMIONES]", "[MA_CAMIONES]|nombre|Codigo|nombre"},
        {"MV_PROYECTOS", "MV_PROYECTOS|ASUNTO|ID|ASUNTO"},
        // Names no rule knows keep what the caller passed.
        {"[MA_OTRA]", "[MA_OTRA]|d?|c?|a?"},
        {"MV_ASIENTOS", "MV_ASIENTOS|d?|c?|a?"},
        {"VT_CLIENTES", "VT_CLIENTES|d?|c?|a?"},
        {"", "|d?|c?|a?"},
    };
    for (const auto& [tabla, esperado] : casos)
        EXPECT_EQ(Mapear(tabla), esperado);
}

// ---- The lookup -----------------------------------------------------------------------------

class QConsultaTabla : public ConsultaDemo {
protected:
    // Runs the lookup on the table; "|" joins what comes back in the table, description,
    // code and extra arguments.
    QString Consultar(QString tabla, bool directa = true) {
        QString descripcion, codigo, adicional, where;
        Def_QConsulta::QConsultaTabla(tabla, descripcion, codigo, adicional, directa, where);
        return QStringList{tabla, descripcion, codigo, adicional}.join('|');
    }
    // The next list window: keeps its statement and what it returns, then picks the value.
    void Elegir(const QString& columna, const QString& valor) {
        EnLista([=, this](Lib_FrmCons3& lista) {
            listada = lista.SQLInicial();
            devuelta = lista.CampoDevuelto;
            ConsultaDemo::Elegir(lista, columna, valor);
        });
    }
    void SinMascaras() { QFile::remove(Consultas().gRutaMascaraConsultas); }

    QString listada;
    QString devuelta;
};

TEST_F(QConsultaTabla, SinMascarasListaLasDosColumnas) {
    SinMascaras();
    Elegir("DESCRIPCION", "BBVA");
    EXPECT_EQ(Consultar("V_TA_Bancos"), "V_TA_Bancos|DESCRIPCION|  17|");
    EXPECT_EQ(listada, " select DESCRIPCION,IDBanco from V_TA_Bancos ");
    EXPECT_EQ(devuelta, "IDBanco");

    // Cancelled: the code column's name does not come back as a code.
    EnLista([](Lib_FrmCons3& lista) { lista.CmdCancelar_Click(); });
    EXPECT_EQ(Consultar("V_TA_Bancos"), "V_TA_Bancos|DESCRIPCION||");

    // Not direct: no lookup, the mapped names.
    EXPECT_EQ(Consultar("V_TA_Cpte", false), "VT_TA_Cpte|Descripcion|Codigo|");
    EXPECT_EQ(guion.VentanasModales.size(), 2u);
    EXPECT_TRUE(guion.Mensajes.empty());
}

TEST_F(QConsultaTabla, ConMascarasUsaLaMascaraOLaSentenciaPreparada) {
    Elegir("CODIGO", "1110101");
    EXPECT_EQ(Consultar("Ma_cuentas"), "Ma_cuentas|Descripcion|1110101|Descripcion");
    EXPECT_EQ(listada, " select Descripcion,Codigo from Ma_cuentas ");

    AgregarMascara("MA_CUENTAS", "|DESCRIPCION|CODIGO|", "TITULO = 0");
    Elegir("CODIGO", "1110104");
    EXPECT_EQ(Consultar("Ma_cuentas"), "Ma_cuentas|Descripcion|1110104|Descripcion");
    EXPECT_EQ(listada, " SELECT TOP 1000 DESCRIPCION,CODIGO FROM MA_CUENTAS WHERE TITULO = 0 "
                       "ORDER BY DESCRIPCION");
    EXPECT_EQ(devuelta, "Codigo");
    EXPECT_TRUE(guion.Mensajes.empty());
}

} // namespace
