#include "platform/ado/AdoTipos.h"
#include "platform/ado/ErroresSqlite.h"
#include "platform/ado/Proveedor.h"
#include "platform/ado/Recordset.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/Procedimiento.h"
#include "platform/forms/CajaTexto.h"
#include "platform/runtime/Numeros.h"
#include "platform/suite/DialogoComun.h"
#include "session/DB_Dll.h"
#include "session/frmAcceso.h"

#include <QComboBox>

namespace {

constexpr long errObjetoAbierto = 3705;
const QString ProveedorOracle = QStringLiteral("OraOLEDB.Oracle.1");

// The string the parameters of the object describe: Oracle when the server text carries a
// "#" anywhere, SQL Server otherwise. What the user typed goes through as typed: a value
// with a separator in it is quoted, so it cannot add or replace a setting.
QString CadenaDeParametros(const DB_Dll& db) {
    if (db.gServidor.contains(u'#'))
        return DB_Dll::CadenaOracle(db.gDBName, db.gUsuario, db.gUserPassWord);
    const QString base = ado::ValorDeCadena(db.gDBName);
    const QString usuario = ado::ValorDeCadena(db.gUsuario);
    const QString clave = ado::ValorDeCadena(db.gUserPassWord);
    return QStringLiteral("PROVIDER=") + DB_Dll::pSQLOLEDB() + QStringLiteral(";") +
           QStringLiteral("Server=") + ado::ValorDeCadena(db.gServidor) + QStringLiteral(";") +
           QStringLiteral("Database =") + base + QStringLiteral(";") + QStringLiteral("UId=") +
           usuario + QStringLiteral(";") + QStringLiteral("Pwd=") + clave + QStringLiteral(";") +
           db.gExtended;
}

void LeerDialogo(DB_Dll& db, const frmAcceso& frm) {
    db.gDBName = frm.TxtDbName->Text();
    db.gServidor = frm.TxtServidor->Text();
    db.gUsuario = frm.TxtUserId->Text();
    db.gUserPassWord = frm.TxtUserPassword->Text();
    if (frm.CboPlataformaDB->currentIndex() > 0) {
        db.gProveedor = ProveedorOracle;
        if (!db.gServidor.contains(u'#'))
            db.gServidor = QStringLiteral("#") + db.gServidor;
    } else {
        db.gProveedor = DB_Dll::pSQLOLEDB();
    }
}

// The "Control de Acceso" dialog with the values last used; gives gOpenFlag, False when
// the user cancelled.
bool PedirParametros(DB_Dll& db) {
    frmAcceso& frm = Instancia<frmAcceso>();
    frm.Load();
    frm.TxtDbName->SetText(db.gDBName);
    frm.TxtServidor->SetText(db.gServidor);
    frm.TxtUserId->SetText(db.gUsuario);
    frm.TxtUserPassword->SetText(db.gUserPassWord);
    frm.CboPlataformaDB->setCurrentIndex(0);
    frm.Show(true);
    db.gOpenFlag = frm.Aceptar;
    if (frm.Aceptar)
        LeerDialogo(db, frm);
    frm.Unload();
    return db.gOpenFlag;
}

QString MensajeConexion(const ado::Error& error) {
    const QChar cr(13);
    return QStringLiteral(" Estado de Sql: ") + error.SQLState + cr +
           QStringLiteral("Numero de Error: ") + QString::number(error.Number) + cr +
           QStringLiteral("Descripcion: ") + error.Description + cr +
           QStringLiteral("Codigo Nativo: ") + QString::number(error.NativeError) + cr +
           QStringLiteral(" - Desea Intentarlo Nuevamente??? ");
}

// Asks whether to try again after a provider error and, if so, for the parameters; true
// when the failing step is to run again with them.
bool ReintentarConexion(DB_Dll& db) {
    const int respuesta = MsgBox(MensajeConexion(db.gCnn.Errors().Item(0)), vbYesNo + vbCritical,
                                 QStringLiteral(" Error de Conexion a Base de Datos"));
    if (respuesta != vbYes)
        return false;
    db.gCnn.Errors().Clear();
    if (!PedirParametros(db))
        return false;
    db.gConnString = CadenaDeParametros(db);
    return true;
}

// A file without the system's own tables (an empty file, another program's database) is
// refused like a missing one: the program could read nothing from it. The message goes where
// the provider puts its own, so the operator is asked once whether to try another.
void ExigirTablasDelSistema(ado::Connection& cnn, const QString& base) {
    ado::Recordset tablas;
    cnn.OpenSchema(ado::adSchemaTables, tablas);
    QStringList faltan{QStringLiteral("TA_CONFIGURACION"), QStringLiteral("MV_ASIENTOS")};
    for (; !tablas.Eof(); tablas.MoveNext()) {
        const QString nombre = tablas.Fields(QStringLiteral("TABLE_NAME")).Value().toString();
        faltan.removeIf(
            [&](const QString& t) { return t.compare(nombre, Qt::CaseInsensitive) == 0; });
    }
    if (faltan.isEmpty())
        return;
    cnn.Close();
    const ado::Error error = ado::ErrorDelProveedor(
        ado::E_FAIL_, 4060, QStringLiteral("08001"),
        QStringLiteral("La base de datos '%1' no es una base de datos del sistema: %2 %3.")
            .arg(base,
                 faltan.size() == 1 ? QStringLiteral("le falta la tabla")
                                    : QStringLiteral("le faltan las tablas"),
                 faltan.join(QStringLiteral(" y "))));
    cnn.Errors().Add(error);
    throw ErrorEjecucion(error.Number, error.Description, error.Source);
}

void AbrirBaseDelSistema(DB_Dll& db) {
    db.gCnn.Open(db.gConnString, {}, {}, -1);
    ExigirTablasDelSistema(db.gCnn, db.gDBName);
}

void ValidarAdministrador(DB_Dll& db, bool ValidaAdmin) {
    if (!ValidaAdmin) {
        db.gEsAdmin = true;
        return;
    }
    if (db.gDBName.trimmed().isEmpty())
        return;
    db.gCnn.SetDefaultDatabase(db.gDBName);
    if (db.ExisteTablaDB(QStringLiteral("TA_USUARIOS")))
        db.gEsAdmin = vb::Val(db.DatosTabla(QStringLiteral("ta_usuarios"), db.gUsuario,
                                            QStringLiteral("Administrador"),
                                            QStringLiteral("nombre"), 8, QString(), true)
                                  .toString()) == 1;
}

} // namespace

