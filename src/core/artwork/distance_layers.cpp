// Phases 1-3 and 6 of the artwork pre-processing: distance layers, ridges, blackening.
#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/artwork/neighbourhood.h"
#include "core/artwork/polygonal.h"

namespace pistora {
namespace {

using PixelIndex = std::uint32_t;

bool IsBlackAt(const std::uint8_t* p) { return p[0] == 0 && p[1] == 0 && p[2] == 0; }

std::uint32_t ColourKey(Rgb c) { return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b; }

// Whether a colour is the colour of some layer k >= 1.
bool IsLayerColour(Rgb c) {
  if (c.r != c.g) return false;
  if (c.r == 4) return true;  // layers 26 and up, any blue
  return c.r >= 10 && c.r <= 250 && c.r % 10 == 0 && c.b == c.r / 10;
}

// The first pass after `k` that has a pixel born with its source colour (layer pass - 1)
// touching an inner white pixel; 0 when there is none.
int NextBornSourcePass(const Bitmap& bm,
                       const std::unordered_map<std::uint32_t, std::vector<PixelIndex>>& born, int k) {
  const int width = bm.Width();
  int best = 0;
  for (const auto& [key, pixels] : born) {
    const Rgb c{static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8),
                static_cast<std::uint8_t>(key)};
    // The layers of this colour after layer k - 1: one layer for red 10 m, every 256th from 26 on
    // for red 4.
    int layer = 0;
    if (c.r == 4) {
      layer = std::max(26, k);
      layer += ((c.b - layer) % 256 + 256) % 256;
    } else if (c.b >= k) {
      layer = c.b;
    }
    if (layer == 0 || (best != 0 && layer + 1 >= best)) continue;
    const bool touches_white = std::any_of(pixels.begin(), pixels.end(), [&](PixelIndex i) {
      const int x = static_cast<int>(i % width);
      const int row = static_cast<int>(i / width);
      for (int nrow = std::max(1, row - 1); nrow <= std::min(bm.Height() - 2, row + 1); ++nrow) {
        for (int nx = std::max(1, x - 1); nx <= std::min(width - 2, x + 1); ++nx) {
          if (bm.Is(nx, nrow, kWhite)) return true;
        }
      }
      return false;
    });
    if (touches_white) best = layer + 1;
  }
  return best;
}

}  // namespace

