#include "core/artwork/contour_drawing.h"

#include "core/artwork/path_text.h"

namespace pistora {

void PlotPixel(Workspace& ws, int x, int y, Rgb colour, int target) {
  Bitmap* bitmap = target == kTargetArtwork     ? &ws.ArtworkBitmap
                   : target == kTargetEngraving ? &ws.EngravingBitmap
                                                : nullptr;
  if (bitmap == nullptr) return;
  const int row = ws.EngravingBitmap.Height() - y;
  if (bitmap->Contains(x, row)) bitmap->Set(x, row, colour);
}

std::optional<Rgb> ReadEngravingPixel(const Workspace& ws, int x, int y) {
  const int row = ws.EngravingBitmap.Height() - y;
  if (!ws.EngravingBitmap.Contains(x, row)) return std::nullopt;
  return ws.EngravingBitmap.At(x, row);
}

void DrawContour(Workspace& ws, Host& host, int index, Rgb colour, bool refresh, int target,
                 Animation* animation) {
  if (index < 0 || index >= ws.Table.ContourCount()) return;
  // The path text is copied: window events run during the walk and may change the table.
  const std::string path = ws.Table[index].PathText;
  const std::optional<PathPoint> start = ParsePathStart(path);
  if (!start) return;
  int x = start->x;
  int y = start->y;
  PlotPixel(ws, x, y, colour, target);
  host.RefreshView(View::Engraving);
  ForEachStep(path, [&](Step step) {
    host.PumpEvents();
    if (ws.StopRequest) return false;
    x += step.dx;
    y += step.dy;
    PlotPixel(ws, x, y, colour, target);
    if (animation != nullptr && ++animation->counter > animation->speed) {
      animation->counter = 0;
      host.RefreshView(View::Engraving);
    }
    return true;
  });
  if (refresh) host.RefreshView(target == kTargetArtwork ? View::Artwork : View::Engraving);
}

void DrawDrillMark(Workspace& ws, const Contour& pad, int hole_size, Rgb colour) {
  for (int y = pad.CenterY - hole_size; y <= pad.CenterY + hole_size; ++y) {
    for (int x = pad.CenterX - hole_size; x <= pad.CenterX + hole_size; ++x) {
      PlotPixel(ws, x, y, colour, kTargetEngraving);
    }
  }
}

void DrawUselessContours(Workspace& ws, Host& host) {
  for (int i = 0; i < ws.Table.ContourCount(); ++i) {
    if (ws.Table[i].IsUseless) DrawContour(ws, host, i, kYellow, false, kTargetEngraving);
  }
  host.RefreshView(View::Engraving);
}

void DrawUsefulContours(Workspace& ws, Host& host, bool with_drill_marks, int hole_size) {
  for (int i = 0; i < ws.Table.ContourCount(); ++i) {
    const Contour& c = ws.Table[i];
    if (c.IsUseless) continue;
    if (!c.IsPad) {
      DrawContour(ws, host, i, kBlack, false, kTargetEngraving);
    } else if (with_drill_marks) {
      DrawDrillMark(ws, c, hole_size);
    }
  }
  host.RefreshView(View::Engraving);
}

ContourCounters CountContours(const ContourTable& table) {
  ContourCounters counters;
  for (const Contour& c : table.items) {
    if (c.IsPad) ++counters.DrillCount;
    if (!c.IsPad && !c.IsUseless) ++counters.UsefulTrackCount;
  }
  return counters;
}

}  // namespace pistora
