#include "audit/clsAuditoria_HTM.h"

#include "audit/ConsultaDiferencias.h"
#include "audit/EnlaceLista.h"
#include "audit/EnlacePagina.h"
#include "audit/EscrituraArchivoPagina.h"
#include "platform/ado/Recordset.h"
#include "platform/errors/Procedimiento.h"
#include "platform/files/ArchivoTexto.h"
#include "platform/files/Carpetas.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"
#include "session/ast.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The name the program goes by in the generator comment of its pages.
constexpr QLatin1StringView kNombreProducto("KPT01");

constexpr std::array<const char*, 29> kHojaEstilo = {
    "/* Auditoria: style sheet */",
    "/* Define colores, fuentes y atributos de estilo  */",
    "/* Background de página */",
    "body { background-color: #FFFFFF }",
    "/* Colores de los enlaces */",
    "A:active { COLOR: red; text-decoration: none}",
    "A:link { COLOR: black; text-decoration: none }",
    "A:visited { COLOR: black; text-decoration: none }",
    "A {COLOR: black; text-decoration: none }",
    "/* Colores generales */",
    ".Header { background: #EEEEEE; font-size: 17; FONT-WEIGHT: bolder; color: black;}",
    ".SubroutineHeader { COLOR: #3333cc; FONT-SIZE: 15; FONT-WEIGHT: bolder; Text-Decoration: "
    "Underline;}",
    "/* Colores de tabla */",
    ".TableTitulo{ background: #000066; font-size: 11; FONT-FAMILY: Verdana; Text-Decoration: "
    "Bold; color: #FFFFFF; }",
    ".TableCaption { background: #000066; font-size: 10; FONT-FAMILY: Verdana; color: #FFFFFF;}",
    ".TableSubcaption { background: #EEEEEE; font-size: 12; FONT-WEIGHT: bolder; color: "
    "#AA00AA;}",
    ".TableDetalles{ Border=0 CellPadding=3 CellSpacing=1;}",
    ".TableRow{ background: #34cccc; font-size: 10; FONT-FAMILY: Verdana; font-color: black;}",
    ".TableRowAbierto{  font-size: 10; FONT-FAMILY: Verdana; font-color: black;}",
    ".TableRowColor { background: #FFFFFF; }",
    ".RowHeader { background: #EEEEFF;}",
    ".TableCABDetalle{ font-size: 10; FONT-FAMILY: verdana; font-color: black; Text-Decoration: "
    "Bold;}",
    ".TableRowDetalle{ font-size: 10; FONT-FAMILY: verdana; font-color: black; Text-Decoration: "
    "Italic;}",
    ".TableCabeceraCaption{ font-size: 11; FONT-FAMILY: arial; font-color: black; "
    "Text-Decoration: Bold;}",
    ".TableCabeceraValor{ font-size: 10; FONT-FAMILY: arial; font-color: black; "
    "Text-Decoration: Bold;}",
    ".TableCABpIE{ font-size: 10; FONT-FAMILY: verdana; font-color: black; Text-Decoration: "
    "Bold;}",
    "/* Barra de navegación */",
    ".BotonEnabled {background-color:#EEEEFF; color:#0000FF;}",
    ".BotonDisabled {background-color:#CCCCFF; color:#000000;}",
};

const QString kSinLectura =
    QStringLiteral("<P>No se pudieron leer las diferencias de la base de datos: la lista no se "
                   "cargó. Pulse [F9] para intentarlo de nuevo.</P>");

constexpr std::array<const char*, 14> kEncabezadosTabla = {
    "<TABLE CLASS=TableDetalles WIDTH=100%>",
    "<TR> ",
    "<TD CLASS=TableCaption> Fecha </TD>",
    "<TD CLASS=TableCaption> Tc Orig </TD>",
    "<TD CLASS=TableCaption> Numero Orig </TD>",
    "<TD CLASS=TableCaption> Cuenta </TD>",
    "<TD CLASS=TableCaption> Nombre </TD>",
    "<TD CLASS=TableCaption align=right> Importe </TD>",
    "<TD CLASS=TableCaption> Cpte </TD>",
    "<TD CLASS=TableCaption> Numero </TD>",
    "<TD CLASS=TableCaption> Estado </TD>",
    "<TD CLASS=TableCaption>  </TD>",
    "<TD CLASS=TableCaption>  </TD>",
    "</TR>",
};

} // namespace

