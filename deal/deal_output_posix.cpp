#include "deal_output.h"

namespace gapwise {

// POSIX streams pass the bytes through as they are.
void UseBinaryOutput() {}

}  // namespace gapwise
