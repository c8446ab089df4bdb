#include "platform/suite/ArchivoIni.h"

#include "platform/files/Carpetas.h"
#include "platform/files/LectorIni.h"
#include "platform/suite/ObjetosSuite.h"

#include <QDir>

ArchivoIni& ArchivoIni::Instancia() {
    return suite::ObjetoCompartido<ArchivoIni>();
}

QString ArchivoIni::LeerIni(const QString& archivo, const QString& seccion, const QString& clave,
                            const QString& porDefecto) const {
    QString ruta = archivos::RutaPlataforma(archivo);
    if (QDir::isRelativePath(ruta))
        ruta = archivos::UnirRuta(archivos::CarpetaPrograma(), ruta);
    return archivos::LeerValorIni(ruta, seccion, clave, porDefecto);
}
