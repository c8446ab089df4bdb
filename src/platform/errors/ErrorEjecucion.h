#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The one run-time error of the program. Every failure that a procedure's error trap can
// answer travels as this type, carrying what the error dialogs show and log.
class ErrorEjecucion : public std::exception {
public:
    explicit ErrorEjecucion(long numero, QString descripcion = {},
                            QString origen = QStringLiteral("Auditoria"));

    long Number() const { return numero_; }
    const QString& Description() const { return descripcion_; }
    const QString& Source() const { return origen_; }
    const char* what() const noexcept override { return texto_.constData(); }

private:
    long numero_;
    QString descripcion_;
    QString origen_;
    QByteArray texto_;
};