// ---- Style sheet and page head -----------------------------------------------------------

void clsAuditoria_HTM::writeStyleCSS(const QString& strDirectorio) {
    const QString carpeta = UtilGeneral::Instancia().NormalizarRuta(strDirectorio);
    QStringList lineas;
    for (const char* linea : kHojaEstilo)
        lineas.append(QString::fromUtf8(linea));
    archivos::ArchivoTexto::EscribirLineas(carpeta + QStringLiteral("Style_Auditoria.css"), lineas);
}

QString clsAuditoria_HTM::getCabeceraHTML(const QString& Titulo, bool blnWithFrames) {
    return CabeceraHTML(Titulo, blnWithFrames, QDate::currentDate());
}

QString clsAuditoria_HTM::CabeceraHTML(const QString& Titulo, bool blnWithFrames,
                                       const QDate& Hoy) {
    QString cabecera = QStringLiteral("<HTML><HEAD>") +
                       QStringLiteral("<META NAME=\"\"; GENERATOR; \"\"; CONTENT = \"\"") +
                       kNombreProducto + QStringLiteral("\"\" > ") +
                       QStringLiteral("<META HTTP-EQUIV=\"\"Content-Type\"\"; CONTENT = \"\"; "
                                      "Text / html; Charset = iso - 8859 - 1; \"\" > ") +
                       QStringLiteral("<!-- Generado por Auditoria - ") +
                       Hoy.toString(QStringLiteral("dd-MM-yyyy")) + QStringLiteral("-->") +
                       QStringLiteral("<TITLE> ") + Titulo + QStringLiteral("</TITLE>") +
                       QStringLiteral("<LINK REL =\"stylesheet\" TYPE=\"text/css\" "
                                      "HREF=\"Style_Auditoria.css\" TITLE=\"Style\">") +
                       QStringLiteral("</HEAD>");
    if (!blnWithFrames)
        cabecera += QStringLiteral("<BODY>");
    return cabecera;
}

// ---- Account-plan levels -----------------------------------------------------------------

namespace {

struct Nivel {
    const char* color;
    int proxima;
    int anterior;
};

// The first row of the level table that the code's length meets.
Nivel NivelDeCuenta(const QString& cuenta) {
    ast::LeerDigitosPlan();
    ast::LeerPosicionesPlan();
    using namespace ast;
    const qsizetype largo = cuenta.size();
    if (largo == 0)
        return {"#f9aba9", PosicionCapitulo, 0};
    if (largo == PosicionCapitulo)
        return {"#f9aba9", PosicionSubCapitulo, 0};
    if (largo <= PosicionSubCapitulo)
        return {"#f0aaa8", PosicionRubro, PosicionCapitulo};
    if (largo <= PosicionRubro)
        return {"#f0bab7", PosicionSubRubro, PosicionSubCapitulo};
    if (largo <= PosicionSubRubro)
        return {"#f0cac6", PosicionCuenta, PosicionRubro};
    if (largo <= PosicionCuenta)
        return {"#ffcac4", PosicionSubCuenta, PosicionSubRubro};
    if (largo <= PosicionSubCuenta)
        return {"#ffcac3", PosicionSubCuenta, PosicionCuenta};
    return {"#f0cac0", PosicionSubCuenta, PosicionSubCuenta};
}

} // namespace

QString clsAuditoria_HTM::ObtenerColorNivel(const QString& Cuenta) {
    return QString::fromLatin1(NivelDeCuenta(Cuenta).color);
}

short clsAuditoria_HTM::ObtenerProximaCuenta(const QString& Cuenta) {
    return short(NivelDeCuenta(Cuenta).proxima);
}

short clsAuditoria_HTM::ObtenerAnteriorCuenta(const QString& Cuenta) {
    return short(NivelDeCuenta(Cuenta).anterior);
}

// ---- The list page -----------------------------------------------------------------------

