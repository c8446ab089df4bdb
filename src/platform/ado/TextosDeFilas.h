#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>
#include <QVector>
#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

namespace ado {

// How a value that is not already text is written as text.
using TextoDeValor = std::function<QString(const QVariant&)>;

// Values in blocks that never move once allocated: a long list grows without copying what it
// already holds, or touching fresh memory twice, as a vector that doubles does. A block is
// left as allocated, not filled, until its values are written.
template <class T> class EnBloques {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

public:
    size_t size() const { return tamano_; }
    T& operator[](size_t i) { return bloques_[i >> kBits].get()[i & kMascara]; }
    const T& operator[](size_t i) const { return bloques_[i >> kBits].get()[i & kMascara]; }
    T& back() { return (*this)[tamano_ - 1]; }
    void push_back(const T& valor) {
        if ((tamano_ >> kBits) == bloques_.size())
            bloques_.emplace_back(static_cast<T*>(::operator new(sizeof(T) << kBits)));
        (*this)[tamano_++] = valor;
    }

private:
    static constexpr int kBits = 16;
    static constexpr size_t kMascara = (size_t(1) << kBits) - 1;
    struct Liberar {
        void operator()(T* bloque) const { ::operator delete(bloque); }
    };

    std::vector<std::unique_ptr<T, Liberar>> bloques_;
    size_t tamano_ = 0;
};

// The characters of a TextosDeFilas, in blocks that never move once written: a long list's
// texts are written once, straight into their place, and nothing is copied or zero-filled as
// the list grows. A cell never straddles two blocks; a cell longer than a block gets a block of
// its own.
class BloqueTexto {
public:
    // Where the next characters go, counted from the first block's start.
    size_t size() const { return tamano_; }
    const char16_t* En(size_t posicion) const {
        return tramos_[posicion >> kBits] + (posicion & kMascara);
    }
    // Room for `n` more characters in one block, not yet written: the caller writes them and
    // gives back, with Recortar, what it did not use. Most cells fit in the block being filled,
    // which costs no call.
    char16_t* Ampliar(size_t n) {
        if (n == 0 || n > (tramos_.size() << kBits) - tamano_)
            return AmpliarConBloque(n);
        char16_t* const donde = tramos_[tamano_ >> kBits] + (tamano_ & kMascara);
        tamano_ += n;
        return donde;
    }
    void Recortar(size_t tamano) { tamano_ = tamano; }

private:
    char16_t* AmpliarConBloque(size_t n);

    static constexpr int kBits = 18; // blocks of 256 K characters
    static constexpr size_t kMascara = (size_t(1) << kBits) - 1;

    std::vector<std::unique_ptr<char16_t[]>> bloques_;
    std::vector<char16_t*> tramos_; // each 256 K stretch's start, within its block
    size_t tamano_ = 0;
};

// Rows read as the texts they are shown as, kept together in large blocks: the cells one after
// another, row after row. A long list read this way costs a few blocks, not one text per cell.
struct TextosDeFilas {
    struct Tramo {
        quint32 inicio = 0;
        quint32 largo = 0;
    };

    int columnas = 0;
    BloqueTexto texto;       // grown in place, cell by cell, without a call per cell
    EnBloques<Tramo> celdas; // row after row

    size_t Filas() const { return columnas > 0 ? celdas.size() / size_t(columnas) : 0; }
    // The first character of the cell in row `fila`, column `columna`; 0 for an empty cell. A
    // search down a column reads these, kept together column by column, instead of each
    // cell's text wherever it lies.
    char16_t Primero(size_t fila, int columna) const { return primeros_[size_t(columna)][fila]; }
    char16_t Primero(Tramo celda) const { return celda.largo ? *texto.En(celda.inicio) : 0; }
    QStringView Celda(size_t i) const {
        // An empty cell may stand where no block is yet.
        const Tramo t = celdas[i];
        return t.largo ? QStringView(texto.En(t.inicio), qsizetype(t.largo))
                       : QStringView(u"", qsizetype(0));
    }
    void Agregar(QStringView celda);
    // The cell's new text goes after all the others: a cell changes by the few the user edits.
    void Cambiar(size_t i, QStringView celda);
    // The cell becomes the part of its text from `desde` up to, not including, `hasta`.
    void Acotar(size_t i, qsizetype desde, qsizetype hasta);
    // UTF-8 bytes as QString::fromUtf8 reads them, padded with blanks to `ancho` characters.
    void AgregarUtf8(const char* bytes, qsizetype largo, qsizetype ancho = 0);
    // A cell that stands again for the characters of one written before. The cells of a row
    // go one after another: `columnas` is set before the first.
    void Repetir(Tramo celda, char16_t primero) {
        if (primeros_.empty())
            primeros_.resize(size_t(std::max(columnas, 1)));
        celdas.push_back(celda);
        primeros_[columnaSiguiente_].push_back(primero);
        if (++columnaSiguiente_ == primeros_.size())
            columnaSiguiente_ = 0;
    }

private:
    Tramo Copiar(QStringView celda);
    void FijarPrimero(size_t i);

    std::vector<EnBloques<char16_t>> primeros_; // per column, row after row
    size_t columnaSiguiente_ = 0;
};

// Writes rows of values into a TextosDeFilas: texts as they are, any other value through the
// converter. A column's whole numbers and nulls repeat (flags, codes, often two taking turns):
// the cells of the last few seen in each column are kept, and a repeated one points at the same
// characters, which never change once written.
class EscritorDeTextos {
public:
    EscritorDeTextos(TextosDeFilas& destino, const TextoDeValor& comoTexto, int columnas);

    void AgregarFila(const QVector<QVariant>& fila);
    void AgregarValor(int columna, const QVariant& valor);
    // A value known by its kind (the caller's own numbering, 0 for null) and whole number,
    // read only when it is none of the column's last ones.
    template <class LeerValor>
    void AgregarEntero(int columna, int clase, qint64 entero, LeerValor&& leer) {
        Recuerdos& rs = recuerdos_[size_t(columna)];
        for (const Recuerdo& r : rs.valores)
            if (r.hay && r.clase == clase && r.entero == entero) {
                destino_.Repetir(r.celda, r.primero);
                return;
            }
        destino_.Agregar(Texto(leer()));
        const TextosDeFilas::Tramo celda = destino_.celdas.back();
        rs.valores[rs.siguiente] = {true, clase, entero, celda, destino_.Primero(celda)};
        rs.siguiente = (rs.siguiente + 1) % rs.valores.size();
    }

private:
    struct Recuerdo {
        bool hay = false;
        int clase = 0;
        qint64 entero = 0;
        TextosDeFilas::Tramo celda;
        char16_t primero = 0;
    };
    struct Recuerdos {
        std::array<Recuerdo, 4> valores;
        size_t siguiente = 0;
    };
    QString Texto(const QVariant& valor) const;

    TextosDeFilas& destino_;
    const TextoDeValor& comoTexto_;
    std::vector<Recuerdos> recuerdos_;
};

} // namespace ado
