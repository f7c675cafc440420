#include "gui/machine/machine_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPolygon>

namespace pistora {

namespace {

// An engraving cutter above a board with a milled groove.
QImage DrawEngraving() {
  QImage image(48, 48, QImage::Format_RGB888);
  image.fill(QColor(255, 255, 255));
  QPainter p(&image);
  p.fillRect(4, 36, 40, 8, QColor(200, 120, 40));   // copper
  p.fillRect(4, 36, 40, 2, QColor(230, 160, 80));
  p.fillRect(10, 36, 28, 2, QColor(60, 120, 40));   // the groove
  p.setPen(Qt::black);
  p.setBrush(QColor(170, 170, 170));
  p.drawRect(20, 4, 8, 20);                          // shank
  p.drawPolygon(QPolygon({QPoint(20, 24), QPoint(28, 24), QPoint(24, 35)}));  // V tip
  return image;
}

// A drill above a board with a hole.
QImage DrawDrilling() {
  QImage image(48, 48, QImage::Format_RGB888);
  image.fill(QColor(255, 255, 255));
  QPainter p(&image);
  p.fillRect(4, 36, 40, 8, QColor(200, 120, 40));
  p.fillRect(21, 36, 6, 8, Qt::black);              // the hole
  p.setPen(Qt::black);
  p.setBrush(QColor(170, 170, 170));
  p.drawRect(21, 4, 6, 26);
  for (int y = 8; y < 30; y += 5) p.drawLine(21, y, 27, y + 3);  // flutes
  p.drawPolygon(QPolygon({QPoint(21, 30), QPoint(27, 30), QPoint(24, 34)}));
  return image;
}

// A round LED, lit or dark.
QImage DrawLed(bool on) {
  QImage image(20, 20, QImage::Format_RGB888);
  image.fill(QColor(212, 208, 200));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QColor(60, 60, 60));
  p.setBrush(on ? QColor(0, 230, 0) : QColor(0, 70, 0));
  p.drawEllipse(2, 2, 15, 15);
  p.setPen(Qt::NoPen);
  p.setBrush(on ? QColor(200, 255, 200) : QColor(60, 110, 60));
  p.drawEllipse(6, 5, 4, 4);
  return image;
}

}  // namespace

QPixmap DrawMachinePicture(const QString& name) {
  const QString n = name.toLower();
  if (n == QLatin1String("grav.bmp")) return QPixmap::fromImage(DrawEngraving());
  if (n == QLatin1String("perc.bmp")) return QPixmap::fromImage(DrawDrilling());
  if (n == QLatin1String("led1on.bmp")) return QPixmap::fromImage(DrawLed(true));
  if (n == QLatin1String("led1off.bmp")) return QPixmap::fromImage(DrawLed(false));
  return {};
}

QPixmap MachinePicture(const QString& folder, const QString& name) {
  const QString path = QDir(folder).filePath(name);
  QPixmap picture;
  if (QFileInfo::exists(path) && picture.load(path, "BMP")) return picture;
  picture = DrawMachinePicture(name);
  // A picture that cannot be saved (read-only folder) is drawn again next time.
  if (!picture.isNull() && !QFileInfo::exists(path)) picture.save(path, "BMP");
  return picture;
}

}  // namespace pistora
