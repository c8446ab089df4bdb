#include "lookup/Def_QConsulta.h"

#include "lookup/Lib_ClsCons3.h"
#include "platform/files/Carpetas.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/suite/UtilGeneral.h"

#include <QStringList>
#include <optional>

namespace Def_QConsulta {

namespace {

struct Columnas {
    QString Descripcion;
    QString Codigo;
    QString Adicional;
};

struct FilaFija {
    const char* Tabla;
    const char* Descripcion;
    const char* Codigo;
    const char* Adicional;
};

bool EsAlguna(const QString& tabla, const QStringList& nombres) {
    for (const QString& nombre : nombres)
        if (vb::Iguales(tabla, nombre))
            return true;
    return false;
}

std::optional<Columnas> BuscarFila(const QString& tabla, std::initializer_list<FilaFija> filas) {
    for (const FilaFija& fila : filas)
        if (vb::Iguales(tabla, QString::fromLatin1(fila.Tabla)))
            return Columnas{QString::fromLatin1(fila.Descripcion), QString::fromLatin1(fila.Codigo),
                            QString::fromLatin1(fila.Adicional)};
    return std::nullopt;
}

// The code column the families build: "ID" and the table name from `desde` on, without one
// final S when `sinEse` asks for it ("V_TA_Bancos" gives "IDBanco").
QString CodigoDeNombre(const QString& tabla, int desde, bool sinEse = true) {
    QString nombre = vb::Mid(tabla, desde);
    if (sinEse && nombre.endsWith(QLatin1Char('S'), Qt::CaseInsensitive))
        nombre.chop(1);
    return QStringLiteral("ID") + nombre;
}

std::optional<Columnas> FamiliaVTA(const QString& tabla) {
    static const QStringList familia{
        "V_TA_Cajas",       "V_TA_Bancos",   "V_TA_MotivoVta", "V_TA_MotivoCpra",   "V_TA_Deposito",
        "V_TA_Tecnicos",    "V_TA_Tareas",   "V_TA_Unidad",    "V_TA_TipoArticulo", "V_TA_Rubros",
        "V_TA_MotivoStock", "V_TA_CPRA_VTA", "V_TA_CATEGORIA", "V_TA_DESTINO",      "V_TA_ORIGEN"};
    if (!EsAlguna(tabla, familia))
        return std::nullopt;
    Columnas c{QStringLiteral("DESCRIPCION"), CodigoDeNombre(tabla, 6), {}};
    if (vb::Iguales(tabla, QStringLiteral("V_TA_Tecnicos")))
        c.Descripcion = QStringLiteral("NOMBRE");
    if (vb::Iguales(tabla, QStringLiteral("V_TA_CPRA_VTA")))
        c.Codigo = QStringLiteral("IDCOND_CPRA_VTA");
    else if (vb::Iguales(tabla, QStringLiteral("V_TA_TipoArticulo")))
        c.Codigo = QStringLiteral("IDTIPO");
    else if (vb::Iguales(tabla, QStringLiteral("V_TA_Cajas")))
        c.Codigo = QStringLiteral("IDCajas");
    return c;
}

std::optional<Columnas> FamiliaP(const QString& tabla) {
    static const QStringList familia{
        "P_TA_NIVELESTUDIO", "P_TA_CONOCIMIENTOS", "P_TA_Categorizacion",   "P_TA_CentroMedico",
        "P_TA_FormasDePago", "P_MA_Empresas",      "P_TA_ZONARESIDENCIA",   "P_TA_ObraSocial",
        "P_TA_MotivoEgreso", "P_TA_Grupos",        "P_TA_EstadoBusqueda",   "P_TA_Areas",
        "P_TA_IDIOMAS",      "P_TA_TITULOs",       "P_TA_ESTADOPOSTULANTE", "P_TA_Parentesco",
        "P_TA_EstadoCivil"};
    if (!EsAlguna(tabla, familia))
        return std::nullopt;
    const bool empresas = vb::Iguales(tabla, QStringLiteral("P_MA_Empresas"));
    const bool areas = vb::Iguales(tabla, QStringLiteral("P_TA_Areas"));
    return Columnas{empresas ? QStringLiteral("NombreEmpresa") : QStringLiteral("Descripcion"),
                    CodigoDeNombre(tabla, 6, !areas),
                    {}};
}

std::optional<Columnas> FamiliaTA(const QString& tabla) {
    static const QStringList familia{"TA_Categoria", "TA_Deposito", "TA_MotivoStock",
                                     "TA_TipoArticulo", "TA_Rubros"};
    if (!EsAlguna(tabla, familia))
        return std::nullopt;
    const bool tipo = vb::Iguales(tabla, QStringLiteral("TA_TipoArticulo"));
    return Columnas{QStringLiteral("DESCRIPCION"),
                    tipo ? QStringLiteral("IDTIPO")
                         : CodigoDeNombre(tabla, vb::InStr(tabla, QStringLiteral("TA_")) + 3),
                    {}};
}

// The code tables, in the order their rules are tried.
std::optional<Columnas> TablasDeCodigos(QString& Tabla) {
    if (EsAlguna(Tabla, {QStringLiteral("TA_COMPROBANTES"), QStringLiteral("V_TA_Cpte")})) {
        Tabla = QStringLiteral("VT_TA_Cpte");
        return Columnas{QStringLiteral("Descripcion"), QStringLiteral("Codigo"), {}};
    }
    if (auto c = BuscarFila(Tabla, {{"V_TA_PERCEPCION", "DESCRIPCION", "IDPERCEPCION", ""},
                                    {"V_TA_RETENCIONES", "DESCRIPCION", "IDRETENCION", ""},
                                    {"V_TA_UNIDADNEGOCIO", "DESCRIPCION", "CODIGO", ""},
                                    {"V_ta_PoliticaPrecios", "Descripcion", "codigo", ""},
                                    {"V_TA_CATEGORIAARTICULO", "DESCRIPCION", "idcategoria", ""}}))
        return c;
    if (auto c = FamiliaVTA(Tabla))
        return c;
    if (auto c = FamiliaP(Tabla))
        return c;
    if (vb::Iguales(Tabla, QStringLiteral("P_SINDICATOS")))
        return Columnas{QStringLiteral("Descripcion"), QStringLiteral("IdSindicato"), {}};
    if (vb::Iguales(Tabla, QStringLiteral("P_TA_Funciones")))
        return Columnas{QStringLiteral("DESCRIPCION"), CodigoDeNombre(Tabla, 6, false), {}};
    return FamiliaTA(Tabla);
}

// Master tables named one by one.
std::optional<Columnas> TablasMaestras(const QString& Tabla) {
    if (vb::Iguales(Tabla, QStringLiteral("V_MA_ARTICULOS")))
        return Columnas{QStringLiteral("DESCRIPCION"), CodigoDeNombre(Tabla, 6),
                        QStringLiteral("DESCRIPCION")};
    if (vb::Iguales(Tabla, QStringLiteral("MA_ARTICULOS")))
        return Columnas{QStringLiteral("DESCRIPCION"), CodigoDeNombre(Tabla, 4),
                        QStringLiteral("DESCRIPCION")};
    return BuscarFila(Tabla,
                      {{"P_MA_Clientes", "RAZON_SOCIAL", "IDCLIENTE", ""},
                       {"TA_Cpte", "DESCRIPCION", "CODIGO", "DESCRIPCION"},
                       {"V_TA_VENDEDORES", "NOMBRE", "idvendedor", "NOMBRE"},
                       {"V_MV_COTIZAR", "COT_OBSERVACIONES", "IDARTICULO", "COT_OBSERVACIONES"},
                       {"MA_MODELOS", "NOMBRE", "NOMBRE", "NOMBRE"},
                       {"MA_CHOFERES", "APELLIDO", "CODIGO", "NOMBRES"},
                       {"MA_DESTINATARIOS", "NOMBRE", "CODIGO", "NOMBRE"},
                       {"MA_VEHICULOS", "PATENTE", "PATENTE", "MODELO"},
                       {"MV_EJERCICIOS", "DESCRIPCION", "PERIODO", "DESCRIPCION"},
                       {"TA_USUARIOS", "NOMBRE", "NOMBRE", ""}});
}

// Any other table by the first characters of its name.
std::optional<Columnas> PorPrefijo(const QString& Tabla) {
    const QString tres = vb::UCase(vb::Left(Tabla, 3));
    const QString seis = vb::UCase(vb::Left(Tabla, 6));
    if (tres == QStringLiteral("TA_"))
        return Columnas{"DESCRIPCION", "CODIGO", "DESCRIPCION"};
    if (tres == QStringLiteral("MA_")) {
        if (QStringList{"MA_PRO", "MA_VEN", "MA_TRA", "MA_CON", "MA_AGE"}.contains(seis))
            return Columnas{"Razon_Social", "Codigo", "Razon_Social"};
        if (seis == QStringLiteral("MA_CLI"))
            return Columnas{"Razon_Social", "Codigo", "Codigo_sucursal"};
        return Columnas{"Descripcion", "Codigo", "Descripcion"};
    }
    if (tres == QStringLiteral("[MA") && seis == QStringLiteral("[MA_CA"))
        return Columnas{"nombre", "Codigo", "nombre"};
    if (tres == QStringLiteral("MV_") && seis == QStringLiteral("MV_PRO"))
        return Columnas{"ASUNTO", "ID", "ASUNTO"};
    return std::nullopt;
}

// The masks apply when their file lies in the program folder. (Some other programs of the
// suite never use them; this one always does when the file is there.)
bool MascarasUsables() {
    const QString carpeta = UtilGeneral::Instancia().NormalizarRuta(archivos::CarpetaPrograma());
    return archivos::ExisteArchivo(carpeta + QStringLiteral("consultas.sve"));
}

QString SelectSimple(const QString& Tabla, const QString& CampoDescripcion,
                     const QString& CampoCodigo, const QString& Where) {
    return QStringLiteral("select ") + CampoDescripcion + QStringLiteral(",") + CampoCodigo +
           QStringLiteral(" from ") + Tabla + QStringLiteral(" ") + Where;
}

} // namespace

void MapearTabla(QString& Tabla, QString& CampoDescripcion, QString& CampoCodigo,
                 QString& CampoAdicional) {
    std::optional<Columnas> columnas = TablasDeCodigos(Tabla);
    if (!columnas)
        columnas = TablasMaestras(Tabla);
    if (!columnas)
        columnas = PorPrefijo(Tabla);
    if (!columnas)
        return;
    CampoDescripcion = columnas->Descripcion;
    CampoCodigo = columnas->Codigo;
    CampoAdicional = columnas->Adicional;
}

void QConsultaTabla(QString& Tabla, QString& CampoDescripcion, QString& CampoCodigo,
                    QString& CampoAdicional, bool ConsultaDirecta, QString& Where) {
    MapearTabla(Tabla, CampoDescripcion, CampoCodigo, CampoAdicional);
    Lib_ClsCons3& consultas = Lib_ClsCons3::Instancia();
    if (MascarasUsables()) {
        if (EsAlguna(Tabla, {QStringLiteral("VT_CLIENTES"), QStringLiteral("VT_PROVEEDORES")}))
            CampoCodigo = QStringLiteral("CODIGO");
        const QString preparada = SelectSimple(Tabla, CampoDescripcion, CampoCodigo, Where);
        consultas.CampoDevuelto = CampoCodigo;
        consultas.ConsultaSearch(Tabla, nullptr, {}, nullptr, &Where, preparada);
    } else if (ConsultaDirecta) {
        if (vb::Trim(CampoDescripcion).isEmpty())
            CampoDescripcion = QStringLiteral(" * ");
        consultas.CampoDevuelto = CampoCodigo;
        consultas.ConsultaSearch(SelectSimple(Tabla, CampoDescripcion, CampoCodigo, Where));
    } else {
        return;
    }
    const QString elegido = vb::ValorTexto(consultas.ValorDevuelto);
    CampoCodigo = elegido.isEmpty() ? QString() : elegido;
}

} // namespace Def_QConsulta
