#include "platform/ado/ProveedorOdbc.h"

#include "platform/ado/AdoTipos.h"
#include "platform/ado/ErroresSqlite.h"
#include "platform/ado/LectorOdbc.h"
#include "platform/ado/TiposOdbc.h"
#include "platform/runtime/Currency.h"

#include <QDateTime>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <odbcinst.h>
#include <sqlext.h>

namespace ado {
namespace {

std::u16string Ancho(const QString& texto) {
    return std::u16string(reinterpret_cast<const char16_t*>(texto.utf16()), texto.size());
}

SQLWCHAR* Sql(std::u16string& texto) {
    return reinterpret_cast<SQLWCHAR*>(texto.data());
}

void DescribirColumnas(SQLHSTMT stmt, SQLSMALLINT n, QVector<Columna>& columnas) {
    columnas.resize(n);
    for (SQLUSMALLINT c = 1; c <= n; ++c) {
        SQLWCHAR nombre[256];
        SQLSMALLINT largo = 0, tipo = 0, escala = 0, nulos = 0;
        SQLULEN tamano = 0;
        SQLDescribeColW(stmt, c, nombre, SQLSMALLINT(std::size(nombre)), &largo, &tipo, &tamano,
                        &escala, &nulos);
        Columna& col = columnas[c - 1];
        col.nombre = Leido(nombre, largo);
        col.tipo = TipoAdoDeOdbc(tipo, tamano, escala);
        col.tamano = long(tamano);
        if (tipo == SQL_DECIMAL || tipo == SQL_NUMERIC)
            col.escala = escala;
        SQLWCHAR base[256];
        SQLSMALLINT largoBase = 0;
        if (SQL_SUCCEEDED(SQLColAttributeW(stmt, c, SQL_DESC_BASE_TABLE_NAME, base, sizeof base,
                                           &largoBase, nullptr)))
            col.tabla = Leido(base, largoBase / qsizetype(sizeof(SQLWCHAR)));
        if (SQL_SUCCEEDED(SQLColAttributeW(stmt, c, SQL_DESC_BASE_COLUMN_NAME, base, sizeof base,
                                           &largoBase, nullptr)))
            col.columnaBase = Leido(base, largoBase / qsizetype(sizeof(SQLWCHAR)));
    }
}

bool LeerFilas(LectorOdbc& lector, Resultado& r, Errors& errores, const QString& origen) {
    for (;;) {
        QVector<QVariant> fila;
        const FilasEnCurso::Lectura lectura = lector.Leer(fila, errores, origen);
        if (lectura != FilasEnCurso::Fila)
            return lectura == FilasEnCurso::Fin;
        r.filas.append(std::move(fila));
    }
}

QVector<Columna> Descritas(SQLHSTMT stmt, SQLSMALLINT n) {
    QVector<Columna> columnas;
    DescribirColumnas(stmt, n, columnas);
    return columnas;
}

} // namespace

// A query's rowset fetched as the caller moves; the statement is the object's own. The
// server keeps one result open per connection: before the connection runs anything else,
// the rest of the rows are read into memory (Guardar) and handed out from there.
class FilasOdbc : public FilasEnCurso {
public:
    FilasOdbc(SQLHSTMT stmt, SQLSMALLINT columnas, std::weak_ptr<FilasOdbc*> enCurso,
              QString origen, SQLULEN filasPorBloque)
        : stmt_(stmt), enCurso_(std::move(enCurso)), origen_(std::move(origen)),
          columnas_(Descritas(stmt, columnas)), lector_(stmt, columnas_, filasPorBloque) {
        if (const auto abierta = enCurso_.lock())
            *abierta = this;
    }
    ~FilasOdbc() override { Cerrar(); }
    const QVector<Columna>& Columnas() const override { return columnas_; }
    Lectura Leer(QVector<QVariant>& fila, Errors& errores) override;
    void Guardar();

private:
    void Cerrar();

