#include "platform/ado/Proveedor.h"

#include "platform/ado/AdoTipos.h"
#include "platform/ado/ErroresSqlite.h"
#include "platform/ado/ProveedorOdbc.h"
#include "platform/ado/ProveedorSqlite.h"

#include <QHash>
#include <QRegularExpression>

namespace ado {
namespace {

// The value in braces that starts at `i` (its "{"), exactly as written with "}}" standing for
// "}"; `i` ends on its closing brace, or at the end of a value left open.
QString ValorEntreLlaves(const QString& cadena, qsizetype& i) {
    QString valor;
    for (++i; i < cadena.size(); ++i) {
        if (cadena.at(i) == u'}') {
            if (i + 1 == cadena.size() || cadena.at(i + 1) != u'}')
                break;
            ++i;
        }
        valor += cadena.at(i);
    }
    return valor;
}

// A value from `desde` up to its ";", and where the next setting starts. A value in braces
// can hold ";" and "=" without starting another setting; one left open runs to the end.
qsizetype LeerValor(const QString& cadena, qsizetype desde, QString& valor) {
    qsizetype i = desde;
    while (i < cadena.size() && cadena.at(i).isSpace())
        ++i;
    const bool llaves = i < cadena.size() && cadena.at(i) == u'{';
    if (llaves)
        valor = ValorEntreLlaves(cadena, i);
    const qsizetype fin = i < cadena.size() ? cadena.indexOf(u';', i) : -1;
    const qsizetype hasta = fin < 0 ? cadena.size() : fin;
    if (!llaves)
        valor = cadena.mid(desde, hasta - desde).trimmed();
    return fin < 0 ? cadena.size() : fin + 1;
}

Error SinServidor(const QString& descripcion) {
    return ErrorDelProveedor(E_FAIL_, 17, QStringLiteral("08001"), descripcion);
}

// An attribute of an ODBC connection string. The driver manager ends a value in braces at
// its first "}" and FreeTDS at its first "};", neither reads "}}" as "}": a value is quoted
// in braces as written, and one holding "}" never gets this far (CaracterIntransmisible).
QString Atributo(const QString& clave, const QString& valor) {
    static const QRegularExpression separadores(QStringLiteral(R"([;{=]|^\s|\s$)"));
    const bool llaves = valor.contains(separadores);
    return clave + u'=' + (llaves ? u'{' + valor + u'}' : valor) + u';';
}

// The first value given under any of a setting's names: OLE DB's own or the ODBC driver's.
QString Valor(const QHash<QString, QString>& partes, std::initializer_list<const char*> nombres) {
    for (const char* nombre : nombres)
        if (!partes.value(QLatin1String(nombre)).isEmpty())
            return partes.value(QLatin1String(nombre));
    return {};
}

QString Credenciales(const QHash<QString, QString>& partes) {
    return Atributo(QStringLiteral("UID"), Valor(partes, {"uid", "user id"})) +
           Atributo(QStringLiteral("PWD"), Valor(partes, {"pwd", "password"}));
}

// Settings of the OLE DB string that the server's ODBC drivers know under a name of their
// own, and those of today's servers' encryption, which they read under the same names. Any
// other is the OLE DB provider's alone and stays out: the driver would refuse it.
QString Equivalentes(const QHash<QString, QString>& partes) {
    static const std::pair<const char*, const char*> tabla[] = {
        {"application name", "APP"},
        {"workstation id", "WSID"},
        {"encrypt", "Encrypt"},
        {"trustservercertificate", "TrustServerCertificate"}};
    QString atributos;
    for (const auto& [oledb, odbc] : tabla)
        if (partes.contains(QLatin1String(oledb)))
            atributos += Atributo(QLatin1String(odbc), partes.value(QLatin1String(oledb)));
    return atributos;
}

// FreeTDS's own words for what the string says. Without a protocol version it tries one
// after another, and a server that takes the connection and never answers keeps it trying
// past any login timeout; 7.4 (SQL Server 2012 and later) gives up within it. Its driver
// knows encryption as "Encryption".
QString AtributosFreeTds(const QHash<QString, QString>& partes, const QString& origen) {
    QString version = Valor(partes, {"tds_version"});
    if (version.isEmpty() &&
        (origen.isEmpty() || ProveedorOdbc::ValorDelOrigen(origen, "TDS_Version").isEmpty()))
        version = QStringLiteral("7.4");
    QString atributos = version.isEmpty() ? QString() : Atributo("TDS_Version", version);
    const QString cifrado = Valor(partes, {"encrypt"}).toLower();
    if (!cifrado.isEmpty()) {
        const bool exigido =
            cifrado == "yes" || cifrado == "true" || cifrado == "mandatory" || cifrado == "strict";
        atributos += Atributo("Encryption", exigido ? "require" : "request");
    }
    return atributos;
}

bool EsFreeTds(const QString& controlador) {
    return controlador.contains(QLatin1String("tds"), Qt::CaseInsensitive);
}

// A data source of the server's name is the user's own configuration and wins; otherwise
// the FreeTDS driver reaches "host", "host,port" or "host\instance" directly. The database
// goes only to a SQL Server driver: to another (SQLite's) it would name a file of its own.
QString CadenaSqlServer(const QString& servidor, const QHash<QString, QString>& partes) {
    const QString base =
        Atributo(QStringLiteral("DATABASE"), Valor(partes, {"database", "initial catalog"}));
    const QString resto = Credenciales(partes) + Equivalentes(partes);
    if (ProveedorOdbc::ExisteOrigen(servidor)) {
        const QString controlador = ProveedorOdbc::ValorDelOrigen(servidor, "Driver");
        const bool freeTds = EsFreeTds(controlador);
        const bool sqlServer =
            freeTds || controlador.contains(QLatin1String("SQL Server"), Qt::CaseInsensitive);
        return Atributo(QStringLiteral("DSN"), servidor) + (sqlServer ? base : QString()) + resto +
               (freeTds ? AtributosFreeTds(partes, servidor) : QString());
    }
    const int coma = servidor.indexOf(u',');
    QString destino = Atributo(QStringLiteral("SERVER"), coma < 0 ? servidor : servidor.left(coma));
    if (coma >= 0)
        destino += Atributo(QStringLiteral("PORT"), servidor.mid(coma + 1).trimmed());
    return QStringLiteral("DRIVER={FreeTDS};") + destino + base + resto +
           AtributosFreeTds(partes, {}) + QStringLiteral("ClientCharset=UTF-8;");
}

// The setting, in the user's words, whose value the driver could not be handed exactly as
// typed; empty when every value the ODBC string takes from the program's can.
QString CaracterIntransmisible(const QHash<QString, QString>& partes) {
    static const std::pair<const char*, const char*> nombres[] = {
        {"server", "el servidor"},
        {"data source", "el servidor"},
        {"database", "la base de datos"},
        {"initial catalog", "la base de datos"},
        {"uid", "el usuario"},
        {"user id", "el usuario"},
        {"pwd", "la contraseña"},
        {"password", "la contraseña"},
        {"application name", "el nombre de la aplicación"},
        {"workstation id", "el nombre del equipo"},
        {"encrypt", "el cifrado"},
        {"trustservercertificate", "el certificado del servidor"},
        {"tds_version", "la versión del protocolo"}};
    for (const auto& [clave, nombre] : nombres)
        if (partes.value(QLatin1String(clave)).contains(u'}'))
            return QString::fromUtf8(nombre);
    return {};
}

Error Intransmisible(const QString& servidor, const QString& ajuste) {
    return SinServidor(QStringLiteral("No se puede conectar con el servidor '%1': %2 contiene el "
                                      "carácter '}', que el controlador ODBC no recibe tal cual "
                                      "se escribió. No se intentó la conexión.")
                           .arg(servidor, ajuste));
}

// The login timeout the string sets, if it sets one.
int TiempoDeEspera(const QHash<QString, QString>& partes, int tiempoEspera) {
    bool ok = false;
    const int segundos = Valor(partes, {"connect timeout", "connection timeout"}).toInt(&ok);
    return ok && segundos >= 0 ? segundos : tiempoEspera;
}

} // namespace

QHash<QString, QString> PartesDeCadena(const QString& cadena) {
    QHash<QString, QString> partes;
    for (qsizetype i = 0; i < cadena.size();) {
        const qsizetype igual = cadena.indexOf(u'=', i);
        const qsizetype corte = cadena.indexOf(u';', i);
        if (igual < 0 || (corte >= 0 && corte < igual)) { // a piece without "=" says nothing
            i = corte < 0 ? cadena.size() : corte + 1;
            continue;
        }
        QString valor;
        const QString clave = cadena.mid(i, igual - i).trimmed().toLower();
        i = LeerValor(cadena, igual + 1, valor);
        if (!clave.isEmpty())
            partes.insert(clave, valor);
    }
    return partes;
}

QString ValorDeCadena(const QString& valor) {
    static const QRegularExpression separadores(QStringLiteral(R"([;{}=]|^\s|\s$)"));
    if (!valor.contains(separadores))
        return valor;
    return u'{' + QString(valor).replace(u'}', QLatin1String("}}")) + u'}';
}

QString CadenaOdbcSqlServer(const QString& cadenaConexion, int& tiempoEspera) {
    const auto partes = PartesDeCadena(cadenaConexion);
    tiempoEspera = TiempoDeEspera(partes, tiempoEspera);
    if (!CaracterIntransmisible(partes).isEmpty())
        return {};
    return CadenaSqlServer(Valor(partes, {"server", "data source"}).trimmed(), partes);
}

std::unique_ptr<Proveedor> AbrirProveedor(const QString& cadenaConexion, int tiempoEspera,
                                          Errors& errores) {
    const auto partes = PartesDeCadena(cadenaConexion);
    const QString proveedor = partes.value(QStringLiteral("provider"));
    const QString servidor = Valor(partes, {"server", "data source"});
    const bool sqlite = servidor.compare(QLatin1String("SQLITE"), Qt::CaseInsensitive) == 0;
    const bool odbcPropia =
        proveedor.isEmpty() && (partes.contains("driver") || partes.contains("dsn"));
    if (const QString ajuste = CaracterIntransmisible(partes);
        !sqlite && !odbcPropia && !ajuste.isEmpty()) {
        errores.Add(Intransmisible(servidor, ajuste));
        return nullptr;
    }
    if (proveedor.startsWith(QLatin1String("OraOLEDB"), Qt::CaseInsensitive))
        return ProveedorOdbc::Abrir(
            Atributo(QStringLiteral("DSN"), servidor) + Credenciales(partes), ProveedorOdbc::Oracle,
            servidor, TiempoDeEspera(partes, tiempoEspera), errores);
    if (sqlite)
        return ProveedorSqlite::Abrir(partes.value(QStringLiteral("database")), tiempoEspera,
                                      errores);
    // A string already in ODBC's own terms (a driver or a data source, no provider) goes to
    // the driver manager as it is.
    if (odbcPropia)
        return ProveedorOdbc::Abrir(cadenaConexion, ProveedorOdbc::Generico,
                                    partes.value("dsn", partes.value("driver")), tiempoEspera,
                                    errores);
    if (servidor.trimmed().isEmpty()) {
        errores.Add(SinServidor(QStringLiteral("No se puede conectar: la cadena de conexión no "
                                               "indica el servidor.")));
        return nullptr;
    }
    const QString cadenaOdbc = CadenaOdbcSqlServer(cadenaConexion, tiempoEspera);
    return ProveedorOdbc::Abrir(cadenaOdbc, ProveedorOdbc::SqlServer, servidor, tiempoEspera,
                                errores);
}

FilasEnCurso::Lectura FilasEnCurso::LeerTextos(TextosDeFilas& textos, const TextoDeValor& comoTexto,
                                               Errors& errores) {
    EscritorDeTextos escritor(textos, comoTexto, int(Columnas().size()));
    QVector<QVariant> fila;
    for (;;) {
        const Lectura lectura = Leer(fila, errores);
        if (lectura != Fila)
            return lectura;
        escritor.AgregarFila(fila);
    }
}

} // namespace ado
