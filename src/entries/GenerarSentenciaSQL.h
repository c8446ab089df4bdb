#pragma once

#include "session/ModGlobalUtilidades.h"

#include <QString>
#include <vector>

namespace ModNumeracion {

// Appends to `Sentencias` the INSERT (or, with `Actualizar`, the UPDATE under `Condicion`) of
// the columns in `Campos`, in their order. An UPDATE condition without the word WHERE gets it
// put in front, in the caller's variable too. Unless `MantenerCampos`, `Campos` is left as
// one empty entry. Raises 9 for an empty column list and 5 for an UPDATE with no condition
// (it would change every row).
void GenerarSentenciaSQL(std::vector<ModGlobal::CampoValor>& Campos,
                         std::vector<QString>& Sentencias, const QString& Tabla, bool Actualizar,
                         QString& Condicion, bool MantenerCampos);

} // namespace ModNumeracion
