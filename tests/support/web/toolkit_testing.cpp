#include "tests/support/web/toolkit_testing.h"

#include "ui/toolkit/web/loop.h"

extern "C" {
void gw_testing_picture(const char* name);
int gw_testing_taken();
}

namespace gapwise::web {

void AwaitPicture(const std::string& name) {
  gw_testing_picture(name.c_str());
  Loop().RunUntil([] { return gw_testing_taken() != 0; });
}

}  // namespace gapwise::web
