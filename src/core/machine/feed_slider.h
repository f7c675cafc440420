#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

namespace pistora {

// The feed slider of the "Etat machine" box: range 1 to MaxFeed (mm/min). Setting the maximum
// or the position keeps the position inside the range (the nearer end), and the change
// handler runs whenever, and only when, the position actually changes.
class FeedSlider {
 public:
  static constexpr std::int32_t kMinimum = 1;

  // `max_feed` below 1 is taken as 1.
  explicit FeedSlider(std::int32_t max_feed = 600, std::int32_t position = 150);

  void SetChangeHandler(std::function<void(std::int32_t)> handler);

  std::int32_t Maximum() const { return maximum_; }
  std::int32_t Position() const { return position_; }

  void SetMaximum(std::int32_t max_feed);
  void SetPosition(std::int64_t feed);

 private:
  void MoveTo(std::int64_t position);

  // Atomic: the motion thread moves the position on a program's feed word while the window may
  // read or move it.
  std::atomic<std::int32_t> maximum_;
  std::atomic<std::int32_t> position_;
  std::function<void(std::int32_t)> handler_;
};

// A feed limited to 1 .. max_feed (max_feed below 1 counts as 1).
std::int32_t LimitFeed(std::int64_t feed, std::int32_t max_feed);

// "Temps estimé": round(length x 60 / feed) seconds, halves to even; 0 when the feed is not
// positive.
std::int64_t EstimatedSeconds(double length_mm, std::int32_t feed);

}  // namespace pistora
