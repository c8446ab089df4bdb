#include "platform/ado/Errors.h"

#include "platform/ado/AdoTipos.h"
#include "platform/errors/ErrorEjecucion.h"

namespace ado {

const Error& Errors::Item(int indice) const {
    if (indice < 0 || indice >= lista_.size())
        throw ErrorEjecucion(errElementoNoEncontrado,
                             QStringLiteral("No se encontró el elemento en la colección que "
                                            "corresponde al nombre o el ordinal solicitado."));
    return lista_.at(indice);
}

Error ErrorDe(const QString& origen, long numero, long nativo, const QString& estado,
              const QString& descripcion) {
    return Error{numero, nativo, estado, descripcion, origen};
}

bool EsTruncamiento(long nativo) {
    return nativo == 8152 || nativo == 2628;
}

} // namespace ado
