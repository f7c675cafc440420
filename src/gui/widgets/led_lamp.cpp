#include "gui/widgets/led_lamp.h"

#include <QPainter>
#include <QRadialGradient>

namespace pistora {

LedLamp::LedLamp(QWidget* parent, QColor on_colour) : QWidget(parent), on_colour_(on_colour) {
  resize(16, 16);
}

void LedLamp::SetActive(bool active) {
  if (active_ == active) return;
  active_ = active;
  update();
}

void LedLamp::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const int side = qMin(width(), height()) - 2;
  const QRectF disc((width() - side) / 2.0, (height() - side) / 2.0, side, side);
  const QColor base = active_ ? on_colour_ : QColor(70, 70, 70);
  QRadialGradient shine(disc.center() - QPointF(side / 5.0, side / 5.0), side / 1.5);
  shine.setColorAt(0, base.lighter(active_ ? 170 : 150));
  shine.setColorAt(1, base);
  painter.setBrush(shine);
  painter.setPen(QPen(QColor(40, 40, 40), 1));
  painter.drawEllipse(disc);
}

}  // namespace pistora