QString DB_Dll::CadenaOracle(const QString& base, const QString& usuario, const QString& clave) {
    return QStringLiteral("Provider=") + ProveedorOracle + QStringLiteral(";Data Source=") +
           ado::ValorDeCadena(base) + QStringLiteral(";User Id=") + ado::ValorDeCadena(usuario) +
           QStringLiteral(";Password=") + ado::ValorDeCadena(clave) + QStringLiteral(";");
}

void DB_Dll::OpenServerADODB(bool PideParametrosSQL, long lCursor, const QString& ConnString,
                             bool ValidaAdmin, bool MuestraError) {
    bool cerradaUnaVez = false;
    auto cerrarYReintentar = [&](const ErrorEjecucion& error) {
        if (error.Number() != errObjetoAbierto || cerradaUnaVez)
            return false;
        cerradaUnaVez = true;
        gCnn.Close();
        return true;
    };
    auto rutina = [&](const ErrorEjecucion& error, const QString&) {
        if (!MuestraError || gCnn.Errors().Count() == 0) {
            if (cerrarYReintentar(error))
                return AccionError::Reintentar;
            if (MuestraError)
                MsgBox(error.Description());
            return AccionError::Abortar;
        }
        return ReintentarConexion(*this) ? AccionError::Reintentar : AccionError::Abortar;
    };
    EjecutarPasos(
        QStringLiteral("OpenServerADODB"), rutina,
        {[&] { gOpenFlag = true; },
         [&] {
             if (gProveedor.isEmpty())
                 gProveedor = pSQLOLEDB();
         },
         [&] {
             gConnString = ConnString.trimmed().isEmpty() ? CadenaDeParametros(*this) : ConnString;
         },
         [&] {
             if (!PideParametrosSQL)
                 return;
             if (!PedirParametros(*this))
                 SalirDelProcedimiento();
             gConnString = CadenaDeParametros(*this);
         },
         [&] { gCnn.SetCursorLocation(int(lCursor)); }, [&] { AbrirBaseDelSistema(*this); },
         [&] { ValidarAdministrador(*this, ValidaAdmin); }});
    // Whatever way the call ended, the flag tells whether there is a connection to work on.
    gOpenFlag = gCnn.State() == ado::adStateOpen;
}

