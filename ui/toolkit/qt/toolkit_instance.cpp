// The program's toolkit. Alone in its file, so that a test program that links a toolkit of its
// own (a subclass of this one) before this library never pulls this one in.
#include "ui/toolkit/qt/toolkit.h"

namespace gapwise {

IToolkit& Toolkit() {
  static qt::TQtToolkit toolkit;
  return toolkit;
}

}  // namespace gapwise
