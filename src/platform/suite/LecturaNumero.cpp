#include "platform/suite/LecturaNumero.h"

#include <algorithm>

namespace suite {
namespace {

bool EsSeparador(QChar c) {
    return c == u',' || c == u'.';
}

// Position of the decimal separator within the digits and separators, or -1 for none.
qsizetype PosicionDecimal(const QString& cifras) {
    const qsizetype ultimo = std::max(cifras.lastIndexOf(u','), cifras.lastIndexOf(u'.'));
    if (ultimo < 0)
        return -1;
    const QChar tipo = cifras.at(ultimo);
    const QChar otro = tipo == u',' ? u'.' : u',';
    if (cifras.contains(otro) || cifras.count(tipo) == 1)
        return ultimo;
    return -1;
}

QString SoloDigitos(const QString& texto) {
    QString digitos;
    for (QChar c : texto)
        if (c.isDigit())
            digitos += c;
    return digitos;
}

} // namespace

NumeroLeido LeerNumero(const QString& texto) {
    const QString limpio = texto.trimmed();
    qsizetype i = 0;
    const bool negativo = i < limpio.size() && limpio.at(i) == u'-';
    if (i < limpio.size() && (limpio.at(i) == u'-' || limpio.at(i) == u'+'))
        ++i;
    while (i < limpio.size() && limpio.at(i).isSpace())
        ++i;
    qsizetype fin = i;
    while (fin < limpio.size() && (limpio.at(fin).isDigit() || EsSeparador(limpio.at(fin))))
        ++fin;
    const QString cifras = limpio.mid(i, fin - i);
    NumeroLeido leido;
    if (SoloDigitos(cifras).isEmpty())
        return leido;
    const qsizetype decimal = PosicionDecimal(cifras);
    QString entera = SoloDigitos(decimal < 0 ? cifras : cifras.left(decimal));
    const QString fraccion = decimal < 0 ? QString() : SoloDigitos(cifras.mid(decimal + 1));
    if (entera.isEmpty())
        entera = QStringLiteral("0");
    leido.Cifra = (negativo ? QStringLiteral("-") : QString()) + entera;
    if (!fraccion.isEmpty())
        leido.Cifra += u'.' + fraccion;
    leido.Completo = fin == limpio.size();
    return leido;
}

} // namespace suite
