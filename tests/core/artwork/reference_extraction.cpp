#include "core/artwork/reference_extraction.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "core/artwork/contour_drawing.h"

namespace pistora::testing {
namespace {

struct Neighbour {
  const char* code;
  int dx;
  int dy;
};
constexpr Neighbour kOrder[8] = {{"+*", 1, 0},  {"++", 1, 1},   {"*+", 0, 1},  {"-+", -1, 1},
                                 {"-*", -1, 0}, {"--", -1, -1}, {"*-", 0, -1}, {"+-", 1, -1}};

int Round(double v) { return static_cast<int>(std::nearbyint(v)); }  // default mode: halves to even

struct State {
  Workspace& ws;
  Host& host;
  const ExtractionSettings& settings;
  int w;
  int h;
  std::vector<char> island;  // pixels of the island being processed (the red surface)

  bool InIsland(int x, int row) const { return island[static_cast<std::size_t>(row) * w + x] != 0; }

  void FloodFill(int xs, int rs) {
    std::vector<std::pair<int, int>> stack{{xs, rs}};
    ws.ArtworkBitmap.Set(xs, rs, kRed);
    island[static_cast<std::size_t>(rs) * w + xs] = 1;
    while (!stack.empty()) {
      auto [x, row] = stack.back();
      stack.pop_back();
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx;
          const int nr = row + dy;
          if (!ws.ArtworkBitmap.Contains(nx, nr) || !ws.ArtworkBitmap.Is(nx, nr, kBlack)) continue;
          ws.ArtworkBitmap.Set(nx, nr, kRed);
          island[static_cast<std::size_t>(nr) * w + nx] = 1;
          stack.push_back({nx, nr});
        }
      }
    }
  }

  struct Trace {
    std::string text;
    int sx, sy, x, y, steps, min_x, max_x, min_y, max_y;
  };

  bool TraceOutline(Trace& t) {
    bool moved;
    do {
      host.PumpEvents();
      moved = false;
      for (const Neighbour& n : kOrder) {
        if (ReadEngravingPixel(ws, t.x + n.dx, t.y + n.dy) == kBlack) {
          t.text += n.code;
          t.x += n.dx;
          t.y += n.dy;
          moved = true;
          break;
        }
      }
      ws.EngravingBitmap.Set(t.x, h - t.y, kRed);
      t.min_x = std::min(t.min_x, t.x);
      t.max_x = std::max(t.max_x, t.x);
      t.min_y = std::min(t.min_y, t.y);
      t.max_y = std::max(t.max_y, t.y);
      if (moved) ++t.steps;
    } while (moved && !ws.StopRequest);
    return t.x == t.sx && t.y == t.sy;
  }

  void StepBack(Trace& t) {
    const std::string code = t.text.substr(t.text.size() - 2);
    t.text.erase(t.text.size() - 2);
    for (const Neighbour& n : kOrder) {
      if (code == n.code) {
        t.x -= n.dx;
        t.y -= n.dy;
      }
    }
    --t.steps;
  }

  RunOutcome Run() {
    if (!(ws.EngravingBitmap.Width() == w && ws.EngravingBitmap.Height() == h)) {
      ws.EngravingBitmap = Bitmap(w, h, kWhite);
    }
    ws.Table.Clear();
    int seed_row = h - 1;
    host.PumpEvents();
    for (;;) {
      // Seed search.
      int xs = -1;
      int rs = -1;
      for (int row = seed_row; row >= 0 && xs < 0; --row) {
        for (int x = 0; x < w; ++x) {
          if (ws.ArtworkBitmap.Is(x, row, kBlack)) {
            xs = x;
            rs = row;
            break;
          }
        }
      }
      if (xs < 0 || ws.StopRequest) break;
      seed_row = rs;
      host.PumpEvents();
      island.assign(static_cast<std::size_t>(w) * h, 0);
      FloodFill(xs, rs);
      host.ShowProgress(h - rs, h);
      host.RefreshView(View::Artwork);

      // Outline marking.
      for (int row = rs == h - 1 ? h - 1 : rs + 1; row >= 0; --row) {
        host.PumpEvents();
        if (ws.StopRequest) break;
        for (int x = 0; x < w; ++x) {
          if (!ws.ArtworkBitmap.Is(x, row, kWhite)) continue;
          bool touches = false;
          for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
              const int nx = std::clamp(x + dx, 0, w - 1);
              const int nr = std::clamp(row + dy, 0, h - 1);
              touches = touches || InIsland(nx, nr);
            }
          }
          if (touches) ws.EngravingBitmap.Set(x, row, kBlack);
        }
      }

