// The main() of a window test program: the windowless platform when there is no display, the
// game's application object (which shows escaping errors), and timers that tick only by hand.
#pragma once

#include <QTest>

#include "tests/support/qt/toolkit_testing.h"
#include "ui/toolkit/qt/application.h"
#include "ui/toolkit/services.h"

#define GAPWISE_UI_TEST_MAIN(TestClass)                       \
  int main(int argc, char** argv) {                           \
    gapwise::qt::PreferOffscreenWithoutDisplay();             \
    gapwise::TApplication application(argc, argv, "Gapwise"); \
    gapwise::qt_testing::SetManualTicks(true);                \
    TestClass test;                                           \
    QTEST_SET_MAIN_SOURCE_PATH                                \
    return QTest::qExec(&test, argc, argv);                   \
  }
