#include <iostream>
#include <string>
#include <vector>

#include "app/backends.h"
#include "deal/deal.h"
#include "deal_output.h"
#ifdef GAPWISE_WORKSHEETS
#include "deal/worksheet.h"
#endif

int main(int argc, char** argv) {
  gapwise::UseBinaryOutput();
  const std::vector<std::string> args(argv + 1, argv + argc);
#ifdef GAPWISE_WORKSHEETS
  const gapwise::TWorksheetWriter writer = gapwise::WriteWorksheet;
#else
  const gapwise::TWorksheetWriter writer;  // this build has no Qt to draw with
#endif
  // The settings as the game reads them: the hive files on Linux, the registry on Windows.
  const std::unique_ptr<gapwise::reg::IRegistry> registry = gapwise::SettingsRegistry();
  return gapwise::RunDealer(args, std::cout, std::cerr, *registry, writer);
}
