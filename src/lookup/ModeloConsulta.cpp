#include "lookup/ModeloConsulta.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <algorithm>
#include <array>
#include <numeric>

namespace {

QStringView SinBlancosDelante(QStringView texto) {
    qsizetype i = 0;
    while (i < texto.size() && texto[i].isSpace())
        ++i;
    return texto.mid(i);
}

bool EsBlanco(char16_t u) {
    if (u < 0x100)
        return u == u' ' || (u >= 9 && u <= 13) || u == 0x85 || u == 0xA0;
    return QChar(u).isSpace();
}

// A character as searches compare it: without case. Latin-1, nearly all of a long list, is
// looked up, never asked of the Unicode tables cell by cell.
char16_t Plegado(char16_t u) {
    static const auto latin1 = [] {
        std::array<char16_t, 0x100> tabla{};
        for (char16_t c = 0; c < 0x100; ++c)
            tabla[c] = QChar(c).toCaseFolded().unicode();
        return tabla;
    }();
    if (u < 0x100)
        return latin1[u];
    return QChar::isSurrogate(u) ? u : QChar(u).toCaseFolded().unicode();
}

// The first character that counts in a search; 0 for a blank text.
char16_t Inicial(QStringView texto) {
    for (const QChar c : texto)
        if (!EsBlanco(c.unicode()))
            return Plegado(c.unicode());
    return 0;
}

// Whether a cell can begin as a search does, told by the character the cell begins with: for
// Latin-1, nearly all of a long list, by a table made for the search. Only a cell that begins
// with a blank is read further.
class FiltroInicial {
public:
    enum Veredicto : char { kNo, kSi, kLeer };

    explicit FiltroInicial(char16_t inicial) : inicial_(inicial) {
        for (char16_t c = 0; c < latin1_.size(); ++c)
            latin1_[c] = Segun(c);
    }
    // `celda` gives the cell's text, asked only when its first character does not tell.
    template <class Texto> bool Pasa(char16_t primero, Texto&& celda) const {
        const Veredicto v = primero < latin1_.size() ? latin1_[primero] : Segun(primero);
        return v == kSi || (v == kLeer && Inicial(celda()) == inicial_);
    }

private:
    Veredicto Segun(char16_t c) const {
        return EsBlanco(c) ? kLeer : Plegado(c) == inicial_ ? kSi : kNo;
    }

    char16_t inicial_;
    std::array<Veredicto, 0x100> latin1_;
};

} // namespace

void ModeloConsulta::FijarColumnas(const QStringList& titulos) {
    beginResetModel();
    titulos_ = titulos;
    celdas_ = {};
    colores_.clear();
    marcas_.clear();
    orden_.clear();
    endResetModel();
}

void ModeloConsulta::FijarFilas(std::vector<QString> celdas, std::vector<QColor> colores,
                                std::vector<char> marcas) {
    ado::TextosDeFilas textos;
    textos.columnas = int(titulos_.size());
    for (const QString& celda : celdas)
        textos.Agregar(celda);
    FijarFilas(std::move(textos), std::move(colores), std::move(marcas));
}

void ModeloConsulta::FijarFilas(ado::TextosDeFilas celdas, std::vector<QColor> colores,
                                std::vector<char> marcas) {
    beginResetModel();
    const size_t columnas = std::max<size_t>(1, size_t(titulos_.size()));
    celdas_ = std::move(celdas);
    colores_ = std::move(colores);
    marcas_ = std::move(marcas);
    orden_.resize(titulos_.isEmpty() ? 0 : celdas_.celdas.size() / columnas);
    std::iota(orden_.begin(), orden_.end(), 0);
    marcas_.resize(orden_.size(), 0);
    endResetModel();
}

void ModeloConsulta::Vaciar() {
    FijarFilas(ado::TextosDeFilas{}, {}, {});
}

void ModeloConsulta::SetCasillas(bool casillas) {
    if (casillas == casillas_)
        return;
    beginResetModel();
    casillas_ = casillas;
    endResetModel();
}

