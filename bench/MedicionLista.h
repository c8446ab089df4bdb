#pragma once

#include "BaseDeMedicion.h"
#include "audit/ConsultaDiferencias.h"
#include "audit/clsAuditoria_HTM.h"
#include "session/DB_Dll.h"

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <sqlite3.h>
#include <string>
#include <vector>

// The list writer measured against its floor: the same query read through the SQLite C API and
// the same bytes written with fwrite, page by page.

namespace piso {

inline const QStringList kTodosLosEstados = {"0", "1", "2", "3", "4"};

// Code points of 0x80-0x9F in Windows-1252.
inline const char16_t kAltos[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

inline char ByteWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i)
        if (kAltos[i] == c)
            return char(0x80 + i);
    return '?';
}

// Next code point of UTF-8 text; `i` moves past it.
inline char32_t Siguiente(const unsigned char* s, int n, int& i) {
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

inline void Celda(std::string& out, const Texto& t) {
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

inline void Url(std::string& out, const Texto& t) {
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

inline int AnchoChar(const char* declarado) {
    return declarado && std::strncmp(declarado, "CHAR(", 5) == 0 ? std::atoi(declarado + 5) : 0;
}

enum { Fecha, TcO, CpteO, CabC, CabN, Imp, Tc, Suc, Num, Let, Est, Columnas };

struct Fila {
    Texto t[Columnas];
    std::string fecha, importe, estado;
};

// The texts of the row, as the program's runtime writes its values.
inline void LeerFila(sqlite3_stmt* st, Fila& f) {
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

// Each marker followed by its column's value, percent-encoded.
inline void Marcados(std::string& l, std::initializer_list<std::pair<const char*, int>> valores,
                     const Fila& f) {
    for (const auto& [marcador, c] : valores) {
        l += marcador;
        Url(l, f.t[c]);
    }
}

inline void DatosDiferencia(std::string& l, const Fila& f) {
    Url(l, f.t[Est]);
    Marcados(l,
             {{"_TC_", Tc},
              {"_SUCURSAL_", Suc},
              {"_NUMERO_", Num},
              {"_LETRA_", Let},
              {"_TIPOORIGEN_", TcO},
              {"_CPTE-ORIGEN_", CpteO},
              {"_Cabcuenta_", CabC},
              {"_CabNombre_", CabN}},
             f);
}

inline void LineaFila(std::string& l, const Fila& f) {
    const auto celda = [&](const char* apertura, int c) {
        l += apertura;
        Celda(l, f.t[c]);
        l += "</TD>";
    };
    celda("<TD CLASS=TableRow>", Fecha);
    celda("<TD CLASS=TableRow>", TcO);
    l += "<TD CLASS=TableRow><A HREF=\"";
    Marcados(l, {{"_TCorigen_", TcO}, {"_CpteOrigen_", CpteO}, {"_Cuenta_", CabC}}, f);
    l += "\">";
    Celda(l, f.t[CpteO]);
    l += "</TD>";
    celda("<TD CLASS=TableRow>", CabC);
    celda("<TD CLASS=TableRow>", CabN);
    celda("<TD CLASS=TableRow align=right> ", Imp);
    celda("<TD CLASS=TableRow>", Tc);
    l += "<TD CLASS=TableRow><A HREF=\"";
    Marcados(l,
             {{"_VER_ASIENTOTC_", Tc},
              {"_SUCURSAL_", Suc},
              {"_NUMERO_", Num},
              {"_LETRA_", Let},
              {"_Cuenta_", CabC}},
             f);
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
inline std::string Encabezado() {
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

// A page file of the floor, its rows counted over the whole list.
struct PaginaPiso {
    FILE* archivo = nullptr;
    long navegacion = -1;
    int primera = 1, filas = 0;
};

// What follows a page's rows, its navigation line (from the program: it costs nothing per row)
// without the total until the last page is written.
inline void CerrarPagina(PaginaPiso& p, int numero, bool ultima) {
    std::string fin = p.filas > 0 ? "</TABLE>\r\n" : "";
    if (numero > 1 || !ultima) {
        p.navegacion = std::ftell(p.archivo) + long(fin.size());
        const int hasta = p.primera + p.filas - 1;
        fin +=
            clsAuditoria_HTM::LineaNavegacion(numero, p.primera, hasta, ultima ? hasta : 0, ultima)
                .toStdString() +
            "\r\n";
    }
    fin += "</body></html>\r\n";
    std::fwrite(fin.data(), 1, fin.size(), p.archivo);
    std::fclose(p.archivo);
}

// The earlier pages' navigation lines, once the total is known.
inline void CompletarNavegacion(const QString& primera, const std::vector<PaginaPiso>& paginas) {
    const int total = paginas.back().primera + paginas.back().filas - 1;
    for (size_t i = 0; i + 1 < paginas.size(); ++i) {
        const PaginaPiso& p = paginas[i];
        const std::string fin = clsAuditoria_HTM::LineaNavegacion(
                                    int(i) + 1, p.primera, p.primera + p.filas - 1, total, false)
                                    .toStdString() +
                                "\r\n</body></html>\r\n";
        const QString ruta = clsAuditoria_HTM::RutaPagina(primera, int(i) + 1);
        FILE* f = std::fopen(QFile::encodeName(ruta).constData(), "r+b");
        std::fseek(f, p.navegacion, SEEK_SET);
        std::fwrite(fin.data(), 1, fin.size(), f);
        std::fclose(f);
    }
}

// `filtros` with their dates written as ISO text, which SQLite compares as the program's
// provider does once it has translated them.
inline bool EscribirPiso(const QString& base, const FiltrosDiferencias& filtros,
                         const QString& primera) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(base).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    ado::RegistrarFunciones(db);
    Ejecutar(db, ado::kMapaDelArchivo); // read as the program reads it
    const QByteArray sql = SentenciaDiferencias(filtros).replace("ISNULL(", "IFNULL(").toUtf8();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
        return false;
    }
    const std::string encabezado = Encabezado();
    std::vector<PaginaPiso> paginas;
    const auto abrir = [&] {
        const QString ruta = clsAuditoria_HTM::RutaPagina(primera, int(paginas.size()) + 1);
        const int desde = paginas.empty() ? 1 : paginas.back().primera + paginas.back().filas;
        paginas.push_back({std::fopen(QFile::encodeName(ruta).constData(), "wb"), -1, desde, 0});
        std::fwrite(encabezado.data(), 1, encabezado.size(), paginas.back().archivo);
    };
    abrir();
    Fila fila;
    std::string linea;
    while (sqlite3_step(st) == SQLITE_ROW) {
        if (paginas.back().filas == clsAuditoria_HTM::FilasPorPagina) {
            CerrarPagina(paginas.back(), int(paginas.size()), false);
            abrir();
        }
        LeerFila(st, fila);
        linea.assign("<TR>\r\n");
        LineaFila(linea, fila);
        std::fwrite(linea.data(), 1, linea.size(), paginas.back().archivo);
        ++paginas.back().filas;
    }
    CerrarPagina(paginas.back(), int(paginas.size()), true);
    CompletarNavegacion(primera, paginas);
    // As the program does, no page of a longer list written before stays behind.
    for (int numero = int(paginas.size()) + 1;
         QFile::remove(clsAuditoria_HTM::RutaPagina(primera, numero)); ++numero) {
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return true;
}

// ---- The program against the floor ----------------------------------------------------------

inline void EscribirConElPrograma(const FiltrosDiferencias& filtros, const QString& primera) {
    clsAuditoria_HTM escritor;
    escritor.writeHTML(primera, "Auditoria", " encabezado generico ", filtros);
    escritor.CompletarPaginas();
}

struct Tiempos {
    double programa = 1e9;
    double piso = 1e9;
};

// The best of three of each, on the database `base`, with the program's connection opened for
// the occasion (see EscribirPiso for the filters).
inline Tiempos MedirEscritura(const QString& base, const FiltrosDiferencias& filtros,
                              const QString& programa, const QString& piso) {
    DB_Dll& db = DB_Dll::Instancia();
    db.gCnn.Open("PROVIDER=SQLOLEDB;Server=SQLITE;Database =" + base + ";");
    db.gEsAdmin = true;
    Tiempos t;
    for (int vuelta = 0; vuelta < 3; ++vuelta) {
        t.programa =
            std::min(t.programa, Cronometrar([&] { EscribirConElPrograma(filtros, programa); }));
        t.piso = std::min(t.piso, Cronometrar([&] { EscribirPiso(base, filtros, piso); }));
    }
    DB_Dll::Liberar();
    return t;
}

inline QByteArray Contenido(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Whether the program's pages and the floor's hold the same bytes; where they differ is printed.
inline bool MismasPaginas(const QString& programa, const QString& piso) {
    qlonglong bytes = 0, lineas = 0;
    int numero = 1;
    for (;; ++numero) {
        const QString a = clsAuditoria_HTM::RutaPagina(programa, numero);
        const QString b = clsAuditoria_HTM::RutaPagina(piso, numero);
        if (!QFile::exists(a) && !QFile::exists(b))
            break;
        const QByteArray x = Contenido(a), y = Contenido(b);
        if (x != y) {
            qsizetype i = 0;
            while (i < x.size() && i < y.size() && x[i] == y[i])
                ++i;
            std::printf(
                "Las páginas %d difieren en el byte %lld:\n  programa: %s\n  piso:     %s\n",
                numero, qlonglong(i), x.mid(std::max<qsizetype>(0, i - 60), 160).constData(),
                y.mid(std::max<qsizetype>(0, i - 60), 160).constData());
            return false;
        }
        bytes += x.size();
        lineas += x.count('\n');
    }
    std::printf("Páginas idénticas: %d, %lld bytes, %lld líneas\n", numero - 1, bytes, lineas);
    return true;
}

} // namespace piso