namespace {

// A database password that the file keeps refusing is asked for this many times per call;
// then the refusal is reported like any other failure.
constexpr int MaximoClavesLocales = 3;

bool ArchivoNoEncontrado(const QString& estado) {
    return estado == QLatin1String("3024") || estado == QLatin1String("3051") ||
           estado == QLatin1String("3044");
}

QString CadenaLocal(const DB_Dll& db, const QString& CadenaID, const QString& CadenaPWD) {
    return QStringLiteral("PROVIDER=") + db.gProveedor + QStringLiteral(";") +
           QStringLiteral("Data Source =") + ado::ValorDeCadena(db.gDBName) + QStringLiteral(";") +
           CadenaID + QStringLiteral("=") + ado::ValorDeCadena(db.gUsuario) + QStringLiteral(";") +
           CadenaPWD + QStringLiteral("=") + ado::ValorDeCadena(db.gUserPassWord) +
           QStringLiteral(";") + db.gExtended;
}

// The database password for the next attempt, as the piece that ends the string.
QString PiezaClave(const DB_Dll& db) {
    if (db.gIgnoraPassWord.toBool())
        return QStringLiteral("Jet OLEDB:Database Password=") +
               ado::ValorDeCadena(db.gUserPassWord) + QStringLiteral(";");
    return QStringLiteral(" Jet OLEDB:Database Password=") +
           ado::ValorDeCadena(InputBox(QStringLiteral("ingrese el password:"),
                                       QStringLiteral("Password Access"))) +
           QStringLiteral(";");
}

void InformarFalloLocal(const ErrorEjecucion& error) {
    MsgBox(QString::number(error.Number()) + QStringLiteral("  ") + error.Description(),
           vbCritical + vbOKOnly);
}

} // namespace

// Through CmdDlg; false when the user cancelled the file dialog.
bool DB_Dll::ElegirBaseLocal() {
    if (!CmdDlg) {
        cmdDlgPropio_ = std::make_shared<DialogoComun>();
        CmdDlg = cmdDlgPropio_.get();
    }
    CmdDlg->SetTituloDialogo(QStringLiteral("Buscar Base de Datos"));
    CmdDlg->SetFiltroDialogo(QStringLiteral("Base de Datos de Microsoft Access |*.MDB"));
    CmdDlg->MostrarAbrir();
    gDBName = CmdDlg->ArchivoElegido();
    return !CmdDlg->DialogoCancelado();
}

void DB_Dll::OpenLocalADODB(const QString& ConnString, const QString& CadenaID,
                            const QString& CadenaPWD) {
    QString piezaClave;
    int clavesDadas = 0;
    bool deNuevo = true;
    // A missing file or a refused password starts the whole procedure again.
    auto rutina = [&](const ErrorEjecucion& error, const QString&) {
        const QString estado = gCnn.Errors().Count() ? gCnn.Errors().Item(0).SQLState : QString();
        if (ArchivoNoEncontrado(estado)) {
            deNuevo = ElegirBaseLocal();
        } else if (estado == QLatin1String("3031") && clavesDadas < MaximoClavesLocales) {
            ++clavesDadas;
            piezaClave = PiezaClave(*this);
            deNuevo = true;
        } else {
            InformarFalloLocal(error);
        }
        return AccionError::Abortar;
    };
    QString cadena;
    while (deNuevo) {
        deNuevo = false;
        EjecutarPasos(QStringLiteral("OpenLocalADODB"), rutina,
                      {[&] {
                           if (gDBName.trimmed().isEmpty() && !ElegirBaseLocal())
                               SalirDelProcedimiento();
                       },
                       [&] {
                           cadena = !ConnString.isEmpty()
                                        ? ConnString
                                        : CadenaLocal(*this, CadenaID, CadenaPWD) + piezaClave;
                       },
                       [&] {
                           gCnn.Open(cadena, {}, {}, -1);
                           gConnString = cadena;
                       }});
    }
}
