#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pistora {

// An exact 24-bit colour. Pixel tests of the analysis compare exact colours.
struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGreen{0, 128, 0};  // drill marks
inline constexpr Rgb kYellow{255, 255, 0};

// Largest side accepted for an artwork, in pixels; anything larger is refused at load.
inline constexpr int kMaxImageSide = 20000;

// A plain 24-bit bitmap: rows of three bytes per pixel in the order blue, green, red,
// row 0 at the top. Rows are addressed directly for the scanning loops.
//
// Path coordinates (x = column, y = height - row, so y runs from 1 at the bottom row to
// height at the top row) are converted by the callers with RowOf().
class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Rgb fill = kWhite);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }

  // Row pointers: 3 * Width() bytes, blue first.
  std::uint8_t* Row(int row) { return data_.data() + static_cast<std::size_t>(row) * stride(); }
  const std::uint8_t* Row(int row) const { return data_.data() + static_cast<std::size_t>(row) * stride(); }

  bool Contains(int x, int row) const { return x >= 0 && row >= 0 && x < width_ && row < height_; }

  // Unchecked pixel access; callers keep (x, row) inside the bitmap.
  Rgb At(int x, int row) const {
    const std::uint8_t* p = Row(row) + 3 * x;
    return Rgb{p[2], p[1], p[0]};
  }
  void Set(int x, int row, Rgb c) {
    std::uint8_t* p = Row(row) + 3 * x;
    p[0] = c.b;
    p[1] = c.g;
    p[2] = c.r;
  }
  bool Is(int x, int row, Rgb c) const {
    const std::uint8_t* p = Row(row) + 3 * x;
    return p[0] == c.b && p[1] == c.g && p[2] == c.r;
  }

  // Row of a path coordinate y (y = Height() - row).
  int RowOf(int y) const { return height_ - y; }

  void Fill(Rgb c);
  void Resize(int width, int height, Rgb fill = kWhite);

  // Raw bytes, rows one after the other without padding.
  const std::vector<std::uint8_t>& Bytes() const { return data_; }

  friend bool operator==(const Bitmap&, const Bitmap&) = default;

 private:
  std::size_t stride() const { return static_cast<std::size_t>(width_) * 3; }
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> data_;
};

}  // namespace pistora
