#include "gui/machine/height_map_picture.h"

#include <QPainter>
#include <algorithm>

#include "core/text/numbers.h"
#include "gui/adapters/translations.h"

namespace pistora {

namespace {

// 0 → blue, 0.5 → green, 1 → red.
QRgb Ramp(double t) {
  t = std::clamp(t, 0.0, 1.0);
  const int r = static_cast<int>(255 * std::clamp(2 * t - 1, 0.0, 1.0));
  const int b = static_cast<int>(255 * std::clamp(1 - 2 * t, 0.0, 1.0));
  const int g = 255 - r - b;
  return qRgb(r, g, b);
}

}  // namespace

QImage HeightMapPicture(const HeightMap& map, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  if (map.Empty() || size.width() < 2 || size.height() < 2) return image;
  const HeightGrid& g = map.Grid();
  const double width_mm = g.step_x * (g.columns - 1);
  const double height_mm = g.step_y * (g.rows - 1);
  const HeightSummary s = map.Summary();
  const double range = s.max - s.min;
  for (int py = 0; py < size.height(); ++py) {
    const double y = g.origin_y + height_mm * (size.height() - 1 - py) / (size.height() - 1);
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
    for (int px = 0; px < size.width(); ++px) {
      const double x = g.origin_x + width_mm * px / (size.width() - 1);
      line[px] = Ramp(range > 0 ? (map.HeightAt(x, y) - s.min) / range : 0.5);
    }
  }
  QPainter painter(&image);
  painter.setPen(Qt::black);
  for (int r = 0; r < g.rows; ++r) {
    for (int c = 0; c < g.columns; ++c) {
      const int px = static_cast<int>(c * (size.width() - 1) / std::max(1, g.columns - 1));
      const int py = static_cast<int>((g.rows - 1 - r) * (size.height() - 1) / std::max(1, g.rows - 1));
      painter.drawEllipse(QPoint(px, py), 2, 2);
    }
  }
  return image;
}

QString HeightMapSummaryText(const HeightMap& map) {
  const HeightSummary s = map.Summary();
  return TrMessage("min %1  max %2 mm   pente X %3  Y %4 mm/100 mm")
      .arg(QString::fromStdString(FormatFixed(s.min, 3)), QString::fromStdString(FormatFixed(s.max, 3)),
           QString::fromStdString(FormatFixed(s.tilt_x, 3)), QString::fromStdString(FormatFixed(s.tilt_y, 3)));
}

}  // namespace pistora
