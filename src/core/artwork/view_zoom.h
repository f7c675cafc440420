#pragma once

namespace pistora {

// A point in screen pixels (from a view's top-left corner) or in content units (picture
// pixels, millimetres: whatever the view draws), as doubles so that zooming loses nothing.
struct ViewPoint {
  double x = 0;
  double y = 0;
};

// Where a view's content sits in its viewport: content point `origin` is at the viewport's
// top-left corner and one content unit is `scale` screen pixels, so
//   screen = (content - origin) * scale.
// Every change keeps the content within reach: along a side where the content is longer than
// the viewport, the viewport stays over the content; along a side where it is shorter, the
// content is centred. Zooming about a screen point keeps the content under it where it was
// (up to that limit), which is what makes measuring, clicking and panning exact at any zoom.
class ViewZoom {
 public:
  static constexpr double kMinScale = 1.0 / 64;
  static constexpr double kMaxScale = 64;
  static constexpr double kStep = 1.25;  // one wheel notch or one +/- key

  // Both default to empty; a view sets them as soon as it knows them.
  void SetContentSize(double width, double height);
  void SetViewportSize(double width, double height);

  double Scale() const { return scale_; }
  ViewPoint Origin() const { return origin_; }

  ViewPoint ToContent(ViewPoint screen) const;
  ViewPoint ToScreen(ViewPoint content) const;
  // The picture pixel drawn at screen pixel (x, y): the one under the screen pixel's centre.
  // May lie outside the picture; callers check.
  void PixelAt(int screen_x, int screen_y, int& pixel_x, int& pixel_y) const;

  // Zoom by `factor` (>1 in, <1 out) keeping the content under `screen` where it is; the
  // scale stays within kMinScale..kMaxScale.
  void ZoomAbout(ViewPoint screen, double factor);
  void ZoomIn() { ZoomAbout(ViewportCentre(), kStep); }
  void ZoomOut() { ZoomAbout(ViewportCentre(), 1 / kStep); }
  // The whole content in the viewport, centred.
  void Fit();
  // One content unit per screen pixel, keeping the content at the viewport's centre there.
  void OneToOne() { SetScale(1.0); }
  void SetScale(double scale);
  // Moves the content by (dx, dy) screen pixels (dragging it with the mouse).
  void PanBy(double dx, double dy);
  // Puts content point `content` at the viewport's centre (as near as the limits allow).
  void CentreOn(ViewPoint content);
  // Sets the origin directly (a scroll bar moved), within the limits.
  void SetOrigin(ViewPoint origin);

  // Range of the origin along each axis, for scroll bars: 0..MaxOriginX() (0 when the content fits).
  double MaxOriginX() const;
  double MaxOriginY() const;

 private:
  ViewPoint ViewportCentre() const { return {viewport_width_ / 2, viewport_height_ / 2}; }
  void Limit();

  double content_width_ = 0;
  double content_height_ = 0;
  double viewport_width_ = 0;
  double viewport_height_ = 0;
  double scale_ = 1;
  ViewPoint origin_;
};

}  // namespace pistora
