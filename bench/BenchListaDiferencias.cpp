// Times the list page of the pending differences on a company with 100,000 of them, and the
// floor under it: the same query read through the SQLite C API and the same bytes written
// with fwrite. Prints both times and their ratio.
//
//   build/bench/bench_lista [differences [database file to keep and reuse]]

#include "BaseDeMedicion.h"
#include "audit/ConsultaDiferencias.h"
#include "audit/clsAuditoria_HTM.h"
#include "platform/dialogs/DialogosGuionados.h"
#include "session/DB_Dll.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <sqlite3.h>
#include <string>

namespace {

const QStringList kTodosLosEstados = {"0", "1", "2", "3", "4"};

// ---- The company ----------------------------------------------------------------------------

struct Proveedor {
    const char* cuenta;
    const char* nombre; // as an SQL literal's inside
};

const Proveedor kProveedores[] = {
    {"211010101", "D''Angelo Hnos. S.A."},
    {"211010102", "Muñoz y Peña S.R.L."},
    {"211010103", "Distribuidora Castañeda S.A."},
    {"211010104", "Ferretería El Ñandú"},
    {"211010105", "Papelera Río Negro S.A."},
    {"211010106", "Aceros Zárate S.A."},
    {"211010107", "Transportes Ibáñez"},
    {"211010108", "Frigorífico La Pampeana S.A."},
    {"211010109", "Lácteos Don Martín S.A."},
    {"211010110", "Química Córdoba S.A."},
    {"211010111", "O''Higgins Importaciones S.R.L."},
    {"211010112", "Envases Patagónicos S.A."},
    {"211010113", "Pérez & Asociados <Logística>"},
};

struct Origen {
    const char* tc;
    char letra;
};

// One difference: its supplier line, the goods line and the VAT reversal, as one INSERT.
std::string InsertDiferencia(int n, std::mt19937& azar) {
    static const Origen origenes[] = {
        {"FCC", 'A'}, {"FCC", 'A'}, {"FCC", 'C'}, {"RMC", 'R'}, {"OC", 'X'}};
    const Proveedor& p = kProveedores[azar() % std::size(kProveedores)];
    const Origen& o = origenes[azar() % std::size(origenes)];
    const QDate fecha = QDate(2025, 1, 1).addDays(azar() % 730);
    const long total = 10000 + long(azar() % 5990000); // cents
    const long neto = std::lround(total / 1.21);
    const int estado = int(azar() % 5);
    char cpte[32];
    std::snprintf(cpte, sizeof cpte, "'%04u%08u%c'", unsigned(1 + azar() % 12),
                  unsigned(4000 + azar() % 90000), o.letra);
    const bool sinOrigen = n % 97 == 0;
    const std::string comun = std::string("'") +
                              fecha.toString("yyyy-MM-dd 00:00:00").toStdString() + "', " +
                              std::to_string(fecha.year()) + ", " + std::to_string(fecha.month()) +
                              ", " + std::to_string(n) + ", ";
    char importe[3][32];
    std::snprintf(importe[0], 32, "%ld.%02ld", total / 100, total % 100);
    std::snprintf(importe[1], 32, "%ld.%02ld", neto / 100, neto % 100);
    std::snprintf(importe[2], 32, "%ld.%02ld", (total - neto) / 100, (total - neto) % 100);
    const std::string origen = sinOrigen ? "NULL, NULL" : std::string("'") + o.tc + "', " + cpte;
    const std::string estadoSql = n % 50 == 0 ? "NULL" : std::to_string(estado);
    char clave[40];
    std::snprintf(clave, sizeof clave, "('NCPE', '%04d', '%08d', 'X', ", 1 + n % 2, n);
    std::string sql = "INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, FECHA, "
                      "PERIODO, MES_OPERATIVO, [NUMERO ASIENTO], CUENTA, [DEBE-HABER], IMPORTE, "
                      "TC_ORIGEN, CPTE_ORIGEN, CABCUENTA, CABNOMBRE, CABIMPORTE, ESTADO, "
                      "CONCILIADO) VALUES ";
    const char* cuentas[3] = {p.cuenta, "5110102", "1120201"};
    for (int s = 0; s < 3; ++s) {
        sql += std::string(s ? ", " : "") + clave + std::to_string(s + 1) + ", " + comun + "'" +
               cuentas[s] + "', '" + (s ? "H" : "D") + "', " + importe[s] + ", " + origen + ", " +
               (s ? std::string("NULL, NULL")
                  : std::string("'") + p.cuenta + "', '" + p.nombre + "'") +
               ", " + importe[0] + ", " + estadoSql + ", 0)";
    }
    return sql + ";\n";
}

bool CrearEmpresa(const QString& archivo, int diferencias) {
    sqlite3* db = AbrirBaseNueva(archivo);
    if (!db)
        return false;
    std::mt19937 azar(20261207);
    // A scratch database: no journal to keep, and room for the whole transaction in memory.
    bool ok = Ejecutar(db, "PRAGMA synchronous = OFF; PRAGMA journal_mode = MEMORY; "
                           "PRAGMA cache_size = -524288; BEGIN");
    for (int n = 1; ok && n <= diferencias; ++n)
        ok = Ejecutar(db, InsertDiferencia(n, azar));
    ok = ok && Ejecutar(db, "COMMIT");
    sqlite3_close(db);
    return ok;
}

// ---- The floor ------------------------------------------------------------------------------

// Code points of 0x80-0x9F in Windows-1252.
const char16_t kAltos[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                             0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                             0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ByteWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i)
        if (kAltos[i] == c)
            return char(0x80 + i);
    return '?';
}

