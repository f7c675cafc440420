#include "core/artwork/tool_paths.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <type_traits>
#include <utility>

#include "core/artwork/bands.h"
#include "core/artwork/path_text.h"
#include "core/text/numbers.h"

namespace pistora {
namespace {

using IslandPair = std::pair<int, int>;

// The island a contour runs around: the most frequent island among the pixels next to its points
// for which `island_of(index)` is not 0.
template <typename IslandOf>
int IslandAround(const Contour& c, int width, int height, IslandOf island_of) {
  // Some 64 points spread along the path decide; every point of a long path adds nothing.
  const std::vector<PathPoint> points = PathPoints(c.PathText);
  const std::size_t stride = std::max<std::size_t>(1, points.size() / 64);
  std::map<int, int> votes;
  for (std::size_t k = 0; k < points.size(); k += stride) {
    const PathPoint& p = points[k];
    const int row = height - p.y;
    for (int nr = row - 1; nr <= row + 1; ++nr) {
      for (int nx = p.x - 1; nx <= p.x + 1; ++nx) {
        if (nx < 0 || nr < 0 || nx >= width || nr >= height) continue;
        if (const int island = island_of(static_cast<std::size_t>(nr) * width + nx); island != 0) ++votes[island];
      }
    }
  }
  int best = 0;
  int best_votes = 0;
  for (const auto& [island, n] : votes) {
    if (n > best_votes) {
      best = island;
      best_votes = n;
    }
  }
  return best;
}

bool IsUseful(const Contour& c) { return !c.IsUseless && !c.IsPad; }

// Moore-neighbour directions, clockwise on screen (row down): E, SE, S, SW, W, NW, N, NE.
constexpr int kMooreDx[8] = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr int kMooreDr[8] = {0, 1, 1, 1, 0, -1, -1, -1};

// The ring around the dilated component holding each island's copper (the pixels outside it that
// touch it, corners included), as a closed path, by island number: the outer boundary of the
// component grown by one pixel, traced Moore-neighbour fashion from its first pixel in scan order
// and ended when the walk leaves that pixel again in its first direction. The ring may run one
// pixel outside the picture, where the component touches its edge.
std::map<int, Contour> TraceDilatedOutlines(const CopperMap& copper, const std::vector<std::uint8_t>& dilated,
                                            const std::map<int, int>& wanted) {
  const int width = copper.Width();
  const int height = copper.Height();
  const ComponentRuns runs = LabelRuns(dilated, width, height);
  // Each wanted island's component (through any of its copper pixels), and each component's first
  // pixel in scan order: from the runs, in scan order.
  std::vector<std::int32_t> island_of(static_cast<std::size_t>(runs.count) + 1, 0);
  std::vector<std::int64_t> first(static_cast<std::size_t>(runs.count) + 1, -1);
  std::vector<std::uint8_t> is_wanted(static_cast<std::size_t>(copper.IslandCount()) + 1, 0);
  for (const auto& entry : wanted) is_wanted[static_cast<std::size_t>(entry.first)] = 1;
  for (const ComponentRun& run : runs.runs) {
    const auto c = static_cast<std::size_t>(run.component);
    const std::size_t start = copper.IndexOf(run.left, run.row);
    if (first[c] < 0) first[c] = static_cast<std::int64_t>(start);
    if (island_of[c] != 0) continue;
    for (int x = run.left; x <= run.right; ++x) {
      const int island = copper.IslandAt(start + static_cast<std::size_t>(x - run.left));
      if (island != 0 && is_wanted[static_cast<std::size_t>(island)]) {
        island_of[c] = island;
        break;
      }
    }
  }
  std::map<int, Contour> outlines;
  // Each component's number at its pixels, in 16 bits when that is enough.
  const auto trace_all = [&](const auto& component) {
    using Label = typename std::decay_t<decltype(component)>::value_type;
    for (std::size_t c = 1; c < island_of.size(); ++c) {
      if (island_of[c] == 0) continue;
      const auto in_component = [&](int x, int row) {
        return x >= 0 && row >= 0 && x < width && row < height &&
               component[copper.IndexOf(x, row)] == static_cast<Label>(c);
      };
      // The component grown by one pixel.
      const auto inside = [&](int x, int row) {
        for (int nr = row - 1; nr <= row + 1; ++nr) {
          for (int nx = x - 1; nx <= x + 1; ++nx) {
            if (in_component(nx, nr)) return true;
          }
        }
        return false;
      };
      // Nothing of the grown component lies above the row over the component's first pixel, nor
      // left of the pixel diagonally above it.
      const int x0 = static_cast<int>(first[c] % width) - 1;
      const int r0 = static_cast<int>(first[c] / width) - 1;
      Contour contour;
      std::string codes;
      int x = x0;
      int row = r0;
      int min_x = x0, max_x = x0, min_r = r0, max_r = r0;
      // The first pixel in scan order has nothing west, north-west, north or north-east: the search
      // starts looking west.
      int back = 4;
      int first_direction = -1;
      for (long guard = 0; guard < 4L * width * height + 8; ++guard) {
        int d = -1;
        for (int k = 1; k <= 8; ++k) {
          const int dir = (back + k) % 8;
          if (inside(x + kMooreDx[dir], row + kMooreDr[dir])) {
            d = dir;
            break;
          }
        }
        if (d < 0) break;  // a lone pixel
        if (x == x0 && row == r0) {
          if (first_direction == d) break;
          if (first_direction < 0) first_direction = d;
        }
        x += kMooreDx[d];
        row += kMooreDr[d];
        codes += StepCodeBetween(0, 0, kMooreDx[d], -kMooreDr[d]);
        min_x = std::min(min_x, x);
        max_x = std::max(max_x, x);
        min_r = std::min(min_r, row);
        max_r = std::max(max_r, row);
        back = (d + 5) % 8;  // the neighbour just before d, seen from the new pixel
      }
      const int y0 = height - r0;
      const std::string head = "(" + std::to_string(x0) + ";" + std::to_string(y0) + ")";
      contour.PathText = head + codes + "CLOSED Points : " + std::to_string(codes.size() / 2) + "Fin(" +
                         std::to_string(x0) + "," + std::to_string(y0) + ")";
      contour.StartX = contour.EndX = x0;
      contour.StartY = contour.EndY = y0;
      contour.PointCount = static_cast<std::int32_t>(codes.size() / 2);
      contour.IsClosed = true;
      contour.MinX = min_x;
      contour.MaxX = max_x;
      contour.MinY = height - max_r;
      contour.MaxY = height - min_r;
      contour.CenterX = static_cast<std::int32_t>(RoundHalfEvenToInt((min_x + max_x) / 2.0));
      contour.CenterY = static_cast<std::int32_t>(RoundHalfEvenToInt((contour.MinY + contour.MaxY) / 2.0));
      outlines.emplace(island_of[c], std::move(contour));
    }
  };
  if (runs.count < 65535) {
    trace_all(LabelsOfAs<std::uint16_t>(runs, width, height));
  } else {
    trace_all(LabelsOfAs<std::int32_t>(runs, width, height));
  }
  return outlines;
}

void TakePath(Contour& to, const Contour& from) {
  to.PathText = from.PathText;
  to.StartX = from.StartX;
  to.StartY = from.StartY;
  to.EndX = from.EndX;
  to.EndY = from.EndY;
  to.PointCount = from.PointCount;
  to.IsClosed = from.IsClosed;
  to.CenterX = from.CenterX;
  to.CenterY = from.CenterY;
  to.MinX = from.MinX;
  to.MaxX = from.MaxX;
  to.MinY = from.MinY;
  to.MaxY = from.MaxY;
}

}  // namespace

std::string GapWarningText(const GapWarning& warning, double tool_width_mm) {
  return "warning: gap of " + FormatFixed(warning.gap_mm, 3) + " mm is narrower than the " +
         FormatFixed(tool_width_mm, 3) + " mm tool at X=" + FormatFixed(warning.x_mm, 3) +
         " Y=" + FormatFixed(warning.y_mm, 3);
}

std::vector<std::uint8_t> DilateIslands(const CopperMap& copper, double radius_px, double warn_radius_px,
                                        std::vector<GapWarning>* warnings, double pixel_mm) {
  const int width = copper.Width();
  const int height = copper.Height();
  std::vector<std::uint8_t> dilated(static_cast<std::size_t>(width) * height, 0);
  // Squared distances are whole numbers: d2 < limit exactly when d2 < ceil(limit).
  const auto whole_limit = [](double l) {
    return l >= 1e18 ? std::numeric_limits<std::int64_t>::max() : static_cast<std::int64_t>(std::ceil(l));
  };
  const std::int64_t limit = whole_limit(radius_px * radius_px);
  const std::int64_t warn_limit = whole_limit(warn_radius_px * warn_radius_px);
  // Narrowest place of each pair of meeting islands: squared distance between their copper pixels.
  using Narrowest = std::map<IslandPair, std::pair<std::int64_t, std::pair<std::size_t, std::size_t>>>;
  const int bands = BandCount();
  std::vector<Narrowest> band_narrowest(static_cast<std::size_t>(bands));
  ForEachBand(height, bands, [&](int band, int first_row, int end_row) {
    Narrowest& narrowest = band_narrowest[static_cast<std::size_t>(band)];
    // Three rows of owners: the nearest island of a pixel within the radius, 0 beyond it (row r
    // at owners[(r + 1) % 3]; rows outside the picture are 0).
    std::vector<std::int32_t> owners[3];
    for (auto& o : owners) o.assign(static_cast<std::size_t>(width), 0);
    const auto owners_of = [&](int row) -> std::vector<std::int32_t>& { return owners[(row + 1) % 3]; };
    const auto fill_owners = [&](int row) {
      std::vector<std::int32_t>& o = owners_of(row);
      if (row < 0 || row >= height) {
        std::fill(o.begin(), o.end(), 0);
        return;
      }
      const std::size_t start = copper.IndexOf(0, row);
      for (int x = 0; x < width; ++x) {
        o[static_cast<std::size_t>(x)] = copper.NearestIslandWithin(start + static_cast<std::size_t>(x), limit);
      }
    };
    fill_owners(first_row - 1);
    fill_owners(first_row);
    for (int row = first_row; row < end_row; ++row) {
      fill_owners(row + 1);
      const std::int32_t* here = owners_of(row).data();
      for (int x = 0; x < width; ++x) {
        const int own = here[x];
        if (own == 0) continue;
        const std::size_t i = copper.IndexOf(x, row);
        bool border = false;
        if (!copper.IsCopper(i)) {
          for (int nr = row - 1; nr <= row + 1; ++nr) {
            const std::int32_t* line = owners_of(nr).data();
            for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, width - 1); ++nx) {
              const int other = line[nx];
              if (other == own || other == 0) continue;
              border = true;
              // The path runs closer to the copper than the tool's radius only where both sides
              // of the border are.
              const std::size_t n = copper.IndexOf(nx, nr);
              if (!warnings || copper.SquaredDistance(i) >= warn_limit || copper.SquaredDistance(n) >= warn_limit) {
                continue;
              }
              const auto a = static_cast<std::size_t>(copper.NearestCopper(i));
              const auto b = static_cast<std::size_t>(copper.NearestCopper(n));
              const std::int64_t dx = static_cast<std::int64_t>(a % width) - static_cast<std::int64_t>(b % width);
              const std::int64_t dy = static_cast<std::int64_t>(a / width) - static_cast<std::int64_t>(b / width);
              const IslandPair pair = std::minmax(own, other);
              auto [it, inserted] = narrowest.try_emplace(pair, dx * dx + dy * dy, std::pair(a, b));
              if (!inserted && dx * dx + dy * dy < it->second.first) it->second = {dx * dx + dy * dy, {a, b}};
            }
          }
        }
        if (!border) dilated[i] = 1;
      }
    }
  });
  // In band order, the first narrowest place in scan order wins, as in one pass.
  Narrowest narrowest;
  for (const Narrowest& band : band_narrowest) {
    for (const auto& [pair, place] : band) {
      auto [it, inserted] = narrowest.try_emplace(pair, place);
      if (!inserted && place.first < it->second.first) it->second = place;
    }
  }
  if (warnings) {
    for (const auto& [pair, place] : narrowest) {
      const auto [a, b] = place.second;
      GapWarning w;
      w.island_a = pair.first;
      w.island_b = pair.second;
      // Centre to centre less one pixel: from the far edge of one copper pixel to the near edge
      // of the other along the line between them.
      w.gap_mm = std::max(std::sqrt(static_cast<double>(place.first)) - 1.0, 0.0) * pixel_mm;
      const double mid_x = (static_cast<double>(a % width) + static_cast<double>(b % width)) / 2.0;
      const double mid_row = (static_cast<double>(a / width) + static_cast<double>(b / width)) / 2.0;
      w.x_mm = mid_x * pixel_mm;
      w.y_mm = (height - mid_row) * pixel_mm;
      warnings->push_back(w);
    }
  }
  return dilated;
}

