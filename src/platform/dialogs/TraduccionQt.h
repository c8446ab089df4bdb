#pragma once

#include <QString>

// Qt's own texts (the buttons and captions of its standard dialogs) in Spanish, as the rest of
// the program speaks. Without the translation file Qt keeps its English texts: nothing is said.
namespace TraduccionQt {

// Qt's translation folder, as Qt itself was built to look for it.
QString CarpetaQt();
// Installs "qtbase_es" from `carpeta` into the application; whether it was found.
bool Instalar(const QString& carpeta = CarpetaQt());

} // namespace TraduccionQt
