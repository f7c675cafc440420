#pragma once

#include <functional>
#include <string>

#include "core/machine/feed_slider.h"
#include "core/machine/iso_motion.h"
#include "core/machine/motion_engine.h"

namespace pistora {

// Program runs over the machine window's motion engine. Feed words go through the feed slider
// and are always limited to 1 .. MaxFeed, so a feed of 0 or below never reaches a move's
// division.
class EngineIsoMotion final : public IsoMotion {
 public:
  // `slider`'s change handler is the window's: it makes the position the work feed.
  EngineIsoMotion(MotionEngine& engine, FeedSlider& slider);

  void MoveTo(double x, double y, double z) override;
  ToolPosition CurrentPosition() const override;
  void ZeroAxisX() override;
  void ZeroAxisY() override;
  void ZeroAxisZ() override;
  void SetFeedFromProgram(int feed) override;
  bool StopLatched() const override;
  std::string StopReason() const override;
  int CurrentFeed() const override;
  std::uint64_t WorkZeroEpoch() const override;
  void ShowLine(const std::string& prefix_and_line) override;
  void ShowProgress(long line, long line_count) override;

  // The work-feed label after a feed word; the progress bar.
  void SetFeedShown(std::function<void(int)> shown) { feed_shown_ = std::move(shown); }
  void SetProgressShown(std::function<void(long, long)> shown) { progress_ = std::move(shown); }

 private:
  MotionEngine& engine_;
  FeedSlider& slider_;
  std::function<void(int)> feed_shown_;
  std::function<void(long, long)> progress_;
};

// The 100 ms status timer: each wired limit switch read in the order X, Y, Z (its lamp
// follows), and the wired emergency stop, whose lamp follows too. The limit switches never
// change the stop latch here; an active emergency stop sets it (disc red). Returns whether
// the emergency stop is active.
bool StatusTimerTick(MotionEngine& engine);

}  // namespace pistora
