#pragma once

#include <cstdint>
#include <string>

#include "core/machine/iso_motion.h"

namespace pistora {

// An IsoMotion that passes every call on to another. A wrapper (height map, progress, counting)
// derives from it and overrides only what it changes, so whatever IsoMotion says of the machine
// (its stop reason, its work zero's epoch, …) reaches the caller through every wrapper.
class ForwardingMotion : public IsoMotion {
 public:
  explicit ForwardingMotion(IsoMotion& inner) : inner_(inner) {}

  void MoveTo(double x, double y, double z) override { inner_.MoveTo(x, y, z); }
  ToolPosition CurrentPosition() const override { return inner_.CurrentPosition(); }
  void ZeroAxisX() override { inner_.ZeroAxisX(); }
  void ZeroAxisY() override { inner_.ZeroAxisY(); }
  void ZeroAxisZ() override { inner_.ZeroAxisZ(); }
  void SetFeedFromProgram(int feed) override { inner_.SetFeedFromProgram(feed); }
  bool StopLatched() const override { return inner_.StopLatched(); }
  std::string StopReason() const override { return inner_.StopReason(); }
  std::uint64_t WorkZeroEpoch() const override { return inner_.WorkZeroEpoch(); }
  int CurrentFeed() const override { return inner_.CurrentFeed(); }
  void ShowLine(const std::string& prefix_and_line) override { inner_.ShowLine(prefix_and_line); }
  void ShowProgress(long line, long line_count) override { inner_.ShowProgress(line, line_count); }

 protected:
  IsoMotion& inner_;
};

}  // namespace pistora
