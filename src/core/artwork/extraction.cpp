#include "core/artwork/extraction.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "core/artwork/contour_drawing.h"
#include "core/text/numbers.h"

namespace pistora {
namespace {

// Neighbours in the tracer's order: east, then counter-clockwise (path coordinates, y up).
constexpr int kStepDx[8] = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr int kStepDy[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr const char* kStepCode[8] = {"+*", "++", "*+", "-+", "-*", "--", "*-", "+-"};

inline bool IsBlackPixel(const std::uint8_t* p) { return p[0] == 0 && p[1] == 0 && p[2] == 0; }
inline bool IsWhitePixel(const std::uint8_t* p) { return p[0] == 255 && p[1] == 255 && p[2] == 255; }
inline void Paint(std::uint8_t* p, Rgb c) {
  p[0] = c.b;
  p[1] = c.g;
  p[2] = c.r;
}

// One horizontal run of an island's pixels.
struct Span {
  int row;
  int left;
  int right;  // inclusive
};

// The contour being traced, in path coordinates.
struct Trace {
  std::string text;
  int start_x = 0;
  int start_y = 0;
  int x = 0;
  int y = 0;
  int steps = 0;
  int min_x = 0;
  int max_x = 0;
  int min_y = 0;
  int max_y = 0;
};

// The run works on each island's own rows and columns only: nothing but the island being
// processed can be black in the artwork next to the rows it marks, and nothing but its ring
// is black in the engraving bitmap, so the table and both bitmaps come out as a scan of the
// whole image per island would leave them.
class Extractor {
 public:
  Extractor(Workspace& ws, Host& host, const ExtractionSettings& settings)
      : ws_(ws), host_(host), settings_(settings), art_(ws.ArtworkBitmap), eng_(ws.EngravingBitmap) {}

  RunOutcome Run();

 private:
  std::uint8_t* ArtPixel(int x, int row) { return art_.Row(row) + 3 * x; }
  std::uint8_t* EngPixel(int x, int row) { return eng_.Row(row) + 3 * x; }
  bool EngravingBlackAt(int x, int y) {
    const int row = height_ - y;
    return x >= 0 && row >= 0 && x < width_ && row < height_ && IsBlackPixel(EngPixel(x, row));
  }

  bool FindIslandSeed(int* xs, int* rs);
  void FillIsland(int xs, int rs);
  void MarkOutline(int rs);
  bool FindOutlineStart(int* x0, int* y0);
  bool TraceOutline(Trace& t);
  void StepBack(Trace& t);
  void TraceContour(int x0, int y0);
  void ClassifyIsland(int first);
  void PaintIslandBlue();

  Workspace& ws_;
  Host& host_;
  const ExtractionSettings& settings_;
  Bitmap& art_;
  Bitmap& eng_;
  int width_ = 0;
  int height_ = 0;

  // Seed search cursor: everything before it in scan order is known not to be black.
  int seed_row_ = 0;
  int seed_x_ = 0;

  std::vector<Span> island_;
  std::vector<Span> pending_;  // fill stack: pixels whose span is still to be found (left = right = x)
  int island_top_ = 0;         // smallest row of the island
  int island_left_ = 0;
  int island_right_ = 0;

  // Outline search window (rows, columns inclusive) and its resume row.
  bool search_whole_image_ = false;
  int window_top_ = 0;
  int window_bottom_ = 0;
  int window_left_ = 0;
  int window_right_ = 0;
  int search_row_ = 0;
};

RunOutcome Extractor::Run() {
  const auto started = std::chrono::steady_clock::now();
  if (eng_.Width() != art_.Width() || eng_.Height() != art_.Height()) {
    eng_ = Bitmap(art_.Width(), art_.Height(), kWhite);
  }
  width_ = art_.Width();
  height_ = art_.Height();
  ws_.Table.Clear();
  seed_row_ = height_ - 1;
  seed_x_ = 0;
  host_.PumpEvents();

  // Black pixels already in the engraving bitmap are traced with the first island, as its
  // outline search would find them anywhere in the image.
  search_whole_image_ = false;
  for (int row = 0; row < height_ && !search_whole_image_; ++row) {
    for (int x = 0; x < width_; ++x) {
      if (IsBlackPixel(EngPixel(x, row))) {
        search_whole_image_ = true;
        break;
      }
    }
  }

  int xs = 0;
  int rs = 0;
  while (FindIslandSeed(&xs, &rs) && !ws_.StopRequest) {
    host_.PumpEvents();
    FillIsland(xs, rs);
    host_.ShowProgress(height_ - rs, height_);
    host_.RefreshView(View::Artwork);
    MarkOutline(rs);

    const int first = ws_.Table.ContourCount();
    if (search_whole_image_) {
      window_top_ = 0;
      window_bottom_ = height_ - 1;
      window_left_ = 0;
      window_right_ = width_ - 1;
    } else {
      window_top_ = std::max(island_top_ - 1, 0);
      window_bottom_ = std::min(rs + 1, height_ - 1);
      window_left_ = std::max(island_left_ - 1, 0);
      window_right_ = std::min(island_right_ + 1, width_ - 1);
    }
    search_row_ = window_bottom_;
    int x0 = 0;
    int y0 = 0;
    while (!ws_.StopRequest && FindOutlineStart(&x0, &y0)) TraceContour(x0, y0);
    // Once an island's contour loop has run out of black pixels none is left anywhere (after
    // a stop the run ends).
    search_whole_image_ = false;
    ClassifyIsland(first);
    PaintIslandBlue();
    host_.RefreshView(View::Artwork);
    host_.RefreshView(View::Engraving);
  }

  ws_.SelectedContour = 0;
  DrawContour(ws_, host_, 0, kBlue, true, kTargetEngraving);
  host_.ShowProgress(height_, height_);
  const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
  ws_.RunLog.push_back(std::to_string(elapsed.count()));
  return ws_.StopRequest ? RunOutcome::Stopped : RunOutcome::Completed;
}

bool Extractor::FindIslandSeed(int* xs, int* rs) {
  for (; seed_row_ >= 0; --seed_row_, seed_x_ = 0) {
    const std::uint8_t* p = art_.Row(seed_row_);
    for (; seed_x_ < width_; ++seed_x_) {
      if (IsBlackPixel(p + 3 * seed_x_)) {
        *xs = seed_x_;
        *rs = seed_row_;
        return true;
      }
    }
  }
  return false;
}

// 8-connected span fill from the seed: black becomes red, and the island's spans are kept
// for the marking and the final blue paint.
void Extractor::FillIsland(int xs, int rs) {
  island_.clear();
  pending_.clear();
  pending_.push_back({rs, xs, xs});
  island_top_ = rs;
  island_left_ = xs;
  island_right_ = xs;
  while (!pending_.empty()) {
    const Span seed = pending_.back();
    pending_.pop_back();
    const int row = seed.row;
    std::uint8_t* line = art_.Row(row);
    if (!IsBlackPixel(line + 3 * seed.left)) continue;
    int left = seed.left;
    int right = seed.left;
    while (left > 0 && IsBlackPixel(line + 3 * (left - 1))) --left;
    while (right < width_ - 1 && IsBlackPixel(line + 3 * (right + 1))) ++right;
    for (int x = left; x <= right; ++x) Paint(line + 3 * x, kRed);
    island_.push_back({row, left, right});
    island_top_ = std::min(island_top_, row);
    island_left_ = std::min(island_left_, left);
    island_right_ = std::max(island_right_, right);
    const int from = std::max(left - 1, 0);
    const int to = std::min(right + 1, width_ - 1);
    for (int next_row : {row - 1, row + 1}) {
      if (next_row < 0 || next_row >= height_) continue;
      const std::uint8_t* next = art_.Row(next_row);
      for (int x = from; x <= to; ++x) {
        if (!IsBlackPixel(next + 3 * x)) continue;
        pending_.push_back({next_row, x, x});
        while (x <= to && IsBlackPixel(next + 3 * x)) ++x;
      }
    }
  }
}

// A white artwork pixel within one pixel (8 directions) of the island becomes black in the
// engraving bitmap. The rows are visited from just below the seed up to the top, letting
// window events run on each; a stop leaves the rows not yet visited unmarked.
void Extractor::MarkOutline(int rs) {
  const int start_row = rs + 1 < height_ ? rs + 1 : height_ - 1;
  int lowest_unmarked = -1;  // rows above start_row down to this one were not reached
  for (int row = start_row; row >= 0; --row) {
    host_.PumpEvents();
    if (ws_.StopRequest) {
      lowest_unmarked = row;
      break;
    }
  }
  for (const Span& s : island_) {
    const int from = std::max(s.left - 1, 0);
    const int to = std::min(s.right + 1, width_ - 1);
    for (int row = std::max(s.row - 1, 0); row <= std::min(s.row + 1, height_ - 1); ++row) {
      if (row <= lowest_unmarked) continue;
      const std::uint8_t* a = art_.Row(row);
      std::uint8_t* e = eng_.Row(row);
      for (int x = from; x <= to; ++x) {
        if (IsWhitePixel(a + 3 * x)) Paint(e + 3 * x, kBlack);
      }
    }
  }
}

// The first black engraving pixel from the bottom of the window upwards, each row from the
// left; the search resumes on the row of its last find.
bool Extractor::FindOutlineStart(int* x0, int* y0) {
  for (; search_row_ >= window_top_; --search_row_) {
    const std::uint8_t* e = eng_.Row(search_row_);
    for (int x = window_left_; x <= window_right_; ++x) {
      if (IsBlackPixel(e + 3 * x)) {
        *x0 = x;
        *y0 = height_ - search_row_;
        return true;
      }
    }
  }
  return false;
}

// Follows black engraving pixels, marking each visited position red, until no black
// neighbour is left or a stop is requested. True when it ended on its start.
bool Extractor::TraceOutline(Trace& t) {
  for (;;) {
    host_.PumpEvents();
    bool moved = false;
    for (int k = 0; k < 8; ++k) {
      const int nx = t.x + kStepDx[k];
      const int ny = t.y + kStepDy[k];
      if (EngravingBlackAt(nx, ny)) {
        t.text += kStepCode[k];
        t.x = nx;
        t.y = ny;
        moved = true;
        break;
      }
    }
    Paint(EngPixel(t.x, height_ - t.y), kRed);
    t.min_x = std::min(t.min_x, t.x);
    t.max_x = std::max(t.max_x, t.x);
    t.min_y = std::min(t.min_y, t.y);
    t.max_y = std::max(t.max_y, t.y);
    if (moved) ++t.steps;
    if (!moved || ws_.StopRequest) break;
  }
  return t.x == t.start_x && t.y == t.start_y;
}

// Undoes the last step of the path (not its red mark nor its bounding box).
void Extractor::StepBack(Trace& t) {
  const char cx = t.text[t.text.size() - 2];
  const char cy = t.text[t.text.size() - 1];
  t.text.resize(t.text.size() - 2);
  t.x -= cx == '+' ? 1 : cx == '-' ? -1 : 0;
  t.y -= cy == '+' ? 1 : cy == '-' ? -1 : 0;
  --t.steps;
}

void Extractor::TraceContour(int x0, int y0) {
  host_.PumpEvents();
  Trace t;
  t.text = "(" + std::to_string(x0) + ";" + std::to_string(y0) + ")";
  t.start_x = t.x = t.min_x = t.max_x = x0;
  t.start_y = t.y = t.min_y = t.max_y = y0;
  for (;;) {
    const bool closed = TraceOutline(t);
    host_.PumpEvents();
    if (ws_.StopRequest || closed) break;
    if (t.steps > 2) {
      StepBack(t);
    } else {
      t.text += "NOT";
      break;
    }
  }
  t.text += "CLOSED";
  if (t.steps <= 1 || ws_.StopRequest) return;  // dropped; its pixels stay red
  t.text += " Points : " + std::to_string(t.steps) + "Fin(" + std::to_string(t.x) + "," + std::to_string(t.y) + ")";
  ws_.ContourLog.push_back(t.text);

  Contour c;
  c.IsClosed = t.text.find("NOTCLOSED") == std::string::npos;
  c.PathText = std::move(t.text);
  c.StartX = t.start_x;
  c.StartY = t.start_y;
  c.EndX = t.x;
  c.EndY = t.y;
  c.PointCount = t.steps;
  c.MinX = t.min_x;
  c.MaxX = t.max_x;
  c.MinY = t.min_y;
  c.MaxY = t.max_y;
  c.CenterX = static_cast<std::int32_t>(RoundHalfEvenToInt((t.min_x + t.max_x) / 2.0));
  c.CenterY = static_cast<std::int32_t>(RoundHalfEvenToInt((t.min_y + t.max_y) / 2.0));
  if (t.steps < settings_.pad_points) {
    c.IsPad = IsIsolated(ws_, c.MinX, c.MaxX, c.MinY, c.MaxY);
    c.IsUseless = !c.IsPad;
  }
  if (c.IsPad) DrawDrillMark(ws_, c, settings_.hole_size);
  ws_.Table.items.push_back(std::move(c));
}

// Of the island's contours only the longest (the first of equals) stays engraved; the
// others that are not pads become useless.
void Extractor::ClassifyIsland(int first) {
  const int count = ws_.Table.ContourCount();
  if (first >= count) return;
  int longest = first;
  for (int i = first + 1; i < count; ++i) {
    if (ws_.Table[i].PointCount > ws_.Table[longest].PointCount) longest = i;
  }
  for (int i = first; i < count; ++i) {
    if (i != longest && !ws_.Table[i].IsPad) ws_.Table[i].IsUseless = true;
  }
}

void Extractor::PaintIslandBlue() {
  for (const Span& s : island_) {
    std::uint8_t* line = art_.Row(s.row);
    for (int x = s.left; x <= s.right; ++x) Paint(line + 3 * x, kBlue);
  }
}

}  // namespace

bool IsIsolated(const Workspace& ws, int min_x, int max_x, int min_y, int max_y) {
  const Bitmap& eng = ws.EngravingBitmap;
  auto white_at = [&](int x, int y) {
    const int row = eng.RowOf(y);
    return eng.Contains(x, row) && eng.Is(x, row, kWhite);
  };
  for (int x = min_x - 1; x <= max_x + 1; ++x) {
    if (!white_at(x, max_y + 1) || !white_at(x, min_y - 1)) return false;
  }
  for (int y = min_y - 1; y <= max_y + 1; ++y) {
    if (!white_at(min_x - 1, y) || !white_at(max_x + 1, y)) return false;
  }
  return true;
}

RunOutcome ExtractContours(Workspace& ws, Host& host, const ExtractionSettings& settings) {
  Extractor extractor(ws, host, settings);
  return extractor.Run();
}

}  // namespace pistora
