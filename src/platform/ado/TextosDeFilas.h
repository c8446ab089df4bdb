#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>
#include <QVector>
#include <functional>
#include <vector>

namespace ado {

// How a value that is not already text is written as text.
using TextoDeValor = std::function<QString(const QVariant&)>;

// Rows read as the texts they are shown as, kept in one block: the cells one after another,
// row after row. A long list read this way costs one text, not one text per cell.
struct TextosDeFilas {
    struct Tramo {
        quint32 inicio = 0;
        quint32 largo = 0;
    };

    int columnas = 0;
    std::vector<char16_t> texto; // grown in place, cell by cell, without a call per cell
    std::vector<Tramo> celdas;   // row after row

    size_t Filas() const { return columnas > 0 ? celdas.size() / size_t(columnas) : 0; }
    QStringView Celda(size_t i) const {
        return QStringView(texto.data() + celdas[i].inicio, qsizetype(celdas[i].largo));
    }
    void Agregar(QStringView celda);
    // UTF-8 bytes as QString::fromUtf8 reads them, padded with blanks to `ancho` characters.
    void AgregarUtf8(const char* bytes, qsizetype largo, qsizetype ancho = 0);
};

// Writes rows of values into a TextosDeFilas: texts as they are, any other value through the
// converter. A column's whole numbers and nulls repeat (flags, codes), so the text of the
// last one seen in each column is kept and reused.
class EscritorDeTextos {
public:
    EscritorDeTextos(TextosDeFilas& destino, const TextoDeValor& comoTexto, int columnas);

    void AgregarFila(const QVector<QVariant>& fila);
    void AgregarValor(int columna, const QVariant& valor);
    // A value known by its kind (the caller's own numbering, 0 for null) and whole number,
    // read only when it differs from the column's last one.
    template <class LeerValor>
    void AgregarEntero(int columna, int clase, qint64 entero, LeerValor&& leer) {
        Recuerdo& r = recuerdos_[size_t(columna)];
        if (!r.hay || r.clase != clase || r.entero != entero)
            r = {true, clase, entero, Texto(leer())};
        destino_.Agregar(r.texto);
    }

private:
    struct Recuerdo {
        bool hay = false;
        int clase = 0;
        qint64 entero = 0;
        QString texto;
    };
    QString Texto(const QVariant& valor) const;

    TextosDeFilas& destino_;
    const TextoDeValor& comoTexto_;
    std::vector<Recuerdo> recuerdos_;
};

} // namespace ado
