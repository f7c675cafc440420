#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace pistora {

// A grid of probed copper heights over the job: `columns` × `rows` points, the first at
// (origin_x, origin_y), `step_x` / `step_y` apart (mm). Heights are mm in the machine's Z, from
// the work zero the map was probed with.
struct HeightGrid {
  double origin_x = 0;
  double origin_y = 0;
  double step_x = 0;
  double step_y = 0;
  int columns = 0;
  int rows = 0;
  friend bool operator==(const HeightGrid&, const HeightGrid&) = default;
};

// The fewest and most points a side of the grid may have.
inline constexpr int kMinGridPoints = 2;
inline constexpr int kMaxGridPoints = 100;

// A grid of columns × rows over the extent (mm) from (origin_x, origin_y). Empty (with the reason
// in `error`) when a count is outside kMinGridPoints .. kMaxGridPoints or a side of the extent
// is not a positive number.
std::optional<HeightGrid> GridByCount(double origin_x, double origin_y, double extent_x, double extent_y,
                                      int columns, int rows, std::string* error);
// A grid whose spacing is at most `spacing` mm on each side (the extent divided evenly).
std::optional<HeightGrid> GridBySpacing(double origin_x, double origin_y, double extent_x, double extent_y,
                                        double spacing, std::string* error);

// The points of the grid in the order they are probed: along X on the first row, back along X on
// the next one (serpentine), so that no move crosses the whole plate between two points.
struct GridPoint {
  int column = 0;
  int row = 0;
};
std::vector<GridPoint> SerpentineOrder(const HeightGrid& grid);

// A plane z = a + slope_x·x + slope_y·y fitted by least squares; the slopes in mm per 100 mm.
struct HeightSummary {
  double min = 0;
  double max = 0;
  double tilt_x = 0;  // mm per 100 mm
  double tilt_y = 0;
};

class HeightMap {
 public:
  HeightMap() = default;
  // Heights row by row (row 0 first), all columns × rows of them, 0 until set.
  explicit HeightMap(const HeightGrid& grid);

  const HeightGrid& Grid() const { return grid_; }
  bool Empty() const { return heights_.empty(); }
  double At(int column, int row) const { return heights_[Index(column, row)]; }
  void Set(int column, int row, double z) { heights_[Index(column, row)] = z; }
  double PointX(int column) const { return grid_.origin_x + column * grid_.step_x; }
  double PointY(int row) const { return grid_.origin_y + row * grid_.step_y; }

  // The height at (x, y) by bilinear interpolation of the four points around it; outside the
  // grid, at the nearest point of its edge.
  double HeightAt(double x, double y) const;

  // The longest a cutting move's segment may be: half the smaller spacing.
  double MaxSegmentLength() const;

  HeightSummary Summary() const;

  // Every height less the one at the first point (the work zero is set on the copper there).
  void MakeRelativeToFirstPoint();

 private:
  std::size_t Index(int column, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(grid_.columns) + static_cast<std::size_t>(column);
  }
  HeightGrid grid_;
  std::vector<double> heights_;
};

}  // namespace pistora
