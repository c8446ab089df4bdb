#include "platform/suite/RegistroErrores.h"

#include "platform/dialogs/CodigosMsgBox.h"
#include "platform/errors/Procedimiento.h"
#include "platform/files/ArchivoTexto.h"
#include "platform/files/Carpetas.h"

#include <QRegularExpression>

namespace suite {

QString RegistroErroresPrograma() {
    return archivos::UnirRuta(archivos::CarpetaPrograma(), QStringLiteral("SVERR.LOG"));
}

QString MensajeError(long numero, const QString& descripcion) {
    return QStringLiteral("Ha ocurrido el Siguiente Error (") + QString::number(numero) +
           QStringLiteral(") ") + descripcion;
}

QString PalabraRespuesta(int respuesta) {
    switch (respuesta) {
    case vbRetry:
        return QStringLiteral("Reintentar");
    case vbIgnore:
        return QStringLiteral("Ignorar");
    case vbAbort:
        return QStringLiteral("Abortar");
    case vbCancel:
        return QStringLiteral("Cancelar");
    case vbYes:
        return QStringLiteral("Sí");
    case vbNo:
        return QStringLiteral("No");
    default:
        return QString();
    }
}

QString LineaRegistroErrores(const QDateTime& momento, const QString& rutina,
                             const QString& mensaje, int respuesta) {
    // One error, one line: a provider's description may come in several.
    static const QRegularExpression saltos(QStringLiteral("\r\n|\r|\n"));
    const QString linea = momento.toString(QStringLiteral("MM-dd-yyyy HH:mm:ss")) +
                          QStringLiteral(" Rutina: ") + rutina + QStringLiteral(" Mensaje ") +
                          mensaje + QStringLiteral(" Respondió : ") + PalabraRespuesta(respuesta);
    return QString(linea).replace(saltos, QStringLiteral(" | "));
}

void AnotarError(const QString& registro, const QString& rutina, const QString& mensaje,
                 int respuesta) {
    const QString linea =
        LineaRegistroErrores(QDateTime::currentDateTime(), rutina, mensaje, respuesta);
    IgnorarErrores({[&] { archivos::ArchivoTexto::AgregarLineas(registro, {linea}); }});
}

} // namespace suite