namespace {

using EnlacePagina::AgregarHtml;

// The texts of one row of the list, in the order of the statement's columns.
enum Columna {
    Fecha,
    TcOrigen,
    CpteOrigen,
    CabCuenta,
    CabNombre,
    Importe,
    TC,
    Sucursal,
    Numero,
    Letra,
    Estado,
    CantidadColumnas
};

const std::array<QString, CantidadColumnas> kNombresColumnas = {
    QStringLiteral("Fecha"),     QStringLiteral("Tc_Origen"), QStringLiteral("Cpte_Origen"),
    QStringLiteral("CabCuenta"), QStringLiteral("CabNombre"), QStringLiteral("Importe"),
    QStringLiteral("TC"),        QStringLiteral("Sucursal"),  QStringLiteral("Numero"),
    QStringLiteral("Letra"),     QStringLiteral("estado")};

using TextosFila = std::array<QString, CantidadColumnas>;

void AgregarCelda(QString& linea, const char* apertura, const QString& texto) {
    linea += QLatin1String(apertura);
    AgregarHtml(linea, texto);
    linea += QLatin1String("</TD>");
}

void AgregarCeldaOrigen(QString& linea, const TextosFila& t) {
    linea += QLatin1String("<TD CLASS=TableRow><A HREF=\"");
    EnlaceLista::AgregarOrigen(linea, t[TcOrigen], t[CpteOrigen], t[CabCuenta]);
    linea += QLatin1String("\">");
    AgregarHtml(linea, t[CpteOrigen]);
    linea += QLatin1String("</TD>");
}

void AgregarCeldaAsiento(QString& linea, const TextosFila& t) {
    linea += QLatin1String("<TD CLASS=TableRow><A HREF=\"");
    EnlaceLista::AgregarAsiento(linea, t[TC], t[Sucursal], t[Numero], t[Letra], t[CabCuenta]);
    linea += QLatin1String("\">");
    AgregarHtml(linea, t[Sucursal]);
    linea += QLatin1Char('-');
    AgregarHtml(linea, t[Numero]);
    linea += QLatin1Char(' ');
    AgregarHtml(linea, t[Letra]);
    linea += QLatin1String("</TD>");
}

void AgregarCeldaComando(QString& linea, EnlaceLista::Comando comando, const char* rotulo,
                         const QString& datos) {
    linea += QLatin1String("<TD CLASS=TableRow><A HREF=\"");
    EnlaceLista::AgregarDiferencia(linea, comando, datos);
    linea += QLatin1String("\"><font color=white><U><B>");
    linea += QLatin1String(rotulo);
    linea += QLatin1String("</B></U></font></TD>");
}

QString LineaFila(const TextosFila& t) {
    QString linea;
    linea.reserve(1024);
    AgregarCelda(linea, "<TD CLASS=TableRow>", t[Fecha]);
    AgregarCelda(linea, "<TD CLASS=TableRow>", t[TcOrigen]);
    AgregarCeldaOrigen(linea, t);
    AgregarCelda(linea, "<TD CLASS=TableRow>", t[CabCuenta]);
    AgregarCelda(linea, "<TD CLASS=TableRow>", t[CabNombre]);
    AgregarCelda(linea, "<TD CLASS=TableRow align=right> ", t[Importe]);
    AgregarCelda(linea, "<TD CLASS=TableRow>", t[TC]);
    AgregarCeldaAsiento(linea, t);
    AgregarCelda(linea, "<TD CLASS=TableRow> ", t[Estado]);
    const QString datos =
        EnlaceLista::DatosDiferencia({t[Estado], t[TC], t[Sucursal], t[Numero], t[Letra],
                                      t[TcOrigen], t[CpteOrigen], t[CabCuenta], t[CabNombre]});
    AgregarCeldaComando(linea, EnlaceLista::Comando::CambioEstado, "Cambiar Estado", datos);
    AgregarCeldaComando(linea, EnlaceLista::Comando::Modificar, "Modificar", datos);
    linea += QLatin1String("</TR>");
    return linea;
}

// One attempt at writing the list page.
class EscritorLista {
public:
    using Desenlace = EscrituraArchivoPagina::Desenlace;

    EscritorLista(const QString& ruta, const QString& titulo, const QString& sql)
        : ruta_(ruta), titulo_(titulo), sql_(sql) {}

    Desenlace Escribir();

private:
    void EscribirEncabezado();
    void Consultar();
    void EscribirFilas();
    void EscribirFila(const std::vector<ado::Field>& campos);
    const QString& TextoFecha(const QVariant& fecha);
    void Terminar();