    SQLHSTMT stmt_;
    std::weak_ptr<FilasOdbc*> enCurso_;
    QString origen_;
    QVector<Columna> columnas_;
    QList<QVector<QVariant>> guardadas_;
    LectorOdbc lector_;
    Errors fallo_; // what reading the rest ran into, told after the rows read before it
};

FilasEnCurso::Lectura FilasOdbc::Leer(QVector<QVariant>& fila, Errors& errores) {
    if (enCurso_.expired()) {
        Error cerrada = ErrorConexionCerrada();
        cerrada.Source = origen_;
        errores.Add(cerrada);
        return Fallo;
    }
    if (stmt_)
        return lector_.Leer(fila, errores, origen_);
    if (!guardadas_.isEmpty()) {
        fila = guardadas_.takeFirst();
        return Fila;
    }
    for (int i = 0; i < fallo_.Count(); ++i)
        errores.Add(fallo_.Item(i));
    return fallo_.Count() ? Fallo : Fin;
}

void FilasOdbc::Guardar() {
    Resultado resto{columnas_, {}};
    LeerFilas(lector_, resto, fallo_, origen_);
    guardadas_ = std::move(resto.filas);
    Cerrar();
}

// A closed connection took its statements with it.
void FilasOdbc::Cerrar() {
    const auto abierta = enCurso_.lock();
    if (!abierta || !stmt_)
        return;
    SQLFreeHandle(SQL_HANDLE_STMT, stmt_);
    stmt_ = SQL_NULL_HSTMT;
    if (*abierta == this)
        *abierta = nullptr;
}

namespace {

QString Informacion(SQLHDBC dbc, SQLUSMALLINT dato) {
    SQLWCHAR nombre[128];
    SQLSMALLINT largo = 0;
    if (!SQL_SUCCEEDED(SQLGetInfoW(dbc, dato, nombre, sizeof nombre, &largo)))
        return {};
    return Leido(nombre, largo / qsizetype(sizeof(SQLWCHAR)));
}

// Until the driver can say its own name, the one the connection string gives it.
QString OrigenDeLaCadena(const QString& cadenaOdbc) {
    static const QRegularExpression clave(
        QStringLiteral(R"((?:^|;)\s*(DRIVER|DSN)\s*=\s*\{?([^;}]*))"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = clave.match(cadenaOdbc);
    return QStringLiteral("Proveedor ODBC") +
           (m.hasMatch() ? u' ' + m.captured(2).trimmed() : QString());
}

// FreeTDS given no protocol version tries one after another, and a server that takes the
// connection and never answers keeps it trying past any login timeout; 7.4 (SQL Server 2012
// and later) gives up within it. Whatever string reaches the driver gets that default unless
// it, or the data source it names, sets a version.
QString ConVersionDeFreeTds(const QString& cadenaOdbc) {
    const QHash<QString, QString> partes = PartesDeCadena(cadenaOdbc);
    const QString origen = partes.value(QStringLiteral("dsn"));
    QString controlador = partes.value(QStringLiteral("driver"));
    if (controlador.isEmpty() && !origen.isEmpty())
        controlador = ProveedorOdbc::ValorDelOrigen(origen, "Driver");
    if (!controlador.contains(QLatin1String("tds"), Qt::CaseInsensitive) ||
        !partes.value(QStringLiteral("tds_version")).isEmpty() ||
        (!origen.isEmpty() && !ProveedorOdbc::ValorDelOrigen(origen, "TDS_Version").isEmpty()))
        return cadenaOdbc;
    const bool cerrada = cadenaOdbc.trimmed().isEmpty() || cadenaOdbc.trimmed().endsWith(u';');
    return cadenaOdbc + (cerrada ? "" : ";") + QStringLiteral("TDS_Version=7.4;");
}

bool EsSqlite(const QString& motor) {
    return motor.compare(QLatin1String("SQLite"), Qt::CaseInsensitive) == 0;
}

bool EsSqlServer(const QString& motor) {
    return motor.contains(QLatin1String("SQL Server"), Qt::CaseInsensitive);
}

// A savepoint in the server's own words: set it, go back to it, and let it go where the
// engine wants that (SQLite's ends the transaction it opened when none was).
struct PalabrasDePunto {
    QString marcar, volver, soltar;
};

PalabrasDePunto PalabrasDelMotor(const QString& motor) {
    const QString punto = QStringLiteral("fila_recordset");
    if (EsSqlServer(motor))
        return {"SAVE TRANSACTION " + punto, "ROLLBACK TRANSACTION " + punto, {}};
    return {"SAVEPOINT " + punto, "ROLLBACK TO SAVEPOINT " + punto,
            EsSqlite(motor) ? "RELEASE SAVEPOINT " + punto : QString()};
}

// Storage for one bound value; it must outlive the execution.
struct Parametro {
    std::u16string texto;
    qint64 entero = 0;
    double real = 0;
    SQL_TIMESTAMP_STRUCT fecha{};
    SQLLEN indicador = 0;
};

// To the millisecond: a row read back is found again by the fraction the engine gave it.
SQL_TIMESTAMP_STRUCT MarcaDeTiempo(const QDateTime& dt) {
    const QDate d = dt.date();
    const QTime t = dt.time();
    return {SQLSMALLINT(d.year()),          SQLUSMALLINT(d.month()),  SQLUSMALLINT(d.day()),
            SQLUSMALLINT(t.hour()),         SQLUSMALLINT(t.minute()), SQLUSMALLINT(t.second()),
            SQLUINTEGER(t.msec()) * 1000000};
}

SQLRETURN Vincular(SQLHSTMT stmt, SQLUSMALLINT i, const QVariant& v, Parametro& p) {
    if (v.isNull()) {
        p.indicador = SQL_NULL_DATA;
        return SQLBindParameter(stmt, i, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR, 1, 0, nullptr,
                                0, &p.indicador);
    }
    switch (v.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::LongLong:
        p.entero = v.toLongLong();
        return SQLBindParameter(stmt, i, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0, 0,
                                &p.entero, 0, nullptr);
    case QMetaType::Double:
        p.real = v.toDouble();
        return SQLBindParameter(stmt, i, SQL_PARAM_INPUT, SQL_C_DOUBLE, SQL_DOUBLE, 0, 0, &p.real,
                                0, nullptr);
    case QMetaType::QDateTime:
    case QMetaType::QDate: {
        p.fecha = MarcaDeTiempo(v.toDateTime());
        return SQLBindParameter(stmt, i, SQL_PARAM_INPUT, SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP,
                                23, 3, &p.fecha, 0, nullptr);
    }
    default:
        break;
    }
    // An amount goes as a decimal in the drivers' notation: the locale's "3847,59" would be
    // read by the server's money conversion as 384759.
    const bool importe = v.metaType() == QMetaType::fromType<Currency>();
    p.texto = Ancho(importe ? v.value<Currency>().ATextoSql() : v.toString());
    p.indicador = SQLLEN(p.texto.size() * sizeof(char16_t));
    return SQLBindParameter(stmt, i, SQL_PARAM_INPUT, SQL_C_WCHAR,
                            importe ? SQL_DECIMAL : SQL_WVARCHAR,
                            importe ? 19 : qMax<SQLULEN>(1, p.texto.size()), importe ? 4 : 0,
                            Sql(p.texto), p.indicador, &p.indicador);
}

Columna ColumnaEsquema(const char* nombre, int tipo) {
    Columna c;
    c.nombre = QString::fromLatin1(nombre);
    c.tipo = tipo;
    return c;
}

// SQLTables gives TABLE_CAT, TABLE_SCHEM, TABLE_NAME, TABLE_TYPE: the rowset callers read
// has the same columns under their customary names.
Resultado EsquemaTablas(const Resultado& crudo) {
    Resultado r;
    for (const char* nombre : {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "TABLE_TYPE"})
        r.columnas.append(ColumnaEsquema(nombre, adVarWChar));
    for (const auto& fila : crudo.filas)
        r.filas.append(fila.mid(0, 4));
    return r;
}

// From SQLColumns: 1-4 names, 5 DATA_TYPE, 7 COLUMN_SIZE, 9 DECIMAL_DIGITS, 11 NULLABLE,
// 17 ORDINAL_POSITION.
Resultado EsquemaColumnas(const Resultado& crudo) {
    Resultado r;
    for (const char* nombre : {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "COLUMN_NAME"})
        r.columnas.append(ColumnaEsquema(nombre, adVarWChar));
    for (const char* nombre : {"ORDINAL_POSITION", "DATA_TYPE", "CHARACTER_MAXIMUM_LENGTH"})
        r.columnas.append(ColumnaEsquema(nombre, adInteger));
    r.columnas.append(ColumnaEsquema("IS_NULLABLE", adBoolean));
    for (const auto& f : crudo.filas) {
        const int tipo =
            TipoAdoDeOdbc(SQLSMALLINT(f.value(4).toInt()), SQLULEN(f.value(6).toLongLong()),
                          SQLSMALLINT(f.value(8).toInt()));
        r.filas.append({f.value(0), f.value(1), f.value(2), f.value(3), f.value(16).toInt(), tipo,
                        f.value(6).toInt(), f.value(10).toInt() != SQL_NO_NULLS});
    }
    return r;
}

} // namespace

std::unique_ptr<ProveedorOdbc> ProveedorOdbc::Abrir(const QString& cadenaOdbc, Dialecto dialecto,
                                                    const QString& servidor, int tiempoEspera,
                                                    Errors& errores) {
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    SQLSetConnectAttr(dbc, SQL_ATTR_LOGIN_TIMEOUT,
                      reinterpret_cast<SQLPOINTER>(SQLULEN(qMax(0, tiempoEspera))), 0);
    SQLSetConnectAttr(dbc, SQL_ATTR_CONNECTION_TIMEOUT,
                      reinterpret_cast<SQLPOINTER>(SQLULEN(qMax(0, tiempoEspera))), 0);
    std::u16string cadena = Ancho(ConVersionDeFreeTds(cadenaOdbc));
    const SQLRETURN rc = SQLDriverConnectW(dbc, nullptr, Sql(cadena), SQLSMALLINT(cadena.size()),
                                           nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        Diagnosticos(SQL_HANDLE_DBC, dbc, errores, OrigenDeLaCadena(cadenaOdbc),
                     QStringLiteral("No se puede conectar con el servidor '%1': no responde, no "
                                    "existe o rechaza el acceso. ")
                         .arg(servidor));
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        SQLFreeHandle(SQL_HANDLE_ENV, env);
        return nullptr;
    }
    std::unique_ptr<ProveedorOdbc> p(new ProveedorOdbc(env, dbc, dialecto));
    p->motor_ = Informacion(dbc, SQL_DBMS_NAME);
    SQLUINTEGER extensiones = 0;
    if (SQL_SUCCEEDED(
            SQLGetInfo(dbc, SQL_GETDATA_EXTENSIONS, &extensiones, sizeof extensiones, nullptr)))
        p->filasPorBloque_ = !(extensiones & SQL_GD_BOUND)  ? 0
                             : (extensiones & SQL_GD_BLOCK) ? LectorOdbc::kFilasPorBloque
                                                            : 1;
    const QString controlador = Informacion(dbc, SQL_DRIVER_NAME);
    p->origen_ = controlador.isEmpty() ? OrigenDeLaCadena(cadenaOdbc)
                                       : QStringLiteral("Proveedor ODBC ") + controlador;
    // A data source of the server's name may lead to any engine: only SQL Server is spoken
    // to in its own session statements.
    if (dialecto == SqlServer && !EsSqlServer(p->motor_))
        p->dialecto_ = Generico;
    // The program writes its date literals day first.
    if (p->dialecto_ == SqlServer &&
        !p->Ejecutar(QStringLiteral("SET DATEFORMAT dmy"), nullptr, errores))
        return nullptr;
    return p;
}

bool ProveedorOdbc::ExisteOrigen(const QString& nombre) {
    SQLHENV env = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
        return false;
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    bool existe = false;
    SQLWCHAR origen[256];
    SQLSMALLINT largo = 0, largoDescripcion = 0;
    SQLUSMALLINT direccion = SQL_FETCH_FIRST;
    while (!existe &&
           SQL_SUCCEEDED(SQLDataSourcesW(env, direccion, origen, SQLSMALLINT(std::size(origen)),
                                         &largo, nullptr, 0, &largoDescripcion))) {
        existe = Leido(origen, largo).compare(nombre, Qt::CaseInsensitive) == 0;
        direccion = SQL_FETCH_NEXT;
    }
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return existe;
}

QString ProveedorOdbc::ValorDelOrigen(const QString& origen, const QString& clave) {
    char valor[256] = {};
    SQLGetPrivateProfileString(origen.toUtf8().constData(), clave.toUtf8().constData(), "", valor,
                               int(sizeof valor), "odbc.ini");
    return QString::fromUtf8(valor).trimmed();
}

ProveedorOdbc::~ProveedorOdbc() {
    if (nivelTransaccion_ > 0)
        SQLEndTran(SQL_HANDLE_DBC, dbc_, SQL_ROLLBACK);
    SQLDisconnect(dbc_);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
    SQLFreeHandle(SQL_HANDLE_ENV, env_);
}

// The query timeout goes with every statement. Another engine takes the isolation level if
// its driver knows it, and has no database of the server's kind to change to.
bool ProveedorOdbc::Ajustar(const AjustesSesion& ajustes, Errors& errores) {
    tiempoComando_ = ajustes.tiempoComando;
    if (dialecto_ == Oracle)
        return true;
    GuardarFilasEnCurso();
    const SQLULEN nivel =
        ajustes.aislamiento == 256 ? SQL_TXN_READ_UNCOMMITTED : SQL_TXN_READ_COMMITTED;
    const bool aislado = SQL_SUCCEEDED(
        SQLSetConnectAttr(dbc_, SQL_ATTR_TXN_ISOLATION, reinterpret_cast<SQLPOINTER>(nivel), 0));
    if (dialecto_ != SqlServer)
        return true;
    if (!aislado) {
        Diagnosticos(SQL_HANDLE_DBC, dbc_, errores, origen_);
        return false;
    }
    if (ajustes.baseDefecto.trimmed().isEmpty())
        return true;
    std::u16string base = Ancho(ajustes.baseDefecto.trimmed());
    if (SQL_SUCCEEDED(SQLSetConnectAttrW(dbc_, SQL_ATTR_CURRENT_CATALOG, Sql(base),
                                         SQLINTEGER(base.size() * sizeof(char16_t)))))
        return true;
    Diagnosticos(SQL_HANDLE_DBC, dbc_, errores, origen_);
    return false;
}

// A batch may give several results: row counts add up and the last rowset is kept. Every
// statement's messages are collected, as the server runs the rest of a batch after most
// errors.
bool ProveedorOdbc::Resultados(SQLHSTMT stmt, SQLRETURN rc, Resultado* resultado, long* afectados,
                               Errors& errores) {
    bool ok = true;
    long total = 0;
    while (rc != SQL_NO_DATA) {
        if (rc == SQL_ERROR || rc == SQL_INVALID_HANDLE) {
            ok = false;
            // A driver that reports nothing has no further results to give either.
            if (!Diagnosticos(SQL_HANDLE_STMT, stmt, errores, origen_))
                break;
        } else {
            SQLSMALLINT columnas = 0;
            SQLNumResultCols(stmt, &columnas);
            if (columnas > 0 && resultado) {
                Resultado r;
                DescribirColumnas(stmt, columnas, r.columnas);
                LectorOdbc lector(stmt, r.columnas, filasPorBloque_);
                ok = LeerFilas(lector, r, errores, origen_) && ok;
                lector.Soltar();
                *resultado = std::move(r);
            } else if (columnas == 0) {
                SQLLEN n = 0;
                if (SQL_SUCCEEDED(SQLRowCount(stmt, &n)) && n > 0)
                    total += long(n);
            }
        }
        rc = SQLMoreResults(stmt);
    }
    if (afectados)
        *afectados = total;
    return ok;
}

void ProveedorOdbc::GuardarFilasEnCurso() {
    if (*enCurso_)
        (*enCurso_)->Guardar();
}

SQLHSTMT ProveedorOdbc::NuevaSentencia(Errors& errores) {
    GuardarFilasEnCurso();
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &stmt))) {
        Diagnosticos(SQL_HANDLE_DBC, dbc_, errores, origen_);
        return SQL_NULL_HSTMT;
    }
    SQLSetStmtAttr(stmt, SQL_ATTR_QUERY_TIMEOUT,
                   reinterpret_cast<SQLPOINTER>(SQLULEN(qMax(0, tiempoComando_))), 0);
    return stmt;
}

