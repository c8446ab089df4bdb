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

#include <QScopeGuard>
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

namespace {

// The name the program goes by in the generator comment of its pages.
constexpr QLatin1StringView kNombreProducto("KPT01");

constexpr std::array<const char*, 30> kHojaEstilo = {
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
    ".BotonEnabled A, .BotonEnabled A:link, .BotonEnabled A:visited {color:#0000FF; "
    "text-decoration: underline; font-weight: bold;}",
    ".BotonDisabled {background-color:#F4F4F4; color:#A0A0A0;}",
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
    const ast::EstructuraPlanCuentas& p = ast::Plan;
    const qsizetype largo = cuenta.size();
    if (largo == 0)
        return {"#f9aba9", p.PosicionCapitulo, 0};
    if (largo == p.PosicionCapitulo)
        return {"#f9aba9", p.PosicionSubCapitulo, 0};
    if (largo <= p.PosicionSubCapitulo)
        return {"#f0aaa8", p.PosicionRubro, p.PosicionCapitulo};
    if (largo <= p.PosicionRubro)
        return {"#f0bab7", p.PosicionSubRubro, p.PosicionSubCapitulo};
    if (largo <= p.PosicionSubRubro)
        return {"#f0cac6", p.PosicionCuenta, p.PosicionRubro};
    if (largo <= p.PosicionCuenta)
        return {"#ffcac4", p.PosicionSubCuenta, p.PosicionSubRubro};
    if (largo <= p.PosicionSubCuenta)
        return {"#ffcac3", p.PosicionSubCuenta, p.PosicionCuenta};
    return {"#f0cac0", p.PosicionSubCuenta, p.PosicionSubCuenta};
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

// The statement's columns, in its order.
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

// The texts of one row of the list: the difference its links carry, its date and amount.
struct TextosFila {
    QString Fecha, Importe;
    EnlaceLista::Diferencia d;

    // Where each column's text goes, in the statement's order.
    std::array<QString*, CantidadColumnas> Destinos() {
        return {&Fecha, &d.Tc_Origen, &d.Cpte_Origen, &d.CabCuenta, &d.CabNombre, &Importe,
                &d.TC,  &d.Suc,       &d.Numero,      &d.Letra,     &d.Estado};
    }
};

// The row is written as the page file's own bytes: its markup and links are ASCII, and each
// cell's text is encoded once, as it is escaped.
// A fixed text of known length is copied in place, without a call per piece of markup.
template <size_t N> void Anexar(QByteArray& linea, const char (&literal)[N]) {
    const qsizetype hasta = linea.size();
    linea.resize(hasta + qsizetype(N - 1));
    std::memcpy(linea.data() + hasta, literal, N - 1);
}

template <size_t N>
void AgregarCelda(QByteArray& linea, const char (&apertura)[N], const QString& texto) {
    Anexar(linea, apertura);
    AgregarHtml(linea, texto);
    Anexar(linea, "</TD>");
}

void AgregarCeldaOrigen(QByteArray& linea, const EnlaceLista::Diferencia& d) {
    Anexar(linea, "<TD CLASS=TableRow><A HREF=\"");
    EnlaceLista::AgregarOrigen(linea, d.Tc_Origen, d.Cpte_Origen, d.CabCuenta);
    Anexar(linea, "\">");
    AgregarHtml(linea, d.Cpte_Origen);
    Anexar(linea, "</TD>");
}

void AgregarCeldaAsiento(QByteArray& linea, const EnlaceLista::Diferencia& d) {
    Anexar(linea, "<TD CLASS=TableRow><A HREF=\"");
    EnlaceLista::AgregarAsiento(linea, d.Clave(), d.CabCuenta);
    Anexar(linea, "\">");
    AgregarHtml(linea, d.Suc);
    Anexar(linea, "-");
    AgregarHtml(linea, d.Numero);
    Anexar(linea, " ");
    AgregarHtml(linea, d.Letra);
    Anexar(linea, "</TD>");
}

template <size_t N>
void AgregarCeldaComando(QByteArray& linea, EnlaceLista::Comando comando, const char (&rotulo)[N],
                         const QByteArray& datos) {
    Anexar(linea, "<TD CLASS=TableRow><A HREF=\"");
    EnlaceLista::AgregarDiferencia(linea, comando, datos);
    Anexar(linea, "\"><font color=white><U><B>");
    Anexar(linea, rotulo);
    Anexar(linea, "</B></U></font></TD>");
}

// The row's two lines ("<TR>" and its cells) into `linea`, and the part its two difference
// links share into `datos`: both buffers are the writer's, kept from row to row.
void LineaFila(QByteArray& linea, QByteArray& datos, const TextosFila& t) {
    const EnlaceLista::Diferencia& d = t.d;
    linea.resize(0);
    Anexar(linea, "<TR>\r\n");
    AgregarCelda(linea, "<TD CLASS=TableRow>", t.Fecha);
    AgregarCelda(linea, "<TD CLASS=TableRow>", d.Tc_Origen);
    AgregarCeldaOrigen(linea, d);
    AgregarCelda(linea, "<TD CLASS=TableRow>", d.CabCuenta);
    AgregarCelda(linea, "<TD CLASS=TableRow>", d.CabNombre);
    AgregarCelda(linea, "<TD CLASS=TableRow align=right> ", t.Importe);
    AgregarCelda(linea, "<TD CLASS=TableRow>", d.TC);
    AgregarCeldaAsiento(linea, d);
    AgregarCelda(linea, "<TD CLASS=TableRow> ", d.Estado);
    datos.resize(0);
    EnlaceLista::AgregarDatosDiferencia(datos, d);
    AgregarCeldaComando(linea, EnlaceLista::Comando::CambioEstado, "Cambiar Estado", datos);
    AgregarCeldaComando(linea, EnlaceLista::Comando::Modificar, "Modificar", datos);
    Anexar(linea, "</TR>");
}

// The navigation cell towards page `destino`, or the dead one where there is no such page.
QString BotonPagina(int destino, const char* rotulo, const char* alineacion) {
    QString celda =
        QLatin1String(destino > 0 ? "<TD CLASS=BotonEnabled" : "<TD CLASS=BotonDisabled") +
        QLatin1String(" WIDTH=20% ALIGN=") + QLatin1String(alineacion) + u'>';
    if (destino > 0)
        celda += QLatin1String("<A HREF=\"") + EnlaceLista::Pagina(destino) + QLatin1String("\">") +
                 QLatin1String(rotulo) + QLatin1String("</A>");
    else
        celda += QLatin1String(rotulo);
    return celda + QLatin1String("</TD>");
}

} // namespace

// One pass of the list's query, written as page files of at most FilasPorPagina rows each:
// the first under the path given, the others beside it. Each page is a complete page of its
// own, written under the page's error routine as the single page always was.
class clsAuditoria_HTM::EscritorLista {
public:
    using Desenlace = EscrituraArchivoPagina::Desenlace;

