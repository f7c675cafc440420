#pragma once

#include <string>
#include <sys/types.h>

namespace pistora {

// Whom the program becomes once the port is open. Direct port access needs root only for the
// ioperm call; the permission it grants survives setuid, so a run under sudo gives root back
// before any window, picture or program file is opened.
struct PrivilegePlan {
  bool drop = false;   // true: become uid/gid; false: keep the ids the program has
  uid_t uid = 0;
  gid_t gid = 0;
  std::string error;   // non-empty: the program must stop rather than go on as root
};

// The plan for a process whose effective user is `effective_uid`, from the texts of SUDO_UID
// and SUDO_GID (nullptr when unset). Not root: nothing to drop. Root without sudo (or sudo
// from root): nothing to drop, there is no other user to become. Root under sudo: become the
// invoking user, whose ids must both be plain decimal numbers other than 0.
PrivilegePlan PlanPrivilegeDrop(uid_t effective_uid, const char* sudo_uid, const char* sudo_gid);

// The system calls a drop makes (changed by tests only).
struct PrivilegeCalls {
  int (*set_groups)(size_t count, const gid_t* groups);
  int (*set_gid)(gid_t gid);
  int (*set_uid)(uid_t uid);
  int (*get_resuid)(uid_t* real, uid_t* effective, uid_t* saved);
  int (*get_resgid)(gid_t* real, gid_t* effective, gid_t* saved);
};
const PrivilegeCalls& SystemPrivilegeCalls();

// Carries the plan out: supplementary groups emptied, then the group, then the user (in this
// order: once the user is set the group can no longer be changed), then checks that the real,
// effective and saved ids are all the user's and that root cannot be taken back. Returns an
// empty text on success, else why (French), and the caller must stop.
std::string DropPrivileges(const PrivilegePlan& plan, const PrivilegeCalls& calls = SystemPrivilegeCalls());

// For the lifetime of the object, files are opened with the invoking user's rights (effective
// ids only, root stays the saved id so that the port can still be opened afterwards). Nothing
// happens when the plan drops nothing. ok() false: the ids could not be taken and the caller
// must not read anything as root instead.
class ActingAsUser {
 public:
  explicit ActingAsUser(const PrivilegePlan& plan);
  ~ActingAsUser();
  ActingAsUser(const ActingAsUser&) = delete;
  ActingAsUser& operator=(const ActingAsUser&) = delete;
  bool ok() const { return ok_; }

 private:
  bool switched_ = false;
  bool ok_ = true;
};

}  // namespace pistora
