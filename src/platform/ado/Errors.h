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

} // namespace ado
