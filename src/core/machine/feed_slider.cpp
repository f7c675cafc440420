#include "core/machine/feed_slider.h"

#include <algorithm>
#include <utility>

#include "core/text/numbers.h"

namespace pistora {

std::int32_t LimitFeed(std::int64_t feed, std::int32_t max_feed) {
  const std::int64_t top = std::max<std::int32_t>(max_feed, FeedSlider::kMinimum);
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(feed, FeedSlider::kMinimum, top));
}

std::int64_t EstimatedSeconds(double length_mm, std::int32_t feed) {
  if (feed <= 0) return 0;
  return RoundHalfEvenToInt(length_mm * 60.0 / feed);
}

FeedSlider::FeedSlider(std::int32_t max_feed, std::int32_t position)
    : maximum_(std::max<std::int32_t>(max_feed, kMinimum)),
      position_(LimitFeed(position, maximum_)) {}

void FeedSlider::SetChangeHandler(std::function<void(std::int32_t)> handler) {
  handler_ = std::move(handler);
}

void FeedSlider::SetMaximum(std::int32_t max_feed) {
  maximum_ = std::max<std::int32_t>(max_feed, kMinimum);
  MoveTo(position_);
}

void FeedSlider::SetPosition(std::int64_t feed) { MoveTo(feed); }

void FeedSlider::MoveTo(std::int64_t position) {
  const std::int32_t limited = LimitFeed(position, maximum_);
  if (limited == position_) return;
  position_ = limited;
  if (handler_) handler_(position_);
}

}  // namespace pistora
