// The main() of a GoogleTest program on a real toolkit: the game's application object, which
// shows escaping errors, around every test.
#include <gtest/gtest.h>

#include "ui/toolkit/services.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  gapwise::TApplication application(argc, argv, "Gapwise");
  return RUN_ALL_TESTS();
}
