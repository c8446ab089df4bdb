#include "lookup/Lib_ClsCons3.h"

#include "lookup/Lib_FrmCons3.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "lookup/ModeloConsulta.h"
#include "lookup/PalabrasSql.h"
#include "platform/ado/AdoTipos.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/Procedimiento.h"
#include "platform/files/ArchivoRegistros.h"
#include "platform/files/Carpetas.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/Numeros.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"
#include "session/ModGlobal.h"

#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTableView>

namespace {

const QString ArticulosVista = QStringLiteral("V_MA_ARTICULOS");
const QString ArticulosListados = QStringLiteral("VT_MA_ARTICULOS");

// Fixed-length fields of the masks file may carry these where nothing was written.
QString CampoLimpio(const QString& campo) {
    return vb::Trim(
        UtilGeneral::Instancia().LimpiarTexto(campo, {QString(QChar(0)), QString(QChar(0xFF))}));
}

bool EsAlguna(const QString& texto, std::initializer_list<const char*> nombres) {
    for (const char* nombre : nombres)
        if (vb::Iguales(texto, QString::fromLatin1(nombre)))
            return true;
    return false;
}

// Columns every table carries for its own bookkeeping: nobody looks a row up by them.
bool EsColumnaDeControl(const QString& columna) {
    return EsAlguna(columna, {"ID", "FECHAHORA_MODIFICACION", "FECHAHORA_GRABACION"});
}

// "... FROM tabla" with its WHERE and ORDER BY parts, each one only when there is something
// to put after it. The list window reads the table name up to the next blank, so a
// statement never ends right after it.
QString Select(int Top, const QString& campos, const QString& tabla, const QString& filtro,
               const QString& orden) {
    QString sentencia = QStringLiteral("SELECT TOP ") + QString::number(Top) + QStringLiteral(" ") +
                        campos + QStringLiteral(" FROM ") + tabla;
    if (!vb::Trim(filtro).isEmpty())
        sentencia += QStringLiteral(" WHERE ") + filtro;
    if (!vb::Trim(orden).isEmpty())
        sentencia += QStringLiteral(" ORDER BY ") + orden;
    else if (vb::Trim(filtro).isEmpty())
        sentencia += QStringLiteral(" ");
    return sentencia;
}

// The columns of a table in their order, read from its first row.
QStringList ColumnasDe(const QString& tabla) {
    DB_Dll& db = DB_Dll::Instancia();
    ado::Recordset rs;
    QString sql = QStringLiteral("select top 1 * from ") + tabla;
    QStringList columnas;
    IgnorarErrores({[&] {
                        db.AbrirRecordset(sql, rs, nullptr, ado::adOpenForwardOnly,
                                          ado::adLockReadOnly, -1, true);
                    },
                    [&] {
                        for (int i = 0; i < rs.FieldCount(); ++i)
                            columnas << rs.Fields(i).Name();
                    },
                    [&] { db.CierraRecordset(rs); }});
    return columnas;
}

} // namespace

Lib_ClsCons3& Lib_ClsCons3::Instancia() {
    static Lib_ClsCons3 instancia;
    instancia.LeerConfiguracion();
    return instancia;
}

Lib_ClsCons3::Lib_ClsCons3() {
    LeerConfiguracion();
}

// The settings come from the session: the configuration table and the query-mask file that
// start-up chose. The shared instance may be named before the session is open, so they are
// read the first time it is used with the connection there.
void Lib_ClsCons3::LeerConfiguracion() {
    if (configuracionLeida_ || !DB_Dll::Existe() ||
        DB_Dll::Instancia().gCnn.State() != ado::adStateOpen)
        return;
    configuracionLeida_ = true;
    gRutaMascaraConsultas = ModGlobal::Valores.RutaMascaraConsultas;
    gUsarMascarasConsultas = !gRutaMascaraConsultas.isEmpty();
    // All the keys or none: after a read that failed the others would only fail again.
    QString auxiliar;
    std::optional<QString> valores[6];
    const char* claves[] = {
        "MostrarStockenConsultas", "Stk_Nivel1", "Stk_Nivel2", "Stk_Nivel3", "Stk_Nivel4",
        "UsaConsultaLike"};
    for (int i = 0; i < 6; ++i)
        if (!(valores[i] = ModGlobal::LeerCfg(QString::fromLatin1(claves[i]), auxiliar)))
            return;
    MuestraStock = *valores[0];
    QVariant* niveles[] = {&StkNivel1, &StkNivel2, &StkNivel3, &StkNivel4};
    for (int i = 0; i < 4; ++i)
        *niveles[i] = valores[i + 1]->isEmpty() ? QVariant(0) : QVariant(*valores[i + 1]);
    usaConsultaLike_ = vb::Iguales(*valores[5], QStringLiteral("SI"));
}

