#include "platform/ado/TextosDeFilas.h"

#include <QStringDecoder>

namespace ado {

void TextosDeFilas::Agregar(QStringView celda) {
    const qsizetype inicio = texto.size();
    texto.append(celda);
    celdas.push_back({quint32(inicio), quint32(celda.size())});
}

// Plain ASCII, most of what a list holds, is widened in place; the rest goes through the
// same decoder QString::fromUtf8 uses, into the block itself.
void TextosDeFilas::AgregarUtf8(const char* bytes, qsizetype largo, qsizetype ancho) {
    const qsizetype inicio = texto.size();
    texto.resize(inicio + std::max(largo, ancho));
    QChar* const principio = texto.data() + inicio;
    QChar* fin = principio;
    qsizetype i = 0;
    for (; i < largo && uchar(bytes[i]) < 0x80; ++i)
        *fin++ = QLatin1Char(bytes[i]);
    if (i < largo) {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                        QStringConverter::Flag::ConvertInitialBom);
        fin = utf8.appendToBuffer(fin, QByteArrayView(bytes + i, largo - i));
    }
    while (fin - principio < ancho)
        *fin++ = u' ';
    texto.resize(fin - texto.constData());
    celdas.push_back({quint32(inicio), quint32(fin - principio)});
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
