#include "image/gerber_picture.h"

#include <gtest/gtest.h>

#include <QStandardPaths>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

#include "support/gerber_board.h"
#include "support/temp_folder.h"

namespace pistora {
namespace {

namespace board = testing_board;

// Islands of 4-connected black pixels: each one's pixels (column, row).
std::vector<std::vector<std::pair<int, int>>> Islands(const Bitmap& b) {
  std::vector<std::vector<std::pair<int, int>>> islands;
  std::vector<char> seen(static_cast<std::size_t>(b.Width()) * b.Height(), 0);
  for (int row = 0; row < b.Height(); ++row) {
    for (int x = 0; x < b.Width(); ++x) {
      if (b.At(x, row) != kBlack || seen[static_cast<std::size_t>(row) * b.Width() + x]) continue;
      std::vector<std::pair<int, int>> island, todo = {{x, row}};
      seen[static_cast<std::size_t>(row) * b.Width() + x] = 1;
      while (!todo.empty()) {
        const auto [px, pr] = todo.back();
        todo.pop_back();
        island.push_back({px, pr});
        for (const auto& [dx, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
          const int nx = px + dx, nr = pr + dr;
          if (!b.Contains(nx, nr) || b.At(nx, nr) != kBlack) continue;
          char& mark = seen[static_cast<std::size_t>(nr) * b.Width() + nx];
          if (!mark) {
            mark = 1;
            todo.push_back({nx, nr});
          }
        }
      }
      islands.push_back(std::move(island));
    }
  }
  return islands;
}

class GerberPictureTest : public testing::TempFolderTest {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable("gerbv").isEmpty()) {
      GTEST_SKIP() << "gerbv absent (paquet Debian gerbv) : le rendu des fichiers Gerber n'est pas vérifié";
    }
    request_.gerber_path = (folder_.path() / "carte.gbr").string();
    std::ofstream(request_.gerber_path) << board::kCopperLayer;
    request_.dpi = 1000;
    request_.holes.assign(std::begin(board::kHoles), std::end(board::kHoles));
  }
  GerberRequest request_;
};

TEST_F(GerberPictureTest, IslandsAndPadCentresAgreeWithTheDrillFileWithinHalfAPixel) {
  GerberPicture picture;
  const Status s = RenderGerber(request_, &picture);
  ASSERT_TRUE(s) << s.message();
  const PictureFrame& f = picture.frame;
  EXPECT_EQ(Islands(picture.bitmap).size(), 4u);
  // The margin: 3 mm of white beyond the leftmost copper (the pad at x 5 - 0.8).
  EXPECT_NEAR(f.origin_x_mm, 5.0 - 0.8 - kGerberMarginMm, 2 * f.pixel_mm);
  for (const DrillHole& hole : request_.holes) {
    const PathPixel p = BoardToPath(f, hole.x_mm, hole.y_mm);
    ASSERT_EQ(picture.bitmap.At(p.x, picture.bitmap.RowOf(p.y)), kBlack) << "line " << hole.line;
  }
  // The lone pads (holes 3 and 4): their copper's centre, back on the board, is the hole's.
  for (const auto& island : Islands(picture.bitmap)) {
    double sx = 0, sr = 0;
    for (const auto& [x, row] : island) sx += x + 0.5, sr += row + 0.5;
    const double x_mm = f.origin_x_mm + sx / island.size() * f.pixel_mm;
    const double y_mm = f.origin_y_mm + (f.height - sr / island.size()) * f.pixel_mm;
    for (const DrillHole& hole : {request_.holes[2], request_.holes[3]}) {
      if (std::hypot(x_mm - hole.x_mm, y_mm - hole.y_mm) > 1.0) continue;
      SCOPED_TRACE(hole.line);
      EXPECT_LE(std::abs(x_mm - hole.x_mm), f.pixel_mm / 2);
      EXPECT_LE(std::abs(y_mm - hole.y_mm), f.pixel_mm / 2);
    }
  }
}

TEST_F(GerberPictureTest, MirroredLayerIsTheSamePictureTurnedOverWithItsHolesFollowing) {
  GerberPicture plain, turned;
  ASSERT_TRUE(RenderGerber(request_, &plain));
  request_.mirror = true;
  ASSERT_TRUE(RenderGerber(request_, &turned));
  ASSERT_EQ(turned.bitmap.Width(), plain.bitmap.Width());
  ASSERT_EQ(turned.bitmap.Height(), plain.bitmap.Height());
  const int w = plain.bitmap.Width();
  for (int row = 0; row < plain.bitmap.Height(); ++row) {
    for (int x = 0; x < w; ++x) ASSERT_EQ(turned.bitmap.At(w - 1 - x, row), plain.bitmap.At(x, row)) << x << "," << row;
  }
  for (const DrillHole& hole : request_.holes) {
    const PathPixel a = BoardToPath(plain.frame, hole.x_mm, hole.y_mm);
    const PathPixel b = BoardToPath(turned.frame, hole.x_mm, hole.y_mm);
    EXPECT_EQ(b.x, w - 1 - a.x) << hole.line;
    EXPECT_EQ(b.y, a.y) << hole.line;
  }
}

// A missing, failing or stalled program: a message each, nothing left running.
class GerberProgramTest : public testing::TempFolderTest {};

TEST_F(GerberProgramTest, AMissingFailingOrStalledGerbvIsReported) {
  const std::string layer = (folder_.path() / "carte.gbr").string();
  std::ofstream(layer) << board::kCopperLayer;
  const struct {
    const char* name;
    const char* script;  // empty: no program at all
    const char* message;
    int timeout_ms;  // long enough for a loaded machine, but for the stall
    int stop_after_calls;  // the window's STOP after that many waits (-1: the caller just waits)
  } kCases[] = {
      {"absent", "", "paquet Debian « gerbv »", 30000, -1},
      {"fails", "echo 'ligne 1' >&2; echo 'mauvais fichier' >&2; exit 3", "ligne 1 / mauvais fichier", 30000, -1},
      {"stalls", "exec sleep 30", "n'a pas fini de dessiner", 300, -1},
      {"stalls, the window waiting", "exec sleep 30", "n'a pas fini de dessiner", 300, 1000000},
      {"stopped from the window", "exec sleep 30", "par gerbv arrêté", 30000, 3},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    GerberRequest request;
    request.gerber_path = layer;
    request.program = (folder_.path() / c.name).string();
    request.timeout_ms = c.timeout_ms;
    int calls = 0;
    if (c.stop_after_calls >= 0) request.while_waiting = [&] { return ++calls < c.stop_after_calls; };
    if (*c.script) {
      std::ofstream(request.program) << "#!/bin/sh\n" << c.script << "\n";
      std::filesystem::permissions(request.program, std::filesystem::perms::owner_all);
    }
    GerberPicture picture;
    const Status s = RenderGerber(request, &picture);
    ASSERT_FALSE(s);
    EXPECT_NE(s.message().find(c.message), std::string::npos) << s.message();
  }
}

}  // namespace
}  // namespace pistora
