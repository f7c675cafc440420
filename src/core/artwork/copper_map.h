#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "core/artwork/bitmap.h"

namespace pistora {

// Copper of an artwork as the tool sees it: each pixel's island, and the exact Euclidean
// distance (between pixel centres) to the nearest copper pixel with that pixel's island.
//
// Copper is black (as loaded) or the analysis's blue (as a processed artwork is left); every
// other colour is board. Islands are 8-connected, numbered from 1 in scan order.
class CopperMap {
 public:
  // Without `with_distances` only the islands are known (NearestCopper is -1 everywhere).
  // `max_distance_px` bounds the transform: distances below it are exact; a pixel farther from
  // all copper gets a farther copper pixel or none (-1), which is all a tool of that radius needs
  // and spares the transform most of the board.
  explicit CopperMap(const Bitmap& artwork, bool with_distances = true,
                     double max_distance_px = std::numeric_limits<double>::infinity());

  int Width() const { return width_; }
  int Height() const { return height_; }
  int IslandCount() const { return island_count_; }
  long CopperPixelCount() const { return copper_pixels_; }

  // Pixel index row * Width() + x (row 0 at the top).
  std::size_t IndexOf(int x, int row) const { return static_cast<std::size_t>(row) * width_ + x; }

  // Island of a copper pixel, 0 for board.
  std::int32_t IslandAt(std::size_t i) const { return island_[i]; }
  bool IsCopper(std::size_t i) const { return island_[i] != 0; }

  // Index of the nearest copper pixel (-1 when the artwork has no copper).
  std::int32_t NearestCopper(std::size_t i) const { return nearest_[i]; }
  // Island of the nearest copper pixel (0 when there is no copper).
  std::int32_t NearestIsland(std::size_t i) const {
    return nearest_[i] < 0 ? 0 : island_[static_cast<std::size_t>(nearest_[i])];
  }
  // Squared distance in pixels to the nearest copper pixel (a huge value when there is none).
  std::int64_t SquaredDistance(std::size_t i) const;

 private:
  void TransformDistances(double max_distance_px);

  int width_ = 0;
  int height_ = 0;
  int island_count_ = 0;
  long copper_pixels_ = 0;
  std::vector<std::int32_t> island_;
  std::vector<std::int32_t> nearest_;  // kMaxImageSide squared fits
};

// 8-connected components of the pixels where mask is non-zero (row after row, width per row):
// numbers from 1 in scan order of their first pixel, 0 elsewhere. `count` receives how many.
std::vector<std::int32_t> LabelComponents(const std::vector<std::uint8_t>& mask, int width, int height, int* count);

// Whether a colour is copper for the tool (black, or the blue of a processed island).
inline bool IsCopperColour(Rgb c) { return c == kBlack || c == kBlue; }

}  // namespace pistora
