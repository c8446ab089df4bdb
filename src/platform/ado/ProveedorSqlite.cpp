#include "platform/ado/ProveedorSqlite.h"

#include "platform/ado/AdoTipos.h"
#include "platform/ado/ErroresSqlite.h"
#include "platform/ado/FuncionesSqlite.h"
#include "platform/ado/TSqlToSqlite.h"
#include "platform/ado/TiposSqlite.h"
#include "platform/ado/TokenSql.h"
#include "platform/errors/ErrorEjecucion.h"

#include <QFileInfo>
#include <sqlite3.h>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace ado {
namespace {

Error NoSeAbre(const QString& descripcion) {
    return ErrorDelProveedor(E_FAIL_, 4060, QStringLiteral("08001"), descripcion);
}

Error ErrorDelMotor(sqlite3* db, int codigo) {
    const int extendido = sqlite3_extended_errcode(db);
    return ErrorDeSqlite(extendido ? extendido : codigo, QString::fromUtf8(sqlite3_errmsg(db)));
}

void DescribirColumnas(sqlite3_stmt* stmt, QVector<Columna>& columnas) {
    columnas.resize(sqlite3_column_count(stmt));
    for (int c = 0; c < columnas.size(); ++c) {
        Columna& col = columnas[c];
        col.nombre = QString::fromUtf8(sqlite3_column_name(stmt, c));
        col.tipo =
            TipoAdo(QString::fromUtf8(sqlite3_column_decltype(stmt, c)), &col.tamano, &col.escala);
        col.tabla = QString::fromUtf8(sqlite3_column_table_name(stmt, c));
        col.columnaBase = QString::fromUtf8(sqlite3_column_origin_name(stmt, c));
    }
}

void LeerFila(sqlite3_stmt* stmt, const QVector<Columna>& columnas,
              std::vector<FechasLeidas>& fechas, QVector<QVariant>& fila) {
    fila.resize(columnas.size());
    for (int c = 0; c < columnas.size(); ++c) {
        const Columna& columna = columnas[c];
        const bool fecha = columna.tipo == adDBTimeStamp || columna.tipo == adDBDate;
        fila[c] = fecha ? fechas[c].Leer(stmt, c, columna) : LeerValor(stmt, c, columna);
    }
}

// Expression columns have no declared type: they take the type of their first value.
void TiposDeExpresiones(QVector<Columna>& columnas, const QVector<QVector<QVariant>>& filas) {
    for (int c = 0; c < columnas.size(); ++c) {
        if (columnas[c].tipo != adEmpty)
            continue;
        columnas[c].tipo = adVarChar;
        for (const auto& fila : filas)
            if (!fila[c].isNull()) {
                columnas[c].tipo = TipoDeValor(fila[c]);
                break;
            }
        TipoAdo(QString(), &columnas[c].tamano);
    }
}

// A query stepped as the caller moves. Expression columns report the type of the first row,
// as only it has been read when the caller first looks; every value is still read as it
// comes, as a client cursor reads it.
class FilasSqlite : public FilasEnCurso {
public:
    FilasSqlite(sqlite3_stmt* stmt, std::weak_ptr<char> base)
        : stmt_(stmt), base_(std::move(base)) {
        DescribirColumnas(stmt_, comoSeLeen_);
        columnas_ = comoSeLeen_;
        fechas_.resize(columnas_.size());
    }
    ~FilasSqlite() override { sqlite3_finalize(stmt_); }
    const QVector<Columna>& Columnas() const override { return columnas_; }

    Lectura Leer(QVector<QVariant>& fila, Errors& errores) override {
        if (base_.expired()) {
            errores.Add(ErrorConexionCerrada());
            return Fallo;
        }
        const int rc = sqlite3_step(stmt_);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
            errores.Add(ErrorDelMotor(sqlite3_db_handle(stmt_), rc));
            return Fallo;
        }
        if (rc == SQLITE_ROW)
            LeerFila(stmt_, comoSeLeen_, fechas_, fila);
        if (std::exchange(primera_, false)) {
            QVector<QVector<QVariant>> leida;
            if (rc == SQLITE_ROW)
                leida.append(fila);
            TiposDeExpresiones(columnas_, leida);
        }
        return rc == SQLITE_ROW ? Fila : Fin;
    }

