#pragma once

#include <vector>

#include "core/artwork/workspace.h"
#include "core/host/host.h"

namespace pistora::testing {

// A host that records what a run asks of it and presses "&Stop !" on a chosen pump
// (counted from 1; 0 never).
class RecordingHost : public Host {
 public:
  explicit RecordingHost(Workspace* ws = nullptr, long stop_on_pump = 0) : ws_(ws), stop_on_pump_(stop_on_pump) {}

  void PumpEvents() override {
    if (++pumps == stop_on_pump_ && ws_ != nullptr) ws_->StopRequest = true;
  }
  void RefreshView(View view) override { refreshes.push_back(view); }
  void ShowProgress(long value, long maximum) override {
    progress.push_back(value);
    progress_maximum = maximum;
  }

  long pumps = 0;
  std::vector<View> refreshes;
  std::vector<long> progress;
  long progress_maximum = -1;

 private:
  Workspace* ws_;
  long stop_on_pump_;
};

}  // namespace pistora::testing
