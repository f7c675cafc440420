#include "core/machine/plate_preview.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/text/numbers.h"

namespace pistora {

int PlateMmToPixels(double mm, double plate_size_mm, int preview_pixels) {
  if (!(plate_size_mm > 0)) return 0;
  const double pixels = preview_pixels * mm / plate_size_mm;
  if (!std::isfinite(pixels)) return 0;
  // Far beyond any preview, but kept inside int so that sums of them cannot overflow.
  constexpr std::int64_t kLimit = std::numeric_limits<int>::max() / 4;
  return static_cast<int>(std::clamp<std::int64_t>(RoundHalfEvenToInt(pixels), -kLimit, kLimit));
}

PlatePreview::PlatePreview(const PlateGeometry& plate, int width, int height)
    : plate_(plate), width_(width), height_(height) {
  Reset(0, 0);
}

void PlatePreview::Reset(double job_width_mm, double job_height_mm) {
  border_x_ = PlateMmToPixels(plate_.border_x, plate_.size_x, width_);
  border_y_ = PlateMmToPixels(plate_.border_y, plate_.size_y, height_);
  job_width_ = PlateMmToPixels(job_width_mm, plate_.size_x, width_);
  job_height_ = PlateMmToPixels(job_height_mm, plate_.size_y, height_);
  job_left_ = border_x_;
  job_bottom_ = height_ - border_y_;
  dragging_ = false;
  // The border values themselves, not the pixel corner scaled back (12 px would be 6.799 mm).
  engrave_start_x_ = plate_.border_x;
  engrave_start_y_ = plate_.border_y;
}

bool PlatePreview::Move(int x, int y) {
  if (!dragging_) return false;
  const int right_limit = width_ - job_width_ - border_x_;
  if (x < border_x_) {
    job_left_ = border_x_;
  } else if (x > right_limit) {
    // A job wider than the usable width ends up left of the border: it is still shown.
    job_left_ = right_limit;
  } else {
    job_left_ = x;
  }
  const int top_limit = border_y_ + job_height_;
  if (y > height_ - border_y_) {
    job_bottom_ = height_ - border_y_;
  } else if (y < top_limit) {
    job_bottom_ = top_limit;
  } else {
    job_bottom_ = y;
  }
  engrave_start_x_ = width_ > 0 ? job_left_ * plate_.size_x / width_ : 0;
  engrave_start_y_ = height_ > 0 ? (height_ - job_bottom_) * plate_.size_y / height_ : 0;
  return true;
}

std::array<PreviewRect, 4> PlatePreview::BorderStrips() const {
  const int w = width_;
  const int h = height_;
  const int bx = border_x_;
  const int by = border_y_;
  return {PreviewRect{1, 1, bx, h}, PreviewRect{bx, 1, w - bx, by}, PreviewRect{w - bx, 1, w, h},
          PreviewRect{bx, h - by, w - bx, h}};
}

PreviewRect PlatePreview::JobRect() const {
  return {job_left_, job_bottom_ - job_height_, job_left_ + job_width_, job_bottom_};
}

ToolPosition PlatePreview::SpindleTarget() const {
  return {engrave_start_x_ + plate_.origin_x, engrave_start_y_ + plate_.origin_y, 0};
}

}  // namespace pistora
