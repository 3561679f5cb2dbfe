#include "../deal_output.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace gapwise {

// The C runtime's text mode would turn each "\n" into "\r\n".
void UseBinaryOutput() {
  std::fflush(stdout);
  std::fflush(stderr);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace gapwise
