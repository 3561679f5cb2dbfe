// How the dealer's standard output and error carry its bytes.
#pragma once

namespace gapwise {

// Makes standard output and error pass the bytes through as printed, so that every line ends in
// "\n" alone and the output is the same bytes on every platform (Windows' C runtime would
// otherwise write "\r\n"). One source per platform defines it.
void UseBinaryOutput();

}  // namespace gapwise
