#include "core/artwork/thickening.h"

#include <string>

#include "core/artwork/contour_drawing.h"
#include "core/artwork/path_text.h"
#include "core/artwork/pixel_distance.h"
#include "core/artwork/smoothing.h"
#include "core/text/numbers.h"

namespace pistora {
namespace {

bool IsUseful(const Contour& c) { return !c.IsUseless && !c.IsPad; }

View ViewOf(int target) { return target == kTargetArtwork ? View::Artwork : View::Engraving; }

bool EngravingPixelIs(const Workspace& ws, int x, int y, Rgb colour) {
  const std::optional<Rgb> pixel = ReadEngravingPixel(ws, x, y);
  return pixel && *pixel == colour;
}

// Where the point of one step is pushed (one pixel to the right of the direction of travel),
// and whether it is taken at all, given the walk position (x, y) before the step and the last
// point (nx, ny) of the new path. Straight steps add a point only when the walk has moved past
// the new path along their axis.
struct Push {
  bool taken = false;
  int px = 0;
  int py = 0;
};

Push PushedPoint(Step step, int x, int y, int nx, int ny) {
  if (step.dx == 1 && step.dy == 0) return {x > nx, x, y - 1};   // "+*"
  if (step.dx == 1 && step.dy == 1) return {true, x + 1, y};      // "++"
  if (step.dx == 0 && step.dy == 1) return {y > ny, x + 1, y};   // "*+"
  if (step.dx == -1 && step.dy == 1) return {true, x, y + 1};     // "-+"
  if (step.dx == -1 && step.dy == 0) return {x < nx, x, y + 1};  // "-*"
  if (step.dx == -1 && step.dy == -1) return {true, x - 1, y};    // "--"
  if (step.dx == 0 && step.dy == -1) return {y < ny, x - 1, y};  // "*-"
  return {true, x, y - 1};                                        // "+-"
}

int Midpoint(int a, int b) { return static_cast<int>(RoundHalfEvenToInt((a + b) / 2.0)); }

}  // namespace

bool ThickenContour(Workspace& ws, Host& host, int index, Rgb colour, bool refresh, int target) {
  if (index < 0 || index >= ws.Table.ContourCount()) return true;
  // Copied: window events run during the rebuild.
  const std::string old_path = ws.Table[index].PathText;
  const std::optional<PathPoint> start = ParsePathStart(old_path);
  if (!start) return true;

  PathPoint new_start = *start;
  if (!EngravingPixelIs(ws, start->x - 1, start->y, colour)) new_start.x -= 1;
  int x = new_start.x;  // the walk, replaying the old steps
  int y = new_start.y;
  int nx = x;  // the last point of the new path
  int ny = y;
  PlotPixel(ws, nx, ny, colour, target);
  host.RefreshView(ViewOf(target));

  std::string codes;
  auto append_point = [&](int px, int py) {
    PlotPixel(ws, px, py, colour, target);
    codes += StepCodeBetween(nx, ny, px, py);
    nx = px;
    ny = py;
  };

  bool stopped = false;
  ForEachStep(old_path, [&](Step step) {
    host.PumpEvents();
    const Push push = PushedPoint(step, x, y, nx, ny);
    if (push.taken) {
      int cx = push.px;
      int cy = push.py;
      if (EngravingPixelIs(ws, cx, cy, colour)) {
        cx = x;
        cy = y;
      }
      if (PixelDistance(cx, cy, nx, ny) >= 2) append_point(Midpoint(cx, nx), Midpoint(cy, ny));
      append_point(cx, cy);
    }
    x += step.dx;
    y += step.dy;
    stopped = ws.StopRequest;
    return !stopped;
  });

  const std::size_t pushed_codes = codes.size() / 2;
  std::string closing = "+-";
  if (!stopped) {
    // The new path closes on its own start: the pushed points of a real outline seldom end one
    // diagonal step from it, and a ring that stays open leaves copper joined to its neighbours.
    closing.clear();
    while (nx != new_start.x || ny != new_start.y) {
      const int px = nx + (new_start.x > nx) - (new_start.x < nx);
      const int py = ny + (new_start.y > ny) - (new_start.y < ny);
      closing += StepCodeBetween(nx, ny, px, py);
      PlotPixel(ws, px, py, colour, target);
      nx = px;
      ny = py;
    }
  }
  const std::string head = "(" + std::to_string(new_start.x) + ";" + std::to_string(new_start.y) + ")";
  // Window events may have replaced the table meanwhile (a new artwork or engraving file).
  if (index < ws.Table.ContourCount()) {
    Contour& c = ws.Table[index];
    c.PathText = head + codes + closing + "CLOSED Points : " + std::to_string(pushed_codes) + "Fin" + head;
    // The programs start at StartX/StartY: the plunge goes where the new path starts.
    c.StartX = c.EndX = new_start.x;
    c.StartY = c.EndY = new_start.y;
  }
  if (refresh) host.RefreshView(ViewOf(target));
  return !stopped;
}

bool ThickenTracks(Workspace& ws, Host& host, int hole_size) {
  ws.StopRequest = false;
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < ws.Table.ContourCount(); ++i) {
      if (IsUseful(ws.Table[i])) SmoothContour(ws.Table, i);
    }
  }

  auto redraw = [&] {
    ws.StopRequest = false;
    ws.EngravingBitmap.Fill(kWhite);
    DrawUselessContours(ws, host);
    DrawUsefulContours(ws, host, true, hole_size);
  };
  redraw();

  bool completed = true;
  // ContourCount() is read on every turn: window events run inside the rebuilds.
  for (int i = 0; i < ws.Table.ContourCount(); ++i) {
    if (!IsUseful(ws.Table[i])) continue;
    if (!ThickenContour(ws, host, i, kBlack, true, kTargetEngraving)) completed = false;
  }
  // Drill points stay at their holes' centres: thickening moves the paths around the copper,
  // never the copper.
  redraw();
  return completed;
}

bool ApplyContourRewrites(Workspace& ws, Host& host, int hole_size, int thicken_times, bool smooth) {
  if (smooth) SmoothUsefulContours(ws);
  bool completed = true;
  for (int n = 0; n < thicken_times; ++n) {
    if (!ThickenTracks(ws, host, hole_size)) completed = false;
  }
  return completed;
}

}  // namespace pistora
