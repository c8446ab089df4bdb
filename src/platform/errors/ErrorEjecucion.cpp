#include "platform/errors/ErrorEjecucion.h"

ErrorEjecucion::ErrorEjecucion(long numero, QString descripcion, QString origen)
    : numero_(numero), descripcion_(std::move(descripcion)), origen_(std::move(origen)),
      texto_(QStringLiteral("%1: %2").arg(numero_).arg(descripcion_).toUtf8()) {}
