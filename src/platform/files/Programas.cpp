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

QStringList ConPrograma(const QString& programa, const QString& resto) {
    return QStringList{programa} + QProcess::splitCommand(resto);
}

} // namespace

QStringList PartirLineaComando(const QString& lineaComando) {
    const QString linea = lineaComando.trimmed();
    if (linea.isEmpty() || linea.startsWith(u'"')) {
        QStringList partes = QProcess::splitCommand(linea);
        if (!partes.isEmpty()) {
            const QString existente = ProgramaExistente(partes.front());
            partes.front() = existente.isEmpty() ? RutaPlataforma(partes.front()) : existente;
        }
        return partes;
    }
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