    // The types of expression columns come from the first row, read as any row is.
    Lectura LeerTextos(TextosDeFilas& textos, const TextoDeValor& comoTexto,
                       Errors& errores) override {
        if (primera_ || base_.expired())
            return FilasEnCurso::LeerTextos(textos, comoTexto, errores);
        EscritorDeTextos escritor(textos, comoTexto, int(columnas_.size()));
        for (;;) {
            const int rc = sqlite3_step(stmt_);
            if (rc == SQLITE_DONE)
                return Fin;
            if (rc != SQLITE_ROW) {
                errores.Add(ErrorDelMotor(sqlite3_db_handle(stmt_), rc));
                return Fallo;
            }
            LeerTextosDeFila(stmt_, comoSeLeen_, fechas_, escritor, textos);
        }
    }

private:
    sqlite3_stmt* stmt_;
    std::weak_ptr<char> base_;
    QVector<Columna> comoSeLeen_;
    QVector<Columna> columnas_;
    std::vector<FechasLeidas> fechas_;
    bool primera_ = true;
};

// The engine reads a statement only up to a NUL: whatever follows (a WHERE clause) would be
// dropped without a word, so such a text is refused before any of it runs.
bool SinCaracterNulo(const QString& sql, Errors& errores) {
    const qsizetype nulo = sql.indexOf(QChar(0));
    if (nulo < 0)
        return true;
    errores.Add(ErrorDelProveedor(
        DB_E_ERRORSINCOMMAND_, 0, QStringLiteral("42000"),
        QStringLiteral("La sentencia SQL contiene un carácter nulo (posición %1); no se ejecutó.")
            .arg(nulo + 1)));
    return false;
}

// A table or column name as the engine reads it, whatever it holds.
QString Nombre(QString n) {
    return u'"' + n.replace(u'"', QLatin1String("\"\"")) + u'"';
}

// The server refuses a text longer than its column (error 8152) where the engine would keep
// it whole. Temporary triggers of this connection check every CHAR and VARCHAR column with
// a length: the file keeps no trace of them, so databases made before work the same.
QString DisparadoresDeLargo(const QString& tabla,
                            const QVector<EsquemaSqlite::ColumnaEsquema>& columnas) {
    QString cuerpo;
    QStringList vigiladas;
    for (const auto& c : columnas) {
        const long largo = LargoDeTexto(c.tipoDeclarado);
        if (largo <= 0 || c.generada)
            continue;
        vigiladas.append(Nombre(c.nombre));
        // One pass of arg: a name may hold "%1".
        cuerpo += QStringLiteral("SELECT RAISE(ABORT, '%1: %2.%3') WHERE "
                                 "length(rtrim(NEW.%4, ' ')) > %5; ")
                      .arg(QLatin1String(kTextoTruncado), DoblarApostrofos(tabla),
                           DoblarApostrofos(c.nombre), Nombre(c.nombre), QString::number(largo));
    }
    const QString alta = Nombre(QStringLiteral("largo_alta_") + tabla);
    const QString cambio = Nombre(QStringLiteral("largo_cambio_") + tabla);
    QString sql = QStringLiteral("DROP TRIGGER IF EXISTS temp.%1; DROP TRIGGER IF EXISTS temp.%2; ")
                      .arg(alta, cambio);
    if (vigiladas.isEmpty())
        return sql;
    return sql +
           QStringLiteral("CREATE TEMP TRIGGER %1 BEFORE INSERT ON main.%3 BEGIN %4END; "
                          "CREATE TEMP TRIGGER %2 BEFORE UPDATE OF %5 ON main.%3 BEGIN %4END;")
               .arg(alta, cambio, Nombre(tabla), cuerpo, vigiladas.join(u','));
}

} // namespace

