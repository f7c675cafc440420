#pragma once

#include <array>

#include "core/machine/iso_motion.h"

namespace pistora {

// Size of the plate preview as laid out, in pixels.
inline constexpr int kPlatePreviewWidth = 353;
inline constexpr int kPlatePreviewHeight = 265;

// The copper plate as cn.dat describes it (mm).
struct PlateGeometry {
  double size_x = 200;    // PlateSizeX
  double size_y = 150;    // PlateSizeY
  double border_x = 7;    // PlateBorderX: unusable strip along each edge
  double border_y = 7;    // PlateBorderY
  double origin_x = 17.25;  // PlateOriginX: plate's lower-left corner from the machine's home
  double origin_y = 12.25;  // PlateOriginY
};

// A rectangle of preview pixels (y grows downwards), corners as the window fills them.
struct PreviewRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const PreviewRect&, const PreviewRect&) = default;
};

// mm → preview pixels along an axis: pixels × mm / plate size, rounded, halves to even. A plate
// size that is not positive gives 0.
int PlateMmToPixels(double mm, double plate_size_mm, int preview_pixels);

// The preview of the plate with the job rectangle the user drags. The job rectangle's lower-left
// corner is the engraving start point.
class PlatePreview {
 public:
  explicit PlatePreview(const PlateGeometry& plate, int width = kPlatePreviewWidth,
                        int height = kPlatePreviewHeight);

  // DrawPlatePreview's state: job size (mm) scaled, job back at the inner lower-left corner of the
  // border, dragging cleared, start point = the border values. Also "Nouvelle plaque".
  void Reset(double job_width_mm, double job_height_mm);

  // Mouse on the preview. Move returns whether the rectangle was moved (only while dragging);
  // the pointer carries the lower-left corner, kept inside the usable area whenever it fits.
  void Press() { dragging_ = true; }
  void Release() { dragging_ = false; }
  bool Dragging() const { return dragging_; }
  bool Move(int x, int y);

  int Width() const { return width_; }    // W, pixels
  int Height() const { return height_; }  // H, pixels
  int BorderX() const { return border_x_; }  // bx, pixels
  int BorderY() const { return border_y_; }  // by, pixels

  // The copper area (1, 1)–(W, H).
  PreviewRect Copper() const { return {1, 1, width_, height_}; }
  // Left, top, right and bottom border strips.
  std::array<PreviewRect, 4> BorderStrips() const;
  // (left, bottom − job height)–(left + job width, bottom).
  PreviewRect JobRect() const;

  int JobLeft() const { return job_left_; }
  int JobBottom() const { return job_bottom_; }

  // The engraving start point on the plate, mm from its lower-left corner.
  double EngraveStartX() const { return engrave_start_x_; }
  double EngraveStartY() const { return engrave_start_y_; }

  // Where "&Positionner la broche et sortir" sends the spindle after homing (mm from home).
  ToolPosition SpindleTarget() const;

 private:
  PlateGeometry plate_;
  int width_;
  int height_;
  int border_x_ = 0;
  int border_y_ = 0;
  int job_width_ = 0;
  int job_height_ = 0;
  int job_left_ = 0;
  int job_bottom_ = 0;
  bool dragging_ = false;
  double engrave_start_x_ = 0;
  double engrave_start_y_ = 0;
};

}  // namespace pistora