// ---- Statement building -------------------------------------------------------------------

QString Lib_ClsCons3::ArmarWhere(const QString& Where) {
    if (vb::Len(vb::Trim(Where)) > 1 && !Where.startsWith(QLatin1Char('(')))
        return QStringLiteral(" (") + Where + QStringLiteral(") ");
    return Where;
}

int Lib_ClsCons3::LimiteFilas(const QString& TopConsArt) {
    const int top = vb::CLng(vb::Val(TopConsArt));
    return top == 0 ? 1000 : top;
}

// Keywords count only as whole words outside literals and bracketed names: "V_SELECCION"
// holds no SELECT, "BORDER BY" no ORDER BY, and neither does 'order by' or [Select].
bool Lib_ClsCons3::EsSentencia(const QString& SQL) {
    return PosicionPalabras(SQL, {u"select"}) >= 0;
}

QString Lib_ClsCons3::SentenciaCompleta(const QString& SQL) {
    if (vb::InStr(SQL, ArticulosVista) == 0)
        return SQL;
    return UtilGeneral::Instancia().SustituirNombre(SQL, ArticulosVista, ArticulosListados);
}

bool Lib_ClsCons3::TieneOrden(const QString& sentencia) {
    return PosicionPalabras(sentencia, {u"order", u"by"}) >= 0;
}

std::optional<QString> Lib_ClsCons3::SentenciaMascara(const MascaraConsulta& mascara, int Top,
                                                      QString& CampoBusqueda,
                                                      const QString& Where) {
    QString tabla = CampoLimpio(mascara.Tabla);
    QString campos = vb::Trim(UtilGeneral::Instancia().Reemplazar(
        mascara.Campos, QStringLiteral("|"), QStringLiteral(",")));
    if (campos.startsWith(QLatin1Char(',')))
        campos.remove(0, 1);
    if (campos.endsWith(QLatin1Char(',')))
        campos.chop(1);
    if (campos.isEmpty())
        campos = QStringLiteral("*");
    if (vb::Trim(CampoBusqueda).isEmpty()) {
        const int coma = vb::InStr(campos, QStringLiteral(","));
        if (coma == 0)
            return std::nullopt;
        CampoBusqueda = vb::Left(campos, coma - 1);
    }
    QString filtro = CampoLimpio(mascara.Filtro);
    if (filtro.isEmpty() && !vb::Trim(Where).isEmpty())
        filtro = Where;
    if (EsAlguna(tabla, {"VT_CLIENTES", "VT_PROVEEDORES"}) && vb::Trim(filtro).isEmpty())
        filtro = QStringLiteral("Dada_De_Baja = 0");
    if (vb::Iguales(tabla, ArticulosVista)) {
        tabla = ArticulosListados;
        if (vb::Trim(filtro).isEmpty())
            filtro = QStringLiteral("SUSPENDIDO = 0");
    }
    return Select(Top, campos, tabla, filtro, CampoBusqueda);
}

QString Lib_ClsCons3::CamposAutomaticos(const QStringList& columnas, QString& CampoBusqueda) {
    QString campos;
    bool primera = true;
    for (const QString& columna : columnas) {
        if (EsColumnaDeControl(columna))
            continue;
        campos = campos.isEmpty() ? columna : columna + QStringLiteral(",") + campos;
        if (primera || EsAlguna(columna, {"DESCRIPCION", "NOMBRE", "DETALLE"}))
            CampoBusqueda = columna;
        primera = false;
    }
    return campos.isEmpty() ? QStringLiteral(" * ") : campos;
}

QString Lib_ClsCons3::SentenciaAutomatica(const QString& SQL, const QString& campos, int Top,
                                          const QString& CampoBusqueda, const QString& Where) {
    return Select(Top, campos, SQL, Where, CampoBusqueda);
}

// ---- Choosing the statement ---------------------------------------------------------------

// The first record of the masks file written for the table; nothing when the masks are off,
// when the file is missing or when no record names the table.
std::optional<MascaraConsulta> Lib_ClsCons3::BuscarMascara(const QString& SQL) const {
    if (!gUsarMascarasConsultas || !archivos::ExisteArchivo(gRutaMascaraConsultas))
        return std::nullopt;
    std::optional<MascaraConsulta> encontrada;
    archivos::ArchivoRegistros archivo;
    IgnorarErrores({[&] { archivo.Abrir(gRutaMascaraConsultas, MascaraConsulta::Longitud); },
                    [&] {
                        const qint64 registros = archivo.CantidadRegistros();
                        for (qint64 n = 1; n <= registros && !encontrada; ++n) {
                            MascaraConsulta m = MascaraConsulta::Desempaquetar(archivo.Get(n));
                            if (vb::Iguales(CampoLimpio(m.Tabla), vb::Trim(SQL)))
                                encontrada = m;
                        }
                    },
                    [&] { archivo.Cerrar(); }});
    return encontrada;
}