bool PaintDistanceLayers(Workspace& ws, Host& host) {
  Bitmap& bm = ws.ArtworkBitmap;
  const int width = bm.Width();
  const int height = bm.Height();
  if (width < 3 || height < 3) {
    host.RefreshView(View::Artwork);  // one pass over no inner pixel
    return true;
  }
  // Pixels are indexed row after row (row * width + x): rows lie one after the other in memory.
  auto index_of = [width](int x, int row) { return static_cast<PixelIndex>(row) * width + x; };
  std::uint8_t* const bytes = bm.Row(0);
  const std::ptrdiff_t stride = 3 * static_cast<std::ptrdiff_t>(width);
  auto is_white = [](const std::uint8_t* p) { return p[0] == 255 && p[1] == 255 && p[2] == 255; };

  // Layer k grows from the pixels of layer k - 1's colour: those painted by the previous pass,
  // and any pixel of the artwork that had that colour from the start (never repainted here).
  std::unordered_map<std::uint32_t, std::vector<PixelIndex>> born_with_layer_colour;
  long white_left = 0;
  for (int row = 0; row < height; ++row) {
    for (int x = 0; x < width; ++x) {
      const Rgb c = bm.At(x, row);
      if (IsLayerColour(c)) born_with_layer_colour[ColourKey(c)].push_back(index_of(x, row));
      const bool inner = x > 0 && row > 0 && x < width - 1 && row < height - 1;
      if (inner && c == kWhite) ++white_left;
    }
  }

  std::vector<PixelIndex> previous;  // painted by the last pass
  for (int k = 1;; ++k) {
    const Rgb colour = LayerColour(k);
    const bool met_white = white_left > 0;
    std::vector<PixelIndex> painted;
    auto paint = [&](PixelIndex i) {
      std::uint8_t* p = bytes + 3 * static_cast<std::ptrdiff_t>(i);
      p[0] = colour.b;
      p[1] = colour.g;
      p[2] = colour.r;
      painted.push_back(i);
    };
    // Painting layer k does not change which pixels touch layer k - 1, so a pass paints the
    // same pixels in any order. They are painted at once; a stop before column x of the pass
    // then gives columns x and beyond back their white.
    if (k == 1) {
      // Layer 0 is black, which may be anywhere: a plain scan.
      for (int row = 1; row < height - 1; ++row) {
        for (int x = 1; x < width - 1; ++x) {
          const std::uint8_t* p = bytes + row * stride + 3 * x;
          if (is_white(p) && HasNeighbour(bm, x, row, kBlack)) paint(index_of(x, row));
        }
      }
    } else {
      auto paint_white_neighbours = [&](PixelIndex i) {
        const int x = static_cast<int>(i % width);
        const int row = static_cast<int>(i / width);
        for (int nrow = std::max(1, row - 1); nrow <= std::min(height - 2, row + 1); ++nrow) {
          for (int nx = std::max(1, x - 1); nx <= std::min(width - 2, x + 1); ++nx) {
            if (is_white(bytes + nrow * stride + 3 * nx)) paint(index_of(nx, nrow));
          }
        }
      };
      std::sort(previous.begin(), previous.end());  // memory order: far fewer cache misses
      for (PixelIndex i : previous) paint_white_neighbours(i);
      const auto born = born_with_layer_colour.find(ColourKey(LayerColour(k - 1)));
      if (born != born_with_layer_colour.end()) {
        for (PixelIndex i : born->second) paint_white_neighbours(i);
      }
    }
    bool stopped = false;
    for (int x = 1; x < width - 1; ++x) {
      if (ws.StopRequest) {
        stopped = true;
        for (PixelIndex i : painted) {
          if (static_cast<int>(i % width) >= x) {
            std::uint8_t* p = bytes + 3 * static_cast<std::ptrdiff_t>(i);
            p[0] = p[1] = p[2] = 255;
          }
        }
        std::erase_if(painted, [&](PixelIndex i) { return static_cast<int>(i % width) >= x; });
        break;
      }
      host.PumpEvents();
    }
    white_left -= static_cast<long>(painted.size());
    host.RefreshView(View::Artwork);
    if (stopped) return false;
    // The last pass meets no white.
    if (!met_white) return true;
    if (painted.empty()) {
      // White is left that layer k cannot reach. Passes paint nothing from here on, unless a
      // pixel born with the colour of a later layer touches white: go on at that layer's pass
      // (the passes between would paint nothing), or end instead of looping forever.
      const int resume = NextBornSourcePass(bm, born_with_layer_colour, k);
      if (resume == 0) return true;
      k = resume - 1;
    }
    previous = std::move(painted);
  }
}

bool KeepRowRidges(Workspace& ws, Host& host) {
  Bitmap& bm = ws.ArtworkBitmap;
  const int width = bm.Width();
  for (int row = 1; row < bm.Height() - 1; ++row) {
    if (ws.StopRequest) return false;
    std::uint8_t* line = bm.Row(row);
    bool in_run = false;
    int best = 0;
    int best_blue = 0;
    for (int x = 1; x < width - 1; ++x) {
      const std::uint8_t* p = line + 3 * x;
      if (!IsBlackAt(p)) {
        if (!in_run || p[0] > best_blue) {
          best = x;
          best_blue = p[0];
        }
        in_run = true;
      } else if (in_run) {
        // A run without any layer (all blue bytes 0) is left as it is.
        if (best_blue > 0) bm.Set(best, row, kWhite);
        in_run = false;
      }
    }
    host.RefreshView(View::Artwork);
    host.PumpEvents();
  }
  return true;
}

bool KeepColumnRidges(Workspace& ws, Host& host) {
  Bitmap& bm = ws.ArtworkBitmap;
  const int height = bm.Height();
  for (int x = 1; x < bm.Width() - 1; ++x) {
    if (ws.StopRequest) return false;
    bool in_run = false;
    int best = 0;
    int best_blue = 0;
    for (int row = 1; row < height - 1; ++row) {
      const std::uint8_t* p = bm.Row(row) + 3 * x;
      if (!IsBlackAt(p)) {
        if (!in_run || p[0] > best_blue) {
          best = row;
          best_blue = p[0];
        }
        in_run = true;
      } else if (in_run) {
        bm.Set(x, best, kWhite);
        in_run = false;
      }
    }
    host.RefreshView(View::Artwork);
    host.PumpEvents();
  }
  return true;
}

void BlackenAllButWhite(Workspace& ws, Host& host) {
  Bitmap& bm = ws.ArtworkBitmap;
  for (int row = 1; row < bm.Height() - 1; ++row) {
    for (int x = 1; x < bm.Width() - 1; ++x) {
      if (!bm.Is(x, row, kWhite)) bm.Set(x, row, kBlack);
      host.PumpEvents();
    }
  }
  host.RefreshView(View::Artwork);
}

}  // namespace pistora
