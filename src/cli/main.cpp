#include <iostream>
#include <string>
#include <vector>

#include "cli/command_table.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv, argv + argc);
  return pistora::cli::Main(args, std::cout, std::cerr);
}
