#pragma once

#include "core/artwork/workspace.h"
#include "core/host/host.h"

namespace pistora {

// A host for the artwork loops: counts pumps and view refreshes, and presses "&Stop !" (sets
// the workspace's StopRequest) on pump number `stop_on_pump` (1-based; never when < 1).
class StoppingHost : public Host {
 public:
  explicit StoppingHost(Workspace* ws = nullptr, long stop_on_pump = 0) : ws_(ws), stop_on_pump_(stop_on_pump) {}
  void PumpEvents() override {
    if (++pumps == stop_on_pump_ && ws_ != nullptr) ws_->StopRequest = true;
  }
  void RefreshView(View view) override { ++(view == View::Artwork ? artwork_refreshes : engraving_refreshes); }

  long pumps = 0;
  long artwork_refreshes = 0;
  long engraving_refreshes = 0;

 private:
  Workspace* ws_;
  long stop_on_pump_;
};

}  // namespace pistora
