#include "platform/ado/ProveedorSqlite.h"

#include "platform/ado/AdoTipos.h"
#include "platform/ado/ErroresSqlite.h"
#include "platform/ado/FuncionesSqlite.h"
#include "platform/ado/TSqlToSqlite.h"
#include "platform/ado/TiposSqlite.h"
#include "platform/errors/ErrorEjecucion.h"

#include <QFileInfo>
#include <sqlite3.h>
#include <vector>

namespace ado {
namespace {

Error NoSeAbre(const QString& descripcion) {
    return ErrorDelProveedor(E_FAIL_, 4060, QStringLiteral("08001"), descripcion);
}

// Expression columns have no declared type: they take the type of their first value.
void TiposDeExpresiones(Resultado& r) {
    for (int c = 0; c < r.columnas.size(); ++c) {
        if (r.columnas[c].tipo != adEmpty)
            continue;
        r.columnas[c].tipo = adVarChar;
        for (const auto& fila : r.filas)
            if (!fila[c].isNull()) {
                r.columnas[c].tipo = TipoDeValor(fila[c]);
                break;
            }
        TipoAdo(QString(), &r.columnas[c].tamano);
    }
}

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
    const int rc = sqlite3_open_v2(QFile::encodeName(archivo).constData(), &db,
                                   SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        errores.Add(NoSeAbre(QStringLiteral("No se puede abrir la base de datos '%1': %2")
                                 .arg(archivo, ErrorDeSqlite(rc, {}).Description)));
        sqlite3_close(db);
        return nullptr;
    }
    std::unique_ptr<ProveedorSqlite> proveedor(new ProveedorSqlite(db));
    sqlite3_busy_timeout(db, std::max(tiempoEspera, 1) * 1000);
    Errors propios;
    if (!RegistrarFunciones(db) || !proveedor->CargarEsquema(propios)) {
        const QString motivo = propios.Count() ? propios.Item(0).Description : QString();
        errores.Add(NoSeAbre(
            QStringLiteral("No se puede abrir la base de datos '%1': %2").arg(archivo, motivo)));
        return nullptr;
    }
    return proveedor;
}

ProveedorSqlite::~ProveedorSqlite() {
    sqlite3_close_v2(db_);
}

bool ProveedorSqlite::CargarEsquema(Errors& errores) {
    Resultado tablas;
    if (!EjecutarUna(QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table', "
                                    "'view') AND name NOT LIKE 'sqlite_%'"),
                     {}, &tablas, nullptr, errores))
        return false;
    EsquemaSqlite nuevo;
    for (const auto& fila : tablas.filas) {
        const QString tabla = fila[0].toString();
        Resultado columnas;
        if (!EjecutarUna(QStringLiteral("PRAGMA table_xinfo(\"%1\")").arg(tabla), {}, &columnas,
                         nullptr, errores))
            return false;
        QVector<EsquemaSqlite::ColumnaEsquema> lista;
        for (const auto& c : columnas.filas)
            lista.append({c[1].toString(), c[2].toString(), c[6].toInt() != 0});
        nuevo.AgregarTabla(tabla, lista);
    }
    esquema_ = std::move(nuevo);
    return true;
}

void ProveedorSqlite::AgregarError(int codigo, const QString& sql, Errors& errores) {
    Q_UNUSED(sql);
    errores.Add(
        ErrorDeSqlite(sqlite3_extended_errcode(db_) ? sqlite3_extended_errcode(db_) : codigo,
                      QString::fromUtf8(sqlite3_errmsg(db_))));
}

bool ProveedorSqlite::Simple(const char* sql, Errors& errores) {
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        AgregarError(rc, QString::fromLatin1(sql), errores);
    return rc == SQLITE_OK;
}

