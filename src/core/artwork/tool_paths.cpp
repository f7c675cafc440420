#include "core/artwork/tool_paths.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "core/artwork/extraction.h"
#include "core/artwork/path_text.h"
#include "core/host/host.h"
#include "core/text/numbers.h"

namespace pistora {
namespace {

using IslandPair = std::pair<int, int>;

// The island a contour runs around: the most frequent island among the pixels next to its points
// for which `island_of(index)` is not 0.
template <typename IslandOf>
int IslandAround(const Contour& c, int width, int height, IslandOf island_of) {
  std::map<int, int> votes;
  for (const PathPoint& p : PathPoints(c.PathText)) {
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

// The useful outline traced around each island's dilation, by island number.
std::map<int, Contour> TraceDilatedOutlines(const CopperMap& copper, const Bitmap& dilated) {
  Workspace scratch;
  scratch.ArtworkBitmap = dilated;
  scratch.EngravingBitmap = Bitmap(dilated.Width(), dilated.Height(), kWhite);
  NullHost host;
  // No contour is small enough to become a pad: every outline is traced as a track.
  ExtractContours(scratch, host, ExtractionSettings{0, 0});
  std::map<int, Contour> outlines;
  for (const Contour& c : scratch.Table.items) {
    if (!IsUseful(c)) continue;
    const int island = IslandAround(c, dilated.Width(), dilated.Height(), [&](std::size_t i) {
      const int x = static_cast<int>(i % dilated.Width());
      const int row = static_cast<int>(i / dilated.Width());
      return dilated.Is(x, row, kBlack) ? copper.NearestIsland(i) : 0;
    });
    if (island == 0) continue;
    auto [it, inserted] = outlines.try_emplace(island, c);
    if (!inserted && c.PointCount > it->second.PointCount) it->second = c;
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

Bitmap DilateIslands(const CopperMap& copper, double radius_px, std::vector<GapWarning>* warnings,
                     double pixel_mm) {
  const int width = copper.Width();
  const int height = copper.Height();
  Bitmap dilated(width, height, kWhite);
  const double limit = radius_px * radius_px;
  auto inside = [&](std::size_t i) { return static_cast<double>(copper.SquaredDistance(i)) < limit; };
  // Narrowest place of each pair of meeting islands: squared distance between their copper pixels.
  std::map<IslandPair, std::pair<std::int64_t, std::pair<std::size_t, std::size_t>>> narrowest;
  for (int row = 0; row < height; ++row) {
    for (int x = 0; x < width; ++x) {
      const std::size_t i = copper.IndexOf(x, row);
      if (!inside(i)) continue;
      bool border = false;
      if (!copper.IsCopper(i)) {
        const int own = copper.NearestIsland(i);
        for (int nr = std::max(row - 1, 0); nr <= std::min(row + 1, height - 1); ++nr) {
          for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, width - 1); ++nx) {
            const std::size_t n = copper.IndexOf(nx, nr);
            const int other = copper.NearestIsland(n);
            if (other == own || !inside(n)) continue;
            border = true;
            if (!warnings) continue;
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
      if (!border) dilated.Set(x, row, kBlack);
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
  const CopperMap copper(ws.ArtworkBitmap);
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

  const double radius_px = settings.tool_width_mm / 2.0 / ws.PixelSizeMm;
  const double step_px = settings.tool_width_mm * (1.0 - settings.overlap) / ws.PixelSizeMm;
  const int passes = std::clamp(settings.passes, 1, kMaxPasses);
  for (int pass = 0; pass < passes; ++pass) {
    const Bitmap dilated =
        DilateIslands(copper, radius_px + pass * step_px, pass == 0 ? &report.warnings : nullptr, ws.PixelSizeMm);
    const std::map<int, Contour> outlines = TraceDilatedOutlines(copper, dilated);
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
