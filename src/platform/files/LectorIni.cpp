#include "platform/files/LectorIni.h"

#include "platform/files/ArchivoTexto.h"
#include "platform/files/Carpetas.h"

#include <QFile>

namespace archivos {
namespace {

bool MismoNombre(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

QString SinComillas(const QString& valor) {
    const bool entreComillas = valor.size() >= 2 &&
                               (valor.front() == u'"' || valor.front() == u'\'') &&
                               valor.back() == valor.front();
    return entreComillas ? valor.mid(1, valor.size() - 2) : valor;
}

QString NombreSeccion(const QString& linea) {
    const qsizetype cierre = linea.indexOf(u']');
    return cierre < 0 ? linea.mid(1) : linea.mid(1, cierre - 1);
}

} // namespace

QString LeerValorIni(const QString& ruta, const QString& seccion, const QString& clave,
                     const QString& porDefecto) {
    QFile archivo(RutaPlataforma(ruta));
    if (!archivo.open(QIODevice::ReadOnly)) {
        return porDefecto;
    }
    bool enSeccion = false;
    for (const QString& cruda : ArchivoTexto::PartirLineas(archivo.readAll())) {
        const QString linea = cruda.trimmed();
        if (linea.startsWith(u'[')) {
            enSeccion = MismoNombre(NombreSeccion(linea), seccion);
            continue;
        }
        const qsizetype igual = linea.indexOf(u'=');
        if (!enSeccion || linea.startsWith(u';') || igual < 0) {
            continue;
        }
        if (MismoNombre(linea.left(igual), clave)) {
            return SinComillas(linea.mid(igual + 1).trimmed());
        }
    }
    return porDefecto;
}

} // namespace archivos
