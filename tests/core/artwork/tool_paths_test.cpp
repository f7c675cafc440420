#include "core/artwork/tool_paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "core/artwork/board_generator.h"
#include "core/artwork/copper_map.h"
#include "core/artwork/extraction.h"
#include "core/artwork/isolation_check.h"
#include "core/artwork/path_text.h"

namespace pistora {
namespace {

constexpr double kPixelMm = 25.4 / 600;

void FillRect(Bitmap& b, int x0, int row0, int x1, int row1) {
  for (int row = row0; row <= row1; ++row) {
    for (int x = x0; x <= x1; ++x) b.Set(x, row, kBlack);
  }
}

Workspace Extracted(const Bitmap& artwork) {
  Workspace ws;
  ws.ArtworkBitmap = artwork;
  ws.PixelSizeMm = kPixelMm;
  NullHost host;
  ExtractContours(ws, host, ExtractionSettings{2, kMinPadPoints});
  return ws;
}

// The engraved paths as the program cuts them: straight moves between consecutive points.
std::vector<CutSegment> CutsOf(const Workspace& ws) {
  std::vector<CutSegment> cuts;
  for (const Contour& c : ws.Table.items) {
    if (c.IsUseless || c.IsPad) continue;
    const std::vector<PathPoint> p = PathPoints(c.PathText);
    for (std::size_t k = 1; k < p.size(); ++k) {
      cuts.push_back({p[k - 1].x * kPixelMm, p[k - 1].y * kPixelMm, p[k].x * kPixelMm, p[k].y * kPixelMm});
    }
  }
  return cuts;
}

// Brute-force squared distance from (x, row) to the nearest copper pixel of an island other than
// `island` (any island when 0).
double NearestOtherCopper2(const CopperMap& m, int x, int row, int island) {
  double best = std::numeric_limits<double>::max();
  for (int r = 0; r < m.Height(); ++r) {
    for (int c = 0; c < m.Width(); ++c) {
      const int other = m.IslandAt(m.IndexOf(c, r));
      if (other == 0 || other == island) continue;
      best = std::min(best, static_cast<double>((c - x) * (c - x) + (r - row) * (r - row)));
    }
  }
  return best;
}

// Exact everywhere without a bound; with one, exact below it and never closer than the truth
// beyond it (what a tool of that radius needs).
TEST(CopperMap, DistancesAndNearestIslandsAreExactBelowTheBound) {
  for (const double bound : {std::numeric_limits<double>::infinity(), 3.0, 6.5}) {
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
      SCOPED_TRACE(::testing::Message() << "bound " << bound << " seed " << seed);
      const CopperMap m(testing::GenerateBoard(testing::BoardRecipe{}, seed), true, bound);
      for (int row = 0; row < m.Height(); ++row) {
        for (int x = 0; x < m.Width(); ++x) {
          const std::size_t i = m.IndexOf(x, row);
          const double brute = NearestOtherCopper2(m, x, row, 0);
          const auto found = static_cast<double>(m.SquaredDistance(i));
          if (brute < bound * bound) {
            ASSERT_EQ(found, brute) << x << "," << row;
            ASSERT_NE(m.NearestIsland(i), 0);
          } else {
            ASSERT_GE(found, brute) << x << "," << row;
          }
        }
      }
    }
  }
}

// Two horizontal tracks `gap` white pixels apart; the tool 0.2 mm (4.7 pixels).
TEST(RebuildContoursForTool, PathAtTheRadiusOrMidwayThroughANarrowGap) {
  const struct {
    const char* name;
    int gap;
    std::size_t warnings;
    const char* warning_head;
  } cases[] = {{"far apart", 20, 0, ""},
               {"closer than the tool", 3, 1, "warning: gap of 0.127 mm is narrower than the 0.200 mm tool at X="},
               {"one pixel", 1, 1, "warning: gap of 0.042 mm is narrower than the 0.200 mm tool at X="}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bitmap art(80, 40 + c.gap, kWhite);
    FillRect(art, 10, 10, 69, 13);
    FillRect(art, 10, 14 + c.gap, 69, 17 + c.gap);
    Workspace ws = Extracted(art);
    const ToolPathReport report = RebuildContoursForTool(ws, ToolPathSettings{0.2});
    EXPECT_EQ(report.rebuilt, 2);
    ASSERT_EQ(report.warnings.size(), c.warnings);
    const CopperMap m(art);
    const double r = 0.1 / kPixelMm;
    for (const Contour& contour : ws.Table.items) {
      if (contour.IsUseless || contour.IsPad) continue;
      for (const PathPoint& p : PathPoints(contour.PathText)) {
        const int row = art.Height() - p.y;
        const std::size_t i = m.IndexOf(p.x, row);
        ASSERT_FALSE(m.IsCopper(i));
        const double d = std::sqrt(static_cast<double>(m.SquaredDistance(i)));
        if (c.warnings == 0) {
          EXPECT_GE(d, r);  // the groove's edge reaches the copper, no further
          EXPECT_LT(d, r + 1.5);
        } else if (p.x > 15 && p.x < 65 && row > 13 && row < 14 + c.gap) {
          EXPECT_LE(std::abs(2 * row - (27 + c.gap)), 2);  // midway, within a pixel
        }
      }
    }
    if (c.warnings == 1) {
      const GapWarning& w = report.warnings[0];
      EXPECT_NEAR(w.gap_mm, c.gap * kPixelMm, 1e-9);
      EXPECT_NEAR(w.y_mm, (art.Height() - (13 + 14 + c.gap) / 2.0) * kPixelMm, 1e-9);
      EXPECT_EQ(GapWarningText(w, 0.2).rfind(c.warning_head, 0), 0u) << GapWarningText(w, 0.2);
    }
  }
}

// The property the check states for any board: with the tool's paths every island is isolated,
// and the groove cuts copper (by more than half a pixel) only where two islands are closer than
// the tool, or at the picture's edge.
TEST(RebuildContoursForTool, CheckFindsEveryIslandIsolatedOnGeneratedBoards) {
  for (double tool : {0.1, 0.2, 0.3}) {
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
      SCOPED_TRACE(::testing::Message() << "tool " << tool << " seed " << seed);
      testing::BoardRecipe recipe;
      recipe.width = 96;
      recipe.height = 72;
      recipe.foreign_pixels = 0;
      Workspace ws = Extracted(testing::GenerateBoard(recipe, seed));
      const CopperMap m(ws.ArtworkBitmap);
      RebuildContoursForTool(ws, ToolPathSettings{tool});
      const double r = tool / 2 / kPixelMm;
      const IsolationReport full = CheckIsolation(m, kPixelMm, r, CutsOf(ws), {});
      EXPECT_EQ(full.not_isolated, 0);
      std::vector<std::uint8_t> groove;
      CheckIsolation(m, kPixelMm, r - 0.5, CutsOf(ws), {}, &groove);
      for (std::size_t i = 0; i < groove.size(); ++i) {
        if (!groove[i] || !m.IsCopper(i)) continue;
        const int x = static_cast<int>(i % static_cast<std::size_t>(m.Width()));
        const int row = static_cast<int>(i / static_cast<std::size_t>(m.Width()));
        // The dilation stops at the picture's edge, so the ring of copper touching it runs just
        // outside the picture, closer than the radius.
        const int edge = std::min({x, row, m.Width() - 1 - x, m.Height() - 1 - row});
        if (edge < r) continue;
        // Cut copper lies at a gap narrower than the tool (centre to centre, plus the pixel).
        EXPECT_LT(std::sqrt(NearestOtherCopper2(m, x, row, m.IslandAt(i))), 2 * r + 1) << x << "," << row;
      }
    }
  }
}

}  // namespace
}  // namespace pistora
