#include "core/artwork/view_zoom.h"

#include <algorithm>
#include <cmath>

namespace pistora {

namespace {

// Origin along one axis: within 0..content - viewport/scale when the content is longer,
// else the value that centres the content.
double LimitedOrigin(double origin, double content, double viewport, double scale) {
  const double seen = viewport / scale;
  if (content <= seen) return (content - seen) / 2;
  return std::clamp(origin, 0.0, content - seen);
}

}  // namespace

void ViewZoom::SetContentSize(double width, double height) {
  content_width_ = std::max(0.0, width);
  content_height_ = std::max(0.0, height);
  Limit();
}

void ViewZoom::SetViewportSize(double width, double height) {
  viewport_width_ = std::max(0.0, width);
  viewport_height_ = std::max(0.0, height);
  Limit();
}

ViewPoint ViewZoom::ToContent(ViewPoint screen) const {
  return {origin_.x + screen.x / scale_, origin_.y + screen.y / scale_};
}

ViewPoint ViewZoom::ToScreen(ViewPoint content) const {
  return {(content.x - origin_.x) * scale_, (content.y - origin_.y) * scale_};
}

void ViewZoom::PixelAt(int screen_x, int screen_y, int& pixel_x, int& pixel_y) const {
  const ViewPoint c = ToContent({screen_x + 0.5, screen_y + 0.5});
  pixel_x = static_cast<int>(std::floor(c.x));
  pixel_y = static_cast<int>(std::floor(c.y));
}

void ViewZoom::ZoomAbout(ViewPoint screen, double factor) {
  if (!(factor > 0) || !std::isfinite(factor)) return;
  const ViewPoint fixed = ToContent(screen);
  scale_ = std::clamp(scale_ * factor, kMinScale, kMaxScale);
  origin_ = {fixed.x - screen.x / scale_, fixed.y - screen.y / scale_};
  Limit();
}

void ViewZoom::Fit() {
  if (content_width_ <= 0 || content_height_ <= 0 || viewport_width_ <= 0 || viewport_height_ <= 0) {
    scale_ = 1;
  } else {
    scale_ = std::clamp(std::min(viewport_width_ / content_width_, viewport_height_ / content_height_),
                        kMinScale, kMaxScale);
  }
  Limit();
}

void ViewZoom::SetScale(double scale) {
  if (!(scale > 0) || !std::isfinite(scale)) return;
  ZoomAbout(ViewportCentre(), scale / scale_);
}

void ViewZoom::PanBy(double dx, double dy) {
  origin_ = {origin_.x - dx / scale_, origin_.y - dy / scale_};
  Limit();
}

void ViewZoom::CentreOn(ViewPoint content) {
  origin_ = {content.x - viewport_width_ / (2 * scale_), content.y - viewport_height_ / (2 * scale_)};
  Limit();
}

void ViewZoom::SetOrigin(ViewPoint origin) {
  origin_ = origin;
  Limit();
}

double ViewZoom::MaxOriginX() const { return std::max(0.0, content_width_ - viewport_width_ / scale_); }
double ViewZoom::MaxOriginY() const { return std::max(0.0, content_height_ - viewport_height_ / scale_); }

void ViewZoom::Limit() {
  if (!std::isfinite(origin_.x)) origin_.x = 0;
  if (!std::isfinite(origin_.y)) origin_.y = 0;
  origin_.x = LimitedOrigin(origin_.x, content_width_, viewport_width_, scale_);
  origin_.y = LimitedOrigin(origin_.y, content_height_, viewport_height_, scale_);
}

}  // namespace pistora
