#pragma once

#include <QString>
#include <QStringView>
#include <initializer_list>

// Where the run of keywords (each a whole word, blanks between them) first begins, outside
// quoted literals and bracketed names, letter case aside; -1 when it does not occur.
qsizetype PosicionPalabras(const QString& sql, std::initializer_list<QStringView> palabras);
