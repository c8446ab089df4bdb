#include "platform/errors/DescripcionesError.h"

#include "platform/errors/ErrorEjecucion.h"

#include <QHash>

QString DescripcionError(long numero) {
    static const QHash<long, QString> descripciones = {
        {5, QStringLiteral("Llamada a procedimiento o argumento no válidos")},
        {6, QStringLiteral("Desbordamiento")},
        {11, QStringLiteral("División por cero")},
        {13, QStringLiteral("No coinciden los tipos")},
        {52, QStringLiteral("Nombre o número de archivo incorrecto")},
        {53, QStringLiteral("No se encontró el archivo")},
        {55, QStringLiteral("El archivo ya está abierto")},
        {57, QStringLiteral("Error de E/S de dispositivo")},
        {58, QStringLiteral("El archivo ya existe")},
        {63, QStringLiteral("Número de registro incorrecto")},
        {70, QStringLiteral("Permiso denegado")},
        {75, QStringLiteral("Error de acceso a la ruta o el archivo")},
        {76, QStringLiteral("No se encontró la ruta de acceso")},
        {94, QStringLiteral("Uso no válido de Null")},
        {380, QStringLiteral("Valor de propiedad no válido")},
        {381, QStringLiteral("Índice de matriz de propiedades no válido")},
        {35600, QStringLiteral("Índice fuera de los límites")},
        {35601, QStringLiteral("No se encontró el elemento")},
        {35602, QStringLiteral("La clave no es única en la colección")},
    };
    return descripciones.value(numero,
                               QStringLiteral("Error definido por la aplicación o el objeto"));
}

void LanzarError(long numero, const QString& detalle) {
    const QString descripcion = DescripcionError(numero);
    throw ErrorEjecucion(numero, detalle.isEmpty() ? descripcion : descripcion + ": " + detalle);
}