std::unique_ptr<ProveedorSqlite> ProveedorSqlite::Abrir(const QString& archivo, int tiempoEspera,
                                                        Errors& errores) {
    const QFileInfo info(archivo);
    if (archivo.trimmed().isEmpty() || !info.exists() || !info.isFile()) {
        errores.Add(NoSeAbre(
            QStringLiteral("No se encuentra el archivo de base de datos '%1'.").arg(archivo)));
        return nullptr;
    }
    sqlite3* db = nullptr;
    // A connection is only ever used by the thread that opened it: the engine's lock around
    // every step and every column read would guard nothing, and a long list reads millions.
    const int rc = sqlite3_open_v2(QFile::encodeName(archivo).constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        errores.Add(NoSeAbre(QStringLiteral("No se puede abrir la base de datos '%1': %2")
                                 .arg(archivo, ErrorDeSqlite(rc, {}).Description)));
        sqlite3_close(db);
        return nullptr;
    }
    std::unique_ptr<ProveedorSqlite> proveedor(new ProveedorSqlite(db));
    proveedor->RecordarArchivo();
    sqlite3_busy_timeout(db, std::max(tiempoEspera, 1) * 1000);
    sqlite3_exec(db, kMapaDelArchivo, nullptr, nullptr, nullptr);
    Errors propios;
    if (!RegistrarFunciones(db) || !proveedor->CargarEsquema(propios)) {
        const QString motivo = propios.Count() ? propios.Item(0).Description : QString();
        errores.Add(NoSeAbre(
            QStringLiteral("No se puede abrir la base de datos '%1': %2").arg(archivo, motivo)));
        return nullptr;
    }
    // Without waiting on other users: a file in use is brought up to date at a later open.
    sqlite3_busy_timeout(db, 0);
    IndicesAlDiaConLaColacion(db);
    sqlite3_busy_timeout(db, std::max(tiempoEspera, 1) * 1000);
    return proveedor;
}

void ProveedorSqlite::RecordarArchivo() {
    ruta_ = QByteArray(sqlite3_db_filename(db_, "main"));
    struct stat datos {};
    if (stat(ruta_.constData(), &datos) == 0) {
        dispositivo_ = datos.st_dev;
        nodo_ = datos.st_ino;
    }
}

bool ProveedorSqlite::SigueElArchivo() const {
    struct stat datos {};
    return stat(ruta_.constData(), &datos) == 0 && datos.st_dev == dispositivo_ &&
           datos.st_ino == nodo_ && datos.st_nlink > 0;
}

ProveedorSqlite::~ProveedorSqlite() {
    sqlite3_close_v2(db_);
}

// The file's schema cookie: it changes with every change of a table, whoever made it.
int ProveedorSqlite::VersionDelEsquema() {
    sqlite3_stmt* stmt = nullptr;
    int version = -1;
    if (sqlite3_prepare_v2(db_, "PRAGMA schema_version", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        version = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    return version;
}

bool ProveedorSqlite::CargarEsquema(Errors& errores) {
    const int version = VersionDelEsquema();
    Resultado tablas;
    if (!EjecutarUna(QStringLiteral("SELECT name, type FROM sqlite_master WHERE type IN "
                                    "('table', 'view') AND name NOT LIKE 'sqlite_%'"),
                     {}, &tablas, nullptr, errores))
        return false;
    EsquemaSqlite nuevo;
    for (const auto& fila : tablas.filas) {
        const QString tabla = fila[0].toString();
        Resultado columnas;
        if (!EjecutarUna(QStringLiteral("PRAGMA table_xinfo(") + Nombre(tabla) + u')', {},
                         &columnas, nullptr, errores))
            return false;
        QVector<EsquemaSqlite::ColumnaEsquema> lista;
        for (const auto& c : columnas.filas)
            lista.append({c[1].toString(), c[2].toString(), c[6].toInt() != 0});
        if (fila[1].toString() == QLatin1String("table") &&
            !Simple(DisparadoresDeLargo(tabla, lista).toUtf8().constData(), errores))
            return false;
        nuevo.AgregarTabla(tabla, lista);
    }
    esquema_ = std::move(nuevo);
    versionEsquema_ = version;
    return true;
}

void ProveedorSqlite::AgregarError(int codigo, const QString& sql, Errors& errores) {
    Q_UNUSED(sql);
    errores.Add(ErrorDelMotor(db_, codigo));
}

bool ProveedorSqlite::Simple(const char* sql, Errors& errores) {
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        AgregarError(rc, QString::fromLatin1(sql), errores);
    return rc == SQLITE_OK;
}

bool ProveedorSqlite::Paso(sqlite3_stmt* stmt, Resultado* resultado, Errors& errores,
                           const QString& sql) {
    if (resultado)
        DescribirColumnas(stmt, resultado->columnas);
    std::vector<FechasLeidas> fechas(resultado ? resultado->columnas.size() : 0);
    for (;;) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW) {
            AgregarError(rc, sql, errores);
            return false;
        }
        if (!resultado)
            continue;
        QVector<QVariant> fila;
        LeerFila(stmt, resultado->columnas, fechas, fila);
        resultado->filas.append(std::move(fila));
    }
    if (resultado)
        TiposDeExpresiones(resultado->columnas, resultado->filas);
    return true;
}

