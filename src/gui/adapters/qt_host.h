#pragma once

#include "core/host/host.h"

namespace pistora {

class TForm1;

// The main window's host for long core loops: pending events run through the Qt event loop
// (so "&Stop !" acts inside a loop), views and the gauge are those of the main window.
class QtHost final : public Host {
 public:
  explicit QtHost(TForm1& form) : form_(form) {}

  void PumpEvents() override;
  void RefreshView(View view) override;
  void ShowProgress(long value, long maximum) override;

 private:
  TForm1& form_;
};

}  // namespace pistora
