#pragma once

#include <QString>

// The run-time errors the platform raises, each with the Spanish description the users of
// the program have always read in its error dialogs. One table, so a number reads the same
// whichever part of the platform raised it.
QString DescripcionError(long numero);

// Raises `numero` with its description, followed by ": " and `detalle` when one is given
// (the file or element concerned).
[[noreturn]] void LanzarError(long numero, const QString& detalle = {});
