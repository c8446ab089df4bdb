#pragma once

#include "platform/files/MascaraConsulta.h"
#include "platform/runtime/Currency.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>

namespace archivos {
class ArchivoRegistros;
}

// The session: values filled at start-up from the launch command and the configuration
// table, alive until shutdown, and the session services (start-up, settings, sibling
// programs, shutdown, the query-mask file and configuration values).
namespace ModGlobal {

// The session's values, as a fresh run starts them: filled at start-up, alive until shutdown.
// One struct, so that starting afresh is one assignment and no value can be left out of it.
struct ValoresSesion {
    // ---- Launch command and start-up
    // -------------------------------------------------------------
    QString ParametroAdicional;
    QString MenuOrigen;
    QString UsuarioLogeado;
    QString Caja;
    QString SeccionEquipoUsuario;
    QVariant EstiloBarras;
    long ColorFondo = 0xFFFFFF;
    long ColorLetra = 0;
    QString CadenaODBC;

    // ---- Session settings (configuration table and the user's row)
    // -------------------------------
    QString TablaConfiguracion;
    bool MostrarStockenConsultas = false;
    QString TituloClientes;
    QString TituloProveedores;
    QString ArchivoTareas;
    bool ExigeClaveConsultaLikeArticulos = false;
    bool UsaConsultaLike = false;
    QString CantidadDecimales;
    bool UsaMultilesMonedas = false;
    bool UsaFacturaProforma = false;
    bool UsaCCosto = false;
    bool UsaStkStockUdKg = false;
    QString UNegocio;
    QString UnidadMedidaM3;
    QString UnidadMedidaBL;
    QString UnidadMedidaKG;
    int PeriodoActual = 0;
    bool ValidaCodigoBarra = false;
    bool ModuloOrdenDeTrabajo = false;
    bool VModificaCPrecio = false;
    bool CModificaCPrecio = false;
    bool Maderera = false;
    QString MadTiras;
    QString MadP2;
    QString MadML;
    QString MadM2;
    QString MadHojas;
    QString MadMLP2;
    QString MadM2P2;
    QString MadMLM2;
    QString CuentaCtroDist;
    Currency MaxDto;
    Currency MaxDtoProforma;
    bool PideClaveStockNeg = false;
    bool PideClaveMarkUpBase = false;
    bool PideClaveLimiteCredito = false;
    bool BloqueoActivo = false;
    bool UtilizarFechaDia = false;
    int CondIvaEmpresa = 0;
    QString TopDefault;

    // ---- Sibling programs and shutdown
    // ----------------------------------------------------------- Id of the session's access
    // record; nothing assigns it, so shutdown closes the rows of id 0.
    long IdControlAcceso = 0;

    // ---- Query-mask file
    // ------------------------------------------------------------------------- The file start-up
    // chose for the query masks ("consultas.sve" in the program folder), empty until a session with
    // a database name starts. The lookup library takes it from here.
    QString RutaMascaraConsultas;
    // The record buffer, filled field by field before each write.
    MascaraConsulta RegistroMascara;
};

inline ValoresSesion Valores;

// Every session value, the account plan and the column list of ModGlobalUtilidades.h back to
// what a fresh run starts with, so that a process that opens one session after another (the
// tests do) starts each from nothing.
void RestablecerValores();

// ---- The launch command -------------------------------------------------------------------
// The session a launch command carries, each value trimmed; absent tags give their defaults.
struct ComandoArranque {
    QString ParametroAdicional;
    QString Menu;
    QString Servidor;
    QString BaseDatos;
    QString Usuario;
    QString Password;
    QString UsuarioLogeado;
    QString Caja = QStringLiteral("1");
};

// The value of one tag ("@Caja"): its first occurrence, found without regard to case, as the
// whole tag (not followed by a letter or digit); the value runs from there to the next ";"
// (or the end), trimmed, without the "=" that may join it to the tag ("@Server=SRV01;" and
// "@Server SRV01;" both give "SRV01"). `porDefecto` when the tag does not occur.
QString ValorEtiqueta(const QString& comando, const QString& etiqueta,
                      const QString& porDefecto = {});
ComandoArranque LeerComandoArranque(const QString& comando);
// The launch line from the process's arguments: a single one as it is (a sibling program
// passes its whole line so, quotes and blanks included), several joined by one blank (typed
// in a shell).
QString LineaDeArranque(const QStringList& argumentos);

// ---- Session services ---------------------------------------------------------------------
// Turns the launch command into the session. `ConnString` receives the Oracle connection
// string built for a "#" server. On the first call of the run a session that cannot connect
// ends the program (see FijarTerminarPrograma). False when start-up stopped short of its end
// or could not read the settings: the operator has been told, and the caller reads no more.
bool IniciarSesion(bool AllowIni, const QString& CmdLine, QString& ConnString, long CursorLocation);
bool IniciarSesion(bool AllowIni = false, const QString& CmdLine = {},
                   const QString& ConnString = {}, long CursorLocation = 3);
// The server part of a server text: after the first "/", before the first ":".
QString NombreServidor(const QString& Servidor);

// What ends the program when the session cannot connect. By default the process exits at
// once; tests put their own action in. An empty action restores the default; the previous
// one is given back.
using AccionTerminar = std::function<void()>;
AccionTerminar FijarTerminarPrograma(AccionTerminar accion);

// Loads the session settings from the configuration table and the user's row. The first
// read that fails (it was reported) ends the loading, and the result is false: on a damaged
// or locked database one message is enough.
bool CargarConfiguracion(const QString& RutaPrograma);
// Writes the default query masks into the file at RutaMascaraConsultas.
void CrearMascarasConsultas();
// Appends one mask after the file's last whole record (title and columns trimmed, the table
// name as given, no filter).
void AgregarMascaraConsulta(archivos::ArchivoRegistros& archivo, const QString& Titulo,
                            const QString& Tabla, const QString& Campos);

// The VALOR of a configuration key (one blank when the key has no row); `ValorAux` receives
// the row's auxiliary value.
QString Cfg(const QString& Clave, QString& ValorAux);
QString Cfg(const QString& Clave);
// The same read, for callers that must stop at a database that cannot be read: nothing when
// the read failed (the operator was told once, and needs no second message).
std::optional<QString> LeerCfg(const QString& Clave, QString& ValorAux);
// Adds the configuration row or updates the existing one.
void GrabaDfg(const QString& Clave, const QVariant& Valor, const QString& ValorAux,
              bool PoliticaNegocio, const QString& Grupo);

// The session tail appended to every sibling program's command line.
QString ColaComando(const QString& ParametroAdicional);
// The command line MenuExes starts for a link ("shell:" + program and its arguments).
QString LineaComandoMenu(const QString& Link, const QString& ParametroAdicional);
// Starts a sibling program with the session on its command line; `ProcessId` receives its id.
void MenuExes(const QString& Link, const QString& ParametroAdicional, long& ProcessId);
// Closes the session: stamps the exit time on the access record and releases the shared
// objects.
void FinalizarSesion();
void CerrarControlAcceso();

} // namespace ModGlobal
