#include "core/job/drill_placement.h"

#include <algorithm>
#include <cmath>

#include "core/artwork/copper_map.h"
#include "core/text/message_translation.h"
#include "core/text/numbers.h"

namespace pistora {

namespace {

constexpr int kNamedOffCopperHoles = 5;

// Copper of the analysed artwork within `radius` pixels of a path point.
bool CopperNear(const Bitmap& art, int x, int y, int radius) {
  const int row = art.RowOf(y);
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      if (dx * dx + dy * dy > radius * radius) continue;
      if (art.Contains(x + dx, row + dy) && IsCopperColour(art.At(x + dx, row + dy))) return true;
    }
  }
  return false;
}

}  // namespace

PathPixel BoardToPath(const PictureFrame& frame, double x_mm, double y_mm) {
  // Distances from the picture's left and bottom edges, in pixels.
  double from_left = (x_mm - frame.origin_x_mm) / frame.pixel_mm;
  const double from_bottom = (y_mm - frame.origin_y_mm) / frame.pixel_mm;
  if (frame.mirrored) from_left = frame.width - from_left;
  // Column c spans [c, c + 1) from the left edge; row r from the top spans [r, r + 1), and its
  // path y is height - r, so a pixel's path y spans [y - 1, y) from the bottom edge.
  return {static_cast<int>(std::floor(from_left)), static_cast<int>(std::floor(from_bottom)) + 1};
}

std::string DrillFileHolePath(int x, int y, double diameter_mm) {
  return "(" + std::to_string(x) + ";" + std::to_string(y) + ")TROU " + FormatFixed(diameter_mm, 6) + " mm";
}

void OpenDrillHoles(Bitmap& picture, const std::vector<DrillHole>& holes, const PictureFrame& frame) {
  for (const DrillHole& hole : holes) {
    const PathPixel p = BoardToPath(frame, hole.x_mm, hole.y_mm);
    const double radius = hole.diameter_mm / 2.0 / frame.pixel_mm;
    const int reach = static_cast<int>(std::ceil(radius));
    const int row = picture.RowOf(p.y);
    for (int dy = -reach; dy <= reach; ++dy) {
      for (int dx = -reach; dx <= reach; ++dx) {
        if (dx * dx + dy * dy <= radius * radius && picture.Contains(p.x + dx, row + dy)) {
          picture.Set(p.x + dx, row + dy, kWhite);
        }
      }
    }
  }
}

Status PlaceDrillHoles(Workspace& ws, const std::vector<DrillHole>& holes, const PictureFrame& frame,
                       DrillPlacement* placement) {
  const int width = ws.ArtworkBitmap.Width();
  const int height = ws.ArtworkBitmap.Height();
  std::vector<Contour> added;
  DrillPlacement result;
  for (const DrillHole& hole : holes) {
    const PathPixel p = BoardToPath(frame, hole.x_mm, hole.y_mm);
    if (p.x < 0 || p.x >= width || p.y < 1 || p.y > height) {
      return Status::Error(Fill(Tr("Le trou de la ligne %1 du fichier de perçage (X %2 Y %3 mm) tombe hors du typon."),
                                {std::to_string(hole.line), FormatFixed(hole.x_mm, 3), FormatFixed(hole.y_mm, 3)}));
    }
    const int radius = static_cast<int>(std::ceil(hole.diameter_mm / 2.0 / frame.pixel_mm));
    Contour c;
    c.PathText = DrillFileHolePath(p.x, p.y, hole.diameter_mm);
    c.StartX = c.EndX = c.CenterX = p.x;
    c.StartY = c.EndY = c.CenterY = p.y;
    c.IsClosed = true;
    c.IsPad = true;
    c.MinX = std::max(p.x - radius, 0);
    c.MaxX = std::min(p.x + radius, width);
    c.MinY = std::max(p.y - radius, 0);
    c.MaxY = std::min(p.y + radius, height);
    added.push_back(std::move(c));
    if (!CopperNear(ws.ArtworkBitmap, p.x, p.y, radius + 2)) {
      if (++result.off_copper <= kNamedOffCopperHoles) {
        result.notices.push_back(
            Fill(Tr("Le trou de la ligne %1 du fichier de perçage (X %2 Y %3 mm, %4 mm) ne tombe sur aucune pastille."),
                 {std::to_string(hole.line), FormatFixed(hole.x_mm, 3), FormatFixed(hole.y_mm, 3),
                  FormatFixed(hole.diameter_mm, 3)}));
      }
    }
  }
  if (result.off_copper > kNamedOffCopperHoles) {
    result.notices.push_back(Fill(Tr("%1 trous en tout ne tombent sur aucune pastille : le fichier de perçage va-t-il "
                                     "avec ce typon (même carte, même face) ?"),
                                  {std::to_string(result.off_copper)}));
  }
  for (Contour& c : ws.Table.items) {
    if (!c.IsPad) continue;
    c.IsPad = false;
    c.IsUseless = true;
    ++result.dropped_pads;
  }
  result.placed = static_cast<int>(added.size());
  ws.Table.items.insert(ws.Table.items.end(), added.begin(), added.end());
  *placement = std::move(result);
  return Status::Ok();
}

}  // namespace pistora
