#pragma once

#include <QString>

// The address a browser reports is percent-encoded; the program's link handlers read it as
// the user would, so values with blanks or accents reach them as the page wrote them.
// Escapes are read as UTF-8, the way the engine writes them; a sequence that is not UTF-8
// (an escape written by hand in a query part) is read byte for byte as Latin-1. Everything
// else, "+" and malformed escapes included, is left as it is.
QString DecodificarUrl(const QString& url);
