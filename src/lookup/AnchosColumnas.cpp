#include "lookup/AnchosColumnas.h"

#include "platform/errors/ErrorEjecucion.h"
#include "platform/files/ArchivoTexto.h"
#include "platform/files/Carpetas.h"
#include "platform/runtime/Currency.h"
#include "platform/runtime/Locale.h"
#include "platform/runtime/Texto.h"
#include "platform/suite/UtilGeneral.h"

#include <QStringList>
#include <cmath>

namespace {

const QString ArchivoAnchos = QStringLiteral("CONSULTASLEN.SVE");
const QString ArchivoTemporal = QStringLiteral("CONSULTASLEN.AUX");

// One field of a line of comma-separated values, from `i` on; `i` moves past its comma. A
// quoted field runs to its closing quote, any other one to the comma, without blanks.
QString SiguienteCampo(const QString& linea, qsizetype& i) {
    while (i < linea.size() && linea[i] == u' ')
        ++i;
    QString campo;
    const bool entreComillas = i < linea.size() && linea[i] == u'"';
    if (entreComillas) {
        qsizetype cierre = linea.indexOf(u'"', i + 1);
        if (cierre < 0)
            cierre = linea.size();
        campo = linea.mid(i + 1, cierre - i - 1);
        i = cierre + 1;
    }
    const qsizetype coma = linea.indexOf(u',', i);
    const qsizetype fin = coma < 0 ? linea.size() : coma;
    if (!entreComillas)
        campo = linea.mid(i, fin - i).trimmed();
    i = fin + 1;
    return campo;
}

// Applies the widths of one line over `anchos`; false when the line has too few of them.
bool AplicarLinea(QString texto, std::vector<std::optional<double>>& anchos) {
    for (std::optional<double>& ancho : anchos) {
        const qsizetype barra = texto.indexOf(u'|');
        if (barra < 0)
            return false;
        const Currency valor = UtilGeneral::Instancia().ValorMoneda(texto.left(barra));
        ancho = double(float(valor.ADouble()));
        texto = texto.mid(barra + 1);
    }
    return true;
}

} // namespace

AnchosColumnas::AnchosColumnas(QString carpeta) : carpeta_(std::move(carpeta)) {}

QString AnchosColumnas::Archivo() const {
    return archivos::UnirRuta(carpeta_, ArchivoAnchos);
}

QString AnchosColumnas::Temporal() const {
    return archivos::UnirRuta(carpeta_, ArchivoTemporal);
}

bool AnchosColumnas::Existe() const {
    return archivos::ExisteArchivo(Archivo());
}

std::vector<std::optional<double>> AnchosColumnas::Leer(QString& tabla, int columnas) const {
    std::vector<std::optional<double>> anchos(size_t(std::max(0, columnas)));
    if (!Existe())
        return anchos;
    if (vb::Iguales(tabla, QStringLiteral("Stk_ma_articulos")))
        tabla = QStringLiteral("VT_MA_ARTICULOS");
    // A width that is no amount (one too large, say) ends the reading like any other failure:
    // the widths already taken from the line stay.
    try {
        for (const QString& linea : archivos::ArchivoTexto::LeerLineas(Archivo())) {
            const auto [nombre, texto] = Campos(linea);
            if (vb::Iguales(nombre, tabla) && !AplicarLinea(texto, anchos))
                break;
        }
    } catch (const ErrorEjecucion&) {
    }
    return anchos;
}

void AnchosColumnas::Grabar(const QString& tabla, const std::vector<double>& anchos) const {
    QStringList salida;
    archivos::ArchivoTexto::EscribirLineas(Temporal(), {});
    if (Existe()) {
        for (const QString& linea : archivos::ArchivoTexto::LeerLineas(Archivo()))
            if (!linea.isEmpty() && !vb::Iguales(Campos(linea).first, tabla))
                salida << linea;
    }
    salida << Linea(tabla, TextoAnchos(anchos));
    archivos::ArchivoTexto::EscribirLineas(Temporal(), salida);
    if (Existe())
        archivos::BorrarArchivo(Archivo());
    archivos::RenombrarArchivo(Temporal(), Archivo());
}

QString AnchosColumnas::TextoAnchos(const std::vector<double>& anchos) {
    QString texto;
    for (double ancho : anchos) {
        const float simple = float(ancho);
        if (simple == std::floor(simple))
            texto += QString::number(qint64(simple));
        else
            texto += Locale::Actual().toString(double(simple), 'g', 7);
        texto += u'|';
    }
    return texto;
}

QString AnchosColumnas::Linea(const QString& tabla, const QString& anchos) {
    return u'"' + tabla + QStringLiteral("\",\"") + anchos + u'"';
}

std::pair<QString, QString> AnchosColumnas::Campos(const QString& linea) {
    qsizetype i = 0;
    QString tabla = SiguienteCampo(linea, i);
    QString anchos = SiguienteCampo(linea, i);
    return {tabla, anchos};
}
