#include <iostream>
#include <string>
#include <vector>

#include "tools/deal.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return gapwise::RunDealer(args, std::cout, std::cerr);
}