    QString ruta_;
    QString titulo_;
    QString sql_;
    EscrituraArchivoPagina pagina_;
    archivos::ArchivoTexto& archivo_ = pagina_.Archivo();
    ado::Recordset rs_;
    bool consultada_ = false;
    bool hayFilas_ = false;
    QVariant fecha_;
    QString textoFecha_;
};

EscritorLista::Desenlace EscritorLista::Escribir() {
    pagina_.Pasos({[&] { pagina_.Abrir(ruta_); }, [&] { Consultar(); },
                   [&] { EscribirEncabezado(); }, [&] { EscribirFilas(); }});
    // Whatever stopped the rows, the page that can still be written is closed properly.
    if (!pagina_.Fallida())
        pagina_.Pasos({[&] { Terminar(); }});
    return pagina_.Resultado();
}

void EscritorLista::EscribirEncabezado() {
    archivo_.EscribirLinea(
        clsAuditoria_HTM::CabeceraHTML(QStringLiteral("Auditoria"), false, QDate::currentDate()));
    archivo_.EscribirLinea(QStringLiteral("<TABLE Border=0 CellPadding=3 CellSpacing=0 "
                                          "WIDTH=100%><TR CLASS=TableTitulo><td ALIGN=center >") +
                           titulo_ +
                           QStringLiteral("</td><TD ALIGN=right ></td></TR></TABLE>&nbsp"));
    // An empty table would read as a list without differences.
    if (!consultada_) {
        archivo_.EscribirLinea(kSinLectura);
        return;
    }
    for (const char* linea : kEncabezadosTabla)
        archivo_.EscribirLinea(QLatin1String(linea));
}

// A statement that fails is reported by the database object itself, which leaves the
// recordset closed: the page then says that nothing was read. Rows are read as they are
// written; the statement ends with the last row, or with this attempt.
void EscritorLista::Consultar() {
    rs_.SetCursorLocation(ado::adUseServer);
    consultada_ = DB_Dll::Instancia().AbrirRecordset(sql_, rs_, nullptr, ado::adOpenForwardOnly,
                                                     ado::adLockReadOnly, -1, true);
}

void EscritorLista::EscribirFilas() {
    if (!consultada_ || rs_.Bof())
        return;
    hayFilas_ = true;
    std::vector<ado::Field> campos;
    for (const QString& nombre : kNombresColumnas)
        campos.push_back(rs_.Fields(nombre));
    // A row that cannot be written is retried or left out on its own.
    while (!rs_.Eof()) {
        pagina_.Ejecutar([&] { EscribirFila(campos); });
        rs_.MoveNext();
    }
}

void EscritorLista::EscribirFila(const std::vector<ado::Field>& campos) {
    TextosFila textos;
    for (int i = 0; i < CantidadColumnas; ++i)
        textos[i] = i == Fecha ? TextoFecha(campos[i].Value()) : vb::ValorTexto(campos[i].Value());
    const QString linea = LineaFila(textos);
    archivo_.EscribirLinea(QStringLiteral("<TR>"));
    archivo_.EscribirLinea(linea);
}

// The rows come by date: each day's text is made once for all its rows.
const QString& EscritorLista::TextoFecha(const QVariant& fecha) {
    if (fecha != fecha_) {
        fecha_ = fecha;
        textoFecha_ = vb::ValorTexto(fecha);
    }
    return textoFecha_;
}

void EscritorLista::Terminar() {
    if (hayFilas_)
        archivo_.EscribirLinea(QStringLiteral("</TABLE>"));
    archivo_.EscribirLinea(QStringLiteral("</body></html>"));
    archivo_.Cerrar();
}

} // namespace

void clsAuditoria_HTM::writeHTML(const QString& strNombreArchivo, const QString& Titulo,
                                 const QString& Subtitulo, const FiltrosDiferencias& Filtros) {
    Q_UNUSED(Subtitulo);
    const QString sql = SentenciaDiferencias(Filtros);
    const auto intento = [&] { return EscritorLista(strNombreArchivo, Titulo, sql).Escribir(); };
    if (EscrituraArchivoPagina::Repetir(intento) == EscritorLista::Desenlace::Abandonada) {
        // Better no page than a cut one, or the previous list shown as if it were this.
        IgnorarErrores({[&] { archivos::BorrarArchivo(strNombreArchivo); }});
    }
}
