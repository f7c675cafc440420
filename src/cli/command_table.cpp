#include "cli/command_table.h"

#include <ostream>

namespace pistora::cli {

// Subcommands live in files of their own (cmd_<name>.cpp) and are listed here.
const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {};
  return commands;
}

namespace {

void PrintUsage(std::ostream& out) {
  out << "Usage : pistora-cli <commande> [options]\n"
         "        pistora-cli --help | --version\n\n"
         "Commandes :\n";
  for (const Command& c : Commands()) {
    out << "  " << c.synopsis << "\n      " << c.summary << "\n";
  }
  if (Commands().empty()) out << "  (aucune)\n";
}

}  // namespace

int Main(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
  if (argv.size() < 2 || argv[1] == "--help" || argv[1] == "-h" || argv[1] == "help") {
    PrintUsage(argv.size() < 2 ? err : out);
    return argv.size() < 2 ? 2 : 0;
  }
  if (argv[1] == "--version") {
    out << "pistora-cli 2.20\n";
    return 0;
  }
  for (const Command& c : Commands()) {
    if (argv[1] == c.name) {
      return c.run(std::vector<std::string>(argv.begin() + 2, argv.end()), out, err);
    }
  }
  err << "pistora-cli : commande inconnue « " << argv[1] << " »\n\n";
  PrintUsage(err);
  return 2;
}

}  // namespace pistora::cli
