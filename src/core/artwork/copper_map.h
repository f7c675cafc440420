#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
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

  // Index of the nearest copper pixel (-1 when there is none, or without distances).
  std::int32_t NearestCopper(std::size_t i) const {
    if (!offset_ || offset_[i].dx == kNone) return -1;
    return static_cast<std::int32_t>(static_cast<std::ptrdiff_t>(i) + std::ptrdiff_t{offset_[i].drow} * width_ +
                                     offset_[i].dx);
  }
  // Island of the nearest copper pixel (0 when there is none).
  std::int32_t NearestIsland(std::size_t i) const {
    const std::int32_t n = NearestCopper(i);
    return n < 0 ? 0 : island_[static_cast<std::size_t>(n)];
  }
  // The island of the nearest copper when it lies closer than sqrt(limit) pixels, else 0 (one
  // look at the pixel: what a dilation asks of every pixel).
  std::int32_t NearestIslandWithin(std::size_t i, std::int64_t limit) const {
    if (!offset_) return 0;
    const Offset o = offset_[i];
    if (o.dx == kNone || std::int64_t{o.dx} * o.dx + std::int64_t{o.drow} * o.drow >= limit) return 0;
    return island_[static_cast<std::size_t>(static_cast<std::ptrdiff_t>(i) + std::ptrdiff_t{o.drow} * width_ + o.dx)];
  }
  // Squared distance in pixels to the nearest copper pixel (a huge value when there is none).
  std::int64_t SquaredDistance(std::size_t i) const {
    if (!offset_ || offset_[i].dx == kNone) return kFar;
    const std::int64_t dx = offset_[i].dx;
    const std::int64_t drow = offset_[i].drow;
    return dx * dx + drow * drow;
  }

 private:
  void TransformDistances(double max_distance_px);

  // From a pixel to its nearest copper pixel, in pixels; sides up to kMaxImageSide fit.
  struct Offset {
    std::int16_t dx;
    std::int16_t drow;
  };
  static constexpr std::int16_t kNone = std::numeric_limits<std::int16_t>::min();
  static constexpr std::int64_t kFar = std::numeric_limits<std::int64_t>::max() / 4;
  static_assert(kMaxImageSide < std::numeric_limits<std::int16_t>::max());

  int width_ = 0;
  int height_ = 0;
  int island_count_ = 0;
  long copper_pixels_ = 0;
  std::vector<std::int32_t> island_;
  std::unique_ptr<Offset[]> offset_;  // null without distances
};

// A run of pixels of one row in one 8-connected component (numbered from 1 in scan order of
// their first pixel), from left to right inclusive.
struct ComponentRun {
  int row;
  int left;
  int right;
  std::int32_t component;
};
struct ComponentRuns {
  std::vector<ComponentRun> runs;  // row after row, left to right
  int count = 0;                   // components
};
// The set's pixels of one row (non-zero bytes, `width` of them); asked once per row, in order.
using RowMask = std::function<const std::uint8_t*(int row)>;
ComponentRuns LabelRuns(int width, int height, const RowMask& row_mask);
ComponentRuns LabelRuns(const std::vector<std::uint8_t>& mask, int width, int height);
// Each pixel's component number (0 outside the set), row after row. `Label` is std::int32_t, or
// std::uint16_t when the components number fewer than 65536 (half the memory).
template <typename Label>
std::vector<Label> LabelsOfAs(const ComponentRuns& components, int width, int height);
inline std::vector<std::int32_t> LabelsOf(const ComponentRuns& components, int width, int height) {
  return LabelsOfAs<std::int32_t>(components, width, height);
}

// 8-connected components of the pixels where mask is non-zero (row after row, width per row):
// numbers from 1 in scan order of their first pixel, 0 elsewhere. `count` receives how many.
std::vector<std::int32_t> LabelComponents(const std::vector<std::uint8_t>& mask, int width, int height, int* count);

// Whether a colour is copper for the tool (black, or the blue of a processed island).
inline bool IsCopperColour(Rgb c) { return c == kBlack || c == kBlue; }

}  // namespace pistora
