#pragma once

namespace vb {

// Raises the run-time error `numero` with the classic runtime's Spanish description, so that
// the error dialogs read as users of the program have always seen them.
[[noreturn]] void Raise(long numero);

} // namespace vb
