#include "DemoModGlobal.h"
#include "platform/files/ArchivoRegistros.h"
#include "platform/files/ArchivoTexto.h"
#include "support/OrigenesDeDatos.h"
#include "support/ServidorTds.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QThread>

namespace {

using namespace ModGlobal;

// ---- Start-up ------------------------------------------------------------------------------

class InicioSesion : public DemoModGlobal {
protected:
    void SetUp() override {
        DemoModGlobal::SetUp();
        anterior = FijarTerminarPrograma([this] { ++terminado; });
    }
    void TearDown() override {
        FijarTerminarPrograma(anterior);
        DemoModGlobal::TearDown();
    }
    QString Comando(const QString& extra = {}) const {
        return "@Server=SQLITE;@DbName=" + Archivo() + ";@Usuario=demo;@Password=;" + extra;
    }
    QString Mascaras() const { return EnCarpeta("consultas.sve"); }
    QByteArray Contenido() const {
        QFile f(Mascaras());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
    // One query mask record: title, table, columns and an empty filter, then CR LF.
    static QByteArray Registro(const char* titulo, const char* tabla, const char* campos) {
        return QByteArray(titulo).leftJustified(100, ' ') +
               QByteArray(tabla).leftJustified(100, ' ') +
               QByteArray(campos).leftJustified(500, ' ') + QByteArray(500, ' ') + "\r\n";
    }

    AccionTerminar anterior;
    int terminado = 0; // how many times the program was ended
};

TEST_F(InicioSesion, ElInicioAbreLaBaseCargaLaConfiguracionYCreaLasMascaras) {
    IniciarSesion(false, Comando("@UsuarioLogeado=OTRO;@Caja=5;@ParametroAdicional=X;@Menu=M;"), "",
                  3);
    const DB_Dll& db = DB_Dll::Instancia();
    ASSERT_TRUE(db.gOpenFlag);
    EXPECT_EQ(Unidos(terminado, db.gServidor, db.gDBName, Valores.UsuarioLogeado, Valores.Caja,
                     Valores.ParametroAdicional, Valores.MenuOrigen),
              Unidos(0, "SQLITE", Archivo(), "demo", "5", "X", "M"));
    EXPECT_EQ(Unidos(db.gCnn.CommandTimeout(), db.gCnn.IsolationLevel(), db.gCnn.DefaultDatabase(),
                     Valores.CadenaODBC),
              Unidos(360, 256, Archivo(), "DSN=" + Archivo() + "; UID=demo; PWD="));
    EXPECT_EQ(Unidos(Valores.PeriodoActual, Valores.ColorFondo, Valores.EstiloBarras.toString()),
              "2026|8454143|1");
    EXPECT_FALSE(Valores.SeccionEquipoUsuario.isEmpty());
    EXPECT_LE(Valores.SeccionEquipoUsuario.size(), 50);
    EXPECT_EQ(QDir::cleanPath(Valores.RutaMascaraConsultas), QDir::cleanPath(Mascaras()));
    EXPECT_TRUE(guion.Mensajes.empty());
    EXPECT_TRUE(guion.VentanasModales.empty());
    // The eight default query masks, byte for byte.
    EXPECT_EQ(Contenido(),
              Registro("ARTICULOS", "V_MA_ARTICULOS", "|DESCRIPCION|IDARTICULO|") +
                  Registro("CLIENTES", "VT_CLIENTES", "|RAZON_SOCIAL|CODIGO|CONTACTO|") +
                  Registro("PROVEEDORES", "VT_PROVEEDORES", "|RAZON_SOCIAL|CODIGO|") +
                  Registro("CONTACTOS", "MA_CONTACTOS",
                           "|Nombre_y_Apellido|Domicilio|Localidad|Telefono|") +
                  Registro("VENDEDORES", "V_TA_VENDEDORES", "|NOMBRE|IDVENDEDOR|") +
                  Registro("TECNICOS", "V_TA_TECNICOS", "|NOMBRE|IDTECNICO|") +
                  Registro("TECNICOS", "V_TA_TECNICOS", "|NOMBRE|IDTECNICO|") +
                  Registro("MANTENIMIENTOS", "V_MA_MANTENIMIENTOS", "|DESCRIPCION|CODIGO|"));
    EXPECT_EQ(Contenido().size(), 9616);
}

// A mask is appended after the last whole record, title and columns trimmed; a missing folder
// is an error for the caller.
TEST_F(InicioSesion, LasMascarasSeAgreganTrasElUltimoRegistroEntero) {
    Valores.RutaMascaraConsultas = Mascaras();
    archivos::ArchivoRegistros archivo;
    archivo.Abrir(Mascaras(), MascaraConsulta::Longitud);
    AgregarMascaraConsulta(archivo, "  TITULO  ", " TABLA ", "  |A|B|  ");
    archivo.Cerrar();
    const QByteArray propia = Registro("TITULO", " TABLA ", "|A|B|");
    EXPECT_EQ(Contenido(), propia);
    QFile f(Mascaras());
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("yyyyyyy");
    f.close();
    CrearMascarasConsultas();
    EXPECT_EQ(Contenido().size(), 1202 * 9);
    EXPECT_EQ(Contenido().left(1202 + 9), propia + "ARTICULOS");
    Valores.RutaMascaraConsultas = EnCarpeta("no/existe/consultas.sve");
    EXPECT_NE(NumeroDeError([] { CrearMascarasConsultas(); }), 0);
}

// An existing mask file is left alone; a second call reloads without connecting again.
TEST_F(InicioSesion, UnaSegundaLlamadaRecargaSinVolverAConectar) {
    archivos::ArchivoTexto::EscribirLineas(Mascaras(), {"propio"});
    IniciarSesion(false, Comando("@Caja=5;"), "", 3);
    ASSERT_TRUE(DB_Dll::Instancia().gOpenFlag);
    EXPECT_EQ(QFileInfo(Mascaras()).size(), 8);
    QFile::remove(Mascaras());
    Ejecutar("UPDATE TA_CONFIGURACION SET VALOR = '2027' WHERE CLAVE = 'PERIODO'");
    IniciarSesion(false, "@Server=OTRO;@DbName=OTRA;@Caja=9;", "", 3);
    EXPECT_EQ(Unidos(DB_Dll::Instancia().gServidor, Valores.Caja, Valores.PeriodoActual, terminado),
              "SQLITE|5|2027|0");
    EXPECT_EQ(QFileInfo(Mascaras()).size(), 9616);
}

TEST_F(InicioSesion, SinComandoPideLaConexionYCancelarTerminaElPrograma) {
    guion.AccionesModales.push_back(
        [](QWidget& ventana) { static_cast<frmAcceso&>(ventana).bcCancelar->click(); });
    IniciarSesion(false, "", "", 3);
    ASSERT_EQ(guion.VentanasModales.size(), 1u);
    EXPECT_EQ(guion.VentanasModales[0].Titulo, "Control de Acceso");
    EXPECT_EQ(terminado, 1);
    EXPECT_FALSE(DB_Dll::Instancia().gOpenFlag);
    EXPECT_NE(DB_Dll::Instancia().gCnn.CommandTimeout(), 360) << "nada corre después de terminar";
    EXPECT_TRUE(Valores.RutaMascaraConsultas.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(Mascaras()));
}

// With a "#" server the Oracle string is built, unless one is given; a failure not retried
// ends the program (no dialog: the server is not blank).
TEST_F(InicioSesion, ConServidorOracle) {
    guion.RespuestasMsgBox = {vbNo};
    QString cadena;
    IniciarSesion(false, "@Server=#ORCL; @DbName=XE; @Usuario=u; @Password=p;", cadena, 3);
    EXPECT_EQ(cadena, "Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=u;Password=p;");
    EXPECT_EQ(Unidos(DB_Dll::Instancia().gServidor, guion.VentanasModales.size(), terminado),
              "ORCL|0|1");
    DB_Dll::Liberar();
    cadena = Cadena();
    IniciarSesion(false, "@Server=#ORCL;@DbName=XE;@Usuario=demo;", cadena, 3);
    EXPECT_EQ(cadena, Cadena());
    EXPECT_EQ(Unidos(DB_Dll::Instancia().gOpenFlag, DB_Dll::Instancia().gServidor, terminado),
              "true|ORCL|1");
}

// What the launch command gives reaches the Oracle driver exactly as typed (a FreeTDS data
// source stands in for it, and its login is read), and none of it becomes a setting; a value
// no ODBC string carries exactly is refused with the reason, and nothing is sent.
TEST_F(InicioSesion, LasCredencialesOracleLleganAlControladorTalCualSeEscribieron) {
    const auto iniciar = [this](ServidorTds& servidor, const QString& usuario,
                                const QString& clave) {
        // The driver manager keeps what it read of a data source a while: one name per server.
        const QString origen = "ORA" + QString::number(servidor.Puerto());
        OrigenesDeDatos origenes(EnCarpeta("odbc.ini"),
                                 QString("[%1]\nDriver=FreeTDS\nServer=127.0.0.1\nPort=%2\n")
                                     .arg(origen)
                                     .arg(servidor.Puerto()));
        DB_Dll::Liberar();
        guion = DialogosGuionados();
        guion.RespuestasMsgBox = {vbNo};
        IniciarSesion(false, "@Server=#ORCL;@DbName=" + origen + ";@Usuario=" + usuario +
                                 ";@Password=" + clave + ";");
        return servidor.Recibido();
    };
    const QString hostiles[][2] = {
        {"{ana=b", "{p=q'\"[x]"}, {"\"u\"'", "=a=b {c"}, {"'u", "\"p"}, {"{u", "p x{"}};
    for (const auto& [usuario, clave] : hostiles) {
        ServidorTds servidor;
        const Ingreso ingreso = iniciar(servidor, usuario, clave);
        EXPECT_TRUE(ingreso.recibido) << usuario;
        EXPECT_EQ(Unidos(ingreso.usuario, ingreso.clave), Unidos(usuario, clave));
    }
    ServidorTds servidor(1000);
    EXPECT_FALSE(iniciar(servidor, "u", "p}w").recibido);
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(guion.Mensajes[0].Texto.contains(
        "No se puede conectar con el servidor 'ORA" + QString::number(servidor.Puerto()) +
        "': la contraseña contiene el carácter '}', que el controlador ODBC no recibe tal cual se "
        "escribió. No se intentó la conexión."))
        << guion.Mensajes[0].Texto;
}

// A failure after connecting is reported and logged; ignored, the configuration loads, aborted
// it does not, and the program goes on either way.
TEST_F(InicioSesion, UnFalloDespuesDeConectarSeInformaYSePuedeSeguir) {
    ASSERT_TRUE(QDir(carpeta.path()).mkdir("consultas.sve")); // the masks cannot be written
    for (const auto& [respuesta, palabra, periodo] :
         {std::tuple{vbIgnore, "Ignorar", 2026}, std::tuple{vbAbort, "Abortar", 0}}) {
        ModGlobal::RestablecerValores();
        DB_Dll::Liberar();
        QFile::remove(EnCarpeta("SVERR.LOG"));
        guion = DialogosGuionados();
        guion.RespuestasMsgBox = {respuesta};
        IniciarSesion(false, Comando(), "", 3);
        ASSERT_EQ(guion.Mensajes.size(), 1u);
        EXPECT_TRUE(
            guion.Mensajes[0].Texto.contains("No se pudo completar el inicio de la sesión"));
        EXPECT_TRUE(guion.Mensajes[0].Titulo.contains("IniciarSesion"));
        const QStringList registro = archivos::ArchivoTexto::LeerLineas(EnCarpeta("SVERR.LOG"));
        ASSERT_EQ(registro.size(), 1);
        EXPECT_TRUE(registro[0].contains("IniciarSesion") && registro[0].endsWith(palabra));
        EXPECT_EQ(Valores.PeriodoActual, periodo);
    }
    EXPECT_EQ(terminado, 0);
}

// A file that is no company database is refused at connect, like a missing one: one question
// whether to try again, and the program ends.
TEST_F(InicioSesion, UnArchivoQueNoEsDeLaEmpresaSeRechazaConUnSoloAviso) {
    const auto archivo = [this](const QString& nombre, const QByteArray& contenido) {
        QFile f(EnCarpeta(nombre));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenido);
        return f.fileName();
    };
    const QString ajena = archivo("ajena.db", {});
    ado::Connection otra;
    otra.Open(Cadena().replace(Archivo(), ajena));
    otra.Execute("CREATE TABLE CLIENTES (A INT)");
    otra.Close();
    Ejecutar("DROP TABLE TA_CONFIGURACION");
    // The file and what the question says of it.
    const std::pair<QString, QString> casos[] = {
        {archivo("vacia.db", {}), "le faltan las tablas TA_CONFIGURACION y MV_ASIENTOS"},
        {ajena, "le faltan las tablas"},
        {archivo("danada.db", QByteArray(4096, 'x')), "no es una base de datos válida"},
        {Archivo(), "le falta la tabla TA_CONFIGURACION"}};
    for (const auto& [base, motivo] : casos) {
        DB_Dll::Liberar();
        guion = DialogosGuionados();
        guion.RespuestasMsgBox = {vbNo};
        terminado = 0;
        EXPECT_FALSE(IniciarSesion(false, "@Server=SQLITE;@DbName=" + base + ";@Usuario=demo;"));
        ASSERT_EQ(guion.Mensajes.size(), 1u) << base;
        EXPECT_TRUE(guion.Mensajes[0].Texto.contains(motivo)) << guion.Mensajes[0].Texto;
        EXPECT_EQ(Unidos(terminado, DB_Dll::Instancia().gOpenFlag), "1|false") << base;
    }
}

// Settings that cannot be read (a damaged configuration table, a database another program
// keeps locked) are reported once, and start-up says so to the window.
TEST_F(InicioSesion, LaConfiguracionQueNoSeLeeDaUnSoloAviso) {
    DB_Dll::Instancia().gCnn.SetConnectionTimeout(1); // gives up on a lock after a second
    ASSERT_TRUE(IniciarSesion(false, Comando(), "", 3));
    ado::Connection otra;
    otra.Open(Cadena());
    otra.EjecutarNativo("BEGIN EXCLUSIVE", {}, nullptr);
    EXPECT_FALSE(IniciarSesion(false, Comando(), "", 3));
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(guion.Mensajes[0].Texto.contains("bloqueada")) << guion.Mensajes[0].Texto;
    // Nor do the other readers go on to a recordset that never opened.
    GrabaDfg("PERIODO", "2030", "", false, "G");
    EXPECT_EQ(ObtenerPeriodo("01/06/2026"), 0);
    otra.EjecutarNativo("ROLLBACK", {}, nullptr);
    EXPECT_EQ(guion.Mensajes.size(), 3u);

    DB_Dll::Liberar();
    ModGlobal::RestablecerValores();
    guion.Mensajes.clear();
    Ejecutar("DROP TABLE TA_CONFIGURACION");
    Ejecutar("CREATE TABLE TA_CONFIGURACION (CLAVE VARCHAR(50), DATO VARCHAR(50))");
    EXPECT_FALSE(IniciarSesion(false, Comando(), "", 3));
    EXPECT_EQ(Unidos(guion.Mensajes.size(), Valores.PeriodoActual, terminado), "1|0|0");
}

// ---- Sibling programs ----------------------------------------------------------------------

class ProgramasHermanos : public EnSesion {
protected:
    void SetUp() override {
        EnSesion::SetUp();
        Sesion("SRV", "DB", "sa", "p=w");
        Valores.UsuarioLogeado = QStringLiteral("JUAN");
        Valores.Caja = QStringLiteral("2");
    }
    const QString cola = QStringLiteral(
        " ; @server=SRV; @dbname=DB; @usuario=sa; @Password=p=w; @ParametroAdicional=; zeta@ ; "
        "@UsuarioLogeado = JUAN; @Caja=2;");
};

TEST_F(ProgramasHermanos, LaLineaDeComandoLlevaLaSesion) {
    EXPECT_EQ(ColaComando(""), cola);
    EXPECT_TRUE(ColaComando("XYZ").contains("; @ParametroAdicional=XYZ; zeta@ ; "));
    // A bare program name is looked for in the program's folder.
    EXPECT_EQ(LineaComandoMenu("shell:v_ma_articulos @idarticulo=A1", ""),
              QDir::toNativeSeparators(carpeta.path() + "/") + "v_ma_articulos @idarticulo=A1" +
                  cola);
    EXPECT_EQ(LineaComandoMenu("shell:C:\\suite\\prog.exe x", ""), "C:\\suite\\prog.exe x" + cola);
    EXPECT_EQ(LineaComandoMenu("shell:prog a\\b", ""), "prog a\\b" + cola);
    // A slash names a folder in the program only: in an article code it is part of the value.
    EXPECT_EQ(LineaComandoMenu("shell:v_ma_articulos @idarticulo=TORN 1/4", ""),
              QDir::toNativeSeparators(carpeta.path() + "/") +
                  "v_ma_articulos @idarticulo=TORN 1/4" + cola);
    EXPECT_EQ(LineaComandoMenu("shell:/opt/suite/prog x/y", ""), "/opt/suite/prog x/y" + cola);
    // A program that is not there is an option not implemented.
    long id = 0;
    MenuExes("shell:no_existe @idarticulo=1", "", id);
    EXPECT_EQ(id, 0);
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_EQ(Unidos(guion.Mensajes[0].Texto, guion.Mensajes[0].Titulo, guion.Mensajes[0].Botones),
              Unidos("Opcion no Implementada!\rComuniquese con su proveedor de sistemas",
                     "Atención", vbCritical));
}

TEST_F(ProgramasHermanos, ElHermanoRecibeLaSesionEnSuLineaDeComando) {
    const QString salida = EnCarpeta("argumentos.txt");
    const QString programa = EnCarpeta("v_ma_articulos");
    QFile script(programa);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(("#!/bin/sh\nprintf '%s ' \"$@\" > \"" + salida + ".tmp\"\nmv \"" + salida +
                  ".tmp\" \"" + salida + "\"\n")
                     .toUtf8());
    script.close();
    QFile::setPermissions(programa, QFile::permissions(programa) | QFile::ExeOwner);
    long id = 0;
    MenuExes("shell:v_ma_articulos @idarticulo=A1", "", id);
    EXPECT_NE(id, 0);
    QElapsedTimer reloj;
    reloj.start();
    while (!QFileInfo::exists(salida) && reloj.elapsed() < 10000)
        QThread::msleep(20);
    const QStringList lineas = archivos::ArchivoTexto::LeerLineas(salida);
    ASSERT_EQ(lineas.size(), 1);
    EXPECT_TRUE(lineas[0].startsWith("@idarticulo=A1 ;"));
    const ComandoArranque recibido = LeerComandoArranque(lineas[0]);
    EXPECT_EQ(Unidos(recibido.Servidor, recibido.Password, recibido.UsuarioLogeado, recibido.Caja),
              "SRV|p=w|JUAN|2");
    EXPECT_TRUE(guion.Mensajes.empty());
}

// Whatever quotes, backslashes and blanks a value holds, the sibling reads back the session
// that launched it.
TEST_F(ProgramasHermanos, LaClaveLlegaAlHermanoTalCual) {
    const QString salida = EnCarpeta("argumentos.txt");
    const QString programa = EnCarpeta("v_ma_articulos");
    QFile script(programa);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(("#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > \"" + salida + ".tmp\"\nmv \"" +
                  salida + ".tmp\" \"" + salida + "\"\n")
                     .toUtf8());
    script.close();
    QFile::setPermissions(programa, QFile::permissions(programa) | QFile::ExeOwner);
    for (const char* clave : {"p\"w", "a  b", "c\\\"d"}) {
        DB_Dll::Instancia().gUserPassWord = clave;
        QFile::remove(salida);
        long id = 0;
        MenuExes("shell:v_ma_articulos @idarticulo=A1", "", id);
        QElapsedTimer reloj;
        reloj.start();
        while (!QFileInfo::exists(salida) && reloj.elapsed() < 10000)
            QThread::msleep(20);
        QFile recibido(salida);
        ASSERT_TRUE(recibido.open(QIODevice::ReadOnly));
        const QString linea = QString::fromUtf8(recibido.readAll());
        EXPECT_EQ(linea, "1|@idarticulo=A1" + ColaComando(""));
        const ComandoArranque leido = LeerComandoArranque(LineaDeArranque({linea.mid(2)}));
        EXPECT_EQ(Unidos(leido.Password, leido.Usuario, leido.Caja), Unidos(clave, "sa", "2"));
    }
}

// ---- Shutdown ------------------------------------------------------------------------------

TEST_F(InicioSesion, FinalizarSesionCierraLosAccesosAbiertos) {
    Ejecutar("INSERT INTO CONTROL_ACCESO (ID, USUARIO, INGRESO, EGRESO) VALUES (5, 'otro', "
             "'2026-12-08 09:00:00', NULL)");
    Conectar();
    const QDateTime antes = QDateTime::currentDateTime().addSecs(-60);
    FinalizarSesion();
    const QDateTime despues = QDateTime::currentDateTime().addSecs(60);
    EXPECT_FALSE(DB_Dll::Existe());
    const QDateTime egreso = Leer("SELECT EGRESO FROM CONTROL_ACCESO WHERE ID = 0").toDateTime();
    EXPECT_TRUE(egreso >= antes && egreso <= despues) << egreso.toString().toStdString();
    EXPECT_EQ(egreso.time().second(), 0);
    EXPECT_TRUE(Leer("SELECT EGRESO FROM CONTROL_ACCESO WHERE ID = 5").isNull());
    EXPECT_EQ(Leer("SELECT EGRESO FROM CONTROL_ACCESO WHERE ID = 1").toDateTime(),
              QDateTime(QDate(2026, 12, 7), QTime(18, 10)));
    EXPECT_TRUE(guion.Mensajes.empty());
}

// An exit time the database did not store is told once, never taken for done.
TEST_F(InicioSesion, UnaSalidaQueNoSeAnotaSeAvisaUnaVez) {
    Conectar();
    Ejecutar("DROP TABLE CONTROL_ACCESO");
    FinalizarSesion();
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(guion.Mensajes[0].Texto.contains("CONTROL_ACCESO")) << guion.Mensajes[0].Texto;
}

} // namespace
