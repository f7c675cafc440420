#include "hw/privilege_drop.h"

#include <grp.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>

namespace pistora {

namespace {

// A decimal id without sign, spaces or overflow; false for anything else.
bool ParseId(const char* text, unsigned long* id) {
  if (text == nullptr || *text == '\0') return false;
  unsigned long value = 0;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c < '0' || *c > '9') return false;
    const unsigned long digit = static_cast<unsigned long>(*c - '0');
    if (value > (std::numeric_limits<unsigned long>::max() - digit) / 10) return false;
    value = value * 10 + digit;
  }
  // (uid_t)-1 means "unchanged" to the set*id calls: never a user to become.
  if (value >= static_cast<unsigned long>(static_cast<uid_t>(-1))) return false;
  *id = value;
  return true;
}

std::string Failed(const char* call, int error) {
  return std::string("Impossible de quitter les droits root (") + call + " : " + std::strerror(error) +
         ") : le programme s'arrête plutôt que de continuer en root.";
}

}  // namespace

PrivilegePlan PlanPrivilegeDrop(uid_t effective_uid, const char* sudo_uid, const char* sudo_gid) {
  PrivilegePlan plan;
  if (effective_uid != 0 || sudo_uid == nullptr) return plan;
  unsigned long uid = 0;
  unsigned long gid = 0;
  if (!ParseId(sudo_uid, &uid) || !ParseId(sudo_gid, &gid)) {
    plan.error = std::string("Lancé par sudo avec SUDO_UID « ") + sudo_uid + " » et SUDO_GID « " +
                 (sudo_gid ? sudo_gid : "") +
                 " » illisibles : impossible de savoir à quel utilisateur rendre la main, le "
                 "programme s'arrête plutôt que de continuer en root.";
    return plan;
  }
  if (uid == 0) return plan;  // sudo from root: root is who asked
  plan.drop = true;
  plan.uid = static_cast<uid_t>(uid);
  plan.gid = static_cast<gid_t>(gid);
  return plan;
}

const PrivilegeCalls& SystemPrivilegeCalls() {
  static const PrivilegeCalls calls{::setgroups, ::setgid, ::setuid, ::getresuid, ::getresgid};
  return calls;
}

std::string DropPrivileges(const PrivilegePlan& plan, const PrivilegeCalls& calls) {
  if (!plan.error.empty()) return plan.error;
  if (!plan.drop) return {};
  if (calls.set_groups(0, nullptr) != 0) return Failed("setgroups", errno);
  if (calls.set_gid(plan.gid) != 0) return Failed("setgid", errno);
  if (calls.set_uid(plan.uid) != 0) return Failed("setuid", errno);
  uid_t ruid = 0, euid = 0, suid = 0;
  gid_t rgid = 0, egid = 0, sgid = 0;
  if (calls.get_resuid(&ruid, &euid, &suid) != 0) return Failed("getresuid", errno);
  if (calls.get_resgid(&rgid, &egid, &sgid) != 0) return Failed("getresgid", errno);
  if (ruid != plan.uid || euid != plan.uid || suid != plan.uid || rgid != plan.gid ||
      egid != plan.gid || sgid != plan.gid) {
    return Failed("vérification des identités", EPERM);
  }
  // Root must be out of reach for good, not only set aside.
  if (calls.set_uid(0) == 0) {
    return "Les droits root restent reprenables après setuid : le programme s'arrête plutôt que de "
           "continuer en root.";
  }
  return {};
}

ActingAsUser::ActingAsUser(const PrivilegePlan& plan) {
  if (!plan.drop) return;
  // The group first: once the effective user is not root, it can no longer be changed.
  if (setegid(plan.gid) != 0) {
    ok_ = false;
    return;
  }
  if (seteuid(plan.uid) != 0) {
    if (setegid(0) != 0) {
      // Left half-switched: the final drop then fails and says so.
    }
    ok_ = false;
    return;
  }
  switched_ = true;
}

ActingAsUser::~ActingAsUser() {
  if (!switched_) return;
  // Back to root for what only root may do (opening the port); the final drop follows. Should
  // this fail, that drop fails too (no supplementary groups can be set without root) and the
  // caller stops there.
  if (seteuid(0) == 0 && setegid(0) == 0) return;
}

}  // namespace pistora
