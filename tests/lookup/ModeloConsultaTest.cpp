#include "lookup/ModeloConsulta.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// The search as the user means it, row by row through the texts: the first row shown whose
// cell, without the blanks before it, begins with the text typed, letter case aside.
int Esperada(const ModeloConsulta& modelo, int columna, const QString& texto) {
    for (int fila = 0; fila < modelo.Filas(); ++fila) {
        const QString leida = modelo.Celda(fila, columna);
        QStringView celda = leida;
        while (!celda.isEmpty() && celda.front().isSpace())
            celda = celda.mid(1);
        if (celda.startsWith(texto.trimmed(), Qt::CaseInsensitive))
            return fila;
    }
    return -1;
}

// Rows past where the first characters' blocks end, each found only by reading its first
// character as the search compares it: after blanks, a tab, a no-break space, without case
// (the Kelvin sign is a K), outside Latin-1, and after a cell is changed or the rows sorted.
TEST(ModeloConsulta, LaBusquedaHallaLoQueHallariaLeyendoCadaCelda) {
    const std::map<int, std::pair<QString, QString>> especiales = {
        {66000, {QStringLiteral("\u212Aelvin"), QStringLiteral("kilo")}},
        {67000, {QStringLiteral(" \tÑandú"), QStringLiteral("\u00A0nbsp")}},
        {68000, {QStringLiteral("\u01C5z"), QString()}},
        {69000, {QStringLiteral("\U0001F600 cara"), QStringLiteral("  Último")}},
        {69999, {QStringLiteral("último"), QStringLiteral("x")}},
    };
    std::vector<QString> celdas;
    for (int fila = 0; fila < 70000; ++fila) {
        const auto especial = especiales.find(fila);
        if (especial != especiales.end()) {
            celdas.push_back(especial->second.first);
            celdas.push_back(especial->second.second);
        } else {
            celdas.push_back(QString(fila % 3 ? 0 : 2, u' ') + QString::number(fila % 1000));
            celdas.push_back(QStringLiteral("b%1").arg(fila));
        }
    }
    ModeloConsulta modelo;
    modelo.FijarColumnas({"A", "B"});
    modelo.FijarFilas(std::move(celdas), {}, {});
    const QStringList buscadas = {"k",  "K", "\u212A", "ñ",   "ÑAN", "nb", "\u01C6", "\U0001F600",
                                  "úl", "x", "  999 ", "b69", "",    "zz", "\u00A0"};
    const auto comparar = [&](const char* cuando) {
        for (int columna = 0; columna < 2; ++columna)
            for (const QString& texto : buscadas)
                EXPECT_EQ(modelo.Buscar(columna, texto), Esperada(modelo, columna, texto))
                    << cuando << ", columna " << columna << ": " << texto.toStdString();
    };
    comparar("al cargar");
    modelo.SetCelda(69998, 0, QStringLiteral("  ñu"));
    modelo.SetCelda(3, 1, QStringLiteral("Kilo"));
    EXPECT_EQ(modelo.Buscar(0, QStringLiteral("ÑU")), 69998);
    EXPECT_EQ(modelo.Buscar(1, QStringLiteral("k")), 3);
    comparar("tras cambiar dos celdas");
    modelo.sort(0, Qt::DescendingOrder);
    comparar("ordenadas");
}

} // namespace
