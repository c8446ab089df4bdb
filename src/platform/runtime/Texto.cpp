#include "platform/runtime/Texto.h"

#include "platform/runtime/ErrorVb.h"

namespace vb {

namespace {

void ExigirNoNegativo(int valor) {
    if (valor < 0)
        Raise(5);
}

} // namespace

int InStr(const QString& texto, const QString& buscado) {
    return InStr(1, texto, buscado);
}

int InStr(int inicio, const QString& texto, const QString& buscado) {
    if (inicio < 1)
        Raise(5);
    if (inicio > texto.size())
        return 0;
    if (buscado.isEmpty())
        return inicio;
    return int(texto.indexOf(buscado, inicio - 1, Qt::CaseInsensitive)) + 1;
}

int InStrRev(const QString& texto, const QString& buscado, int inicio) {
    if (inicio == 0 || inicio < -1)
        Raise(5);
    if (inicio == -1)
        inicio = int(texto.size());
    if (texto.isEmpty() || inicio > texto.size())
        return 0;
    if (buscado.isEmpty())
        return inicio;
    const qsizetype desde = inicio - buscado.size();
    if (desde < 0)
        return 0;
    return int(texto.lastIndexOf(buscado, desde, Qt::CaseInsensitive)) + 1;
}

QString Replace(const QString& texto, const QString& buscado, const QString& reemplazo) {
    if (buscado.isEmpty())
        return texto;
    QString resultado = texto;
    return resultado.replace(buscado, reemplazo, Qt::CaseInsensitive);
}

bool Iguales(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

int StrComp(const QString& a, const QString& b) {
    const int orden = QString::compare(a, b, Qt::CaseInsensitive);
    return orden < 0 ? -1 : (orden > 0 ? 1 : 0);
}

QString LTrim(const QString& texto) {
    qsizetype i = 0;
    while (i < texto.size() && texto.at(i) == u' ')
        ++i;
    return texto.mid(i);
}

QString RTrim(const QString& texto) {
    qsizetype fin = texto.size();
    while (fin > 0 && texto.at(fin - 1) == u' ')
        --fin;
    return texto.left(fin);
}

QString Trim(const QString& texto) {
    return LTrim(RTrim(texto));
}

QString Left(const QString& texto, int largo) {
    ExigirNoNegativo(largo);
    return texto.left(largo);
}

QString Right(const QString& texto, int largo) {
    ExigirNoNegativo(largo);
    return texto.right(largo);
}

QString Mid(const QString& texto, int inicio) {
    if (inicio < 1)
        Raise(5);
    return texto.mid(inicio - 1);
}

QString Mid(const QString& texto, int inicio, int largo) {
    if (inicio < 1)
        Raise(5);
    ExigirNoNegativo(largo);
    if (inicio > texto.size())
        return {};
    return texto.mid(inicio - 1, largo);
}

QString UCase(const QString& texto) {
    return texto.toUpper();
}

QString LCase(const QString& texto) {
    return texto.toLower();
}

QString Space(int cantidad) {
    return String(cantidad, QChar(u' '));
}

QString String(int cantidad, QChar caracter) {
    ExigirNoNegativo(cantidad);
    return QString(cantidad, caracter);
}

QString String(int cantidad, const QString& caracter) {
    if (caracter.isEmpty())
        Raise(5);
    return String(cantidad, caracter.at(0));
}

int Len(const QString& texto) {
    return int(texto.size());
}

} // namespace vb