      // Contour loop.
      const int first = ws.Table.ContourCount();
      int line = 1;
      for (;;) {
        int x0 = -1;
        int y0 = -1;
        for (int y = line; y <= h && x0 < 0; ++y) {
          for (int x = 0; x < w; ++x) {
            if (ws.EngravingBitmap.Is(x, h - y, kBlack)) {
              x0 = x;
              y0 = y;
              break;
            }
          }
        }
        if (x0 < 0 || ws.StopRequest) break;
        line = y0;
        host.PumpEvents();
        Trace t{"(" + std::to_string(x0) + ";" + std::to_string(y0) + ")", x0, y0, x0, y0, 0, x0, x0, y0, y0};
        bool closed = false;
        while (!closed) {
          closed = TraceOutline(t);
          host.PumpEvents();
          if (ws.StopRequest) break;
          if (!closed) {
            if (t.steps > 2) {
              StepBack(t);
            } else {
              t.text += "NOT";
              closed = true;
            }
          }
        }
        t.text += "CLOSED";
        if (t.steps <= 1 || ws.StopRequest) continue;
        t.text += " Points : " + std::to_string(t.steps) + "Fin(" + std::to_string(t.x) + "," + std::to_string(t.y) + ")";
        ws.ContourLog.push_back(t.text);
        Contour c;
        c.PathText = t.text;
        c.StartX = x0;
        c.StartY = y0;
        c.EndX = t.x;
        c.EndY = t.y;
        c.MinX = t.min_x;
        c.MaxX = t.max_x;
        c.MinY = t.min_y;
        c.MaxY = t.max_y;
        c.CenterX = Round((c.MinX + c.MaxX) / 2.0);
        c.CenterY = Round((c.MinY + c.MaxY) / 2.0);
        c.PointCount = t.steps;
        c.IsClosed = t.text.find("NOTCLOSED") == std::string::npos;
        c.IsUseless = false;
        if (t.steps < settings.pad_points) {
          c.IsPad = IsIsolated(ws, c.MinX, c.MaxX, c.MinY, c.MaxY);
          if (!c.IsPad) c.IsUseless = true;
        } else {
          c.IsPad = false;
        }
        if (c.IsPad) DrawDrillMark(ws, c, settings.hole_size);
        ws.Table.items.push_back(c);
      }

      // Island classification.
      int longest = -1;
      for (int i = first; i < ws.Table.ContourCount(); ++i) {
        if (longest < 0 || ws.Table[i].PointCount > ws.Table[longest].PointCount) longest = i;
      }
      for (int i = first; i < ws.Table.ContourCount(); ++i) {
        if (i != longest && !ws.Table[i].IsPad) ws.Table[i].IsUseless = true;
      }

      // The island is processed: blue.
      for (int row = 0; row < h; ++row) {
        for (int x = 0; x < w; ++x) {
          if (InIsland(x, row)) ws.ArtworkBitmap.Set(x, row, kBlue);
        }
      }
      host.RefreshView(View::Artwork);
      host.RefreshView(View::Engraving);
    }

    ws.SelectedContour = 0;
    DrawContour(ws, host, 0, kBlue, true, kTargetEngraving);
    host.ShowProgress(h, h);
    ws.RunLog.push_back("0");
    return ws.StopRequest ? RunOutcome::Stopped : RunOutcome::Completed;
  }
};

}  // namespace

RunOutcome ReferenceExtractContours(Workspace& ws, Host& host, const ExtractionSettings& settings) {
  State state{ws, host, settings, ws.ArtworkBitmap.Width(), ws.ArtworkBitmap.Height(), {}};
  return state.Run();
}

}  // namespace pistora::testing
