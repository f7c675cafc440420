#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pistora::cli {

// One subcommand of pistora-cli. `run` gets the arguments after the subcommand's name and
// returns the process exit code (0 success, 1 failure, 2 bad usage).
struct Command {
  const char* name;
  const char* synopsis;  // one usage line
  const char* summary;   // one sentence
  int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

// Every subcommand, in the order --help lists them.
const std::vector<Command>& Commands();

// The whole program: dispatches argv[1] to its subcommand.
int Main(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err);

}  // namespace pistora::cli