bool ProveedorSqlite::EjecutarUna(const QString& sql, const QVariantList& valores,
                                  Resultado* resultado, long* afectados, Errors& errores) {
    sqlite3_stmt* stmt = nullptr;
    int rc = Preparar(sql, &stmt, errores);
    if (!stmt)
        return rc == SQLITE_OK;
    for (int i = 0; i < valores.size() && rc == SQLITE_OK; ++i)
        rc = Vincular(stmt, i + 1, valores[i]);
    const bool ok = rc == SQLITE_OK ? Paso(stmt, resultado, errores, sql)
                                    : (AgregarError(rc, sql, errores), false);
    if (ok && afectados)
        *afectados = sqlite3_stmt_readonly(stmt) ? 0 : sqlite3_changes(db_);
    sqlite3_finalize(stmt);
    return ok;
}

// Compiles one statement into *stmt: null when the text holds none, or when it does not
// compile (the failure goes into errores).
int ProveedorSqlite::Preparar(const QString& sql, sqlite3_stmt** stmt, Errors& errores) {
    const QByteArray texto = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db_, texto.constData(), int(texto.size()), stmt, nullptr);
    if (rc != SQLITE_OK) {
        AgregarError(rc, sql, errores);
        sqlite3_finalize(*stmt);
        *stmt = nullptr;
    }
    return rc;
}

bool ProveedorSqlite::Traducir(const QString& sql, QVector<SentenciaTraducida>& lote,
                               Errors& errores) {
    if (!SinCaracterNulo(sql, errores))
        return false;
    // Another connection (another user, crear_base) may have added or changed a table since:
    // its dates and lengths are known before the statement is translated.
    if (VersionDelEsquema() != versionEsquema_ && !CargarEsquema(errores))
        return false;
    try {
        lote = TraducirLote(sql, esquema_);
    } catch (const ErrorEjecucion& e) {
        errores.Add(ErrorDelProveedor(e.Number(), 0, QStringLiteral("42000"), e.Description()));
        return false;
    }
    return true;
}

bool ProveedorSqlite::EjecutarLote(const QVector<SentenciaTraducida>& lote, Resultado* resultado,
                                   long* afectados, Errors& errores) {
    long total = 0;
    for (const SentenciaTraducida& s : lote) {
        bool ok = true;
        long n = 0;
        Resultado r;
        switch (s.clase) {
        case SentenciaTraducida::IniciarTransaccion:
            ok = IniciarTransaccion(errores);
            break;
        case SentenciaTraducida::ConfirmarTransaccion:
            ok = ConfirmarTransaccion(errores);
            break;
        case SentenciaTraducida::DeshacerTransaccion:
            ok = DeshacerTransaccion(errores);
            break;
        case SentenciaTraducida::Ninguna:
            break;
        case SentenciaTraducida::Normal:
            ok = EjecutarUna(s.sql, {}, resultado ? &r : nullptr, &n, errores) &&
                 (!s.cambiaEsquema || CargarEsquema(errores));
            total += n;
            if (ok && resultado && !r.columnas.isEmpty())
                *resultado = std::move(r);
        }
        if (!ok)
            return false;
    }
    if (afectados)
        *afectados = total;
    return true;
}

bool ProveedorSqlite::Ejecutar(const QString& sql, long* afectados, Errors& errores) {
    QVector<SentenciaTraducida> lote;
    return Traducir(sql, lote, errores) && EjecutarLote(lote, nullptr, afectados, errores);
}

bool ProveedorSqlite::Consultar(const QString& sql, Resultado& resultado, Errors& errores) {
    resultado = Resultado();
    QVector<SentenciaTraducida> lote;
    return Traducir(sql, lote, errores) && EjecutarLote(lote, &resultado, nullptr, errores);
}

