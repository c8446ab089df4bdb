#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>
#include <QVector>
#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace ado {

// How a value that is not already text is written as text.
using TextoDeValor = std::function<QString(const QVariant&)>;

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
    BloqueTexto texto;         // grown in place, cell by cell, without a call per cell
    std::vector<Tramo> celdas; // row after row

    size_t Filas() const { return columnas > 0 ? celdas.size() / size_t(columnas) : 0; }
    QStringView Celda(size_t i) const {
        // An empty cell may stand where no block is yet.
        const Tramo t = celdas[i];
        return t.largo ? QStringView(texto.En(t.inicio), qsizetype(t.largo))
                       : QStringView(u"", qsizetype(0));
    }
    void Agregar(QStringView celda);
    // The cell's new text goes after all the others: a cell changes by the few the user edits.
    void Cambiar(size_t i, QStringView celda);
    // UTF-8 bytes as QString::fromUtf8 reads them, padded with blanks to `ancho` characters.
    void AgregarUtf8(const char* bytes, qsizetype largo, qsizetype ancho = 0);

private:
    Tramo Copiar(QStringView celda);
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
                destino_.celdas.push_back(r.celda);
                return;
            }
        destino_.Agregar(Texto(leer()));
        rs.valores[rs.siguiente] = {true, clase, entero, destino_.celdas.back()};
        rs.siguiente = (rs.siguiente + 1) % rs.valores.size();
    }

private:
    struct Recuerdo {
        bool hay = false;
        int clase = 0;
        qint64 entero = 0;
        TextosDeFilas::Tramo celda;
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