bool ProveedorOdbc::Correr(const QString& sql, const QVariantList& valores, Resultado* resultado,
                           long* afectados, Errors& errores) {
    SQLHSTMT stmt = NuevaSentencia(errores);
    if (!stmt)
        return false;
    std::u16string texto = Ancho(sql);
    std::vector<Parametro> parametros(valores.size());
    SQLRETURN rc = SQL_SUCCESS;
    if (valores.isEmpty()) {
        rc = SQLExecDirectW(stmt, Sql(texto), SQLINTEGER(texto.size()));
    } else {
        rc = SQLPrepareW(stmt, Sql(texto), SQLINTEGER(texto.size()));
        for (int i = 0; SQL_SUCCEEDED(rc) && i < valores.size(); ++i)
            rc = Vincular(stmt, SQLUSMALLINT(i + 1), valores[i], parametros[i]);
        if (SQL_SUCCEEDED(rc))
            rc = SQLExecute(stmt);
    }
    const bool ok = Resultados(stmt, rc, resultado, afectados, errores);
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    return ok;
}

bool ProveedorOdbc::Ejecutar(const QString& sql, long* afectados, Errors& errores) {
    return Correr(sql, {}, nullptr, afectados, errores);
}

bool ProveedorOdbc::Consultar(const QString& sql, Resultado& resultado, Errors& errores) {
    resultado = Resultado();
    return Correr(sql, {}, &resultado, nullptr, errores);
}

