#include "platform/files/Programas.h"

#include "platform/files/Carpetas.h"

#include <QFileInfo>
#include <QProcess>

namespace archivos {
namespace {

const QString kExtension = QStringLiteral(".exe");

QStringList Candidatos(const QString& ruta) {
    if (ruta.endsWith(kExtension, Qt::CaseInsensitive)) {
        return {ruta, ruta.chopped(kExtension.size())};
    }
    return {ruta + kExtension, ruta};
}

QString ProgramaExistente(const QString& ruta) {
    for (const QString& candidato : Candidatos(RutaPlataforma(ruta))) {
        if (QFileInfo(candidato).isFile()) {
            return candidato;
        }
    }
    return {};
}

// The rest of the line goes whole, as written, as the one argument: the program reads its
// launch line as a whole (as Windows hands it over), so a value in it keeps its quotes,
// backslashes and blanks. Only the blanks that part it from the program go.
QStringList ConPrograma(const QString& programa, const QString& resto) {
    qsizetype inicio = 0;
    while (inicio < resto.size() && resto.at(inicio).isSpace())
        ++inicio;
    if (inicio == resto.size())
        return {programa};
    return {programa, resto.mid(inicio)};
}

// A quoted program runs to its closing quote.
QStringList ConProgramaEntreComillas(const QString& linea) {
    const qsizetype cierre = linea.indexOf(u'"', 1);
    const QString escrito = cierre < 0 ? linea.mid(1) : linea.mid(1, cierre - 1);
    const QString existente = ProgramaExistente(escrito);
    return ConPrograma(existente.isEmpty() ? RutaPlataforma(escrito) : existente,
                       cierre < 0 ? QString() : linea.mid(cierre + 1));
}

} // namespace

QStringList PartirLineaComando(const QString& lineaComando) {
    qsizetype inicio = 0;
    while (inicio < lineaComando.size() && lineaComando.at(inicio).isSpace())
        ++inicio;
    const QString linea = lineaComando.mid(inicio);
    if (linea.trimmed().isEmpty())
        return {};
    if (linea.startsWith(u'"'))
        return ConProgramaEntreComillas(linea);
    for (qsizetype fin = linea.indexOf(u' ');; fin = linea.indexOf(u' ', fin + 1)) {
        const QString programa = ProgramaExistente(linea.left(fin));
        if (!programa.isEmpty()) {
            return ConPrograma(programa, fin < 0 ? QString() : linea.mid(fin + 1));
        }
        if (fin < 0) {
            break;
        }
    }
    const qsizetype fin = linea.indexOf(u' ');
    return ConPrograma(RutaPlataforma(linea.left(fin)), fin < 0 ? QString() : linea.mid(fin + 1));
}

qint64 LanzarPrograma(const QString& lineaComando) {
    QStringList partes = PartirLineaComando(lineaComando);
    if (partes.isEmpty()) {
        return 0;
    }
    const QString programa = partes.takeFirst();
    qint64 id = 0;
    if (!QProcess::startDetached(programa, partes, QString(), &id)) {
        return 0;
    }
    return id;
}

QString UbicarPrograma(const QString& nombre) {
    if (nombre.trimmed().isEmpty()) {
        return {};
    }
    return ProgramaExistente(UnirRuta(CarpetaPrograma(), nombre));
}

} // namespace archivos
