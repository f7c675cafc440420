#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pistora {

// One traced contour of the analysis, in path coordinates (x = column, y = height - row).
struct Contour {
  std::string PathText;  // "(x;y)" + step codes + ["NOT"] "CLOSED Points : n" + "Fin(x,y)"
  std::int32_t StartX = 0;
  std::int32_t StartY = 0;
  std::int32_t EndX = 0;  // where the trace ended (the start for a closed path)
  std::int32_t EndY = 0;
  std::int32_t PointCount = 0;  // steps as traced
  bool IsClosed = false;
  bool IsPad = false;  // "Pastille": drilled at its centre
  std::int32_t CenterX = 0;
  std::int32_t CenterY = 0;
  std::int32_t JobOrder = 0;  // position in the last computed job, 0 = not in it
  std::int32_t MinX = 0;
  std::int32_t MaxX = 0;
  std::int32_t MinY = 0;
  std::int32_t MaxY = 0;
  bool IsUseless = false;  // "Inutile": not engraved

  friend bool operator==(const Contour&, const Contour&) = default;
};

// The result of the analysis. The table grows with the artwork (no fixed capacity).
// `past_end` is the slot just past the last contour: the engraving file writes and reads
// it as its extra record, so it is kept to give back exactly what a file held.
struct ContourTable {
  std::vector<Contour> items;
  Contour past_end;

  int ContourCount() const { return static_cast<int>(items.size()); }
  Contour& operator[](int i) { return items[static_cast<std::size_t>(i)]; }
  const Contour& operator[](int i) const { return items[static_cast<std::size_t>(i)]; }
  void Clear() {
    items.clear();
    past_end = Contour{};
  }

  friend bool operator==(const ContourTable&, const ContourTable&) = default;
};

}  // namespace pistora
