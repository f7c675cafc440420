#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "hw/privilege_drop.h"

namespace pistora::cli {

// The rights of a command that drives the machine, run under sudo or not: its files are read with
// the invoking user's rights (while `reading` holds), the port is opened as root, then root is
// given up for good before anything moves. Without sudo nothing changes.
struct CommandPrivileges {
  PrivilegePlan plan;
  std::optional<ActingAsUser> reading;
};

// Starts reading as the user; false (told on `err`, prefixed by the command's name) when that
// cannot be done, and the command stops rather than read as root.
bool StartReadingAsUser(const std::string& command, CommandPrivileges* privileges, std::ostream& err);

// Back to root for the port (call before opening it).
inline void StopReadingAsUser(CommandPrivileges* privileges) { privileges->reading.reset(); }

// Once the port is open: root given up; false (told) when it cannot be, and the command stops.
bool GiveUpRoot(const std::string& command, const CommandPrivileges& privileges, std::ostream& err);

}  // namespace pistora::cli