bool ProveedorSqlite::Paso(sqlite3_stmt* stmt, Resultado* resultado, Errors& errores,
                           const QString& sql) {
    const int n = sqlite3_column_count(stmt);
    if (resultado) {
        resultado->columnas.resize(n);
        for (int c = 0; c < n; ++c) {
            Columna& col = resultado->columnas[c];
            col.nombre = QString::fromUtf8(sqlite3_column_name(stmt, c));
            col.tipo = TipoAdo(QString::fromUtf8(sqlite3_column_decltype(stmt, c)), &col.tamano);
            col.tabla = QString::fromUtf8(sqlite3_column_table_name(stmt, c));
            col.columnaBase = QString::fromUtf8(sqlite3_column_origin_name(stmt, c));
        }
    }
    std::vector<FechasLeidas> fechas(resultado ? n : 0);
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
        QVector<QVariant> fila(n);
        for (int c = 0; c < n; ++c) {
            const Columna& columna = resultado->columnas[c];
            const bool fecha = columna.tipo == adDBTimeStamp || columna.tipo == adDBDate;
            fila[c] = fecha ? fechas[c].Leer(stmt, c, columna.tipo, columna.tamano)
                            : LeerValor(stmt, c, columna.tipo, columna.tamano);
        }
        resultado->filas.append(std::move(fila));
    }
    if (resultado)
        TiposDeExpresiones(*resultado);
    return true;
}

bool ProveedorSqlite::EjecutarUna(const QString& sql, const QVariantList& valores,
                                  Resultado* resultado, long* afectados, Errors& errores) {
    const QByteArray texto = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db_, texto.constData(), int(texto.size()), &stmt, nullptr);
    if (rc != SQLITE_OK || !stmt) {
        if (rc != SQLITE_OK)
            AgregarError(rc, sql, errores);
        sqlite3_finalize(stmt);
        return rc == SQLITE_OK;
    }
    for (int i = 0; i < valores.size() && rc == SQLITE_OK; ++i)
        rc = Vincular(stmt, i + 1, valores[i]);
    const bool ok = rc == SQLITE_OK ? Paso(stmt, resultado, errores, sql)
                                    : (AgregarError(rc, sql, errores), false);
    if (ok && afectados)
        *afectados = sqlite3_stmt_readonly(stmt) ? 0 : sqlite3_changes(db_);
    sqlite3_finalize(stmt);
    return ok;
}

bool ProveedorSqlite::EjecutarLote(const QString& sql, Resultado* resultado, long* afectados,
                                   Errors& errores) {
    if (!SinCaracterNulo(sql, errores))
        return false;
    QVector<SentenciaTraducida> lote;
    try {
        lote = TraducirLote(sql, esquema_);
    } catch (const ErrorEjecucion& e) {
        errores.Add(ErrorDelProveedor(e.Number(), 0, QStringLiteral("42000"), e.Description()));
        return false;
    }
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
    return EjecutarLote(sql, nullptr, afectados, errores);
}

bool ProveedorSqlite::Consultar(const QString& sql, Resultado& resultado, Errors& errores) {
    resultado = Resultado();
    return EjecutarLote(sql, &resultado, nullptr, errores);
}

bool ProveedorSqlite::EjecutarNativo(const QString& sql, const QVariantList& valores,
                                     long* afectados, Errors& errores) {
    return EjecutarUna(sql, valores, nullptr, afectados, errores);
}

bool ProveedorSqlite::IniciarTransaccion(Errors& errores) {
    if (nivelTransaccion_ == 0 && !Simple("BEGIN", errores))
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
        if (!EjecutarUna(QStringLiteral("PRAGMA table_xinfo(\"%1\")").arg(tabla), {}, &info,
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
    if (EjecutarUna(QStringLiteral("PRAGMA table_info(\"%1\")").arg(tabla), {}, &info, nullptr,
                    errores))
        for (const auto& c : info.filas)
            if (c[5].toInt() > 0)
                clave.insert(c[5].toInt(), c[1].toString());
    return clave.values();
}

} // namespace ado
