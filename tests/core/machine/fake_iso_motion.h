#pragma once

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

#include "core/host/host.h"
#include "core/machine/iso_motion.h"

namespace pistora {

// A machine that moves at once: it keeps the tool's place in machine coordinates and the work
// zero, and records every call.
class FakeIsoMotion : public IsoMotion {
 public:
  ToolPosition machine;    // tool position from the machine's home
  ToolPosition work_zero;  // work zero from the machine's home
  std::vector<ToolPosition> targets;  // MoveTo arguments (work coordinates), latched or not
  std::vector<std::string> events;    // "move", "zeroX", "zeroY", "zeroZ", "feed N"
  std::vector<std::string> shown;     // message lines
  long last_progress = 0;
  long progress_count = 0;
  int feed = 150;
  int max_feed = 600;
  bool stop = false;
  int stop_after_moves = -1;  // latch the stop once this many moves were asked for

  void MoveTo(double x, double y, double z) override {
    targets.push_back({x, y, z});
    events.push_back("move");
    if (stop) return;
    machine = {work_zero.x + x, work_zero.y + y, work_zero.z + z};
    if (stop_after_moves == static_cast<int>(targets.size())) stop = true;
  }
  ToolPosition CurrentPosition() const override {
    return {machine.x - work_zero.x, machine.y - work_zero.y, machine.z - work_zero.z};
  }
  void ZeroAxisX() override {
    work_zero.x = machine.x;
    events.push_back("zeroX");
  }
  void ZeroAxisY() override {
    work_zero.y = machine.y;
    events.push_back("zeroY");
  }
  void ZeroAxisZ() override {
    work_zero.z = machine.z;
    events.push_back("zeroZ");
  }
  void SetFeedFromProgram(int value) override {
    feed = std::clamp(value, 1, max_feed);
    events.push_back("feed " + std::to_string(feed));
  }
  bool StopLatched() const override { return stop; }
  void ShowLine(const std::string& line) override { shown.push_back(line); }
  void ShowProgress(long line, long count) override {
    last_progress = line;
    progress_count = count;
  }
};

// A host that sets a flag on its Nth pump (the STOP disc pressed while a loop runs).
class StoppingHost : public Host {
 public:
  StoppingHost(std::atomic<bool>& flag, int stop_on_pump) : flag_(flag), stop_on_pump_(stop_on_pump) {}
  void PumpEvents() override {
    if (++pumps == stop_on_pump_) flag_ = true;
  }
  int pumps = 0;

 private:
  std::atomic<bool>& flag_;
  int stop_on_pump_;
};

}  // namespace pistora
