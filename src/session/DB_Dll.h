#pragma once

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/errors/ErrorEjecucion.h"

#include <QString>
#include <QVariant>
#include <memory>

class DialogoComun;

// The program's database-access object: the one connection of the run and the parameters
// it was opened with, and every statement, recordset, lookup, schema and error operation
// the windows use. One instance per run, reached through Instancia().
class DB_Dll {
public:
    static DB_Dll& Instancia();
    // Releases the instance with its connection (session shutdown).
    static void Liberar();
    static bool Existe();

    // ---- Public variables, in member order ------------------------------------------
    DialogoComun* CmdDlg = nullptr; // created on first use by OpenLocalADODB
    bool gOpenFlag = false;
    QVariant gIgnoraPassWord;
    ado::Connection gCnn;
    QVariant glrcs;
    QVariant gCursorLocation;
    QString gProveedor;
    QString gDsn;
    QString gServidor;
    QString gDBName;
    QString gUsuario;
    bool gEsAdmin = false;
    QString gUserPassWord;
    QString gConnString;
    QString gExtended;
    QString gLogErr;
    bool ParametrosSQL = false;

    // ---- Table lookups and value helpers --------------------------------------------
    QVariant BuscaMaximo(const QString& QueTabla, const QString& QueCampo,
                         const QVariant& Tipo = {}, const QVariant& Condicion = {});
    QVariant BuscaMinimo(const QString& QueTabla, const QString& QueCampo,
                         const QVariant& Tipo = {}, const QVariant& Condicion = {});
    bool ExisteEnTablaST(const QString& Tabla, const QString& ValorBuscado,
                         const QString& Campo = QStringLiteral("Codigo"),
                         ado::Recordset* Lrcs = nullptr, const QVariant& Tipodato = 8,
                         const QString& Condicion = {}, bool SoloLectura = false);
    bool ExisteEnTabla(const QString& Tabla, const QString& ValorBuscado,
                       const QString& Campo = QStringLiteral("Codigo"),
                       ado::Recordset* Lrcs = nullptr, const QVariant& Tipodato = 8,
                       const QString& Condicion = {}, bool SoloLectura = true);
    QVariant DatosTabla(const QString& Tabla, const QString& ValorBuscado,
                        const QString& CampoDevuelto,
                        const QString& Campo = QStringLiteral("Codigo"),
                        const QVariant& Tipodato = 8, const QString& Condicion = {},
                        bool UsaTrim = true);
    QVariant BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo,
                               const QVariant& Tipo = 8, const QString& Condicion = {});
    static bool adodate(const QVariant& Qtype);
    static QString ADOComilla(const QVariant& Qtype);
    static bool ADOText(const QVariant& Qtype);
    static bool ADONumeric(const QVariant& Qtype);
    static bool ADOCurrency(const QVariant& Qtype);
    static bool ADOBoolean(const QVariant& Qtype);
    void QConsulta(const QVariant& TB, const QVariant& Rsp, const QVariant& Cl1,
                   const QVariant& Cl2, const QVariant& CmpDisplay, const QVariant& SQLWHERE);
    void QGridConsulta(const QVariant& Sentencia, const QVariant& CampoDevuelto1,
                       const QVariant& gCnnString, const QVariant& CampoDevuelto2,
                       const QVariant& CampoDevuelto3);
    static QString stSTF(QString& rsName, int rnPart);
    static QString AddBrackets(const QString& rObjName);
    static QString StripConnect(const QString& rsTblName);
    static QString StripBrackets(const QString& rsObjName);
    static QString StripOwner(QString& rsTblName);
    static QString StripFileName(const QString& rsFileName);

    // ---- Opening the connection -----------------------------------------------------
    void OpenServerADODB(bool PideParametrosSQL = false, long lCursor = 3,
                         const QString& ConnString = {}, bool ValidaAdmin = true,
                         bool MuestraError = true);
    void OpenLocalADODB(const QString& ConnString = {},
                        const QString& CadenaID = QStringLiteral("User Id"),
                        const QString& CadenaPWD = QStringLiteral("Password"));
    static QString pJETOLEDB40() { return QStringLiteral("Microsoft.Jet.OLEDB.4.0"); }
    static QString pJETOLEDB35() { return QStringLiteral("Microsoft.Jet.OLEDB.3.51"); }
    static QString pSQLOLEDB() { return QStringLiteral("SQLOLEDB"); }
    // The string that opens an Oracle data source. What the user typed goes through as typed:
    // a value with a separator in it is quoted, so it cannot add or replace a setting; one the
    // driver could not be handed exactly is refused by the provider before anything is sent.
    static QString CadenaOracle(const QString& base, const QString& usuario, const QString& clave);

    // ---- Statement execution and the Oracle dialect ---------------------------------
    // Never raises: the outcome is read from gCnn.Errors().Count() right after the call.
    void EjecutaConsultaSQL(QString& SentenciaSQL, long& RecordsAffected);
    void EjecutaConsultaSQL(QString& SentenciaSQL);
    // Whether EjecutaConsultaSQL leaves this failure of a statement outside a transaction for
    // its caller to tell (the provider's usual refusals, a text too long for its column); any
    // other it shows at once.
    static bool LoInformaElLlamador(const ado::Error& error);
    // True when Lrcs is open on the query. A failure has been put to the operator already:
    // the caller reads nothing and reports nothing more.
    bool AbrirRecordset(QString& SentenciaSQL, ado::Recordset& Lrcs,
                        ado::Connection* ConexionActiva = nullptr,
                        ado::TipoCursor CursorType = ado::adOpenForwardOnly,
                        ado::TipoBloqueo LockType = ado::adLockReadOnly, long Options = -1,
                        bool ConvOracle = true);
    void CierraRecordset(ado::Recordset& LrcsTemp);
    // How many reads have failed so far in the run. A caller that must not take an unread
    // value for an empty one (a check, a save) compares it before and after its reads.
    unsigned long LecturasFallidas() const { return lecturasFallidas_; }
    QString ORACLE_Dicc(const QString& Valor) const;

    // ---- Per-user synonyms and value quoting ----------------------------------------
    QString SS_TSinonimos(const QString& SQL) const;
    QString SQLValue(const QVariant& Valor, const QString& Tipo = QStringLiteral("'")) const;

    // ---- Schema checks --------------------------------------------------------------
    void AddField(const QString& Tabla, const QString& Campo, const QString& Tipo,
                  bool PermiteNulos, const QVariant& ValorDefault = {});
    // The ALTER TABLE statement AddField runs.
    static QString SentenciaAddField(const QString& Tabla, const QString& Campo,
                                     const QString& Tipo, bool PermiteNulos,
                                     const QVariant& ValorDefault = {});
    bool ExisteTablaDB(const QString& Tabla);
    bool ExisteCampoDB(const QString& Tabla, const QString& Campo);
    bool VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar, const QString& Tipo,
                    bool PermiteNulos, const QVariant& ValorDefault = {});

    // ---- Error dialog and error log -------------------------------------------------
    QVariant ArchivoErrores() const { return gLogErr; }
    void SetArchivoErrores(const QVariant& vNewValue) { gLogErr = vNewValue.toString(); }
    // The button pressed (3 Abort, 4 Retry, 5 Ignore, ...); 0 when CodErr holds no error.
    int TratamientoErrores(const ErrorEjecucion& CodErr, const QVariant& Botones = {},
                           const QVariant& Rutina = {});

private:
    DB_Dll() = default;
    QString FiltraSentenciaOracle(QString& Sentencia) const;
    void EjecutaScriptSQL(QString& Script, long& RecordsAffected);

    // The file dialog of OpenLocalADODB, kept by CmdDlg once created.
    bool ElegirBaseLocal();
    std::shared_ptr<DialogoComun> cmdDlgPropio_;
    unsigned long lecturasFallidas_ = 0;
};