// Only a lone query is stepped as the caller moves; a batch runs whole, in order, as always.
bool ProveedorSqlite::ConsultarPorFilas(const QString& sql, std::unique_ptr<FilasEnCurso>& filas,
                                        Resultado& resultado, Errors& errores) {
    resultado = Resultado();
    filas.reset();
    QVector<SentenciaTraducida> lote;
    if (!Traducir(sql, lote, errores))
        return false;
    if (lote.size() == 1 && lote[0].clase == SentenciaTraducida::Normal) {
        sqlite3_stmt* stmt = nullptr;
        if (Preparar(lote[0].sql, &stmt, errores) != SQLITE_OK)
            return false;
        if (stmt && sqlite3_stmt_readonly(stmt) && sqlite3_column_count(stmt) > 0) {
            filas = std::make_unique<FilasSqlite>(stmt, vida_);
            return true;
        }
        sqlite3_finalize(stmt);
    }
    return EjecutarLote(lote, &resultado, nullptr, errores);
}

namespace {

// Recordsets write names in brackets with a "]" inside doubled, as the server reads them; the
// engine knows no doubled "]", so the names reach it in double quotes.
QString NombresEntreComillas(const QString& sql) {
    TokensSql tokens = Tokenizar(sql);
    for (TokenSql& token : tokens)
        if (token.tipo == TokenSql::Corchete)
            token.texto = u'"' + token.Nombre().replace(u'"', QStringLiteral("\"\"")) + u'"';
    return Unir(tokens);
}

} // namespace

bool ProveedorSqlite::EjecutarNativo(const QString& sql, const QVariantList& valores,
                                     long* afectados, Errors& errores) {
    return EjecutarUna(NombresEntreComillas(sql), valores, nullptr, afectados, errores);
}

// A savepoint nests in the caller's transaction, or is one of its own when none is open.
bool ProveedorSqlite::ActualizarUnaFila(const QString& sql, const QVariantList& valores,
                                        long& afectados, Errors& errores) {
    afectados = 0;
    if (!Simple("SAVEPOINT fila_recordset", errores))
        return false;
    const bool ok = EjecutarUna(NombresEntreComillas(sql), valores, nullptr, &afectados, errores);
    const bool enOrden = (ok && afectados == 1) || Simple("ROLLBACK TO fila_recordset", errores);
    return Simple("RELEASE fila_recordset", errores) && ok && enOrden;
}

// The program's transactions write: each takes the write lock as it begins, waiting its turn
// behind other writers for as long as the connection's wait allows. Begun deferred, it would
// read first and ask for the lock only at its first write, an upgrade the engine refuses at once,
// without waiting, whenever another writer is already queued behind this reader.
bool ProveedorSqlite::IniciarTransaccion(Errors& errores) {
    if (nivelTransaccion_ == 0 && !Simple("BEGIN IMMEDIATE", errores))
        return false;
    ++nivelTransaccion_;
    return true;
}

bool ProveedorSqlite::ConfirmarTransaccion(Errors& errores) {
    if (nivelTransaccion_ == 0) {
        errores.Add(ErrorDelProveedor(DB_E_ERRORSINCOMMAND_, 3902, QStringLiteral("25000"),
                                      QStringLiteral("La solicitud COMMIT TRANSACTION no tiene "
                                                     "la correspondiente BEGIN TRANSACTION.")));
        return false;
    }
    if (nivelTransaccion_ == 1 && sqlite3_get_autocommit(db_)) {
        // The engine already undid the transaction after a severe error: committing now
        // would report as saved what was lost.
        nivelTransaccion_ = 0;
        errores.Add(ErrorDelProveedor(E_FAIL_, 3998, QStringLiteral("25000"),
                                      QStringLiteral("La transacción fue deshecha por un error "
                                                     "anterior; no se guardó ningún cambio.")));
        return false;
    }
    if (nivelTransaccion_ == 1 && !SigueElArchivo()) {
        nivelTransaccion_ = 0;
        Errors ignorados;
        Simple("ROLLBACK", ignorados);
        errores.Add(ErrorDelProveedor(
            E_FAIL_, 0, QStringLiteral("08S01"),
            QStringLiteral("El archivo de la base de datos '%1' se borró o se reemplazó mientras "
                           "estaba abierto; la transacción se deshizo y no se guardó ningún "
                           "cambio.")
                .arg(QFile::decodeName(ruta_))));
        return false;
    }
    if (nivelTransaccion_ == 1 && !Simple("COMMIT", errores))
        return false;
    --nivelTransaccion_;
    return true;
}

