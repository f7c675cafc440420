#include "gui/setup/plate_preview_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace pistora {

namespace {

// The filled area of a preview rectangle; empty when it is inverted.
QRect FilledArea(const PreviewRect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

// Exclusive-or of `colour` over the pixels of `area` inside the image: drawing it twice erases it.
void XorFill(QImage& image, const QRect& area, QColor colour) {
  const QRect clipped = area.intersected(image.rect());
  const QRgb mask = colour.rgb() & 0x00ffffff;
  for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = clipped.left(); x <= clipped.right(); ++x) row[x] ^= mask;
  }
}

}  // namespace

QImage RenderPlatePreview(const PlatePreview& preview) {
  QImage image(std::max(preview.Width(), 0), std::max(preview.Height(), 0), QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.fillRect(FilledArea(preview.Copper()), kCopperColour);
    const QBrush hatch(kForbiddenHatchColour, Qt::DiagCrossPattern);
    for (const PreviewRect& strip : preview.BorderStrips()) painter.fillRect(FilledArea(strip), hatch);
  }
  XorFill(image, FilledArea(preview.JobRect()), kJobXorColour);
  return image;
}

QPixmap LegendSample(QSize size, QColor base, QColor hatch) {
  QPixmap pixmap(size);
  pixmap.fill(base);
  if (hatch.isValid()) {
    QPainter painter(&pixmap);
    painter.fillRect(pixmap.rect(), QBrush(hatch, Qt::DiagCrossPattern));
  }
  return pixmap;
}

PlatePreviewView::PlatePreviewView(QWidget* parent) : QWidget(parent), preview_(PlateGeometry{}) {
  setFixedSize(preview_.Width(), preview_.Height());
  setCursor(Qt::SizeAllCursor);
  setMouseTracking(true);  // moves reach the model, which ignores them unless dragging
}

void PlatePreviewView::SetPreview(const PlatePreview& preview) {
  preview_ = preview;
  setFixedSize(preview_.Width(), preview_.Height());
  update();
}

void PlatePreviewView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.drawImage(0, 0, Image());
}

void PlatePreviewView::mousePressEvent(QMouseEvent* /*event*/) { preview_.Press(); }

void PlatePreviewView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (!preview_.Move(at.x(), at.y())) return;
  update();
  emit StartPointMoved();
}

void PlatePreviewView::mouseReleaseEvent(QMouseEvent* /*event*/) { preview_.Release(); }

}  // namespace pistora
