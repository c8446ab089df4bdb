#include "platform/files/Windows1252.h"

#include <QList>
#include <array>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace archivos {
namespace {

// Bytes 0x80-0x9F are the only ones that differ from Latin-1. The five codes that
// Windows-1252 leaves undefined map to the C1 control of the same number, so every byte
// survives a read and a write unchanged.
constexpr std::array<char16_t, 32> kTabla80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ByteDe(char32_t codigo) {
    if (codigo < 0x80 || (codigo >= 0xA0 && codigo <= 0xFF)) {
        return static_cast<char>(codigo);
    }
    for (std::size_t i = 0; i < kTabla80.size(); ++i) {
        if (kTabla80[i] == codigo) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

// A block of UTF-16 units that are all ASCII, as its bytes; false for any other. Without
// vector instructions every character takes the general path.
constexpr int kBloque = 16;
#if defined(__SSE2__)
bool AsciiEnBloque(const char16_t* unidades, char* salida) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(unidades));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(unidades + 8));
    const __m128i altos = _mm_and_si128(_mm_or_si128(a, b), _mm_set1_epi16(short(0xFF80)));
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(altos, _mm_setzero_si128())) != 0xFFFF)
        return false;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(salida), _mm_packus_epi16(a, b));
    return true;
}
#else
bool AsciiEnBloque(const char16_t*, char*) {
    return false;
}
#endif

} // namespace

void AgregarWindows1252(QByteArray& destino, QStringView texto) {
    // Pages run to a hundred megabytes: the text is walked in place, one byte per character.
    const qsizetype inicio = destino.size();
    destino.resize(inicio + texto.size());
    char* salida = destino.data() + inicio;
    const char16_t* unidades = texto.utf16();
    const qsizetype n = texto.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i + kBloque <= n && AsciiEnBloque(unidades + i, salida)) { // most of any page
            salida += kBloque;
            i += kBloque - 1;
            continue;
        }
        const char16_t u = unidades[i];
        if (u < 0x80) {
            *salida++ = static_cast<char>(u);
        } else if (QChar::isHighSurrogate(u) && i + 1 < n &&
                   QChar::isLowSurrogate(unidades[i + 1])) {
            ++i; // one character outside the BMP, one "?"
            *salida++ = '?';
        } else {
            *salida++ = ByteDe(u);
        }
    }
    destino.truncate(salida - destino.constData());
}

QByteArray CodificarWindows1252(const QString& texto) {
    QByteArray bytes;
    AgregarWindows1252(bytes, texto);
    return bytes;
}

QString DecodificarWindows1252(const QByteArray& bytes) {
    QString texto(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool alto = byte >= 0x80 && byte < 0xA0;
        texto[i] = QChar(alto ? kTabla80[byte - 0x80] : char16_t(byte));
    }
    return texto;
}

} // namespace archivos