QString Lib_ClsCons3::SentenciaSinMascara(const QString& SQL, int Top, QString& CampoBusqueda,
                                          const QString& Where, const QString& SentenciaOpcional) {
    if (!vb::Trim(SentenciaOpcional).isEmpty())
        return SentenciaOpcional;
    QString campos;
    if (vb::Iguales(SQL, QStringLiteral("V_TA_DEPOSITO"))) {
        campos = QStringLiteral("Descripcion,IdDeposito,UnidadNegocio");
        CampoBusqueda = QStringLiteral("IDDEPOSITO");
    } else {
        campos = CamposAutomaticos(ColumnasDe(SQL), CampoBusqueda);
    }
    return SentenciaAutomatica(SQL, campos, Top, CampoBusqueda, Where);
}

// The statement to list; nothing when the table's mask has to be configured first (the user
// has been told so).
std::optional<QString> Lib_ClsCons3::ElegirSentencia(const QString& SQL, int Top,
                                                     QString& CampoBusqueda, const QString& Where,
                                                     const QString& SentenciaOpcional) {
    if (EsSentencia(SQL))
        return SentenciaCompleta(SQL);
    if (const std::optional<MascaraConsulta> mascara = BuscarMascara(SQL)) {
        std::optional<QString> sentencia = SentenciaMascara(*mascara, Top, CampoBusqueda, Where);
        if (!sentencia)
            MsgBox(QStringLiteral("Debe configurar la consulta para esta tabla"), vbInformation,
                   QStringLiteral("Aviso al operador"));
        return sentencia;
    }
    return SentenciaSinMascara(SQL, Top, CampoBusqueda, Where, SentenciaOpcional);
}

// ---- The lookup ---------------------------------------------------------------------------

void Lib_ClsCons3::ConsultaSearch(const QString& SQL, Coleccion* CmpsDevueltos,
                                  const QString& Clave, QString* CampoBusqueda, QString* Where,
                                  const QString& SentenciaOpcional, bool TreeView,
                                  const QString& ValoresDefault) {
    QString campoPropio;
    QString wherePropio;
    Coleccion ninguna;
    QString& campoBusqueda = CampoBusqueda ? *CampoBusqueda : campoPropio;
    QString& where = Where ? *Where : wherePropio;
    Coleccion& devueltos = CmpsDevueltos ? *CmpsDevueltos : ninguna;
    LeerConfiguracion();
    QString auxiliar;
    // A database that cannot be read was reported once: no list opens on it.
    const std::optional<QString> topConsArt =
        ModGlobal::LeerCfg(QStringLiteral("TopConsArt"), auxiliar);
    std::optional<QString> sentencia;
    if (topConsArt) {
        where = ArmarWhere(where);
        sentencia =
            ElegirSentencia(SQL, LimiteFilas(*topConsArt), campoBusqueda, where, SentenciaOpcional);
    }
    if (!sentencia) {
        // No window was shown: nothing was chosen, whatever the last lookup returned.
        ValorDevuelto = QString();
        return;
    }
    if (TreeView)
        MostrarArbol(*sentencia);
    else
        MostrarLista(*sentencia, Clave, campoBusqueda, ValoresDefault, devueltos);
    CampoDevuelto.clear();
    if (devueltos) {
        devueltos->clear();
        devueltos = nullptr;
    }
}

void Lib_ClsCons3::MostrarArbol(const QString& sentencia) {
    QPointer<Lib_FrmCons3Tree> arbol = new Lib_FrmCons3Tree();
    IgnorarErrores({[&] {
                        arbol->SQL = sentencia;
                        arbol->CampoDevuelto = CampoDevuelto;
                        arbol->CheckBoxes = Checks;
                        Valores = nullptr;
                    },
                    [&] { arbol->Show(true); },
                    [&] {
                        // Closed from its title bar, the window is gone: nothing was chosen.
                        ValorDevuelto = arbol ? arbol->ValorDevuelto : QVariant(QString());
                        Valores = arbol ? arbol->Valores : nullptr;
                        Checks = false;
                    }});
    Descartar(arbol);
}

