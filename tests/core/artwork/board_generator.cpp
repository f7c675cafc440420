#include "core/artwork/board_generator.h"

#include <algorithm>
#include <random>

namespace pistora::testing {
namespace {

class Painter {
 public:
  Painter(Bitmap& bitmap, std::uint32_t seed) : bitmap_(bitmap), random_(seed) {}

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  void Dot(int x, int row, Rgb c) {
    if (bitmap_.Contains(x, row)) bitmap_.Set(x, row, c);
  }
  void Rect(int x0, int r0, int x1, int r1, Rgb c) {
    for (int row = r0; row <= r1; ++row)
      for (int x = x0; x <= x1; ++x) Dot(x, row, c);
  }
  void Disc(int cx, int cr, int radius, Rgb c) {
    for (int row = cr - radius; row <= cr + radius; ++row)
      for (int x = cx - radius; x <= cx + radius; ++x)
        if ((x - cx) * (x - cx) + (row - cr) * (row - cr) <= radius * radius) Dot(x, row, c);
  }

  void Track() {
    int x = Uniform(0, bitmap_.Width() - 1);
    int row = Uniform(0, bitmap_.Height() - 1);
    const int half = Uniform(0, 1);
    const int legs = Uniform(1, 4);
    for (int leg = 0; leg < legs; ++leg) {
      const int dx = Uniform(-1, 1);
      const int dy = dx == 0 ? (Uniform(0, 1) ? 1 : -1) : Uniform(-1, 1);
      const int length = Uniform(3, std::max(4, bitmap_.Width() / 3));
      for (int i = 0; i < length; ++i) {
        Rect(x - half, row - half, x + half, row + half, kBlack);
        x += dx;
        row += dy;
      }
    }
  }

  void Pad() {
    const int cx = Uniform(0, bitmap_.Width() - 1);
    const int cr = Uniform(0, bitmap_.Height() - 1);
    const int radius = Uniform(1, 5);
    if (Uniform(0, 1)) {
      Disc(cx, cr, radius, kBlack);
    } else {
      Rect(cx - radius, cr - radius, cx + radius, cr + radius, kBlack);
    }
    const int hole = Uniform(-1, radius - 1);  // -1: no hole, 0: a one-pixel hole
    if (hole >= 0) Disc(cx, cr, hole, kWhite);
  }

  void Ring() {
    const int cx = Uniform(0, bitmap_.Width() - 1);
    const int cr = Uniform(0, bitmap_.Height() - 1);
    const int outer = Uniform(5, 9);
    Disc(cx, cr, outer, kBlack);
    Disc(cx, cr, outer - 2, kWhite);
    Disc(cx, cr, Uniform(0, outer - 5), kBlack);
  }

  void Pour() {
    const int x0 = Uniform(0, bitmap_.Width() - 1);
    const int r0 = Uniform(0, bitmap_.Height() - 1);
    const int x1 = x0 + Uniform(8, std::max(9, bitmap_.Width() / 3));
    const int r1 = r0 + Uniform(8, std::max(9, bitmap_.Height() / 3));
    Rect(x0, r0, x1, r1, kBlack);
    const int holes = Uniform(1, 6);
    for (int i = 0; i < holes; ++i) {
      const int hx = Uniform(x0, x1);
      const int hr = Uniform(r0, r1);
      Rect(hx, hr, hx + Uniform(0, 4), hr + Uniform(0, 4), kWhite);
    }
  }

  void BorderCopper() {
    const int side = Uniform(0, 3);
    const int w = bitmap_.Width();
    const int h = bitmap_.Height();
    const int a = Uniform(0, std::max(0, (side < 2 ? h : w) - 4));
    const int len = Uniform(1, 6);
    const int depth = Uniform(1, 3);
    switch (side) {
      case 0: Rect(0, a, depth - 1, a + len, kBlack); break;
      case 1: Rect(w - depth, a, w - 1, a + len, kBlack); break;
      case 2: Rect(a, 0, a + len, depth - 1, kBlack); break;
      default: Rect(a, h - depth, a + len, h - 1, kBlack); break;
    }
  }

  void DiagonalPair() {
    const int x = Uniform(0, bitmap_.Width() - 1);
    const int row = Uniform(0, bitmap_.Height() - 1);
    Dot(x, row, kBlack);
    Dot(x + 1, row + (Uniform(0, 1) ? 1 : -1), kBlack);
  }

  void Foreign() {
    static constexpr Rgb kColours[] = {{128, 128, 128}, {255, 0, 0}, {0, 0, 255}, {1, 0, 0}, {255, 255, 254}};
    Dot(Uniform(0, bitmap_.Width() - 1), Uniform(0, bitmap_.Height() - 1), kColours[Uniform(0, 4)]);
  }

 private:
  Bitmap& bitmap_;
  std::mt19937 random_;
};

}  // namespace

Bitmap GenerateBoard(const BoardRecipe& recipe, std::uint32_t seed) {
  Bitmap bitmap(recipe.width, recipe.height, kWhite);
  Painter p(bitmap, seed);
  for (int i = 0; i < recipe.pours; ++i) p.Pour();
  for (int i = 0; i < recipe.tracks; ++i) p.Track();
  for (int i = 0; i < recipe.pads; ++i) p.Pad();
  for (int i = 0; i < recipe.rings; ++i) p.Ring();
  for (int i = 0; i < recipe.border_copper; ++i) p.BorderCopper();
  for (int i = 0; i < recipe.diagonal_pairs; ++i) p.DiagonalPair();
  for (int i = 0; i < recipe.foreign_pixels; ++i) p.Foreign();
  return bitmap;
}

}  // namespace pistora::testing
