#include "core/artwork/hole_shape.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/artwork/extraction.h"

namespace pistora {
namespace {

// A square copper pad of side `pad_mm` centred on the board, with an opening of `hole_mm`
// (a disc, or a square of that side), at `dpi`.
Bitmap PadBoard(int dpi, double pad_mm, double hole_mm, bool round_hole) {
  const double px = 25.4 / dpi;
  const int side = static_cast<int>(std::lround(pad_mm / px));
  const int size = side + 20;
  Bitmap b(size, size, kWhite);
  const double centre = (size - 1) / 2.0;
  const double half_hole = hole_mm / px / 2.0;
  for (int row = 0; row < size; ++row) {
    for (int x = 0; x < size; ++x) {
      const double dx = x - centre;
      const double dy = row - centre;
      const bool in_pad = std::abs(dx) <= side / 2.0 && std::abs(dy) <= side / 2.0;
      const bool in_hole = round_hole ? dx * dx + dy * dy <= half_hole * half_hole
                                      : std::abs(dx) <= half_hole && std::abs(dy) <= half_hole;
      if (in_pad && !(hole_mm > 0 && in_hole)) b.Set(x, row, kBlack);
    }
  }
  return b;
}

TEST(ClassifyHolesBySize, RoundHolesOfTheirSizeWhateverTheResolution) {
  const struct {
    const char* name;
    int dpi;
    double pad_mm;
    double hole_mm;
    bool round;
    int pads;  // with the default 0.4 .. 3.2 mm
  } cases[] = {
      {"round 0.8 mm at 600 dpi", 600, 2.0, 0.8, true, 1},
      {"round 0.8 mm at 1200 dpi", 1200, 2.0, 0.8, true, 1},
      {"round 2.0 mm at 1200 dpi", 1200, 3.5, 2.0, true, 1},
      {"round 0.25 mm: too small", 600, 1.5, 0.25, true, 0},
      {"square hatch cell 0.8 mm", 600, 2.0, 0.8, false, 0},
      {"SMD pad without hole", 600, 1.0, 0.0, true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Workspace ws;
    ws.ArtworkBitmap = PadBoard(c.dpi, c.pad_mm, c.hole_mm, c.round);
    ws.PixelSizeMm = 25.4 / c.dpi;
    NullHost host;
    // A point count that makes every contour a pad candidate: the size rule decides alone.
    ExtractContours(ws, host, ExtractionSettings{2, kMaxPadPoints});
    EXPECT_EQ(ClassifyHolesBySize(ws, kDefaultHoleMinMm, kDefaultHoleMaxMm), c.pads);
    int useful = 0;
    for (const Contour& contour : ws.Table.items) {
      if (contour.IsPad) {
        EXPECT_NEAR(HoleDiameterMm(contour, ws.PixelSizeMm), c.hole_mm, 2 * ws.PixelSizeMm);
        const int centre = (ws.ArtworkBitmap.Width() - 1) / 2;
        EXPECT_LE(std::abs(contour.CenterX - centre), 1);
      }
      if (!contour.IsPad && !contour.IsUseless) ++useful;
    }
    EXPECT_EQ(useful, 1);  // the pad's outline is engraved, never drilled
    // A pad the user unflagged by hand stays unflagged when the rule runs again.
    for (int i = 0; i < ws.Table.ContourCount(); ++i) {
      if (!ws.Table[i].IsPad) continue;
      ws.Table[i].IsPad = false;
      EXPECT_EQ(ClassifyHolesBySize(ws, kDefaultHoleMinMm, kDefaultHoleMaxMm, {i}), 0);
      EXPECT_FALSE(ws.Table[i].IsPad);
    }
  }
}

}  // namespace
}  // namespace pistora
