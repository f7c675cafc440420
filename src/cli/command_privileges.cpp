#include "cli/command_privileges.h"

#include <cstdlib>

#include <unistd.h>

namespace pistora::cli {

bool StartReadingAsUser(const std::string& command, CommandPrivileges* privileges, std::ostream& err) {
  privileges->plan = PlanPrivilegeDrop(geteuid(), std::getenv("SUDO_UID"), std::getenv("SUDO_GID"));
  if (!privileges->plan.error.empty()) {
    err << "pistora-cli " << command << " : " << privileges->plan.error << "\n";
    return false;
  }
  privileges->reading.emplace(privileges->plan);
  if (!privileges->reading->ok()) {
    err << "pistora-cli " << command
        << " : impossible de prendre l'identité de l'utilisateur de sudo pour lire les fichiers : rien n'est lu "
           "en root.\n";
    return false;
  }
  return true;
}

bool GiveUpRoot(const std::string& command, const CommandPrivileges& privileges, std::ostream& err) {
  if (const std::string refused = DropPrivileges(privileges.plan); !refused.empty()) {
    err << "pistora-cli " << command << " : " << refused << "\n";
    return false;
  }
  return true;
}

}  // namespace pistora::cli
