#include "DemoModGlobal.h"
#include "platform/forms/CajaTexto.h"

#include <QComboBox>
#include <QPushButton>

namespace {

class Conexion : public EnSesion {
protected:
    QString Inexistente() const { return dir.filePath("no-existe.db"); }
    // What the user does in the next "Control de Acceso" dialog.
    void EnElDialogo(std::function<void(frmAcceso&)> accion) {
        guion.AccionesModales.push_back(
            [accion](QWidget& ventana) { accion(static_cast<frmAcceso&>(ventana)); });
    }
};

// ---- The connection string and the dialog ----------------------------------------------

// Nothing listens at that address: opening fails at once, with no name to resolve. The ODBC
// driver gets the OLE DB settings it knows under its own names, and no other.
TEST_F(Conexion, LaCadenaSeArmaComoLaEsperaElProveedor) {
    const QString srv = "127.0.0.1,1";
    const QString sql = "PROVIDER=SQLOLEDB;Server=" + srv + ";Database =EMPRESA;UId=sa;Pwd=clave;";
    const QString oracle =
        "Provider=OraOLEDB.Oracle.1;Data Source=EMPRESA;User Id=sa;Password=clave;";
    const QString tds =
        "DRIVER={FreeTDS};SERVER=127.0.0.1;PORT=1;DATABASE=EMPRESA;UID=sa;PWD=clave;";
    // FreeTDS gets a protocol version when none is given: it answers within the timeout.
    const QString utf8 = "TDS_Version=7.4;ClientCharset=UTF-8;";
    const QString oledb = "Provider=SQLOLEDB.1;Data Source=" + srv +
                          ";Initial Catalog=EMPRESA;User ID=sa;Password= clave ;Auto Translate=1;";
    const QString extras = "Connection Timeout=7;Application Name=Auditoria;Workstation ID=PC "
                           "1;Persist Security Info=False;Initial Catalog=OTRA;";
    // An encrypted SQL Server 2019.
    const QString cifrado = "TDS_Version=7.4;Encrypt=yes;TrustServerCertificate=yes;";
    // Server, extended, provider and ready string given; the string and provider after, and
    // the ODBC string with its timeout (SQL Server only).
    const QString casos[][7] = {
        {srv, "", "", "", sql, "SQLOLEDB", tds + utf8 + "|15"},
        {srv, "", "OraOLEDB.Oracle.1", "", sql, "OraOLEDB.Oracle.1", ""},
        {srv, "Connect Timeout=5;", "", "", sql + "Connect Timeout=5;", "SQLOLEDB",
         tds + utf8 + "|5"},
        {srv, extras, "", "", sql + extras, "SQLOLEDB",
         tds + "APP=Auditoria;WSID=PC 1;" + utf8 + "|7"},
        {srv, cifrado, "", "", sql + cifrado, "SQLOLEDB",
         tds + "Encrypt=yes;TrustServerCertificate=yes;TDS_Version=7.4;Encryption=require;"
               "ClientCharset=UTF-8;|15"},
        {srv, "tds_version=7.2;Encrypt=no;", "", "", sql + "tds_version=7.2;Encrypt=no;",
         "SQLOLEDB", tds + "Encrypt=no;TDS_Version=7.2;Encryption=request;ClientCharset=UTF-8;|15"},
        {"#ORA", "Connect Timeout=5;", "", "", oracle, "SQLOLEDB", ""},
        {"ORA#1", "", "", "", oracle, "SQLOLEDB", ""},
        {"ORA#", "", "", "", oracle, "SQLOLEDB", ""},
        {"#ORA", "", "", oledb, oledb, "SQLOLEDB", tds + utf8 + "|15"},
        {srv, "", "", "   ", sql, "SQLOLEDB", tds + utf8 + "|15"},
    };
    for (const auto& [servidor, extendido, proveedor, dada, cadena, proveedorDespues, odbc] :
         casos) {
        DB_Dll& db = Sesion(servidor, "EMPRESA", "sa", "clave");
        db.gExtended = extendido;
        db.gProveedor = proveedor;
        // Without errors shown, a failure only lowers the flag.
        db.OpenServerADODB(false, 3, dada, true, false);
        EXPECT_EQ(Unidos(db.gConnString, db.gProveedor, db.gOpenFlag),
                  Unidos(cadena, proveedorDespues, false));
        if (int espera = 15; !odbc.isEmpty()) {
            EXPECT_EQ(Unidos(ado::CadenaOdbcSqlServer(db.gConnString, espera), espera), odbc);
        }
        DB_Dll::Liberar();
    }
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_TRUE(guion.VentanasModales.empty());
}

TEST_F(Conexion, ElDialogoMuestraLosValoresYCancelarNoAbreNada) {
    DB_Dll& db = Sesion("#ORA", "EMPRESA", "sa", "clave");
    QString vistos;
    EnElDialogo([&](frmAcceso& frm) {
        vistos = Unidos(frm.TxtUserId->Text(), frm.TxtUserPassword->Text(), frm.TxtDbName->Text(),
                        frm.TxtServidor->Text(), frm.CboPlataformaDB->currentIndex());
        frm.bcCancelar->click();
    });
    db.OpenServerADODB(true, 3, {}, true, true);
    EXPECT_EQ(vistos, "sa|clave|EMPRESA|#ORA|0");
    ASSERT_EQ(guion.VentanasModales.size(), 1u);
    EXPECT_EQ(guion.VentanasModales[0].Titulo, "Control de Acceso");
    EXPECT_EQ(Unidos(db.gOpenFlag, db.gCnn.State()), Unidos(false, ado::adStateClosed));
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_FALSE(Instancia<frmAcceso>().Cargado());
}

// A ready string gives way to the one built from the dialog, with what was typed kept as
// typed, blanks at the ends included.
TEST_F(Conexion, AceptarCopiaLoEscritoYRehaceLaCadena) {
    const QString oracle =
        "Provider=OraOLEDB.Oracle.1;Data Source={ EMPRESA };User Id={sa };Password={ x};";
    const std::tuple<QString, int, QString, QString, QString> casos[] = {
        {"127.0.0.1,1", 0, "127.0.0.1,1", "SQLOLEDB",
         "PROVIDER=SQLOLEDB;Server=127.0.0.1,1;Database ={ EMPRESA };UId={sa };Pwd={ x};"},
        {"ORA", 1, "#ORA", "OraOLEDB.Oracle.1", oracle},
        {"OR#A", 1, "OR#A", "OraOLEDB.Oracle.1", oracle},
        {"#ORA", 0, "#ORA", "SQLOLEDB", oracle}};
    for (const auto& [escrito, plataforma, servidor, proveedor, cadena] : casos) {
        DB_Dll& db = Sesion({}, {}, {});
        db.gProveedor = QStringLiteral("Otro");
        EnElDialogo([&](frmAcceso& frm) {
            frm.TxtDbName->SetText(QStringLiteral(" EMPRESA "));
            frm.TxtServidor->SetText(escrito);
            frm.CboPlataformaDB->setCurrentIndex(plataforma);
            frm.TxtUserId->SetText(QStringLiteral("sa "));
            frm.TxtUserPassword->SetText(QStringLiteral(" x"));
            frm.bcAceptar->click();
        });
        db.OpenServerADODB(true, 3, QStringLiteral("PROVIDER=X;Server=OTRO;"), true, false);
        EXPECT_EQ(Unidos(db.gDBName, db.gServidor, db.gUsuario, db.gUserPassWord, db.gProveedor,
                         db.gConnString, db.gOpenFlag), // no such server here
                  Unidos(" EMPRESA ", servidor, "sa ", " x", proveedor, cadena, false));
        DB_Dll::Liberar();
    }
}

// ---- Opening ---------------------------------------------------------------------------

TEST_F(Conexion, AbreLaBaseIncorporadaAunqueYaEstuvieraAbierta) {
    CrearDemo();
    // Closed; open, with errors shown; open, without (it is closed and opened again once).
    for (int vez = 0; vez < 3; ++vez) {
        DB_Dll& db = Sesion("SQLITE", Archivo(), "demo");
        if (vez > 0)
            db.gCnn.Open(Cadena());
        db.OpenServerADODB(false, 3, {}, true, vez < 2);
        EXPECT_EQ(Unidos(db.gOpenFlag, db.gCnn.State(), db.gCnn.CursorLocation(),
                         db.gCnn.DefaultDatabase(), db.gConnString, db.gCnn.ConnectionString()),
                  Unidos(true, ado::adStateOpen, 3, Archivo(), Cadena(), Cadena()))
            << vez;
        DB_Dll::Liberar();
    }
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_TRUE(guion.VentanasModales.empty());
}

// ---- A failing connection --------------------------------------------------------------

// The first provider error is shown with the question whether to try again; Yes shows the
// dialog, whose Cancelar (or a No the second time) leaves the connection closed.
TEST_F(Conexion, UnFalloPreguntaSiReintentar) {
    ado::Connection otra;
    EXPECT_NE(NumeroDeError([&] { otra.Open(Cadena().replace(Archivo(), Inexistente())); }), 0);
    ASSERT_GT(otra.Errors().Count(), 0);
    const ado::Error& e = otra.Errors().Item(0);
    const QString pregunta =
        " Estado de Sql: " + e.SQLState + "\rNumero de Error: " + QString::number(e.Number) +
        "\rDescripcion: " + e.Description + "\rCodigo Nativo: " + QString::number(e.NativeError) +
        "\r - Desea Intentarlo Nuevamente??? ";
    // Answers; whether the dialog shows and is cancelled; how many questions.
    const std::tuple<std::deque<int>, bool, bool, size_t> casos[] = {
        {{vbNo}, false, false, 1}, {{vbYes}, true, true, 1}, {{vbYes, vbNo}, true, false, 2}};
    for (const auto& [respuestas, dialogo, cancelar, preguntas] : casos) {
        DB_Dll& db = Sesion("SQLITE", Inexistente(), "demo");
        guion = DialogosGuionados();
        guion.RespuestasMsgBox = respuestas;
        if (dialogo)
            EnElDialogo(
                [&](frmAcceso& frm) { (cancelar ? frm.bcCancelar : frm.bcAceptar)->click(); });
        db.OpenServerADODB(false, 3, {}, true, true);
        ASSERT_EQ(guion.Mensajes.size(), preguntas);
        EXPECT_EQ(
            Unidos(guion.Mensajes[0].Texto, guion.Mensajes[0].Titulo, guion.Mensajes[0].Botones),
            Unidos(pregunta, " Error de Conexion a Base de Datos", vbYesNo + vbCritical));
        EXPECT_EQ(Unidos(guion.VentanasModales.size(), db.gOpenFlag, db.gCnn.State()),
                  Unidos(dialogo ? 1 : 0, false, ado::adStateClosed));
        EXPECT_TRUE(guion.PorDefecto.isEmpty()) << guion.PorDefecto.join('\n');
        DB_Dll::Liberar();
    }
}

// A password, user or database reaches the driver as typed, and no value of theirs can point
// the connection at another server.
TEST_F(Conexion, LasCredencialesLleganAlControladorTalCualSeEscribieron) {
    const QString casos[][2] = {
        {"ab;cd", "PWD={ab;cd};"},
        {" pw ", "PWD={ pw };"},
        {"x;Server=otro", "PWD={x;Server=otro};"},
        {"a{b=", "PWD={a{b=};"},
    };
    for (const auto& [clave, enOdbc] : casos) {
        DB_Dll& db = Sesion("127.0.0.1,1", "EMP;RESA", "s{a", clave);
        guion.RespuestasMsgBox = {vbNo};
        db.OpenServerADODB(false, 3, {}, true, true);
        int espera = 15;
        EXPECT_EQ(ado::CadenaOdbcSqlServer(db.gConnString, espera),
                  "DRIVER={FreeTDS};SERVER=127.0.0.1;PORT=1;DATABASE={EMP;RESA};UID={s{a};" +
                      enOdbc + "TDS_Version=7.4;ClientCharset=UTF-8;");
        ASSERT_EQ(guion.Mensajes.size(), 1u);
        EXPECT_TRUE(guion.Mensajes[0].Texto.contains("con el servidor '127.0.0.1,1'"))
            << guion.Mensajes[0].Texto.toStdString();
        guion.Mensajes.clear();
        DB_Dll::Liberar();
    }
}

// A server where nothing listens fails at once with the driver's reason, and the user is
// asked whether to try again.
TEST_F(Conexion, UnServidorQueNoRespondePreguntaSiReintentar) {
    DB_Dll& db = Sesion("127.0.0.1,1", "EMPRESA", "sa", "clave");
    guion.RespuestasMsgBox = {vbNo};
    db.OpenServerADODB(false, 3, {}, true, true);
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(guion.Mensajes[0].Texto.contains(
        "No se puede conectar con el servidor '127.0.0.1,1': no responde"))
        << guion.Mensajes[0].Texto.toStdString();
    EXPECT_EQ(Unidos(db.gOpenFlag, db.gCnn.State()), Unidos(false, ado::adStateClosed));
}

TEST_F(Conexion, ReintentarMuestraElDialogoConLosUltimosValores) {
    CrearDemo();
    DB_Dll& db = Sesion("SQLITE", Inexistente(), "demo");
    guion.RespuestasMsgBox = {vbYes};
    QString baseVista;
    EnElDialogo([&](frmAcceso& frm) {
        baseVista = frm.TxtDbName->Text();
        frm.TxtDbName->SetText(Archivo());
        frm.TxtServidor->SetText(QStringLiteral("SQLITE"));
        frm.bcAceptar->click();
    });
    db.OpenServerADODB(false, 3, {}, true, true);
    EXPECT_EQ(baseVista, Inexistente());
    EXPECT_EQ(Unidos(guion.Mensajes.size(), guion.VentanasModales.size()), "1|1");
    EXPECT_EQ(
        Unidos(db.gOpenFlag, db.gCnn.State(), db.gDBName, db.gEsAdmin, db.gCnn.Errors().Count()),
        Unidos(true, ado::adStateOpen, Archivo(), true, 0));
}

// An error that is not the provider's is shown with its description; the connection never
// opened, and the flag must say so.
TEST_F(Conexion, UnErrorAjenoAlProveedorSeMuestraYLaBanderaQuedaBaja) {
    DB_Dll& db = Sesion({}, {}, {});
    guion.AccionesModales.push_back([](QWidget& ventana) {
        ventana.hide();
        throw ErrorEjecucion(91, QStringLiteral("Variable de objeto no establecida"));
    });
    db.OpenServerADODB(true, 3, {}, true, true);
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_EQ(Unidos(guion.Mensajes[0].Texto, guion.Mensajes[0].Botones, guion.Mensajes[0].Titulo),
              Unidos("Variable de objeto no establecida", vbOKOnly, Dialogos::TituloAplicacion));
    EXPECT_EQ(Unidos(db.gOpenFlag, db.gCnn.State()), Unidos(false, ado::adStateClosed));
}

// ---- The administrator check -----------------------------------------------------------

TEST_F(Conexion, ElAdministradorSeLeeDeLaTablaDeUsuarios) {
    CrearDemo();
    // User, whether to check, whether gDBName names the file (or a ready string is given).
    const std::tuple<QString, bool, bool, bool> casos[] = {
        {"demo", true, true, true},     {" demo ", true, true, true},
        {"auditor", true, true, false}, {"nadie", true, true, false},
        {"auditor", false, true, true}, {"demo", true, false, false}};
    for (const auto& [usuario, valida, conBase, esAdmin] : casos) {
        DB_Dll& db = Sesion("SQLITE", conBase ? Archivo() : QString(), usuario);
        db.OpenServerADODB(false, 3, conBase ? QString() : Cadena(), valida, true);
        EXPECT_EQ(Unidos(db.gOpenFlag, db.gEsAdmin), Unidos(true, esAdmin))
            << Unidos(usuario, valida, conBase);
        DB_Dll::Liberar();
    }
    EXPECT_TRUE(guion.Mensajes.empty());
    Ejecutar("DROP TABLE TA_USUARIOS");
    EXPECT_FALSE(Conectar().gEsAdmin) << "sin tabla de usuarios nadie lo es";
}

// ---- The Jet file ----------------------------------------------------------------------

TEST_F(Conexion, BaseLocalElegidaODada) {
    DB_Dll& db = Sesion({}, {}, "Admin", "x");
    guion.Archivos = {std::nullopt, QStringLiteral("C:/datos/empresa.mdb")};
    db.OpenLocalADODB();
    ASSERT_EQ(guion.ArchivosPedidos.size(), 1u);
    EXPECT_EQ(guion.ArchivosPedidos[0].Titulo, "Buscar Base de Datos");
    EXPECT_EQ(guion.ArchivosPedidos[0].Filtro, "Base de Datos de Microsoft Access |*.MDB");
    EXPECT_EQ(db.gCnn.State(), ado::adStateClosed) << "cancelada no conecta";
    EXPECT_TRUE(guion.Mensajes.empty());
    // A provider failure is reported and ends the call; the flag is not its business.
    db.gDBName.clear();
    db.gProveedor = DB_Dll::pJETOLEDB40();
    db.gOpenFlag = true;
    db.OpenLocalADODB();
    EXPECT_EQ(db.gDBName, "C:/datos/empresa.mdb");
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_EQ(guion.Mensajes[0].Botones, vbCritical + vbOKOnly);
    EXPECT_TRUE(guion.Mensajes[0].Texto.startsWith(
        QString::number(db.gCnn.Errors().Item(0).Number) + "  "));
    EXPECT_EQ(Unidos(db.gCnn.State(), db.gOpenFlag), Unidos(ado::adStateClosed, true));
    // A string given is used as it is.
    CrearDemo();
    db.gOpenFlag = false;
    db.OpenLocalADODB(Cadena());
    EXPECT_EQ(Unidos(db.gCnn.State(), db.gConnString, db.gOpenFlag),
              Unidos(ado::adStateOpen, Cadena(), false));
    EXPECT_EQ(guion.ArchivosPedidos.size(), 2u);
}

} // namespace