ToolPathReport RebuildContoursForTool(Workspace& ws, const ToolPathSettings& settings) {
  ToolPathReport report;
  if (!(ws.PixelSizeMm > 0.0) || !(settings.tool_width_mm > 0.0) || ws.ArtworkBitmap.Empty()) return report;
  const double radius_px = settings.tool_width_mm / 2.0 / ws.PixelSizeMm;
  const double step_px = settings.tool_width_mm * (1.0 - settings.overlap) / ws.PixelSizeMm;
  const int passes = std::clamp(settings.passes, 1, kMaxPasses);
  // Distances matter up to the outer pass's radius (and a pixel beyond, for the neighbours).
  report.copper = std::make_shared<const CopperMap>(ws.ArtworkBitmap, true, radius_px + (passes - 1) * step_px + 2.0);
  const CopperMap& copper = *report.copper;
  const int width = copper.Width();
  const int height = copper.Height();

  // Each island's longest useful contour is the one its tool path replaces.
  std::map<int, int> engraved;  // island -> table index
  for (int i = 0; i < ws.Table.ContourCount(); ++i) {
    const Contour& c = ws.Table[i];
    if (!IsUseful(c)) continue;
    const int island = IslandAround(c, width, height, [&](std::size_t p) { return copper.IslandAt(p); });
    if (island == 0) continue;
    auto [it, inserted] = engraved.try_emplace(island, i);
    if (!inserted && c.PointCount > ws.Table[it->second].PointCount) it->second = i;
  }

  // The path runs on the ring around each dilation: at the radius or up to a diagonal pixel
  // beyond it from the copper, or on the border where two islands are closer than the tool.
  for (int pass = 0; pass < passes; ++pass) {
    const double pass_radius = radius_px + pass * step_px;
    const std::vector<std::uint8_t> dilated = DilateIslands(
        copper, pass_radius, pass_radius, pass == 0 ? &report.warnings : nullptr, ws.PixelSizeMm);
    const std::map<int, Contour> outlines = TraceDilatedOutlines(copper, dilated, engraved);
    for (const auto& [island, index] : engraved) {
      const auto outline = outlines.find(island);
      if (outline == outlines.end()) continue;
      if (pass == 0) {
        TakePath(ws.Table[index], outline->second);
        ++report.rebuilt;
      } else {
        Contour extra;
        TakePath(extra, outline->second);
        ws.Table.items.push_back(std::move(extra));
        ++report.added;
      }
    }
  }
  return report;
}

}  // namespace pistora