// Only a query whose first result is a rowset comes row by row: anything else (a statement
// or a batch that starts with one) is read whole, as Consultar reads it.
bool ProveedorOdbc::ConsultarPorFilas(const QString& sql, std::unique_ptr<FilasEnCurso>& filas,
                                      Resultado& resultado, Errors& errores) {
    filas.reset();
    resultado = Resultado();
    SQLHSTMT stmt = NuevaSentencia(errores);
    if (!stmt)
        return false;
    std::u16string texto = Ancho(sql);
    const SQLRETURN rc = SQLExecDirectW(stmt, Sql(texto), SQLINTEGER(texto.size()));
    SQLSMALLINT columnas = 0;
    if (SQL_SUCCEEDED(rc) && SQL_SUCCEEDED(SQLNumResultCols(stmt, &columnas)) && columnas > 0) {
        filas = std::make_unique<FilasOdbc>(stmt, columnas, enCurso_, origen_, filasPorBloque_);
        return true;
    }
    const bool ok = Resultados(stmt, rc, &resultado, nullptr, errores);
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    return ok;
}

bool ProveedorOdbc::EjecutarNativo(const QString& sql, const QVariantList& valores, long* afectados,
                                   Errors& errores) {
    return Correr(sql, valores, nullptr, afectados, errores);
}