    EscritorLista(const QString& ruta, const QString& titulo, const QString& sql)
        : ruta_(ruta), titulo_(titulo), sql_(sql) {}

    // Writes the next page; what the operator answered to a failure of its file.
    Desenlace EscribirPagina();
    // Whether the page written last was the list's last.
    bool Terminada() const { return terminada_; }
    int Paginas() const { return int(paginas_.size()); }
    int Filas() const { return filas_; }
    // Once the last page is written, the other pages' navigation lines get the total.
    void CompletarNavegacion();

private:
    // Where a page's navigation line starts (-1: a list of one page has none) and the rows
    // it holds, counted from 1 over the whole list.
    struct Pagina {
        qint64 navegacion;
        int primera, ultima;
    };

    void EscribirEncabezado();
    void Consultar();
    bool QuedanFilas() const;
    void EscribirFilas();
    void EscribirFila(const std::vector<ado::Field>& campos);
    const QString& TextoFecha(const QVariant& fecha);
    void Terminar();

    QString ruta_;
    QString titulo_;
    QString sql_;
    std::optional<EscrituraArchivoPagina> pagina_;
    ado::Recordset rs_;
    bool consultada_ = false;
    std::vector<ado::Field> campos_;
    std::vector<Pagina> paginas_;
    int filas_ = 0;       // rows written, all pages
    int filasPagina_ = 0; // rows written on the page being written
    bool hayFilas_ = false;
    bool terminada_ = false;
    QVariant fecha_;
    QString textoFecha_;
    // The row being written, in buffers kept from row to row.
    TextosFila fila_;
    std::array<QString*, CantidadColumnas> destinos_ = fila_.Destinos();
    QByteArray linea_, datos_;
};

clsAuditoria_HTM::EscritorLista::Desenlace clsAuditoria_HTM::EscritorLista::EscribirPagina() {
    const bool primera = paginas_.empty();
    pagina_.emplace();
    filasPagina_ = 0;
    hayFilas_ = false;
    std::vector<Paso> pasos = {[&] { pagina_->Abrir(RutaPagina(ruta_, Paginas() + 1)); }};
    if (primera)
        pasos.push_back([&] { Consultar(); });
    pasos.push_back([&] { EscribirEncabezado(); });
    pasos.push_back([&] { EscribirFilas(); });
    // Whatever stopped the rows ends the list with this page.
    terminada_ = pagina_->Pasos(pasos).SalioAntes || !QuedanFilas();
    // The page that can still be written is closed properly.
    if (!pagina_->Fallida())
        pagina_->Pasos({[&] { Terminar(); }});
    return pagina_->Resultado();
}

void clsAuditoria_HTM::EscritorLista::EscribirEncabezado() {
    archivos::ArchivoTexto& archivo = pagina_->Archivo();
    archivo.EscribirLinea(
        clsAuditoria_HTM::CabeceraHTML(QStringLiteral("Auditoria"), false, QDate::currentDate()));
    archivo.EscribirLinea(QStringLiteral("<TABLE Border=0 CellPadding=3 CellSpacing=0 "
                                         "WIDTH=100%><TR CLASS=TableTitulo><td ALIGN=center >") +
                          titulo_ +
                          QStringLiteral("</td><TD ALIGN=right ></td></TR></TABLE>&nbsp"));
    // An empty table would read as a list without differences.
    if (!consultada_) {
        archivo.EscribirLinea(kSinLectura);
        return;
    }
    for (const char* linea : kEncabezadosTabla)
        archivo.EscribirLinea(QLatin1String(linea));
}

// A statement that fails is reported by the database object itself, which leaves the
// recordset closed: the page then says that nothing was read. Rows are read as they are
// written; the statement ends with the last row, or with this pass.
void clsAuditoria_HTM::EscritorLista::Consultar() {
    rs_.SetCursorLocation(ado::adUseServer);
    consultada_ = DB_Dll::Instancia().AbrirRecordset(sql_, rs_, nullptr, ado::adOpenForwardOnly,
                                                     ado::adLockReadOnly, -1, true);
}

bool clsAuditoria_HTM::EscritorLista::QuedanFilas() const {
    return consultada_ && rs_.State() != ado::adStateClosed && !rs_.Eof();
}

void clsAuditoria_HTM::EscritorLista::EscribirFilas() {
    if (!QuedanFilas())
        return;
    hayFilas_ = true;
    if (campos_.empty())
        for (const QString& nombre : kNombresColumnas)
            campos_.push_back(rs_.Fields(nombre));
    // A row that cannot be written is retried or left out on its own.
    while (!rs_.Eof() && filasPagina_ < FilasPorPagina) {
        pagina_->Ejecutar([&] { EscribirFila(campos_); });
        rs_.MoveNext();
    }
}

void clsAuditoria_HTM::EscritorLista::EscribirFila(const std::vector<ado::Field>& campos) {
    for (int i = 0; i < CantidadColumnas; ++i)
        *destinos_[size_t(i)] =
            i == Fecha ? TextoFecha(campos[i].Value()) : vb::ValorTexto(campos[i].Value());
    LineaFila(linea_, datos_, fila_);
    pagina_->Archivo().EscribirLineaCodificada(linea_);
    ++filasPagina_;
    ++filas_;
}

// The rows come by date: each day's text is made once for all its rows.
const QString& clsAuditoria_HTM::EscritorLista::TextoFecha(const QVariant& fecha) {
    if (fecha != fecha_) {
        fecha_ = fecha;
        textoFecha_ = vb::ValorTexto(fecha);
    }
    return textoFecha_;
}

// A list that fits on one page ends as it always did; the pages of a longer one end with their
// navigation line, the total in it only once it is known.
void clsAuditoria_HTM::EscritorLista::Terminar() {
    archivos::ArchivoTexto& archivo = pagina_->Archivo();
    if (hayFilas_)
        archivo.EscribirLinea(QStringLiteral("</TABLE>"));
    const int numero = Paginas() + 1;
    Pagina pagina{-1, filas_ - filasPagina_ + 1, filas_};
    if (numero > 1 || !terminada_) {
        pagina.navegacion = archivo.Posicion();
        archivo.EscribirLinea(LineaNavegacion(numero, pagina.primera, pagina.ultima,
                                              terminada_ ? filas_ : 0, terminada_));
    }
    archivo.EscribirLinea(QStringLiteral("</body></html>"));
    archivo.Cerrar();
    paginas_.push_back(pagina);
}

void clsAuditoria_HTM::EscritorLista::CompletarNavegacion() {
    std::vector<Paso> pasos;
    for (int i = 0; i + 1 < Paginas(); ++i)
        pasos.push_back([this, i] {
            const Pagina& p = paginas_[size_t(i)];
            archivos::ArchivoTexto::ReemplazarFinal(
                RutaPagina(ruta_, i + 1), p.navegacion,
                {LineaNavegacion(i + 1, p.primera, p.ultima, filas_, false),
                 QStringLiteral("</body></html>")});
        });
    // A line left without its total still leads to every page.
    EjecutarPasos(QStringLiteral("Generar"), suite::TratarError, pasos);
}

// ---- The list's pages ------------------------------------------------------------------

namespace {

// Where a page's number goes into the first page's path: before the file name's extension.
qsizetype CortePagina(const QString& primera) {
    const qsizetype punto = primera.lastIndexOf(u'.');
    const qsizetype separador = std::max(primera.lastIndexOf(u'/'), primera.lastIndexOf(u'\\'));
    return punto > separador ? punto : primera.size();
}

} // namespace

clsAuditoria_HTM::clsAuditoria_HTM() = default;
clsAuditoria_HTM::~clsAuditoria_HTM() = default;

QString clsAuditoria_HTM::RutaPagina(const QString& Primera, int Numero) {
    if (Numero <= 1)
        return Primera;
    const qsizetype corte = CortePagina(Primera);
    return Primera.left(corte) + QString::number(Numero) + Primera.mid(corte);
}

int clsAuditoria_HTM::NumeroPagina(const QString& Primera, const QString& Ruta) {
    if (Ruta == Primera)
        return 1;
    // The number stands where RutaPagina puts it, written as QString::number writes it.
    const qsizetype corte = CortePagina(Primera);
    const qsizetype cifras = Ruta.size() - Primera.size();
    if (cifras < 1 || !Ruta.startsWith(Primera.left(corte)) || !Ruta.endsWith(Primera.mid(corte)))
        return 0;
    bool esNumero = false;
    const int numero = Ruta.mid(corte, cifras).toInt(&esNumero);
    return esNumero && numero > 1 && RutaPagina(Primera, numero) == Ruta ? numero : 0;
}

// The pages around the one shown, the first and the last, each one click away: "« 1 … 4 5 [6] 7
// 8 … 200 »". While the total is not known the line reaches the next page and says more follow.
QString clsAuditoria_HTM::EnlacesPaginas(int Pagina, int Total, bool UltimaPagina) {
    const bool conocidas = Total > 0 || UltimaPagina;
    const int paginas = Total > 0 ? (Total + FilasPorPagina - 1) / FilasPorPagina
                                  : (UltimaPagina ? Pagina : Pagina + 1);
    const auto enlace = [](int destino, const QString& rotulo) {
        return QLatin1String("<A HREF=\"") + EnlaceLista::Pagina(destino) + QLatin1String("\">") +
               rotulo + QLatin1String("</A>");
    };
    QStringList partes;
    if (Pagina > 1)
        partes << enlace(1, QStringLiteral("&laquo;"));
    int anterior = 0;
    for (int n = 1; n <= paginas; ++n) {
        const bool cerca = std::abs(n - Pagina) <= 2;
        if (n != 1 && !(n == paginas && conocidas) && !cerca)
            continue;
        if (n > anterior + 1)
            partes << QStringLiteral("&hellip;");
        partes << (n == Pagina ? "<B>[" + QString::number(n) + "]</B>"
                               : enlace(n, QString::number(n)));
        anterior = n;
    }
    if (!conocidas)
        partes << QStringLiteral("&hellip;");
    else if (Pagina < paginas)
        partes << enlace(paginas, QStringLiteral("&raquo;"));
    return partes.join(u' ');
}

QString clsAuditoria_HTM::LineaNavegacion(int Pagina, int Primera, int Ultima, int Total,
                                          bool UltimaPagina) {
    // The buttons' classes give no size: without one they would stand out from the table.
    QString linea = QStringLiteral(
        "<TABLE Border=0 CellPadding=3 CellSpacing=0 WIDTH=100% STYLE=\"font-size: 10px\"><TR>");
    linea += BotonPagina(Pagina - 1, "&lt;&lt; Anterior", "left");
    linea += QStringLiteral("<TD CLASS=TableCaption ALIGN=center ID=") + IdNavegacion + u'>' +
             TextoNavegacion(Primera, Ultima, Total) + QStringLiteral("</TD>");
    linea += BotonPagina(UltimaPagina ? 0 : Pagina + 1, "Siguiente &gt;&gt;", "right");
    linea += QStringLiteral("</TR><TR><TD CLASS=BotonEnabled COLSPAN=3 ALIGN=center ID=") +
             IdPaginas + u'>' + EnlacesPaginas(Pagina, Total, UltimaPagina) +
             QStringLiteral("</TD>");
    return linea + QStringLiteral("</TR></TABLE>");
}

QString clsAuditoria_HTM::TextoNavegacion(int Primera, int Ultima, int Total) {
    QString texto = QStringLiteral("Diferencias ") + QString::number(Primera) +
                    QStringLiteral(" a ") + QString::number(Ultima);
    if (Total > 0)
        texto += QStringLiteral(" de ") + QString::number(Total);
    return texto;
}

QString clsAuditoria_HTM::PaginasCompletas(int Pagina) const {
    if (NavegacionCompleta(Pagina).isEmpty())
        return {};
    return EnlacesPaginas(Pagina, filas_, Pagina == paginas_);
}

QString clsAuditoria_HTM::NavegacionCompleta(int Pagina) const {
    if (lista_ || paginas_ < 2 || Pagina < 1 || Pagina > paginas_)
        return {};
    return TextoNavegacion((Pagina - 1) * FilasPorPagina + 1,
                           std::min(filas_, Pagina * FilasPorPagina), filas_);
}

void clsAuditoria_HTM::writeHTML(const QString& strNombreArchivo, const QString& Titulo,
                                 const QString& Subtitulo, const FiltrosDiferencias& Filtros) {
    Q_UNUSED(Subtitulo);
    if (ocupado_)
        return;
    ruta_ = strNombreArchivo;
    titulo_ = Titulo;
    sql_ = SentenciaDiferencias(Filtros);
    lista_ = std::make_unique<EscritorLista>(ruta_, titulo_, sql_);
    while (lista_ && lista_->Paginas() == 0)
        Avanzar();
}

bool clsAuditoria_HTM::PaginasPendientes() const {
    return lista_ != nullptr;
}

int clsAuditoria_HTM::PaginasEscritas() const {
    return lista_ ? lista_->Paginas() : paginas_;
}

bool clsAuditoria_HTM::ContinuarPaginas() {
    if (ocupado_ || !lista_)
        return false;
    Avanzar();
    return true;
}

void clsAuditoria_HTM::CompletarPaginas() {
    while (ContinuarPaginas()) {
    }
}

void clsAuditoria_HTM::AbandonarPaginas() {
    if (!ocupado_)
        lista_.reset();
}

void clsAuditoria_HTM::Avanzar() {
    ocupado_ = true;
    const auto libre = qScopeGuard([this] { ocupado_ = false; });
    switch (lista_->EscribirPagina()) {
    case EscritorLista::Desenlace::Escrita:
        if (lista_->Terminada())
            Cerrar();
        return;
    case EscritorLista::Desenlace::ReintentarArchivo:
        lista_ = std::make_unique<EscritorLista>(ruta_, titulo_, sql_);
        return;
    case EscritorLista::Desenlace::Abandonada:
        // Better no page than a cut list, or the previous list shown as if it were this.
        lista_.reset();
        paginas_ = 0;
        BorrarPaginas(1);
        return;
    }
}

void clsAuditoria_HTM::Cerrar() {
    lista_->CompletarNavegacion();
    paginas_ = lista_->Paginas();
    filas_ = lista_->Filas();
    lista_.reset();
    // The pages a longer list left behind lead nowhere any more.
    BorrarPaginas(paginas_ + 1);
}

// The pages from `Desde` on, as far as they follow one another; the first page goes even when
// those after it are missing.
void clsAuditoria_HTM::BorrarPaginas(int Desde) {
    for (int numero = Desde;; ++numero) {
        const QString ruta = RutaPagina(ruta_, numero);
        if (numero > 1 && !archivos::ExisteArchivo(ruta))
            return;
        IgnorarErrores({[&] { archivos::BorrarArchivo(ruta); }});
    }
}
