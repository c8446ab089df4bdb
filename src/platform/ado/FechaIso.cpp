#include "platform/ado/FechaIso.h"

namespace ado {
namespace {

// The number written in `n` digits from `desde`; -1 when one of them is no digit.
int Numero(QStringView texto, qsizetype desde, int n) {
    int valor = 0;
    for (qsizetype i = desde; i < desde + n; ++i) {
        const char16_t c = texto.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        valor = valor * 10 + (c - u'0');
    }
    return valor;
}

bool Separadores(QStringView texto, std::initializer_list<std::pair<qsizetype, char16_t>> lista) {
    for (const auto& [posicion, separador] : lista)
        if (texto.at(posicion) != separador)
            return false;
    return true;
}

int Milisegundos(QStringView fraccion) {
    int valor = 0;
    for (qsizetype i = 0; i < 3; ++i) {
        const char16_t c = i < fraccion.size() ? fraccion.at(i).unicode() : u'0';
        if (c < u'0' || c > u'9')
            return -1;
        valor = valor * 10 + (c - u'0');
    }
    return valor;
}

} // namespace

QDateTime FechaIso(QStringView texto) {
    if (texto.size() < 10 || !Separadores(texto, {{4, u'-'}, {7, u'-'}}))
        return {};
    const QDate dia(Numero(texto, 0, 4), Numero(texto, 5, 2), Numero(texto, 8, 2));
    if (texto.size() == 10)
        return QDateTime(dia, QTime(0, 0));
    if (texto.size() < 19 || !Separadores(texto, {{10, u' '}, {13, u':'}, {16, u':'}}))
        return {};
    int milisegundos = 0;
    if (texto.size() > 19) {
        milisegundos = texto.at(19) == u'.' ? Milisegundos(texto.mid(20)) : -1;
        if (milisegundos < 0)
            return {};
    }
    const QTime hora(Numero(texto, 11, 2), Numero(texto, 14, 2), Numero(texto, 17, 2),
                     milisegundos);
    return dia.isValid() && hora.isValid() ? QDateTime(dia, hora) : QDateTime();
}

} // namespace ado
