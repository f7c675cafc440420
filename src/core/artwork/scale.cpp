#include "core/artwork/scale.h"

#include <cmath>
#include <cstdlib>

#include "core/text/message_translation.h"
#include "core/text/numbers.h"

namespace pistora {

std::optional<double> PixelSizeFromTexts(std::string_view pixel_distance, std::string_view real_distance,
                                         char regional_separator) {
  const std::optional<double> d = ParseDecimal(pixel_distance, '.');
  std::optional<double> r = ParseDecimal(real_distance, '.');
  if (!r && regional_separator != '.') r = ParseDecimal(real_distance, regional_separator);
  if (!d || !r || *d == 0.0) return std::nullopt;
  return *r / *d;
}

bool UsablePixelSize(double pixel_size_mm) {
  return std::isfinite(pixel_size_mm) && pixel_size_mm > 0 && pixel_size_mm < 10;
}

std::string PixelSizeRefusal(double pixel_size_mm) {
  if (UsablePixelSize(pixel_size_mm)) return {};
  const std::string shown = std::isfinite(pixel_size_mm) ? PixelSizeText(pixel_size_mm) : std::string("?");
  return Fill(Tr("Échelle non définie : la taille du pixel vaut %1 mm. Tracez sur l'image une distance connue, donnez "
                 "sa longueur réelle en mm (la taille du pixel doit être supérieure à 0 et inférieure à 10 mm), puis "
                 "validez la mise à l'échelle."),
              {shown});
}

std::string PixelSizeText(double pixel_size_mm) { return FormatFixed(pixel_size_mm, 3); }

std::string MeasuredDistanceText(PixelPoint start, PixelPoint end) {
  const double dx = static_cast<double>(end.x) - start.x;
  const double dy = static_cast<double>(end.row) - start.row;
  return PadLeft(FormatFixed(std::sqrt(dx * dx + dy * dy), 4), 5);
}

std::string PitchLengthText(int pitches) { return FormatGeneral(pitches * 2.54, '.'); }

void XorLine(Bitmap& bitmap, PixelPoint from, PixelPoint to, Rgb colour) {
  const auto xor_pixel = [&bitmap, colour](int x, int row) {
    if (!bitmap.Contains(x, row)) return;
    std::uint8_t* p = bitmap.Row(row) + 3 * x;
    p[0] ^= colour.b;
    p[1] ^= colour.g;
    p[2] ^= colour.r;
  };
  // Integer Bresenham over all octants; each pixel of the line is visited exactly once.
  const long dx = std::labs(static_cast<long>(to.x) - from.x);
  const long dy = -std::labs(static_cast<long>(to.row) - from.row);
  const int sx = from.x < to.x ? 1 : -1;
  const int sy = from.row < to.row ? 1 : -1;
  long err = dx + dy;
  int x = from.x;
  int row = from.row;
  for (;;) {
    xor_pixel(x, row);
    if (x == to.x && row == to.row) break;
    const long e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      row += sy;
    }
  }
}

void MeasuringLine::Press(Bitmap& bitmap, PixelPoint start) {
  if (drawn_) XorLine(bitmap, start_, last_, kRed);
  drawn_ = false;
  start_ = start;
}

void MeasuringLine::Move(Bitmap& bitmap, PixelPoint pointer) {
  if (drawn_) XorLine(bitmap, start_, last_, kRed);
  XorLine(bitmap, start_, pointer, kRed);
  last_ = pointer;
  drawn_ = true;
}

std::string MeasuringLine::Release(PixelPoint end) const { return MeasuredDistanceText(start_, end); }

}  // namespace pistora
