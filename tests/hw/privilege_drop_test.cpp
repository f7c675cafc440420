#include "hw/privilege_drop.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

namespace pistora {
namespace {

TEST(PrivilegeDrop, PlanFollowsTheEffectiveUserAndSudo) {
  struct Row {
    uid_t euid;
    const char* sudo_uid;
    const char* sudo_gid;
    bool drop;
    uid_t uid;
    gid_t gid;
    bool error;
  };
  const Row rows[] = {
      {1000, "1000", "1000", false, 0, 0, false},  // not root: nothing to drop
      {0, nullptr, nullptr, false, 0, 0, false},   // root login, no sudo: nobody else to become
      {0, "0", "0", false, 0, 0, false},           // sudo from root
      {0, "1000", "100", true, 1000, 100, false},
      {0, "4294967294", "7", true, 4294967294u, 7, false},
      {0, "1000", nullptr, false, 0, 0, true},  // half the ids: refuse rather than stay root
      {0, "", "1000", false, 0, 0, true},
      {0, "-1", "1000", false, 0, 0, true},
      {0, "1000", "4294967295", false, 0, 0, true},  // (gid_t)-1 means "unchanged"
      {0, "99999999999999999999999", "1000", false, 0, 0, true},
      {0, "10 00", "1000", false, 0, 0, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(::testing::Message() << r.euid << " " << (r.sudo_uid ? r.sudo_uid : "(unset)") << "/"
                                      << (r.sudo_gid ? r.sudo_gid : "(unset)"));
    const PrivilegePlan plan = PlanPrivilegeDrop(r.euid, r.sudo_uid, r.sudo_gid);
    EXPECT_EQ(plan.drop, r.drop);
    EXPECT_EQ(plan.error.empty(), !r.error) << plan.error;
    if (r.drop) {
      EXPECT_EQ(plan.uid, r.uid);
      EXPECT_EQ(plan.gid, r.gid);
    }
  }
}

// A process as the kernel would keep it, with one call that can be made to fail.
struct FakeProcess {
  static inline std::vector<std::string> calls;
  static inline std::string failing;
  static inline uid_t uid[3];
  static inline gid_t gid[3];
  static inline bool root_comes_back;

  static void Reset() {
    calls.clear();
    failing.clear();
    root_comes_back = false;
    for (int i = 0; i < 3; ++i) uid[i] = gid[i] = 0;
  }
  static bool Fails(const std::string& name) {
    calls.push_back(name);
    if (failing != name) return false;
    errno = EPERM;
    return true;
  }
  static int SetGroups(size_t, const gid_t*) { return Fails("setgroups") ? -1 : 0; }
  static int SetGid(gid_t g) {
    if (Fails("setgid")) return -1;
    gid[0] = gid[1] = gid[2] = g;
    return 0;
  }
  static int SetUid(uid_t u) {
    if (Fails(u == 0 ? "setuid(0)" : "setuid")) return -1;
    if (u == 0) return root_comes_back ? 0 : (errno = EPERM, -1);
    uid[0] = uid[1] = uid[2] = u;
    return 0;
  }
  static int GetResUid(uid_t* r, uid_t* e, uid_t* s) {
    *r = uid[0], *e = uid[1], *s = uid[2];
    return 0;
  }
  static int GetResGid(gid_t* r, gid_t* e, gid_t* s) {
    *r = gid[0], *e = gid[1], *s = gid[2];
    return 0;
  }
  static PrivilegeCalls Calls() { return {SetGroups, SetGid, SetUid, GetResUid, GetResGid}; }
};

TEST(PrivilegeDrop, GroupsThenGroupThenUserAndRootCannotComeBack) {
  FakeProcess::Reset();
  PrivilegePlan plan;
  plan.drop = true;
  plan.uid = 1000;
  plan.gid = 100;
  EXPECT_EQ(DropPrivileges(plan, FakeProcess::Calls()), "");
  EXPECT_EQ(FakeProcess::calls, (std::vector<std::string>{"setgroups", "setgid", "setuid", "setuid(0)"}));
  EXPECT_EQ(FakeProcess::uid[2], 1000u);
  EXPECT_EQ(FakeProcess::gid[2], 100u);
}

TEST(PrivilegeDrop, AnyFailedStepStopsTheProgram) {
  PrivilegePlan plan;
  plan.drop = true;
  plan.uid = 1000;
  plan.gid = 100;
  for (const char* step : {"setgroups", "setgid", "setuid"}) {
    SCOPED_TRACE(step);
    FakeProcess::Reset();
    FakeProcess::failing = step;
    const std::string why = DropPrivileges(plan, FakeProcess::Calls());
    EXPECT_NE(why.find(step), std::string::npos) << why;
    EXPECT_EQ(FakeProcess::calls.back(), step);  // nothing tried after the failure
  }
  FakeProcess::Reset();
  FakeProcess::root_comes_back = true;
  EXPECT_NE(DropPrivileges(plan, FakeProcess::Calls()), "");
  // A plan that could not be made is refused as it is, without any call.
  FakeProcess::Reset();
  const PrivilegePlan unreadable = PlanPrivilegeDrop(0, "x", "1");
  EXPECT_EQ(DropPrivileges(unreadable, FakeProcess::Calls()), unreadable.error);
  EXPECT_TRUE(FakeProcess::calls.empty());
}

}  // namespace
}  // namespace pistora
