#pragma once

#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/text/status.h"

namespace pistora::cli {

// Parsed arguments of one subcommand: positional arguments and "--name value" /
// "--name=value" options. Flags are options that take no value.
struct Args {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;  // name without the leading "--"
  std::set<std::string> flags;

  bool Has(const std::string& name) const { return options.count(name) != 0 || flags.count(name) != 0; }
  std::optional<std::string> Get(const std::string& name) const;
};

// What a subcommand accepts: options that take a value, and flags. An option whose value is
// optional takes the next argument only when it does not start with "--".
struct ArgSpec {
  std::set<std::string> valued;
  std::set<std::string> flags;
  std::set<std::string> optional_value;  // e.g. "--thicken [N]"
};

// Splits argv (without the subcommand name). Unknown options and missing values are errors.
Status ParseArgs(const std::vector<std::string>& argv, const ArgSpec& options_spec, Args* args);

// Reads an option as a decimal number written with "."; the error names the option.
Status GetDecimal(const Args& args, const std::string& name, double* value);
// Reads an option as a whole number within [min, max]; the error names the option.
Status GetInteger(const Args& args, const std::string& name, long min, long max, long* value);

}  // namespace pistora::cli
