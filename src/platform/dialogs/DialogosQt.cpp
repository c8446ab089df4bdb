#include "platform/dialogs/DialogosQt.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCursor>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QMessageBox::Icon IconoQt(int botones) {
    switch (IconoDe(botones)) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// Messages are built with a bare carriage return as line break, which Qt does not break on.
QString ConSaltosDeLinea(QString texto) {
    return texto.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// Ends a local event loop when the watched window is hidden.
class VigiaOcultar : public QObject {
public:
    explicit VigiaOcultar(QEventLoop& bucle) : bucle_(bucle) {}
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::Hide)
            bucle_.quit();
        return false;
    }

private:
    QEventLoop& bucle_;
};

// A question asked while a window waits on the database (under its wait cursor) is not part of
// the wait: the operator answers it with the normal cursor.
class CursorNormal {
public:
    CursorNormal() : cambiado_(QGuiApplication::overrideCursor() != nullptr) {
        if (cambiado_)
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~CursorNormal() {
        if (cambiado_)
            QGuiApplication::restoreOverrideCursor();
    }
    CursorNormal(const CursorNormal&) = delete;
    CursorNormal& operator=(const CursorNormal&) = delete;

private:
    bool cambiado_;
};

void AplicarImpresora(const QPrinter& impresora, AjustesImpresora& ajustes) {
    ajustes.Impresora = impresora.printerName();
    ajustes.ArchivoSalida = impresora.outputFileName();
    ajustes.Copias = impresora.copyCount();
    ajustes.DesdePagina = impresora.fromPage();
    ajustes.HastaPagina = impresora.toPage();
    ajustes.Horizontal = impresora.pageLayout().orientation() == QPageLayout::Landscape;
}

} // namespace

int DialogosQt::MostrarMensaje(const QString& texto, int botones, const QString& titulo) {
    CursorNormal cursor;
    QMessageBox caja(IconoQt(botones), titulo, ConSaltosDeLinea(texto), QMessageBox::NoButton,
                     QApplication::activeWindow());
    int escape = RespuestaEscape(botones);
    int predeterminada = RespuestaPredeterminada(botones);
    for (int respuesta : RespuestasDeBotones(botones)) {
        QPushButton* boton = caja.addButton(TextoBoton(respuesta), QMessageBox::AcceptRole);
        boton->setProperty("respuesta", respuesta);
        if (respuesta == predeterminada)
            caja.setDefaultButton(boton);
        if (respuesta == escape)
            caja.setEscapeButton(boton);
    }
    caja.exec();
    QAbstractButton* pulsado = caja.clickedButton();
    return pulsado ? pulsado->property("respuesta").toInt() : escape;
}

QString DialogosQt::PedirTexto(const QString& mensaje, const QString& titulo,
                               const QString& predeterminado) {
    CursorNormal cursor;
    QInputDialog dialogo(QApplication::activeWindow());
    dialogo.setWindowTitle(titulo);
    dialogo.setLabelText(ConSaltosDeLinea(mensaje));
    dialogo.setTextValue(predeterminado);
    dialogo.setOkButtonText(QStringLiteral("Aceptar"));
    dialogo.setCancelButtonText(QStringLiteral("Cancelar"));
    return dialogo.exec() == QDialog::Accepted ? dialogo.textValue() : QString();
}

std::optional<QString> DialogosQt::AbrirArchivo(const QString& titulo, const QString& filtro) {
    CursorNormal cursor;
    QString ruta = QFileDialog::getOpenFileName(QApplication::activeWindow(), titulo, QString(),
                                                FiltroQt(filtro));
    if (ruta.isEmpty())
        return std::nullopt;
    return ruta;
}

std::optional<AjustesImpresora> DialogosQt::ElegirImpresora() {
    CursorNormal cursor;
    QPrinter impresora;
    QPrintDialog dialogo(&impresora, QApplication::activeWindow());
    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    AjustesImpresora ajustes;
    AplicarImpresora(impresora, ajustes);
    return ajustes;
}

std::optional<QDate> DialogosQt::ElegirFecha(const QDate& inicial) {
    CursorNormal cursor;
    QDialog dialogo(QApplication::activeWindow());
    dialogo.setWindowTitle(QStringLiteral("Elegir Fecha"));
    auto* calendario = new QCalendarWidget(&dialogo);
    calendario->setSelectedDate(inicial.isValid() ? inicial : QDate::currentDate());
    auto* botones = new QDialogButtonBox(&dialogo);
    botones->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
    botones->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    auto* columna = new QVBoxLayout(&dialogo);
    columna->addWidget(calendario);
    columna->addWidget(botones);
    QObject::connect(calendario, &QCalendarWidget::activated, &dialogo, &QDialog::accept);
    QObject::connect(botones, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(botones, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    return calendario->selectedDate();
}

void DialogosQt::MostrarModal(QWidget& ventana) {
    CursorNormal cursor;
    QPointer<QWidget> vigilada(&ventana);
    QEventLoop bucle;
    VigiaOcultar vigia(bucle);
    ventana.hide();
    ventana.setWindowModality(Qt::ApplicationModal);
    ventana.installEventFilter(&vigia);
    QObject::connect(&ventana, &QObject::destroyed, &bucle, &QEventLoop::quit);
    ventana.show();
    ventana.raise();
    ventana.activateWindow();
    if (ventana.isVisible())
        bucle.exec(QEventLoop::DialogExec);
    if (vigilada) {
        vigilada->removeEventFilter(&vigia);
        vigilada->setWindowModality(Qt::NonModal);
    }
}

QString DialogosQt::FiltroQt(const QString& filtro) {
    QStringList partes = filtro.split(QLatin1Char('|'));
    QStringList filtros;
    for (int i = 0; i + 1 < partes.size(); i += 2) {
        QString patrones = partes[i + 1].trimmed().replace(QLatin1Char(';'), QLatin1Char(' '));
        filtros << QStringLiteral("%1 (%2)").arg(partes[i].trimmed(), patrones);
    }
    return filtros.join(QLatin1String(";;"));
}