bool ProveedorOdbc::Autocommit(bool activo, Errors& errores) {
    GuardarFilasEnCurso();
    const SQLULEN valor = activo ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF;
    if (SQL_SUCCEEDED(
            SQLSetConnectAttr(dbc_, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(valor), 0)))
        return true;
    Diagnosticos(SQL_HANDLE_DBC, dbc_, errores, origen_);
    return false;
}

bool ProveedorOdbc::Finalizar(SQLSMALLINT como, Errors& errores) {
    GuardarFilasEnCurso();
    if (SQL_SUCCEEDED(SQLEndTran(SQL_HANDLE_DBC, dbc_, como)))
        return true;
    Diagnosticos(SQL_HANDLE_DBC, dbc_, errores, origen_);
    return false;
}

bool ProveedorOdbc::IniciarTransaccion(Errors& errores) {
    if (nivelTransaccion_ == 0 && !Autocommit(false, errores))
        return false;
    ++nivelTransaccion_;
    return true;
}

bool ProveedorOdbc::Terminar(SQLSMALLINT como, Errors& errores) {
    if (nivelTransaccion_ == 0) {
        errores.Add(ErrorDe(origen_, E_FAIL_, 3902, QStringLiteral("25000"),
                            QStringLiteral("No hay ninguna transacción activa.")));
        return false;
    }
    if (como == SQL_COMMIT && --nivelTransaccion_ > 0)
        return true;
    nivelTransaccion_ = 0;
    Errors ignorados;
    const bool ok = Finalizar(como, errores);
    Autocommit(true, ignorados);
    return ok;
}