void ModeloConsulta::SetCelda(int fila, int columna, const QString& texto) {
    const size_t celda = IndiceCelda(fila, columna);
    celdas_.Cambiar(celda, texto);
    emit dataChanged(index(fila, columna), index(fila, columna));
}

bool ModeloConsulta::Marcada(int fila) const {
    return marcas_[size_t(Origen(fila))] != 0;
}

void ModeloConsulta::SetMarcada(int fila, bool marcada) {
    marcas_[size_t(Origen(fila))] = marcada;
    emit dataChanged(index(fila, 0), index(fila, 0), {Qt::CheckStateRole});
}

int ModeloConsulta::Buscar(int columna, QStringView texto) const {
    if (columna < 0 || columna >= Columnas())
        return -1;
    texto = texto.trimmed();
    // Most rows differ at the first character, which is kept apart for every cell: they are
    // passed over without touching their texts.
    const bool filtrar = !texto.isEmpty() && !texto.front().isSurrogate();
    const FiltroInicial filtro(filtrar ? Inicial(texto) : 0);
    for (int fila = 0; fila < Filas(); ++fila) {
        const size_t celda = IndiceCelda(fila, columna);
        if (filtrar && !filtro.Pasa(celdas_.Primero(size_t(Origen(fila)), columna),
                                    [&] { return celdas_.Celda(celda); }))
            continue;
        if (SinBlancosDelante(celdas_.Celda(celda)).startsWith(texto, Qt::CaseInsensitive))
            return fila;
    }
    return -1;
}

// Collation keys are made once per row, so that a large list sorts in the time of its
// comparisons of plain bytes.
void ModeloConsulta::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= Columnas())
        return;
    QCollator cotejador;
    cotejador.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> claves;
    claves.reserve(orden_.size());
    const size_t columnas = size_t(titulos_.size());
    for (size_t fila = 0; fila < orden_.size(); ++fila)
        claves.push_back(
            cotejador.sortKey(celdas_.Celda(fila * columnas + size_t(column)).toString()));
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList antes = persistentIndexList();
    const std::vector<int> anterior = orden_;
    std::stable_sort(orden_.begin(), orden_.end(), [&](int a, int b) {
        const int c = claves[size_t(a)].compare(claves[size_t(b)]);
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });
    std::vector<int> nueva(orden_.size());
    for (size_t fila = 0; fila < orden_.size(); ++fila)
        nueva[size_t(orden_[fila])] = int(fila);
    QModelIndexList despues;
    for (const QModelIndex& i : antes)
        despues << index(nueva[size_t(anterior[size_t(i.row())])], i.column());
    changePersistentIndexList(antes, despues);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int ModeloConsulta::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : Filas();
}

int ModeloConsulta::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : Columnas();
}

QVariant ModeloConsulta::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid())
        return {};
    switch (rol) {
    case Qt::DisplayRole:
        return Celda(indice.row(), indice.column());
    case Qt::CheckStateRole:
        if (casillas_ && indice.column() == 0)
            return Marcada(indice.row()) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ForegroundRole:
        if (!colores_.empty() && colores_[size_t(Origen(indice.row()))].isValid())
            return colores_[size_t(Origen(indice.row()))];
        return {};
    default:
        return {};
    }
}

bool ModeloConsulta::setData(const QModelIndex& indice, const QVariant& valor, int rol) {
    if (!indice.isValid() || rol != Qt::CheckStateRole || !casillas_ || indice.column() != 0)
        return false;
    SetMarcada(indice.row(), valor.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags ModeloConsulta::flags(const QModelIndex& indice) const {
    Qt::ItemFlags banderas = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (casillas_ && indice.column() == 0)
        banderas |= Qt::ItemIsUserCheckable;
    return banderas;
}

QVariant ModeloConsulta::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (orientacion == Qt::Horizontal && rol == Qt::DisplayRole)
        return Titulo(seccion);
    return {};
}
