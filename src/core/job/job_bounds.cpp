#include "core/job/job_bounds.h"

#include <cmath>

#include "core/job/gcode_writer.h"
#include "core/text/message_translation.h"
#include "core/text/numbers.h"

namespace pistora {

bool IsUsablePixelSize(double pixel_size_mm) {
  return std::isfinite(pixel_size_mm) && pixel_size_mm > 0.0 && pixel_size_mm < kMaxPixelSizeMm;
}

std::string PixelSizeProblem(double pixel_size_mm) {
  if (IsUsablePixelSize(pixel_size_mm)) return "";
  return Fill(Tr("la taille d'un pixel doit être un nombre de plus de 0 et de moins de %1 mm"),
              {FormatFixed(kMaxPixelSizeMm, 0)});
}

bool InsidePicture(long long x, long long y, int width, int height) {
  return x >= 0 && y >= 0 && x <= width && y <= height;
}

Status CheckJobWithinPicture(const Workspace& ws) {
  if (!IsUsablePixelSize(ws.PixelSizeMm)) {
    return Status::Error(Fill(Tr("Programme non écrit : %1."), {PixelSizeProblem(ws.PixelSizeMm)}));
  }
  const int width = ws.EngravingBitmap.Width();
  const int height = ws.EngravingBitmap.Height();
  if (ws.EngravingBitmap.Empty()) return Status::Ok();
  for (std::size_t i = 0; i < ws.Table.items.size(); ++i) {
    const Contour& c = ws.Table.items[i];
    bool inside = InsidePicture(c.CenterX, c.CenterY, width, height);
    if (inside) {
      for (const PathCorner& p : PathCorners(c)) {
        if (!InsidePicture(p.x, p.y, width, height)) {
          inside = false;
          break;
        }
      }
    }
    if (!inside) {
      return Status::Error(Fill(Tr("Programme non écrit : le contour %1 sort de l'image (%2 x %3 pixels)."),
                                {std::to_string(i), std::to_string(width), std::to_string(height)}));
    }
  }
  return Status::Ok();
}

}  // namespace pistora
