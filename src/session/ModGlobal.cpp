#include "session/ModGlobal.h"

#include "platform/ado/Recordset.h"
#include "platform/dialogs/CodigosMsgBox.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/Procedimiento.h"
#include "platform/files/ArchivoRegistros.h"
#include "platform/files/Carpetas.h"
#include "platform/files/Programas.h"
#include "platform/runtime/Fechas.h"
#include "platform/runtime/Numeros.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/runtime/Variantes.h"
#include "platform/suite/ArchivoIni.h"
#include "platform/suite/ObjetosSuite.h"
#include "platform/suite/Reporteador.h"
#include "platform/suite/UtilGeneral.h"
#include "platform/suite/UtilSistema.h"
#include "session/DB_Dll.h"
#include "session/DialogoErrores.h"
#include "session/ModGlobalUtilidades.h"
#include "session/ast.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdlib>
#include <optional>
#include <vector>

namespace ModGlobal {
namespace {

const QString ArchivoIniSesion = QStringLiteral("DA000re.INI");

// ---- Shared pieces ------------------------------------------------------------------------

AccionTerminar& Terminacion() {
    static AccionTerminar accion;
    return accion;
}

void TerminarPrograma() {
    if (Terminacion())
        Terminacion()();
    else
        std::exit(0);
}

// Start-up skips invalid-argument errors without a word. Any other failure is told to the
// operator and logged, so that a session that did not get its settings never goes unnoticed;
// the answer says whether start-up retries, goes on or stops there.
AccionError RutinaInicio(const ErrorEjecucion& error, const QString& procedimiento) {
    if (error.Number() == 5)
        return AccionError::Ignorar;
    const ErrorEjecucion informado(error.Number(),
                                   QStringLiteral("No se pudo completar el inicio de la sesión. ") +
                                       error.Description(),
                                   error.Source());
    return TratarConDialogo(informado, procedimiento);
}

QString LineaComandoProceso() {
    if (!QCoreApplication::instance())
        return {};
    return LineaDeArranque(QCoreApplication::arguments().mid(1));
}

// ---- Start-up -----------------------------------------------------------------------------

// Working values of one start-up call.
struct Inicio {
    bool AllowIni = false;
    QString CmdLine;
    QString* ConnString = nullptr;
    long CursorLocation = 3;
    QString RutaPrograma;
    QString ComandoSesion;
    bool Conectar = false;
    bool ConfiguracionLeida = false;
    ComandoArranque Comando;
};

QString ComandoDesdeIni() {
    const UtilGeneral& util = UtilGeneral::Instancia();
    const UtilSistema& sistema = UtilSistema::Instancia();
    const QString seccion = vb::UCase(sistema.IdentidadEquipo()) + u'|' +
                            vb::UCase(sistema.IdentidadUsuario()) + QStringLiteral("BaseDeDatos");
    const auto leer = [&](const char* clave, const QString& porDefecto) {
        return ArchivoIni::Instancia().LeerIni(ArchivoIniSesion, seccion,
                                               QString::fromLatin1(clave), porDefecto);
    };
    const QStringList barra{QStringLiteral("|")};
    const QString servidor = util.LimpiarTexto(leer("Servidor", {}), barra);
    const QString base = util.LimpiarTexto(leer("DbName", {}), barra);
    const QString usuario = util.LimpiarTexto(
        util.Decodificar(leer("Usuario", util.Codificar(QStringLiteral("Sorvane")))), barra);
    const QString clave = util.LimpiarTexto(
        util.Decodificar(leer("UserPassWord", util.Codificar(QStringLiteral("tarumba")))), barra);
    return QStringLiteral("@server=") + servidor + QStringLiteral("; @dbname= ") + base +
           QStringLiteral("; @usuario= ") + usuario + QStringLiteral("; @Password= ") + clave +
           QStringLiteral("; @ParametroAdicional=; @Caja=1;zeta@");
}

QString SeccionDelEquipo() {
    const QString texto = vb::UCase(UtilSistema::Instancia().IdentidadEquipo()) + u'|' +
                          vb::UCase(UtilSistema::Instancia().IdentidadUsuario());
    return vb::Trim(texto).size() > 50 ? texto.left(50) : texto;
}

void AgregarPreparacion(std::vector<Paso>& pasos, Inicio& in) {
    pasos.insert(
        pasos.end(),
        {
            [&] {
                in.RutaPrograma =
                    UtilGeneral::Instancia().NormalizarRuta(archivos::CarpetaPrograma());
            },
            [&] {
                if (QCoreApplication::instance())
                    QCoreApplication::instance()->setProperty(
                        "ArchivoAyuda",
                        archivos::RutaPlataforma(in.RutaPrograma +
                                                 QStringLiteral("htmlhelp\\zovurivivav.chm")));
            },
            [] {
                Valores.ColorLetra = 0;
                Valores.ColorFondo = 0xFFFFFF;
            },
            [&] { in.ComandoSesion = !in.CmdLine.isEmpty() ? in.CmdLine : LineaComandoProceso(); },
            [&] {
                if (in.AllowIni && vb::Trim(in.ComandoSesion).isEmpty())
                    in.ComandoSesion = ComandoDesdeIni();
            },
            [] { Valores.SeccionEquipoUsuario = SeccionDelEquipo(); },
            [] {
                Valores.EstiloBarras = vb::Val(ArchivoIni::Instancia().LeerIni(
                    ArchivoIniSesion, Valores.SeccionEquipoUsuario, QStringLiteral("FlatToolbars"),
                    QStringLiteral("1")));
            },
        });
}

void LeerEtiquetas(Inicio& in) {
    in.Comando = LeerComandoArranque(in.ComandoSesion);
    Valores.ParametroAdicional = in.Comando.ParametroAdicional;
    Valores.MenuOrigen = in.Comando.Menu;
    Valores.UsuarioLogeado = in.Comando.UsuarioLogeado;
    Valores.Caja = in.Comando.Caja;
}

void ServidorOracle(Inicio& in) {
    ComandoArranque& c = in.Comando;
    if (vb::Trim(c.Servidor).isEmpty() || !c.Servidor.startsWith(u'#'))
        return;
    c.Servidor = c.Servidor.mid(1);
    if (in.ConnString->isEmpty())
        *in.ConnString = DB_Dll::CadenaOracle(c.BaseDatos, c.Usuario, c.Password);
}

void AgregarConexion(std::vector<Paso>& pasos, Inicio& in) {
    DB_Dll& db = DB_Dll::Instancia();
    const auto siConecta = [&in](std::function<void()> paso) -> Paso {
        return [&in, paso] {
            if (in.Conectar)
                paso();
        };
    };
    pasos.push_back([&in, &db] { in.Conectar = !db.gOpenFlag; });
    pasos.insert(pasos.end(), {
                                  siConecta([&in] { LeerEtiquetas(in); }),
                                  siConecta([&in] { ServidorOracle(in); }),
                                  siConecta([&in, &db] {
                                      db.gUsuario = in.Comando.Usuario;
                                      db.gDBName = in.Comando.BaseDatos;
                                      db.gUserPassWord = in.Comando.Password;
                                      db.gServidor = NombreServidor(in.Comando.Servidor);
                                  }),
                                  siConecta([&in, &db] {
                                      db.OpenServerADODB(vb::Trim(in.Comando.Servidor).isEmpty(),
                                                         in.CursorLocation, *in.ConnString, true,
                                                         true);
                                  }),
                                  siConecta([&db] {
                                      if (db.gOpenFlag)
                                          return;
                                      TerminarPrograma();
                                      SalirDelProcedimiento();
                                  }),
                                  siConecta([&db] { Valores.UsuarioLogeado = db.gUsuario; }),
                                  siConecta([&db] {
                                      db.gCnn.SetCommandTimeout(360);
                                      db.gCnn.SetIsolationLevel(256);
                                  }),
                              });
}

void AgregarSesionAbierta(std::vector<Paso>& pasos, Inicio& in) {
    DB_Dll& db = DB_Dll::Instancia();
    const auto conBase = [&db](std::function<void()> paso) -> Paso {
        return [&db, paso] {
            if (!db.gDBName.isEmpty())
                paso();
        };
    };
    pasos.insert(
        pasos.end(),
        {
            conBase([&db] {
                Valores.CadenaODBC = QStringLiteral("DSN=") + db.gDBName +
                                     QStringLiteral("; UID=") + db.gUsuario +
                                     QStringLiteral("; PWD=") + db.gUserPassWord;
            }),
            conBase([&in] { Reporteador::Instancia().SetConexionReporte(in.RutaPrograma); }),
            conBase([&db] { db.gCnn.SetDefaultDatabase(db.gDBName); }),
            conBase([&in] {
                Valores.RutaMascaraConsultas = in.RutaPrograma + QStringLiteral("consultas.sve");
            }),
            conBase([] {
                if (!archivos::ExisteArchivo(Valores.RutaMascaraConsultas))
                    CrearMascarasConsultas();
            }),
            conBase([&db] { db.gCnn.SetDefaultDatabase(db.gDBName); }),
            conBase([&in] { in.ConfiguracionLeida = CargarConfiguracion(in.RutaPrograma); }),
        });
}

// ---- Sibling programs and shutdown --------------------------------------------------------

// A backslash names a folder anywhere in the link; a slash, this platform's separator, only in
// the program before the first blank: after it come values ("TORN 1/4" is an article code).
bool NombraCarpeta(const QString& Link) {
    return Link.contains(u'\\') || Link.mid(6).section(u' ', 0, 0).contains(u'/');
}

} // namespace

// ---- Session values -----------------------------------------------------------------------

void RestablecerValores() {
    Valores = ValoresSesion();
    ast::Plan = ast::EstructuraPlanCuentas();
    CamposValores.clear();
}

// ---- The launch command -------------------------------------------------------------------

QString ValorEtiqueta(const QString& comando, const QString& etiqueta, const QString& porDefecto) {
    qsizetype p = comando.indexOf(etiqueta, 0, Qt::CaseInsensitive);
    // "@Usuario" is not the start of "@UsuarioLogeado".
    while (p >= 0 && p + etiqueta.size() < comando.size() &&
           comando.at(p + etiqueta.size()).isLetterOrNumber())
        p = comando.indexOf(etiqueta, p + 1, Qt::CaseInsensitive);
    if (p < 0)
        return porDefecto;
    const qsizetype inicio = p + etiqueta.size();
    const qsizetype fin = comando.indexOf(u';', inicio);
    QString valor = vb::Trim(comando.mid(inicio, fin < 0 ? -1 : fin - inicio));
    // Only the "=" that joins the value to its tag goes: a password may hold more.
    if (valor.startsWith(u'='))
        valor = vb::Trim(valor.mid(1));
    return valor;
}

QString LineaDeArranque(const QStringList& argumentos) {
    return argumentos.size() == 1 ? argumentos.front() : argumentos.join(u' ');
}

ComandoArranque LeerComandoArranque(const QString& comando) {
    ComandoArranque c;
    c.ParametroAdicional = ValorEtiqueta(comando, QStringLiteral("@ParametroAdicional"));
    c.Menu = ValorEtiqueta(comando, QStringLiteral("@Menu"));
    c.Servidor = ValorEtiqueta(comando, QStringLiteral("@Server"));
    c.BaseDatos = ValorEtiqueta(comando, QStringLiteral("@DbName"));
    c.Usuario = ValorEtiqueta(comando, QStringLiteral("@Usuario"));
    c.Password = ValorEtiqueta(comando, QStringLiteral("@Password"));
    c.UsuarioLogeado = ValorEtiqueta(comando, QStringLiteral("@UsuarioLogeado"));
    c.Caja = ValorEtiqueta(comando, QStringLiteral("@Caja"), QStringLiteral("1"));
    return c;
}

QString NombreServidor(const QString& Servidor) {
    QString servidor = Servidor;
    const qsizetype barra = servidor.indexOf(u'/');
    if (barra >= 0)
        servidor = servidor.mid(barra + 1);
    const qsizetype dosPuntos = servidor.indexOf(u':');
    if (dosPuntos >= 0)
        servidor = servidor.left(dosPuntos);
    return servidor;
}

AccionTerminar FijarTerminarPrograma(AccionTerminar accion) {
    AccionTerminar anterior = std::move(Terminacion());
    Terminacion() = std::move(accion);
    return anterior;
}

// ---- Start-up -----------------------------------------------------------------------------

bool IniciarSesion(bool AllowIni, const QString& CmdLine, QString& ConnString,
                   long CursorLocation) {
    Inicio in;
    in.AllowIni = AllowIni;
    in.CmdLine = CmdLine;
    in.ConnString = &ConnString;
    in.CursorLocation = CursorLocation;
    std::vector<Paso> pasos;
    AgregarPreparacion(pasos, in);
    AgregarConexion(pasos, in);
    AgregarSesionAbierta(pasos, in);
    const bool completo =
        !EjecutarPasos(QStringLiteral("IniciarSesion"), RutinaInicio, pasos).SalioAntes;
    return completo && in.ConfiguracionLeida;
}

bool IniciarSesion(bool AllowIni, const QString& CmdLine, const QString& ConnString,
                   long CursorLocation) {
    QString cadena = ConnString;
    return IniciarSesion(AllowIni, CmdLine, cadena, CursorLocation);
}

// ---- Query-mask file ----------------------------------------------------------------------

void AgregarMascaraConsulta(archivos::ArchivoRegistros& archivo, const QString& Titulo,
                            const QString& Tabla, const QString& Campos) {
    Valores.RegistroMascara.Titulo = vb::Trim(Titulo);
    Valores.RegistroMascara.Tabla = Tabla;
    Valores.RegistroMascara.Campos = vb::Trim(Campos);
    Valores.RegistroMascara.Filtro = QString();
    Valores.RegistroMascara.FinRegistro = QStringLiteral("\r\n");
    archivo.Put(archivo.CantidadRegistros() + 1, Valores.RegistroMascara.Empaquetar());
}

void CrearMascarasConsultas() {
    static const char* const mascaras[][3] = {
        {"ARTICULOS", "V_MA_ARTICULOS", "|DESCRIPCION|IDARTICULO|"},
        {"CLIENTES", "VT_CLIENTES", "|RAZON_SOCIAL|CODIGO|CONTACTO|"},
        {"PROVEEDORES", "VT_PROVEEDORES", "|RAZON_SOCIAL|CODIGO|"},
        {"CONTACTOS", "MA_CONTACTOS", "|Nombre_y_Apellido|Domicilio|Localidad|Telefono|"},
        {"VENDEDORES", "V_TA_VENDEDORES", "|NOMBRE|IDVENDEDOR|"},
        {"TECNICOS", "V_TA_TECNICOS", "|NOMBRE|IDTECNICO|"},
        {"TECNICOS", "V_TA_TECNICOS", "|NOMBRE|IDTECNICO|"},
        {"MANTENIMIENTOS", "V_MA_MANTENIMIENTOS", "|DESCRIPCION|CODIGO|"},
    };
    archivos::ArchivoRegistros archivo;
    archivo.Abrir(Valores.RutaMascaraConsultas, MascaraConsulta::Longitud);
    for (const auto& mascara : mascaras)
        AgregarMascaraConsulta(archivo, QString::fromLatin1(mascara[0]),
                               QString::fromLatin1(mascara[1]), QString::fromLatin1(mascara[2]));
    archivo.Cerrar();
}

// ---- Configuration values -----------------------------------------------------------------

namespace {

bool EsClaveDeFecha(const QString& clave) {
    return vb::Iguales(clave, QStringLiteral("[FECHA HASTA]")) ||
           vb::Iguales(clave, QStringLiteral("[FECHA DESDE]"));
}

// Cfg acts only on "go on"; retrying is not offered by its error block.
AccionError RutinaCfg(const ErrorEjecucion& error, const QString& procedimiento) {
    const AccionError accion = suite::TratarError(error, procedimiento);
    return accion == AccionError::Ignorar ? accion : AccionError::Abortar;
}

QVariant ValorGuardado(const QVariant& Valor) {
    return vb::IsNull(Valor) ? QVariant() : QVariant(vb::Trim(vb::ValorTexto(Valor)));
}

} // namespace

std::optional<QString> LeerCfg(const QString& Clave, QString& ValorAux) {
    DB_Dll& db = DB_Dll::Instancia();
    const QString clave = vb::Trim(Clave);
    ado::Recordset rs;
    QString sql;
    QString valor;
    const ResultadoPasos resultado = EjecutarPasos(
        QStringLiteral("Cfg"), RutinaCfg,
        {
            [] {
                if (vb::Trim(Valores.TablaConfiguracion).isEmpty())
                    Valores.TablaConfiguracion = QStringLiteral("TA_CONFIGURACION");
            },
            [&] {
                sql = QStringLiteral("SELECT VALOR, valoraux FROM ") + Valores.TablaConfiguracion +
                      QStringLiteral(" WHERE CLAVE = ") + DB_Dll::Instancia().SQLValue(clave);
            },
            [&] {
                if (EsClaveDeFecha(clave))
                    sql = sql.toUpper();
            },
            [&] {
                if (!db.AbrirRecordset(sql, rs, nullptr, ado::adOpenForwardOnly,
                                       ado::adLockReadOnly, -1, true))
                    SalirDelProcedimiento();
            },
            [&] {
                const UtilGeneral& util = UtilGeneral::Instancia();
                const bool hayFila = !rs.Eof();
                valor = hayFila ? util.ValorCampo(rs.Fields(QStringLiteral("VALOR")).Value())
                                : QStringLiteral(" ");
                ValorAux = hayFila ? util.ValorCampo(rs.Fields(QStringLiteral("ValorAux")).Value())
                                   : QString();
            },
            [&] { db.CierraRecordset(rs); },
        });
    if (resultado.SalioAntes) {
        db.CierraRecordset(rs);
        return std::nullopt;
    }
    return valor;
}

QString Cfg(const QString& Clave, QString& ValorAux) {
    return LeerCfg(Clave, ValorAux).value_or(QString());
}

QString Cfg(const QString& Clave) {
    QString ignorado;
    return Cfg(Clave, ignorado);
}

void GrabaDfg(const QString& Clave, const QVariant& Valor, const QString& ValorAux,
              bool PoliticaNegocio, const QString& Grupo) {
    DB_Dll& db = DB_Dll::Instancia();
    ado::Recordset rs;
    QString sql;
    const ResultadoPasos resultado = EjecutarPasos(
        QStringLiteral("GrabaDfg"), suite::TratarError,
        {
            [&] {
                sql = QStringLiteral("SELECT * FROM ") + Valores.TablaConfiguracion +
                      QStringLiteral(" WHERE CLAVE = ") +
                      DB_Dll::Instancia().SQLValue(vb::Trim(Clave));
            },
            [&] {
                if (!db.AbrirRecordset(sql, rs, &db.gCnn, ado::adOpenDynamic, ado::adLockOptimistic,
                                       -1, true))
                    SalirDelProcedimiento();
            },
            [&] {
                if (rs.Eof())
                    rs.AddNew();
            },
            [&] { rs.Fields(QStringLiteral("Grupo")).SetValue(Grupo); },
            [&] { rs.Fields(QStringLiteral("Clave")).SetValue(vb::UCase(vb::Trim(Clave))); },
            [&] { rs.Fields(QStringLiteral("Valor")).SetValue(ValorGuardado(Valor)); },
            [&] { rs.Fields(QStringLiteral("PoliticaNegocio")).SetValue(PoliticaNegocio); },
            [&] {
                if (!ValorAux.isEmpty())
                    rs.Fields(QStringLiteral("ValorAux")).SetValue(vb::Trim(ValorAux));
            },
            [&] { rs.Update(); },
            [&] { db.CierraRecordset(rs); },
        });
    if (resultado.SalioAntes)
        db.CierraRecordset(rs);
}

// ---- Session settings ---------------------------------------------------------------------

namespace {

// The nine sibling programs of the suite whose amounts take "CantidadDecimalesVentas"; this
// program is not one of them, and none of them runs this code.
const QStringList ProgramasDecimalesVentas;

// How the settings read their configuration values (see CargarConfiguracion).
bool InterruptorSi(const QString& valor) {
    return vb::Iguales(valor, QStringLiteral("SI"));
}
bool NoEsNo(const QString& valor) {
    return !vb::Iguales(vb::Trim(valor), QStringLiteral("NO"));
}
bool TresVias(const QString& valor) {
    return !vb::Trim(valor).isEmpty() && !vb::Iguales(valor, QStringLiteral("NO"));
}
bool SiRecortado(const QString& valor) {
    return vb::Iguales(vb::Trim(valor), QStringLiteral("SI"));
}
int Entero(const QString& valor) {
    return vb::CInt(vb::Val(valor));
}

// A key whose read failed ends the loading of the settings (see CargarConfiguracion).
QString Valor(const char* clave) {
    QString auxiliar;
    const std::optional<QString> valor = LeerCfg(QString::fromLatin1(clave), auxiliar);
    if (!valor)
        SalirDelProcedimiento();
    return *valor;
}

Paso Logico(const char* clave, bool& destino, bool (*interpretar)(const QString&)) {
    return [clave, &destino, interpretar] { destino = interpretar(Valor(clave)); };
}
Paso Texto(const char* clave, QString& destino) {
    return [clave, &destino] { destino = vb::Trim(Valor(clave)); };
}
Paso Importe(const char* clave, Currency& destino) {
    return [clave, &destino] {
        destino = UtilGeneral::Instancia().ValorMoneda(vb::Trim(Valor(clave)));
    };
}
Paso Color(const char* clave, long& destino) {
    return [clave, &destino] {
        destino = vb::CLng(UtilGeneral::Instancia().ValorMoneda(Valor(clave)));
    };
}

QString NombreEjecutable() {
    if (!QCoreApplication::instance())
        return {};
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

// The logged-in user's row may switch proforma invoices off, never on.
void AgregarFilaUsuario(std::vector<Paso>& pasos, ado::Recordset& rs, QString& sql) {
    DB_Dll& db = DB_Dll::Instancia();
    pasos.insert(pasos.end(),
                 {
                     [&sql] {
                         sql = QStringLiteral("Select * from ta_usuarios where Nombre = ") +
                               DB_Dll::Instancia().SQLValue(Valores.UsuarioLogeado);
                     },
                     [&db, &sql, &rs] {
                         if (!db.AbrirRecordset(sql, rs, nullptr, ado::adOpenForwardOnly,
                                                ado::adLockReadOnly, -1, true))
                             SalirDelProcedimiento();
                     },
                     [&rs] {
                         if (!rs.Eof())
                             Valores.UNegocio = UtilGeneral::Instancia().ValorCampo(
                                 rs.Fields(QStringLiteral("UNegocio")).Value());
                     },
                     [&rs] {
                         if (!rs.Eof() && Valores.UsaFacturaProforma)
                             Valores.UsaFacturaProforma =
                                 vb::CDbl(rs.Fields(QStringLiteral("VerProforma")).Value()) != 0;
                     },
                     [&db, &rs] { db.CierraRecordset(rs); },
                     [] {
                         if (Valores.UNegocio.isEmpty())
                             Valores.UNegocio = QStringLiteral("   1");
                     },
                 });
}

void AgregarHastaUsuario(std::vector<Paso>& pasos, const QString& RutaPrograma,
                         QString& ejecutable) {
    pasos.insert(
        pasos.end(),
        {
            [] { Valores.TablaConfiguracion = QStringLiteral("ta_configuracion"); },
            [] {
                Valores.MostrarStockenConsultas = InterruptorSi(
                    UtilGeneral::Instancia().ValorCampo(Valor("MostrarStockenConsultas")));
            },
            Texto("TituloClientes", Valores.TituloClientes),
            Texto("TituloProveedores", Valores.TituloProveedores),
            [&RutaPrograma] {
                Valores.ArchivoTareas = RutaPrograma + QStringLiteral("SVDOCTareas.sve");
            },
            Logico("EXIGECLAVECONSULTALIKEARTICULOS", Valores.ExigeClaveConsultaLikeArticulos,
                   InterruptorSi),
            Logico("UsaConsultaLike", Valores.UsaConsultaLike, InterruptorSi),
            [] { Valores.CantidadDecimales = Valor("CantidadDecimales"); },
            [&ejecutable] { ejecutable = NombreEjecutable(); },
            [&ejecutable] {
                if (UtilGeneral::Instancia().EstaEnLista(ejecutable, ProgramasDecimalesVentas) &&
                    vb::Val(Valor("CantidadDecimalesVentas")) > 0)
                    Valores.CantidadDecimales = Valor("CantidadDecimalesVentas");
            },
            Logico("UsaMultilesMonedas", Valores.UsaMultilesMonedas, InterruptorSi),
            Logico("UsaFacturaProforma", Valores.UsaFacturaProforma, InterruptorSi),
            Logico("USACCOSTO", Valores.UsaCCosto, InterruptorSi),
            Logico("USA_STK_STOCK_UDKG", Valores.UsaStkStockUdKg, InterruptorSi),
        });
}

void AgregarRestantes(std::vector<Paso>& pasos) {
    pasos.insert(pasos.end(),
                 {
                     Texto("UNIDADDEMEDIDA_M3", Valores.UnidadMedidaM3),
                     Texto("UNIDADDEMEDIDA_BL", Valores.UnidadMedidaBL),
                     Texto("UNIDADDEMEDIDA_KG", Valores.UnidadMedidaKG),
                     [] { Valores.PeriodoActual = Entero(Valor("PERIODO")); },
                     Logico("VALIDACODIGOBARRA", Valores.ValidaCodigoBarra, SiRecortado),
                     Color("CFondo", Valores.ColorFondo),
                     Color("CLetra", Valores.ColorLetra),
                     [] {
                         if (Valores.ColorFondo == 0)
                             Valores.ColorFondo = 0xFFFF00;
                     },
                     Logico("ModuloOrdenDeTrabajo", Valores.ModuloOrdenDeTrabajo, NoEsNo),
                     Logico("V_ModificaCPrecio", Valores.VModificaCPrecio, TresVias),
                     Logico("C_ModificaCPrecio", Valores.CModificaCPrecio, TresVias),
                     Logico("MADERERA", Valores.Maderera, TresVias),
                     Texto("MAD_TIRAS", Valores.MadTiras),
                     Texto("MAD_P2", Valores.MadP2),
                     Texto("MAD_ML", Valores.MadML),
                     Texto("MAD_M2", Valores.MadM2),
                     Texto("MAD_HOJAS", Valores.MadHojas),
                     Texto("MAD_ML_P2", Valores.MadMLP2),
                     Texto("MAD_M2_P2", Valores.MadM2P2),
                     Texto("MAD_ML_M2", Valores.MadMLM2),
                     Texto("CuentaCtroDist", Valores.CuentaCtroDist),
                     Importe("MaxDto", Valores.MaxDto),
                     Importe("MaxDtoProforma", Valores.MaxDtoProforma),
                     Logico("PideClave_StockNeg", Valores.PideClaveStockNeg, TresVias),
                     Logico("PideClave_MarkUpBase", Valores.PideClaveMarkUpBase, TresVias),
                     Logico("PideClave_LimiteCredito", Valores.PideClaveLimiteCredito, TresVias),
                     Logico("SS_BloqueoActivo", Valores.BloqueoActivo, InterruptorSi),
                     Logico("UTILIZARFECHADIA", Valores.UtilizarFechaDia, InterruptorSi),
                     [] {
                         int condicion = Entero(Valor("CONDIVAEMPRESA"));
                         if (condicion == 0)
                             condicion = Entero(Valor("CONDIVA"));
                         Valores.CondIvaEmpresa = condicion == 0 ? 1 : condicion;
                     },
                     [] {
                         Valores.TopDefault = Valor("Top_Default");
                         if (vb::Trim(Valores.TopDefault).isEmpty())
                             Valores.TopDefault = QStringLiteral("1000");
                     },
                 });
}

} // namespace

bool CargarConfiguracion(const QString& RutaPrograma) {
    QString ejecutable;
    QString sql;
    ado::Recordset rs;
    std::vector<Paso> pasos;
    AgregarHastaUsuario(pasos, RutaPrograma, ejecutable);
    AgregarFilaUsuario(pasos, rs, sql);
    AgregarRestantes(pasos);
    // Any other failing step leaves its setting as it was, without a word.
    return !EjecutarPasos(QStringLiteral("CargarConfiguracion"), ContinuarSiempre, pasos)
                .SalioAntes;
}

// ---- Sibling programs and shutdown --------------------------------------------------------

QString ColaComando(const QString& ParametroAdicional) {
    const DB_Dll& db = DB_Dll::Instancia();
    return QStringLiteral(" ; @server=") + db.gServidor + QStringLiteral("; @dbname=") +
           db.gDBName + QStringLiteral("; @usuario=") + db.gUsuario +
           QStringLiteral("; @Password=") + db.gUserPassWord +
           QStringLiteral("; @ParametroAdicional=") + ParametroAdicional +
           QStringLiteral("; zeta@ ; @UsuarioLogeado = ") + Valores.UsuarioLogeado +
           QStringLiteral("; @Caja=") + Valores.Caja + u';';
}

QString LineaComandoMenu(const QString& Link, const QString& ParametroAdicional) {
    const QString cola = ColaComando(ParametroAdicional);
    if (NombraCarpeta(Link))
        return Link.mid(6) + cola;
    return UtilGeneral::Instancia().NormalizarRuta(archivos::CarpetaPrograma()) + Link.mid(6) +
           cola;
}

void MenuExes(const QString& Link, const QString& ParametroAdicional, long& ProcessId) {
    QString linea;
    EjecutarPasos(
        QStringLiteral("MenuExes"), suite::TratarError,
        {
            [&] { linea = LineaComandoMenu(Link, ParametroAdicional); },
            [&] { ProcessId = long(archivos::LanzarPrograma(linea)); },
            [&] {
                if (ProcessId == 0)
                    MsgBox(QStringLiteral(
                               "Opcion no Implementada!\rComuniquese con su proveedor de sistemas"),
                           vbCritical + vbOKOnly, QStringLiteral("Atención"));
            },
        });
}

void CerrarControlAcceso() {
    const ResultadoPasos resultado =
        EjecutarPasos(QStringLiteral("CerrarControlAcceso"),
                      [](const ErrorEjecucion& error, const QString&) {
                          MsgBox(error.Description(), vbOKOnly);
                          return AccionError::Abortar;
                      },
                      {[] {
                          QString sql = QStringLiteral("UPDATE CONTROL_ACCESO ") +
                                        QStringLiteral(" SET EGRESO = '") +
                                        vb::Format(vb::Now(), FmtFecha() + u' ' + FmtHora()) +
                                        u'\'' + QStringLiteral(" WHERE EGRESO IS NULL AND ") +
                                        QStringLiteral(" ID = ") +
                                        QString::number(Valores.IdControlAcceso);
                          DB_Dll& db = DB_Dll::Instancia();
                          db.EjecutaConsultaSQL(sql);
                          // An exit time that was not stored is told, once.
                          if (db.gCnn.Errors().Count() > 0 &&
                              DB_Dll::LoInformaElLlamador(db.gCnn.Errors().Item(0)))
                              throw ErrorEjecucion(db.gCnn.Errors().Item(0).Number,
                                                   db.gCnn.Errors().Item(0).Description);
                      }});
    (void)resultado;
}

void FinalizarSesion() {
    CerrarControlAcceso();
    DB_Dll::Liberar();
    suite::LiberarObjetos();
}

} // namespace ModGlobal
