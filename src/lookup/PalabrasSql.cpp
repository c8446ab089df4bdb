#include "lookup/PalabrasSql.h"

namespace {

bool LetraDePalabra(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

} // namespace

qsizetype PosicionPalabras(const QString& sql, std::initializer_list<QStringView> palabras) {
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"' || c == u'[') {
            const QChar cierre = c == u'[' ? QChar(u']') : c;
            const qsizetype fin = sql.indexOf(cierre, i + 1);
            i = fin < 0 ? n : fin + 1;
            continue;
        }
        if (!LetraDePalabra(c)) {
            ++i;
            continue;
        }
        const qsizetype inicio = i;
        bool coincide = true;
        qsizetype j = i;
        for (QStringView palabra : palabras) {
            while (coincide && j < n && sql[j].isSpace() && j > inicio)
                ++j;
            qsizetype fin = j;
            while (fin < n && LetraDePalabra(sql[fin]))
                ++fin;
            coincide = coincide &&
                       QStringView(sql).mid(j, fin - j).compare(palabra, Qt::CaseInsensitive) == 0;
            j = fin;
        }
        if (coincide)
            return inicio;
        while (i < n && LetraDePalabra(sql[i]))
            ++i;
    }
    return -1;
}
