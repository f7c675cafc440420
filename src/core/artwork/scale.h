#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/artwork/bitmap.h"

namespace pistora {

// A point of a bitmap: column and row (row 0 at the top).
struct PixelPoint {
  int x = 0;
  int row = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Millimetres per pixel from the texts of the scale group: real distance in mm over
// measured distance in pixels. Both texts are read with "."; the real distance also accepts
// `regional_separator`, since its box takes that separator as typed. nullopt (the pixel size
// keeps its value) when the pixel distance is 0 or either text is not a number.
std::optional<double> PixelSizeFromTexts(std::string_view pixel_distance, std::string_view real_distance,
                                         char regional_separator = '.');

// Whether programs can be made at this pixel size: a finite number of millimetres above 0 and
// below 10 (a pixel of 0 puts every move at X0 Y0; 10 mm or more is no scanned board).
bool UsablePixelSize(double pixel_size_mm);

// Why programs cannot be made at this pixel size (French, for a message box); empty when
// they can.
std::string PixelSizeRefusal(double pixel_size_mm);

// The pixel size as shown: 3 decimals, "." separator, no padding ("0.025").
std::string PixelSizeText(double pixel_size_mm);

// Euclidean distance between two points, 4 decimals, right-aligned in at least 5 characters.
std::string MeasuredDistanceText(PixelPoint start, PixelPoint end);

// The pitch calculator: `pitches` component pitches of 2.54 mm, shortest general form with
// "." ("10.16" for 4).
std::string PitchLengthText(int pitches);

// Exclusive-or of every pixel of the Bresenham line from `from` to `to` (both ends included)
// with `colour`; pixels outside the bitmap are skipped. Drawing the same line twice restores
// the bitmap exactly.
void XorLine(Bitmap& bitmap, PixelPoint from, PixelPoint to, Rgb colour);

// The measuring line of the scale step, drawn by exclusive-or into the artwork bitmap.
// Press erases the line left by the previous measurement and records the start; each move
// but the first after a press erases the line of the previous move; every move draws
// start -> pointer. Release gives the measured distance text; the line stays until the next
// press. Reset forgets a line without erasing it (the bitmap was replaced).
class MeasuringLine {
 public:
  void Press(Bitmap& bitmap, PixelPoint start);
  void Move(Bitmap& bitmap, PixelPoint pointer);
  std::string Release(PixelPoint end) const;
  void Reset() { drawn_ = false; }

 private:
  PixelPoint start_;
  PixelPoint last_;    // end of the line currently drawn
  bool drawn_ = false; // a line start_ -> last_ is in the bitmap
};

}  // namespace pistora