// Next code point of UTF-8 text; `i` moves past it.
char32_t Siguiente(const unsigned char* s, int n, int& i) {
    const unsigned char b = s[i++];
    if (b < 0x80)
        return b;
    const int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
    char32_t c = b & (0x3F >> extra);
    for (int k = 0; k < extra && i < n; ++k)
        c = (c << 6) | (s[i++] & 0x3F);
    return c;
}

// One column of the current row as text, with the blanks a CHAR(n) column is read with.
struct Texto {
    const unsigned char* s = nullptr;
    int n = 0;
    int relleno = 0;
};

void Celda(std::string& out, const Texto& t) {
    int caracteres = 0;
    for (int i = 0; i < t.n; ++caracteres) {
        const char32_t c = Siguiente(t.s, t.n, i);
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += ByteWindows1252(c);
        }
    }
    out.append(std::max(0, t.relleno - caracteres), ' ');
}

void Url(std::string& out, const Texto& t) {
    static const char hex[] = "0123456789ABCDEF";
    int caracteres = 0;
    for (int i = 0; i < t.n; ++i) {
        const unsigned char b = t.s[i];
        caracteres += (b & 0xC0) != 0x80;
        if (std::isalnum(b) && b < 0x80)
            out += char(b);
        else if (b == '-' || b == '.' || b == '_' || b == '~')
            out += char(b);
        else
            out += {'%', hex[b >> 4], hex[b & 15]};
    }
    for (int k = caracteres; k < t.relleno; ++k)
        out += "%20";
}

int AnchoChar(const char* declarado) {
    return declarado && std::strncmp(declarado, "CHAR(", 5) == 0 ? std::atoi(declarado + 5) : 0;
}

enum { Fecha, TcO, CpteO, CabC, CabN, Imp, Tc, Suc, Num, Let, Est, Columnas };

struct Fila {
    Texto t[Columnas];
    std::string fecha, importe, estado;
};

// The texts of the row, as the program's runtime writes its values.
void LeerFila(sqlite3_stmt* st, Fila& f) {
    for (int c = 0; c < Columnas; ++c) {
        f.t[c] = {sqlite3_column_text(st, c), sqlite3_column_bytes(st, c),
                  sqlite3_column_type(st, c) == SQLITE_NULL
                      ? 0
                      : AnchoChar(sqlite3_column_decltype(st, c))};
    }
    const char* iso = reinterpret_cast<const char*>(f.t[Fecha].s);
    f.fecha.assign(iso + 8, 2).append("/").append(iso + 5, 2).append("/").append(iso, 4);
    if (std::strcmp(iso + 11, "00:00:00") != 0)
        f.fecha.append(" ").append(iso + 11, 8);
    char numero[40];
    std::snprintf(numero, sizeof numero, "%.15g", sqlite3_column_double(st, Imp));
    for (char* p = numero; *p; ++p)
        *p = *p == '.' ? ',' : *p == 'e' ? 'E' : *p;
    f.importe = numero;
    f.estado = std::to_string(sqlite3_column_int64(st, Est));
    auto propio = [](const std::string& s) {
        return Texto{reinterpret_cast<const unsigned char*>(s.data()), int(s.size()), 0};
    };
    f.t[Fecha] = propio(f.fecha);
    f.t[Imp] = propio(f.importe);
    f.t[Est] = propio(f.estado);
}