bool ProveedorSqlite::DeshacerTransaccion(Errors& errores) {
    if (nivelTransaccion_ == 0) {
        errores.Add(ErrorDelProveedor(DB_E_ERRORSINCOMMAND_, 3903, QStringLiteral("25000"),
                                      QStringLiteral("La solicitud ROLLBACK TRANSACTION no tiene "
                                                     "la correspondiente BEGIN TRANSACTION.")));
        return false;
    }
    nivelTransaccion_ = 0;
    return sqlite3_get_autocommit(db_) || Simple("ROLLBACK", errores);
}

namespace {

bool Cumple(const QVariantList& restricciones, int indice, const QString& valor) {
    if (indice >= restricciones.size())
        return true;
    const QVariant& r = restricciones[indice];
    return r.isNull() || r.toString().isEmpty() ||
           r.toString().compare(valor, Qt::CaseInsensitive) == 0;
}

void Columnas(Resultado& r, const QStringList& nombres, const QVector<int>& tipos) {
    for (int i = 0; i < nombres.size(); ++i)
        r.columnas.append(Columna{nombres[i], tipos[i], tipos[i] == adInteger ? 4 : 128, {}, {}});
}

} // namespace

bool ProveedorSqlite::Esquema(int tipo, const QVariantList& restricciones, Resultado& resultado,
                              Errors& errores) {
    resultado = Resultado();
    Resultado tablas;
    if (!EjecutarUna(QStringLiteral("SELECT name, upper(type) FROM sqlite_master WHERE type IN "
                                    "('table', 'view') AND name NOT LIKE 'sqlite_%' ORDER BY name"),
                     {}, &tablas, nullptr, errores))
        return false;
    if (tipo == adSchemaTables) {
        Columnas(resultado, {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "TABLE_TYPE"},
                 {adVarWChar, adVarWChar, adVarWChar, adVarWChar});
        for (const auto& t : tablas.filas)
            if (Cumple(restricciones, 2, t[0].toString()) &&
                Cumple(restricciones, 3, t[1].toString()))
                resultado.filas.append({QVariant(), QVariant(), t[0], t[1]});
        return true;
    }
    if (tipo != adSchemaColumns) {
        errores.Add(
            ErrorDelProveedor(E_FAIL_, 0, QStringLiteral("HYC00"),
                              QStringLiteral("El proveedor no admite el esquema %1.").arg(tipo)));
        return false;
    }
    Columnas(resultado,
             {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "COLUMN_NAME", "ORDINAL_POSITION",
              "DATA_TYPE", "CHARACTER_MAXIMUM_LENGTH", "IS_NULLABLE"},
             {adVarWChar, adVarWChar, adVarWChar, adVarWChar, adInteger, adInteger, adInteger,
              adBoolean});
    for (const auto& t : tablas.filas) {
        const QString tabla = t[0].toString();
        if (!Cumple(restricciones, 2, tabla))
            continue;
        Resultado info;
        if (!EjecutarUna(QStringLiteral("PRAGMA table_xinfo(") + Nombre(tabla) + u')', {}, &info,
                         nullptr, errores))
            return false;
        for (const auto& c : info.filas) {
            if (!Cumple(restricciones, 3, c[1].toString()))
                continue;
            long tamano = 0;
            const int tipoAdo = TipoAdo(c[2].toString(), &tamano);
            resultado.filas.append({QVariant(), QVariant(), tabla, c[1], c[0].toInt() + 1, tipoAdo,
                                    int(tamano), c[3].toInt() == 0});
        }
    }
    return true;
}

QStringList ProveedorSqlite::ClavePrimaria(const QString& tabla) {
    Errors errores;
    Resultado info;
    QMap<int, QString> clave;
    if (EjecutarUna(QStringLiteral("PRAGMA table_info(") + Nombre(tabla) + u')', {}, &info, nullptr,
                    errores))
        for (const auto& c : info.filas)
            if (c[5].toInt() > 0)
                clave.insert(c[5].toInt(), c[1].toString());
    return clave.values();
}

} // namespace ado
