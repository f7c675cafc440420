#include "gui/widgets/sight_cursor.h"

#include <QPainter>
#include <QPixmap>

namespace pistora {

QCursor SightCursor() {
  constexpr int kSide = 31;
  constexpr int kMid = kSide / 2;
  QPixmap pixmap(kSide, kSide);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  // A white halo under the black strokes keeps the cross visible on black copper.
  for (const auto& [colour, width] : {std::pair{QColor(Qt::white), 3}, std::pair{QColor(Qt::black), 1}}) {
    painter.setPen(QPen(colour, width));
    painter.drawLine(kMid, 1, kMid, kMid - 4);
    painter.drawLine(kMid, kMid + 4, kMid, kSide - 2);
    painter.drawLine(1, kMid, kMid - 4, kMid);
    painter.drawLine(kMid + 4, kMid, kSide - 2, kMid);
    painter.drawEllipse(QPoint(kMid, kMid), 7, 7);
  }
  painter.end();
  return QCursor(pixmap, kMid, kMid);
}

}  // namespace pistora
