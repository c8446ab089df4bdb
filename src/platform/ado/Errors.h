#pragma once

#include <QString>
#include <QVector>

namespace ado {

// One provider message, as the connection keeps it after a failed operation.
struct Error {
    long Number = 0;
    long NativeError = 0;
    QString SQLState;
    QString Description;
    QString Source;
};

// The connection's list of provider messages: filled by a failing operation and read by the
// caller right after it.
class Errors {
public:
    int Count() const { return lista_.size(); }
    void Clear() { lista_.clear(); }
    const Error& Item(int indice) const;
    void Add(Error error) { lista_.append(std::move(error)); }

private:
    QVector<Error> lista_;
};

// A provider message under the name of the engine or driver that gave it.
Error ErrorDe(const QString& origen, long numero, long nativo, const QString& estado,
              const QString& descripcion);

// Whether a server's native error says a text was cut to fit its column: 8152, and 2628
// from SQL Server 2019 on (compatibility level 150 and later) for the same condition.
bool EsTruncamiento(long nativo);

} // namespace ado
