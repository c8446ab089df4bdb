#include "platform/ado/DestinosDeInsert.h"

namespace ado {

DestinosDeInsert::DestinosDeInsert(const TokensSql& t, const EsquemaSqlite& esquema) : t_(t) {
    int i = Siguiente(t, -1);
    if (i < 0 || !t[i].EsPalabra("INSERT"))
        return;
    i = Siguiente(t, i);
    if (i >= 0 && t[i].EsPalabra("INTO"))
        i = Siguiente(t, i);
    if (i < 0 || !t[i].EsNombre())
        return;
    tabla_ = t[i].Nombre();
    i = LeerColumnas(Siguiente(t, i), esquema);
    if (i >= 0 && t[i].EsPalabra("VALUES"))
        LeerValores(Siguiente(t, i));
    else if (i >= 0 && t[i].EsPalabra("SELECT"))
        LeerSelect(Siguiente(t, i));
}

int DestinosDeInsert::LeerColumnas(int i, const EsquemaSqlite& esquema) {
    if (i < 0 || !t_[i].EsSimbolo("(")) {
        columnas_ = esquema.ColumnasInsertables(tabla_);
        return i;
    }
    for (i = Siguiente(t_, i); i >= 0 && !t_[i].EsSimbolo(")"); i = Siguiente(t_, i))
        if (t_[i].EsNombre())
            columnas_.append(t_[i].Nombre());
    return i < 0 ? -1 : Siguiente(t_, i);
}

// The value between the separators at `desde` and `hasta` goes into the column at `posicion`.
void DestinosDeInsert::Asignar(int desde, int hasta, int posicion) {
    const Tramo valor{Siguiente(t_, desde), Anterior(t_, hasta)};
    if (posicion >= columnas_.size() || !valor.Valido() || valor.fin >= hasta)
        return;
    valores_.append({valor, columnas_[posicion]});
    if (valor.inicio == valor.fin && t_[valor.inicio].tipo == TokenSql::Cadena)
        literales_.insert(valor.inicio, columnas_[posicion]);
}

void DestinosDeInsert::LeerValores(int i) {
    while (i >= 0 && t_[i].EsSimbolo("(")) {
        int profundidad = 0, posicion = 0, inicio = i, j = i + 1;
        for (; j < t_.size(); ++j) {
            const TokenSql& k = t_[j];
            if (profundidad == 0 && (k.EsSimbolo(",") || k.EsSimbolo(")"))) {
                Asignar(inicio, j, posicion++);
                inicio = j;
                if (k.EsSimbolo(")"))
                    break;
            }
            profundidad += k.EsSimbolo("(") ? 1 : k.EsSimbolo(")") ? -1 : 0;
        }
        i = Siguiente(t_, j);
        if (i < 0 || !t_[i].EsSimbolo(","))
            return;
        i = Siguiente(t_, i);
    }
}

void DestinosDeInsert::LeerSelect(int i) {
    int profundidad = 0, posicion = 0, inicio = Anterior(t_, i), j = i;
    for (; j >= 0 && j < t_.size(); ++j) {
        const TokenSql& k = t_[j];
        if (profundidad == 0 && k.EsPalabra("FROM"))
            break;
        if (profundidad == 0 && k.EsSimbolo(",")) {
            Asignar(inicio, j, posicion++);
            inicio = j;
        }
        profundidad += k.EsSimbolo("(") ? 1 : k.EsSimbolo(")") ? -1 : 0;
    }
    if (j >= 0)
        Asignar(inicio, j, posicion);
}

} // namespace ado
