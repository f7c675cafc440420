#include "gui/widgets/stop_disc.h"

#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace pistora {

StopDisc::StopDisc(QWidget* parent, QColor ring_colour)
    : QWidget(parent), ring_colour_(ring_colour), word_(new QLabel(QStringLiteral("STOP"), this)) {
  setCursor(Qt::PointingHandCursor);
  word_->setAlignment(Qt::AlignCenter);
  word_->setAttribute(Qt::WA_TransparentForMouseEvents);  // a press on the word is on the disc
  word_->setStyleSheet(QStringLiteral("QLabel { color: white; background: transparent; }"));
  QFont font = word_->font();
  font.setBold(true);
  word_->setFont(font);
}

void StopDisc::resizeEvent(QResizeEvent* /*event*/) { word_->setGeometry(rect()); }

void StopDisc::PaintRing(QColor colour) {
  ring_colour_ = colour;
  repaint();
}

void StopDisc::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const int side = std::min(width(), height()) - 2;
  const QRectF outer((width() - side) / 2.0, (height() - side) / 2.0, side, side);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(ring_colour_);
  painter.drawEllipse(outer);
  const double ring = side * 0.14;
  const QRectF inner = outer.adjusted(ring, ring, -ring, -ring);
  painter.setBrush(QColor(255, 0, 0));
  painter.drawEllipse(inner);
}

void StopDisc::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit Pressed();
}

}  // namespace pistora