void DatosDiferencia(std::string& l, const Fila& f) {
    Url(l, f.t[Est]);
    const std::pair<const char*, int> resto[] = {{"_TC_", Tc},          {"_SUCURSAL_", Suc},
                                                 {"_NUMERO_", Num},     {"_LETRA_", Let},
                                                 {"_TIPOORIGEN_", TcO}, {"_CPTE-ORIGEN_", CpteO},
                                                 {"_Cabcuenta_", CabC}, {"_CabNombre_", CabN}};
    for (const auto& [marcador, c] : resto) {
        l += marcador;
        Url(l, f.t[c]);
    }
}

void LineaFila(std::string& l, const Fila& f) {
    const auto celda = [&](const char* apertura, int c) {
        l += apertura;
        Celda(l, f.t[c]);
        l += "</TD>";
    };
    celda("<TD CLASS=TableRow>", Fecha);
    celda("<TD CLASS=TableRow>", TcO);
    l += "<TD CLASS=TableRow><A HREF=\"_TCorigen_";
    Url(l, f.t[TcO]);
    l += "_CpteOrigen_";
    Url(l, f.t[CpteO]);
    l += "_Cuenta_";
    Url(l, f.t[CabC]);
    l += "\">";
    Celda(l, f.t[CpteO]);
    l += "</TD>";
    celda("<TD CLASS=TableRow>", CabC);
    celda("<TD CLASS=TableRow>", CabN);
    celda("<TD CLASS=TableRow align=right> ", Imp);
    celda("<TD CLASS=TableRow>", Tc);
    l += "<TD CLASS=TableRow><A HREF=\"_VER_ASIENTOTC_";
    Url(l, f.t[Tc]);
    l += "_SUCURSAL_";
    Url(l, f.t[Suc]);
    l += "_NUMERO_";
    Url(l, f.t[Num]);
    l += "_LETRA_";
    Url(l, f.t[Let]);
    l += "_Cuenta_";
    Url(l, f.t[CabC]);
    l += "\">";
    Celda(l, f.t[Suc]);
    l += '-';
    Celda(l, f.t[Num]);
    l += ' ';
    Celda(l, f.t[Let]);
    l += "</TD>";
    celda("<TD CLASS=TableRow> ", Est);
    l += "<TD CLASS=TableRow><A HREF=\"_CambioEstado_";
    DatosDiferencia(l, f);
    l += "\"><font color=white><U><B>Cambiar Estado</B></U></font></TD>";
    l += "<TD CLASS=TableRow><A HREF=\"_Modificar_";
    DatosDiferencia(l, f);
    l += "\"><font color=white><U><B>Modificar</B></U></font></TD></TR>\r\n";
}

// The fixed lines above the rows, taken once from the program: they cost nothing per row.
std::string Encabezado() {
    QString texto = clsAuditoria_HTM::CabeceraHTML("Auditoria", false, QDate::currentDate()) +
                    "\r\n<TABLE Border=0 CellPadding=3 CellSpacing=0 WIDTH=100%><TR "
                    "CLASS=TableTitulo><td ALIGN=center >Auditoria</td><TD ALIGN=right "
                    "></td></TR></TABLE>&nbsp\r\n<TABLE CLASS=TableDetalles WIDTH=100%>\r\n<TR> "
                    "\r\n";
    for (const char* c :
         {"> Fecha ", "> Tc Orig ", "> Numero Orig ", "> Cuenta ", "> Nombre ",
          " align=right> Importe ", "> Cpte ", "> Numero ", "> Estado ", ">  ", ">  "})
        texto += QString("<TD CLASS=TableCaption%1</TD>\r\n").arg(c);
    return texto.toLatin1().toStdString() + "</TR>\r\n";
}

