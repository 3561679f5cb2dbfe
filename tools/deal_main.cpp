#include <iostream>
#include <string>
#include <vector>

#include "settings/hive_paths.h"
#include "tools/deal.h"
#ifdef GAPWISE_WORKSHEETS
#include "tools/worksheet.h"
#endif

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
#ifdef GAPWISE_WORKSHEETS
  const gapwise::TWorksheetWriter writer = gapwise::WriteWorksheet;
#else
  const gapwise::TWorksheetWriter writer;  // this build has no Qt to draw with
#endif
  return gapwise::RunDealer(args, std::cout, std::cerr, gapwise::DefaultHivePaths(), writer);
}