void Lib_ClsCons3::MostrarLista(const QString& sentencia, const QString& Clave,
                                const QString& CampoBusqueda, const QString& ValoresDefault,
                                const Coleccion& devueltos) {
    QPointer<Lib_FrmCons3> lista = new Lib_FrmCons3();
    IgnorarErrores({[&] { PrepararLista(*lista, sentencia, Clave, CampoBusqueda, ValoresDefault); },
                    [&] {
                        Valores = nullptr;
                        Cantidades = nullptr;
                        lista->CmpsDevueltos = devueltos;
                        lista->Valores = nullptr;
                        lista->Cantidades = nullptr;
                    },
                    [&] { lista->Show(true); },
                    [&] {
                        Checks = false;
                        // Closed from its title bar, the window is gone: nothing was chosen.
                        if (!lista) {
                            Valores = Cantidades = nullptr;
                            ValorDevuelto = QString();
                            return;
                        }
                        Valores = lista->Valores;
                        Cantidades = lista->Cantidades;
                        ValorDevuelto = lista->ValorDevuelto;
                        lista->CampoDevuelto.clear();
                        lista->Valores = nullptr;
                        lista->Cantidades = nullptr;
                    }});
    Descartar(lista);
}

void Lib_ClsCons3::PrepararLista(Lib_FrmCons3& lista, const QString& sentencia,
                                 const QString& Clave, const QString& CampoBusqueda,
                                 const QString& ValoresDefault) const {
    lista.StkNivel1 = StkNivel1;
    lista.StkNivel2 = StkNivel2;
    lista.StkNivel3 = StkNivel3;
    lista.StkNivel4 = StkNivel4;
    lista.MuestraStock = MuestraStock;
    lista.CfgUsaConsultaLIKE = usaConsultaLike_;
    lista.OrdenarPorLwv = !TieneOrden(sentencia);
    lista.FiltroInicial = Clave;
    lista.CampoBusqueda = CampoBusqueda;
    lista.SQL = sentencia;
    lista.CampoDevuelto = CampoDevuelto;
    lista.CheckBoxes = Checks;
    lista.UsaCantidades = UsaCantidades;
    lista.ValoresDefault = ValoresDefault;
}

// Every lookup gets a newly loaded window: the one just used goes.
void Lib_ClsCons3::Descartar(Formulario* ventanaUsada) {
    QPointer<Formulario> ventana(ventanaUsada);
    if (ventana)
        IgnorarErrores({[&] { ventana->Unload(); }});
    if (ventana)
        ventana->deleteLater();
}

// ---- Option lists -------------------------------------------------------------------------

QVariant Lib_ClsCons3::CheckOpciones(const QString& Titulo, const Coleccion&,
                                     const QStringList& Opc) {
    QPointer<Lib_FrmCons3> lista = new Lib_FrmCons3();
    IgnorarErrores({[&] { MostrarOpciones(*lista, Titulo, Opc, true); },
                    // Closed from its title bar, the window is gone: nothing was ticked.
                    [&] { Valores = lista ? lista->Valores : nullptr; }});
    Descartar(lista);
    return {};
}

QString Lib_ClsCons3::MenuOpciones(const QString& Titulo, const QStringList& Opc) {
    QPointer<Lib_FrmCons3> lista = new Lib_FrmCons3();
    QString elegida;
    IgnorarErrores({[&] { MostrarOpciones(*lista, Titulo, Opc, false); },
                    [&] {
                        if (lista)
                            elegida = vb::ValorTexto(lista->ValorDevuelto);
                    }});
    Descartar(lista);
    return elegida;
}

// The list window without a statement: one column captioned with the title and one row per
// option, the window as wide as the longest option (never wider than the screen).
void Lib_ClsCons3::MostrarOpciones(Lib_FrmCons3& lista, const QString& Titulo,
                                   const QStringList& Opc, bool casillas) {
    lista.Load();
    lista.SetCaption(Titulo);
    lista.CmdNueva->setVisible(false);
    lista.OrdenarPorLwv = true;
    lista.SQL.clear();
    lista.CampoDevuelto = Titulo;
    lista.CheckBoxes = casillas;
    lista.Modelo().SetCasillas(casillas);
    const int ancho = lista.ListView1->width();
    lista.CmbSearch[0]->resize(ancho, lista.CmbSearch[0]->height());
    lista.Modelo().FijarColumnas({Titulo});
    lista.ListView1->setColumnWidth(0, ancho);
    int mayor = vb::Len(Titulo);
    std::vector<QString> celdas;
    std::vector<char> marcas;
    for (const QString& opcion : Opc) {
        celdas.push_back(casillas ? vb::Mid(opcion, 2) : opcion);
        marcas.push_back(casillas && vb::Left(opcion, 1) == QStringLiteral("1"));
        mayor = std::max(mayor, vb::Len(opcion));
    }
    lista.Modelo().FijarFilas(std::move(celdas), {}, std::move(marcas));
    const int pantalla = ATwips(lista.screen()->geometry().width());
    lista.SetWidth(mayor * 120 < pantalla ? mayor * 120 : pantalla);
    lista.update();
    lista.Show(true);
}
