#include "core/artwork/verification.h"

#include "core/artwork/path_text.h"
#include "core/artwork/pixel_distance.h"

namespace pistora {
namespace {

// Right-clicks inside a drill mark select a pad whose centre is closer than this, in pixels.
constexpr int kPadPickDistance = 5;

bool IsContour(const ContourTable& table, int i) { return i >= 0 && i < table.ContourCount(); }

bool IsUsefulTrack(const Contour& c) { return !c.IsUseless && !c.IsPad; }

template <typename Match>
int SearchUp(const ContourTable& table, int v, Match match) {
  const int last = table.ContourCount() - 1;
  if (last < 0) return v;
  for (int i = v; i < last;) {
    ++i;
    if (i >= 0 && match(table[i])) return i;
  }
  return last;
}

template <typename Match>
int SearchDown(const ContourTable& table, int v, Match match) {
  if (table.ContourCount() == 0) return v;
  for (int i = v; i > 0;) {
    --i;
    if (i < table.ContourCount() && match(table[i])) return i;
  }
  return 0;
}

}  // namespace

void VerifyView(Workspace& ws, Host& host, int hole_size) {
  ws.StopRequest = false;
  ws.EngravingBitmap.Fill(kWhite);
  DrawUselessContours(ws, host);
  DrawUsefulContours(ws, host, true, hole_size);
}

SelectionPanel PanelFor(const ContourTable& table, int index) {
  SelectionPanel panel;
  panel.counters = CountContours(table);
  if (IsContour(table, index)) {
    panel.pad_checked = table[index].IsPad;
    panel.useless_checked = table[index].IsUseless;
  }
  return panel;
}

SelectionPanel SelectContour(Workspace& ws, Host& host, int n, int hole_size) {
  const int p = ws.SelectedContour;
  if (IsContour(ws.Table, p)) {
    const Contour& previous = ws.Table[p];
    if (previous.IsPad) {
      DrawDrillMark(ws, previous, hole_size, kGreen);
    } else {
      DrawContour(ws, host, p, previous.IsUseless ? kYellow : kBlack, false, kTargetEngraving);
    }
  }
  if (IsContour(ws.Table, n)) {
    if (ws.Table[n].IsPad) {
      DrawDrillMark(ws, ws.Table[n], hole_size, kBlue);
    } else {
      DrawContour(ws, host, n, kBlue, false, kTargetEngraving);
    }
  }
  ws.SelectedContour = n;
  host.RefreshView(View::Engraving);
  return PanelFor(ws.Table, n);
}

bool PointOnContour(const Workspace& ws, int i, int x, int y, Host* host) {
  if (!IsContour(ws.Table, i)) return false;
  const std::string& path = ws.Table[i].PathText;
  const std::optional<PathPoint> start = ParsePathStart(path);
  if (!start) return false;
  int px = start->x;
  int py = start->y;
  bool found = px == x && py == y;
  ForEachStep(path, [&](Step step) {
    if (host != nullptr) host->PumpEvents();
    if (ws.StopRequest) return false;
    px += step.dx;
    py += step.dy;
    found = found || (px == x && py == y);
    return true;
  });
  return found;
}

PixelPoint ContourCentre(const Contour& c, int height) { return {c.CenterX, height - c.CenterY}; }

ReadViewColour EngravingViewColours(const Workspace& ws, int hpos, int vpos) {
  return [&ws, hpos, vpos](int view_x, int view_y) -> std::optional<Rgb> {
    const int x = view_x + hpos;
    const int row = view_y + vpos;
    if (view_x < 0 || view_y < 0 || !ws.EngravingBitmap.Contains(x, row)) return std::nullopt;
    return ws.EngravingBitmap.At(x, row);
  };
}

std::optional<int> ContourAtViewPoint(const Workspace& ws, int view_x, int view_y, int hpos, int vpos,
                                      const ReadViewColour& read_view_colour, Host* host) {
  int bx = view_x + hpos;
  int by = view_y + vpos;
  std::optional<Rgb> colour = read_view_colour(view_x, view_y);
  if (colour == kWhite) {
    for (int dx = -1; dx <= 1; ++dx) {
      for (int dy = -1; dy <= 1; ++dy) {
        const std::optional<Rgb> c = read_view_colour(view_x + dx, view_y + dy);
        if (c && *c != kWhite) {
          colour = c;
          bx = view_x + dx + hpos;
          by = view_y + dy + vpos;
        }
      }
    }
  }
  if (!colour) return std::nullopt;
  const int h = ws.EngravingBitmap.Height();
  const ContourTable& table = ws.Table;
  for (int i = 0; i < table.ContourCount(); ++i) {
    const Contour& c = table[i];
    if (*colour == kBlack) {
      if (IsUsefulTrack(c) && PointOnContour(ws, i, bx, h - by, host)) return i;
    } else if (*colour == kYellow) {
      if (c.IsUseless && PointOnContour(ws, i, bx, h - by, host)) return i;
    } else if (*colour == kGreen) {
      if (c.IsPad && PixelDistance(bx, by, c.CenterX, h - c.CenterY) < kPadPickDistance) return i;
    } else {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

void SetPadFlag(ContourTable& table, int index, bool checked) {
  if (!IsContour(table, index)) return;
  table[index].IsPad = checked;
  // A pad is drilled and engraved: it cannot be useless too.
  if (checked) table[index].IsUseless = false;
}

bool SetUselessFlag(ContourTable& table, int index, bool checked) {
  if (!IsContour(table, index)) return false;
  if (table[index].IsPad) return true;
  table[index].IsUseless = checked;
  return false;
}

int NextPad(const ContourTable& table, int v) {
  return SearchUp(table, v, [](const Contour& c) { return c.IsPad; });
}
int PreviousPad(const ContourTable& table, int v) {
  return SearchDown(table, v, [](const Contour& c) { return c.IsPad; });
}
int NextUsefulTrack(const ContourTable& table, int v) { return SearchUp(table, v, IsUsefulTrack); }
int PreviousUsefulTrack(const ContourTable& table, int v) { return SearchDown(table, v, IsUsefulTrack); }
int NextUselessContour(const ContourTable& table, int v) {
  return SearchUp(table, v, [](const Contour& c) { return c.IsUseless; });
}
int PreviousUselessContour(const ContourTable& table, int v) {
  return SearchDown(table, v, [](const Contour& c) { return c.IsUseless; });
}

}  // namespace pistora