bool EscribirPiso(const QString& base, const QString& pagina) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(base).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    ado::RegistrarFunciones(db);
    FiltrosDiferencias filtros;
    filtros.Estados = kTodosLosEstados;
    const QByteArray sql = SentenciaDiferencias(filtros).replace("ISNULL(", "IFNULL(").toUtf8();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
        return false;
    }
    FILE* f = std::fopen(QFile::encodeName(pagina).constData(), "wb");
    std::string linea = Encabezado();
    std::fwrite(linea.data(), 1, linea.size(), f);
    Fila fila;
    bool hayFilas = false;
    while (sqlite3_step(st) == SQLITE_ROW) {
        hayFilas = true;
        LeerFila(st, fila);
        linea.assign("<TR>\r\n");
        LineaFila(linea, fila);
        std::fwrite(linea.data(), 1, linea.size(), f);
    }
    linea.assign(hayFilas ? "</TABLE>\r\n</body></html>\r\n" : "</body></html>\r\n");
    std::fwrite(linea.data(), 1, linea.size(), f);
    std::fclose(f);
    sqlite3_finalize(st);
    sqlite3_close(db);
    return true;
}

// ---- Timing ---------------------------------------------------------------------------------

template <class F> double Segundos(F&& f) {
    const auto inicio = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
}

void EscribirConElPrograma(const QString& pagina) {
    clsAuditoria_HTM().writeHTML(pagina, "Auditoria", " encabezado generico ",
                                 {.Estados = kTodosLosEstados});
}

QByteArray Contenido(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int Comparar(const QString& programa, const QString& piso) {
    const QByteArray a = Contenido(programa);
    const QByteArray b = Contenido(piso);
    if (a == b) {
        std::printf("Páginas idénticas: %lld bytes, %lld líneas\n", qlonglong(a.size()),
                    qlonglong(a.count('\n')));
        return 0;
    }
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    std::printf("Las páginas difieren en el byte %lld:\n  programa: %s\n  piso:     %s\n",
                qlonglong(i), a.mid(std::max<qsizetype>(0, i - 60), 160).constData(),
                b.mid(std::max<qsizetype>(0, i - 60), 160).constData());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    const int diferencias = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir carpeta;
    // A database named on the command line is kept, and reused when it exists (profiling).
    const QString base =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : carpeta.filePath("empresa.db");
    if (!QFile::exists(base)) {
        std::printf("Creando %d diferencias... ", diferencias);
        std::fflush(stdout);
        double creacion = 0;
        creacion = Segundos([&] {
            if (!CrearEmpresa(base, diferencias))
                std::exit(2);
        });
        std::printf("%.1f s\n", creacion);
    }

    DialogosGuionados operador; // any error is noted, never waited on
    DialogosEnUso enUso{operador};
    DB_Dll& db = DB_Dll::Instancia();
    db.gCnn.Open("PROVIDER=SQLOLEDB;Server=SQLITE;Database =" + base + ";");
    db.gEsAdmin = true;
    const QString programa = carpeta.filePath("Auditoria.htm");
    const QString piso = carpeta.filePath("Piso.htm");
    double tPrograma = 1e9, tPiso = 1e9;
    for (int vuelta = 0; vuelta < 3; ++vuelta) {
        tPrograma = std::min(tPrograma, Segundos([&] { EscribirConElPrograma(programa); }));
        tPiso = std::min(tPiso, Segundos([&] { EscribirPiso(base, piso); }));
    }
    DB_Dll::Liberar();
    std::printf("writeHTML:            %.3f s\n", tPrograma);
    std::printf("piso (SQLite+fwrite): %.3f s\n", tPiso);
    std::printf("razón:                %.2f\n", tPrograma / tPiso);
    for (const auto& m : operador.Mensajes)
        std::printf("Mensaje: %s\n", qPrintable(m.Texto));
    return Comparar(programa, piso) || !operador.Mensajes.empty();
}