// A savepoint needs a transaction to live in: the caller's (BeginTrans, or one the program's
// text began, which only the server knows of). SQLite's is a transaction of its own when
// none is open; other servers without one take a transaction of the update's own.
bool ProveedorOdbc::PuntoDeGuardadoPosible(bool& posible, Errors& errores) {
    posible = nivelTransaccion_ > 0 || EsSqlite(motor_);
    if (!EsSqlServer(motor_))
        return true;
    Resultado abiertas;
    if (!Correr(QStringLiteral("SELECT @@TRANCOUNT"), {}, &abiertas, nullptr, errores))
        return false;
    // Under BeginTrans the server opens the transaction only with its first statement.
    posible = abiertas.filas.value(0).value(0).toInt() > 0;
    return true;
}

bool ProveedorOdbc::ActualizarUnaFila(const QString& sql, const QVariantList& valores,
                                      long& afectados, Errors& errores) {
    afectados = 0;
    bool posible = false;
    if (!PuntoDeGuardadoPosible(posible, errores))
        return false;
    return posible ? EnPuntoDeGuardado(sql, valores, afectados, errores)
                   : EnTransaccionLocal(sql, valores, afectados, errores);
}

bool ProveedorOdbc::EnPuntoDeGuardado(const QString& sql, const QVariantList& valores,
                                      long& afectados, Errors& errores) {
    const PalabrasDePunto punto = PalabrasDelMotor(motor_);
    if (!Ejecutar(punto.marcar, nullptr, errores))
        return false;
    const bool ok = Correr(sql, valores, nullptr, &afectados, errores);
    const bool enOrden = (ok && afectados == 1) || Ejecutar(punto.volver, nullptr, errores);
    return (punto.soltar.isEmpty() || Ejecutar(punto.soltar, nullptr, errores)) && ok && enOrden;
}

