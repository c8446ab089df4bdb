#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;

// Makes one read of the database fail, as a lock or a damaged page would: once armed, the
// n-th statement (counting from 0) that selects from the table is refused when it is
// prepared, and every later one runs. Writes to the table are never refused. It watches the
// connections opened while it lives, so the program's connection must be opened after it.
class LecturaQueFalla {
public:
    LecturaQueFalla();
    ~LecturaQueFalla();
    LecturaQueFalla(const LecturaQueFalla&) = delete;
    LecturaQueFalla& operator=(const LecturaQueFalla&) = delete;

    void Armar(const QString& tabla, int saltear);
    bool Fallo() const { return fallo_; }
    // The tables of every statement that selected since the last Armar, in order.
    const QStringList& Lecturas() const { return lecturas_; }

private:
    static int Conectada(sqlite3* db, const char**, const void*);
    static int Autorizar(void* yo, int accion, const char* tabla, const char*, const char*,
                         const char*);
    int Autorizar(int accion, const char* tabla);

    QString tabla_;
    int saltear_ = -1;
    int accion_ = 0;
    bool fallo_ = false;
    QStringList leidas_;
    QStringList lecturas_;
};
