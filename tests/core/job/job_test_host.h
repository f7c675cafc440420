#pragma once

#include <vector>

#include "core/host/host.h"

namespace pistora::testing {

// A host that counts what the loops ask of it and can press "&Stop !" on a chosen pump.
class JobTestHost final : public Host {
 public:
  // stop_flag is set on the pump numbered stop_on_pump (1-based); 0 never stops.
  explicit JobTestHost(bool* stop_flag = nullptr, int stop_on_pump = 0)
      : stop_flag_(stop_flag), stop_on_pump_(stop_on_pump) {}

  void PumpEvents() override {
    ++pumps;
    if (stop_flag_ != nullptr && stop_on_pump_ > 0 && pumps == stop_on_pump_) *stop_flag_ = true;
  }
  void RefreshView(View view) override { refreshed.push_back(view); }

  int pumps = 0;
  std::vector<View> refreshed;

 private:
  bool* stop_flag_;
  int stop_on_pump_;
};

}  // namespace pistora::testing
