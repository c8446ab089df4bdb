#include "platform/suite/UtilSistema.h"

#include "platform/files/Carpetas.h"
#include "platform/suite/ObjetosSuite.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>
#include <QWidget>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

// The frame may not move past the top left of the free area, and what does not fit is cut off
// the bottom right.
QRect DentroDe(QRect marco, const QRect& libre) {
    marco.setWidth(std::min(marco.width(), libre.width()));
    marco.setHeight(std::min(marco.height(), libre.height()));
    marco.moveLeft(std::clamp(marco.left(), libre.left(), libre.right() - marco.width() + 1));
    marco.moveTop(std::clamp(marco.top(), libre.top(), libre.bottom() - marco.height() + 1));
    return marco;
}

} // namespace

UtilSistema& UtilSistema::Instancia() {
    return suite::ObjetoCompartido<UtilSistema>();
}

QString UtilSistema::IdentidadEquipo() const {
    return QSysInfo::machineHostName();
}

QString UtilSistema::IdentidadUsuario() const {
#ifdef Q_OS_UNIX
    if (const passwd* usuario = getpwuid(geteuid()))
        return QString::fromLocal8Bit(usuario->pw_name);
#endif
    return qEnvironmentVariable("USERNAME", qEnvironmentVariable("USER"));
}

QString UtilSistema::CarpetaTemporal() const {
    return archivos::CarpetaTemporal();
}

void UtilSistema::AjustarFormulario(QWidget& ventana) const {
    QScreen* pantalla = ventana.screen() ? ventana.screen() : QGuiApplication::primaryScreen();
    if (!pantalla)
        return;
    const QRect marco = ventana.frameGeometry();
    const QRect ajustado = DentroDe(marco, pantalla->availableGeometry());
    if (ajustado == marco)
        return;
    const QSize bordes = marco.size() - ventana.size();
    ventana.resize(ajustado.size() - bordes);
    ventana.move(ajustado.topLeft());
}