// Outside BeginTrans the update gets a transaction of its own; under it (nothing done in it
// yet, as the server said) undoing the update undoes nothing of the caller's.
bool ProveedorOdbc::EnTransaccionLocal(const QString& sql, const QVariantList& valores,
                                       long& afectados, Errors& errores) {
    const bool propia = nivelTransaccion_ == 0;
    if (propia && !Autocommit(false, errores))
        return false;
    const bool ok = Correr(sql, valores, nullptr, &afectados, errores);
    const bool una = ok && afectados == 1;
    const bool terminada = (!propia && una) || Finalizar(una ? SQL_COMMIT : SQL_ROLLBACK, errores);
    return (!propia || Autocommit(true, errores)) && ok && terminada;
}

bool ProveedorOdbc::ConfirmarTransaccion(Errors& errores) {
    return Terminar(SQL_COMMIT, errores);
}

bool ProveedorOdbc::DeshacerTransaccion(Errors& errores) {
    return Terminar(SQL_ROLLBACK, errores);
}

bool ProveedorOdbc::Catalogo(const std::function<SQLRETURN(SQLHSTMT)>& llamada,
                             Resultado& resultado, Errors& errores) {
    SQLHSTMT stmt = NuevaSentencia(errores);
    if (!stmt)
        return false;
    const bool ok = Resultados(stmt, llamada(stmt), &resultado, nullptr, errores);
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    return ok;
}

bool ProveedorOdbc::Esquema(int tipo, const QVariantList& restricciones, Resultado& resultado,
                            Errors& errores) {
    resultado = Resultado();
    if (tipo != adSchemaTables && tipo != adSchemaColumns) {
        errores.Add(ErrorDe(origen_, E_FAIL_, 0, QStringLiteral("HYC00"),
                            QStringLiteral("El proveedor no admite el esquema %1.").arg(tipo)));
        return false;
    }
    // Restrictions are in the catalog function's own order: catalog, schema, table and then
    // type or column; an empty one restricts nothing.
    std::u16string r[4];
    for (int i = 0; i < 4; ++i)
        r[i] = Ancho(restricciones.value(i).toString());
    const auto arg = [&r](int i) { return r[i].empty() ? nullptr : Sql(r[i]); };
    const auto largo = [&r](int i) { return SQLSMALLINT(r[i].empty() ? 0 : r[i].size()); };
    Resultado crudo;
    const bool ok = Catalogo(
        [&](SQLHSTMT stmt) {
            return tipo == adSchemaTables ? SQLTablesW(stmt, arg(0), largo(0), arg(1), largo(1),
                                                       arg(2), largo(2), arg(3), largo(3))
                                          : SQLColumnsW(stmt, arg(0), largo(0), arg(1), largo(1),
                                                        arg(2), largo(2), arg(3), largo(3));
        },
        crudo, errores);
    if (ok)
        resultado = tipo == adSchemaTables ? EsquemaTablas(crudo) : EsquemaColumnas(crudo);
    return ok;
}

QStringList ProveedorOdbc::ClavePrimaria(const QString& tabla) {
    std::u16string nombre = Ancho(tabla);
    Resultado claves;
    Errors errores;
    Catalogo(
        [&](SQLHSTMT stmt) {
            return SQLPrimaryKeysW(stmt, nullptr, 0, nullptr, 0, Sql(nombre),
                                   SQLSMALLINT(nombre.size()));
        },
        claves, errores);
    std::sort(claves.filas.begin(), claves.filas.end(),
              [](const auto& a, const auto& b) { return a.value(4).toInt() < b.value(4).toInt(); });
    QStringList columnas;
    for (const auto& fila : claves.filas)
        columnas << fila.value(3).toString();
    return columnas;
}

} // namespace ado
