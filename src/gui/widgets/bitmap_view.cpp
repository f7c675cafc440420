#include "gui/widgets/bitmap_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace pistora {

BitmapView::BitmapView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void BitmapView::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void BitmapView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
}

void BitmapView::mousePressEvent(QMouseEvent* event) {
  emit MouseDown(event->position().toPoint(), event->button());
}

void BitmapView::mouseMoveEvent(QMouseEvent* event) {
  emit MouseMove(event->position().toPoint(), event->buttons());
}

void BitmapView::mouseReleaseEvent(QMouseEvent* event) {
  emit MouseUp(event->position().toPoint(), event->button());
}

}  // namespace pistora
