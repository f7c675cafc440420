#pragma once

#include <chrono>
#include <functional>

#include "core/host/host.h"

namespace pistora {

class MainWindow;

// The main window's host for long core loops: pending events run through the Qt event loop
// (so "&Stop !" acts inside a loop), views and the gauge are those of the main window.
//
// A loop asks for events once per row, pixel or step, far more often than anything can
// happen on screen; running the event loop each time would dominate a run over a big
// artwork. The host therefore runs it at most once per kPumpInterval of wall time (the
// first call always runs it), which still lets "&Stop !" act within a few milliseconds.
class QtHost final : public Host {
 public:
  static constexpr std::chrono::milliseconds kPumpInterval{10};

  explicit QtHost(MainWindow& form) : form_(form) {}

  void PumpEvents() override;
  void RefreshView(View view) override;
  void ShowProgress(long value, long maximum) override;

  // Called at every PumpEvents, before the event loop may run: tests press buttons from a
  // running loop through it. An empty function removes it.
  void SetPumpHook(std::function<void()> hook) { pump_hook_ = std::move(hook); }

  // How many calls of PumpEvents did run the event loop.
  long EventLoopRuns() const { return event_loop_runs_; }

 private:
  MainWindow& form_;
  std::function<void()> pump_hook_;
  std::chrono::steady_clock::time_point last_run_{};
  long event_loop_runs_ = 0;
};

}  // namespace pistora
