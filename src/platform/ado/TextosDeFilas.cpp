#include "platform/ado/TextosDeFilas.h"

#include <QStringDecoder>
#include <algorithm>

namespace ado {

char16_t* BloqueTexto::AmpliarConBloque(size_t n) {
    if (n == 0)
        return nullptr;
    const size_t hecho = tramos_.size() << kBits;
    if (n > hecho - tamano_) {
        const size_t tramos = std::max<size_t>(1, (n + kMascara) >> kBits);
        bloques_.push_back(std::make_unique_for_overwrite<char16_t[]>(tramos << kBits));
        for (size_t t = 0; t < tramos; ++t)
            tramos_.push_back(bloques_.back().get() + (t << kBits));
        tamano_ = hecho;
    }
    char16_t* const donde = tramos_[tamano_ >> kBits] + (tamano_ & kMascara);
    tamano_ += n;
    return donde;
}

// The cell's start is known once the room is made: it may open a new block.
TextosDeFilas::Tramo TextosDeFilas::Copiar(QStringView celda) {
    const size_t n = size_t(celda.size());
    std::copy(celda.utf16(), celda.utf16() + n, texto.Ampliar(n));
    return {quint32(texto.size() - n), quint32(n)};
}

void TextosDeFilas::Agregar(QStringView celda) {
    Repetir(Copiar(celda), celda.isEmpty() ? 0 : celda.front().unicode());
}

void TextosDeFilas::Cambiar(size_t i, QStringView celda) {
    celdas[i] = Copiar(celda);
    FijarPrimero(i);
}

void TextosDeFilas::Acotar(size_t i, qsizetype desde, qsizetype hasta) {
    celdas[i] = {celdas[i].inicio + quint32(desde), quint32(hasta - desde)};
    FijarPrimero(i);
}

void TextosDeFilas::FijarPrimero(size_t i) {
    primeros_[i % primeros_.size()][i / primeros_.size()] = Primero(celdas[i]);
}

// Plain ASCII and two-byte characters, most of what a list holds, are decoded in place; from
// anything else on, the text goes through the same decoder QString::fromUtf8 uses, into the
// block itself.
void TextosDeFilas::AgregarUtf8(const char* bytes, qsizetype largo, qsizetype ancho) {
    const size_t lugar = size_t(std::max(largo, ancho));
    char16_t* const principio = texto.Ampliar(lugar);
    const size_t inicio = texto.size() - lugar; // a new block may have been opened
    char16_t* fin = principio;
    qsizetype i = 0;
    while (i < largo) {
        const uchar b = uchar(bytes[i]);
        if (b < 0x80) {
            *fin++ = char16_t(b);
            ++i;
        } else if (b >= 0xC2 && b <= 0xDF && i + 1 < largo &&
                   (uchar(bytes[i + 1]) & 0xC0) == 0x80) {
            // Accented letters take two bytes, always valid: decoded on the spot as well.
            *fin++ = char16_t(((b & 0x1F) << 6) | (uchar(bytes[i + 1]) & 0x3F));
            i += 2;
        } else {
            break;
        }
    }
    if (i < largo) {
        // A byte-order mark is dropped only at the start of the text, as fromUtf8 drops it.
        const QStringConverter::Flags marca =
            i == 0 ? QStringConverter::Flag::Stateless
                   : QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;
        QStringDecoder utf8(QStringConverter::Utf8, marca);
        fin = reinterpret_cast<char16_t*>(utf8.appendToBuffer(
            reinterpret_cast<QChar*>(fin), QByteArrayView(bytes + i, largo - i)));
    }
    while (fin - principio < ancho)
        *fin++ = u' ';
    texto.Recortar(inicio + size_t(fin - principio));
    Repetir({quint32(inicio), quint32(fin - principio)}, fin > principio ? *principio : 0);
}

EscritorDeTextos::EscritorDeTextos(TextosDeFilas& destino, const TextoDeValor& comoTexto,
                                   int columnas)
    : destino_(destino), comoTexto_(comoTexto), recuerdos_(size_t(columnas)) {
    destino_.columnas = columnas;
}

void EscritorDeTextos::AgregarFila(const QVector<QVariant>& fila) {
    for (int c = 0; c < fila.size(); ++c)
        AgregarValor(c, fila[c]);
}

void EscritorDeTextos::AgregarValor(int columna, const QVariant& valor) {
    switch (valor.typeId()) {
    case QMetaType::UnknownType:
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::LongLong:
        AgregarEntero(columna, valor.typeId(), valor.toLongLong(), [&] { return valor; });
        break;
    default:
        destino_.Agregar(Texto(valor));
    }
}

QString EscritorDeTextos::Texto(const QVariant& valor) const {
    return valor.typeId() == QMetaType::QString ? valor.toString() : comoTexto_(valor);
}

} // namespace ado
